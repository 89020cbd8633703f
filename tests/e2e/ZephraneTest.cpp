// The controls browser as a user meets it: Zephrane.exe from the installed
// layout, in a registry seeded by the test (the test control, registrations
// of the test's own and decoys), driven from outside through its sheet.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <mbstring.h>
#include <algorithm>
#include <string>
#include <vector>

#include "tests/browser/SeededClasses.h"
#include "tests/e2e/DialogDriver.h"
#include "tests/e2e/EditorProcess.h"
#include "tests/e2e/WindowDriver.h"
#include "tests/browser/TestControlReport.h"
#include "tests/model/TestControlFixture.h"

namespace
{
const char kCaption[] = "Zephrane - Hardcore Info";
const char kOwnClass[] = "{5A9E6C1E-0000-4000-8000-000000000001}";
const char kThrowawayClass[] = "{5A9E6C10-7D21-4B3F-A8C4-0F1E2D3C4B51}";   // zphthrowgone.dll's
const char kSleepingClass[] = "{5A9E6C10-7D21-4B3F-A8C4-0F1E2D3C4B54}";    // zphsleepexe.exe's

// The sleeping server holds this event while it sleeps.
bool ServerSleeps()
{
    HANDLE running = OpenEventA(SYNCHRONIZE, FALSE, "ZephraneSleepingServer.Running");
    if (running)
        CloseHandle(running);
    return running != NULL;
}

std::string ZephraneExePath()
{
    return LumbrookBinFolder() + "Zephrane.exe";
}

class ZephraneProcess : public ProgramProcess
{
public:
    ZephraneProcess() : ProgramProcess("#32770", "LUMBROOK_MESSAGE_LOG") {}

    bool StartAndShow()
    {
        return Start(ZephraneExePath()) && WaitForWindow() != NULL;
    }
    HWND Page() const { return SheetCurrentPage(Window()); }
    HWND Item(int id) const { return GetDlgItem(Page(), id); }

    // Waits until the walk has filled the list; its item count.
    int WaitForList() const
    {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < 60000)
        {
            LRESULT count = SendMessageA(Item(1003), LB_GETCOUNT, 0, 0);
            if (count > 0)
                return (int)count;
            Sleep(100);
        }
        return 0;
    }

    std::vector<std::string> ListItems() const
    {
        std::vector<std::string> items;
        HWND list = Item(1003);
        const int count = (int)SendMessageA(list, LB_GETCOUNT, 0, 0);
        // Room beyond the item's length: the reply of another process is
        // copied in as it comes.
        std::vector<wchar_t> text(8192, L'\0');
        for (int i = 0; i < count; i++)
        {
            std::fill(text.begin(), text.end(), L'\0');
            SendMessageW(list, LB_GETTEXT, i, (LPARAM)text.data());
            text.back() = L'\0';
            char name[8192] = "";
            WideCharToMultiByte(CP_ACP, 0, text.data(), -1, name, sizeof name, NULL, NULL);
            items.push_back(name);
        }
        return items;
    }

    // Types text into the search field, presses Find and waits until the
    // information text has changed from what it was.
    void Find(const char* text)
    {
        const std::string before = DialogItemText(Page(), 1000);
        SetDialogItemText(Page(), 1001, text);
        PressDialogButton(Page(), 1005);
        Answers();
        WaitForInfoChange(before);
    }

    void WaitForInfoChange(const std::string& before) const
    {
        const DWORD start = GetTickCount();
        while (DialogItemText(Page(), 1000) == before && GetTickCount() - start < kProgramWaitMs)
            Sleep(50);
    }

    bool ShowPage(int index) const
    {
        SendMessageA(Window(), PSM_SETCURSEL, (WPARAM)index, 0);
        return Answers();
    }

    bool WaitForMessage(const std::string& prefix) const
    {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < kProgramWaitMs)
        {
            for (const std::string& line : Messages())
                if (line.compare(0, prefix.size(), prefix) == 0)
                    return true;
            Sleep(100);
        }
        return false;
    }
};

