// CPropertySheet and CPropertyPage over comctl32's property sheet. The sheet
// is made modeless and run by our own modal loop, so a page can end the
// whole sheet (EndDialog) and DoModal answers IDOK, IDCANCEL or
// ID_WIZFINISH. comctl32's notifications reach the page's handlers:
// PSN_SETACTIVE OnSetActive, PSN_KILLACTIVE OnKillActive (data exchange;
// FALSE keeps the page), PSN_APPLY OnApply (then OnOK), PSN_QUERYCANCEL
// OnQueryCancel, PSN_RESET OnReset (then OnCancel), PSN_WIZBACK/NEXT/FINISH
// the wizard's handlers. A command a page does not handle goes to the sheet,
// then to the main window.
#pragma once

#include "platform/framework/Dialog.h"

#include <prsht.h>
#include <string>
#include <vector>

#ifndef ID_WIZBACK
#define ID_WIZBACK   0x3023
#define ID_WIZNEXT   0x3024
#define ID_WIZFINISH 0x3025
#endif

class CPropertySheet;

class CPropertyPage : public CDialog
{
    DECLARE_DYNAMIC(CPropertyPage)
public:
    explicit CPropertyPage(UINT templateId, UINT captionId = 0);
    explicit CPropertyPage(const char* templateName, UINT captionId = 0);

    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    virtual BOOL OnApply();
    virtual void OnReset();
    virtual BOOL OnQueryCancel();
    // 0 goes on to the neighbour, -1 stays, a template id goes to that page.
    virtual LRESULT OnWizardBack();
    virtual LRESULT OnWizardNext();
    virtual BOOL OnWizardFinish();
    void OnOK() override;
    void OnCancel() override;

    // Ends the whole sheet with this result.
    void EndDialog(int result) override;
    void SetModified(BOOL changed = TRUE);
    void CancelToClose();
    LRESULT QuerySiblings(WPARAM wParam, LPARAM lParam);
    CPropertySheet* GetSheet() const { return m_pSheet; }

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    BOOL PreTranslateMessage(MSG* msg) override;

    PROPSHEETPAGEA m_psp;
    std::string m_strCaption;

protected:
    static INT_PTR CALLBACK AfxPageDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnHelp();

private:
    friend class CPropertySheet;
    void Init(const char* templateName, UINT captionId);
    HPROPSHEETPAGE MakePage();

    CPropertySheet* m_pSheet;

    DECLARE_MESSAGE_MAP()
};

class CPropertySheet : public CWnd
{
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet();
    explicit CPropertySheet(UINT captionId, CWnd* parent = NULL, UINT selectPage = 0);
    explicit CPropertySheet(const char* caption, CWnd* parent = NULL, UINT selectPage = 0);
    ~CPropertySheet() override;

    // Pages stay the caller's. On a live sheet they are added to and
    // removed from the window too.
    void AddPage(CPropertyPage* page);
    // Puts page at index (the end when index is out of range).
    void InsertPage(int index, CPropertyPage* page);
    void RemovePage(CPropertyPage* page);
    void RemovePage(int index);
    int GetPageCount() const { return (int)m_pages.size(); }
    CPropertyPage* GetPage(int index) const;
    int GetPageIndex(const CPropertyPage* page) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int index);
    BOOL SetActivePage(CPropertyPage* page) { return SetActivePage(GetPageIndex(page)); }

    // PSH_PROPTITLE in style gives the "Properties for" title.
    void SetTitle(const char* title, UINT style = 0);
    void SetWizardMode() { m_psh.dwFlags |= PSH_WIZARD; }
    BOOL IsWizard() const { return (m_psh.dwFlags & PSH_WIZARD) != 0; }
    void SetWizardButtons(DWORD flags);
    void SetFinishText(const char* text);
    // PSBTN_BACK, PSBTN_NEXT, PSBTN_FINISH, PSBTN_OK, PSBTN_APPLYNOW,
    // PSBTN_CANCEL, PSBTN_HELP.
    void PressButton(int button);
    CWnd* GetTabControl() const;

    virtual INT_PTR DoModal();
    // Modeless; the caller destroys it.
    BOOL Create(CWnd* parent = NULL, DWORD style = (DWORD)-1, DWORD exStyle = 0);
    void EndDialog(int result);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;

    PROPSHEETHEADERA m_psh;
    std::string m_strCaption;
    CWnd* m_pParentWnd;

protected:
    // Called by comctl32 as the sheet is made; binds the object.
    static int CALLBACK AfxSheetCallback(HWND window, UINT message, LPARAM lParam);
    HWND MakeSheet(HWND owner, bool modal);

private:
    friend class CPropertyPage;
    void CommonInit(UINT selectPage, CWnd* parent);
    // What the buttons decided: set by the pages' PSN_APPLY, PSN_RESET and
    // an allowed PSN_WIZFINISH, read when comctl32 says the sheet is done.
    void NoteOutcome(int result) { m_nOutcome = result; }
    bool IsDone() const;
    void RunLoop();

    std::vector<CPropertyPage*> m_pages;
    int m_nModalResult;
    int m_nOutcome;
    bool m_bModal;
    bool m_bModalDone;

    DECLARE_MESSAGE_MAP()
};
