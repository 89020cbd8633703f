#include "tests/support/SheetDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace sheetdriver {

namespace {

const UINT kTickMs = 10;
// A step that waits this long for its window, or a window left this long
// after the last step, is a fault of the test: no wait of a working run
// comes near it, even on a loaded machine.
const DWORD kGiveUpMs = 60000;

struct RunState
{
    Steps steps;
    size_t next = 0;
    // When the step waiting now (or the open window after the last step)
    // was first seen waiting; 0 when nothing waits.
    DWORD waitingSince = 0;
    size_t waitingStep = (size_t)-1;
    bool givingUp = false;
    int closeTries = 0;
    // Top-level windows made during the run, in the order made.
    std::map<HWND, unsigned> made;
    unsigned madeCount = 0;
};

RunState* g_run = nullptr;
HHOOK g_hook = NULL;

LRESULT CALLBACK NoteWindows(int code, WPARAM wParam, LPARAM lParam)
{
    if (g_run != nullptr)
    {
        if (code == HCBT_CREATEWND)
        {
            const CBT_CREATEWNDA* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
            if (!(create->lpcs->style & WS_CHILD))
                g_run->made[(HWND)wParam] = ++g_run->madeCount;
        }
        else if (code == HCBT_DESTROYWND)
        {
            g_run->made.erase((HWND)wParam);
        }
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

bool IsDialogWindow(HWND window)
{
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    return strcmp(name, "#32770") == 0;
}

bool IsWorkable(HWND window)
{
    return IsWindowVisible(window) && IsWindowEnabled(window) && IsDialogWindow(window);
}

BOOL CALLBACK FindWorkable(HWND window, LPARAM found)
{
    if (!IsWorkable(window))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

bool Waited(RunState& run, size_t step)
{
    DWORD now = GetTickCount();
    if (run.waitingStep != step || run.waitingSince == 0)
    {
        run.waitingStep = step;
        run.waitingSince = now ? now : 1;
        return false;
    }
    return now - run.waitingSince > kGiveUpMs;
}

// Closes what is open, innermost first: Cancel, and at last the window itself.
void CloseOpenWindow(RunState& run)
{
    HWND open = Modal();
    if (open == NULL)
        return;
    if (++run.closeTries > 50)
    {
        DestroyWindow(open);
        return;
    }
    if (IsSheet(open))
        PostMessageA(open, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    else
        PostMessageA(open, WM_COMMAND, IDCANCEL, 0);
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
{
    RunState* run = g_run;
    if (run == nullptr)
        return;
    if (run->givingUp)
    {
        CloseOpenWindow(*run);
        return;
    }
    if (run->next >= run->steps.size())
    {
        // Every step ran: the body should end by itself.
        if (Modal() == NULL)
            return;
        if (Waited(*run, run->steps.size()))
        {
            ADD_FAILURE() << "a window stayed open after the last step: \"" << WindowTitle(Modal()) << "\"";
            run->givingUp = true;
        }
        return;
    }
    size_t index = run->next;
    // A step acts on the window the person works in: none is up yet.
    bool done = false;
    if (Modal() != NULL)
    {
        run->next = index + 1;
        done = run->steps[index]();
        if (g_run != run)
            return;
        if (!done && run->next != index + 1)
        {
            ADD_FAILURE() << "step " << index + 1 << " asked to run again after later steps ran inside it";
            done = true;
        }
        if (!done)
            run->next = index;
    }
    if (done)
    {
        run->waitingSince = 0;
        return;
    }
    if (Waited(*run, index))
    {
        ADD_FAILURE() << "step " << index + 1 << " of " << run->steps.size()
                      << " waited a minute for a window that never came (open: \"" << WindowTitle(Modal()) << "\")";
        run->givingUp = true;
    }
}

HWND ControlOf(HWND dialog, int id)
{
    return dialog != NULL ? GetDlgItem(dialog, id) : NULL;
}

bool IsComboBox(HWND control)
{
    char name[32] = "";
    GetClassNameA(control, name, sizeof name);
    return _stricmp(name, "ComboBox") == 0;
}

// What a person can work: shown and enabled, with its parents.
bool CanUse(HWND control)
{
    return control != NULL && IsWindowVisible(control) && IsWindowEnabled(control);
}

void Notify(HWND control, WORD code)
{
    SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code), (LPARAM)control);
}

// The keystrokes of a text: a line break is one Enter.
std::string Keystrokes(const std::string& text)
{
    std::string keys;
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        keys += text[i] == '\n' ? '\r' : text[i];
    }
    return keys;
}

} // namespace

void RunSteps(const std::function<void()>& body, Steps steps)
{
    if (g_run != nullptr)
    {
        ADD_FAILURE() << "a driven run inside another";
        return;
    }
    RunState run;
    run.steps = std::move(steps);
    g_run = &run;
    g_hook = SetWindowsHookExA(WH_CBT, NoteWindows, NULL, GetCurrentThreadId());
    UINT_PTR timer = SetTimer(NULL, 0, kTickMs, Tick);
    body();
    KillTimer(NULL, timer);
    if (g_hook != NULL)
        UnhookWindowsHookEx(g_hook);
    g_hook = NULL;
    g_run = nullptr;
    if (!run.givingUp && run.next < run.steps.size())
        ADD_FAILURE() << "the window closed with " << run.steps.size() - run.next << " of " << run.steps.size()
                      << " steps left undone";
}

Steps Then(Steps first, const Steps& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

HWND Modal()
{
    HWND newest = NULL;
    unsigned newestOrder = 0;
    if (g_run != nullptr)
    {
        for (const auto& entry : g_run->made)
        {
            if (entry.second > newestOrder && IsWorkable(entry.first))
            {
                newest = entry.first;
                newestOrder = entry.second;
            }
        }
    }
    if (newest == NULL)
        EnumThreadWindows(GetCurrentThreadId(), FindWorkable, (LPARAM)&newest);
    return newest;
}

bool IsSheet(HWND window)
{
    return window != NULL && IsDialogWindow(window) && FindWindowExA(window, NULL, "SysTabControl32", NULL) != NULL;
}

HWND Page()
{
    HWND open = Modal();
    if (!IsSheet(open))
        return open;
    return (HWND)SendMessageA(open, PSM_GETCURRENTPAGEHWND, 0, 0);
}

std::string WindowTitle(HWND window)
{
    return window != NULL ? Text(window) : std::string();
}

std::string Text(HWND window)
{
    int length = window != NULL ? GetWindowTextLengthA(window) : 0;
    std::string text((size_t)length + 1, '\0');
    if (length > 0)
        text.resize((size_t)GetWindowTextA(window, &text[0], length + 1));
    else
        text.clear();
    return text;
}

std::string Text(int id) { return Text(Page(), id); }
std::string Text(HWND dialog, int id) { return Text(ControlOf(dialog, id)); }
bool Checked(int id) { return Checked(Page(), id); }
bool Checked(HWND dialog, int id) { return dialog != NULL && IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
bool Enabled(int id) { return Enabled(Page(), id); }
bool Enabled(HWND dialog, int id) { return IsWindowEnabled(ControlOf(dialog, id)) != FALSE; }
bool Visible(int id) { return Visible(Page(), id); }
bool Visible(HWND dialog, int id) { return IsWindowVisible(ControlOf(dialog, id)) != FALSE; }

std::vector<std::string> Items(HWND control)
{
    bool combo = IsComboBox(control);
    std::vector<std::string> items;
    int count = (int)SendMessageA(control, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i)
    {
        int length = (int)SendMessageA(control, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, (WPARAM)i, 0);
        std::string text((size_t)(length > 0 ? length : 0) + 1, '\0');
        SendMessageA(control, combo ? CB_GETLBTEXT : LB_GETTEXT, (WPARAM)i, (LPARAM)&text[0]);
        text.resize(strlen(text.c_str()));
        items.push_back(text);
    }
    return items;
}

std::vector<std::string> Items(int id) { return Items(Page(), id); }
std::vector<std::string> Items(HWND dialog, int id) { return Items(ControlOf(dialog, id)); }

int ChosenIndex(HWND control)
{
    return (int)SendMessageA(control, IsComboBox(control) ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
}

std::string Chosen(HWND control)
{
    int index = ChosenIndex(control);
    std::vector<std::string> items = Items(control);
    return index >= 0 && index < (int)items.size() ? items[(size_t)index] : std::string();
}

std::string Chosen(int id) { return Chosen(Page(), id); }
std::string Chosen(HWND dialog, int id) { return Chosen(ControlOf(dialog, id)); }

static int ButtonOf(int psbtn)
{
    switch (psbtn)
    {
    case PSBTN_OK: return IDOK;
    case PSBTN_CANCEL: return IDCANCEL;
    case PSBTN_APPLYNOW: return 0x3021;
    case PSBTN_BACK: return 0x3023;
    case PSBTN_NEXT: return 0x3024;
    case PSBTN_FINISH: return 0x3025;
    case PSBTN_HELP: return 9;
    }
    return 0;
}

bool ButtonEnabled(int psbtn)
{
    return CanUse(ControlOf(Modal(), ButtonOf(psbtn)));
}

// The button a person can click; NULL, and the case fails, for one that is
// hidden, disabled or missing.
static HWND ClickableButton(HWND dialog, int id)
{
    HWND button = ControlOf(dialog, id);
    if (CanUse(button))
        return button;
    ADD_FAILURE() << "control " << id << " cannot be clicked: " << (button ? "hidden or disabled" : "missing");
    return NULL;
}

void Click(int id) { Click(Page(), id); }
void Click(HWND dialog, int id)
{
    if (HWND button = ClickableButton(dialog, id))
        SendMessageA(button, BM_CLICK, 0, 0);
}

void PostClick(int id) { PostClick(Page(), id); }
void PostClick(HWND dialog, int id)
{
    if (HWND button = ClickableButton(dialog, id))
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)button);
}

void Choose(int id, const char* text) { Choose(Page(), id, text); }
void Choose(HWND dialog, int id, const char* text)
{
    // The line of exactly that text: the boxes' own search ignores letter case.
    std::vector<std::string> items = Items(ControlOf(dialog, id));
    auto found = std::find(items.begin(), items.end(), std::string(text));
    if (found == items.end())
    {
        ADD_FAILURE() << "control " << id << " has no line \"" << text << "\"";
        return;
    }
    ChooseIndex(dialog, id, (int)(found - items.begin()));
}

void ChooseIndex(int id, int index) { ChooseIndex(Page(), id, index); }
void ChooseIndex(HWND dialog, int id, int index)
{
    HWND control = ControlOf(dialog, id);
    if (!CanUse(control))
    {
        ADD_FAILURE() << "control " << id << " cannot be chosen in: " << (control ? "hidden or disabled" : "missing");
        return;
    }
    bool combo = IsComboBox(control);
    SendMessageA(control, combo ? CB_SETCURSEL : LB_SETCURSEL, (WPARAM)index, 0);
    Notify(control, combo ? CBN_SELCHANGE : LBN_SELCHANGE);
}

void DoubleClick(int id, int index) { DoubleClick(Page(), id, index); }
void DoubleClick(HWND dialog, int id, int index)
{
    // No line: a double-click on the list's empty part below its lines.
    if (index >= 0)
        ChooseIndex(dialog, id, index);
    HWND control = ControlOf(dialog, id);
    if (CanUse(control))
        PostMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(id, LBN_DBLCLK), (LPARAM)control);
}

void ShowTab(int index)
{
    HWND sheet = Modal();
    if (!IsSheet(sheet))
    {
        ADD_FAILURE() << "no sheet to show page " << index << " of";
        return;
    }
    SendMessageA(sheet, PSM_SETCURSEL, (WPARAM)index, 0);
}

Step ShowTabTitled(std::string title)
{
    return [title] {
        std::vector<std::string> titles = TabTitles();
        auto found = std::find(titles.begin(), titles.end(), title);
        if (found == titles.end())
        {
            ADD_FAILURE() << "the sheet has no tab \"" << title << "\"";
            return;
        }
        ShowTab((int)(found - titles.begin()));
    };
}

int TabCount()
{
    HWND tab = (HWND)SendMessageA(Modal(), PSM_GETTABCONTROL, 0, 0);
    return tab != NULL ? (int)SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0) : 0;
}

std::vector<std::string> TabTitles()
{
    std::vector<std::string> titles;
    HWND tab = (HWND)SendMessageA(Modal(), PSM_GETTABCONTROL, 0, 0);
    int count = tab != NULL ? (int)SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0) : 0;
    for (int i = 0; i < count; ++i)
    {
        char text[128] = "";
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tab, TCM_GETITEMA, (WPARAM)i, (LPARAM)&item);
        titles.push_back(text);
    }
    return titles;
}

