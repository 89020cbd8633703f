#include "authoring/ActiveXElementSheets.h"

#include "actions/ControlPicker.h"
#include "model/ActiveXElement.h"
#include "model/PropertySheetHooks.h"

BOOL EditActiveXElementProperties(CActiveXElement* control, BOOL bNew)
{
    if (!control)
        return FALSE;
    if (!bNew)
        return EditActiveXObjectProperties(control);
    CControlCatalog& catalog = GetControlCatalog();
    int index = PickRegisteredControl(NULL, &catalog);
    if (index < 0)
        return FALSE;
    catalog.ReadControlServerInfo(index);
    const CControlCatalogEntry* entry = catalog.GetEntry(index);
    control->m_strCLSID = entry->GetClassId();
    control->m_strProgID = entry->GetProgId();
    control->m_strCaption = control->m_strProgID;
    control->FitCaptionFont();
    return control->CreateControl();
}

BOOL EditActiveXObjectProperties(CActiveXElement*)
{
    return FALSE;
}

void InstallActiveXElementSheets()
{
    SetEditActiveXHook(EditActiveXElementProperties);
}
