#include "tests/model/ModelTestObjects.h"

#include <gtest/gtest.h>

#include <oleauto.h>

namespace {

CScript* NewScript(const char* eventName)
{
    CScript* script = CreateScript();
    script->m_strName = eventName;
    return script;
}

TEST(ScriptableObject, SaveWithoutScriptsWritesOnlyTheCountBeforeTheBaseKeys)
{
    CDataFile file;
    TestElement element("Element_1");
    EXPECT_TRUE(element.Save(&file));
    EXPECT_EQ((std::vector<std::string>{ "type", "numScripts" }), SectionKeyOrder(file, "Element_1"));
    EXPECT_EQ("0", SectionKeys(file, "Element_1")["numScripts"]);

    element.m_bMouseMoveable = 1;
    CDataFile moveable;
    element.Save(&moveable);
    EXPECT_EQ("true", SectionKeys(moveable, "Element_1")["mouseMoveable"]);
}

TEST(ScriptableObject, SaveReportsFalseWhenAScriptFailsAndAsksNoMore)
{
    TestElement element("Element_1");
    element.AddChild(NewScript("OnMouseIn"));
    element.AddChild(NewScript("OnMouseOut"));
    TestAction* failing = new TestAction;
    failing->failSave = true;
    element.m_scripts[0]->AddChild(failing);
    CDataFile file;
    EXPECT_FALSE(element.Save(&file));
    EXPECT_TRUE(SectionKeys(file, "Element_1_Script_2").empty());
    EXPECT_EQ("2", SectionKeys(file, "Element_1")["numScripts"]);
}

TEST(ScriptableObject, LoadNamesScriptsAfterTheOwnerAndBoundsTheCount)
{
    const struct { const char* owner; const char* count; int sections; int expected; const char* firstScript; } cases[] = {
        { "Main", "3", 3, 3, "Script_1" },
        { "Element_4", "2", 2, 2, "Element_4_Script_1" },
        { "Main", "2000000000", 2, 3, "Script_1" },   // bounded by the file's sections
        { "Main", "-4", 2, 0, "" },
    };
    for (const auto& c : cases) {
        CDataFile file;
        file.SetString(c.owner, "numScripts", c.count);
        for (int i = 1; i <= c.sections; ++i)
            file.SetString(MakeChildSectionName(CStr(c.owner), "Script", i), "name", "OnMouseUp");
        TestElement element(c.owner);
        EXPECT_TRUE(element.Load(&file, TRUE)) << c.owner << " " << c.count;
        ASSERT_EQ(c.expected, element.GetScriptCount()) << c.owner << " " << c.count;
        if (c.expected > 0) {
            EXPECT_STREQ(c.firstScript, element.m_scripts[0]->m_strSectionName.c_str());
            EXPECT_EQ(&element, element.m_scripts[0]->m_pParent);
        }
    }
}

TEST(ScriptableObject, AccessPropertyAnswersZeroThreeOrSix)
{
    const struct { const char* label; const char* name; VARTYPE vt; BOOL put; int result; int changes; } cases[] = {
        { "put in capitals", "FONTSIZE", VT_I4, TRUE, 0, 1 },
        { "put of the wrong type", "fontSize", VT_BSTR, TRUE, 6, 0 },
        { "get of the wrong type", "src", VT_I4, FALSE, 6, 0 },
        { "get of text", "src", VT_BSTR, FALSE, 0, 0 },
        { "put of a flag", "Bold", VT_BOOL, TRUE, 0, 1 },
        { "get of a flag", "bold", VT_BOOL, FALSE, 0, 0 },
        { "unknown put", "colour", VT_I4, TRUE, 3, 0 },
        { "unknown get", "colour", VT_I4, FALSE, 0, 0 },
    };
    for (const auto& c : cases) {
        TestElement element;
        element.src = "pic.gif";
        VARIANT v;
        VariantInit(&v);
        V_VT(&v) = c.vt;
        if (c.vt == VT_I4)
            V_I4(&v) = 24;
        else if (c.vt == VT_BOOL)
            V_BOOL(&v) = VARIANT_TRUE;
        else
            V_BSTR(&v) = SysAllocString(L"old");
        EXPECT_EQ(c.result, element.AccessProperty(c.name, v, c.put)) << c.label;
        EXPECT_EQ(c.changes, element.changes) << c.label;
        EXPECT_EQ(c.label == std::string("put in capitals") ? 24 : 10, element.fontSize) << c.label;
        if (c.label == std::string("get of text")) {
            ASSERT_EQ(VT_BSTR, V_VT(&v));
            EXPECT_STREQ(L"pic.gif", V_BSTR(&v));
        }
        if (c.label == std::string("put of a flag")) {
            EXPECT_TRUE(element.bold);
        }
        if (c.label == std::string("get of a flag")) {
            ASSERT_EQ(VT_I4, V_VT(&v));
            EXPECT_EQ(0, V_I4(&v));
        }
        VariantClear(&v);
    }
    TestContainer page;
    VARIANT v;
    VariantInit(&v);
    EXPECT_EQ(1, page.AccessProperty("width", v, FALSE));
}

TEST(ScriptableObject, CanAcceptChildTakesOneScriptPerEventByExactName)
{
    TestElement element;
    element.AddChild(NewScript("OnMouseIn"));
    CScript second;
    second.m_strName = "OnMouseIn";
    CScript lower;
    lower.m_strName = "onmouseout";
    CScript freeEvent;
    freeEvent.m_strName = "OnMouseOut";
    CScript unknown;
    unknown.m_strName = "OnLoad";
    CScript wrongType;
    wrongType.m_strName = "OnMouseUp";
    wrongType.m_strType = "Text";
    TestAction action;
    action.m_strType = "Script";

    const struct { const char* label; CElement* child; BOOL expected; } cases[] = {
        { "second OnMouseIn", &second, FALSE },
        { "lower-case event", &lower, FALSE },
        { "free event", &freeEvent, TRUE },
        { "no such event", &unknown, FALSE },
        { "type text not Script", &wrongType, FALSE },
        { "not a script", &action, FALSE },
        { "nothing", NULL, FALSE },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, element.CanAcceptChild(c.child)) << c.label;
}

std::vector<std::string> ListBoxItems(HWND list)
{
    std::vector<std::string> items;
    int count = (int)SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        char text[64] = "";
        SendMessageA(list, LB_GETTEXT, i, (LPARAM)text);
        items.push_back(text);
    }
    return items;
}

