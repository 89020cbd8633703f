#include "ShellActions.h"

#include "Application.h"
#include "PlayerPaths.h"

#include <shellapi.h>

namespace Tarvex {

CShellOpenAction::CShellOpenAction(const char* typeName, const char* section, CElement* parent)
    : CScriptItem(typeName, section, parent)
{
}

void CShellOpenAction::LoadAction(const CDataFile& file, const char* section)
{
    m_record.Load(file, section);
}

int CShellOpenAction::Execute()
{
    // A disc's documents and folders are named relative to the disc.
    CStr path = ResolvePath(m_record.path);
    ShellExecuteA(GetMainWindowHandle(), "open", path, NULL, NULL, SW_SHOWNORMAL);
    return ResultGoOn;
}

CLaunchHtmlAction::CLaunchHtmlAction(const char* typeName, const char* section, CElement* parent)
    : CShellOpenAction(typeName, section, parent)
{
}

CStr ReadRegistryPathText(const char* key, const char* valueName)
{
    CStr text;
    HKEY opened = NULL;
    // Only read here: full access would fail on a key the user may only read.
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return text;
    const DWORD kLimit = 260;
    // One byte beyond the limit: a value stored without its zero would
    // otherwise be read past its end.
    char buffer[kLimit + 1];
    DWORD type = 0;
    DWORD size = kLimit;
    if (RegQueryValueExA(opened, valueName, NULL, &type, reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ) && size <= kLimit)
    {
        buffer[size] = '\0';
        text = buffer;
    }
    RegCloseKey(opened);
    return text;
}

CRunProgramAction::CRunProgramAction(const char* typeName, const char* section, CElement* parent)
    : CScriptItem(typeName, section, parent), m_fromRegistry(FALSE)
{
}

void CRunProgramAction::LoadAction(const CDataFile& file, const char* section)
{
    CStr flag;
    file.GetString(section, "flag", flag);
    m_fromRegistry = flag == "registry";
    if (m_fromRegistry)
    {
        file.GetString(section, "registryKey", m_registryKey);
        file.GetString(section, "registryValueName", m_pathValueName);
        file.GetString(section, "paramRegistryValueName", m_parametersValueName);
    }
    else
    {
        m_record.Load(file, section);
    }
}

int CRunProgramAction::Execute()
{
    CStr program = m_record.path;
    CStr parameters = m_record.parameters;
    if (m_fromRegistry)
    {
        program = ReadRegistryPathText(m_registryKey, m_pathValueName);
        parameters = ReadRegistryPathText(m_registryKey, m_parametersValueName);
    }
    CStr path = ResolvePath(program);
    ShellExecuteA(NULL, "open", path, parameters, NULL, SW_SHOWNORMAL);
    return ResultGoOn;
}

} // namespace Tarvex
