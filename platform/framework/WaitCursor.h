// CWaitCursor: the hourglass for the life of the object. Nested waits keep
// it until the outermost one ends; the cursor from before the first comes
// back then.
#pragma once

#include <windows.h>

class CWaitCursor
{
public:
    CWaitCursor();
    ~CWaitCursor();
    // Shows the hourglass again after something (a box) changed the cursor.
    void Restore();

    // True while some CWaitCursor lives; a window's WM_SETCURSOR handler
    // asks this so the hourglass is not replaced by the class cursor.
    static bool IsWaiting();

private:
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};
