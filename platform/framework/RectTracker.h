// CRectTracker: a rectangle with resize handles that draws itself, says what
// part of it a point is on, and follows the mouse to move or resize it (or
// to draw a rubber band) until the button is released.
#pragma once

#include <windows.h>

class CDC;
class CWnd;

class CRectTracker
{
public:
    enum StyleFlags
    {
        solidLine = 1, dottedLine = 2, hatchedBorder = 4,
        resizeInside = 8, resizeOutside = 16, hatchInside = 32,
    };
    // Handles 0-7 in this order; 8 is the body.
    enum TrackerHit
    {
        hitNothing = -1,
        hitTopLeft = 0, hitTopRight = 1, hitBottomRight = 2, hitBottomLeft = 3,
        hitTop = 4, hitRight = 5, hitBottom = 6, hitLeft = 7, hitMiddle = 8
    };

    CRectTracker();
    CRectTracker(LPCRECT rect, UINT style);
    virtual ~CRectTracker() {}

    // Drawing
    void Draw(HDC dc) const;
    void Draw(CDC* dc) const;
    virtual void GetTrueRect(LPRECT trueRect) const;
    // Sets the size cursor of the handle under the cursor; FALSE when the
    // cursor is not on the tracker (or not in the window's client area).
    BOOL SetCursor(HWND wnd, UINT nHitTest) const;
    BOOL SetCursor(CWnd* wnd, UINT nHitTest) const;

    // Hit tests, in the coordinates of m_rect. The handle numbers follow
    // m_rect as it is, so an inverted rectangle's top-left handle is the one
    // drawn at the bottom right.
    virtual int HitTest(POINT point) const;
    int NormalizeHit(int handle) const;
    // The rectangle of a handle (0-7) of m_rect; FALSE for a handle the
    // mask hides.
    BOOL GetHandleRect(int handle, LPRECT rect) const;
    virtual UINT GetHandleMask() const;
    virtual int GetHandleSize(LPCRECT rect = NULL) const;

    // Tracking: the mouse is captured and followed until the left button
    // goes up (TRUE when the rectangle changed) or Escape or the right
    // button cancels (FALSE, rectangle restored). Client coordinates of wnd.
    BOOL Track(HWND wnd, POINT point, BOOL allowInvert = FALSE, HWND clipTo = NULL);
    BOOL TrackRubberBand(HWND wnd, POINT point, BOOL allowInvert = TRUE);
    BOOL Track(CWnd* wnd, POINT point, BOOL allowInvert = FALSE, CWnd* clipTo = NULL);
    BOOL TrackRubberBand(CWnd* wnd, POINT point, BOOL allowInvert = TRUE);

    // The edges a handle moves, as the tracking loop applies it; the
    // minimum size is kept unless inversion is allowed and the edge crossed.
    void MoveHandle(int handle, POINT start, POINT now, const RECT& from, BOOL allowInvert);

    virtual void DrawTrackerRect(LPCRECT rect, HWND clipTo, HDC dc, HWND wnd);
    virtual void AdjustRect(int handle, LPRECT rect);
    virtual void OnChangedRect(const RECT& oldRect);

    RECT m_rect;
    SIZE m_sizeMin;
    int m_nHandleSize;
    UINT m_nStyle;

protected:
    BOOL TrackHandle(int handle, HWND wnd, POINT point, HWND clipTo, BOOL allowInvert);
    void HandleRectOf(const RECT& r, int handle, LPRECT out) const;

    BOOL m_bAllowInvert;
    RECT m_rectLast;   // last rectangle drawn while tracking
    bool m_erase;      // m_rectLast is on screen
};
