// Create Variable and Modify Variable as scripts run them: scopes, result
// codes, conversions and the arithmetic of every value type.
#include "tests/player/ScriptFileBuilder.h"

#include "player/runtime/Script.h"
#include "player/runtime/VariableActions.h"
#include "player/runtime/VariableScopes.h"

#include <gtest/gtest.h>

#include <limits.h>
#include <string>

using namespace Tarvex;

namespace {

struct LoadedItem
{
    CDataFile file;
    CScriptItem* item = NULL;
    ~LoadedItem() { delete item; }
};

// The action stored in the first section the builder made, loaded.
void LoadFirst(LoadedItem& loaded, const std::string& section)
{
    CStr type;
    loaded.file.GetString(section.c_str(), "name", type);
    loaded.item = CreateScriptItem(type, section.c_str(), NULL);
    ASSERT_TRUE(loaded.item != NULL);
    loaded.item->Load(loaded.file);
}

int RunCreate(const char* name, VARTYPE type, const char* value, int scope)
{
    LoadedItem loaded;
    ScriptFileBuilder builder(loaded.file);
    LoadFirst(loaded, builder.CreateVariable(name, type, value, scope));
    return loaded.item->Execute();
}

int RunModify(const char* target, const char* op, VARTYPE type, const char* value, const char* source = "")
{
    LoadedItem loaded;
    ScriptFileBuilder builder(loaded.file);
    LoadFirst(loaded, builder.ModifyVariable(target, op, type, value, source));
    return loaded.item->Execute();
}

std::string Describe(const VARIANT& value)
{
    return std::to_string(value.vt) + ":" + std::string(VariantText(value));
}

} // namespace

TEST(VariableActions, EveryTypeWithEveryOperation)
{
    // Target 7 and constant 2 of the same type. Reals are read from the page
    // as VT_R8 (the data file's rule), NULL as an empty value.
    struct Case
    {
        const char* label;
        VARTYPE type;
        const char* plus;
        const char* minus;
        const char* times;
        const char* divide;
    };
    const Case cases[] = {
        { "VT_I2", VT_I2, "2:9", "2:5", "2:14", "2:3" },
        { "VT_I4", VT_I4, "3:9", "3:5", "3:14", "3:3" },
        { "VT_I8", VT_I8, "20:9", "20:5", "20:14", "20:3" },
        { "VT_UI1", VT_UI1, "17:7", "17:7", "17:7", "17:7" },
        { "VT_UI2", VT_UI2, "18:9", "18:5", "18:14", "18:3" },
        { "VT_UI4", VT_UI4, "19:9", "19:5", "19:14", "19:3" },
        { "VT_R4", VT_R4, "5:9", "5:5", "5:14", "5:3.5" },
        { "VT_R8", VT_R8, "5:9", "5:5", "5:14", "5:3.5" },
        { "VT_NULL", VT_NULL, "0:", "0:", "0:", "0:" },
        { "VT_BOOL", VT_BOOL, "11:TRUE", "11:TRUE", "11:TRUE", "11:TRUE" },
        { "VT_BSTR", VT_BSTR, "8:72", "8:7", "8:7", "8:7" },
    };
    for (const Case& c : cases)
    {
        const char* ops[] = { "Plus", "Minus", "Times", "Divide" };
        const char* expected[] = { c.plus, c.minus, c.times, c.divide };
        for (int i = 0; i < 4; ++i)
        {
            SCOPED_TRACE(std::string(c.label) + " " + ops[i]);
            CVariableScopes scopes;
            ASSERT_EQ(ResultGoOn, RunCreate("t", c.type, "7", 0));
            ASSERT_EQ(ResultGoOn, RunModify("t", ops[i], c.type, "2"));
            EXPECT_EQ(expected[i], Describe(scopes.GetGlobal().Find("t")->value));
        }
    }
}