TEST(ScriptableObject, FillEventListOffersTheEventsWithoutAScript)
{
    const struct { const char* label; std::vector<const char*> scripts; std::vector<std::string> offered; } cases[] = {
        { "no scripts", {}, { "OnMouseIn", "OnMouseOut", "OnMouseDown", "OnMouseUp" } },
        { "OnMouseUp exists", { "OnMouseUp" }, { "OnMouseIn", "OnMouseOut", "OnMouseDown" } },
        { "onmouseup hides it too", { "onmouseup" }, { "OnMouseIn", "OnMouseOut", "OnMouseDown" } },
        { "all taken", { "OnMouseIn", "OnMouseOut", "OnMouseDown", "OnMouseUp" }, {} },
    };
    for (const auto& c : cases) {
        TestElement element;
        for (const char* name : c.scripts)
            element.AddChild(NewScript(name));
        HWND list = CreateWindowExA(0, "LISTBOX", "", WS_POPUP, 0, 0, 100, 100, NULL, NULL, NULL, NULL);
        ASSERT_NE(nullptr, list);
        element.FillEventList(list);
        EXPECT_EQ(c.offered, ListBoxItems(list)) << c.label;
        DestroyWindow(list);
    }
}

TEST(ScriptableObject, IsEventScriptAcceptsAFreeEventOrOneWhoseScriptIsItsOwn)
{
    TestElement element;
    TestElement other;
    element.AddChild(NewScript("OnMouseIn"));
    CScript* foreign = NewScript("OnMouseIn");
    other.AddChild(foreign);
    // Listed here but owned by another object.
    CScript* adopted = NewScript("OnMouseOut");
    adopted->m_pParent = &other;
    element.m_scripts.push_back(adopted);
    CScript freeEvent;
    freeEvent.m_strName = "OnMouseUp";
    CScript lower;
    lower.m_strName = "onmouseup";
    CScript outOfList;
    outOfList.m_strName = "OnMouseOut";

    const struct { const char* label; CElement* object; BOOL expected; } cases[] = {
        { "event with a script of its own", foreign, TRUE },
        { "event without a script", &freeEvent, TRUE },
        { "event whose script has another parent", &outOfList, FALSE },
        { "name differs in case", &lower, FALSE },
        { "not a script", &other, FALSE },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, element.IsEventScript(c.object)) << c.label;
}

