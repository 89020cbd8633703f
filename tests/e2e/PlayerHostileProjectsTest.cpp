// Projects written to hurt the player: each one must leave a player that
// answers, closes on WM_CLOSE and ends normally, grows no further than its
// pages need and writes nowhere but where it may.
#include "tests/e2e/PictureFiles.h"
#include "tests/e2e/PlayerProcess.h"
#include "tests/player/ScriptFileBuilder.h"
#include "tests/support/TestSupport.h"

#define PSAPI_VERSION 2
#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace {

const char kValues[] = "QNDL Archive";

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string TempFolder()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    return temp;
}

SIZE_T PagefileUsage(DWORD processId)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    if (process)
    {
        GetProcessMemoryInfo(process, &counters, sizeof(counters));
        CloseHandle(process);
    }
    return counters.PagefileUsage;
}

// Polls the screen's centre until it has the colour.
bool ScreenCentreTurns(DWORD colour)
{
    RECT centre = { kRestingPointer.x - 8, kRestingPointer.y - 8, kRestingPointer.x + 8, kRestingPointer.y + 8 };
    DWORD start = GetTickCount();
    for (;;)
    {
        ScreenPixels pixels = CaptureScreen(centre);
        if (pixels.width > 0 && pixels.At(0, 0) == colour && pixels.At(15, 15) == colour)
            return true;
        if (GetTickCount() - start > kPlayerWaitMs)
            return false;
        Sleep(20);
    }
}

std::string LongFolders(size_t length)
{
    std::string path;
    while (path.size() < length)
        path += "folder_of_a_disc\\";
    return path;
}

// A case: the project it writes into the scratch folder (the archive to
// play first), and what it checks while the player runs.
struct HostileCase
{
    const char* name;
    std::function<void(ProjectArchive& archive, CDataFile* page, ScriptFileBuilder& load, const ScratchDir& scratch)>
        write;
    std::function<void(PlayerProcess& player, const ScratchDir& scratch)> check;
};

void RunCase(const HostileCase& c)
{
    SCOPED_TRACE(c.name);
    ScratchDir scratch;
    ProjectArchive archive;
    CDataFile* page = archive.AddPage("tarvex.pgd", std::string("Hostile ") + c.name);
    page->SetInt("Main", "numScripts", 1);
    ScriptFileBuilder load(*page, "Script_1", "OnLoad");
    c.write(archive, page, load, scratch);
    load.SaveToFile(scratch.File("after.zjf").c_str(), "after", "", "ran");
    ASSERT_TRUE(archive.Write(scratch.File("tarvex.pqz")));

    PlayerProcess player;
    ASSERT_TRUE(player.Start(TarvexExePath(), Quoted(scratch.File("tarvex.pqz"))));
    ASSERT_NE(nullptr, player.WaitForWindow());
    EXPECT_EQ("ran", WaitForSaved(scratch.File("after.zjf"), "after", "ran"));
    if (c.check)
        c.check(player, scratch);
    EXPECT_TRUE(player.Answers());
    ASSERT_TRUE(player.Close());
    EXPECT_EQ(0u, player.ExitCode());
}

std::string AddAction(ScriptFileBuilder& script, const char* type, std::initializer_list<std::pair<const char*, std::string>> keys)
{
    std::string section = script.Add(type);
    for (const auto& key : keys)
        script.File().SetString(section.c_str(), key.first, key.second.c_str());
    return section;
}

} // namespace

