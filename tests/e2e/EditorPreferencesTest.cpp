// The Preferences command on the installed editor: the sheet shows the undo
// levels and the content folder, and OK stores both in the settings.
#include "tests/e2e/DialogDriver.h"
#include "tests/e2e/EditorProcess.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const int kEditPreferences = 32779;
const int kUndoLevelsEdit = 1182;
const int kFolderEdit = 1017;

} // namespace

TEST(EditorPreferences, OkStoresTheUndoLevelsAndTheContentFolder)
{
    EditorProcess editor;
    ASSERT_TRUE(editor.StartAndShow());
    ASSERT_TRUE(editor.PostCommand(kEditPreferences));
    HWND sheet = WaitForProcessDialog(editor.ProcessId(), "Preferences", kProgramWaitMs);
    ASSERT_TRUE(sheet != NULL);
    HWND undoPage = SheetCurrentPage(sheet);
    ASSERT_TRUE(undoPage != NULL);
    EXPECT_FALSE(DialogItemText(undoPage, kUndoLevelsEdit).empty());
    ASSERT_TRUE(TypeKeysInto(undoPage, kUndoLevelsEdit, "7"));
    // The folder page is made when it is first shown.
    SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
    HWND folderPage = SheetCurrentPage(sheet);
    ASSERT_TRUE(folderPage != NULL);
    EXPECT_FALSE(DialogItemText(folderPage, kFolderEdit).empty());
    ASSERT_TRUE(TypeKeysInto(folderPage, kFolderEdit, "C:\\Media"));
    ASSERT_TRUE(PressSheetButton(sheet, PSBTN_OK));
    ASSERT_TRUE(WaitUntilGone(sheet, kProgramWaitMs));
    ASSERT_TRUE(editor.Answers());

    std::string settings = std::string(kEditorSettingsKey) + "\\Settings";
    std::string levels, folder;
    EXPECT_TRUE(ReadRegistryString(HKEY_CURRENT_USER, settings.c_str(), "UndoLevels", levels));
    EXPECT_EQ("7", levels);
    EXPECT_TRUE(ReadRegistryString(HKEY_CURRENT_USER, settings.c_str(), "UsersDefaultContentPath", folder));
    EXPECT_EQ("C:\\Media", folder);
    EXPECT_TRUE(editor.Close());
    // The other tests start the editor with its default settings.
    HKEY key = NULL;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, settings.c_str(), 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS)
    {
        RegDeleteValueA(key, "UndoLevels");
        RegDeleteValueA(key, "UsersDefaultContentPath");
        RegCloseKey(key);
    }
}
