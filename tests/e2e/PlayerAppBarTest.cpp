// Pages docked as desktop app bars: the edge, thickness and z-order from the
// page or the registry, auto-hide's strip, the hand-over box, and the way
// back and forth between bars and windows. Wine's shell reserves no space
// and tracks no auto-hide bar, so only our own rectangles are read.
#include "tests/e2e/PlayerProcess.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdlib.h>

namespace {

const char kTestKey[] = "Software\\TarvexAppBarTest";

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

std::string RectText(const RECT& rect)
{
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom);
}

// The bar's place on the whole screen, thickness thick at the edge.
RECT EdgeRect(const char* edge, int thickness)
{
    RECT rect = { 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) };
    std::string name = edge;
    if (name == "left")
        rect.right = rect.left + thickness;
    else if (name == "top")
        rect.bottom = rect.top + thickness;
    else if (name == "bottom")
        rect.top = rect.bottom - thickness;
    else
        rect.left = rect.right - thickness;
    return rect;
}

// Handles the messages of this thread's windows: the player waits on their
// answers when the foreground moves between it and them.
void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

// Polls until the window has the rectangle; the last one seen otherwise.
RECT WaitForRect(const PlayerProcess& player, const RECT& expected)
{
    DWORD start = GetTickCount();
    RECT rect = player.WindowRect();
    while (!EqualRect(&rect, &expected) && GetTickCount() - start < kPlayerWaitMs)
    {
        PumpMessages();
        Sleep(10);
        rect = player.WindowRect();
    }
    return rect;
}

void RemoveMainKey(CDataFile* page, const char* key)
{
    int index = page->FindKeyIndex(page->FindSection("Main") + 1, key);
    if (index >= 0)
        page->RemoveLine(index);
}

// Values under HKEY_CURRENT_USER of the test prefix, removed again.
class TestRegistryKey
{
public:
    TestRegistryKey() : m_key(NULL) { RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &m_key, NULL); }
    ~TestRegistryKey()
    {
        if (m_key)
            RegCloseKey(m_key);
        RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
    }
    void SetFlag(const char* name, DWORD value)
    {
        RegSetValueExA(m_key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    }
    void SetText(const char* name, const char* value)
    {
        RegSetValueExA(m_key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), (DWORD)strlen(value) + 1);
    }

private:
    HKEY m_key;
};

bool WaitForMessage(const PlayerProcess& player, const std::string& line)
{
    DWORD start = GetTickCount();
    for (;;)
    {
        std::vector<std::string> lines = player.Messages();
        if (std::find(lines.begin(), lines.end(), line) != lines.end())
            return true;
        if (GetTickCount() - start > kPlayerWaitMs)
            return false;
        Sleep(10);
    }
}

struct DockCase
{
    const char* name;
    const char* appbar;          // "absent", "true" or "false"
    const char* position;        // NULL: no key
    const char* onTop;           // NULL: no key
    bool fromRegistry;           // "flag" = "registry" naming kTestKey
    bool writeRegistry;          // the test key holds values (see below)
    const char* expectedEdge;    // NULL: shown as a window, not docked
    bool expectTopmost;
};

} // namespace

