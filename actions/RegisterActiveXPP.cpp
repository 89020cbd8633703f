#include "actions/RegisterActiveXPP.h"

#include "actions/ControlPicker.h"
#include "model/EditorServices.h"
#include "platform/framework/CommonDialogs.h"
#include "resources/editor/ActiveXPagesIds.h"

#include <string.h>
#include <string>

CStr StripServerPathQuotes(const char* path)
{
    std::string text = path ? path : "";
    size_t first = text.find_first_not_of(" \t");
    size_t last = text.find_last_not_of(" \t");
    if (first == std::string::npos)
        return CStr("");
    text = text.substr(first, last - first + 1);
    if (text.size() >= 2 && text[0] == '"' && text[text.size() - 1] == '"')
        text = text.substr(1, text.size() - 2);
    else if (!text.empty() && text[0] == '"')
        text = text.substr(1);
    return CStr(text.c_str());
}

BEGIN_MESSAGE_MAP(CRegisterActiveXPP, CPropertyPage)
    ON_BN_CLICKED(IDC_AXREG_BROWSE, OnBrowse)
    ON_BN_CLICKED(IDC_AXREG_REGISTER, OnRegisterChosen)
    ON_BN_CLICKED(IDC_AXREG_UNREGISTER, OnUnregisterChosen)
    ON_BN_CLICKED(IDC_AXREG_SELECT, OnSelectControl)
END_MESSAGE_MAP()

CRegisterActiveXPP::CRegisterActiveXPP(CControlCatalog* catalog)
    : CPropertyPage(IDD_REGISTER_ACTIVEX), m_unregister(0), m_copyToSystem(1), m_pCatalog(catalog)
{
}

BOOL CRegisterActiveXPP::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    // The labels start in the Register state whichever button is set.
    ShowRegisterState(TRUE);
    return TRUE;
}

void CRegisterActiveXPP::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_AXREG_FILE, m_strFilename);
    DDV_MaxChars(pDX, m_strFilename, 255);
    DDX_Radio(pDX, IDC_AXREG_REGISTER, m_unregister);
    DDX_Check(pDX, IDC_AXREG_COPY, m_copyToSystem);
}

void CRegisterActiveXPP::ShowRegisterState(BOOL registering)
{
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_AXREG_SELECT), registering);
    ::SetDlgItemTextA(m_hWnd, IDC_AXREG_COPY,
                      registering ? "Copy Control to users System folder" : "This is a file in the system folder");
}

void CRegisterActiveXPP::OnRegisterChosen()
{
    ShowRegisterState(TRUE);
}

void CRegisterActiveXPP::OnUnregisterChosen()
{
    ShowRegisterState(FALSE);
}

void CRegisterActiveXPP::OnBrowse()
{
    UpdateData(TRUE);
    char filter[256] = "";
    if (!::LoadStringA(::GetModuleHandleA(NULL), IDS_ACTIVEX_FILTER, filter, sizeof filter))
        strcpy(filter, "ActiveX Controls (*.dll;*.ocx;*.exe)|*.dll;*.ocx;*.exe||");
    CStr start;
    char system[MAX_PATH] = "";
    if (m_strFilename.IsEmpty())
        ::GetSystemDirectoryA(system, MAX_PATH);
    else if (strchr(m_strFilename, ':') == NULL)
        start = MakeMediaPathAbsolute(m_strFilename);
    else
        start = m_strFilename;
    CFileDialog dialog(TRUE, NULL, start.IsEmpty() ? NULL : (const char*)start,
                       OFN_HIDEREADONLY | OFN_EXPLORER, filter, this);
    if (system[0])
        dialog.m_ofn.lpstrInitialDir = system;
    if (dialog.DoModal() != IDOK)
        return;
    m_strFilename = dialog.GetPathName().c_str();
    UpdateData(FALSE);
}

void CRegisterActiveXPP::TakeCatalogEntry(const CControlCatalogEntry& entry)
{
    m_strCLSID = entry.GetClassId();
    // A control served by an executable has no in-process path: keep the file.
    CStr server = StripServerPathQuotes(entry.GetServerPath());
    if (!server.IsEmpty())
        m_strFilename = server;
}

void CRegisterActiveXPP::OnSelectControl()
{
    UpdateData(TRUE);
    CControlCatalog& catalog = m_pCatalog ? *m_pCatalog : GetControlCatalog();
    int index = PickRegisteredControl(m_strCLSID, &catalog);
    if (index < 0)
        return;
    catalog.ReadControlServerInfo(index);
    TakeCatalogEntry(*catalog.GetEntry(index));
    UpdateData(FALSE);
}
