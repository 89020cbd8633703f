#include "platform/framework/RectTracker.h"

#include "platform/framework/Gdi.h"
#include "platform/framework/Wnd.h"

#include <windowsx.h>
#include <algorithm>

namespace
{
const int kDefaultHandleSize = 7;

void Normalized(const RECT& in, RECT* out)
{
    out->left = std::min(in.left, in.right);
    out->right = std::max(in.left, in.right);
    out->top = std::min(in.top, in.bottom);
    out->bottom = std::max(in.top, in.bottom);
}

// Which edges a handle moves.
bool MovesLeft(int h) { return h == 0 || h == 3 || h == 7; }
bool MovesRight(int h) { return h == 1 || h == 2 || h == 5; }
bool MovesTop(int h) { return h == 0 || h == 1 || h == 4; }
bool MovesBottom(int h) { return h == 2 || h == 3 || h == 6; }

// Keeps |far - near| at least minimum, moving the dragged edge only.
void KeepMinimum(LONG fixed, LONG* moved, LONG fromFixed, LONG fromMoved, LONG minimum, BOOL allowInvert)
{
    LONG sign = fromMoved >= fromFixed ? 1 : -1;
    LONG span = (*moved - fixed) * sign;   // positive while not inverted
    if (span >= minimum)
        return;
    if (allowInvert && span <= -minimum)
        return;
    if (allowInvert && span < 0)
        *moved = fixed - sign * minimum;
    else
        *moved = fixed + sign * minimum;
}
}

CRectTracker::CRectTracker()
    : m_nHandleSize(kDefaultHandleSize), m_nStyle(0), m_bAllowInvert(FALSE), m_erase(false)
{
    SetRectEmpty(&m_rect);
    SetRectEmpty(&m_rectLast);
    m_sizeMin.cx = m_sizeMin.cy = kDefaultHandleSize * 2;
}

CRectTracker::CRectTracker(LPCRECT rect, UINT style) : CRectTracker()
{
    if (rect != NULL)
        m_rect = *rect;
    m_nStyle = style;
}

int CRectTracker::GetHandleSize(LPCRECT) const
{
    return m_nHandleSize > 0 ? m_nHandleSize : 1;
}

void CRectTracker::GetTrueRect(LPRECT trueRect) const
{
    Normalized(m_rect, trueRect);
    if (m_nStyle & (resizeOutside | hatchedBorder))
    {
        int size = GetHandleSize();
        InflateRect(trueRect, size, size);
    }
}

UINT CRectTracker::GetHandleMask() const
{
    RECT r;
    Normalized(m_rect, &r);
    int size = GetHandleSize();
    UINT mask = 0x0F;
    // Side handles only where the side has room for them between the corners.
    if (r.right - r.left >= 3 * size)
        mask |= (1u << hitTop) | (1u << hitBottom);
    if (r.bottom - r.top >= 3 * size)
        mask |= (1u << hitRight) | (1u << hitLeft);
    return mask;
}

int CRectTracker::NormalizeHit(int handle) const
{
    if (handle < 0 || handle > 7)
        return handle;
    static const int swapX[8] = { 1, 0, 3, 2, 4, 7, 6, 5 };
    static const int swapY[8] = { 3, 2, 1, 0, 6, 5, 4, 7 };
    if (m_rect.right < m_rect.left)
        handle = swapX[handle];
    if (m_rect.bottom < m_rect.top)
        handle = swapY[handle];
    return handle;
}

void CRectTracker::HandleRectOf(const RECT& r, int handle, LPRECT out) const
{
    int size = GetHandleSize();
    bool outside = (m_nStyle & resizeOutside) != 0;
    LONG x, y;
    if (MovesLeft(handle))
        x = outside ? r.left - size : r.left;
    else if (MovesRight(handle))
        x = outside ? r.right : r.right - size;
    else
        x = r.left + (r.right - r.left - size) / 2;
    if (MovesTop(handle))
        y = outside ? r.top - size : r.top;
    else if (MovesBottom(handle))
        y = outside ? r.bottom : r.bottom - size;
    else
        y = r.top + (r.bottom - r.top - size) / 2;
    SetRect(out, x, y, x + size, y + size);
}

BOOL CRectTracker::GetHandleRect(int handle, LPRECT rect) const
{
    if (handle < 0 || handle > 7)
        return FALSE;
    int shown = NormalizeHit(handle);
    if ((GetHandleMask() & (1u << shown)) == 0)
        return FALSE;
    RECT r;
    Normalized(m_rect, &r);
    HandleRectOf(r, shown, rect);
    return TRUE;
}

