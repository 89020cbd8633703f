// The "Events and Scripts" page in a real sheet: the tree of an element's
// events and script items, the buttons, the document's posted hints, the
// New button that opens an event's own sheet, and dragging script items.
#include "authoring/LumbrookConfigDoc.h"
#include "authoring/ObjectPages.h"
#include "model/Browser.h"
#include "model/PropertySheetHooks.h"
#include "model/Script.h"
#include "model/TextElement.h"
#include "resources/editor/ObjectPagesIds.h"
#include "tests/authoring/SheetSteps.h"
#include "tests/model/FakeEditorServices.h"
#include "tests/model/ModelTestObjects.h"

#include <gtest/gtest.h>

using namespace sheetsteps;

namespace {

std::string Describe(HWND tree, HTREEITEM item)
{
    std::string text;
    for (; item != NULL; item = TreeView_GetNextSibling(tree, item))
    {
        if (!text.empty())
            text += ",";
        char label[128] = "";
        TVITEMA data = {};
        data.mask = TVIF_TEXT | TVIF_HANDLE;
        data.hItem = item;
        data.pszText = label;
        data.cchTextMax = sizeof label;
        SendMessageA(tree, TVM_GETITEMA, 0, (LPARAM)&data);
        text += label;
        if (TreeView_GetSelection(tree) == item)
            text += "*";
        if (HTREEITEM child = TreeView_GetChild(tree, item))
            text += "(" + Describe(tree, child) + ")";
    }
    return text;
}

POINT CentreOf(HWND tree, HTREEITEM item)
{
    RECT rect = {};
    *reinterpret_cast<HTREEITEM*>(&rect) = item;
    SendMessageA(tree, TVM_GETITEMRECT, TRUE, (LPARAM)&rect);
    POINT point = { (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2 };
    return point;
}

CScript* AddScript(CScriptableObject* owner, const char* event, int items)
{
    CScript* script = CreateScript();
    script->m_strName = event;
    for (int i = 0; i < items; ++i)
        script->AppendItem(new TestAction());
    owner->AddChild(script);
    return script;
}

class ObjectTreePPTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CBrowser* page = new CBrowser();
        page->SetId("Main");
        document.AppendPage(page, "tarvex.pgd");
        page->Save(NULL);
        page->Unload();
        document.m_bAutoDelete = FALSE;
        ASSERT_TRUE(document.SetCurrentPage(page, TRUE));
        services.currentPage = page;
        text = new CTextElement();
        text->SetType("Text");
        text->SetId("Button1");
        page->AddChild(text);
        down = AddScript(text, "OnMouseDown", 2);
        treePage.m_pObject = text;
        treePage.m_pDocument = &document;
    }
    std::string Tree() { return Describe(treePage.GetTree(), TreeView_GetRoot(treePage.GetTree())); }
    INT_PTR Run(std::vector<std::function<void()>> steps)
    {
        CPropertySheet sheet("Button1");
        sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
        sheet.AddPage(&treePage);
        return RunSheet(sheet, std::move(steps));
    }
    void Select(CElement* object) { TreeView_SelectItem(treePage.GetTree(), treePage.FindItem(object)); }

    FakeEditorServices services;
    CLumbrookConfigDoc document;
    CTextElement* text = NULL;
    CScript* down = NULL;
    CObjectTreePP treePage;
};

} // namespace

