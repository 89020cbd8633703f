#include "actions/DataFileActions.h"

#include "actions/ActionSupport.h"
#include "model/store/DataFile.h"

#include <new>

CSaveToFileAction::CSaveToFileAction(const char* sectionName, CElement* parent)
    : CScriptItem(sectionName, parent)
{
    InitActionNames(*this, "SaveToFile");
}

CSaveToFileAction::CSaveToFileAction(const CSaveToFileAction& other)
    : CScriptItem(other), m_record(other.m_record)
{
}

CSaveToFileAction::~CSaveToFileAction()
{
    DestroyMembers();
}

CElement* CSaveToFileAction::Clone() const
{
    return new (std::nothrow) CSaveToFileAction(*this);
}

BOOL CSaveToFileAction::Load(CDataFile* file, BOOL keepId)
{
    if (!file)
        return FALSE;
    m_record.Load(*file, m_strSectionName, GetActionTempFolder());
    return CScriptItem::Load(file, keepId);
}

BOOL CSaveToFileAction::Save(CDataFile* file)
{
    if (!file)
        return FALSE;
    m_record.Save(*file, m_strSectionName, GetActionTempFolder());
    return CScriptItem::Save(file);
}

CReadFromFileAction::CReadFromFileAction(const char* sectionName, CElement* parent)
    : CScriptItem(sectionName, parent)
{
    InitActionNames(*this, "ReadFromFile");
}

CReadFromFileAction::CReadFromFileAction(const CReadFromFileAction& other)
    : CScriptItem(other), m_record(other.m_record)
{
}

CReadFromFileAction::~CReadFromFileAction()
{
    DestroyMembers();
}

CElement* CReadFromFileAction::Clone() const
{
    return new (std::nothrow) CReadFromFileAction(*this);
}

BOOL CReadFromFileAction::Load(CDataFile* file, BOOL keepId)
{
    if (!file)
        return FALSE;
    m_record.Load(*file, m_strSectionName, GetActionTempFolder());
    return CScriptItem::Load(file, keepId);
}

BOOL CReadFromFileAction::Save(CDataFile* file)
{
    if (!file)
        return FALSE;
    m_record.Save(*file, m_strSectionName, GetActionTempFolder());
    return CScriptItem::Save(file);
}
