#include "authoring/PageSheet.h"

#include "authoring/ObjectPages.h"
#include "authoring/PagePages.h"
#include "authoring/ProjectInfPP.h"
#include "authoring/ProjectWizFinishPP.h"
#include "model/Browser.h"
#include "model/IdManager.h"
#include "model/PropertySheetHooks.h"

BOOL EditPageProperties(CBrowser* page, BOOL bNew)
{
    if (page == NULL)
        return FALSE;
    CObjectNamePP namePage;
    CObjectSizePP sizePage;
    CPageBorderPP borderPage;
    CPageTemplatePP templatePage;
    CPageBackgroundPP backgroundPage;
    CPageIconPP iconPage;
    CProjectInfPP infPage;
    CProjectWizFinishPP finishPage;

    CPropertySheet sheet("Page Properties");
    sheet.SetTitle("Page Properties", PSH_PROPTITLE);
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    if (bNew)
    {
        sheet.SetWizardMode();
        for (CObjectPropertyPage* p : std::initializer_list<CObjectPropertyPage*>{
                 &templatePage, &namePage, &sizePage, &backgroundPage, &finishPage })
        {
            p->m_bWizardMode = TRUE;
            sheet.AddPage(p);
        }
    }
    else
    {
        sheet.m_psh.dwFlags |= PSH_HASHELP;
        for (CPropertyPage* p : std::initializer_list<CPropertyPage*>{
                 &namePage, &sizePage, &borderPage, &templatePage, &backgroundPage, &iconPage, &infPage })
            sheet.AddPage(p);
    }

    namePage.m_strNoun = "page";
    namePage.m_strName = page->m_strTitle;
    namePage.m_strPageFileName = page->GetDataFileName();
    namePage.m_bMouseDrag = page->m_bMouseMove ? 1 : 0;
    sizePage.m_strNoun = "page";
    sizePage.m_bIsPage = TRUE;
    sizePage.m_mode = page->m_resize;
    sizePage.m_width = page->m_containerWidth;
    sizePage.m_height = page->m_containerHeight;
    sizePage.m_bAppbar = page->m_bAppbar ? 1 : 0;
    sizePage.m_edge = page->FindPositionIndex(page->m_strPosition);
    templatePage.m_strTemplate = page->m_strTemplate;
    templatePage.m_pBackgroundPage = &backgroundPage;
    templatePage.m_pPage = page;
    backgroundPage.m_strBackground = page->m_strWatermark;
    backgroundPage.m_bTiled = page->m_bTiled ? 1 : 0;
    iconPage.m_strIcon = page->m_strIcon;
    borderPage.m_transColor = page->m_transColor;
    // The page offers levels up to 200; a stored level above it would keep
    // the sheet from closing.
    BYTE level = (BYTE)(page->m_tolerance & 0xFF);
    borderPage.m_tolerance = level > 200 ? 200 : level;
    borderPage.m_windowType = page->m_windowType;

    const CStr watermarkBefore = page->m_strWatermark;
    INT_PTR result = sheet.DoModal();
    if (result != IDOK && result != ID_WIZFINISH)
    {
        page->m_strWatermark = watermarkBefore;
        return FALSE;
    }

    page->m_strWatermark = backgroundPage.m_strBackground;
    page->m_containerWidth = sizePage.m_width;
    page->m_containerHeight = sizePage.m_height;
    page->m_strTitle = namePage.m_strName;
    page->m_strIcon = iconPage.m_strIcon;
    page->m_bAppbar = sizePage.m_bAppbar > 0;
    page->m_bMouseMove = namePage.m_bMouseDrag == 1 && !page->m_bAppbar;
    page->m_resize = sizePage.m_mode;
    int edge = sizePage.m_edge;
    page->m_strPosition = edge >= 0 && edge <= 3 && !page->m_positionNames[edge].IsEmpty()
                              ? page->m_positionNames[edge]
                              : CStr("right");
    page->m_windowType = borderPage.m_windowType;
    page->m_bTiled = backgroundPage.m_bTiled != 0 && page->m_windowType != 3;
    page->m_tolerance = (COLORREF)borderPage.m_tolerance * 65793;
    page->m_transColor = borderPage.m_transColor;
    page->m_strTemplate = templatePage.m_strTemplate;

    if (page->m_strTitle.IsEmpty())
        page->m_strTitle = "Untitled";
    if (CIdManager* ids = page->GetIdManager())
        ids->Unregister(page->m_strId, page);
    page->RegisterId(page->m_strTitle);
    page->m_strTitle = page->m_strId;
    page->FreeBackground();
    return TRUE;
}

void InstallPageSheet()
{
    SetEditPageHook(EditPageProperties);
}