TEST_F(ObjectTreePPTest, ShowsTheEventsAndSetsTheButtonsForTheSelection)
{
    struct Seen
    {
        std::string tree, newText;
        bool deleteOn, propertiesOn;
    };
    std::vector<Seen> seen;
    auto look = [&] {
        seen.push_back({ Tree(), Text(treePage, IDC_TREE_NEW), Enabled(treePage, IDC_TREE_DELETE),
                         Enabled(treePage, IDC_TREE_PROPERTIES) });
    };
    INT_PTR result = Run({
        [&] { look(); Select(down); },
        [&] { look(); Select(down->m_items[0]); },
        [&] { look(); Press(treePage, PSBTN_OK); },
    });
    EXPECT_EQ(IDOK, result);
    ASSERT_EQ(3u, seen.size());
    EXPECT_EQ("Button1*(OnMouseDown(ShellExecute,ShellExecute))", seen[0].tree);
    EXPECT_EQ("New Event", seen[0].newText);
    EXPECT_FALSE(seen[0].deleteOn);
    EXPECT_FALSE(seen[0].propertiesOn);
    EXPECT_EQ("New Script Item", seen[1].newText);
    EXPECT_TRUE(seen[1].deleteOn);
    EXPECT_TRUE(seen[1].propertiesOn);
    EXPECT_EQ("New Script Item", seen[2].newText);
    // Choosing in the tree chooses in the document.
    EXPECT_EQ(down->m_items[0], document.GetCurrentObject());
}

TEST_F(ObjectTreePPTest, FollowsTheDocumentsPostedHints)
{
    CTextElement stranger;
    std::vector<std::string> seen;
    INT_PTR result = Run({
        [&] {
            // Added: the parent's item is refreshed.
            AddScript(text, "OnMouseUp", 1);
            document.PostHintToReceivers(HintAdded, text->GetScripts().back());
        },
        [&] {
            seen.push_back(Tree());
            // Removed and already deleted when the message arrives: the
            // pointer alone finds the item.
            CScript* up = text->GetScripts().back();
            document.PostHintToReceivers(HintRemoved, up);
            text->RemoveChild(up);
            delete up;
        },
        [&] {
            seen.push_back(Tree());
            // Changed: objects not in this tree are left alone.
            document.PostHintToReceivers(HintChanged, &stranger);
            down->m_strName = "OnMouseOut";
            document.PostHintToReceivers(HintChanged, down);
        },
        [&] {
            seen.push_back(Tree());
            Press(treePage, PSBTN_OK);
        },
    });
    EXPECT_EQ(IDOK, result);
    ASSERT_EQ(3u, seen.size());
    // The object lists its scripts from the last to the first.
    EXPECT_EQ("Button1*(OnMouseUp(ShellExecute),OnMouseDown(ShellExecute,ShellExecute))", seen[0]);
    EXPECT_EQ("Button1*(OnMouseDown(ShellExecute,ShellExecute))", seen[1]);
    EXPECT_EQ("Button1(OnMouseOut*(ShellExecute,ShellExecute))", seen[2]);
}

TEST_F(ObjectTreePPTest, AClosedSheetLeavesNoReceiverOfHints)
{
    std::vector<std::vector<HWND>> whileOpen;
    for (int round = 0; round < 3; ++round)
    {
        CObjectTreePP page;
        page.m_pObject = text;
        page.m_pDocument = &document;
        CPropertySheet sheet("Button1");
        sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
        sheet.AddPage(&page);
        HWND shown = NULL;
        EXPECT_EQ(IDOK, RunSheet(sheet, {
            [&] {
                shown = page.m_hWnd;
                whileOpen.push_back(document.GetHintReceivers());
                Press(page, PSBTN_OK);
            },
        }));
        EXPECT_EQ(std::vector<HWND>({ shown }), whileOpen.back()) << "round " << round;
        EXPECT_EQ(std::vector<HWND>(), document.GetHintReceivers()) << "round " << round;
        EXPECT_TRUE(Messages().empty()) << "round " << round;
    }
    // An edit after the sheets are gone is posted to no window.
    document.PostHintToReceivers(HintChanged, text);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, NULL, WM_USER + 120, WM_USER + 120, PM_NOREMOVE));
}

TEST_F(ObjectTreePPTest, NewOnAnEventOpensItsSheet)
{
    static CScript* edited = NULL;
    EditScriptHook previous = SetEditScriptHook([](CScript* script, BOOL) -> BOOL {
        edited = script;
        script->AppendItem(new TestAction("PlaySound"));
        return TRUE;
    });
    std::string after;
    INT_PTR result = Run({
        [&] { Select(down->m_items[1]); },
        [&] { Click(treePage, IDC_TREE_NEW); },
        [&] { after = Tree(); Press(treePage, PSBTN_OK); },
    });
    SetEditScriptHook(previous);
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(down, edited);
    EXPECT_EQ("Button1(OnMouseDown*(ShellExecute,ShellExecute,PlaySound))", after);
    EXPECT_TRUE(document.IsModified());
}

