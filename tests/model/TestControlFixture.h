// The test control server (tests/fixtures/testcontrol), registered in the
// test run's prefix for the life of one test and unregistered after it.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <gtest/gtest.h>
#include <string>

#include "tests/support/TestSupport.h"

const char kTestControlClsid[] = "{C406D0CE-5D34-4A4C-8DCE-C4B45B99F611}";
const char kPlainControlClsid[] = "{C651C94F-FDF7-4077-813A-891E22B8A1C0}";
// Served by the test control but registered only by the tests that want
// them: their event interface cannot be read, listed before or after the
// default interface.
const char kUnreadableEventsFirstClsid[] = "{4E1F6B2A-7C3D-4A59-9E08-2B6D1C7F5A31}";
const char kUnreadableEventsLastClsid[] = "{4E1F6B2A-7C3D-4A59-9E08-2B6D1C7F5A32}";
const char kTestControlProgId[] = "LumbrookTest.Control";
const char kPlainControlProgId[] = "LumbrookTest.Plain";
const char kTestControlLibId[] = "{62C3E0CC-73A1-45E6-8D04-673F21AF516E}";
const char kTestControlIid[] = "{C60EFB28-8CF3-4C77-9B5E-7030D8489A71}";
const char kTestControlEventsIid[] = "{93DB06E3-CC80-4467-9CED-97F592126A71}";
const char kPlainControlIid[] = "{329E0598-459B-45AB-946A-69ADC1E53C98}";

inline GUID GuidFromText(const char* text)
{
    WCHAR wide[64];
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 64);
    GUID guid = GUID_NULL;
    CLSIDFromString(wide, &guid);
    return guid;
}

inline std::string TestControlPath()
{
    return TestProgramFolder() + "testcontrol.dll";
}

inline bool ClassesRootKeyExists(const std::string& path)
{
    HKEY key = NULL;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

class TestControlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(NULL)));
        m_module = LoadLibraryA(TestControlPath().c_str());
        ASSERT_TRUE(m_module != NULL) << TestControlPath();
        ASSERT_EQ(S_OK, CallServer("DllRegisterServer"));
    }

    void TearDown() override
    {
        if (m_module)
        {
            EXPECT_EQ(S_OK, CallServer("DllUnregisterServer"));
        }
        CoFreeUnusedLibraries();
        CoUninitialize();
        if (m_module)
            FreeLibrary(m_module);
    }

    HRESULT CallServer(const char* entry)
    {
        typedef HRESULT(WINAPI * ServerEntry)();
        ServerEntry call = (ServerEntry)GetProcAddress(m_module, entry);
        return call ? call() : E_NOTIMPL;
    }

    // A new instance of a class by its braced CLSID text, as IUnknown.
    IUnknown* Create(const char* clsid)
    {
        IUnknown* unknown = NULL;
        HRESULT hr = CoCreateInstance(GuidFromText(clsid), NULL, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                      (void**)&unknown);
        EXPECT_EQ(S_OK, hr) << clsid;
        return SUCCEEDED(hr) ? unknown : NULL;
    }

    HMODULE m_module = NULL;
};
