#include "player/Application.h"

#include "model/common/MessageReporter.h"

#include <stdio.h>

CComModule _Module;

namespace {

HWND g_mainWindow;

} // namespace

HWND GetMainWindowHandle()
{
    return g_mainWindow;
}

int CApplication::Run()
{
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0)
    {
        if (PreTranslateMessage(&msg))
        {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return (int)msg.wParam;
}

BOOL CWexmoorApplication::InitInstance()
{
    g_mainWindow = m_mainWnd.CreateMainWindow();
    // Without a window no message would ever end the loop.
    return g_mainWindow != NULL;
}

BOOL CWexmoorApplication::PreTranslateMessage(MSG* msg)
{
    return m_mainWnd.PreTranslateMessage(msg);
}

void ShowLastErrorBox(int line, const char* sourceFile)
{
    DWORD error = GetLastError();
    char* text = NULL;
    DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM, NULL, error,
                                  MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                                  reinterpret_cast<char*>(&text), 0, NULL);
    if (length != 0 && text)
    {
        char caption[MAX_PATH + 64];
        snprintf(caption, sizeof(caption), "Generic, Line=%u, File=%s", (unsigned)(WORD)line,
                 sourceFile ? sourceFile : "");
        ReportMessage(NULL, text, caption, MB_ICONWARNING);
        LocalFree(text);
        return;
    }
    char message[96];
    snprintf(message, sizeof(message), "An error occured calling FormatMessage().Error Code %d", (int)GetLastError());
    ReportMessage(NULL, message, "Generic", MB_ICONWARNING);
}
