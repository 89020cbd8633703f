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
#include "tests/authoring/SheetSteps.h"
#include "tests/model/FakeEditorServices.h"

#include <gtest/gtest.h>

#include <map>

using namespace sheetsteps;

namespace {

// The thread's newest sheet: the active window belongs to whichever test
// process Wine made foreground last.
HWND Sheet() { return TopSheet(); }
HWND CurrentPage() { return PropSheet_GetCurrentPageHwnd(Sheet()); }
void ShowPage(int index) { PropSheet_SetCurSel(Sheet(), NULL, index); }
void Set(int id, const char* text) { SetDlgItemTextA(CurrentPage(), id, text); }
std::string Get(int id)
{
    char text[512] = "";
    GetDlgItemTextA(CurrentPage(), id, text, sizeof text);
    return text;
}
void ClickItem(int id) { SendMessageA(GetDlgItem(CurrentPage(), id), BM_CLICK, 0, 0); }
void PressSheet(int button) { PropSheet_PressButton(Sheet(), button); }
std::string SheetPageTitles()
{
    std::string titles;
    HWND tab = PropSheet_GetTabControl(Sheet());
    int count = TabCtrl_GetItemCount(tab);
    for (int i = 0; i < count; ++i)
    {
        char text[64] = "";
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tab, TCM_GETITEMA, i, (LPARAM)&item);
        titles += (titles.empty() ? "" : ",") + std::string(text);
    }
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
    BOOL Edit(BOOL bNew, std::vector<std::function<void()>> steps)
    {
        BOOL result = FALSE;
        RunWithSteps([&] { result = page.EditProperties(bNew); return (INT_PTR)result; }, std::move(steps));
        return result;
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
            fileName = Get(IDC_OBJ_PAGE_FILE);
            EXPECT_EQ("Home", Get(IDC_OBJ_NAME));
            Set(IDC_OBJ_NAME, "Welcome");
            ShowPage(1);
        },
        [&] {
            EXPECT_EQ("400", Get(IDC_SIZE_WIDTH));
            Set(IDC_SIZE_WIDTH, "640");
            Set(IDC_SIZE_HEIGHT, "480");
            ShowPage(2);
        },
        [&] {
            ClickItem(IDC_BORDER_FRAMELESS);
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(CurrentPage(), IDC_BORDER_TOLERANCE)));
            Set(IDC_BORDER_TOLERANCE, "16");
            ShowPage(4);
        },
        [&] {
            Set(IDC_BACKGROUND_FILE, ".\\tarvex.dat\\back.bmp");
            ShowPage(5);
        },
        [&] {
            Set(IDC_ICON_FILE, ".\\tarvex.dat\\page.ico");
            PressSheet(PSBTN_OK);
        },
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
        [&] { Set(IDC_OBJ_NAME, "Other"); ShowPage(1); },
        [&] { Set(IDC_SIZE_WIDTH, "99999"); PressSheet(PSBTN_CANCEL); },
    });
    EXPECT_FALSE(result);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ("", Changes(before, SavedKeys(page)));
}

