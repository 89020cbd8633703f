#include "platform/framework/FrameWnd.h"

#include "platform/framework/ControlBar.h"
#include "platform/framework/DocTemplate.h"
#include "platform/framework/Document.h"
#include "platform/framework/Splitter.h"
#include "platform/framework/View.h"
#include "platform/framework/WinApp.h"

#include <string.h>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_INITMENUPOPUP()
    ON_WM_MENUSELECT()
    ON_WM_DROPFILES()
    ON_WM_QUERYENDSESSION()
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
    ON_MESSAGE(WM_POPMESSAGESTRING, OnPopMessageString)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_EXITMENULOOP, OnExitMenuLoop)
    ON_COMMAND_EX(ID_VIEW_TOOLBAR, OnBarCheck)
    ON_COMMAND_EX(ID_VIEW_STATUS_BAR, OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
    ON_UPDATE_COMMAND_UI_RANGE(ID_INDICATOR_CAPS, ID_INDICATOR_SCRL, OnUpdateKeyIndicator)
    ON_COMMAND_EX_RANGE(ID_NEXT_PANE, ID_PREV_PANE, OnNextPaneCmd)
    ON_UPDATE_COMMAND_UI_RANGE(ID_NEXT_PANE, ID_PREV_PANE, OnUpdateNextPaneMenu)
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd()
    : m_hAccelTable(NULL), m_nIDHelp(0), m_bAutoMenuEnable(TRUE), m_nIdleFlags(0), m_pViewActive(NULL),
      m_nFlyById(0)
{
}

CFrameWnd::~CFrameWnd()
{
    if (m_hAccelTable)
        ::DestroyAcceleratorTable(m_hAccelTable);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (cs.lpszClass == NULL)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, NULL, (HBRUSH)(COLOR_WINDOW + 1), NULL);
    if (cs.style & FWS_ADDTOTITLE)
        cs.style |= FWS_PREFIXTITLE;
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

BOOL CFrameWnd::Create(const char* className, const char* title, DWORD style, const RECT& rect, CWnd* parent,
                       const char* menuName, DWORD exStyle, CCreateContext* context)
{
    HMENU menu = menuName ? ::LoadMenuA(AfxGetResourceHandle(), menuName) : NULL;
    m_strTitle = title ? title : "";
    BOOL useDefault = CRect(rect) == rectDefault;
    BOOL created = CreateEx(exStyle, className, title, style, useDefault ? CW_USEDEFAULT : rect.left,
                            useDefault ? CW_USEDEFAULT : rect.top,
                            useDefault ? CW_USEDEFAULT : rect.right - rect.left,
                            useDefault ? CW_USEDEFAULT : rect.bottom - rect.top, parent ? parent->m_hWnd : NULL, menu,
                            context);
    if (!created && menu)
        ::DestroyMenu(menu);
    return created;
}

BOOL CFrameWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context)
{
    m_nIDHelp = resourceId;
    std::string strings = AfxLoadString(resourceId);
    m_strTitle = strings.substr(0, strings.find('\n'));
    HICON icon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(resourceId));
    const char* className = AfxRegisterWndClass(CS_DBLCLKS, NULL, (HBRUSH)(COLOR_WINDOW + 1), icon);
    HMENU menu = ::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(resourceId));
    m_hAccelTable = ::LoadAcceleratorsA(AfxGetResourceHandle(), MAKEINTRESOURCEA(resourceId));
    // On failure the frame has deleted itself (PostNcDestroy): touch nothing.
    if (!CreateEx(0, className, m_strTitle.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, parent ? parent->m_hWnd : NULL, menu, context))
    {
        if (menu)
            ::DestroyMenu(menu);
        return FALSE;
    }
    if (context == NULL)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT cs)
{
    if (CWnd::OnCreate(cs) == -1)
        return -1;
    CCreateContext* context = static_cast<CCreateContext*>(cs->lpCreateParams);
    if (!OnCreateClient(cs, context))
        return -1;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* context)
{
    if (context && context->m_pNewViewClass)
        return CreateView(context, AFX_IDW_PANE_FIRST) != NULL;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* context, UINT id)
{
    CObject* object = context->m_pNewViewClass->CreateObject();
    if (object == NULL || !object->IsKindOf(RUNTIME_CLASS(CWnd)))
    {
        delete object;
        return NULL;
    }
    CWnd* view = static_cast<CWnd*>(object);
    // A view that fails to create has deleted itself.
    if (!view->Create(NULL, NULL, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), this, id, context))
        return NULL;
    return view;
}

