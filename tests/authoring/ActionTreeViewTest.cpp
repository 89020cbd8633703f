// The object tree follows the document's hints: a real tree view in a
// window of this process, fed by a document of pages built in memory.
#include "authoring/ActionTreeView.h"
#include "authoring/LumbrookConfigDoc.h"
#include "model/Browser.h"
#include "model/Script.h"
#include "model/ScriptItem.h"
#include "model/TextElement.h"
#include "model/store/DataFile.h"
#include "tests/model/FakeEditorServices.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

CTextElement* MakeText(const char* id)
{
    CTextElement* text = new CTextElement();
    text->SetType("Text");
    text->SetId(id);
    return text;
}

// The tree as text: "label(child,child)" for each root item, '*' after the
// selected one.
std::string Describe(CTreeCtrl& tree, HTREEITEM item)
{
    std::string text;
    for (; item != NULL; item = tree.GetNextSiblingItem(item))
    {
        if (!text.empty())
            text += ",";
        text += tree.GetItemText(item);
        if (tree.GetSelectedItem() == item)
            text += "*";
        HTREEITEM child = tree.GetChildItem(item);
        if (child)
            text += "(" + Describe(tree, child) + ")";
    }
    return text;
}

class ActionTreeViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Two pages saved into their data files, as a project holds them.
        for (const char* name : { "First", "Second" })
        {
            CBrowser* page = new CBrowser();
            page->SetId(name);
            document.AppendPage(page, (std::string(name) + ".pgd").c_str());
            page->AddChild(MakeText((std::string(name) + "Text").c_str()));
            page->Save(NULL);
            page->Unload();
        }
        document.m_bAutoDelete = FALSE;
        ASSERT_TRUE(host.CreateEx(0, AfxWndClassName, "host", WS_POPUP, CRect(0, 0, 300, 400), NULL, 0));
        CCreateContext context;
        context.m_pCurrentDoc = &document;
        view = new CActionTreeView();
        ASSERT_TRUE(view->Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 400), &host,
                                 AFX_IDW_PANE_FIRST, &context));
        ASSERT_TRUE(document.SetCurrentPage(document.GetPages()[0], TRUE));
        services.currentPage = document.GetCurrentPage();
        view->OnInitialUpdate();
    }
    void TearDown() override
    {
        host.DestroyWindow();
    }
    std::string Tree() { return Describe(view->GetTreeCtrl(), view->GetTreeCtrl().GetRootItem()); }

    FakeEditorServices services;
    CLumbrookConfigDoc document;
    CWnd host;
    CActionTreeView* view = NULL;
};

} // namespace

TEST_F(ActionTreeViewTest, FollowsTheHints)
{
    EXPECT_EQ("First*(FirstText),Second", Tree());
    CBrowser* page = document.GetCurrentPage();

    CTextElement* added = MakeText("Added");
    page->AddChild(added);
    document.UpdateAllViews(NULL, HintAdded, added);
    EXPECT_EQ("First*(Added,FirstText),Second", Tree());

    added->SetId("Renamed");
    CScript* script = CreateScript();
    script->m_strName = "OnMouseDown";
    added->AddChild(script);
    document.UpdateAllViews(NULL, HintChanged, added);
    EXPECT_EQ("First(Renamed*(OnMouseDown),FirstText),Second", Tree());

    document.UpdateAllViews(NULL, HintSelection, page->m_children[0]);
    EXPECT_EQ("First(Renamed(OnMouseDown),FirstText*),Second", Tree());

    document.UpdateAllViews(NULL, HintRemoved, added);
    page->RemoveChild(added);
    EXPECT_EQ("First(FirstText*),Second", Tree());

    // Another page current: the whole tree again.
    ASSERT_TRUE(document.SetCurrentPage(document.GetPages()[1], TRUE));
    services.currentPage = document.GetCurrentPage();
    document.UpdateAllViews(NULL, HintWholeDocument, NULL);
    EXPECT_EQ("First,Second*(SecondText)", Tree());

    // The view's own hints are not for it.
    document.UpdateAllViews(view, HintWholeDocument, NULL);
    EXPECT_EQ("First,Second*(SecondText)", Tree());
}

