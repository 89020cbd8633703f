#include "player/AppBarManager.h"

#include "player/Application.h"

namespace {

const int kStripThickness = 2;
const UINT kHideCheckMs = 500;
const UINT kShowCheckMs = 50;

BOOL IsSideEdge(UINT edge)
{
    return edge == ABE_LEFT || edge == ABE_RIGHT;
}

RECT ScreenRect()
{
    RECT screen = { 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) };
    return screen;
}

void SetWindowRect(HWND window, const RECT& rect, UINT flags)
{
    SetWindowPos(window, NULL, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, flags);
}

} // namespace

void CutToThickness(UINT edge, RECT& rect, int thickness)
{
    switch (edge)
    {
    case ABE_LEFT:
        rect.right = rect.left + thickness;
        break;
    case ABE_TOP:
        rect.bottom = rect.top + thickness;
        break;
    case ABE_RIGHT:
        rect.left = rect.right - thickness;
        break;
    case ABE_BOTTOM:
        rect.top = rect.bottom - thickness;
        break;
    }
}

int SpanEdge(UINT edge, RECT& rect, int screenWidth, int screenHeight)
{
    if (IsSideEdge(edge))
    {
        rect.top = 0;
        rect.bottom = screenHeight;
        return rect.right - rect.left;
    }
    rect.left = 0;
    rect.right = screenWidth;
    return rect.bottom - rect.top;
}

CSlidePath PlanSlide(const RECT& current, const RECT& target)
{
    CSlidePath path;
    path.grow = (target.bottom - target.top) > (current.bottom - current.top) ||
                (target.right - target.left) > (current.right - current.left);
    path.dx = (target.left + target.right) - (current.left + current.right);
    path.dy = (target.top + target.bottom) - (current.top + current.bottom);
    if (path.grow)
    {
        path.start = target;
        OffsetRect(&path.start, -path.dx, -path.dy);
    }
    else
        path.start = current;
    return path;
}

POINT SlidePoint(const CSlidePath& path, DWORD elapsed, DWORD duration)
{
    POINT point = { path.start.left + (LONG)((int)elapsed * path.dx / (int)duration),
                    path.start.top + (LONG)((int)elapsed * path.dy / (int)duration) };
    return point;
}

CAppBarManager::CAppBarManager()
    : m_window(NULL), m_hideTime(400), m_showTime(200), m_registered(FALSE), m_docked(), m_savedWidth(0),
      m_savedHeight(0), m_placement(), m_autoHideEdge(-1), m_desktopRedrawPaused(FALSE), m_ownMoves(0),
      m_shell(SHAppBarMessage), m_cursor(GetCursorPos)
{
}

CAppBarManager::~CAppBarManager()
{
    Unregister();
}

UINT_PTR CAppBarManager::Message(DWORD message, UINT edge, RECT* rect, LPARAM lParam)
{
    APPBARDATA data = {};
    data.cbSize = sizeof(data);
    data.hWnd = m_window;
    data.uCallbackMessage = WM_PLAYER_APPBARNOTIFY;
    data.uEdge = edge;
    data.lParam = lParam;
    if (rect)
        data.rc = *rect;
    UINT_PTR result = m_shell(message, &data);
    if (rect)
        *rect = data.rc;
    return result;
}

void CAppBarManager::ResetPlacement(int width, int height)
{
    m_placement.width = width;
    m_placement.height = height;
    m_placement.autoHide = FALSE;
    m_placement.alwaysOnTop = FALSE;
    m_placement.edge = ABE_RIGHT;
    // A page left while slid away would otherwise never take its thickness
    // again, and the old page's checks would go on ticking.
    m_placement.hidden = FALSE;
    if (m_window)
    {
        KillTimer(m_window, kHideTimer);
        KillTimer(m_window, kShowTimer);
    }
}

BOOL CAppBarManager::Register()
{
    m_registered = Message(ABM_NEW, m_placement.edge) == TRUE;
    return m_registered;
}

