// The text element's pages: the text with its font and a preview
// (CTextPP), the colour bar behind it (CTextColorBarPP) and its alignment
// in the box (CTextAlignmentPP). The sheet's owner fills their fields and
// reads them back after OK.
#pragma once

#include "model/common/Str.h"
#include "platform/framework/Afx.h"
#include "platform/framework/CommonDialogs.h"
#include "platform/framework/PropertySheet.h"

class CTextPP : public CPropertyPage
{
public:
    CTextPP();

    // The size page's width and height and the position page's x, linked by
    // the sheet (NULL where the sheet has no such page).
    int* m_pSizeWidth;
    int* m_pSizeHeight;
    const int* m_pPositionX;

    BOOL m_bWizard;
    BOOL m_bSingleLine;
    CStr m_strText;
    int m_width;
    int m_height;
    int m_pageWidth;
    int m_pageHeight;
    CStr m_strFontName;
    int m_fontSize;
    int m_fontWeight;
    COLORREF m_fontColor;
    BOOL m_bItalic;
    BOOL m_bUnderline;
    BOOL m_bStrikeOut;

    // The width (height) kept: the value, raised to what the text needs at
    // it when that is more.
    int SetWidth(int value);
    int SetHeight(int value);
    // Grows the box to the text and keeps it within the page.
    void FitSizeToText();
    // The text's size in the page's font, wrapped at the box's width unless
    // it is one line.
    SIZE MeasureText() const;

    BOOL OnInitDialog() override;
    BOOL OnKillActive() override;
    void DoDataExchange(CDataExchange* pDX) override;

protected:
    void OnSetFontAttributes();
    void OnTextChanged();
    void OnPaint();
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void ApplyLimits();
    // The text's size at the width given.
    SIZE MeasureAt(int width) const;
    // The box never reaches past the page's right edge.
    int WidthLeftOnPage() const;
};

class CTextColorBarPP : public CPropertyPage
{
public:
    CTextColorBarPP();

    COLORREF m_color;
    BOOL m_bWizard;
    // 0 shows the colour as it is, 100 not at all.
    int m_transparency;
    int m_bVisible;

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnWizardFinish() override;
    void DoDataExchange(CDataExchange* pDX) override;

protected:
    void OnVisibleClicked();
    void OnChooseColor();
    void OnPaint();
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void ApplyVisibility();
};

class CTextAlignmentPP : public CPropertyPage
{
public:
    CTextAlignmentPP();
    ~CTextAlignmentPP() override;

    // For its single-line flag; may be NULL.
    CTextPP* m_pTextPage;
    CStr m_strJustification;
    CStr m_strVJustification;
    BOOL m_bWizard;

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    void DoDataExchange(CDataExchange* pDX) override;

protected:
    DECLARE_MESSAGE_MAP()

private:
    // Horizontal: 0 left, 1 right, 2 center; vertical: 0 top, 1 bottom, 2 center.
    int m_horizontal;
    int m_vertical;
    HBITMAP m_faces[6];
};

// A control's rectangle in its page's client coordinates (empty without
// the control): where the pages paint their previews and swatches.
RECT ChildRect(const CWnd* page, int id);

// The colour bar's percentage for an opacity (0 no background, 1 opaque),
// rounded so that a stored opacity comes back unchanged, and the opacity
// for a percentage.
int TransparencyPercentFromOpacity(double opacity);
double OpacityFromTransparencyPercent(int percent);
