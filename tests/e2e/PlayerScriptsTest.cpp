// Scripts as the player runs them: page events, IF/ELSE/ENDIF, variables of
// every type, the built-in variables, mouse events and internal commands.
// Every effect is read from the data file that the scripts' Save To File
// actions write.
#include "tests/e2e/PlayerProcess.h"
#include "tests/support/TestSupport.h"
#include "tests/player/ScriptFileBuilder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

// Scripts of one object of a page: "Main" (the page) or "Element_%d".
class ObjectScripts
{
public:
    ObjectScripts(CDataFile* page, const std::string& owner) : m_page(page), m_owner(owner), m_count(0) {}

    ScriptFileBuilder& Add(const char* event)
    {
        ++m_count;
        std::string section = (m_owner == "Main" ? "" : m_owner + "_") + "Script_" + std::to_string(m_count);
        m_page->SetInt(m_owner.c_str(), "numScripts", m_count);
        m_builders.emplace_back(new ScriptFileBuilder(*m_page, section.c_str(), event));
        return *m_builders.back();
    }

private:
    CDataFile* m_page;
    std::string m_owner;
    int m_count;
    std::vector<std::unique_ptr<ScriptFileBuilder>> m_builders;
};

void AddTextElement(CDataFile* page, int number, const char* id, int x, int y, int width, int height)
{
    std::string section = "Element_" + std::to_string(number);
    page->SetString(section.c_str(), "type", "Text");
    page->SetString(section.c_str(), "id", id);
    page->SetString(section.c_str(), "text", "");
    page->SetInt(section.c_str(), "xpos", x);
    page->SetInt(section.c_str(), "ypos", y);
    page->SetInt(section.c_str(), "width", width);
    page->SetInt(section.c_str(), "height", height);
    page->SetInt("Main", "numElements", number);
}

bool Play(PlayerProcess& player, ProjectArchive& archive, const std::string& path)
{
    return archive.Write(path) && player.Start(TarvexExePath(), Quoted(path)) && player.WaitForWindow() != NULL;
}

} // namespace

TEST(PlayerScripts, PreLoadOnLoadAndOnUnloadRunInOrderAcrossAPageChange)
{
    ScratchDir scratch;
    std::string out = scratch.File("events.zjf");
    ProjectArchive archive;

    CDataFile* first = archive.AddPage("tarvex.pgd", "Script events A");
    ObjectScripts firstScripts(first, "Main");
    ScriptFileBuilder& preA = firstScripts.Add("PreLoad");
    preA.CreateVariable("trace", VT_BSTR, "");
    preA.ModifyVariable("trace", "Plus", VT_BSTR, "preA,");
    ScriptFileBuilder& loadA = firstScripts.Add("OnLoad");
    loadA.ModifyVariable("trace", "Plus", VT_BSTR, "loadA,");
    loadA.Command("ChangePage", "second");
    // The rest of the script runs before the page changes.
    loadA.ModifyVariable("trace", "Plus", VT_BSTR, "restA,");
    firstScripts.Add("OnUnload").ModifyVariable("trace", "Plus", VT_BSTR, "unloadA,");

    CDataFile* second = archive.AddPage("second.pgd", "Script events B");
    ObjectScripts secondScripts(second, "Main");
    ScriptFileBuilder& loadB = secondScripts.Add("OnLoad");
    loadB.ModifyVariable("trace", "Plus", VT_BSTR, "loadB");
    loadB.SaveToFile(out.c_str(), "trace", "trace");
    secondScripts.Add("PreLoad").ModifyVariable("trace", "Plus", VT_BSTR, "preB,");
    secondScripts.Add("onload").ModifyVariable("trace", "Plus", VT_BSTR, "lower,");
    // Only the first three scripts of a page can be its PreLoad.
    secondScripts.Add("PreLoad").ModifyVariable("trace", "Plus", VT_BSTR, "fourth,");

    PlayerProcess player;
    ASSERT_TRUE(Play(player, archive, scratch.File("events.pqz")));
    EXPECT_EQ("preA,loadA,restA,unloadA,preB,loadB", WaitForSaved(out, "trace", "preA,loadA,restA,unloadA,preB,loadB"));
    EXPECT_TRUE(player.WaitForTitle("Script events B"));
    EXPECT_TRUE(player.Messages().empty());
    ASSERT_TRUE(player.Close());
}

