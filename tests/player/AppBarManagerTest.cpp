// The app bar's rectangles by edge, its slide, docking a real window
// through Wine's shell, and auto-hide driven by its timers with the pointer
// given by the test (Wine cannot move it). What Wine's shell does not do
// (track auto-hide bars, refuse them) comes from a small stand-in shell.
#include "player/AppBarManager.h"
#include "player/Application.h"
#include "model/common/MessageReporter.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

std::string RectText(const RECT& rect)
{
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom);
}

const char* EdgeName(UINT edge)
{
    static const char* const names[] = { "left", "top", "right", "bottom" };
    return edge < 4 ? names[edge] : "?";
}

TEST(AppBarRects, CutAndSpanByEdge)
{
    const struct
    {
        UINT edge;
        RECT cut;       // (10, 20, 110, 220) cut to 7
        RECT spanned;   // (10, 20, 110, 220) spread over a 640 x 480 screen
        int thickness;
    } cases[] = {
        { ABE_LEFT, { 10, 20, 17, 220 }, { 10, 0, 110, 480 }, 100 },
        { ABE_TOP, { 10, 20, 110, 27 }, { 0, 20, 640, 220 }, 200 },
        { ABE_RIGHT, { 103, 20, 110, 220 }, { 10, 0, 110, 480 }, 100 },
        { ABE_BOTTOM, { 10, 213, 110, 220 }, { 0, 20, 640, 220 }, 200 },
    };
    for (const auto& c : cases)
    {
        RECT cut = { 10, 20, 110, 220 };
        CutToThickness(c.edge, cut, 7);
        EXPECT_TRUE(EqualRect(&c.cut, &cut)) << EdgeName(c.edge) << ": " << RectText(cut);
        RECT spanned = { 10, 20, 110, 220 };
        EXPECT_EQ(c.thickness, SpanEdge(c.edge, spanned, 640, 480)) << EdgeName(c.edge);
        EXPECT_TRUE(EqualRect(&c.spanned, &spanned)) << EdgeName(c.edge) << ": " << RectText(spanned);
    }
}

TEST(AppBarRects, SlideStartsAndTravelsByEdge)
{
    // A 100-pixel bar and its 2-pixel strip on a 1000 x 800 screen; growing
    // starts at full size with only the strip's part on the screen.
    const struct
    {
        const char* name;
        RECT current;
        RECT target;
        BOOL grow;
        RECT start;
        POINT half;     // after 100 of 200 ms
        POINT end;      // where the moving stops, before the last resize
    } cases[] = {
        { "left hides", { 0, 0, 100, 800 }, { 0, 0, 2, 800 }, FALSE, { 0, 0, 100, 800 }, { -49, 0 }, { -98, 0 } },
        { "left shows", { 0, 0, 2, 800 }, { 0, 0, 100, 800 }, TRUE, { -98, 0, 2, 800 }, { -49, 0 }, { 0, 0 } },
        { "top shows", { 0, 0, 1000, 2 }, { 0, 0, 1000, 100 }, TRUE, { 0, -98, 1000, 2 }, { 0, -49 }, { 0, 0 } },
        { "right hides", { 900, 0, 1000, 800 }, { 998, 0, 1000, 800 }, FALSE, { 900, 0, 1000, 800 }, { 949, 0 },
          { 998, 0 } },
        { "right shows", { 998, 0, 1000, 800 }, { 900, 0, 1000, 800 }, TRUE, { 998, 0, 1098, 800 }, { 949, 0 },
          { 900, 0 } },
        { "bottom hides", { 0, 700, 1000, 800 }, { 0, 798, 1000, 800 }, FALSE, { 0, 700, 1000, 800 }, { 0, 749 },
          { 0, 798 } },
    };
    for (const auto& c : cases)
    {
        CSlidePath path = PlanSlide(c.current, c.target);
        EXPECT_EQ(c.grow, path.grow) << c.name;
        EXPECT_TRUE(EqualRect(&c.start, &path.start)) << c.name << ": " << RectText(path.start);
        POINT half = SlidePoint(path, 100, 200);
        EXPECT_EQ(c.half.x, half.x) << c.name;
        EXPECT_EQ(c.half.y, half.y) << c.name;
        POINT end = SlidePoint(path, 200, 200);
        EXPECT_EQ(c.end.x, end.x) << c.name;
        EXPECT_EQ(c.end.y, end.y) << c.name;
    }
}

