// The first page: the registered controls, their identifiers and server,
// Find, Unregister and the report.
#pragma once

#include "model/common/Str.h"
#include "platform/framework/Afx.h"
#include "platform/framework/PropertySheet.h"

class CControlCatalog;
class CZephraneApp;

class CControlsList : public CPropertyPage
{
public:
    CControlsList();

    int* m_pSelected;
    CControlCatalog* m_pCatalog;
    CZephraneApp* m_pApp;
    CStr m_strInfo;
    CStr m_strSearch;

    BOOL OnInitDialog() override;
    BOOL OnKillActive() override;
    void DoDataExchange(CDataExchange* pDX) override;

    // Adds every catalogue entry to the list, item data its index.
    void AddCatalogToList();
    void ShowProgress(const char* text);
    void OnSelChangeControls();

protected:
    void OnFind();
    void OnUnregisterControl();
    void OnSaveInfoToFile();
    LRESULT OnWalkNotice(WPARAM wParam, LPARAM lParam);
    void OnDestroy();

private:
    // The catalogue index of the list's selection, -1 without one or when
    // the item's data names no entry.
    int SelectedEntry() const;
    void SelectEntry(int index);

    DECLARE_MESSAGE_MAP()
};
