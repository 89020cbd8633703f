// Post Message: a window of the given class receives the message, and with
// no class (or one that no window has) every top-level window does.
#include "tests/player/ScriptFileBuilder.h"

#include "player/runtime/ScriptItem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using namespace Tarvex;

namespace {

// A registered message: Wine's broadcast passes over the private range
// (WM_USER and WM_APP messages reach only a window named directly).
const UINT kMessage = RegisterWindowMessageA("TarvexPostMessageTest");

struct Received
{
    HWND window;
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
};
std::vector<Received> g_received;
// Posted after the action's messages: once it is handled, so are they.
const UINT kMarker = RegisterWindowMessageA("TarvexPostMessageTestMarker");
bool g_markerHandled = false;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == kMessage)
        g_received.push_back(Received{ window, message, wparam, lparam });
    if (message == kMarker)
        g_markerHandled = true;
    return DefWindowProcA(window, message, wparam, lparam);
}

HWND MakeWindow(const char* className)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = RecordingProc;
    windowClass.hInstance = GetModuleHandleA(NULL);
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, className, "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, GetModuleHandleA(NULL), NULL);
}

// Pumps until both windows have had what was posted to them: both are this
// thread's, so their messages come before a marker posted after them.
void Pump(HWND window)
{
    g_markerHandled = false;
    PostMessageA(window, kMarker, 0, 0);
    MSG msg;
    while (!g_markerHandled && GetMessageA(&msg, NULL, 0, 0) > 0)
        DispatchMessageA(&msg);
}

int RunPostMessage(const char* windowClass, int wparam, long lparam)
{
    CDataFile file;
    ScriptFileBuilder builder(file);
    std::string section = builder.Add("PostMessage");
    file.SetString(section.c_str(), "WindowClass", windowClass);
    file.SetInt(section.c_str(), "Message", (int)kMessage);
    file.SetInt(section.c_str(), "Wparam", wparam);
    file.SetLong(section.c_str(), "Lparam", lparam);
    std::unique_ptr<CScriptItem> item(CreateScriptItem("PostMessage", section.c_str(), NULL));
    item->Load(file);
    return item->Execute();
}

TEST(PostMessageAction, ReachesTheClassOrEveryTopLevelWindow)
{
    HWND first = MakeWindow("TarvexPostTargetA");
    HWND second = MakeWindow("TarvexPostTargetB");
    ASSERT_TRUE(first && second);
    struct
    {
        const char* windowClass;
        std::vector<HWND> reached;
    } cases[] = {
        { "TarvexPostTargetB", { second } },
        { "", { first, second } },
        { "TarvexNoSuchWindowClass", { first, second } },
    };
    int number = 0;
    for (const auto& c : cases)
    {
        g_received.clear();
        ++number;
        EXPECT_EQ(ResultGoOn, RunPostMessage(c.windowClass, number, -number)) << c.windowClass;
        Pump(first);
        std::vector<HWND> reached;
        for (const Received& r : g_received)
        {
            reached.push_back(r.window);
            EXPECT_EQ((WPARAM)number, r.wparam) << c.windowClass;
            EXPECT_EQ((LPARAM)-number, r.lparam) << c.windowClass;
        }
        std::sort(reached.begin(), reached.end());
        std::vector<HWND> expected = c.reached;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(expected, reached) << "class \"" << c.windowClass << "\"";
    }
    DestroyWindow(first);
    DestroyWindow(second);
}

} // namespace
