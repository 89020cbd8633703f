// IF/WHILE tests: comparisons by the left variable's type, truth, paths.
#include "tests/player/ScriptFileBuilder.h"
#include "tests/support/TestSupport.h"
#include "tests/player/TestVariables.h"

#include "player/runtime/ConditionActions.h"
#include "player/runtime/VariableScopes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace Tarvex;

namespace {

int RunIf(const char* left, int op, const char* constant, const char* right = "", const char* path = NULL)
{
    CDataFile file;
    ScriptFileBuilder builder(file);
    std::string section = path ? builder.Add("IF/WHILE Statement") : builder.If(left, op, constant, right);
    if (path)
        file.SetString(section.c_str(), "path", path);
    std::unique_ptr<CScriptItem> item(CreateScriptItem("IF/WHILE Statement", section.c_str(), NULL));
    item->Load(file);
    return item->Execute();
}

} // namespace

TEST(ConditionActions, ComparisonsAndTruthByTheLeftType)
{
    CVariableScopes scopes;
    PutGlobal(scopes, "i4", VT_I4, "10");
    PutGlobal(scopes, "big", VT_I4, "65536");
    PutGlobal(scopes, "yes", VT_BOOL, "-1");
    PutGlobal(scopes, "no", VT_BOOL, "0");
    PutGlobal(scopes, "ab", VT_BSTR, "ab");
    PutGlobal(scopes, "b", VT_BSTR, "b");
    PutGlobal(scopes, "empty", VT_BSTR, "");
    PutGlobal(scopes, "half", VT_R8, "0.5");
    PutGlobal(scopes, "u2", VT_UI2, "65535");
    PutGlobal(scopes, "u4", VT_UI4, "4000000000");
    PutGlobal(scopes, "nine", VT_I4, "9");
    struct Case
    {
        const char* label;
        const char* left;
        int op;
        const char* constant;   // NULL: compare with the variable right
        const char* right;
        bool holds;
    };
    const Case cases[] = {
        { "bool true is true", "yes", 1, "", "", true },
        { "bool false is false", "no", 0, "", "", true },
        { "65536 is not true (16 bits)", "big", 1, "", "", false },
        { "65536 is false (16 bits)", "big", 0, "", "", true },
        { "text is true when not empty", "ab", 1, "", "", true },
        { "empty text is false", "empty", 0, "", "", true },
        { "0.5 is true", "half", 1, "", "", true },
        { "equal number", "i4", 2, "10", "", true },
        { "less number", "i4", 3, "11", "", true },
        { "less or equal", "i4", 4, "10", "", true },
        { "greater number", "i4", 5, "9", "", true },
        { "greater or equal", "i4", 6, "11", "", false },
        { "number against a variable", "i4", 5, NULL, "nine", true },
        { "number against a missing variable", "i4", 5, NULL, "none", true },
        { "text not a number", "i4", 2, "ten", "", false },
        { "ab less than b", "ab", 3, NULL, "b", true },
        { "b greater than ab", "b", 5, NULL, "ab", true },
        { "b not less than ab", "b", 3, NULL, "ab", false },
        { "b not equal to ab", "b", 2, NULL, "ab", false },
        { "equal texts", "b", 2, "b", "", true },
        { "texts are case-sensitive", "b", 2, "B", "", false },
        { "UI2 compares as I4", "u2", 5, "65534", "", true },
        { "UI4 compares as R8", "u4", 2, "4000000000", "", true },
        { "missing left variable", "none", 0, "", "", false },
        { "unknown operator", "i4", 7, "10", "", false },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.holds ? ResultTrue : ResultFalse, RunIf(c.left, c.op, c.constant, c.right));
    }
}

TEST(ConditionActions, EmptyValuesAreEqualLessAndGreaterAtOnce)
{
    CVariableScopes scopes;
    VARIANT empty;
    VariantInit(&empty);
    scopes.GetGlobal().Append("nothing", empty);
    for (int op = 2; op <= 6; ++op)
    {
        SCOPED_TRACE(op);
        EXPECT_EQ(ResultTrue, RunIf("nothing", op, "x"));
    }
}

TEST(ConditionActions, PathTestsWhetherAnythingMatches)
{
    ScratchDir scratch;
    std::string file = scratch.File("present.txt");
    WriteWholeFile(file, "x");
    struct Case
    {
        std::string path;
        bool holds;
    };
    const Case cases[] = {
        { file, true },
        { scratch.File("pres*.txt"), true },
        { scratch.File("absent.txt"), false },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(c.holds ? ResultTrue : ResultFalse, RunIf("", 0, "", "", c.path.c_str()));
    }
}
