#include "actions/records/ShellRecords.h"

#include "actions/records/StringKeys.h"

BOOL CPathRecord::Save(CDataFile& file, const char* section) const
{
    return file.SetString(section, "path", path);
}

BOOL CPathRecord::Load(const CDataFile& file, const char* section)
{
    file.GetString(section, "path", path);
    return TRUE;
}

BOOL CRunProgramRecord::Save(CDataFile& file, const char* section) const
{
    return SaveStringKeys(file, section, { { "path", &path }, { "parameters", &parameters } });
}

BOOL CRunProgramRecord::Load(const CDataFile& file, const char* section)
{
    return LoadStringKeys(file, section, { { "path", &path }, { "parameters", &parameters } });
}
