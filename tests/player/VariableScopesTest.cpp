// The player's variables: where a name is found and how |name| becomes text.
#include "player/runtime/VariableScopes.h"

#include <gtest/gtest.h>

#include <string>

using namespace Tarvex;

namespace {

void PutText(CVariableList& list, const char* name, const char* text)
{
    VARIANT value;
    VariantInit(&value);
    SetVariantText(value, text);
    list.Append(name, value);
    VariantClear(&value);
}

void PutLong(CVariableList& list, const char* name, long number)
{
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_I4;
    value.lVal = number;
    list.Append(name, value);
}

std::string TextOf(const char* name)
{
    CVariable* variable = LookupVariable(name);
    return variable ? std::string(VariantText(variable->value)) : std::string("<missing>");
}

} // namespace

TEST(VariableScopes, LookupPrefersLocalThenEventFrameThenGlobal)
{
    struct Case
    {
        const char* label;
        bool global, frame, local;
        const char* expected;
    };
    const Case cases[] = {
        { "global only", true, false, false, "g" },
        { "frame hides global", true, true, false, "f" },
        { "local hides frame and global", true, true, true, "l" },
        { "local hides global", true, false, true, "l" },
        { "frame only", false, true, false, "f" },
        { "nowhere", false, false, false, "<missing>" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.label);
        CVariableScopes scopes;
        if (c.global)
            PutText(scopes.GetGlobal(), "x", "g");
        if (c.local)
            PutText(scopes.GetLocal(), "x", "l");
        CEventFrame frame(c.frame ? &scopes : NULL);
        if (CVariableList* top = scopes.GetTopFrame())
            PutText(*top, "x", "f");
        EXPECT_EQ(c.expected, TextOf("x"));
    }
}

TEST(VariableScopes, EventFrameEndsWithItsEventAndNamesAreCaseSensitive)
{
    CVariableScopes scopes;
    PutText(scopes.GetGlobal(), "Name", "global");
    {
        CEventFrame frame(&scopes);
        VARIANT value;
        VariantInit(&value);
        SetVariantText(value, "event");
        frame.Add("Name", value);
        VariantClear(&value);
        EXPECT_EQ("event", TextOf("Name"));
        EXPECT_EQ(1, scopes.GetFrameDepth());
    }
    EXPECT_EQ(0, scopes.GetFrameDepth());
    EXPECT_EQ("global", TextOf("Name"));
    EXPECT_EQ("<missing>", TextOf("name"));
    // The earliest entry of a name answers.
    PutText(scopes.GetGlobal(), "Name", "later");
    EXPECT_EQ("global", TextOf("Name"));
}

TEST(VariableScopes, ScopeNumbersGiveTheirListOrAResultCode)
{
    CVariableScopes scopes;
    struct Case
    {
        long scope;
        bool withFrame;
        int result;
        CVariableList* list;
    };
    CVariableList* unset = reinterpret_cast<CVariableList*>(1);
    const Case cases[] = {
        { 0, false, 0, &scopes.GetGlobal() },
        { 1, false, 0, &scopes.GetLocal() },
        { 2, false, 9, NULL },
        { 2, true, 0, unset },
        { 3, false, 10, NULL },
        { -1, false, 10, NULL },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE("scope " + std::to_string(c.scope) + (c.withFrame ? " in an event" : ""));
        CEventFrame frame(c.withFrame ? &scopes : NULL);
        CVariableList* list = unset;
        EXPECT_EQ(c.result, scopes.GetScopeList(c.scope, &list));
        EXPECT_EQ(c.list == unset ? scopes.GetTopFrame() : c.list, list);
    }
}

