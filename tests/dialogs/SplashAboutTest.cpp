#include "authoring/AboutDlg.h"
#include "authoring/SplashWnd.h"
#include "resources/LumbrookConfigIds.h"
#include "tests/dialogs/DialogTests.h"
#include "tests/e2e/DialogDriver.h"

#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>

namespace
{
int g_splashDeleted = 0;

class CCountedSplash : public CSplashWnd
{
public:
    using CSplashWnd::CSplashWnd;
    ~CCountedSplash() override { ++g_splashDeleted; }
};

// The order windows are destroyed in, as the system sees it.
std::vector<HWND> g_destroyed;
LRESULT CALLBACK RecordDestroy(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_DESTROYWND)
        g_destroyed.push_back((HWND)wParam);
    return CallNextHookEx(NULL, code, wParam, lParam);
}

// Pumps messages until the splash is gone (bounded, not timed).
bool PumpUntilSplashGone()
{
    DWORD start = GetTickCount();
    while (CSplashWnd::Current() != NULL && GetTickCount() - start < 20000)
    {
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    }
    return CSplashWnd::Current() == NULL;
}

struct SplashCase
{
    const char* name;
    UINT displayMs;
    UINT message;        // 0: let the time run out
    bool toOtherWindow;  // the press reaches another window of the program
};

TEST(SplashTest, ShownThenGoneOnceBeforeItsOwner)
{
    HWND other = CreateWindowA("STATIC", "Busy", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, NULL, NULL, NULL, NULL);
    const SplashCase cases[] = {
        { "display time runs out", 50, 0, false },
        { "key on the splash", 600000, WM_KEYDOWN, false },
        { "click on the splash", 600000, WM_LBUTTONDOWN, false },
        { "right click on the splash", 600000, WM_RBUTTONDOWN, false },
        { "key while another window has the focus", 600000, WM_KEYDOWN, true },
        { "system key elsewhere", 600000, WM_SYSKEYDOWN, true },
    };
    for (const SplashCase& c : cases)
    {
        g_splashDeleted = 0;
        g_destroyed.clear();
        CCountedSplash* splash = new CCountedSplash(IDB_SPLASH, c.displayMs);
        ASSERT_TRUE(splash->ShowSplash(1.0f)) << c.name;
        HWND window = splash->m_hWnd;
        HWND owner = GetWindow(window, GW_OWNER);
        ASSERT_NE(nullptr, owner) << c.name;
        EXPECT_FALSE(IsWindowVisible(owner)) << c.name;
        EXPECT_TRUE(IsWindowVisible(window)) << c.name;
        EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) << c.name;
        RECT r;
        GetWindowRect(window, &r);
        EXPECT_EQ(400, r.right - r.left) << c.name;
        EXPECT_EQ(240, r.bottom - r.top) << c.name;

        HHOOK hook = SetWindowsHookExA(WH_CBT, RecordDestroy, NULL, GetCurrentThreadId());
        if (c.message != 0)
            PostMessageA(c.toOtherWindow ? other : window, c.message, c.message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, 0);
        EXPECT_TRUE(PumpUntilSplashGone()) << c.name;
        UnhookWindowsHookEx(hook);

        EXPECT_FALSE(IsWindow(window)) << c.name;
        EXPECT_FALSE(IsWindow(owner)) << c.name;
        EXPECT_EQ(1, g_splashDeleted) << c.name;
        EXPECT_EQ((std::vector<HWND>{ window, owner }), g_destroyed) << c.name << ": the splash once, then its owner";
        EXPECT_TRUE(IsWindow(other)) << c.name << ": start-up goes on";
    }
    DestroyWindow(other);
}

TEST(SplashTest, MissingPictureShowsNothing)
{
    g_splashDeleted = 0;
    CCountedSplash* splash = new CCountedSplash(9999, 100);
    EXPECT_FALSE(splash->ShowSplash(1.0f));
    EXPECT_EQ(1, g_splashDeleted);
    EXPECT_EQ(nullptr, CSplashWnd::Current());
}

class CreditsWindow
{
public:
    CreditsWindow()
    {
        m_parent = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100,
                                   NULL, NULL, NULL, NULL);
        CWnd* parent = CWnd::FromHandle(m_parent);
        m_credits.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), parent, 1054);
    }
    ~CreditsWindow() { DestroyWindow(m_parent); }

    CCreditStatic m_credits;

    void Steps(int count)
    {
        for (int i = 0; i < count; ++i)
            m_credits.SendMessage(WM_TIMER, CCreditStatic::kTimerId);
    }
    int CountColour(COLORREF colour)
    {
        HDC dc = GetDC(m_credits.m_hWnd);
        int found = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 200; ++x)
                if ((GetPixel(dc, x, y) & 0xFFFFFF) == colour)
                    ++found;
        ReleaseDC(m_credits.m_hWnd, dc);
        return found;
    }

