// The catalogue of registered controls against classes the test writes
// under HKEY_CLASSES_ROOT\CLSID itself, the registered test control and
// Wine's own controls.
#include <windows.h>
#include <gtest/gtest.h>
#include <string.h>
#include <string>
#include <vector>

#include "model/store/ControlCatalog.h"
#include "tests/model/TestControlFixture.h"

namespace
{
struct RegisteredClass
{
    const char* classId;
    std::vector<std::string> subkeys;   // "name" or "name=default value"
    const char* displayName;            // NULL: no default value
    bool listed;
    const char* listedName;
    const char* progId;                 // after the server details are read
    const char* serverPath;
};

const std::string kLongName = "LbCatalog long " + std::string(300, 'x');
// Larger than any name the walk reads: such a class is skipped, such a
// ProgID stays empty.
const std::string kHugeText = "LbCatalog huge " + std::string(70000, 'y');

const std::vector<RegisteredClass>& Classes()
{
    static const std::vector<RegisteredClass> classes = {
        { "{4C42CA71-0000-4000-8000-00000000C001}", { "Control", "ProgID=Lb.Beta", "InprocServer32=C:\\lb\\beta.dll" },
          "LbCatalog beta", true, "LbCatalog beta", "Lb.Beta", "C:\\lb\\beta.dll" },
        { "{4C42CA71-0000-4000-8000-00000000C002}", { "Control", "ProgID=Lb.Alpha" },
          "LbCatalog Alpha", true, "LbCatalog Alpha", "Lb.Alpha", "" },
        { "{4C42CA71-0000-4000-8000-00000000C003}", { "ProgID=Lb.Gamma", "Control" },
          "LbCatalog gamma", true, "LbCatalog gamma", "Lb.Gamma", "" },
        { "{4C42CA71-0000-4000-8000-00000000C004}", { "Control", "ProgId=Lb.WineSpelling" },
          "LbCatalog ProgId", true, "LbCatalog ProgId", "Lb.WineSpelling", "" },
        { "{4C42CA71-0000-4000-8000-00000000C005}", { "control", "PROGID=Lb.LowerControl", "inprocserver32=C:\\lb\\lower.dll" },
          "LbCatalog control", true, "LbCatalog control", "Lb.LowerControl", "C:\\lb\\lower.dll" },
        { "{4C42CA71-0000-4000-8000-00000000C006}", { "Control" },
          "LbCatalog no ProgID", false, NULL, NULL, NULL },
        { "{4C42CA71-0000-4000-8000-00000000C007}", { "ProgID=Lb.NotAControl" },
          "LbCatalog no Control", false, NULL, NULL, NULL },
        { "{4C42CA71-0000-4000-8000-00000000C008}", { "Control", "ProgID=Lb.Nameless" },
          NULL, true, "{4C42CA71-0000-4000-8000-00000000C008}", "Lb.Nameless", "" },
        { "{4C42CA71-0000-4000-8000-00000000C009}", { "Control", "ProgID=Lb.Long" },
          kLongName.c_str(), true, kLongName.c_str(), "Lb.Long", "" },
        { "{4C42CA71-0000-4000-8000-00000000C00A}", { "Control", "ProgID=Lb.Local", "LocalServer32=C:\\lb\\local.exe" },
          "LbCatalog local server", true, "LbCatalog local server", "Lb.Local", "" },
        { "{4C42CA71-0000-4000-8000-00000000C00B}", { "Control", "ProgID", "InprocServer32=C:\\lb\\unnamed.dll" },
          "LbCatalog empty ProgID", true, "LbCatalog empty ProgID", "", "C:\\lb\\unnamed.dll" },
        { "{4C42CA71-0000-4000-8000-00000000C00C}", { "Control", "ProgID=Lb.NoServerValue", "InprocServer32" },
          "LbCatalog empty server", true, "LbCatalog empty server", "Lb.NoServerValue", "" },
        { "{4C42CA71-0000-4000-8000-00000000C00D}", { "Control", "ProgID=Lb.HugeName" },
          kHugeText.c_str(), false, NULL, NULL, NULL },
        { "{4C42CA71-0000-4000-8000-00000000C00E}", { "Control", "ProgID=" + kHugeText, "InprocServer32=C:\\lb\\huge.dll" },
          "LbCatalog huge ProgID", true, "LbCatalog huge ProgID", "", "C:\\lb\\huge.dll" },
    };
    return classes;
}

bool SetDefault(const std::string& path, const char* value)
{
    HKEY key = NULL;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, NULL, 0, KEY_WRITE, NULL, &key, NULL) != ERROR_SUCCESS)
        return false;
    bool ok = !value || RegSetValueExA(key, NULL, 0, REG_SZ, (const BYTE*)value, (DWORD)strlen(value) + 1) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