TEST(PlayerScripts, IfElseEndIfSteerTheRunAndAFailureEndsIt)
{
    ScratchDir scratch;
    std::string out = scratch.File("steering.zjf");
    ProjectArchive archive;
    CDataFile* page = archive.AddPage("tarvex.pgd", "Script steering");
    ObjectScripts scripts(page, "Main");
    ScriptFileBuilder& s = scripts.Add("OnLoad");
    s.CreateVariable("one", VT_I4, "1");
    s.CreateVariable("zero", VT_I4, "0");
    s.CreateVariable("word", VT_BSTR, "ab");
    s.CreateVariable("trace", VT_BSTR, "");
    // IF (true) A ELSE B ENDIF
    s.If("one", 1, NULL);
    s.ModifyVariable("trace", "Plus", VT_BSTR, "A");
    s.Add("ELSE Statement");
    s.ModifyVariable("trace", "Plus", VT_BSTR, "B");
    s.Add("ENDIF Statement");
    // IF (false) [IF X ELSE Y ENDIF] Z ELSE W ENDIF
    s.If("zero", 1, NULL);
    s.If("one", 1, NULL);
    s.ModifyVariable("trace", "Plus", VT_BSTR, "X");
    s.Add("ELSE Statement");
    s.ModifyVariable("trace", "Plus", VT_BSTR, "Y");
    s.Add("ENDIF Statement");
    s.ModifyVariable("trace", "Plus", VT_BSTR, "Z");
    s.Add("ELSE Statement");
    s.ModifyVariable("trace", "Plus", VT_BSTR, "W");
    s.Add("ENDIF Statement");
    // A missing variable is false.
    s.If("nothing", 1, NULL);
    s.ModifyVariable("trace", "Plus", VT_BSTR, "N");
    s.Add("ELSE Statement");
    s.ModifyVariable("trace", "Plus", VT_BSTR, "C");
    s.Add("ENDIF Statement");
    // Texts: "ab" is less than "b"; a path that exists.
    s.If("word", 3, "b");
    s.ModifyVariable("trace", "Plus", VT_BSTR, "D");
    s.Add("ENDIF Statement");
    std::string exists = s.Add("IF/WHILE Statement");
    page->SetString(exists.c_str(), "path", scratch.File("*.pqz").c_str());
    s.ModifyVariable("trace", "Plus", VT_BSTR, "E");
    s.Add("ENDIF Statement");
    s.SaveToFile(out.c_str(), "trace", "trace");
    // Scope 7 ends the run: nothing after it is saved.
    s.CreateVariable("bad", VT_I4, "1", 7);
    s.SaveToFile(out.c_str(), "after", "", "saved");
    // The next page tells that the run is over.
    CDataFile* next = archive.AddPage("next.pgd", "Script steering next");
    ObjectScripts(next, "Main").Add("OnLoad").SaveToFile(out.c_str(), "done", "", "yes");

    PlayerProcess player;
    ASSERT_TRUE(Play(player, archive, scratch.File("steering.pqz")));
    EXPECT_EQ("AWCDE", WaitForSaved(out, "trace", "AWCDE"));
    ASSERT_TRUE(player.Post(WM_USER + 14));
    EXPECT_EQ("yes", WaitForSaved(out, "done", "yes"));
    EXPECT_EQ("<none>", ReadSavedValue(out, "after"));
    ASSERT_TRUE(player.Close());
}

