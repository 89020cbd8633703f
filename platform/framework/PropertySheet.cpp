#include "platform/framework/PropertySheet.h"

#include "platform/framework/WinApp.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)
IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

// A page is not a dialog of its own: IDOK and IDCANCEL belong to the sheet,
// so the page's map skips the dialog's.
BEGIN_MESSAGE_MAP(CPropertyPage, CWnd)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
END_MESSAGE_MAP()

namespace
{
// The sheet PropertySheetA is making on this thread, for its callback.
thread_local CPropertySheet* t_sheetBeingMade = NULL;

bool IsSheetNotification(UINT code)
{
    return code <= PSN_FIRST && code >= PSN_LAST;
}

bool IsRoutedCommand(int code)
{
    return code == CN_COMMAND || code == (int)CN_UPDATE_COMMAND_UI;
}
}

// ---------------------------------------------------------------------------
// CPropertyPage

CPropertyPage::CPropertyPage(UINT templateId, UINT captionId)
{
    Init(MAKEINTRESOURCEA(templateId), captionId);
    m_nIDHelp = templateId;
}

CPropertyPage::CPropertyPage(const char* templateName, UINT captionId)
{
    Init(templateName, captionId);
}

void CPropertyPage::Init(const char* templateName, UINT captionId)
{
    m_pSheet = NULL;
    m_lpszTemplateName = templateName;
    ZeroMemory(&m_psp, sizeof(m_psp));
    m_psp.dwSize = sizeof(m_psp);
    m_psp.dwFlags = PSP_DEFAULT;
    m_psp.pszTemplate = templateName;
    m_psp.pfnDlgProc = AfxPageDlgProc;
    m_psp.lParam = (LPARAM)this;
    if (captionId != 0)
        m_strCaption = AfxLoadString(captionId);
}

HPROPSHEETPAGE CPropertyPage::MakePage()
{
    m_psp.hInstance = AfxGetResourceHandle();
    m_psp.dwFlags &= ~(PSP_USETITLE | PSP_HASHELP);
    if (!m_strCaption.empty())
    {
        m_psp.dwFlags |= PSP_USETITLE;
        m_psp.pszTitle = m_strCaption.c_str();
    }
    if (m_pSheet != NULL && (m_pSheet->m_psh.dwFlags & PSH_HASHELP))
        m_psp.dwFlags |= PSP_HASHELP;
    return ::CreatePropertySheetPageA(&m_psp);
}

INT_PTR CALLBACK CPropertyPage::AfxPageDlgProc(HWND window, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    // comctl32 passes its copy of the page description; lParam is ours.
    const PROPSHEETPAGEA* psp = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
    CPropertyPage* page = psp != NULL ? reinterpret_cast<CPropertyPage*>(psp->lParam) : NULL;
    if (page == NULL)
        return TRUE;
    page->BindAtInit(window);
    return page->OnInitDialog();
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    NMHDR* hdr = reinterpret_cast<NMHDR*>(lParam);
    if (hdr == NULL || !IsSheetNotification(hdr->code))
        return CDialog::OnNotify(wParam, lParam, result);

    LRESULT r = 0;
    switch (hdr->code)
    {
    case PSN_SETACTIVE:
        r = OnSetActive() ? 0 : -1;
        break;
    case PSN_KILLACTIVE:
        r = OnKillActive() ? FALSE : TRUE;
        break;
    case PSN_APPLY:
        if (OnApply())
        {
            r = PSNRET_NOERROR;
            if (m_pSheet != NULL)
                m_pSheet->NoteOutcome(IDOK);
        }
        else
        {
            r = PSNRET_INVALID_NOCHANGEPAGE;
        }
        break;
    case PSN_RESET:
        if (m_pSheet != NULL)
            m_pSheet->NoteOutcome(IDCANCEL);
        OnReset();
        break;
    case PSN_QUERYCANCEL:
        r = OnQueryCancel() ? FALSE : TRUE;
        break;
    case PSN_WIZBACK:
        r = OnWizardBack();
        break;
    case PSN_WIZNEXT:
        r = OnWizardNext();
        break;
    case PSN_WIZFINISH:
        if (OnWizardFinish())
        {
            if (m_pSheet != NULL)
                m_pSheet->NoteOutcome(ID_WIZFINISH);
            r = FALSE;
        }
        else
        {
            r = TRUE;
        }
        break;
    case PSN_HELP:
        OnHelp();
        break;
    default:
        return CDialog::OnNotify(wParam, lParam, result);
    }
    // comctl32 reads the answer from the return value or the dialog's
    // message result, depending on the notification: give both.
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, r);
    *result = r;
    return TRUE;
}

