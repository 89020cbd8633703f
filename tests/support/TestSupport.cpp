#include "tests/support/TestSupport.h"
#include "model/common/MessageReporter.h"

#include <shellapi.h>
#include <fstream>
#include <sstream>

static std::vector<RecordedMessage> g_messages;

static int WINAPI RecordMessage(HWND owner, const char* text, const char* caption, UINT flags)
{
    g_messages.push_back({text ? text : "", caption ? caption : "", flags, owner != NULL});
    return IDOK;
}

MessageRecorder::MessageRecorder()
{
    g_messages.clear();
    SetMessageReporter(RecordMessage);
}

MessageRecorder::~MessageRecorder()
{
    SetMessageReporter(NULL);
}

const std::vector<RecordedMessage>& MessageRecorder::Messages() const
{
    return g_messages;
}

void MessageRecorder::Clear()
{
    g_messages.clear();
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;)
    {
        if (condition())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(20);
    }
}

// Dispatches what is waiting except timers: a timer-driven step that types
// must not run the next step in the middle of its own typing.
static void PumpWaitingMessages()
{
    MSG msg;
    for (int guard = 0; guard < 10000; ++guard)
    {
        if (!PeekMessageA(&msg, NULL, 0, WM_TIMER - 1, PM_REMOVE)
            && !PeekMessageA(&msg, NULL, WM_TIMER + 1, 0xFFFFFFFF, PM_REMOVE))
            return;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void TypeKeys(HWND control, const char* text)
{
    for (const char* c = text; *c; ++c)
    {
        SendMessageA(control, WM_CHAR, (WPARAM)(unsigned char)*c, 1);
        PumpWaitingMessages();
    }
}

void ClearByKeys(HWND control)
{
    SendMessageA(control, EM_SETSEL, 0, -1);
    SendMessageA(control, WM_CHAR, VK_BACK, 1);
    PumpWaitingMessages();
}

std::string TestProgramFolder()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

ScratchDir::ScratchDir()
{
    static LONG counter;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    char name[MAX_PATH + 64];
    wsprintfA(name, "%slbtest_%lu_%ld\\", temp, GetCurrentProcessId(), InterlockedIncrement(&counter));
    m_path = name;
    CreateDirectoryA(m_path.c_str(), NULL);
}

ScratchDir::~ScratchDir()
{
    std::string from = m_path.substr(0, m_path.size() - 1);
    from.push_back('\0');
    SHFILEOPSTRUCTA op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&op);
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteWholeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), (std::streamsize)bytes.size());
}

std::string ReadUserDefaultValue(const char* key)
{
    char value[MAX_PATH + 1] = "";
    LONG size = MAX_PATH;
    if (RegQueryValueA(HKEY_CURRENT_USER, key, value, &size) != ERROR_SUCCESS)
        return "<none>";
    value[MAX_PATH] = '\0';
    return value;
}
