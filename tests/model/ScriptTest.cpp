#include "tests/model/ModelTestObjects.h"
#include "tests/model/TreeTestSupport.h"

#include "model/KeptScriptItem.h"

#include <gtest/gtest.h>

namespace {

// A script of the page whose actions carry the notes given.
CScript* NewPageScript(CScriptableObject& owner, const char* eventName, std::vector<const char*> notes)
{
    CScript* script = CreateScript();
    script->m_strName = eventName;
    owner.AddChild(script);
    for (const char* note : notes) {
        TestAction* action = new TestAction;
        action->note = note;
        script->AddChild(action);
    }
    return script;
}

std::vector<std::string> Notes(const CScript& script)
{
    std::vector<std::string> notes;
    for (CScriptItem* item : script.m_items) {
        TestAction* action = dynamic_cast<TestAction*>(item);
        notes.push_back(action ? action->note.c_str() : "kept " + std::string(item->GetName().c_str()));
    }
    return notes;
}

TEST(Script, EmptyScriptStoresItsCountAndNameAndLoadsEmpty)
{
    CScript script("Script_1");
    script.m_strName = "OnLoad";
    CDataFile file;
    EXPECT_TRUE(script.Save(&file));
    EXPECT_EQ((KeyMap{ { "numScriptItems", "0" }, { "name", "OnLoad" }, { "type", "Script" } }),
              SectionKeys(file, "Script_1"));

    CScript loaded("Script_1");
    EXPECT_TRUE(loaded.Load(&file, TRUE));
    EXPECT_EQ(0, loaded.GetItemCount());
    EXPECT_STREQ("OnLoad", loaded.m_strName.c_str());
    EXPECT_STREQ("Script", loaded.m_strType.c_str());
}

TEST(Script, ActionsStoreTypeAndNameAfterTheirOwnKeys)
{
    TestContainer page;
    NewPageScript(page, "OnLoad", { "a", "b" });
    CScript* second = NewPageScript(page, "OnUnload", { "c" });
    CDataFile file;
    EXPECT_TRUE(page.Save(&file));
    EXPECT_EQ((KeyMap{ { "note", "c" }, { "type", "ScriptItem" }, { "name", "ShellExecute" } }),
              SectionKeys(file, "Script_2_ScriptItem_1"));
    EXPECT_EQ((std::vector<std::string>{ "name", "type", "note" }), SectionKeyOrder(file, "Script_2_ScriptItem_1"));
    EXPECT_EQ("2", SectionKeys(file, "Script_1")["numScriptItems"]);
    EXPECT_STREQ("Script_2_ScriptItem_1", second->GetItem(0)->m_strSectionName.c_str());
}

struct StoredItem
{
    const char* name;   // NULL: the section has no "name"
    const char* note;
};

TEST(Script, LoaderKeepsUnknownActionsSkipsNamelessSectionsAndLaterItemsKeepTheirOwn)
{
    TestFactoryScope factory;
    // An unknown type name is kept as stored and written back unchanged.
    const struct { const char* label; std::vector<StoredItem> stored; std::vector<std::string> loaded;
                   std::vector<std::string> saved; } cases[] = {
        { "all known", { { "ShellExecute", "1" }, { "PlaySound", "2" } }, { "1", "2" }, { "1", "2" } },
        { "blank in the name", { { "ShellExecute", "1" }, { "Set Property", "2" }, { "SetProperty", "3" } },
          { "1", "kept Set Property", "3" }, { "1", "2", "3" } },
        { "letter case differs", { { "setproperty", "1" }, { "PlaySound", "2" } }, { "kept setproperty", "2" },
          { "1", "2" } },
        { "no name after a known one", { { "PlaySound", "1" }, { NULL, "2" }, { "ShellExecute", "3" } }, { "1", "3" },
          { "1", "3" } },
        { "no name first", { { NULL, "1" }, { "PlaySound", "2" } }, { "2" }, { "2" } },
    };
    for (const auto& c : cases) {
        CDataFile file;
        file.SetInt("Script_1", "numScriptItems", (int)c.stored.size());
        file.SetString("Script_1", "name", "OnLoad");
        for (size_t i = 0; i < c.stored.size(); ++i) {
            CStr section;
            section.Format("Script_1_ScriptItem_%d", (int)i + 1);
            if (c.stored[i].name)
                file.SetString(section, "name", c.stored[i].name);
            file.SetString(section, "note", c.stored[i].note);
        }
        CScript script("Script_1");
        EXPECT_TRUE(script.Load(&file, TRUE)) << c.label;
        EXPECT_EQ(c.loaded, Notes(script)) << c.label;

        // The next save numbers the loaded actions without a gap.
        CDataFile saved;
        script.Save(&saved);
        EXPECT_EQ(std::to_string(c.loaded.size()), SectionKeys(saved, "Script_1")["numScriptItems"]) << c.label;
        for (size_t i = 0; i < c.saved.size(); ++i) {
            CStr section;
            section.Format("Script_1_ScriptItem_%d", (int)i + 1);
            EXPECT_EQ(c.saved[i], SectionKeys(saved, section)["note"]) << c.label;
        }
    }
}

TEST(Script, LoaderBoundsTheCountByTheFilesSections)
{
    TestFactoryScope factory;
    CDataFile file;
    file.SetInt("Script_1", "numScriptItems", 1000000000);
    file.SetString("Script_1_ScriptItem_1", "name", "PlaySound");
    CScript script("Script_1");
    EXPECT_TRUE(script.Load(&file, TRUE));
    EXPECT_EQ(1, script.GetItemCount());
}

TEST(Script, LoaderWithoutAFactoryKeepsTheActionAsStored)
{
    CDataFile file;
    file.SetInt("Script_1", "numScriptItems", 1);
    file.SetString("Script_1_ScriptItem_1", "path", "a.wav");
    file.SetString("Script_1_ScriptItem_1", "name", "PlaySound");
    CScript script("Script_1");
    EXPECT_TRUE(script.Load(&file, TRUE));
    ASSERT_EQ(1, script.GetItemCount());
    EXPECT_NE((CKeptScriptItem*)NULL, dynamic_cast<CKeptScriptItem*>(script.GetItem(0)));
    CDataFile saved;
    EXPECT_TRUE(script.Save(&saved));
    EXPECT_EQ((std::vector<std::string>{ "name", "path" }), SectionKeyOrder(saved, "Script_1_ScriptItem_1"));
    EXPECT_EQ("a.wav", SectionKeys(saved, "Script_1_ScriptItem_1")["path"]);
}

TEST(Script, SaveLeavesOutActionsWithoutAStoredFormAndReportsPartialSaves)
{
    TestContainer page;
    CScript* script = NewPageScript(page, "OnLoad", { "1", "2", "3" });
    static_cast<TestAction*>(script->GetItem(1))->stored = false;
    CDataFile file;
    EXPECT_TRUE(script->Save(&file));
    EXPECT_EQ("2", SectionKeys(file, "Script_1")["numScriptItems"]);
    EXPECT_EQ("3", SectionKeys(file, "Script_1_ScriptItem_2")["note"]);
    EXPECT_TRUE(SectionKeys(file, "Script_1_ScriptItem_3").empty());
    // In memory the actions keep the names of their places.
    EXPECT_STREQ("Script_1_ScriptItem_3", script->GetItem(2)->m_strSectionName.c_str());

    static_cast<TestAction*>(script->GetItem(0))->failSave = true;
    CDataFile partial;
    EXPECT_FALSE(script->Save(&partial));
    EXPECT_TRUE(SectionKeys(partial, "Script_1_ScriptItem_2").empty());
}

TEST(Script, DeleteItemTellsTheViewsFirstOnlyWithAnActiveDocument)
{
    TestContainer page;
    CScript* script = NewPageScript(page, "OnLoad", { "1", "2", "3" });
    FakeEditorServices services;
    CScriptItem* second = script->GetItem(1);

    script->DeleteItem(second);
    ASSERT_EQ(1u, services.hints.size());
    EXPECT_EQ(2, services.hints[0].hint);
    EXPECT_EQ(second, services.hints[0].object);
    EXPECT_TRUE(services.hints[0].stillListed);
    EXPECT_EQ((std::vector<std::string>{ "1", "3" }), Notes(*script));
    EXPECT_STREQ("Script_1_ScriptItem_2", script->GetItem(1)->m_strSectionName.c_str());

    services.activeDocument = false;
    EXPECT_TRUE(script->RemoveChild(script->GetItem(0)));
    EXPECT_EQ(1u, services.hints.size());
    EXPECT_EQ((std::vector<std::string>{ "3" }), Notes(*script));

    // Not listed: nothing deleted, yet renumbered.
    TestAction outsider;
    script->GetItem(0)->m_strSectionName = "stale";
    EXPECT_TRUE(script->RemoveChild(&outsider));
    EXPECT_EQ(1, script->GetItemCount());
    EXPECT_STREQ("Script_1_ScriptItem_1", script->GetItem(0)->m_strSectionName.c_str());
    EXPECT_FALSE(script->RemoveChild(script));
}

TEST(Script, DeleteItemWithoutServicesStillDeletes)
{
    TestContainer page;
    CScript* script = NewPageScript(page, "OnLoad", { "1" });
    script->DeleteItem(script->GetItem(0));
    EXPECT_EQ(0, script->GetItemCount());
}

TEST(Script, DropPutsTheCopyFirstOrAfterTheTargetEvenFromAnotherScript)
{
    TestContainer page;
    CScript* one = NewPageScript(page, "OnLoad", { "a", "b", "c" });
    CScript* two = NewPageScript(page, "OnUnload", { "x", "y" });

    CElement* first = one->DropChild(one->GetItem(2), one);
    ASSERT_NE(nullptr, first);
    EXPECT_EQ((std::vector<std::string>{ "c", "a", "b" }), Notes(*one));
    EXPECT_EQ(first, one->GetItem(0));
    EXPECT_EQ(one, first->m_pParent);

    CElement* moved = two->DropChild(one->GetItem(1), two->GetItem(0));
    ASSERT_NE(nullptr, moved);
    EXPECT_EQ((std::vector<std::string>{ "c", "b" }), Notes(*one));
    EXPECT_EQ((std::vector<std::string>{ "x", "a", "y" }), Notes(*two));
    EXPECT_STREQ("Script_2_ScriptItem_2", moved->m_strSectionName.c_str());
    EXPECT_STREQ("Script_1_ScriptItem_2", one->GetItem(1)->m_strSectionName.c_str());
}

TEST(Script, ImpossibleDropsChangeNothingAndLoseNothing)
{
    TestContainer page;
    CScript* one = NewPageScript(page, "OnLoad", { "a", "b" });
    CScript* two = NewPageScript(page, "OnUnload", { "x" });
    TestAction loose;                  // in no script
    TestAction stray;                  // names a script that does not list it
    stray.m_pParent = one;
    CElement plain;

    const struct { const char* label; CElement* dragged; CElement* target; } cases[] = {
        { "target in another script", one->GetItem(0), two->GetItem(0) },
        { "dropped on itself", one->GetItem(0), one->GetItem(0) },
        { "no script", &loose, one },
        { "parent does not list it", &stray, one },
        { "not an action", two, one },
        { "target neither action nor this script", one->GetItem(0), two },
        { "no target", one->GetItem(1), NULL },
        { "plain target", one->GetItem(1), &plain },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nullptr, one->DropChild(c.dragged, c.target)) << c.label;
        EXPECT_EQ((std::vector<std::string>{ "a", "b" }), Notes(*one)) << c.label;
        EXPECT_EQ((std::vector<std::string>{ "x" }), Notes(*two)) << c.label;
    }
    stray.m_pParent = NULL;
}

