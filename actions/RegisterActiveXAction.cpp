#include "actions/RegisterActiveXAction.h"

#include "actions/ActionSupport.h"
#include "model/store/DataFile.h"
#include "model/EditorServices.h"

#include <new>

CRegisterActiveXAction::CRegisterActiveXAction(const char* sectionName, CElement* parent)
    : CScriptItem(sectionName, parent)
{
    InitActionNames(*this, "RegisterActiveX");
}

CRegisterActiveXAction::CRegisterActiveXAction(const CRegisterActiveXAction& other)
    : CScriptItem(other), m_record(other.m_record)
{
}

CRegisterActiveXAction::~CRegisterActiveXAction()
{
    DestroyMembers();
}

CElement* CRegisterActiveXAction::Clone() const
{
    return new (std::nothrow) CRegisterActiveXAction(*this);
}

BOOL CRegisterActiveXAction::Load(CDataFile* file, BOOL keepId)
{
    if (!file)
        return FALSE;
    m_record.Load(*file, m_strSectionName);
    return CScriptItem::Load(file, keepId);
}

BOOL CRegisterActiveXAction::Save(CDataFile* file)
{
    if (!file)
        return FALSE;
    CRegisterActiveXRecord stored(m_record);
    stored.filename = ImportMediaFile(m_record.filename, TRUE);
    stored.Save(*file, m_strSectionName);
    return CScriptItem::Save(file);
}
