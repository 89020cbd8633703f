// Loading and running scripts: which actions run, steered by IF/ELSE/ENDIF.
#include "tests/player/ScriptFileBuilder.h"

#include "player/runtime/Script.h"
#include "player/runtime/ScriptItem.h"
#include "player/runtime/VariableScopes.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

using namespace Tarvex;

namespace {

// Words of a script: IF1 / IF0 an IF that holds / fails, ELSE, ENDIF, STOP
// an action that ends the run (a bad scope), SKIP a stored action of an
// unknown type, LATER an action that goes on and does nothing (a Get Cookie
// without a variable to fill), and any other
// word an action that appends the word to the variable "trace".
void AddWords(ScriptFileBuilder& script, const std::string& words)
{
    std::istringstream in(words);
    std::string word;
    while (in >> word)
    {
        if (word == "IF1")
            script.If("one", 1, NULL);
        else if (word == "IF0")
            script.If("zero", 1, NULL);
        else if (word == "ELSE")
            script.Add("ELSE Statement");
        else if (word == "ENDIF")
            script.Add("ENDIF Statement");
        else if (word == "STOP")
            script.CreateVariable("x", VT_I4, "1", 7);
        else if (word == "SKIP")
            script.Add("Set Property");
        else if (word == "LATER")
            script.Add("GetCookie");
        else
            script.ModifyVariable("trace", "Plus", VT_BSTR, word.c_str());
    }
}

std::string RunWords(const std::string& words)
{
    CVariableScopes scopes;
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_I4;
    value.lVal = 1;
    scopes.GetGlobal().Append("one", value);
    value.lVal = 0;
    scopes.GetGlobal().Append("zero", value);
    SetVariantText(value, "");
    scopes.GetGlobal().Append("trace", value);
    VariantClear(&value);

    CDataFile file;
    ScriptFileBuilder builder(file);
    AddWords(builder, words);
    CScript script(builder.Section().c_str(), NULL);
    script.Load(file);
    script.Run();
    return std::string(VariantText(scopes.GetGlobal().Find("trace")->value));
}

} // namespace

TEST(ScriptRun, IfElseEndIfSteerWhichActionsRun)
{
    struct Case
    {
        const char* words;
        const char* trace;
    };
    const Case cases[] = {
        { "", "" },
        { "A B C", "ABC" },
        { "IF1 A ELSE B ENDIF C", "AC" },
        { "IF0 A ELSE B ENDIF C", "BC" },
        { "IF0 A ENDIF C", "C" },
        { "IF1 A ENDIF C", "AC" },
        { "IF0 IF1 X ELSE Y ENDIF Z ELSE W ENDIF", "W" },
        { "IF1 IF0 A ELSE B ENDIF C ELSE D ENDIF E", "BCE" },
        { "IF1 IF1 A ELSE B ENDIF C ELSE D ENDIF E", "ACE" },
        { "IF0 A IF1 B ENDIF C ENDIF D", "D" },
        { "A IF0", "A" },
        { "IF0 A", "" },
        { "IF1 A ELSE B", "A" },
        { "IF1 A ELSE B ENDIF ELSE C", "AC" },
        { "ENDIF A", "A" },
        { "A STOP B", "A" },
        { "IF0 A ENDIF STOP B", "" },
        { "IF1 A ENDIF STOP B", "A" },
        // The IF/WHILE never goes back: a WHILE body runs at most once.
        { "IF1 A ENDIF", "A" },
        { "A SKIP B", "AB" },
        { "IF0 LATER ELSE B ENDIF C", "BC" },
        { "IF1 LATER A ENDIF", "A" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.words);
        EXPECT_EQ(c.trace, RunWords(c.words));
    }
}

TEST(ScriptRun, LoadingKeepsStoredOrderAndSkipsUnknownOrUnnamedActions)
{
    CDataFile file;
    ScriptFileBuilder builder(file, "Element_2_Script_1", "OnMouseDown");
    builder.Add("ShellExecute");
    builder.Add("setproperty");
    builder.Add("Create Variable");
    std::string unnamed = builder.Add("ReadFromFile");
    file.SetString(unnamed.c_str(), "name", "");
    builder.Add("SetVariable");
    builder.Add("DragFile");
    builder.Add("LaunchInternetExplorer");

    CScript script("Element_2_Script_1", NULL);
    script.Load(file);
    EXPECT_STREQ("OnMouseDown", script.GetName());
    const char* expected[][2] = {
        { "ShellExecute", "Element_2_Script_1_ScriptItem_1" },
        { "Create Variable", "Element_2_Script_1_ScriptItem_3" },
        { "SetVariable", "Element_2_Script_1_ScriptItem_5" },
        { "DragFile", "Element_2_Script_1_ScriptItem_6" },
        { "LaunchInternetExplorer", "Element_2_Script_1_ScriptItem_7" },
    };
    ASSERT_EQ(5, script.GetItemCount());
    for (int i = 0; i < 5; ++i)
    {
        SCOPED_TRACE(expected[i][0]);
        EXPECT_STREQ(expected[i][0], script.GetItem(i)->GetName());
        EXPECT_STREQ(expected[i][1], script.GetItem(i)->GetSectionName());
        EXPECT_EQ(&script, script.GetItem(i)->GetParent());
    }
}

TEST(ScriptRun, OnlyThePreLoadScriptsAmongTheFirstThreeRun)
{
    CVariableScopes scopes;
    VARIANT value;
    VariantInit(&value);
    SetVariantText(value, "");
    scopes.GetGlobal().Append("trace", value);
    VariantClear(&value);

    CDataFile page;
    const char* names[] = { "PreLoad", "OnLoad", "preload", "PreLoad" };
    for (int i = 0; i < 4; ++i)
    {
        std::string section = "Script_" + std::to_string(i + 1);
        ScriptFileBuilder builder(page, section.c_str(), names[i]);
        builder.ModifyVariable("trace", "Plus", VT_BSTR, std::to_string(i + 1).c_str());
    }
    RunPreLoadScripts(page);
    EXPECT_STREQ("13", VariantText(scopes.GetGlobal().Find("trace")->value));
}

namespace {

// An action that runs the script it belongs to again, counting the runs.
class RerunAction : public CScriptItem
{
public:
    RerunAction(int& runs) : CScriptItem("Rerun", "Rerun", NULL), m_runs(runs) {}
    int Execute() override
    {
        ++m_runs;
        static_cast<CScript*>(GetParent())->Run();
        return ResultGoOn;
    }

protected:
    void LoadAction(const CDataFile&, const char*) override {}

private:
    int& m_runs;
};

} // namespace

TEST(ScriptRun, AScriptThatRunsItselfStopsAtTheNestingBound)
{
    int runs = 0;
    CScript script("Script_1", NULL);
    script.AppendItem(new RerunAction(runs));
    script.Run();
    EXPECT_EQ(kMaxScriptNesting, runs);
    // The bound is for nesting only: the next run starts afresh.
    script.Run();
    EXPECT_EQ(2 * kMaxScriptNesting, runs);
}
