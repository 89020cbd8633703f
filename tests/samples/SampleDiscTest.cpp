// The main job as a user meets it: the sample disc's tarvex.exe plays the
// tarvex.pqz beside it; the pointer over the first page's button shows a
// hint, the button changes the page, three presses of the counter button
// reach the third page, whose Exit button ends the player.
#include "tests/e2e/PlayerProcess.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The hint's colour on the first page, as the screen gives it.
const DWORD kHintColour = 0xFFDC50;
const RECT kHintArea = { 40, 340, 440, 364 };
const POINT kNextButton = { 535, 351 };
const POINT kCountButton = { 100, 257 };
const RECT kCounterArea = { 40, 176, 300, 216 };

std::string DiscPlayer()
{
    std::string path = std::string(SAMPLE_DISC) + "/tarvex.exe";
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
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

// Polls until the hint shows (or is gone); the count of hint pixels last seen.
int WaitForHint(const PlayerProcess& player, bool shown)
{
    DWORD start = GetTickCount();
    for (;;)
    {
        int count = CountColour(player.CaptureClient(), kHintArea, kHintColour);
        if ((count > 20) == shown || GetTickCount() - start > kPlayerWaitMs)
            return count;
        Sleep(50);
    }
}

void Click(const PlayerProcess& player, POINT at)
{
    player.PostMouse(WM_MOUSEMOVE, at.x, at.y);
    player.PostMouse(WM_LBUTTONDOWN, at.x, at.y, MK_LBUTTON);
    player.PostMouse(WM_LBUTTONUP, at.x, at.y);
}

} // namespace

TEST(SampleDisc, PlaysItsPagesButtonsAndCounter)
{
    PlayerProcess player;
    ASSERT_TRUE(player.Start(DiscPlayer()));
    ASSERT_NE(nullptr, player.WaitForWindow());
    ASSERT_TRUE(player.WaitForTitle("Tarvex sample"));
    // Wine moves the mouse to the screen's pointer when the window shows, as
    // input, which the window takes after the messages posted to it; until
    // that move has come, it may take the pointer off the button again.
    // So the move to the button is posted until the hint shows.
    int hint = 0;
    WaitUntil([&] {
        player.PostMouse(WM_MOUSEMOVE, kNextButton.x, kNextButton.y);
        hint = CountColour(player.CaptureClient(), kHintArea, kHintColour);
        return hint > 20;
    }, kPlayerWaitMs);
    EXPECT_GT(hint, 20) << "OnMouseIn shows the hint";
    ASSERT_TRUE(player.PostMouse(WM_MOUSEMOVE, 300, 300));
    EXPECT_LE(WaitForHint(player, false), 20) << "OnMouseOut clears it";

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