TEST(VariableScopes, BuiltInVariablesKeepOneEntryEachAcrossLoads)
{
    CVariableScopes scopes;
    scopes.AppendBuiltInVariables("D:\\disc\\");
    scopes.AppendBuiltInVariables("E:\\other\\");
    char windows[MAX_PATH];
    char system[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    GetSystemDirectoryA(system, MAX_PATH);
    struct Case
    {
        const char* name;
        VARTYPE type;
        std::string text;
    };
    const Case cases[] = {
        { "NULL", VT_EMPTY, "" },
        { "CD_ROOT", VT_BSTR, "D:\\" },
        { "WIN", VT_BSTR, std::string(windows) + "\\" },
        { "SYS", VT_BSTR, std::string(system) + "\\" },
        { "APPPATH", VT_BSTR, "D:\\disc\\" },
        { "TRUE", VT_I4, "1" },
        { "FALSE", VT_I4, "0" },
    };
    CVariableList& global = scopes.GetGlobal();
    // Every load after the first keeps the list's size and what lookups find.
    for (int load = 0; load < 100; ++load)
        scopes.AppendBuiltInVariables("E:\\other\\");
    ASSERT_EQ(7, global.GetCount());
    for (int i = 0; i < 7; ++i)
    {
        const Case& c = cases[i];
        SCOPED_TRACE(c.name);
        EXPECT_STREQ(c.name, global.GetAt(i)->name);
        CVariable* found = LookupVariable(c.name);
        ASSERT_EQ(global.GetAt(i), found);
        EXPECT_EQ(c.type, found->value.vt);
        EXPECT_EQ(c.text, std::string(VariantText(found->value)));
    }
}

TEST(VariableScopes, SubstitutionReplacesTextVariablesBetweenBars)
{
    CVariableScopes scopes;
    PutText(scopes.GetGlobal(), "x", "one");
    PutText(scopes.GetLocal(), "x", "two");
    PutText(scopes.GetGlobal(), "CD_ROOT", "D:\\");
    PutLong(scopes.GetGlobal(), "TRUE", 1);
    PutText(scopes.GetGlobal(), "Big", "B");
    PutText(scopes.GetGlobal(), "a", "xyz");
    PutText(scopes.GetGlobal(), "b", "q");
    PutText(scopes.GetGlobal(), "self", "<|self|>");
    PutText(scopes.GetGlobal(), "bars", "|b|");
    PutText(scopes.GetGlobal(), "empty", "");
    struct Case
    {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        { "|x|", "two" },
        { "Drive |CD_ROOT| ready", "Drive D:\\ ready" },
        { "|TRUE|", "|TRUE|" },
        { "|missing| stays", "|missing| stays" },
        { "one | bar", "one | bar" },
        { "no bars", "no bars" },
        { "|big|", "|big|" },
        { "|Big|", "B" },
        { "|a||b|", "xyzq" },
        { "|a| and |a|", "xyz and xyz" },
        { "|self||b|", "<|self|>q" },
        { "|bars||a|", "|b|xyz" },
        { "[|empty|]", "[]" },
        { "||", "||" },
        { "|x", "|x" },
        { "a|missing|b|x|", "a|missing|btwo" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.in);
        CStr text(c.in);
        SubstituteVariables(text);
        EXPECT_STREQ(c.out, text);
    }
}

TEST(VariableScopes, SubstitutionIsOnePassAndItsResultHasALimit)
{
    CVariableScopes scopes;
    PutText(scopes.GetGlobal(), "x", "ab");
    std::string manyMarkers;
    for (int i = 0; i < 200000; ++i)
        manyMarkers += "|x|";
    std::string big(kMaxSubstitutedLength / 2 + 1, 'z');
    PutText(scopes.GetGlobal(), "big", big.c_str());
    struct Case
    {
        const char* label;
        std::string in;
        bool substituted;
        size_t length;   // of the text afterwards
    };
    const Case cases[] = {
        { "200,000 names", manyMarkers, true, 400000 },
        { "one large value", "|big|", true, big.size() },
        { "a result past the limit", "|big||big|", false, 10 },
        { "the limit reached by plain text", std::string(kMaxSubstitutedLength - 1, '-') + "|x|", false,
          (size_t)kMaxSubstitutedLength + 2 },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.label);
        CStr text(c.in.c_str());
        EXPECT_EQ(c.substituted ? TRUE : FALSE, SubstituteVariables(text));
        EXPECT_EQ(c.length, (size_t)text.GetLength());
        if (!c.substituted)
        {
            EXPECT_EQ(c.in, std::string(text));
        }
    }
}

TEST(VariableScopes, WithoutScopesNothingIsFoundOrReplaced)
{
    ASSERT_EQ(NULL, CVariableScopes::GetCurrent());
    EXPECT_EQ(NULL, LookupVariable("NULL"));
    CStr text("|NULL|");
    SubstituteVariables(text);
    EXPECT_STREQ("|NULL|", text);
}
