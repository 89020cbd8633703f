#include "authoring/PagePages.h"

#include "authoring/ProgramFolders.h"
#include "authoring/ProjectFolder.h"
#include "model/Browser.h"
#include "model/common/PathHelpers.h"
#include "model/store/DataFile.h"
#include "platform/framework/CommonDialogs.h"
#include "platform/framework/FileFind.h"
#include "resources/editor/PagePagesIds.h"

#include <string.h>

// ---------------------------------------------------------------------------
// Pickers

namespace {

BOOL ChooseWithDialog(HWND owner, const char* filter, const char* defExt, const char* start, CStr& chosen)
{
    size_t length = strlen(start);
    bool folder = length == 0 || start[length - 1] == '\\';
    CFileDialog dialog(TRUE, defExt, folder ? NULL : start, OFN_HIDEREADONLY | OFN_EXPLORER, filter,
                       CWnd::FromHandle(owner));
    if (folder)
        dialog.m_ofn.lpstrInitialDir = start;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    chosen = dialog.GetPathName().c_str();
    return TRUE;
}

BOOL ChooseColorWithDialog(HWND owner, COLORREF& colour)
{
    CColorDialog dialog(colour, CC_FULLOPEN, CWnd::FromHandle(owner));
    if (dialog.DoModal() != IDOK)
        return FALSE;
    colour = dialog.GetColor();
    return TRUE;
}

PageFileChooser g_fileChooser = ChooseWithDialog;
PageColorChooser g_colorChooser = ChooseColorWithDialog;
CStr g_templatesFolder;

CStr LoadResourceText(UINT id)
{
    char text[256] = "";
    ::LoadStringA(AfxGetResourceHandle(), id, text, sizeof text);
    return CStr(text);
}

} // namespace

CStr PickerStartPath(const char* field)
{
    if (field == NULL || *field == '\0')
        return GetDefaultContentFolder();
    if (IsRelativePath(field))
        return MakeAbsolutePath(field);
    return CStr(field);
}

PageFileChooser SetPageFileChooser(PageFileChooser chooser)
{
    PageFileChooser previous = g_fileChooser;
    g_fileChooser = chooser ? chooser : ChooseWithDialog;
    return previous;
}

PageColorChooser SetPageColorChooser(PageColorChooser chooser)
{
    PageColorChooser previous = g_colorChooser;
    g_colorChooser = chooser ? chooser : ChooseColorWithDialog;
    return previous;
}

BOOL ChoosePageFile(HWND owner, const char* filter, const char* defExt, const char* field, CStr& chosen)
{
    return g_fileChooser(owner, filter, defExt, PickerStartPath(field), chosen);
}

void SetTemplatesFolder(const char* folder)
{
    g_templatesFolder = folder ? folder : "";
    if (!g_templatesFolder.IsEmpty() && g_templatesFolder[g_templatesFolder.GetLength() - 1] != '\\')
        g_templatesFolder += "\\";
}

CStr GetTemplatesFolder()
{
    if (!g_templatesFolder.IsEmpty())
        return g_templatesFolder;
    CStr folder = GetInstallationFolder(GetProgramPath());
    folder += "templates\\";
    return folder;
}

CStr GetTemplatesContentFolder()
{
    char path[MAX_PATH];
    lstrcpynA(path, GetTemplatesFolder(), MAX_PATH);
    RemoveBackslash(path);
    RemoveFileSpec(path);
    if (!AppendPath(path, "content"))
        return CStr("");
    return CStr(path);
}

HICON LoadPreviewIcon(const char* path)
{
    if (path == NULL || *path == '\0')
        return NULL;
    return (HICON)::LoadImageA(NULL, MakeAbsolutePath(path), IMAGE_ICON, 0, 0,
                               LR_DEFAULTSIZE | LR_VGACOLOR | LR_LOADFROMFILE);
}

// ---------------------------------------------------------------------------
// Background

BEGIN_MESSAGE_MAP(CPageBackgroundPP, CObjectPropertyPage)
    ON_BN_CLICKED(IDC_BACKGROUND_BROWSE, OnBrowse)
END_MESSAGE_MAP()

CPageBackgroundPP::CPageBackgroundPP() : CObjectPropertyPage(IDD_PAGE_BACKGROUND), m_bTiled(1)
{
    m_strNoun = "page";
}

