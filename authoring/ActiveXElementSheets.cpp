#include "authoring/ActiveXElementSheets.h"

#include "actions/ControlPicker.h"
#include "authoring/ObjectPages.h"
#include "model/Browser.h"
#include "model/EditorServices.h"
#include "model/IdManager.h"
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

BOOL EditActiveXObjectProperties(CActiveXElement* control, CLumbrookConfigDoc* document)
{
    if (!control)
        return FALSE;
    CObjectNamePP namePage;
    CObjectSizePP sizePage;
    CObjectPositionPP positionPage;
    CObjectTreePP treePage;
    namePage.m_strNoun = "ActiveX control";
    sizePage.m_strNoun = "ActiveX control";
    positionPage.m_strNoun = "ActiveX control";
    namePage.m_strName = control->GetId();
    sizePage.m_width = control->m_width;
    sizePage.m_height = control->m_height;
    // The control's own extent is the size the page can restore.
    sizePage.m_bRestoreAvailable = 1;
    sizePage.m_restoreWidth = control->m_naturalWidth;
    sizePage.m_restoreHeight = control->m_naturalHeight;
    sizePage.m_mode = control->m_resize;
    positionPage.m_x = control->m_xpos;
    positionPage.m_y = control->m_ypos;
    positionPage.m_mode = control->m_reposition;
    treePage.m_pObject = control;
    treePage.m_pDocument = document;

    CPropertySheet sheet("");
    sheet.SetTitle("ActiveX", PSH_PROPTITLE);
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    sheet.AddPage(&namePage);
    sheet.AddPage(&sizePage);
    sheet.AddPage(&positionPage);
    sheet.AddPage(&treePage);
    if (sheet.DoModal() != IDOK)
        return FALSE;
    control->m_xpos = positionPage.m_x;
    control->m_ypos = positionPage.m_y;
    control->m_width = sizePage.m_width;
    control->m_height = sizePage.m_height;
    control->m_resize = sizePage.m_mode;
    control->m_reposition = positionPage.m_mode;
    CBrowser* page = control->GetPage();
    CIdManager* ids = page ? page->GetIdManager() : GetActiveIdManager();
    if (ids)
        ids->Unregister(control->GetId(), control);
    control->RegisterId(namePage.m_strName);
    return TRUE;
}

void InstallActiveXElementSheets()
{
    SetEditActiveXHook(EditActiveXElementProperties);
}
