#include "actions/CookiePages.h"

#include "actions/CookieActions.h"
#include "resources/editor/ActionPagesBIds.h"

BEGIN_MESSAGE_MAP(CCookiePage, CPropertyPage)
    ON_EN_CHANGE(IDC_COOKIE_NAME, OnNameChange)
    ON_CBN_SELCHANGE(IDC_COOKIE_NAME_VARIABLE, OnNameVariableChange)
END_MESSAGE_MAP()

CCookiePage::CCookiePage(UINT templateId)
    : CPropertyPage(templateId), m_pOwnerObject(NULL), m_bInitialising(FALSE)
{
}

BOOL CCookiePage::OnInitDialog()
{
    ::SendDlgItemMessageA(m_hWnd, IDC_COOKIE_URL, EM_LIMITTEXT, 255, 0);
    ::SendDlgItemMessageA(m_hWnd, IDC_COOKIE_NAME, EM_LIMITTEXT, 127, 0);
    FillVariableCombo(Combo(IDC_COOKIE_NAME_VARIABLE), m_pOwnerObject);
    FillVariableCombo(Combo(IDC_COOKIE_DATA_VARIABLE), m_pOwnerObject);
    m_bInitialising = TRUE;
    BOOL result = CPropertyPage::OnInitDialog();
    // A new action (no URL yet) starts with nothing chosen. Stored names are
    // found whole: a stale one selects nothing, never a longer name.
    if (!Url().IsEmpty())
    {
        SelectComboTextExact(Combo(IDC_COOKIE_DATA_VARIABLE), DataVar());
        SelectComboTextExact(Combo(IDC_COOKIE_NAME_VARIABLE), CookieName().IsEmpty() ? CookieVar() : CStr(""));
    }
    m_bInitialising = FALSE;
    return result;
}

void CCookiePage::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_COOKIE_URL, Url());
    DDV_MaxChars(pDX, Url(), 255);
    DDX_Text(pDX, IDC_COOKIE_NAME, CookieName());
    DDV_MaxChars(pDX, CookieName(), 127);
    if (pDX->m_bSaveAndValidate)
    {
        // Whole names: a cut one would name another variable or none.
        CookieVar() = GetComboSelectedText(Combo(IDC_COOKIE_NAME_VARIABLE));
        DataVar() = GetComboSelectedText(Combo(IDC_COOKIE_DATA_VARIABLE));
    }
}

// A typed name takes the place of the name variable, and the other way round.
void CCookiePage::OnNameChange()
{
    if (m_bInitialising || ::GetWindowTextLengthA(::GetDlgItem(m_hWnd, IDC_COOKIE_NAME)) == 0)
        return;
    ::SendMessageA(Combo(IDC_COOKIE_NAME_VARIABLE), CB_SETCURSEL, (WPARAM)-1, 0);
}

void CCookiePage::OnNameVariableChange()
{
    if (::SendMessageA(Combo(IDC_COOKIE_NAME_VARIABLE), CB_GETCURSEL, 0, 0) != CB_ERR)
        ::SetDlgItemTextA(m_hWnd, IDC_COOKIE_NAME, "");
}

CGetCookiePP::CGetCookiePP() : CCookiePage(IDD_GET_COOKIE_PP)
{
}

CSetCookiePP::CSetCookiePP() : CCookiePage(IDD_SET_COOKIE_PP)
{
}

void CSetCookiePP::DoDataExchange(CDataExchange* pDX)
{
    CCookiePage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_COOKIE_DAYS, m_record.days);
    DDV_MinMaxInt(pDX, m_record.days, 0, 365);
}

// ---------------------------------------------------------------------------
// The actions' edits: the page offers the variables of the script's owner.

BOOL CGetCookie::EditProperties(BOOL)
{
    CGetCookiePP page;
    page.m_pOwnerObject = GetScriptOwner(this);
    return EditThroughPage(*this, page);
}

BOOL CSetCookie::EditProperties(BOOL)
{
    CSetCookiePP page;
    page.m_pOwnerObject = GetScriptOwner(this);
    return EditThroughPage(*this, page);
}
