// "Insert New Objects" and "Add Events" as modal dialogs of this process,
// driven inside their modal loops.
#include "authoring/EventAddDlg.h"
#include "authoring/LumbrookConfigDoc.h"
#include "authoring/ObjectAddDlg.h"
#include "model/Browser.h"
#include "model/Script.h"
#include "model/TextElement.h"
#include "resources/editor/ObjectPagesIds.h"
#include "tests/support/SheetDriver.h"
#include "tests/model/FakeEditorServices.h"

#include <gtest/gtest.h>

using namespace sheetdriver;

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
    INT_PTR result = Drive([&] { return dialog.DoModal(); }, {
        [&] {
            lines = Items(IDC_OBJECT_TYPES);
            GetWindowRect(dialog.m_hWnd, &placed);
            // Nothing chosen: a double-click inserts nothing.
            DoubleClick(IDC_OBJECT_TYPES, -1);
        },
        [] { DoubleClick(IDC_OBJECT_TYPES, 2); },
        [&] {
            EXPECT_EQ(LB_ERR, ChosenIndex(GetDlgItem(Page(), IDC_OBJECT_TYPES)));
            cancelText = Text(IDCANCEL);
            ChooseIndex(IDC_OBJECT_TYPES, 3);
            Ok();
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
    INT_PTR result = Drive([&] { return dialog.DoModal(); }, { [] { Ok(); } });
    Pump();
    EXPECT_EQ(IDOK, result);
    EXPECT_TRUE(sink.commands.empty());
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
    INT_PTR result = Drive([&] { return dialog.DoModal(); }, {
        [&] {
            before = Items(IDC_EVENT_LIST);
            nounText = Text(IDC_NOUN_TEXT);
            DoubleClick(IDC_EVENT_LIST, 1);
        },
        [&] {
            after = Items(IDC_EVENT_LIST);
            cancelText = Text(IDCANCEL);
            ChooseIndex(IDC_EVENT_LIST, 0);
            Ok();
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
    INT_PTR result = Drive([&] { return dialog.DoModal(); }, {
        [&] {
            lines = Items(IDC_EVENT_LIST);
            ChooseIndex(IDC_EVENT_LIST, 0);
            Ok();
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
    EXPECT_EQ(IDCANCEL, Drive([&] { return dialog.DoModal(); }, {}));
}