void CFrameWnd::SetActiveView(CView* view, BOOL notify)
{
    CView* old = m_pViewActive;
    if (view == old)
        return;
    m_pViewActive = view;
    if (notify && old)
        old->OnActivateView(FALSE, view, old);
    if (notify && view)
        view->OnActivateView(TRUE, view, old);
}

CDocument* CFrameWnd::GetActiveDocument()
{
    return m_pViewActive ? m_pViewActive->GetDocument() : NULL;
}

void CFrameWnd::InitialUpdateFrame(CDocument* doc, BOOL makeVisible)
{
    CView* view = NULL;
    if (GetActiveView() == NULL)
    {
        CWnd* pane = GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
        if (pane && pane->IsKindOf(RUNTIME_CLASS(CView)))
        {
            view = static_cast<CView*>(pane);
            SetActiveView(view, FALSE);
        }
    }
    if (makeVisible)
    {
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
        int cmdShow = -1;
        CWinApp* app = AfxGetApp();
        if (app && app->m_pMainWnd == this)
        {
            cmdShow = app->m_nCmdShow;
            app->m_nCmdShow = -1;
        }
        ActivateFrame(cmdShow);
        if (view)
            view->OnActivateView(TRUE, view, view);
    }
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::ActivateFrame(int cmdShow)
{
    if (cmdShow == -1)
        cmdShow = IsWindowVisible() ? (IsIconic() ? SW_RESTORE : -1) : SW_SHOW;
    if (cmdShow != -1)
        ShowWindow(cmdShow);
    BringWindowToTop();
}

void CFrameWnd::RecalcLayout(BOOL)
{
    if (m_hWnd == NULL)
        return;
    CRect client;
    GetClientRect(&client);
    for (HWND child = ::GetTopWindow(m_hWnd); child; child = ::GetWindow(child, GW_HWNDNEXT))
    {
        CWnd* wnd = FromHandlePermanent(child);
        if (wnd == NULL || !wnd->IsKindOf(RUNTIME_CLASS(CControlBar)) || !::IsWindowVisible(child))
            continue;
        CControlBar* bar = static_cast<CControlBar*>(wnd);
        int height = bar->CalcFixedLayout(TRUE, TRUE).cy;
        if (bar->m_dwStyle & CBRS_ALIGN_BOTTOM)
        {
            ::MoveWindow(child, client.left, client.bottom - height, client.Width(), height, TRUE);
            client.bottom -= height;
        }
        else
        {
            ::MoveWindow(child, client.left, client.top, client.Width(), height, TRUE);
            client.top += height;
        }
    }
    if (client.bottom < client.top)
        client.bottom = client.top;
    HWND pane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST);
    if (pane)
        ::MoveWindow(pane, client.left, client.top, client.Width(), client.Height(), TRUE);
}

CWnd* CFrameWnd::GetControlBar(UINT id) const
{
    CWnd* wnd = FromHandlePermanent(::GetDlgItem(m_hWnd, id));
    return wnd && wnd->IsKindOf(RUNTIME_CLASS(CControlBar)) ? wnd : NULL;
}

void CFrameWnd::ShowControlBar(CWnd* bar, BOOL show, BOOL)
{
    bar->ShowWindow(show ? SW_SHOWNOACTIVATE : SW_HIDE);
    RecalcLayout();
}

BOOL CFrameWnd::OnBarCheck(UINT id)
{
    CWnd* bar = GetControlBar(id);
    if (bar == NULL)
        return FALSE;
    ShowControlBar(bar, !bar->IsWindowVisible(), FALSE);
    return TRUE;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* cmdUI)
{
    CWnd* bar = GetControlBar(cmdUI->m_nID);
    if (bar == NULL)
    {
        cmdUI->ContinueRouting();
        return;
    }
    cmdUI->SetCheck(bar->IsWindowVisible());
}

namespace
{
CSplitterWnd* SplitterOf(CView* view)
{
    CWnd* parent = view ? CWnd::FromHandlePermanent(::GetParent(view->m_hWnd)) : NULL;
    return parent && parent->IsKindOf(RUNTIME_CLASS(CSplitterWnd)) ? static_cast<CSplitterWnd*>(parent) : NULL;
}
}

