// Picture helpers that the authoring program and the player share: the
// background blend, the transparency mask, reading bitmap files, and
// loading and releasing an element's picture.
#pragma once

#include "model/common/Str.h"

#include <windows.h>

#include <functional>

// Blends a colour into the rectangle (in dc's own coordinates, so with its
// viewport origin) of the bitmap selected in dc: each byte c of a pixel
// becomes (256 c + alpha (t - c)) >> 8, t the matching byte of the colour
// and alpha the opacity (clamped to 0..1) times 255, truncated. Only the
// part of the rectangle on the bitmap changes. Works on memory contexts
// only.
void BlendColorIntoRect(HDC dc, int x, int y, int w, int h,
                        BYTE red, BYTE green, BYTE blue, double opacity);

// Blends a colour into the part of rect inside dc's clip box: the blend
// writes the bitmap's rows directly, so without the cut a partial paint
// would blend pixels it never redrew a second time.
void BlendColorIntoVisibleRect(HDC dc, const RECT& rect, COLORREF color, double opacity);

// The bytes of one row of a 24-bit picture, padded to 4; 0 when the
// picture is empty or too large to hold in one block (its size comes from
// a file and would overflow the block's size).
DWORD GetBgrRowStride(DWORD width, DWORD height);

// A top-down 24-bit DIB section made on dc from rows laid out by
// GetBgrRowStride; NULL when it cannot be made.
HBITMAP MakeBgrBitmap(HDC dc, const BYTE* rows, int width, int height);

// Makes *mask a monochrome bitmap of the picture's size, white where the
// picture has the colour of its pixel (x, y) and black elsewhere, and turns
// those pixels of the picture black: draw the mask with SRCAND, then the
// picture with SRCINVERT. An old *mask is deleted first. FALSE, with *mask
// left alone, when the picture is missing or the pixel lies outside it.
BOOL BuildTransparencyMask(HBITMAP picture, HBITMAP* mask, int x, int y);

// The bitmap's width and height; 0 x 0 for none.
SIZE GetBitmapSize(HBITMAP bitmap);

// A Windows bitmap file; NULL when it cannot be read.
HBITMAP LoadBitmapFile(const char* path);

// The GIF library's bitmaps call (the authoring program links the library,
// the player loads it when first needed).
typedef BOOL(WINAPI* GifBitmapsReader)(HWND window, const char* path, int option, HBITMAP* mask,
                                       HBITMAP* picture, HBITMAP* third);

// What each program gives the element picture loader: how a source becomes
// a file path, the window the GIF library reads for, its GIF reader, and
// a JPEG reader (empty: a ".jpg" is read as a bitmap file).
struct PictureReaders
{
    std::function<CStr(const char* src)> resolve;
    HWND window;
    GifBitmapsReader gif;
    std::function<HBITMAP(const char* path)> jpeg;
};

// An element's picture from its source, loaded when it has no picture yet:
// a GIF through readers.gif (its mask replacing the one held, the third
// bitmap deleted), a ".jpg" through readers.jpeg when there is one, any
// other file as a bitmap file. TRUE when a picture was loaded now: only
// such a picture may be keyed.
BOOL LoadElementPicture(const char* src, const PictureReaders& readers, HBITMAP& picture, HBITMAP& mask);

// Deletes an element picture's bitmaps and memory context; each left NULL.
void ReleaseElementPicture(HBITMAP& picture, HBITMAP& mask, HDC& memory);