TEST(VariableActions, OperandsTakeTheTargetsType)
{
    struct Case
    {
        const char* label;
        VARTYPE targetType;
        const char* target;
        const char* op;
        VARTYPE operandType;
        const char* operand;
        const char* expected;
    };
    const Case cases[] = {
        { "text plus number", VT_BSTR, "abc", "Plus", VT_I4, "12", "8:abc12" },
        { "whole plus real", VT_I4, "5", "Plus", VT_R8, "2.5", "3:7" },
        { "equals takes the operand", VT_I4, "5", "Equals", VT_I4, "9", "3:9" },
        { "equals of an unconvertible text", VT_I4, "5", "Equals", VT_BSTR, "word", "8:word" },
        { "unknown operation", VT_I4, "5", "plus", VT_I4, "9", "3:5" },
        { "divide 7 by 2", VT_I4, "7", "Divide", VT_I4, "2", "3:3" },
        { "divide -7 by 2", VT_I4, "-7", "Divide", VT_I4, "2", "3:-3" },
        { "divide by zero", VT_I4, "7", "Divide", VT_I4, "0", "3:7" },
        { "smallest by -1", VT_I4, "-2147483648", "Divide", VT_I4, "-1", "3:-2147483648" },
        { "16-bit wrap", VT_I2, "32767", "Plus", VT_I2, "1", "2:-32768" },
        { "32-bit wrap", VT_I4, "2147483647", "Times", VT_I4, "2", "3:-2" },
        { "unsigned below zero", VT_UI2, "1", "Minus", VT_UI2, "2", "18:65535" },
        { "text result is substituted", VT_BSTR, "[", "Plus", VT_BSTR, "|name|]", "8:[Ann]" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.label);
        CVariableScopes scopes;
        VARIANT name;
        VariantInit(&name);
        SetVariantText(name, "Ann");
        scopes.GetGlobal().Append("name", name);
        VariantClear(&name);
        ASSERT_EQ(ResultGoOn, RunCreate("t", c.targetType, c.target, 0));
        ASSERT_EQ(ResultGoOn, RunModify("t", c.op, c.operandType, c.operand));
        EXPECT_EQ(c.expected, Describe(scopes.GetGlobal().Find("t")->value));
    }
}

TEST(VariableActions, SourceVariablesAndMissingNames)
{
    CVariableScopes scopes;
    ASSERT_EQ(ResultGoOn, RunCreate("n", VT_I4, "40", 1));
    ASSERT_EQ(ResultGoOn, RunCreate("s", VT_BSTR, "2", 0));
    ASSERT_EQ(ResultGoOn, RunCreate("w", VT_BSTR, "word", 0));
    struct Case
    {
        const char* label;
        const char* target;
        const char* source;
        int result;
        const char* n;
    };
    const Case cases[] = {
        { "text source converted", "n", "s", ResultGoOn, "3:42" },
        { "unconvertible source", "n", "w", ResultVariableMissing, "3:42" },
        { "missing source", "n", "nothing", ResultVariableMissing, "3:42" },
        { "missing target", "nothing", "s", ResultVariableMissing, "3:42" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.result, RunModify(c.target, "Plus", VT_I4, "0", c.source));
        EXPECT_EQ(c.n, Describe(scopes.GetLocal().Find("n")->value));
    }
    EXPECT_EQ(NULL, LookupVariable("nothing"));
}

TEST(VariableActions, CreateVariableScopesAndResults)
{
    CVariableScopes scopes;
    struct Case
    {
        const char* label;
        int scope;
        bool inEvent;
        int result;
    };
    const Case cases[] = {
        { "global", 0, false, ResultGoOn },
        { "local", 1, false, ResultGoOn },
        { "event outside an event", 2, false, ResultNoEvent },
        { "event inside an event", 2, true, ResultGoOn },
        { "unknown scope", 3, false, ResultBadScope },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.label);
        CEventFrame frame(c.inEvent ? &scopes : NULL);
        EXPECT_EQ(c.result, RunCreate("v", VT_BSTR, c.label, c.scope));
        CVariableList* list = NULL;
        if (c.result == ResultGoOn && scopes.GetScopeList(c.scope, &list) == ResultGoOn)
        {
            ASSERT_TRUE(list->Find("v") != NULL);
            EXPECT_STREQ(c.label, VariantText(list->Find("v")->value));
        }
    }
    // A second creation assigns the one variable again, it adds none.
    ASSERT_EQ(ResultGoOn, RunCreate("g", VT_I4, "1", 0));
    ASSERT_EQ(ResultGoOn, RunCreate("g", VT_I4, "2", 0));
    int count = 0;
    for (int i = 0; i < scopes.GetGlobal().GetCount(); ++i)
        count += lstrcmpA(scopes.GetGlobal().GetAt(i)->name, "g") == 0;
    EXPECT_EQ(1, count);
    EXPECT_EQ("3:2", Describe(LookupVariable("g")->value));
}

