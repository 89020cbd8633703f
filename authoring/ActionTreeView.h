// CActionTreeView: the tree of the project's pages, with the current
// page's objects, scripts and script items under it. The objects insert
// their own items (AddToTree); each item's data is its object. The tree
// follows the document's hints, selects in the document what the author
// clicks, opens properties on a double-click, shows the objects' context
// menus and moves scripts, script items and elements by drag and drop.
#pragma once

#include "authoring/TreeItems.h"
#include "model/common/Str.h"
#include "platform/framework/Afx.h"

#include <vector>

class CBrowser;
class CElement;
class CLumbrookConfigDoc;

// Posted by the tree to itself: change to the page in lParam once the
// selection notification has returned.
const UINT WM_TREE_SELECT_PAGE = WM_USER + 101;

class CActionTreeView : public CTreeView
{
    DECLARE_DYNCREATE(CActionTreeView)
public:
    CActionTreeView();
    ~CActionTreeView() override;

    CLumbrookConfigDoc* GetDocument() const;
    void OnInitialUpdate() override;
    void OnUpdate(CView* sender, LPARAM hint, void* hintObject) override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    // The item whose data is object; NULL when there is none.
    HTREEITEM FindItem(const CElement* object) const;
    void Rebuild();
    void AddObject(CElement* object);
    void RemoveObject(CElement* object);
    void SelectObject(CElement* object);
    void RefreshObject(CElement* object);

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnContextMenu(CWnd* wnd, CPoint point);
    void OnMouseMove(UINT keys, CPoint point);
    void OnLButtonDown(UINT keys, CPoint point);
    void OnLButtonUp(UINT keys, CPoint point);
    void OnRClick(NMHDR* header, LRESULT* result);
    void OnSelChanged(NMHDR* header, LRESULT* result);
    void OnDblClk(NMHDR* header, LRESULT* result);
    void OnBeginDrag(NMHDR* header, LRESULT* result);
    LRESULT OnSelectPage(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    CElement* ObjectOf(HTREEITEM item) const;
    // The author chose the item: its object is selected in the document
    // (a page change once the tree's notification has returned).
    void ChooseItem(HTREEITEM item);
    // The item is selected, open and wholly in view.
    BOOL ShowsSelected(HTREEITEM item) const;
    // When the page items are the document's pages already: each page's
    // items under its own made anew; FALSE, and nothing changed, otherwise.
    BOOL RefreshPageContents(CLumbrookConfigDoc& document);
    // When every page's items have the shape a rebuild would give them:
    // they are pointed at the objects now loaded, and the labels that
    // differ are set; FALSE otherwise.
    BOOL UpdatePagesInPlace(CLumbrookConfigDoc& document);
    // TRUE when the page items are the document's pages in order with
    // their labels, as this view knows them (read from the tree first when
    // it does not know them).
    BOOL PageItemsAreThePages(CLumbrookConfigDoc& document);
    // What this view knows of the page items is taken from the tree again
    // the next time it is needed.
    void ForgetPageItems();
    // The page item's place in m_pageItems; -1 when item is none of them.
    int FindPageItem(HTREEITEM item) const;
    // The first item under top (not top) whose data is object, or NULL.
    HTREEITEM FindBelow(HTREEITEM top, const CElement* object) const;
    // Expands item; a page item is then known to be open.
    void ExpandItem(HTREEITEM item);
    void InsertChildrenOf(CElement* object, HTREEITEM item);
    void EndDragging();
    // The drawing switched off or on, as this view remembers it.
    void Draw(BOOL on);

    CImageList m_images;
    BOOL m_bDragging;
    HTREEITEM m_hDragItem;
    HTREEITEM m_hDropItem;
    CImageList* m_pDragImage;
    // Takes down what the objects would insert, to compare with the tree.
    CTreeRecorder m_recorder;
    // Set while the tree changes its own selection: only the author's
    // choices select in the document.
    BOOL m_bChangingSelf;
    // FALSE while the drawing is off (Draw).
    BOOL m_bDrawing;

    // A page item (an item at the top of the tree) as this view made or
    // changed it. Every path of this view that inserts, deletes, relabels
    // or fills page items keeps the list true, so that a reload of one
    // page (an Undo, a page change) looks at the tree only where it can
    // have changed, not at every page of the project.
    struct PageItem
    {
        HTREEITEM item;
        // Compared only, never used: the page may be gone.
        const CBrowser* page;
        CStr label;
        int image;
        // FALSE only when the item has no items under it and has never
        // been opened since its items were last made.
        BOOL filled;
    };
    // Mutable: a look-up that finds the list wrong forgets it.
    mutable std::vector<PageItem> m_pageItems;
    mutable BOOL m_bPageItemsKnown;
};
