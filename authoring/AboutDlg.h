// CAboutDlg: the about box (dialog 100) with its picture, two texts and the
// credits, which the first double-click of the program's run starts.
#pragma once

#include "authoring/CreditStatic.h"
#include "platform/framework/Dialog.h"
#include "platform/framework/Gdi.h"

#define IDD_ABOUTBOX 100
#define IDB_ABOUT_PICTURE 196
#define IDC_ABOUT_NOTICE 1184
#define IDC_ABOUT_TITLE 1014
#define IDC_ABOUT_CREDITS 1054

class CAboutDlg : public CDialog
{
public:
    CAboutDlg();

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    // The credits control, for looking at it.
    CCreditStatic& Credits() { return m_credits; }
    // Whether the credits were started in this run (they start once).
    static bool CreditsShown() { return s_bCreditsShown; }
    // The credits text: lines separated by "|", each ending in its kind.
    static const char* CreditsText();

    CStr m_strTitle;    // control 1014
    CStr m_strNotice;   // control 1184

protected:
    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlType);
    void OnLButtonDblClk(UINT keys, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    CFont m_fontBold;
    CFont m_fontNotice;
    CCreditStatic m_credits;
    static bool s_bCreditsShown;
};
