#include "actions/records/WindowScriptRecords.h"

#include "actions/records/StringKeys.h"

BOOL CInternalCommandRecord::Save(CDataFile& file, const char* section) const
{
    return SaveStringKeys(file, section, { { "command", &command }, { "parameters", &parameters } });
}

BOOL CInternalCommandRecord::Load(const CDataFile& file, const char* section)
{
    return LoadStringKeys(file, section, { { "command", &command }, { "parameters", &parameters } });
}

CPostMessageRecord::CPostMessageRecord()
    : message(0), wparam(0), lparam(0)
{
}

BOOL CPostMessageRecord::Save(CDataFile& file, const char* section) const
{
    if (!section)
        return FALSE;
    file.SetString(section, "WindowClass", windowClass);
    file.SetInt(section, "Message", message);
    file.SetInt(section, "Wparam", wparam);
    file.SetLong(section, "Lparam", lparam);
    return TRUE;
}

BOOL CPostMessageRecord::Load(const CDataFile& file, const char* section)
{
    file.GetString(section, "WindowClass", windowClass);
    file.GetInt(section, "Message", message);
    file.GetInt(section, "Wparam", wparam);
    file.GetLong(section, "Lparam", lparam);
    return TRUE;
}

BOOL CExecuteGlobalScriptRecord::Save(CDataFile& file, const char* section) const
{
    return file.SetString(section, "scriptName", scriptName);
}

BOOL CExecuteGlobalScriptRecord::Load(const CDataFile& file, const char* section)
{
    file.GetString(section, "scriptName", scriptName);
    return TRUE;
}
