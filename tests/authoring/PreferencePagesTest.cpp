// The folder picker and the two preference pages in real windows: the
// browser opened at the start folder and cancelled, and the undo page's
// range.
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
