#include "actions/ShellActions.h"

#include "actions/ActionSupport.h"
#include "model/store/DataFile.h"
#include "model/EditorServices.h"

#include <new>

COpenFolderAction::COpenFolderAction(const char* sectionName, CElement* parent)
    : CScriptItem(sectionName, parent)
{
    InitActionNames(*this, "OpenFolder");
}

COpenFolderAction::COpenFolderAction(const COpenFolderAction& other)
    : CScriptItem(other), m_record(other.m_record)
{
}

COpenFolderAction::~COpenFolderAction()
{
    DestroyMembers();
}

CElement* COpenFolderAction::Clone() const
{
    return new (std::nothrow) COpenFolderAction(*this);
}

BOOL COpenFolderAction::Load(CDataFile* file, BOOL keepId)
{
    if (!file)
        return FALSE;
    m_record.Load(*file, m_strSectionName);
    return CScriptItem::Load(file, keepId);
}

BOOL COpenFolderAction::Save(CDataFile* file)
{
    if (!file)
        return FALSE;
    m_record.Save(*file, m_strSectionName);
    return CScriptItem::Save(file);
}

CPlaySoundAction::CPlaySoundAction(const char* sectionName, CElement* parent)
    : CScriptItem(sectionName, parent)
{
    InitActionNames(*this, "PlaySound");
}

CPlaySoundAction::CPlaySoundAction(const CPlaySoundAction& other)
    : CScriptItem(other), m_record(other.m_record)
{
}

CPlaySoundAction::~CPlaySoundAction()
{
    DestroyMembers();
}

CElement* CPlaySoundAction::Clone() const
{
    return new (std::nothrow) CPlaySoundAction(*this);
}

BOOL CPlaySoundAction::Load(CDataFile* file, BOOL keepId)
{
    if (!file)
        return FALSE;
    m_record.Load(*file, m_strSectionName);
    return CScriptItem::Load(file, keepId);
}

BOOL CPlaySoundAction::Save(CDataFile* file)
{
    if (!file)
        return FALSE;
    m_record.path = ImportMediaFile(m_record.path, TRUE);
    m_record.Save(*file, m_strSectionName);
    return CScriptItem::Save(file);
}

CLaunchHtmlAction::CLaunchHtmlAction(const char* sectionName, CElement* parent)
    : CScriptItem(sectionName, parent)
{
    InitActionNames(*this, "LaunchHtml");
}

CLaunchHtmlAction::CLaunchHtmlAction(const CLaunchHtmlAction& other)
    : CScriptItem(other), m_record(other.m_record)
{
}

CLaunchHtmlAction::~CLaunchHtmlAction()
{
    DestroyMembers();
}

CElement* CLaunchHtmlAction::Clone() const
{
    return new (std::nothrow) CLaunchHtmlAction(*this);
}

BOOL CLaunchHtmlAction::Load(CDataFile* file, BOOL keepId)
{
    if (!file)
        return FALSE;
    m_record.Load(*file, m_strSectionName);
    return CScriptItem::Load(file, keepId);
}

BOOL CLaunchHtmlAction::Save(CDataFile* file)
{
    if (!file)
        return FALSE;
    m_record.Save(*file, m_strSectionName);
    return CScriptItem::Save(file);
}

CRunProgramAction::CRunProgramAction(const char* sectionName, CElement* parent)
    : CScriptItem(sectionName, parent)
{
    InitActionNames(*this, "RunProgram");
}

CRunProgramAction::CRunProgramAction(const CRunProgramAction& other)
    : CScriptItem(other), m_record(other.m_record)
{
}

CRunProgramAction::~CRunProgramAction()
{
    DestroyMembers();
}

CElement* CRunProgramAction::Clone() const
{
    return new (std::nothrow) CRunProgramAction(*this);
}

BOOL CRunProgramAction::Load(CDataFile* file, BOOL keepId)
{
    if (!file)
        return FALSE;
    m_record.Load(*file, m_strSectionName);
    return CScriptItem::Load(file, keepId);
}

BOOL CRunProgramAction::Save(CDataFile* file)
{
    if (!file)
        return FALSE;
    m_record.Save(*file, m_strSectionName);
    return CScriptItem::Save(file);
}

CShellExecuteAction::CShellExecuteAction(const char* sectionName, CElement* parent)
    : CScriptItem(sectionName, parent)
{
    InitActionNames(*this, "ShellExecute");
}

CShellExecuteAction::CShellExecuteAction(const CShellExecuteAction& other)
    : CScriptItem(other), m_record(other.m_record)
{
}

CShellExecuteAction::~CShellExecuteAction()
{
    DestroyMembers();
}

CElement* CShellExecuteAction::Clone() const
{
    return new (std::nothrow) CShellExecuteAction(*this);
}

BOOL CShellExecuteAction::Load(CDataFile* file, BOOL keepId)
{
    if (!file)
        return FALSE;
    m_record.Load(*file, m_strSectionName);
    return CScriptItem::Load(file, keepId);
}

BOOL CShellExecuteAction::Save(CDataFile* file)
{
    if (!file)
        return FALSE;
    m_record.Save(*file, m_strSectionName);
    return CScriptItem::Save(file);
}