// A block of memory in another process, for messages that carry pointers.
class RemoteMemory
{
public:
    RemoteMemory(HWND window, size_t size) : m_size(size)
    {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        m_process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        m_memory = m_process ? VirtualAllocEx(m_process, NULL, size, MEM_COMMIT, PAGE_READWRITE) : NULL;
    }
    ~RemoteMemory()
    {
        if (m_memory)
            VirtualFreeEx(m_process, m_memory, 0, MEM_RELEASE);
        if (m_process)
            CloseHandle(m_process);
    }
    char* Address() const { return (char*)m_memory; }
    bool Write(size_t offset, const void* data, size_t size) const
    {
        return WriteProcessMemory(m_process, Address() + offset, data, size, NULL) != FALSE;
    }
    bool Read(size_t offset, void* data, size_t size) const
    {
        return ReadProcessMemory(m_process, Address() + offset, data, size, NULL) != FALSE;
    }

private:
    HANDLE m_process;
    void* m_memory;
    size_t m_size;
};

// The rows of another process's report list view, cells joined by '|',
// trailing spaces of each cell kept.
std::vector<std::string> ReadListView(HWND list)
{
    std::vector<std::string> rows;
    const size_t kText = 512;
    RemoteMemory memory(list, sizeof(LVITEMA) + kText);
    HWND header = (HWND)SendMessageA(list, LVM_GETHEADER, 0, 0);
    const int columns = std::max(1, (int)SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    const int count = (int)SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
    for (int i = 0; i < count; i++)
    {
        std::string row;
        for (int c = 0; c < columns; c++)
        {
            LVITEMA item = {};
            item.iSubItem = c;
            item.pszText = memory.Address() + sizeof(LVITEMA);
            item.cchTextMax = (int)kText;
            memory.Write(0, &item, sizeof item);
            SendMessageA(list, LVM_GETITEMTEXTA, (WPARAM)i, (LPARAM)memory.Address());
            char text[kText] = {};
            memory.Read(sizeof(LVITEMA), text, kText - 1);
            row += (c ? "|" : "") + std::string(text);
        }
        rows.push_back(row);
    }
    return rows;
}

class ZephraneTest : public TestControlTest
{
protected:
    void SetUp() override
    {
        TestControlTest::SetUp();
        ASSERT_TRUE(seeded::AddClass(kOwnClass, "Zephrane Own Control",
                                     { "Control", "ProgID=Zephrane.OwnControl", "InprocServer32=C:\\own\\own.dll" }));
        ASSERT_TRUE(seeded::AddClass(seeded::ClassId(14, 2), "Zephrane decoy without ProgID", { "Control" }));
        ASSERT_TRUE(seeded::AddClass(seeded::ClassId(14, 3), "Zephrane decoy without Control", { "ProgID=Zephrane.Decoy" }));
        ASSERT_TRUE(seeded::AddClass(seeded::ClassId(14, 4), "aardvark zephrane first", { "ProgID=Zephrane.First", "Control" }));
    }
    void TearDown() override
    {
        seeded::RemoveClass(kOwnClass);
        for (unsigned n = 2; n <= 4; n++)
            seeded::RemoveClass(seeded::ClassId(14, n));
        seeded::RemoveClass(kThrowawayClass);
        seeded::RemoveClass(kSleepingClass);
        TestControlTest::TearDown();
    }

    // A throwaway registration of server, selected by Find in a started
    // Zephrane whose unregister question is answered Yes: the list's
    // length, 0 when it did not get that far.
    int StartOnThrowaway(ZephraneProcess& zephrane, const char* classId, const char* name, const char* progId,
                         const std::string& server)
    {
        if (!seeded::AddClass(classId, name,
                              { "Control", std::string("ProgID=") + progId, "InprocServer32=" + server }))
            return 0;
        zephrane.SetMessageAnswers("ARE YOU SURE?=YES\n");
        if (!zephrane.StartAndShow())
            return 0;
        const int count = zephrane.WaitForList();
        if (count <= 0)
            return 0;
        zephrane.Find(classId);
        const std::string title = std::string(kCaption) + " about \"" + name + "\"";
        EXPECT_EQ(title, zephrane.Title());
        return zephrane.Title() == title ? count : 0;
    }
};
}

