// The pages of the shell actions: one path each (Run Program also its
// command line) with a Browse button; Play Sound can preview its file.
#pragma once

#include "actions/ActionPageSupport.h"
#include "actions/WizPropertyPage.h"
#include "actions/records/ShellRecords.h"

// The path field and its Browse button, shared by the five pages.
class CShellPathPage : public CWizPropertyPage
{
public:
    // What Browse asks for, given the path field's text.
    virtual CActionBrowseRequest MakeBrowseRequest(const CStr& text) const;

protected:
    CShellPathPage(UINT templateId, int pathId, int maxChars, UINT filterId, const char* defaultExt);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnBrowse();
    // The path field's value in the page's record.
    virtual CStr& Path() = 0;

    int m_pathId;
    int m_maxChars;     // 0: no limit
    UINT m_filterId;
    const char* m_defaultExt;

    DECLARE_MESSAGE_MAP()
};

// The four pages of one path.
class CPathPage : public CShellPathPage
{
public:
    CPathRecord m_record;

protected:
    CPathPage(UINT templateId, int pathId, int maxChars, UINT filterId, const char* defaultExt)
        : CShellPathPage(templateId, pathId, maxChars, filterId, defaultExt) {}
    CStr& Path() override { return m_record.path; }
};

class COpenFolderCfg : public CPathPage
{
public:
    COpenFolderCfg();
    CActionBrowseRequest MakeBrowseRequest(const CStr& text) const override;
};

class CPlaySoundCfg : public CPathPage
{
public:
    CPlaySoundCfg();

    // Play is offered for a ".wav" path (after its first character) whose
    // file exists, made absolute against the document folder.
    static BOOL CanPlay(const char* text);

protected:
    BOOL OnInitDialog() override;
    void OnPathChange();
    void OnPlay();
    DECLARE_MESSAGE_MAP()
};

class CLaunchHtmlCfg : public CPathPage
{
public:
    CLaunchHtmlCfg();
    CActionBrowseRequest MakeBrowseRequest(const CStr& text) const override;

protected:
    BOOL OnInitDialog() override;
};

class CRunProgramCfg : public CShellPathPage
{
public:
    CRunProgramCfg();
    CRunProgramRecord m_record;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    CStr& Path() override { return m_record.path; }
};

class CShellExecuteCfg : public CPathPage
{
public:
    CShellExecuteCfg();
};

// The Favorites folder, where an address's Browse starts.
CStr GetFavoritesFolder();
