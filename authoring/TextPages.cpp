#include "authoring/TextPages.h"

#include "authoring/ObjectPages.h"
#include "model/ElementSupport.h"
#include "resources/editor/TextImagePagesIds.h"

#include <math.h>
#include <string.h>

int TransparencyPercentFromOpacity(double opacity)
{
    if (!(opacity > 0))
        return 100;
    if (opacity >= 1)
        return 0;
    // Truncating 100 - 0.29 * 100 = 28.99... would lose a point at every
    // reopening.
    return (int)floor(100.0 - opacity * 100.0 + 0.5);
}

double OpacityFromTransparencyPercent(int percent)
{
    return 1.0 - percent * 0.01;
}

RECT ChildRect(const CWnd* page, int id)
{
    RECT rect = { 0, 0, 0, 0 };
    HWND child = ::GetDlgItem(page->m_hWnd, id);
    if (child) {
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(NULL, page->m_hWnd, (POINT*)&rect, 2);
    }
    return rect;
}

// ---------------------------------------------------------------- CTextPP

BEGIN_MESSAGE_MAP(CTextPP, CPropertyPage)
    ON_BN_CLICKED(IDC_TEXT_FONT, OnSetFontAttributes)
    ON_EN_CHANGE(IDC_TEXT_EDIT, OnTextChanged)
    ON_WM_PAINT()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CTextPP::CTextPP()
    : CPropertyPage(IDD_TEXT_PAGE), m_pSizeWidth(NULL), m_pSizeHeight(NULL), m_pPositionX(NULL),
      m_bWizard(FALSE), m_bSingleLine(TRUE), m_width(0), m_height(0), m_pageWidth(0),
      m_pageHeight(0), m_strFontName("Arial"), m_fontSize(10), m_fontWeight(400), m_fontColor(0),
      m_bItalic(FALSE), m_bUnderline(FALSE), m_bStrikeOut(FALSE)
{
}

void CTextPP::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_TEXT_EDIT, m_strText);
}

BOOL CTextPP::OnInitDialog()
{
    return CPropertyPage::OnInitDialog();
}

SIZE CTextPP::MeasureAt(int width) const
{
    HWND main = AfxGetMainWnd() ? AfxGetMainWnd()->m_hWnd : NULL;
    HDC dc = ::GetDC(main);
    HFONT font = CreateElementFont(dc, m_strFontName, m_fontSize, m_fontWeight, m_bItalic,
                                   m_bUnderline, m_bStrikeOut);
    HGDIOBJ previous = SelectObject(dc, font);
    RECT rect = { 0, 0, width, m_height };
    UINT format = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS;
    if (!m_bSingleLine)
        format |= DT_WORDBREAK;
    DrawTextA(dc, m_strText, m_strText.GetLength(), &rect, format);
    SelectObject(dc, previous);
    DeleteObject(font);
    ::ReleaseDC(main, dc);
    SIZE size = { rect.right - rect.left, rect.bottom - rect.top };
    return size;
}

SIZE CTextPP::MeasureText() const
{
    return MeasureAt(m_width);
}

int CTextPP::WidthLeftOnPage() const
{
    const int x = m_pPositionX ? *m_pPositionX : 0;
    // A box placed at or past the right edge keeps no width rather than a
    // negative one.
    return m_pageWidth > x ? m_pageWidth - x : 0;
}

void CTextPP::ApplyLimits()
{
    const int x = m_pPositionX ? *m_pPositionX : 0;
    // Without a page size there is no edge to keep to.
    const BOOL pageKnown = m_pageWidth > 0;
    if (pageKnown && m_pageWidth < x + m_width) {
        m_bSingleLine = FALSE;
        m_width = WidthLeftOnPage();
    }
    if (m_pSizeWidth) {
        if ((pageKnown && m_pageWidth < x + *m_pSizeWidth) || m_bWizard)
            *m_pSizeWidth = m_width;
        else
            m_width = *m_pSizeWidth;
    }
    if (!m_bSingleLine && m_pSizeHeight) {
        if (m_height < *m_pSizeHeight)
            m_height = *m_pSizeHeight;
        else
            *m_pSizeHeight = m_height;
    }
}