TEST(Script, CopyClonesEveryActionUnderFreshSections)
{
    TestContainer page;
    CScript* script = NewPageScript(page, "OnLoad", { "a", "b" });
    CScript* copy = static_cast<CScript*>(script->Clone());
    copy->m_strSectionName = "Script_7";
    copy->RenameChildren();
    ASSERT_EQ(2, copy->GetItemCount());
    EXPECT_NE(script->GetItem(0), copy->GetItem(0));
    EXPECT_EQ(copy, copy->GetItem(1)->m_pParent);
    EXPECT_STREQ("Script_7_ScriptItem_2", copy->GetItem(1)->m_strSectionName.c_str());
    EXPECT_EQ((std::vector<std::string>{ "a", "b" }), Notes(*copy));
    delete copy;
}

TEST(Script, AcceptsActionsOnlyAndFindsThemByNameIgnoringCase)
{
    CScript script("Script_1");
    TestAction* set1 = new TestAction("SetProperty");
    TestAction* sound = new TestAction("PlaySound");
    TestAction* set2 = new TestAction("SetProperty");
    for (TestAction* a : { set1, sound, set2 })
        EXPECT_TRUE(script.AddChild(a));
    CScript other;
    EXPECT_FALSE(script.AddChild(&other));
    EXPECT_FALSE(script.CanAcceptChild(&other));
    EXPECT_TRUE(script.CanAcceptChild(set1));
    TestAction retyped;
    retyped.m_strType = "Text";
    EXPECT_FALSE(script.CanAcceptChild(&retyped));

    std::vector<CScriptItem*> found;
    int position = 0;
    while (CScriptItem* item = script.FindItemFrom("setproperty", position)) {
        found.push_back(item);
        ++position;
    }
    EXPECT_EQ((std::vector<CScriptItem*>{ set1, set2 }), found);
}

