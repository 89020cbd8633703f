// CWnd: a window is its handle plus forwards to the Win32 calls of the same
// name. One window procedure serves every window object: it finds the
// object in the handle map and walks its message map. The object is bound
// before WM_NCCREATE (our window classes and the controls we create alike)
// and unbound at the real, final WM_NCDESTROY only.
#pragma once

#include "platform/framework/CmdTarget.h"
#include "platform/framework/Gdi.h"
#include "platform/framework/Geometry.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

class CFrameWnd;
class CMenu;
class CScrollBar;
struct CCreateContext;

class CMenu : public CObject
{
    DECLARE_DYNAMIC(CMenu)
public:
    CMenu() : m_hMenu(NULL) {}
    ~CMenu() override { DestroyMenu(); }

    operator HMENU() const { return m_hMenu; }
    HMENU GetSafeHmenu() const { return m_hMenu; }
    static CMenu* FromHandle(HMENU menu);
    BOOL Attach(HMENU menu) { m_hMenu = menu; return menu != NULL; }
    HMENU Detach() { HMENU m = m_hMenu; m_hMenu = NULL; return m; }

    BOOL LoadMenu(UINT id);
    BOOL LoadMenu(const char* name);
    BOOL CreateMenu() { return Attach(::CreateMenu()); }
    BOOL CreatePopupMenu() { return Attach(::CreatePopupMenu()); }
    BOOL DestroyMenu();

    CMenu* GetSubMenu(int pos) const;
    int GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
    UINT GetMenuItemID(int pos) const { return ::GetMenuItemID(m_hMenu, pos); }
    UINT GetMenuState(UINT id, UINT flags) const { return ::GetMenuState(m_hMenu, id, flags); }
    int GetMenuString(UINT id, char* text, int size, UINT flags) const { return ::GetMenuStringA(m_hMenu, id, text, size, flags); }
    UINT EnableMenuItem(UINT id, UINT enable) { return ::EnableMenuItem(m_hMenu, id, enable); }
    DWORD CheckMenuItem(UINT id, UINT check) { return ::CheckMenuItem(m_hMenu, id, check); }
    BOOL CheckMenuRadioItem(UINT first, UINT last, UINT item, UINT flags) { return ::CheckMenuRadioItem(m_hMenu, first, last, item, flags); }
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const char* text = NULL) { return ::AppendMenuA(m_hMenu, flags, id, text); }
    BOOL InsertMenu(UINT pos, UINT flags, UINT_PTR id = 0, const char* text = NULL) { return ::InsertMenuA(m_hMenu, pos, flags, id, text); }
    BOOL ModifyMenu(UINT pos, UINT flags, UINT_PTR id = 0, const char* text = NULL) { return ::ModifyMenuA(m_hMenu, pos, flags, id, text); }
    BOOL DeleteMenu(UINT pos, UINT flags) { return ::DeleteMenu(m_hMenu, pos, flags); }
    BOOL RemoveMenu(UINT pos, UINT flags) { return ::RemoveMenu(m_hMenu, pos, flags); }
    BOOL SetDefaultItem(UINT item, BOOL byPos = FALSE) { return ::SetMenuDefaultItem(m_hMenu, item, byPos); }
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, const RECT* rect = NULL);

    HMENU m_hMenu;
};

class CWnd : public CCmdTarget
{
    DECLARE_DYNCREATE(CWnd)
public:
    CWnd();
    ~CWnd() override;

