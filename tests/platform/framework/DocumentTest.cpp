// The single document, its template and the recent files.
#include "tests/platform/framework/FrameworkTestApp.h"

#include "tests/support/BoxRule.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <shlobj.h>

namespace
{
std::string WindowText(CWnd* wnd)
{
    char text[256] = "";
    wnd->GetWindowText(text, sizeof(text));
    return text;
}
}

TEST(SingleDocumentTest, NewAndOpenReuseTheDocumentAndUpdateTheViewsAgain)
{
    ScratchDir dir;
    WriteWholeFile(dir.File("one.fwt"), "1");
    CTestApp app;
    CTestDoc* doc = app.Start();
    ASSERT_NE(doc, nullptr);
    CTestView* view = app.View();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->m_initialUpdates, 1);

    struct Step
    {
        const char* file;  // NULL: File New
        const char* title;
    };
    const Step steps[] = { { NULL, "Untitled" }, { "one.fwt", "one.fwt" }, { NULL, "Untitled" } };
    int updates = 1;
    for (const Step& s : steps)
    {
        std::string path = s.file ? dir.File(s.file) : std::string();
        CDocument* now = s.file ? app.OpenDocumentFile(path.c_str()) : (app.OnFileNew(), app.Doc());
        EXPECT_EQ(now, doc) << (s.file ? s.file : "new");
        EXPECT_EQ(app.View(), view);
        EXPECT_EQ(view->m_initialUpdates, ++updates) << (s.file ? s.file : "new");
        EXPECT_STREQ(doc->GetTitle(), s.title);
        EXPECT_EQ(WindowText(app.Frame()), std::string(s.title) + " - FwTest");
    }
}

TEST(SingleDocumentTest, AFailedOpenLeavesAFreshUntitledDocument)
{
    ScratchDir dir;
    WriteWholeFile(dir.File("good.fwt"), "1");
    WriteWholeFile(dir.File("refused.fwt"), "1");
    struct Case
    {
        const char* file;
        BOOL refuse;
        std::vector<std::string> boxes;  // the base reports a file that does not open
    };
    const Case cases[] = { { "missing.fwt", FALSE, { "Failed to open document." } }, { "refused.fwt", TRUE, {} } };
    for (const Case& c : cases)
    {
        for (const std::string& box : c.boxes)
            ExpectBox(box);
        BoxWatch boxes;
        CTestApp app;
        CTestDoc* doc = app.Start();
        ASSERT_NE(doc, nullptr);
        ASSERT_EQ(app.OpenDocumentFile(dir.File("good.fwt").c_str()), doc);
        int newCount = doc->m_newCount;
        int updates = app.View()->m_initialUpdates;
        doc->m_failOpen = c.refuse;
        EXPECT_EQ(app.OpenDocumentFile(dir.File(c.file).c_str()), nullptr) << c.file;
        EXPECT_EQ(app.Doc(), doc) << c.file;
        EXPECT_STREQ(doc->GetTitle(), "Untitled") << c.file;
        EXPECT_STREQ(doc->GetPathName(), "") << c.file;
        EXPECT_EQ(doc->m_content, "") << c.file;
        EXPECT_EQ(doc->m_newCount, newCount + 1) << c.file;
        EXPECT_FALSE(doc->IsModified()) << c.file;
        EXPECT_EQ(app.View()->m_initialUpdates, updates + 1) << c.file;
        EXPECT_EQ(WindowText(app.Frame()), "Untitled - FwTest") << c.file;
        EXPECT_EQ(c.boxes, boxes.Texts()) << c.file;
    }
}

TEST(SingleDocumentTest, APathTheDocumentSetsWhileOpeningIsKept)
{
    ScratchDir dir;
    WriteWholeFile(dir.File("opened.fwt"), "1");
    struct Case
    {
        const char* own;
        const char* expected;
    };
    const Case cases[] = { { "", "opened.fwt" }, { "project.fwt", "project.fwt" } };
    for (const Case& c : cases)
    {
        CTestApp app;
        CTestDoc* doc = app.Start();
        ASSERT_NE(doc, nullptr);
        doc->m_ownPath = *c.own ? dir.File(c.own) : "";
        ASSERT_EQ(app.OpenDocumentFile(dir.File("opened.fwt").c_str()), doc);
        EXPECT_STREQ(doc->GetPathName(), dir.File(c.expected).c_str());
        EXPECT_STREQ(doc->GetTitle(), c.expected);
    }
}

