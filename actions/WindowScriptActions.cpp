#include "actions/WindowScriptActions.h"

#include "actions/ActionSupport.h"
#include "model/store/DataFile.h"

#include <new>

CInternalCommandAction::CInternalCommandAction(const char* sectionName, CElement* parent)
    : CScriptItem(sectionName, parent)
{
    InitActionNames(*this, "InternalCommand");
}

CInternalCommandAction::CInternalCommandAction(const CInternalCommandAction& other)
    : CScriptItem(other), m_record(other.m_record)
{
}

CInternalCommandAction::~CInternalCommandAction()
{
    DestroyMembers();
}

CElement* CInternalCommandAction::Clone() const
{
    return new (std::nothrow) CInternalCommandAction(*this);
}

BOOL CInternalCommandAction::Load(CDataFile* file, BOOL keepId)
{
    if (!file)
        return FALSE;
    m_record.Load(*file, m_strSectionName);
    return CScriptItem::Load(file, keepId);
}

BOOL CInternalCommandAction::Save(CDataFile* file)
{
    if (!file)
        return FALSE;
    m_record.Save(*file, m_strSectionName);
    return CScriptItem::Save(file);
}

CPostMessageAction::CPostMessageAction(const char* sectionName, CElement* parent)
    : CScriptItem(sectionName, parent)
{
    InitActionNames(*this, "PostMessage");
}

CPostMessageAction::CPostMessageAction(const CPostMessageAction& other)
    : CScriptItem(other), m_record(other.m_record)
{
}

CPostMessageAction::~CPostMessageAction()
{
    DestroyMembers();
}

CElement* CPostMessageAction::Clone() const
{
    return new (std::nothrow) CPostMessageAction(*this);
}

BOOL CPostMessageAction::Load(CDataFile* file, BOOL keepId)
{
    if (!file)
        return FALSE;
    m_record.Load(*file, m_strSectionName);
    return CScriptItem::Load(file, keepId);
}

BOOL CPostMessageAction::Save(CDataFile* file)
{
    if (!file)
        return FALSE;
    m_record.Save(*file, m_strSectionName);
    return CScriptItem::Save(file);
}

CExecuteGlobalScriptAction::CExecuteGlobalScriptAction(const char* sectionName, CElement* parent)
    : CScriptItem(sectionName, parent)
{
    InitActionNames(*this, "ExecuteGlobalScript");
}

CExecuteGlobalScriptAction::CExecuteGlobalScriptAction(const CExecuteGlobalScriptAction& other)
    : CScriptItem(other), m_record(other.m_record)
{
}

CExecuteGlobalScriptAction::~CExecuteGlobalScriptAction()
{
    DestroyMembers();
}

CElement* CExecuteGlobalScriptAction::Clone() const
{
    return new (std::nothrow) CExecuteGlobalScriptAction(*this);
}

BOOL CExecuteGlobalScriptAction::Load(CDataFile* file, BOOL keepId)
{
    if (!file)
        return FALSE;
    m_record.Load(*file, m_strSectionName);
    return CScriptItem::Load(file, keepId);
}

BOOL CExecuteGlobalScriptAction::Save(CDataFile* file)
{
    if (!file)
        return FALSE;
    m_record.Save(*file, m_strSectionName);
    return CScriptItem::Save(file);
}