TEST(ScriptableObject, DropOfAScriptPutsTheCopyFirstOrAfterTheTarget)
{
    TestElement element("Element_1");
    CScript* a = NewScript("OnMouseIn");
    CScript* b = NewScript("OnMouseOut");
    CScript* c = NewScript("OnMouseUp");
    element.AddChild(a);
    element.AddChild(b);
    element.AddChild(c);
    c->AddChild(new TestAction);

    CScript* first = static_cast<CScript*>(element.DropChild(c, &element));
    ASSERT_NE(nullptr, first);
    EXPECT_EQ((std::vector<CScript*>{ first, a, b }), element.m_scripts);
    EXPECT_STREQ("Element_1_Script_1_ScriptItem_1", first->GetItem(0)->m_strSectionName.c_str());

    CScript* after = static_cast<CScript*>(element.DropChild(first, a));
    ASSERT_NE(nullptr, after);
    EXPECT_EQ((std::vector<CScript*>{ a, after, b }), element.m_scripts);
    EXPECT_STREQ("Element_1_Script_2", after->m_strSectionName.c_str());

    // Impossible drops keep every script.
    TestElement other;
    CScript* elsewhere = NewScript("OnMouseIn");
    other.AddChild(elsewhere);
    TestAction notAScript;
    EXPECT_EQ(nullptr, element.DropChild(a, elsewhere));
    EXPECT_EQ(nullptr, element.DropChild(a, a));
    EXPECT_EQ(nullptr, element.DropChild(&notAScript, &element));
    CScript loose;
    EXPECT_EQ(nullptr, element.DropChild(&loose, &element));
    EXPECT_EQ((std::vector<CScript*>{ a, after, b }), element.m_scripts);
    EXPECT_EQ(1, other.GetScriptCount());
}

TEST(ScriptableObject, UpdatePropertyListRefreshesChangedBaseRecordsAndAddsMissingOnes)
{
    TestElement element;
    element.m_width = 120;
    element.m_xpos = 7;
    element.m_properties[FindPropertyIndex(element.m_properties, "width")].m_bChanged = 1;

    CPropertyRecordList list;
    VARIANT kept;
    VariantInit(&kept);
    V_VT(&kept) = VT_I4;
    V_I4(&kept) = 99;
    list.push_back(CPropertyRecord("XPOS", "", kept, VT_I4, FALSE));
    element.UpdatePropertyList(list);

    ASSERT_EQ(4u, list.size());
    EXPECT_EQ(99, V_I4(&list[0].m_value));       // already listed: keeps its value
    int width = FindPropertyIndex(list, "width");
    ASSERT_GE(width, 0);
    EXPECT_EQ(120, V_I4(&list[width].m_value));  // changed: refreshed
    EXPECT_TRUE(list[width].m_bChanged);
    int height = FindPropertyIndex(list, "height");
    EXPECT_EQ(0, V_I4(&list[height].m_value));
}

TEST(ScriptableObject, CopyClonesScriptsAndRenameReachesEveryAction)
{
    TestElement element("Element_1");
    element.AddChild(NewScript("OnMouseIn"));
    TestAction* action = new TestAction;
    action->m_strControlId = "Logo";
    element.m_scripts[0]->AddChild(action);
    element.m_bMouseMoveable = 1;

    TestElement copy(element);
    ASSERT_EQ(1, copy.GetScriptCount());
    EXPECT_NE(element.m_scripts[0], copy.m_scripts[0]);
    EXPECT_EQ(&copy, copy.m_scripts[0]->m_pParent);
    EXPECT_TRUE(copy.m_bMouseMoveable);
    EXPECT_EQ(4u, copy.m_properties.size());

    element.RenameReferences("Logo", "Banner");
    EXPECT_STREQ("Banner", action->m_strControlId.c_str());
    EXPECT_STREQ("Logo", static_cast<TestAction*>(copy.m_scripts[0]->GetItem(0))->m_strControlId.c_str());
}

TEST(ScriptableObject, ValueTypeComboListsElevenTypesAndSelectsByData)
{
    HWND combo = CreateWindowExA(0, "COMBOBOX", "", WS_POPUP | CBS_DROPDOWNLIST, 0, 0, 100, 200,
                                 NULL, NULL, NULL, NULL);
    ASSERT_NE(nullptr, combo);
    FillVarTypeCombo(combo);
    EXPECT_EQ(11, (int)SendMessageA(combo, CB_GETCOUNT, 0, 0));
    const struct { VARTYPE vt; BOOL found; int index; } cases[] = {
        { VT_I2, TRUE, 0 }, { VT_BOOL, TRUE, 9 }, { VT_BSTR, TRUE, 10 }, { VT_EMPTY, FALSE, -1 },
    };
    for (const auto& c : cases) {
        SendMessageA(combo, CB_SETCURSEL, (WPARAM)-1, 0);
        EXPECT_EQ(c.found, SelectComboItemByData(combo, c.vt)) << c.vt;
        EXPECT_EQ(c.index, (int)SendMessageA(combo, CB_GETCURSEL, 0, 0)) << c.vt;
    }
    char text[64] = "";
    SendMessageA(combo, CB_GETLBTEXT, 8, (LPARAM)text);
    EXPECT_STREQ("NULL", text);
    DestroyWindow(combo);
}

}  // namespace