// A top-level window of its own for the manager to dock.
class BarWindow
{
public:
    explicit BarWindow(HWND owner = NULL)
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.lpszClassName = "AppBarTestWindow";
        RegisterClassA(&wc);
        m_window = CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "bar", WS_POPUP, 300, 300, 50, 50, owner,
                                   NULL, wc.hInstance, NULL);
        ShowWindow(m_window, SW_SHOWNOACTIVATE);
    }
    ~BarWindow() { DestroyWindow(m_window); }
    HWND Handle() const { return m_window; }
    RECT Rect() const
    {
        RECT rect = {};
        GetWindowRect(m_window, &rect);
        return rect;
    }

private:
    HWND m_window;
};

RECT ScreenEdgeRect(UINT edge, int thickness)
{
    RECT rect = { 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) };
    CutToThickness(edge, rect, thickness);
    return rect;
}

void DockWithThickness(CAppBarManager& manager, HWND window, UINT edge, int thickness)
{
    manager.SetWindow(window);
    manager.ResetPlacement(thickness, thickness);
    manager.SetSlideTimes(40, 20);
    manager.SetEdge(edge);
}

TEST(AppBarManager, DocksARealWindowAtEachEdge)
{
    for (UINT edge = ABE_LEFT; edge <= ABE_BOTTOM; ++edge)
    {
        for (BOOL registered = FALSE; registered <= TRUE; ++registered)
        {
            SCOPED_TRACE(std::string(EdgeName(edge)) + (registered ? ", registered" : ""));
            BarWindow bar;
            CAppBarManager manager;
            manager.SetWindow(bar.Handle());
            manager.ResetPlacement(64, 48);
            if (registered)
            {
                EXPECT_TRUE(manager.Register());
            }
            EXPECT_TRUE(manager.SetEdge(edge));
            RECT expected = ScreenEdgeRect(edge, edge == ABE_LEFT || edge == ABE_RIGHT ? 64 : 48);
            RECT rect = bar.Rect();
            EXPECT_TRUE(EqualRect(&expected, &rect)) << RectText(rect);
            EXPECT_TRUE(EqualRect(&expected, &manager.GetDockedRect()));
            EXPECT_EQ(edge, manager.GetPlacement().edge);
            manager.Unregister();
            EXPECT_FALSE(manager.IsRegistered());
        }
    }
}

