#include "actions/ActiveXActionSheet.h"

BOOL RunActionSheet(const CScriptItem& action, CPropertySheet& sheet)
{
    sheet.SetTitle(action.GetName(), PSH_PROPTITLE);
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    return sheet.DoModal() != IDCANCEL;
}
