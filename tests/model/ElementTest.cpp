#include "model/Browser.h"
#include "tests/model/ModelTestObjects.h"

#include <gtest/gtest.h>

#include <limits.h>

namespace {

struct BaseKeysCase
{
    const char* label;
    const char* id;
    const char* name;
    int x, y;
    KeyMap keys;
    int readX, readY;
};

TEST(Element, SaveWritesOnlyTheSetBaseKeysAndLoadReadsThemBack)
{
    const BaseKeysCase cases[] = {
        { "at the origin", "", "", 0, 0, { { "type", "Text" } }, 0, 0 },
        { "negative x", "", "", -5, 10, { { "type", "Text" }, { "ypos", "10" } }, 0, 10 },
        { "everything set", "Title", "Shown", 3, 4,
          { { "id", "Title" }, { "type", "Text" }, { "name", "Shown" }, { "xpos", "3" }, { "ypos", "4" } }, 3, 4 },
    };
    for (const BaseKeysCase& c : cases) {
        CDataFile file;
        CElement element("Element_1");
        element.m_strType = "Text";
        element.m_strId = c.id;
        element.m_strName = c.name;
        element.m_xpos = c.x;
        element.m_ypos = c.y;
        EXPECT_TRUE(element.Save(&file)) << c.label;
        EXPECT_EQ(c.keys, SectionKeys(file, "Element_1")) << c.label;

        CElement loaded("Element_1");
        EXPECT_TRUE(loaded.Load(&file, TRUE)) << c.label;
        EXPECT_STREQ(c.id, loaded.m_strId.c_str()) << c.label;
        EXPECT_STREQ(c.name, loaded.m_strName.c_str()) << c.label;
        EXPECT_STREQ("Text", loaded.m_strType.c_str()) << c.label;
        EXPECT_EQ(c.readX, loaded.m_xpos) << c.label;
        EXPECT_EQ(c.readY, loaded.m_ypos) << c.label;
    }
}

TEST(Element, LoadWithoutKeepIdRegistersTheStoredId)
{
    CDataFile file;
    file.SetString("Element_1", "id", "Image");
    FakeEditorServices services;
    CElement other;
    services.ids.Register("Image", &other);

    CElement kept("Element_1");
    kept.Load(&file, TRUE);
    EXPECT_STREQ("Image", kept.m_strId.c_str());

    CElement fresh("Element_1");
    fresh.Load(&file, FALSE);
    EXPECT_STREQ("Image1", fresh.m_strId.c_str());
    EXPECT_EQ(&fresh, services.ids.GetObjectAt(services.ids.GetCount() - 1));
}

TEST(Element, GetTypeDropsAnEndingWorthTypeOnceAndForGood)
{
    const struct { const char* stored; const char* answered; } cases[] = {
        { "Text", "Text" },
        { "ImageType", "Image" },
        { "Type", "" },
        { "ype", "ype" },
        { "Tyep", "" },         // the same letters in another order add up alike
        { "Browser", "Browser" },
    };
    for (const auto& c : cases) {
        CElement element;
        element.m_strType = c.stored;
        EXPECT_STREQ(c.answered, element.GetType().c_str()) << c.stored;
        EXPECT_STREQ(c.answered, element.m_strType.c_str()) << c.stored;
    }
}

TEST(Element, DisplayNameIsIdThenNameThenTypeWithoutTrailingBlanks)
{
    const struct { const char* id; const char* name; const char* type; const char* shown; } cases[] = {
        { "Logo", "Picture", "Image", "Logo" },
        { "", "OnLoad", "Script", "OnLoad" },
        { "", "", "Image", "Image" },
        { "Logo  \t", "", "Image", "Logo" },
        { "", "Name ", "Image", "Name" },
    };
    for (const auto& c : cases) {
        CElement element;
        element.m_strId = c.id;
        element.m_strName = c.name;
        element.m_strType = c.type;
        EXPECT_STREQ(c.shown, element.GetDisplayName().c_str()) << c.id << "/" << c.name;
    }
}

TEST(Element, CopiesTakeANewSerialAndTheCounterNeverOverflows)
{
    int saved = CElement::GetSerialCounter();
    CElement original("Element_1");
    original.m_strCursor = "hand";
    original.m_bPressed = 1;
    CElement copy(original);
    EXPECT_EQ(original.GetSerial() + 1, copy.GetSerial());
    EXPECT_STREQ("Element_1", copy.m_strSectionName.c_str());
    EXPECT_TRUE(copy.m_strCursor.IsEmpty());
    EXPECT_FALSE(copy.IsPressed());

    CElement::SetSerialCounter(INT_MAX);
    CElement last;
    CElement next;
    EXPECT_EQ(INT_MAX, last.GetSerial());
    EXPECT_EQ(0, next.GetSerial());
    CElement::SetSerialCounter(saved + 3);
}

// A page with two elements; the second has a script of three actions.
struct SampleTree
{
    TestContainer page;
    TestElement* first;
    TestElement* second;
    CScript* script;
    TestAction* actions[3];

