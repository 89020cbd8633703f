// The main window keeps page changes, start-ups, re-applies, hand-overs and
// closing back while a script runs, and hands them on once the outermost
// script has returned.
#include "model/common/MessageReporter.h"
#include "player/Application.h"
#include "player/runtime/ScriptableObject.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Tarvex::CScriptableObject;

namespace {

bool TakeMessage(HWND window, UINT message, MSG& msg)
{
    return PeekMessageA(&msg, window, message, message, PM_REMOVE) != FALSE;
}

TEST(MainWnd, MessagesThatWouldTearDownThePageWaitForTheRunningScript)
{
    _Module.Init(NULL, GetModuleHandleA(NULL));
    CMainWnd mainWnd;
    HWND window = mainWnd.CreateMainWindow();
    ASSERT_NE(nullptr, window);
    MSG msg;
    // The start-up request is not wanted here: without a project it would close the window.
    while (TakeMessage(window, WM_PLAYER_STARTUP, msg))
    {
    }

    const struct
    {
        const char* name;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } cases[] = {
        { "close", WM_CLOSE, 0, 0 },
        { "page change", WM_PLAYER_CHANGEPAGE, 3, 77 },
        { "start-up", WM_PLAYER_STARTUP, 0, 0 },
        { "re-apply", WM_PLAYER_REAPPLY, 0, 0 },
        { "hand-over", WM_PLAYER_INSTANCENOTIFY, 0, 0 },
        { "next page", WM_PLAYER_NEXTPAGE, 1, 2 },
        { "previous page", WM_PLAYER_PREVPAGE, 0, 5 },
        { "display change", WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768) },
    };
    for (const auto& c : cases)
    {
        CScriptableObject::EnterRun();
        CScriptableObject::EnterRun();
        SendMessageA(window, c.message, c.wParam, c.lParam);
        EXPECT_TRUE(IsWindow(window)) << c.name;
        CScriptableObject::LeaveRun();
        EXPECT_FALSE(TakeMessage(window, c.message, msg)) << c.name << ": handed on by an inner script";
        CScriptableObject::LeaveRun();
        ASSERT_TRUE(TakeMessage(window, c.message, msg)) << c.name;
        EXPECT_EQ(c.wParam, msg.wParam) << c.name;
        EXPECT_EQ(c.lParam, msg.lParam) << c.name;
    }

    // Without a running script the window closes at once.
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
    {
    }
    _Module.Term();
}

HWND g_boxOwner;
std::vector<std::string> g_boxes;

// Stands in for the box, whose own message loop hands the window the
// hand-overs that arrive while it is up.
int WINAPI ShowBoxWhileHandOversArrive(HWND owner, const char* text, const char* caption, UINT flags)
{
    (void)owner;
    (void)caption;
    (void)flags;
    g_boxes.push_back(text);
    if (g_boxes.size() == 1)
    {
        for (int i = 0; i < 5; ++i)
            SendMessageA(g_boxOwner, WM_PLAYER_INSTANCENOTIFY, 0, 0);
    }
    return IDOK;
}

TEST(MainWnd, AnAppBarShowsOneAlreadyRunningBoxAtATime)
{
    _Module.Init(NULL, GetModuleHandleA(NULL));
    ScratchDir scratch;
    std::string path = scratch.File("bar.pqz");
    WriteArchive(path, { { "PGD", "bar.pgd", Content({ "[Main]", "title = Docked bar", "width = 60", "height = 40" }) } });
    CMainWnd mainWnd;
    HWND window = mainWnd.CreateMainWindow();
    ASSERT_NE(nullptr, window);
    MSG msg;
    while (TakeMessage(window, WM_PLAYER_STARTUP, msg))
    {
    }
    ASSERT_TRUE(mainWnd.SelectDataFile(path.c_str()));
    ASSERT_TRUE(mainWnd.ApplyDataFile(window, FALSE));

    g_boxOwner = window;
    g_boxes.clear();
    MessageReporterFn previous = SetMessageReporter(ShowBoxWhileHandOversArrive);
    SendMessageA(window, WM_PLAYER_INSTANCENOTIFY, 0, 0);
    EXPECT_EQ(std::vector<std::string>{ "Docked bar is already running." }, g_boxes);
    // Once it is gone, the next hand-over shows it again.
    SendMessageA(window, WM_PLAYER_INSTANCENOTIFY, 0, 0);
    EXPECT_EQ(2u, g_boxes.size());
    SetMessageReporter(previous);

    DestroyWindow(window);
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
    {
    }
    _Module.Term();
}

TEST(MainWnd, ATitleWithBackslashesStillFindsTheFirstCopy)
{
    _Module.Init(NULL, GetModuleHandleA(NULL));
    const char* titles[] = { "Unit\\copy", "Unit copy \\\\ twice\\" };
    for (const char* title : titles)
    {
        SCOPED_TRACE(title);
        CMainWnd first;
        CMainWnd second;
        HWND firstWindow = first.CreateMainWindow();
        HWND secondWindow = second.CreateMainWindow();
        ASSERT_NE(nullptr, firstWindow);
        ASSERT_NE(nullptr, secondWindow);
        SetWindowTextA(firstWindow, title);
        SetWindowTextA(secondWindow, title);
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        {
        }
        EXPECT_FALSE(first.CheckSingleInstance(title));
        EXPECT_TRUE(second.CheckSingleInstance(title));
        EXPECT_TRUE(TakeMessage(firstWindow, WM_PLAYER_INSTANCENOTIFY, msg)) << "the first copy is told";
        DestroyWindow(secondWindow);
        DestroyWindow(firstWindow);
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        {
        }
    }
    _Module.Term();
}

