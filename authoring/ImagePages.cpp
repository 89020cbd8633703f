#include "authoring/ImagePages.h"

#include "authoring/ObjectPages.h"
#include "authoring/ProjectFolder.h"
#include "authoring/TextPages.h"
#include "model/Browser.h"
#include "model/EditorServices.h"
#include "model/ImageElement.h"
#include "model/ImageUtil.h"
#include "model/common/PathHelpers.h"
#include "resources/editor/TextImagePagesIds.h"

#include <math.h>
#include <string.h>

RECT PlacePreview(const RECT& area, int width, int height)
{
    RECT placed = { area.left, area.top, area.left, area.top };
    if (width <= 0 || height <= 0)
        return placed;
    POINT corner = { area.left + width, area.top + height };
    if (!PtInRect(&area, corner)) {
        // The smaller of the two factors, in whole numbers so that a factor
        // like 76/80 is not cut a pixel short.
        const LONGLONG roomWidth = area.right - area.left - 4 > 0 ? area.right - area.left - 4 : 0;
        const LONGLONG roomHeight = area.bottom - area.top - 4 > 0 ? area.bottom - area.top - 4 : 0;
        if (roomHeight * width < roomWidth * height) {
            width = (int)(width * roomHeight / height);
            height = (int)roomHeight;
        } else {
            height = (int)(height * roomWidth / width);
            width = (int)roomWidth;
        }
    }
    placed.left = (area.left + area.right) / 2 - width / 2;
    placed.top = (area.top + area.bottom) / 2 - height / 2;
    placed.right = placed.left + width;
    placed.bottom = placed.top + height;
    return placed;
}

BOOL BrowseForImageFile(CWnd* parent, CStr& field)
{
    std::string filter = AfxLoadString(IDS_IMAGE_FILE_FILTER);
    CStr start;
    CStr folder;
    if (field.IsEmpty())
        folder = GetDefaultContentFolder();
    else
        start = strchr(field, ':') ? field : MakeAbsolutePath(field);
    CFileDialog dialog(TRUE, NULL, start.IsEmpty() ? NULL : start.c_str(),
                       OFN_HIDEREADONLY | OFN_EXPLORER, filter.c_str(), parent);
    if (!start.IsEmpty())
        folder = FolderOfPath(start);
    if (!folder.IsEmpty())
        dialog.m_ofn.lpstrInitialDir = folder;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    field = dialog.GetPathName().c_str();
    return TRUE;
}

static void FormatNounText(CWnd* page, const char* noun)
{
    char format[512] = "";
    ::GetDlgItemTextA(page->m_hWnd, IDC_TI_NOUN_TEXT, format, sizeof(format));
    ::SetDlgItemTextA(page->m_hWnd, IDC_TI_NOUN_TEXT, FormatWithNoun(format, noun));
}

// Pictures as the element reads them, but with relative paths taken from
// the document folder whatever the current folder is.
static PictureReaders PreviewReaders(CImageElement* element)
{
    PictureReaders readers = EditorPictureReaders();
    readers.resolve = [](const char* src) { return MakeAbsolutePath(src); };
    if (element)
        readers.jpeg = [element](const char* path) {
            HBITMAP bitmap = NULL;
            element->LoadJpeg(&bitmap, path);
            return bitmap;
        };
    return readers;
}

// --------------------------------------------------------------- CImagePP

BEGIN_MESSAGE_MAP(CImagePP, CPropertyPage)
    ON_BN_CLICKED(IDC_IMAGE_SYSTEM_BUTTON, OnSystemButtonClicked)
    ON_BN_CLICKED(IDC_IMAGE_BROWSE, OnBrowse)
    ON_EN_CHANGE(IDC_IMAGE_PATH, OnPathChanged)
    ON_WM_PAINT()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CImagePP::CImagePP()
    : CPropertyPage(IDD_IMAGE_PATH), m_strNoun("image"), m_bWizard(FALSE), m_pElement(NULL),
      m_pSizeWidth(NULL), m_pSizeHeight(NULL), m_pRestoreWidth(NULL), m_pRestoreHeight(NULL),
      m_bAnimated(0), m_bSystemButton(0), m_hPicture(NULL), m_hMask(NULL), m_hBackground(NULL),
      m_pPage(NULL), m_bInitialized(FALSE)
{
    memset(&m_pictureSize, 0, sizeof(m_pictureSize));
}

