// CAppBarManager: docks the main window to one edge of the screen as a
// desktop app bar through the shell (SHAppBarMessage), keeps it on top when
// asked, and with auto-hide slides it to a 2-pixel strip and back.
#pragma once

#include <windows.h>
#include <shellapi.h>

// The shell's notification message of a registered bar.
const UINT WM_PLAYER_APPBARNOTIFY = WM_USER + 1010;

struct CAppBarPlacement
{
    BOOL autoHide;
    BOOL alwaysOnTop;
    BOOL hidden;    // the auto-hidden bar is slid away to its strip
    UINT edge;      // ABE_LEFT, ABE_TOP, ABE_RIGHT, ABE_BOTTOM
    int width;      // thickness of a left or right bar
    int height;     // thickness of a top or bottom bar
};

// The rectangle arithmetic of the bar, by edge.
// Keeps the side of rect at the edge and moves the opposite side so that
// the rectangle is thickness thick.
void CutToThickness(UINT edge, RECT& rect, int thickness);
// Stretches rect along the edge over the whole screen; returns the
// thickness it had across the edge.
int SpanEdge(UINT edge, RECT& rect, int screenWidth, int screenHeight);

// One slide of the bar: where it starts and how far it travels.
struct CSlidePath
{
    RECT start;
    int dx;
    int dy;
    BOOL grow;
};
CSlidePath PlanSlide(const RECT& current, const RECT& target);
// The top left corner after elapsed of duration milliseconds.
POINT SlidePoint(const CSlidePath& path, DWORD elapsed, DWORD duration);

typedef UINT_PTR (WINAPI *AppBarShellFn)(DWORD message, PAPPBARDATA data);
typedef BOOL (WINAPI *CursorPosFn)(POINT* point);

class CAppBarManager
{
public:
    enum
    {
        kHideTimer = 1,     // every 500 ms while shown: has the user left it?
        kShowTimer = 2,     // once, 50 ms after a hit test on the strip
    };

    CAppBarManager();
    ~CAppBarManager();

    // While it lives, the bar's moves and sizes are the manager's own (or
    // its owner's docking): they neither dock it again nor give it a new
    // thickness, which would feed on itself.
    class OwnMoves
    {
    public:
        explicit OwnMoves(CAppBarManager& manager) : m_manager(manager) { ++m_manager.m_ownMoves; }
        ~OwnMoves() { --m_manager.m_ownMoves; }

    private:
        OwnMoves(const OwnMoves&);
        OwnMoves& operator=(const OwnMoves&);
        CAppBarManager& m_manager;
    };
    BOOL IsMovingItself() const { return m_ownMoves > 0; }

    void SetWindow(HWND window) { m_window = window; }
    HWND GetWindow() const { return m_window; }

    // The placement the apply step starts from: the page's size, no
    // auto-hide, not on top, the right edge.
    void ResetPlacement(int width, int height);
    CAppBarPlacement& GetPlacement() { return m_placement; }
    const RECT& GetDockedRect() const { return m_docked; }
    BOOL IsRegistered() const { return m_registered; }

    BOOL Register();
    void Unregister();
    void QueryPos(RECT& rect);
    void SetPos(UINT edge, RECT& rect, BOOL move);
    void Place(RECT& rect);
    void NotifyWindowPosChanged();
    BOOL SetEdge(UINT edge);
    void SetAlwaysOnTop(BOOL on);
    BOOL SetAutoHide(BOOL on);
    BOOL IsEdgeFree(UINT edge);

    // Forwarded messages of the main window.
    void OnNotify(WPARAM wParam, LPARAM lParam);
    void OnMoveOrSize();
    void OnTimer(UINT_PTR id);
    void StartShowTimer();

    // Stand-ins for tests: the shell, the pointer position and the slide's
    // durations (a slide runs only when both are positive).
    void SetShell(AppBarShellFn shell) { m_shell = shell; }
    void SetCursorSource(CursorPosFn cursor) { m_cursor = cursor; }
    void SetSlideTimes(int hideMs, int showMs) { m_hideTime = hideMs; m_showTime = showMs; }
    BOOL IsDesktopRedrawPaused() const { return m_desktopRedrawPaused; }

private:
    UINT_PTR Message(DWORD message, UINT edge, RECT* rect = NULL, LPARAM lParam = 0);
    BOOL AutoHideOn();
    BOOL AutoHideOff();
    void Hide();
    void Show();
    void Slide(const RECT& target);
    void OnPosChanged();
    // Docks at the edge, the window's thickness across it.
    void DockWithWindowThickness();
    BOOL CursorInWindow();
    void PauseDesktopRedraw();
    void ResumeDesktopRedraw();

    HWND m_window;
    int m_hideTime;
    int m_showTime;
    BOOL m_registered;
    RECT m_docked;
    int m_savedWidth;
    int m_savedHeight;
    CAppBarPlacement m_placement;
    // The edge the shell holds this window as auto-hide bar of, -1 for none.
    int m_autoHideEdge;
    BOOL m_desktopRedrawPaused;
    // How many OwnMoves live.
    int m_ownMoves;
    AppBarShellFn m_shell;
    CursorPosFn m_cursor;
};
