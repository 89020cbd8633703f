#include "authoring/PreferencePages.h"

#include "authoring/DirDialog.h"
#include "authoring/ProgramFolders.h"
#include "authoring/ProjectFolder.h"
#include "authoring/Undo.h"
#include "model/common/PathHelpers.h"
#include "platform/framework/DataExchange.h"
#include "platform/framework/DialogControls.h"
#include "resources/editor/PreferencesIds.h"

namespace {

const int kMaxUndoLevels = 99;
const int kMaxFolderChars = 255;

} // namespace

BEGIN_MESSAGE_MAP(CChooseFolderCfg, CWizPropertyPage)
    ON_BN_CLICKED(IDC_PREF_BROWSE, OnBrowse)
END_MESSAGE_MAP()

CChooseFolderCfg::CChooseFolderCfg() : CWizPropertyPage(IDD_PREF_CONTENT_FOLDER)
{
}

void CChooseFolderCfg::DoDataExchange(CDataExchange* pDX)
{
    CWizPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PREF_FOLDER, m_strFolder);
    DDV_MaxChars(pDX, m_strFolder, kMaxFolderChars);
}

void CChooseFolderCfg::OnBrowse()
{
    if (!UpdateData(TRUE))
        return;
    CDirDialog picker;
    if (m_strFolder.IsEmpty())
        picker.m_strStartFolder = GetDefaultContentFolder();
    else
        picker.m_strStartFolder = MakeAbsolutePath(m_strFolder);   // unchanged when absolute
    picker.m_bStatus = TRUE;
    picker.m_strWindowTitle = "Browse";
    picker.m_strPrompt = "Select a Folder";
    if (!picker.DoBrowse(this))
        return;
    m_strFolder = picker.m_strPath;
    SetDlgItemText(IDC_PREF_FOLDER, m_strFolder);
}

CUndoPP::CUndoPP() : CPropertyPage(IDD_PREF_UNDO), m_pUndo(NULL), m_levels(0)
{
}

BOOL CUndoPP::OnInitDialog()
{
    if (m_pUndo != NULL)
        m_levels = m_pUndo->GetLevels();
    BOOL result = CPropertyPage::OnInitDialog();
    ::SendDlgItemMessageA(m_hWnd, IDC_PREF_UNDO_SPIN, UDM_SETRANGE32, 0, kMaxUndoLevels);
    ::SendDlgItemMessageA(m_hWnd, IDC_PREF_UNDO_SPIN, UDM_SETPOS32, 0, m_levels);
    return result;
}

void CUndoPP::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PREF_UNDO_LEVELS, m_levels);
    DDV_MinMaxInt(pDX, m_levels, 0, kMaxUndoLevels);
}

BOOL CUndoPP::OnApply()
{
    if (!UpdateData(TRUE))
        return FALSE;
    if (m_pUndo != NULL)
        m_pUndo->SetLevels(m_levels);
    return CPropertyPage::OnApply();
}

BOOL ShowPreferences(CUndo& undo, CWnd* owner)
{
    CPropertySheet sheet("Preferences", owner);
    CUndoPP undoPage;
    undoPage.m_pUndo = &undo;
    undoPage.m_levels = undo.GetLevels();
    CChooseFolderCfg folderPage;
    folderPage.m_strFolder = GetUserContentFolder();
    if (folderPage.m_strFolder.IsEmpty())
        folderPage.m_strFolder = GetDefaultContentFolder();
    sheet.AddPage(&undoPage);
    sheet.AddPage(&folderPage);
    if (sheet.DoModal() != IDOK)
        return FALSE;
    // The folder picker gives no trailing backslash; every folder text has
    // one, and a template's media folder joined to one without it is lost.
    char folder[MAX_PATH] = "";
    lstrcpynA(folder, folderPage.m_strFolder, MAX_PATH);
    if (folder[0] != '\0')
        AddBackslash(folder);
    SetUserContentFolder(folder);
    AfxGetApp()->WriteProfileString("Settings", "UsersDefaultContentPath", folder);
    return TRUE;
}