TEST(PlayerScripts, CreateAndModifyVariableOverEveryType)
{
    struct Row
    {
        const char* name;
        VARTYPE type;
        const char* results[4];   // 7 op 2 for Plus, Minus, Times, Divide
    };
    // Reals are read from the page as 8-byte reals; a NULL variable holds nothing.
    const Row rows[] = {
        { "VT_I2", VT_I2, { "9", "5", "14", "3" } },
        { "VT_I4", VT_I4, { "9", "5", "14", "3" } },
        { "VT_I8", VT_I8, { "9", "5", "14", "3" } },
        { "VT_UI1", VT_UI1, { "7", "7", "7", "7" } },
        { "VT_UI2", VT_UI2, { "9", "5", "14", "3" } },
        { "VT_UI4", VT_UI4, { "9", "5", "14", "3" } },
        { "VT_R4", VT_R4, { "9", "5", "14", "3.5" } },
        { "VT_R8", VT_R8, { "9", "5", "14", "3.5" } },
        { "VT_NULL", VT_NULL, { "", "", "", "" } },
        { "VT_BOOL", VT_BOOL, { "TRUE", "TRUE", "TRUE", "TRUE" } },
        { "VT_BSTR", VT_BSTR, { "72", "7", "7", "7" } },
    };
    const char* ops[] = { "Plus", "Minus", "Times", "Divide" };

    ScratchDir scratch;
    std::string out = scratch.File("types.zjf");
    ProjectArchive archive;
    CDataFile* page = archive.AddPage("tarvex.pgd", "Script types");
    ObjectScripts scripts(page, "Main");
    ScriptFileBuilder& s = scripts.Add("OnLoad");
    for (const Row& row : rows)
    {
        for (const char* op : ops)
        {
            std::string name = std::string(row.name) + "_" + op;
            s.CreateVariable(name.c_str(), row.type, "7");
            s.ModifyVariable(name.c_str(), op, row.type, "2");
            s.SaveToFile(out.c_str(), name.c_str(), name.c_str());
        }
    }
    s.SaveToFile(out.c_str(), "done", "", "yes");

    PlayerProcess player;
    ASSERT_TRUE(Play(player, archive, scratch.File("types.pqz")));
    ASSERT_EQ("yes", WaitForSaved(out, "done", "yes"));
    for (const Row& row : rows)
    {
        for (int i = 0; i < 4; ++i)
        {
            std::string name = std::string(row.name) + "_" + ops[i];
            EXPECT_EQ(row.results[i], ReadSavedValue(out, name.c_str())) << name;
        }
    }
    ASSERT_TRUE(player.Close());
}

