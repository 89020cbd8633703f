#include "ShellRecords.h"

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
    if (!section)
        return FALSE;
    file.SetString(section, "path", path);
    file.SetString(section, "parameters", parameters);
    return TRUE;
}

BOOL CRunProgramRecord::Load(const CDataFile& file, const char* section)
{
    file.GetString(section, "path", path);
    file.GetString(section, "parameters", parameters);
    return TRUE;
}
