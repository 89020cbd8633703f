#include "browser/ui/MemberPages.h"

#include <shellapi.h>
#include "browser/ControlMembers.h"
#include "browser/ui/ReportList.h"
#include "browser/ui/ZephraneApp.h"
#include "resources/ZephraneIds.h"

namespace
{
const char kMakerPage[] = "https://www.dunmarrow-software.example/";
const UINT kAdvertTimerMs = 1500;
}

// Properties and events.

BEGIN_MESSAGE_MAP(CPropsAndEvents, CPropertyPage)
END_MESSAGE_MAP()

CPropsAndEvents::CPropsAndEvents() : CPropertyPage(IDD_PROPS_AND_EVENTS), m_pMembers(NULL), m_pApp(NULL)
{
}

BOOL CPropsAndEvents::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (!m_pMembers || !m_pApp)
    {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    const char* properties[] = { "Property ", "Type ", "Access " };
    reportlist::AddColumns(::GetDlgItem(m_hWnd, IDC_PROPERTIES), properties, 3);
    const char* events[] = { "Events" };
    reportlist::AddColumns(::GetDlgItem(m_hWnd, IDC_EVENTS), events, 1);
    return TRUE;
}

BOOL CPropsAndEvents::OnSetActive()
{
    HWND propertyList = ::GetDlgItem(m_hWnd, IDC_PROPERTIES);
    HWND eventList = ::GetDlgItem(m_hWnd, IDC_EVENTS);
    ::SendMessageA(propertyList, LVM_DELETEALLITEMS, 0, 0);
    ::SendMessageA(eventList, LVM_DELETEALLITEMS, 0, 0);
    if (m_pApp->LoadSelectedControl())
    {
        for (const CStr& name : m_pMembers->events)
            reportlist::AddRow(eventList, name, 0);
        FillPropertyList();
        reportlist::AutoSize(eventList, 0, 0);
        reportlist::AutoSize(propertyList, 0, m_pMembers->properties.empty() ? 0 : 2);
    }
    return CPropertyPage::OnSetActive();
}

void CPropsAndEvents::FillPropertyList()
{
    HWND list = ::GetDlgItem(m_hWnd, IDC_PROPERTIES);
    for (size_t i = 0; i < m_pMembers->properties.size(); i++)
    {
        const CControlPropertyRecord& property = m_pMembers->properties[i];
        CStr name;
        name.Format("%s  ", property.name.c_str());
        CStr type;
        type.Format("%s  ", VarTypeText(property.type));
        const CStr access = FormatPropertyAccess(property);
        const char* subItems[] = { type, access };
        reportlist::AddRow(list, name, (LPARAM)i, subItems, 2);
    }
}

// Methods.

BEGIN_MESSAGE_MAP(CMethods, CPropertyPage)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_METHODS, OnItemChangedMethods)
END_MESSAGE_MAP()

CMethods::CMethods() : CPropertyPage(IDD_METHODS), m_pMembers(NULL), m_pApp(NULL)
{
}

BOOL CMethods::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (!m_pMembers || !m_pApp)
    {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    const char* methods[] = { "Method  ", "Return Type  " };
    reportlist::AddColumns(::GetDlgItem(m_hWnd, IDC_METHODS), methods, 2);
    const char* parameters[] = { "   ", "Parameter ", "Type " };
    reportlist::AddColumns(::GetDlgItem(m_hWnd, IDC_PARAMETERS), parameters, 3);
    return TRUE;
}

BOOL CMethods::OnSetActive()
{
    HWND methodList = ::GetDlgItem(m_hWnd, IDC_METHODS);
    ::SendMessageA(methodList, LVM_DELETEALLITEMS, 0, 0);
    ::SendDlgItemMessageA(m_hWnd, IDC_PARAMETERS, LVM_DELETEALLITEMS, 0, 0);
    if (m_pApp->LoadSelectedControl())
    {
        FillMethodList();
        if (!m_pMembers->methods.empty())
        {
            reportlist::AutoSize(methodList, 0, 1);
            LVITEMA state = {};
            state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
            state.state = LVIS_SELECTED | LVIS_FOCUSED;
            ::SendMessageA(methodList, LVM_SETITEMSTATE, 0, (LPARAM)&state);
        }
        else
        {
            reportlist::AutoSize(methodList, 0, 0);
        }
    }
    UpdateData(FALSE);
    return CPropertyPage::OnSetActive();
}

