#include "authoring/ProjectInfPP.h"

#include "authoring/PagePages.h"
#include "authoring/ProjectFolder.h"
#include "resources/editor/PagePagesIds.h"

#include <shellapi.h>
#include <stdio.h>

BEGIN_MESSAGE_MAP(CProjectInfPP, CObjectPropertyPage)
    ON_CONTROL(EN_UPDATE, IDC_INF_ICON_FILE, OnIconFileUpdate)
    ON_CBN_SELCHANGE(IDC_INF_ICON_INDEX, OnIconIndexChange)
    ON_BN_CLICKED(IDC_INF_BROWSE, OnBrowse)
END_MESSAGE_MAP()

namespace {

const int kLabelIds[3] = { IDC_INF_LABEL1, IDC_INF_LABEL2, IDC_INF_LABEL3 };
const int kCommandIds[3] = { IDC_INF_COMMAND1, IDC_INF_COMMAND2, IDC_INF_COMMAND3 };

// ExtractIconA answers 1 for a file that holds no icons at all.
BOOL IsRealIcon(HICON icon)
{
    return icon != NULL && icon != (HICON)1;
}

} // namespace

int CProjectInfPP::IconFileKind(const char* path)
{
    // The extension counts at a position of 2 or more, ignoring case; a
    // search started there in a shorter text would raise CStr's box at
    // every keystroke.
    if (ContainsNoCaseFrom(path, ".ico", 2))
        return IconFileIco;
    if (ContainsNoCaseFrom(path, ".exe", 2) || ContainsNoCaseFrom(path, ".dll", 2))
        return IconFileLibrary;
    return IconFileNone;
}

CProjectInfPP::CProjectInfPP()
    : CObjectPropertyPage(IDD_PROJECT_INF), m_iconIndex(-1), m_hIcon(NULL), m_bRefreshing(FALSE)
{
}

CProjectInfPP::~CProjectInfPP()
{
    SetIcon(NULL);
}

void CProjectInfPP::SetIcon(HICON icon)
{
    if (m_hWnd)
        ::SendDlgItemMessageA(m_hWnd, IDC_INF_ICON_PREVIEW, STM_SETICON, (WPARAM)icon, 0);
    if (m_hIcon)
        ::DestroyIcon(m_hIcon);
    m_hIcon = icon;
}

BOOL CProjectInfPP::OnInitDialog()
{
    const CDiscInfSettings& settings = GetDiscInfSettings();
    m_strIconFile = settings.m_strIconFile;
    m_iconIndex = settings.m_iconIndex;
    for (int i = 0; i < 3; ++i)
    {
        m_strLabel[i] = settings.m_strOptionLabel[i];
        m_strCommand[i] = settings.m_strOptionCommand[i];
    }
    m_bRefreshing = TRUE;
    BOOL result = CObjectPropertyPage::OnInitDialog();
    m_bRefreshing = FALSE;
    RefreshPreview();
    return result;
}

void CProjectInfPP::DoDataExchange(CDataExchange* pDX)
{
    for (int i = 0; i < 3; ++i)
    {
        DDX_Text(pDX, kLabelIds[i], m_strLabel[i]);
        DDV_MaxChars(pDX, m_strLabel[i], 24);
        DDX_Text(pDX, kCommandIds[i], m_strCommand[i]);
        DDV_MaxChars(pDX, m_strCommand[i], 255);
    }
    DDX_Text(pDX, IDC_INF_ICON_FILE, m_strIconFile);
    DDV_MaxChars(pDX, m_strIconFile, 255);
}

void CProjectInfPP::ShowExtractedIcon()
{
    HICON icon = ::ExtractIconA(AfxGetInstanceHandle(), MakeAbsolutePath(m_strIconFile), (UINT)m_iconIndex);
    if (IsRealIcon(icon))
    {
        SetIcon(icon);
        return;
    }
    // Nothing came back: no index is kept and nothing is destroyed.
    SetIcon(NULL);
    m_iconIndex = -1;
}

void CProjectInfPP::RefreshPreview()
{
    // Only the icon file is taken here: the preview follows every keystroke
    // and must not complain about the other fields.
    char typed[MAX_PATH] = "";
    ::GetDlgItemTextA(m_hWnd, IDC_INF_ICON_FILE, typed, sizeof typed);
    m_strIconFile = typed;
    SetIcon(NULL);
    HWND combo = ::GetDlgItem(m_hWnd, IDC_INF_ICON_INDEX);
    BOOL choices = FALSE;
    const int kind = IconFileKind(m_strIconFile);
    if (kind == IconFileIco)
    {
        SetIcon(LoadPreviewIcon(m_strIconFile));
        m_iconIndex = -1;
        ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    }
    else if (kind == IconFileLibrary)
    {
        UINT count = (UINT)(UINT_PTR)::ExtractIconA(AfxGetInstanceHandle(), MakeAbsolutePath(m_strIconFile),
                                                   (UINT)-1);
        ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
        // A negative index would ask for the count instead of an icon.
        if (m_iconIndex < 0 || (UINT)m_iconIndex >= count)
            m_iconIndex = 0;
        for (UINT i = 0; i < count; ++i)
        {
            char number[16];
            snprintf(number, sizeof number, "%u", i);
            ::SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)number);
        }
        ::SendMessageA(combo, CB_SETCURSEL, (WPARAM)m_iconIndex, 0);
        choices = count > 0;
        if (choices)
            ShowExtractedIcon();
        else
            m_iconIndex = -1;
    }
    else
    {
        ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    }
    EnableItem(IDC_INF_ICON_INDEX, choices);
    EnableItem(IDC_INF_NOTE, choices);
}

void CProjectInfPP::OnIconFileUpdate()
{
    if (!m_bRefreshing)
        RefreshPreview();
}

void CProjectInfPP::OnIconIndexChange()
{
    LRESULT selected = ::SendDlgItemMessageA(m_hWnd, IDC_INF_ICON_INDEX, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR)
        return;
    m_iconIndex = (int)selected;
    ShowExtractedIcon();
}

void CProjectInfPP::OnBrowse()
{
    char typed[MAX_PATH] = "";
    ::GetDlgItemTextA(m_hWnd, IDC_INF_ICON_FILE, typed, sizeof typed);
    CStr chosen;
    if (ChoosePageFile(m_hWnd, "Icon File (*.ico)|*.ico|Executable Files (*.exe)|*.exe|Dll's (*.dll)|*.dll||",
                       "ico", typed, chosen))
    {
        m_bRefreshing = TRUE;
        ::SetDlgItemTextA(m_hWnd, IDC_INF_ICON_FILE, chosen);
        m_bRefreshing = FALSE;
    }
    RefreshPreview();
}

BOOL CProjectInfPP::OnApply()
{
    if (!UpdateData(TRUE))
        return FALSE;
    if (m_iconIndex == -1 && !m_strIconFile.IsEmpty())
        m_strIconFile = ImportFileIntoProject(m_strIconFile, FALSE);
    CDiscInfSettings& settings = GetDiscInfSettings();
    settings.m_strIconFile = m_strIconFile;
    settings.m_iconIndex = m_iconIndex;
    for (int i = 0; i < 3; ++i)
    {
        settings.m_strOptionLabel[i] = m_strLabel[i];
        settings.m_strOptionCommand[i] = m_strCommand[i];
    }
    return CObjectPropertyPage::OnApply();
}
