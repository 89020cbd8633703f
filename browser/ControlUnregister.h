// Unregistering a control's server: an executable is run with
// "/UNREGSERVER", a library's own DllUnregisterServer is called.
#pragma once

#include <windows.h>
#include "model/store/ControlCatalogEntry.h"

// TRUE when ".exe" occurs in the path after its first character, ignoring case.
BOOL IsExecutableServer(const char* path);

// The command that unregisters an executable server, its path quoted.
CStr UnregisterCommand(const char* path);

// Runs the server's unregistration. A library: TRUE only when it reports
// success and the class key of the entry is gone afterwards. A program:
// TRUE when it was started (hidden, not waited for).
BOOL UnregisterControlServer(const CControlCatalogEntry& entry);

// TRUE when HKEY_CLASSES_ROOT\CLSID\<classId> exists.
BOOL ClassKeyExists(const char* classId);