void CPageBackgroundPP::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_BACKGROUND_FILE, m_strBackground);
    DDV_MaxChars(pDX, m_strBackground, 255);
    DDX_Check(pDX, IDC_BACKGROUND_TILED, m_bTiled);
}

void CPageBackgroundPP::OnBrowse()
{
    char typed[MAX_PATH] = "";
    ::GetDlgItemTextA(m_hWnd, IDC_BACKGROUND_FILE, typed, sizeof typed);
    CStr chosen;
    if (ChoosePageFile(m_hWnd, LoadResourceText(IDS_BACKGROUND_FILTER), NULL, typed, chosen))
        ::SetDlgItemTextA(m_hWnd, IDC_BACKGROUND_FILE, chosen);
}

// ---------------------------------------------------------------------------
// Template

BEGIN_MESSAGE_MAP(CPageTemplatePP, CObjectPropertyPage)
    ON_LBN_SELCHANGE(IDC_TEMPLATE_LIST, OnSelChange)
    ON_LBN_DBLCLK(IDC_TEMPLATE_LIST, OnDoubleClick)
END_MESSAGE_MAP()

CPageTemplatePP::CPageTemplatePP()
    : CObjectPropertyPage(IDD_PAGE_TEMPLATE), m_bTile(TRUE), m_pBackgroundPage(NULL), m_pPage(NULL),
      m_hDefaultPreview(NULL), m_hPreview(NULL), m_backgroundIndex(-1)
{
    m_strNoun = "page";
}

CPageTemplatePP::~CPageTemplatePP()
{
    if (m_hPreview)
        ::DeleteObject(m_hPreview);
}

BOOL CPageTemplatePP::OnInitDialog()
{
    m_hDefaultPreview = (HBITMAP)::SendDlgItemMessageA(m_hWnd, IDC_TEMPLATE_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0);
    ListTemplates();
    return CObjectPropertyPage::OnInitDialog();
}

void CPageTemplatePP::ListTemplates()
{
    HWND list = ::GetDlgItem(m_hWnd, IDC_TEMPLATE_LIST);
    m_paths.clear();
    m_paths.push_back(CStr(""));
    ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
    LRESULT none = ::SendMessageA(list, LB_ADDSTRING, 0, (LPARAM) "<None>");
    ::SendMessageA(list, LB_SETITEMDATA, (WPARAM)none, 0);
    CStr pattern = GetTemplatesFolder();
    pattern += "*.pqt";
    CStr chosenPath;
    CFileFind finder;
    for (BOOL more = finder.FindFile(pattern); more;)
    {
        more = finder.FindNextFile();
        if (finder.IsDirectory())
            continue;
        CStr path = finder.GetFilePath();
        CDataFile file;
        if (!file.LoadFromFile(path))
            continue;
        CStr name;
        file.GetString("main", "name", name);
        LRESULT line = ::SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)name.c_str());
        if (line < 0)
            continue;
        ::SendMessageA(list, LB_SETITEMDATA, (WPARAM)line, (LPARAM)m_paths.size());
        m_paths.push_back(path);
        if (!m_strTemplate.IsEmpty() && strcmp(path, m_strTemplate) == 0)
            chosenPath = path;
    }
    // Lines move as others are added to the sorted list: select by path.
    int count = (int)::SendMessageA(list, LB_GETCOUNT, 0, 0);
    int selected = 0;
    for (int i = 0; i < count && !chosenPath.IsEmpty(); ++i)
    {
        size_t index = (size_t)::SendMessageA(list, LB_GETITEMDATA, (WPARAM)i, 0);
        if (index > 0 && index < m_paths.size() && strcmp(m_paths[index], chosenPath) == 0)
            selected = i;
    }
    if (chosenPath.IsEmpty())
    {
        for (int i = 0; i < count; ++i)
        {
            if (::SendMessageA(list, LB_GETITEMDATA, (WPARAM)i, 0) == 0)
                selected = i;
        }
    }
    ::SendMessageA(list, LB_SETCURSEL, (WPARAM)selected, 0);
    if (!chosenPath.IsEmpty())
        ShowTemplate();
}

