#include "authoring/EventAddDlg.h"

#include "authoring/LumbrookConfigDoc.h"
#include "authoring/ObjectPages.h"
#include "model/Script.h"
#include "model/ScriptableObject.h"
#include "resources/editor/ObjectPagesIds.h"

BEGIN_MESSAGE_MAP(CEventAddDlg, CDialog)
    ON_LBN_DBLCLK(IDC_EVENT_LIST, OnListDoubleClick)
END_MESSAGE_MAP()

CEventAddDlg::CEventAddDlg(CWnd* parent)
    : CDialog(IDD_EVENT_ADD, parent), m_pDocument(NULL), m_pObject(NULL), m_strNoun("Object"), m_bCanAdd(TRUE)
{
}

BOOL CEventAddDlg::OnInitDialog()
{
    if (m_pObject == NULL)
    {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    char format[256] = "";
    ::GetDlgItemTextA(m_hWnd, IDC_NOUN_TEXT, format, sizeof format);
    ::SetDlgItemTextA(m_hWnd, IDC_NOUN_TEXT, FormatWithNoun(format, m_strNoun).c_str());
    HWND list = ::GetDlgItem(m_hWnd, IDC_EVENT_LIST);
    m_pObject->FillEventList(list);
    if (::SendMessageA(list, LB_GETCOUNT, 0, 0) <= 0)
    {
        ::SendMessageA(list, LB_ADDSTRING, 0, (LPARAM) "<all events for this item are in use>");
        m_bCanAdd = FALSE;
    }
    return CDialog::OnInitDialog();
}

void CEventAddDlg::AddSelectedEvent()
{
    HWND list = ::GetDlgItem(m_hWnd, IDC_EVENT_LIST);
    LRESULT selected = ::SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (!m_bCanAdd || selected == LB_ERR)
        return;
    LRESULT length = ::SendMessageA(list, LB_GETTEXTLEN, (WPARAM)selected, 0);
    if (length <= 0)
        return;
    CStr event;
    {
        std::string text((size_t)length + 1, '\0');
        ::SendMessageA(list, LB_GETTEXT, (WPARAM)selected, (LPARAM)&text[0]);
        event = text.c_str();
    }
    CScript* script = CreateScript();
    script->m_strName = event;
    if (!m_pObject->AddChild(script))
    {
        delete script;
        return;
    }
    ::SendMessageA(list, LB_DELETESTRING, (WPARAM)selected, 0);
    ::SetDlgItemTextA(m_hWnd, IDCANCEL, "Done");
    if (m_pDocument)
    {
        m_pDocument->UpdateAllViews(NULL, HintAdded, script);
        m_pDocument->RecordChange();
    }
}

void CEventAddDlg::OnOK()
{
    AddSelectedEvent();
    EndDialog(IDOK);
}

void CEventAddDlg::OnListDoubleClick()
{
    AddSelectedEvent();
}
