#include "actions/RegisterActiveXAction.h"

#include "actions/ActionSupport.h"
#include "actions/ActionPageSupport.h"
#include "actions/RegisterActiveXPP.h"
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
    // Kept under the imported name: the original's name clash would
    // otherwise be asked about again at every save.
    m_record.filename = ImportMediaFile(m_record.filename, TRUE);
    m_record.Save(*file, m_strSectionName);
    return CScriptItem::Save(file);
}

BOOL CRegisterActiveXAction::EditProperties(BOOL)
{
    CRegisterActiveXPP page;
    page.m_strCLSID = m_record.clsid;
    page.m_strFilename = m_record.filename;
    page.m_unregister = m_record.unregister ? 1 : 0;
    page.m_copyToSystem = m_record.copyToSystem ? 1 : 0;
    if (RunActionSheet(*this, { &page }) == IDCANCEL)
        return FALSE;
    m_record.clsid = page.m_strCLSID;
    m_record.filename = page.m_strFilename;
    m_record.unregister = page.m_unregister == 1;
    m_record.copyToSystem = page.m_copyToSystem != 0;
    return IsComplete();
}
