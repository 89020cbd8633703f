#include "actions/WizPropertyPage.h"

CWizPropertyPage::CWizPropertyPage(UINT templateId, UINT captionId)
    : CPropertyPage(templateId, captionId), m_pOwner(NULL), m_bWizardMode(FALSE)
{
}

BOOL CWizPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    return CPropertyPage::OnNotify(wParam, lParam, result);
}
