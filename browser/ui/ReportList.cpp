#include "browser/ui/ReportList.h"

namespace reportlist
{
void AddColumns(HWND list, const char* const* headings, int count)
{
    for (int i = 0; i < count; i++)
    {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM | LVCF_FMT;
        column.fmt = LVCFMT_LEFT;
        column.cx = 60;
        column.pszText = (char*)headings[i];
        column.iSubItem = i;
        ::SendMessageA(list, LVM_INSERTCOLUMNA, (WPARAM)i, (LPARAM)&column);
    }
    AutoSize(list, 0, count - 1);
}

int AddRow(HWND list, const char* text, LPARAM data, const char* const* subItems, int subItemCount)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = (int)::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
    item.pszText = (char*)text;
    item.lParam = data;
    const int row = (int)::SendMessageA(list, LVM_INSERTITEMA, 0, (LPARAM)&item);
    if (row < 0)
        return row;
    for (int i = 0; i < subItemCount; i++)
    {
        LVITEMA sub = {};
        sub.iSubItem = i + 1;
        sub.pszText = (char*)subItems[i];
        ::SendMessageA(list, LVM_SETITEMTEXTA, (WPARAM)row, (LPARAM)&sub);
    }
    return row;
}

void AutoSize(HWND list, int firstColumn, int lastColumn, int how)
{
    for (int i = firstColumn; i <= lastColumn; i++)
        ::SendMessageA(list, LVM_SETCOLUMNWIDTH, (WPARAM)i, MAKELPARAM(how, 0));
}
}
