// CElementPicture: the picture an image element shows, with the mask of its
// transparent colour and the memory DC it is drawn through. It owns all
// three and frees them on every path; a copy starts without a picture.
#pragma once

#include "model/common/Str.h"

#include <windows.h>

namespace Tarvex {

class CElementPicture
{
public:
    CElementPicture();
    CElementPicture(const CElementPicture&);
    ~CElementPicture();

    // Loads src once, resolved against the disc: a GIF through the GIF
    // library (its mask too), a JPEG through the JPEG library when
    // jpegAllowed, anything else as a bitmap file; then, with x >= 0, the mask
    // of the colour at (x, y). FALSE without a picture.
    BOOL Load(const CStr& src, BOOL jpegAllowed, int x, int y);
    void Free();

    // Paints the picture into target, through the mask when there is one:
    // stretched from the whole picture, or 1:1 from (sourceX, sourceY).
    void DrawStretched(HDC dc, const RECT& target);
    void DrawAt(HDC dc, const RECT& target, int sourceX, int sourceY);

    HBITMAP GetPicture() const { return m_picture; }
    HBITMAP GetMask() const { return m_mask; }
    int GetWidth() const { return m_header.bmWidth; }
    int GetHeight() const { return m_header.bmHeight; }

private:
    CElementPicture& operator=(const CElementPicture&);
    template <class Blit>
    void Paint(HDC dc, Blit blit);

    HBITMAP m_picture;
    HBITMAP m_mask;
    BITMAP m_header;
    HDC m_memoryDC;
};

} // namespace Tarvex
