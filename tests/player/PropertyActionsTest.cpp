// Get Property, Set Property and Execute Global Script on the page's text,
// image and image-strip elements.
#include "tests/player/ScriptFileBuilder.h"
#include "tests/player/TestVariables.h"

#include "player/runtime/Browser.h"
#include "player/runtime/BrowserDocument.h"
#include "player/runtime/IdManager.h"
#include "player/runtime/Script.h"
#include "player/runtime/ScriptItem.h"
#include "player/runtime/VariableScopes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace Tarvex;

namespace {

void AddElement(CDataFile& page, int number, const char* type, const char* id)
{
    std::string section = "Element_" + std::to_string(number);
    page.SetString(section.c_str(), "type", type);
    page.SetString(section.c_str(), "id", id);
    page.SetInt(section.c_str(), "xpos", 10);
    page.SetInt(section.c_str(), "ypos", 10);
    page.SetInt(section.c_str(), "width", 40);
    page.SetInt(section.c_str(), "height", 20);
}

// A text "t", an image without picture "i" and a strip of three frames "s";
// the page has the script "Named", which sets the variable "ran".
CDataFile MakePage()
{
    CDataFile page;
    page.SetInt("Main", "width", 400);
    page.SetInt("Main", "height", 300);
    page.SetInt("Main", "numElements", 3);
    AddElement(page, 1, "Text", "t");
    AddElement(page, 2, "Image", "i");
    AddElement(page, 3, "ImageList", "s");
    for (int i = 0; i < 3; ++i)
    {
        std::string section = "Element_3_Frame_" + std::to_string(i);
        page.SetInt(section.c_str(), "left", i * 20);
        page.SetInt(section.c_str(), "top", 0);
        page.SetInt(section.c_str(), "right", (i + 1) * 20);
        page.SetInt(section.c_str(), "bottom", 20);
    }
    page.SetInt("Main", "numScripts", 1);
    ScriptFileBuilder script(page, "Script_1", "Named");
    script.CreateVariable("ran", VT_I4, "1");
    return page;
}

void Put(const char* name, VARTYPE type, const char* text)
{
    PutGlobal(*CVariableScopes::GetCurrent(), name, type, text);
}

class PropertyActionsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CIdManager::Get().Clear();
        page = MakePage();
        ASSERT_TRUE(document.Load(page));
        ASSERT_NE(nullptr, document.GetCurrentPage());
    }

    // Runs one action of this data file section.
    int Run(const std::string& section)
    {
        CStr type;
        actions.GetString(section.c_str(), "name", type);
        std::unique_ptr<CScriptItem> item(CreateScriptItem(type, section.c_str(), NULL));
        if (!item)
            return -1;
        item->Load(actions);
        return item->Execute();
    }

    std::string SetFromVariable(const char* id, const char* property, VARTYPE type, const char* variable)
    {
        std::string section = builder.Add("SetProperty");
        actions.SetString(section.c_str(), "controlId", id);
        actions.SetString(section.c_str(), "property", property);
        actions.SetString(section.c_str(), "variableName", variable);
        actions.SetInt(section.c_str(), "valueType", type);
        return section;
    }

    std::string Get(const char* id, const char* property, const char* variable, int scope = 0)
    {
        std::string section = builder.Add("GetProperty");
        actions.SetString(section.c_str(), "controlId", id);
        actions.SetString(section.c_str(), "property", property);
        actions.SetString(section.c_str(), "variableName", variable);
        actions.SetInt(section.c_str(), "scope", scope);
        return section;
    }

    CDataFile page;
    CBrowserDocument document;
    CDataFile actions;
    ScriptFileBuilder builder{ actions, "Script_9", "Test" };
};

struct PropertyCase
{
    const char* id;
    const char* property;
    VARTYPE type;       // the property's own type
    const char* value;  // put, from a text variable converted to type
    const char* got;    // the get's answer: its type and text
};

