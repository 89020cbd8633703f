// CProjectWizFinishPP: the last page of the page-creation wizard, which can
// open "Insert New Objects" below the sheet.
#pragma once

#include "authoring/ObjectPages.h"

class CProjectWizFinishPP : public CObjectPropertyPage
{
public:
    CProjectWizFinishPP();

    BOOL OnSetActive() override;

    // Where the insert dialog sends its commands; NULL: the main window.
    HWND m_hCommandTarget;

protected:
    void OnAddObjectsNow();
    DECLARE_MESSAGE_MAP()
};
