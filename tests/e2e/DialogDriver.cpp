#include "tests/e2e/DialogDriver.h"

#include <algorithm>

#include <commctrl.h>
#include <dlgs.h>
#include <prsht.h>
#include <vector>

namespace
{
std::string TextOf(HWND window)
{
    char text[512] = "";
    DWORD_PTR got = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, (LPARAM)text, SMTO_ABORTIFHUNG, 5000, &got);
    return text;
}

struct DialogSearch
{
    DWORD processId;
    const char* title;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM param)
{
    DialogSearch* search = reinterpret_cast<DialogSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->processId || !IsWindowVisible(window))
        return TRUE;
    char cls[32] = "";
    GetClassNameA(window, cls, sizeof cls);
    if (lstrcmpA(cls, "#32770") != 0)
        return TRUE;
    if (search->title != NULL && TextOf(window) != search->title)
        return TRUE;
    search->found = window;
    return FALSE;
}
}

HWND FindProcessDialog(DWORD processId, const char* title)
{
    DialogSearch search = { processId, title, NULL };
    EnumWindows(MatchDialog, (LPARAM)&search);
    return search.found;
}

HWND WaitForProcessDialog(DWORD processId, const char* title, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;)
    {
        HWND found = FindProcessDialog(processId, title);
        if (found != NULL || GetTickCount() - start > timeoutMs)
            return found;
        Sleep(20);
    }
}

bool WaitUntilGone(HWND window, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (IsWindow(window) && IsWindowVisible(window))
    {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(20);
    }
    return true;
}

std::string DialogItemText(HWND dialog, int id)
{
    HWND item = GetDlgItem(dialog, id);
    return item != NULL ? TextOf(item) : std::string();
}

bool SetDialogItemText(HWND dialog, int id, const char* text)
{
    HWND item = GetDlgItem(dialog, id);
    if (item == NULL)
        return false;
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(item, WM_SETTEXT, 0, (LPARAM)text, SMTO_ABORTIFHUNG, 5000, &result) != 0;
}

bool PressDialogButton(HWND dialog, int id)
{
    if (dialog == NULL)
        return false;
    return PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id)) != FALSE;
}

bool PressSheetButton(HWND sheet, int button)
{
    return sheet != NULL && PostMessageA(sheet, PSM_PRESSBUTTON, (WPARAM)button, 0) != FALSE;
}

HWND SheetCurrentPage(HWND sheet)
{
    DWORD_PTR page = 0;
    SendMessageTimeoutA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0, SMTO_ABORTIFHUNG, 5000, &page);
    return (HWND)page;
}

namespace {

struct SheetSearch
{
    DWORD processId;
    int controlId;
    HWND found;
};

BOOL CALLBACK FindSheetShowing(HWND window, LPARAM lParam)
{
    SheetSearch* search = (SheetSearch*)lParam;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (owner != search->processId || !IsWindowVisible(window) || strcmp(name, "#32770") != 0 ||
        FindWindowExA(window, NULL, "SysTabControl32", NULL) == NULL)
        return TRUE;
    HWND page = SheetCurrentPage(window);
    if (page != NULL && GetDlgItem(page, search->controlId) != NULL)
    {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND WaitForSheetShowing(DWORD processId, int controlId, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;)
    {
        SheetSearch search = { processId, controlId, NULL };
        EnumWindows(FindSheetShowing, (LPARAM)&search);
        if (search.found != NULL || GetTickCount() - start > timeoutMs)
            return search.found;
        Sleep(20);
    }
}

HWND ShowSheetPageWith(HWND sheet, std::initializer_list<int> controlIds)
{
    DWORD_PTR answer = 0;
    HWND tab = NULL;
    if (SendMessageTimeoutA(sheet, PSM_GETTABCONTROL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer))
        tab = (HWND)answer;
    int count = tab != NULL ? (int)SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0) : 0;
    for (int i = 0; i < count; ++i)
    {
        SendMessageTimeoutA(sheet, PSM_SETCURSEL, (WPARAM)i, 0, SMTO_ABORTIFHUNG, 5000, &answer);
        HWND page = SheetCurrentPage(sheet);
        bool all = page != NULL;
        for (int id : controlIds)
            all = all && GetDlgItem(page, id) != NULL;
        if (all)
            return page;
    }
    return NULL;
}

bool ClickDialogButton(HWND dialog, int id)
{
    HWND button = GetDlgItem(dialog, id);
    DWORD_PTR answer = 0;
    return button != NULL && IsWindowEnabled(button) && IsWindowVisible(button) &&
           SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer) != 0;
}

std::vector<std::string> ListBoxLines(HWND list)
{
    std::vector<std::string> lines;
    const int count = (int)SendMessageA(list, LB_GETCOUNT, 0, 0);
    // Room beyond the line's length: the reply of another process is
    // copied in as it comes.
    std::vector<wchar_t> text(8192, L'\0');
    for (int i = 0; i < count; i++)
    {
        std::fill(text.begin(), text.end(), L'\0');
        SendMessageW(list, LB_GETTEXT, i, (LPARAM)text.data());
        text.back() = L'\0';
        char line[8192] = "";
        WideCharToMultiByte(CP_ACP, 0, text.data(), -1, line, sizeof line, NULL, NULL);
        lines.push_back(line);
    }
    return lines;
}

bool AnswerFileDialog(HWND dialog, const char* path)
{
    if (dialog == NULL)
        return false;
    if (path == NULL)
        return PressDialogButton(dialog, IDCANCEL);
    // Explorer-style dialogs name the file in combo cmb13, older ones in edt1.
    if (!SetDialogItemText(dialog, cmb13, path) && !SetDialogItemText(dialog, edt1, path))
        return false;
    return PressDialogButton(dialog, IDOK);
}

bool AnswerColorDialog(HWND dialog, bool ok)
{
    return PressDialogButton(dialog, ok ? IDOK : IDCANCEL);
}

bool AnswerFontDialog(HWND dialog, const char* face, const char* points)
{
    if (dialog == NULL)
        return false;
    if (face != NULL && !SetDialogItemText(dialog, cmb1, face))
        return false;
    if (points != NULL && !SetDialogItemText(dialog, cmb3, points))
        return false;
    return PressDialogButton(dialog, IDOK);
}
