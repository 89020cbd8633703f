#include "player/runtime/InternalCommandAction.h"

#include "player/Application.h"
#include "player/MainWnd.h"

namespace Tarvex {

namespace {

// The player's main window object, found through its handle; NULL when the
// handle is no main window of this process.
CMainWnd* FindMainWnd(HWND window)
{
    if (!window || !IsWindow(window))
        return NULL;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[64];
    if (process != GetCurrentProcessId() || !GetClassNameA(window, className, sizeof(className)) ||
        lstrcmpA(className, CMainWnd::GetWndClassName()) != 0)
        return NULL;
    CWindowImpl<CMainWnd>* object = reinterpret_cast<CWindowImpl<CMainWnd>*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    return static_cast<CMainWnd*>(object);
}

} // namespace

CInternalCommandAction::CInternalCommandAction(const char* typeName, const char* section, CElement* parent)
    : CScriptItem(typeName, section, parent)
{
}

void CInternalCommandAction::LoadAction(const CDataFile& file, const char* section)
{
    m_record.Load(file, section);
}

int CInternalCommandAction::Execute()
{
    HWND window = GetMainWindowHandle();
    const CStr& command = m_record.command;
    if (command == "Exit")
    {
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    else if (command.EqualsNoCase("ChangePage"))
    {
        // The name travels as a copy held by the window: this action may be
        // gone when the message is handled.
        if (CMainWnd* mainWnd = FindMainWnd(window))
            mainWnd->PostChangePage(m_record.parameters);
    }
    else if (command.EqualsNoCase("NextPage"))
    {
        PostMessageA(window, WM_PLAYER_NEXTPAGE, 0, 0);
    }
    else if (command.EqualsNoCase("PrevPage"))
    {
        PostMessageA(window, WM_PLAYER_PREVPAGE, 0, 0);
    }
    else if (command.EqualsNoCase("Minimize"))
    {
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof(placement);
        if (window && GetWindowPlacement(window, &placement))
        {
            placement.showCmd = SW_MINIMIZE;
            SetWindowPlacement(window, &placement);
        }
    }
    return ResultGoOn;
}

} // namespace Tarvex
