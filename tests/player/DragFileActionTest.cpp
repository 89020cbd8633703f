// Drag File: the path it loads, from its key or from the registry. (Its
// run needs the desktop's pointer: tests/e2e/PlayerDragTest.cpp.)
#include "tests/player/ScriptFileBuilder.h"

#include "player/runtime/DragFileAction.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace Tarvex;

namespace {

const char kKey[] = "Software\\TarvexTests\\DragFile";

struct Keys
{
    const char* flag;
    const char* path;
    const char* valueName;
};

std::unique_ptr<CScriptItem> LoadDrag(const Keys& keys)
{
    CDataFile file;
    ScriptFileBuilder builder(file);
    std::string section = builder.Add("DragFile");
    if (keys.flag)
        file.SetString(section.c_str(), "flag", keys.flag);
    if (keys.path)
        file.SetString(section.c_str(), "path", keys.path);
    if (keys.valueName)
    {
        file.SetString(section.c_str(), "registryKey", kKey);
        file.SetString(section.c_str(), "registryValueName", keys.valueName);
    }
    std::unique_ptr<CScriptItem> item(CreateScriptItem("DragFile", section.c_str(), NULL));
    if (item)
        item->Load(file);
    return item;
}

} // namespace

TEST(DragFileAction, LoadsThePathFromItsKeyOrFromTheRegistry)
{
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key, NULL));
    const char stored[] = "C:\\from registry\\file.txt";
    RegSetValueExA(key, "File", 0, REG_SZ, reinterpret_cast<const BYTE*>(stored), sizeof(stored));
    // Stored without its terminating zero.
    RegSetValueExA(key, "Unterminated", 0, REG_SZ, reinterpret_cast<const BYTE*>("C:\\u.txt"), 8);
    RegSetValueExA(key, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&stored), 4);
    RegCloseKey(key);

    struct Case
    {
        const char* name;
        Keys keys;
        const char* expected;
    };
    const Case cases[] = {
        { "path", { NULL, "C:\\disc\\a.txt", NULL }, "C:\\disc\\a.txt" },
        { "percent signs", { NULL, "C:\\100% %s%n.txt", NULL }, "C:\\100% %s%n.txt" },
        { "registry", { "registry", "C:\\ignored.txt", "File" }, stored },
        { "unterminated value", { "registry", NULL, "Unterminated" }, "C:\\u.txt" },
        { "missing value", { "registry", "C:\\ignored.txt", "Missing" }, "" },
        { "value that is no text", { "registry", NULL, "Number" }, "" },
        { "flag of another case", { "Registry", "C:\\disc\\a.txt", "File" }, "C:\\disc\\a.txt" },
    };
    for (const Case& c : cases)
    {
        std::unique_ptr<CScriptItem> item = LoadDrag(c.keys);
        CDragAction* drag = dynamic_cast<CDragAction*>(item.get());
        ASSERT_NE(nullptr, drag) << c.name;
        EXPECT_STREQ(c.expected, drag->GetPath()) << c.name;
    }
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
}
