// CApplication: the player's application base with its message loop;
// CWexmoorApplication: the player itself, owner of the main window.
#pragma once

#include "player/MainWnd.h"

#include <windows.h>

class CApplication
{
public:
    CApplication() {}
    virtual ~CApplication() {}

    virtual BOOL InitInstance() { return TRUE; }
    // Returns the wParam of WM_QUIT.
    virtual int Run();
    // Nonzero: translate and dispatch; zero: the message was consumed.
    virtual BOOL PreTranslateMessage(MSG* msg) { (void)msg; return 1; }

private:
    CApplication(const CApplication&);
    CApplication& operator=(const CApplication&);
};

class CWexmoorApplication : public CApplication
{
public:
    CWexmoorApplication() {}

    BOOL InitInstance() override;
    BOOL PreTranslateMessage(MSG* msg) override;

    CMainWnd& GetMainWnd() { return m_mainWnd; }

private:
    CMainWnd m_mainWnd;
};

// The main window's handle, set by InitInstance; scripts post to it.
HWND GetMainWindowHandle();

// Shows the system's text for GetLastError() through ReportMessage.
void ShowLastErrorBox(int line, const char* sourceFile);