TEST_F(ZephraneTest, ListsTheRegisteredControlsSortedAndFindsThem)
{
    ZephraneProcess zephrane;
    ASSERT_TRUE(zephrane.StartAndShow());
    ASSERT_GT(zephrane.WaitForList(), 0);
    zephrane.Answers();

    // Exactly the controls an independent walk selects, sorted by name.
    std::vector<std::string> ambiguous;
    std::vector<std::string> expected;
    std::vector<std::string> ambiguousNames;
    std::vector<seeded::WalkedControl> walked = seeded::IndependentWalk(&ambiguous);
    for (const seeded::WalkedControl& c : walked)
        expected.push_back(c.displayName);
    std::vector<std::string> listed;
    for (const std::string& name : zephrane.ListItems())
    {
        bool isAmbiguous = false;
        for (const std::string& classId : ambiguous)
        {
            std::string display;
            ReadRegistryString(HKEY_CLASSES_ROOT, ("CLSID\\" + classId).c_str(), NULL, display);
            isAmbiguous = isAmbiguous || display == name || classId == name;
        }
        if (!isAmbiguous)
            listed.push_back(name);
    }
    std::vector<std::string> sortedExpected = expected;
    std::sort(sortedExpected.begin(), sortedExpected.end());
    std::vector<std::string> sortedListed = listed;
    std::sort(sortedListed.begin(), sortedListed.end());
    EXPECT_EQ(sortedExpected, sortedListed);
    for (size_t i = 1; i < listed.size(); i++)
        EXPECT_LE(_mbsicmp((const unsigned char*)listed[i - 1].c_str(), (const unsigned char*)listed[i].c_str()), 0)
            << listed[i - 1] << " / " << listed[i];
    EXPECT_TRUE(std::find(listed.begin(), listed.end(), "Zephrane Own Control") != listed.end());
    EXPECT_TRUE(std::find(listed.begin(), listed.end(), "Zephrane decoy without ProgID") == listed.end());
    EXPECT_TRUE(std::find(listed.begin(), listed.end(), "Zephrane decoy without Control") == listed.end());

    // The first entry is selected and its details shown.
    const std::vector<std::string> items = zephrane.ListItems();
    EXPECT_EQ(0, (int)SendMessageA(zephrane.Item(1003), LB_GETCURSEL, 0, 0));
    EXPECT_EQ(std::string(kCaption) + " about \"" + items[0] + "\"", zephrane.Title());

    // Find by part of a name, ignoring case.
    zephrane.Find("zephrane own");
    EXPECT_EQ(std::string(kCaption) + " about \"Zephrane Own Control\"", zephrane.Title());
    EXPECT_EQ(std::string(kOwnClass) + "\r\nZephrane.OwnControl\r\nC:\\own\\own.dll\r\n",
              DialogItemText(zephrane.Page(), 1000));

    // By the first characters of a class ID, brace included.
    zephrane.Find("{c406d0ce-5d34");
    EXPECT_EQ(std::string(kCaption) + " about \"Lumbrook Test Control\"", zephrane.Title());
    EXPECT_EQ(std::string(kTestControlClsid) + "\r\n" + kTestControlProgId + "\r\n",
              DialogItemText(zephrane.Page(), 1000).substr(0, strlen(kTestControlClsid) + strlen(kTestControlProgId) + 4));

    // By a ProgID: read once the entry was selected, found from the next entry round to itself.
    zephrane.Find("Zephrane.OwnControl");
    zephrane.Find("zephrane.owncontrol");
    EXPECT_EQ(std::string(kCaption) + " about \"Zephrane Own Control\"", zephrane.Title());

    // Nothing found.
    zephrane.Find("no control is called this");
    EXPECT_EQ("No matches found!", DialogItemText(zephrane.Page(), 1000));

    EXPECT_TRUE(zephrane.Close());
    EXPECT_EQ(0u, zephrane.ExitCode());
    EXPECT_TRUE(zephrane.Messages().empty());
}

