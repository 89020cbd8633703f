// Picture helpers shared by the page and its elements: the background
// blend, the transparency mask, and reading picture files into bitmaps.
#pragma once

#include <windows.h>

// Blends a colour into the rectangle of the bitmap selected in dc: each
// byte c of a pixel becomes (256 c + alpha (t - c)) >> 8 with alpha the
// opacity times 255, truncated. Works on memory contexts only.
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

// TRUE when text holds part, ignoring case; with afterFirst, only at a
// position after its first character.
BOOL ContainsNoCase(const char* text, const char* part, BOOL afterFirst = FALSE);

// A GIF file through giflib32 (the third bitmap is deleted at once); the
// mask may come back NULL.
BOOL LoadGifPicture(HWND window, const char* path, int option, HBITMAP* picture, HBITMAP* mask);
// A Windows bitmap file; NULL when it cannot be read.
HBITMAP LoadBitmapPicture(const char* path);

// Draws picture (and its mask first, when there is one) from the source
// rectangle into the destination rectangle through a memory context.
void StretchPicture(HDC dc, HDC memory, const RECT& target, HBITMAP picture, HBITMAP mask,
                    int srcX, int srcY, int srcW, int srcH);

// A picture element's drag image: the whole picture (pictureSize its
// bitmap's) stretched into target of the bitmap selected in dc, or a push
// button face without one. With dragMask, the picture's mask goes into it,
// or black over all of target when there is no mask.
void DrawPictureDragImage(HDC dc, const RECT& target, HBITMAP picture, HBITMAP mask,
                          const BITMAP& pictureSize, HBITMAP dragMask);

// Deletes a picture element's bitmaps and memory context; each left NULL.
void ReleasePictureHandles(HBITMAP& picture, HBITMAP& mask, HDC& memory);