void CPageTemplatePP::ShowTemplate()
{
    HWND list = ::GetDlgItem(m_hWnd, IDC_TEMPLATE_LIST);
    LRESULT line = ::SendMessageA(list, LB_GETCURSEL, 0, 0);
    size_t index = line == LB_ERR ? 0 : (size_t)::SendMessageA(list, LB_GETITEMDATA, (WPARAM)line, 0);
    if (index > 0 && index < m_paths.size())
    {
        if (m_paths[index].IsEmpty())
            return;
        m_strTemplate = m_paths[index];
        CDataFile file;
        file.LoadFromFile(m_strTemplate);
        m_strDescription = "";
        file.GetString("main", "description", m_strDescription);
        CStr folder;
        file.GetString("main", "folder", folder);
        char content[MAX_PATH];
        lstrcpynA(content, GetTemplatesContentFolder(), MAX_PATH);
        AppendPath(content, folder);
        AddBackslash(content);
        m_strContentFolder = content;
        CStr watermark;
        file.GetString("browser", "watermark", watermark);
        file.GetBool("browser", "tile", m_bTile);
        m_strBackground = m_strContentFolder;
        m_strBackground += watermark;
        CStr preview = m_strContentFolder;
        preview += "preview.bmp";
        ShowPreview(preview);
    }
    else
    {
        ShowPreview("");
        m_strDescription = "";
        m_strTemplate = "";
    }
    ::SetDlgItemTextA(m_hWnd, IDC_TEMPLATE_DESCRIPTION, m_strDescription);
}

void CPageTemplatePP::ShowPreview(const char* path)
{
    HBITMAP picture = m_hDefaultPreview;
    if (path != NULL && *path != '\0')
    {
        picture = (HBITMAP)::LoadImageA(NULL, MakeAbsolutePath(path), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
        if (picture == NULL)
            return;
    }
    ::SendDlgItemMessageA(m_hWnd, IDC_TEMPLATE_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)picture);
    if (m_hPreview != NULL && m_hPreview != picture)
        ::DeleteObject(m_hPreview);
    m_hPreview = picture == m_hDefaultPreview ? NULL : picture;
    ::InvalidateRect(::GetDlgItem(m_hWnd, IDC_TEMPLATE_PICTURE), NULL, TRUE);
}

void CPageTemplatePP::OnSelChange()
{
    ShowTemplate();
}

void CPageTemplatePP::OnDoubleClick()
{
    if (GetSheet())
        GetSheet()->PressButton(PSBTN_NEXT);
}

BOOL CPageTemplatePP::OnKillActive()
{
    SetCurrentTemplate(m_strTemplate);
    return CObjectPropertyPage::OnKillActive();
}

LRESULT CPageTemplatePP::OnWizardNext()
{
    UpdateData(TRUE);
    CPropertySheet* sheet = GetSheet();
    if (m_pBackgroundPage != NULL && sheet != NULL)
    {
        int index = sheet->GetPageIndex(m_pBackgroundPage);
        if (!m_strTemplate.IsEmpty())
        {
            // The template supplies the background.
            if (index >= 0)
            {
                m_backgroundIndex = index;
                sheet->RemovePage(index);
            }
            if (m_pPage)
                m_pPage->m_strWatermark = m_strBackground;
            m_pBackgroundPage->m_strBackground = m_strBackground;
            m_pBackgroundPage->m_bTiled = m_bTile;
        }
        else if (index < 0 && m_backgroundIndex >= 0)
        {
            // Back again and no template now: the author sets the background.
            sheet->InsertPage(m_backgroundIndex, m_pBackgroundPage);
            m_backgroundIndex = -1;
        }
    }
    return CObjectPropertyPage::OnWizardNext();
}

// ---------------------------------------------------------------------------
// Border

BEGIN_MESSAGE_MAP(CPageBorderPP, CObjectPropertyPage)
    ON_BN_CLICKED(IDC_BORDER_NORMAL, OnStyleClicked)
    ON_BN_CLICKED(IDC_BORDER_FRAME_ONLY, OnStyleClicked)
    ON_BN_CLICKED(IDC_BORDER_THIN_FRAME, OnStyleClicked)
    ON_BN_CLICKED(IDC_BORDER_FRAMELESS, OnStyleClicked)
    ON_BN_CLICKED(IDC_BORDER_NO_BACKGROUND, OnStyleClicked)
    ON_BN_CLICKED(IDC_BORDER_COLOR, OnColor)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CPageBorderPP::CPageBorderPP()
    : CObjectPropertyPage(IDD_PAGE_BORDER), m_transColor(0), m_windowType(-1), m_tolerance(0)
{
    m_strNoun = "page";
}

