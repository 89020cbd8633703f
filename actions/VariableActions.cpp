#include "actions/VariableActions.h"

#include "actions/ActionSupport.h"
#include "model/store/DataFile.h"
#include "model/EditorServices.h"

#include <new>

static void DeclareDesignTimeVariable(CSetVariableAction& action)
{
    IEditorServices* services = GetEditorServices();
    const CCreateVariableRecord& record = action.m_record;
    if (!services || (record.scope != 0 && record.scope != 1))
        return;
    services->AddDesignTimeVariable(&action, (int)record.scope, record.varName,
                                    record.value.Get(), record.owner);
}

CSetVariableAction::CSetVariableAction(const char* sectionName, CElement* parent)
    : CScriptItem(sectionName, parent)
{
    InitActionNames(*this, "Create Variable");
}

CSetVariableAction::CSetVariableAction(const CSetVariableAction& other)
    : CScriptItem(other), m_record(other.m_record)
{
}

CSetVariableAction::~CSetVariableAction()
{
    DestroyMembers();
}

CElement* CSetVariableAction::Clone() const
{
    return new (std::nothrow) CSetVariableAction(*this);
}

BOOL CSetVariableAction::Load(CDataFile* file, BOOL keepId)
{
    if (!file)
        return FALSE;
    m_record.Load(*file, m_strSectionName);
    DeclareDesignTimeVariable(*this);
    return CScriptItem::Load(file, keepId);
}

BOOL CSetVariableAction::Save(CDataFile* file)
{
    if (!file)
        return FALSE;
    m_record.Save(*file, m_strSectionName);
    return CScriptItem::Save(file);
}

CModifyVariableAction::CModifyVariableAction(const char* sectionName, CElement* parent)
    : CScriptItem(sectionName, parent)
{
    InitActionNames(*this, "Modify Variable");
}

CModifyVariableAction::CModifyVariableAction(const CModifyVariableAction& other)
    : CScriptItem(other), m_record(other.m_record)
{
}

CModifyVariableAction::~CModifyVariableAction()
{
    DestroyMembers();
}

CElement* CModifyVariableAction::Clone() const
{
    return new (std::nothrow) CModifyVariableAction(*this);
}

BOOL CModifyVariableAction::Load(CDataFile* file, BOOL keepId)
{
    if (!file)
        return FALSE;
    m_record.Load(*file, m_strSectionName);
    return CScriptItem::Load(file, keepId);
}

BOOL CModifyVariableAction::Save(CDataFile* file)
{
    if (!file)
        return FALSE;
    m_record.Save(*file, m_strSectionName);
    return CScriptItem::Save(file);
}
