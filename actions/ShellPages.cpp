#include "actions/ShellPages.h"

#include "actions/ShellActions.h"
#include "model/EditorServices.h"
#include "model/common/PathHelpers.h"
#include "resources/editor/ActionPagesBIds.h"

#include <mmsystem.h>
#include <shlobj.h>

// The Browse button has one id on all five pages.
BEGIN_MESSAGE_MAP(CShellPathPage, CWizPropertyPage)
    ON_BN_CLICKED(IDC_FOLDER_BROWSE, OnBrowse)
END_MESSAGE_MAP()

CShellPathPage::CShellPathPage(UINT templateId, int pathId, int maxChars, UINT filterId, const char* defaultExt)
    : CWizPropertyPage(templateId), m_pathId(pathId), m_maxChars(maxChars), m_filterId(filterId),
      m_defaultExt(defaultExt)
{
}

BOOL CShellPathPage::OnInitDialog()
{
    if (m_maxChars > 0)
        ::SendDlgItemMessageA(m_hWnd, m_pathId, EM_LIMITTEXT, (WPARAM)m_maxChars, 0);
    return CWizPropertyPage::OnInitDialog();
}

void CShellPathPage::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, m_pathId, m_strPath);
    if (m_maxChars > 0)
        DDV_MaxChars(pDX, m_strPath, m_maxChars);
}

CActionBrowseRequest CShellPathPage::MakeBrowseRequest(const CStr& text) const
{
    CActionBrowseRequest request;
    request.folder = FALSE;
    request.filter = AfxLoadString(m_filterId).c_str();
    request.defaultExt = m_defaultExt ? m_defaultExt : "";
    SetBrowseStart(request, text);
    return request;
}

void CShellPathPage::OnBrowse()
{
    HWND edit = ::GetDlgItem(m_hWnd, m_pathId);
    CStr text;
    int length = ::GetWindowTextLengthA(edit);
    char* buffer = text.GetBuffer(length + 1);
    text.ReleaseBuffer(::GetWindowTextA(edit, buffer, length + 1));
    CStr chosen;
    if (BrowseForAction(m_hWnd, MakeBrowseRequest(text), chosen))
        ::SetWindowTextA(edit, chosen);
}

// ---------------------------------------------------------------------------

COpenFolderCfg::COpenFolderCfg()
    : CShellPathPage(IDD_OPEN_FOLDER_CFG, IDC_FOLDER_PATH, 0, 0, NULL)
{
}

CActionBrowseRequest COpenFolderCfg::MakeBrowseRequest(const CStr& text) const
{
    CActionBrowseRequest request;
    request.folder = TRUE;
    request.title = "Select a Folder";
    SetBrowseStart(request, text);
    return request;
}

// ---------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CPlaySoundCfg, CShellPathPage)
    ON_EN_CHANGE(IDC_SOUND_PATH, OnPathChange)
    ON_BN_CLICKED(IDC_SOUND_PLAY, OnPlay)
END_MESSAGE_MAP()

CPlaySoundCfg::CPlaySoundCfg()
    : CShellPathPage(IDD_PLAY_SOUND_CFG, IDC_SOUND_PATH, 255, IDS_FILTER_SOUND, "wav")
{
}

BOOL CPlaySoundCfg::CanPlay(const char* text)
{
    CStr path(text ? text : "");
    if (path.FindNoCase(".wav", 1) < 1)
        return FALSE;
    return FileExists(MakeMediaPathAbsolute(path));
}

BOOL CPlaySoundCfg::OnInitDialog()
{
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_SOUND_PLAY), FALSE);
    BOOL result = CShellPathPage::OnInitDialog();
    OnPathChange();
    return result;
}

void CPlaySoundCfg::OnPathChange()
{
    char text[MAX_PATH] = "";
    ::GetDlgItemTextA(m_hWnd, IDC_SOUND_PATH, text, sizeof(text));
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_SOUND_PLAY), CanPlay(text));
}