TEST_F(ZephraneTest, MemberPagesAndReportOfTheTestControl)
{
    ZephraneProcess zephrane;
    ASSERT_TRUE(zephrane.StartAndShow());
    ASSERT_GT(zephrane.WaitForList(), 0);
    zephrane.Find(kTestControlClsid);
    ASSERT_EQ(std::string(kCaption) + " about \"Lumbrook Test Control\"", zephrane.Title());

    ASSERT_TRUE(zephrane.ShowPage(1));
    EXPECT_EQ((std::vector<std::string>{ "Caption  |VT_BSTR  |Get, Put", "FireCount  |VT_I4  |Get",
                                         "FillColor  |VT_I4  |Put" }),
              ReadListView(zephrane.Item(1002)));
    EXPECT_EQ((std::vector<std::string>{ "OnFired", "OnPinged" }), ReadListView(zephrane.Item(1003)));

    ASSERT_TRUE(zephrane.ShowPage(2));
    EXPECT_EQ((std::vector<std::string>{ "Add     |VT_I4", "Concat     |VT_BSTR", "Fire     |", "Ping     |",
                                         "oleDrag     |" }),
              ReadListView(zephrane.Item(1005)));
    // The first method is selected: its parameters.
    EXPECT_EQ((std::vector<std::string>{ "0 |a     |VT_I4", "1 |b     |VT_I4" }), ReadListView(zephrane.Item(1007)));

    // The report, in the program's current folder.
    ASSERT_TRUE(zephrane.ShowPage(0));
    const std::string report = LumbrookBinFolder() + "LumbrookTestControl.txt";
    DeleteFileA(report.c_str());
    PressDialogButton(zephrane.Page(), 1007);
    ASSERT_TRUE(zephrane.WaitForMessage("Done Saving\tSaved as LumbrookTestControl.txt"));
    const std::string expected = ExpectedTestControlReport(TestControlPath());
    std::string written = ReadWholeFile(report);
    // The server path as the registry holds it; compared without regard to case.
    const size_t at = written.find("location: ");
    const size_t end = written.find("\r\n", at);
    if (at != std::string::npos && end != std::string::npos &&
        _stricmp(written.substr(at + 10, end - at - 10).c_str(), TestControlPath().c_str()) == 0)
        written.replace(at + 10, end - at - 10, TestControlPath());
    EXPECT_EQ(expected, written);
    DeleteFileA(report.c_str());
    EXPECT_TRUE(zephrane.Close());
}

TEST_F(ZephraneTest, UnregistersAThrowawayRegistrationAndDropsItsEntry)
{
    ZephraneProcess zephrane;
    const int count = StartOnThrowaway(zephrane, kThrowawayClass, "Zephrane throwaway", "Zephrane.Throwaway",
                                       TestProgramFolder() + "zphthrowgone.dll");
    ASSERT_GT(count, 0);

    PressDialogButton(zephrane.Page(), 1004);
    ASSERT_TRUE(zephrane.WaitForMessage("Congratulations\tUnregistration succeeded"));
    zephrane.Answers();
    EXPECT_FALSE(seeded::ClassExists(kThrowawayClass));
    const std::vector<std::string> items = zephrane.ListItems();
    EXPECT_EQ(count - 1, (int)items.size());
    EXPECT_TRUE(std::find(items.begin(), items.end(), "Zephrane throwaway") == items.end());
    EXPECT_TRUE(zephrane.Close());
}

