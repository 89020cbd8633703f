#include "authoring/DragImage.h"

namespace {

POINT s_hotSpot = { 0, 0 };
BOOL s_dragging = FALSE;

} // namespace

BOOL BeginDragImage(CWnd* window, int x, int y, int left, int top, CImageList* images)
{
    if (window == NULL || window->m_hWnd == NULL)
        return FALSE;
    window->SetCapture();
    s_hotSpot.x = x - left;
    s_hotSpot.y = y - top;
    if (images == NULL || !ImageList_BeginDrag(images->GetSafeHandle(), 0, s_hotSpot.x, s_hotSpot.y))
    {
        // A capture left behind would swallow every later click.
        if (::GetCapture() == window->m_hWnd)
            ::ReleaseCapture();
        return FALSE;
    }
    ImageList_DragEnter(window->m_hWnd, x, y);
    s_dragging = TRUE;
    return TRUE;
}

BOOL MoveDragImage(int x, int y)
{
    return ImageList_DragMove(x, y) == 1;
}

BOOL EndDragImage(CWnd* window)
{
    // Hidden first, while the image list still holds the saved background
    // to restore; ending the drag frees it.
    ImageList_DragLeave(window != NULL ? window->m_hWnd : NULL);
    ImageList_EndDrag();
    s_dragging = FALSE;
    if (window != NULL && ::GetCapture() == window->m_hWnd)
        ::ReleaseCapture();
    return TRUE;
}

BOOL IsDraggingImage()
{
    return s_dragging;
}

POINT GetDragHotSpot()
{
    return s_hotSpot;
}
