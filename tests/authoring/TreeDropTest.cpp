// The object tree's drag rules and drops, on model objects: two text
// elements with scripts on one page, and a second page.
#include "authoring/TreeDrop.h"
#include "model/Browser.h"
#include "model/KeptScriptItem.h"
#include "model/Script.h"
#include "model/TextElement.h"
#include "tests/model/ModelTestObjects.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

CScript* AddScript(CScriptableObject* owner, const char* event, int items)
{
    CScript* script = CreateScript();
    script->m_strName = event;
    for (int i = 0; i < items; ++i)
    {
        TestAction* action = new TestAction();
        action->SetId((std::string(event) + std::to_string(i + 1)).c_str());
        script->AppendItem(action);
    }
    owner->AddChild(script);
    return script;
}

// page: first (OnMouseDown: 2 items), second (OnMouseUp: 1 item);
// other page: one text without scripts.
struct TwoPages
{
    TwoPages()
    {
        first = new CTextElement();
        first->SetId("First");
        second = new CTextElement();
        second->SetId("Second");
        page.AddChild(first);
        page.AddChild(second);
        down = AddScript(first, "OnMouseDown", 2);
        up = AddScript(second, "OnMouseUp", 1);
        stranger = new CTextElement();
        other.AddChild(stranger);
    }
    ~TwoPages()
    {
        page.Unload();
        other.Unload();
    }
    CBrowser page;
    CBrowser other;
    CTextElement* first;
    CTextElement* second;
    CTextElement* stranger;
    CScript* down;
    CScript* up;
};

CScript* FindScript(const CBrowser& page, const char* event)
{
    for (CElement* child : page.m_children)
    {
        if (CScript* script = static_cast<CScriptableObject*>(child)->FindScriptByName(event))
            return script;
    }
    return NULL;
}

std::string ItemIds(const CScript* script)
{
    std::string ids;
    for (const CScriptItem* item : script->m_items)
        ids += (ids.empty() ? "" : ",") + std::string(item->GetId());
    return ids;
}

} // namespace

TEST(TreeDrop, CursorAndDropFollowTheClassNames)
{
    enum What { DownItem, DownScript, UpItem, UpScript, First, Second, Page, OtherPage, Stranger };
    struct Case
    {
        const char* name;
        What dragged;
        What target;
        bool accepted;
        bool moved;
        // After the drop: the two scripts' items, the page's children.
        const char* downItems;
        const char* upItems;
    };
    const Case cases[] = {
        { "item on an item of another script", DownItem, UpItem, true, true, "OnMouseDown2", "OnMouseUp1,OnMouseDown1" },
        { "item on another script", DownItem, UpScript, true, true, "OnMouseDown2", "OnMouseDown1,OnMouseUp1" },
        { "item on a page element", DownItem, Second, false, false, "OnMouseDown1,OnMouseDown2", "OnMouseUp1" },
        { "item on another page", DownItem, OtherPage, false, false, "OnMouseDown1,OnMouseDown2", "OnMouseUp1" },
        { "item on itself", DownItem, DownItem, false, false, "OnMouseDown1,OnMouseDown2", "OnMouseUp1" },
        { "script on its own item", DownScript, DownItem, false, false, "OnMouseDown1,OnMouseDown2", "OnMouseUp1" },
        { "element on its own script", First, DownScript, false, false, "OnMouseDown1,OnMouseDown2", "OnMouseUp1" },
        { "script on an element without it", DownScript, Second, true, true, "-", "OnMouseUp1" },
        { "script on a script of an element without it", DownScript, UpScript, true, true, "-", "OnMouseUp1" },
        { "script on a page without its event", DownScript, Page, false, false, "OnMouseDown1,OnMouseDown2", "OnMouseUp1" },
        { "element on an element", First, Second, true, true, "OnMouseDown1,OnMouseDown2", "OnMouseUp1" },
        { "element on its page", First, Page, true, true, "OnMouseDown1,OnMouseDown2", "OnMouseUp1" },
        { "element on an element of another page", First, Stranger, false, false, "OnMouseDown1,OnMouseDown2", "OnMouseUp1" },
        { "element on another page", First, OtherPage, false, false, "OnMouseDown1,OnMouseDown2", "OnMouseUp1" },
    };
    for (const Case& c : cases)
    {
        TwoPages pages;
        CElement* objects[] = { pages.down->m_items[0], pages.down, pages.up->m_items[0], pages.up, pages.first,
                                pages.second, &pages.page, &pages.other, pages.stranger };
        CElement* dragged = objects[c.dragged];
        CElement* target = objects[c.target];
        CElement* oldParent = dragged->GetParent();
        EXPECT_EQ(c.accepted, IsTreeDropAccepted(dragged, target)) << c.name;
        std::vector<CElement*> changed;
        EXPECT_EQ(c.moved, DropInTree(dragged, target, changed)) << c.name;
        if (c.moved)
        {
            ASSERT_FALSE(changed.empty()) << c.name;
            EXPECT_EQ(oldParent, changed[0]) << c.name;
        }
        else
        {
            EXPECT_TRUE(changed.empty()) << c.name;
        }
        // Moved objects are copies in their new place: look for the
        // scripts by event among the page's elements.
        CScript* down = FindScript(pages.page, "OnMouseDown");
        CScript* up = FindScript(pages.page, "OnMouseUp");
        ASSERT_TRUE(down != NULL && up != NULL) << c.name;
        if (std::string(c.downItems) != "-")
            EXPECT_EQ(c.downItems, ItemIds(down)) << c.name;
        EXPECT_EQ(c.upItems, ItemIds(up)) << c.name;
    }
}

