// tarvex.exe: plays a project archive, the one named on the command line or
// the one named after the program beside it.
#include "player/Application.h"
#include "platform/atl/AtlImports.h"
#include "player/CommandLine.h"
#include "model/common/MessageLog.h"
#include "player/PlayerPaths.h"

#include <ole2.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    (void)previous;
    (void)commandLine;
    (void)show;
    InstallMessageLogFromEnvironment("TARVEX_MESSAGE_LOG");
    int count = SplitCommandLine();
    OleInitialize(NULL);
    _Module.Init(NULL, instance);
    AtlAxWinInit();

    int exitCode = 0;
    {
        CWexmoorApplication application;
        SetProjectPath(instance, count == 2 ? GetArgumentVector()[1] : "");
        if (application.InitInstance())
            exitCode = application.Run();
    }
    OleUninitialize();
    _Module.Term();
    return exitCode;
}
