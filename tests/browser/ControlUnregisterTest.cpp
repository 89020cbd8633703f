// Unregistering a control's server: throwaway registrations of the test's
// own, never the shared test control.
#include <windows.h>
#include <gtest/gtest.h>
#include <string>

#include "browser/ControlUnregister.h"
#include "tests/browser/SeededClasses.h"
#include "tests/support/TestSupport.h"

namespace
{
const char kGoneClass[] = "{5A9E6C10-7D21-4B3F-A8C4-0F1E2D3C4B51}";
const char kKeptClass[] = "{5A9E6C10-7D21-4B3F-A8C4-0F1E2D3C4B52}";
const char kProgramClass[] = "{5A9E6C10-7D21-4B3F-A8C4-0F1E2D3C4B53}";

CControlCatalogEntry Registered(const char* classId, const std::string& server)
{
    EXPECT_TRUE(seeded::AddClass(classId, "Zephrane throwaway",
                                 { "Control", "ProgID=Zephrane.Throwaway", "InprocServer32=" + server }));
    CControlCatalogEntry entry(classId, "Zephrane throwaway");
    entry.SetServerPath(server.c_str());
    return entry;
}

class ControlUnregisterTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        seeded::RemoveClass(kGoneClass);
        seeded::RemoveClass(kKeptClass);
        seeded::RemoveClass(kProgramClass);
    }
};
}

TEST(ControlUnregisterCommand, ExecutablesByExeAfterTheFirstCharacterPathQuoted)
{
    struct Row
    {
        const char* path;
        bool executable;
        const char* command;
    } rows[] = {
        { "C:\\Program Files\\Grid\\grid.EXE", true, "\"C:\\Program Files\\Grid\\grid.EXE\" /UNREGSERVER" },
        { "C:\\grid\\grid.exe", true, "\"C:\\grid\\grid.exe\" /UNREGSERVER" },
        { ".exe", false, "\".exe\" /UNREGSERVER" },
        { "C:\\grid\\grid.dll", false, "\"C:\\grid\\grid.dll\" /UNREGSERVER" },
        { "\"C:\\a b\\c.exe\"", true, "\"C:\\a b\\c.exe\" /UNREGSERVER" },
    };
    for (const Row& row : rows)
    {
        EXPECT_EQ(row.executable, IsExecutableServer(row.path) != FALSE) << row.path;
        EXPECT_STREQ(row.command, UnregisterCommand(row.path)) << row.path;
    }
}

TEST_F(ControlUnregisterTest, ALibraryThatRemovesItsKeysIsUnregistered)
{
    const CControlCatalogEntry entry = Registered(kGoneClass, TestProgramFolder() + "zphthrowgone.dll");
    ASSERT_TRUE(ClassKeyExists(kGoneClass));
    EXPECT_TRUE(UnregisterControlServer(entry));
    EXPECT_FALSE(ClassKeyExists(kGoneClass));
}

TEST_F(ControlUnregisterTest, SuccessWithTheKeysStillThereIsAFailure)
{
    const CControlCatalogEntry entry = Registered(kKeptClass, TestProgramFolder() + "zphthrowkept.dll");
    EXPECT_FALSE(UnregisterControlServer(entry));
    EXPECT_TRUE(ClassKeyExists(kKeptClass));
}

TEST_F(ControlUnregisterTest, ServersThatCannotUnregisterFail)
{
    const std::string servers[] = {
        TestProgramFolder() + "no such server.dll",
        TestProgramFolder() + "ControlUnregisterTest.exe.missing",
        "",
    };
    for (const std::string& server : servers)
    {
        const CControlCatalogEntry entry = Registered(kKeptClass, server);
        EXPECT_FALSE(UnregisterControlServer(entry)) << server;
        EXPECT_TRUE(ClassKeyExists(kKeptClass));
    }
    // A library without the entry point.
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    const CControlCatalogEntry entry = Registered(kKeptClass, std::string(system) + "\\version.dll");
    EXPECT_FALSE(UnregisterControlServer(entry));
}

TEST_F(ControlUnregisterTest, AProgramInAFolderWithSpacesIsRunQuotedWithUnregServer)
{
    const std::string folder = TestProgramFolder() + "server folder\\";
    CreateDirectoryA(folder.c_str(), NULL);
    const std::string program = folder + "zphthrowexe.exe";
    ASSERT_TRUE(CopyFileA((TestProgramFolder() + "zphthrowexe.exe").c_str(), program.c_str(), FALSE));
    const std::string log = TestProgramFolder() + "zphthrowexe.log";
    DeleteFileA(log.c_str());
    const CControlCatalogEntry entry = Registered(kProgramClass, program);
    ASSERT_TRUE(seeded::SetDefault(std::string("CLSID\\") + kProgramClass, log.c_str(), "CommandLog"));

    EXPECT_TRUE(UnregisterControlServer(entry));
    // Started, not waited for: the program removes its keys in its own time.
    EXPECT_TRUE(WaitUntil([&] { return !ClassKeyExists(kProgramClass); }));

    HANDLE file = CreateFileA(log.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    char text[512] = {};
    DWORD got = 0;
    ReadFile(file, text, sizeof text - 1, &got, NULL);
    CloseHandle(file);
    EXPECT_STREQ("/UNREGSERVER", text);
    DeleteFileA(log.c_str());
    DeleteFileA(program.c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST_F(ControlUnregisterTest, AProgramServerIsStartedAndNotWaitedFor)
{
    MessageRecorder boxes;
    HANDLE end = CreateEventA(NULL, TRUE, FALSE, "ZephraneSleepingServer.End");
    ASSERT_NE(nullptr, end);
    const CControlCatalogEntry entry = Registered(kProgramClass, TestProgramFolder() + "zphsleepexe.exe");
    auto sleeping = [] {
        HANDLE running = OpenEventA(SYNCHRONIZE, FALSE, "ZephraneSleepingServer.Running");
        if (running)
            CloseHandle(running);
        return running != NULL;
    };
    // The server sleeps 30 s over its unregistration; the call is back
    // while it still sleeps, and answers success for the started program.
    EXPECT_TRUE(UnregisterControlServer(entry));
    EXPECT_TRUE(WaitUntil(sleeping));
    // A program's keys are not looked at.
    EXPECT_TRUE(ClassKeyExists(kProgramClass));
    SetEvent(end);
    EXPECT_TRUE(WaitUntil([&] { return !sleeping(); }));
    CloseHandle(end);
    EXPECT_TRUE(boxes.Messages().empty());
}
