// "Insert New Objects" and "Add Events" as modal dialogs of this process,
// driven inside their modal loops.
#include "authoring/EventAddDlg.h"
#include "authoring/LumbrookConfigDoc.h"
#include "authoring/ObjectAddDlg.h"
#include "model/Browser.h"
#include "model/Script.h"
#include "model/TextElement.h"
#include "resources/editor/ObjectPagesIds.h"
#include "tests/authoring/SheetSteps.h"
#include "tests/model/FakeEditorServices.h"

#include <gtest/gtest.h>

using namespace sheetsteps;

namespace {

// A window that keeps the commands posted to it.
class CommandSink : public CWnd
{
public:
    CommandSink() { CreateEx(0, AfxWndClassName, "sink", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0); }
    ~CommandSink() override { DestroyWindow(); }
    std::vector<UINT> commands;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM) override
    {
        commands.push_back(LOWORD(wParam));
        return TRUE;
    }
};

void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

} // namespace

TEST(ObjectAddDlg, InsertsTheChosenKindsAndSitsAtTheBottomOfTheRectangle)
{
    CommandSink sink;
    CObjectAddDlg dialog;
    dialog.m_hCommandTarget = sink.m_hWnd;
    dialog.m_placement = { 100, 100, 700, 500 };
    std::vector<std::string> lines;
    std::string cancelText;
    RECT placed = {};
    INT_PTR result = RunWithSteps([&] { return dialog.DoModal(); }, {
        [&] {
            HWND list = GetDlgItem(dialog.m_hWnd, IDC_OBJECT_TYPES);
            lines = ListLines(list);
            GetWindowRect(dialog.m_hWnd, &placed);
            // Nothing chosen: a double-click inserts nothing.
            SendMessageA(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_OBJECT_TYPES, LBN_DBLCLK), (LPARAM)list);
            SendMessageA(list, LB_SETCURSEL, 2, 0);
            SendMessageA(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_OBJECT_TYPES, LBN_DBLCLK), (LPARAM)list);
            EXPECT_EQ(LB_ERR, (int)SendMessageA(list, LB_GETCURSEL, 0, 0));
            cancelText = Text(dialog, IDCANCEL);
            SendMessageA(list, LB_SETCURSEL, 3, 0);
            SendMessageA(dialog.m_hWnd, WM_COMMAND, IDOK, 0);
        },
    });
    Pump();
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(std::vector<std::string>({ "Button", "Image", "Text", "ActiveX Control" }), lines);
    EXPECT_EQ("Done", cancelText);
    EXPECT_EQ(std::vector<UINT>({ 57646u, 57647u }), sink.commands);
    EXPECT_EQ(500, placed.bottom);
    EXPECT_NEAR(400, (placed.left + placed.right) / 2, 1);
}

TEST(ObjectAddDlg, OKWithNothingChosenPostsNothingAndEnds)
{
    CommandSink sink;
    CObjectAddDlg dialog;
    dialog.m_hCommandTarget = sink.m_hWnd;
    INT_PTR result = RunWithSteps([&] { return dialog.DoModal(); }, {
        [&] { SendMessageA(dialog.m_hWnd, WM_COMMAND, IDOK, 0); },
    });
    Pump();
    EXPECT_EQ(IDOK, result);
    EXPECT_TRUE(sink.commands.empty());
    EXPECT_TRUE(Messages().empty());
}

class EventAddDlgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CBrowser* page = new CBrowser();
        document.AppendPage(page, "tarvex.pgd");
        page->Save(NULL);
        page->Unload();
        document.m_bAutoDelete = FALSE;
        ASSERT_TRUE(document.SetCurrentPage(page, TRUE));
        services.currentPage = page;
        text = new CTextElement();
        text->SetType("Text");
        text->SetId("Caption");
        page->AddChild(text);
    }
    FakeEditorServices services;
    CLumbrookConfigDoc document;
    CTextElement* text = NULL;
};

TEST_F(EventAddDlgTest, AddsAScriptForEachChosenEvent)
{
    CEventAddDlg dialog;
    dialog.m_pDocument = &document;
    dialog.m_pObject = text;
    dialog.m_strNoun = "text";
    std::vector<std::string> before, after;
    std::string nounText, cancelText;
    INT_PTR result = RunWithSteps([&] { return dialog.DoModal(); }, {
        [&] {
            HWND list = GetDlgItem(dialog.m_hWnd, IDC_EVENT_LIST);
            before = ListLines(list);
            nounText = Text(dialog, IDC_NOUN_TEXT);
            SendMessageA(list, LB_SETCURSEL, 1, 0);
            SendMessageA(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_EVENT_LIST, LBN_DBLCLK), (LPARAM)list);
            after = ListLines(list);
            cancelText = Text(dialog, IDCANCEL);
            SendMessageA(list, LB_SETCURSEL, 0, 0);
            SendMessageA(dialog.m_hWnd, WM_COMMAND, IDOK, 0);
        },
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("Below is a list of available events for this text.", nounText);
    ASSERT_EQ(4u, before.size());
    EXPECT_EQ(3u, after.size());
    EXPECT_EQ("Done", cancelText);
    ASSERT_EQ(2, text->GetScriptCount());
    EXPECT_STREQ(before[1].c_str(), text->GetScripts()[0]->m_strName);
    EXPECT_STREQ(before[0].c_str(), text->GetScripts()[1]->m_strName);
    EXPECT_TRUE(document.IsModified());
}

TEST_F(EventAddDlgTest, AnObjectWithEveryEventScriptedAddsNothing)
{
    for (const CStr& event : text->GetEventsWithoutScript())
    {
        CScript* script = CreateScript();
        script->m_strName = event;
        text->AddChild(script);
    }
    int scripts = text->GetScriptCount();
    CEventAddDlg dialog;
    dialog.m_pDocument = &document;
    dialog.m_pObject = text;
    std::vector<std::string> lines;
    INT_PTR result = RunWithSteps([&] { return dialog.DoModal(); }, {
        [&] {
            HWND list = GetDlgItem(dialog.m_hWnd, IDC_EVENT_LIST);
            lines = ListLines(list);
            SendMessageA(list, LB_SETCURSEL, 0, 0);
            SendMessageA(dialog.m_hWnd, WM_COMMAND, IDOK, 0);
        },
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(std::vector<std::string>({ "<all events for this item are in use>" }), lines);
    EXPECT_EQ(scripts, text->GetScriptCount());
    EXPECT_FALSE(document.IsModified());
}

TEST(EventAddDlg, WithoutAnObjectItEndsWithCancel)
{
    CEventAddDlg dialog;
    EXPECT_EQ(IDCANCEL, RunWithSteps([&] { return dialog.DoModal(); }, {}));
}