void Press(int psbtn)
{
    HWND sheet = Modal();
    if (!IsSheet(sheet))
    {
        ADD_FAILURE() << "no sheet to press button " << psbtn << " on";
        return;
    }
    if (!ButtonEnabled(psbtn))
    {
        ADD_FAILURE() << "sheet button " << psbtn << " is hidden or disabled";
        return;
    }
    PostMessageA(sheet, PSM_PRESSBUTTON, (WPARAM)psbtn, 0);
}

void PressKey(UINT vk)
{
    HWND open = Modal();
    if (open == NULL)
        return;
    HWND target = GetFocus();
    if (target == NULL || (target != open && !IsChild(open, target)))
        target = GetNextDlgTabItem(open, NULL, FALSE);
    if (target == NULL)
        target = open;
    UINT scan = MapVirtualKeyA(vk, 0);
    PostMessageA(target, WM_KEYDOWN, vk, 1 | (scan << 16));
    PostMessageA(target, WM_KEYUP, vk, 1 | (scan << 16) | (3u << 30));
}

void Ok()
{
    HWND open = Modal();
    if (IsSheet(open))
        Press(PSBTN_OK);
    else if (open != NULL)
        PostClick(open, IDOK);
}

void Cancel()
{
    HWND open = Modal();
    if (IsSheet(open))
        Press(PSBTN_CANCEL);
    else if (open != NULL)
        PostMessageA(open, WM_COMMAND, IDCANCEL, 0);
}

