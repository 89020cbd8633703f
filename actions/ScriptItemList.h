// The list from which the author picks an action to add to a script.
#pragma once

#include <windows.h>

// One item per action type in table order, text its display name, item
// data its row; a "PreLoad" script (any letter case) lists only the rows
// it offers.
void FillActionTypeList(HWND listBox, const char* scriptName);