TEST_F(PropertyActionsTest, EveryPropertyIsPutAndReadBackByName)
{
    const PropertyCase cases[] = {
        { "t", "font", VT_BSTR, "Courier New", "8:Courier New" },
        { "t", "fontName", VT_BSTR, "Arial Black", "8:Arial Black" },
        { "t", "color", VT_UI4, "255", "3:255" },
        { "t", "fontColor", VT_UI4, "65280", "3:65280" },
        { "t", "bgColor", VT_UI4, "16711680", "3:16711680" },
        { "t", "size", VT_I4, "14", "3:14" },
        { "t", "fontSize", VT_I4, "16", "3:16" },
        { "t", "weight", VT_I4, "700", "3:700" },
        { "t", "fontWeight", VT_I4, "400", "3:400" },
        { "t", "xpos", VT_I4, "30", "3:30" },
        { "t", "ypos", VT_I4, "40", "3:40" },
        { "t", "width", VT_I4, "150", "3:150" },
        { "t", "height", VT_I4, "80", "3:80" },
        { "t", "italic", VT_BOOL, "-1", "3:-1" },
        { "t", "fontItalic", VT_BOOL, "0", "3:0" },
        { "t", "underline", VT_BOOL, "-1", "3:-1" },
        { "t", "fontUnderline", VT_BOOL, "0", "3:0" },
        { "t", "strikeout", VT_BOOL, "-1", "3:-1" },
        { "t", "fontStrikeOut", VT_BOOL, "0", "3:0" },
        { "t", "singleline", VT_BOOL, "-1", "3:-1" },
        { "t", "mouseMoveable", VT_BOOL, "-1", "3:-1" },
        { "t", "cursor", VT_BSTR, "hand", "8:hand" },
        { "t", "text", VT_BSTR, "Hello", "8:Hello" },
        { "t", "justification", VT_BSTR, "center", "8:center" },
        { "t", "vjustification", VT_BSTR, "bottom", "8:bottom" },
        { "t", "bgTransparency", VT_R8, "0.5", "5:0.5" },
        { "t", "FONTSIZE", VT_I4, "12", "3:12" },
        { "i", "src", VT_BSTR, "missing.bmp", "8:missing.bmp" },
        { "i", "cursor", VT_BSTR, "hand", "8:hand" },
        { "i", "buttonText", VT_BSTR, "Go", "8:Go" },
        { "i", "xpos", VT_I4, "60", "3:60" },
        { "i", "ypos", VT_I4, "70", "3:70" },
        { "i", "width", VT_I4, "33", "3:33" },
        { "i", "height", VT_I4, "44", "3:44" },
        { "i", "mouseMoveable", VT_BOOL, "-1", "3:-1" },
        { "i", "animated", VT_BOOL, "0", "3:0" },
        { "s", "src", VT_BSTR, "strip.bmp", "8:strip.bmp" },
        { "s", "cursor", VT_BSTR, "cross", "8:cross" },
        { "s", "frame", VT_I4, "2", "3:2" },
        { "s", "xpos", VT_I4, "5", "3:5" },
        { "s", "ypos", VT_I4, "6", "3:6" },
        { "s", "mouseMoveable", VT_BOOL, "-1", "3:-1" },
    };
    for (const PropertyCase& c : cases)
    {
        std::string name = std::string(c.id) + "." + c.property;
        Put("in", VT_BSTR, c.value);
        EXPECT_EQ(ResultGoOn, Run(SetFromVariable(c.id, c.property, c.type, "in"))) << name;
        Put("out", c.type, "0");
        EXPECT_EQ(ResultGoOn, Run(Get(c.id, c.property, "out"))) << name;
        EXPECT_EQ(c.got, DescribeVariable("out")) << name;
    }
}

TEST_F(PropertyActionsTest, ResultsSayWhetherTheScriptGoesOn)
{
    Put("word", VT_BSTR, "abc");
    Put("text", VT_BSTR, "kept");

    struct ResultCase
    {
        const char* name;
        std::string section;
        int result;
    } cases[] = {
        { "get of an unknown name", Get("t", "nosuch", "a"), ResultGoOn },
        { "get into a variable of another type", Get("t", "xpos", "text"), ResultGoOn },
        { "get from a missing object", Get("nobody", "xpos", "b"), ResultObjectMissing },
        { "get into the event scope outside an event", Get("t", "xpos", "c", 2), ResultNoEvent },
        { "get into an unknown scope", Get("t", "xpos", "d", 5), ResultBadScope },
        { "set on a missing object", SetFromVariable("nobody", "xpos", VT_I4, "word"), ResultObjectMissing },
        { "set from text that is no number", SetFromVariable("t", "xpos", VT_I4, "word"), ResultPropertyFailed },
        { "set of an unknown name", SetFromVariable("t", "nosuch", VT_BSTR, "word"), ResultGoOn },
        { "set of a property in the wrong type", SetFromVariable("t", "xpos", VT_BSTR, "word"), ResultGoOn },
    };
    for (ResultCase& c : cases)
        EXPECT_EQ(c.result, Run(c.section)) << c.name;
    EXPECT_EQ("8:kept", DescribeVariable("text"));
    EXPECT_EQ("0:", DescribeVariable("b")) << "the variable is made before the object is looked for";
}

