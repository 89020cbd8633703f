// Register ActiveX Control with servers of our own: a DLL that registers
// and unregisters itself, one whose registration fails, an ".exe" server
// (the recorder), and the copy into the system folder.
#include "player/PlayerPaths.h"
#include "tests/player/ScriptFileBuilder.h"
#include "tests/support/TestSupport.h"

#include "player/runtime/RegisterActiveXAction.h"
#include "player/runtime/Script.h"
#include "player/runtime/VariableScopes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace Tarvex;

namespace {

const char kClassKey[] = "Software\\Classes\\CLSID\\{7A1C3E55-2B9D-4F61-9C0E-5D1A7B3C9E21}\\InprocServer32";

std::string FixturePath(const char* name)
{
    return TestProgramFolder() + "..\\" + name;
}

std::string SystemFile(const char* name)
{
    char folder[MAX_PATH] = "";
    GetSystemDirectoryA(folder, MAX_PATH);
    return std::string(folder) + "\\" + name;
}

// The server path the fixture registered; "<none>" without its key.
std::string RegisteredServer()
{
    return ReadUserDefaultValue(kClassKey);
}

class RegisterActiveXTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetBaseFolder(scratch.File("disc.pqz").c_str());
        CopyFileA(FixturePath("tvxregok.dll").c_str(), scratch.File("good.dll").c_str(), FALSE);
        CopyFileA(FixturePath("tvxregfail.dll").c_str(), scratch.File("bad.dll").c_str(), FALSE);
    }

    void TearDown() override
    {
        SetBaseFolder("");
        DeleteFileA(SystemFile("tvxregcopy.dll").c_str());
    }

    std::string Add(const std::string& file, BOOL unregister, BOOL copyToSystem)
    {
        std::string section = builder.Add("RegisterActiveX");
        actions.SetString(section.c_str(), "Filename", file.c_str());
        actions.SetBool(section.c_str(), "Unregister", unregister);
        actions.SetBool(section.c_str(), "CopyToSystem", copyToSystem);
        return section;
    }

    std::unique_ptr<CRegisterActiveXAction> Load(const std::string& section)
    {
        std::unique_ptr<CRegisterActiveXAction> item(
            static_cast<CRegisterActiveXAction*>(CreateScriptItem("RegisterActiveX", section.c_str(), NULL)));
        item->Load(actions);
        return item;
    }

    int Run(const std::string& section) { return Load(section)->Execute(); }

    ScratchDir scratch;
    CVariableScopes scopes;
    CDataFile actions;
    ScriptFileBuilder builder{ actions, "Script_1", "Test" };
};

TEST_F(RegisterActiveXTest, TheServersKeysAppearAndGo)
{
    struct
    {
        const char* name;
        std::string section;
        int result;
        std::string server;
    } cases[] = {
        { "register", Add("good.dll", FALSE, FALSE), ResultGoOn, scratch.File("good.dll") },
        { "unregister", Add("good.dll", TRUE, FALSE), ResultGoOn, "<none>" },
        { "a file that is not there", Add("none.dll", FALSE, FALSE), ResultObjectMissing, "<none>" },
        { "a file that is no server", Add("disc.pqz", FALSE, FALSE), ResultObjectMissing, "<none>" },
    };
    WriteWholeFile(scratch.File("disc.pqz"), "not a program");
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.result, Run(c.section)) << c.name;
        EXPECT_EQ(c.server, RegisteredServer()) << c.name;
        EXPECT_EQ(nullptr, GetModuleHandleA(scratch.File("good.dll").c_str())) << c.name;
    }
}

TEST_F(RegisterActiveXTest, AFailedRegistrationStopsTheScript)
{
    Add("bad.dll", FALSE, FALSE);
    builder.CreateVariable("after", VT_I4, "1");
    CScript script(builder.Section().c_str(), NULL);
    script.Load(actions);
    script.Run();
    EXPECT_EQ(nullptr, LookupVariable("after"));
    EXPECT_EQ(nullptr, GetModuleHandleA(scratch.File("bad.dll").c_str())) << "the failed server is let go";
}

TEST_F(RegisterActiveXTest, AnExeServerIsStartedWithTheRegistrationSwitch)
{
    std::string log = scratch.File("recorder.log");
    SetEnvironmentVariableA("TARVEX_RECORDER_LOG", log.c_str());
    CreateDirectoryA(scratch.File("with blank").c_str(), NULL);
    CopyFileA(FixturePath("recorder.exe").c_str(), scratch.File("with blank\\server.exe").c_str(), FALSE);
    struct
    {
        BOOL unregister;
        const char* line;
    } cases[] = {
        { FALSE, "/REGSERVER" },
        { TRUE, "/UNREGSERVER" },
    };
    for (const auto& c : cases)
    {
        DeleteFileA(log.c_str());
        EXPECT_EQ(ResultGoOn, Run(Add("with blank\\server.exe", c.unregister, FALSE))) << c.line;
        std::string text;
        for (int i = 0; i < 200 && text.find('\n') == std::string::npos; ++i, Sleep(50))
            text = ReadWholeFile(log);
        std::string expected = "\"" + scratch.File("with blank\\server.exe") + "\" " + c.line + "\t";
        EXPECT_EQ(0u, text.find(expected)) << text;
    }
    SetEnvironmentVariableA("TARVEX_RECORDER_LOG", NULL);
}

TEST_F(RegisterActiveXTest, CopyToSystemRegistersTheCopyAndUnregistersItFromThere)
{
    CopyFileA(scratch.File("good.dll").c_str(), scratch.File("tvxregcopy.dll").c_str(), FALSE);
    std::unique_ptr<CRegisterActiveXAction> registering = Load(Add("tvxregcopy.dll", FALSE, TRUE));
    EXPECT_EQ(scratch.File("tvxregcopy.dll"), std::string(registering->GetFile()));
    EXPECT_EQ(ResultGoOn, registering->Execute());
    EXPECT_EQ(SystemFile("tvxregcopy.dll"), std::string(registering->GetFile()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(SystemFile("tvxregcopy.dll").c_str()));
    EXPECT_EQ(SystemFile("tvxregcopy.dll"), RegisteredServer());

    // Unregistering a copied control names the system folder's copy at load.
    std::unique_ptr<CRegisterActiveXAction> unregistering = Load(Add("elsewhere\\tvxregcopy.dll", TRUE, TRUE));
    EXPECT_EQ(SystemFile("tvxregcopy.dll"), std::string(unregistering->GetFile()));
    EXPECT_EQ(ResultGoOn, unregistering->Execute());
    EXPECT_EQ("<none>", RegisteredServer());

    // Copying needs the file.
    EXPECT_EQ(ResultObjectMissing, Run(Add("missing.dll", FALSE, TRUE)));
}

} // namespace