TEST(Script, RenameReferencesFollowsTheExactOldIdOnly)
{
    CScript script("Script_1");
    const struct { const char* target; const char* after; } cases[] = {
        { "Logo", "Banner" }, { "logo", "logo" }, { "Logo1", "Logo1" }, { "", "" },
    };
    for (const auto& c : cases) {
        TestAction* action = new TestAction;
        action->m_strControlId = c.target;
        script.AddChild(action);
    }
    script.RenameReferences("Logo", "Banner");
    for (int i = 0; i < script.GetItemCount(); ++i)
        EXPECT_STREQ(cases[i].after, script.GetItem(i)->m_strControlId.c_str()) << cases[i].target;
}

}  // namespace

namespace {

TEST(Script, AddToTreeListsScriptsLastFirstEachWithItsActionsInOrder)
{
    TestElement element("Element_1");
    CScript* first = NewPageScript(element, "OnMouseIn", { "1", "2" });
    CScript* second = NewPageScript(element, "OnMouseUp", {});
    first->GetItem(1)->m_strName = "PlaySound";
    HWND tree = CreateTreeControl();
    ASSERT_NE(nullptr, tree);

    EXPECT_TRUE(element.AddToTree(tree, TVI_ROOT));
    HWND noTree = NULL;
    EXPECT_FALSE(first->GetItem(0)->AddToTree(noTree, TVI_ROOT));

    HTREEITEM root = (HTREEITEM)SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    std::vector<TreeNode> expected = {
        { "OnMouseUp", 11, (LPARAM)second, {} },
        { "OnMouseIn", 11, (LPARAM)first,
          { { "ShellExecute", 13, (LPARAM)first->GetItem(0), {} },
            { "PlaySound", 13, (LPARAM)first->GetItem(1), {} } } },
    };
    EXPECT_TRUE(expected == ReadTree(tree, root));
    DestroyWindow(tree);
}

}  // namespace