CImagePP::~CImagePP()
{
    FreeAllPictures();
}

void CImagePP::FreeAllPictures()
{
    FreePreview();
    if (m_hBackground)
        DeleteObject(m_hBackground);
    m_hBackground = NULL;
}

void CImagePP::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_IMAGE_ANIMATED, m_bAnimated);
    DDX_Text(pDX, IDC_IMAGE_PATH, m_strPath);
    DDV_MaxChars(pDX, m_strPath, 255);
    DDX_Check(pDX, IDC_IMAGE_SYSTEM_BUTTON, m_bSystemButton);
    DDX_Text(pDX, IDC_IMAGE_CAPTION, m_strCaption);
    DDV_MaxChars(pDX, m_strCaption, 25);
}

void CImagePP::FreePreview()
{
    if (m_hPicture)
        DeleteObject(m_hPicture);
    if (m_hMask)
        DeleteObject(m_hMask);
    m_hPicture = NULL;
    m_hMask = NULL;
    memset(&m_pictureSize, 0, sizeof(m_pictureSize));
}

void CImagePP::LoadBackground()
{
    if (m_hBackground || m_pPage == NULL || m_pPage->m_strWatermark.IsEmpty())
        return;
    HBITMAP mask = NULL;
    LoadElementPicture(m_pPage->m_strWatermark, PreviewReaders(m_pElement), m_hBackground, mask);
    if (mask)
        DeleteObject(mask);
}

BOOL CImagePP::OnInitDialog()
{
    m_pPage = dynamic_cast<CBrowser*>(GetCurrentPage());
    CPropertyPage::OnInitDialog();
    FormatNounText(this, m_strNoun);
    m_bInitialized = TRUE;
    ApplySystemButtonRule();
    ApplyPathRule();
    if (m_pElement)
        m_strOpeningPath = m_strPath;
    return TRUE;
}

void CImagePP::ApplySystemButtonRule()
{
    UpdateData(TRUE);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_IMAGE_PATH), !m_bSystemButton);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_IMAGE_CAPTION), m_bSystemButton);
    OnSetActive();
}

void CImagePP::ApplyPathRule(BOOL setButtons)
{
    UpdateData(TRUE);
    CPropertySheet* sheet = setButtons ? GetSheet() : NULL;
    if (sheet)
        sheet->SetWizardButtons(m_strPath.IsEmpty() ? 0 : PSWIZB_NEXT);
    const BOOL gif = !m_strPath.IsEmpty() && ContainsNoCase(m_strPath, ".gif", TRUE);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_IMAGE_ANIMATED), gif);
    if (!gif) {
        m_bAnimated = 0;
        // The box alone: showing all the data would set the path again and
        // come back here.
        CheckDlgButton(IDC_IMAGE_ANIMATED, BST_UNCHECKED);
    }

    const BOOL picture = ContainsNoCase(m_strPath, ".bmp", TRUE) || ContainsNoCase(m_strPath, ".gif", TRUE) ||
                         ContainsNoCase(m_strPath, ".jpg", TRUE);
    FreePreview();
    if (!m_bSystemButton && !m_strPath.IsEmpty() && picture && FileExists(MakeAbsolutePath(m_strPath))) {
        LoadElementPicture(m_strPath, PreviewReaders(m_pElement), m_hPicture, m_hMask);
        if (m_hPicture)
            GetObjectA(m_hPicture, sizeof(m_pictureSize), &m_pictureSize);
        else
            FreePreview();
    }
    // The default picture shows while there is nothing to preview; hidden,
    // it cannot paint over the preview.
    ::ShowWindow(::GetDlgItem(m_hWnd, IDC_IMAGE_PREVIEW), m_hPicture ? SW_HIDE : SW_SHOW);
    RECT area = ChildRect(this, IDC_IMAGE_PREVIEW);
    InvalidateRect(&area);
    UpdateWindow();
}

