#include "actions/ConditionActions.h"

#include "actions/ActionSupport.h"
#include "model/store/DataFile.h"

#include <new>

UINT GetOperatorStringId(int code)
{
    static const UINT ids[] = { 61301, 61300, 61302, 61303, 61304, 61305, 61306 };
    return code >= 0 && code < 7 ? ids[code] : 0;
}

CIfWhileAction::CIfWhileAction(const char* sectionName, CElement* parent)
    : CScriptItem(sectionName, parent)
{
    InitActionNames(*this, "IF/WHILE Statement");
}

CIfWhileAction::CIfWhileAction(const CIfWhileAction& other)
    : CScriptItem(other), m_record(other.m_record)
{
}

CIfWhileAction::~CIfWhileAction()
{
    DestroyMembers();
}

CElement* CIfWhileAction::Clone() const
{
    return new (std::nothrow) CIfWhileAction(*this);
}

BOOL CIfWhileAction::Load(CDataFile* file, BOOL keepId)
{
    if (!file)
        return FALSE;
    m_record.Load(*file, m_strSectionName);
    return CScriptItem::Load(file, keepId);
}

BOOL CIfWhileAction::Save(CDataFile* file)
{
    if (!file)
        return FALSE;
    m_record.Save(*file, m_strSectionName);
    return CScriptItem::Save(file);
}

BOOL CIfWhileAction::IsComplete(const CIfWhileRecord& test)
{
    return !test.path.IsEmpty() || (!test.leftName.IsEmpty() && test.op >= 0 && test.op <= 6);
}

CElseAction::CElseAction(const char* sectionName, CElement* parent)
    : CScriptItem(sectionName, parent)
{
    InitActionNames(*this, "ELSE Statement");
}

CElseAction::CElseAction(const CElseAction& other)
    : CScriptItem(other)
{
}

CElseAction::~CElseAction()
{
    DestroyMembers();
}

CElement* CElseAction::Clone() const
{
    return new (std::nothrow) CElseAction(*this);
}

BOOL CElseAction::EditProperties(BOOL)
{
    return TRUE;
}

CEndIfAction::CEndIfAction(const char* sectionName, CElement* parent)
    : CScriptItem(sectionName, parent)
{
    InitActionNames(*this, "ENDIF Statement");
}

CEndIfAction::CEndIfAction(const CEndIfAction& other)
    : CScriptItem(other)
{
}

CEndIfAction::~CEndIfAction()
{
    DestroyMembers();
}

CElement* CEndIfAction::Clone() const
{
    return new (std::nothrow) CEndIfAction(*this);
}

BOOL CEndIfAction::EditProperties(BOOL)
{
    return TRUE;
}
