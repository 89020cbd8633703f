#include "ImageUtil.h"

#include "giflib32.h"

#include <string.h>
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

    // An opacity outside 0..1 would wrap the bytes.
    if (opacity < 0.0)
        opacity = 0.0;
    if (opacity > 1.0)
        opacity = 1.0;
    const int alpha = (int)(opacity * 255.0);

    // A rectangle past the surface would read rows and columns it lacks.
    int left = x < 0 ? 0 : x;
    int top = y < 0 ? 0 : y;
    int right = x + w > W ? W : x + w;
    int bottom = y + h > H ? H : y + h;

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

BOOL ContainsNoCase(const char* text, const char* part, BOOL afterFirst)
{
    if (text == NULL || part == NULL)
        return FALSE;
    size_t n = strlen(part);
    size_t length = strlen(text);
    for (size_t i = afterFirst ? 1 : 0; i + n <= length; ++i) {
        if (CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, text + i, (int)n, part, (int)n) == CSTR_EQUAL)
            return TRUE;
    }
    return FALSE;
}

BOOL LoadGifPicture(HWND window, const char* path, int option, HBITMAP* picture, HBITMAP* mask)
{
    HBITMAP third = NULL;
    HBITMAP made = NULL;
    HBITMAP madeMask = NULL;
    dzBitmapsFromGif(window, path, option, &madeMask, &made, &third);
    if (third)
        DeleteObject(third);
    *picture = made;
    if (mask)
        *mask = madeMask;
    else if (madeMask)
        DeleteObject(madeMask);
    return made != NULL;
}

HBITMAP LoadBitmapPicture(const char* path)
{
    return (HBITMAP)LoadImageA(NULL, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
}

void StretchPicture(HDC dc, HDC memory, const RECT& target, HBITMAP picture, HBITMAP mask,
                    int srcX, int srcY, int srcW, int srcH)
{
    const int w = target.right - target.left;
    const int h = target.bottom - target.top;
    HGDIOBJ previous;
    if (mask) {
        // Mono-to-colour blits take the target's text and background colours.
        COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
        COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
        previous = SelectObject(memory, mask);
        StretchBlt(dc, target.left, target.top, w, h, memory, srcX, srcY, srcW, srcH, SRCAND);
        SelectObject(memory, picture);
        StretchBlt(dc, target.left, target.top, w, h, memory, srcX, srcY, srcW, srcH, SRCINVERT);
        SetTextColor(dc, oldText);
        SetBkColor(dc, oldBack);
    } else {
        previous = SelectObject(memory, picture);
        StretchBlt(dc, target.left, target.top, w, h, memory, srcX, srcY, srcW, srcH, SRCCOPY);
    }
    SelectObject(memory, previous);
}

void DrawPictureDragImage(HDC dc, const RECT& target, HBITMAP picture, HBITMAP mask,
                          const BITMAP& pictureSize, HBITMAP dragMask)
{
    int w = target.right - target.left;
    int h = target.bottom - target.top;
    RECT rect = target;
    int oldMode = SetBkMode(dc, TRANSPARENT);
    if (picture) {
        HDC memory = CreateCompatibleDC(NULL);
        HGDIOBJ previous = SelectObject(memory, picture);
        StretchBlt(dc, rect.left, rect.top, w, h, memory, 0, 0,
                   pictureSize.bmWidth, pictureSize.bmHeight, SRCCOPY);
        if (mask && dragMask) {
            HGDIOBJ image = SelectObject(dc, dragMask);
            SelectObject(memory, mask);
            StretchBlt(dc, rect.left, rect.top, w, h, memory, 0, 0,
                       pictureSize.bmWidth, pictureSize.bmHeight, SRCCOPY);
            SelectObject(dc, image);
        }
        SelectObject(memory, previous);
        DeleteDC(memory);
    } else {
        DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
    if ((picture == NULL || mask == NULL) && dragMask) {
        HGDIOBJ image = SelectObject(dc, dragMask);
        FillRect(dc, &rect, (HBRUSH)GetStockObject(BLACK_BRUSH));
        SelectObject(dc, image);
    }
    SetBkMode(dc, oldMode);
}

void ReleasePictureHandles(HBITMAP& picture, HBITMAP& mask, HDC& memory)
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
