// What the run-time elements share for drawing: the blend of a colour into
// a bitmap's rows, the transparency mask of a picture, the GIF and JPEG
// libraries (loaded from the player's folder when first needed, so that the
// player starts without them), and invalidation of the main window.
#pragma once

#include <windows.h>

namespace Tarvex {

// Each byte c of the rows y .. y + h - 1, columns max(x, 0) .. x + w - 1 of
// the bitmap selected into dc becomes (256 c + alpha (t - c)) >> 8, t the
// matching byte of the colour and alpha = opacity x 255 truncated.
void BlendColorIntoRect(HDC dc, int x, int y, int w, int h, BYTE red, BYTE green, BYTE blue, double opacity);

// Replaces mask by a monochrome mask of picture, white where its pixels have
// the colour of pixel (x, y), and turns those pixels of picture black.
void BuildTransparencyMask(HBITMAP picture, HBITMAP& mask, int x, int y);

// The GIF library's calls; each answers as failing when the library is
// missing.
BOOL GifBitmapsFromFile(HWND window, const char* path, int option, HBITMAP* mask, HBITMAP* picture,
                        HBITMAP* third);
HANDLE GifPlay(HWND window, int left, int top, const char* path);
void GifStop(HANDLE animation);

// A 24-bit top-down DIB section of the JPEG file through the JPEG library;
// NULL when it cannot be read.
HBITMAP LoadJpegBitmap(HWND window, const char* path);

// Any other picture file as a Windows bitmap.
HBITMAP LoadBitmapFile(const char* path);

// TRUE when text holds part, ignoring case.
BOOL ContainsNoCase(const char* text, const char* part);

// The window elements draw into and invalidate (the player's main window).
HWND GetDrawingWindow();
void SetDrawingWindow(HWND window);
// RedrawWindow of the rectangle's region with RDW_INVALIDATE.
void InvalidateOnDrawingWindow(const RECT& rect);

} // namespace Tarvex
