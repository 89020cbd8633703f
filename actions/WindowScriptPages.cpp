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
        m_strCommand = selected == LB_ERR ? "" : GetCommandText((int)selected);
    }
    else
    {
        // The stored command by its whole name: a stored "Next" is no
        // "NextPage", and OK must not turn it into one.
        int found = -1;
        for (int row = 0; row < GetCommandCount() && found < 0; ++row)
        {
            if (m_strCommand == kCommands[row])
                found = row;
        }
        ::SendMessageA(list, LB_SETCURSEL, (WPARAM)found, 0);
    }
    DDX_Text(pDX, IDC_COMMAND_PARAMETERS, m_strParameters);
}

void CInternalCommandCfg::OnCommandDoubleClick()
{
    ::SendMessageA(::GetParent(m_hWnd), PSM_PRESSBUTTON, PSBTN_OK, 0);
}

// ---------------------------------------------------------------------------

CPostMessagePP::CPostMessagePP()
    : CPropertyPage(IDD_POST_MESSAGE_PP), m_message(0), m_wparam(0), m_lparam(0)
{
}

BOOL CPostMessagePP::OnInitDialog()
{
    ::SendDlgItemMessageA(m_hWnd, IDC_POST_CLASS, EM_LIMITTEXT, 255, 0);
    return CPropertyPage::OnInitDialog();
}

void CPostMessagePP::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_POST_CLASS, m_strWindowClass);
    DDV_MaxChars(pDX, m_strWindowClass, 255);
    DDX_Text(pDX, IDC_POST_MESSAGE, m_message);
    DDX_Text(pDX, IDC_POST_WPARAM, m_wparam);
    DDX_Text(pDX, IDC_POST_LPARAM, m_lparam);
}

// ---------------------------------------------------------------------------
// The actions' edits.

BOOL CInternalCommandAction::EditProperties(BOOL bNew)
{
    CInternalCommandCfg page;
    page.m_strCommand = m_record.command;
    page.m_strParameters = m_record.parameters;
    // The one action sheet with neither title nor the Apply button removed.
    if (RunActionSheet(*this, page, TRUE) == IDCANCEL)
        return FALSE;
    CInternalCommandRecord previous = m_record;
    m_record.command = page.m_strCommand;
    m_record.parameters = page.m_strParameters;
    return KeepEditedRecord(IsComplete(), bNew, m_record, previous);
}

BOOL CPostMessageAction::EditProperties(BOOL bNew)
{
    CPostMessagePP page;
    page.m_strWindowClass = m_record.windowClass;
    page.m_message = m_record.message;
    page.m_wparam = m_record.wparam;
    page.m_lparam = m_record.lparam;
    if (RunActionSheet(*this, page) == IDCANCEL)
        return FALSE;
    CPostMessageRecord previous = m_record;
    m_record.windowClass = page.m_strWindowClass;
    m_record.message = page.m_message;
    m_record.wparam = page.m_wparam;
    m_record.lparam = page.m_lparam;
    return KeepEditedRecord(IsComplete(), bNew, m_record, previous);
}
