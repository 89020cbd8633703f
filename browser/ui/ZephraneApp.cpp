#include "browser/ui/ZephraneApp.h"

#include <commctrl.h>
#include <objbase.h>
#include "browser/ControlReport.h"
#include "browser/ui/ControlsList.h"
#include "browser/ui/MemberPages.h"
#include "model/common/MessageReporter.h"
#include "platform/atl/AtlBase.h"
#include "platform/atl/AtlImports.h"
#include "resources/ZephraneIds.h"

CZephraneApp::CZephraneApp() : CWinApp("Zephrane"), m_nSelected(-1), m_bComInitialized(FALSE)
{
}

CZephraneApp::~CZephraneApp()
{
    m_walk.Stop();
}

BOOL CZephraneApp::InitComModule()
{
    if (FAILED(CoInitialize(NULL)))
        return FALSE;
    m_bComInitialized = TRUE;
    _Module.Init(NULL, m_hInstance);
    _Module.dwThreadID = GetCurrentThreadId();

    if (!_Module.RunRegistrationSwitch(IDR_ZEPHRANE, GetCommandLineA()))
        return TRUE;
    m_bComInitialized = FALSE;
    _Module.Term();
    CoUninitialize();
    return FALSE;
}

BOOL CZephraneApp::InitInstance()
{
    if (!InitComModule())
        return FALSE;

    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    if (commandLine.m_bRunEmbedded || commandLine.m_bRunAutomated)
        return TRUE;

    InitCommonControls();
    AtlAxWinInit();

    CControlsList listPage;
    CPropsAndEvents propsPage;
    CMethods methodsPage;
    CZjfAdd advertPage;
    CPropertySheet sheet(IDS_ZEPHRANE_CAPTION);
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW | PSH_USEHICON;
    sheet.m_psh.hIcon = LoadIconA(m_hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME));

    listPage.m_pSelected = &m_nSelected;
    listPage.m_pCatalog = &m_catalog;
    listPage.m_pApp = this;
    propsPage.m_pMembers = &m_members;
    propsPage.m_pApp = this;
    methodsPage.m_pMembers = &m_members;
    methodsPage.m_pApp = this;
    sheet.AddPage(&listPage);
    sheet.AddPage(&propsPage);
    sheet.AddPage(&methodsPage);
    sheet.AddPage(&advertPage);

    m_pMainWnd = &sheet;
    sheet.DoModal();
    // Closed while the walk ran: the worker is stopped and waited for here.
    m_walk.Stop();
    m_pMainWnd = NULL;
    return FALSE;
}

int CZephraneApp::ExitInstance()
{
    m_walk.Stop();
    if (m_bComInitialized)
    {
        _Module.RevokeClassObjects();
        _Module.Term();
        CoUninitialize();
        m_bComInitialized = FALSE;
    }
    CStr::SetPoolingOff(TRUE);
    return CWinApp::ExitInstance();
}

void CZephraneApp::FillControlList(CControlsList* page)
{
    if (m_catalog.GetCount() > 0)
    {
        page->AddCatalogToList();
        return;
    }
    if (!m_walk.IsRunning())
        m_walk.Start(page->GetSafeHwnd(), kWalkMessage);
}

BOOL CZephraneApp::TakeWalkResult()
{
    m_nSelected = -1;
    m_catalog.ClearControlCatalog();
    return m_walk.TakeCatalog(m_catalog);
}

BOOL CZephraneApp::LoadSelectedControl()
{
    m_members.Clear();
    const CControlCatalogEntry* entry = m_catalog.GetEntry(m_nSelected);
    if (!entry || entry->GetClassId().IsEmpty())
        return FALSE;
    HWND parent = m_pMainWnd ? m_pMainWnd->GetSafeHwnd() : NULL;
    if (LoadControlMembers(entry->GetClassId(), parent, m_members))
        return TRUE;
    CStr text;
    text.LoadString(IDS_FISHY_CONTROL);
    ReportMessage(NULL, text, "SNAFU", MB_OK);
    return FALSE;
}

void CZephraneApp::SaveReport(HWND owner)
{
    const CControlCatalogEntry* entry = m_catalog.GetEntry(m_nSelected);
    if (!entry)
        return;
    LoadSelectedControl();
    const CStr fileName = ReportFileName(entry->GetDisplayName());
    if (!WriteReportFile(fileName, FormatReport(*entry, m_members)))
    {
        CStr text("The report could not be saved as ");
        text += fileName;
        ReportMessage(owner, text, "TARFU", MB_OK);
        return;
    }
    CStr text("Saved as ");
    text += fileName;
    ReportMessage(NULL, text, "Done Saving", MB_OK);
}
