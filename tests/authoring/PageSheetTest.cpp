// The "Page Properties" sheet run as the page's EditProperties, driven
// through its windows as the author drives it: what OK writes into the
// page's stored keys, what Cancel leaves, and the page-creation wizard with
// the templates a test folder holds.
#include "authoring/PagePages.h"
#include "authoring/PageSheet.h"
#include "authoring/ProjectFolder.h"
#include "model/Browser.h"
#include "model/PropertySheetHooks.h"
#include "model/store/DataFile.h"
#include "resources/editor/ObjectPagesIds.h"
#include "resources/editor/PagePagesIds.h"
#include "tests/authoring/PageFiles.h"
#include "tests/support/BoxRule.h"
#include "tests/support/SheetDriver.h"
#include "tests/model/FakeEditorServices.h"

#include <gtest/gtest.h>

#include <map>

using namespace sheetdriver;

namespace {

// The sheet's tab titles joined by commas.
std::string SheetPageTitles()
{
    std::string titles;
    for (const std::string& title : TabTitles())
        titles += (titles.empty() ? "" : ",") + title;
    return titles;
}

// The keys of "Main" as the page writes them.
std::map<std::string, std::string> SavedKeys(CBrowser& page)
{
    CDataFile file;
    page.SetDataFile(&file);
    page.Save(NULL);
    page.SetDataFile(NULL);
    std::map<std::string, std::string> keys;
    for (int i = 0; i < file.GetLineCount(); ++i)
    {
        std::string line = file.GetLine(i).c_str();
        size_t eq = line.find(" = ");
        if (eq != std::string::npos)
            keys[line.substr(0, eq)] = line.substr(eq + 3);
    }
    return keys;
}

// The keys that differ between two saves, as "key=before>after".
std::string Changes(const std::map<std::string, std::string>& before, const std::map<std::string, std::string>& after)
{
    std::string text;
    for (const auto& entry : after)
    {
        auto old = before.find(entry.first);
        std::string was = old == before.end() ? "-" : old->second;
        if (was != entry.second)
            text += (text.empty() ? "" : ";") + entry.first + "=" + was + ">" + entry.second;
    }
    for (const auto& entry : before)
    {
        if (after.find(entry.first) == after.end())
            text += (text.empty() ? "" : ";") + entry.first + "=" + entry.second + ">-";
    }
    return text;
}

class PageSheetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        page.m_containerWidth = 400;
        page.m_containerHeight = 300;
        page.m_strTitle = "Home";
        page.RegisterId("Home");
        page.SetType("Browser");
        SetDocumentFolder(scratch.File("tarvex.pqz").c_str());
        SetTemplatesFolder((scratch.Path() + "templates\\").c_str());
        previous = SetEditPageHook(NULL);
        InstallPageSheet();
    }
    void TearDown() override
    {
        SetEditPageHook(previous);
        SetTemplatesFolder("");
        page.Unload();
    }
    BOOL Edit(BOOL bNew, Steps steps)
    {
        return Drive([&] { return page.EditProperties(bNew); }, std::move(steps));
    }
    // A template file with its content folder and preview.
    void WriteTemplate(const char* file, const char* name, const char* folder, const char* tile)
    {
        CreateDirectoryA((scratch.Path() + "templates").c_str(), NULL);
        CreateDirectoryA((scratch.Path() + "content").c_str(), NULL);
        CreateDirectoryA((scratch.Path() + "content\\" + folder).c_str(), NULL);
        std::string text = std::string("[main]\r\nname = ") + name + "\r\ndescription = About " + name +
                           "\r\nfolder = " + folder + "\r\n[browser]\r\nwatermark = back.bmp\r\n";
        if (tile)
            text += std::string("tile = ") + tile + "\r\n";
        WriteWholeFile(scratch.Path() + "templates\\" + file, text);
        pagefiles::WriteBitmap(scratch.Path() + "content\\" + folder + "\\preview.bmp", 8, 8, 0x00FF00);
    }

    FakeEditorServices services;
    ScratchDir scratch;
    CBrowser page;
    EditPageHook previous = NULL;
};

} // namespace

TEST_F(PageSheetTest, TheTabbedSheetShowsThePageAndOKWritesTheChangedKeys)
{
    auto before = SavedKeys(page);
    std::string titles, fileName;
    BOOL result = Edit(FALSE, {
        [&] {
            titles = SheetPageTitles();
            fileName = Text(IDC_OBJ_PAGE_FILE);
            EXPECT_EQ("Home", Text(IDC_OBJ_NAME));
        },
        Type(IDC_OBJ_NAME, "Welcome"),
        [&] {
            ShowTab(1);
            EXPECT_EQ("400", Text(IDC_SIZE_WIDTH));
        },
        Type(IDC_SIZE_WIDTH, "640"),
        Type(IDC_SIZE_HEIGHT, "480"),
        [&] {
            ShowTab(2);
            Click(IDC_BORDER_FRAMELESS);
            EXPECT_TRUE(Enabled(IDC_BORDER_TOLERANCE));
        },
        Type(IDC_BORDER_TOLERANCE, "16"),
        [] { ShowTab(4); },
        Type(IDC_BACKGROUND_FILE, ".\\tarvex.dat\\back.bmp"),
        [] { ShowTab(5); },
        Type(IDC_ICON_FILE, ".\\tarvex.dat\\page.ico"),
        [] { Ok(); },
    });
    EXPECT_TRUE(result);
    EXPECT_EQ("Name,Size,Border,Template,Background,Icon,Autorun.inf", titles);
    auto after = SavedKeys(page);
    // Frameless pages are never tiled; the level goes into all three bytes.
    EXPECT_EQ("height=300>480;icon=>.\\tarvex.dat\\page.ico;id=Home>Welcome;tiled=true>false;"
              "title=Home>Welcome;tolerance=0>1052688;watermark=>.\\tarvex.dat\\back.bmp;width=400>640;"
              "windowType=0>3",
              Changes(before, after));
}