int CRectTracker::HitTest(POINT point) const
{
    RECT whole;
    GetTrueRect(&whole);
    if (!PtInRect(&whole, point))
        return hitNothing;
    if (m_nStyle & (resizeInside | resizeOutside))
    {
        for (int h = 0; h < 8; ++h)
        {
            RECT handle;
            if (GetHandleRect(h, &handle) && PtInRect(&handle, point))
                return h;
        }
    }
    return hitMiddle;
}

BOOL CRectTracker::SetCursor(HWND wnd, UINT nHitTest) const
{
    if (nHitTest != HTCLIENT)
        return FALSE;
    POINT pt;
    ::GetCursorPos(&pt);
    ::ScreenToClient(wnd, &pt);
    int hit = HitTest(pt);
    if (hit < 0)
        return FALSE;
    LPCSTR shape;
    switch (NormalizeHit(hit))
    {
    case hitTopLeft: case hitBottomRight: shape = IDC_SIZENWSE; break;
    case hitTopRight: case hitBottomLeft: shape = IDC_SIZENESW; break;
    case hitTop: case hitBottom: shape = IDC_SIZENS; break;
    case hitLeft: case hitRight: shape = IDC_SIZEWE; break;
    default: shape = IDC_SIZEALL; break;
    }
    ::SetCursor(::LoadCursorA(NULL, shape));
    return TRUE;
}

void CRectTracker::Draw(HDC dc) const
{
    RECT r;
    Normalized(m_rect, &r);
    int saved = ::SaveDC(dc);
    ::SetBkMode(dc, TRANSPARENT);
    if (m_nStyle & (solidLine | dottedLine))
    {
        HPEN pen = ::CreatePen((m_nStyle & dottedLine) ? PS_DOT : PS_SOLID, 1, RGB(0, 0, 0));
        HGDIOBJ oldPen = ::SelectObject(dc, pen);
        HGDIOBJ oldBrush = ::SelectObject(dc, ::GetStockObject(NULL_BRUSH));
        ::Rectangle(dc, r.left, r.top, r.right, r.bottom);
        ::SelectObject(dc, oldBrush);
        ::SelectObject(dc, oldPen);
        ::DeleteObject(pen);
    }
    if (m_nStyle & (hatchedBorder | hatchInside))
    {
        HBRUSH hatch = ::CreateHatchBrush(HS_BDIAGONAL, RGB(0, 0, 0));
        if (m_nStyle & hatchInside)
            ::FillRect(dc, &r, hatch);
        if (m_nStyle & hatchedBorder)
        {
            int size = GetHandleSize();
            RECT outer = r;
            InflateRect(&outer, size, size);
            RECT bands[4] = {
                { outer.left, outer.top, outer.right, r.top },
                { outer.left, r.bottom, outer.right, outer.bottom },
                { outer.left, r.top, r.left, r.bottom },
                { r.right, r.top, outer.right, r.bottom },
            };
            for (const RECT& band : bands)
                ::FillRect(dc, &band, hatch);
        }
        ::DeleteObject(hatch);
    }
    if (m_nStyle & (resizeInside | resizeOutside))
    {
        HBRUSH black = (HBRUSH)::GetStockObject(BLACK_BRUSH);
        for (int h = 0; h < 8; ++h)
        {
            RECT handle;
            if (GetHandleRect(h, &handle))
                ::FillRect(dc, &handle, black);
        }
    }
    ::RestoreDC(dc, saved);
}

void CRectTracker::MoveHandle(int handle, POINT start, POINT now, const RECT& from, BOOL allowInvert)
{
    LONG dx = now.x - start.x, dy = now.y - start.y;
    m_rect = from;
    if (handle == hitMiddle)
    {
        OffsetRect(&m_rect, dx, dy);
        return;
    }
    if (MovesLeft(handle))
    {
        m_rect.left += dx;
        KeepMinimum(from.right, &m_rect.left, from.right, from.left, m_sizeMin.cx, allowInvert);
    }
    if (MovesRight(handle))
    {
        m_rect.right += dx;
        KeepMinimum(from.left, &m_rect.right, from.left, from.right, m_sizeMin.cx, allowInvert);
    }
    if (MovesTop(handle))
    {
        m_rect.top += dy;
        KeepMinimum(from.bottom, &m_rect.top, from.bottom, from.top, m_sizeMin.cy, allowInvert);
    }
    if (MovesBottom(handle))
    {
        m_rect.bottom += dy;
        KeepMinimum(from.top, &m_rect.bottom, from.top, from.bottom, m_sizeMin.cy, allowInvert);
    }
}

