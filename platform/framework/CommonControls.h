// CTreeCtrl and CListCtrl: forwards to the comctl32 messages of the same
// names. Strings come back as std::string.
#pragma once

#include "platform/framework/ImageList.h"
#include "platform/framework/Wnd.h"

#include <string>

class CTreeCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTreeCtrl)
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    HTREEITEM InsertItem(TVINSERTSTRUCTA* insert) { return (HTREEITEM)SendMessage(TVM_INSERTITEMA, 0, (LPARAM)insert); }
    HTREEITEM InsertItem(const char* text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
    HTREEITEM InsertItem(const char* text, int image, int selectedImage, HTREEITEM parent = TVI_ROOT,
                         HTREEITEM after = TVI_LAST);
    HTREEITEM InsertItem(UINT mask, const char* text, int image, int selectedImage, UINT state, UINT stateMask,
                         LPARAM data, HTREEITEM parent, HTREEITEM after);
    BOOL DeleteItem(HTREEITEM item) { return (BOOL)SendMessage(TVM_DELETEITEM, 0, (LPARAM)item); }
    BOOL DeleteAllItems() { return (BOOL)SendMessage(TVM_DELETEITEM, 0, (LPARAM)TVI_ROOT); }
    UINT GetCount() const { return (UINT)SendMessage(TVM_GETCOUNT); }

    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const { return (HTREEITEM)SendMessage(TVM_GETNEXTITEM, code, (LPARAM)item); }
    HTREEITEM GetRootItem() const { return GetNextItem(NULL, TVGN_ROOT); }
    HTREEITEM GetChildItem(HTREEITEM item) const { return GetNextItem(item, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXT); }
    HTREEITEM GetPrevSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PREVIOUS); }
    HTREEITEM GetParentItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PARENT); }
    HTREEITEM GetSelectedItem() const { return GetNextItem(NULL, TVGN_CARET); }
    HTREEITEM GetDropHilightItem() const { return GetNextItem(NULL, TVGN_DROPHILITE); }
    HTREEITEM GetFirstVisibleItem() const { return GetNextItem(NULL, TVGN_FIRSTVISIBLE); }
    BOOL ItemHasChildren(HTREEITEM item) const { return GetChildItem(item) != NULL; }

    BOOL Select(HTREEITEM item, UINT code) { return (BOOL)SendMessage(TVM_SELECTITEM, code, (LPARAM)item); }
    BOOL SelectItem(HTREEITEM item) { return Select(item, TVGN_CARET); }
    BOOL SelectDropTarget(HTREEITEM item) { return Select(item, TVGN_DROPHILITE); }
    BOOL Expand(HTREEITEM item, UINT code) { return (BOOL)SendMessage(TVM_EXPAND, code, (LPARAM)item); }
    BOOL EnsureVisible(HTREEITEM item) { return (BOOL)SendMessage(TVM_ENSUREVISIBLE, 0, (LPARAM)item); }

    BOOL GetItem(TVITEMA* item) const { return (BOOL)SendMessage(TVM_GETITEMA, 0, (LPARAM)item); }
    BOOL SetItem(TVITEMA* item) { return (BOOL)SendMessage(TVM_SETITEMA, 0, (LPARAM)item); }
    std::string GetItemText(HTREEITEM item) const;
    BOOL SetItemText(HTREEITEM item, const char* text);
    DWORD_PTR GetItemData(HTREEITEM item) const;
    BOOL SetItemData(HTREEITEM item, DWORD_PTR data);
    BOOL SetItemImage(HTREEITEM item, int image, int selectedImage);
    UINT GetItemState(HTREEITEM item, UINT mask) const { return (UINT)SendMessage(TVM_GETITEMSTATE, (WPARAM)item, mask); }
    BOOL SetItemState(HTREEITEM item, UINT state, UINT mask);
    BOOL GetItemRect(HTREEITEM item, RECT* rect, BOOL textOnly) const;

    // Not owned: the tree keeps using it; the caller keeps the list.
    CImageList* SetImageList(CImageList* list, int type);
    CImageList* GetImageList(UINT type) const;
    HTREEITEM HitTest(CPoint point, UINT* flags = NULL) const;
    // A new image list the caller owns (and deletes).
    CImageList* CreateDragImage(HTREEITEM item);
};

