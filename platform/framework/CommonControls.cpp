#include "platform/framework/CommonControls.h"

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)
IMPLEMENT_DYNAMIC(CToolBarCtrl, CWnd)
IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

// ---------------------------------------------------------------------------
// CTreeCtrl

BOOL CTreeCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(WC_TREEVIEWA, NULL, style, rect, parent, id);
}

HTREEITEM CTreeCtrl::InsertItem(UINT mask, const char* text, int image, int selectedImage, UINT state,
                                UINT stateMask, LPARAM data, HTREEITEM parent, HTREEITEM after)
{
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = mask;
    insert.item.pszText = const_cast<char*>(text);
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    insert.item.state = state;
    insert.item.stateMask = stateMask;
    insert.item.lParam = data;
    return InsertItem(&insert);
}

HTREEITEM CTreeCtrl::InsertItem(const char* text, HTREEITEM parent, HTREEITEM after)
{
    return InsertItem(TVIF_TEXT, text, 0, 0, 0, 0, 0, parent, after);
}

HTREEITEM CTreeCtrl::InsertItem(const char* text, int image, int selectedImage, HTREEITEM parent, HTREEITEM after)
{
    return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, text, image, selectedImage, 0, 0, 0, parent, after);
}

std::string CTreeCtrl::GetItemText(HTREEITEM item) const
{
    char text[1024] = "";
    TVITEMA tv = {};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = text;
    tv.cchTextMax = sizeof(text);
    GetItem(&tv);
    return text;
}

BOOL CTreeCtrl::SetItemText(HTREEITEM item, const char* text)
{
    TVITEMA tv = {};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = const_cast<char*>(text);
    return SetItem(&tv);
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM item) const
{
    TVITEMA tv = {};
    tv.mask = TVIF_PARAM;
    tv.hItem = item;
    return GetItem(&tv) ? (DWORD_PTR)tv.lParam : 0;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM item, DWORD_PTR data)
{
    TVITEMA tv = {};
    tv.mask = TVIF_PARAM;
    tv.hItem = item;
    tv.lParam = (LPARAM)data;
    return SetItem(&tv);
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM item, int image, int selectedImage)
{
    TVITEMA tv = {};
    tv.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    tv.hItem = item;
    tv.iImage = image;
    tv.iSelectedImage = selectedImage;
    return SetItem(&tv);
}

BOOL CTreeCtrl::SetItemState(HTREEITEM item, UINT state, UINT mask)
{
    TVITEMA tv = {};
    tv.mask = TVIF_STATE;
    tv.hItem = item;
    tv.state = state;
    tv.stateMask = mask;
    return SetItem(&tv);
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM item, RECT* rect, BOOL textOnly) const
{
    *reinterpret_cast<HTREEITEM*>(rect) = item;
    return (BOOL)SendMessage(TVM_GETITEMRECT, textOnly, (LPARAM)rect);
}

CImageList* CTreeCtrl::SetImageList(CImageList* list, int type)
{
    return CImageList::FromHandle((HIMAGELIST)SendMessage(TVM_SETIMAGELIST, type, (LPARAM)(list ? list->m_hImageList : NULL)));
}

CImageList* CTreeCtrl::GetImageList(UINT type) const
{
    return CImageList::FromHandle((HIMAGELIST)SendMessage(TVM_GETIMAGELIST, type));
}

HTREEITEM CTreeCtrl::HitTest(CPoint point, UINT* flags) const
{
    TVHITTESTINFO info = {};
    info.pt = point;
    HTREEITEM item = (HTREEITEM)SendMessage(TVM_HITTEST, 0, (LPARAM)&info);
    if (flags)
        *flags = info.flags;
    return item;
}

CImageList* CTreeCtrl::CreateDragImage(HTREEITEM item)
{
    HIMAGELIST handle = (HIMAGELIST)SendMessage(TVM_CREATEDRAGIMAGE, 0, (LPARAM)item);
    if (handle == NULL)
        return NULL;
    CImageList* list = new CImageList;
    list->Attach(handle);
    return list;
}