BOOL CFrameWnd::OnNextPaneCmd(UINT id)
{
    CSplitterWnd* splitter = SplitterOf(m_pViewActive);
    if (splitter == NULL)
        return FALSE;
    splitter->ActivateNext(id == ID_PREV_PANE);
    return TRUE;
}

void CFrameWnd::OnUpdateNextPaneMenu(CCmdUI* cmdUI)
{
    CSplitterWnd* splitter = SplitterOf(m_pViewActive);
    cmdUI->Enable(splitter && splitter->GetRowCount() * splitter->GetColumnCount() > 1);
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* cmdUI)
{
    int key = cmdUI->m_nID == ID_INDICATOR_CAPS ? VK_CAPITAL : cmdUI->m_nID == ID_INDICATOR_NUM ? VK_NUMLOCK : VK_SCROLL;
    cmdUI->Enable(::GetKeyState(key) & 1);
}

void CFrameWnd::GetMessageString(UINT id, std::string& text) const
{
    text = AfxLoadString(id);
    size_t newline = text.find('\n');
    if (newline != std::string::npos)
        text.resize(newline);
}

void CFrameWnd::SetMessageText(const char* text)
{
    CWnd* bar = GetMessageBar();
    if (bar && bar->IsKindOf(RUNTIME_CLASS(CStatusBar)))
        static_cast<CStatusBar*>(bar)->SetPaneText(0, text);
}

void CFrameWnd::SetMessageText(UINT id)
{
    std::string text;
    if (id != 0)
        GetMessageString(id, text);
    SetMessageText(text.c_str());
    m_nFlyById = id;
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    UINT previous = m_nFlyById;
    if (lParam)
    {
        SetMessageText(reinterpret_cast<const char*>(lParam));
        m_nFlyById = 0;
    }
    else
    {
        SetMessageText((UINT)wParam);
    }
    return previous;
}

LRESULT CFrameWnd::OnPopMessageString(WPARAM, LPARAM)
{
    SetMessageText(AFX_IDS_IDLEMESSAGE);
    return 0;
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    return 0;
}

LRESULT CFrameWnd::OnExitMenuLoop(WPARAM, LPARAM)
{
    SetMessageText(AFX_IDS_IDLEMESSAGE);
    return Default();
}

void CFrameWnd::OnMenuSelect(UINT itemId, UINT flags, HMENU menu)
{
    if (flags == 0xFFFF && menu == NULL)
        SetMessageText(AFX_IDS_IDLEMESSAGE);
    else if (itemId == 0 || (flags & (MF_SEPARATOR | MF_POPUP)))
        SetMessageText("");
    else
        SetMessageText(itemId);
    Default();
}

void CFrameWnd::OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu)
{
    Default();
    if (sysMenu)
        return;
    CCmdUI state;
    state.m_pMenu = popup;
    state.m_nIndexMax = popup->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        state.m_nID = popup->GetMenuItemID(state.m_nIndex);
        if (state.m_nID == 0 || state.m_nID == (UINT)-1)
            continue;  // separators; popups keep their state
        state.m_pSubMenu = NULL;
        state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);
        // The recent files may have added or removed items.
        state.m_nIndexMax = popup->GetMenuItemCount();
    }
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active view (then its document and template), the frame, the
    // application.
    if (m_pViewActive && m_pViewActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    return CWnd::OnCommand(wParam, lParam);
}