TEST_F(ActionTreeViewTest, WithoutAPageTheTreeIsEmpty)
{
    document.DeletePages();
    services.currentPage = NULL;
    document.UpdateAllViews(NULL, HintWholeDocument, NULL);
    EXPECT_EQ("", Tree());
}

TEST_F(ActionTreeViewTest, AnActionOfAnUnknownTypeIsLabelledByItsStoredName)
{
    // Stored by a newer editor: a type this one keeps without knowing it.
    CDataFile* file = document.GetPages()[1]->GetDataFile();
    file->SetInt("Element_1", "numScripts", 1);
    file->SetString("Element_1_Script_1", "name", "OnMouseDown");
    file->SetInt("Element_1_Script_1", "numScriptItems", 1);
    file->SetString("Element_1_Script_1_ScriptItem_1", "speed", "3");
    file->SetString("Element_1_Script_1_ScriptItem_1", "name", "FlyIn");
    ASSERT_TRUE(document.SetCurrentPage(document.GetPages()[1], TRUE));
    services.currentPage = document.GetCurrentPage();
    document.UpdateAllViews(NULL, HintWholeDocument, NULL);
    EXPECT_EQ("First,Second*(SecondText(OnMouseDown(FlyIn)))", Tree());

    // Refreshed with its script, the label stays.
    CScriptableObject* text = dynamic_cast<CScriptableObject*>(document.GetCurrentPage()->m_children[0]);
    ASSERT_TRUE(text != NULL);
    ASSERT_EQ(1u, text->GetScripts().size());
    document.UpdateAllViews(NULL, HintChanged, text->GetScripts()[0]);
    EXPECT_EQ("First,Second(SecondText(OnMouseDown*(FlyIn)))", Tree());
}

// A page reloaded (as Undo does) or its pages changed: the items stand for
// the objects the document holds now, images and labels as a new tree's.
TEST_F(ActionTreeViewTest, AWholeDocumentHintShowsTheObjectsNowLoaded)
{
    CTreeCtrl& tree = view->GetTreeCtrl();
    auto image = [&](HTREEITEM item) {
        TVITEMA facts = {};
        facts.mask = TVIF_HANDLE | TVIF_IMAGE;
        facts.hItem = item;
        tree.GetItem(&facts);
        return facts.iImage;
    };
    CBrowser* first = document.GetPages()[0];
    CBrowser* second = document.GetPages()[1];
    CDataFile stored(*first->GetDataFile());
    document.RestorePage(first, stored);
    document.UpdateAllViews(NULL, HintWholeDocument, NULL);
    EXPECT_EQ("First*(FirstText),Second", Tree());
    HTREEITEM child = tree.GetChildItem(tree.GetRootItem());
    ASSERT_TRUE(child != NULL);
    EXPECT_EQ((DWORD_PTR)first->m_children[0], tree.GetItemData(child));
    document.UpdateAllViews(NULL, HintSelection, first->m_children[0]);
    EXPECT_EQ("First(FirstText*),Second", Tree());

    ASSERT_TRUE(document.SetCurrentPage(second, TRUE));
    services.currentPage = second;
    document.UpdateAllViews(NULL, HintWholeDocument, NULL);
    EXPECT_EQ("First,Second*(SecondText)", Tree());
    EXPECT_EQ(15, image(tree.GetRootItem()));
    EXPECT_EQ(14, image(tree.GetNextSiblingItem(tree.GetRootItem())));

    first->SetId("Renamed");
    document.UpdateAllViews(NULL, HintWholeDocument, NULL);
    EXPECT_EQ("Renamed,Second*(SecondText)", Tree());
    CBrowser* third = new CBrowser();
    third->SetId("Third");
    document.AppendPage(third, "Third.pgd");
    third->Save(NULL);
    document.UpdateAllViews(NULL, HintWholeDocument, NULL);
    EXPECT_EQ("Renamed,Second*(SecondText),Third", Tree());
}

