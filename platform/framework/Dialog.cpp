#include "platform/framework/Dialog.h"

#include "platform/framework/WinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog()
    : m_lpszTemplateName(NULL), m_nIDHelp(0), m_pParentWnd(NULL),
      m_nModalResult(-1), m_bInModalLoop(false), m_bModalDone(false)
{
}

CDialog::CDialog(UINT templateId, CWnd* parent) : CDialog()
{
    m_lpszTemplateName = MAKEINTRESOURCEA(templateId);
    m_nIDHelp = templateId;
    m_pParentWnd = parent;
}

CDialog::CDialog(const char* templateName, CWnd* parent) : CDialog()
{
    m_lpszTemplateName = templateName;
    m_pParentWnd = parent;
}

BOOL AfxPreTranslateWithin(HWND top, MSG* msg)
{
    if (top == NULL || (msg->hwnd != top && !::IsChild(top, msg->hwnd)))
        return FALSE;
    for (HWND h = msg->hwnd; h != NULL; h = ::GetParent(h))
    {
        CWnd* wnd = CWnd::FromHandlePermanent(h);
        if (wnd != NULL && wnd->PreTranslateMessage(msg))
            return TRUE;
        if (h == top)
            break;
    }
    return FALSE;
}

INT_PTR CALLBACK CDialog::AfxDlgProc(HWND window, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* dialog = reinterpret_cast<CDialog*>(lParam);
    if (dialog == NULL)
        return TRUE;
    dialog->BindAtInit(window);
    return dialog->OnInitDialog();
}

void CDialog::BindAtInit(HWND window)
{
    if (CWnd::FromHandlePermanent(window) != this)
        SubclassWindow(window);
}

HWND CDialog::PreModal()
{
    CWnd* parent = m_pParentWnd != NULL ? m_pParentWnd : AfxGetMainWnd();
    if (parent == NULL || parent == this || parent->m_hWnd == NULL)
        return NULL;
    HWND top = ::GetAncestor(parent->m_hWnd, GA_ROOT);
    return top != NULL ? top : parent->m_hWnd;
}

BOOL AfxRunModalLoop(HWND top, const bool& done, bool (*finished)(void*), void* context)
{
    while (!done)
    {
        if (top == NULL || !::IsWindow(top) || (finished != NULL && finished(context)))
            break;
        MSG msg;
        if (!::GetMessageA(&msg, NULL, 0, 0))
        {
            // The program is ending: the loop that owns WM_QUIT gets it again.
            ::PostQuitMessage((int)msg.wParam);
            return FALSE;
        }
        if (!AfxPreTranslateWithin(top, &msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    return TRUE;
}

void AfxEndModalLoop(HWND top, bool& done)
{
    done = true;
    if (top != NULL)
        ::PostMessageA(top, WM_NULL, 0, 0);
}

void CDialog::RunModalLoop()
{
    m_bInModalLoop = true;
    if (!AfxRunModalLoop(m_hWnd, m_bModalDone) && m_nModalResult == -1)
        m_nModalResult = IDCANCEL;
    m_bInModalLoop = false;
}

INT_PTR CDialog::DoModal()
{
    HWND owner = PreModal();
    m_nModalResult = -1;
    m_bModalDone = false;
    m_bInModalLoop = true;   // EndDialog during OnInitDialog ends the modal run
    HWND window = ::CreateDialogParamA(AfxGetResourceHandle(), m_lpszTemplateName, owner,
                                       AfxDlgProc, (LPARAM)this);
    m_bInModalLoop = false;
    if (window == NULL)
        return -1;
    bool reenable = owner != NULL && ::IsWindowEnabled(owner);
    if (reenable)
        ::EnableWindow(owner, FALSE);
    if (!m_bModalDone)
    {
        ::ShowWindow(window, SW_SHOW);
        RunModalLoop();
    }
    AfxEndModalWindow(*this, window, owner, reenable);
    return m_nModalResult;
}

void AfxEndModalWindow(CWnd& self, HWND window, HWND owner, bool reenable)
{
    // The owner is enabled again before the window goes, so it gets the
    // activation back rather than some other program's window.
    if (reenable)
        ::EnableWindow(owner, TRUE);
    if (owner != NULL && ::GetActiveWindow() == window)
        ::SetActiveWindow(owner);
    if (self.m_hWnd != NULL)
        self.DestroyWindow();
    else if (::IsWindow(window))
        ::DestroyWindow(window);
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    return Create(MAKEINTRESOURCEA(templateId), parent);
}

BOOL CDialog::Create(const char* templateName, CWnd* parent)
{
    m_lpszTemplateName = templateName;
    if (parent != NULL)
        m_pParentWnd = parent;
    HWND owner = m_pParentWnd != NULL ? m_pParentWnd->m_hWnd : NULL;
    HWND window = ::CreateDialogParamA(AfxGetResourceHandle(), templateName, owner, AfxDlgProc, (LPARAM)this);
    return window != NULL;
}

void CDialog::EndDialog(int result)
{
    m_nModalResult = result;
    if (m_bInModalLoop)
        AfxEndModalLoop(m_hWnd, m_bModalDone);
    else if (m_hWnd != NULL)
    {
        ::EndDialog(m_hWnd, result);
    }
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    return RunDataExchange(dx, [this](CDataExchange* pDX) { DoDataExchange(pDX); });
}

BOOL CDialog::PreTranslateMessage(MSG* msg)
{
    if (m_hWnd == NULL || (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd)))
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, msg);
}

void CDialog::GotoDlgCtrl(CWnd* control)
{
    if (control != NULL && control->m_hWnd != NULL)
        ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, (WPARAM)control->m_hWnd, TRUE);
}