BOOL CFrameWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    if (CWnd::OnNotify(wParam, lParam, result))
        return TRUE;
    CWnd* from = FromHandlePermanent(header->hwndFrom);
    CWnd* owner = from;
    if (header->code == TTN_GETDISPINFOA || header->code == TTN_GETDISPINFOW)
    {
        // The toolbar's tips: the text after the new line of the command's string.
        owner = FromHandlePermanent(::GetParent(header->hwndFrom));
        if (owner == NULL || !owner->IsKindOf(RUNTIME_CLASS(CToolBar)))
            owner = FromHandlePermanent(::GetDlgItem(m_hWnd, AFX_IDW_TOOLBAR));
        CControlBar* bar = owner && owner->IsKindOf(RUNTIME_CLASS(CControlBar)) ? static_cast<CControlBar*>(owner) : NULL;
        if (bar && !(bar->m_dwStyle & CBRS_TOOLTIPS))
            return FALSE;
        std::string text = AfxLoadString((UINT)header->idFrom);
        size_t newline = text.find('\n');
        text = newline == std::string::npos ? std::string() : text.substr(newline + 1);
        if (header->code == TTN_GETDISPINFOA)
        {
            NMTTDISPINFOA* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
            lstrcpynA(info->szText, text.c_str(), sizeof(info->szText));
            info->lpszText = info->szText;
        }
        else
        {
            NMTTDISPINFOW* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
            ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, info->szText, sizeof(info->szText) / sizeof(WCHAR));
            info->lpszText = info->szText;
        }
        *result = 0;
        return TRUE;
    }
    if (header->code == TBN_HOTITEMCHANGE && from && from->IsKindOf(RUNTIME_CLASS(CControlBar)) &&
        (static_cast<CControlBar*>(from)->m_dwStyle & CBRS_FLYBY))
    {
        // Fly-by: the hot button's prompt while the mouse is over it.
        NMTBHOTITEM* hot = reinterpret_cast<NMTBHOTITEM*>(lParam);
        SetMessageText((hot->dwFlags & HICF_LEAVING) ? (UINT)AFX_IDS_IDLEMESSAGE : (UINT)hot->idNew);
        *result = 0;
        return FALSE;
    }
    return FALSE;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* msg)
{
    if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST && m_hAccelTable &&
        ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, msg))
        return TRUE;
    return FALSE;
}

void CFrameWnd::OnUpdateFrameTitle(BOOL addToTitle)
{
    CDocument* doc = GetActiveDocument();
    if (addToTitle && (GetStyle() & FWS_ADDTOTITLE) && doc)
        UpdateFrameTitleForDocument(doc->GetTitle());
    else
        UpdateFrameTitleForDocument(NULL);
}

void CFrameWnd::UpdateFrameTitleForDocument(const char* docName)
{
    std::string text = m_strTitle;
    if (docName && *docName)
        text = (GetStyle() & FWS_PREFIXTITLE) ? std::string(docName) + " - " + m_strTitle : m_strTitle + " - " + docName;
    char current[512] = "";
    GetWindowText(current, sizeof(current));
    if (text != current)
        SetWindowText(text.c_str());
}

void CFrameWnd::OnDestroy()
{
    if (m_pViewActive)
        SetActiveView(NULL, FALSE);
    Default();
}

void CFrameWnd::OnClose()
{
    CDocument* doc = GetActiveDocument();
    if (doc && !doc->CanCloseFrame(this))
        return;
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this)
    {
        if (doc == NULL && !app->SaveAllModified())
            return;
        app->CloseAllDocuments(FALSE);
        // Documents closing take their frames with them; a frame without
        // a document goes itself.
        if (app->m_pMainWnd != this)
            return;
    }
    if (doc)
        doc->PreCloseFrame(this);
    DestroyWindow();
}

void CFrameWnd::OnSize(UINT type, int cx, int cy)
{
    Default();
    if (type != SIZE_MINIMIZED)
        RecalcLayout();
}

BOOL CFrameWnd::OnEraseBkgnd(CDC* dc)
{
    return (BOOL)Default();
}

void CFrameWnd::OnSetFocus(CWnd* oldWnd)
{
    if (m_pViewActive && m_pViewActive->m_hWnd)
        m_pViewActive->SetFocus();
    else
        Default();
}

void CFrameWnd::OnDropFiles(HDROP drop)
{
    SetActiveWindow();
    UINT count = ::DragQueryFileA(drop, 0xFFFFFFFF, NULL, 0);
    CWinApp* app = AfxGetApp();
    for (UINT i = 0; i < count && app; ++i)
    {
        char path[MAX_PATH];
        if (::DragQueryFileA(drop, i, path, sizeof(path)))
            app->OpenDocumentFile(path);
    }
    ::DragFinish(drop);
}

BOOL CFrameWnd::OnQueryEndSession()
{
    CWinApp* app = AfxGetApp();
    return app == NULL || app->m_pMainWnd != this || app->SaveAllModified();
}

void CFrameWnd::OnEndSession(BOOL ending)
{
    Default();
}
