// The button-kind picker in a real property sheet, driven by a timer inside
// the sheet's modal loop.
#include "authoring/Factories.h"
#include "authoring/ButtonTypePicker.h"
#include "resources/LumbrookConfigIds.h"
#include "tests/support/SheetDriver.h"

#include <gtest/gtest.h>

#include <vector>

using namespace sheetdriver;

namespace {

INT_PTR RunPicker(CWizButtonTypePickerCfg& page, Steps steps)
{
    CPropertySheet sheet("Insert Button");
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    sheet.AddPage(&page);
    return RunSheet(sheet, std::move(steps));
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
    INT_PTR result = RunPicker(page, {
        [&] {
            HWND list = List(page);
            texts = Items(list);
            for (int i = 0; i < (int)texts.size(); ++i)
                EXPECT_EQ(CWizButtonTypePickerCfg::GetKindAt(i), (int)SendMessageA(list, LB_GETITEMDATA, i, 0));
            // No kind 42: nothing selected.
            EXPECT_EQ(LB_ERR, ChosenIndex(list));
            Ok();
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
    INT_PTR result = RunPicker(page, {
        [&] {
            EXPECT_EQ(1, ChosenIndex(List(page)));
            DoubleClick(IDC_BUTTON_KINDS, 6);
        },
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(ButtonExit, page.m_kind);
}
