#include "authoring/FileExistsInProject.h"

#include "model/common/PathHelpers.h"
#include "resources/LumbrookConfigIds.h"

BEGIN_MESSAGE_MAP(CFileExistsInProject, CDialog)
    ON_BN_CLICKED(IDC_CHOICE_RENAME, OnRename)
    ON_BN_CLICKED(IDC_CHOICE_COPY_OVER, OnOtherChoice)
    ON_BN_CLICKED(IDC_CHOICE_USE_EXISTING, OnOtherChoice)
END_MESSAGE_MAP()

CFileExistsInProject::CFileExistsInProject(CWnd* parent)
    : CDialog(IDD_FILE_EXISTS_IN_PROJECT, parent), m_choice(-1)
{
}

BOOL CFileExistsInProject::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemPath(m_hWnd, IDC_SOURCE_PATH, m_strSourcePath);
    ::SendDlgItemMessageA(m_hWnd, IDC_NEW_NAME, EM_LIMITTEXT, 255, 0);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_NEW_NAME), m_choice <= 0);
    return TRUE;
}

void CFileExistsInProject::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_NEW_NAME, m_strNewName);
    DDX_Radio(pDX, IDC_CHOICE_RENAME, m_choice);
}

void CFileExistsInProject::OnCancel()
{
    // Closing the question is no choice: taken as one, it would silently
    // drop the author's file for the one already in the project.
}

void CFileExistsInProject::OnRename()
{
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_NEW_NAME), TRUE);
}

void CFileExistsInProject::OnOtherChoice()
{
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_NEW_NAME), FALSE);
}
