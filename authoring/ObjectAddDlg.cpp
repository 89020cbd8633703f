#include "authoring/ObjectAddDlg.h"

#include "resources/LumbrookConfigIds.h"
#include "resources/editor/ObjectPagesIds.h"

namespace {

const struct
{
    UINT textId;
    UINT command;
} kObjectKinds[] = {
    { IDS_OBJECT_BUTTON, 32775 },
    { IDS_OBJECT_IMAGE, 57645 },
    { IDS_OBJECT_TEXT, 57646 },
    { IDS_OBJECT_ACTIVEX, 57647 },
};

} // namespace

BEGIN_MESSAGE_MAP(CObjectAddDlg, CDialog)
    ON_LBN_DBLCLK(IDC_OBJECT_TYPES, OnListDoubleClick)
END_MESSAGE_MAP()

CObjectAddDlg::CObjectAddDlg(CWnd* parent)
    : CDialog(IDD_OBJECT_ADD, parent), m_placement(), m_hCommandTarget(NULL), m_command(0)
{
}

BOOL CObjectAddDlg::OnInitDialog()
{
    HWND list = ::GetDlgItem(m_hWnd, IDC_OBJECT_TYPES);
    for (const auto& kind : kObjectKinds)
    {
        char text[64] = "";
        ::LoadStringA(AfxGetResourceHandle(), kind.textId, text, sizeof text);
        LRESULT index = ::SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)text);
        if (index >= 0)
            ::SendMessageA(list, LB_SETITEMDATA, (WPARAM)index, (LPARAM)kind.command);
    }
    if (!::IsRectEmpty(&m_placement))
    {
        RECT own;
        ::GetWindowRect(m_hWnd, &own);
        int width = own.right - own.left;
        int height = own.bottom - own.top;
        int x = m_placement.left + (m_placement.right - m_placement.left - width) / 2;
        int y = m_placement.bottom - height;
        ::SetWindowPos(m_hWnd, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return CDialog::OnInitDialog();
}

void CObjectAddDlg::DoDataExchange(CDataExchange* pDX)
{
    if (!pDX->m_bSaveAndValidate)
        return;
    HWND list = ::GetDlgItem(m_hWnd, IDC_OBJECT_TYPES);
    LRESULT selected = ::SendMessageA(list, LB_GETCURSEL, 0, 0);
    m_command = selected == LB_ERR ? 0 : (UINT)::SendMessageA(list, LB_GETITEMDATA, (WPARAM)selected, 0);
}

BOOL CObjectAddDlg::Insert()
{
    if (!UpdateData(TRUE) || m_command == 0)
        return FALSE;
    HWND target = m_hCommandTarget;
    if (target == NULL && AfxGetMainWnd() != NULL)
        target = AfxGetMainWnd()->m_hWnd;
    if (target != NULL)
        ::PostMessageA(target, WM_COMMAND, MAKEWPARAM(m_command, 0), 0);
    ::SendDlgItemMessageA(m_hWnd, IDC_OBJECT_TYPES, LB_SETCURSEL, (WPARAM)-1, 0);
    ::SetDlgItemTextA(m_hWnd, IDCANCEL, "Done");
    return TRUE;
}

void CObjectAddDlg::OnOK()
{
    // With no line chosen OK inserts nothing but still closes, as the
    // author asked.
    Insert();
    EndDialog(IDOK);
}

void CObjectAddDlg::OnListDoubleClick()
{
    Insert();
}
