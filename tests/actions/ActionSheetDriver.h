// Drives the sheet an action's edit shows, from a timer inside the sheet's
// modal loop, and reads the action's stored form back as key lines.
#pragma once

#include "actions/records/SectionKeys.h"
#include "model/Browser.h"
#include "model/Script.h"
#include "model/ScriptItem.h"
#include "model/ScriptableObject.h"
#include "model/common/MessageReporter.h"
#include "model/store/DataFile.h"
#include "tests/model/FakeEditorServices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace sheetdriver {

typedef std::vector<std::pair<std::string, std::string> > KeyList;

const char kSection[] = "Element_1_Script_1_ScriptItem_1";
const char kTempFolder[] = "C:\\Temp\\Lumbrook\\";

// A step runs once the sheet is up; false asks to be run again at the next
// tick (for a window that is still to come).
typedef std::function<bool(HWND sheet, HWND page)> SheetStep;

// What the sheet showed when it came up.
struct SheetSeen
{
    std::string title;
    bool applyShown = false;
    bool shown = false;
};

struct DriverState
{
    std::vector<SheetStep> steps;
    size_t next = 0;
    int ticks = 0;
    SheetSeen seen;
};

inline DriverState& State()
{
    static DriverState state;
    return state;
}

inline BOOL CALLBACK FindSheetWindow(HWND window, LPARAM found)
{
    char name[32] = "";
    GetClassNameA(window, name, sizeof(name));
    if (IsWindowVisible(window) && lstrcmpA(name, "#32770") == 0
        && FindWindowExA(window, NULL, "SysTabControl32", NULL) != NULL)
    {
        *(HWND*)found = window;
        return FALSE;
    }
    return TRUE;
}

inline HWND FindSheet()
{
    HWND sheet = NULL;
    EnumThreadWindows(GetCurrentThreadId(), FindSheetWindow, (LPARAM)&sheet);
    return sheet;
}

inline void CALLBACK RunStep(HWND, UINT, UINT_PTR, DWORD)
{
    DriverState& state = State();
    HWND sheet = FindSheet();
    // A guard against a sheet that never comes or a step that never ends.
    if (++state.ticks > 1000)
    {
        ADD_FAILURE() << "the sheet's steps did not finish";
        state.next = state.steps.size();
        if (sheet)
            PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        return;
    }
    if (sheet == NULL || state.next >= state.steps.size())
        return;
    if (!state.seen.shown)
    {
        char title[256] = "";
        GetWindowTextA(sheet, title, sizeof(title));
        state.seen.title = title;
        HWND apply = GetDlgItem(sheet, 0x3021);
        state.seen.applyShown = apply != NULL && IsWindowVisible(apply);
        state.seen.shown = true;
    }
    HWND page = (HWND)SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0);
    if (state.steps[state.next](sheet, page))
        ++state.next;
}

// Runs the edit with the steps; the edit's result.
inline BOOL EditWith(CScriptItem& action, BOOL bNew, std::vector<SheetStep> steps, SheetSeen* seen = nullptr)
{
    DriverState& state = State();
    state = DriverState();
    state.steps = std::move(steps);
    UINT_PTR timer = SetTimer(NULL, 0, 15, RunStep);
    BOOL result = action.EditProperties(bNew);
    KillTimer(NULL, timer);
    EXPECT_EQ(state.steps.size(), state.next) << "not every step ran";
    if (seen)
        *seen = state.seen;
    return result;
}

inline void SetText(HWND page, int id, const char* text)
{
    SetDlgItemTextA(page, id, text);
}

inline std::string GetText(HWND page, int id)
{
    char text[1024] = "";
    GetDlgItemTextA(page, id, text, sizeof(text));
    return text;
}

// Chooses the combo item of that text (exact) as the author would.
inline void Choose(HWND page, int id, const char* text)
{
    HWND combo = GetDlgItem(page, id);
    LRESULT index = SendMessageA(combo, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)text);
    ASSERT_NE(CB_ERR, index) << text;
    SendMessageA(combo, CB_SETCURSEL, (WPARAM)index, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), (LPARAM)combo);
}

inline std::string Chosen(HWND page, int id)
{
    HWND combo = GetDlgItem(page, id);
    LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR)
        return "";
    char text[256] = "";
    SendMessageA(combo, CB_GETLBTEXT, (WPARAM)index, (LPARAM)text);
    return text;
}

inline std::vector<std::string> ComboItems(HWND page, int id)
{
    HWND combo = GetDlgItem(page, id);
    std::vector<std::string> items;
    int count = (int)SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i)
    {
        char text[256] = "";
        SendMessageA(combo, CB_GETLBTEXT, (WPARAM)i, (LPARAM)text);
        items.push_back(text);
    }
    return items;
}

inline void Press(HWND sheet, int button)
{
    SendMessageA(sheet, PSM_PRESSBUTTON, (WPARAM)button, 0);
}

// A step that only confirms or cancels.
inline SheetStep Confirm()
{
    return [](HWND sheet, HWND) { Press(sheet, PSBTN_OK); return true; };
}
inline SheetStep Cancel()
{
    return [](HWND sheet, HWND) { Press(sheet, PSBTN_CANCEL); return true; };
}

// The action's own keys and the base keys, in file order.
inline KeyList SavedKeys(CScriptItem& action)
{
    CDataFile file;
    action.SetSectionName(kSection);
    EXPECT_TRUE(action.Save(&file));
    SectionKeyList keys;
    ReadSectionKeys(file, kSection, keys);
    KeyList result;
    for (const auto& key : keys)
        result.push_back(std::make_pair(std::string(key.first), std::string(key.second)));
    return result;
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

// Boxes are recorded, never shown.
inline std::vector<std::string>& Boxes()
{
    static std::vector<std::string> boxes;
    return boxes;
}
inline int WINAPI RecordBox(HWND, const char* text, const char*, UINT)
{
    Boxes().push_back(text ? text : "");
    return IDOK;
}

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

} // namespace sheetdriver