void CImagePP::OnSystemButtonClicked()
{
    ApplySystemButtonRule();
    // The path rule would take Next away again for the empty path of a
    // system button, and the wizard could not go on.
    ApplyPathRule(FALSE);
}

void CImagePP::OnBrowse()
{
    UpdateData(TRUE);
    if (BrowseForImageFile(this, m_strPath)) {
        ::SetDlgItemTextA(m_hWnd, IDC_IMAGE_PATH, m_strPath);
        ApplyPathRule();
    }
}

void CImagePP::OnPathChanged()
{
    if (m_bInitialized)
        ApplyPathRule();
}

BOOL CImagePP::OnSetActive()
{
    if (m_bWizard) {
        if (CPropertySheet* sheet = GetSheet())
            sheet->SetWizardButtons(!m_strPath.IsEmpty() || m_bSystemButton ? PSWIZB_NEXT : 0);
    }
    RECT area = ChildRect(this, IDC_IMAGE_PREVIEW);
    InvalidateRect(&area);
    return CPropertyPage::OnSetActive();
}

BOOL CImagePP::OnKillActive()
{
    if (!CPropertyPage::OnKillActive())
        return FALSE;
    // A new picture resets the element to its natural size; one that did
    // not load leaves the size as it is.
    if (m_pSizeWidth && m_pSizeHeight && m_hPicture && lstrcmpA(m_strPath, m_strOpeningPath) != 0) {
        *m_pSizeWidth = m_pictureSize.bmWidth;
        *m_pSizeHeight = m_pictureSize.bmHeight;
        if (m_pRestoreWidth)
            *m_pRestoreWidth = m_pictureSize.bmWidth;
        if (m_pRestoreHeight)
            *m_pRestoreHeight = m_pictureSize.bmHeight;
    }
    return TRUE;
}

void CImagePP::OnPaint()
{
    CPaintDC paint(this);
    if (m_hPicture == NULL)
        return;
    HDC dc = paint.GetSafeHdc();
    RECT area = ChildRect(this, IDC_IMAGE_PREVIEW);
    LoadBackground();
    HDC memory = CreateCompatibleDC(dc);
    if (m_hBackground) {
        SIZE size = GetBitmapSize(m_hBackground);
        HGDIOBJ previous = SelectObject(memory, m_hBackground);
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory, 0, 0,
                   size.cx, size.cy, SRCCOPY);
        SelectObject(memory, previous);
    } else {
        FillRect(dc, &area, (HBRUSH)GetStockObject(WHITE_BRUSH));
    }
    RECT placed = PlacePreview(area, m_pictureSize.bmWidth, m_pictureSize.bmHeight);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchPicture(dc, memory, placed, m_hPicture, m_hMask, 0, 0, m_pictureSize.bmWidth,
                   m_pictureSize.bmHeight);
    DeleteDC(memory);
}

void CImagePP::OnDestroy()
{
    FreeAllPictures();
    CPropertyPage::OnDestroy();
}

// -------------------------------------------------------- CImageEffectsPP

BEGIN_MESSAGE_MAP(CImageEffectsPP, CPropertyPage)
    ON_BN_CLICKED(IDC_EFFECT_OVER_BROWSE, OnBrowseOver)
    ON_BN_CLICKED(IDC_EFFECT_DOWN_BROWSE, OnBrowseDown)
END_MESSAGE_MAP()

