// Picture helpers that the authoring program and the player share: the
// background blend, the transparency mask, and reading bitmap files.
#pragma once

#include <windows.h>

// Blends a colour into the rectangle of the bitmap selected in dc: each
// byte c of a pixel becomes (256 c + alpha (t - c)) >> 8, t the matching
// byte of the colour and alpha the opacity (clamped to 0..1) times 255,
// truncated. Only the part of the rectangle on the bitmap changes. Works on
// memory contexts only.
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
