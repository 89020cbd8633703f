#include "actions/records/ConditionRecords.h"

#include "actions/records/StringKeys.h"

CIfWhileRecord::CIfWhileRecord()
    : op(0)
{
}

BOOL CIfWhileRecord::Save(CDataFile& file, const char* section) const
{
    if (!section)
        return FALSE;
    if (!path.IsEmpty())
    {
        file.SetString(section, "path", path);
        return TRUE;
    }
    file.SetString(section, "leftName", leftName);
    SaveEitherStringKey(file, section, "constValue", constValue, "rightName", rightName);
    file.SetInt(section, "operator", op);
    return TRUE;
}

BOOL CIfWhileRecord::Load(const CDataFile& file, const char* section)
{
    if (file.GetString(section, "path", path))
        return TRUE;
    file.GetString(section, "leftName", leftName);
    file.GetString(section, "constValue", constValue);
    if (constValue.IsEmpty())
        file.GetString(section, "rightName", rightName);
    file.GetInt(section, "operator", op);
    return TRUE;
}
