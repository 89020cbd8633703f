// The one driver of this process's modal sheets and dialogs, as a person
// works them: a thread timer runs the test's steps one a tick inside
// whatever modal loop runs (a sheet, a dialog it opens, a common dialog), so
// that everything a step caused is handled before the next step acts. A
// step acts on the window the person works in now: the thread's newest
// visible, enabled dialog, and its current page when it is a sheet.
// Typing goes key by key, one WM_CHAR a tick; buttons are pressed by posted
// messages, so a modal window they open runs in the loop, not in the step.
#pragma once

#include "platform/framework/PropertySheet.h"

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace sheetdriver {

// One step. A step that answers false was not ready (a window it needs is
// still to come) and runs again at the next tick; one that answers nothing
// is done once it ran.
class Step
{
public:
    template <class F, typename std::enable_if<std::is_same<decltype(std::declval<F&>()()), bool>::value, int>::type = 0>
    Step(F f) : m_run(std::move(f))
    {
    }
    template <class F, typename std::enable_if<std::is_void<decltype(std::declval<F&>()())>::value, int>::type = 0>
    Step(F f) : m_run([f]() mutable { f(); return true; })
    {
    }
    bool operator()() { return m_run(); }

private:
    std::function<bool()> m_run;
};
typedef std::vector<Step> Steps;

// Runs body, which opens a modal window of this thread and returns when it
// is closed, while the steps run. The case fails when the body returned
// with steps left, when a step waited a minute without what it needs, or
// when a window stayed open a minute after the last step (it is then
// cancelled, so that no test waits for ever). Drive answers what body does.
void RunSteps(const std::function<void()>& body, Steps steps);

template <class Body>
auto Drive(Body body, Steps steps) -> decltype(body())
{
    if constexpr (std::is_void<decltype(body())>::value)
    {
        RunSteps(body, std::move(steps));
    }
    else
    {
        decltype(body()) result{};
        RunSteps([&] { result = body(); }, std::move(steps));
        return result;
    }
}

// A sheet's DoModal with the steps.
inline INT_PTR RunSheet(CPropertySheet& sheet, Steps steps)
{
    return Drive([&] { return sheet.DoModal(); }, std::move(steps));
}

// One page in a sheet of its own without an Apply button.
inline INT_PTR RunOne(CPropertyPage& page, Steps steps)
{
    CPropertySheet sheet("Properties");
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    sheet.AddPage(&page);
    return RunSheet(sheet, std::move(steps));
}

// Steps joined in order.
Steps Then(Steps first, const Steps& second);

// ---- Where the person works ----

// The thread's newest visible, enabled dialog window; NULL when none is up.
HWND Modal();
// Its current page when it is a property sheet, else the dialog itself.
HWND Page();
bool IsSheet(HWND window);

// ---- Reading what a control shows (id on Page(), or on window) ----

std::string Text(HWND window);
std::string Text(int id);
std::string Text(HWND dialog, int id);
bool Checked(int id);
bool Checked(HWND dialog, int id);
bool Enabled(int id);
bool Enabled(HWND dialog, int id);
bool Visible(int id);
bool Visible(HWND dialog, int id);
// The lines of a combo box or list box, and the selected one ("" for none).
std::vector<std::string> Items(HWND control);
std::vector<std::string> Items(int id);
std::vector<std::string> Items(HWND dialog, int id);
std::string Chosen(HWND control);
std::string Chosen(int id);
std::string Chosen(HWND dialog, int id);
int ChosenIndex(HWND control);
// The sheet button of a PSBTN_ code, as the sheet shows it.
bool ButtonEnabled(int psbtn);
std::string WindowTitle(HWND window);

// ---- Acting, inside a step ----

// A click on a button or check box (BM_CLICK, sent); a disabled or hidden
// control cannot be clicked and fails the case.
void Click(int id);
void Click(HWND dialog, int id);
// The same click posted: a modal window it opens runs after the step.
void PostClick(int id);
void PostClick(HWND dialog, int id);
// Chooses the line of exactly that text (or index) in a combo or list box,
// and the parent hears of it as it hears of a person's choice.
void Choose(int id, const char* text);
void Choose(HWND dialog, int id, const char* text);
void ChooseIndex(int id, int index);
void ChooseIndex(HWND dialog, int id, int index);
// A double-click on the list box's line (-1: on its empty part), posted.
void DoubleClick(int id, int index);
void DoubleClick(HWND dialog, int id, int index);
// A click on the tab of the sheet's page index (0 the first), and the
// sheet's tabs as it shows them.
void ShowTab(int index);
// A step: a click on the tab of that title.
Step ShowTabTitled(std::string title);
int TabCount();
std::vector<std::string> TabTitles();
// A sheet button (PSBTN_*), posted to the sheet the person works in; a
// hidden or disabled one fails the case.
void Press(int psbtn);
// A key a person presses (WM_KEYDOWN, WM_KEYUP, posted) into the window
// the person works in: to its focused control, or its first one when the
// focus is elsewhere (another program may hold it).
void PressKey(UINT vk);
// OK and Cancel of a sheet or a plain dialog, posted.
void Ok();
void Cancel();

// ---- Steps ----

// Focuses the edit (or a combo box's edit), selects all and deletes, then
// types the text one WM_CHAR a tick ("\r\n" is one Enter).
Step Type(int id, std::string text);
Step Type(HWND dialog, int id, std::string text);
template <class Window>
Step Type(Window& window, int id, std::string text);
// Types at the caret, without clearing first.
Step Keys(int id, std::string text);
// A paste over the edit's whole text: one change, as Ctrl+V makes it.
Step Paste(int id, std::string text);
// Waits until ready answers true, then acts.
Step When(std::function<bool()> ready, std::function<void()> act);
// Waits until the page the person works in holds control id, then acts.
Step OnPage(int id, std::function<void()> act);
// Waits until a dialog titled title is the one the person works in.
Step OnDialog(const char* title, std::function<void()> act);

// A step that types into the edit found by where() when the step starts.
Step TypeInto(std::function<HWND()> where, std::string text, bool clear);

template <class Window>
Step Type(Window& window, int id, std::string text)
{
    Window* target = &window;
    return TypeInto([target, id] { return ::GetDlgItem(target->m_hWnd, id); }, std::move(text), true);
}

} // namespace sheetdriver
