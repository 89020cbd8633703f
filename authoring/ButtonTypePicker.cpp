#include "authoring/ButtonTypePicker.h"

#include "authoring/Factories.h"
#include "resources/LumbrookConfigIds.h"

namespace {

struct KindEntry
{
    const char* text;
    int kind;
};

const KindEntry kKindList[] = {
    { "Run a Program", ButtonRunProgram },
    { "Browse the CD", ButtonBrowseCD },
    { "Open a Folder", ButtonOpenFolder },
    { "Display a Data File", ButtonShowDocument },
    { "Display local HTML or Web Site", ButtonLaunchHtml },
    { "Help", ButtonHelp },
    { "Exit Browser", ButtonExit },
    { "OK", ButtonOK },
    { "Cancel", ButtonCancel },
    { "Next", ButtonNext },
    { "Back", ButtonBack },
};

} // namespace

BEGIN_MESSAGE_MAP(CWizButtonTypePickerCfg, CWizPropertyPage)
    ON_LBN_DBLCLK(IDC_BUTTON_KINDS, OnKindDoubleClick)
END_MESSAGE_MAP()

CWizButtonTypePickerCfg::CWizButtonTypePickerCfg()
    : CWizPropertyPage(IDD_BUTTON_TYPE_PICKER), m_kind(0)
{
}

int CWizButtonTypePickerCfg::GetKindCount()
{
    return (int)(sizeof(kKindList) / sizeof(kKindList[0]));
}

const char* CWizButtonTypePickerCfg::GetKindText(int row)
{
    return row >= 0 && row < GetKindCount() ? kKindList[row].text : "";
}

int CWizButtonTypePickerCfg::GetKindAt(int row)
{
    return row >= 0 && row < GetKindCount() ? kKindList[row].kind : 0;
}

BOOL CWizButtonTypePickerCfg::OnInitDialog()
{
    HWND list = ::GetDlgItem(m_hWnd, IDC_BUTTON_KINDS);
    for (const KindEntry& entry : kKindList)
    {
        LRESULT index = ::SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)entry.text);
        if (index >= 0)
            ::SendMessageA(list, LB_SETITEMDATA, (WPARAM)index, (LPARAM)entry.kind);
    }
    return CWizPropertyPage::OnInitDialog();
}

void CWizButtonTypePickerCfg::DoDataExchange(CDataExchange* pDX)
{
    HWND list = ::GetDlgItem(m_hWnd, IDC_BUTTON_KINDS);
    if (pDX->m_bSaveAndValidate)
    {
        LRESULT selected = ::SendMessageA(list, LB_GETCURSEL, 0, 0);
        m_kind = selected == LB_ERR ? 0 : (int)::SendMessageA(list, LB_GETITEMDATA, (WPARAM)selected, 0);
        return;
    }
    int count = (int)::SendMessageA(list, LB_GETCOUNT, 0, 0);
    ::SendMessageA(list, LB_SETCURSEL, (WPARAM)-1, 0);
    for (int i = 0; i < count; ++i)
    {
        if ((int)::SendMessageA(list, LB_GETITEMDATA, (WPARAM)i, 0) == m_kind)
        {
            ::SendMessageA(list, LB_SETCURSEL, (WPARAM)i, 0);
            break;
        }
    }
}

void CWizButtonTypePickerCfg::OnKindDoubleClick()
{
    HWND sheet = ::GetParent(m_hWnd);
    ::SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
}
