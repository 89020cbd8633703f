// CEventAddDlg: "Add Events", the object's events that have no script yet;
// each one added gets an empty script.
#pragma once

#include "platform/framework/Afx.h"
#include "platform/framework/Dialog.h"

class CLumbrookConfigDoc;
class CScriptableObject;

class CEventAddDlg : public CDialog
{
public:
    explicit CEventAddDlg(CWnd* parent = NULL);

    CLumbrookConfigDoc* m_pDocument;
    CScriptableObject* m_pObject;
    CStr m_strNoun;
    BOOL m_bCanAdd;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnListDoubleClick();
    DECLARE_MESSAGE_MAP()

private:
    void AddSelectedEvent();
};