TEST(PlayerHostileProjects, EachEndsNormallyAndStaysWhereItBelongs)
{
    PictureRows dot = { 1, 1, { 0x00FF00 } };
    const HostileCase cases[] = {
        { "PreLoad action with an id, then set",
          [](ProjectArchive&, CDataFile* page, ScriptFileBuilder& load, const ScratchDir&) {
              page->SetInt("Main", "numScripts", 3);
              ScriptFileBuilder pre(*page, "Script_2", "PreLoad");
              std::string held = pre.CreateVariable("v", VT_I4, "1");
              page->SetString(held.c_str(), "id", "pre");
              // In a script of its own: the object is missing, which ends that run.
              ScriptFileBuilder poke(*page, "Script_3", "Poke");
              std::string set = AddAction(poke, "SetProperty", { { "controlId", "pre" }, { "property", "xpos" },
                                                                   { "value", "3" } });
              page->SetInt(set.c_str(), "valueType", VT_I4);
              AddAction(load, "ExecuteGlobalScript", { { "scriptName", "Poke" } });
          },
          nullptr },
        { "shell actions on paths of 1,000 characters",
          [](ProjectArchive&, CDataFile*, ScriptFileBuilder& load, const ScratchDir&) {
              std::string path = LongFolders(1000) + "x.tvxplay";
              for (const char* type : { "ShellExecute", "OpenFolder", "RunProgram", "LaunchHtml" })
                  AddAction(load, type, { { "path", path } });
              AddAction(load, "ShellExecute", { { "path", "C:\\" + path } });
          },
          nullptr },
        { "a script that runs itself twice",
          [](ProjectArchive&, CDataFile* page, ScriptFileBuilder& load, const ScratchDir&) {
              page->SetInt("Main", "numScripts", 2);
              ScriptFileBuilder self(*page, "Script_2", "R");
              AddAction(self, "ExecuteGlobalScript", { { "scriptName", "R" } });
              AddAction(self, "ExecuteGlobalScript", { { "scriptName", "R" } });
              AddAction(load, "ExecuteGlobalScript", { { "scriptName", "R" } });
          },
          nullptr },
        { "a text that names itself, doubled and substituted",
          [](ProjectArchive&, CDataFile* page, ScriptFileBuilder& load, const ScratchDir&) {
              load.CreateVariable("x", VT_BSTR, "y");
              std::string markers;
              for (int i = 0; i < 200000; ++i)
                  markers += "|x|";
              load.CreateVariable("many", VT_BSTR, markers.c_str());
              // In a script of its own: the text grows past what a
              // substitution may make, and the failing action ends that run.
              page->SetInt("Main", "numScripts", 2);
              ScriptFileBuilder grow(*page, "Script_2", "Grow");
              grow.CreateVariable("a", VT_BSTR, "|a||a|");
              for (int i = 0; i < 4; ++i)
                  grow.ModifyVariable("a", "Plus", VT_BSTR, "", "a");
              AddAction(load, "ExecuteGlobalScript", { { "scriptName", "Grow" } });
          },
          nullptr },
        { "a 1x1 picture tiled over a page of 30000x30000",
          [dot](ProjectArchive&, CDataFile* page, ScriptFileBuilder&, const ScratchDir& scratch) {
              WriteWholeFile(scratch.File("dot.bmp"), BitmapFileBytes(dot));
              page->SetInt("Main", "width", 30000);
              page->SetInt("Main", "height", 30000);
              page->SetString("Main", "watermark", "dot.bmp");
              page->SetBool("Main", "tiled", TRUE);
          },
          [](PlayerProcess& player, const ScratchDir&) {
              // The window is larger than the screen: its paint shows at the
              // screen's centre, and does so again after the whole window
              // was invalidated.
              for (int paint = 0; paint < 2; ++paint)
              {
                  EXPECT_TRUE(ScreenCentreTurns(0x00FF00)) << "paint " << paint;
                  RedrawWindow(player.Window(), NULL, NULL, RDW_INVALIDATE);
                  EXPECT_TRUE(player.Answers());
              }
          } },
        { "WM_NCDESTROY posted to its own window",
          [](ProjectArchive&, CDataFile*, ScriptFileBuilder& load, const ScratchDir&) {
              std::string post = AddAction(load, "PostMessage", { { "WindowClass", "QNDL_MAINWND" } });
              load.File().SetInt(post.c_str(), "Message", WM_NCDESTROY);
              load.File().SetInt(post.c_str(), "Wparam", 0);
              load.File().SetLong(post.c_str(), "Lparam", 0);
          },
          nullptr },
        { "temporary-folder files that would leave the folder",
          [](ProjectArchive&, CDataFile*, ScriptFileBuilder& load, const ScratchDir&) {
              for (const char* path : { "..\\..\\..\\..\\tarvex_escaped_marker", "C:\\tarvex_escaped_marker",
                                        "\\tarvex_escaped_marker", "inside\\..\\..\\tarvex_escaped_marker",
                                        ". .\\tarvex_escaped_marker", "tarvex_inside_marker" })
              {
                  std::string save = load.SaveToFile(path, "k", "", "v");
                  load.File().SetBool(save.c_str(), "useTemDir", TRUE);
              }
          },
          [](PlayerProcess&, const ScratchDir&) {
              std::string temp = TempFolder();
              EXPECT_TRUE(Exists(temp + "tarvex_inside_marker.zjf"));
              DeleteFileA((temp + "tarvex_inside_marker.zjf").c_str());
              for (const std::string& outside :
                   { std::string("C:\\tarvex_escaped_marker.zjf"), temp + "..\\tarvex_escaped_marker.zjf" })
              {
                  EXPECT_FALSE(Exists(outside)) << outside;
                  DeleteFileA(outside.c_str());
              }
          } },
    };
    for (const HostileCase& c : cases)
        RunCase(c);
}