void CPlaySoundCfg::OnPlay()
{
    char text[MAX_PATH] = "";
    ::GetDlgItemTextA(m_hWnd, IDC_SOUND_PATH, text, sizeof(text));
    // Asynchronous and without the default sound: the page stays usable and
    // a missing file plays nothing.
    ::PlaySoundA(MakeMediaPathAbsolute(text), NULL, SND_FILENAME | SND_ASYNC | SND_NODEFAULT | SND_NOWAIT);
}

// ---------------------------------------------------------------------------

CLaunchHtmlCfg::CLaunchHtmlCfg()
    : CShellPathPage(IDD_LAUNCH_HTML_CFG, IDC_HTML_PATH, 0, IDS_FILTER_HTML, "htm")
{
}

CActionBrowseRequest CLaunchHtmlCfg::MakeBrowseRequest(const CStr& text) const
{
    CActionBrowseRequest request = CShellPathPage::MakeBrowseRequest(text);
    // An address is no file to show: the dialog starts among the favourites.
    if (text.IsEmpty() || text.Find("://") >= 0)
    {
        request.initialFolder = GetFavoritesFolder();
        request.initialFile = "";
    }
    return request;
}

CStr GetFavoritesFolder()
{
    LPITEMIDLIST list = NULL;
    if (FAILED(SHGetSpecialFolderLocation(NULL, CSIDL_FAVORITES, &list)) || list == NULL)
        return CStr("");
    char path[MAX_PATH] = "";
    BOOL ok = SHGetPathFromIDListA(list, path);
    CoTaskMemFree(list);
    return CStr(ok ? path : "");
}

// ---------------------------------------------------------------------------

CRunProgramCfg::CRunProgramCfg()
    : CShellPathPage(IDD_RUN_PROGRAM_CFG, IDC_PROGRAM_PATH, 0, IDS_FILTER_PROGRAM, NULL)
{
}

void CRunProgramCfg::DoDataExchange(CDataExchange* pDX)
{
    CShellPathPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PROGRAM_ARGUMENTS, m_strParameters);
}

CShellExecuteCfg::CShellExecuteCfg()
    : CShellPathPage(IDD_SHELL_EXECUTE_CFG, IDC_DOCUMENT_PATH, 255, IDS_FILTER_DOCUMENT, NULL)
{
}

// ---------------------------------------------------------------------------
// The actions' edits.

namespace {

// One path on one page: the edit of Open Folder, Play Sound, Launch HTML and
// Shell Execute.
// An empty path shows emptyText.
template <class Action>
BOOL EditPath(Action& action, CShellPathPage& page, BOOL bNew, const char* emptyText = "")
{
    page.m_strPath = action.m_record.path.IsEmpty() ? CStr(emptyText) : action.m_record.path;
    if (RunActionSheet(action, page) == IDCANCEL)
        return FALSE;
    CPathRecord previous = action.m_record;
    action.m_record.path = page.m_strPath;
    return KeepEditedRecord(action.IsComplete(), bNew, action.m_record, previous);
}

} // namespace

BOOL COpenFolderAction::EditProperties(BOOL bNew)
{
    COpenFolderCfg page;
    return EditPath(*this, page, bNew);
}

BOOL CPlaySoundAction::EditProperties(BOOL bNew)
{
    CPlaySoundCfg page;
    return EditPath(*this, page, bNew);
}

BOOL CLaunchHtmlAction::EditProperties(BOOL bNew)
{
    CLaunchHtmlCfg page;
    // An empty one starts as an address.
    return EditPath(*this, page, bNew, "http://");
}

BOOL CRunProgramAction::EditProperties(BOOL bNew)
{
    CRunProgramCfg page;
    page.m_strPath = m_record.path;
    page.m_strParameters = m_record.parameters;
    if (RunActionSheet(*this, page) == IDCANCEL)
        return FALSE;
    CRunProgramRecord previous = m_record;
    m_record.path = page.m_strPath;
    m_record.parameters = page.m_strParameters;
    return KeepEditedRecord(IsComplete(), bNew, m_record, previous);
}

BOOL CShellExecuteAction::EditProperties(BOOL bNew)
{
    CShellExecuteCfg page;
    return EditPath(*this, page, bNew);
}
