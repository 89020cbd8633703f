#include "authoring/AboutDlg.h"

bool CAboutDlg::s_bCreditsShown = false;

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
    ON_WM_CTLCOLOR()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX)
{
}

const char* CAboutDlg::CreditsText()
{
    return "LumbrookConfig\t|"
           "|"
           "Dunmarrow Software\n|"
           "|"
           "Engineering\r|"
           "Ada Pennick|Tomas Verhoef|Imre Castellan|"
           "|"
           "Documentation\r|"
           "Wren Halloway|Odile Marchetti|"
           "|"
           "Art\r|"
           "Sunniva Ekdahl|"
           "196^|"
           "|"
           "Thanks for using it!|"
           "|||";
}

void CAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_ABOUT_NOTICE, m_strNotice);
    DDX_Text(pDX, IDC_ABOUT_TITLE, m_strTitle);
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    HDC screen = ::GetDC(NULL);
    int height = -MulDiv(9, ::GetDeviceCaps(screen, LOGPIXELSY), 72);
    ::ReleaseDC(NULL, screen);
    m_fontBold.CreateFont(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, PROOF_QUALITY, VARIABLE_PITCH | FF_SWISS, NULL);
    m_fontNotice.CreateFont(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, PROOF_QUALITY, VARIABLE_PITCH | FF_SWISS, NULL);
    if (CWnd* title = GetDlgItem(IDC_ABOUT_TITLE))
        title->SetFont(&m_fontBold);
    if (CWnd* notice = GetDlgItem(IDC_ABOUT_NOTICE))
        notice->SetFont(&m_fontNotice);

    if (m_credits.SubclassDlgItem(IDC_ABOUT_CREDITS, this))
    {
        m_credits.SetCredits(CreditsText(), '|');
        m_credits.SetSpeed(2);
        m_credits.SetColor(0, RGB(67, 77, 105));
        m_credits.SetTransparent(TRUE);
        m_credits.SetGradient(3);
        m_credits.ShowWindow(SW_HIDE);
    }
    return TRUE;
}

HBRUSH CAboutDlg::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlType)
{
    if (ctlType == CTLCOLOR_DLG || ctlType == CTLCOLOR_BTN || ctlType == CTLCOLOR_EDIT
        || ctlType == CTLCOLOR_LISTBOX)
        return (HBRUSH)Default();
    ::SetBkMode(dc->m_hDC, TRANSPARENT);
    int id = wnd != NULL ? wnd->GetDlgCtrlID() : 0;
    if (id == IDC_ABOUT_TITLE)
        ::SetTextColor(dc->m_hDC, RGB(90, 90, 210));
    else if (id == IDC_ABOUT_NOTICE)
        ::SetTextColor(dc->m_hDC, RGB(0, 0, 0));
    return (HBRUSH)::GetStockObject(NULL_BRUSH);
}

void CAboutDlg::OnLButtonDblClk(UINT, CPoint)
{
    // Once per run of the program, in whichever about box comes first.
    if (s_bCreditsShown || m_credits.m_hWnd == NULL)
        return;
    s_bCreditsShown = true;
    m_credits.ShowWindow(SW_SHOW);
    m_credits.StartScrolling();
}