    // Handle map
    static CWnd* FromHandle(HWND window);           // a temporary object for unbound windows
    static CWnd* FromHandlePermanent(HWND window);  // NULL for unbound windows
    BOOL Attach(HWND window);
    HWND Detach();
    // Binds the object to an existing window and routes its messages here.
    BOOL SubclassWindow(HWND window);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();

    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // Creation. A failed creation is reported (through the message
    // reporter) and answers FALSE.
    virtual BOOL Create(const char* className, const char* windowName, DWORD style, const RECT& rect,
                        CWnd* parent, UINT id, CCreateContext* context = NULL);
    BOOL CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                  int width, int height, HWND parent, HMENU menuOrId, void* param = NULL);
    BOOL CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id, void* param = NULL);
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
    virtual BOOL DestroyWindow();
    // After the final WM_NCDESTROY, the object already unbound; windows
    // that own themselves (frames, views) delete themselves here.
    virtual void PostNcDestroy() {}

    // Dispatch
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of the message being handled.
    LRESULT Default();
    // FALSE from a handler gives the message its default processing after
    // the handler returns. Each dispatch has its own flag: a nested
    // SendMessage never changes the outer handler's.
    void SetMsgHandled(BOOL handled);
    BOOL IsMsgHandled() const;
    const MSG* GetCurrentMessage() const;

    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A control's parent sends the control its own notifications first.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    static BOOL ReflectChildNotify(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual BOOL PreTranslateMessage(MSG* msg);
    // PreTranslateMessage of the window and its parents up to stop.
    static BOOL WalkPreTranslateTree(HWND stop, MSG* msg);
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL deep = TRUE,
                                  BOOL onlyPermanent = FALSE);
    // Control bars answer the idle update of their items here.
    virtual void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) {}

    // Relatives
    CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
    CWnd* SetParent(CWnd* parent) { return FromHandle(::SetParent(m_hWnd, parent ? parent->m_hWnd : NULL)); }
    CWnd* GetOwner() const { return FromHandle(::GetWindow(m_hWnd, GW_OWNER)); }
    CWnd* GetTopLevelParent() const;
    CFrameWnd* GetParentFrame() const;
    CFrameWnd* GetTopLevelFrame() const;
    CWnd* GetWindow(UINT cmd) const { return FromHandle(::GetWindow(m_hWnd, cmd)); }
    CWnd* GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
    CWnd* GetDescendantWindow(int id, BOOL onlyPermanent = FALSE) const;
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    int SetDlgCtrlID(int id) { return (int)::SetWindowLongPtrA(m_hWnd, GWLP_ID, id); }
    BOOL IsChild(const CWnd* wnd) const { return ::IsChild(m_hWnd, wnd->m_hWnd); }
    static CWnd* GetFocus() { return FromHandle(::GetFocus()); }
    static CWnd* GetCapture() { return FromHandle(::GetCapture()); }
    static CWnd* GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
    static CWnd* GetForegroundWindow() { return FromHandle(::GetForegroundWindow()); }
    static CWnd* GetDesktopWindow() { return FromHandle(::GetDesktopWindow()); }
    static CWnd* WindowFromPoint(POINT p) { return FromHandle(::WindowFromPoint(p)); }

    // State and place
    BOOL IsWindow() const { return ::IsWindow(m_hWnd); }
    BOOL ShowWindow(int cmd) { return ::ShowWindow(m_hWnd, cmd); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL IsZoomed() const { return ::IsZoomed(m_hWnd); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, NULL, erase); }
    void InvalidateRect(const RECT* rect, BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, rect, erase); }
    void InvalidateRgn(CRgn* region, BOOL erase = TRUE) { ::InvalidateRgn(m_hWnd, (HRGN)region->m_hObject, erase); }
    void ValidateRect(const RECT* rect) { ::ValidateRect(m_hWnd, rect); }
    BOOL RedrawWindow(const RECT* rect = NULL, CRgn* region = NULL,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE)
    {
        return ::RedrawWindow(m_hWnd, rect, region ? (HRGN)region->m_hObject : NULL, flags);
    }
    // WM_SETREDRAW: drawing off while a control is refilled.
    void SetRedraw(BOOL redraw = TRUE) { ::SendMessageA(m_hWnd, WM_SETREDRAW, redraw, 0); }
    void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
    int GetWindowText(char* text, int size) const { return ::GetWindowTextA(m_hWnd, text, size); }
    int GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }
    void SetDlgItemText(int id, const char* text) { ::SetDlgItemTextA(m_hWnd, id, text); }
    int GetDlgItemText(int id, char* text, int size) const { return ::GetDlgItemTextA(m_hWnd, id, text, size); }
    DWORD GetStyle() const { return (DWORD)::GetWindowLongA(m_hWnd, GWL_STYLE); }
    DWORD GetExStyle() const { return (DWORD)::GetWindowLongA(m_hWnd, GWL_EXSTYLE); }
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0) { return ModifyLong(m_hWnd, GWL_STYLE, remove, add, flags); }
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0) { return ModifyLong(m_hWnd, GWL_EXSTYLE, remove, add, flags); }
    static BOOL ModifyStyle(HWND window, DWORD remove, DWORD add, UINT flags) { return ModifyLong(window, GWL_STYLE, remove, add, flags); }
    BOOL SetWindowPos(const CWnd* after, int x, int y, int cx, int cy, UINT flags)
    {
        return ::SetWindowPos(m_hWnd, after ? after->m_hWnd : NULL, x, y, cx, cy, flags);
    }
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE) { ::MoveWindow(m_hWnd, x, y, width, height, repaint); }
    void MoveWindow(const RECT* r, BOOL repaint = TRUE) { ::MoveWindow(m_hWnd, r->left, r->top, r->right - r->left, r->bottom - r->top, repaint); }
    void GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    void ClientToScreen(POINT* p) const { ::ClientToScreen(m_hWnd, p); }
    void ClientToScreen(RECT* r) const { ::MapWindowPoints(m_hWnd, NULL, (POINT*)r, 2); }
    void ScreenToClient(POINT* p) const { ::ScreenToClient(m_hWnd, p); }
    void ScreenToClient(RECT* r) const { ::MapWindowPoints(NULL, m_hWnd, (POINT*)r, 2); }
    void MapWindowPoints(CWnd* to, POINT* points, UINT count) const { ::MapWindowPoints(m_hWnd, to ? to->m_hWnd : NULL, points, count); }
    void MapWindowPoints(CWnd* to, RECT* r) const { ::MapWindowPoints(m_hWnd, to ? to->m_hWnd : NULL, (POINT*)r, 2); }
    void CenterWindow(CWnd* alternateOwner = NULL);
    int SetWindowRgn(HRGN region, BOOL redraw) { return ::SetWindowRgn(m_hWnd, region, redraw); }
    CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
    CWnd* SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
    BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
    void BringWindowToTop() { ::BringWindowToTop(m_hWnd); }
    CWnd* SetActiveWindow() { return FromHandle(::SetActiveWindow(m_hWnd)); }

    // Messages, timers, drawing
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const { return ::SendMessageA(m_hWnd, message, wParam, lParam); }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const { return ::PostMessageA(m_hWnd, message, wParam, lParam); }
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc = NULL) { return ::SetTimer(m_hWnd, id, elapse, proc); }
    BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }
    // The caller gives the DC back with ReleaseDC, which deletes the wrapper.
    CDC* GetDC();
    CDC* GetWindowDC();
    int ReleaseDC(CDC* dc);
    CDC* BeginPaint(PAINTSTRUCT* paint);
    void EndPaint(PAINTSTRUCT* paint);
    void SetFont(CFont* font, BOOL redraw = TRUE) { ::SendMessageA(m_hWnd, WM_SETFONT, (WPARAM)(font ? font->m_hObject : NULL), redraw); }
    CFont* GetFont() const { return CFont::FromHandle((HFONT)::SendMessageA(m_hWnd, WM_GETFONT, 0, 0)); }
    HICON SetIcon(HICON icon, BOOL big) { return (HICON)::SendMessageA(m_hWnd, WM_SETICON, big ? ICON_BIG : ICON_SMALL, (LPARAM)icon); }
    HICON GetIcon(BOOL big) const { return (HICON)::SendMessageA(m_hWnd, WM_GETICON, big ? ICON_BIG : ICON_SMALL, 0); }
    CMenu* GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }
    BOOL SetMenu(CMenu* menu) { return ::SetMenu(m_hWnd, menu ? menu->m_hMenu : NULL); }
    void DrawMenuBar() { ::DrawMenuBar(m_hWnd); }
    CMenu* GetSystemMenu(BOOL revert) const { return CMenu::FromHandle(::GetSystemMenu(m_hWnd, revert)); }
    void DragAcceptFiles(BOOL accept = TRUE) { ::DragAcceptFiles(m_hWnd, accept); }

    // Scrolling
    int SetScrollPos(int bar, int pos, BOOL redraw = TRUE) { return ::SetScrollPos(m_hWnd, bar, pos, redraw); }
    int GetScrollPos(int bar) const { return ::GetScrollPos(m_hWnd, bar); }
    void SetScrollRange(int bar, int minPos, int maxPos, BOOL redraw = TRUE) { ::SetScrollRange(m_hWnd, bar, minPos, maxPos, redraw); }
    BOOL SetScrollInfo(int bar, SCROLLINFO* info, BOOL redraw = TRUE) { info->cbSize = sizeof(SCROLLINFO); ::SetScrollInfo(m_hWnd, bar, info, redraw); return TRUE; }
    BOOL GetScrollInfo(int bar, SCROLLINFO* info, UINT mask = SIF_ALL) const { info->cbSize = sizeof(SCROLLINFO); info->fMask = mask; return ::GetScrollInfo(m_hWnd, bar, info); }
    void ShowScrollBar(UINT bar, BOOL show = TRUE) { ::ShowScrollBar(m_hWnd, bar, show); }
    void ScrollWindow(int dx, int dy, const RECT* rect = NULL, const RECT* clip = NULL) { ::ScrollWindow(m_hWnd, dx, dy, rect, clip); }

    // Through the message reporter, so tests never wait on a box.
    int MessageBox(const char* text, const char* caption = NULL, UINT type = MB_OK);

    HWND m_hWnd;

