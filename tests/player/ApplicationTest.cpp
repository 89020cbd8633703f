#include "player/Application.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<UINT> g_dispatched;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_APP)
        g_dispatched.push_back(message);
    return DefWindowProcA(window, message, wParam, lParam);
}

class ConsumingApplication : public CApplication
{
public:
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message >= WM_APP)
            offered.push_back(msg->message);
        return msg->message != WM_APP + 1;
    }
    std::vector<UINT> offered;
};

} // namespace

TEST(Application, RunOffersEveryMessageAndDispatchesOnlyWhatIsLetThrough)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "ApplicationTestWindow";
    ASSERT_NE(0, RegisterClassA(&wc));
    HWND window = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, wc.hInstance, NULL);
    ASSERT_NE(nullptr, window);

    PostMessageA(window, WM_APP + 1, 0, 0);
    PostMessageA(window, WM_APP + 2, 0, 0);
    PostQuitMessage(7);
    ConsumingApplication application;
    EXPECT_EQ(7, application.Run());
    EXPECT_EQ((std::vector<UINT>{ WM_APP + 1, WM_APP + 2 }), application.offered);
    EXPECT_EQ(std::vector<UINT>{ WM_APP + 2 }, g_dispatched);
    DestroyWindow(window);
}
