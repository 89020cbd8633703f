// The two pages of IF/WHILE: a comparison of variables, and a test that a
// file or folder exists.
#pragma once

#include "actions/WizPropertyPage.h"
#include "model/Browser.h"

// The seven operators in code order, item data the code.
void FillOperatorCombo(HWND combo);
// FALSE when no item has that code (then nothing is selected).
BOOL SelectOperatorByCode(HWND combo, int code);
// The operator's text; empty for any other code.
CStr GetOperatorText(int code);

class CIfWhileCfg : public CWizPropertyPage
{
public:
    CIfWhileCfg();

    CBrowser* m_pPage;
    CStr m_strOwnerId;
    CStr m_strLeftName;
    CStr m_strRightName;
    CStr m_strConstValue;
    int m_op;            // -1 when none is chosen

protected:
    BOOL OnInitDialog() override;
    BOOL OnApply() override;
    void OnConstantChange();
    DECLARE_MESSAGE_MAP()
};

class CIfExistsCfg : public CPropertyPage
{
public:
    CIfExistsCfg();

    CStr m_strPath;

protected:
    BOOL OnInitDialog() override;
    BOOL OnApply() override;
    void OnBrowse();
    DECLARE_MESSAGE_MAP()
};
