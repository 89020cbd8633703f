#include "authoring/LumbrookConfigView.h"

#include "authoring/DragImage.h"
#include "authoring/LumbrookConfigDoc.h"
#include "authoring/MainFrm.h"
#include "model/Browser.h"
#include "resources/LumbrookConfigIds.h"
#include "resources/editor/PageViewIds.h"

#include <stdarg.h>
#include <stdio.h>
#include <algorithm>

IMPLEMENT_DYNCREATE(CLumbrookConfigView, CCompoundView)

BEGIN_MESSAGE_MAP(CLumbrookConfigView, CCompoundView)
    ON_WM_LBUTTONDOWN()
    ON_WM_ERASEBKGND()
    ON_WM_CONTEXTMENU()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

namespace {

// The drag of the selection, shared by the mouse handlers: the bounding
// rectangle's top-left when it began and the pointer's offset from it.
BOOL s_dragging = FALSE;
CPoint s_dragStart;
CPoint s_grab;

const int kAutoScrollStep = 12;
const int kSingleHandleSize = 5;
const int kGroupHandleSize = 3;
const int kRubberBandHandleSize = 4;

BOOL IsPage(const CElement* object)
{
    return dynamic_cast<const CBrowser*>(object) != NULL;
}

// The selected objects that can move: never a page.
std::vector<CElement*> SelectedElements(CLumbrookConfigDoc* document)
{
    std::vector<CElement*> elements;
    for (CElement* object : document->GetSelection().GetObjects())
    {
        if (!IsPage(object))
            elements.push_back(object);
    }
    return elements;
}

CStr LoadText(UINT id)
{
    return CStr(AfxLoadString(id).c_str());
}

LPCSTR SizeCursorOf(int handle)
{
    switch (handle)
    {
    case 0: case 2: return IDC_SIZENWSE;
    case 1: case 3: return IDC_SIZENESW;
    case 4: case 6: return IDC_SIZENS;
    default: return IDC_SIZEWE;
    }
}

} // namespace

CLumbrookConfigView::CLumbrookConfigView() : m_bButtonDown(0), m_pRemembered(NULL)
{
}

CLumbrookConfigDoc* CLumbrookConfigView::GetDocument() const
{
    return dynamic_cast<CLumbrookConfigDoc*>(CView::GetDocument());
}

CBrowser* CLumbrookConfigView::GetPage() const
{
    CLumbrookConfigDoc* document = GetDocument();
    return document ? document->GetCurrentPage() : NULL;
}

BOOL CLumbrookConfigView::IsKeyDown(int key)
{
    // The low bit says the key went down at some time since the last call,
    // not that it is down.
    return (::GetAsyncKeyState(key) & 0x8000) != 0;
}

BOOL CLumbrookConfigView::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style |= WS_HSCROLL | WS_VSCROLL;
    return CCompoundView::PreCreateWindow(cs);
}

void CLumbrookConfigView::OnInitialUpdate()
{
    SetScrollSizes(MM_TEXT, CSize(0, 0));
    CCompoundView::OnInitialUpdate();
}

void CLumbrookConfigView::SetStatusText(const char* format, ...)
{
    char text[512];
    va_list args;
    va_start(args, format);
    int written = vsnprintf(text, sizeof(text), format ? format : "", args);
    va_end(args);
    if (written < 0)
        text[0] = 0;
    m_statusText = text;
    CMainFrame* frame = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
    if (frame == NULL || frame->GetStatusBar().GetSafeHwnd() == NULL)
        return;
    frame->GetStatusBar().SetPaneText(0, text);
}

