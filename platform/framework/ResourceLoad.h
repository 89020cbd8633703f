// Device-independent bitmaps from a module's resources (strings and
// plain bitmaps: AfxLoadString, CBitmap::LoadBitmap), and the palette that
// shows a DIB's colours.
#pragma once

#include <windows.h>

// The bitmap resource as a DIB section, its colour table kept; NULL when
// missing.
HBITMAP AfxLoadDib(LPCSTR name, HINSTANCE module = NULL);
inline HBITMAP AfxLoadDib(UINT id, HINSTANCE module = NULL)
{
    return AfxLoadDib(MAKEINTRESOURCEA(id), module);
}

// A palette for a DIB section: its own colour table (entries with flags 0)
// when it has up to 256 colours, otherwise the screen's halftone palette.
// NULL when the bitmap is not a DIB section.
HPALETTE AfxCreateDibPalette(HBITMAP dib);
