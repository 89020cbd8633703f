// CBrowser (run-time): the page being shown, section "Main": its window
// kind, its background and its elements.
#pragma once

#include "player/runtime/ElementContainer.h"

namespace Tarvex {

class CBrowser : public CElementContainer
{
public:
    CBrowser(CElement* parent);
    ~CBrowser() override;

    // The page's keys, its elements (an element that fails to load is left
    // out, the others still load) and its background.
    BOOL Load(const CDataFile& file) override;
    // Background (white, stretched, tiled or captured), then the elements.
    BOOL Draw(const CDrawContext& context) override;
    RECT GetRect() const override;

    // Loads the watermark or, for a see-through page, captures the screen
    // under the main window.
    void LoadBackground();
    // A shaped page whose region is still to be made cuts the main window
    // to its stretched picture; nothing otherwise.
    void ApplyPendingRegion();
    // Stops every image element's animation.
    void StopAnimations();

    BOOL IsShaped() const { return m_shaped != 0; }
    BOOL IsSeeThrough() const { return m_seeThrough != 0; }
    BOOL IsTiled() const { return m_tiled != 0; }
    BOOL GetMouseMove() const { return m_mouseMove != 0; }
    DWORD GetTransColor() const { return m_transColor; }
    DWORD GetTolerance() const { return m_tolerance; }
    const CStr& GetWatermark() const { return m_watermark; }

    // The colour key of a shaped page in the byte order of a 32-bit DIB
    // pixel, spread by the tolerance's low byte; tolerance is capped first.
    static DWORD PrepareColourKey(COLORREF transColor, DWORD& tolerance);
    // The region of the bitmap's pixels outside the key's bounds (key in
    // pixel order, each channel's bound raised by its tolerance byte); NULL
    // without bitmap.
    static HRGN BuildWindowRegion(HBITMAP bitmap, DWORD key, DWORD tolerance);
    // A copy of the screen inside rect, clipped to the screen; NULL when
    // nothing is left.
    static HBITMAP CaptureScreenRect(RECT rect);

private:
    void FreeBackground();
    void DrawTiles(HDC dc, int pictureWidth, int pictureHeight);
    void DrawBackground(HDC dc);

    CStr m_watermark;
    BYTE m_tiled;
    BYTE m_appbar;
    BYTE m_seeThrough;
    BYTE m_shaped;
    BYTE m_regionPending;
    BYTE m_mouseMove;
    DWORD m_transColor;
    DWORD m_tolerance;
    CStr m_position;
    HBITMAP m_background;
    BITMAP m_backgroundHeader;
    HDC m_memoryDC;
};

} // namespace Tarvex
