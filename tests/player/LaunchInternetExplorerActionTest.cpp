// LaunchInternetExplorer: the address it opens and the page that opens it.
#include "tests/player/ScriptFileBuilder.h"

#include "player/runtime/LaunchInternetExplorerAction.h"
#include "player/runtime/VariableScopes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace Tarvex;

namespace {

const std::wstring kPageStart = L"about:<html><body><script language=\"Javascript\">window.open('";
const std::wstring kPageEnd =
    L"', null, 'status=no,toolbar=no,location=no,menu=no,width=610,height=300,resizable=yes,top=100,left=30,"
    L"scrollbars=yes');</script></body></html>";

std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

TEST(LaunchInternetExplorer, TheAddressGoesIntoThePageAsAPlainScriptString)
{
    struct
    {
        const char* address;
        const wchar_t* inPage;
    } cases[] = {
        { "http://www.example.test/a/b.htm?x=1&y=2", L"http://www.example.test/a/b.htm?x=1&y=2" },
        { "C:\\disc\\help\\index.htm", L"C:/disc/help/index.htm" },
        { "x');alert(1);('", L"x\\u0027);alert(1);(\\u0027" },
        { "a</script><script>b", L"a\\u003C/script\\u003E\\u003Cscript\\u003Eb" },
        { "a\"b c%41#d", L"a\\u0022b\\u0020c\\u002541\\u0023d" },
        { "", L"" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(Narrow(kPageStart + c.inPage + kPageEnd), Narrow(BuildBrowserPageText(c.address))) << c.address;
}

TEST(LaunchInternetExplorer, TheAddressComesFromATextVariableThenThePath)
{
    CVariableScopes scopes;
    VARIANT value;
    VariantInit(&value);
    SetVariantText(value, "site.test");
    scopes.GetGlobal().Append("host", value);
    SetVariantText(value, "http://|host|/from-variable");
    scopes.GetGlobal().Append("address", value);
    VariantClear(&value);
    value.vt = VT_I4;
    value.lVal = 5;
    scopes.GetGlobal().Append("number", value);

    struct
    {
        const char* variableName;
        const char* expected;
    } cases[] = {
        { "", "http://site.test/stored" },
        { "address", "http://site.test/from-variable" },
        { "number", "http://site.test/stored" },
        { "missing", "http://site.test/stored" },
    };
    for (const auto& c : cases)
    {
        CDataFile file;
        ScriptFileBuilder builder(file);
        std::string section = builder.Add("LaunchInternetExplorer");
        file.SetString(section.c_str(), "variableName", c.variableName);
        file.SetString(section.c_str(), "path", "http://|host|/stored");
        std::unique_ptr<CScriptItem> item(CreateScriptItem("LaunchInternetExplorer", section.c_str(), NULL));
        item->Load(file);
        EXPECT_STREQ(c.expected, static_cast<CLaunchInternetExplorerAction*>(item.get())->GetAddress().c_str())
            << c.variableName;
    }
}

} // namespace
