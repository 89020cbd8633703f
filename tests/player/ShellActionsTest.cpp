// The actions that start programs and open documents through the shell:
// Run Program, Shell Execute, Launch HTML, Open Folder, and the shell route
// of LaunchInternetExplorer. The program they reach is the recorder fixture,
// directly or as the handler of a file type of its own.
#include "player/PlayerPaths.h"
#include "tests/player/ScriptFileBuilder.h"
#include "tests/support/TestSupport.h"

#include "player/runtime/ScriptItem.h"
#include "player/runtime/VariableScopes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace Tarvex;

namespace {

std::string RecorderPath()
{
    return TestProgramFolder() + "..\\recorder.exe";
}

void SetDefaultValue(const char* key, const std::string& value)
{
    HKEY opened = NULL;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CLASSES_ROOT, key, 0, NULL, 0, KEY_SET_VALUE, NULL, &opened, NULL));
    RegSetValueExA(opened, NULL, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), (DWORD)value.size() + 1);
    RegCloseKey(opened);
}

// The keys of a handler, deepest first, so that each is empty when it goes.
const char* const kHandlerKeys[] = {
    "TarvexRecorder.Document\\shell\\open\\command",
    "TarvexRecorder.Document\\shell\\open",
    "TarvexRecorder.Document\\shell",
    "TarvexRecorder.Document",
    ".tvxrec",
};

class ShellActionsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        log = scratch.File("recorder.log");
        SetEnvironmentVariableA("TARVEX_RECORDER_LOG", log.c_str());
        SetDefaultValue(".tvxrec", "TarvexRecorder.Document");
        SetDefaultValue(kHandlerKeys[0], "\"" + RecorderPath() + "\" \"%1\"");
        SetBaseFolder(scratch.File("disc.pqz").c_str());
        CreateDirectoryA(scratch.File("docs").c_str(), NULL);
        WriteWholeFile(scratch.File("docs\\page.tvxrec"), "x");
    }

    void TearDown() override
    {
        for (const char* key : kHandlerKeys)
            RegDeleteKeyA(HKEY_CLASSES_ROOT, key);
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\TarvexTest\\RunProgram");
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\TarvexTest");
        SetEnvironmentVariableA("TARVEX_RECORDER_LOG", NULL);
        SetBaseFolder("");
    }

    int Run(const std::string& section)
    {
        CStr type;
        actions.GetString(section.c_str(), "name", type);
        std::unique_ptr<CScriptItem> item(CreateScriptItem(type, section.c_str(), NULL));
        if (!item)
            return -1;
        item->Load(actions);
        return item->Execute();
    }

    std::string PathAction(const char* type, const std::string& path)
    {
        std::string section = builder.Add(type);
        actions.SetString(section.c_str(), "path", path.c_str());
        return section;
    }

    // The recorder's line, waited for: the shell starts it and returns.
    std::string Recorded()
    {
        for (int i = 0; i < 200; ++i)
        {
            std::string text = ReadWholeFile(log);
            if (text.find('\n') != std::string::npos)
            {
                DeleteFileA(log.c_str());
                return text.substr(0, text.find('\r'));
            }
            Sleep(50);
        }
        return "<nothing>";
    }

    ScratchDir scratch;
    std::string log;
    CVariableScopes scopes;
    CDataFile actions;
    ScriptFileBuilder builder{ actions, "Script_1", "Test" };
};

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST_F(ShellActionsTest, DocumentsOpenInTheHandlerOfTheirType)
{
    struct
    {
        const char* type;
        std::string path;
    } cases[] = {
        { "ShellExecute", "docs\\page.tvxrec" },
        { "LaunchHtml", "docs\\page.tvxrec" },
        { "ShellExecute", scratch.File("docs\\page.tvxrec") },
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(ResultGoOn, Run(PathAction(c.type, c.path))) << c.type << " " << c.path;
        std::string line = Recorded();
        EXPECT_TRUE(Contains(line, scratch.File("docs\\page.tvxrec"))) << c.type << " " << c.path << ": " << line;
    }
}

TEST_F(ShellActionsTest, RunProgramStartsTheProgramWithItsParameters)
{
    // The program relative to the disc's base folder, as stored.
    CopyFileA(RecorderPath().c_str(), scratch.File("docs\\run me.exe").c_str(), FALSE);
    std::string stored = builder.Add("RunProgram");
    actions.SetString(stored.c_str(), "path", "docs\\run me.exe");
    actions.SetString(stored.c_str(), "parameters", "one \"two three\"");

    HKEY opened = NULL;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\TarvexTest\\RunProgram", 0, NULL, 0,
                                             KEY_SET_VALUE, NULL, &opened, NULL));
    std::string program = RecorderPath();
    RegSetValueExA(opened, "Program", 0, REG_SZ, reinterpret_cast<const BYTE*>(program.c_str()),
                   (DWORD)program.size() + 1);
    // Stored without its terminating zero: read no further than it goes.
    RegSetValueExA(opened, "Arguments", 0, REG_SZ, reinterpret_cast<const BYTE*>("/from registry"), 14);
    RegCloseKey(opened);
    std::string registry = builder.Add("RunProgram");
    actions.SetString(registry.c_str(), "flag", "registry");
    actions.SetString(registry.c_str(), "registryKey", "Software\\TarvexTest\\RunProgram");
    actions.SetString(registry.c_str(), "registryValueName", "Program");
    actions.SetString(registry.c_str(), "paramRegistryValueName", "Arguments");

    struct
    {
        const char* name;
        std::string section;
        std::string program;
        std::string parameters;
    } cases[] = {
        { "stored", stored, "run me.exe", "one \"two three\"" },
        { "from the registry", registry, "recorder.exe", "/from registry\t" },
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(ResultGoOn, Run(c.section)) << c.name;
        std::string line = Recorded();
        EXPECT_TRUE(Contains(line, c.program)) << c.name << ": " << line;
        EXPECT_TRUE(Contains(line, c.parameters)) << c.name << ": " << line;
    }
}

TEST_F(ShellActionsTest, OpenFolderHandsTheFolderToTheShell)
{
    // The prefix's folders open in its explorer by default; only the
    // command is ours and goes again.
    SetDefaultValue("Folder\\shell\\open\\command", "\"" + RecorderPath() + "\" \"%1\"");
    EXPECT_EQ(ResultGoOn, Run(PathAction("OpenFolder", "docs")));
    std::string line = Recorded();
    RegDeleteKeyA(HKEY_CLASSES_ROOT, "Folder\\shell\\open\\command");
    EXPECT_TRUE(Contains(line, scratch.File("docs"))) << line;
}

TEST_F(ShellActionsTest, LaunchInternetExplorerWithoutABrowserHostOpensThePathThroughTheShell)
{
    std::string section = PathAction("LaunchInternetExplorer", scratch.File("docs\\page.tvxrec"));
    EXPECT_EQ(ResultGoOn, Run(section));
    EXPECT_TRUE(Contains(Recorded(), scratch.File("docs\\page.tvxrec")));
}

} // namespace
