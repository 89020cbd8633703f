#include "actions/DataFilePages.h"

#include "actions/ActionSupport.h"
#include "actions/DataFileActions.h"
#include "model/Browser.h"
#include "resources/editor/ActionPagesBIds.h"

#include <string.h>

BEGIN_MESSAGE_MAP(CDataFilePage, CPropertyPage)
    ON_BN_CLICKED(IDC_DATAFILE_BROWSE, OnBrowse)
END_MESSAGE_MAP()

CDataFilePage::CDataFilePage(UINT templateId)
    : CPropertyPage(templateId), m_pOwnerObject(NULL), m_bNew(FALSE), m_bInitialising(FALSE),
      m_pathLimit(255)
{
}

HWND CDataFilePage::VariableCombo() const
{
    return ::GetDlgItem(m_hWnd, IDC_DATAFILE_VARIABLE);
}

BOOL CDataFilePage::OnInitDialog()
{
    if (m_pOwnerObject == NULL)
    {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    FillVariableChoices(VariableCombo(), m_pOwnerObject);
    // An existing action keeps what it has, even an empty path.
    if (m_strPath.IsEmpty() && m_bNew)
        m_strPath = GetActionTempFolder() + m_strPageId;
    // A long temporary folder must not cut the path it holds.
    m_pathLimit = m_strPath.GetLength() > 255 ? m_strPath.GetLength() : 255;
    ::SendDlgItemMessageA(m_hWnd, IDC_DATAFILE_PATH, EM_LIMITTEXT, (WPARAM)m_pathLimit, 0);
    m_bInitialising = TRUE;
    BOOL result = CPropertyPage::OnInitDialog();
    SelectVariableChoice(VariableCombo(), m_strVariable);
    m_bInitialising = FALSE;
    return result;
}

void CDataFilePage::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_DATAFILE_PATH, m_strPath);
    DDV_MaxChars(pDX, m_strPath, m_pathLimit);
    DDX_Text(pDX, IDC_DATAFILE_KEY, m_strKey);
    if (pDX->m_bSaveAndValidate)
        m_strVariable = GetSelectedChoice(VariableCombo());
}

CActionBrowseRequest CDataFilePage::MakeBrowseRequest(const CStr& text)
{
    CActionBrowseRequest request;
    request.folder = FALSE;
    request.filter = "Data Files (*.zjf)|*.zjf||";
    const char* slash = strrchr(text, '\\');
    // The file's folder however long it is; the temporary folder otherwise.
    request.initialFolder = slash != NULL ? text.Left((int)(slash - (const char*)text) + 1)
                                          : GetActionTempFolder();
    return request;
}

void CDataFilePage::OnBrowse()
{
    HWND edit = ::GetDlgItem(m_hWnd, IDC_DATAFILE_PATH);
    CStr text;
    int length = ::GetWindowTextLengthA(edit);
    char* buffer = text.GetBuffer(length + 1);
    text.ReleaseBuffer(::GetWindowTextA(edit, buffer, length + 1));
    CStr chosen;
    if (BrowseForAction(m_hWnd, MakeBrowseRequest(text), chosen))
        ::SetWindowTextA(edit, chosen);
}

// ---------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CSaveToFilePP, CDataFilePage)
    ON_EN_CHANGE(IDC_DATAFILE_CONSTANT, OnConstantChange)
END_MESSAGE_MAP()

CSaveToFilePP::CSaveToFilePP() : CDataFilePage(IDD_SAVE_TO_FILE_PP)
{
}

BOOL CSaveToFilePP::OnInitDialog()
{
    ::SendDlgItemMessageA(m_hWnd, IDC_DATAFILE_CONSTANT, EM_LIMITTEXT, 255, 0);
    return CDataFilePage::OnInitDialog();
}

void CSaveToFilePP::DoDataExchange(CDataExchange* pDX)
{
    CDataFilePage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_DATAFILE_CONSTANT, m_strValue);
    DDV_MaxChars(pDX, m_strValue, 255);
}

// A constant typed by the author takes the place of the variable; a stored
// action may hold both, so showing one changes nothing.
void CSaveToFilePP::OnConstantChange()
{
    if (m_bInitialising || ::GetWindowTextLengthA(::GetDlgItem(m_hWnd, IDC_DATAFILE_CONSTANT)) == 0)
        return;
    ::SendMessageA(VariableCombo(), CB_SETCURSEL, (WPARAM)-1, 0);
}

CReadFromFilePP::CReadFromFilePP() : CDataFilePage(IDD_READ_FROM_FILE_PP)
{
}

// ---------------------------------------------------------------------------
// The actions' edits.

namespace {

void PreparePage(CDataFilePage& page, CScriptItem& action, BOOL bNew)
{
    page.m_pOwnerObject = GetScriptOwner(action);
    CBrowser* holder = action.GetPage();
    page.m_strPageId = holder ? holder->GetId() : CStr("");
    page.m_bNew = bNew;
}

} // namespace

BOOL CSaveToFileAction::EditProperties(BOOL bNew)
{
    CSaveToFilePP page;
    PreparePage(page, *this, bNew);
    page.m_strPath = m_record.path;
    page.m_strKey = m_record.key;
    page.m_strVariable = m_record.variable;
    page.m_strValue = m_record.value;
    if (RunActionSheet(*this, page) == IDCANCEL)
        return FALSE;
    CSaveToFileRecord previous = m_record;
    m_record.path = page.m_strPath;
    m_record.key = page.m_strKey;
    m_record.variable = page.m_strVariable;
    m_record.value = page.m_strValue;
    return KeepEditedRecord(IsComplete(), bNew, m_record, previous);
}

BOOL CReadFromFileAction::EditProperties(BOOL bNew)
{
    CReadFromFilePP page;
    PreparePage(page, *this, bNew);
    page.m_strPath = m_record.path;
    page.m_strKey = m_record.key;
    page.m_strVariable = m_record.variable;
    if (RunActionSheet(*this, page) == IDCANCEL)
        return FALSE;
    CReadFromFileRecord previous = m_record;
    m_record.path = page.m_strPath;
    m_record.key = page.m_strKey;
    m_record.variable = page.m_strVariable;
    return KeepEditedRecord(IsComplete(), bNew, m_record, previous);
}
