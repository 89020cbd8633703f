#include "PropertyActions.h"

#include "ActionSupport.h"
#include "DataFile.h"
#include "ElementContainer.h"
#include "Script.h"

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
    CPropertyAssignment assignment;
    assignment.property = property;
    assignment.variableName = variableName;
    assignment.value = value;
    assignment.valueType = valueType;
    assignment.changed = changed ? 1 : 0;
    assignment.canGet = assignment.canPut = 1;
    m_record.assignments.push_back(assignment);
}

CPropertyRecordList CSetPropertyAction::GetAssignmentList() const
{
    CPropertyRecordList list;
    for (size_t i = 0; i < m_record.assignments.size(); i++)
    {
        const CPropertyAssignment& a = m_record.assignments[i];
        CPropertyRecord record;
        record.m_strName = a.property;
        record.m_strVariableName = a.variableName;
        VariantCopy(&record.m_value, const_cast<VARIANT*>(&a.value.Get()));
        record.m_vt = a.valueType;
        record.m_bChanged = a.changed;
        record.m_bCanGet = a.canGet;
        record.m_bCanPut = a.canPut;
        record.m_spare = a.spare;
        list.push_back(record);
    }
    return list;
}

void CSetPropertyAction::SetAssignmentList(const CPropertyRecordList& list)
{
    m_record.assignments.clear();
    for (size_t i = 0; i < list.size(); i++)
    {
        const CPropertyRecord& record = list[i];
        CPropertyAssignment a;
        a.property = record.m_strName;
        a.variableName = record.m_strVariableName;
        a.value = record.m_value;
        a.valueType = record.m_vt;
        a.changed = record.m_bChanged;
        a.canGet = record.m_bCanGet;
        a.canPut = record.m_bCanPut;
        a.spare = record.m_spare;
        m_record.assignments.push_back(a);
    }
}

static int FindAssignment(const CSetPropertyRecord& record, const char* property)
{
    for (size_t i = 0; i < record.assignments.size(); i++)
        if (lstrcmpiA(record.assignments[i].property, property) == 0)
            return (int)i;
    return -1;
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
    int index = FindAssignment(m_record, "src");
    if (index < 0)
        return FALSE;
    source = m_record.assignments[index].value.ToText();
    return TRUE;
}

BOOL CSetPropertyAction::SetImageSource(CElement* object, const char* path)
{
    if (!TargetsObject(m_strControlId, object))
        return TRUE;
    int index = FindAssignment(m_record, "src");
    if (path && *path)
    {
        CStr stored = ImportActionFile(path);
        if (index >= 0)
        {
            m_record.assignments[index].value.SetText(stored);
            return TRUE;
        }
        CPropertyAssignment assignment;
        assignment.property = "src";
        assignment.value.SetText(stored);
        assignment.valueType = VT_BSTR;
        assignment.changed = assignment.canGet = assignment.canPut = 1;
        m_record.assignments.push_back(assignment);
        return TRUE;
    }
    if (index >= 0)
        m_record.assignments.erase(m_record.assignments.begin() + index);
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
        int index = FindPropertyIndex(target->m_properties, m_record.assignments[i].property);
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
