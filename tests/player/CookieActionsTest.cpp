// Read a Cookie and Write a Cookie: the matching of a name in a cookie
// text, the expiry clause, and one cookie written and read back through
// the system's store.
#include "tests/player/ScriptFileBuilder.h"
#include "tests/player/TestVariables.h"

#include "player/runtime/CookieActions.h"
#include "player/runtime/VariableScopes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace Tarvex;

namespace {

TEST(CookieActions, ANameMatchesOnlyAWholeCookieName)
{
    struct
    {
        const char* cookies;
        const char* name;
        const char* value;   // NULL: not found
    } cases[] = {
        { "a=1; id=42; b=2", "id", "42" },
        { "id=42", "id", "42" },
        { "uid=7", "id", NULL },
        { "uid=7; id=8", "id", "8" },
        { "a=1;id=3", "id", "3" },
        { "a=1;   \tid=", "id", "" },
        { "a=id=5", "id", NULL },
        { "ID=1", "id", NULL },
        { "id", "id", NULL },
        { "", "id", NULL },
        { "a=1; b=x=y; c", "b", "x=y" },
    };
    for (const auto& c : cases)
    {
        CStr value("<unset>");
        BOOL found = FindCookieValue(c.cookies, c.name, value);
        EXPECT_EQ(c.value != NULL, found != FALSE) << "\"" << c.cookies << "\"";
        if (c.value && found)
        {
            EXPECT_STREQ(c.value, value.c_str()) << "\"" << c.cookies << "\"";
        }
    }
}

TEST(CookieActions, TheExpiryIsDaysFromNowInGreenwichTime)
{
    // 2001-09-09 01:46:40 UTC, a Sunday.
    const time_t now = 1000000000;
    struct
    {
        const char* data;
        int days;
        const char* text;
    } cases[] = {
        { "42", 1, "42; expires = Mon, 10-Sep-2001 01:46:00 GMT" },
        { "42;", 0, "42; expires = Sun, 09-Sep-2001 01:46:00 GMT" },
        { "a=b", 30, "a=b; expires = Tue, 09-Oct-2001 01:46:00 GMT" },
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.text, BuildCookieText(c.data, now, c.days).c_str()) << c.data << " " << c.days;
}

class CookieStoreTest : public ::testing::Test
{
protected:
    int Run(const std::string& section)
    {
        CStr type;
        file.GetString(section.c_str(), "name", type);
        std::unique_ptr<CScriptItem> item(CreateScriptItem(type, section.c_str(), NULL));
        item->Load(file);
        return item->Execute();
    }

    std::string SetCookie(const char* name, const char* data, const char* dataVar = "")
    {
        std::string section = builder.Add("SetCookie");
        file.SetString(section.c_str(), "URL", "http://cookies.tarvex.test/");
        file.SetString(section.c_str(), "Cookie", name);
        file.SetString(section.c_str(), "data", data);
        file.SetString(section.c_str(), "dataVar", dataVar);
        file.SetInt(section.c_str(), "days", 2);
        return section;
    }

    std::string GetCookie(const char* name, const char* dataVar, const char* cookieVar = "")
    {
        std::string section = builder.Add("GetCookie");
        file.SetString(section.c_str(), "URL", "http://cookies.tarvex.test/");
        file.SetString(section.c_str(), "CookieName", name);
        file.SetString(section.c_str(), "CookieVar", cookieVar);
        file.SetString(section.c_str(), "DataVar", dataVar);
        return section;
    }

    void Put(const char* name, VARTYPE type, const char* text) { PutGlobal(scopes, name, type, text); }

    CVariableScopes scopes;
    CDataFile file;
    ScriptFileBuilder builder{ file, "Script_1", "Test" };
};

TEST_F(CookieStoreTest, CookiesWrittenInOneRunAreReadBack)
{
    Put("visits", VT_I4, "42");
    Put("nameHolder", VT_BSTR, "uid");
    EXPECT_EQ(ResultGoOn, Run(SetCookie("id", "", "visits")));
    EXPECT_EQ(ResultGoOn, Run(SetCookie("uid", "7")));
    EXPECT_EQ(ResultGoOn, Run(SetCookie("empty", "")));

    struct
    {
        const char* name;
        const char* cookieVar;
        VARTYPE type;
        const char* value;
    } cases[] = {
        { "id", "", VT_I4, "3:42" },
        { "id", "", VT_BSTR, "8:42" },
        { "", "nameHolder", VT_I4, "3:7" },
        { "empty", "", VT_BSTR, "8:0" },
        { "nosuch", "", VT_I4, "3:0" },
    };
    for (const auto& c : cases)
    {
        Put("got", c.type, "-1");
        EXPECT_EQ(ResultGoOn, Run(GetCookie(c.name, "got", c.cookieVar))) << c.name << c.cookieVar;
        EXPECT_EQ(c.value, DescribeVariable("got")) << c.name << c.cookieVar;
    }

    // Without a name the whole cookie text, holding both cookies.
    Put("all", VT_BSTR, "");
    EXPECT_EQ(ResultGoOn, Run(GetCookie("", "all")));
    std::string all = DescribeVariable("all");
    EXPECT_NE(std::string::npos, all.find("id=42")) << all;
    EXPECT_NE(std::string::npos, all.find("uid=7")) << all;

    // Longer than the first buffer: read whole, not cut.
    std::string longData(1500, 'x');
    EXPECT_EQ(ResultGoOn, Run(SetCookie("long", longData.c_str())));
    Put("got", VT_BSTR, "");
    EXPECT_EQ(ResultGoOn, Run(GetCookie("long", "got")));
    EXPECT_EQ("8:" + longData, DescribeVariable("got"));

    // No variable to receive it: nothing is made.
    EXPECT_EQ(ResultGoOn, Run(GetCookie("id", "missing")));
    EXPECT_EQ("<none>", DescribeVariable("missing"));
}

} // namespace