    SampleTree()
    {
        first = new TestElement;
        second = new TestElement;
        page.AddChild(first);
        page.AddChild(second);
        script = CreateScript();
        script->m_strName = "OnMouseDown";
        second->AddChild(script);
        for (TestAction*& action : actions) {
            action = new TestAction;
            script->AddChild(action);
        }
    }
};

TEST(ElementContainer, SectionNamesFollowPlacesAfterAddRemoveAndMove)
{
    SampleTree tree;
    CScript* pageScript1 = CreateScript();
    CScript* pageScript2 = CreateScript();
    tree.page.AddChild(pageScript1);
    tree.page.AddChild(pageScript2);
    TestAction* pageAction = new TestAction;
    pageScript2->AddChild(pageAction);

    EXPECT_STREQ("Element_1", tree.first->m_strSectionName.c_str());
    EXPECT_STREQ("Element_2", tree.second->m_strSectionName.c_str());
    EXPECT_STREQ("Element_2_Script_1", tree.script->m_strSectionName.c_str());
    EXPECT_STREQ("Element_2_Script_1_ScriptItem_3", tree.actions[2]->m_strSectionName.c_str());
    EXPECT_STREQ("Script_2", pageScript2->m_strSectionName.c_str());
    EXPECT_STREQ("Script_2_ScriptItem_1", pageAction->m_strSectionName.c_str());
    EXPECT_EQ(2, tree.page.GetChildCount());

    // Impossible moves change nothing.
    tree.page.MoveChild(tree.first, 0);
    tree.page.MoveChild(tree.second, 1);
    tree.page.MoveChild(tree.second, 7);
    EXPECT_EQ(tree.first, tree.page.m_children[0]);
    EXPECT_STREQ("Element_2_Script_1_ScriptItem_3", tree.actions[2]->m_strSectionName.c_str());

    tree.page.MoveChild(tree.second, 0);
    EXPECT_EQ(tree.second, tree.page.m_children[0]);
    EXPECT_STREQ("Element_1_Script_1_ScriptItem_3", tree.actions[2]->m_strSectionName.c_str());
    EXPECT_STREQ("Element_2", tree.first->m_strSectionName.c_str());

    // Scripts of the page move through the page too.
    tree.page.MoveChild(pageScript2, 0);
    EXPECT_STREQ("Script_1_ScriptItem_1", pageAction->m_strSectionName.c_str());

    EXPECT_TRUE(tree.page.RemoveChild(tree.second));
    EXPECT_STREQ("Element_1", tree.first->m_strSectionName.c_str());
    EXPECT_EQ(1, tree.page.GetChildCount());
}

TEST(ElementContainer, SectionNamesBelowAContainerThatIsNotThePage)
{
    TestContainer inner("Element_4");
    TestElement* child = new TestElement;
    inner.AddChild(child);
    CScript* script = CreateScript();
    inner.AddChild(script);
    EXPECT_STREQ("Element_4_Element_1", child->m_strSectionName.c_str());
    EXPECT_STREQ("Element_4_Script_1", script->m_strSectionName.c_str());
}

TEST(ElementContainer, AddingAContainerOnlySetsItsParent)
{
    TestContainer page;
    TestContainer other("Other");
    EXPECT_TRUE(page.AddChild(&other));
    EXPECT_EQ(&page, other.m_pParent);
    EXPECT_EQ(0, page.GetChildCount());
    EXPECT_FALSE(page.AddChild(NULL));
}

TEST(ElementContainer, SaveWritesSizeCountChildrenAndScripts)
{
    SampleTree tree;
    tree.page.m_containerWidth = 400;
    tree.page.m_containerHeight = 300;
    tree.actions[2]->note = "third";
    CDataFile file;
    EXPECT_TRUE(tree.page.Save(&file));
    EXPECT_EQ((KeyMap{ { "width", "400" }, { "height", "300" }, { "numElements", "2" },
                       { "numScripts", "0" }, { "type", "Browser" } }),
              SectionKeys(file, "Main"));
    EXPECT_EQ((KeyMap{ { "numScripts", "1" }, { "type", "Text" } }), SectionKeys(file, "Element_2"));
    EXPECT_EQ((KeyMap{ { "note", "third" }, { "type", "ScriptItem" }, { "name", "ShellExecute" } }),
              SectionKeys(file, "Element_2_Script_1_ScriptItem_3"));
    // New keys go under the header: the base keys stand first.
    std::vector<std::string> order = SectionKeyOrder(file, "Main");
    ASSERT_FALSE(order.empty());
    EXPECT_EQ("type", order.front());
    EXPECT_EQ("width", order.back());

    CDataFile partial;
    tree.first->failSave = true;
    EXPECT_FALSE(tree.page.Save(&partial));
    EXPECT_EQ("2", SectionKeys(partial, "Main")["numElements"]);
    EXPECT_TRUE(SectionKeys(partial, "Element_2").empty());
}

TEST(ElementContainer, LoadReadsSizeAndScriptsButLeavesElementsToThePage)
{
    CDataFile file;
    file.SetInt("Main", "width", 640);
    file.SetInt("Main", "height", 480);
    file.SetInt("Main", "numElements", 3);
    file.SetInt("Main", "numScripts", 1);
    file.SetString("Script_1", "name", "OnLoad");
    TestContainer page;
    EXPECT_TRUE(page.Load(&file, TRUE));
    EXPECT_EQ(640, page.GetSize().cx);
    EXPECT_EQ(480, page.GetSize().cy);
    EXPECT_EQ(0, page.GetChildCount());
    ASSERT_EQ(1, page.GetScriptCount());
    EXPECT_STREQ("OnLoad", page.m_scripts[0]->m_strName.c_str());
}

// The serials of the page's children in order: what a move may change.
std::vector<int> ChildSerials(const CElementContainer& c)
{
    std::vector<int> serials;
    for (CElement* child : c.m_children)
        serials.push_back(child->GetSerial());
    return serials;
}

TEST(ElementContainer, DropPutsTheCopyLastOrRightAfterTheTarget)
{
    TestContainer page;
    TestElement* a = new TestElement;
    TestElement* b = new TestElement;
    TestElement* c = new TestElement;
    page.AddChild(a);
    page.AddChild(b);
    page.AddChild(c);
    a->m_strId = "A";
    int draggedSerial = a->GetSerial();

    CElement* copy = page.DropChild(a, &page);
    ASSERT_NE(nullptr, copy);
    ASSERT_EQ(3, page.GetChildCount());
    EXPECT_EQ(copy, page.m_children[2]);
    EXPECT_STREQ("A", copy->m_strId.c_str());
    EXPECT_STREQ("Element_3", copy->m_strSectionName.c_str());
    EXPECT_EQ(&page, copy->m_pParent);
    EXPECT_EQ(nullptr, page.FindBySerial(draggedSerial));
    EXPECT_NE(draggedSerial, copy->GetSerial());

    CElement* again = page.DropChild(copy, b);   // list is b, c, copy
    ASSERT_NE(nullptr, again);
    EXPECT_EQ(b, page.m_children[0]);
    EXPECT_EQ(again, page.m_children[1]);
    EXPECT_EQ(c, page.m_children[2]);
    EXPECT_NE(copy->GetSerial(), again->GetSerial());
    EXPECT_STREQ("Element_2", again->m_strSectionName.c_str());
}

TEST(ElementContainer, ImpossibleDropsChangeNothingAndLoseNothing)
{
    TestContainer page;
    TestContainer otherPage;
    TestElement* a = new TestElement;
    TestElement* b = new TestElement;
    TestElement* elsewhere = new TestElement;
    page.AddChild(a);
    page.AddChild(b);
    otherPage.AddChild(elsewhere);
    TestElement orphan;                 // no parent
    TestElement stray("Element_9", &page);   // names the page but is not listed
    CElement plain;

    const struct { const char* label; CElement* dragged; CElement* target; } cases[] = {
        { "target in another container", a, elsewhere },
        { "dropped on itself", a, a },
        { "no parent", &orphan, &page },
        { "parent does not list it", &stray, b },
        { "not a scriptable object", &plain, &page },
        { "target not scriptable", a, &plain },
        { "the container itself", &page, b },
        { "no target", a, NULL },
    };
    for (const auto& c : cases) {
        std::vector<int> before = ChildSerials(page);
        EXPECT_EQ(nullptr, page.DropChild(c.dragged, c.target)) << c.label;
        EXPECT_EQ(before, ChildSerials(page)) << c.label;
        EXPECT_EQ(1, otherPage.GetChildCount()) << c.label;
    }
    // A move from another container onto this one works.
    CElement* moved = page.DropChild(elsewhere, &page);
    ASSERT_NE(nullptr, moved);
    EXPECT_EQ(0, otherPage.GetChildCount());
    EXPECT_EQ(3, page.GetChildCount());
}

TEST(ElementContainer, HitTestsFindsAndCopies)
{
    TestContainer page;
    page.m_containerWidth = 100;
    page.m_containerHeight = 50;
    TestElement* under = new TestElement;
    TestElement* over = new TestElement;
    for (TestElement* e : { under, over }) {
        e->m_xpos = 10;
        e->m_ypos = 10;
        e->m_width = 20;
        e->m_height = 20;
        page.AddChild(e);
    }
    under->m_strId = "Under";

    const struct { int x, y; CElement* expected; } points[] = {
        { 15, 15, over }, { 0, 0, &page }, { 99, 49, &page }, { 100, 10, NULL }, { 10, 50, NULL },
    };
    for (const auto& p : points) {
        POINT pt = { p.x, p.y };
        EXPECT_EQ(p.expected, page.ChildFromPoint(pt)) << p.x << "," << p.y;
    }
    EXPECT_EQ(under, page.FindChildById("Under"));
    EXPECT_EQ(nullptr, page.FindChildById("under"));
    EXPECT_EQ(over, page.FindBySerial(over->GetSerial()));
    EXPECT_EQ(&page, page.FindBySerial(page.GetSerial()));

    TestContainer* copy = static_cast<TestContainer*>(page.Clone());
    ASSERT_EQ(2, copy->GetChildCount());
    EXPECT_NE(under, copy->m_children[0]);
    EXPECT_EQ(copy, copy->m_children[0]->m_pParent);
    EXPECT_STREQ("Element_2", copy->m_children[1]->m_strSectionName.c_str());
    EXPECT_EQ(100, copy->GetSize().cx);
    delete copy;
}

TEST(Element, GetPageClimbsToTheNearestPageAndIdsRegisterThroughIt)
{
    FakeEditorServices services;
    CBrowser page;
    TestElement* element = new TestElement;
    page.AddChild(element);
    CScript* script = CreateScript();
    script->m_strName = "OnMouseIn";
    element->AddChild(script);
    TestAction* action = new TestAction;
    script->AddChild(action);
    TestContainer notAPage;
    TestElement* stray = new TestElement;
    notAPage.AddChild(stray);
    CElement orphan;

    const struct { const char* label; const CElement* object; CBrowser* page; } cases[] = {
        { "the page itself", &page, &page },
        { "an element", element, &page },
        { "a script", script, &page },
        { "an action", action, &page },
        { "below a container that is no page", stray, NULL },
        { "no parent", &orphan, NULL },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.page, c.object->GetPage()) << c.label;

    services.ids.Register("Logo", &orphan);
    element->RegisterId("Logo");
    EXPECT_STREQ("Logo1", element->m_strId.c_str());
    EXPECT_EQ(element, services.ids.GetObjectAt(services.ids.GetCount() - 1));
    page.Unload();
}

TEST(Element, ClassNamesOfTheFamily)
{
    CElement element;
    TestContainer page;
    CScript script;
    TestAction action;
    EXPECT_STREQ("CElement", element.GetClassName().c_str());
    EXPECT_STREQ("CScriptableObject", page.GetClassName().c_str());
    EXPECT_STREQ("CScript", script.GetClassName().c_str());
    EXPECT_STREQ("CScriptItem", action.GetClassName().c_str());
}

}  // namespace
