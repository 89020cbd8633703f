// The Preferences command on the installed editor: the sheet shows the undo
// levels and the content folder, and OK stores both in the settings; an
// editor started on a project shows and keeps the stored folder.
#include "tests/e2e/DialogDriver.h"
#include "tests/e2e/EditorProcess.h"
#include "tests/e2e/PlayerProcess.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const int kEditPreferences = 32779;
const int kUndoLevelsEdit = 1182;
const int kFolderEdit = 1017;

const std::string kSettings = std::string(kEditorSettingsKey) + "\\Settings";

void SetSetting(const char* value, const char* text)
{
    HKEY key = NULL;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kSettings.c_str(), 0, NULL, 0, KEY_SET_VALUE,
                                             NULL, &key, NULL));
    RegSetValueExA(key, value, 0, REG_SZ, (const BYTE*)text, (DWORD)strlen(text) + 1);
    RegCloseKey(key);
}

// The other tests start the editor with its default settings: what a test
// stored goes when it ends, however it ends.
struct DefaultSettingsAfter
{
    ~DefaultSettingsAfter()
    {
        HKEY key = NULL;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettings.c_str(), 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS)
        {
            RegDeleteValueA(key, "UndoLevels");
            RegDeleteValueA(key, "UsersDefaultContentPath");
            RegCloseKey(key);
        }
    }
};

} // namespace

TEST(EditorPreferences, OkStoresTheUndoLevelsAndTheContentFolder)
{
    DefaultSettingsAfter restore;
    EditorProcess editor;
    ASSERT_TRUE(editor.StartAndShow());
    ASSERT_TRUE(editor.PostCommand(kEditPreferences));
    HWND sheet = WaitForProcessDialog(editor.ProcessId(), "Preferences", kProgramWaitMs);
    ASSERT_TRUE(sheet != NULL);
    HWND undoPage = SheetCurrentPage(sheet);
    ASSERT_TRUE(undoPage != NULL);
    EXPECT_FALSE(DialogItemText(undoPage, kUndoLevelsEdit).empty());
    ASSERT_TRUE(SetDialogItemText(undoPage, kUndoLevelsEdit, "7"));
    // The folder page is made when it is first shown.
    SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
    HWND folderPage = SheetCurrentPage(sheet);
    ASSERT_TRUE(folderPage != NULL);
    EXPECT_FALSE(DialogItemText(folderPage, kFolderEdit).empty());
    ASSERT_TRUE(SetDialogItemText(folderPage, kFolderEdit, "C:\\Media"));
    ASSERT_TRUE(PressSheetButton(sheet, PSBTN_OK));
    ASSERT_TRUE(WaitUntilGone(sheet, kProgramWaitMs));
    ASSERT_TRUE(editor.Answers());

    std::string levels, folder;
    EXPECT_TRUE(ReadRegistryString(HKEY_CURRENT_USER, kSettings.c_str(), "UndoLevels", levels));
    EXPECT_EQ("7", levels);
    EXPECT_TRUE(ReadRegistryString(HKEY_CURRENT_USER, kSettings.c_str(), "UsersDefaultContentPath", folder));
    // Stored as every folder text is, with its trailing backslash.
    EXPECT_EQ("C:\\Media\\", folder);
    EXPECT_TRUE(editor.Messages().empty());
    EXPECT_TRUE(editor.Close());
}

TEST(EditorPreferences, StartedOnAProjectTheStoredContentFolderIsShownAndKept)
{
    DefaultSettingsAfter restore;
    const char stored[] = "C:\\Authored Media\\";
    SetSetting("UsersDefaultContentPath", stored);
    ScratchDir scratch;
    ProjectArchive project;
    CDataFile* page = project.AddPage("tarvex.pgd", "Kept");
    page->SetInt("Main", "numElements", 0);
    std::string path = scratch.File("tarvex.pqz");
    ASSERT_TRUE(project.Write(path));

    EditorProcess editor;
    ASSERT_TRUE(editor.StartAndShow("\"" + path + "\""));
    ASSERT_TRUE(editor.WaitForTitle("tarvex.pqz - Quindle")) << editor.Title();
    ASSERT_TRUE(editor.PostCommand(kEditPreferences));
    HWND sheet = WaitForProcessDialog(editor.ProcessId(), "Preferences", kProgramWaitMs);
    ASSERT_TRUE(sheet != NULL);
    SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
    HWND folderPage = SheetCurrentPage(sheet);
    ASSERT_TRUE(folderPage != NULL);
    EXPECT_EQ(stored, DialogItemText(folderPage, kFolderEdit));
    ASSERT_TRUE(PressSheetButton(sheet, PSBTN_OK));
    ASSERT_TRUE(WaitUntilGone(sheet, kProgramWaitMs));
    ASSERT_TRUE(editor.Answers());

    std::string folder;
    EXPECT_TRUE(ReadRegistryString(HKEY_CURRENT_USER, kSettings.c_str(), "UsersDefaultContentPath", folder));
    EXPECT_EQ(stored, folder);
    EXPECT_TRUE(editor.Messages().empty());
    EXPECT_TRUE(editor.Close());
}
