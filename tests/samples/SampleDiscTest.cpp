// The main job as a user meets it: the sample disc's tarvex.exe plays the
// tarvex.pqz beside it; the pointer over the first page's button shows a
// hint, the button changes the page, three presses of the counter button
// reach the third page, whose Exit button ends the player.
#include "tests/e2e/EditorProcess.h"
#include "tests/e2e/PlayerProcess.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The hint's colour on the first page, as the screen gives it.
const DWORD kHintColour = 0xFFDC50;
const RECT kHintArea = { 40, 340, 440, 364 };
const POINT kNextButton = { 535, 351 };
// Inside the hint's rectangle, right of its text and below its glyphs.
const POINT kUnderTheHint = { 430, 361 };
const POINT kCountButton = { 100, 257 };
const RECT kCounterArea = { 40, 176, 300, 216 };

// A file of the disc folder, as Windows names it.
std::string DiscFile(const std::string& name)
{
    std::string path = std::string(SAMPLE_DISC) + "/" + name;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

std::string DiscPlayer()
{
    return DiscFile("tarvex.exe");
}

// The disc's archive and pictures in a project folder of their own.
bool CopyDiscProject(const ScratchDir& scratch)
{
    bool copied = CopyFileA(DiscFile("tarvex.pqz").c_str(), scratch.File("tarvex.pqz").c_str(), FALSE) &&
                  CreateDirectoryA(scratch.File("tarvex.dat").c_str(), NULL);
    for (const char* picture : { "backdrop.bmp", "tile.bmp", "logo.bmp" })
        copied = copied && CopyFileA(DiscFile(std::string("tarvex.dat/") + picture).c_str(),
                                     scratch.File(std::string("tarvex.dat\\") + picture).c_str(), FALSE);
    return copied;
}

ScreenPixels CaptureWindowClient(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    MapWindowPoints(window, NULL, reinterpret_cast<POINT*>(&client), 2);
    return CaptureScreen(client);
}

int CountColour(const ScreenPixels& pixels, const RECT& area, DWORD colour)
{
    int count = 0;
    for (int y = area.top; y < area.bottom && y < pixels.height; ++y)
        for (int x = area.left; x < area.right && x < pixels.width; ++x)
            if (pixels.At(x, y) == colour)
                ++count;
    return count;
}

ScreenPixels CaptureArea(const PlayerProcess& player, const RECT& area)
{
    RECT client = player.ClientRectOnScreen();
    RECT rect = { client.left + area.left, client.top + area.top, client.left + area.right,
                  client.top + area.bottom };
    return CaptureScreen(rect);
}

// Polls until the hint shows (or is gone); the client's pixels last seen.
ScreenPixels WaitForHint(const PlayerProcess& player, bool shown)
{
    DWORD start = GetTickCount();
    for (;;)
    {
        ScreenPixels pixels = player.CaptureClient();
        if ((CountColour(pixels, kHintArea, kHintColour) > 20) == shown || GetTickCount() - start > kPlayerWaitMs)
            return pixels;
        Sleep(50);
    }
}

// The client's pixels once the page is painted (the window is no longer of
// one colour, as it is before its first paint) and two looks in a row agree.
ScreenPixels WaitForStillClient(const PlayerProcess& player)
{
    ScreenPixels last = player.CaptureClient();
    WaitUntil([&] {
        ScreenPixels now = player.CaptureClient();
        bool painted = !now.pixels.empty() &&
                       std::any_of(now.pixels.begin(), now.pixels.end(), [&](DWORD p) { return p != now.pixels[0]; });
        bool still = painted && now.pixels == last.pixels;
        last = now;
        return still;
    }, kPlayerWaitMs);
    return last;
}

void Click(const PlayerProcess& player, POINT at)
{
    player.PointerAt(at.x, at.y);
    player.PostMouse(WM_MOUSEMOVE, at.x, at.y);
    player.PostMouse(WM_LBUTTONDOWN, at.x, at.y, MK_LBUTTON);
    player.PostMouse(WM_LBUTTONUP, at.x, at.y);
}

} // namespace

// The pointer rests at the screen's centre between tests.
struct PointerBack
{
    ~PointerBack() { SetCursorPos(512, 384); }
};

