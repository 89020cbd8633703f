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

// The services' current page is the document's, as in the editor.
class DocumentServices : public FakeEditorServices
{
public:
    CElement* GetCurrentPage() override { return follows ? follows->GetCurrentPage() : currentPage; }
    CLumbrookConfigDoc* follows = NULL;
};

class ActionTreeViewTest : public ::testing::Test
{
protected:
    // A page with one text, appended and saved into its data file, unloaded
    // as a project holds the pages it does not show.
    CBrowser* AddSavedPage(const char* name)
    {
        CBrowser* page = new CBrowser();
        page->SetId(name);
        document.AppendPage(page, (std::string(name) + ".pgd").c_str());
        page->AddChild(MakeText((std::string(name) + "Text").c_str()));
        page->Save(NULL);
        page->Unload();
        return page;
    }

    void SetUp() override
    {
        // Two pages saved into their data files, as a project holds them.
        for (const char* name : { "First", "Second" })
            AddSavedPage(name);
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

    DocumentServices services;
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

namespace {

// The items a fresh tree would show under a page, depth first: data, label
// and the place of the parent in the list (-1 for the page's own item).
struct Shown
{
    DWORD_PTR data;
    std::string label;
    int parent;
    bool operator==(const Shown& o) const { return data == o.data && label == o.label && parent == o.parent; }
};

void CollectShown(CTreeCtrl& tree, HTREEITEM item, int parent, std::vector<Shown>& shown)
{
    for (HTREEITEM child = tree.GetChildItem(item); child != NULL; child = tree.GetNextSiblingItem(child))
    {
        Shown one = { tree.GetItemData(child), tree.GetItemText(child), parent };
        shown.push_back(one);
        CollectShown(tree, child, (int)shown.size() - 1, shown);
    }
}

} // namespace

// The page items are kept between changes rather than read back from the
// tree each time: after every change to the pages and every Undo, each
// page item still stands for its live page with its label and picture,
// and holds what the page would insert now.
TEST_F(ActionTreeViewTest, ThePageItemsStayTheDocumentsPagesThroughPageChangesAndUndo)
{
    services.follows = &document;
    CTreeCtrl& tree = view->GetTreeCtrl();
    auto expectPagesShown = [&](const char* step) {
        SCOPED_TRACE(step);
        HTREEITEM item = tree.GetRootItem();
        for (CBrowser* page : document.GetPages())
        {
            ASSERT_TRUE(item != NULL) << page->m_strId.c_str();
            EXPECT_EQ((DWORD_PTR)page, tree.GetItemData(item));
            EXPECT_EQ(std::string(page->GetDisplayName()), tree.GetItemText(item));
            TVITEMA facts = {};
            facts.mask = TVIF_HANDLE | TVIF_IMAGE;
            facts.hItem = item;
            tree.GetItem(&facts);
            EXPECT_EQ(page->GetTreeImage(), facts.iImage) << page->m_strId.c_str();
            EXPECT_EQ(item, view->FindItem(page));
            CTreeRecorder recorder;
            HWND recording = recorder.Start();
            ASSERT_TRUE(recording != NULL);
            page->AddContentsToTree(recording, TVI_ROOT);
            std::vector<Shown> wanted;
            for (const CTreeRecorder::Item& made : recorder.Items())
                wanted.push_back(Shown{ (DWORD_PTR)made.data, made.text, made.parent });
            std::vector<Shown> shown;
            CollectShown(tree, item, -1, shown);
            EXPECT_TRUE(wanted == shown) << page->m_strId.c_str();
            for (CElement* child : page->m_children)
                EXPECT_TRUE(view->FindItem(child) != NULL) << child->m_strId.c_str();
            item = tree.GetNextSiblingItem(item);
        }
        EXPECT_TRUE(item == NULL);
    };
    AddSavedPage("Third");
    AddSavedPage("Fourth");
    document.UpdateAllViews(NULL, HintWholeDocument, NULL);
    document.RecordChange();
    expectPagesShown("four pages");

    // Each change as the editor makes it: its hints, then its snapshot.
    struct Step
    {
        const char* name;
        std::function<void()> change;
    };
    const Step steps[] = {
        { "the current page renamed",
          [&] {
              document.GetCurrentPage()->SetId("Renamed");
              document.UpdateAllViews(NULL, HintChanged, document.GetCurrentPage());
          } },
        { "a page added",
          [&] {
              AddSavedPage("Added");
              document.UpdateAllViews(NULL, HintWholeDocument, NULL);
          } },
        { "another page chosen", [&] { document.Select(document.GetPages()[2]); } },
        { "a page moved",
          [&] {
              document.Select(document.GetCurrentPage());
              document.MoveCurrentObject(0);
          } },
        { "the current page deleted and another added",
          [&] {
              document.DeletePage(document.GetCurrentPage(), document.GetPages()[1]);
              AddSavedPage("Newer");
              document.UpdateAllViews(NULL, HintWholeDocument, NULL);
          } },
        { "a page not shown renamed",
          [&] {
              document.GetPages()[3]->SetId("Elsewhere");
              document.UpdateAllViews(NULL, HintWholeDocument, NULL);
          } },
        { "an element moved", [&] { document.GetCurrentPage()->m_children[0]->m_xpos += 5; } },
        { "an element renamed",
          [&] {
              CElement* text = document.GetCurrentPage()->m_children[0];
              text->SetId("Retitled");
              document.UpdateAllViews(NULL, HintChanged, text);
          } },
        { "an element added",
          [&] {
              CTextElement* added = MakeText("Extra");
              document.GetCurrentPage()->AddChild(added);
              document.UpdateAllViews(NULL, HintAdded, added);
          } },
        { "an element removed",
          [&] {
              CElement* gone = document.GetCurrentPage()->m_children[0];
              document.UpdateAllViews(NULL, HintRemoved, gone);
              document.GetCurrentPage()->RemoveChild(gone);
          } },
    };
    for (const Step& step : steps)
    {
        step.change();
        expectPagesShown(step.name);
        document.RecordChange();
    }
    // Back through the snapshots kept: the page reloaded with the same
    // items, with others, and other pages.
    document.GetCurrentPage()->AddChild(MakeText("Late"));
    document.UpdateAllViews(NULL, HintWholeDocument, NULL);
    document.RecordChange();
    for (int undo = 1; document.GetUndo().GetCount() > 1; ++undo)
    {
        int before = document.GetUndo().GetCount();
        document.GetUndo().Undo();
        expectPagesShown(("undo " + std::to_string(undo)).c_str());
        ASSERT_LT(document.GetUndo().GetCount(), before);
    }
}
