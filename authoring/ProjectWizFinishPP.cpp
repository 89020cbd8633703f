#include "authoring/ProjectWizFinishPP.h"

#include "authoring/ObjectAddDlg.h"
#include "resources/editor/PagePagesIds.h"

BEGIN_MESSAGE_MAP(CProjectWizFinishPP, CObjectPropertyPage)
    ON_BN_CLICKED(IDC_ADD_OBJECTS_NOW, OnAddObjectsNow)
END_MESSAGE_MAP()

CProjectWizFinishPP::CProjectWizFinishPP() : CObjectPropertyPage(IDD_PROJECT_WIZ_FINISH), m_hCommandTarget(NULL)
{
    m_bWizardMode = TRUE;
}

BOOL CProjectWizFinishPP::OnSetActive()
{
    if (GetSheet())
        GetSheet()->SetWizardButtons(PSWIZB_FINISH);
    return CPropertyPage::OnSetActive();
}

void CProjectWizFinishPP::OnAddObjectsNow()
{
    CObjectAddDlg dialog(this);
    if (GetSheet() && GetSheet()->m_hWnd)
        ::GetWindowRect(GetSheet()->m_hWnd, &dialog.m_placement);
    dialog.m_hCommandTarget = m_hCommandTarget;
    dialog.DoModal();
}
