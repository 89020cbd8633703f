#include "actions/DataFileActions.h"

#include "actions/ActionSupport.h"
#include "model/store/DataFile.h"

#include <new>

CStoredDataFilePath::CStoredDataFilePath() : m_bKnown(FALSE), m_bUseTemDir(FALSE)
{
}

void CStoredDataFilePath::Remember(const CDataFile& file, const char* section, const CStr& loadedPath)
{
    m_bKnown = TRUE;
    m_bUseTemDir = FALSE;
    m_strStoredPath = "";
    file.GetBool(section, "useTemDir", m_bUseTemDir);
    file.GetString(section, "path", m_strStoredPath);
    m_strLoadedPath = loadedPath;
}

void CStoredDataFilePath::WriteBack(CDataFile& file, const char* section, const CStr& path) const
{
    if (!m_bKnown || !(path == m_strLoadedPath))
        return;
    file.SetString(section, "path", m_strStoredPath);
    file.SetBool(section, "useTemDir", m_bUseTemDir);
}

CSaveToFileAction::CSaveToFileAction(const char* sectionName, CElement* parent)
    : CScriptItem(sectionName, parent)
{
    InitActionNames(*this, "SaveToFile");
}

CSaveToFileAction::CSaveToFileAction(const CSaveToFileAction& other)
    : CScriptItem(other), m_record(other.m_record), m_stored(other.m_stored)
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
    m_stored.Remember(*file, m_strSectionName, m_record.path);
    return CScriptItem::Load(file, keepId);
}

BOOL CSaveToFileAction::Save(CDataFile* file)
{
    if (!file)
        return FALSE;
    m_record.Save(*file, m_strSectionName, GetActionTempFolder());
    m_stored.WriteBack(*file, m_strSectionName, m_record.path);
    return CScriptItem::Save(file);
}

CReadFromFileAction::CReadFromFileAction(const char* sectionName, CElement* parent)
    : CScriptItem(sectionName, parent)
{
    InitActionNames(*this, "ReadFromFile");
}

CReadFromFileAction::CReadFromFileAction(const CReadFromFileAction& other)
    : CScriptItem(other), m_record(other.m_record), m_stored(other.m_stored)
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
    m_stored.Remember(*file, m_strSectionName, m_record.path);
    return CScriptItem::Load(file, keepId);
}

BOOL CReadFromFileAction::Save(CDataFile* file)
{
    if (!file)
        return FALSE;
    m_record.Save(*file, m_strSectionName, GetActionTempFolder());
    m_stored.WriteBack(*file, m_strSectionName, m_record.path);
    return CScriptItem::Save(file);
}
