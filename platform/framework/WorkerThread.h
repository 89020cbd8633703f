// AfxBeginThread for a worker: a function run on a thread of its own, with a
// thread object that by default deletes itself (and closes its handle) when
// the function returns. A caller that wants to wait creates it suspended,
// clears m_bAutoDelete, resumes it and deletes it after the wait.
#pragma once

#include "platform/framework/WinApp.h"

typedef UINT (*AFX_THREADPROC)(LPVOID);

class CWorkerThread : public CWinThread
{
public:
    CWorkerThread(AFX_THREADPROC proc, LPVOID param);
    ~CWorkerThread() override;

    BOOL CreateThread(DWORD createFlags = 0, UINT stackSize = 0,
                      LPSECURITY_ATTRIBUTES security = NULL);
    DWORD ResumeThread() { return ::ResumeThread(m_hThread); }
    DWORD SuspendThread() { return ::SuspendThread(m_hThread); }
    BOOL SetThreadPriority(int priority) { return ::SetThreadPriority(m_hThread, priority); }
    int GetThreadPriority() const { return ::GetThreadPriority(m_hThread); }

private:
    static unsigned __stdcall Start(void* self);

    AFX_THREADPROC m_proc;
    LPVOID m_param;
};

// NULL when the thread cannot be started (the object is deleted then).
CWorkerThread* AfxBeginThread(AFX_THREADPROC proc, LPVOID param,
                              int priority = THREAD_PRIORITY_NORMAL, UINT stackSize = 0,
                              DWORD createFlags = 0, LPSECURITY_ATTRIBUTES security = NULL);
