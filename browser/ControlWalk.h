// The walk of the registered controls on a worker thread. The worker fills
// a catalogue of its own and sorts it; the interface thread takes it only
// when the worker is done, so no list is shared while both threads run.
// The worker only posts to the interface thread's window, never sends, so
// the interface thread may stop it and wait for it at any time.
#pragma once

#include <windows.h>
#include "model/common/Str.h"
#include "model/store/ControlCatalog.h"

// wParam of the walk's posted message.
enum
{
    kWalkProgress = 1,   // the progress text changed
    kWalkDone = 2,       // the sorted catalogue is ready to be taken
};

class CControlWalk
{
public:
    CControlWalk();
    ~CControlWalk();   // stops a running walk

    // Starts the worker, which posts message to notify as it goes; FALSE
    // when a walk runs already or the thread cannot be started.
    BOOL Start(HWND notify, UINT message);
    // Asks the worker to stop and waits for it; its list is dropped.
    void Stop();
    BOOL IsRunning() const { return m_thread != NULL; }

    CStr GetProgressText() const;
    // After kWalkDone: waits for the worker's end and moves its sorted list
    // to the end of catalog; FALSE when no finished walk is waiting.
    BOOL TakeCatalog(CControlCatalog& catalog);

    // The worker's body, on whatever thread calls it.
    void Run();

private:
    CControlWalk(const CControlWalk&);
    CControlWalk& operator=(const CControlWalk&);

    static void OnFound(const CControlCatalogEntry& entry, int count, void* context);
    void SetProgressText(const char* text, BOOL append);

    mutable CRITICAL_SECTION m_lock;   // guards the progress text
    CStr m_progress;
    CControlCatalog m_found;           // the worker's alone until it has ended
    HANDLE m_thread;
    volatile LONG m_stop;
    volatile LONG m_done;
    HWND m_notify;
    UINT m_message;
};

// The worker thread's procedure (argument: the walk): 1 without a walk, 0 when done.
UINT EnumControlsThreadProc(LPVOID walk);

// TRUE when a's display name sorts before b's, multibyte-aware, ignoring case.
BOOL CompareControlNamesMbcs(const CControlCatalogEntry& a, const CControlCatalogEntry& b);

// The text appended to the progress when the catalogue reaches count entries, or NULL.
const char* WalkProgressStep(int count);
extern const char kWalkStartText[];
