#include "VariableRecords.h"

CCreateVariableRecord::CCreateVariableRecord()
    : scope(0)
{
}

BOOL CCreateVariableRecord::Save(CDataFile& file, const char* section) const
{
    if (!section)
        return FALSE;
    file.SetString(section, "varName", varName);
    file.SetString(section, "owner", owner);
    file.SetLong(section, "scope", scope);
    file.SetVariant(section, "value", value.Get());
    file.SetVarType(section, "valueType", value.Type());
    return TRUE;
}

BOOL CCreateVariableRecord::Load(const CDataFile& file, const char* section)
{
    file.GetString(section, "varName", varName);
    file.GetString(section, "owner", owner);
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
    file.SetString(section, "mainOp", mainOp);
    file.SetString(section, "targetVar", targetVar);
    file.SetString(section, "srcVar", srcVar);
    file.SetVariant(section, "value", value.Get());
    file.SetVarType(section, "valueType", value.Type());
    return TRUE;
}

BOOL CModifyVariableRecord::Load(const CDataFile& file, const char* section)
{
    file.GetString(section, "mainOp", mainOp);
    file.GetString(section, "targetVar", targetVar);
    file.GetString(section, "srcVar", srcVar);
    VARTYPE type = VT_EMPTY;
    if (file.GetVarType(section, "valueType", type))
        file.GetVariant(section, "value", type, value.Get());
    else
        value.SetText("");
    return TRUE;
}
