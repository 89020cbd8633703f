// What the action pages' tests share: the stored form of an action as key
// lines, the editor services the pages call, a script owner on a page, and
// an action's edit run by the sheet driver.
#pragma once

#include "actions/records/SectionKeys.h"
#include "model/Browser.h"
#include "model/Script.h"
#include "model/ScriptItem.h"
#include "model/ScriptableObject.h"
#include "model/store/DataFile.h"
#include "tests/model/FakeEditorServices.h"
#include "tests/support/SheetDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace actiontests {

typedef std::vector<std::pair<std::string, std::string> > KeyList;

const char kSection[] = "Element_1_Script_1_ScriptItem_1";
const char kTempFolder[] = "C:\\Temp\\Lumbrook\\";

// What the action's sheet showed when it came up.
struct SheetSeen
{
    std::string title;
    bool applyShown = false;
};

// Runs the action's edit with the steps; the edit's result. seen, when
// given, takes the sheet's title and Apply button as they first showed.
inline BOOL EditWith(CScriptItem& action, BOOL bNew, sheetdriver::Steps steps, SheetSeen* seen = nullptr)
{
    if (seen)
    {
        steps.insert(steps.begin(), sheetdriver::Step([seen] {
            HWND sheet = sheetdriver::Modal();
            seen->title = sheetdriver::WindowTitle(sheet);
            seen->applyShown = sheetdriver::Visible(sheet, 0x3021);
        }));
    }
    return sheetdriver::Drive([&] { return action.EditProperties(bNew); }, std::move(steps));
}

// The section's key lines in file order.
inline KeyList StoredKeys(const CDataFile& file, const char* section)
{
    SectionKeyList keys;
    ReadSectionKeys(file, section, keys);
    KeyList result;
    for (const auto& key : keys)
        result.push_back(std::make_pair(std::string(key.first), std::string(key.second)));
    return result;
}

// The action's own keys and the base keys, in file order.
inline KeyList SavedKeys(CScriptItem& action)
{
    CDataFile file;
    action.SetSectionName(kSection);
    EXPECT_TRUE(action.Save(&file));
    return StoredKeys(file, kSection);
}

// Own keys in writing order, as the file shows them after the base keys.
inline KeyList InFileOrder(KeyList written, const char* typeName)
{
    written.push_back(std::make_pair("type", "ScriptItem"));
    written.push_back(std::make_pair("name", typeName));
    return KeyList(written.rbegin(), written.rend());
}

// The keys in name order: where readers do not care about the order.
inline KeyList Sorted(KeyList keys)
{
    std::sort(keys.begin(), keys.end());
    return keys;
}

// Loads the action from a section holding these key lines (in file order).
inline void LoadFrom(CScriptItem& action, const KeyList& lines)
{
    CDataFile file;
    SectionKeyList keys;
    for (const auto& line : lines)
        keys.push_back(std::make_pair(CStr(line.first.c_str()), CStr(line.second.c_str())));
    WriteSectionKeys(file, kSection, keys);
    action.SetSectionName(kSection);
    action.Load(&file, TRUE);
}

// Imports media under the data folder's prefix and offers a temporary folder.
class PageServices : public FakeEditorServices
{
public:
    CStr ImportFileIntoProject(const char* path, BOOL) override
    {
        imports.push_back(path);
        std::string text = path;
        if (text.rfind(".\\tarvex.dat\\", 0) == 0)
            return CStr(path);
        size_t slash = text.find_last_of('\\');
        return CStr((".\\tarvex.dat\\" + (slash == std::string::npos ? text : text.substr(slash + 1))).c_str());
    }
    CStr GetTempFolder() override { return CStr(kTempFolder); }
    CStr GetDefaultContentFolder() override { return CStr("C:\\Content\\"); }

    std::vector<std::string> imports;
};

// A page ("page_2") with an object ("Button1") whose script holds the action.
struct ScriptHolder
{
    CBrowser page;
    CScriptableObject owner;
    CScript script;

    ScriptHolder() : owner(NULL, &page), script("Element_1_Script_1", &owner)
    {
        page.SetId("page_2");
        owner.SetId("Button1");
    }
    template <class T> T* Hold(T* action)
    {
        action->SetParent(&script);
        action->SetSectionName(kSection);
        return action;
    }
};

// The "key = value" lines of one section of a data file, in file order.
inline std::vector<std::string> SectionLines(const CDataFile& file, const char* section)
{
    std::vector<std::string> lines;
    int index = file.FindSectionIndex(section);
    if (index < 0)
        return lines;
    for (int i = index + 1; i < file.GetLineCount() && !file.IsSectionHeaderAt(i); i++)
        lines.push_back((const char*)file.GetLine(i));
    return lines;
}

// The lines an object writes into a data file of its own.
template <typename Object>
std::vector<std::string> StoredLines(Object& object)
{
    CDataFile file;
    object.Save(&file);
    return SectionLines(file, object.GetSectionName());
}

// The position of text among texts; -1 when it is not there.
inline int IndexOfText(const std::vector<std::string>& texts, const std::string& text)
{
    auto found = std::find(texts.begin(), texts.end(), text);
    return found == texts.end() ? -1 : (int)(found - texts.begin());
}

} // namespace actiontests
