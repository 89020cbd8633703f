// CActionTreeView: the tree of the project's pages, with the current
// page's objects, scripts and script items under it. The objects insert
// their own items (AddToTree); each item's data is its object. The tree
// follows the document's hints, selects in the document what the author
// clicks, opens properties on a double-click, shows the objects' context
// menus and moves scripts, script items and elements by drag and drop.
#pragma once

#include "authoring/TreeItems.h"
#include "platform/framework/Afx.h"

#include <vector>

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
    // The page items in order, when they are the document's pages with
    // their labels; FALSE otherwise.
    BOOL GetPageItems(CLumbrookConfigDoc& document, std::vector<TVITEMA>& items) const;
    // When every page's items have the shape a rebuild would give them:
    // they are pointed at the objects now loaded, and the labels that
    // differ are set; FALSE otherwise.
    BOOL UpdatePagesInPlace(CLumbrookConfigDoc& document);
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
};
