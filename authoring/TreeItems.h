// Filling the object trees (the action tree and the events page): the items
// under an object's own item.
#pragma once

#include <windows.h>
#include <commctrl.h>

class CElement;

// Under item: a scriptable object's scripts and, for a container, its
// elements from the last to the first; a script's items in order.
void InsertChildItems(HWND tree, CElement* object, HTREEITEM item);
