// The "Page Properties" sheet that a page's EditProperties opens: tabbed
// for an existing page, a wizard for a new one.
#pragma once

#include <windows.h>

class CBrowser;

// Fills the pages from the page, runs the sheet and on OK copies the
// pages' values back into the page; TRUE on OK. Cancel changes nothing.
BOOL EditPageProperties(CBrowser* page, BOOL bNew);

// Installs the sheet as the page's EditProperties.
void InstallPageSheet();
