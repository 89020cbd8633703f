#include "platform/framework/FrameWnd.h"
#include "platform/framework/PropertySheet.h"
#include "platform/framework/WinApp.h"
#include "tests/dialogs/DialogTests.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>

namespace
{
std::vector<std::string> g_log;

class CLogPage : public CPropertyPage
{
public:
    CLogPage(UINT templateId, const char* name) : CPropertyPage(templateId), m_name(name) {}

    BOOL OnSetActive() override { Log("SetActive"); return CPropertyPage::OnSetActive(); }
    BOOL OnKillActive() override
    {
        Log("KillActive");
        if (m_refuseKills > 0)
        {
            --m_refuseKills;
            return FALSE;
        }
        return CPropertyPage::OnKillActive();
    }
    BOOL OnApply() override { Log("Apply"); return CPropertyPage::OnApply(); }
    void OnOK() override { Log("OK"); }
    BOOL OnQueryCancel() override { Log("QueryCancel"); return TRUE; }
    void OnReset() override { Log("Reset"); CPropertyPage::OnReset(); }
    void OnCancel() override { Log("Cancel"); }
    LRESULT OnWizardNext() override
    {
        Log("WizNext");
        if (m_onNext)
            m_onNext(this);
        return m_nextResult;
    }
    LRESULT OnWizardBack() override { Log("WizBack"); return 0; }
    BOOL OnWizardFinish() override { Log("WizFinish"); return TRUE; }

    void OnPageCommand() { Log("PageCommand"); }
    BOOL OnInitDialog() override
    {
        BOOL result = CPropertyPage::OnInitDialog();
        if (m_endAtInit != 0)
            EndDialog(m_endAtInit);
        return result;
    }
    int m_endAtInit = 0;

    void Log(const char* what) { g_log.push_back(m_name + ":" + what); }

    std::string m_name;
    int m_refuseKills = 0;
    LRESULT m_nextResult = 0;
    std::function<void(CLogPage*)> m_onNext;

    DECLARE_MESSAGE_MAP()
};

const UINT kPageCommand = 32901;
const UINT kFrameCommand = 32900;
const UINT kPostedCommand = 32902;

BEGIN_MESSAGE_MAP(CLogPage, CPropertyPage)
    ON_COMMAND(kPageCommand, OnPageCommand)
END_MESSAGE_MAP()

// Steps run one per timer tick inside the sheet's modal loop, so nothing
// waits on a person.
std::vector<std::function<void()>> g_steps;
size_t g_step = 0;

void CALLBACK RunStep(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_step < g_steps.size())
        g_steps[g_step++]();
}

class ScriptedRun
{
public:
    explicit ScriptedRun(std::vector<std::function<void()>> steps)
    {
        g_log.clear();
        g_steps = std::move(steps);
        g_step = 0;
        m_timer = SetTimer(NULL, 0, 10, RunStep);
    }
    ~ScriptedRun() { KillTimer(NULL, m_timer); g_steps.clear(); }

private:
    UINT_PTR m_timer;
};

struct Pages
{
    CLogPage one{ IDD_PAGE_ONE, "One" };
    CLogPage two{ IDD_PAGE_TWO, "Two" };
    CLogPage three{ IDD_PAGE_THREE, "Three" };
};

typedef std::vector<std::string> Log;

struct SheetCase
{
    const char* name;
    bool wizard;
    std::function<void(CPropertySheet&, Pages&)> setUp;
    std::function<std::vector<std::function<void()>>(CPropertySheet&, Pages&)> steps;
    INT_PTR result;
    Log log;
};

