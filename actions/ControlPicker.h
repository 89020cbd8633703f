// ActiveX_PP: the page with which the author picks one of the ActiveX
// controls registered on the machine, from the catalogue that lives for the
// whole program. It runs alone in a wizard sheet; its result is the chosen
// catalogue index. A new ActiveX element and the Register ActiveX page use it.
#pragma once

#include "model/store/ControlCatalog.h"
#include "platform/framework/Afx.h"
#include "platform/framework/PropertySheet.h"

// The program's catalogue of registered controls, built by the first picker
// that finds it empty and kept (with the server details read so far).
CControlCatalog& GetControlCatalog();

// The entry Find stops at: from start on, round to the first entry and up to
// start, the first whose display name, ProgID or class ID holds text (case
// matters); -1 without a hit, for an empty text or an empty catalogue.
int FindControlEntry(const CControlCatalog& catalog, const char* text, int start);

class ActiveX_PP : public CPropertyPage
{
public:
    // NULL: the program's catalogue.
    explicit ActiveX_PP(CControlCatalog* catalog = NULL);

    // -1 until the sheet finishes with a line selected.
    int m_selection;
    CStr m_strInfo;
    CStr m_strSearch;   // a caller may preset it before the sheet opens

    CControlCatalog& GetCatalog() { return *m_pCatalog; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnSetActive() override;
    BOOL OnWizardFinish() override;
    void OnFind();
    void OnSelectionChange();
    DECLARE_MESSAGE_MAP()

private:
    void Fill();
    void Show();
    // The catalogue index of the selected line; -1 when none is selected.
    int GetSelectedIndex() const;
    void SetFinishButton();

    CControlCatalog* m_pCatalog;
};

// Runs the picker in a wizard sheet without Apply, the search text preset
// (NULL or empty: none). The chosen catalogue index, or -1 when the sheet
// was cancelled or nothing was chosen.
int PickRegisteredControl(const char* search, CControlCatalog* catalog = NULL);