void CLumbrookConfigView::OnUpdate(CView* sender, LPARAM hint, void* hintObject)
{
    // The open "Events and Scripts" page hears of every change too.
    if (CLumbrookConfigDoc* document = GetDocument())
        document->PostHintToReceivers(hint, hintObject);
    CBrowser* page = GetPage();
    if (page == NULL)
    {
        m_pRemembered = NULL;
        SetScrollSizes(MM_TEXT, CSize(0, 0));
        Invalidate();
        return;
    }
    if (hint == HintSelection && hintObject == NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    // A page reloaded or an object going: the object that the tracker
    // stood around may be gone.
    if (hint == HintRemoved || hint == HintWholeDocument)
        m_pRemembered = NULL;
    if (sender == this)
        return;
    if (hint == HintRemoved && hintObject != NULL)
    {
        Invalidate();
        return;
    }
    SetScrollSizes(MM_TEXT, page->GetSize());
    RedrawWindow(NULL, NULL, RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
}

BOOL CLumbrookConfigView::OnEraseBkgnd(CDC* dc)
{
    // The page area is covered by OnDraw's copy; only the rest is erased.
    int saved = ::SaveDC(dc->m_hDC);
    OnPrepareDC(dc);
    CBrush face;
    face.CreateSysColorBrush(COLOR_BTNFACE);
    FillOutsideRect(dc, &face);
    ::RestoreDC(dc->m_hDC, saved);
    return TRUE;
}

void CLumbrookConfigView::OnDraw(CDC* dc)
{
    CBrowser* page = GetPage();
    if (page == NULL)
        return;
    // Only the part that needs painting: a move repaints the object's old
    // and new places, not the whole page.
    CRect area;
    dc->GetClipBox(&area);
    PaintArea(dc, area);
}

void CLumbrookConfigView::PaintArea(CDC* dc, const CRect& wanted)
{
    CBrowser* page = GetPage();
    if (page == NULL)
        return;
    SIZE size = page->GetSize();
    CRect area;
    CRect pageArea(0, 0, size.cx, size.cy);
    if (!area.IntersectRect(&wanted, &pageArea))
        return;
    // Double-buffered in a bitmap of the area alone: one of a very large
    // page's size could not be made at all.
    CDC memory;
    if (!memory.CreateCompatibleDC(dc))
        return;
    CBitmap bitmap;
    if (!bitmap.CreateCompatibleBitmap(dc, area.Width(), area.Height()))
        return;
    CBitmap* previous = memory.SelectObject(&bitmap);
    memory.SetViewportOrg(-area.left, -area.top);
    // The trackers' hatching lines up with the page, as on a whole paint,
    // not with the bitmap's corner.
    ::SetBrushOrgEx(memory.m_hDC, (8 - area.left % 8) % 8, (8 - area.top % 8) % 8, NULL);
    memory.IntersectClipRect(&area);
    page->Draw(memory.m_hDC);
    DrawSelection(&memory);
    dc->BitBlt(area.left, area.top, area.Width(), area.Height(), &memory, area.left, area.top, SRCCOPY);
    memory.SelectObject(previous);
}

CRect CLumbrookConfigView::ComputeSelectionBounds() const
{
    CLumbrookConfigDoc* document = GetDocument();
    CElement* current = document ? document->GetCurrentObject() : NULL;
    if (current == NULL)
        return CRect();
    CRect bounds = current->GetRect();
    for (CElement* object : document->GetSelection().GetObjects())
    {
        CRect rect = object->GetRect();
        bounds.UnionRect(&bounds, &rect);
    }
    return bounds;
}

void CLumbrookConfigView::DrawSelection(CDC* dc)
{
    CLumbrookConfigDoc* document = GetDocument();
    CElement* current = document ? document->GetCurrentObject() : NULL;
    m_pRemembered = NULL;
    if (current == NULL || IsPage(current))
        return;
    const CSelection& selection = document->GetSelection();
    CNewRectTracker& tracker = document->m_tracker;
    BOOL group = selection.GetCount() >= 2;
    tracker.m_nStyle = group ? CRectTracker::hatchedBorder : CRectTracker::hatchedBorder | CRectTracker::resizeOutside;
    tracker.m_nHandleSize = group ? kGroupHandleSize : kSingleHandleSize;
    CRect bounds = current->GetRect();
    for (CElement* object : selection.GetObjects())
    {
        CRect rect = object->GetRect();
        bounds.UnionRect(&bounds, &rect);
        if (rect.Width() > 0 && rect.Height() > 0)
        {
            tracker.m_rect = rect;
            tracker.Draw(dc);
            if (!group)
                m_pRemembered = object;
        }
    }
    m_selectionBounds = bounds;
    SetStatusText(LoadText(IDS_MOVE_POSITION), bounds.left, bounds.top);
}

void CLumbrookConfigView::SelectInRect(const RECT& rect)
{
    CLumbrookConfigDoc* document = GetDocument();
    CBrowser* page = GetPage();
    if (page == NULL)
        return;
    CRect area(rect);
    area.OffsetRect(GetScrollPosition());
    document->Select(NULL);
    BOOL any = FALSE;
    for (CElement* child : page->m_children)
    {
        if (child == NULL)
            continue;
        CRect box = child->GetRect();
        if (area.PtInRect(box.TopLeft()) && area.PtInRect(box.BottomRight()))
        {
            document->Select(child, TRUE);
            document->UpdateAllViews(this, HintSelection, child);
            any = TRUE;
        }
    }
    if (!any)
        document->Select(page);
}

int CLumbrookConfigView::HitTestTracker(POINT pagePoint)
{
    CLumbrookConfigDoc* document = GetDocument();
    CElement* current = document->GetCurrentObject();
    // Only the tracker the author sees, with handles, around the one
    // selected object: a stale frame (another page, a group, the page
    // itself) never starts a resize.
    if (current == NULL || IsPage(current) || document->GetSelectionCount() != 1 || current != m_pRemembered)
        return CRectTracker::hitNothing;
    CNewRectTracker& tracker = document->m_tracker;
    tracker.m_nStyle = CRectTracker::hatchedBorder | CRectTracker::resizeOutside;
    tracker.m_nHandleSize = kSingleHandleSize;
    tracker.m_rect = current->GetRect();
    return tracker.HitTest(pagePoint);
}

void CLumbrookConfigView::ResizeWithTracker(int handle, CPoint point)
{
    CLumbrookConfigDoc* document = GetDocument();
    CElement* current = document->GetCurrentObject();
    CNewRectTracker& tracker = document->m_tracker;
    HCURSOR previous = ::SetCursor(::LoadCursor(NULL, SizeCursorOf(handle)));
    CPoint scroll = GetScrollPosition();
    ::OffsetRect(&tracker.m_rect, -scroll.x, -scroll.y);
    if (tracker.Track(this, point, FALSE, NULL))
    {
        const RECT& r = tracker.m_rect;
        std::vector<CElement*> changed(1, current);
        InvalidateObjects(changed);
        current->m_xpos = r.left + scroll.x;
        current->m_ypos = r.top + scroll.y;
        current->m_width = r.right - r.left;
        current->m_height = r.bottom - r.top;
        InvalidateObjects(changed);
        document->UpdateAllViews(NULL, HintChanged, current);
        document->RecordChange();
    }
    ::SetCursor(previous);
}

void CLumbrookConfigView::OnLButtonDown(UINT flags, CPoint point)
{
    BOOL control = IsKeyDown(VK_CONTROL);
    CPoint pagePoint = point + GetScrollPosition();
    m_bButtonDown = TRUE;
    m_pressPoint = point;
    CLumbrookConfigDoc* document = GetDocument();
    CBrowser* page = GetPage();
    if (page == NULL)
    {
        Default();
        return;
    }
    CRect pageRect = page->GetRect();
    if (pageRect.PtInRect(pagePoint))
    {
        CElement* object = page->ChildFromPoint(pagePoint);
        BOOL handled = FALSE;
        int handle = HitTestTracker(pagePoint);
        if (handle >= 0 && handle <= 7)
        {
            ResizeWithTracker(handle, point);
            handled = TRUE;
        }
        else if (object == page)
        {
            // The page's own area: the object selection goes and a rubber
            // band starts.
            document->Select(page);
            Invalidate();
            SetStatusText("%s", LoadText(AFX_IDS_IDLEMESSAGE).c_str());
            CNewRectTracker& tracker = document->m_tracker;
            tracker.m_nHandleSize = kRubberBandHandleSize;
            if (tracker.TrackRubberBand(this, point, TRUE))
            {
                CRect band = tracker.m_rect;
                band.NormalizeRect();
                SelectInRect(band);
            }
            handled = TRUE;
        }
        if (!handled)
        {
            if (object != NULL && document->GetSelection().Contains(object))
            {
                // Without Ctrl the group stays selected so that it can be
                // dragged.
                if (control)
                {
                    document->DeselectObject(object);
                    Invalidate();
                }
            }
            else if (object != NULL)
            {
                document->Select(object, control);
                document->UpdateAllViews(this, HintSelection, object);
            }
            else
            {
                document->Select(NULL);
                document->UpdateAllViews(this, HintSelection, NULL);
                Invalidate();
                SetStatusText("%s", LoadText(AFX_IDS_IDLEMESSAGE).c_str());
            }
            Default();
            return;
        }
    }
    // The tracking loops took the real button-up.
    Default();
    OnLButtonUp(flags, point);
}

void CLumbrookConfigView::InvalidateObjects(const std::vector<CElement*>& objects)
{
    CPoint scroll = GetScrollPosition();
    CClientDC dc(this);
    for (CElement* object : objects)
    {
        CRect area = object->GetRect();
        // The tracker's border and outside handles lie around the object.
        area.InflateRect(kSingleHandleSize + 1, kSingleHandleSize + 1);
        // A text's glyphs may pass its box: they would stay behind.
        CRect drawn = object->GetDrawnRect(dc.m_hDC);
        area.UnionRect(&area, &drawn);
        area.OffsetRect(-scroll.x, -scroll.y);
        InvalidateRect(&area, FALSE);
    }
}

CSize CLumbrookConfigView::GetScrollLimit()
{
    CRect client;
    GetClientRect(&client);
    CSize total = GetTotalSize();
    return CSize(std::max(0, (int)(total.cx - client.Width())), std::max(0, (int)(total.cy - client.Height())));
}

void CLumbrookConfigView::StartDrag(CPoint point, const CRect& clip)
{
    CLumbrookConfigDoc* document = GetDocument();
    CRect bounds = ComputeSelectionBounds();
    m_selectionBounds = bounds;
    if (bounds.Width() <= 0 || bounds.Height() <= 0)
        return;
    CPoint scroll = GetScrollPosition();
    CPoint pagePoint = m_pressPoint + scroll;
    s_dragStart = bounds.TopLeft();
    s_grab = CPoint(pagePoint.x - bounds.left, pagePoint.y - bounds.top);

    // The image of the selected objects: colour and mask, black where
    // the objects are opaque in the mask.
    int width = bounds.Width(), height = bounds.Height();
    CClientDC screen(this);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap colour, mask;
    if (!colour.CreateCompatibleBitmap(&screen, width, height) || !mask.CreateBitmap(width, height, 1, 1, NULL))
        return;
    {
        CDC maskDc;
        maskDc.CreateCompatibleDC(&screen);
        CBitmap* old = maskDc.SelectObject(&mask);
        maskDc.PatBlt(0, 0, width, height, WHITENESS);
        maskDc.SelectObject(old);
    }
    CBitmap* old = dc.SelectObject(&colour);
    dc.PatBlt(0, 0, width, height, WHITENESS);
    for (CElement* object : document->GetSelection().GetObjects())
        object->DrawAt(dc.m_hDC, bounds.TopLeft(), (HBITMAP)mask.m_hObject);
    {
        // Transparent parts black in the colour image, as a masked image
        // list draws them.
        CDC maskDc;
        maskDc.CreateCompatibleDC(&screen);
        CBitmap* oldMask = maskDc.SelectObject(&mask);
        dc.SetTextColor(RGB(0, 0, 0));
        dc.SetBkColor(RGB(255, 255, 255));
        dc.BitBlt(0, 0, width, height, &maskDc, 0, 0, 0x00220326 /* DSna */);
        maskDc.SelectObject(oldMask);
    }
    dc.SelectObject(old);
    m_images.DeleteImageList();
    if (!m_images.Create(width, height, ILC_COLOR16 | ILC_MASK, 1, 1) || m_images.Add(&colour, &mask) < 0)
        return;
    if (!BeginDragImage(this, m_pressPoint.x, m_pressPoint.y, bounds.left - scroll.x, bounds.top - scroll.y, &m_images))
        return;
    s_dragging = TRUE;
    MoveDragImage(point.x, point.y);

    // The group cannot be dragged out of the visible page.
    CRect limit = clip;
    limit.left += s_grab.x;
    limit.top += s_grab.y;
    limit.right -= bounds.right - pagePoint.x - 1;
    limit.bottom -= bounds.bottom - pagePoint.y - 1;
    if (limit.left < limit.right && limit.top < limit.bottom)
    {
        ClientToScreen(&limit);
        ::ClipCursor(&limit);
    }
}

void CLumbrookConfigView::FollowDrag(CPoint point, const CRect& clip)
{
    MoveDragImage(point.x, point.y);
    int width = m_selectionBounds.Width(), height = m_selectionBounds.Height();
    CRect image(point.x - s_grab.x, point.y - s_grab.y, point.x - s_grab.x + width, point.y - s_grab.y + height);
    CPoint scroll = GetScrollPosition();
    CPoint wanted = scroll;
    CSize limit = GetScrollLimit();
    if (image.right >= clip.right && wanted.x < limit.cx)
        wanted.x += kAutoScrollStep;
    if (image.bottom >= clip.bottom && wanted.y < limit.cy)
        wanted.y += kAutoScrollStep;
    if (image.left <= clip.left && wanted.x > 0)
        wanted.x -= kAutoScrollStep;
    if (image.top <= clip.top && wanted.y > 0)
        wanted.y -= kAutoScrollStep;
    wanted.x = std::min(std::max(0, (int)wanted.x), (int)limit.cx);
    wanted.y = std::min(std::max(0, (int)wanted.y), (int)limit.cy);
    if (wanted != scroll)
    {
        // The image is hidden while the page under it is painted.
        ImageList_DragShowNolock(FALSE);
        ScrollToPosition(wanted);
        Invalidate(FALSE);
        UpdateWindow();
        ImageList_DragShowNolock(TRUE);
        scroll = wanted;
    }
    SetStatusText(LoadText(IDS_MOVE_POSITION), image.left + scroll.x, image.top + scroll.y);
}

void CLumbrookConfigView::OnMouseMove(UINT flags, CPoint point)
{
    CLumbrookConfigDoc* document = GetDocument();
    CBrowser* page = GetPage();
    CElement* current = document ? document->GetCurrentObject() : NULL;
    if (IsKeyDown(VK_CONTROL) || page == NULL || current == NULL || IsPage(current))
    {
        Default();
        return;
    }
    CRect clip = page->GetRect();
    clip.OffsetRect(-GetScrollPosition());
    CRect client;
    GetClientRect(&client);
    clip.IntersectRect(&clip, &client);
    // A button released outside the window leaves the flag behind: the
    // message's own button state decides too.
    if (m_bButtonDown && !s_dragging && (flags & MK_LBUTTON))
        StartDrag(point, clip);
    else if (s_dragging)
        FollowDrag(point, clip);
    Default();
}

void CLumbrookConfigView::OnLButtonUp(UINT flags, CPoint point)
{
    CLumbrookConfigDoc* document = GetDocument();
    if (s_dragging)
    {
        ::ClipCursor(NULL);
        EndDragImage(this);
        s_dragging = FALSE;
        if (document != NULL && document->GetSelectionCount() > 0)
        {
            CPoint scroll = GetScrollPosition();
            int dx = scroll.x + point.x - s_dragStart.x - s_grab.x;
            int dy = scroll.y + point.y - s_dragStart.y - s_grab.y;
            // A press without a move changes nothing and records nothing.
            if (dx != 0 || dy != 0)
            {
                std::vector<CElement*> moved = SelectedElements(document);
                InvalidateObjects(moved);
                for (CElement* object : moved)
                {
                    object->m_xpos += dx;
                    object->m_ypos += dy;
                }
                InvalidateObjects(moved);
                UpdateWindow();
                document->RecordChange();
            }
        }
    }
    m_bButtonDown = FALSE;
    Default();
}

void CLumbrookConfigView::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    CLumbrookConfigDoc* document = GetDocument();
    CBrowser* page = GetPage();
    CElement* current = document ? document->GetCurrentObject() : NULL;
    bool arrow = key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
    if (!arrow || page == NULL || current == NULL || IsPage(current))
    {
        Default();
        return;
    }
    int n = (int)repeat;
    SIZE size = page->GetSize();
    int lowestX = current->m_xpos, lowestY = current->m_ypos;
    std::vector<CElement*> moved = SelectedElements(document);
    InvalidateObjects(moved);
    for (CElement* object : moved)
    {
        int x = object->m_xpos, y = object->m_ypos;
        switch (key)
        {
        case VK_LEFT: x -= n; break;
        case VK_RIGHT: x += n; break;
        case VK_UP: y -= n; break;
        default: y += n; break;
        }
        // Half an object may stand outside the right and bottom edges; an
        // object wider than the page stays at 0.
        int rightmost = std::max(0, (int)size.cx - object->m_width / 2);
        int lowest = std::max(0, (int)size.cy - object->m_height / 2);
        object->m_xpos = std::min(std::max(0, x), rightmost);
        object->m_ypos = std::min(std::max(0, y), lowest);
        lowestX = std::min(lowestX, object->m_xpos);
        lowestY = std::min(lowestY, object->m_ypos);
    }
    InvalidateObjects(moved);
    SetStatusText(LoadText(IDS_MOVE_POSITION), lowestX, lowestY);
    document->SetModifiedFlag(TRUE);
    UpdateWindow();
}

void CLumbrookConfigView::OnLButtonDblClk(UINT flags, CPoint point)
{
    Default();
    CLumbrookConfigDoc* document = GetDocument();
    CBrowser* page = GetPage();
    if (page == NULL)
        return;
    CElement* object = page->ChildFromPoint(point + GetScrollPosition());
    if (object == NULL)
        return;
    document->Select(object);
    document->UpdateAllViews(this, HintSelection, object);
    PostMessage(WM_COMMAND, ID_OBJECT_PROPERTIES, 0);
}

void CLumbrookConfigView::OnContextMenu(CWnd* window, CPoint point)
{
    CLumbrookConfigDoc* document = GetDocument();
    CBrowser* page = GetPage();
    if (page == NULL)
        return;
    CPoint pagePoint = point;
    ScreenToClient(&pagePoint);
    pagePoint += GetScrollPosition();
    CElement* object = page->ChildFromPoint(pagePoint);
    if (object == NULL)
        return;
    document->Select(object);
    document->UpdateAllViews(this, HintSelection, object);
    object->ShowContextMenu(point.x, point.y, FALSE);
}
