#include "platform/framework/ImageList.h"

#include "platform/framework/TempMap.h"
#include "platform/framework/WinApp.h"
#include "platform/framework/Wnd.h"

IMPLEMENT_DYNAMIC(CImageList, CObject)

HIMAGELIST& AfxHandleOf(CImageList* list) { return list->m_hImageList; }

CImageList* CImageList::FromHandle(HIMAGELIST list)
{
    return AfxTempObject<CImageList>(list);
}

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int grow)
{
    DeleteImageList();
    return Attach(ImageList_Create(cx, cy, flags, initial, grow));
}

BOOL CImageList::Create(UINT bitmapId, int cx, int grow, COLORREF mask)
{
    DeleteImageList();
    return Attach(ImageList_LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(bitmapId), cx, grow, mask,
                                       IMAGE_BITMAP, LR_CREATEDIBSECTION));
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == NULL)
        return FALSE;
    BOOL done = ImageList_Destroy(m_hImageList);
    m_hImageList = NULL;
    return done;
}

BOOL CImageList::DragEnter(CWnd* lock, CPoint point)
{
    return ImageList_DragEnter(lock ? lock->m_hWnd : NULL, point.x, point.y);
}

BOOL CImageList::DragLeave(CWnd* lock)
{
    return ImageList_DragLeave(lock ? lock->m_hWnd : NULL);
}
