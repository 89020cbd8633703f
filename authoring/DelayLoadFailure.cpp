// The editor takes the DLLs that its start-up does not need (the common
// dialogs, sound, transparent blits, the control host and the two picture
// libraries) only at its first call into each (see delay_load in
// authoring/CMakeLists.txt). A DLL that cannot be loaded then, or that lacks
// the entry called, is not met when the program starts but at that call:
// the delay-load helper calls this hook, which says what is missing through
// the message reporter and ends the program, instead of the helper raising
// an exception that nothing handles.
#include "model/common/MessageReporter.h"

#include <windows.h>

#include <delayimp.h>
#include <stdio.h>

namespace {

// What the program ends with after the report.
const UINT kExitCode = 3;

// Called by the delay-load helper with what it tried.
FARPROC WINAPI DelayLoadFailed(unsigned notify, PDelayLoadInfo info)
{
    char text[512];
    const char* kAgain = "Installing LumbrookConfig again puts it back in place.";
    if (notify == dliFailLoadLib && info->dwLastError == ERROR_MOD_NOT_FOUND)
        snprintf(text, sizeof text, "LumbrookConfig cannot go on: it did not find %s. %s", info->szDll, kAgain);
    else if (notify == dliFailLoadLib)
        snprintf(text, sizeof text, "LumbrookConfig cannot go on: %s could not be loaded (error %lu). %s",
                 info->szDll, (unsigned long)info->dwLastError, kAgain);
    else if (notify == dliFailGetProc && info->dlp.fImportByName)
        snprintf(text, sizeof text, "LumbrookConfig cannot go on: %s has no entry %s. %s", info->szDll,
                 info->dlp.szProcName, kAgain);
    else if (notify == dliFailGetProc)
        snprintf(text, sizeof text, "LumbrookConfig cannot go on: %s has no entry number %lu. %s", info->szDll,
                 (unsigned long)info->dlp.dwOrdinal, kAgain);
    else
        return NULL;
    ReportMessage(NULL, text, "LumbrookConfig", MB_OK | MB_ICONSTOP | MB_TASKMODAL);
    ExitProcess(kExitCode);
}

} // namespace

PfnDliHook __pfnDliFailureHook2 = DelayLoadFailed;
