// Reading text values under HKEY_CURRENT_USER: only text types, at most the
// caller's number of bytes, terminated whether or not the value was stored
// with its zero (written in the test prefix and removed).
#include "player/runtime/RegistryText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kKey[] = "Software\\TarvexRegistryTextTest";

class RegistryTextTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(ERROR_SUCCESS,
                  RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &m_key, NULL));
    }
    void TearDown() override
    {
        if (m_key)
            RegCloseKey(m_key);
        RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    }
    void Write(const char* name, DWORD type, const void* data, DWORD size)
    {
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(m_key, name, 0, type, static_cast<const BYTE*>(data), size));
    }

    HKEY m_key = NULL;
};

struct TextCase
{
    const char* name;
    DWORD type;            // 0: no value is written
    const char* bytes;
    DWORD size;            // bytes stored, a zero included only when counted
    DWORD limit;
    Tarvex::RegistryTextTypes types;
    bool read;
    const char* expected;  // the text afterwards; "kept" when not read
};

TEST_F(RegistryTextTest, OnlyBoundedTextValuesAreReadAndAlwaysTerminated)
{
    const TextCase cases[] = {
        { "text with its zero", REG_SZ, "abc", 4, 260, Tarvex::RegistryAnyText, true, "abc" },
        { "text without its zero", REG_SZ, "abcd", 4, 260, Tarvex::RegistryAnyText, true, "abcd" },
        { "unexpanded text", REG_EXPAND_SZ, "%TEMP%", 7, 260, Tarvex::RegistryAnyText, true, "%TEMP%" },
        { "unexpanded text where only plain text counts", REG_EXPAND_SZ, "%TEMP%", 7, 260,
          Tarvex::RegistryPlainTextOnly, false, "kept" },
        { "plain text where only plain text counts", REG_SZ, "top", 4, 10, Tarvex::RegistryPlainTextOnly, true,
          "top" },
        { "number", REG_DWORD, "\x01\x00\x00\x00", 4, 260, Tarvex::RegistryAnyText, false, "kept" },
        { "bytes", REG_BINARY, "abc", 4, 260, Tarvex::RegistryAnyText, false, "kept" },
        { "exactly the limit", REG_SZ, "123456789", 10, 10, Tarvex::RegistryAnyText, true, "123456789" },
        { "one byte over the limit", REG_SZ, "1234567890", 11, 10, Tarvex::RegistryAnyText, false, "kept" },
        { "empty text", REG_SZ, "", 0, 260, Tarvex::RegistryAnyText, true, "" },
        { "missing value", 0, NULL, 0, 260, Tarvex::RegistryAnyText, false, "kept" },
    };
    for (const TextCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        RegDeleteValueA(m_key, "value");
        if (c.type)
            Write("value", c.type, c.bytes, c.size);
        CStr text = "kept";
        EXPECT_EQ(c.read, Tarvex::ReadRegistryText(m_key, "value", c.limit, text, c.types) != FALSE);
        EXPECT_STREQ(c.expected, text);
        if (c.types == Tarvex::RegistryAnyText)
        {
            CStr userText = "kept";
            EXPECT_EQ(c.read, Tarvex::ReadUserRegistryText(kKey, "value", c.limit, userText) != FALSE);
            EXPECT_STREQ(c.expected, userText);
        }
    }
}

TEST_F(RegistryTextTest, AMissingKeyReadsNothing)
{
    CStr text = "kept";
    EXPECT_FALSE(Tarvex::ReadUserRegistryText("Software\\TarvexRegistryTextTest\\Missing", "value", 260, text));
    EXPECT_STREQ("kept", text);
}

TEST_F(RegistryTextTest, OnlyActionsFlaggedRegistryReadTheirValue)
{
    Write("path", REG_SZ, "C:\\from registry", 17);
    struct
    {
        const char* name;
        const char* flag;
        const char* valueName;
        bool fromRegistry;
        const char* expected;
    } cases[] = {
        { "registry value", "registry", "path", true, "C:\\from registry" },
        { "missing registry value", "registry", "other", true, "" },
        { "not flagged", "file", "path", false, "kept" },
        { "no flag", NULL, "path", false, "kept" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CDataFile file;
        if (c.flag)
            file.SetString("Action", "flag", c.flag);
        file.SetString("Action", "registryKey", kKey);
        file.SetString("Action", "registryValueName", c.valueName);
        CStr text = "kept";
        EXPECT_EQ(c.fromRegistry, Tarvex::ReadActionRegistryText(file, "Action", 260, text) != FALSE);
        EXPECT_STREQ(c.expected, text);
    }
}

} // namespace
