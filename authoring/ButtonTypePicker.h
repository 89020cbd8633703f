// CWizButtonTypePickerCfg: the page that asks what a new button will do.
#pragma once

#include "actions/WizPropertyPage.h"

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
