#include "platform/framework/FileFind.h"
#include "platform/framework/Gdi.h"
#include "platform/framework/ResourceLoad.h"
#include "platform/framework/WaitCursor.h"
#include "platform/framework/WorkerThread.h"
#include "tests/dialogs/DialogTests.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace
{
std::vector<std::string> Walk(const std::string& pattern, bool skipDots = true)
{
    std::vector<std::string> names;
    CFileFind find;
    BOOL more = find.FindFile(pattern.c_str());
    while (more)
    {
        more = find.FindNextFile();
        if (skipDots && find.IsDots())
            continue;
        std::string name = find.GetFileName().c_str();
        if (find.IsDirectory())
            name += "\\";
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(FileFindTest, WalksWhatMatchesAndSaysWhichIsLast)
{
    ScratchDir dir;
    WriteWholeFile(dir.File("a.txt"), "one");
    WriteWholeFile(dir.File("b.txt"), "three");
    WriteWholeFile(dir.File("c.dat"), "x");
    CreateDirectoryA(dir.File("sub").c_str(), NULL);

    struct Case { const char* pattern; std::vector<std::string> names; };
    const Case cases[] = {
        { "*.txt", { "a.txt", "b.txt" } },
        { "*", { "a.txt", "b.txt", "c.dat", "sub\\" } },
        { "c.dat", { "c.dat" } },
        { "*.none", {} },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.names, Walk(dir.Path() + c.pattern)) << c.pattern;

    CFileFind find;
    ASSERT_TRUE(find.FindFile(dir.File("b.txt").c_str()));
    EXPECT_FALSE(find.FindNextFile()) << "the only match is the last";
    EXPECT_EQ(dir.File("b.txt"), std::string(find.GetFilePath()));
    EXPECT_STREQ("b", find.GetFileTitle());
    EXPECT_EQ(5u, find.GetLength());
    EXPECT_FALSE(find.IsDirectory());
    EXPECT_FALSE(find.FindNextFile()) << "nothing after the last";
    EXPECT_FALSE(find.FindFile(dir.File("missing\\*").c_str()));
}

const UINT kWorkerDone = WM_APP + 7;

struct WorkerArgs
{
    HWND window;
    int value;
};

UINT PostFromWorker(LPVOID param)
{
    WorkerArgs* args = static_cast<WorkerArgs*>(param);
    PostMessageA(args->window, kWorkerDone, (WPARAM)args->value, (LPARAM)GetCurrentThreadId());
    return (UINT)args->value;
}

TEST(WorkerThreadTest, WorkersPostToTheInterfaceThread)
{
    HWND window = CreateWindowA("STATIC", "", 0, 0, 0, 10, 10, HWND_MESSAGE, NULL, NULL, NULL);
    ASSERT_NE(nullptr, window);
    WorkerArgs args[] = { { window, 1 }, { window, 2 }, { window, 3 } };
    for (WorkerArgs& a : args)
        ASSERT_NE(nullptr, AfxBeginThread(PostFromWorker, &a));

    std::set<int> values;
    MSG msg;
    while (values.size() < 3 && GetMessageA(&msg, NULL, 0, 0))
    {
        if (msg.message == kWorkerDone)
        {
            EXPECT_NE(GetCurrentThreadId(), (DWORD)msg.lParam);
            values.insert((int)msg.wParam);
            continue;
        }
        DispatchMessageA(&msg);
    }
    EXPECT_EQ((std::set<int>{ 1, 2, 3 }), values);
    DestroyWindow(window);
}

TEST(WorkerThreadTest, SuspendedWorkerCanBeKeptAndWaitedFor)
{
    HWND window = CreateWindowA("STATIC", "", 0, 0, 0, 10, 10, HWND_MESSAGE, NULL, NULL, NULL);
    WorkerArgs a = { window, 42 };
    CWorkerThread* thread = AfxBeginThread(PostFromWorker, &a, THREAD_PRIORITY_BELOW_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(nullptr, thread);
    EXPECT_EQ(THREAD_PRIORITY_BELOW_NORMAL, thread->GetThreadPriority());
    thread->m_bAutoDelete = FALSE;
    thread->ResumeThread();
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread->m_hThread, 10000));
    DWORD code = 0;
    GetExitCodeThread(thread->m_hThread, &code);
    EXPECT_EQ(42u, code);
    delete thread;
    DestroyWindow(window);
}

TEST(ResourceLoadTest, StringsBitmapsAndDibs)
{
    EXPECT_EQ("Dialog tests", AfxLoadString(IDS_TESTS));
    EXPECT_EQ("", AfxLoadString(9999));

    CBitmap ddb;
    ASSERT_TRUE(ddb.LoadBitmap(IDB_SMALL));
    BITMAP bm;
    GetObjectA(ddb.m_hObject, sizeof bm, &bm);
    EXPECT_EQ(8, bm.bmWidth);
    EXPECT_EQ(4, bm.bmHeight);
    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(9999));

    HBITMAP dib = AfxLoadDib(IDB_SMALL);
    ASSERT_NE(nullptr, dib);
    DIBSECTION ds;
    ASSERT_EQ((int)sizeof ds, GetObjectA(dib, sizeof ds, &ds)) << "a DIB section";
    HPALETTE palette = AfxCreateDibPalette(dib);
    ASSERT_NE(nullptr, palette);
    PALETTEENTRY entries[4] = {};
    UINT count = GetPaletteEntries(palette, 0, 4, entries);
    EXPECT_EQ(2u, count) << "the colours the bitmap uses";
    std::set<COLORREF> colours;
    for (UINT i = 0; i < count; ++i)
    {
        colours.insert(RGB(entries[i].peRed, entries[i].peGreen, entries[i].peBlue));
        EXPECT_EQ(0, entries[i].peFlags);
    }
    EXPECT_EQ((std::set<COLORREF>{ RGB(200, 30, 40), RGB(10, 220, 30) }), colours);
    DeleteObject(palette);
    EXPECT_EQ(nullptr, AfxCreateDibPalette(NULL));
    DeleteObject(dib);
}

TEST(WaitCursorTest, NestedWaitsEndWithTheOutermost)
{
    EXPECT_FALSE(CWaitCursor::IsWaiting());
    {
        CWaitCursor outer;
        {
            CWaitCursor inner;
            EXPECT_TRUE(CWaitCursor::IsWaiting());
        }
        EXPECT_TRUE(CWaitCursor::IsWaiting());
    }
    EXPECT_FALSE(CWaitCursor::IsWaiting());
}
}