const std::vector<SheetCase>& SheetCases()
{
    static const std::vector<SheetCase> cases = {
        { "OK applies every page that was made, in order", false, nullptr,
          [](CPropertySheet& s, Pages&) { return std::vector<std::function<void()>>{
              [&] { s.SetActivePage(1); }, [&] { s.PressButton(PSBTN_OK); } }; },
          IDOK,
          { "One:SetActive", "One:KillActive", "Two:SetActive", "Two:KillActive",
            "One:Apply", "One:OK", "Two:Apply", "Two:OK" } },
        { "Cancel asks, then resets", false, nullptr,
          [](CPropertySheet& s, Pages&) { return std::vector<std::function<void()>>{
              [&] { s.PressButton(PSBTN_CANCEL); } }; },
          IDCANCEL,
          { "One:SetActive", "One:QueryCancel", "One:Reset", "One:Cancel" } },
        { "a page that refuses to be left keeps the sheet open", false,
          [](CPropertySheet&, Pages& p) { p.one.m_refuseKills = 1; },
          [](CPropertySheet& s, Pages&) { return std::vector<std::function<void()>>{
              [&] { s.PressButton(PSBTN_OK); }, [&] { s.PressButton(PSBTN_OK); } }; },
          IDOK,
          { "One:SetActive", "One:KillActive", "One:KillActive", "One:Apply", "One:OK" } },
        { "a page ends the whole sheet", false, nullptr,
          [](CPropertySheet& s, Pages&) { return std::vector<std::function<void()>>{
              [&] { s.GetActivePage()->EndDialog(IDOK); } }; },
          IDOK, { "One:SetActive" } },
        { "wizard Next, Next, Finish", true, nullptr,
          [](CPropertySheet& s, Pages&) { return std::vector<std::function<void()>>{
              [&] { s.PressButton(PSBTN_NEXT); }, [&] { s.PressButton(PSBTN_NEXT); },
              [&] { s.PressButton(PSBTN_FINISH); } }; },
          ID_WIZFINISH,
          { "One:SetActive", "One:WizNext", "One:KillActive", "Two:SetActive",
            "Two:WizNext", "Two:KillActive", "Three:SetActive", "Three:WizFinish" } },
        { "wizard Back", true, nullptr,
          [](CPropertySheet& s, Pages&) { return std::vector<std::function<void()>>{
              [&] { s.PressButton(PSBTN_NEXT); }, [&] { s.PressButton(PSBTN_BACK); },
              [&] { s.PressButton(PSBTN_CANCEL); } }; },
          IDCANCEL,
          { "One:SetActive", "One:WizNext", "One:KillActive", "Two:SetActive",
            "Two:WizBack", "Two:KillActive", "One:SetActive", "One:QueryCancel",
            "One:Reset", "One:Cancel", "Two:Reset", "Two:Cancel" } },
        { "Next that stays on its page", true,
          [](CPropertySheet&, Pages& p) { p.one.m_nextResult = -1; },
          [](CPropertySheet& s, Pages&) { return std::vector<std::function<void()>>{
              [&] { s.PressButton(PSBTN_NEXT); }, [&] { s.GetActivePage()->EndDialog(IDCANCEL); } }; },
          IDCANCEL, { "One:SetActive", "One:WizNext" } },
        { "a page removed during Next is skipped", true,
          [](CPropertySheet& s, Pages& p) { p.one.m_onNext = [&s, &p](CLogPage*) { s.RemovePage(&p.two); }; },
          [](CPropertySheet& s, Pages&) { return std::vector<std::function<void()>>{
              [&] { s.PressButton(PSBTN_NEXT); }, [&] { s.PressButton(PSBTN_FINISH); } }; },
          ID_WIZFINISH,
          { "One:SetActive", "One:WizNext", "One:KillActive", "Three:SetActive", "Three:WizFinish" } },
        { "a page added to the live sheet", false, nullptr,
          [](CPropertySheet& s, Pages& p) { return std::vector<std::function<void()>>{
              [&] { s.RemovePage(&p.three); s.AddPage(&p.three); s.SetActivePage(2); },
              [&] { s.PressButton(PSBTN_CANCEL); } }; },
          IDCANCEL,
          { "One:SetActive", "One:KillActive", "Three:SetActive", "Three:QueryCancel",
            "One:Reset", "One:Cancel", "Three:Reset", "Three:Cancel" } },
    };
    return cases;
}

TEST(PropertySheetTest, NotificationOrderAndResults)
{
    for (const SheetCase& c : SheetCases())
    {
        Pages pages;
        CPropertySheet sheet("Sheet");
        sheet.AddPage(&pages.one);
        sheet.AddPage(&pages.two);
        sheet.AddPage(&pages.three);
        if (c.wizard)
            sheet.SetWizardMode();
        if (c.setUp)
            c.setUp(sheet, pages);
        INT_PTR result;
        {
            ScriptedRun run(c.steps(sheet, pages));
            result = sheet.DoModal();
        }
        EXPECT_EQ(c.result, result) << c.name;
        EXPECT_EQ(c.log, g_log) << c.name;
        EXPECT_EQ(nullptr, sheet.m_hWnd) << c.name;
    }
}

TEST(PropertySheetTest, PageEndsTheSheetWhileItIsMade)
{
    Pages pages;
    pages.one.m_endAtInit = IDCANCEL;
    CPropertySheet sheet("Sheet");
    sheet.AddPage(&pages.one);
    sheet.AddPage(&pages.two);
    EXPECT_EQ(IDCANCEL, sheet.DoModal());
    EXPECT_EQ(nullptr, sheet.m_hWnd);
}

