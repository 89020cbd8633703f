// CObjectAddDlg: "Insert New Objects", the list of object kinds that the
// main frame's Insert commands add to the page.
#pragma once

#include "platform/framework/Afx.h"
#include "platform/framework/Dialog.h"

class CObjectAddDlg : public CDialog
{
public:
    explicit CObjectAddDlg(CWnd* parent = NULL);

    // Where to sit: centred on it, bottom edges together; empty: anywhere.
    RECT m_placement;
    // Receives the Insert commands; NULL: the application's main window.
    HWND m_hCommandTarget;
    // The selected line's command id after an exchange; 0 for none.
    UINT m_command;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnListDoubleClick();
    DECLARE_MESSAGE_MAP()

private:
    // Posts the chosen line's command; FALSE when no line is chosen.
    BOOL Insert();
};
