// Runs a property sheet or dialog of this process modally while a timer
// carries out the test's steps inside its modal loop, one step a tick, and
// records the message boxes the reporter is asked for (answered OK).
#pragma once

#include "model/common/MessageReporter.h"
#include "platform/framework/Afx.h"
#include "platform/framework/PropertySheet.h"

#include <string.h>

#include <functional>
#include <string.h>
#include <string>
#include <vector>

namespace sheetsteps {

inline std::vector<std::function<void()>>& Steps()
{
    static std::vector<std::function<void()>> steps;
    return steps;
}

inline size_t& StepIndex()
{
    static size_t index = 0;
    return index;
}

inline std::vector<std::string>& Messages()
{
    static std::vector<std::string> messages;
    return messages;
}

// The visible top-level window of this thread titled title (any title
// when NULL): other programs on the display may hold the activation.
inline HWND FindOwnWindow(const char* title = NULL)
{
    struct Search
    {
        const char* title;
        HWND found;
    } search = { title, NULL };
    EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM lParam) -> BOOL {
        Search* s = reinterpret_cast<Search*>(lParam);
        char text[256] = "";
        GetWindowTextA(window, text, sizeof text);
        if (!IsWindowVisible(window) || (s->title != NULL && strcmp(text, s->title) != 0))
            return TRUE;
        s->found = window;
        return FALSE;
    }, (LPARAM)&search);
    return search.found;
}

inline void CALLBACK RunStep(HWND, UINT, UINT_PTR, DWORD)
{
    if (StepIndex() < Steps().size())
        Steps()[StepIndex()++]();
    else if (++StepIndex() > Steps().size() + 200)
    {
        // A step that failed to close what it opened would hang the run:
        // cancel what is still open (the test's checks tell what went wrong).
        if (HWND open = FindOwnWindow())
            PostMessageA(open, WM_COMMAND, IDCANCEL, 0);
    }
}

inline int WINAPI RecordMessage(HWND, const char* text, const char*, UINT)
{
    Messages().push_back(text ? text : "");
    return IDOK;
}

// Runs run() (a DoModal) with the steps; the messages shown meanwhile are
// left in Messages().
inline INT_PTR RunWithSteps(const std::function<INT_PTR()>& run, std::vector<std::function<void()>> steps)
{
    Steps() = std::move(steps);
    StepIndex() = 0;
    Messages().clear();
    MessageReporterFn previous = SetMessageReporter(RecordMessage);
    UINT_PTR timer = SetTimer(NULL, 0, 15, RunStep);
    INT_PTR result = run();
    KillTimer(NULL, timer);
    SetMessageReporter(previous);
    return result;
}

inline INT_PTR RunSheet(CPropertySheet& sheet, std::vector<std::function<void()>> steps)
{
    return RunWithSteps([&] { return sheet.DoModal(); }, std::move(steps));
}

// One page in a sheet without an Apply button.
inline INT_PTR RunOne(CPropertyPage& page, std::vector<std::function<void()>> steps)
{
    CPropertySheet sheet("Properties");
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    sheet.AddPage(&page);
    return RunSheet(sheet, std::move(steps));
}

// The lines of a list box.
inline std::vector<std::string> ListLines(HWND list)
{
    std::vector<std::string> lines;
    int count = (int)SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i)
    {
        char text[256] = "";
        SendMessageA(list, LB_GETTEXT, i, (LPARAM)text);
        lines.push_back(text);
    }
    return lines;
}

inline HWND SheetOf(CWnd& page) { return ::GetParent(page.m_hWnd); }
inline void Press(CWnd& page, int button) { ::SendMessageA(SheetOf(page), PSM_PRESSBUTTON, button, 0); }
inline void SetText(CWnd& page, int id, const char* text) { ::SetDlgItemTextA(page.m_hWnd, id, text); }
inline std::string Text(CWnd& page, int id)
{
    char text[1024] = "";
    ::GetDlgItemTextA(page.m_hWnd, id, text, sizeof text);
    return text;
}
inline bool Checked(CWnd& page, int id) { return ::IsDlgButtonChecked(page.m_hWnd, id) == BST_CHECKED; }
inline bool Visible(CWnd& page, int id) { return ::IsWindowVisible(::GetDlgItem(page.m_hWnd, id)) != FALSE; }
inline bool Enabled(CWnd& page, int id) { return ::IsWindowEnabled(::GetDlgItem(page.m_hWnd, id)) != FALSE; }
// A click as the author makes it: the check changes, then the parent hears.
inline void Click(CWnd& page, int id)
{
    ::SendMessageA(::GetDlgItem(page.m_hWnd, id), BM_CLICK, 0, 0);
}

} // namespace sheetsteps