TEST(SampleDisc, PlaysItsPagesButtonsAndCounter)
{
    PointerBack pointerBack;
    PlayerProcess player;
    ASSERT_TRUE(player.Start(DiscPlayer()));
    ASSERT_NE(nullptr, player.WaitForWindow());
    ASSERT_TRUE(player.WaitForTitle("Tarvex sample"));
    // The strip under the hint is the page's picture blended with black; a
    // repaint of the hint alone blends it the same.
    ScreenPixels unhovered = WaitForStillClient(player);
    ASSERT_GT(unhovered.height, kUnderTheHint.y);
    const DWORD strip = unhovered.At(kUnderTheHint.x, kUnderTheHint.y);
    // Wine moves the mouse to the screen's pointer when the window shows, as
    // input, which the window takes after the messages posted to it; until
    // that move has come, it may take the pointer off the button again.
    // So the move to the button is posted until the hint shows.
    ScreenPixels hovered;
    player.PointerAt(kNextButton.x, kNextButton.y);
    WaitUntil([&] {
        player.PostMouse(WM_MOUSEMOVE, kNextButton.x, kNextButton.y);
        hovered = player.CaptureClient();
        return CountColour(hovered, kHintArea, kHintColour) > 20;
    }, kPlayerWaitMs);
    EXPECT_GT(CountColour(hovered, kHintArea, kHintColour), 20) << "OnMouseIn shows the hint";
    EXPECT_EQ(strip, hovered.At(kUnderTheHint.x, kUnderTheHint.y)) << std::hex << "under the hint";
    player.PointerAt(300, 300);
    ASSERT_TRUE(player.PostMouse(WM_MOUSEMOVE, 300, 300));
    ScreenPixels left = WaitForHint(player, false);
    EXPECT_LE(CountColour(left, kHintArea, kHintColour), 20) << "OnMouseOut clears it";
    EXPECT_EQ(strip, left.At(kUnderTheHint.x, kUnderTheHint.y)) << std::hex << "after the hint";
    EXPECT_TRUE(WaitUntil([&] { return player.CaptureClient().pixels == unhovered.pixels; }))
        << "the page looks as before the pointer came";

    Click(player, kNextButton);
    ASSERT_TRUE(player.WaitForTitle("Tarvex sample: a counter"));
    ScreenPixels before = CaptureArea(player, kCounterArea);
    Click(player, kCountButton);
    DWORD start = GetTickCount();
    while (CaptureArea(player, kCounterArea).pixels == before.pixels && GetTickCount() - start < kPlayerWaitMs)
        Sleep(50);
    EXPECT_NE(before.pixels, CaptureArea(player, kCounterArea).pixels) << "the counter shows the first press";
    EXPECT_EQ("Tarvex sample: a counter", player.Title()) << "one press stays on the page";

    Click(player, kCountButton);
    Click(player, kCountButton);
    ASSERT_TRUE(player.WaitForTitle("Tarvex sample: three presses"));

    Click(player, kNextButton);   // the Exit button sits where "Next page" was
    EXPECT_TRUE(player.WaitForExit());
    EXPECT_TRUE(player.Messages().empty());
}

TEST(SampleDisc, InTheEditorATextMovedWithAnArrowKeyAndBackLeavesTheViewAsItWas)
{
    ScratchDir scratch;
    ASSERT_TRUE(CopyDiscProject(scratch));
    const std::string saveQuestion = "Save changes to tarvex.pqz?";
    EditorProcess editor;
    editor.SetMessageAnswers(saveQuestion + "=NO\n");
    ASSERT_TRUE(editor.StartAndShow("\"" + scratch.File("tarvex.pqz") + "\""));
    ASSERT_TRUE(editor.WaitForTitle("tarvex.pqz - Quindle")) << editor.Title();

    // The tree names each page by its id, the page's title.
    std::vector<std::string> pages;
    for (const RemoteTreeItem& item : ReadTreeItems(editor.Tree()))
        pages.push_back(item.label);
    EXPECT_EQ((std::vector<std::string>{ "Tarvex sample", "Tarvex sample: a counter",
                                         "Tarvex sample: three presses" }),
              pages);

    HWND view = editor.PageView();
    ASSERT_NE(nullptr, view);
    // The translucent strip at the foot of the first page, where neither
    // the hint nor the button lies over it.
    const LPARAM strip = MAKELPARAM(20, 390);
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutA(view, WM_LBUTTONDOWN, MK_LBUTTON, strip, SMTO_NORMAL, kProgramWaitMs, &answer));
    ASSERT_TRUE(SendMessageTimeoutA(view, WM_LBUTTONUP, 0, strip, SMTO_NORMAL, kProgramWaitMs, &answer));
    // The whole view painted afresh, the selection's trackers with it. Two
    // equal looks alone may both come before a loaded editor paints: the
    // look is taken once the view has no part left to paint and the editor
    // has come back from painting it.
    InvalidateRect(view, NULL, FALSE);
    ASSERT_TRUE(WaitUntil([&] { return !GetUpdateRect(view, NULL, FALSE); }));
    ASSERT_TRUE(editor.Answers());
    ScreenPixels before = CaptureWindowClient(view);
    WaitUntil([&] {
        ScreenPixels now = CaptureWindowClient(view);
        bool still = now.pixels == before.pixels;
        before = now;
        return still;
    });
    ASSERT_GT(before.height, 400);

    const UINT keys[][2] = { { VK_UP, VK_DOWN }, { VK_RIGHT, VK_LEFT } };
    for (const auto& key : keys)
    {
        for (UINT k : key)
            ASSERT_TRUE(SendMessageTimeoutA(view, WM_KEYDOWN, k, 1, SMTO_NORMAL, kProgramWaitMs, &answer));
        EXPECT_TRUE(WaitUntil([&] { return CaptureWindowClient(view).pixels == before.pixels; }))
            << "moved by the key " << key[0] << " and back";
    }
    // The moves changed the project: leaving asks only whether to save it.
    ExpectBox(saveQuestion);
    EXPECT_TRUE(editor.Close());
}