TEST(SingleDocumentTest, AFileDroppedOnTheFrameOpensLikeFileOpen)
{
    ScratchDir dir;
    WriteWholeFile(dir.File("dropped.fwt"), "1");
    CTestApp app;
    CTestDoc* doc = app.Start();
    ASSERT_NE(doc, nullptr);
    std::string path = dir.File("dropped.fwt");
    HGLOBAL drop = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + path.size() + 2);
    DROPFILES* files = static_cast<DROPFILES*>(::GlobalLock(drop));
    files->pFiles = sizeof(DROPFILES);
    memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), path.c_str(), path.size());
    ::GlobalUnlock(drop);
    app.Frame()->SendMessage(WM_DROPFILES, (WPARAM)drop);
    EXPECT_STREQ(doc->GetPathName(), path.c_str());
    EXPECT_EQ(doc->m_content, path);
    EXPECT_EQ(WindowText(app.Frame()), "dropped.fwt - FwTest");
}

TEST(SingleDocumentTest, SaveModifiedAsksOnlyForAModifiedDocument)
{
    struct Case
    {
        BOOL modified;
        int answer;
        BOOL goesOn;
        int prompts;
    };
    const Case cases[] = {
        { FALSE, IDCANCEL, TRUE, 0 },
        { TRUE, IDNO, TRUE, 1 },
        { TRUE, IDCANCEL, FALSE, 1 },
    };
    for (const Case& c : cases)
    {
        CTestApp app;
        CTestDoc* doc = app.Start();
        ASSERT_NE(doc, nullptr);
        doc->SetModifiedFlag(c.modified);
        const std::string prompt = "Save changes to Untitled?";
        for (int i = 0; i < 2 * c.prompts; ++i)
            ExpectBox(prompt, c.answer);
        BoxWatch boxes;
        EXPECT_EQ(doc->SaveModified() != FALSE, c.goesOn != FALSE) << c.answer;
        EXPECT_EQ((size_t)c.prompts, boxes.Texts().size()) << c.answer;
        // New goes through the same prompt: Cancel keeps the document as it is.
        doc->SetModifiedFlag(c.modified);
        app.OnFileNew();
        EXPECT_EQ(doc->IsModified() != FALSE, c.modified && !c.goesOn) << c.answer;
        EXPECT_EQ((size_t)(2 * c.prompts), boxes.Texts().size()) << c.answer;
        doc->SetModifiedFlag(FALSE);
    }
}

namespace
{
const char kProfileKey[] = "Software\\Framework Test Company";

std::string ReadRecent(int n)
{
    std::string key = std::string(kProfileKey) + "\\FrameworkTest\\Recent File List";
    char name[16], value[MAX_PATH] = "";
    wsprintfA(name, "File%d", n);
    DWORD size = sizeof(value);
    if (::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_SZ, NULL, value, &size) != ERROR_SUCCESS)
        return "<none>";
    return value;
}
}

