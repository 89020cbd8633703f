#include "actions/ScriptItemList.h"

#include "actions/ActionPageSupport.h"
#include "actions/ActionTypes.h"

void FillActionTypeList(HWND listBox, const char* scriptName)
{
    const BOOL preLoad = IsPreLoadScriptName(scriptName);
    for (int row = 0; row < GetActionTypeCount(); ++row)
    {
        const CScriptItemType* type = GetActionType(row);
        if (type == NULL || (preLoad && !type->offeredInPreLoad))
            continue;
        LRESULT index = ::SendMessageA(listBox, LB_ADDSTRING, 0, (LPARAM)LoadResourceText(type->stringId).c_str());
        if (index >= 0)
            ::SendMessageA(listBox, LB_SETITEMDATA, (WPARAM)index, (LPARAM)row);
    }
}