int FindEntry(const CControlCatalog& catalog, const char* classId)
{
    for (int i = 0; i < catalog.GetCount(); i++)
    {
        if (_stricmp(catalog.GetEntry(i)->GetClassId(), classId) == 0)
            return i;
    }
    return -1;
}

int CountEntries(const CControlCatalog& catalog, const char* classId)
{
    int count = 0;
    for (int i = 0; i < catalog.GetCount(); i++)
        count += _stricmp(catalog.GetEntry(i)->GetClassId(), classId) == 0 ? 1 : 0;
    return count;
}

std::vector<std::string> SubkeyNames(const std::string& path)
{
    std::vector<std::string> names;
    HKEY key = NULL;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return names;
    char name[256];
    for (DWORD i = 0;; i++)
    {
        DWORD size = sizeof name;
        if (RegEnumKeyExA(key, i, name, &size, NULL, NULL, NULL, NULL) != ERROR_SUCCESS)
            break;
        names.push_back(name);
    }
    RegCloseKey(key);
    return names;
}

class ControlCatalogTest : public TestControlTest
{
protected:
    void SetUp() override
    {
        TestControlTest::SetUp();
        for (const RegisteredClass& c : Classes())
        {
            const std::string key = std::string("CLSID\\") + c.classId;
            ASSERT_TRUE(SetDefault(key, c.displayName)) << c.classId;
            for (const std::string& subkey : c.subkeys)
            {
                size_t equals = subkey.find('=');
                std::string name = subkey.substr(0, equals);
                std::string value = equals == std::string::npos ? "" : subkey.substr(equals + 1);
                ASSERT_TRUE(SetDefault(key + "\\" + name, equals == std::string::npos ? NULL : value.c_str()))
                    << c.classId << " " << name;
            }
        }
    }

    void TearDown() override
    {
        for (const RegisteredClass& c : Classes())
        {
            const std::string key = std::string("CLSID\\") + c.classId;
            RegDeleteTreeA(HKEY_CLASSES_ROOT, key.c_str());
            RegDeleteKeyA(HKEY_CLASSES_ROOT, key.c_str());
        }
        TestControlTest::TearDown();
    }
};
}

TEST_F(ControlCatalogTest, ListsClassesWithControlAndProgIdSubkeysInAnyCase)
{
    CControlCatalog catalog;
    catalog.BuildControlCatalog();
    for (const RegisteredClass& c : Classes())
    {
        SCOPED_TRACE(c.classId);
        const int index = FindEntry(catalog, c.classId);
        ASSERT_EQ(c.listed, index >= 0);
        if (!c.listed)
            continue;
        const CControlCatalogEntry* entry = catalog.GetEntry(index);
        EXPECT_STREQ(c.listedName, entry->GetDisplayName());
        EXPECT_STREQ("", entry->GetProgId());
        EXPECT_STREQ("", entry->GetServerPath());

        ASSERT_TRUE(catalog.ReadControlServerInfo(index));
        EXPECT_STREQ(c.progId, entry->GetProgId());
        EXPECT_STREQ(c.serverPath, entry->GetServerPath());
    }
}

TEST_F(ControlCatalogTest, SortsByDisplayNameIgnoringCase)
{
    CControlCatalog catalog;
    catalog.BuildControlCatalog();
    const int alpha = FindEntry(catalog, "{4C42CA71-0000-4000-8000-00000000C002}");
    const int beta = FindEntry(catalog, "{4C42CA71-0000-4000-8000-00000000C001}");
    const int gamma = FindEntry(catalog, "{4C42CA71-0000-4000-8000-00000000C003}");
    EXPECT_LT(alpha, beta);
    EXPECT_LT(beta, gamma);
    for (int i = 1; i < catalog.GetCount(); i++)
        EXPECT_FALSE(CompareControlNames(*catalog.GetEntry(i), *catalog.GetEntry(i - 1))) << i;

    // Its owner builds it only while it is empty: a second build appends.
    catalog.BuildControlCatalog();
    EXPECT_EQ(2, CountEntries(catalog, "{4C42CA71-0000-4000-8000-00000000C002}"));
}

