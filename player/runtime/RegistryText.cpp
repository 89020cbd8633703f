#include "player/runtime/RegistryText.h"

#include <vector>

namespace Tarvex {

BOOL ReadRegistryText(HKEY key, const char* valueName, DWORD limit, CStr& text, RegistryTextTypes types)
{
    // One byte beyond the limit: a value stored without its zero would
    // otherwise be read past its end.
    std::vector<char> buffer(limit + 1, '\0');
    DWORD type = 0;
    DWORD size = limit;
    if (RegQueryValueExA(key, valueName, NULL, &type, reinterpret_cast<BYTE*>(&buffer[0]), &size) != ERROR_SUCCESS ||
        size > limit)
        return FALSE;
    if (type != REG_SZ && (types == RegistryPlainTextOnly || type != REG_EXPAND_SZ))
        return FALSE;
    buffer[size] = '\0';
    text = &buffer[0];
    return TRUE;
}

BOOL ReadUserRegistryText(const char* keyName, const char* valueName, DWORD limit, CStr& text)
{
    HKEY opened = NULL;
    // Only read: asking for full access fails on a key the user may only read.
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyName, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return FALSE;
    BOOL done = ReadRegistryText(opened, valueName, limit, text);
    RegCloseKey(opened);
    return done;
}

BOOL ReadActionRegistryText(const CDataFile& file, const char* section, DWORD limit, CStr& text)
{
    CStr flag;
    file.GetString(section, "flag", flag);
    if (flag != "registry")
        return FALSE;
    CStr key;
    CStr valueName;
    file.GetString(section, "registryKey", key);
    file.GetString(section, "registryValueName", valueName);
    CStr value;
    ReadUserRegistryText(key, valueName, limit, value);
    text = value;
    return TRUE;
}

} // namespace Tarvex
