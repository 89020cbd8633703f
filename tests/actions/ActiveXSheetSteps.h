// Drives the modal sheets of the ActiveX pages, which their owners make
// themselves, through the steps of SheetSteps.h: windows are found from the
// thread's topmost sheet. A step that opens another modal sheet posts the
// click, so that its own tick returns first.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>
#include <gtest/gtest.h>

#include "tests/authoring/SheetSteps.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace sheetsteps {

// Runs body (which shows the sheet and answers what it gives) with the
// steps on the timer; unless spareSteps, every step must have run by the
// time body returns.
template <typename Body>
auto RunBodyWithSteps(std::vector<std::function<void()>> steps, Body body, bool spareSteps = false)
    -> decltype(body())
{
    decltype(body()) result{};
    RunWithSteps([&] { result = body(); return (INT_PTR)0; }, std::move(steps));
    if (!spareSteps)
    {
        EXPECT_EQ(Steps().size(), StepIndex()) << "steps left when the sheet ended";
    }
    Steps().clear();
    return result;
}

inline HWND CurrentPage(HWND sheet)
{
    return (HWND)SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0);
}

inline BOOL CALLBACK CollectVisibleDialogs(HWND window, LPARAM lParam)
{
    char name[32] = "";
    GetClassNameA(window, name, sizeof name);
    if (IsWindowVisible(window) && strcmp(name, "#32770") == 0)
        ((std::vector<HWND>*)lParam)->push_back(window);
    return TRUE;
}

// The first visible dialog window of this thread that is ready; NULL when
// none is.
inline HWND FindReadyDialog(const std::function<bool(HWND)>& ready)
{
    std::vector<HWND> dialogs;
    EnumThreadWindows(GetCurrentThreadId(), CollectVisibleDialogs, (LPARAM)&dialogs);
    for (HWND dialog : dialogs)
    {
        if (ready(dialog))
            return dialog;
    }
    return NULL;
}

// A step that waits, tick by tick (at most about 2000 ticks), until a
// dialog of this thread is ready, then acts on it: a sheet opened from a
// posted click shows only after the ticks its creation takes.
inline std::function<void()> WhenReady(std::function<bool(HWND)> ready, std::function<void(HWND)> act)
{
    auto tries = std::make_shared<int>(0);
    return [=] {
        HWND dialog = FindReadyDialog(ready);
        if (!dialog && ++*tries < 2000)
        {
            StepIndex()--;
            return;
        }
        EXPECT_TRUE(dialog != NULL) << "the expected window never came";
        act(dialog);
    };
}

// Ready when a sheet's current page has control id.
inline std::function<bool(HWND)> PageHas(int id)
{
    return [id](HWND sheet) { return GetDlgItem(CurrentPage(sheet), id) != NULL; };
}

// Ready when a sheet's current page shows text in control id.
inline std::function<bool(HWND)> PageShows(int id, std::string text)
{
    return [id, text](HWND sheet) {
        HWND item = GetDlgItem(CurrentPage(sheet), id);
        char shown[1024] = "";
        return item != NULL && GetWindowTextA(item, shown, sizeof shown) >= 0 && _stricmp(shown, text.c_str()) == 0;
    };
}

// Ready when a dialog itself has control id.
inline std::function<bool(HWND)> DialogHas(int id)
{
    return [id](HWND dialog) { return GetDlgItem(dialog, id) != NULL; };
}

inline HWND Item(HWND page, int id)
{
    return GetDlgItem(page, id);
}

inline std::string Text(HWND window)
{
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

inline void SetText(HWND page, int id, const char* text)
{
    SetDlgItemTextA(page, id, text);
}

// A button click as the dialog receives it; posted, so a modal window it
// opens runs after the current step.
inline void PostClick(HWND page, int id)
{
    PostMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(page, id));
}

inline void Click(HWND page, int id)
{
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(page, id));
}

inline void SelectListLine(HWND page, int id, int line)
{
    HWND list = GetDlgItem(page, id);
    SendMessageA(list, LB_SETCURSEL, (WPARAM)line, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), (LPARAM)list);
}

inline void SelectComboItem(HWND page, int id, int item)
{
    HWND combo = GetDlgItem(page, id);
    SendMessageA(combo, CB_SETCURSEL, (WPARAM)item, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), (LPARAM)combo);
}

inline std::vector<std::string> ListTexts(HWND list, bool combo)
{
    std::vector<std::string> texts;
    int count = (int)SendMessageA(list, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; i++)
    {
        char text[512] = "";
        SendMessageA(list, combo ? CB_GETLBTEXT : LB_GETTEXT, (WPARAM)i, (LPARAM)text);
        texts.push_back(text);
    }
    return texts;
}

inline int Selected(HWND list, bool combo)
{
    return (int)SendMessageA(list, combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
}

// The position of text among texts; -1 when it is not there.
inline int IndexOfText(const std::vector<std::string>& texts, const std::string& text)
{
    for (size_t i = 0; i < texts.size(); i++)
    {
        if (texts[i] == text)
            return (int)i;
    }
    return -1;
}

// The selected item's text; "" when nothing is selected.
inline std::string SelectedText(HWND list, bool combo)
{
    int item = Selected(list, combo);
    return item >= 0 ? ListTexts(list, combo)[(size_t)item] : std::string();
}

inline void Press(HWND sheet, int button)
{
    PostMessageA(sheet, PSM_PRESSBUTTON, (WPARAM)button, 0);
}

} // namespace sheetsteps

#include "model/store/DataFile.h"

namespace sheetsteps {

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

} // namespace sheetsteps
