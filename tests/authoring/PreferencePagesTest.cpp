// The folder picker and the two preference pages in real windows: the
// browser opened at the start folder and cancelled, and the undo page's
// range.
#include "actions/ActionPageSupport.h"
#include "authoring/DirDialog.h"
#include "authoring/LumbrookConfigDoc.h"
#include "authoring/PreferencePages.h"
#include "authoring/Undo.h"
#include "resources/editor/PreferencesIds.h"
#include "tests/support/BoxRule.h"
#include "tests/support/SheetDriver.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace sheetdriver;

namespace {

TEST(DirDialog, StartFolderKeepsADriveRoot)
{
    const struct
    {
        const char* typed;
        const char* given;
    } cases[] = {
        { "C:\\Media\\", "C:\\Media" },
        { "C:/Media/", "C:/Media" },
        { "C:\\Media  ", "C:\\Media" },
        { "C:\\Media\\\\", "C:\\Media\\" },
        { "C:\\", "C:\\" },
        { "C:/", "C:\\" },
        { "C:\\  ", "C:\\" },
        { "", "" },
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.given, CDirDialog::TrimStartFolder(c.typed)) << c.typed;
}

// Notes the first selection the browser reports and cancels it.
class CancellingPicker : public CDirDialog
{
public:
    BOOL OnSelChanged(const char* path, CStr& statusText) override
    {
        if (seen.empty())
            seen = path;
        statusText = "noted";
        ::PostMessageA(m_hBrowseWindow, WM_COMMAND, IDCANCEL, 0);
        return TRUE;
    }
    std::string seen;
};

TEST(DirDialog, OpensAtTheStartFolderAndCancelsWithoutAPath)
{
    const char* folders[] = { "C:\\windows\\", "C:\\" };
    for (const char* folder : folders)
    {
        CancellingPicker picker;
        picker.m_strStartFolder = folder;
        picker.m_bStatus = TRUE;
        picker.m_strPath = "unchanged";
        EXPECT_FALSE(picker.DoBrowse(NULL)) << folder;
        EXPECT_STREQ("unchanged", picker.m_strPath) << folder;
        std::string wanted = CDirDialog::TrimStartFolder(folder).c_str();
        EXPECT_EQ(0, lstrcmpiA(wanted.c_str(), picker.seen.c_str())) << folder << " showed " << picker.seen;
    }
}

// The visible text of a child of the window, at any depth.
bool ShowsText(HWND window, const char* text)
{
    struct Search
    {
        const char* text;
        bool found;
    } search = { text, false };
    EnumChildWindows(window, [](HWND child, LPARAM lParam) -> BOOL {
        Search* s = reinterpret_cast<Search*>(lParam);
        if (IsWindowVisible(child) && Text(child) == s->text)
            s->found = true;
        return TRUE;
    }, (LPARAM)&search);
    return search.found;
}

TEST(DirDialog, TheActionPagesFolderRequestsOpenThisPicker)
{
    CActionBrowseRequest request;
    request.folder = TRUE;
    request.title = "Select a Folder";
    request.windowTitle = "Browse";
    request.initialFolder = "C:\\windows\\";
    std::string caption;
    bool promptShown = false;
    CStr chosen;
    BOOL result = Drive([&] { return BrowseForActionFolder(NULL, request, chosen); }, {
        [&] {
            caption = WindowTitle(Modal());
            promptShown = ShowsText(Modal(), "Select a Folder");
            // OK on the start folder.
            Ok();
        },
    });
    EXPECT_TRUE(result);
    EXPECT_EQ(0, lstrcmpiA("C:\\windows", chosen)) << chosen.c_str();
    EXPECT_EQ("Browse", caption);
    EXPECT_TRUE(promptShown);
}

TEST(UndoPage, RefusesMoreThan99AndZeroSwitchesUndoOff)
{
    CLumbrookConfigDoc document;
    CUndo& undo = document.GetUndo();
    undo.SetLevels(10);
    CUndoPP page;
    page.m_pUndo = &undo;
    std::string shown;
    ExpectBox("Please enter an integer between 0 and 99.");
    CPropertySheet sheet("Preferences");
    sheet.AddPage(&page);
    INT_PTR result = RunSheet(sheet, {
        [&] { shown = Text(IDC_PREF_UNDO_LEVELS); },
        Type(IDC_PREF_UNDO_LEVELS, "100"),
        [] { Ok(); },
        // Still open: the value was refused.
        [&] { EXPECT_EQ(10, undo.GetLevels()); },
        Type(IDC_PREF_UNDO_LEVELS, "0"),
        [] { Ok(); },
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("10", shown);
    EXPECT_EQ(0, undo.GetLevels());
}

} // namespace