TEST(PropertySheetTest, TitlesButtonsAndFlags)
{
    Pages pages;
    CPropertySheet sheet("Thing");
    sheet.SetTitle("Thing", PSH_PROPTITLE);
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    sheet.AddPage(&pages.one);
    std::string title;
    bool applyShown = true;
    {
        ScriptedRun run({ [&] {
            char text[128] = "";
            GetWindowTextA(sheet.m_hWnd, text, sizeof text);
            title = text;
            HWND apply = GetDlgItem(sheet.m_hWnd, 0x3021);
            applyShown = apply != NULL && IsWindowVisible(apply);
            sheet.PressButton(PSBTN_CANCEL);
        } });
        sheet.DoModal();
    }
    // Windows says "Thing Properties"; Wine "Properties for Thing".
    EXPECT_TRUE(title == "Properties for Thing" || title == "Thing Properties") << title;
    EXPECT_FALSE(applyShown);

    Pages wizardPages;
    CPropertySheet wizard("Wizard");
    wizard.SetWizardMode();
    wizard.AddPage(&wizardPages.one);
    wizard.AddPage(&wizardPages.two);
    bool nextEnabled = true, backEnabled = true;
    std::string wizardTitle;
    {
        ScriptedRun run({ [&] {
            wizard.SetWizardButtons(PSWIZB_BACK);
            nextEnabled = IsWindowEnabled(GetDlgItem(wizard.m_hWnd, ID_WIZNEXT)) != FALSE;
            backEnabled = IsWindowEnabled(GetDlgItem(wizard.m_hWnd, ID_WIZBACK)) != FALSE;
            char text[128] = "";
            GetWindowTextA(wizard.m_hWnd, text, sizeof text);
            wizardTitle = text;
            wizard.PressButton(PSBTN_CANCEL);
        } });
        EXPECT_EQ(IDCANCEL, wizard.DoModal());
    }
    EXPECT_FALSE(nextEnabled);
    EXPECT_TRUE(backEnabled);
    EXPECT_EQ("One", wizardTitle) << "a wizard is titled by its page";
}

class CTestFrame : public CFrameWnd
{
public:
    void OnFrameCommand() { g_log.push_back("Frame:FrameCommand"); }
    void OnPosted() { g_log.push_back("Frame:Posted"); }
    void OnPageCommandToo() { g_log.push_back("Frame:PageCommand"); }
    void OnHelp() { g_log.push_back("Frame:Help"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
    ON_COMMAND(kFrameCommand, OnFrameCommand)
    ON_COMMAND(kPostedCommand, OnPosted)
    ON_COMMAND(kPageCommand, OnPageCommandToo)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

TEST(PropertySheetTest, CommandsReachTheFrameWhileTheSheetIsModal)
{
    CWinApp app("SheetTests");
    CTestFrame* frame = new CTestFrame;
    ASSERT_TRUE(frame->Create(NULL, "Frame"));
    app.m_pMainWnd = frame;
    frame->ShowWindow(SW_SHOW);

    Pages pages;
    CPropertySheet sheet("Sheet");
    sheet.m_psh.dwFlags |= PSH_HASHELP;
    sheet.AddPage(&pages.one);
    bool frameDisabled = false;
    {
        ScriptedRun run({
            [&] { frameDisabled = !frame->IsWindowEnabled();
                  pages.one.SendMessage(WM_COMMAND, kFrameCommand);
                  pages.one.SendMessage(WM_COMMAND, kPageCommand);
                  frame->PostMessage(WM_COMMAND, kPostedCommand); },
            [&] { sheet.PressButton(PSBTN_HELP); },
            [&] { sheet.PressButton(PSBTN_CANCEL); },
        });
        EXPECT_EQ(IDCANCEL, sheet.DoModal());
    }
    EXPECT_TRUE(frameDisabled) << "the sheet is modal to the frame";
    EXPECT_TRUE(frame->IsWindowEnabled());
    const Log expected = { "One:SetActive", "Frame:FrameCommand", "One:PageCommand", "Frame:Posted",
                           "Frame:Help", "One:QueryCancel", "One:Reset", "One:Cancel" };
    EXPECT_EQ(expected, g_log);

    // A modal dialog's loop carries out what is posted to the frame too.
    g_log.clear();
    CDialog dialog(IDD_EXCHANGE);
    {
        ScriptedRun run({
            [&] { frame->PostMessage(WM_COMMAND, kPostedCommand); },
            [&] { dialog.EndDialog(IDOK); },
        });
        g_log.clear();
        EXPECT_EQ(IDOK, dialog.DoModal());
    }
    EXPECT_EQ((Log{ "Frame:Posted" }), g_log);
    EXPECT_TRUE(frame->IsWindowEnabled());

    app.m_pMainWnd = NULL;
    frame->DestroyWindow();
}

TEST(PropertySheetTest, SheetAsTheMainWindow)
{
    CWinApp app("SheetTests");
    Pages pages;
    CPropertySheet sheet("Main sheet");
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    sheet.AddPage(&pages.one);
    sheet.AddPage(&pages.two);
    app.m_pMainWnd = &sheet;
    HWND owner = (HWND)1;
    {
        ScriptedRun run({ [&] {
            owner = GetWindow(sheet.m_hWnd, GW_OWNER);
            // Unhandled anywhere: goes nowhere, and nothing loops.
            pages.two.SendMessage(WM_COMMAND, kFrameCommand);
            sheet.PressButton(PSBTN_OK);
        } });
        EXPECT_EQ(IDOK, sheet.DoModal());
    }
    EXPECT_EQ(nullptr, owner);
    app.m_pMainWnd = NULL;
}
}