TEST_F(ControlCatalogTest, ListsTheTestControlsAndWinesProgIdControls)
{
    CControlCatalog catalog;
    catalog.BuildControlCatalog();

    struct Ours
    {
        const char* classId;
        const char* displayName;
        const char* progId;
    };
    const Ours ours[] = {
        { kTestControlClsid, "Lumbrook Test Control", kTestControlProgId },
        { kPlainControlClsid, "Lumbrook Plain Test Control", kPlainControlProgId },
    };
    for (const Ours& c : ours)
    {
        SCOPED_TRACE(c.classId);
        const int index = FindEntry(catalog, c.classId);
        ASSERT_GE(index, 0);
        ASSERT_TRUE(catalog.ReadControlServerInfo(index));
        EXPECT_STREQ(c.displayName, catalog.GetEntry(index)->GetDisplayName());
        EXPECT_STREQ(c.progId, catalog.GetEntry(index)->GetProgId());
        EXPECT_EQ(0, _stricmp(TestControlPath().c_str(), catalog.GetEntry(index)->GetServerPath()));
    }

    // Wine registers its script control with "Control" and "ProgId".
    CLSID script;
    ASSERT_EQ(S_OK, CLSIDFromProgID(L"MSScriptControl.ScriptControl", &script));
    WCHAR wide[64];
    StringFromGUID2(script, wide, 64);
    char scriptClassId[64];
    WideCharToMultiByte(CP_ACP, 0, wide, -1, scriptClassId, sizeof scriptClassId, NULL, NULL);
    const std::vector<std::string> subkeys = SubkeyNames(std::string("CLSID\\") + scriptClassId);
    bool control = false;
    bool progIdWineSpelling = false;
    for (const std::string& name : subkeys)
    {
        control = control || name == "Control";
        progIdWineSpelling = progIdWineSpelling || name == "ProgId";
    }
    ASSERT_TRUE(control && progIdWineSpelling) << scriptClassId;
    const int scriptIndex = FindEntry(catalog, scriptClassId);
    ASSERT_GE(scriptIndex, 0);
    ASSERT_TRUE(catalog.ReadControlServerInfo(scriptIndex));
    EXPECT_EQ(0, strncmp("MSScriptControl.ScriptControl", catalog.GetEntry(scriptIndex)->GetProgId(), 29))
        << catalog.GetEntry(scriptIndex)->GetProgId();
    EXPECT_STRNE("", catalog.GetEntry(scriptIndex)->GetServerPath());
}

TEST_F(ControlCatalogTest, RefusesIndicesOutsideTheList)
{
    CControlCatalog catalog;
    catalog.BuildControlCatalog();
    const int count = catalog.GetCount();
    ASSERT_GT(count, 0);
    const int outside[] = { -1, count, count + 100 };
    for (int index : outside)
    {
        EXPECT_FALSE(catalog.ReadControlServerInfo(index)) << index;
        EXPECT_TRUE(catalog.GetEntry(index) == NULL) << index;
        EXPECT_FALSE(catalog.RemoveEntry(index)) << index;
    }
    EXPECT_EQ(count, catalog.GetCount());
    catalog.ClearControlCatalog();
    EXPECT_FALSE(catalog.ReadControlServerInfo(0));
}

TEST_F(ControlCatalogTest, UnregisteringTheTestControlLeavesNoKeysBehind)
{
    const std::string keys[] = {
        std::string("CLSID\\") + kTestControlClsid,
        std::string("CLSID\\") + kPlainControlClsid,
        kTestControlProgId,
        kPlainControlProgId,
        std::string("TypeLib\\") + kTestControlLibId,
        std::string("Interface\\") + kTestControlIid,
        std::string("Interface\\") + kTestControlEventsIid,
        std::string("Interface\\") + kPlainControlIid,
    };
    const std::string registered[] = {
        std::string("CLSID\\") + kTestControlClsid + "\\Control",
        std::string("CLSID\\") + kTestControlClsid + "\\ProgID",
        std::string("CLSID\\") + kTestControlClsid + "\\InprocServer32",
        std::string("CLSID\\") + kTestControlClsid + "\\TypeLib",
        std::string("CLSID\\") + kPlainControlClsid + "\\Control",
        std::string(kTestControlProgId) + "\\CLSID",
    };
    for (const std::string& key : keys)
        EXPECT_TRUE(ClassesRootKeyExists(key)) << "registered: " << key;
    for (const std::string& key : registered)
        EXPECT_TRUE(ClassesRootKeyExists(key)) << "registered: " << key;

    ASSERT_EQ(S_OK, CallServer("DllUnregisterServer"));
    for (const std::string& key : keys)
        EXPECT_FALSE(ClassesRootKeyExists(key)) << "unregistered: " << key;

    CControlCatalog catalog;
    catalog.BuildControlCatalog();
    EXPECT_LT(FindEntry(catalog, kTestControlClsid), 0);
    ASSERT_EQ(S_OK, CallServer("DllRegisterServer"));
}