void CTextPP::FitSizeToText()
{
    if (m_hWnd)
        UpdateData(TRUE);
    if (m_bSingleLine && strchr(m_strText, '\n')) {
        m_bSingleLine = FALSE;
        ApplyLimits();
    }
    SIZE measured = MeasureText();
    if (measured.cx > m_width)
        m_width = measured.cx;
    if (measured.cy > m_height)
        m_height = measured.cy;
    if (m_hWnd) {
        RECT preview = ChildRect(this, IDC_TEXT_PREVIEW);
        InvalidateRect(&preview);
    }
    if (m_pSizeWidth == NULL) {
        ApplyLimits();
    } else if (*m_pSizeWidth < m_width) {
        if (!m_bWizard)
            m_bSingleLine = FALSE;
        ApplyLimits();
    }
}

int CTextPP::SetWidth(int value)
{
    m_width = value < 0 ? 0 : value;
    SIZE needed = MeasureAt(m_width);
    if (needed.cx > m_width)
        m_width = needed.cx;
    if (m_pageWidth > 0 && m_width > WidthLeftOnPage())
        m_width = WidthLeftOnPage();
    return m_width;
}

int CTextPP::SetHeight(int value)
{
    m_height = value < 0 ? 0 : value;
    SIZE needed = MeasureAt(m_width);
    if (needed.cy > m_height)
        m_height = needed.cy;
    return m_height;
}

BOOL CTextPP::OnKillActive()
{
    if (!UpdateData(TRUE))
        return FALSE;
    m_bSingleLine = TRUE;
    FitSizeToText();
    if (m_pSizeWidth)
        *m_pSizeWidth = SetWidth(*m_pSizeWidth);
    if (m_pSizeHeight)
        *m_pSizeHeight = SetHeight(*m_pSizeHeight);
    return CPropertyPage::OnKillActive();
}

void CTextPP::OnDestroy()
{
    CPropertyPage::OnDestroy();
    if (m_bWizard)
        OnKillActive();
}

void CTextPP::OnTextChanged()
{
    FitSizeToText();
}

void CTextPP::OnSetFontAttributes()
{
    LOGFONTA font;
    memset(&font, 0, sizeof(font));
    HDC screen = ::GetDC(m_hWnd);
    HDC dc = CreateCompatibleDC(screen);
    font.lfHeight = -MulDiv(m_fontSize, GetDeviceCaps(dc, LOGPIXELSY), 72);
    DeleteDC(dc);
    ::ReleaseDC(m_hWnd, screen);
    font.lfWeight = m_fontWeight;
    font.lfItalic = (BYTE)(m_bItalic ? 1 : 0);
    font.lfUnderline = (BYTE)(m_bUnderline ? 1 : 0);
    font.lfStrikeOut = (BYTE)(m_bStrikeOut ? 1 : 0);
    lstrcpynA(font.lfFaceName, m_strFontName, LF_FACESIZE);

    CFontDialog dialog(&font, CF_SCREENFONTS | CF_EFFECTS, NULL, this);
    dialog.m_cf.rgbColors = m_fontColor;
    if (dialog.DoModal() != IDOK)
        return;
    LOGFONTA chosen;
    dialog.GetCurrentFont(&chosen);
    m_fontColor = dialog.GetColor();
    m_strFontName = chosen.lfFaceName;
    m_fontSize = dialog.GetSize() / 10;
    m_fontWeight = chosen.lfWeight;
    m_bItalic = chosen.lfItalic != 0;
    m_bUnderline = chosen.lfUnderline != 0;
    m_bStrikeOut = chosen.lfStrikeOut != 0;
    FitSizeToText();
}