Step TypeInto(std::function<HWND()> where, std::string text, bool clear)
{
    struct Typing
    {
        HWND edit = NULL;
        size_t typed = 0;
    };
    auto typing = std::make_shared<Typing>();
    std::string keys = Keystrokes(text);
    return [where, keys, clear, typing]() -> bool {
        if (typing->edit == NULL)
        {
            HWND control = where();
            if (control != NULL && IsComboBox(control))
                control = FindWindowExA(control, NULL, "Edit", NULL);
            if (!CanUse(control))
                return false;   // not there yet
            typing->edit = control;
            SetFocus(control);
            if (clear)
            {
                SendMessageA(control, EM_SETSEL, 0, -1);
                SendMessageA(control, WM_CHAR, VK_BACK, 1);
            }
            return keys.empty();
        }
        if (!IsWindow(typing->edit))
        {
            ADD_FAILURE() << "the edit went while it was typed into";
            return true;
        }
        SendMessageA(typing->edit, WM_CHAR, (WPARAM)(unsigned char)keys[typing->typed], 1);
        return ++typing->typed == keys.size();
    };
}

Step Type(int id, std::string text)
{
    return TypeInto([id] { return ControlOf(Page(), id); }, std::move(text), true);
}

Step Type(HWND dialog, int id, std::string text)
{
    return TypeInto([dialog, id] { return ControlOf(dialog, id); }, std::move(text), true);
}

Step Keys(int id, std::string text)
{
    return TypeInto([id] { return ControlOf(Page(), id); }, std::move(text), false);
}

Step Paste(int id, std::string text)
{
    return [id, text]() -> bool {
        HWND edit = ControlOf(Page(), id);
        if (!CanUse(edit))
            return false;
        SetFocus(edit);
        SendMessageA(edit, EM_SETSEL, 0, -1);
        SendMessageA(edit, EM_REPLACESEL, TRUE, (LPARAM)text.c_str());
        return true;
    };
}

Step When(std::function<bool()> ready, std::function<void()> act)
{
    return [ready, act]() -> bool {
        if (!ready())
            return false;
        act();
        return true;
    };
}

Step OnPage(int id, std::function<void()> act)
{
    return When([id] { return ControlOf(Page(), id) != NULL; }, std::move(act));
}

Step OnDialog(const char* title, std::function<void()> act)
{
    std::string wanted = title;
    return When([wanted] { return WindowTitle(Modal()) == wanted; }, std::move(act));
}

} // namespace sheetdriver