private:
    HWND m_parent;
};

struct KindCase
{
    const char* name;
    const char* line;
    CCreditStatic::LineKind kind;
    COLORREF colour;   // a colour the line is drawn in
};

TEST(CreditsTest, EachLineKindIsDrawnInItsColour)
{
    const COLORREF kGroupTitleColour = RGB(0, 200, 0);
    const KindCase cases[] = {
        { "top-level title", "Lumbrook\t", CCreditStatic::kTitle, RGB(66, 66, 200) },
        { "top-level group", "Dunmarrow\n", CCreditStatic::kGroup, RGB(255, 255, 0) },
        { "group title", "Engineering\r", CCreditStatic::kGroupTitle, kGroupTitleColour },
        { "normal line", "Ada Pennick", CCreditStatic::kNormal, RGB(255, 255, 255) },
        { "picture", "300^", CCreditStatic::kPicture, RGB(200, 30, 40) },
    };
    for (const KindCase& c : cases)
    {
        EXPECT_EQ(c.kind, CCreditStatic::KindOf(c.line)) << c.name;
        CreditsWindow window;
        window.m_credits.SetColor(3, kGroupTitleColour);
        ASSERT_TRUE(window.m_credits.SetCredits(c.line, '|'));
        window.m_credits.SetSpeed(2);
        ASSERT_TRUE(window.m_credits.StartScrolling());
        window.Steps(30);
        EXPECT_GT(window.CountColour(c.colour), 0) << c.name;
    }
}

TEST(CreditsTest, EmptyLinesAreNormalLinesAndTheListStartsAgain)
{
    EXPECT_EQ(CCreditStatic::kNormal, CCreditStatic::KindOf(""));
    CreditsWindow window;
    ASSERT_TRUE(window.m_credits.SetCredits("A|||", '|'));
    EXPECT_EQ(4, window.m_credits.GetLineCount());
    ASSERT_TRUE(window.m_credits.StartScrolling());
    struct Case { int steps; int line; bool firstPass; };
    // Each line of the normal height holds for 14 steps (the counter
    // restarts when it reaches 15).
    const Case cases[] = { { 13, 0, true }, { 1, 1, true }, { 14, 2, true }, { 14, 3, true }, { 14, 0, false } };
    int total = 0;
    for (const Case& c : cases)
    {
        window.Steps(c.steps);
        total += c.steps;
        EXPECT_EQ(c.line, window.m_credits.GetCurrentLine()) << "after " << total << " steps";
        EXPECT_EQ(c.firstPass, window.m_credits.IsFirstPass()) << "after " << total << " steps";
    }

    CreditsWindow empty;
    EXPECT_FALSE(empty.m_credits.StartScrolling()) << "nothing to scroll";
    EXPECT_FALSE(empty.m_credits.SetCredits(NULL, '|'));
}

// Steps run one per timer tick inside the about box's modal loop.
std::vector<std::function<void(HWND)>> g_steps;
size_t g_step = 0;
void CALLBACK RunStep(HWND, UINT, UINT_PTR, DWORD)
{
    HWND about = FindProcessDialog(GetCurrentProcessId(), "About LumbrookConfig");
    if (about != NULL && g_step < g_steps.size())
        g_steps[g_step++](about);
}

TEST(AboutTest, CreditsStartOnceAndOkCloses)
{
    struct Run { bool creditsBefore; bool creditsAfter; };
    const Run runs[] = { { false, true }, { false, false } };
    int index = 0;
    for (const Run& run : runs)
    {
        CAboutDlg about;
        about.m_strTitle = "Title text";
        bool before = true, after = false, scrolling = false;
        std::string title;
        g_step = 0;
        g_steps = {
            [&](HWND d) { before = IsWindowVisible(GetDlgItem(d, IDC_ABOUT_CREDITS)) != FALSE;
                          title = DialogItemText(d, IDC_ABOUT_TITLE);
                          PostMessageA(d, WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, 5)); },
            [&](HWND d) { after = IsWindowVisible(GetDlgItem(d, IDC_ABOUT_CREDITS)) != FALSE;
                          scrolling = about.Credits().IsScrolling();
                          PressDialogButton(d, IDOK); },
        };
        UINT_PTR timer = SetTimer(NULL, 0, 20, RunStep);
        EXPECT_EQ(IDOK, about.DoModal()) << "run " << index;
        KillTimer(NULL, timer);
        EXPECT_EQ(run.creditsBefore, before) << "run " << index;
        EXPECT_EQ(run.creditsAfter, after) << "run " << index;
        EXPECT_EQ(run.creditsAfter, scrolling) << "run " << index;
        EXPECT_EQ("Title text", title);
        EXPECT_TRUE(CAboutDlg::CreditsShown());
        ++index;
    }
}
}