void CAppBarManager::Unregister()
{
    // The shell would go on holding this window as the edge's auto-hide bar
    // and refuse auto-hide to the next page docked there.
    if (m_autoHideEdge >= 0)
    {
        if ((HWND)Message(ABM_GETAUTOHIDEBAR, (UINT)m_autoHideEdge) == m_window)
            Message(ABM_SETAUTOHIDEBAR, (UINT)m_autoHideEdge, NULL, FALSE);
        m_autoHideEdge = -1;
    }
    if (!m_window)
        return;
    if (Message(ABM_REMOVE, m_placement.edge) == TRUE)
        m_registered = FALSE;
}

void CAppBarManager::QueryPos(RECT& rect)
{
    UINT edge = m_placement.edge;
    int thickness = SpanEdge(edge, rect, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    Message(ABM_QUERYPOS, edge, &rect);
    CutToThickness(edge, rect, thickness);
}

void CAppBarManager::SetPos(UINT edge, RECT& rect, BOOL move)
{
    m_placement.edge = edge;
    QueryPos(rect);
    Message(ABM_SETPOS, edge, &rect);
    if (move)
    {
        OwnMoves self(*this);
        MoveWindow(m_window, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
    }
    if (!m_placement.autoHide)
        m_docked = rect;
}

void CAppBarManager::Place(RECT& rect)
{
    QueryPos(rect);
    OwnMoves self(*this);
    MoveWindow(m_window, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

void CAppBarManager::NotifyWindowPosChanged()
{
    Message(ABM_WINDOWPOSCHANGED, m_placement.edge);
}

BOOL CAppBarManager::SetEdge(UINT edge)
{
    RECT rect = ScreenRect();
    BOOL wasAutoHide = m_placement.autoHide;
    if (wasAutoHide)
    {
        PauseDesktopRedraw();
        SetAutoHide(FALSE);
    }
    CutToThickness(edge, rect, IsSideEdge(edge) ? m_placement.width : m_placement.height);
    SetPos(edge, rect, TRUE);
    if (wasAutoHide)
    {
        SetAutoHide(TRUE);
        // On every path, also after the refusal's box: a desktop left
        // without redraw shows no window at all.
        ResumeDesktopRedraw();
        RedrawWindow(GetDesktopWindow(), NULL, NULL, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    m_placement.edge = edge;
    return TRUE;
}

void CAppBarManager::SetAlwaysOnTop(BOOL on)
{
    SetWindowPos(m_window, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    m_placement.alwaysOnTop = on;
}

BOOL CAppBarManager::SetAutoHide(BOOL on)
{
    return on ? AutoHideOn() : AutoHideOff();
}

BOOL CAppBarManager::IsEdgeFree(UINT edge)
{
    return Message(ABM_GETAUTOHIDEBAR, edge) == 0;
}

BOOL CAppBarManager::AutoHideOn()
{
    UINT edge = m_placement.edge;
    if (Message(ABM_GETAUTOHIDEBAR, edge) != 0)
        return FALSE;
    if (!Message(ABM_SETAUTOHIDEBAR, edge, NULL, TRUE))
        return FALSE;
    m_autoHideEdge = (int)edge;
    m_placement.autoHide = TRUE;
    m_savedWidth = m_placement.width;
    m_savedHeight = m_placement.height;
    Hide();
    return TRUE;
}

BOOL CAppBarManager::AutoHideOff()
{
    UINT edge = m_placement.edge;
    if ((HWND)Message(ABM_GETAUTOHIDEBAR, edge) != m_window)
        return FALSE;
    if (!Message(ABM_SETAUTOHIDEBAR, edge, NULL, FALSE))
    {
        DWORD error = GetLastError();
        // The box would not show on a desktop whose redraw is still off.
        ResumeDesktopRedraw();
        SetLastError(error);
        ShowLastErrorBox(__LINE__, "AppBarManager.cpp");
        return FALSE;
    }
    m_autoHideEdge = -1;
    m_placement.autoHide = FALSE;
    // Docked at full thickness below, the bar is no longer slid away.
    m_placement.hidden = FALSE;
    m_placement.width = m_savedWidth;
    m_placement.height = m_savedHeight;
    SetEdge(edge);
    return TRUE;
}

void CAppBarManager::Hide()
{
    if (!m_placement.autoHide)
        return;
    RECT target = m_docked;
    CutToThickness(m_placement.edge, target, kStripThickness);
    m_placement.hidden = TRUE;
    Slide(target);
}

void CAppBarManager::Show()
{
    Slide(m_docked);
    m_placement.hidden = FALSE;
    if (m_placement.autoHide)
        SetTimer(m_window, kHideTimer, kHideCheckMs, NULL);
}

void CAppBarManager::Slide(const RECT& target)
{
    OwnMoves self(*this);
    if (m_hideTime > 0 && m_showTime > 0)
    {
        RECT current;
        GetWindowRect(m_window, &current);
        CSlidePath path = PlanSlide(current, target);
        DWORD duration = (DWORD)m_hideTime;
        if (path.grow)
        {
            SetWindowRect(m_window, path.start, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
            duration = (DWORD)m_showTime;
        }
        HANDLE thread = GetCurrentThread();
        int oldPriority = GetThreadPriority(thread);
        SetThreadPriority(thread, THREAD_PRIORITY_HIGHEST);
        DWORD start = GetTickCount();
        HWND updated = path.grow ? m_window : GetDesktopWindow();
        // Elapsed time, not an end tick: the end would wrap to the past
        // when the tick count is near its limit.
        for (DWORD elapsed; (elapsed = GetTickCount() - start) < duration;)
        {
            POINT corner = SlidePoint(path, elapsed, duration);
            SetWindowPos(m_window, NULL, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            UpdateWindow(updated);
        }
        SetThreadPriority(thread, oldPriority);
    }
    SetWindowRect(m_window, target, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CAppBarManager::OnNotify(WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    if (wParam == ABN_POSCHANGED)
        OnPosChanged();
}

void CAppBarManager::OnPosChanged()
{
    UINT edge = m_placement.edge;
    if (m_placement.autoHide)
    {
        m_docked = ScreenRect();
        CutToThickness(edge, m_docked, IsSideEdge(edge) ? m_savedWidth : m_savedHeight);
    }
    DockWithWindowThickness();
}

void CAppBarManager::OnMoveOrSize()
{
    // A move of its own docking or slide: docking again from it would move
    // the bar once more, and a slide would snap back to the docked place.
    if (!m_registered || IsMovingItself())
        return;
    // From the edge, not from where the window went: the shell only cuts a
    // rectangle, it never brings one back to its edge.
    DockWithWindowThickness();
}

void CAppBarManager::DockWithWindowThickness()
{
    RECT rect = ScreenRect();
    UINT edge = m_placement.edge;
    RECT window;
    GetWindowRect(m_window, &window);
    CutToThickness(edge, rect, IsSideEdge(edge) ? window.right - window.left : window.bottom - window.top);
    SetPos(edge, rect, TRUE);
}

BOOL CAppBarManager::CursorInWindow()
{
    POINT cursor;
    RECT window;
    return m_cursor(&cursor) && GetWindowRect(m_window, &window) && PtInRect(&window, cursor);
}

void CAppBarManager::OnTimer(UINT_PTR id)
{
    if (id == kHideTimer)
    {
        if (!m_placement.autoHide || m_placement.hidden || CursorInWindow())
            return;
        HWND foreground = GetForegroundWindow();
        if (!foreground || foreground == m_window || ::GetWindow(foreground, GW_OWNER) == m_window)
            return;
        KillTimer(m_window, kHideTimer);
        Hide();
    }
    else if (id == kShowTimer)
    {
        KillTimer(m_window, kShowTimer);
        if (m_placement.autoHide && m_placement.hidden && CursorInWindow())
            Show();
    }
}

void CAppBarManager::StartShowTimer()
{
    if (m_placement.autoHide && m_placement.hidden)
        SetTimer(m_window, kShowTimer, kShowCheckMs, NULL);
}

void CAppBarManager::PauseDesktopRedraw()
{
    SendMessageA(GetDesktopWindow(), WM_SETREDRAW, FALSE, 0);
    m_desktopRedrawPaused = TRUE;
}

void CAppBarManager::ResumeDesktopRedraw()
{
    if (!m_desktopRedrawPaused)
        return;
    SendMessageA(GetDesktopWindow(), WM_SETREDRAW, TRUE, 0);
    m_desktopRedrawPaused = FALSE;
}
