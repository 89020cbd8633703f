#include "authoring/NewRectTracker.h"

#include <algorithm>

void CNewRectTracker::GetTrueRect(LPRECT trueRect) const
{
    trueRect->left = std::min(m_rect.left, m_rect.right);
    trueRect->right = std::max(m_rect.left, m_rect.right);
    trueRect->top = std::min(m_rect.top, m_rect.bottom);
    trueRect->bottom = std::max(m_rect.top, m_rect.bottom);
    int grow = 0;
    if (m_nStyle & (hatchedBorder | resizeOutside))
        grow += GetHandleSize() - 1;
    if (m_nStyle & (solidLine | dottedLine))
        grow += 1;
    if (grow > 0)
        InflateRect(trueRect, grow, grow);
}

int CNewRectTracker::HitTest(POINT point) const
{
    RECT bounds;
    GetTrueRect(&bounds);
    if (!PtInRect(&bounds, point))
        return hitNothing;
    if (m_nStyle & (resizeInside | resizeOutside))
    {
        int hit = CRectTracker::HitTest(point);
        return hit == hitNothing ? hitMiddle : hit;
    }
    return hitMiddle;
}
