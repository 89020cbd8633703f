// The popup menus of the objects: entries, commands, greyed entries and the
// "New" submenu for a page, a page element, a script and an action.
#include "model/Browser.h"
#include "model/Script.h"
#include "model/TextElement.h"
#include "tests/model/ModelTestObjects.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// "text=command" for each entry, "[g]" after a greyed one, "-" for a
// separator, "New{...}" for the submenu; '*' marks the default entry.
std::string Describe(HMENU menu)
{
    std::string text;
    UINT defaultPosition = GetMenuDefaultItem(menu, TRUE, 0);
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
    {
        if (!text.empty())
            text += " | ";
        MENUITEMINFOA info = {};
        char label[64] = "";
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = label;
        info.cch = sizeof(label);
        GetMenuItemInfoA(menu, i, TRUE, &info);
        if (info.fType & MFT_SEPARATOR)
        {
            text += "-";
            continue;
        }
        text += label;
        if (info.hSubMenu)
            text += "{" + Describe(info.hSubMenu) + "}";
        else
            text += "=" + std::to_string(info.wID);
        if (info.fState & MFS_GRAYED)
            text += "[g]";
        if ((UINT)i == defaultPosition)
            text += "*";
    }
    return text;
}

} // namespace

TEST(ContextMenu, EachKindOfObjectHasItsEntries)
{
    CBrowser page;
    CTextElement* text = new CTextElement();
    page.AddChild(text);
    CScript* script = CreateScript();
    text->AddChild(script);
    TestAction* action = new TestAction();
    script->AppendItem(action);

    const std::string edits = " | - | Copy\tCtrl+C=57634 | Cut\tCtrl+x=57635 | Paste\tCtrl+V=57637 | Delete\tDel=32780 | - | ";
    const std::string greyed =
        " | - | Copy\tCtrl+C=0[g] | Cut\tCtrl+x=0[g] | Paste\tCtrl+V=0[g] | Delete\tDel=0[g] | - | Properties=0[g]";
    struct Case
    {
        const char* name;
        CElement* object;
        BOOL restricted;
        std::string menu;
    };
    const Case cases[] = {
        { "page", &page, FALSE, "Move Up=1142 | Move Down=1141 | - | New{Page=32809 | Object=1235}" + edits + "Properties=32781*" },
        { "element", text, FALSE, "Z-Order  Forward=1142 | Z-Order  Back=1141 | - | New{Object=1235 | Event=32812}" + edits + "Properties=32781*" },
        { "script", script, FALSE, "Move Up=1142 | Move Down=1141 | - | New{Event=32812 | ScriptItem=32811}" + edits + "Properties=32781*" },
        { "action", action, FALSE, "Move Up=1142 | Move Down=1141 | - | New{ScriptItem=32811}" + edits + "Properties=32781*" },
        { "restricted page", &page, TRUE, "Move Up=0[g] | Move Down=0[g] | - | New{Object=1235}*" + greyed },
        { "restricted element", text, TRUE, "Z-Order  Forward=0[g] | Z-Order  Back=0[g] | - | New{Event=32812}*" + greyed },
        { "restricted script", script, TRUE, "Move Up=0[g] | Move Down=0[g] | - | New{ScriptItem=32811}*" + greyed },
        { "restricted action", action, TRUE, "Move Up=0[g] | Move Down=0[g] | - | New{}*" + greyed },
    };
    for (const Case& c : cases)
    {
        HMENU menu = c.object->BuildContextMenu(c.restricted);
        EXPECT_EQ(c.menu, Describe(menu)) << c.name;
        DestroyMenu(menu);
    }
    page.Unload();
}
