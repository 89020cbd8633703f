// CLumbrookConfigView: the page editor beside the object tree. It shows the
// current page at its real size (scrolling when larger than the pane), the
// selection's trackers over it, and lets the author select, move and size
// objects with the mouse and the arrow keys. Positions are page
// coordinates: client coordinates plus the scroll position.
#pragma once

#include "authoring/CompoundView.h"
#include "model/common/Str.h"

#include <vector>

class CBrowser;
class CElement;
class CLumbrookConfigDoc;

class CLumbrookConfigView : public CCompoundView
{
    DECLARE_DYNCREATE(CLumbrookConfigView)
public:
    CLumbrookConfigView();

    CLumbrookConfigDoc* GetDocument() const;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void OnInitialUpdate() override;
    void OnUpdate(CView* sender, LPARAM hint, void* hintObject) override;
    void OnDraw(CDC* dc) override;
    // Paints the page's part inside area (page coordinates, cut to the page)
    // onto dc as a paint of the view does: the page and the selection drawn
    // into a bitmap of the area's size, page coordinates moved onto it and
    // the drawing clipped to the area, then copied to the area on dc.
    void PaintArea(CDC* dc, const CRect& area);

    // Formats the text (bounded) into the main frame's message pane.
    void SetStatusText(const char* format, ...);
    const CStr& GetStatusText() const { return m_statusText; }
    // The trackers of the selected objects; the bounding rectangle follows.
    void DrawSelection(CDC* dc);
    // Selects the current page's children that lie wholly inside rect
    // (client coordinates); the page when none does.
    void SelectInRect(const RECT& rect);
    // The selection's bounding rectangle at its last drawing (page
    // coordinates).
    const CRect& GetSelectionBounds() const { return m_selectionBounds; }

    // TRUE while the key is held down now (not merely pressed earlier).
    static BOOL IsKeyDown(int key);

protected:
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    void OnContextMenu(CWnd* window, CPoint point);
    BOOL OnEraseBkgnd(CDC* dc);
    DECLARE_MESSAGE_MAP()

private:
    CBrowser* GetPage() const;
    // The handle under the page point when the tracker stands, with handles,
    // around the one selected object drawn last; else -1.
    int HitTestTracker(POINT pagePoint);
    void ResizeWithTracker(int handle, CPoint point);
    void StartDrag(CPoint point, const CRect& clip);
    void FollowDrag(CPoint point, const CRect& clip);
    // The selection's rectangle and the largest scroll position.
    CRect ComputeSelectionBounds() const;
    CSize GetScrollLimit();
    // Invalidates the objects' areas with their trackers (page coordinates).
    void InvalidateObjects(const std::vector<CElement*>& objects);

    BYTE m_bButtonDown;
    // Where the button went down (client coordinates): the drag keeps the
    // pointer's offset from the objects as it was there.
    CPoint m_pressPoint;
    // The one object that the tracker was last drawn around with handles;
    // compared, never dereferenced.
    CElement* m_pRemembered;
    CImageList m_images;
    CRect m_selectionBounds;
    CStr m_statusText;
};
