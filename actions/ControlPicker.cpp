#include "actions/ControlPicker.h"

#include "resources/editor/ActiveXPagesIds.h"

#include <string.h>

CControlCatalog& GetControlCatalog()
{
    static CControlCatalog catalog;
    return catalog;
}

namespace {

BOOL EntryHolds(const CControlCatalogEntry& entry, const char* text)
{
    return strstr(entry.GetDisplayName(), text) != NULL || strstr(entry.GetProgId(), text) != NULL ||
           strstr(entry.GetClassId(), text) != NULL;
}

} // namespace

int FindControlEntry(const CControlCatalog& catalog, const char* text, int start)
{
    int count = catalog.GetCount();
    if (!text || !*text || count == 0)
        return -1;
    if (start < 0 || start >= count)
        start = 0;
    // Each entry once, from start round to the one before it: the wrap never
    // reads past the last entry.
    for (int n = 0; n < count; n++)
    {
        int i = (start + n) % count;
        if (EntryHolds(*catalog.GetEntry(i), text))
            return i;
    }
    return -1;
}

BEGIN_MESSAGE_MAP(ActiveX_PP, CPropertyPage)
    ON_BN_CLICKED(IDC_AXPICK_FIND, OnFind)
    ON_LBN_SELCHANGE(IDC_AXPICK_LIST, OnSelectionChange)
END_MESSAGE_MAP()

ActiveX_PP::ActiveX_PP(CControlCatalog* catalog)
    : CPropertyPage(IDD_ACTIVEX_PICKER), m_selection(-1),
      m_pCatalog(catalog ? catalog : &GetControlCatalog())
{
}

BOOL ActiveX_PP::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    Fill();
    if (!m_strSearch.IsEmpty())
        OnFind();
    return TRUE;
}

void ActiveX_PP::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_AXPICK_INFO, m_strInfo);
    DDX_Text(pDX, IDC_AXPICK_SEARCH, m_strSearch);
}

BOOL ActiveX_PP::OnSetActive()
{
    BOOL result = CPropertyPage::OnSetActive();
    SetFinishButton();
    return result;
}

void ActiveX_PP::Fill()
{
    if (m_pCatalog->GetCount() == 0)
        m_pCatalog->BuildControlCatalog();
    m_strInfo = "";
    HWND list = ::GetDlgItem(m_hWnd, IDC_AXPICK_LIST);
    ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < m_pCatalog->GetCount(); i++)
    {
        LRESULT line = ::SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)(const char*)m_pCatalog->GetEntry(i)->GetDisplayName());
        if (line >= 0)
            ::SendMessageA(list, LB_SETITEMDATA, (WPARAM)line, (LPARAM)i);
    }
    UpdateData(FALSE);
}

int ActiveX_PP::GetSelectedIndex() const
{
    HWND list = ::GetDlgItem(m_hWnd, IDC_AXPICK_LIST);
    LRESULT line = ::SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (line == LB_ERR)
        return -1;
    int index = (int)::SendMessageA(list, LB_GETITEMDATA, (WPARAM)line, 0);
    return m_pCatalog->GetEntry(index) ? index : -1;
}

void ActiveX_PP::SetFinishButton()
{
    // The sheet's window, which may not be bound to its object yet while
    // the first page opens.
    CPropertySheet* sheet = GetSheet();
    if (sheet && sheet->IsWizard())
        ::SendMessageA(::GetParent(m_hWnd), PSM_SETWIZBUTTONS, 0,
                       GetSelectedIndex() >= 0 ? PSWIZB_FINISH : PSWIZB_DISABLEDFINISH);
}

void ActiveX_PP::OnFind()
{
    UpdateData(TRUE);
    if (m_strSearch.IsEmpty())
        return;
    int selected = GetSelectedIndex();
    int hit = FindControlEntry(*m_pCatalog, m_strSearch, selected + 1);
    if (hit < 0)
    {
        m_strInfo = "No matches found!";
        UpdateData(FALSE);
        return;
    }
    ::SendMessageA(::GetDlgItem(m_hWnd, IDC_AXPICK_LIST), LB_SETCURSEL, (WPARAM)hit, 0);
    Show();
}

void ActiveX_PP::OnSelectionChange()
{
    Show();
}

void ActiveX_PP::Show()
{
    UpdateData(TRUE);
    SetFinishButton();
    int index = GetSelectedIndex();
    // Nothing selected: there is no entry to read.
    if (index < 0)
        return;
    m_pCatalog->ReadControlServerInfo(index);
    const CControlCatalogEntry* entry = m_pCatalog->GetEntry(index);
    m_strInfo = entry->GetClassId() + "\r\n" + entry->GetProgId() + "\r\n" + entry->GetServerPath() + "\r\n";
    UpdateData(FALSE);
}

BOOL ActiveX_PP::OnWizardFinish()
{
    m_selection = GetSelectedIndex();
    return CPropertyPage::OnWizardFinish();
}

int PickRegisteredControl(const char* search, CControlCatalog* catalog)
{
    ActiveX_PP page(catalog);
    if (search)
        page.m_strSearch = search;
    CPropertySheet sheet("");
    sheet.SetWizardMode();
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    sheet.AddPage(&page);
    if (sheet.DoModal() != ID_WIZFINISH)
        return -1;
    return page.GetCatalog().GetEntry(page.m_selection) ? page.m_selection : -1;
}