TEST_F(PageSheetTest, CancelChangesNothing)
{
    auto before = SavedKeys(page);
    BOOL result = Edit(FALSE, {
        Type(IDC_OBJ_NAME, "Other"),
        [] { ShowTab(1); },
        Type(IDC_SIZE_WIDTH, "99999"),
        [] { Cancel(); },
    });
    EXPECT_FALSE(result);
    EXPECT_EQ("", Changes(before, SavedKeys(page)));
}

TEST_F(PageSheetTest, TheAppBarClearsMouseMoveAndAnEmptyTitleIsUntitled)
{
    services.ids.Register("Untitled", (CElement*)NULL);
    auto before = SavedKeys(page);
    BOOL result = Edit(FALSE, {
        Type(IDC_OBJ_NAME, ""),
        [] {
            ShowTab(1);
            Click(IDC_SIZE_APPBAR);
            Click(IDC_SIZE_EDGE_TOP);
            Ok();
        },
    });
    EXPECT_TRUE(result);
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ("appbar=false>true;height=300>" + std::to_string(cy / 10) + ";id=Home>Untitled1;mouseMove=true>false;"
              "position=right>top;title=Home>Untitled1;width=400>" + std::to_string(cx),
              Changes(before, SavedKeys(page)));
}

TEST_F(PageSheetTest, ABadToleranceKeepsTheSheetOpen)
{
    page.m_windowType = 3;
    ExpectBox("Please enter an integer between 0 and 200.");
    BOOL result = Edit(FALSE, {
        [] { ShowTab(2); },
        Type(IDC_BORDER_TOLERANCE, "201"),
        [] { Ok(); },
        Type(IDC_BORDER_TOLERANCE, "200"),
        [] { Ok(); },
    });
    EXPECT_TRUE(result);
    EXPECT_EQ(200u * 65793u, page.m_tolerance);
}

TEST_F(PageSheetTest, TheWizardTakesTheTemplatesBackgroundAndGivesItBackForNone)
{
    WriteTemplate("b.pqt", "Bravo", "bravo", NULL);
    WriteTemplate("a.pqt", "Alpha", "alpha", "false");
    std::vector<std::string> lines;
    std::string description;
    int countAfterTemplate = 0, countAfterNone = 0;
    BOOL result = Edit(TRUE, {
        [&] {
            lines = Items(IDC_TEMPLATE_LIST);
            // "<None>" is chosen at first.
            EXPECT_EQ(0, ChosenIndex(GetDlgItem(Page(), IDC_TEMPLATE_LIST)));
            ChooseIndex(IDC_TEMPLATE_LIST, 2);   // Bravo
            description = Text(IDC_TEMPLATE_DESCRIPTION);
            Press(PSBTN_NEXT);
        },
        [&] {
            countAfterTemplate = TabCount();
            Press(PSBTN_BACK);
        },
        [&] {
            ChooseIndex(IDC_TEMPLATE_LIST, 0);
            Press(PSBTN_NEXT);
        },
        [&] {
            countAfterNone = TabCount();
            Press(PSBTN_BACK);
        },
        [&] {
            ChooseIndex(IDC_TEMPLATE_LIST, 2);
            Press(PSBTN_NEXT);
        },
        [] { Press(PSBTN_NEXT); },       // name
        [] { Press(PSBTN_NEXT); },       // size
        [] { Press(PSBTN_FINISH); },     // finish
    });
    EXPECT_TRUE(result);
    EXPECT_EQ(std::vector<std::string>({ "<None>", "Alpha", "Bravo" }), lines);
    EXPECT_EQ("About Bravo", description);
    // The count the tab control keeps is not what a wizard shows; the page
    // list is: five pages less the background, then five again.
    EXPECT_EQ(4, countAfterTemplate);
    EXPECT_EQ(5, countAfterNone);
    std::string expected = scratch.Path() + "content\\bravo\\back.bmp";
    EXPECT_STREQ(expected.c_str(), page.m_strWatermark);
    // No "tile" key: tiled as before.
    EXPECT_TRUE(page.m_bTiled);
    std::string templatePath = scratch.Path() + "templates\\b.pqt";
    EXPECT_STREQ(templatePath.c_str(), page.m_strTemplate);
    EXPECT_STREQ(templatePath.c_str(), GetCurrentTemplate());
}

TEST_F(PageSheetTest, CancellingTheWizardRestoresTheBackground)
{
    WriteTemplate("a.pqt", "Alpha", "alpha", "false");
    page.m_strWatermark = "old.bmp";
    BOOL result = Edit(TRUE, {
        [] {
            ChooseIndex(IDC_TEMPLATE_LIST, 1);
            Press(PSBTN_NEXT);
        },
        [] { Cancel(); },
    });
    EXPECT_FALSE(result);
    EXPECT_STREQ("old.bmp", page.m_strWatermark);
}

TEST_F(PageSheetTest, WithoutTemplatesOnlyNoneIsListed)
{
    std::vector<std::string> lines;
    Edit(TRUE, {
        [&] {
            lines = Items(IDC_TEMPLATE_LIST);
            EXPECT_EQ(0, ChosenIndex(GetDlgItem(Page(), IDC_TEMPLATE_LIST)));
            Cancel();
        },
    });
    EXPECT_EQ(std::vector<std::string>({ "<None>" }), lines);
}
