#include "player/MessageLog.h"

#include "model/common/MessageReporter.h"

#include <windows.h>
#include <string>

namespace {

char g_logPath[MAX_PATH];

int WINAPI AppendToMessageLog(HWND owner, const char* text, const char* caption, UINT flags)
{
    (void)owner;
    std::string line = caption ? caption : "";
    line += '\t';
    line += text ? text : "";
    char number[16];
    wsprintfA(number, "\t%u\r\n", flags);
    line += number;
    HANDLE file = CreateFileA(g_logPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file != INVALID_HANDLE_VALUE)
    {
        DWORD written = 0;
        WriteFile(file, line.data(), (DWORD)line.size(), &written, NULL);
        CloseHandle(file);
    }
    return IDOK;
}

} // namespace

void InstallMessageLogFromEnvironment()
{
    DWORD length = GetEnvironmentVariableA("TARVEX_MESSAGE_LOG", g_logPath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    SetMessageReporter(AppendToMessageLog);
}
