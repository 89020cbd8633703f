#include "model/common/PictureHelpers.h"

#include <algorithm>
#include <vector>

void BlendColorIntoRect(HDC dc, int x, int y, int w, int h,
                        BYTE red, BYTE green, BYTE blue, double opacity)
{
    if (dc == NULL)
        return;
    // The surface must leave the context while its rows are read.
    HBITMAP small = CreateCompatibleBitmap(dc, 1, 1);
    if (small == NULL)
        return;
    HBITMAP surface = (HBITMAP)SelectObject(dc, small);
    if (surface == NULL) {
        DeleteObject(small);
        return;
    }
    BITMAP bm = {};
    GetObjectA(surface, sizeof(bm), &bm);
    const int W = bm.bmWidth;
    const int H = bm.bmHeight;

    // An opacity outside 0..1 (or not a number) would wrap the bytes.
    if (!(opacity > 0.0))
        opacity = 0.0;
    if (opacity > 1.0)
        opacity = 1.0;
    const int alpha = (int)(opacity * 255.0);

    // The rectangle is in the context's coordinates, the rows in the
    // surface's pixels: a back buffer of the painted area alone has its
    // origin moved, and would otherwise blend another place, or none.
    POINT corners[2] = { { x, y }, { x + w, y + h } };
    LPtoDP(dc, corners, 2);
    // A rectangle past the surface would read rows and columns it lacks.
    int left = std::max(0L, std::min(corners[0].x, corners[1].x));
    int top = std::max(0L, std::min(corners[0].y, corners[1].y));
    int right = std::min((LONG)W, std::max(corners[0].x, corners[1].x));
    int bottom = std::min((LONG)H, std::max(corners[0].y, corners[1].y));

    if (W > 0 && H > 0 && left < right && top < bottom) {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi.bmiHeader.biWidth = W;
        bmi.bmiHeader.biHeight = H;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 24;
        bmi.bmiHeader.biCompression = BI_RGB;
        const int stride = (W * 3 + 3) & ~3;
        std::vector<BYTE> row(stride);
        const int target[3] = { blue, green, red };
        // Scan lines count from the bottom.
        for (int line = H - bottom; line <= H - top - 1; ++line) {
            if (GetDIBits(dc, surface, line, 1, row.data(), &bmi, DIB_RGB_COLORS) == 0)
                continue;
            for (int col = left; col < right; ++col) {
                BYTE* p = &row[col * 3];
                for (int k = 0; k < 3; ++k) {
                    int c = p[k];
                    p[k] = (BYTE)((256 * c + alpha * (target[k] - c)) >> 8);
                }
            }
            SetDIBits(dc, surface, line, 1, row.data(), &bmi, DIB_RGB_COLORS);
        }
    }
    SelectObject(dc, surface);
    DeleteObject(small);
}

void BlendColorIntoVisibleRect(HDC dc, const RECT& rect, COLORREF color, double opacity)
{
    RECT clip, cut;
    if (GetClipBox(dc, &clip) == ERROR || !IntersectRect(&cut, &rect, &clip))
        return;
    BlendColorIntoRect(dc, cut.left, cut.top, cut.right - cut.left, cut.bottom - cut.top, GetRValue(color),
                       GetGValue(color), GetBValue(color), opacity);
}

DWORD GetBgrRowStride(DWORD width, DWORD height)
{
    const unsigned long long stride = ((unsigned long long)width * 3 + 3) & ~3ull;
    if (width == 0 || height == 0 || width > 0x7FFF || height > 0x7FFF || stride * height > 0x7FFFFFFF)
        return 0;
    return (DWORD)stride;
}

HBITMAP MakeBgrBitmap(HDC dc, const BYTE* rows, int width, int height)
{
    if (dc == NULL || rows == NULL)
        return NULL;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = -height;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 24;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* bits = NULL;
    HBITMAP made = CreateDIBSection(dc, &bmi, DIB_RGB_COLORS, &bits, NULL, 0);
    if (made)
        SetDIBits(dc, made, 0, height, rows, &bmi, DIB_RGB_COLORS);
    return made;
}

SIZE GetBitmapSize(HBITMAP bitmap)
{
    SIZE size = { 0, 0 };
    BITMAP bm = {};
    if (bitmap && GetObjectA(bitmap, sizeof(bm), &bm)) {
        size.cx = bm.bmWidth;
        size.cy = bm.bmHeight;
    }
    return size;
}

BOOL BuildTransparencyMask(HBITMAP picture, HBITMAP* mask, int x, int y)
{
    if (picture == NULL || mask == NULL)
        return FALSE;
    SIZE size = GetBitmapSize(picture);
    // A pixel outside the picture has no colour to key on.
    if (x < 0 || y < 0 || x >= size.cx || y >= size.cy)
        return FALSE;
    // An old mask would otherwise leak.
    if (*mask) {
        DeleteObject(*mask);
        *mask = NULL;
    }
    HBITMAP made = CreateBitmap(size.cx, size.cy, 1, 1, NULL);
    if (made == NULL)
        return FALSE;
    HDC maskDC = CreateCompatibleDC(NULL);
    HDC pictureDC = CreateCompatibleDC(NULL);
    HGDIOBJ oldMask = SelectObject(maskDC, made);
    HGDIOBJ oldPicture = SelectObject(pictureDC, picture);
    SetBkColor(pictureDC, GetPixel(pictureDC, x, y));
    BitBlt(maskDC, 0, 0, size.cx, size.cy, pictureDC, 0, 0, SRCCOPY);
    // White mask bits become the key colour and black ones black, so the
    // XOR clears exactly the keyed pixels.
    SetTextColor(pictureDC, RGB(0, 0, 0));
    BitBlt(pictureDC, 0, 0, size.cx, size.cy, maskDC, 0, 0, SRCINVERT);
    SelectObject(maskDC, oldMask);
    SelectObject(pictureDC, oldPicture);
    DeleteDC(maskDC);
    DeleteDC(pictureDC);
    *mask = made;
    return TRUE;
}

HBITMAP LoadBitmapFile(const char* path)
{
    return (HBITMAP)LoadImageA(NULL, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
}

BOOL LoadElementPicture(const char* src, const PictureReaders& readers, HBITMAP& picture, HBITMAP& mask)
{
    if (picture != NULL || src == NULL || *src == '\0')
        return FALSE;
    CStr path = readers.resolve(src);
    if (ContainsNoCase(src, ".gif")) {
        if (mask) {
            DeleteObject(mask);
            mask = NULL;
        }
        HBITMAP third = NULL;
        if (readers.gif)
            readers.gif(readers.window, path, 0, &mask, &picture, &third);
        if (third)
            DeleteObject(third);
    } else if (readers.jpeg && ContainsNoCase(src, ".jpg")) {
        picture = readers.jpeg(path);
    } else {
        picture = LoadBitmapFile(path);
    }
    return picture != NULL;
}

void ReleaseElementPicture(HBITMAP& picture, HBITMAP& mask, HDC& memory)
{
    if (picture)
        DeleteObject(picture);
    if (mask)
        DeleteObject(mask);
    if (memory)
        DeleteDC(memory);
    picture = NULL;
    mask = NULL;
    memory = NULL;
}
