#include "browser/ControlUnregister.h"

#include <ole2.h>
#include <string.h>

namespace
{
// Started and not waited for: waiting would freeze the sheet for as long as
// the server takes (up to a minute). Success is a successful start.
BOOL StartExecutableServer(const char* path)
{
    CStr command = UnregisterCommand(path);
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process;
    ZeroMemory(&process, sizeof process);
    // A copy the call may write into.
    CStr writable(command.c_str());
    if (!CreateProcessA(NULL, writable.GetBuffer(writable.GetLength() + 1), NULL, NULL, FALSE, 0, NULL, NULL,
                        &startup, &process))
        return FALSE;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return TRUE;
}

BOOL CallLibraryServer(const char* path)
{
    if (FAILED(CoInitialize(NULL)))
        return FALSE;
    BOOL ok = FALSE;
    HMODULE module = LoadLibraryA(path);
    if (module)
    {
        typedef HRESULT(STDAPICALLTYPE * ServerEntry)();
        ServerEntry entry = (ServerEntry)(void*)GetProcAddress(module, "DllUnregisterServer");
        ok = entry && SUCCEEDED(entry());
        CoFreeLibrary(module);
    }
    CoUninitialize();
    return ok;
}
}

BOOL IsExecutableServer(const char* path)
{
    CStr text(path ? path : "");
    text.MakeLower();
    const char* found = strstr(text.c_str(), ".exe");
    return found != NULL && found > text.c_str();
}

CStr UnregisterCommand(const char* path)
{
    CStr command;
    // Quoted, unless it already is: a path with spaces must run that file.
    if (path && path[0] == '"')
        command.Format("%s %s", path, "/UNREGSERVER");
    else
        command.Format("\"%s\" %s", path ? path : "", "/UNREGSERVER");
    return command;
}

BOOL ClassKeyExists(const char* classId)
{
    if (!classId || !*classId)
        return FALSE;
    CStr path("CLSID\\");
    path += classId;
    HKEY key = NULL;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return FALSE;
    RegCloseKey(key);
    return TRUE;
}

BOOL UnregisterControlServer(const CControlCatalogEntry& entry)
{
    const CStr path = entry.GetServerPath();
    if (path.IsEmpty())
        return FALSE;
    // A program still runs when it was started: only a library's keys can
    // be checked at once.
    if (IsExecutableServer(path))
        return StartExecutableServer(path);
    return CallLibraryServer(path) && !ClassKeyExists(entry.GetClassId());
}
