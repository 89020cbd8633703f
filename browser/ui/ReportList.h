// The few report-view list operations the member pages need.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace reportlist
{
void AddColumns(HWND list, const char* const* headings, int count);
// Appends a row: its item text, its item data, then sub-items 1, 2...
int AddRow(HWND list, const char* text, LPARAM data, const char* const* subItems = NULL, int subItemCount = 0);
void AutoSize(HWND list, int firstColumn, int lastColumn, int how = LVSCW_AUTOSIZE_USEHEADER);
}
