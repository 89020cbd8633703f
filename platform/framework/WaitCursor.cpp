#include "platform/framework/WaitCursor.h"

namespace
{
LONG g_waits = 0;
HCURSOR g_before = NULL;
}

CWaitCursor::CWaitCursor()
{
    HCURSOR wait = ::LoadCursor(NULL, IDC_WAIT);
    if (InterlockedIncrement(&g_waits) == 1)
        g_before = ::SetCursor(wait);
    else
        ::SetCursor(wait);
}

CWaitCursor::~CWaitCursor()
{
    if (InterlockedDecrement(&g_waits) == 0)
    {
        ::SetCursor(g_before != NULL ? g_before : ::LoadCursor(NULL, IDC_ARROW));
        g_before = NULL;
    }
}

void CWaitCursor::Restore()
{
    ::SetCursor(::LoadCursor(NULL, IDC_WAIT));
}

bool CWaitCursor::IsWaiting()
{
    return g_waits > 0;
}