class CToolBarCtrl : public CWnd
{
    DECLARE_DYNAMIC(CToolBarCtrl)
public:
    BOOL AddButtons(int count, const TBBUTTON* buttons) { return (BOOL)SendMessage(TB_ADDBUTTONSA, count, (LPARAM)buttons); }
    BOOL DeleteButton(int index) { return (BOOL)SendMessage(TB_DELETEBUTTON, index); }
    int GetButtonCount() const { return (int)SendMessage(TB_BUTTONCOUNT); }
    BOOL GetButton(int index, TBBUTTON* button) const { return (BOOL)SendMessage(TB_GETBUTTON, index, (LPARAM)button); }
    int CommandToIndex(UINT id) const { return (int)SendMessage(TB_COMMANDTOINDEX, id); }
    BOOL EnableButton(UINT id, BOOL enable = TRUE) { return (BOOL)SendMessage(TB_ENABLEBUTTON, id, MAKELPARAM(enable, 0)); }
    BOOL CheckButton(UINT id, BOOL check = TRUE) { return (BOOL)SendMessage(TB_CHECKBUTTON, id, MAKELPARAM(check, 0)); }
    BOOL IsButtonEnabled(UINT id) const { return (BOOL)SendMessage(TB_ISBUTTONENABLED, id); }
    BOOL IsButtonChecked(UINT id) const { return (BOOL)SendMessage(TB_ISBUTTONCHECKED, id); }
    int GetState(UINT id) const { return (int)SendMessage(TB_GETSTATE, id); }
    BOOL SetState(UINT id, UINT state) { return (BOOL)SendMessage(TB_SETSTATE, id, MAKELPARAM(state, 0)); }
    BOOL SetButtonSize(SIZE size) { return (BOOL)SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(size.cx, size.cy)); }
    BOOL SetBitmapSize(SIZE size) { return (BOOL)SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(size.cx, size.cy)); }
    BOOL GetItemRect(int index, RECT* rect) const { return (BOOL)SendMessage(TB_GETITEMRECT, index, (LPARAM)rect); }
    int AddStrings(const char* texts) { return (int)SendMessage(TB_ADDSTRINGA, 0, (LPARAM)texts); }
    HWND GetToolTips() const { return (HWND)SendMessage(TB_GETTOOLTIPS); }
    // The caller keeps the lists (CToolBar's SetImageList takes them over).
    HIMAGELIST SetImageList(CImageList* list) { return (HIMAGELIST)SendMessage(TB_SETIMAGELIST, 0, (LPARAM)(list ? list->m_hImageList : NULL)); }
    HIMAGELIST SetHotImageList(CImageList* list) { return (HIMAGELIST)SendMessage(TB_SETHOTIMAGELIST, 0, (LPARAM)(list ? list->m_hImageList : NULL)); }
    HIMAGELIST GetImageList() const { return (HIMAGELIST)SendMessage(TB_GETIMAGELIST); }
    HIMAGELIST GetHotImageList() const { return (HIMAGELIST)SendMessage(TB_GETHOTIMAGELIST); }
    int GetHotItem() const { return (int)SendMessage(TB_GETHOTITEM); }
};

class CListCtrl : public CWnd
{
    DECLARE_DYNAMIC(CListCtrl)
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int InsertColumn(int column, const char* heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);
    BOOL DeleteColumn(int column) { return (BOOL)SendMessage(LVM_DELETECOLUMN, column); }
    int GetColumnWidth(int column) const { return (int)SendMessage(LVM_GETCOLUMNWIDTH, column); }
    BOOL SetColumnWidth(int column, int width) { return (BOOL)SendMessage(LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0)); }

    int InsertItem(int item, const char* text, int image = -1);
    int InsertItem(LVITEMA* item) { return (int)SendMessage(LVM_INSERTITEMA, 0, (LPARAM)item); }
    BOOL DeleteItem(int item) { return (BOOL)SendMessage(LVM_DELETEITEM, item); }
    BOOL DeleteAllItems() { return (BOOL)SendMessage(LVM_DELETEALLITEMS); }
    int GetItemCount() const { return (int)SendMessage(LVM_GETITEMCOUNT); }
    BOOL GetItem(LVITEMA* item) const { return (BOOL)SendMessage(LVM_GETITEMA, 0, (LPARAM)item); }
    BOOL SetItem(const LVITEMA* item) { return (BOOL)SendMessage(LVM_SETITEMA, 0, (LPARAM)item); }
    std::string GetItemText(int item, int subItem) const;
    BOOL SetItemText(int item, int subItem, const char* text);
    DWORD_PTR GetItemData(int item) const;
    BOOL SetItemData(int item, DWORD_PTR data);
    UINT GetItemState(int item, UINT mask) const { return (UINT)SendMessage(LVM_GETITEMSTATE, item, mask); }
    BOOL SetItemState(int item, UINT state, UINT mask);
    int GetNextItem(int item, int flags) const { return (int)SendMessage(LVM_GETNEXTITEM, item, MAKELPARAM(flags, 0)); }
    UINT GetSelectedCount() const { return (UINT)SendMessage(LVM_GETSELECTEDCOUNT); }
    // Walks the selected items: NULL at the end.
    POSITION GetFirstSelectedItemPosition() const;
    int GetNextSelectedItem(POSITION& pos) const;
    BOOL EnsureVisible(int item, BOOL partialOK) { return (BOOL)SendMessage(LVM_ENSUREVISIBLE, item, partialOK); }
    int HitTest(CPoint point, UINT* flags = NULL) const;
    int FindItem(LVFINDINFOA* find, int start = -1) const { return (int)SendMessage(LVM_FINDITEMA, start, (LPARAM)find); }
    BOOL SortItems(PFNLVCOMPARE compare, DWORD_PTR data) { return (BOOL)SendMessage(LVM_SORTITEMS, data, (LPARAM)compare); }
    DWORD SetExtendedStyle(DWORD style) { return (DWORD)SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style); }
    DWORD GetExtendedStyle() const { return (DWORD)SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE); }
    CImageList* SetImageList(CImageList* list, int type);
    BOOL GetItemRect(int item, RECT* rect, UINT code) const;
};
