#include "platform/framework/Dialog.h"
#include "platform/framework/DialogControls.h"
#include "tests/dialogs/DialogTests.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>

namespace
{
class CExchangeDlg : public CDialog
{
public:
    CExchangeDlg() : CDialog(IDD_EXCHANGE) {}

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_EDITCOMBO, m_combo);
        DDX_Text(pDX, IDC_NAME, m_name);
        DDV_MaxChars(pDX, m_name, 5);
        DDX_Text(pDX, IDC_COUNT, m_count);
        DDV_MinMaxInt(pDX, m_count, 1, 10);
        DDX_Text(pDX, IDC_RATIO, m_ratio);
        DDV_MinMaxDouble(pDX, m_ratio, 0.0, 1.0);
        DDX_Check(pDX, IDC_FLAG, m_flag);
        DDX_Radio(pDX, IDC_RADIO_A, m_radio);
        DDX_CBString(pDX, IDC_EDITCOMBO, m_colour);
        DDX_CBIndex(pDX, IDC_LISTCOMBO, m_size);
    }

    BOOL OnInitDialog() override
    {
        const char* colours[] = { "red", "green", "blue" };
        for (const char* c : colours)
        {
            SendDlgItemMessageA(m_hWnd, IDC_EDITCOMBO, CB_ADDSTRING, 0, (LPARAM)c);
            SendDlgItemMessageA(m_hWnd, IDC_LISTCOMBO, CB_ADDSTRING, 0, (LPARAM)c);
        }
        BOOL result = CDialog::OnInitDialog();
        if (!m_steps.empty())
            SetTimer(1, 10);
        return result;
    }

    void OnTimer(UINT_PTR)
    {
        if (m_step < m_steps.size())
            m_steps[m_step++](this);
    }

    CStr m_name = "init";
    int m_count = 3;
    double m_ratio = 0.25;
    int m_flag = 1;
    int m_radio = 1;
    CStr m_colour = "blue";
    int m_size = 2;
    CComboBox m_combo;

    std::vector<std::function<void(CExchangeDlg*)>> m_steps;
    size_t m_step = 0;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CExchangeDlg, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

std::string ItemText(HWND dialog, int id)
{
    char text[128] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

struct SaveCase
{
    const char* name;
    const char* nameText;
    const char* countText;
    const char* ratioText;
    BOOL result;
    const char* message;   // "" when none
    int focus;             // control holding the focus after a failure
    const char* nameAfter;
    int countAfter;
    double ratioAfter;
};

// Each member is written before its check runs, and the exchange stops at
// the first failure: later members keep their values.
const SaveCase kSaveCases[] = {
    { "all valid", "abc", "5", "0.5", TRUE, "", 0, "abc", 5, 0.5 },
    { "text too long is written, then refused", "abcdef", "5", "0.5", FALSE,
      "Enter no more than 5 characters.", IDC_NAME, "abcdef", 3, 0.25 },
    { "whole number that does not parse", "ab", "x5", "0.5", FALSE,
      "Please enter an integer.", IDC_COUNT, "ab", 3, 0.25 },
    { "whole number out of range is written, then refused", "ab", "12", "0.5", FALSE,
      "Please enter an integer between 1 and 10.", IDC_COUNT, "ab", 12, 0.25 },
    { "whole number beyond int", "ab", "99999999999", "0.5", FALSE,
      "Please enter an integer.", IDC_COUNT, "ab", 3, 0.25 },
    { "blanks around a number are fine", "ab", " 7 ", "abc", FALSE,
      "Please enter a number.", IDC_RATIO, "ab", 7, 0.25 },
    { "real number out of range", "ab", "7", "1.5", FALSE,
      "Please enter a number between 0 and 1.", IDC_RATIO, "ab", 7, 1.5 },
};

TEST(DataExchangeTest, MembersWrittenBeforeTheirChecksAndFailureFocusesTheControl)
{
    MessageRecorder recorder;
    for (const SaveCase& c : kSaveCases)
    {
        recorder.Clear();
        CExchangeDlg dlg;
        ASSERT_TRUE(dlg.Create(IDD_EXCHANGE)) << c.name;
        dlg.ShowWindow(SW_SHOW);
        dlg.SetFocus();
        dlg.SetDlgItemText(IDC_NAME, c.nameText);
        dlg.SetDlgItemText(IDC_COUNT, c.countText);
        dlg.SetDlgItemText(IDC_RATIO, c.ratioText);
        ::SetFocus(::GetDlgItem(dlg.m_hWnd, IDOK));

        EXPECT_EQ(c.result, dlg.UpdateData(TRUE)) << c.name;
        EXPECT_STREQ(c.nameAfter, dlg.m_name) << c.name;
        EXPECT_EQ(c.countAfter, dlg.m_count) << c.name;
        EXPECT_DOUBLE_EQ(c.ratioAfter, dlg.m_ratio) << c.name;
        if (c.message[0] == 0)
        {
            EXPECT_TRUE(recorder.Messages().empty()) << c.name;
        }
        else
        {
            ASSERT_EQ(1u, recorder.Messages().size()) << c.name;
            EXPECT_EQ(c.message, recorder.Messages()[0].text) << c.name;
            EXPECT_EQ(::GetDlgItem(dlg.m_hWnd, c.focus), ::GetFocus()) << c.name;
        }
        dlg.DestroyWindow();
    }
}

TEST(DataExchangeTest, ControlsLoadedFromMembersAndSavedBack)
{
    CExchangeDlg dlg;
    dlg.m_colour = "gre";   // a prefix selects the first item it starts
    ASSERT_TRUE(dlg.Create(IDD_EXCHANGE));
    HWND h = dlg.m_hWnd;
    EXPECT_EQ("init", ItemText(h, IDC_NAME));
    EXPECT_EQ("3", ItemText(h, IDC_COUNT));
    EXPECT_EQ("0.25", ItemText(h, IDC_RATIO));
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(h, IDC_FLAG));
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(h, IDC_RADIO_A));
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(h, IDC_RADIO_B));
    EXPECT_EQ("green", ItemText(h, IDC_EDITCOMBO));
    EXPECT_EQ(2, (int)SendDlgItemMessageA(h, IDC_LISTCOMBO, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(h, ::GetParent(dlg.m_combo.m_hWnd)) << "the wrapper is bound to the control";
    EXPECT_EQ(3, dlg.m_combo.GetCount());

    dlg.CheckDlgButton(IDC_FLAG, BST_UNCHECKED);
    dlg.CheckRadioButton(IDC_RADIO_A, IDC_RADIO_C, IDC_RADIO_C);
    dlg.SetDlgItemText(IDC_EDITCOMBO, "purple");
    SendDlgItemMessageA(h, IDC_LISTCOMBO, CB_SETCURSEL, 0, 0);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(0, dlg.m_flag);
    EXPECT_EQ(2, dlg.m_radio);
    EXPECT_STREQ("purple", dlg.m_colour);
    EXPECT_EQ(0, dlg.m_size);

    dlg.CheckRadioButton(IDC_RADIO_A, IDC_RADIO_C, 0);
    SendDlgItemMessageA(h, IDC_RADIO_C, BM_SETCHECK, BST_UNCHECKED, 0);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(-1, dlg.m_radio) << "no button of the group checked";
    dlg.DestroyWindow();
}

// The edit inside the group counts as no button: C, after it, is still
// the third, loaded and saved.
TEST(DataExchangeTest, ARadioGroupCountsOnlyItsButtons)
{
    MessageRecorder boxes;
    CExchangeDlg dlg;
    dlg.m_radio = 2;
    ASSERT_TRUE(dlg.Create(IDD_EXCHANGE));
    HWND h = dlg.m_hWnd;
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(h, IDC_RADIO_C));
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(h, IDC_RADIO_B));
    dlg.CheckRadioButton(IDC_RADIO_A, IDC_RADIO_C, IDC_RADIO_B);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(1, dlg.m_radio);
    dlg.CheckRadioButton(IDC_RADIO_A, IDC_RADIO_C, IDC_RADIO_C);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(2, dlg.m_radio);
    dlg.DestroyWindow();
    EXPECT_TRUE(boxes.Messages().empty());
}

