// The shell actions: Open Folder, Play Sound, Launch HTML, Run External
// Program and Shell Execute. Each keeps its stored form in a record.
#pragma once

#include "model/ScriptItem.h"
#include "actions/records/ShellRecords.h"

class COpenFolderAction : public CScriptItem
{
public:
    COpenFolderAction(const char* sectionName = NULL, CElement* parent = NULL);
    COpenFolderAction(const COpenFolderAction& other);
    ~COpenFolderAction() override;

    CElement* Clone() const override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    BOOL EditProperties(BOOL bNew) override;
    BOOL IsComplete() const { return TRUE; }

    CPathRecord m_record;
};

// Its file is imported into the project at every save, and the action then
// keeps the imported copy's name: a later save finds the file in place and
// never asks about a clash again.
class CPlaySoundAction : public CScriptItem
{
public:
    CPlaySoundAction(const char* sectionName = NULL, CElement* parent = NULL);
    CPlaySoundAction(const CPlaySoundAction& other);
    ~CPlaySoundAction() override;

    CElement* Clone() const override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    BOOL EditProperties(BOOL bNew) override;
    BOOL IsComplete() const { return !m_record.path.IsEmpty(); }

    CPathRecord m_record;
};

class CLaunchHtmlAction : public CScriptItem
{
public:
    CLaunchHtmlAction(const char* sectionName = NULL, CElement* parent = NULL);
    CLaunchHtmlAction(const CLaunchHtmlAction& other);
    ~CLaunchHtmlAction() override;

    CElement* Clone() const override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    BOOL EditProperties(BOOL bNew) override;
    BOOL IsComplete() const { return TRUE; }

    CPathRecord m_record;
};

class CRunProgramAction : public CScriptItem
{
public:
    CRunProgramAction(const char* sectionName = NULL, CElement* parent = NULL);
    CRunProgramAction(const CRunProgramAction& other);
    ~CRunProgramAction() override;

    CElement* Clone() const override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    BOOL EditProperties(BOOL bNew) override;
    BOOL IsComplete() const { return TRUE; }

    CRunProgramRecord m_record;
};

class CShellExecuteAction : public CScriptItem
{
public:
    CShellExecuteAction(const char* sectionName = NULL, CElement* parent = NULL);
    CShellExecuteAction(const CShellExecuteAction& other);
    ~CShellExecuteAction() override;

    CElement* Clone() const override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    BOOL EditProperties(BOOL bNew) override;
    BOOL IsComplete() const { return TRUE; }

    CPathRecord m_record;
};