TEST(VariableActions, CreateVariableReadsTheRegistryWhenAsked)
{
    HKEY key;
    const char* path = "Software\\TarvexTests\\Variables";
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key, NULL));
    const char text[] = "from registry";
    RegSetValueExA(key, "Greeting", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof(text));
    // Stored without its terminating zero.
    RegSetValueExA(key, "Unterminated", 0, REG_SZ, reinterpret_cast<const BYTE*>("abc"), 3);
    RegCloseKey(key);

    struct Case
    {
        const char* valueName;
        const char* expected;
    };
    const Case cases[] = {
        { "Greeting", "8:from registry" },
        { "Unterminated", "8:abc" },
        { "Missing", "8:" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.valueName);
        CVariableScopes scopes;
        LoadedItem loaded;
        ScriptFileBuilder builder(loaded.file);
        std::string section = builder.CreateVariable("r", VT_I4, "5", 0);
        loaded.file.SetString(section.c_str(), "flag", "registry");
        loaded.file.SetString(section.c_str(), "registryKey", path);
        loaded.file.SetString(section.c_str(), "registryValueName", c.valueName);
        LoadFirst(loaded, section);
        ASSERT_EQ(ResultGoOn, loaded.item->Execute());
        EXPECT_EQ(c.expected, Describe(LookupVariable("r")->value));
    }
    RegDeleteKeyA(HKEY_CURRENT_USER, path);
}

TEST(VariableActions, ArithmeticAtTheLimitsOfEachWidth)
{
    struct Case
    {
        const char* label;
        VARTYPE type;
        double target;
        const char* op;
        double operand;
        const char* expected;
        BOOL changed;
    };
    const Case cases[] = {
        { "I2 times wraps", VT_I2, 300, "Times", 300, "2:24464", TRUE },
        { "I2 smallest by -1", VT_I2, -32768, "Divide", -1, "2:-32768", FALSE },
        { "I2 by zero", VT_I2, 5, "Divide", 0, "2:5", FALSE },
        { "UI2 times wraps", VT_UI2, 65535, "Times", 65535, "18:1", TRUE },
        { "UI4 plus wraps", VT_UI4, 4294967295.0, "Plus", 1, "19:0", TRUE },
        { "UI4 by zero", VT_UI4, 9, "Divide", 0, "19:9", FALSE },
        { "I4 minus wraps", VT_I4, -2147483648.0, "Minus", 1, "3:2147483647", TRUE },
        { "I8 smallest by -1", VT_I8, -9223372036854775808.0, "Divide", -1, "20:-9223372036854775808", FALSE },
        { "R4 divide", VT_R4, 1, "Divide", 4, "4:0.25", TRUE },
        { "UI1 stays", VT_UI1, 200, "Plus", 100, "17:200", FALSE },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.label);
        VARIANT target;
        VARIANT operand;
        VariantInit(&target);
        VariantInit(&operand);
        target.vt = VT_R8;
        target.dblVal = c.target;
        operand.vt = VT_R8;
        operand.dblVal = c.operand;
        if (c.type == VT_I8)
        {
            target.vt = operand.vt = VT_I8;
            target.llVal = LLONG_MIN;
            operand.llVal = -1;
        }
        else
        {
            ASSERT_HRESULT_SUCCEEDED(ChangeVariantType(target, target, c.type));
            ASSERT_HRESULT_SUCCEEDED(ChangeVariantType(operand, operand, c.type));
        }
        EXPECT_EQ(c.changed, ApplyArithmetic(c.op, target, operand));
        EXPECT_EQ(c.expected, Describe(target));
    }
}
