#include "actions/records/VariableRecords.h"

#include "actions/records/StringKeys.h"

// The value and then its type, as both variable actions store them.
static void SaveValue(CDataFile& file, const char* section, const CStoredVariant& value)
{
    file.SetVariant(section, "value", value.Get());
    file.SetVarType(section, "valueType", value.Type());
}

CCreateVariableRecord::CCreateVariableRecord()
    : scope(0)
{
}

BOOL CCreateVariableRecord::Save(CDataFile& file, const char* section) const
{
    if (!section)
        return FALSE;
    SaveStringKeys(file, section, { { "varName", &varName }, { "owner", &owner } });
    file.SetLong(section, "scope", scope);
    SaveValue(file, section, value);
    return TRUE;
}

BOOL CCreateVariableRecord::Load(const CDataFile& file, const char* section)
{
    LoadStringKeys(file, section, { { "varName", &varName }, { "owner", &owner } });
    scope = 0;
    file.GetLong(section, "scope", scope);
    VARTYPE type = VT_BSTR;
    file.GetVarType(section, "valueType", type);
    file.GetVariant(section, "value", type, value.Get());
    return TRUE;
}

CModifyVariableRecord::CModifyVariableRecord()
    : mainOp("Equals")
{
}

BOOL CModifyVariableRecord::Save(CDataFile& file, const char* section) const
{
    if (!section)
        return FALSE;
    SaveStringKeys(file, section,
                   { { "mainOp", &mainOp }, { "targetVar", &targetVar }, { "srcVar", &srcVar } });
    SaveValue(file, section, value);
    return TRUE;
}

BOOL CModifyVariableRecord::Load(const CDataFile& file, const char* section)
{
    LoadStringKeys(file, section,
                   { { "mainOp", &mainOp }, { "targetVar", &targetVar }, { "srcVar", &srcVar } });
    VARTYPE type = VT_EMPTY;
    if (file.GetVarType(section, "valueType", type))
        file.GetVariant(section, "value", type, value.Get());
    else
        value.SetText("");
    return TRUE;
}