void CRectTracker::AdjustRect(int, LPRECT)
{
}

void CRectTracker::OnChangedRect(const RECT&)
{
}

void CRectTracker::DrawTrackerRect(LPCRECT rect, HWND clipTo, HDC dc, HWND wnd)
{
    RECT r;
    Normalized(*rect, &r);
    if (clipTo != NULL && clipTo != wnd)
    {
        RECT clip;
        ::GetClientRect(clipTo, &clip);
        ::MapWindowPoints(clipTo, wnd, reinterpret_cast<POINT*>(&clip), 2);
        ::IntersectRect(&r, &r, &clip);
    }
    if (r.right > r.left && r.bottom > r.top)
        ::DrawFocusRect(dc, &r);
}

BOOL CRectTracker::TrackHandle(int handle, HWND wnd, POINT point, HWND clipTo, BOOL allowInvert)
{
    if (wnd == NULL || handle < 0 || handle > 8)
        return FALSE;
    m_bAllowInvert = allowInvert;
    const RECT original = m_rect;
    ::SetCapture(wnd);
    ::UpdateWindow(wnd);
    HDC dc = ::GetDC(wnd);
    m_erase = false;

    bool done = false, cancelled = false;
    while (!done)
    {
        MSG msg;
        if (!::GetMessageA(&msg, NULL, 0, 0))
        {
            ::PostQuitMessage((int)msg.wParam);
            cancelled = true;
            break;
        }
        if (::GetCapture() != wnd)
        {
            cancelled = true;
            break;
        }
        switch (msg.message)
        {
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
        {
            POINT now = { GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam) };
            if (msg.hwnd != wnd)
                ::MapWindowPoints(msg.hwnd, wnd, &now, 1);
            MoveHandle(handle, point, now, original, allowInvert);
            AdjustRect(handle, &m_rect);
            if (m_erase)
                DrawTrackerRect(&m_rectLast, clipTo, dc, wnd);
            m_erase = false;
            if (msg.message == WM_LBUTTONUP)
            {
                done = true;
                break;
            }
            m_rectLast = m_rect;
            DrawTrackerRect(&m_rectLast, clipTo, dc, wnd);
            m_erase = true;
            break;
        }
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE)
                done = cancelled = true;
            break;
        case WM_RBUTTONDOWN:
            done = cancelled = true;
            break;
        default:
            ::DispatchMessageA(&msg);
            break;
        }
    }
    if (m_erase)
        DrawTrackerRect(&m_rectLast, clipTo, dc, wnd);
    m_erase = false;
    ::ReleaseDC(wnd, dc);
    if (::GetCapture() == wnd)
        ::ReleaseCapture();

    if (cancelled)
    {
        m_rect = original;
        return FALSE;
    }
    if (EqualRect(&m_rect, &original))
        return FALSE;
    OnChangedRect(original);
    return TRUE;
}

BOOL CRectTracker::Track(HWND wnd, POINT point, BOOL allowInvert, HWND clipTo)
{
    int hit = HitTest(point);
    if (hit < 0)
        return FALSE;
    return TrackHandle(hit, wnd, point, clipTo, allowInvert);
}

BOOL CRectTracker::TrackRubberBand(HWND wnd, POINT point, BOOL allowInvert)
{
    // A band starts as a point, so the minimum size does not apply to it.
    SIZE keep = m_sizeMin;
    m_sizeMin.cx = m_sizeMin.cy = 0;
    SetRect(&m_rect, point.x, point.y, point.x, point.y);
    BOOL moved = TrackHandle(hitBottomRight, wnd, point, NULL, allowInvert);
    m_sizeMin = keep;
    return moved && m_rect.left != m_rect.right && m_rect.top != m_rect.bottom;
}

void CRectTracker::Draw(CDC* dc) const
{
    if (dc != NULL)
        Draw(dc->m_hDC);
}

BOOL CRectTracker::SetCursor(CWnd* wnd, UINT nHitTest) const
{
    return wnd != NULL && SetCursor(wnd->m_hWnd, nHitTest);
}

BOOL CRectTracker::Track(CWnd* wnd, POINT point, BOOL allowInvert, CWnd* clipTo)
{
    return wnd != NULL && Track(wnd->m_hWnd, point, allowInvert, clipTo != NULL ? clipTo->m_hWnd : NULL);
}

BOOL CRectTracker::TrackRubberBand(CWnd* wnd, POINT point, BOOL allowInvert)
{
    return wnd != NULL && TrackRubberBand(wnd->m_hWnd, point, allowInvert);
}
