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
    DDX_Text(pDX, m_pathId, Path());
    if (m_maxChars > 0)
        DDV_MaxChars(pDX, Path(), m_maxChars);
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
    BrowseIntoField(m_hWnd, m_pathId, [this](const CStr& text) { return MakeBrowseRequest(text); });
}

// ---------------------------------------------------------------------------

COpenFolderCfg::COpenFolderCfg()
    : CPathPage(IDD_OPEN_FOLDER_CFG, IDC_FOLDER_PATH, 0, 0, NULL)
{
}

CActionBrowseRequest COpenFolderCfg::MakeBrowseRequest(const CStr& text) const
{
    CActionBrowseRequest request;
    request.folder = TRUE;
    request.title = "Select a Folder";
    request.windowTitle = "Browse";
    SetBrowseStart(request, text);
    return request;
}

// ---------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CPlaySoundCfg, CPathPage)
    ON_EN_CHANGE(IDC_SOUND_PATH, OnPathChange)
    ON_BN_CLICKED(IDC_SOUND_PLAY, OnPlay)
END_MESSAGE_MAP()

CPlaySoundCfg::CPlaySoundCfg()
    : CPathPage(IDD_PLAY_SOUND_CFG, IDC_SOUND_PATH, 255, IDS_FILTER_SOUND, "wav")
{
}

BOOL CPlaySoundCfg::CanPlay(const char* text)
{
    // ".wav" after the first character; searching from there in a text of
    // one character or none would raise CStr's box as the page opens.
    if (!ContainsNoCaseFrom(text, ".wav", 1))
        return FALSE;
    return FileExists(MakeMediaPathAbsolute(text));
}

BOOL CPlaySoundCfg::OnInitDialog()
{
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_SOUND_PLAY), FALSE);
    BOOL result = CPathPage::OnInitDialog();
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
    : CPathPage(IDD_LAUNCH_HTML_CFG, IDC_HTML_PATH, 0, IDS_FILTER_HTML, "htm")
{
}

BOOL CLaunchHtmlCfg::OnInitDialog()
{
    // An empty one starts as an address.
    if (m_record.path.IsEmpty())
        m_record.path = "http://";
    return CPathPage::OnInitDialog();
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
    DDX_Text(pDX, IDC_PROGRAM_ARGUMENTS, m_record.parameters);
}

CShellExecuteCfg::CShellExecuteCfg()
    : CPathPage(IDD_SHELL_EXECUTE_CFG, IDC_DOCUMENT_PATH, 255, IDS_FILTER_DOCUMENT, NULL)
{
}

// ---------------------------------------------------------------------------
// The actions' edits.

BOOL COpenFolderAction::EditProperties(BOOL)
{
    COpenFolderCfg page;
    return EditThroughPage(*this, page);
}

BOOL CPlaySoundAction::EditProperties(BOOL)
{
    CPlaySoundCfg page;
    return EditThroughPage(*this, page);
}

BOOL CLaunchHtmlAction::EditProperties(BOOL)
{
    CLaunchHtmlCfg page;
    return EditThroughPage(*this, page);
}

BOOL CRunProgramAction::EditProperties(BOOL)
{
    CRunProgramCfg page;
    return EditThroughPage(*this, page);
}

BOOL CShellExecuteAction::EditProperties(BOOL)
{
    CShellExecuteCfg page;
    return EditThroughPage(*this, page);
}