TEST_F(ObjectTreePPTest, WithoutAnObjectTheSheetEndsWithCancel)
{
    treePage.m_pObject = NULL;
    EXPECT_EQ(IDCANCEL, Run({}));
}

TEST_F(ObjectTreePPTest, ADropMovesAndRecordsAndAReleaseOverNoItemMovesNothing)
{
    struct Case
    {
        const char* name;
        bool releaseOverEmptySpace;
        const char* after;
        bool modified;
    };
    // The drop comes last: it leaves the items moved.
    const Case cases[] = {
        { "carried on to empty space", true, "Button1(OnMouseDown*(ShellExecute,PlaySound))", false },
        { "released on the second item", false, "Button1(OnMouseDown*(PlaySound,ShellExecute))", true },
    };
    // The drag is told by posted mouse messages, one step each (the sheet's
    // loop handles a posted message before the next step); the real
    // pointer waits out of the way.
    SetCursorPos(1000, 740);
    down->m_items[1]->SetName("PlaySound");
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        HWND tree = NULL;
        HTREEITEM second = NULL;
        POINT onto = {}, release = {};
        std::string after;
        bool highlighted = false, cleared = true, modified = true;
        int snapshots = document.GetUndo().GetCount();
        // A sheet of its own for each case.
        CObjectTreePP events;
        events.m_pObject = text;
        events.m_pDocument = &document;
        CPropertySheet sheet("Button1");
        sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
        sheet.AddPage(&events);
        auto postToPage = [&](UINT message, WPARAM keys, POINT point) {
            PostMessageA(events.m_hWnd, message, keys, MAKELPARAM(point.x, point.y));
        };
        INT_PTR result = RunSheet(sheet, {
            [&] {
                tree = events.GetTree();
                TreeView_SelectItem(tree, events.FindItem(down));
            },
            [&] {
                second = events.FindItem(down->m_items[1]);
                POINT from = CentreOf(tree, events.FindItem(down->m_items[0]));
                RECT client;
                GetClientRect(tree, &client);
                onto = CentreOf(tree, second);
                release = c.releaseOverEmptySpace ? POINT{ onto.x, client.bottom - 5 } : onto;
                // While dragging the page holds the pointer: its moves come
                // in the page's coordinates.
                MapWindowPoints(tree, events.m_hWnd, &onto, 1);
                MapWindowPoints(tree, events.m_hWnd, &release, 1);
                // The tree starts a drag when the pressed pointer leaves a
                // small square about the press.
                PostMessageA(tree, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(from.x, from.y + 12));
                SendMessageA(tree, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
                postToPage(WM_MOUSEMOVE, MK_LBUTTON, onto);
            },
            [&] {
                highlighted = TreeView_GetDropHilight(tree) == second;
                postToPage(WM_MOUSEMOVE, MK_LBUTTON, release);
            },
            [&] {
                cleared = TreeView_GetDropHilight(tree) == (c.releaseOverEmptySpace ? NULL : second);
                postToPage(WM_LBUTTONUP, 0, release);
            },
            [&] {
                after = Describe(tree, TreeView_GetRoot(tree));
                modified = document.IsModified() != FALSE;
                Press(events, PSBTN_OK);
            },
        });
        EXPECT_EQ(IDOK, result);
        EXPECT_TRUE(highlighted) << "the drag never reached the second item";
        EXPECT_TRUE(cleared) << "the highlight does not follow the pointer";
        EXPECT_EQ(c.after, after);
        EXPECT_EQ(c.modified, modified);
        EXPECT_EQ(snapshots + (c.modified ? 1 : 0), document.GetUndo().GetCount());
        EXPECT_EQ(std::vector<std::string>(), sheetsteps::Messages());
    }
    SetCursorPos(512, 384);
}
