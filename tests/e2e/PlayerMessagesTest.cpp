// Driving a running player from outside: page messages and a second
// instance of the same presentation.
#include "tests/e2e/PlayerProcess.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

bool StartPresentation(PlayerProcess& player, const ScratchDir& scratch, const char* archiveName,
                       const std::vector<const char*>& titles)
{
    ProjectArchive archive;
    for (size_t i = 0; i < titles.size(); ++i)
        archive.AddPage(i == 0 ? "tarvex.pgd" : "page_" + std::to_string(i + 1) + ".pgd", titles[i]);
    std::string path = scratch.File(archiveName);
    return archive.Write(path) && player.Start(TarvexExePath(), Quoted(path)) && player.WaitForWindow() != NULL;
}

} // namespace

TEST(PlayerMessages, NextAndPreviousPageWrapAround)
{
    ScratchDir scratch;
    PlayerProcess player;
    ASSERT_TRUE(StartPresentation(player, scratch, "pages.pqz", { "A", "B", "C" }));
    ASSERT_TRUE(player.WaitForTitle("A"));

    struct Step
    {
        UINT message;
        const char* title;
    };
    const Step steps[] = {
        { WM_USER + 14, "B" }, { WM_USER + 14, "C" }, { WM_USER + 14, "A" },
        { WM_USER + 15, "C" }, { WM_USER + 15, "B" },
    };
    for (const Step& step : steps)
    {
        std::string from = player.Title();
        SCOPED_TRACE(from + " -> " + step.title);
        ASSERT_TRUE(player.Post(step.message));
        EXPECT_TRUE(player.WaitForTitle(step.title)) << "now " << player.Title();
    }
    // The title comes with the page, the window shows a moment later.
    EXPECT_TRUE(WaitUntil([&] { return player.IsVisible(); }));
    EXPECT_TRUE(player.Messages().empty());
    ASSERT_TRUE(player.Close());
}

TEST(PlayerMessages, ForeignChangePageAndReapplyKeepThePage)
{
    ScratchDir scratch;
    PlayerProcess player;
    ASSERT_TRUE(StartPresentation(player, scratch, "pages.pqz", { "A", "B" }));
    ASSERT_TRUE(player.WaitForTitle("A"));

    // A page-change request whose lParam no script of the player made
    // changes nothing; the next-page request after it shows it was handled.
    ASSERT_TRUE(player.Post(WM_USER + 10, 0, 0x00401000));
    ASSERT_TRUE(player.Post(WM_USER + 10, 0, 0));
    ASSERT_TRUE(player.Post(WM_USER + 14));
    EXPECT_TRUE(player.WaitForTitle("B")) << "now " << player.Title();
    // Re-applying keeps the page the previous page is counted from.
    ASSERT_TRUE(player.Post(WM_USER + 12));
    ASSERT_TRUE(player.Post(WM_USER + 15));
    EXPECT_TRUE(player.WaitForTitle("A")) << "now " << player.Title();
    EXPECT_TRUE(player.IsRunning());
    EXPECT_TRUE(WaitUntil([&] { return player.IsVisible(); }));
    ASSERT_TRUE(player.Close());
}

TEST(PlayerMessages, SecondInstanceOfATitleHandsOverToTheFirst)
{
    ScratchDir scratch;
    PlayerProcess first;
    ASSERT_TRUE(StartPresentation(first, scratch, "same.pqz", { "Same title" }));
    // Another presentation runs beside it and comes in front of it.
    PlayerProcess other;
    ASSERT_TRUE(StartPresentation(other, scratch, "other.pqz", { "Other title" }));
    EXPECT_TRUE(first.IsRunning());

    PlayerProcess second;
    ASSERT_TRUE(second.Start(TarvexExePath(), Quoted(scratch.File("same.pqz"))));
    ASSERT_TRUE(second.WaitForExit());
    EXPECT_EQ(0u, second.ExitCode());
    EXPECT_FALSE(second.SawVisibleWindow());

    DWORD start = GetTickCount();
    while (GetForegroundWindow() != first.Window() && GetTickCount() - start < kPlayerWaitMs)
        Sleep(10);
    EXPECT_EQ(first.Window(), GetForegroundWindow());
    EXPECT_TRUE(first.IsRunning());
    EXPECT_TRUE(other.IsRunning());
    EXPECT_TRUE(first.Messages().empty());

    ASSERT_TRUE(other.Close());
    ASSERT_TRUE(first.Close());
}
