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
    FillVariableCombo(VariableCombo(), m_pOwnerObject);
    // An existing action keeps what it has, even an empty path.
    if (Path().IsEmpty() && m_bNew)
        Path() = GetActionTempFolder() + m_strPageId;
    // A long temporary folder must not cut the path it holds.
    m_pathLimit = Path().GetLength() > 255 ? Path().GetLength() : 255;
    ::SendDlgItemMessageA(m_hWnd, IDC_DATAFILE_PATH, EM_LIMITTEXT, (WPARAM)m_pathLimit, 0);
    m_bInitialising = TRUE;
    BOOL result = CPropertyPage::OnInitDialog();
    SelectComboTextExact(VariableCombo(), Variable());
    m_bInitialising = FALSE;
    return result;
}

void CDataFilePage::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_DATAFILE_PATH, Path());
    DDV_MaxChars(pDX, Path(), m_pathLimit);
    DDX_Text(pDX, IDC_DATAFILE_KEY, Key());
    if (pDX->m_bSaveAndValidate)
        Variable() = GetComboSelectedText(VariableCombo());
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
    BrowseIntoField(m_hWnd, IDC_DATAFILE_PATH, MakeBrowseRequest);
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
    DDX_Text(pDX, IDC_DATAFILE_CONSTANT, m_record.value);
    DDV_MaxChars(pDX, m_record.value, 255);
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
// The actions' edits. Each page is told the object that owns the script and
// the page that holds the action.

namespace {

template <class Action, class Page>
BOOL EditDataFileAction(Action& action, Page& page, BOOL bNew)
{
    page.m_pOwnerObject = GetScriptOwner(&action);
    CBrowser* holder = action.GetPage();
    page.m_strPageId = holder ? holder->GetId() : CStr("");
    page.m_bNew = bNew;
    return EditThroughPage(action, page);
}

} // namespace

BOOL CSaveToFileAction::EditProperties(BOOL bNew)
{
    CSaveToFilePP page;
    return EditDataFileAction(*this, page, bNew);
}

BOOL CReadFromFileAction::EditProperties(BOOL bNew)
{
    CReadFromFilePP page;
    return EditDataFileAction(*this, page, bNew);
}