void CTextPP::OnPaint()
{
    CPaintDC paint(this);
    HDC dc = paint.GetSafeHdc();
    RECT rect = ChildRect(this, IDC_TEXT_PREVIEW);
    HFONT font = CreateElementFont(dc, m_strFontName, m_fontSize, m_fontWeight, m_bItalic,
                                   m_bUnderline, m_bStrikeOut);
    COLORREF oldColour = SetTextColor(dc, m_fontColor);
    int oldMode = SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(dc, font);
    DrawTextA(dc, m_strText, m_strText.GetLength(), &rect, DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK);
    SelectObject(dc, oldFont);
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColour);
    DeleteObject(font);
}

// -------------------------------------------------------- CTextColorBarPP

BEGIN_MESSAGE_MAP(CTextColorBarPP, CPropertyPage)
    ON_BN_CLICKED(IDC_BAR_VISIBLE, OnVisibleClicked)
    ON_BN_CLICKED(IDC_BAR_COLOR, OnChooseColor)
    ON_WM_PAINT()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CTextColorBarPP::CTextColorBarPP()
    : CPropertyPage(IDD_TEXT_COLOR_BAR), m_color(0), m_bWizard(FALSE), m_transparency(100),
      m_bVisible(FALSE)
{
}

void CTextColorBarPP::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_BAR_VISIBLE, m_bVisible);
    DDX_Text(pDX, IDC_BAR_TRANSPARENCY, m_transparency);
    DDV_MinMaxInt(pDX, m_transparency, 0, 100);
}

BOOL CTextColorBarPP::OnInitDialog()
{
    ::SendDlgItemMessageA(m_hWnd, IDC_BAR_SPIN, UDM_SETRANGE32, 0, 100);
    m_bVisible = m_transparency < 100;
    CPropertyPage::OnInitDialog();
    ApplyVisibility();
    return TRUE;
}

void CTextColorBarPP::ApplyVisibility()
{
    UpdateData(TRUE);
    if (m_bVisible && m_transparency == 100)
        m_transparency = 0;
    static const int controls[] = { IDC_BAR_SPIN, IDC_BAR_TRANSPARENCY, IDC_BAR_TRANSPARENCY_LABEL,
                                    IDC_BAR_COLOR };
    for (int id : controls)
        ::EnableWindow(::GetDlgItem(m_hWnd, id), m_bVisible);
    if (m_bVisible)
        UpdateData(FALSE);
}

void CTextColorBarPP::OnVisibleClicked()
{
    ApplyVisibility();
}

BOOL CTextColorBarPP::OnWizardFinish()
{
    // Finish ends the wizard without leaving the page.
    if (!UpdateData(TRUE))
        return FALSE;
    return CPropertyPage::OnWizardFinish();
}

BOOL CTextColorBarPP::OnSetActive()
{
    if (m_bWizard)
        SetWizardButtonsForPlace(this);
    return CPropertyPage::OnSetActive();
}

void CTextColorBarPP::OnChooseColor()
{
    CColorDialog dialog(m_color, 0, this);
    if (dialog.DoModal() == IDOK)
        m_color = dialog.GetColor();
    RECT swatch = ChildRect(this, IDC_BAR_SWATCH);
    InvalidateRect(&swatch);
    UpdateWindow();
}

void CTextColorBarPP::OnPaint()
{
    CPaintDC paint(this);
    HDC dc = paint.GetSafeHdc();
    RECT rect = ChildRect(this, IDC_BAR_SWATCH);
    HBRUSH brush = CreateSolidBrush(m_color);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
}

void CTextColorBarPP::OnDestroy()
{
    // The box's state only: a full exchange here would show range messages
    // for a sheet that was cancelled.
    if (m_hWnd)
        m_bVisible = IsDlgButtonChecked(IDC_BAR_VISIBLE) == BST_CHECKED;
    if (!m_bVisible)
        m_transparency = 100;
    CPropertyPage::OnDestroy();
}

