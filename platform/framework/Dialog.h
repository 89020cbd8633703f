// CDialog: a dialog from a resource template, run modally by a message loop
// of our own (so posted commands of other windows keep being carried out and
// a page can end a whole sheet) or created modeless. Data exchange runs at
// initialisation (to the controls) and at OK (to the members).
#pragma once

#include "platform/framework/DataExchange.h"
#include "platform/framework/Wnd.h"

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(UINT templateId, CWnd* parent = NULL);
    explicit CDialog(const char* templateName, CWnd* parent = NULL);

    // IDOK, IDCANCEL or what EndDialog was given; -1 when the dialog could
    // not be made.
    virtual INT_PTR DoModal();
    // Modeless; the caller destroys it.
    BOOL Create(UINT templateId, CWnd* parent = NULL);
    BOOL Create(const char* templateName, CWnd* parent = NULL);
    virtual void EndDialog(int result);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX) {}
    // FALSE when a value did not parse or failed its check (the message was
    // shown and the control has the focus).
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    BOOL PreTranslateMessage(MSG* msg) override;

    void GotoDlgCtrl(CWnd* control);
    void NextDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
    void PrevDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
    void SetDefID(UINT id) { ::SendMessageA(m_hWnd, DM_SETDEFID, id, 0); }
    DWORD GetDefID() const { return (DWORD)::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0); }
    void CheckDlgButton(int id, UINT check) { ::CheckDlgButton(m_hWnd, id, check); }
    UINT IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }
    void CheckRadioButton(int first, int last, int check) { ::CheckRadioButton(m_hWnd, first, last, check); }
    UINT GetDlgItemInt(int id, BOOL* ok = NULL, BOOL isSigned = TRUE) const { return ::GetDlgItemInt(m_hWnd, id, ok, isSigned); }
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE) { ::SetDlgItemInt(m_hWnd, id, value, isSigned); }
    void MapDialogRect(RECT* rect) const { ::MapDialogRect(m_hWnd, rect); }

    const char* m_lpszTemplateName;
    UINT m_nIDHelp;
    CWnd* m_pParentWnd;

    // The dialog procedure of every dialog and page of the framework: binds
    // the object at WM_INITDIALOG (its lParam names it through getObject).
    static INT_PTR CALLBACK AfxDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // The owner of a modal dialog: the parent given, else the main window's
    // top-level window (none when that is this dialog).
    HWND PreModal();
    void RunModalLoop();
    // The object a WM_INITDIALOG's lParam names.
    virtual void BindAtInit(HWND window);

    int m_nModalResult;
    bool m_bInModalLoop;
    bool m_bModalDone;

    DECLARE_MESSAGE_MAP()
};

// Runs PreTranslateMessage from the message's window up to top, when the
// message belongs to top or one of its descendants.
BOOL AfxPreTranslateWithin(HWND top, MSG* msg);

// The modal loop of dialogs and sheets: dispatches every message of the
// thread (so other windows keep working) until done is set, finished()
// answers true or top is gone; messages of top and its descendants get
// PreTranslateMessage first. FALSE when WM_QUIT ended it (posted again).
BOOL AfxRunModalLoop(HWND top, const bool& done, bool (*finished)(void*) = NULL, void* context = NULL);
// The end of a modal window: its owner enabled again (when reenable) and
// given the activation back, then the window destroyed through its object
// when it still has one.
void AfxEndModalWindow(CWnd& self, HWND window, HWND owner, bool reenable);
// Ends that loop: done is set and the loop woken (it may sit in GetMessage).
void AfxEndModalLoop(HWND top, bool& done);
