#include "browser/ui/ControlsList.h"

#include "browser/ControlFind.h"
#include "browser/ControlUnregister.h"
#include "browser/ui/ZephraneApp.h"
#include "model/common/MessageReporter.h"
#include "resources/ZephraneIds.h"

BEGIN_MESSAGE_MAP(CControlsList, CPropertyPage)
    ON_LBN_SELCHANGE(IDC_CONTROLS, OnSelChangeControls)
    ON_BN_CLICKED(IDC_FIND, OnFind)
    ON_BN_CLICKED(IDC_UNREGISTER, OnUnregisterControl)
    ON_BN_CLICKED(IDC_SAVE_INFO, OnSaveInfoToFile)
    ON_MESSAGE(kWalkMessage, OnWalkNotice)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CControlsList::CControlsList() : CPropertyPage(IDD_CONTROLS_LIST), m_pSelected(NULL), m_pCatalog(NULL), m_pApp(NULL)
{
}

void CControlsList::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_CONTROL_INFO, m_strInfo);
    DDX_Text(pDX, IDC_SEARCH_TEXT, m_strSearch);
}

BOOL CControlsList::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (!m_pSelected || !m_pCatalog || !m_pApp)
    {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    m_pApp->FillControlList(this);
    if (::SendDlgItemMessageA(m_hWnd, IDC_CONTROLS, LB_GETCOUNT, 0, 0) > 0)
        SelectEntry(0);
    return TRUE;
}

void CControlsList::AddCatalogToList()
{
    HWND list = ::GetDlgItem(m_hWnd, IDC_CONTROLS);
    const int count = m_pCatalog->GetCount();
    // One redraw at the end, and room for all items at once.
    ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(list, LB_INITSTORAGE, (WPARAM)count, (LPARAM)count * 32);
    for (int i = 0; i < count; i++)
    {
        LRESULT item = ::SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)m_pCatalog->GetEntry(i)->GetDisplayName().c_str());
        if (item >= 0)
            ::SendMessageA(list, LB_SETITEMDATA, (WPARAM)item, (LPARAM)i);
    }
    ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list, NULL, TRUE);
}

void CControlsList::ShowProgress(const char* text)
{
    m_strInfo = text;
    ::SetDlgItemTextA(m_hWnd, IDC_CONTROL_INFO, text);
}

LRESULT CControlsList::OnWalkNotice(WPARAM wParam, LPARAM)
{
    if (!m_pApp)
        return 0;
    ShowProgress(m_pApp->m_walk.GetProgressText());
    if (wParam == kWalkDone && m_pApp->TakeWalkResult())
    {
        AddCatalogToList();
        if (::SendDlgItemMessageA(m_hWnd, IDC_CONTROLS, LB_GETCOUNT, 0, 0) > 0)
            SelectEntry(0);
    }
    return 0;
}

void CControlsList::OnDestroy()
{
    // The walk posts to this page: it ends with it.
    if (m_pApp)
        m_pApp->m_walk.Stop();
    CPropertyPage::OnDestroy();
}

int CControlsList::SelectedEntry() const
{
    if (!m_pCatalog)
        return -1;
    HWND list = ::GetDlgItem(m_hWnd, IDC_CONTROLS);
    const LRESULT item = ::SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (item == LB_ERR)
        return -1;
    const LRESULT data = ::SendMessageA(list, LB_GETITEMDATA, (WPARAM)item, 0);
    if (data == LB_ERR || data < 0 || data >= m_pCatalog->GetCount())
        return -1;
    return (int)data;
}

void CControlsList::SelectEntry(int index)
{
    // The list keeps the catalogue's order: an entry's index is its position.
    ::SendDlgItemMessageA(m_hWnd, IDC_CONTROLS, LB_SETCURSEL, (WPARAM)index, 0);
    OnSelChangeControls();
}

void CControlsList::OnSelChangeControls()
{
    UpdateData(TRUE);
    const int index = SelectedEntry();
    if (index < 0)
        return;
    m_pCatalog->ReadControlServerInfo(index);
    const CControlCatalogEntry* entry = m_pCatalog->GetEntry(index);
    m_strInfo = entry->GetClassId();
    m_strInfo += "\r\n";
    m_strInfo += entry->GetProgId();
    m_strInfo += "\r\n";
    m_strInfo += entry->GetServerPath();
    m_strInfo += "\r\n";

    CStr caption;
    caption.LoadString(IDS_ZEPHRANE_CAPTION);
    CStr about;
    about.Format(" about \"%s\"", entry->GetDisplayName().c_str());
    caption += about;
    if (HWND sheet = ::GetParent(m_hWnd))
        ::SetWindowTextA(sheet, caption);

    *m_pSelected = index;
    UpdateData(FALSE);
}

void CControlsList::OnFind()
{
    UpdateData(TRUE);
    if (m_strSearch.IsEmpty() || !m_pCatalog)
        return;
    const int selected = SelectedEntry();
    const int found = FindControl(*m_pCatalog, m_strSearch, selected + 1);
    if (found >= 0)
    {
        SelectEntry(found);
        return;
    }
    m_strInfo = "No matches found!";
    UpdateData(FALSE);
}

BOOL CControlsList::OnKillActive()
{
    const int index = SelectedEntry();
    if (index < 0)
    {
        ReportMessage(m_hWnd, "First select a control!", "Whoa Cowboy", MB_OK);
        return FALSE;
    }
    *m_pSelected = index;
    return CPropertyPage::OnKillActive();
}

void CControlsList::OnUnregisterControl()
{
    const int index = SelectedEntry();
    if (index < 0)
        return;
    CStr question;
    question.LoadString(IDS_UNREGISTER_QUESTION);
    if (ReportMessage(m_hWnd, question, "ARE YOU SURE?", MB_YESNO) != IDYES)
        return;
    m_pCatalog->ReadControlServerInfo(index);
    if (!UnregisterControlServer(*m_pCatalog->GetEntry(index)))
    {
        ReportMessage(m_hWnd, "Unregistration failed!", "TARFU", MB_OK);
        return;
    }
    ReportMessage(m_hWnd, "Unregistration succeeded", "Congratulations", MB_OK);
    m_pCatalog->RemoveEntry(index);
    *m_pSelected = -1;
    ::SendDlgItemMessageA(m_hWnd, IDC_CONTROLS, LB_RESETCONTENT, 0, 0);
    m_pApp->FillControlList(this);
    if (::SendDlgItemMessageA(m_hWnd, IDC_CONTROLS, LB_GETCOUNT, 0, 0) > 0)
        SelectEntry(0);
}

void CControlsList::OnSaveInfoToFile()
{
    if (SelectedEntry() < 0)
        return;
    m_pApp->SaveReport(m_hWnd);
}
