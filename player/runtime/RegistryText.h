// Text values of the registry as the player reads them: read access only, a
// bound on the stored size, and always a terminating zero.
#pragma once

#include "model/store/DataFile.h"

#include <windows.h>

namespace Tarvex {

enum RegistryTextTypes
{
    RegistryAnyText,      // REG_SZ or REG_EXPAND_SZ (not expanded)
    RegistryPlainTextOnly // REG_SZ only
};

// The text of valueName under an opened key when it is of a text type and
// stores at most limit bytes (its zero included); otherwise FALSE and text
// as it was.
BOOL ReadRegistryText(HKEY key, const char* valueName, DWORD limit, CStr& text,
                      RegistryTextTypes types = RegistryAnyText);

// The same under HKEY_CURRENT_USER\keyName, opened for querying only.
BOOL ReadUserRegistryText(const char* keyName, const char* valueName, DWORD limit, CStr& text);

// For an action whose "flag" is "registry": the text of its
// "registryValueName" under HKEY_CURRENT_USER\"registryKey" (at most limit
// bytes; empty when unreadable), and TRUE. FALSE for any other action.
BOOL ReadActionRegistryText(const CDataFile& file, const char* section, DWORD limit, CStr& text);

} // namespace Tarvex
