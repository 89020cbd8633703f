// The module's registration of the program's AppID from its registry script.
#include "platform/atl/AtlBase.h"
#include "platform/atl/Registrar.h"

#include <ole2.h>

#include <gtest/gtest.h>

CComModule _Module;

namespace
{
const char kAppId[] = "AppID\\{5D3C2A41-7B1E-4C55-9E0F-3A2B1C4D5E6F}";
const char kExe[] = "AppID\\FrameworkTest.EXE";

std::string ClassesValue(const char* key, const char* name)
{
    char value[256] = "";
    DWORD size = sizeof(value);
    if (::RegGetValueA(HKEY_CLASSES_ROOT, key, name, RRF_RT_REG_SZ, NULL, value, &size) != ERROR_SUCCESS)
        return "<none>";
    return value;
}

bool KeyExists(const char* key)
{
    HKEY handle;
    if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, key, 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(handle);
    return true;
}
}

TEST(AtlModuleTest, TheRegistryScriptWritesAndRemovesTheAppIdKeys)
{
    struct Case
    {
        bool com;  // with COM, atl.dll's registrar where the system has one
        BOOL bRegister;
        const char* appIdName;
        const char* exeAppId;
    };
    const Case cases[] = {
        { false, TRUE, "FrameworkTest", "{5D3C2A41-7B1E-4C55-9E0F-3A2B1C4D5E6F}" },
        { false, FALSE, "<none>", "<none>" },
        { true, TRUE, "FrameworkTest", "{5D3C2A41-7B1E-4C55-9E0F-3A2B1C4D5E6F}" },
        { true, FALSE, "<none>", "<none>" },
    };
    for (const Case& c : cases)
    {
        if (c.com)
        {
            ASSERT_TRUE(SUCCEEDED(::CoInitialize(NULL)));
        }
        ASSERT_EQ(_Module.Init(NULL, ::GetModuleHandleA(NULL)), S_OK);
        EXPECT_EQ(_Module.UpdateRegistryFromResource(102, c.bRegister), S_OK) << "com " << c.com;
        _Module.Term();
        if (c.com)
            ::CoUninitialize();
        EXPECT_EQ(ClassesValue(kAppId, NULL), c.appIdName) << "com " << c.com << " register " << c.bRegister;
        EXPECT_EQ(ClassesValue(kExe, "AppID"), c.exeAppId) << "com " << c.com << " register " << c.bRegister;
        EXPECT_EQ(KeyExists(kExe), c.bRegister != FALSE) << "com " << c.com;
        EXPECT_TRUE(KeyExists("AppID")) << "com " << c.com;
    }
}

TEST(AtlModuleTest, KeyNamesMayBeQuotedOrBare)
{
    const char* scripts[] = {
        "HKCU { NoRemove Software { FrameworkScript { {5D3C2A41-7B1E-4C55-9E0F-3A2B1C4D5E6F} = s 'bare' } } }",
        "HKCU { NoRemove Software { 'FrameworkScript' { '{5D3C2A41-7B1E-4C55-9E0F-3A2B1C4D5E6F}' = s 'bare' } } }",
    };
    const char key[] = "Software\\FrameworkScript\\{5D3C2A41-7B1E-4C55-9E0F-3A2B1C4D5E6F}";
    for (const char* script : scripts)
    {
        CRegistrar registrar;
        ASSERT_EQ(registrar.StringRegister(script, TRUE), S_OK) << script;
        char value[32] = "";
        DWORD size = sizeof(value);
        EXPECT_EQ(::RegGetValueA(HKEY_CURRENT_USER, key, NULL, RRF_RT_REG_SZ, NULL, value, &size), ERROR_SUCCESS) << script;
        EXPECT_STREQ(value, "bare") << script;
        ASSERT_EQ(registrar.StringRegister(script, FALSE), S_OK) << script;
        HKEY handle;
        EXPECT_NE(::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\FrameworkScript", 0, KEY_READ, &handle), ERROR_SUCCESS) << script;
    }
}

TEST(AtlModuleTest, AScriptThatDoesNotParseWritesNothing)
{
    const char* scripts[] = {
        "HKCR { FrameworkBroken { val X = s 'unterminated } }",
        "HKCR { FrameworkBroken = q 'x' }",
        "HKXX { FrameworkBroken }",
        "HKCR { FrameworkBroken { ",
        "HKCR { FrameworkBroken = s '%UNKNOWN%' }",
    };
    for (const char* script : scripts)
    {
        CRegistrar registrar;
        EXPECT_TRUE(FAILED(registrar.StringRegister(script, TRUE))) << script;
        EXPECT_FALSE(KeyExists("FrameworkBroken")) << script;
    }
}
