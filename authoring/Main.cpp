// LumbrookConfig.exe, the editor: the application object, the ATL module
// and the program's entry.
#include "authoring/LumbrookConfig.h"
#include "authoring/StartupSteps.h"
#include "model/common/MessageLog.h"
#include "platform/atl/AtlBase.h"

CComModule _Module;
CLumbrookConfigApp theApp;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    MarkStartupStep("process made and loaded");
    InstallMessageLogFromEnvironment("LUMBROOK_MESSAGE_LOG");
    return AfxWinMain(instance, previous, commandLine, show);
}
