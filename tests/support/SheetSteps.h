// Driving property sheets from a timer inside their modal loops, as the
// author would: each step acts on the sheet that is active at that moment
// (a nested sheet while one is open), and a sheet left open after the last
// step is cancelled so that no test waits for ever.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace sheetsteps {


typedef std::function<void()> Step;
inline std::vector<Step> g_steps;
inline size_t g_step = 0;
inline int g_idleTicks = 0;

inline BOOL CALLBACK FindEnabledDialog(HWND window, LPARAM found)
{
    char name[16] = "";
    GetClassNameA(window, name, sizeof(name));
    if (strcmp(name, "#32770") == 0 && IsWindowVisible(window) && IsWindowEnabled(window))
    {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// The sheet the author works in now: the visible, enabled one.
inline HWND Sheet()
{
    HWND found = NULL;
    EnumThreadWindows(GetCurrentThreadId(), FindEnabledDialog, (LPARAM)&found);
    return found;
}

inline HWND Page()
{
    return (HWND)SendMessageA(Sheet(), PSM_GETCURRENTPAGEHWND, 0, 0);
}

inline void CALLBACK RunStep(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_step < g_steps.size())
    {
        g_steps[g_step++]();
        return;
    }
    // A step that went wrong must not leave the test waiting.
    if (++g_idleTicks > 50 && Sheet() != NULL)
        PostMessageA(Sheet(), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

template <class Run>
auto Drive(std::vector<Step> steps, Run run) -> decltype(run())
{
    g_steps = steps;
    g_step = 0;
    g_idleTicks = 0;
    UINT_PTR timer = SetTimer(NULL, 0, 20, RunStep);
    auto result = run();
    KillTimer(NULL, timer);
    EXPECT_EQ(g_steps.size(), g_step) << "steps left undone";
    return result;
}

// A step that waits until the page shown holds control id: a sheet opened
// by one step appears only when its modal loop runs, and a step acting
// before then would act on no window at all. A page that never comes fails
// the test rather than leaving it waiting.
inline Step OnPage(int id, Step step)
{
    auto waited = std::make_shared<int>(0);
    return [id, step, waited] {
        if (GetDlgItem(Page(), id) != NULL)
        {
            step();
            return;
        }
        if (++*waited < 500)
        {
            --g_step;   // the same step again at the next tick
            return;
        }
        ADD_FAILURE() << "no page with control " << id;
    };
}

inline void Command(HWND page, int id, int code)
{
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, code), (LPARAM)GetDlgItem(page, id));
}

// Picks the combo item of exactly that text, as the author would.
inline void Choose(int id, const char* text)
{
    HWND combo = GetDlgItem(Page(), id);
    LRESULT index = SendMessageA(combo, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)text);
    ASSERT_NE(CB_ERR, index) << text;
    SendMessageA(combo, CB_SETCURSEL, (WPARAM)index, 0);
    Command(Page(), id, CBN_SELCHANGE);
}

inline void Type(int id, const char* text)
{
    SetDlgItemTextA(Page(), id, text);
}

inline std::string Text(int id)
{
    char text[512] = "";
    GetDlgItemTextA(Page(), id, text, sizeof(text));
    return text;
}

inline std::string Selected(int id)
{
    HWND combo = GetDlgItem(Page(), id);
    LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR)
        return "<none>";
    char text[256] = "";
    SendMessageA(combo, CB_GETLBTEXT, (WPARAM)index, (LPARAM)text);
    return text;
}

inline std::vector<std::string> Items(int id)
{
    std::vector<std::string> items;
    HWND combo = GetDlgItem(Page(), id);
    int count = (int)SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i)
    {
        char text[256] = "";
        SendMessageA(combo, CB_GETLBTEXT, (WPARAM)i, (LPARAM)text);
        items.push_back(text);
    }
    return items;
}

inline void Press(int button)
{
    SendMessageA(Sheet(), PSM_PRESSBUTTON, (WPARAM)button, 0);
}

inline void Ok() { Press(PSBTN_OK); }
inline void Cancel() { Press(PSBTN_CANCEL); }

} // namespace sheetsteps
