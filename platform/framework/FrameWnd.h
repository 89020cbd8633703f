// CFrameWnd: the main window of a single-document program: menu,
// accelerators and icon from one resource id, control bars laid out around
// the client, the active view, the title "document - application", fly-by
// help texts in the status bar, dropped files and closing.
#pragma once

#include "platform/framework/Wnd.h"

#include <string>

class CDocTemplate;
class CDocument;
class CView;

// What a frame and its views are made for.
struct CCreateContext
{
    const CRuntimeClass* m_pNewViewClass = NULL;
    CDocument* m_pCurrentDoc = NULL;
    CDocTemplate* m_pNewDocTemplate = NULL;
    CView* m_pLastView = NULL;
    CFrameWnd* m_pCurrentFrame = NULL;
};

// The title gets the document's name.
#define FWS_ADDTOTITLE  0x00008000L
#define FWS_PREFIXTITLE 0x00004000L

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // Menu, accelerators, icon and title from resource resourceId (the
    // title is the first field of the string of that id).
    virtual BOOL LoadFrame(UINT resourceId, DWORD style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* parent = NULL, CCreateContext* context = NULL);
    BOOL Create(const char* className, const char* title, DWORD style = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* parent = NULL, const char* menuName = NULL,
                DWORD exStyle = 0, CCreateContext* context = NULL);
    static const CRect rectDefault;

    // The view in pane AFX_IDW_PANE_FIRST made from the context.
    virtual BOOL OnCreateClient(LPCREATESTRUCT cs, CCreateContext* context);
    CWnd* CreateView(CCreateContext* context, UINT id = AFX_IDW_PANE_FIRST);

    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* view, BOOL notify = TRUE);
    virtual CDocument* GetActiveDocument();
    virtual CFrameWnd* GetActiveFrame() { return this; }
    virtual void InitialUpdateFrame(CDocument* doc, BOOL makeVisible);
    virtual void ActivateFrame(int cmdShow = -1);

    // Control bars above and below, the pane window in what is left.
    virtual void RecalcLayout(BOOL notify = TRUE);
    CWnd* GetControlBar(UINT id) const;
    void ShowControlBar(CWnd* bar, BOOL show, BOOL delay);
    // The status bar's message pane.
    CWnd* GetMessageBar() const { return GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE); }
    void SetMessageText(const char* text);
    void SetMessageText(UINT id);
    // The status prompt of a command: its string up to the first new line.
    virtual void GetMessageString(UINT id, std::string& text) const;

    virtual void OnUpdateFrameTitle(BOOL addToTitle);
    void UpdateFrameTitleForDocument(const char* docName);
    void SetTitle(const char* title) { m_strTitle = title ? title : ""; }
    const char* GetTitle() const { return m_strTitle.c_str(); }

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void PostNcDestroy() override { delete this; }

    HACCEL m_hAccelTable;
    UINT m_nIDHelp;
    std::string m_strTitle;
    BOOL m_bAutoMenuEnable;  // menu items without a handler are disabled
    UINT m_nIdleFlags;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnDestroy();
    void OnClose();
    void OnSize(UINT type, int cx, int cy);
    BOOL OnEraseBkgnd(CDC* dc);
    void OnSetFocus(CWnd* oldWnd);
    void OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu);
    void OnMenuSelect(UINT itemId, UINT flags, HMENU menu);
    void OnDropFiles(HDROP drop);
    BOOL OnQueryEndSession();
    void OnEndSession(BOOL ending);
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    LRESULT OnExitMenuLoop(WPARAM wParam, LPARAM lParam);
    BOOL OnBarCheck(UINT id);
    // F6 and Shift+F6: the next or previous pane of the active view's splitter.
    BOOL OnNextPaneCmd(UINT id);
    void OnUpdateNextPaneMenu(CCmdUI* cmdUI);

public:
    // The help commands: no help file ships with the programs, so they
    // are enabled and do nothing (a program maps them to these).
    void OnHelp() {}
    void OnHelpFinder() {}
    void OnContextHelp() {}
    void OnHelpIndex() {}

protected:
    void OnUpdateControlBarMenu(CCmdUI* cmdUI);
    // CAPS, NUM and SCRL show while their key is toggled on.
    void OnUpdateKeyIndicator(CCmdUI* cmdUI);
    DECLARE_MESSAGE_MAP()

    CView* m_pViewActive;
    UINT m_nFlyById;  // the command whose prompt shows, 0 for the idle text
};