TEST(TreeDrop, ElementsChangePlaceInTheirPage)
{
    TwoPages pages;
    std::vector<CElement*> changed;
    ASSERT_TRUE(DropInTree(pages.first, &pages.page, changed));
    // The page's children are copies now; the first one moved to the end.
    ASSERT_EQ(2, pages.page.GetChildCount());
    EXPECT_STREQ("Second", pages.page.m_children[0]->GetId());
    EXPECT_STREQ("First", pages.page.m_children[1]->GetId());
    EXPECT_EQ(std::vector<CElement*>({ &pages.page }), changed);
}

TEST(TreeDrop, AnActionOfAnUnknownTypeMovesAsAnyAction)
{
    struct Case
    {
        const char* name;
        bool keptDragged;   // else an action is dropped on the kept one
        const char* downItems;
        const char* upItems;
    };
    const Case cases[] = {
        { "kept action on an action of another script", true, "OnMouseDown1,FlyIn,OnMouseDown2", "OnMouseUp1" },
        { "action on a kept action", false, "OnMouseDown2", "OnMouseUp1,FlyIn,OnMouseDown1" },
    };
    for (const Case& c : cases)
    {
        MessageRecorder boxes;
        TwoPages pages;
        CKeptScriptItem* kept = new CKeptScriptItem("FlyIn");
        kept->SetId("FlyIn");
        pages.up->AppendItem(kept);
        CElement* dragged = c.keptDragged ? (CElement*)kept : pages.down->m_items[0];
        CElement* target = c.keptDragged ? (CElement*)pages.down->m_items[0] : kept;
        EXPECT_TRUE(IsTreeDropAccepted(dragged, target)) << c.name;
        std::vector<CElement*> changed;
        EXPECT_TRUE(DropInTree(dragged, target, changed)) << c.name;
        EXPECT_EQ(c.downItems, ItemIds(FindScript(pages.page, "OnMouseDown"))) << c.name;
        EXPECT_EQ(c.upItems, ItemIds(FindScript(pages.page, "OnMouseUp"))) << c.name;
        EXPECT_TRUE(boxes.Messages().empty()) << c.name;
    }
}
