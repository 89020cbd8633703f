// Saving a project passes every page through the model: a page not visited
// since the project opened is loaded and saved like the current one, so
// what loading derives (here the test control's drop-target flag) reaches
// its data file, while the screen it was laid out on stays.
#include "actions/ActionTypes.h"
#include "authoring/EditorServicesImpl.h"
#include "authoring/LumbrookConfigDoc.h"
#include "authoring/ProjectFolder.h"
#include "model/Browser.h"
#include "model/store/DataFileManager.h"
#include "tests/model/TestControlFixture.h"
#include "tests/support/DataFileText.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

typedef std::vector<std::string> Lines;

// Three pages whose keys stand in an order other than the editor's; the
// second holds the plain test control, whose put AcceptsDropTarget makes
// it a drop target although the page says it is none.
const char* const kPages[3][2] = {
    { "tarvex.pgd",
      "[Main]\nwidth = 320\ntitle = One\nnumElements = 1\nid = One\nheight = 240\nxres = 640\nyres = 480\n"
      "[Element_1]\nwidth = 40\ntype = Text\ntext = Note\nid = Note\nheight = 20\ncursor = hand\n" },
    { "page_2.pgd",
      "[Main]\nyres = 600\nxres = 800\nwidth = 320\ntitle = Two\nnumElements = 1\nid = Two\nheight = 240\n"
      "[Element_1]\nwidth = 100\ntype = ActiveX\nprogID = LumbrookTest.Plain\nid = Plain\nheight = 50\n"
      "dropTarget = false\nCLSID = {C651C94F-FDF7-4077-813A-891E22B8A1C0}\n" },
    { "page_3.pgd",
      "[Main]\nwidth = 320\ntitle = Three\nnumElements = 1\nid = Three\nheight = 240\nxres = 640\nyres = 480\n"
      "[Element_1]\ntype = Text\ntext = End\nid = End\n" },
};

bool IsScreenLine(const std::string& line)
{
    return line.compare(0, 7, "xres = ") == 0 || line.compare(0, 7, "yres = ") == 0;
}

Lines LinesOf(const CDataFile& file, bool screen)
{
    Lines lines;
    for (int i = 0; i < file.GetLineCount(); ++i)
    {
        std::string line = file.GetLine(i).c_str();
        if (IsScreenLine(line) == screen)
            lines.push_back(line);
    }
    return lines;
}

class ProjectSaveTest : public TestControlTest
{
protected:
    void SetUp() override
    {
        TestControlTest::SetUp();
        BuildActionTypeTable();
        InstallEditorServices();
        WriteWholeFile(bin.File("tarvex.dat"), "player");
        WriteWholeFile(bin.File("tarvex.ico"), "icon");
        SetRuntimeSourceFolder(bin.Path().c_str());
    }
    void TearDown() override
    {
        SetRuntimeSourceFolder("");
        SetCurrentDirectoryA(TestProgramFolder().c_str());
        RemoveEditorServices();
        TestControlTest::TearDown();
    }

    // Opens the archive of pages at path, makes page `current` current and
    // saves; the data files as saved.
    std::vector<Lines> OpenAndSave(const std::vector<int>& pages, size_t current, const std::string& path,
                                   std::vector<Lines>* screens)
    {
        {
            CDataFileManager archive;
            for (size_t i = 0; i < pages.size(); ++i)
            {
                CDataFile* file = archive.AddFile("");
                *file = FileFromText(kPages[pages[i]][1]);
                file->m_name = i == 0 ? "tarvex.pgd" : kPages[pages[i]][0];
            }
            EXPECT_TRUE(archive.WriteArchive(path.c_str()));
        }
        CLumbrookConfigDoc document;
        document.m_bAutoDelete = FALSE;
        std::vector<Lines> saved;
        EXPECT_TRUE(document.OnOpenDocument(path.c_str()));
        if (document.GetPages().size() != pages.size())
            return saved;
        document.Select(document.GetPages()[current]);
        EXPECT_EQ(document.GetPages()[current], document.GetCurrentPage());
        EXPECT_TRUE(document.OnSaveDocument(path.c_str()));
        EXPECT_EQ(document.GetPages()[current], document.GetCurrentPage());
        document.DeleteContents();
        CDataFileManager archive;
        EXPECT_TRUE(archive.ReadArchive(path.c_str()));
        for (int i = 0; i < archive.GetFileCount(); ++i)
        {
            saved.push_back(LinesOf(*archive.GetFile(i), false));
            if (screens)
                screens->push_back(LinesOf(*archive.GetFile(i), true));
        }
        return saved;
    }

    ScratchDir bin;
};

} // namespace

TEST_F(ProjectSaveTest, SavingFromTheLastPageWritesEveryPageAsLoadingItAloneWould)
{
    MessageRecorder messages;
    // What loading and saving each page alone writes.
    std::vector<Lines> alone;
    for (int page = 0; page < 3; ++page)
    {
        ScratchDir folder;
        std::vector<Lines> one = OpenAndSave({ page }, 0, folder.File("tarvex.pqz"), NULL);
        ASSERT_EQ(1u, one.size()) << page;
        alone.push_back(one[0]);
    }

    ScratchDir folder;
    std::vector<Lines> screens;
    std::vector<Lines> saved = OpenAndSave({ 0, 1, 2 }, 2, folder.File("tarvex.pqz"), &screens);
    ASSERT_EQ(3u, saved.size());
    for (int page = 0; page < 3; ++page)
        EXPECT_EQ(alone[page], saved[page]) << kPages[page][0];
    // The control's put made the page that was never visited say "true".
    const Lines& second = saved[1];
    EXPECT_NE(second.end(), std::find(second.begin(), second.end(), "dropTarget = true"));
    EXPECT_EQ(second.end(), std::find(second.begin(), second.end(), "dropTarget = false"));
    // Only the page the author was on is stamped with this screen.
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    const Lines here = { "xres = " + std::to_string(desktop.right - desktop.left),
                         "yres = " + std::to_string(desktop.bottom - desktop.top) };
    EXPECT_EQ(Lines({ "xres = 640", "yres = 480" }), screens[0]);
    EXPECT_EQ(Lines({ "xres = 800", "yres = 600" }), screens[1]);
    EXPECT_EQ(here, screens[2]);
    EXPECT_TRUE(messages.Messages().empty());
}
