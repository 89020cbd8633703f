#include "platform/framework/ShellRegistration.h"

namespace
{
BOOL SetClassesValue(const std::string& key, const std::string& value)
{
    HKEY handle;
    if (::RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, NULL, 0, KEY_WRITE, NULL, &handle, NULL) != ERROR_SUCCESS)
        return FALSE;
    LONG status = ::RegSetValueExA(handle, NULL, 0, REG_SZ, (const BYTE*)value.c_str(), (DWORD)value.size() + 1);
    ::RegCloseKey(handle);
    return status == ERROR_SUCCESS;
}
}

std::string GetShellClassesValue(const std::string& key)
{
    char value[MAX_PATH] = "";
    LONG size = sizeof(value);
    if (::RegQueryValueA(HKEY_CLASSES_ROOT, key.c_str(), value, &size) != ERROR_SUCCESS)
        return std::string();
    return value;
}

BOOL RegisterShellDocumentType(const std::string& typeId, const std::string& typeName, const std::string& ext,
                               const std::string& module, BOOL printEntries)
{
    if (!SetClassesValue(typeId, typeName))
        return FALSE;
    SetClassesValue(typeId + "\\DefaultIcon", module + ",0");
    SetClassesValue(typeId + "\\shell\\open\\command", "\"" + module + "\" \"%1\"");
    if (printEntries)
    {
        SetClassesValue(typeId + "\\shell\\print\\command", "\"" + module + "\" /p \"%1\"");
        SetClassesValue(typeId + "\\shell\\printto\\command", "\"" + module + "\" /pt \"%1\" \"%2\" \"%3\" \"%4\"");
    }
    // Another program's association of the extension is left alone.
    if (ext.size() > 1 && ext[0] == '.')
    {
        std::string current = GetShellClassesValue(ext);
        if (current.empty() || current == typeId)
            SetClassesValue(ext, typeId);
    }
    return TRUE;
}