// Undo reloads the page as new objects: every item, kept or made anew,
// stands for the object now loaded, shows its label, and choosing it in
// the tree selects that object; an item the author opened stays open when
// the page keeps its shape.
TEST_F(ActionTreeViewTest, AfterAnUndoTheItemsStandForTheLiveObjects)
{
    struct Case
    {
        const char* name;
        bool removeOne; // the edit undone added an element: the shape differs
        const char* edited;
        const char* undone;
    };
    const Case cases[] = {
        { "a label changed", false, "First,Second*(Other,Renamed(OnMouseDown(FlyIn)))",
          "First,Second*(Other,SecondText(OnMouseDown(FlyIn)))" },
        { "an element added", true, "First,Second*(Added,Other,SecondText(OnMouseDown(FlyIn)))",
          "First,Second*(Other,SecondText(OnMouseDown(FlyIn)))" },
    };
    // A text with a script and an action, as a project stores them.
    CDataFile* file = document.GetPages()[1]->GetDataFile();
    file->SetInt("Element_1", "numScripts", 1);
    file->SetString("Element_1_Script_1", "name", "OnMouseDown");
    file->SetInt("Element_1_Script_1", "numScriptItems", 1);
    file->SetString("Element_1_Script_1_ScriptItem_1", "name", "FlyIn");
    ASSERT_TRUE(document.SetCurrentPage(document.GetPages()[1], TRUE));
    services.currentPage = document.GetCurrentPage();
    document.GetCurrentPage()->AddChild(MakeText("Other"));
    CTreeCtrl& tree = view->GetTreeCtrl();
    // Each item's data against the object a fresh tree would give it.
    std::function<void(HTREEITEM, const std::vector<CElement*>&)> expectData =
        [&](HTREEITEM item, const std::vector<CElement*>& objects) {
            for (CElement* object : objects)
            {
                ASSERT_TRUE(item != NULL);
                EXPECT_EQ((DWORD_PTR)object, tree.GetItemData(item)) << tree.GetItemText(item);
                std::vector<CElement*> inner;
                if (CScriptableObject* scriptable = dynamic_cast<CScriptableObject*>(object))
                {
                    std::vector<CScript*> scripts = scriptable->GetScripts();
                    inner.assign(scripts.rbegin(), scripts.rend());
                }
                if (CScript* script = dynamic_cast<CScript*>(object))
                    inner.assign(script->m_items.begin(), script->m_items.end());
                expectData(tree.GetChildItem(item), inner);
                item = tree.GetNextSiblingItem(item);
            }
            EXPECT_TRUE(item == NULL);
        };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        document.GetUndo().Clear();
        CBrowser* page = document.GetCurrentPage();
        CScriptableObject* text = dynamic_cast<CScriptableObject*>(page->m_children[0]);
        ASSERT_TRUE(text != NULL);
        ASSERT_EQ(1u, text->GetScripts().size());
        document.RecordChange();
        document.UpdateAllViews(NULL, HintWholeDocument, NULL);
        HTREEITEM textItem = view->FindItem(text);
        ASSERT_TRUE(textItem != NULL);
        tree.Expand(textItem, TVE_EXPAND);

        if (c.removeOne)
        {
            CTextElement* added = MakeText("Added");
            page->AddChild(added);
            document.UpdateAllViews(NULL, HintAdded, added);
        }
        else
        {
            text->SetId("Renamed");
            document.UpdateAllViews(NULL, HintChanged, text);
        }
        document.RecordChange();
        document.Select(page);
        EXPECT_EQ(c.edited, Tree());

        document.GetUndo().Undo();
        EXPECT_EQ(c.undone, Tree());
        page = document.GetCurrentPage();
        HTREEITEM pageItem = view->FindItem(page);
        ASSERT_TRUE(pageItem != NULL);
        expectData(tree.GetChildItem(pageItem),
                   std::vector<CElement*>(page->m_children.rbegin(), page->m_children.rend()));
        if (!c.removeOne)
        {
            HTREEITEM kept = view->FindItem(page->m_children[0]);
            ASSERT_TRUE(kept != NULL);
            EXPECT_NE(0u, tree.GetItemState(kept, TVIS_EXPANDED) & TVIS_EXPANDED);
        }

        // The author clicks each item: the document selects its live object.
        for (CElement* object : { (CElement*)page->m_children[1], (CElement*)page->m_children[0] })
        {
            HTREEITEM item = view->FindItem(object);
            ASSERT_TRUE(item != NULL);
            tree.SelectItem(item);
            EXPECT_EQ(object, document.GetCurrentObject()) << tree.GetItemText(item);
        }
    }
}
