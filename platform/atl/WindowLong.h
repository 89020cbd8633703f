// Changing a window's style bits, shared by our two window layers.
#pragma once

#include <windows.h>

// Clears remove and sets add in the window long at index; SetWindowPos
// with flags when flags is not 0. FALSE when nothing changed.
inline BOOL ModifyWindowLong(HWND window, int index, DWORD remove, DWORD add, UINT flags)
{
    DWORD old = (DWORD)::GetWindowLongA(window, index);
    DWORD now = (old & ~remove) | add;
    if (now == old)
        return FALSE;
    ::SetWindowLongA(window, index, (LONG)now);
    if (flags != 0)
        ::SetWindowPos(window, NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    return TRUE;
}