protected:
    // Default processing of each message; handlers call these for it.
    BOOL OnNcCreate(LPCREATESTRUCT cs) { return (BOOL)Default(); }
    int OnCreate(LPCREATESTRUCT cs) { return (int)Default(); }
    void OnDestroy() { Default(); }
    void OnNcDestroy() { Default(); }
    void OnClose() { Default(); }
    void OnSize(UINT type, int cx, int cy) { Default(); }
    void OnMove(int x, int y) { Default(); }
    void OnPaint() { Default(); }
    BOOL OnEraseBkgnd(CDC* dc) { return (BOOL)Default(); }
    void OnTimer(UINT_PTR id) { Default(); }
    void OnMouseMove(UINT keys, CPoint point) { Default(); }
    void OnLButtonDown(UINT keys, CPoint point) { Default(); }
    void OnLButtonUp(UINT keys, CPoint point) { Default(); }
    void OnLButtonDblClk(UINT keys, CPoint point) { Default(); }
    void OnRButtonDown(UINT keys, CPoint point) { Default(); }
    void OnRButtonUp(UINT keys, CPoint point) { Default(); }
    BOOL OnMouseWheel(UINT keys, short delta, CPoint point) { return (BOOL)Default(); }
    int OnMouseActivate(CWnd* topLevel, UINT hitTest, UINT message) { return (int)Default(); }
    void OnContextMenu(CWnd* wnd, CPoint point) { Default(); }
    void OnKeyDown(UINT ch, UINT repeat, UINT flags) { Default(); }
    void OnKeyUp(UINT ch, UINT repeat, UINT flags) { Default(); }
    void OnChar(UINT ch, UINT repeat, UINT flags) { Default(); }
    void OnSysKeyDown(UINT ch, UINT repeat, UINT flags) { Default(); }
    UINT OnGetDlgCode() { return (UINT)Default(); }
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) { return (BOOL)Default(); }
    void OnSetFocus(CWnd* oldWnd) { Default(); }
    void OnKillFocus(CWnd* newWnd) { Default(); }
    void OnHScroll(UINT code, UINT pos, CScrollBar* bar) { Default(); }
    void OnVScroll(UINT code, UINT pos, CScrollBar* bar) { Default(); }
    void OnDropFiles(HDROP drop) { Default(); }
    void OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu) { Default(); }
    void OnMenuSelect(UINT itemId, UINT flags, HMENU menu) { Default(); }
    void OnShowWindow(BOOL show, UINT status) { Default(); }
    void OnActivate(UINT state, CWnd* other, BOOL minimized) { Default(); }
    void OnActivateApp(BOOL active, DWORD threadId) { Default(); }
    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlType) { return (HBRUSH)Default(); }
    void OnDrawItem(int id, LPDRAWITEMSTRUCT item) { Default(); }
    void OnMeasureItem(int id, LPMEASUREITEMSTRUCT item) { Default(); }
    void OnGetMinMaxInfo(MINMAXINFO* info) { Default(); }
    LRESULT OnNcHitTest(CPoint point) { return Default(); }
    void OnSysCommand(UINT id, LPARAM lParam) { Default(); }
    void OnWindowPosChanged(WINDOWPOS* pos) { Default(); }
    void OnWindowPosChanging(WINDOWPOS* pos) { Default(); }
    BOOL OnQueryNewPalette() { return (BOOL)Default(); }
    void OnPaletteChanged(CWnd* focus) { Default(); }
    void OnCancelMode() { Default(); }
    void OnCaptureChanged(CWnd* wnd) { Default(); }
    void OnEnable(BOOL enable) { Default(); }
    BOOL OnQueryEndSession() { return (BOOL)Default(); }
    void OnEndSession(BOOL ending) { Default(); }
    void OnSettingChange(UINT flags, const char* section) { Default(); }

    DECLARE_MESSAGE_MAP()

