#include "ActionSupport.h"

#include "DataFileActionRecords.h"
#include "EditorServices.h"

void InitActionNames(CScriptItem& item, const char* typeName)
{
    item.SetName(typeName);
    item.SetType("ScriptItem");
}

CStr GetActionTempFolder()
{
    IEditorServices* services = GetEditorServices();
    return services ? services->GetTempFolder() : GetTemporaryFolder();
}
