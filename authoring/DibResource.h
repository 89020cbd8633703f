// Device-independent bitmap resources made into bitmaps of the screen's
// format, with their own colour tables (the toolbar's 256-colour pictures).
#pragma once

#include <windows.h>

// The RT_BITMAP resource name (or MAKEINTRESOURCE number) of module as a
// device-dependent bitmap the caller deletes; NULL when it is missing or
// malformed.
HBITMAP LoadDibResource(HINSTANCE module, LPCSTR name);
