#include "player/runtime/ElementPicture.h"

#include "player/runtime/DrawingSupport.h"
#include "player/PlayerPaths.h"

#include <string.h>

namespace Tarvex {

CElementPicture::CElementPicture() : m_picture(NULL), m_mask(NULL), m_header(), m_memoryDC(NULL)
{
}

CElementPicture::CElementPicture(const CElementPicture&)
    : m_picture(NULL), m_mask(NULL), m_header(), m_memoryDC(NULL)
{
}

CElementPicture::~CElementPicture()
{
    Free();
}

BOOL CElementPicture::Load(const CStr& src, BOOL jpegAllowed, int x, int y)
{
    if (m_picture)
        return TRUE;
    PictureReaders readers = { ResolvePath, GetDrawingWindow(), GifBitmapsFromFile, nullptr };
    if (jpegAllowed)
        readers.jpeg = [](const char* path) { return LoadJpegBitmap(GetDrawingWindow(), path); };
    if (!LoadElementPicture(src, readers, m_picture, m_mask))
        return FALSE;
    GetObjectA(m_picture, sizeof(m_header), &m_header);
    if (x >= 0)
        BuildTransparencyMask(m_picture, m_mask, x, y);
    return TRUE;
}

void CElementPicture::Free()
{
    ReleaseElementPicture(m_picture, m_mask, m_memoryDC);
    memset(&m_header, 0, sizeof(m_header));
}

template <class Blit>
void CElementPicture::Paint(HDC dc, Blit blit)
{
    if (!m_memoryDC)
        m_memoryDC = CreateCompatibleDC(dc);
    HGDIOBJ old;
    if (m_mask)
    {
        old = SelectObject(m_memoryDC, m_mask);
        blit(SRCAND);
        SelectObject(m_memoryDC, m_picture);
        blit(SRCINVERT);
    }
    else
    {
        old = SelectObject(m_memoryDC, m_picture);
        blit(SRCCOPY);
    }
    SelectObject(m_memoryDC, old);
}

void CElementPicture::DrawStretched(HDC dc, const RECT& target)
{
    int oldStretch = SetStretchBltMode(dc, COLORONCOLOR);
    int width = target.right - target.left;
    int height = target.bottom - target.top;
    Paint(dc, [&](DWORD rop) {
        StretchBlt(dc, target.left, target.top, width, height, m_memoryDC, 0, 0, m_header.bmWidth,
                   m_header.bmHeight, rop);
    });
    SetStretchBltMode(dc, oldStretch);
}

void CElementPicture::DrawAt(HDC dc, const RECT& target, int sourceX, int sourceY)
{
    int width = target.right - target.left;
    int height = target.bottom - target.top;
    Paint(dc, [&](DWORD rop) {
        BitBlt(dc, target.left, target.top, width, height, m_memoryDC, sourceX, sourceY, rop);
    });
}

} // namespace Tarvex
