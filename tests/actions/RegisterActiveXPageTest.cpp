// The Register ActiveX Control action's page: a new action filled and
// confirmed, cancelled, an existing one edited and cancelled or cleared,
// the labels of the two choices, and "Select Control" through the picker on
// the test prefix's catalogue.
#include "actions/RegisterActiveXAction.h"
#include "actions/RegisterActiveXPP.h"

#include "actions/ControlPicker.h"
#include "resources/editor/ActiveXPagesIds.h"
#include "tests/actions/ActiveXSheetSteps.h"
#include "tests/e2e/DialogDriver.h"
#include "tests/model/TestControlFixture.h"

#include <commdlg.h>
#include <dlgs.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>

using namespace sheetsteps;

namespace {

const char kSection[] = "Element_1_Script_1_ScriptItem_1";

typedef std::vector<std::string> Lines;

} // namespace

TEST(RegisterActiveXPage, NewActionFilledAndConfirmedIsStored)
{
    CRegisterActiveXAction action(kSection);
    std::string caption, copyLabel;
    BOOL result = RunBodyWithSteps(
        {
            [&] {
                HWND sheet = FindOwnWindow();
                caption = Text(sheet);
                HWND p = CurrentPage(sheet);
                EXPECT_EQ((UINT)BST_CHECKED, IsDlgButtonChecked(p, IDC_AXREG_REGISTER));
                EXPECT_EQ((UINT)BST_CHECKED, IsDlgButtonChecked(p, IDC_AXREG_COPY));
                EXPECT_FALSE(IsWindow(GetDlgItem(sheet, 0x3021)) && IsWindowVisible(GetDlgItem(sheet, 0x3021)));
                SetText(p, IDC_AXREG_FILE, "C:\\controls\\grid.ocx");
                CheckRadioButton(p, IDC_AXREG_REGISTER, IDC_AXREG_UNREGISTER, IDC_AXREG_UNREGISTER);
                Click(p, IDC_AXREG_UNREGISTER);
                copyLabel = Text(Item(p, IDC_AXREG_COPY));
                EXPECT_FALSE(IsWindowEnabled(Item(p, IDC_AXREG_SELECT)));
                CheckDlgButton(p, IDC_AXREG_COPY, BST_UNCHECKED);
                Press(sheet, PSBTN_OK);
            },
        },
        [&] { return action.EditProperties(TRUE); });
    EXPECT_TRUE(result);
    EXPECT_EQ("Properties for RegisterActiveX", caption);
    EXPECT_EQ("This is a file in the system folder", copyLabel);
    // The action's own keys come last: each key is written under the header.
    Lines stored = StoredLines(action);
    ASSERT_GE(stored.size(), 4u);
    EXPECT_EQ((Lines{ "CopyToSystem = false", "Unregister = true", "Filename = C:\\controls\\grid.ocx", "CLSID = " }),
              Lines(stored.end() - 4, stored.end()));
    EXPECT_NE(stored.end(), std::find(stored.begin(), stored.end(), "name = RegisterActiveX"));
}

TEST(RegisterActiveXPage, CancelOrNoFileGivesFalse)
{
    struct Case
    {
        const char* label;
        const char* file;
        int button;
    } cases[] = {
        { "cancelled with a file", "C:\\x.dll", PSBTN_CANCEL },
        { "confirmed without a file", "", PSBTN_OK },
    };
    for (const Case& c : cases)
    {
        CRegisterActiveXAction action(kSection);
        BOOL result = RunBodyWithSteps(
            {
                [&] {
                    HWND sheet = FindOwnWindow();
                    SetText(CurrentPage(sheet), IDC_AXREG_FILE, c.file);
                    Press(sheet, c.button);
                },
            },
            [&] { return action.EditProperties(TRUE); });
        EXPECT_FALSE(result) << c.label;
    }
}

TEST(RegisterActiveXPage, ExistingActionKeepsItsStoredFormWhenCancelledAndWhatItsSheetGaveWhenCleared)
{
    struct Case
    {
        const char* label;
        const char* file;
        int button;
        bool changed;
    } cases[] = {
        { "cancelled after changes", "C:\\other.ocx", PSBTN_CANCEL, false },
        { "confirmed with the file cleared", "", PSBTN_OK, true },
    };
    for (const Case& c : cases)
    {
        CRegisterActiveXAction action(kSection);
        action.m_record.clsid = "{11111111-2222-3333-4444-555555555555}";
        action.m_record.filename = "C:\\controls\\kept.ocx";
        action.m_record.unregister = TRUE;
        action.m_record.copyToSystem = FALSE;
        Lines before = StoredLines(action);
        BOOL result = RunBodyWithSteps(
            {
                [&] {
                    HWND sheet = FindOwnWindow();
                    HWND p = CurrentPage(sheet);
                    // The Register labels whatever the stored choice.
                    EXPECT_EQ((UINT)BST_CHECKED, IsDlgButtonChecked(p, IDC_AXREG_UNREGISTER)) << c.label;
                    EXPECT_EQ("Copy Control to users System folder", Text(Item(p, IDC_AXREG_COPY))) << c.label;
                    EXPECT_TRUE(IsWindowEnabled(Item(p, IDC_AXREG_SELECT))) << c.label;
                    SetText(p, IDC_AXREG_FILE, c.file);
                    CheckRadioButton(p, IDC_AXREG_REGISTER, IDC_AXREG_UNREGISTER, IDC_AXREG_REGISTER);
                    Press(sheet, c.button);
                },
            },
            [&] { return action.EditProperties(FALSE); });
        EXPECT_FALSE(result) << c.label;
        if (!c.changed)
        {
            EXPECT_EQ(before, StoredLines(action)) << c.label;
            continue;
        }
        // The sheet's fields are kept; the editor records them as a change.
        EXPECT_TRUE(action.m_bEditConfirmed) << c.label;
        EXPECT_STREQ("", action.m_record.filename) << c.label;
        EXPECT_FALSE(action.m_record.unregister) << c.label;
        EXPECT_STREQ("{11111111-2222-3333-4444-555555555555}", action.m_record.clsid) << c.label;
    }
}

