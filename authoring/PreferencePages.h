// The pages of the "Preferences" sheet: the number of undo levels and the
// author's default content folder, and the command that shows them.
#pragma once

#include "actions/WizPropertyPage.h"
#include "model/common/Str.h"

class CUndo;

// The author's default content folder: filled by the owner, read back
// after OK.
class CChooseFolderCfg : public CWizPropertyPage
{
public:
    CChooseFolderCfg();

    CStr m_strFolder;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnBrowse();
    DECLARE_MESSAGE_MAP()
};

// The undo levels (0..99); applying sets them on the undo object, which
// stores them in the settings.
class CUndoPP : public CPropertyPage
{
public:
    CUndoPP();

    CUndo* m_pUndo;
    int m_levels;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnApply() override;
};

// The Preferences command: both pages in a sheet titled "Preferences"; on
// OK the folder becomes the author's content folder and is stored.
// TRUE when the author pressed OK.
BOOL ShowPreferences(CUndo& undo, CWnd* owner = NULL);
