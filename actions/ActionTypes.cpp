#include "actions/ActionTypes.h"

#include "actions/CallActiveXMethodAction.h"
#include "actions/ConditionActions.h"
#include "actions/CookieActions.h"
#include "actions/DataFileActions.h"
#include "actions/PropertyActions.h"
#include "actions/RegisterActiveXAction.h"
#include "actions/ShellActions.h"
#include "actions/VariableActions.h"
#include "actions/WindowScriptActions.h"

#include "model/SetPropertyHooks.h"

#include <new>
#include <string.h>

template <class T>
static CScriptItem* MakeAction()
{
    return new (std::nothrow) T();
}

static const CScriptItemType s_rows[] = {
    { 61291, "OpenFolder", MakeAction<COpenFolderAction>, TRUE },
    { 61292, "PlaySound", MakeAction<CPlaySoundAction>, TRUE },
    { 61290, "LaunchHtml", MakeAction<CLaunchHtmlAction>, TRUE },
    { 61285, "RunProgram", MakeAction<CRunProgramAction>, TRUE },
    { 61287, "SetProperty", MakeAction<CSetPropertyAction>, FALSE },
    { 61286, "GetProperty", MakeAction<CGetPropertyAction>, FALSE },
    { 61288, "Create Variable", MakeAction<CSetVariableAction>, FALSE },
    { 61310, "Modify Variable", MakeAction<CModifyVariableAction>, FALSE },
    { 61293, "InternalCommand", MakeAction<CInternalCommandAction>, TRUE },
    { 61289, "ShellExecute", MakeAction<CShellExecuteAction>, TRUE },
    { 61296, "CallActiveXMethod", MakeAction<CCallActiveXMethodAction>, FALSE },
    { 61322, "RegisterActiveX", MakeAction<CRegisterActiveXAction>, TRUE },
    { 61328, "SaveToFile", MakeAction<CSaveToFileAction>, TRUE },
    { 61329, "ReadFromFile", MakeAction<CReadFromFileAction>, FALSE },
    { 61330, "GetCookie", MakeAction<CGetCookie>, FALSE },
    { 61331, "SetCookie", MakeAction<CSetCookie>, FALSE },
    { 61295, "PostMessage", MakeAction<CPostMessageAction>, FALSE },
    { 61299, "IF/WHILE Statement", MakeAction<CIfWhileAction>, FALSE },
    { 61297, "ELSE Statement", MakeAction<CElseAction>, FALSE },
    { 61298, "ENDIF Statement", MakeAction<CEndIfAction>, FALSE },
};

static const int kRowCount = sizeof(s_rows) / sizeof(s_rows[0]);

struct StoredTypeName
{
    const char* typeName;
    ActionFactoryFn factory;
};

// The names a script loads, in the order they are tried.
static const StoredTypeName s_storedNames[] = {
    { "ShellExecute", MakeAction<CShellExecuteAction> },
    { "RegisterActiveX", MakeAction<CRegisterActiveXAction> },
    { "LaunchHtml", MakeAction<CLaunchHtmlAction> },
    { "OpenFolder", MakeAction<COpenFolderAction> },
    { "RunProgram", MakeAction<CRunProgramAction> },
    { "PlaySound", MakeAction<CPlaySoundAction> },
    { "InternalCommand", MakeAction<CInternalCommandAction> },
    { "SetProperty", MakeAction<CSetPropertyAction> },
    { "GetProperty", MakeAction<CGetPropertyAction> },
    { "ExecuteGlobalScript", MakeAction<CExecuteGlobalScriptAction> },
    { "PostMessage", MakeAction<CPostMessageAction> },
    { "CallActiveXMethod", MakeAction<CCallActiveXMethodAction> },
    { "SetVariable", MakeAction<CSetVariableAction> },
    { "Create Variable", MakeAction<CSetVariableAction> },
    { "Modify Variable", MakeAction<CModifyVariableAction> },
    { "ELSE Statement", MakeAction<CElseAction> },
    { "ENDIF Statement", MakeAction<CEndIfAction> },
    { "IF/WHILE Statement", MakeAction<CIfWhileAction> },
    { "SaveToFile", MakeAction<CSaveToFileAction> },
    { "ReadFromFile", MakeAction<CReadFromFileAction> },
    { "GetCookie", MakeAction<CGetCookie> },
    { "SetCookie", MakeAction<CSetCookie> },
};

// The model's view of Set Property actions: it checks the target itself
// and hands over names it has already imported.
static BOOL GetSetPropertySource(const CScriptItem* item, CStr& source)
{
    const CSetPropertyAction* action = dynamic_cast<const CSetPropertyAction*>(item);
    return action != NULL && action->GetSourceAssignment(source);
}

static BOOL SetSetPropertySource(CScriptItem* item, const char* storedName)
{
    CSetPropertyAction* action = dynamic_cast<CSetPropertyAction*>(item);
    if (action == NULL)
        return FALSE;
    action->SetSourceAssignment(storedName);
    return TRUE;
}

static BOOL MarkSetPropertyTargets(CScriptItem* item, CElementContainer* page)
{
    CSetPropertyAction* action = dynamic_cast<CSetPropertyAction*>(item);
    if (action == NULL)
        return FALSE;
    action->MarkTargetProperties(page);
    return TRUE;
}

void BuildActionTypeTable()
{
    SetScriptItemFactory(CreateActionForTypeName);
    const SetPropertyHooks hooks = { GetSetPropertySource, SetSetPropertySource, MarkSetPropertyTargets };
    SetSetPropertyHooks(&hooks);
}

int GetActionTypeCount()
{
    return kRowCount;
}

const CScriptItemType* GetActionType(int row)
{
    return row >= 0 && row < kRowCount ? &s_rows[row] : NULL;
}

BOOL IsPreLoadScriptName(const char* scriptName)
{
    return scriptName && lstrcmpiA(scriptName, "PreLoad") == 0;
}

CScriptItem* CreateActionForTypeName(const char* typeName)
{
    if (!typeName)
        return NULL;
    for (size_t i = 0; i < sizeof(s_storedNames) / sizeof(s_storedNames[0]); i++)
    {
        if (strcmp(typeName, s_storedNames[i].typeName) != 0)
            continue;
        CScriptItem* item = s_storedNames[i].factory();
        if (item)
            item->SetName(typeName);
        return item;
    }
    return NULL;
}