BOOL CPropertyPage::OnSetActive() { return TRUE; }
BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }
BOOL CPropertyPage::OnApply() { OnOK(); return TRUE; }
void CPropertyPage::OnReset() { OnCancel(); }
BOOL CPropertyPage::OnQueryCancel() { return TRUE; }
LRESULT CPropertyPage::OnWizardBack() { return 0; }
LRESULT CPropertyPage::OnWizardNext() { return 0; }
BOOL CPropertyPage::OnWizardFinish() { return TRUE; }
void CPropertyPage::OnOK() {}
void CPropertyPage::OnCancel() {}

void CPropertyPage::OnHelp()
{
    SendMessage(WM_COMMAND, ID_HELP);
}

void CPropertyPage::EndDialog(int result)
{
    if (m_pSheet != NULL)
        m_pSheet->EndDialog(result);
}

void CPropertyPage::SetModified(BOOL changed)
{
    if (m_pSheet != NULL && m_pSheet->m_hWnd != NULL)
        m_pSheet->SendMessage(changed ? PSM_CHANGED : PSM_UNCHANGED, (WPARAM)m_hWnd);
}

void CPropertyPage::CancelToClose()
{
    if (m_pSheet != NULL && m_pSheet->m_hWnd != NULL)
        m_pSheet->SendMessage(PSM_CANCELTOCLOSE);
}

LRESULT CPropertyPage::QuerySiblings(WPARAM wParam, LPARAM lParam)
{
    if (m_pSheet == NULL || m_pSheet->m_hWnd == NULL)
        return 0;
    return m_pSheet->SendMessage(PSM_QUERYSIBLINGS, wParam, lParam);
}

BOOL CPropertyPage::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CDialog::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (m_pSheet != NULL && IsRoutedCommand(nCode))
        return m_pSheet->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    return FALSE;
}

BOOL CPropertyPage::PreTranslateMessage(MSG*)
{
    // The sheet does the dialog keys of all its pages.
    return FALSE;
}

// ---------------------------------------------------------------------------
// CPropertySheet

CPropertySheet::CPropertySheet()
{
    CommonInit(0, NULL);
}

CPropertySheet::CPropertySheet(UINT captionId, CWnd* parent, UINT selectPage)
{
    CommonInit(selectPage, parent);
    m_strCaption = AfxLoadString(captionId);
}

CPropertySheet::CPropertySheet(const char* caption, CWnd* parent, UINT selectPage)
{
    CommonInit(selectPage, parent);
    m_strCaption = caption != NULL ? caption : "";
}

void CPropertySheet::CommonInit(UINT selectPage, CWnd* parent)
{
    ZeroMemory(&m_psh, sizeof(m_psh));
    m_psh.dwSize = sizeof(m_psh);
    m_psh.dwFlags = PSH_DEFAULT;
    m_psh.nStartPage = selectPage;
    m_pParentWnd = parent;
    m_nModalResult = -1;
    m_nOutcome = -1;
    m_bModal = false;
    m_bModalDone = false;
}

CPropertySheet::~CPropertySheet()
{
    if (m_hWnd != NULL)
        DestroyWindow();
    for (CPropertyPage* page : m_pages)
        page->m_pSheet = NULL;
}

void CPropertySheet::AddPage(CPropertyPage* page)
{
    if (page == NULL)
        return;
    page->m_pSheet = this;
    m_pages.push_back(page);
    if (m_hWnd != NULL)
    {
        HPROPSHEETPAGE h = page->MakePage();
        if (h != NULL)
            SendMessage(PSM_ADDPAGE, 0, (LPARAM)h);
    }
}

