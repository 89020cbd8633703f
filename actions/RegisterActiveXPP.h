// CRegisterActiveXPP: the page of the Register ActiveX Control action: the
// server file, register or unregister, copy into the system folder, and a
// picker of the controls registered on the author's machine.
#pragma once

#include "model/store/ControlCatalog.h"
#include "platform/framework/Afx.h"
#include "platform/framework/PropertySheet.h"

class CRegisterActiveXPP : public CPropertyPage
{
public:
    // NULL: the program's catalogue for "Select Control".
    explicit CRegisterActiveXPP(CControlCatalog* catalog = NULL);

    CStr m_strCLSID;
    CStr m_strFilename;
    int m_unregister;     // radio 0 Register, 1 Unregister
    int m_copyToSystem;   // check box

    // Takes a catalogue entry's class ID and server file (quotes around the
    // path removed); an entry without a server path keeps the file text.
    void TakeCatalogEntry(const CControlCatalogEntry& entry);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnBrowse();
    void OnRegisterChosen();
    void OnUnregisterChosen();
    void OnSelectControl();
    DECLARE_MESSAGE_MAP()

private:
    void ShowRegisterState(BOOL registering);

    CControlCatalog* m_pCatalog;
};

// A server path without the quotes that registry entries may put around it.
CStr StripServerPathQuotes(const char* path);