// ------------------------------------------------------- CTextAlignmentPP

BEGIN_MESSAGE_MAP(CTextAlignmentPP, CPropertyPage)
END_MESSAGE_MAP()

CTextAlignmentPP::CTextAlignmentPP()
    : CPropertyPage(IDD_TEXT_ALIGNMENT), m_pTextPage(NULL), m_strJustification("left"),
      m_strVJustification("top"), m_bWizard(FALSE), m_horizontal(0), m_vertical(0)
{
    memset(m_faces, 0, sizeof(m_faces));
}

CTextAlignmentPP::~CTextAlignmentPP()
{
    for (HBITMAP& face : m_faces) {
        if (face)
            DeleteObject(face);
        face = NULL;
    }
}

void CTextAlignmentPP::DoDataExchange(CDataExchange* pDX)
{
    DDX_Radio(pDX, IDC_ALIGN_LEFT, m_horizontal);
    DDX_Radio(pDX, IDC_VALIGN_TOP, m_vertical);
}

BOOL CTextAlignmentPP::OnInitDialog()
{
    if (lstrcmpiA(m_strJustification, "center") == 0)
        m_horizontal = 2;
    else if (lstrcmpiA(m_strJustification, "right") == 0)
        m_horizontal = 1;
    else
        m_horizontal = 0;
    if (lstrcmpiA(m_strVJustification, "top") == 0)
        m_vertical = 0;
    else if (lstrcmpiA(m_strVJustification, "bottom") == 0)
        m_vertical = 1;
    else
        m_vertical = 2;

    static const struct { int id; const char* face; } kFaces[6] = {
        { IDC_ALIGN_LEFT, IDB_ALIGN_LEFT }, { IDC_ALIGN_RIGHT, IDB_ALIGN_RIGHT },
        { IDC_ALIGN_CENTER, IDB_ALIGN_CENTER }, { IDC_VALIGN_TOP, IDB_ALIGN_TOP },
        { IDC_VALIGN_BOTTOM, IDB_ALIGN_BOTTOM }, { IDC_VALIGN_CENTER, IDB_ALIGN_MIDDLE },
    };
    for (int i = 0; i < 6; ++i) {
        if (m_faces[i] == NULL)
            m_faces[i] = (HBITMAP)LoadImageA(AfxGetResourceHandle(), kFaces[i].face, IMAGE_BITMAP, 0, 0, 0);
        ::SendDlgItemMessageA(m_hWnd, kFaces[i].id, BM_SETIMAGE, IMAGE_BITMAP, (LPARAM)m_faces[i]);
    }
    return CPropertyPage::OnInitDialog();
}

BOOL CTextAlignmentPP::OnSetActive()
{
    if (m_pTextPage) {
        const BOOL enable = m_pTextPage->m_bSingleLine;
        static const int controls[] = { IDC_VALIGN_GROUP, IDC_VALIGN_TOP, IDC_VALIGN_BOTTOM, IDC_VALIGN_CENTER };
        for (int id : controls)
            ::EnableWindow(::GetDlgItem(m_hWnd, id), enable);
    }
    if (m_bWizard)
        SetWizardButtonsForPlace(this);
    return CPropertyPage::OnSetActive();
}

BOOL CTextAlignmentPP::OnKillActive()
{
    if (!UpdateData(TRUE))
        return FALSE;
    static const char* const horizontal[3] = { "left", "right", "center" };
    static const char* const vertical[3] = { "top", "bottom", "center" };
    if (m_horizontal >= 0 && m_horizontal < 3)
        m_strJustification = horizontal[m_horizontal];
    if (m_vertical >= 0 && m_vertical < 3)
        m_strVJustification = vertical[m_vertical];
    return CPropertyPage::OnKillActive();
}
