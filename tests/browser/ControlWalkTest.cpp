// The walk of the registered controls on its worker thread, against class
// keys the test writes itself and an independent walk of the registry.
#include <windows.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "browser/ControlWalk.h"
#include "tests/browser/SeededClasses.h"

namespace
{
const UINT kWalkMessage = WM_APP + 20;

struct WalkNotices
{
    int progress = 0;
    int done = 0;
};

LRESULT CALLBACK NoticeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kWalkMessage)
    {
        WalkNotices* notices = (WalkNotices*)GetWindowLongPtrA(window, GWLP_USERDATA);
        if (wParam == kWalkProgress)
            notices->progress++;
        else if (wParam == kWalkDone)
            notices->done++;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A message-only window that counts the walk's notices.
class NoticeWindow
{
public:
    NoticeWindow()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = NoticeProc;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.lpszClassName = "ZephraneWalkNotices";
        RegisterClassA(&wc);
        m_window = CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, wc.hInstance, NULL);
        SetWindowLongPtrA(m_window, GWLP_USERDATA, (LONG_PTR)&notices);
    }
    ~NoticeWindow() { DestroyWindow(m_window); }

    // Pumps until the walk has said it is done (or a minute has passed).
    bool WaitDone()
    {
        const DWORD start = GetTickCount();
        while (notices.done == 0 && GetTickCount() - start < 60000)
        {
            MSG msg;
            while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
            MsgWaitForMultipleObjects(0, NULL, FALSE, 50, QS_ALLINPUT);
        }
        return notices.done > 0;
    }

    HWND m_window;
    WalkNotices notices;
};

struct Decoy
{
    std::string classId;
    const char* displayName;
    std::vector<std::string> subkeys;
    bool listed;
};

const std::string kLongName = "Zephrane long " + std::string(400, 'n');

std::vector<Decoy> Decoys()
{
    return {
        { seeded::ClassId(1, 1), "zeph Beta", { "Control", "ProgID=Zeph.Beta" }, true },
        { seeded::ClassId(1, 2), "Zeph alpha", { "ProgID=Zeph.Alpha", "Control" }, true },
        { seeded::ClassId(1, 3), NULL, { "Control", "ProgID=Zeph.Nameless" }, true },
        { seeded::ClassId(1, 4), kLongName.c_str(), { "Control", "ProgID=Zeph.Long" }, true },
        { seeded::ClassId(1, 5), "Zeph no ProgID", { "Control" }, false },
        { seeded::ClassId(1, 6), "Zeph no Control", { "ProgID=Zeph.NotAControl" }, false },
        { seeded::ClassId(1, 7), "Zeph neither", { "InprocServer32=C:\\z.dll" }, false },
    };
}

class ControlWalkTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const Decoy& d : Decoys())
            ASSERT_TRUE(seeded::AddClass(d.classId, d.displayName, d.subkeys)) << d.classId;
    }
    void TearDown() override
    {
        for (const Decoy& d : Decoys())
            seeded::RemoveClass(d.classId);
    }

    // A whole walk through the notice window.
    CControlCatalog Walk(CStr* progress = NULL)
    {
        NoticeWindow window;
        CControlWalk walk;
        CControlCatalog catalog;
        EXPECT_TRUE(walk.Start(window.m_window, kWalkMessage));
        EXPECT_TRUE(window.WaitDone());
        if (progress)
            *progress = walk.GetProgressText();
        EXPECT_TRUE(walk.TakeCatalog(catalog));
        EXPECT_FALSE(walk.IsRunning());
        EXPECT_FALSE(walk.TakeCatalog(catalog)) << "taken once";
        return catalog;
    }
};
}

