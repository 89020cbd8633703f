#include "player/runtime/ShellActions.h"

#include "player/Application.h"
#include "player/PlayerPaths.h"
#include "player/runtime/RegistryText.h"

#include <shellapi.h>

namespace Tarvex {

namespace {

// A program path and its parameters as the registry may hold them.
const DWORD kRegistryPathBytes = 260;

} // namespace

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
    // An over-long path resolves to nothing: it fails as a missing file does.
    if (!path.IsEmpty())
        ShellExecuteA(GetMainWindowHandle(), "open", path, NULL, NULL, SW_SHOWNORMAL);
    return ResultGoOn;
}

CLaunchHtmlAction::CLaunchHtmlAction(const char* typeName, const char* section, CElement* parent)
    : CShellOpenAction(typeName, section, parent)
{
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
        program.Empty();
        parameters.Empty();
        ReadUserRegistryText(m_registryKey, m_pathValueName, kRegistryPathBytes, program);
        ReadUserRegistryText(m_registryKey, m_parametersValueName, kRegistryPathBytes, parameters);
    }
    CStr path = ResolvePath(program);
    if (!path.IsEmpty())
        ShellExecuteA(NULL, "open", path, parameters, NULL, SW_SHOWNORMAL);
    return ResultGoOn;
}

} // namespace Tarvex