// Pages that change to a page of an archive on disk, again and again: the
// player keeps one copy of it, and its memory stays put.
TEST(PlayerHostileProjects, AKioskLoopOfPageChangesKeepsItsMemory)
{
    ScratchDir scratch;
    std::string marks = scratch.File("marks.zjf");
    ProjectArchive start;
    CDataFile* first = start.AddPage("tarvex.pgd", "Loop start");
    first->SetInt("Main", "numScripts", 1);
    ScriptFileBuilder begin(*first, "Script_1", "OnLoad");
    begin.CreateVariable("count", VT_I4, "0");
    begin.Command("ChangePage", "loop.pqz");
    ASSERT_TRUE(start.Write(scratch.File("tarvex.pqz")));

    ProjectArchive loop;
    CDataFile* page = loop.AddPage("loop.pgd", "Loop page");
    // A page large enough that a copy kept at every load would show.
    std::string filler(1000, 'f');
    for (int i = 0; i < 300; ++i)
        page->SetString("Filler", ("line" + std::to_string(i)).c_str(), filler.c_str());
    page->SetInt("Main", "numScripts", 1);
    ScriptFileBuilder again(*page, "Script_1", "OnLoad");
    again.ModifyVariable("count", "Plus", VT_I4, "1");
    again.If("count", 2, "60");
    again.SaveToFile(marks.c_str(), "first", "count");
    again.Add("ENDIF Statement");
    again.If("count", 3, "300");
    again.Command("ChangePage", "loop.pqz");
    again.Add("ELSE Statement");
    again.SaveToFile(marks.c_str(), "last", "count");
    again.Add("ENDIF Statement");
    ASSERT_TRUE(loop.Write(scratch.File("loop.pqz")));

    PlayerProcess player;
    ASSERT_TRUE(player.Start(TarvexExePath(), Quoted(scratch.File("tarvex.pqz"))));
    ASSERT_NE(nullptr, player.WaitForWindow(false));
    ASSERT_EQ("60", WaitForSaved(marks, "first", "60"));
    SIZE_T early = PagefileUsage(player.ProcessId());
    ASSERT_EQ("300", WaitForSaved(marks, "last", "300"));
    SIZE_T late = PagefileUsage(player.ProcessId());
    ASSERT_NE(0u, early);
    // 240 kept copies would be more than 70 MB.
    EXPECT_LT(late, early + 30 * 1024 * 1024) << early << " then " << late;
    EXPECT_TRUE(player.Answers());
    ASSERT_TRUE(player.Close());
    EXPECT_EQ(0u, player.ExitCode());
}

// A page name behind 300 characters of folders still names the page, from
// the command line and from a page change.
TEST(PlayerHostileProjects, ALongPathStillNamesItsPage)
{
    ScratchDir scratch;
    std::string program = scratch.File("hostile.exe");
    ASSERT_TRUE(CopyPlayerTo(program));
    std::string longPage = LongFolders(300) + "page_2.pgd";
    ProjectArchive archive;
    CDataFile* first = archive.AddPage("hostile.pgd", "Long first");
    first->SetInt("Main", "numScripts", 1);
    ScriptFileBuilder(*first, "Script_1", "OnLoad").Command("ChangePage", longPage.c_str());
    archive.AddPage("page_2.pgd", "Long second");
    ASSERT_TRUE(archive.Write(scratch.File("hostile.pqz")));

    for (const std::string& argument : { std::string(), Quoted(longPage) })
    {
        SCOPED_TRACE(argument.empty() ? "page change" : "command line");
        PlayerProcess player;
        ASSERT_TRUE(player.Start(program, argument));
        ASSERT_NE(nullptr, player.WaitForWindow(false));
        EXPECT_TRUE(player.WaitForTitle("Long second")) << player.Title();
        ASSERT_TRUE(player.Close());
    }
}

// A title that holds a backslash still keeps a second copy out: it hands
// over to the first and ends.
TEST(PlayerHostileProjects, ATitleWithABackslashStillStartsOnce)
{
    ScratchDir scratch;
    ProjectArchive archive;
    archive.AddPage("tarvex.pgd", "Hostile\\Title");
    ASSERT_TRUE(archive.Write(scratch.File("tarvex.pqz")));
    PlayerProcess first;
    ASSERT_TRUE(first.Start(TarvexExePath(), Quoted(scratch.File("tarvex.pqz"))));
    ASSERT_NE(nullptr, first.WaitForWindow());
    PlayerProcess second;
    ASSERT_TRUE(second.Start(TarvexExePath(), Quoted(scratch.File("tarvex.pqz"))));
    EXPECT_TRUE(second.WaitForExit());
    EXPECT_FALSE(second.SawVisibleWindow());
    EXPECT_TRUE(first.IsRunning());
    EXPECT_TRUE(first.Answers());
    ASSERT_TRUE(first.Close());
}
