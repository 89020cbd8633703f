#include "tests/e2e/DialogDriver.h"

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

bool TypeDialogItemText(HWND dialog, int id, const char* text)
{
    HWND item = GetDlgItem(dialog, id);
    if (item == NULL)
        return false;
    DWORD_PTR result = 0;
    auto send = [&](UINT message, WPARAM wParam, LPARAM lParam) {
        return SendMessageTimeoutA(item, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result) != 0;
    };
    if (!send(EM_SETSEL, 0, -1) || !send(WM_CHAR, VK_BACK, 0))
        return false;
    for (const char* c = text; *c; ++c)
        if (!send(WM_CHAR, (WPARAM)(unsigned char)*c, 0))
            return false;
    return true;
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
