// Device-independent bitmap resources made into bitmaps of the screen's
// format, with their own colour tables (the toolbar's 256-colour pictures).
#pragma once

#include "platform/framework/Afx.h"

#include <windows.h>

// The RT_BITMAP resource name (or MAKEINTRESOURCE number) of module as a
// device-dependent bitmap the caller deletes; NULL when it is missing or
// malformed.
HBITMAP LoadDibResource(HINSTANCE module, LPCSTR name);

// A masked 256-colour image list of size x size pictures filled from a DIB
// resource of this program; FALSE when the resource is missing.
BOOL FillImageListFromDib(CImageList& list, UINT resourceId, int size, COLORREF mask);
