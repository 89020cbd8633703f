// Open Folder, Shell Execute, Launch HTML and Run Program at run time:
// paths handed to the shell's "open" verb.
#pragma once

#include "player/runtime/ScriptItem.h"
#include "actions/records/ShellRecords.h"

namespace Tarvex {

// "OpenFolder" and "ShellExecute": "path" opened by the shell.
class CShellOpenAction : public CScriptItem
{
public:
    CShellOpenAction(const char* typeName, const char* section, CElement* parent);

    // The path, resolved against the base folder, opened shown normally;
    // the outcome is not checked: ResultGoOn.
    int Execute() override;

protected:
    void LoadAction(const CDataFile& file, const char* section) override;

private:
    CPathRecord m_record;
};

// "LaunchHtml": a document opened in the program the shell has for it.
class CLaunchHtmlAction : public CShellOpenAction
{
public:
    CLaunchHtmlAction(const char* typeName, const char* section, CElement* parent);
};

class CRunProgramAction : public CScriptItem
{
public:
    CRunProgramAction(const char* typeName, const char* section, CElement* parent);

    // The program and its parameters (from the registry when the action
    // says so), the program resolved against the base folder; ResultGoOn.
    int Execute() override;

protected:
    // With "flag" "registry": "registryKey", "registryValueName" and
    // "paramRegistryValueName"; else "path" and "parameters".
    void LoadAction(const CDataFile& file, const char* section) override;

private:
    CRunProgramRecord m_record;
    BOOL m_fromRegistry;
    CStr m_registryKey;
    CStr m_pathValueName;
    CStr m_parametersValueName;
};

} // namespace Tarvex