TEST(AppBarManager, AlwaysOnTopSetsAndClearsTopmost)
{
    BarWindow bar;
    CAppBarManager manager;
    manager.SetWindow(bar.Handle());
    for (BOOL on : { TRUE, FALSE, TRUE })
    {
        manager.SetAlwaysOnTop(on);
        EXPECT_EQ(on, (GetWindowLongA(bar.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
        EXPECT_EQ(on, manager.GetPlacement().alwaysOnTop);
    }
}

POINT g_pointer;

BOOL WINAPI PointerOfTheTest(POINT* point)
{
    *point = g_pointer;
    return TRUE;
}

TEST(AppBarManager, AutoHideSlidesToTheStripAndBackWhenThePointerComes)
{
    BarWindow bar;
    BarWindow other;
    BarWindow owned(bar.Handle());
    CAppBarManager manager;
    manager.SetCursorSource(PointerOfTheTest);
    g_pointer = { 500, 300 };
    DockWithThickness(manager, bar.Handle(), ABE_LEFT, 100);
    RECT docked = ScreenEdgeRect(ABE_LEFT, 100);
    RECT strip = ScreenEdgeRect(ABE_LEFT, 2);

    ASSERT_TRUE(manager.SetAutoHide(TRUE));
    RECT rect = bar.Rect();
    EXPECT_TRUE(EqualRect(&strip, &rect)) << RectText(rect);
    EXPECT_TRUE(manager.GetPlacement().hidden);

    // The show check looks once at the pointer: away from the strip, then on it.
    manager.OnTimer(CAppBarManager::kShowTimer);
    rect = bar.Rect();
    EXPECT_TRUE(EqualRect(&strip, &rect)) << "pointer away: " << RectText(rect);
    g_pointer = { 1, 300 };
    manager.OnTimer(CAppBarManager::kShowTimer);
    rect = bar.Rect();
    EXPECT_TRUE(EqualRect(&docked, &rect)) << "pointer on the strip: " << RectText(rect);
    EXPECT_FALSE(manager.GetPlacement().hidden);

    // The hide check keeps the bar while the pointer is on it, while it or
    // a window it owns is in front; it goes once another window is.
    const struct
    {
        const char* name;
        POINT pointer;
        HWND foreground;
        bool hides;
    } checks[] = {
        { "pointer on the bar", { 50, 300 }, other.Handle(), false },
        { "bar in front", { 500, 300 }, bar.Handle(), false },
        { "owned window in front", { 500, 300 }, owned.Handle(), false },
        { "another window in front", { 500, 300 }, other.Handle(), true },
    };
    for (const auto& c : checks)
    {
        g_pointer = c.pointer;
        SetForegroundWindow(c.foreground);
        ASSERT_EQ(c.foreground, GetForegroundWindow()) << c.name;
        manager.OnTimer(CAppBarManager::kHideTimer);
        rect = bar.Rect();
        const RECT& expected = c.hides ? strip : docked;
        EXPECT_TRUE(EqualRect(&expected, &rect)) << c.name << ": " << RectText(rect);
        EXPECT_EQ(c.hides, manager.GetPlacement().hidden != FALSE) << c.name;
    }
}

// Counts the positions set through Wine's shell.
int g_setPositions;

UINT_PTR WINAPI CountingAppBarMessage(DWORD message, PAPPBARDATA data)
{
    if (message == ABM_SETPOS)
        ++g_setPositions;
    return SHAppBarMessage(message, data);
}

LRESULT CALLBACK ForwardToManager(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PLAYER_APPBARNOTIFY)
    {
        reinterpret_cast<CAppBarManager*>(GetWindowLongPtrA(window, GWLP_USERDATA))->OnNotify(wParam, lParam);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Handles messages until none has come for a while (or at most two seconds).
void PumpUntilQuiet()
{
    DWORD start = GetTickCount();
    DWORD lastMessage = start;
    while (GetTickCount() - lastMessage < 300 && GetTickCount() - start < 2000)
    {
        MSG msg;
        if (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        {
            DispatchMessageA(&msg);
            lastMessage = GetTickCount();
        }
        else
            Sleep(5);
    }
}

TEST(AppBarManager, TwoRegisteredBarsSettleAfterTheShellsNotifications)
{
    BarWindow left;
    BarWindow top;
    CAppBarManager one;
    CAppBarManager two;
    for (auto pair : { std::make_pair(&left, &one), std::make_pair(&top, &two) })
    {
        SetWindowLongPtrA(pair.first->Handle(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pair.second));
        SetWindowLongPtrA(pair.first->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ForwardToManager));
        pair.second->SetShell(CountingAppBarMessage);
        pair.second->SetWindow(pair.first->Handle());
        pair.second->ResetPlacement(80, 60);
        ASSERT_TRUE(pair.second->Register());
    }
    g_setPositions = 0;
    one.SetEdge(ABE_LEFT);
    two.SetEdge(ABE_TOP);
    PumpUntilQuiet();
    // The shell tells each bar of the other's place; the answers settle
    // instead of calling each other on for ever.
    EXPECT_LE(g_setPositions, 4);
    RECT leftRect = left.Rect();
    RECT topRect = top.Rect();
    RECT overlap;
    EXPECT_FALSE(IntersectRect(&overlap, &leftRect, &topRect)) << RectText(leftRect) << " " << RectText(topRect);
    EXPECT_EQ(80, leftRect.right - leftRect.left);
    EXPECT_EQ(60, topRect.bottom - topRect.top);
    one.Unregister();
    two.Unregister();
}

// A shell that keeps one auto-hide bar per edge, as the desktop does, and
// can be told to refuse to give one up.
struct StandInShell
{
    HWND autoHideBars[4];
    bool refuseRelease;
    int releases;
    // Whether the watched manager had the desktop's redraw off at each
    // auto-hide bar taken.
    const CAppBarManager* watched;
    std::vector<bool> pausedAtTakes;
} g_shell;

UINT_PTR WINAPI StandInAppBarMessage(DWORD message, PAPPBARDATA data)
{
    UINT edge = data->uEdge & 3;
    switch (message)
    {
    case ABM_GETAUTOHIDEBAR:
        return (UINT_PTR)g_shell.autoHideBars[edge];
    case ABM_SETAUTOHIDEBAR:
        if (data->lParam)
        {
            if (g_shell.autoHideBars[edge])
                return FALSE;
            if (g_shell.watched)
                g_shell.pausedAtTakes.push_back(g_shell.watched->IsDesktopRedrawPaused() != FALSE);
            g_shell.autoHideBars[edge] = data->hWnd;
            return TRUE;
        }
        if (g_shell.refuseRelease || g_shell.autoHideBars[edge] != data->hWnd)
            return FALSE;
        g_shell.autoHideBars[edge] = NULL;
        ++g_shell.releases;
        return TRUE;
    default:
        return TRUE;
    }
}

// A bar docked through the stand-in shell, with a fresh shell, and hidden.
void DockAutoHidden(CAppBarManager& manager, HWND window, UINT edge, int thickness)
{
    g_shell = StandInShell();
    manager.SetShell(StandInAppBarMessage);
    DockWithThickness(manager, window, edge, thickness);
    ASSERT_TRUE(manager.SetAutoHide(TRUE));
}

TEST(AppBarManager, AnEdgeWithAnotherAutoHideBarKeepsTheBarDocked)
{
    g_shell = StandInShell();
    BarWindow first;
    BarWindow second;
    CAppBarManager one;
    CAppBarManager two;
    one.SetShell(StandInAppBarMessage);
    two.SetShell(StandInAppBarMessage);
    DockWithThickness(one, first.Handle(), ABE_TOP, 40);
    DockWithThickness(two, second.Handle(), ABE_TOP, 30);
    ASSERT_TRUE(one.SetAutoHide(TRUE));

    EXPECT_FALSE(two.IsEdgeFree(ABE_TOP));
    EXPECT_TRUE(two.IsEdgeFree(ABE_BOTTOM));
    EXPECT_FALSE(two.SetAutoHide(TRUE));
    EXPECT_FALSE(two.GetPlacement().autoHide);
    RECT docked = ScreenEdgeRect(ABE_TOP, 30);
    RECT rect = second.Rect();
    EXPECT_TRUE(EqualRect(&docked, &rect)) << RectText(rect);
}

TEST(AppBarManager, RemovingTheBarGivesItsAutoHideEdgeBack)
{
    BarWindow bar;
    CAppBarManager manager;
    DockAutoHidden(manager, bar.Handle(), ABE_RIGHT, 50);
    EXPECT_EQ(bar.Handle(), g_shell.autoHideBars[ABE_RIGHT]);
    // The next page resets the placement to the right edge before the
    // apply removes the bar: the edge held is the one given back.
    DockWithThickness(manager, bar.Handle(), ABE_LEFT, 50);
    manager.Unregister();
    EXPECT_EQ(nullptr, g_shell.autoHideBars[ABE_RIGHT]);
    EXPECT_EQ(1, g_shell.releases);
    EXPECT_TRUE(manager.IsEdgeFree(ABE_RIGHT));
}

TEST(AppBarManager, RedockingAnAutoHideBarKeepsTheDesktopStillUntilItHidesAgain)
{
    BarWindow bar;
    CAppBarManager manager;
    DockAutoHidden(manager, bar.Handle(), ABE_RIGHT, 50);

    g_shell.watched = &manager;
    EXPECT_TRUE(manager.SetEdge(ABE_RIGHT));
    g_shell.watched = NULL;
    // Given up, docked whole, taken again: the desktop redraws only then.
    EXPECT_EQ(1, g_shell.releases);
    EXPECT_EQ(std::vector<bool>{ true }, g_shell.pausedAtTakes);
    EXPECT_FALSE(manager.IsDesktopRedrawPaused());
    EXPECT_TRUE(manager.GetPlacement().autoHide);
    EXPECT_TRUE(manager.GetPlacement().hidden);
    RECT strip = ScreenEdgeRect(ABE_RIGHT, 2);
    RECT rect = bar.Rect();
    EXPECT_TRUE(EqualRect(&strip, &rect)) << RectText(rect);
}

const CAppBarManager* g_boxManager;
int g_boxes;
bool g_redrawPausedAtBox;

int WINAPI NoteBox(HWND, const char* text, const char* caption, UINT flags)
{
    (void)text;
    ++g_boxes;
    g_redrawPausedAtBox = g_boxManager->IsDesktopRedrawPaused() != FALSE;
    EXPECT_EQ(0, strncmp(caption, "Generic", 7)) << caption;
    EXPECT_EQ((UINT)MB_ICONWARNING, flags);
    return IDOK;
}

TEST(AppBarManager, RefusedAutoHideOffShowsTheBoxWithTheDesktopRedrawingAgain)
{
    BarWindow bar;
    CAppBarManager manager;
    DockAutoHidden(manager, bar.Handle(), ABE_BOTTOM, 60);
    g_shell.refuseRelease = true;

    g_boxManager = &manager;
    g_boxes = 0;
    g_redrawPausedAtBox = true;
    MessageReporterFn previous = SetMessageReporter(NoteBox);
    EXPECT_TRUE(manager.SetEdge(ABE_BOTTOM));
    SetMessageReporter(previous);

    EXPECT_EQ(1, g_boxes);
    EXPECT_FALSE(g_redrawPausedAtBox);
    EXPECT_FALSE(manager.IsDesktopRedrawPaused());
    EXPECT_TRUE(manager.GetPlacement().autoHide) << "the bar stays as it was";
    EXPECT_EQ(bar.Handle(), g_shell.autoHideBars[ABE_BOTTOM]);
}

} // namespace
