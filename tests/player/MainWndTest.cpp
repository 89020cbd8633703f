// The main window keeps page changes, start-ups, re-applies, hand-overs and
// closing back while a script runs, and hands them on once the outermost
// script has returned.
#include "player/Application.h"
#include "player/runtime/ScriptableObject.h"

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

} // namespace
