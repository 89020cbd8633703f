// The object tree's rules for dragging a page element, script or script
// item onto another item, and the drop itself. Objects are told apart by
// their class names (GetClassName), as the tree compares them.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

class CElement;

// The cursor's verdict while dragged hovers over target: another page, or
// anything on it, is refused; otherwise the two must share a class
// name, or the target must share the class name of the dragged object's
// parent; a dragged script further needs an owner (the target, or a target
// script's owner) whose event list names it.
bool IsTreeDropAccepted(CElement* dragged, CElement* target);

// Carries out the drop of dragged on target. Beside a target of its own
// class that is not a container, the target's parent takes it; on a target
// of its parent's class, the target takes it. Returns whether it moved and
// lists the objects whose items must be refreshed (the old parent, then the
// new owner when it differs). dragged is deleted by the move: only the
// listed objects may be used afterwards.
bool DropInTree(CElement* dragged, CElement* target, std::vector<CElement*>& changed);

// While a drag hovers at point (the tree's client coordinates): the item
// under it becomes the drop target and is highlighted. Over no item, or
// outside the tree, there is no target and no highlight, so that a release
// under the "no" cursor drops nothing instead of on the item last passed.
HTREEITEM TrackDropTarget(HWND tree, POINT point);
