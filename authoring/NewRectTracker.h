// CNewRectTracker: the document's tracker for the selection frames. Its
// true rectangle holds the hatched border and outside handles exactly, and
// a frame without resize handles is all body, so a press on a group's
// hatched border never starts a resize.
#pragma once

#include "platform/framework/Afx.h"
#include "platform/framework/RectTracker.h"

class CNewRectTracker : public CRectTracker
{
public:
    CNewRectTracker() {}

    void GetTrueRect(LPRECT trueRect) const override;
    // -1 outside the true rectangle; a handle (0-7) or 8 inside, handles
    // only when the style has resize handles.
    int HitTest(POINT point) const override;
};
