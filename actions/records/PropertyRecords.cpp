#include "PropertyRecords.h"
#include "SectionKeys.h"

CPropertyAssignment::CPropertyAssignment()
    : valueType(VT_BSTR), changed(0), canGet(0), canPut(0), spare(0)
{
    value.SetLong(0);
}

BOOL CPropertyAssignment::Save(CDataFile& file, const char* section) const
{
    if (!section)
        return FALSE;
    file.SetString(section, "property", property);
    file.SetString(section, "variableName", variableName);
    file.SetVarType(section, "valueType", valueType);
    file.SetVariant(section, "value", value.Get());
    return TRUE;
}

BOOL CPropertyAssignment::Load(const CDataFile& file, const char* section)
{
    file.GetString(section, "property", property);
    file.GetString(section, "variableName", variableName);
    valueType = VT_BSTR;
    file.GetVarType(section, "valueType", valueType);
    file.GetVariant(section, "value", valueType, value.Get());
    changed = canGet = canPut = 1;
    return TRUE;
}

CSetPropertyRecord::CSetPropertyRecord()
    : multi(FALSE), advanced(FALSE)
{
}

CStr CSetPropertyRecord::AssignmentSection(const char* section, int index)
{
    return NumberedSection(section, "Property", index);
}

BOOL CSetPropertyRecord::Save(CDataFile& file, const char* section, const char* controlId) const
{
    if (!section)
        return FALSE;
    if (assignments.empty())
        return TRUE;
    file.SetString(section, "controlId", controlId ? controlId : "");
    file.SetBool(section, "Advanced", advanced);
    if (assignments.size() == 1)
        return assignments[0].Save(file, section);
    file.SetBool(section, "multi", TRUE);
    for (size_t i = 0; i < assignments.size(); i++)
        assignments[i].Save(file, AssignmentSection(section, (int)i));
    return TRUE;
}

BOOL CSetPropertyRecord::Load(const CDataFile& file, const char* section, CStr& controlId)
{
    file.GetString(section, "controlId", controlId);
    file.GetBool(section, "Advanced", advanced);
    CStr multiText;
    BOOL numbered = file.GetString(section, "multi", multiText);
    if (numbered)
        file.GetBool(section, "multi", multi);
    LoadAssignments(file, section, numbered);
    return TRUE;
}

void CSetPropertyRecord::LoadAssignments(const CDataFile& file, const char* section, BOOL numbered)
{
    assignments.clear();
    if (!numbered)
    {
        assignments.push_back(CPropertyAssignment());
        assignments.back().Load(file, section);
        return;
    }
    for (int i = 0;; i++)
    {
        CStr name = AssignmentSection(section, i);
        CStr property;
        if (!file.GetString(name, "property", property))
            break;
        assignments.push_back(CPropertyAssignment());
        assignments.back().Load(file, name);
    }
}

CGetPropertyRecord::CGetPropertyRecord()
    : scope(0)
{
}

BOOL CGetPropertyRecord::Save(CDataFile& file, const char* section, const char* controlId) const
{
    if (!section)
        return FALSE;
    file.SetString(section, "controlId", controlId ? controlId : "");
    file.SetString(section, "property", property);
    file.SetString(section, "variableName", variableName);
    file.SetLong(section, "scope", scope);
    return TRUE;
}

BOOL CGetPropertyRecord::Load(const CDataFile& file, const char* section, CStr& controlId)
{
    file.GetString(section, "controlId", controlId);
    file.GetString(section, "property", property);
    file.GetString(section, "variableName", variableName);
    file.GetLong(section, "scope", scope);
    return TRUE;
}
