// CWizPropertyPage: the property-page base of the simpler action pages, the
// button-kind picker and the folder page. The pages are shown in ordinary
// modal sheets; none is ever a wizard page, so the wizard-only handlers are
// left out.
#pragma once

#include "platform/framework/Afx.h"
#include "platform/framework/PropertySheet.h"

class CWizPropertyPage : public CPropertyPage
{
public:
    CWizPropertyPage(UINT templateId, UINT captionId = 0);

    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    CDialog* m_pOwner;
    BOOL m_bWizardMode;
};
