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
