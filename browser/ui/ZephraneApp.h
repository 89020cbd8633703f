// The controls browser's application: it owns the model (the catalogue,
// the selected entry, the selected control's members and the walk) and runs
// the sheet of four pages as its main window.
#pragma once

#include "browser/ControlMembers.h"
#include "browser/ControlWalk.h"
#include "model/store/ControlCatalog.h"
#include "platform/framework/Afx.h"
#include "platform/framework/PropertySheet.h"

class CControlsList;

// Posted by the walk to the list page (wParam kWalkProgress or kWalkDone).
const UINT kWalkMessage = WM_APP + 1;

class CZephraneApp : public CWinApp
{
public:
    CZephraneApp();
    ~CZephraneApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;

    // Fills the page's list from the catalogue, or starts the walk when it is empty.
    void FillControlList(CControlsList* page);
    // After the walk's last notice: its sorted list becomes the catalogue.
    BOOL TakeWalkResult();
    // The selected entry's members; FALSE (after telling the user) when the
    // control cannot be read.
    BOOL LoadSelectedControl();
    void SaveReport(HWND owner);

    int m_nSelected;
    CControlCatalog m_catalog;
    CControlMembers m_members;
    CControlWalk m_walk;
    BOOL m_bComInitialized;

private:
    BOOL InitComModule();
};