TEST_F(ZephraneTest, UnregisteringAProgramServerAnswersWhileTheServerStillRuns)
{
    HANDLE end = CreateEventA(NULL, TRUE, FALSE, "ZephraneSleepingServer.End");
    ASSERT_NE(nullptr, end);
    ZephraneProcess zephrane;
    ASSERT_GT(StartOnThrowaway(zephrane, kSleepingClass, "Zephrane sleeping server", "Zephrane.Sleeping",
                               TestProgramFolder() + "zphsleepexe.exe"),
              0);

    PressDialogButton(zephrane.Page(), 1004);
    ASSERT_TRUE(zephrane.WaitForMessage("Congratulations\tUnregistration succeeded"));
    // The server sleeps 30 s: the sheet answered without waiting for it (a
    // sheet that waited would answer once the server is gone).
    EXPECT_TRUE(WaitUntil(ServerSleeps));
    EXPECT_TRUE(zephrane.Answers());
    const std::vector<std::string> items = zephrane.ListItems();
    EXPECT_TRUE(std::find(items.begin(), items.end(), "Zephrane sleeping server") == items.end());
    // The question and the success, no other box.
    std::vector<std::string> captions;
    for (const std::string& line : zephrane.Messages())
        for (const char* caption : { "ARE YOU SURE?\t", "Congratulations\t", "TARFU\t", "SNAFU\t", "CStr fatal" })
            if (line.find(caption) != std::string::npos)
                captions.push_back(caption);
    EXPECT_EQ(std::vector<std::string>({ "ARE YOU SURE?\t", "Congratulations\t" }), captions);
    SetEvent(end);
    EXPECT_TRUE(WaitUntil([] { return !ServerSleeps(); }));
    CloseHandle(end);
    EXPECT_TRUE(zephrane.Close());
}

TEST_F(ZephraneTest, ClosingDuringAWalkOfThousandsOfEntriesEndsCleanly)
{
    ASSERT_TRUE(seeded::AddFamily(15, 4000, 4));
    ZephraneProcess zephrane;
    ASSERT_TRUE(zephrane.StartAndShow());
    PressSheetButton(zephrane.Window(), PSBTN_CANCEL);
    EXPECT_TRUE(zephrane.WaitForExit());
    EXPECT_EQ(0u, zephrane.ExitCode());
    seeded::RemoveFamily(15, 4000);
}

TEST(ZephraneRegistration, RegServerAndUnregServerWriteAndRemoveTheAppId)
{
    const char kAppIdKey[] = "AppID\\{C8A52E51-3B7D-4E2A-9F60-1D2C3B4A5E6F}";
    const char kExeKey[] = "AppID\\Zephrane.EXE";
    {
        ZephraneProcess zephrane;
        ASSERT_TRUE(zephrane.Start(ZephraneExePath(), "/RegServer"));
        ASSERT_TRUE(zephrane.WaitForExit());
        EXPECT_FALSE(zephrane.SawVisibleWindow());
    }
    std::string name;
    EXPECT_TRUE(ReadRegistryString(HKEY_CLASSES_ROOT, kAppIdKey, NULL, name));
    EXPECT_EQ("Zephrane", name);
    std::string appId;
    EXPECT_TRUE(ReadRegistryString(HKEY_CLASSES_ROOT, kExeKey, "AppID", appId));
    EXPECT_EQ("{C8A52E51-3B7D-4E2A-9F60-1D2C3B4A5E6F}", appId);
    {
        ZephraneProcess zephrane;
        ASSERT_TRUE(zephrane.Start(ZephraneExePath(), "-UnregServer"));
        ASSERT_TRUE(zephrane.WaitForExit());
    }
    EXPECT_FALSE(RegistryKeyExists(HKEY_CLASSES_ROOT, kAppIdKey));
    EXPECT_FALSE(RegistryKeyExists(HKEY_CLASSES_ROOT, kExeKey));
    EXPECT_TRUE(RegistryKeyExists(HKEY_CLASSES_ROOT, "AppID"));
}