TEST(RecentFileListTest, TheListIsWrittenAtExitAndReadAtStart)
{
    struct Case
    {
        std::vector<const char*> added;
        std::vector<const char*> expected;  // File1..File4
    };
    const Case cases[] = {
        { { "a" }, { "a", "<none>", "<none>", "<none>" } },
        { { "a", "b", "c", "d", "e" }, { "e", "d", "c", "b" } },
        { { "a", "b", "c", "A" }, { "a", "c", "b", "<none>" } },
    };
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kProfileKey);
    for (const Case& c : cases)
    {
        {
            CTestApp app;
            app.InitApplication();
            app.SetRegistryKey("Framework Test Company");
            app.WriteProfileString("Recent File List", NULL, NULL);
            app.LoadStdProfileSettings(4);
            for (const char* name : c.added)
                app.AddToRecentFileList((std::string("C:\\docs\\") + name + ".fwt").c_str());
            app.ExitInstance();
        }
        for (int i = 0; i < 4; ++i)
        {
            std::string expected = c.expected[i];
            if (expected != "<none>")
                expected = "C:\\docs\\" + expected + ".fwt";
            EXPECT_EQ(_stricmp(ReadRecent(i + 1).c_str(), expected.c_str()), 0)
                << "File" << i + 1 << " is " << ReadRecent(i + 1) << ", expected " << expected;
        }
        EXPECT_EQ(ReadRecent(5), "<none>");

        CTestApp again;
        again.InitApplication();
        again.SetRegistryKey("Framework Test Company");
        again.LoadStdProfileSettings(4);
        ASSERT_NE(again.m_pRecentFileList, nullptr);
        EXPECT_EQ(_stricmp((*again.m_pRecentFileList)[0].c_str(), ("C:\\docs\\" + std::string(c.expected[0]) + ".fwt").c_str()), 0);
    }
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kProfileKey);
}

TEST(CommandLineTest, ParametersSetTheShellCommand)
{
    struct Case
    {
        std::vector<const char*> args;
        int command;
        const char* file;
        BOOL embedded;
    };
    const Case cases[] = {
        { {}, CCommandLineInfo::FileNew, "", FALSE },
        { { "x.fwt" }, CCommandLineInfo::FileOpen, "x.fwt", FALSE },
        { { "/p", "x.fwt" }, CCommandLineInfo::FilePrint, "x.fwt", FALSE },
        { { "-Embedding" }, CCommandLineInfo::FileNew, "", TRUE },
        { { "/RegServer" }, CCommandLineInfo::AppRegister, "", FALSE },
        { { "/unregserver" }, CCommandLineInfo::AppUnregister, "", FALSE },
        { { "/dde" }, CCommandLineInfo::FileDDE, "", FALSE },
    };
    for (const Case& c : cases)
    {
        CCommandLineInfo info;
        for (size_t i = 0; i < c.args.size(); ++i)
        {
            const char* arg = c.args[i];
            BOOL flag = arg[0] == '/' || arg[0] == '-';
            info.ParseParam(flag ? arg + 1 : arg, flag, i + 1 == c.args.size());
        }
        const char* first = c.args.empty() ? "(none)" : c.args[0];
        EXPECT_EQ((int)info.m_nShellCommand, c.command) << first;
        EXPECT_EQ(info.m_strFileName, c.file) << first;
        EXPECT_EQ(info.m_bRunEmbedded, c.embedded) << first;
    }
}

TEST(SingleDocumentTest, TheFileDialogsFilterComesFromTheTemplateString)
{
    CTestTemplate docTemplate;
    static const char expected[] = "FwTest Files (*.fwt)\0*.fwt\0All Files (*.*)\0*.*\0";
    EXPECT_EQ(docTemplate.GetFilter(), std::string(expected, sizeof(expected)));
    std::string ext;
    EXPECT_TRUE(docTemplate.GetDocString(ext, CDocTemplate::filterExt));
    EXPECT_EQ(ext, ".fwt");
}

namespace
{
class CExitingApp : public CWinApp
{
public:
    BOOL m_start = FALSE;
    int m_exits = 0;
    BOOL InitInstance() override { return m_start; }
    int ExitInstance() override
    {
        ++m_exits;
        return CWinApp::ExitInstance();
    }
};
}

TEST(ApplicationTest, ExitInstanceRunsAfterAFailedStartToo)
{
    struct Case
    {
        BOOL start;
        int quitCode;
    };
    const Case cases[] = { { FALSE, 0 }, { TRUE, 3 } };
    for (const Case& c : cases)
    {
        CExitingApp app;
        app.m_start = c.start;
        if (c.start)
            ::PostQuitMessage(c.quitCode);
        EXPECT_EQ(AfxWinMain(::GetModuleHandleA(NULL), NULL, const_cast<char*>(""), SW_HIDE), c.quitCode) << c.start;
        EXPECT_EQ(app.m_exits, 1) << c.start;
    }
}
