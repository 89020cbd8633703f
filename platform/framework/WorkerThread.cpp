#include "platform/framework/WorkerThread.h"

#include <process.h>

CWorkerThread::CWorkerThread(AFX_THREADPROC proc, LPVOID param)
    : m_proc(proc), m_param(param)
{
    m_hThread = NULL;
    m_nThreadID = 0;
    m_bAutoDelete = TRUE;
}

CWorkerThread::~CWorkerThread()
{
    if (m_hThread != NULL)
        ::CloseHandle(m_hThread);
    m_hThread = NULL;
}

unsigned __stdcall CWorkerThread::Start(void* self)
{
    CWorkerThread* thread = static_cast<CWorkerThread*>(self);
    UINT code = thread->m_proc(thread->m_param);
    // Read once: the creator may clear it only while the thread is suspended.
    if (thread->m_bAutoDelete)
        delete thread;
    return code;
}

BOOL CWorkerThread::CreateThread(DWORD createFlags, UINT stackSize, LPSECURITY_ATTRIBUTES security)
{
    unsigned id = 0;
    uintptr_t h = _beginthreadex(security, stackSize, &CWorkerThread::Start, this,
                                 createFlags | CREATE_SUSPENDED, &id);
    if (h == 0)
        return FALSE;
    m_hThread = (HANDLE)h;
    m_nThreadID = id;
    if ((createFlags & CREATE_SUSPENDED) == 0)
        ::ResumeThread(m_hThread);
    return TRUE;
}

CWorkerThread* AfxBeginThread(AFX_THREADPROC proc, LPVOID param, int priority, UINT stackSize,
                           DWORD createFlags, LPSECURITY_ATTRIBUTES security)
{
    if (proc == NULL)
        return NULL;
    CWorkerThread* thread = new CWorkerThread(proc, param);
    if (!thread->CreateThread(createFlags | CREATE_SUSPENDED, stackSize, security))
    {
        delete thread;
        return NULL;
    }
    thread->SetThreadPriority(priority);
    if ((createFlags & CREATE_SUSPENDED) == 0)
        thread->ResumeThread();
    return thread;
}
