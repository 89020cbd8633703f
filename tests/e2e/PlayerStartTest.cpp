// Starting the player: which page it chooses, when it ends without a window,
// and the window it shows.
#include "tests/e2e/PlayerProcess.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

// "<W>" in a page name stands for the screen width in pixels.
std::string WithScreenWidth(std::string name)
{
    size_t at = name.find("<W>");
    if (at != std::string::npos)
        name.replace(at, 3, std::to_string(GetSystemMetrics(SM_CXSCREEN)));
    return name;
}

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

struct StartCase
{
    const char* description;
    const char* folder;                 // below the scratch folder; "" for none
    const char* program;                // a copy of the player named so, beside its archive;
                                        // NULL: the build's player with the archive's path
    std::vector<const char*> pages;     // page names in archive order; each page's title is its name
    const char* argument;               // for a program copy; NULL for none
    const char* expected;               // the page shown
};

// Lays out the case's folder and starts the player; the archive's pages are
// titled with their names.
bool StartCaseInFolder(const StartCase& c, const ScratchDir& scratch, PlayerProcess& player)
{
    std::string folder = scratch.Path();
    if (*c.folder)
    {
        folder += c.folder;
        folder += '\\';
        CreateDirectoryA(folder.c_str(), NULL);
    }
    std::string stem = c.program ? std::string(c.program).substr(0, std::string(c.program).rfind('.')) : "project";
    ProjectArchive archive;
    for (const char* page : c.pages)
        archive.AddPage(WithScreenWidth(page), WithScreenWidth(page));
    if (!archive.Write(folder + stem + ".pqz"))
        return false;
    if (!c.program)
        return player.Start(TarvexExePath(), Quoted(folder + stem + ".pqz"));
    if (!CopyPlayerTo(folder + c.program))
        return false;
    return player.Start(folder + c.program, c.argument ? c.argument : "");
}

} // namespace

TEST(PlayerStart, ChoosesThePageByScreenWidthPlainNameOrFirst)
{
    const StartCase cases[] = {
        { "width page before plain page", "", "demo.exe", { "page_1.pgd", "demo.pgd", "demo<W>.pgd" }, NULL, "demo<W>.pgd" },
        { "plain page without a width page", "", "demo.exe", { "page_1.pgd", "demo.pgd", "demo1.pgd" }, NULL, "demo.pgd" },
        { "first page when neither is there", "", "demo.exe", { "intro.pgd", "page_2.pgd" }, NULL, "intro.pgd" },
        { "folder name holding a dot", "my.disc", "demo.exe", { "page_1.pgd", "demo<W>.pgd" }, NULL, "demo<W>.pgd" },
        { "page named by the argument", "", "demo.exe", { "demo.pgd", "page_2.pgd" }, "page_2.pgd", "page_2.pgd" },
        { "argument's width page first", "", "demo.exe", { "demo.pgd", "page_2.pgd", "page_2<W>.pgd" }, "page_2.pgd", "page_2<W>.pgd" },
        { "member names ignore case", "", "demo.exe", { "demo.pgd", "Page_2.PGD" }, "page_2.pgd", "Page_2.PGD" },
        { "archive path shows its first page", "my project", NULL, { "zzz.pgd", "tarvex<W>.pgd", "tarvex.pgd" }, NULL, "zzz.pgd" },
    };
    for (const StartCase& c : cases)
    {
        SCOPED_TRACE(c.description);
        ScratchDir scratch;
        PlayerProcess player;
        ASSERT_TRUE(StartCaseInFolder(c, scratch, player));
        ASSERT_NE(nullptr, player.WaitForWindow());
        EXPECT_EQ(WithScreenWidth(c.expected), player.Title());
        EXPECT_TRUE(player.Messages().empty());
        ASSERT_TRUE(player.Close());
        EXPECT_EQ(0u, player.ExitCode());
    }
}