// Counts the positions set through Wine's shell.
int g_setPositions;

UINT_PTR WINAPI CountingShell(DWORD message, PAPPBARDATA data)
{
    if (message == ABM_SETPOS)
        ++g_setPositions;
    return SHAppBarMessage(message, data);
}

POINT g_pointer;

BOOL WINAPI PointerOfTheTest(POINT* point)
{
    *point = g_pointer;
    return TRUE;
}

RECT LeftEdge(int thickness)
{
    RECT rect = { 0, 0, thickness, GetSystemMetrics(SM_CYSCREEN) };
    return rect;
}

std::string RectText(const RECT& rect)
{
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom);
}

// The main window docked as the page's bar on the left edge, its shell
// counted and its pointer given by the test.
class DockedBar
{
public:
    explicit DockedBar(bool autoHide)
    {
        _Module.Init(NULL, GetModuleHandleA(NULL));
        std::vector<std::string> lines = { "[Main]", "title = Moving bar", "width = 100", "height = 50",
                                           "appbar = true", "position = left" };
        if (autoHide)
            lines.push_back("AppBar_AutoHide = true");
        WriteArchive(m_scratch.File("bar.pqz"), { { "PGD", "bar.pgd", Content(lines) } });
        window = mainWnd.CreateMainWindow();
        MSG msg;
        while (TakeMessage(window, WM_PLAYER_STARTUP, msg))
        {
        }
        CAppBarManager& manager = mainWnd.GetAppBarManager();
        manager.SetShell(CountingShell);
        manager.SetCursorSource(PointerOfTheTest);
        manager.SetSlideTimes(40, 20);
        g_pointer = { 500, 300 };
        EXPECT_TRUE(mainWnd.SelectDataFile(m_scratch.File("bar.pqz").c_str()));
        EXPECT_TRUE(mainWnd.ApplyDataFile(window, FALSE));
        ShowWindow(window, SW_SHOWNOACTIVATE);
    }
    ~DockedBar()
    {
        DestroyWindow(window);
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        {
        }
        _Module.Term();
    }
    RECT Rect() const
    {
        RECT rect = {};
        GetWindowRect(window, &rect);
        return rect;
    }

    CMainWnd mainWnd;
    HWND window = NULL;

private:
    ScratchDir m_scratch;
};

TEST(MainWnd, AMovedOrSizedBarDocksAgainOnceAndKeepsItsNewThickness)
{
    DockedBar bar(false);
    CAppBarManager& manager = bar.mainWnd.GetAppBarManager();
    ASSERT_TRUE(manager.IsRegistered());
    RECT rect = bar.Rect();
    RECT docked = LeftEdge(100);
    ASSERT_TRUE(EqualRect(&docked, &rect)) << RectText(rect);

    // Moved away, it comes back to its edge; its own move back docks it no
    // second time.
    g_setPositions = 0;
    SetWindowPos(bar.window, NULL, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    rect = bar.Rect();
    EXPECT_TRUE(EqualRect(&docked, &rect)) << RectText(rect);
    EXPECT_EQ(1, g_setPositions);

    // Sized to 120 and moved away at once, it docks at 120, and the shell's
    // next change of places keeps that thickness.
    SetWindowPos(bar.window, NULL, 300, 200, 120, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT wider = LeftEdge(120);
    rect = bar.Rect();
    EXPECT_TRUE(EqualRect(&wider, &rect)) << RectText(rect);
    EXPECT_EQ(120, manager.GetPlacement().width);
    SendMessageA(bar.window, WM_PLAYER_APPBARNOTIFY, ABN_POSCHANGED, 0);
    rect = bar.Rect();
    EXPECT_TRUE(EqualRect(&wider, &rect)) << RectText(rect);
}

TEST(MainWnd, AnAutoHideBarSlidesOutAndBackWithItsThickness)
{
    DockedBar bar(true);
    CAppBarManager& manager = bar.mainWnd.GetAppBarManager();
    RECT strip = LeftEdge(2);
    RECT docked = LeftEdge(100);
    RECT rect = bar.Rect();
    ASSERT_TRUE(EqualRect(&strip, &rect)) << "hidden once built: " << RectText(rect);
    for (int round = 0; round < 2; ++round)
    {
        SCOPED_TRACE(round);
        g_pointer = { 1, 300 };
        SendMessageA(bar.window, WM_TIMER, CAppBarManager::kShowTimer, 0);
        rect = bar.Rect();
        EXPECT_TRUE(EqualRect(&docked, &rect)) << "shown: " << RectText(rect);
        EXPECT_FALSE(manager.GetPlacement().hidden);
        EXPECT_EQ(100, manager.GetPlacement().width);
        g_pointer = { 500, 300 };
        HWND front = CreateWindowExA(0, "Static", "front", WS_POPUP | WS_VISIBLE, 400, 300, 40, 40, NULL, NULL,
                                     NULL, NULL);
        SetForegroundWindow(front);
        SendMessageA(bar.window, WM_TIMER, CAppBarManager::kHideTimer, 0);
        DestroyWindow(front);
        rect = bar.Rect();
        EXPECT_TRUE(EqualRect(&strip, &rect)) << "hidden: " << RectText(rect);
        EXPECT_EQ(100, manager.GetPlacement().width);
    }
}

} // namespace