TEST_F(PageSheetTest, TheAppBarClearsMouseMoveAndAnEmptyTitleIsUntitled)
{
    services.ids.Register("Untitled", (CElement*)NULL);
    auto before = SavedKeys(page);
    BOOL result = Edit(FALSE, {
        [&] { Set(IDC_OBJ_NAME, ""); ShowPage(1); },
        [&] { ClickItem(IDC_SIZE_APPBAR); ClickItem(IDC_SIZE_EDGE_TOP); PressSheet(PSBTN_OK); },
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
    BOOL result = Edit(FALSE, {
        [&] { ShowPage(2); },
        [&] { Set(IDC_BORDER_TOLERANCE, "201"); PressSheet(PSBTN_OK); },
        [&] { Set(IDC_BORDER_TOLERANCE, "200"); PressSheet(PSBTN_OK); },
    });
    EXPECT_TRUE(result);
    ASSERT_EQ(1u, Messages().size());
    EXPECT_EQ("Please enter an integer between 0 and 200.", Messages()[0]);
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
            HWND list = GetDlgItem(CurrentPage(), IDC_TEMPLATE_LIST);
            for (int i = 0; i < (int)SendMessageA(list, LB_GETCOUNT, 0, 0); ++i)
            {
                char text[64] = "";
                SendMessageA(list, LB_GETTEXT, i, (LPARAM)text);
                lines.push_back(text);
            }
            // "<None>" is chosen at first.
            EXPECT_EQ(0, (int)SendMessageA(list, LB_GETCURSEL, 0, 0));
            SendMessageA(list, LB_SETCURSEL, 2, 0);   // Bravo
            SendMessageA(CurrentPage(), WM_COMMAND, MAKEWPARAM(IDC_TEMPLATE_LIST, LBN_SELCHANGE), (LPARAM)list);
            description = Get(IDC_TEMPLATE_DESCRIPTION);
            PressSheet(PSBTN_NEXT);
        },
        [&] {
            countAfterTemplate = TabCtrl_GetItemCount(PropSheet_GetTabControl(Sheet()));
            PressSheet(PSBTN_BACK);
        },
        [&] {
            HWND list = GetDlgItem(CurrentPage(), IDC_TEMPLATE_LIST);
            SendMessageA(list, LB_SETCURSEL, 0, 0);
            SendMessageA(CurrentPage(), WM_COMMAND, MAKEWPARAM(IDC_TEMPLATE_LIST, LBN_SELCHANGE), (LPARAM)list);
            PressSheet(PSBTN_NEXT);
        },
        [&] {
            countAfterNone = TabCtrl_GetItemCount(PropSheet_GetTabControl(Sheet()));
            PressSheet(PSBTN_BACK);
        },
        [&] {
            HWND list = GetDlgItem(CurrentPage(), IDC_TEMPLATE_LIST);
            SendMessageA(list, LB_SETCURSEL, 2, 0);
            SendMessageA(CurrentPage(), WM_COMMAND, MAKEWPARAM(IDC_TEMPLATE_LIST, LBN_SELCHANGE), (LPARAM)list);
            PressSheet(PSBTN_NEXT);
        },
        [&] { PressSheet(PSBTN_NEXT); },       // name
        [&] { PressSheet(PSBTN_NEXT); },       // size
        [&] { PressSheet(PSBTN_FINISH); },     // finish
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
        [&] {
            HWND list = GetDlgItem(CurrentPage(), IDC_TEMPLATE_LIST);
            SendMessageA(list, LB_SETCURSEL, 1, 0);
            SendMessageA(CurrentPage(), WM_COMMAND, MAKEWPARAM(IDC_TEMPLATE_LIST, LBN_SELCHANGE), (LPARAM)list);
            PressSheet(PSBTN_NEXT);
        },
        [&] { PressSheet(PSBTN_CANCEL); },
    });
    EXPECT_FALSE(result);
    EXPECT_STREQ("old.bmp", page.m_strWatermark);
}

TEST_F(PageSheetTest, WithoutTemplatesOnlyNoneIsListed)
{
    std::vector<std::string> lines;
    Edit(TRUE, {
        [&] {
            HWND list = GetDlgItem(CurrentPage(), IDC_TEMPLATE_LIST);
            for (int i = 0; i < (int)SendMessageA(list, LB_GETCOUNT, 0, 0); ++i)
            {
                char text[64] = "";
                SendMessageA(list, LB_GETTEXT, i, (LPARAM)text);
                lines.push_back(text);
            }
            EXPECT_EQ(0, (int)SendMessageA(list, LB_GETCURSEL, 0, 0));
            PressSheet(PSBTN_CANCEL);
        },
    });
    EXPECT_EQ(std::vector<std::string>({ "<None>" }), lines);
}