void CPropertySheet::InsertPage(int index, CPropertyPage* page)
{
    if (page == NULL)
        return;
    if (index < 0 || index >= (int)m_pages.size())
    {
        AddPage(page);
        return;
    }
    page->m_pSheet = this;
    m_pages.insert(m_pages.begin() + index, page);
    if (m_hWnd != NULL)
    {
        HPROPSHEETPAGE h = page->MakePage();
        if (h != NULL)
            SendMessage(PSM_INSERTPAGE, (WPARAM)index, (LPARAM)h);
    }
}

void CPropertySheet::RemovePage(CPropertyPage* page)
{
    RemovePage(GetPageIndex(page));
}

void CPropertySheet::RemovePage(int index)
{
    if (index < 0 || index >= (int)m_pages.size())
        return;
    if (m_hWnd != NULL)
        SendMessage(PSM_REMOVEPAGE, (WPARAM)index, 0);
    m_pages[index]->m_pSheet = NULL;
    m_pages.erase(m_pages.begin() + index);
}

CPropertyPage* CPropertySheet::GetPage(int index) const
{
    return index >= 0 && index < (int)m_pages.size() ? m_pages[index] : NULL;
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const
{
    for (size_t i = 0; i < m_pages.size(); ++i)
    {
        if (m_pages[i] == page)
            return (int)i;
    }
    return -1;
}

int CPropertySheet::GetActiveIndex() const
{
    if (m_hWnd == NULL)
        return (int)m_psh.nStartPage;
    HWND current = (HWND)SendMessage(PSM_GETCURRENTPAGEHWND);
    for (size_t i = 0; i < m_pages.size(); ++i)
    {
        if (current != NULL && m_pages[i]->m_hWnd == current)
            return (int)i;
    }
    return -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    return GetPage(GetActiveIndex());
}

BOOL CPropertySheet::SetActivePage(int index)
{
    if (index < 0 || index >= (int)m_pages.size())
        return FALSE;
    if (m_hWnd == NULL)
    {
        m_psh.nStartPage = index;
        return TRUE;
    }
    return (BOOL)SendMessage(PSM_SETCURSEL, (WPARAM)index, 0);
}

void CPropertySheet::SetTitle(const char* title, UINT style)
{
    m_strCaption = title != NULL ? title : "";
    m_psh.dwFlags = (m_psh.dwFlags & ~PSH_PROPTITLE) | (style & PSH_PROPTITLE);
    if (m_hWnd != NULL)
        SendMessage(PSM_SETTITLEA, style, (LPARAM)m_strCaption.c_str());
}

void CPropertySheet::SetWizardButtons(DWORD flags)
{
    if (m_hWnd != NULL)
        SendMessage(PSM_SETWIZBUTTONS, 0, (LPARAM)flags);
}

void CPropertySheet::SetFinishText(const char* text)
{
    if (m_hWnd != NULL)
        SendMessage(PSM_SETFINISHTEXTA, 0, (LPARAM)text);
}

void CPropertySheet::PressButton(int button)
{
    if (m_hWnd != NULL)
        SendMessage(PSM_PRESSBUTTON, (WPARAM)button, 0);
}

CWnd* CPropertySheet::GetTabControl() const
{
    return m_hWnd != NULL ? CWnd::FromHandle((HWND)SendMessage(PSM_GETTABCONTROL)) : NULL;
}

int CALLBACK CPropertySheet::AfxSheetCallback(HWND window, UINT message, LPARAM)
{
    CPropertySheet* sheet = t_sheetBeingMade;
    if (message == PSCB_INITIALIZED && sheet != NULL && sheet->m_hWnd == NULL)
        sheet->SubclassWindow(window);
    return 0;
}

HWND CPropertySheet::MakeSheet(HWND owner, bool modal)
{
    std::vector<HPROPSHEETPAGE> pages;
    for (CPropertyPage* page : m_pages)
    {
        page->m_pSheet = this;
        HPROPSHEETPAGE h = page->MakePage();
        if (h == NULL)
        {
            for (HPROPSHEETPAGE made : pages)
                ::DestroyPropertySheetPage(made);
            return NULL;
        }
        pages.push_back(h);
    }
    PROPSHEETHEADERA psh = m_psh;
    psh.dwSize = sizeof(psh);
    psh.dwFlags = (psh.dwFlags & ~PSH_PROPSHEETPAGE) | PSH_MODELESS | PSH_USECALLBACK;
    psh.hwndParent = owner;
    psh.hInstance = AfxGetResourceHandle();
    psh.pszCaption = m_strCaption.c_str();
    psh.nPages = (UINT)pages.size();
    psh.phpage = pages.empty() ? NULL : pages.data();
    if (psh.nStartPage >= psh.nPages)
        psh.nStartPage = 0;
    psh.pfnCallback = AfxSheetCallback;

    m_nOutcome = -1;
    m_bModal = modal;
    CPropertySheet* outer = t_sheetBeingMade;
    t_sheetBeingMade = this;
    INT_PTR made = ::PropertySheetA(&psh);
    t_sheetBeingMade = outer;
    HWND window = (made == 0 || made == -1) ? NULL : (HWND)made;
    if (window != NULL && m_hWnd == NULL)
        SubclassWindow(window);
    return window;
}

bool CPropertySheet::IsDone() const
{
    return m_hWnd == NULL || !::IsWindow(m_hWnd) || SendMessage(PSM_GETCURRENTPAGEHWND) == 0;
}

INT_PTR CPropertySheet::DoModal()
{
    HWND owner = NULL;
    CWnd* parent = m_pParentWnd != NULL ? m_pParentWnd : AfxGetMainWnd();
    if (parent != NULL && parent != this && parent->m_hWnd != NULL)
        owner = ::GetAncestor(parent->m_hWnd, GA_ROOT);

    m_nModalResult = -1;
    m_bModalDone = false;
    HWND window = MakeSheet(owner, true);
    if (window == NULL)
    {
        m_bModal = false;
        return -1;
    }
    bool reenable = owner != NULL && ::IsWindowEnabled(owner);
    if (reenable)
        ::EnableWindow(owner, FALSE);
    ::ShowWindow(window, SW_SHOW);

    BOOL running = AfxRunModalLoop(window, m_bModalDone,
        [](void* self) { return static_cast<CPropertySheet*>(self)->IsDone(); }, this);
    if (!m_bModalDone)
        m_nModalResult = (running && m_nOutcome != -1) ? m_nOutcome : IDCANCEL;

    AfxEndModalWindow(*this, window, owner, reenable);
    m_bModal = false;
    return m_nModalResult;
}

BOOL CPropertySheet::Create(CWnd* parent, DWORD, DWORD)
{
    if (parent != NULL)
        m_pParentWnd = parent;
    HWND window = MakeSheet(m_pParentWnd != NULL ? m_pParentWnd->m_hWnd : NULL, false);
    if (window == NULL)
        return FALSE;
    ::ShowWindow(window, SW_SHOW);
    return TRUE;
}

void CPropertySheet::EndDialog(int result)
{
    m_nModalResult = result;
    if (m_bModal)
        AfxEndModalLoop(m_hWnd, m_bModalDone);
    else if (m_hWnd != NULL)
        DestroyWindow();
}

BOOL CPropertySheet::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (!IsRoutedCommand(nCode))
        return FALSE;
    CWnd* main = AfxGetMainWnd();
    if (main == NULL || main == this || main->m_hWnd == NULL)
        return FALSE;
    return main->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // The sheet's own buttons are comctl32's business, not commands to route.
    HWND from = (HWND)lParam;
    if (from != NULL && ::GetParent(from) == m_hWnd)
        return FALSE;
    return CWnd::OnCommand(wParam, lParam);
}

BOOL CPropertySheet::PreTranslateMessage(MSG* msg)
{
    if (m_hWnd == NULL || (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd)))
        return FALSE;
    return (BOOL)SendMessage(PSM_ISDIALOGMESSAGE, 0, (LPARAM)msg);
}
