#include "actions/records/PropertyRecords.h"
#include "actions/records/SectionKeys.h"
#include "model/store/PageFormat.h"
#include "actions/records/StoredVariant.h"
#include "model/common/VariantHelpers.h"

CPropertyRecord NewPropertyAssignment()
{
    CPropertyRecord assignment;
    assignment.m_vt = VT_BSTR;
    V_VT(&assignment.m_value) = VT_I4;
    V_I4(&assignment.m_value) = 0;
    return assignment;
}

BOOL SavePropertyAssignment(const CPropertyRecord& assignment, CDataFile& file, const char* section)
{
    if (!section)
        return FALSE;
    file.SetString(section, "property", assignment.m_strName);
    file.SetString(section, "variableName", assignment.m_strVariableName);
    file.SetVarType(section, "valueType", assignment.m_vt);
    file.SetVariant(section, "value", assignment.m_value);
    return TRUE;
}

BOOL LoadPropertyAssignment(CPropertyRecord& assignment, const CDataFile& file, const char* section)
{
    file.GetString(section, "property", assignment.m_strName);
    file.GetString(section, "variableName", assignment.m_strVariableName);
    assignment.m_vt = VT_BSTR;
    file.GetVarType(section, "valueType", assignment.m_vt);
    file.GetVariant(section, "value", assignment.m_vt, assignment.m_value);
    assignment.m_bChanged = assignment.m_bCanGet = assignment.m_bCanPut = 1;
    return TRUE;
}

// Hands the stored value over to the record, so it is not copied twice.
static void MoveValueInto(CPropertyRecord& assignment, CStoredVariant& value)
{
    VariantClear(&assignment.m_value);
    assignment.m_value = value.Get();
    VariantInit(&value.Get());
}

void SetAssignmentValue(CPropertyRecord& assignment, const VARIANT& value)
{
    CStoredVariant copy(value);
    MoveValueInto(assignment, copy);
}

void SetAssignmentText(CPropertyRecord& assignment, const char* text)
{
    CStoredVariant value;
    value.SetText(text);
    MoveValueInto(assignment, value);
}

CStr AssignmentValueText(const CPropertyRecord& assignment)
{
    if (V_VT(&assignment.m_value) == VT_BSTR && V_BSTR(&assignment.m_value) == NULL)
        return CStr();
    return VariantToText(assignment.m_value);
}

CSetPropertyRecord::CSetPropertyRecord()
    : multi(FALSE), advanced(FALSE)
{
}

CStr CSetPropertyRecord::AssignmentSection(const char* section, int index)
{
    return PropertySectionName(section, index);
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
        return SavePropertyAssignment(assignments[0], file, section);
    file.SetBool(section, "multi", TRUE);
    for (size_t i = 0; i < assignments.size(); i++)
        SavePropertyAssignment(assignments[i], file, AssignmentSection(section, (int)i));
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
        assignments.push_back(NewPropertyAssignment());
        LoadPropertyAssignment(assignments.back(), file, section);
        return;
    }
    for (int i = 0;; i++)
    {
        CStr name = AssignmentSection(section, i);
        CStr property;
        if (!file.GetString(name, "property", property))
            break;
        assignments.push_back(NewPropertyAssignment());
        LoadPropertyAssignment(assignments.back(), file, name);
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
