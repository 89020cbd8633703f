#include "browser/ControlWalk.h"

#include <mbstring.h>
#include <process.h>

const char kWalkStartText[] = "Lifting the registry's skirt...";

const char* WalkProgressStep(int count)
{
    switch (count)
    {
    case 50:
        return "\r\nProbing the CLSID entries...";
    case 100:
        return "\r\nAgain ";
    case 150:
        return "and Again... ";
    default:
        return NULL;
    }
}

BOOL CompareControlNamesMbcs(const CControlCatalogEntry& a, const CControlCatalogEntry& b)
{
    return _mbsicmp((const unsigned char*)a.GetDisplayName().c_str(),
                    (const unsigned char*)b.GetDisplayName().c_str()) < 0;
}

UINT EnumControlsThreadProc(LPVOID walk)
{
    if (!walk)
        return 1;
    static_cast<CControlWalk*>(walk)->Run();
    return 0;
}

namespace
{
unsigned __stdcall WalkThreadStart(void* walk)
{
    return EnumControlsThreadProc(walk);
}
}

CControlWalk::CControlWalk() : m_thread(NULL), m_stop(0), m_done(0), m_notify(NULL), m_message(0)
{
    InitializeCriticalSection(&m_lock);
}

CControlWalk::~CControlWalk()
{
    Stop();
    DeleteCriticalSection(&m_lock);
}

BOOL CControlWalk::Start(HWND notify, UINT message)
{
    if (m_thread)
        return FALSE;
    m_found.ClearControlCatalog();
    m_stop = 0;
    m_done = 0;
    m_notify = notify;
    m_message = message;
    unsigned id = 0;
    m_thread = (HANDLE)_beginthreadex(NULL, 0, WalkThreadStart, this, 0, &id);
    return m_thread != NULL;
}

void CControlWalk::Stop()
{
    if (!m_thread)
        return;
    InterlockedExchange(&m_stop, 1);
    WaitForSingleObject(m_thread, INFINITE);
    CloseHandle(m_thread);
    m_thread = NULL;
    m_found.ClearControlCatalog();
    m_done = 0;
}

BOOL CControlWalk::TakeCatalog(CControlCatalog& catalog)
{
    if (!m_thread || !m_done)
        return FALSE;
    WaitForSingleObject(m_thread, INFINITE);
    CloseHandle(m_thread);
    m_thread = NULL;
    m_done = 0;
    catalog.AppendCatalog(m_found);
    m_found.ClearControlCatalog();
    return TRUE;
}

CStr CControlWalk::GetProgressText() const
{
    EnterCriticalSection(&m_lock);
    CStr text(m_progress.c_str());   // a copy of its own: the worker may change the shared one
    LeaveCriticalSection(&m_lock);
    return text;
}

void CControlWalk::SetProgressText(const char* text, BOOL append)
{
    EnterCriticalSection(&m_lock);
    if (append)
        m_progress += text;
    else
        m_progress = text;
    LeaveCriticalSection(&m_lock);
    if (m_notify)
        PostMessageA(m_notify, m_message, kWalkProgress, 0);
}

void CControlWalk::OnFound(const CControlCatalogEntry&, int count, void* context)
{
    const char* step = WalkProgressStep(count);
    if (step)
        static_cast<CControlWalk*>(context)->SetProgressText(step, TRUE);
}

void CControlWalk::Run()
{
    SetProgressText(kWalkStartText, FALSE);
    m_found.AppendRegisteredControls(OnFound, this, &m_stop);
    if (m_stop)
        return;
    m_found.SortByName(CompareControlNamesMbcs);
    InterlockedExchange(&m_done, 1);
    if (m_notify)
        PostMessageA(m_notify, m_message, kWalkDone, 0);
}