// Loading the controls writes an edit only when its text differs from the
// member's: an edit that already shows the value keeps its caret where the
// author typed.
TEST(DataExchangeTest, AnEditShowingTheValueIsNotWrittenAgain)
{
    MessageRecorder boxes;
    const struct
    {
        const char* name;
        int id;
        const char* shown;
        const char* after;
        int caretAfter;
    } cases[] = {
        { "text as the member holds it", IDC_NAME, "init", "init", 1 },
        { "text that differs", IDC_NAME, "ini", "init", 0 },
        { "whole number as it would be written", IDC_COUNT, "3", "3", 1 },
        { "the same number written otherwise", IDC_COUNT, "03", "3", 0 },
        { "real number as it would be written", IDC_RATIO, "0.25", "0.25", 1 },
    };
    for (const auto& c : cases)
    {
        CExchangeDlg dlg;
        ASSERT_TRUE(dlg.Create(IDD_EXCHANGE)) << c.name;
        HWND edit = ::GetDlgItem(dlg.m_hWnd, c.id);
        dlg.SetDlgItemText(c.id, c.shown);
        SendMessageA(edit, EM_SETSEL, 1, 1);
        ASSERT_TRUE(dlg.UpdateData(FALSE)) << c.name;
        DWORD start = 0, end = 0;
        SendMessageA(edit, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
        EXPECT_EQ(c.after, ItemText(dlg.m_hWnd, c.id)) << c.name;
        EXPECT_EQ(c.caretAfter, (int)start) << c.name;
        EXPECT_EQ(c.caretAfter, (int)end) << c.name;
        dlg.DestroyWindow();
    }
    EXPECT_TRUE(boxes.Messages().empty());
}

TEST(DataExchangeTest, ModalOkStaysOnAFailureAndEndsWhenValid)
{
    MessageRecorder recorder;
    CExchangeDlg dlg;
    bool stillOpenAfterFailure = false;
    dlg.m_steps = {
        [](CExchangeDlg* d) { d->SetDlgItemText(IDC_COUNT, "0"); d->SendMessage(WM_COMMAND, IDOK); },
        [&](CExchangeDlg* d) { stillOpenAfterFailure = d->IsWindowVisible() != FALSE;
                               d->SetDlgItemText(IDC_COUNT, "4"); d->SendMessage(WM_COMMAND, IDOK); },
    };
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(stillOpenAfterFailure);
    ASSERT_EQ(1u, recorder.Messages().size());
    EXPECT_EQ("Please enter an integer between 1 and 10.", recorder.Messages()[0].text);
    EXPECT_EQ(4, dlg.m_count);
    EXPECT_EQ(nullptr, dlg.m_hWnd) << "the window is gone after DoModal";

    CExchangeDlg cancelled;
    cancelled.m_steps = { [](CExchangeDlg* d) { d->SetDlgItemText(IDC_COUNT, "9"); d->PostMessage(WM_CLOSE); } };
    EXPECT_EQ(IDCANCEL, cancelled.DoModal());
    EXPECT_EQ(3, cancelled.m_count) << "Cancel leaves the members";

    CExchangeDlg ended;
    ended.m_steps = { [](CExchangeDlg* d) { d->EndDialog(77); } };
    EXPECT_EQ(77, ended.DoModal());
}
}
