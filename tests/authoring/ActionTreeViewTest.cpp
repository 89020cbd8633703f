// The object tree follows the document's hints: a real tree view in a
// window of this process, fed by a document of pages built in memory.
#include "authoring/ActionTreeView.h"
#include "authoring/LumbrookConfigDoc.h"
#include "model/Browser.h"
#include "model/Script.h"
#include "model/TextElement.h"
#include "model/store/DataFile.h"
#include "tests/model/FakeEditorServices.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>

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
    MessageRecorder boxes;
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
    EXPECT_TRUE(boxes.Messages().empty());
}
