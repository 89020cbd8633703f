#include "player/runtime/ScriptItem.h"

#include "player/runtime/CallActiveXMethodAction.h"
#include "player/runtime/ConditionActions.h"
#include "player/runtime/CookieActions.h"
#include "player/runtime/DataFileActions.h"
#include "player/runtime/DragFileAction.h"
#include "player/runtime/InternalCommandAction.h"
#include "player/runtime/LaunchInternetExplorerAction.h"
#include "player/runtime/PlaySoundAction.h"
#include "player/runtime/PostMessageAction.h"
#include "player/runtime/PropertyActions.h"
#include "player/runtime/RegisterActiveXAction.h"
#include "player/runtime/ShellActions.h"
#include "player/runtime/VariableActions.h"

#include <string.h>

namespace Tarvex {

CScriptItem::CScriptItem(const char* typeName, const char* section, CElement* parent)
    : CElement(section, parent)
{
    m_typeText = "ScriptItem";
    m_name = typeName ? typeName : "";
}

CScriptItem::~CScriptItem()
{
}

BOOL CScriptItem::Load(const CDataFile& file)
{
    LoadAction(file, m_sectionName);
    return CElement::Load(file);
}

namespace {

template <class T>
CScriptItem* Make(const char* typeName, const char* section, CElement* parent)
{
    return new T(typeName, section, parent);
}

typedef CScriptItem* (*MakeFn)(const char*, const char*, CElement*);

struct ItemKind
{
    const char* typeName;
    MakeFn make;
};

// In the order the names are tested.
const ItemKind kItemKinds[] = {
    { "ShellExecute", Make<CShellOpenAction> },
    { "LaunchHtml", Make<CLaunchHtmlAction> },
    { "OpenFolder", Make<CShellOpenAction> },
    { "RunProgram", Make<CRunProgramAction> },
    { "PlaySound", Make<CPlaySoundAction> },
    { "InternalCommand", Make<CInternalCommandAction> },
    { "DragFile", Make<CDragAction> },
    { "SetProperty", Make<CSetPropertyAction> },
    { "GetProperty", Make<CGetPropertyAction> },
    { "ExecuteGlobalScript", Make<CExecuteGlobalScriptAction> },
    { "RegisterActiveX", Make<CRegisterActiveXAction> },
    { "PostMessage", Make<CPostMessageAction> },
    { "CallActiveXMethod", Make<CCallActiveXMethodAction> },
    { "SetVariable", Make<CSetVariableAction> },
    { "Create Variable", Make<CSetVariableAction> },
    { "Modify Variable", Make<CModifyVariableAction> },
    { "ELSE Statement", Make<CElseAction> },
    { "ENDIF Statement", Make<CEndIfAction> },
    { "IF/WHILE Statement", Make<CIfWhileAction> },
    { "LaunchInternetExplorer", Make<CLaunchInternetExplorerAction> },
    { "SaveToFile", Make<CSaveToFileAction> },
    { "ReadFromFile", Make<CReadFromFileAction> },
    { "GetCookie", Make<CGetCookie> },
    { "SetCookie", Make<CSetCookie> },
};

} // namespace

CScriptItem* CreateScriptItem(const char* typeName, const char* section, CElement* parent)
{
    if (!typeName)
        return NULL;
    for (const ItemKind& kind : kItemKinds)
    {
        if (strcmp(kind.typeName, typeName) == 0)
            return kind.make(typeName, section, parent);
    }
    return NULL;
}

} // namespace Tarvex
