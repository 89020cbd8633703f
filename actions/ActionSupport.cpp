#include "actions/ActionSupport.h"

#include "actions/records/DataFileActionRecords.h"
#include "model/EditorServices.h"

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