CImageEffectsPP::CImageEffectsPP()
    : CPropertyPage(IDD_IMAGE_EFFECTS), m_pElement(NULL), m_strNoun("Image"), m_bWizard(FALSE),
      m_pImagePage(NULL), m_bFilled(FALSE)
{
}

void CImageEffectsPP::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_EFFECT_DOWN, m_strDown);
    DDV_MaxChars(pDX, m_strDown, 255);
    DDX_Text(pDX, IDC_EFFECT_OVER, m_strOver);
    DDV_MaxChars(pDX, m_strOver, 255);
}

BOOL CImageEffectsPP::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    FormatNounText(this, m_strNoun);
    return TRUE;
}

BOOL CImageEffectsPP::OnSetActive()
{
    // Filled once: what the author typed before leaving the page stays.
    if (!m_bFilled && m_pElement) {
        m_pElement->GetEffectImages(m_strOver, m_strDown);
        m_bFilled = TRUE;
    }
    UpdateData(FALSE);
    if (m_bWizard)
        SetWizardButtonsForPlace(this);
    return CPropertyPage::OnSetActive();
}

BOOL CImageEffectsPP::OnWizardFinish()
{
    if (!UpdateData(TRUE))
        return FALSE;
    return CPropertyPage::OnWizardFinish();
}

void CImageEffectsPP::OnBrowseOver()
{
    UpdateData(TRUE);
    if (BrowseForImageFile(this, m_strOver))
        UpdateData(FALSE);
}

void CImageEffectsPP::OnBrowseDown()
{
    UpdateData(TRUE);
    if (BrowseForImageFile(this, m_strDown))
        UpdateData(FALSE);
}

// --------------------------------------------------------- CPixelPickerPP

BEGIN_MESSAGE_MAP(CPixelPickerPP, CPropertyPage)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_EN_CHANGE(IDC_PICK_X, OnXChanged)
    ON_EN_CHANGE(IDC_PICK_Y, OnYChanged)
    ON_BN_CLICKED(IDC_PICK_USE, OnUseClicked)
END_MESSAGE_MAP()

CPixelPickerPP::CPixelPickerPP()
    : CPropertyPage(IDD_PIXEL_PICKER), m_hPicture(NULL), m_pickX(-1), m_pickY(-1),
      m_bUseTransparency(TRUE), m_x(0), m_y(0), m_zoom(1.0), m_bReady(FALSE)
{
    memset(&m_pictureSize, 0, sizeof(m_pictureSize));
}

static void ExchangeCoordinate(CDataExchange* pDX, int id, int& value)
{
    // An empty box means no pixel is chosen yet: nothing to read or check.
    if (pDX->m_bSaveAndValidate && ::GetWindowTextLengthA(::GetDlgItem(pDX->m_hDlg, id)) == 0)
        return;
    DDX_Text(pDX, id, value);
    DDV_MinMaxInt(pDX, value, 0, 2000);
}

void CPixelPickerPP::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_PICK_USE, m_bUseTransparency);
    ExchangeCoordinate(pDX, IDC_PICK_X, m_x);
    ExchangeCoordinate(pDX, IDC_PICK_Y, m_y);
}

RECT CPixelPickerPP::AreaRect() const
{
    return ChildRect(this, IDC_PICK_AREA);
}

int CPixelPickerPP::ClampToPicture(int value, int extent)
{
    // The last pixel is extent - 1: one more would read the colour from
    // outside the picture.
    if (value > extent - 1)
        value = extent - 1;
    return value < 0 ? 0 : value;
}

