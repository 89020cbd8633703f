// The button-kind picker in a real property sheet, driven by a timer inside
// the sheet's modal loop.
#include "authoring/Factories.h"
#include "authoring/ButtonTypePicker.h"
#include "resources/LumbrookConfigIds.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

std::vector<std::function<void()>> g_steps;
size_t g_step = 0;

void CALLBACK RunStep(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_step < g_steps.size())
        g_steps[g_step++]();
}

INT_PTR RunSheet(CWizButtonTypePickerCfg& page, std::vector<std::function<void()>> steps)
{
    g_steps = steps;
    g_step = 0;
    UINT_PTR timer = SetTimer(NULL, 0, 20, RunStep);
    CPropertySheet sheet("Insert Button");
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    sheet.AddPage(&page);
    INT_PTR result = sheet.DoModal();
    KillTimer(NULL, timer);
    return result;
}

HWND List(CWizButtonTypePickerCfg& page)
{
    return ::GetDlgItem(page.m_hWnd, IDC_BUTTON_KINDS);
}

} // namespace

TEST(WizButtonTypePicker, ListsTheKindsAndGivesNoneWithoutASelection)
{
    CWizButtonTypePickerCfg page;
    page.m_kind = 42;
    std::vector<std::string> texts;
    INT_PTR result = RunSheet(page, {
        [&] {
            HWND list = List(page);
            int count = (int)SendMessageA(list, LB_GETCOUNT, 0, 0);
            for (int i = 0; i < count; ++i)
            {
                char text[128] = "";
                SendMessageA(list, LB_GETTEXT, i, (LPARAM)text);
                texts.push_back(text);
                EXPECT_EQ(CWizButtonTypePickerCfg::GetKindAt(i), (int)SendMessageA(list, LB_GETITEMDATA, i, 0));
            }
            // No kind 42: nothing selected.
            EXPECT_EQ(LB_ERR, (int)SendMessageA(list, LB_GETCURSEL, 0, 0));
            SendMessageA(::GetParent(page.m_hWnd), PSM_PRESSBUTTON, PSBTN_OK, 0);
        },
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(0, page.m_kind);
    ASSERT_EQ(11u, texts.size());
    EXPECT_EQ("Run a Program", texts[0]);
    EXPECT_EQ("Back", texts[10]);
}

TEST(WizButtonTypePicker, ShowsTheKindAndADoubleClickConfirms)
{
    CWizButtonTypePickerCfg page;
    page.m_kind = ButtonBrowseCD;
    INT_PTR result = RunSheet(page, {
        [&] {
            HWND list = List(page);
            EXPECT_EQ(1, (int)SendMessageA(list, LB_GETCURSEL, 0, 0));
            SendMessageA(list, LB_SETCURSEL, 6, 0);
            SendMessageA(page.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_BUTTON_KINDS, LBN_DBLCLK), (LPARAM)list);
        },
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(ButtonExit, page.m_kind);
}
