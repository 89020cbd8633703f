// What the run-time elements share for drawing: the blend of a colour into
// a bitmap's rows and the transparency mask of a picture (PictureHelpers.h,
// shared with the authoring program), the GIF and JPEG libraries (loaded from the player's
// folder when first needed, so that the player starts without them), and
// invalidation of the main window.
#pragma once

#include "model/common/PictureHelpers.h"

#include <windows.h>

namespace Tarvex {

using ::BlendColorIntoRect;
using ::BuildTransparencyMask;
using ::LoadBitmapFile;

// The mask of PictureHelpers.h for a mask held by reference.
inline BOOL BuildTransparencyMask(HBITMAP picture, HBITMAP& mask, int x, int y)
{
    return ::BuildTransparencyMask(picture, &mask, x, y);
}

// The GIF library's calls; each answers as failing when the library is
// missing.
BOOL WINAPI GifBitmapsFromFile(HWND window, const char* path, int option, HBITMAP* mask, HBITMAP* picture,
                               HBITMAP* third);
HANDLE GifPlay(HWND window, int left, int top, const char* path);
void GifStop(HANDLE animation);

// A 24-bit top-down DIB section of the JPEG file through the JPEG library;
// NULL when it cannot be read.
HBITMAP LoadJpegBitmap(HWND window, const char* path);

// The window elements draw into and invalidate (the player's main window).
HWND GetDrawingWindow();
void SetDrawingWindow(HWND window);
// RedrawWindow of the rectangle's region with RDW_INVALIDATE.
void InvalidateOnDrawingWindow(const RECT& rect);

} // namespace Tarvex