TEST(PlayerStart, EndsWithoutWindowOrBoxWhenNoPageCanBeFound)
{
    struct EndCase
    {
        const char* description;
        const char* program;        // a copy beside its archive; NULL: the build's player
        const char* archiveText;    // bytes of a foreign file; NULL: a real archive (below)
        bool optionsFirst;          // the archive starts with an "OPT" record
        const char* argument;       // "@" is the scratch folder's "project.pqz"
    };
    const EndCase cases[] = {
        { "missing archive as argument", NULL, NULL, false, "@" },
        { "foreign file as argument", NULL, "these are plain notes, no archive", false, "@" },
        { "program without its archive", "lonely.exe", NULL, false, NULL },
        { "archive that starts with an options record", "demo.exe", NULL, true, NULL },
        { "argument naming no page of the archive", "demo.exe", NULL, false, "missing.pgd" },
    };
    for (const EndCase& c : cases)
    {
        SCOPED_TRACE(c.description);
        ScratchDir scratch;
        std::string archivePath;
        if (c.program && std::string(c.program) == "demo.exe")
        {
            ProjectArchive archive;
            if (c.optionsFirst)
                archive.AddFile("options.opt", 1);
            archive.AddPage("demo.pgd", "demo");
            ASSERT_TRUE(archive.Write(scratch.File("demo.pqz")));
        }
        if (c.archiveText)
            WriteWholeFile(scratch.File("project.pqz"), c.archiveText);
        std::string argument;
        if (c.argument)
            argument = std::string(c.argument) == "@" ? Quoted(scratch.File("project.pqz")) : c.argument;

        PlayerProcess player;
        if (c.program)
        {
            ASSERT_TRUE(CopyPlayerTo(scratch.File(c.program)));
            ASSERT_TRUE(player.Start(scratch.File(c.program), argument));
        }
        else
        {
            ASSERT_TRUE(player.Start(TarvexExePath(), argument));
        }
        ASSERT_TRUE(player.WaitForExit());
        EXPECT_EQ(0u, player.ExitCode());
        EXPECT_FALSE(player.SawVisibleWindow());
        EXPECT_TRUE(player.Messages().empty());
    }
}

TEST(PlayerStart, ShowsThePageCentredWithItsSizeAndStyle)
{
    ScratchDir scratch;
    ProjectArchive archive;
    archive.AddPage("tarvex.pgd", "Centred", 320, 200, 2);
    ASSERT_TRUE(archive.Write(scratch.File("tarvex.pqz")));
    PlayerProcess player;
    ASSERT_TRUE(player.Start(TarvexExePath(), Quoted(scratch.File("tarvex.pqz"))));
    ASSERT_NE(nullptr, player.WaitForWindow());

    EXPECT_EQ("Centred", player.Title());
    SIZE client = player.ClientSize();
    EXPECT_EQ(320, client.cx);
    EXPECT_EQ(200, client.cy);
    DWORD style = player.Style();
    EXPECT_TRUE((style & WS_POPUP) && (style & WS_BORDER) && (style & WS_SYSMENU)) << std::hex << style;
    EXPECT_FALSE(style & WS_DLGFRAME) << std::hex << style;
    EXPECT_FALSE(player.ExStyle() & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST)) << std::hex << player.ExStyle();

    RECT rect = player.WindowRect();
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    EXPECT_NEAR((GetSystemMetrics(SM_CXSCREEN) - width) / 2, rect.left, 1);
    EXPECT_NEAR((GetSystemMetrics(SM_CYSCREEN) - height) / 2, rect.top, 1);

    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(SIMPLEREGION, player.GetRegion(region));
    RECT box = {};
    GetRgnBox(region, &box);
    DeleteObject(region);
    EXPECT_EQ(0, box.left);
    EXPECT_EQ(0, box.top);
    EXPECT_EQ(width, box.right);
    EXPECT_EQ(height, box.bottom);

    // The page itself, without elements, shows white from corner to corner.
    ASSERT_TRUE(player.WaitForClientPixel(160, 100, 0xFFFFFF));
    ScreenPixels pixels = player.CaptureClient();
    ASSERT_EQ(320, pixels.width);
    ASSERT_EQ(200, pixels.height);
    EXPECT_EQ(0xFFFFFFu, pixels.At(0, 0));
    EXPECT_EQ(0xFFFFFFu, pixels.At(319, 199));

    ASSERT_TRUE(player.Close());
    EXPECT_EQ(0u, player.ExitCode());
}
