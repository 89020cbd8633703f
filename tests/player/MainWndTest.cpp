// The main window keeps page changes, start-ups, re-applies, hand-overs and
// closing back while a script runs, and hands them on once the outermost
// script has returned.
#include "model/common/MessageReporter.h"
#include "player/Application.h"
#include "player/runtime/ScriptableObject.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

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

} // namespace