BOOL CPageBorderPP::OnInitDialog()
{
    ::SendDlgItemMessageA(m_hWnd, IDC_BORDER_SPIN, UDM_SETRANGE32, 0, 200);
    BOOL result = CObjectPropertyPage::OnInitDialog();
    ApplyTransparencyRule();
    return result;
}

void CPageBorderPP::DoDataExchange(CDataExchange* pDX)
{
    DDX_Radio(pDX, IDC_BORDER_NORMAL, m_windowType);
    DDX_Text(pDX, IDC_BORDER_TOLERANCE, m_tolerance);
    DDV_MinMaxByte(pDX, m_tolerance, 0, 200);
}

void CPageBorderPP::ApplyTransparencyRule()
{
    // Read without validating: a style click must not complain about the
    // tolerance being typed.
    const int styles[] = { IDC_BORDER_NORMAL, IDC_BORDER_FRAME_ONLY, IDC_BORDER_THIN_FRAME, IDC_BORDER_FRAMELESS,
                           IDC_BORDER_NO_BACKGROUND };
    for (int i = 0; i < 5; ++i)
    {
        if (IsDlgButtonChecked(styles[i]) == BST_CHECKED)
            m_windowType = i;
    }
    BOOL frameless = m_windowType == 3;
    for (int id : { IDC_BORDER_TOLERANCE_LABEL, IDC_BORDER_SPIN, IDC_BORDER_TOLERANCE, IDC_BORDER_SWATCH,
                    IDC_BORDER_COLOR, IDC_BORDER_GROUP })
        EnableItem(id, frameless);
}

void CPageBorderPP::OnStyleClicked()
{
    ApplyTransparencyRule();
}

void CPageBorderPP::OnColor()
{
    COLORREF colour = m_transColor;
    if (g_colorChooser(m_hWnd, colour))
        m_transColor = colour;
    RECT swatch;
    HWND item = ::GetDlgItem(m_hWnd, IDC_BORDER_SWATCH);
    ::GetWindowRect(item, &swatch);
    ::MapWindowPoints(NULL, m_hWnd, (POINT*)&swatch, 2);
    ::InvalidateRect(m_hWnd, &swatch, TRUE);
    ::InvalidateRect(item, NULL, TRUE);
}

void CPageBorderPP::OnPaint()
{
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    RECT swatch;
    ::GetWindowRect(::GetDlgItem(m_hWnd, IDC_BORDER_SWATCH), &swatch);
    ::MapWindowPoints(NULL, m_hWnd, (POINT*)&swatch, 2);
    HBRUSH brush = ::CreateSolidBrush(m_transColor);
    ::FillRect(dc, &swatch, brush);
    ::DeleteObject(brush);
    ::EndPaint(m_hWnd, &paint);
}

// ---------------------------------------------------------------------------
// Icon

BEGIN_MESSAGE_MAP(CPageIconPP, CObjectPropertyPage)
    ON_BN_CLICKED(IDC_ICON_BROWSE, OnBrowse)
END_MESSAGE_MAP()

CPageIconPP::CPageIconPP() : CObjectPropertyPage(IDD_PAGE_ICON), m_hIcon(NULL)
{
    m_strNoun = "page";
}

CPageIconPP::~CPageIconPP()
{
    if (m_hIcon)
        ::DestroyIcon(m_hIcon);
}

BOOL CPageIconPP::OnInitDialog()
{
    FormatNounText();
    ShowIcon();
    return CObjectPropertyPage::OnInitDialog();
}

void CPageIconPP::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_ICON_FILE, m_strIcon);
    DDV_MaxChars(pDX, m_strIcon, 255);
}

void CPageIconPP::ShowIcon()
{
    HICON icon = LoadPreviewIcon(m_strIcon);
    ::SendDlgItemMessageA(m_hWnd, IDC_ICON_PREVIEW, STM_SETICON, (WPARAM)icon, 0);
    if (m_hIcon)
        ::DestroyIcon(m_hIcon);
    m_hIcon = icon;
}

void CPageIconPP::OnBrowse()
{
    char typed[MAX_PATH] = "";
    ::GetDlgItemTextA(m_hWnd, IDC_ICON_FILE, typed, sizeof typed);
    m_strIcon = typed;
    CStr chosen;
    if (ChoosePageFile(m_hWnd, LoadResourceText(IDS_ICON_FILTER), "ico", typed, chosen))
        m_strIcon = chosen;
    ShowIcon();
    ::SetDlgItemTextA(m_hWnd, IDC_ICON_FILE, m_strIcon);
}
