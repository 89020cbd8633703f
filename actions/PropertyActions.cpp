#include "actions/PropertyActions.h"

#include "actions/ActionSupport.h"
#include "model/store/DataFile.h"
#include "model/EditorServices.h"
#include "model/ElementContainer.h"
#include "model/Script.h"

#include <new>

CSetPropertyAction::CSetPropertyAction(const char* sectionName, CElement* parent)
    : CScriptItem(sectionName, parent)
{
    InitActionNames(*this, "SetProperty");
}

CSetPropertyAction::CSetPropertyAction(const CSetPropertyAction& other)
    : CScriptItem(other), m_record(other.m_record)
{
}

CSetPropertyAction::~CSetPropertyAction()
{
    DestroyMembers();
}

CElement* CSetPropertyAction::Clone() const
{
    return new (std::nothrow) CSetPropertyAction(*this);
}

BOOL CSetPropertyAction::Load(CDataFile* file, BOOL keepId)
{
    if (!file)
        return FALSE;
    m_record.Load(*file, m_strSectionName, m_strControlId);
    return CScriptItem::Load(file, keepId);
}

BOOL CSetPropertyAction::Save(CDataFile* file)
{
    if (!file)
        return FALSE;
    if (!m_record.IsStorable())
        return TRUE;
    m_record.Save(*file, m_strSectionName, m_strControlId);
    return CScriptItem::Save(file);
}

void CSetPropertyAction::AddAssignment(const char* property, const char* variableName,
                                       const VARIANT& value, VARTYPE valueType, BOOL changed)
{
    CPropertyRecord assignment = NewPropertyAssignment();
    assignment.m_strName = property;
    assignment.m_strVariableName = variableName;
    SetAssignmentValue(assignment, value);
    assignment.m_vt = valueType;
    assignment.m_bChanged = changed ? 1 : 0;
    assignment.m_bCanGet = assignment.m_bCanPut = 1;
    m_record.assignments.push_back(assignment);
}

static BOOL TargetsObject(const CStr& controlId, CElement* object)
{
    return object && lstrcmpiA(controlId, object->GetId()) == 0;
}

BOOL CSetPropertyAction::GetImageSource(CElement* object, CStr& source) const
{
    source.Empty();
    if (!TargetsObject(m_strControlId, object))
        return FALSE;
    return GetSourceAssignment(source);
}

BOOL CSetPropertyAction::GetSourceAssignment(CStr& source) const
{
    source.Empty();
    int index = FindPropertyIndex(m_record.assignments, "src");
    if (index < 0)
        return FALSE;
    source = AssignmentValueText(m_record.assignments[index]);
    return TRUE;
}

void CSetPropertyAction::SetSourceAssignment(const char* storedName)
{
    int index = FindPropertyIndex(m_record.assignments, "src");
    if (storedName == NULL || *storedName == '\0') {
        if (index >= 0)
            m_record.assignments.erase(m_record.assignments.begin() + index);
        return;
    }
    if (index >= 0) {
        SetAssignmentText(m_record.assignments[index], storedName);
        return;
    }
    CPropertyRecord assignment = NewPropertyAssignment();
    assignment.m_strName = "src";
    SetAssignmentText(assignment, storedName);
    assignment.m_vt = VT_BSTR;
    assignment.m_bChanged = assignment.m_bCanGet = assignment.m_bCanPut = 1;
    m_record.assignments.push_back(assignment);
}

BOOL CSetPropertyAction::SetImageSource(CElement* object, const char* path)
{
    if (!TargetsObject(m_strControlId, object))
        return TRUE;
    if (path && *path)
    {
        SetSourceAssignment(ImportMediaFile(path, TRUE));
        return TRUE;
    }
    SetSourceAssignment("");
    // Deleted whole, the action would take the author's other assignments with it.
    if (HasStoredForm())
        return TRUE;
    CScript* script = dynamic_cast<CScript*>(GetParent());
    if (!script || !script->HoldsItem(this))
        return TRUE;
    script->DeleteItem(this);
    return FALSE;
}

void CSetPropertyAction::MarkTargetProperties(CElementContainer* page) const
{
    if (!page)
        return;
    CScriptableObject* target = dynamic_cast<CScriptableObject*>(page->FindChildById(m_strControlId));
    if (!target)
        return;
    for (size_t i = 0; i < m_record.assignments.size(); i++)
    {
        int index = FindPropertyIndex(target->m_properties, m_record.assignments[i].m_strName);
        if (index >= 0)
            target->m_properties[index].m_bChanged = 1;
    }
}

CGetPropertyAction::CGetPropertyAction(const char* sectionName, CElement* parent)
    : CScriptItem(sectionName, parent)
{
    InitActionNames(*this, "GetProperty");
}

CGetPropertyAction::CGetPropertyAction(const CGetPropertyAction& other)
    : CScriptItem(other), m_record(other.m_record)
{
}

CGetPropertyAction::~CGetPropertyAction()
{
    DestroyMembers();
}

CElement* CGetPropertyAction::Clone() const
{
    return new (std::nothrow) CGetPropertyAction(*this);
}

BOOL CGetPropertyAction::Load(CDataFile* file, BOOL keepId)
{
    if (!file)
        return FALSE;
    m_record.Load(*file, m_strSectionName, m_strControlId);
    return CScriptItem::Load(file, keepId);
}

BOOL CGetPropertyAction::Save(CDataFile* file)
{
    if (!file)
        return FALSE;
    m_record.Save(*file, m_strSectionName, m_strControlId);
    return CScriptItem::Save(file);
}
