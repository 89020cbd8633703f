// How a page wants to be shown as an app bar: from the keys of its "Main",
// or, when the page says so, from values under a key of HKEY_CURRENT_USER.
#pragma once

#include "model/store/DataFile.h"

#include <windows.h>

struct CAppBarSettings
{
    BOOL appBar;        // docked at all (otherwise the page's window type)
    BOOL alwaysOnTop;
    BOOL autoHide;
    UINT edge;          // ABE_LEFT .. ABE_BOTTOM
};

// "left", "top", "right", "bottom" (exact case); anything else the right edge.
UINT EdgeFromPosition(const char* position);

CAppBarSettings ReadAppBarSettings(const CDataFile& page);
