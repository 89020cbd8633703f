// The folder picker and the two preference pages in real windows: the
// browser opened at the start folder and cancelled, and the undo page's
// range.
#include "actions/ActionPageSupport.h"
#include "authoring/DirDialog.h"
#include "authoring/LumbrookConfigDoc.h"
#include "authoring/PreferencePages.h"
#include "authoring/Undo.h"
#include "resources/editor/PreferencesIds.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

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

// What the action pages' folder picker showed, then OK on its start folder.
struct ShownPicker
{
    std::string caption;
    bool promptShown = false;
    int ticks = 0;
};
ShownPicker g_shownPicker;

BOOL CALLBACK FindPromptChild(HWND child, LPARAM found)
{
    char text[64] = "";
    GetWindowTextA(child, text, sizeof text);
    if (IsWindowVisible(child) && strcmp(text, "Select a Folder") == 0)
        *(bool*)found = true;
    return TRUE;
}

void CALLBACK AnswerFolderPicker(HWND, UINT, UINT_PTR, DWORD)
{
    HWND picker = NULL;
    EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM found) -> BOOL {
        char name[16] = "";
        GetClassNameA(window, name, sizeof name);
        if (IsWindowVisible(window) && strcmp(name, "#32770") == 0)
        {
            *(HWND*)found = window;
            return FALSE;
        }
        return TRUE;
    }, (LPARAM)&picker);
    if (picker == NULL)
    {
        // A picker that never comes must not hold the test.
        if (++g_shownPicker.ticks > 500)
            ADD_FAILURE() << "no folder picker";
        return;
    }
    char caption[64] = "";
    GetWindowTextA(picker, caption, sizeof caption);
    g_shownPicker.caption = caption;
    EnumChildWindows(picker, FindPromptChild, (LPARAM)&g_shownPicker.promptShown);
    PostMessageA(picker, WM_COMMAND, IDOK, 0);
}

TEST(DirDialog, TheActionPagesFolderRequestsOpenThisPicker)
{
    CActionBrowseRequest request;
    request.folder = TRUE;
    request.title = "Select a Folder";
    request.windowTitle = "Browse";
    request.initialFolder = "C:\\windows\\";
    g_shownPicker = ShownPicker();
    MessageRecorder boxes;
    UINT_PTR timer = SetTimer(NULL, 0, 20, AnswerFolderPicker);
    CStr chosen;
    BOOL result = BrowseForActionFolder(NULL, request, chosen);
    KillTimer(NULL, timer);
    EXPECT_TRUE(result);
    EXPECT_EQ(0, lstrcmpiA("C:\\windows", chosen)) << chosen.c_str();
    EXPECT_EQ("Browse", g_shownPicker.caption);
    EXPECT_TRUE(g_shownPicker.promptShown);
    EXPECT_TRUE(boxes.Messages().empty());
}

std::vector<std::function<void()>> g_steps;
size_t g_step = 0;

void CALLBACK RunStep(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_step < g_steps.size())
        g_steps[g_step++]();
}

TEST(UndoPage, RefusesMoreThan99AndZeroSwitchesUndoOff)
{
    MessageRecorder boxes;
    CLumbrookConfigDoc document;
    CUndo& undo = document.GetUndo();
    undo.SetLevels(10);
    CUndoPP page;
    page.m_pUndo = &undo;
    std::string shown;
    HWND sheetWindow = NULL;
    g_steps = {
        [&] {
            sheetWindow = ::GetParent(page.m_hWnd);
            char text[16] = "";
            ::GetDlgItemTextA(page.m_hWnd, IDC_PREF_UNDO_LEVELS, text, sizeof(text));
            shown = text;
            ::SetDlgItemTextA(page.m_hWnd, IDC_PREF_UNDO_LEVELS, "100");
            ::SendMessageA(sheetWindow, PSM_PRESSBUTTON, PSBTN_OK, 0);
        },
        [&] {
            // Still open: the value was refused.
            EXPECT_TRUE(::IsWindow(sheetWindow));
            EXPECT_EQ(10, undo.GetLevels());
            ::SetDlgItemTextA(page.m_hWnd, IDC_PREF_UNDO_LEVELS, "0");
            ::SendMessageA(sheetWindow, PSM_PRESSBUTTON, PSBTN_OK, 0);
        },
    };
    g_step = 0;
    UINT_PTR timer = SetTimer(NULL, 0, 50, RunStep);
    CPropertySheet sheet("Preferences");
    sheet.AddPage(&page);
    INT_PTR result = sheet.DoModal();
    KillTimer(NULL, timer);
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("10", shown);
    EXPECT_FALSE(boxes.Messages().empty());
    EXPECT_EQ(0, undo.GetLevels());
}

} // namespace
