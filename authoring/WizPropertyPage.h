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

// The first step of adding a button: what it will do. m_kind is the chosen
// button kind, 0 when nothing is chosen.
class CWizButtonTypePickerCfg : public CWizPropertyPage
{
public:
    CWizButtonTypePickerCfg();

    int m_kind;

    // The list's texts and kinds, in list order.
    static int GetKindCount();
    static const char* GetKindText(int row);
    static int GetKindAt(int row);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnKindDoubleClick();
    DECLARE_MESSAGE_MAP()
};
