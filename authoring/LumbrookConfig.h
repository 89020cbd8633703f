// CLumbrookConfigApp: the editor's application object. Start-up fixes the
// installation's folders, starts COM and the ATL module (registering or
// unregistering the program's AppID on "RegServer"/"UnregServer"), makes
// the one document template, registers ".pqz" with the shell, makes the
// document and the main frame and carries out the command line.
#pragma once

#include "platform/framework/Afx.h"

class CLumbrookConfigApp : public CWinApp
{
public:
    CLumbrookConfigApp();

    BOOL InitInstance() override;
    int ExitInstance() override;
    void AddToRecentFileList(const char* path) override;

    // COM and the ATL module with the command line's switches; FALSE ends
    // start-up (a switch was carried out, or COM failed).
    BOOL InitComModule();

protected:
    void OnAppAbout();
    DECLARE_MESSAGE_MAP()

private:
    // The splash window's place in start-up; it shows nothing yet.
    void ShowSplash();

    BOOL m_bComModuleInitialized;
};