TEST(PlayerScripts, BuiltInVariablesAndSubstitution)
{
    ScratchDir scratch;
    std::string out = scratch.File("builtins.zjf");
    ProjectArchive archive;
    CDataFile* page = archive.AddPage("tarvex.pgd", "Script built-ins");
    ObjectScripts scripts(page, "Main");
    ScriptFileBuilder& s = scripts.Add("OnLoad");
    const char* names[] = { "NULL", "CD_ROOT", "WIN", "SYS", "APPPATH", "TRUE", "FALSE" };
    for (const char* name : names)
        s.SaveToFile(out.c_str(), name, name);
    s.CreateVariable("who", VT_BSTR, "World");
    s.CreateVariable("drive", VT_BSTR, "Drive |CD_ROOT| ready");
    s.CreateVariable("number", VT_BSTR, "|TRUE| |missing| |who|");
    s.SaveToFile(out.c_str(), "drive", "drive");
    s.SaveToFile(out.c_str(), "number", "number");
    // A value read from another data file, converted to the variable's type.
    std::string in = scratch.File("input.zjf");
    WriteWholeFile(in, "[QNDL Archive]\r\ncount = 41\r\n");
    s.CreateVariable("count", VT_I4, "0");
    std::string read = s.Add("ReadFromFile");
    page->SetString(read.c_str(), "path", in.c_str());
    page->SetString(read.c_str(), "key", "count");
    page->SetString(read.c_str(), "variable", "count");
    s.ModifyVariable("count", "Plus", VT_I4, "1");
    s.SaveToFile(out.c_str(), "count", "count");
    s.SaveToFile(out.c_str(), "done", "", "yes");

    PlayerProcess player;
    ASSERT_TRUE(Play(player, archive, scratch.File("builtins.pqz")));
    ASSERT_EQ("yes", WaitForSaved(out, "done", "yes"));

    char windows[MAX_PATH];
    char system[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    GetSystemDirectoryA(system, MAX_PATH);
    std::string base = scratch.Path();
    struct Case
    {
        const char* key;
        std::string value;
    };
    const Case cases[] = {
        { "NULL", "" },
        { "CD_ROOT", base.substr(0, 3) },
        { "WIN", std::string(windows) + "\\" },
        { "SYS", std::string(system) + "\\" },
        { "APPPATH", base },
        { "TRUE", "1" },
        { "FALSE", "0" },
        { "drive", "Drive " + base.substr(0, 3) + " ready" },
        { "number", "|TRUE| |missing| World" },
        { "count", "42" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.value, ReadSavedValue(out, c.key)) << c.key;
    ASSERT_TRUE(player.Close());
}

TEST(PlayerScripts, APageNamedOnTheCommandLineKnowsTheFolderOfItsDisc)
{
    // As the editor's Preview starts it: a program named after its archive,
    // with the name of a page that is not the first.
    ScratchDir scratch;
    std::string out = scratch.File("preview.zjf");
    ProjectArchive archive;
    archive.AddPage("demo.pgd", "Preview first");
    CDataFile* page = archive.AddPage("page_2.pgd", "Preview second");
    ObjectScripts scripts(page, "Main");
    ScriptFileBuilder& s = scripts.Add("OnLoad");
    s.SaveToFile(out.c_str(), "APPPATH", "APPPATH");
    s.SaveToFile(out.c_str(), "CD_ROOT", "CD_ROOT");
    s.SaveToFile(out.c_str(), "done", "", "yes");
    ASSERT_TRUE(archive.Write(scratch.File("demo.pqz")));
    ASSERT_TRUE(CopyPlayerTo(scratch.File("demo.exe")));

    PlayerProcess player;
    ASSERT_TRUE(player.Start(scratch.File("demo.exe"), "page_2.pgd"));
    ASSERT_NE(nullptr, player.WaitForWindow());
    ASSERT_EQ("yes", WaitForSaved(out, "done", "yes"));
    EXPECT_EQ("Preview second", player.Title());
    EXPECT_EQ(scratch.Path(), ReadSavedValue(out, "APPPATH"));
    EXPECT_EQ(scratch.Path().substr(0, 3), ReadSavedValue(out, "CD_ROOT"));
    ASSERT_TRUE(player.Close());
}

TEST(PlayerScripts, MouseEventsGoToTheTopmostElement)
{
    ScratchDir scratch;
    std::string out = scratch.File("mouse.zjf");
    ProjectArchive archive;
    CDataFile* page = archive.AddPage("tarvex.pgd", "Script mouse");
    ObjectScripts(page, "Main").Add("OnLoad").CreateVariable("trace", VT_BSTR, "");
    // Element 2 lies over element 1 from (40, 25) to (70, 50). Both keep
    // clear of the page's centre, where the screen's pointer is; element 3
    // lies there and tells when the pointer's own move has reached the page.
    AddTextElement(page, 1, "one", 10, 10, 60, 40);
    AddTextElement(page, 2, "two", 40, 25, 60, 40);
    AddTextElement(page, 3, "rest", 104, 66, 100, 60);
    ObjectScripts(page, "Element_3").Add("OnMouseIn").SaveToFile(out.c_str(), "pointer", "", "arrived");
    for (int number = 1; number <= 2; ++number)
    {
        std::string owner = "Element_" + std::to_string(number);
        ObjectScripts scripts(page, owner);
        const char* events[][2] = {
            { "OnMouseIn", "in" }, { "OnMouseOut", "out" }, { "OnMouseDown", "down" }, { "OnMouseUp", "up" },
        };
        for (auto& event : events)
        {
            ScriptFileBuilder& s = scripts.Add(event[0]);
            std::string mark = std::string(number == 1 ? "one." : "two.") + event[1] + ",";
            s.ModifyVariable("trace", "Plus", VT_BSTR, mark.c_str());
            s.SaveToFile(out.c_str(), "trace", "trace");
        }
    }

    PlayerProcess player;
    ASSERT_TRUE(Play(player, archive, scratch.File("mouse.pqz")));
    ASSERT_TRUE(player.WaitForTitle("Script mouse"));
    // Wine moves the mouse to the screen's pointer when the window shows,
    // as input, which a window takes after the messages posted to it: ours
    // wait until that move has been handled, or it would come between them.
    // The pointer is moved where it rests as well, so that a move comes.
    SendPointerInput(kRestingPointer.x, kRestingPointer.y);
    ASSERT_EQ("arrived", WaitForSaved(out, "pointer", "arrived"));
    ASSERT_TRUE(player.Answers());
    EXPECT_EQ("<none>", ReadSavedValue(out, "trace"));
    struct Step
    {
        UINT message;
        int x, y;
        const char* trace;
    };
    const Step steps[] = {
        { WM_MOUSEMOVE, 20, 20, "one.in," },
        { WM_MOUSEMOVE, 30, 25, "one.in," },
        { WM_MOUSEMOVE, 50, 35, "one.in,one.out,two.in," },
        { WM_LBUTTONDOWN, 50, 35, "one.in,one.out,two.in,two.down," },
        { WM_LBUTTONUP, 50, 35, "one.in,one.out,two.in,two.down,two.up," },
        { WM_MOUSEMOVE, 20, 20, "one.in,one.out,two.in,two.down,two.up,two.out,one.in," },
        { WM_LBUTTONDOWN, 20, 20, "one.in,one.out,two.in,two.down,two.up,two.out,one.in,one.down," },
        // Released outside the pressed element: no OnMouseUp.
        { WM_MOUSEMOVE, 200, 140, "one.in,one.out,two.in,two.down,two.up,two.out,one.in,one.down,one.out," },
        { WM_LBUTTONUP, 200, 140, "one.in,one.out,two.in,two.down,two.up,two.out,one.in,one.down,one.out," },
    };
    for (const Step& step : steps)
    {
        SCOPED_TRACE(step.trace);
        ASSERT_TRUE(player.PostMouse(step.message, step.x, step.y));
        EXPECT_EQ(step.trace, WaitForSaved(out, "trace", step.trace));
    }
    ASSERT_TRUE(player.Close());
}

TEST(PlayerScripts, InternalCommandsChangePagesMinimiseAndExit)
{
    ScratchDir scratch;
    std::string out = scratch.File("commands.zjf");
    ProjectArchive archive;

    // A: "nextpage" (any case) to B.
    ObjectScripts a(archive.AddPage("tarvex.pgd", "Script commands A"), "Main");
    ScriptFileBuilder& loadA = a.Add("OnLoad");
    loadA.CreateVariable("trace", VT_BSTR, "");
    loadA.ModifyVariable("trace", "Plus", VT_BSTR, "A");
    loadA.Command("nextpage");

    // B: first visit to C by name; second visit: "exit" in lower case does
    // nothing, then the window is minimised.
    ObjectScripts b(archive.AddPage("b.pgd", "Script commands B"), "Main");
    ScriptFileBuilder& loadB = b.Add("OnLoad");
    loadB.ModifyVariable("trace", "Plus", VT_BSTR, "B");
    loadB.If("visitedB", 1, NULL);
    loadB.Command("exit");
    loadB.Command("Minimize");
    loadB.SaveToFile(out.c_str(), "trace", "trace");
    loadB.Add("ELSE Statement");
    loadB.CreateVariable("visitedB", VT_I4, "1");
    loadB.Command("ChangePage", "c");
    loadB.Add("ENDIF Statement");

    // C: first visit back to B; second visit on to D.
    ObjectScripts c(archive.AddPage("c.pgd", "Script commands C"), "Main");
    ScriptFileBuilder& loadC = c.Add("OnLoad");
    loadC.ModifyVariable("trace", "Plus", VT_BSTR, "C");
    loadC.If("visitedC", 1, NULL);
    loadC.Command("NextPage");
    loadC.Add("ELSE Statement");
    loadC.CreateVariable("visitedC", VT_I4, "1");
    loadC.Command("PrevPage");
    loadC.Add("ENDIF Statement");

    // D: saves and ends the player.
    ObjectScripts d(archive.AddPage("d.pgd", "Script commands D"), "Main");
    ScriptFileBuilder& loadD = d.Add("OnLoad");
    loadD.ModifyVariable("trace", "Plus", VT_BSTR, "D");
    loadD.SaveToFile(out.c_str(), "trace", "trace");
    loadD.Command("Exit");

    PlayerProcess player;
    ASSERT_TRUE(Play(player, archive, scratch.File("commands.pqz")));
    EXPECT_EQ("ABCB", WaitForSaved(out, "trace", "ABCB"));
    EXPECT_TRUE(player.WaitForTitle("Script commands B"));
    DWORD start = GetTickCount();
    while (!IsIconic(player.Window()) && GetTickCount() - start < kPlayerWaitMs)
        Sleep(20);
    EXPECT_TRUE(IsIconic(player.Window()));
    EXPECT_TRUE(player.IsRunning());

    ASSERT_TRUE(player.Post(WM_USER + 14));
    EXPECT_EQ("ABCBCD", WaitForSaved(out, "trace", "ABCBCD"));
    EXPECT_TRUE(player.WaitForExit());
}
