// Zephrane.exe, the controls browser: the application object, the ATL
// module and the program's entry.
#include "browser/ui/ZephraneApp.h"
#include "model/common/MessageLog.h"
#include "platform/atl/AtlBase.h"

CComModule _Module;
CZephraneApp theApp;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    InstallMessageLogFromEnvironment("LUMBROOK_MESSAGE_LOG");
    return AfxWinMain(instance, previous, commandLine, show);
}