TEST(PlayerAppBar, PagesDockAtTheirEdgeWithThePagesOrTheRegistrysSettings)
{
    // The registry, when used, says: a bar on the top edge, not on top.
    const DockCase cases[] = {
        { "no appbar key: right edge, on top", "absent", NULL, NULL, false, false, "right", true },
        { "left", "true", "left", NULL, false, false, "left", true },
        { "top, not on top", "true", "top", "false", false, false, "top", false },
        { "bottom", "absent", "bottom", "true", false, false, "bottom", true },
        { "position of another case: right", "true", "Left", NULL, false, false, "right", true },
        { "registry overrides the page", "true", "left", "true", true, true, "top", false },
        { "flag without a key: the page's keys", "true", "left", NULL, true, false, "left", true },
        { "appbar false: a window", "false", "left", NULL, false, false, NULL, false },
    };
    const int width = 90;
    const int height = 70;
    for (const DockCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        TestRegistryKey* values = NULL;
        if (c.writeRegistry)
        {
            values = new TestRegistryKey;
            values->SetFlag("appbar", 1);
            values->SetFlag("OnTop", 0);
            values->SetText("Position", "top");
            values->SetFlag("AutoHide", 0);
        }
        ScratchDir scratch;
        ProjectArchive archive;
        CDataFile* page = archive.AddPage("tarvex.pgd", std::string("Dock ") + c.name, width, height);
        if (std::string(c.appbar) == "absent")
            RemoveMainKey(page, "appbar");
        else
            page->SetBool("Main", "appbar", std::string(c.appbar) == "true");
        if (c.position)
            page->SetString("Main", "position", c.position);
        if (c.onTop)
            page->SetBool("Main", "AppBar_AlwaysOnTop", std::string(c.onTop) == "true");
        if (c.fromRegistry)
        {
            page->SetString("Main", "flag", "registry");
            page->SetString("Main", "registryKey", kTestKey);
        }
        ASSERT_TRUE(archive.Write(scratch.File("tarvex.pqz")));
        PlayerProcess player;
        ASSERT_TRUE(player.Start(TarvexExePath(), Quoted(scratch.File("tarvex.pqz"))));
        ASSERT_NE(nullptr, player.WaitForWindow());

        if (c.expectedEdge)
        {
            std::string edge = c.expectedEdge;
            RECT expected = EdgeRect(c.expectedEdge, edge == "left" || edge == "right" ? width : height);
            RECT rect = WaitForRect(player, expected);
            EXPECT_TRUE(EqualRect(&expected, &rect)) << RectText(rect) << " for " << RectText(expected);
            EXPECT_EQ(0u, player.Style() & (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
            EXPECT_EQ((DWORD)WS_EX_TOOLWINDOW, player.ExStyle() & (WS_EX_TOOLWINDOW | WS_EX_APPWINDOW));
        }
        else
        {
            RECT rect = player.WindowRect();
            EXPECT_EQ(width + 2 * GetSystemMetrics(SM_CXBORDER), rect.right - rect.left);
            EXPECT_NEAR((GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2, rect.left, 1);
        }
        EXPECT_EQ(c.expectTopmost, (player.ExStyle() & WS_EX_TOPMOST) != 0);
        EXPECT_TRUE(player.Messages().empty());
        EXPECT_TRUE(player.Close());
        delete values;
    }
}

// A window of this test to take the foreground from the bar.
class ForegroundWindow
{
public:
    ForegroundWindow()
    {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(NULL);
        windowClass.lpszClassName = "TarvexAppBarTestFront";
        RegisterClassA(&windowClass);
        // Under the resting pointer, so that the display's focus stays with it.
        m_window = CreateWindowExA(0, windowClass.lpszClassName, "front", WS_POPUP | WS_VISIBLE,
                                   kRestingPointer.x - 30, kRestingPointer.y - 20, 60, 40, NULL, NULL,
                                   windowClass.hInstance, NULL);
    }
    ~ForegroundWindow() { DestroyWindow(m_window); }
    HWND Handle() const { return m_window; }

private:
    HWND m_window;
};

// Moves the pointer to and fro on (x, y) until the window has the
// rectangle: each move is one hit test, and the bar looks once after it.
RECT HoverUntilRect(const PlayerProcess& player, int x, int y, const RECT& expected)
{
    DWORD start = GetTickCount();
    RECT rect = player.WindowRect();
    for (int step = 0; !EqualRect(&rect, &expected) && GetTickCount() - start < kPlayerWaitMs; ++step)
    {
        SendPointerInput(x, y + step % 2);
        Sleep(100);
        rect = player.WindowRect();
    }
    return rect;
}

TEST(PlayerAppBar, AutoHideBarSlidesToItsStripAndBackWhenThePointerComes)
{
    ScratchDir scratch;
    ProjectArchive archive;
    CDataFile* page = archive.AddPage("tarvex.pgd", "Hiding bar", 100, 50);
    page->SetBool("Main", "appbar", TRUE);
    page->SetString("Main", "position", "left");
    page->SetBool("Main", "AppBar_AutoHide", TRUE);
    ASSERT_TRUE(archive.Write(scratch.File("tarvex.pqz")));
    PlayerProcess player;
    ASSERT_TRUE(player.Start(TarvexExePath(), Quoted(scratch.File("tarvex.pqz"))));
    ASSERT_NE(nullptr, player.WaitForWindow());

    RECT strip = EdgeRect("left", 2);
    RECT rect = WaitForRect(player, strip);
    EXPECT_TRUE(EqualRect(&strip, &rect)) << RectText(rect);
    // No other auto-hide bar holds the edge: the bar is on top.
    EXPECT_NE(0u, player.ExStyle() & WS_EX_TOPMOST);

    // The pointer on the strip brings the bar out whole.
    PointerRestorer restorer;
    RECT docked = EdgeRect("left", 100);
    rect = HoverUntilRect(player, 0, 300, docked);
    EXPECT_TRUE(EqualRect(&docked, &rect)) << RectText(rect);
    // It goes again once the pointer has left and another window is in front.
    {
        ForegroundWindow front;
        SendPointerInput(kRestingPointer.x, kRestingPointer.y);
        SetForegroundWindow(front.Handle());
        rect = WaitForRect(player, strip);
        EXPECT_TRUE(EqualRect(&strip, &rect)) << RectText(rect);
    }
    PumpMessages();
    EXPECT_TRUE(player.Close());
}

TEST(PlayerAppBar, SecondInstanceOfADockedBarShowsTheRunningBox)
{
    ScratchDir scratch;
    ProjectArchive archive;
    CDataFile* page = archive.AddPage("tarvex.pgd", "Docked show", 80, 60);
    RemoveMainKey(page, "appbar");
    ASSERT_TRUE(archive.Write(scratch.File("tarvex.pqz")));
    PlayerProcess first;
    ASSERT_TRUE(first.Start(TarvexExePath(), Quoted(scratch.File("tarvex.pqz"))));
    ASSERT_NE(nullptr, first.WaitForWindow());
    RECT docked = EdgeRect("right", 80);
    RECT rect = WaitForRect(first, docked);
    EXPECT_TRUE(EqualRect(&docked, &rect)) << RectText(rect);

    PlayerProcess second;
    ASSERT_TRUE(second.Start(TarvexExePath(), Quoted(scratch.File("tarvex.pqz"))));
    ASSERT_TRUE(second.WaitForExit());
    EXPECT_FALSE(second.SawVisibleWindow());
    ExpectBox("Docked show is already running.");
    EXPECT_TRUE(WaitForMessage(first, "Docked show\tDocked show is already running.\t0"));
    EXPECT_EQ(1u, first.Messages().size());
    EXPECT_TRUE(first.IsRunning());
    EXPECT_TRUE(first.Close());
}

TEST(PlayerAppBar, PagesChangeBetweenWindowAndBarAndABarOutlivesADisplayChange)
{
    ScratchDir scratch;
    ProjectArchive archive;
    archive.AddPage("tarvex.pgd", "Window page", 240, 160, 2);
    CDataFile* bar = archive.AddPage("page_2.pgd", "Bar page", 80, 60);
    bar->SetBool("Main", "appbar", TRUE);
    bar->SetString("Main", "position", "left");
    ASSERT_TRUE(archive.Write(scratch.File("tarvex.pqz")));
    PlayerProcess player;
    ASSERT_TRUE(player.Start(TarvexExePath(), Quoted(scratch.File("tarvex.pqz"))));
    ASSERT_NE(nullptr, player.WaitForWindow());
    ASSERT_TRUE(player.WaitForTitle("Window page"));

    RECT docked = EdgeRect("left", 80);
    ASSERT_TRUE(player.Post(WM_USER + 14));
    ASSERT_TRUE(player.WaitForTitle("Bar page"));
    RECT rect = WaitForRect(player, docked);
    EXPECT_TRUE(EqualRect(&docked, &rect)) << RectText(rect);
    // The window page's rectangle region would clip the bar.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(ERROR, player.GetRegion(region));
    DeleteObject(region);
    EXPECT_NE(0u, player.ExStyle() & WS_EX_TOPMOST);

    ASSERT_TRUE(player.Post(WM_USER + 15));
    ASSERT_TRUE(player.WaitForTitle("Window page"));
    // The title comes before the window kind: wait for its size and place.
    DWORD start = GetTickCount();
    do
    {
        Sleep(10);
        rect = player.WindowRect();
    } while ((rect.right - rect.left != 240 + 2 * GetSystemMetrics(SM_CXBORDER) ||
              abs(rect.left - (GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2) > 1) &&
             GetTickCount() - start < kPlayerWaitMs);
    EXPECT_EQ(240 + 2 * GetSystemMetrics(SM_CXBORDER), rect.right - rect.left);
    EXPECT_NEAR((GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2, rect.left, 1);
    EXPECT_EQ(0u, player.ExStyle() & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW));

    ASSERT_TRUE(player.Post(WM_USER + 14));
    ASSERT_TRUE(player.WaitForTitle("Bar page"));
    rect = WaitForRect(player, docked);
    ASSERT_TRUE(EqualRect(&docked, &rect)) << RectText(rect);
    ASSERT_TRUE(player.Post(WM_DISPLAYCHANGE, 24,
                            MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN))));
    // Handled in order: once the box shows, the display change is done.
    ExpectBox("Bar page is already running.");
    ASSERT_TRUE(player.Post(WM_USER + 13));
    EXPECT_TRUE(WaitForMessage(player, "Bar page\tBar page is already running.\t0"));
    rect = player.WindowRect();
    EXPECT_TRUE(EqualRect(&docked, &rect)) << RectText(rect);
    EXPECT_TRUE(player.IsVisible());
    EXPECT_TRUE(player.Close());
}
