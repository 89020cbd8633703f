// The image element's pages: the picture file or system button with a
// preview over the page's background (CImagePP), the mouse-over and
// mouse-down pictures of a button (CImageEffectsPP), and the transparent
// colour picked from the picture (CPixelPickerPP). The sheet's owner fills
// their fields and reads them back after OK.
#pragma once

#include "model/common/Str.h"
#include "platform/framework/Afx.h"
#include "platform/framework/CommonDialogs.h"
#include "platform/framework/PropertySheet.h"

class CImageElement;
class CBrowser;

// Where a preview of width x height goes in area: at its own size, centred,
// when it fits inside; else scaled down to leave a margin of 4 pixels, centred.
RECT PlacePreview(const RECT& area, int width, int height);

// The image pages' file dialog: it starts in the content folder for an
// empty field, else at the field's path (made absolute when relative); on
// OK the chosen path replaces the field. FALSE when cancelled.
BOOL BrowseForImageFile(CWnd* parent, CStr& field);

class CImagePP : public CPropertyPage
{
public:
    CImagePP();
    ~CImagePP() override;

    CStr m_strNoun;
    BOOL m_bWizard;
    // Decodes JPEG files; set when the page belongs to an element.
    CImageElement* m_pElement;
    // The size page's width, height and restore size (NULL without one).
    int* m_pSizeWidth;
    int* m_pSizeHeight;
    int* m_pRestoreWidth;
    int* m_pRestoreHeight;

    int m_bAnimated;
    CStr m_strPath;
    int m_bSystemButton;
    CStr m_strCaption;

    // The preview: the loaded picture and mask (owned), their size, and the
    // page's background picture, loaded once.
    HBITMAP m_hPicture;
    HBITMAP m_hMask;
    BITMAP m_pictureSize;
    HBITMAP m_hBackground;
    CBrowser* m_pPage;
    CStr m_strOpeningPath;

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    void DoDataExchange(CDataExchange* pDX) override;

protected:
    void OnSystemButtonClicked();
    void OnBrowse();
    void OnPathChanged();
    void OnPaint();
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void ApplySystemButtonRule();
    // setButtons FALSE: the preview only (after the system-button rule,
    // which has set the buttons).
    void ApplyPathRule(BOOL setButtons = TRUE);
    void FreePreview();
    void FreeAllPictures();
    void LoadBackground();
    BOOL m_bInitialized;
};

class CImageEffectsPP : public CPropertyPage
{
public:
    CImageEffectsPP();

    CImageElement* m_pElement;
    CStr m_strNoun;
    BOOL m_bWizard;
    CImagePP* m_pImagePage;
    CStr m_strDown;
    CStr m_strOver;
    // Set once the fields hold the element's pictures: only then are they
    // the author's to write back.
    BOOL m_bFilled;

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnWizardFinish() override;
    void DoDataExchange(CDataExchange* pDX) override;

protected:
    void OnBrowseOver();
    void OnBrowseDown();
    DECLARE_MESSAGE_MAP()
};

class CPixelPickerPP : public CPropertyPage
{
public:
    CPixelPickerPP();

    // The element's picture (not owned) and its size.
    HBITMAP m_hPicture;
    BITMAP m_pictureSize;
    // The chosen pixel in picture coordinates; -1 when none.
    int m_pickX;
    int m_pickY;
    int m_bUseTransparency;
    int m_x;
    int m_y;
    // Screen pixels per picture pixel.
    double m_zoom;

    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;

protected:
    void OnPaint();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnXChanged();
    void OnYChanged();
    void OnUseClicked();
    DECLARE_MESSAGE_MAP()

private:
    RECT AreaRect() const;
    void Redraw();
    void TakeTypedPixel();
    // The pixel's coordinate kept inside the picture.
    static int ClampToPicture(int value, int extent);
    BOOL m_bReady;
};
