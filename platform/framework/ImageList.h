// CImageList: owns its image list; the drag functions are the image
// list's own (one drag at a time per process).
#pragma once

#include "platform/framework/Gdi.h"

#include <windows.h>
#include <commctrl.h>

class CWnd;

class CImageList : public CObject
{
    DECLARE_DYNAMIC(CImageList)
public:
    CImageList() : m_hImageList(NULL) {}
    ~CImageList() override { DeleteImageList(); }

    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    static CImageList* FromHandle(HIMAGELIST list);
    BOOL Attach(HIMAGELIST list) { m_hImageList = list; return list != NULL; }
    HIMAGELIST Detach() { HIMAGELIST l = m_hImageList; m_hImageList = NULL; return l; }

    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    // A bitmap resource cut into pictures cx wide, mask colour for ILC_MASK.
    BOOL Create(UINT bitmapId, int cx, int grow, COLORREF mask);
    BOOL DeleteImageList();

    int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
    int Add(CBitmap* bitmap, CBitmap* mask) { return ImageList_Add(m_hImageList, (HBITMAP)bitmap->m_hObject, mask ? (HBITMAP)mask->m_hObject : NULL); }
    int Add(CBitmap* bitmap, COLORREF mask) { return ImageList_AddMasked(m_hImageList, (HBITMAP)bitmap->m_hObject, mask); }
    int Add(HICON icon) { return ImageList_AddIcon(m_hImageList, icon); }
    BOOL Remove(int image) { return ImageList_Remove(m_hImageList, image); }
    COLORREF SetBkColor(COLORREF color) { return ImageList_SetBkColor(m_hImageList, color); }
    BOOL Draw(CDC* dc, int image, POINT p, UINT style) { return ImageList_Draw(m_hImageList, image, dc->m_hDC, p.x, p.y, style); }
    HICON ExtractIcon(int image) { return ImageList_GetIcon(m_hImageList, image, ILD_NORMAL); }
    BOOL GetImageInfo(int image, IMAGEINFO* info) const { return ImageList_GetImageInfo(m_hImageList, image, info); }

    // Dragging
    BOOL BeginDrag(int image, CPoint hotSpot) { return ImageList_BeginDrag(m_hImageList, image, hotSpot.x, hotSpot.y); }
    static BOOL DragEnter(CWnd* lock, CPoint point);
    static BOOL DragMove(CPoint point) { return ImageList_DragMove(point.x, point.y); }
    static BOOL DragLeave(CWnd* lock);
    static BOOL DragShowNolock(BOOL show) { return ImageList_DragShowNolock(show); }
    static void EndDrag() { ImageList_EndDrag(); }

    HIMAGELIST m_hImageList;
};
