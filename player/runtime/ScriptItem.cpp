#include "ScriptItem.h"

#include "ConditionActions.h"
#include "DataFileActions.h"
#include "DeferredActions.h"
#include "InternalCommandAction.h"
#include "VariableActions.h"

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

// In the order the names are tested. CDeferredAction marks every action
// whose execution is still to come.
const ItemKind kItemKinds[] = {
    { "ShellExecute", Make<CDeferredAction> },
    { "LaunchHtml", Make<CDeferredAction> },
    { "OpenFolder", Make<CDeferredAction> },
    { "RunProgram", Make<CDeferredAction> },
    { "PlaySound", Make<CDeferredAction> },
    { "InternalCommand", Make<CInternalCommandAction> },
    { "DragFile", Make<CDeferredAction> },
    { "SetProperty", Make<CDeferredAction> },
    { "GetProperty", Make<CDeferredAction> },
    { "ExecuteGlobalScript", Make<CDeferredAction> },
    { "RegisterActiveX", Make<CDeferredAction> },
    { "PostMessage", Make<CDeferredAction> },
    { "CallActiveXMethod", Make<CDeferredAction> },
    { "SetVariable", Make<CSetVariableAction> },
    { "Create Variable", Make<CSetVariableAction> },
    { "Modify Variable", Make<CModifyVariableAction> },
    { "ELSE Statement", Make<CElseAction> },
    { "ENDIF Statement", Make<CEndIfAction> },
    { "IF/WHILE Statement", Make<CIfWhileAction> },
    { "LaunchInternetExplorer", Make<CDeferredAction> },
    { "SaveToFile", Make<CSaveToFileAction> },
    { "ReadFromFile", Make<CReadFromFileAction> },
    { "GetCookie", Make<CDeferredAction> },
    { "SetCookie", Make<CDeferredAction> },
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