public:
    // The window procedure of every bound window, and the creation hook
    // that binds an object to the window being created (dialogs use both).
    static LRESULT CALLBACK AfxWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static void HookWindowCreate(CWnd* wnd);
    static BOOL UnhookWindowCreate();  // FALSE when no window took the object

    // Set from the creation hook: the window is being destroyed for real.
    BOOL m_bDestroying;
    WNDPROC m_pfnSuper;  // the class's own procedure of a subclassed window

private:
    friend struct AfxDispatch;
    static BOOL ModifyLong(HWND window, int index, DWORD remove, DWORD add, UINT flags);
    struct AfxCurrentMessage* m_pCurrentMsg;

    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
};

class CScrollBar : public CWnd
{
    DECLARE_DYNAMIC(CScrollBar)
public:
    int GetScrollPos() const { return ::GetScrollPos(m_hWnd, SB_CTL); }
    int SetScrollPos(int pos, BOOL redraw = TRUE) { return ::SetScrollPos(m_hWnd, SB_CTL, pos, redraw); }
};

// The window class names the framework registers for frames and views;
// AfxRegisterWndClass gives a class of its own for other styles.
const char* AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = NULL, HBRUSH background = NULL, HICON icon = NULL);
extern const char AfxWndClassName[];          // plain windows
extern const char AfxFrameOrViewClassName[];  // frames and views (double-click, redraw on size)

// Temporary wrappers made by FromHandle live until this runs (at idle).
void AfxDeleteTempMaps();