void CMethods::FillMethodList()
{
    HWND list = ::GetDlgItem(m_hWnd, IDC_METHODS);
    for (size_t i = 0; i < m_pMembers->methods.size(); i++)
    {
        const CBrowserMethodRecord& method = m_pMembers->methods[i];
        CStr name;
        name.Format("%s     ", method.name.c_str());
        const char* subItems[] = { method.returnType == VT_VOID ? "" : VarTypeText(method.returnType) };
        reportlist::AddRow(list, name, (LPARAM)i, subItems, 1);
    }
}

void CMethods::OnItemChangedMethods(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const NMLISTVIEW* change = (const NMLISTVIEW*)header;
    HWND parameterList = ::GetDlgItem(m_hWnd, IDC_PARAMETERS);
    ::SendMessageA(parameterList, LVM_DELETEALLITEMS, 0, 0);
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = change->iItem;
    if (!m_pMembers || change->iItem < 0 || !::SendMessageA(header->hwndFrom, LVM_GETITEMA, 0, (LPARAM)&item))
        return;
    // The item's data must name a method of the current list.
    if (item.lParam < 0 || (size_t)item.lParam >= m_pMembers->methods.size())
        return;
    const CBrowserMethodRecord& method = m_pMembers->methods[(size_t)item.lParam];
    for (size_t i = 0; i < method.params.size(); i++)
    {
        CStr number;
        number.Format("%d ", (int)i);
        CStr name;
        name.Format("%s     ", method.params[i].name.c_str());
        const char* subItems[] = { name, VarTypeText(method.params[i].type) };
        reportlist::AddRow(parameterList, number, (LPARAM)i, subItems, 2);
    }
    if (!method.params.empty())
        reportlist::AutoSize(parameterList, 0, 2);
    else
        reportlist::AutoSize(parameterList, 1, 1);
}

// The advertisement.

BEGIN_MESSAGE_MAP(CZjfAdd, CPropertyPage)
    ON_WM_TIMER()
    ON_STN_CLICKED(IDC_AD_PICTURE, OnClickedPicture)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CZjfAdd::CZjfAdd() : CPropertyPage(IDD_ZJF_ADD), m_shown(0), m_timer(0)
{
}

CZjfAdd::~CZjfAdd()
{
    DeleteBitmaps();
}

BOOL CZjfAdd::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    const UINT ids[] = { IDB_AD_FIRST, IDB_AD_SECOND };
    for (UINT id : ids)
    {
        HBITMAP bitmap = (HBITMAP)LoadImageA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0);
        if (bitmap)
            m_bitmaps.push_back(bitmap);
    }
    HWND picture = ::GetDlgItem(m_hWnd, IDC_AD_PICTURE);
    if (!m_bitmaps.empty() && picture)
    {
        BITMAP info = {};
        GetObjectA(m_bitmaps[0], sizeof info, &info);
        const int width = info.bmWidth + 2 * GetSystemMetrics(SM_CXEDGE);
        const int height = info.bmHeight + 2 * GetSystemMetrics(SM_CYEDGE);
        RECT client;
        ::GetClientRect(m_hWnd, &client);
        ::MoveWindow(picture, (client.right - width) / 2, client.bottom / 14, width, height, TRUE);
        ShowBitmap(0);
    }
    return TRUE;
}

BOOL CZjfAdd::OnSetActive()
{
    m_timer = SetTimer(1, kAdvertTimerMs);
    return CPropertyPage::OnSetActive();
}

BOOL CZjfAdd::OnKillActive()
{
    KillTimer(1);
    m_timer = 0;
    return CPropertyPage::OnKillActive();
}

void CZjfAdd::OnTimer(UINT_PTR id)
{
    if (id != 1 || m_bitmaps.empty())
        return;
    ShowBitmap((m_shown + 1) % m_bitmaps.size());
}

void CZjfAdd::ShowBitmap(size_t index)
{
    m_shown = index;
    ::SendDlgItemMessageA(m_hWnd, IDC_AD_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)m_bitmaps[index]);
}

void CZjfAdd::OnClickedPicture()
{
    HWND owner = NULL;
    if (CWinApp* app = AfxGetApp())
        owner = app->m_pMainWnd ? app->m_pMainWnd->GetSafeHwnd() : NULL;
    ShellExecuteA(owner, "open", kMakerPage, NULL, NULL, SW_SHOWNORMAL);
}

void CZjfAdd::OnDestroy()
{
    if (m_timer)
        KillTimer(1);
    m_timer = 0;
    ::SendDlgItemMessageA(m_hWnd, IDC_AD_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, 0);
    DeleteBitmaps();
    CPropertyPage::OnDestroy();
}

void CZjfAdd::DeleteBitmaps()
{
    for (HBITMAP bitmap : m_bitmaps)
        DeleteObject(bitmap);
    m_bitmaps.clear();
}
