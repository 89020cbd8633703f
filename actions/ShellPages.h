// The pages of the shell actions: one path each (Run Program also its
// command line) with a Browse button; Play Sound can preview its file.
#pragma once

#include "actions/ActionEditSheet.h"

// The path field and its Browse button, shared by the five pages.
class CShellPathPage : public CWizPropertyPage
{
public:
    CStr m_strPath;

    // What Browse asks for, given the path field's text.
    virtual CActionBrowseRequest MakeBrowseRequest(const CStr& text) const;

protected:
    CShellPathPage(UINT templateId, int pathId, int maxChars, UINT filterId, const char* defaultExt);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnBrowse();

    int m_pathId;
    int m_maxChars;     // 0: no limit
    UINT m_filterId;
    const char* m_defaultExt;

    DECLARE_MESSAGE_MAP()
};

class COpenFolderCfg : public CShellPathPage
{
public:
    COpenFolderCfg();
    CActionBrowseRequest MakeBrowseRequest(const CStr& text) const override;
};

class CPlaySoundCfg : public CShellPathPage
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

class CLaunchHtmlCfg : public CShellPathPage
{
public:
    CLaunchHtmlCfg();
    CActionBrowseRequest MakeBrowseRequest(const CStr& text) const override;
};

class CRunProgramCfg : public CShellPathPage
{
public:
    CRunProgramCfg();
    CStr m_strParameters;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

class CShellExecuteCfg : public CShellPathPage
{
public:
    CShellExecuteCfg();
};

// The Favorites folder, where an address's Browse starts.
CStr GetFavoritesFolder();
