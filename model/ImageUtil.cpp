#include "model/ImageUtil.h"

#include "model/EditorServices.h"
#include "platform/giflib32/giflib32.h"

#include <string.h>

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

PictureReaders EditorPictureReaders(const std::function<HBITMAP(const char*)>& loadJpeg)
{
    return { MakeMediaPathAbsolute, GetActiveViewWindow(), dzBitmapsFromGif, loadJpeg };
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