TEST_F(PropertyActionsTest, FailedConversionStopsTheAssignmentsAndTheScript)
{
    Put("word", VT_BSTR, "abc");
    Put("x", VT_I4, "77");
    std::string section = builder.Add("SetProperty");
    actions.SetString(section.c_str(), "controlId", "t");
    actions.SetBool(section.c_str(), "multi", TRUE);
    const char* properties[] = { "ypos", "xpos", "width" };
    const char* variables[] = { "x", "word", "x" };
    for (int i = 0; i < 3; ++i)
    {
        std::string assignment = section + "_Property_" + std::to_string(i);
        actions.SetString(assignment.c_str(), "property", properties[i]);
        actions.SetString(assignment.c_str(), "variableName", variables[i]);
        actions.SetInt(assignment.c_str(), "valueType", VT_I4);
    }
    builder.CreateVariable("after", VT_I4, "1");
    CScript script(builder.Section().c_str(), NULL);
    script.Load(actions);
    script.Run();

    RECT rect = CIdManager::Get().FindById("t")->GetRect();
    EXPECT_EQ(77, rect.top) << "the first assignment is made";
    EXPECT_EQ(10, rect.left) << "the failing one changes nothing";
    EXPECT_EQ(40, rect.right - rect.left) << "the later ones are not made";
    EXPECT_EQ("<none>", DescribeVariable("after")) << "the script ends";
}

TEST_F(PropertyActionsTest, StoredValuesAndMultiReadAsAFlag)
{
    Put("n", VT_BSTR, "N");
    // "multi" present but false: the one assignment of the action's own
    // section, whose text value is substituted.
    std::string section = builder.Add("SetProperty");
    actions.SetString(section.c_str(), "controlId", "t");
    actions.SetBool(section.c_str(), "multi", FALSE);
    actions.SetString(section.c_str(), "property", "text");
    actions.SetInt(section.c_str(), "valueType", VT_BSTR);
    actions.SetString(section.c_str(), "value", "A|n|B");
    EXPECT_EQ(ResultGoOn, Run(section));
    Put("out", VT_BSTR, "");
    Run(Get("t", "text", "out"));
    EXPECT_EQ("8:ANB", DescribeVariable("out"));

    // A text variable put as text is substituted as well.
    Put("in", VT_BSTR, "<|n|>");
    EXPECT_EQ(ResultGoOn, Run(SetFromVariable("t", "text", VT_BSTR, "in")));
    Run(Get("t", "text", "out"));
    EXPECT_EQ("8:<N>", DescribeVariable("out"));

    // A variable named but missing: the stored value is put.
    std::string frame = builder.Add("SetProperty");
    actions.SetString(frame.c_str(), "controlId", "s");
    actions.SetString(frame.c_str(), "property", "frame");
    actions.SetString(frame.c_str(), "variableName", "nosuch");
    actions.SetInt(frame.c_str(), "valueType", VT_I4);
    actions.SetString(frame.c_str(), "value", "1");
    EXPECT_EQ(ResultGoOn, Run(frame));
    Put("out", VT_I4, "0");
    Run(Get("s", "frame", "out"));
    EXPECT_EQ("3:1", DescribeVariable("out"));
}

TEST_F(PropertyActionsTest, ExecuteGlobalScriptRunsThePageScriptOfThatExactName)
{
    struct
    {
        const char* name;
        const char* ran;
    } cases[] = {
        { "named", "<none>" },
        { "Named", "3:1" },
    };
    std::string section;
    for (const auto& c : cases)
    {
        section = builder.Add("ExecuteGlobalScript");
        actions.SetString(section.c_str(), "scriptName", c.name);
        EXPECT_EQ(ResultGoOn, Run(section)) << c.name;
        EXPECT_EQ(c.ran, DescribeVariable("ran")) << c.name;
    }
    document.Clear();
    EXPECT_EQ(ResultObjectMissing, Run(section)) << "without a page";
}

} // namespace