BOOL CPixelPickerPP::OnInitDialog()
{
    if (m_hPicture == NULL || m_pictureSize.bmWidth <= 0 || m_pictureSize.bmHeight <= 0) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    RECT area = AreaRect();
    const int areaWidth = area.right - area.left;
    const int areaHeight = area.bottom - area.top;
    m_zoom = (double)areaHeight / m_pictureSize.bmHeight;
    if ((double)areaWidth / m_pictureSize.bmWidth < m_zoom)
        m_zoom = (double)areaWidth / m_pictureSize.bmWidth;
    const int width = (int)(m_pictureSize.bmWidth * m_zoom);
    const int height = (int)(m_pictureSize.bmHeight * m_zoom);
    ::SetWindowPos(::GetDlgItem(m_hWnd, IDC_PICK_AREA), NULL, (area.left + area.right) / 2 - width / 2,
                   (area.top + area.bottom) / 2 - height / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_pickX >= 0) {
        m_x = m_pickX;
        m_y = m_pickY;
    }
    CPropertyPage::OnInitDialog();
    if (m_pickX < 0) {
        ::SetDlgItemTextA(m_hWnd, IDC_PICK_X, "");
        ::SetDlgItemTextA(m_hWnd, IDC_PICK_Y, "");
    }
    m_bReady = TRUE;
    return TRUE;
}

void CPixelPickerPP::Redraw()
{
    Invalidate(FALSE);
    UpdateWindow();
}

void CPixelPickerPP::OnPaint()
{
    CPaintDC paint(this);
    if (m_hPicture == NULL)
        return;
    HDC dc = paint.GetSafeHdc();
    RECT area = AreaRect();
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, m_hPicture);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, area.left, area.top, (int)(m_pictureSize.bmWidth * m_zoom),
               (int)(m_pictureSize.bmHeight * m_zoom), memory, 0, 0, m_pictureSize.bmWidth,
               m_pictureSize.bmHeight, SRCCOPY);
    if (m_pickX >= 0 && m_pickY >= 0 && m_bUseTransparency) {
        // The picture's own pixel, so the swatch never shows what lies
        // beside the drawn picture.
        COLORREF colour = GetPixel(memory, m_pickX, m_pickY);
        HBRUSH brush = CreateSolidBrush(colour);
        RECT swatch = ChildRect(this, IDC_PICK_SWATCH);
        FillRect(dc, &swatch, brush);
        DeleteObject(brush);
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
}

void CPixelPickerPP::OnLButtonDown(UINT flags, CPoint point)
{
    RECT area = AreaRect();
    if (m_hPicture == NULL || !PtInRect(&area, point) || m_zoom <= 0) {
        CPropertyPage::OnLButtonDown(flags, point);
        return;
    }
    m_pickX = ClampToPicture((int)((point.x - area.left) / m_zoom), m_pictureSize.bmWidth);
    m_pickY = ClampToPicture((int)((point.y - area.top) / m_zoom), m_pictureSize.bmHeight);
    m_x = m_pickX;
    m_y = m_pickY;
    m_bReady = FALSE;
    SetDlgItemInt(IDC_PICK_X, m_x);
    SetDlgItemInt(IDC_PICK_Y, m_y);
    m_bReady = TRUE;
    Redraw();
}

void CPixelPickerPP::OnXChanged()
{
    TakeTypedPixel();
}

void CPixelPickerPP::OnYChanged()
{
    TakeTypedPixel();
}

void CPixelPickerPP::TakeTypedPixel()
{
    if (!m_bReady)
        return;
    UpdateData(TRUE);
    // A value typed into one box chooses a pixel; the other box's value,
    // or 0 while it is empty, completes it.
    m_pickX = ClampToPicture(m_x, m_pictureSize.bmWidth);
    m_pickY = ClampToPicture(m_y, m_pictureSize.bmHeight);
    Redraw();
}

void CPixelPickerPP::OnUseClicked()
{
    UpdateData(TRUE);
    Redraw();
}

void CPixelPickerPP::OnOK()
{
    if (m_hWnd)
        m_bUseTransparency = IsDlgButtonChecked(IDC_PICK_USE) == BST_CHECKED;
    if (!m_bUseTransparency) {
        m_pickX = -1;
        m_pickY = -1;
    }
}
