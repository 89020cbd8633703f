#include "actions/WindowScriptPages.h"

#include "actions/WindowScriptActions.h"
#include "resources/editor/ActionPagesBIds.h"

namespace {

const char* const kCommands[] = { "ChangePage", "NextPage", "PrevPage", "Minimize", "Exit" };

} // namespace

BEGIN_MESSAGE_MAP(CInternalCommandCfg, CWizPropertyPage)
    ON_LBN_DBLCLK(IDC_COMMAND_LIST, OnCommandDoubleClick)
END_MESSAGE_MAP()

CInternalCommandCfg::CInternalCommandCfg() : CWizPropertyPage(IDD_INTERNAL_COMMAND_CFG)
{
}

int CInternalCommandCfg::GetCommandCount()
{
    return (int)(sizeof(kCommands) / sizeof(kCommands[0]));
}

const char* CInternalCommandCfg::GetCommandText(int row)
{
    return row >= 0 && row < GetCommandCount() ? kCommands[row] : "";
}

BOOL CInternalCommandCfg::OnInitDialog()
{
    HWND list = ::GetDlgItem(m_hWnd, IDC_COMMAND_LIST);
    for (const char* command : kCommands)
        ::SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)command);
    return CWizPropertyPage::OnInitDialog();
}

void CInternalCommandCfg::DoDataExchange(CDataExchange* pDX)
{
    HWND list = ::GetDlgItem(m_hWnd, IDC_COMMAND_LIST);
    if (pDX->m_bSaveAndValidate)
    {
        LRESULT selected = ::SendMessageA(list, LB_GETCURSEL, 0, 0);
        m_record.command = selected == LB_ERR ? "" : GetCommandText((int)selected);
    }
    else
    {
        // The stored command by its whole name: a stored "Next" is no
        // "NextPage", and OK must not turn it into one.
        int found = -1;
        for (int row = 0; row < GetCommandCount() && found < 0; ++row)
        {
            if (m_record.command == kCommands[row])
                found = row;
        }
        ::SendMessageA(list, LB_SETCURSEL, (WPARAM)found, 0);
    }
    DDX_Text(pDX, IDC_COMMAND_PARAMETERS, m_record.parameters);
}

void CInternalCommandCfg::OnCommandDoubleClick()
{
    ::SendMessageA(::GetParent(m_hWnd), PSM_PRESSBUTTON, PSBTN_OK, 0);
}

// ---------------------------------------------------------------------------

CPostMessagePP::CPostMessagePP()
    : CPropertyPage(IDD_POST_MESSAGE_PP)
{
}

BOOL CPostMessagePP::OnInitDialog()
{
    ::SendDlgItemMessageA(m_hWnd, IDC_POST_CLASS, EM_LIMITTEXT, 255, 0);
    return CPropertyPage::OnInitDialog();
}

void CPostMessagePP::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_POST_CLASS, m_record.windowClass);
    DDV_MaxChars(pDX, m_record.windowClass, 255);
    DDX_Text(pDX, IDC_POST_MESSAGE, m_record.message);
    DDX_Text(pDX, IDC_POST_WPARAM, m_record.wparam);
    DDX_Text(pDX, IDC_POST_LPARAM, m_record.lparam);
}

// ---------------------------------------------------------------------------
// The actions' edits.

BOOL CInternalCommandAction::EditProperties(BOOL)
{
    CInternalCommandCfg page;
    // The one action sheet with neither title nor the Apply button removed.
    return EditThroughPage(*this, page, TRUE);
}

BOOL CPostMessageAction::EditProperties(BOOL)
{
    CPostMessagePP page;
    return EditThroughPage(*this, page);
}