TEST_F(ControlWalkTest, ListsWhatAnIndependentWalkSelectsSortedByName)
{
    const CControlCatalog catalog = Walk();
    std::vector<std::string> ambiguous;
    const std::vector<seeded::WalkedControl> expected = seeded::IndependentWalk(&ambiguous);

    std::map<std::string, std::string> listed;
    for (int i = 0; i < catalog.GetCount(); i++)
    {
        const CControlCatalogEntry* entry = catalog.GetEntry(i);
        if (std::find(ambiguous.begin(), ambiguous.end(), std::string(entry->GetClassId())) == ambiguous.end())
            listed[entry->GetClassId().c_str()] = entry->GetDisplayName().c_str();
        EXPECT_STREQ("", entry->GetProgId());
        if (i > 0)
        {
            EXPECT_FALSE(CompareControlNamesMbcs(*entry, *catalog.GetEntry(i - 1))) << i;
        }
    }
    std::map<std::string, std::string> walked;
    for (const seeded::WalkedControl& c : expected)
        walked[c.classId] = c.displayName;
    EXPECT_EQ(walked, listed);

    for (const Decoy& d : Decoys())
    {
        EXPECT_EQ(d.listed, listed.count(d.classId) == 1) << d.classId;
    }
    EXPECT_EQ(kLongName, listed[seeded::ClassId(1, 4)]) << "read whole";
    EXPECT_EQ(seeded::ClassId(1, 3), listed[seeded::ClassId(1, 3)]) << "nameless: its ClassID";

    // Case is ignored: "Zeph alpha" before "zeph Beta".
    int alpha = -1, beta = -1;
    for (int i = 0; i < catalog.GetCount(); i++)
    {
        if (catalog.GetEntry(i)->GetClassId() == seeded::ClassId(1, 2).c_str())
            alpha = i;
        if (catalog.GetEntry(i)->GetClassId() == seeded::ClassId(1, 1).c_str())
            beta = i;
    }
    EXPECT_LT(alpha, beta);
}

TEST_F(ControlWalkTest, ProgressTextGrowsAtFiftyHundredAndHundredFifty)
{
    struct Row
    {
        int count;
        const char* step;
    } rows[] = {
        { 1, NULL }, { 49, NULL }, { 50, "\r\nProbing the CLSID entries..." }, { 51, NULL },
        { 100, "\r\nAgain " }, { 150, "and Again... " }, { 200, NULL },
    };
    for (const Row& row : rows)
    {
        const char* step = WalkProgressStep(row.count);
        EXPECT_STREQ(row.step ? row.step : "(none)", step ? step : "(none)") << row.count;
    }

    // 150 seeded controls on top of whatever the prefix holds: all three steps.
    ASSERT_TRUE(seeded::AddFamily(2, 150, 1));
    CStr progress;
    const CControlCatalog catalog = Walk(&progress);
    seeded::RemoveFamily(2, 150);
    ASSERT_GE(catalog.GetCount(), 150);
    EXPECT_STREQ("Lifting the registry's skirt...\r\nProbing the CLSID entries...\r\nAgain and Again... ", progress);
}

TEST_F(ControlWalkTest, StoppingARunningWalkWaitsForTheWorkerAndDropsItsList)
{
    ASSERT_TRUE(seeded::AddFamily(3, 3000, 3));
    {
        NoticeWindow window;
        CControlWalk walk;
        ASSERT_TRUE(walk.Start(window.m_window, kWalkMessage));
        EXPECT_FALSE(walk.Start(window.m_window, kWalkMessage)) << "one walk at a time";
        Sleep(20);
        walk.Stop();
        EXPECT_FALSE(walk.IsRunning());
        CControlCatalog catalog;
        EXPECT_FALSE(walk.TakeCatalog(catalog));
        EXPECT_EQ(0, catalog.GetCount());

        // Started again after a stop, it walks to the end.
        ASSERT_TRUE(walk.Start(window.m_window, kWalkMessage));
        // Destroyed while running: the destructor stops it.
    }
    {
        // A window of its own: no notice of the walks above reaches it.
        NoticeWindow window;
        CControlWalk walk;
        ASSERT_TRUE(walk.Start(window.m_window, kWalkMessage));
        ASSERT_TRUE(window.WaitDone());
        CControlCatalog catalog;
        ASSERT_TRUE(walk.TakeCatalog(catalog));
        EXPECT_GE(catalog.GetCount(), 1000);
    }
    seeded::RemoveFamily(3, 3000);
}

TEST(ControlWalkThread, RefusesAMissingWalk)
{
    EXPECT_EQ(1u, EnumControlsThreadProc(NULL));
}