// ---------------------------------------------------------------------------
// CListCtrl

BOOL CListCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(WC_LISTVIEWA, NULL, style, rect, parent, id);
}

int CListCtrl::InsertColumn(int column, const char* heading, int format, int width, int subItem)
{
    LVCOLUMNA col = {};
    col.mask = LVCF_TEXT | LVCF_FMT;
    col.fmt = format;
    col.pszText = const_cast<char*>(heading);
    if (width != -1)
    {
        col.mask |= LVCF_WIDTH;
        col.cx = width;
    }
    if (subItem != -1)
    {
        col.mask |= LVCF_SUBITEM;
        col.iSubItem = subItem;
    }
    return (int)SendMessage(LVM_INSERTCOLUMNA, column, (LPARAM)&col);
}

int CListCtrl::InsertItem(int item, const char* text, int image)
{
    LVITEMA lv = {};
    lv.mask = LVIF_TEXT | (image >= 0 ? LVIF_IMAGE : 0);
    lv.iItem = item;
    lv.pszText = const_cast<char*>(text);
    lv.iImage = image;
    return InsertItem(&lv);
}

std::string CListCtrl::GetItemText(int item, int subItem) const
{
    char text[1024] = "";
    LVITEMA lv = {};
    lv.iSubItem = subItem;
    lv.pszText = text;
    lv.cchTextMax = sizeof(text);
    SendMessage(LVM_GETITEMTEXTA, item, (LPARAM)&lv);
    return text;
}

BOOL CListCtrl::SetItemText(int item, int subItem, const char* text)
{
    LVITEMA lv = {};
    lv.iSubItem = subItem;
    lv.pszText = const_cast<char*>(text);
    return (BOOL)SendMessage(LVM_SETITEMTEXTA, item, (LPARAM)&lv);
}

DWORD_PTR CListCtrl::GetItemData(int item) const
{
    LVITEMA lv = {};
    lv.mask = LVIF_PARAM;
    lv.iItem = item;
    return GetItem(&lv) ? (DWORD_PTR)lv.lParam : 0;
}

BOOL CListCtrl::SetItemData(int item, DWORD_PTR data)
{
    LVITEMA lv = {};
    lv.mask = LVIF_PARAM;
    lv.iItem = item;
    lv.lParam = (LPARAM)data;
    return SetItem(&lv);
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask)
{
    LVITEMA lv = {};
    lv.state = state;
    lv.stateMask = mask;
    return (BOOL)SendMessage(LVM_SETITEMSTATE, item, (LPARAM)&lv);
}

// Positions are the item index plus one, so that NULL ends the walk.
POSITION CListCtrl::GetFirstSelectedItemPosition() const
{
    int item = GetNextItem(-1, LVNI_SELECTED);
    return item < 0 ? NULL : reinterpret_cast<POSITION>((INT_PTR)item + 1);
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const
{
    int item = (int)reinterpret_cast<INT_PTR>(pos) - 1;
    int next = GetNextItem(item, LVNI_SELECTED);
    pos = next < 0 ? NULL : reinterpret_cast<POSITION>((INT_PTR)next + 1);
    return item;
}

int CListCtrl::HitTest(CPoint point, UINT* flags) const
{
    LVHITTESTINFO info = {};
    info.pt = point;
    int item = (int)SendMessage(LVM_HITTEST, 0, (LPARAM)&info);
    if (flags)
        *flags = info.flags;
    return item;
}

CImageList* CListCtrl::SetImageList(CImageList* list, int type)
{
    return CImageList::FromHandle((HIMAGELIST)SendMessage(LVM_SETIMAGELIST, type, (LPARAM)(list ? list->m_hImageList : NULL)));
}

BOOL CListCtrl::GetItemRect(int item, RECT* rect, UINT code) const
{
    rect->left = (LONG)code;
    return (BOOL)SendMessage(LVM_GETITEMRECT, item, (LPARAM)rect);
}
