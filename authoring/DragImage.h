// The drag image of the page view: one image of the selected objects that
// follows the pointer over a window while the window holds the mouse.
// Program-wide state: one drag at a time.
#pragma once

#include "platform/framework/Afx.h"

// Captures the mouse for window and starts dragging image 0 of images with
// its top-left at (left, top) while the pointer is at (x, y), in the
// window's coordinates. FALSE (and the capture released) when the image
// cannot be dragged.
BOOL BeginDragImage(CWnd* window, int x, int y, int left, int top, CImageList* images);
// The image follows the pointer to (x, y); TRUE when it moved.
BOOL MoveDragImage(int x, int y);
// Hides the image from window, ends the drag and releases the capture.
BOOL EndDragImage(CWnd* window);

BOOL IsDraggingImage();
// The pointer's offset from the image's top-left corner.
POINT GetDragHotSpot();