TEST(RegisterActiveXPage, CompletenessRule)
{
    struct Case
    {
        const char* file;
        BOOL unregister;
        BOOL complete;
    } cases[] = {
        { "", FALSE, FALSE },
        { "", TRUE, FALSE },
        { "x.ocx", FALSE, TRUE },
        { "C:\\windows\\system32\\x.dll", TRUE, TRUE },
    };
    for (const Case& c : cases)
    {
        CRegisterActiveXAction action(kSection);
        action.m_record.filename = c.file;
        action.m_record.unregister = c.unregister;
        EXPECT_EQ(c.complete, action.IsComplete()) << c.file;
    }
}

TEST(RegisterActiveXPage, ACatalogueEntryGivesItsClassIdAndUnquotedServer)
{
    struct Case
    {
        const char* server;
        const char* fileBefore;
        const char* fileAfter;
    } cases[] = {
        { "C:\\ocx\\grid.ocx", "old.ocx", "C:\\ocx\\grid.ocx" },
        { "\"C:\\Program Files\\grid.ocx\"", "old.ocx", "C:\\Program Files\\grid.ocx" },
        { "  \"C:\\a b\\c.dll\"  ", "", "C:\\a b\\c.dll" },
        { "", "old.ocx", "old.ocx" },
        { "\"\"", "old.ocx", "old.ocx" },
    };
    for (const Case& c : cases)
    {
        CRegisterActiveXPP page;
        page.m_strFilename = c.fileBefore;
        CControlCatalogEntry entry("{C0C0C0C0-0000-0000-0000-000000000001}", "Grid");
        entry.SetServerPath(c.server);
        page.TakeCatalogEntry(entry);
        EXPECT_STREQ(c.fileAfter, page.m_strFilename) << c.server;
        EXPECT_STREQ("{C0C0C0C0-0000-0000-0000-000000000001}", page.m_strCLSID) << c.server;
    }
}

class RegisterActiveXSelect : public TestControlTest
{
};

TEST_F(RegisterActiveXSelect, SelectControlTakesTheClassIdAndServerOfThePick)
{
    GetControlCatalog().ClearControlCatalog();
    CRegisterActiveXAction action(kSection);
    action.m_record.clsid = kTestControlClsid;
    std::string pickerLine;
    BOOL result = RunBodyWithSteps(
        {
            WhenReady(PageHas(IDC_AXREG_SELECT), [](HWND sheet) { PostClick(CurrentPage(sheet), IDC_AXREG_SELECT); }),
            WhenReady(PageHas(IDC_AXPICK_LIST),
                    [&](HWND picker) {
                        pickerLine = SelectedText(Item(CurrentPage(picker), IDC_AXPICK_LIST), false);
                        Press(picker, PSBTN_FINISH);
                    }),
            WhenReady(PageShows(IDC_AXREG_FILE, TestControlPath()), [](HWND sheet) { Press(sheet, PSBTN_OK); }),
        },
        [&] { return action.EditProperties(TRUE); });
    EXPECT_TRUE(result);
    EXPECT_EQ("Lumbrook Test Control", pickerLine);
    EXPECT_STRCASEEQ(kTestControlClsid, action.m_record.clsid);
    EXPECT_STRCASEEQ(TestControlPath().c_str(), action.m_record.filename);
    GetControlCatalog().ClearControlCatalog();
}

TEST(RegisterActiveXPage, BrowseStartsInTheSystemFolderOrAtTheFileAndTakesThePick)
{
    char system[MAX_PATH] = "";
    GetSystemDirectoryA(system, MAX_PATH);
    std::string folder = TestProgramFolder();
    if (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    std::string picked = folder + "\\testcontrol.dll";
    struct Case
    {
        const char* label;
        std::string file;
        std::string startFolder;
    } cases[] = {
        { "empty file", "", system },
        { "a full path", folder + "\\grid.ocx", folder },
    };
    for (const Case& c : cases)
    {
        CRegisterActiveXAction action(kSection);
        action.m_record.filename = c.file.c_str();
        std::string start;
        BOOL result = RunBodyWithSteps(
            {
                WhenReady(PageHas(IDC_AXREG_BROWSE), [](HWND sheet) { PostClick(CurrentPage(sheet), IDC_AXREG_BROWSE); }),
                WhenReady(DialogHas(cmb13), [&](HWND dialog) {
                    char path[MAX_PATH] = "";
                    SendMessageA(dialog, CDM_GETFOLDERPATH, MAX_PATH, (LPARAM)path);
                    start = path;
                    EXPECT_TRUE(AnswerFileDialog(dialog, picked.c_str())) << c.label;
                }),
                WhenReady(PageShows(IDC_AXREG_FILE, picked), [](HWND sheet) { Press(sheet, PSBTN_OK); }),
            },
            [&] { return action.EditProperties(TRUE); });
        EXPECT_TRUE(result) << c.label;
        EXPECT_STRCASEEQ(c.startFolder.c_str(), start.c_str()) << c.label;
        EXPECT_STRCASEEQ(picked.c_str(), action.m_record.filename) << c.label;
    }
}
