// Where a page's app-bar settings come from: its own keys, or values under
// a key of HKEY_CURRENT_USER (written in the test prefix and removed).
#include "player/AppBarSettings.h"

#include <gtest/gtest.h>

#include <shellapi.h>
#include <string.h>

namespace {

const char kKey[] = "Software\\TarvexAppBarSettingsTest";

struct Value
{
    const char* name;
    DWORD type;         // REG_DWORD or REG_SZ; 0 ends the list
    DWORD number;
    const char* text;
};

struct SettingsCase
{
    const char* name;
    const char* flag;           // NULL: no key
    const char* registryKey;
    bool writeKey;              // create kKey holding values
    Value values[4];
    CAppBarSettings expected;
};

void WriteValues(const Value* values, size_t count)
{
    HKEY key = NULL;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key, NULL));
    for (size_t i = 0; i < count && values[i].type; ++i)
    {
        const Value& v = values[i];
        if (v.type == REG_DWORD)
            RegSetValueExA(key, v.name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v.number), sizeof(DWORD));
        else
            RegSetValueExA(key, v.name, 0, REG_SZ, reinterpret_cast<const BYTE*>(v.text), (DWORD)strlen(v.text) + 1);
    }
    RegCloseKey(key);
}

TEST(AppBarSettings, FromThePageOrFromTheRegistry)
{
    // Every page below also says: no app bar, not on top, bottom, auto-hide.
    const SettingsCase cases[] = {
        { "page keys", NULL, NULL, false, {}, { FALSE, FALSE, TRUE, ABE_BOTTOM } },
        { "registry values win", "registry", kKey, true,
          { { "appbar", REG_DWORD, 1, NULL }, { "OnTop", REG_DWORD, 1, NULL }, { "Position", REG_SZ, 0, "left" },
            { "AutoHide", REG_DWORD, 0, NULL } },
          { TRUE, TRUE, FALSE, ABE_LEFT } },
        { "missing values take the defaults, not the page's keys", "registry", kKey, true,
          { { "Position", REG_SZ, 0, "top" } }, { TRUE, TRUE, FALSE, ABE_TOP } },
        { "values of another type or length count as missing", "registry", kKey, true,
          { { "appbar", REG_SZ, 0, "0" }, { "AutoHide", REG_SZ, 0, "1" }, { "Position", REG_SZ, 0, "leftleftleft" } },
          { TRUE, TRUE, FALSE, ABE_RIGHT } },
        { "a key that does not exist: the page's keys", "registry", "Software\\TarvexNoSuchKey", false, {},
          { FALSE, FALSE, TRUE, ABE_BOTTOM } },
        { "the flag in another case: the page's keys", "Registry", kKey, true,
          { { "Position", REG_SZ, 0, "top" } }, { FALSE, FALSE, TRUE, ABE_BOTTOM } },
    };
    for (const SettingsCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        if (c.writeKey)
            WriteValues(c.values, sizeof(c.values) / sizeof(c.values[0]));
        CDataFile page;
        page.SetBool("Main", "appbar", FALSE);
        page.SetBool("Main", "AppBar_AlwaysOnTop", FALSE);
        page.SetString("Main", "position", "bottom");
        page.SetBool("Main", "AppBar_AutoHide", TRUE);
        if (c.flag)
        {
            page.SetString("Main", "flag", c.flag);
            page.SetString("Main", "registryKey", c.registryKey);
        }
        CAppBarSettings settings = ReadAppBarSettings(page);
        RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
        EXPECT_EQ(c.expected.appBar, settings.appBar);
        EXPECT_EQ(c.expected.alwaysOnTop, settings.alwaysOnTop);
        EXPECT_EQ(c.expected.autoHide, settings.autoHide);
        EXPECT_EQ(c.expected.edge, settings.edge);
    }
}

TEST(AppBarSettings, APageWithoutKeysIsAnAppBarOnTopAtTheRightEdge)
{
    CDataFile page;
    page.SetString("Main", "title", "Plain");
    CAppBarSettings settings = ReadAppBarSettings(page);
    EXPECT_TRUE(settings.appBar);
    EXPECT_TRUE(settings.alwaysOnTop);
    EXPECT_FALSE(settings.autoHide);
    EXPECT_EQ((UINT)ABE_RIGHT, settings.edge);
}

TEST(AppBarSettings, PositionNamesAnEdgeInExactCase)
{
    const struct
    {
        const char* text;
        UINT edge;
    } cases[] = {
        { "left", ABE_LEFT }, { "top", ABE_TOP }, { "right", ABE_RIGHT }, { "bottom", ABE_BOTTOM },
        { "Left", ABE_RIGHT }, { "", ABE_RIGHT }, { "bottom ", ABE_RIGHT },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.edge, EdgeFromPosition(c.text)) << "\"" << c.text << "\"";
}

} // namespace
