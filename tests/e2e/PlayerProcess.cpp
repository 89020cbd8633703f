#include "tests/e2e/PlayerProcess.h"

#include <fstream>
#include <sstream>

namespace {

const char kMainWindowClass[] = "QNDL_MAINWND";
const DWORD kPollMs = 10;

struct WindowSearch
{
    DWORD processId;
    bool visible;
    HWND found;
};

BOOL CALLBACK MatchPlayerWindow(HWND window, LPARAM param)
{
    WindowSearch* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId)
        return TRUE;
    char className[64];
    if (!GetClassNameA(window, className, sizeof(className)) || lstrcmpA(className, kMainWindowClass) != 0)
        return TRUE;
    if (search->visible && !IsWindowVisible(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

std::string UniqueTempFile(const char* stem)
{
    static LONG counter;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    char path[MAX_PATH + 64];
    wsprintfA(path, "%s%s_%lu_%ld.txt", temp, stem, GetCurrentProcessId(), InterlockedIncrement(&counter));
    return path;
}

} // namespace

std::string TarvexExePath()
{
    // The build passes a path of the Unix side; Wine shows it as drive Z:.
    std::string path = "Z:";
    path += TARVEX_EXE;
    for (char& c : path)
    {
        if (c == '/')
            c = '\\';
    }
    return path;
}

bool CopyPlayerTo(const std::string& path)
{
    return CopyFileA(TarvexExePath().c_str(), path.c_str(), FALSE) != FALSE;
}

CDataFile* ProjectArchive::AddPage(const std::string& name, const std::string& title, int width, int height,
                                   int windowType)
{
    CDataFile* page = m_manager.AddFile(name.c_str());
    page->SetString("Main", "title", title.c_str());
    page->SetInt("Main", "width", width);
    page->SetInt("Main", "height", height);
    page->SetInt("Main", "windowType", windowType);
    page->SetBool("Main", "appbar", FALSE);
    return page;
}

CDataFile* ProjectArchive::AddFile(const std::string& name, int kind)
{
    CDataFile* file = m_manager.AddFile(name.c_str());
    file->m_kind = kind;
    file->SetString("Main", "title", name.c_str());
    return file;
}

bool ProjectArchive::Write(const std::string& path)
{
    return m_manager.WriteArchive(path.c_str()) != FALSE;
}

std::string ReadSavedValue(const std::string& path, const char* key)
{
    CDataFile file;
    CStr value("<none>");
    if (file.LoadFromFile(path.c_str()))
        file.GetString("QNDL Archive", key, value);
    return std::string(value);
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

std::string WaitForSaved(const std::string& path, const char* key, const std::string& expected, DWORD timeoutMs)
{
    std::string value;
    WaitUntil([&] { return (value = ReadSavedValue(path, key)) == expected; }, timeoutMs);
    return value;
}

void SendPointerInput(int x, int y, DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = x * 65536 / GetSystemMetrics(SM_CXSCREEN) + 1;
    input.mi.dy = y * 65536 / GetSystemMetrics(SM_CYSCREEN) + 1;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
    SendInput(1, &input, sizeof(input));
}

PointerRestorer::~PointerRestorer()
{
    if (GetAsyncKeyState(VK_LBUTTON) & 0x8000)
        SendPointerInput(kRestingPointer.x, kRestingPointer.y, MOUSEEVENTF_LEFTUP);
    SendPointerInput(kRestingPointer.x, kRestingPointer.y, 0);
}

ScreenPixels CaptureScreen(const RECT& rect)
{
    ScreenPixels result;
    result.width = rect.right - rect.left;
    result.height = rect.bottom - rect.top;
    if (result.width <= 0 || result.height <= 0)
        return ScreenPixels();
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = result.width;
    info.bmiHeader.biHeight = -result.height;   // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = NULL;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, result.width, result.height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const DWORD* pixels = static_cast<const DWORD*>(bits);
    result.pixels.assign(pixels, pixels + (size_t)result.width * result.height);
    for (DWORD& p : result.pixels)
        p &= 0x00FFFFFF;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
    return result;
}

PlayerProcess::PlayerProcess() : m_info(), m_window(NULL), m_sawVisible(false)
{
}

PlayerProcess::~PlayerProcess()
{
    Terminate();
    if (!m_messageLog.empty())
        DeleteFileA(m_messageLog.c_str());
}

bool PlayerProcess::Start(const std::string& exePath, const std::string& arguments)
{
    Terminate();
    m_window = NULL;
    m_sawVisible = false;
    if (m_messageLog.empty())
        m_messageLog = UniqueTempFile("tarvex_messages");
    DeleteFileA(m_messageLog.c_str());

    std::string folder = exePath.substr(0, exePath.find_last_of('\\') + 1);
    std::string commandLine = "\"" + exePath + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');

    // The child inherits the variable; it is ours only for this call.
    SetEnvironmentVariableA("TARVEX_MESSAGE_LOG", m_messageLog.c_str());
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    BOOL started = CreateProcessA(exePath.c_str(), line.data(), NULL, NULL, FALSE, 0, NULL,
                                  folder.empty() ? NULL : folder.c_str(), &startup, &m_info);
    SetEnvironmentVariableA("TARVEX_MESSAGE_LOG", NULL);
    if (!started)
    {
        m_info = PROCESS_INFORMATION();
        return false;
    }
    return true;
}

HWND PlayerProcess::FindWindowOfProcess(bool visible) const
{
    WindowSearch search = { m_info.dwProcessId, visible, NULL };
    EnumWindows(MatchPlayerWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND PlayerProcess::WaitForWindow(bool visible, DWORD timeoutMs)
{
    if (!m_info.hProcess)
        return NULL;
    DWORD start = GetTickCount();
    for (;;)
    {
        HWND window = FindWindowOfProcess(visible);
        if (window)
        {
            m_window = window;
            if (IsWindowVisible(window))
                m_sawVisible = true;
            return window;
        }
        if (!IsRunning() || GetTickCount() - start > timeoutMs)
            return NULL;
        Sleep(kPollMs);
    }
}

bool PlayerProcess::WaitForTitle(const std::string& title, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;)
    {
        if (m_window && IsWindowVisible(m_window) && Title() == title)
            return true;
        if (!IsRunning() || GetTickCount() - start > timeoutMs)
            return false;
        Sleep(kPollMs);
    }
}

bool PlayerProcess::WaitForExit(DWORD timeoutMs)
{
    if (!m_info.hProcess)
        return true;
    DWORD start = GetTickCount();
    for (;;)
    {
        if (FindWindowOfProcess(true))
            m_sawVisible = true;
        if (WaitForSingleObject(m_info.hProcess, kPollMs) == WAIT_OBJECT_0)
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
    }
}

bool PlayerProcess::IsRunning() const
{
    return m_info.hProcess && WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD PlayerProcess::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    if (m_info.hProcess)
        GetExitCodeProcess(m_info.hProcess, &code);
    return code;
}

void PlayerProcess::Terminate()
{
    if (!m_info.hProcess)
        return;
    if (IsRunning())
    {
        TerminateProcess(m_info.hProcess, 1);
        WaitForSingleObject(m_info.hProcess, kPlayerWaitMs);
    }
    CloseHandle(m_info.hThread);
    CloseHandle(m_info.hProcess);
    m_info = PROCESS_INFORMATION();
}

std::string PlayerProcess::Title() const
{
    char text[512] = "";
    GetWindowTextA(m_window, text, sizeof(text));
    return text;
}

DWORD PlayerProcess::Style() const
{
    return (DWORD)GetWindowLongA(m_window, GWL_STYLE);
}

DWORD PlayerProcess::ExStyle() const
{
    return (DWORD)GetWindowLongA(m_window, GWL_EXSTYLE);
}

RECT PlayerProcess::WindowRect() const
{
    RECT rect = {};
    GetWindowRect(m_window, &rect);
    return rect;
}

SIZE PlayerProcess::ClientSize() const
{
    RECT rect = {};
    GetClientRect(m_window, &rect);
    SIZE size = { rect.right - rect.left, rect.bottom - rect.top };
    return size;
}

RECT PlayerProcess::ClientRectOnScreen() const
{
    RECT rect = {};
    GetClientRect(m_window, &rect);
    MapWindowPoints(m_window, NULL, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

ScreenPixels PlayerProcess::CaptureClient() const
{
    return CaptureScreen(ClientRectOnScreen());
}

bool PlayerProcess::WaitForClientPixel(int x, int y, DWORD color, DWORD timeoutMs) const
{
    DWORD start = GetTickCount();
    for (;;)
    {
        RECT client = ClientRectOnScreen();
        RECT one = { client.left + x, client.top + y, client.left + x + 1, client.top + y + 1 };
        ScreenPixels pixel = CaptureScreen(one);
        if (pixel.width == 1 && pixel.At(0, 0) == color)
            return true;
        if (!IsRunning() || GetTickCount() - start > timeoutMs)
            return false;
        Sleep(kPollMs);
    }
}

int PlayerProcess::GetRegion(HRGN region) const
{
    return GetWindowRgn(m_window, region);
}

bool PlayerProcess::IsVisible() const
{
    return m_window && IsWindowVisible(m_window);
}

bool PlayerProcess::Post(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return PostMessageA(m_window, message, wParam, lParam) != FALSE;
}

bool PlayerProcess::PostMouse(UINT message, int x, int y, WPARAM keys) const
{
    return Post(message, keys, MAKELPARAM((WORD)(short)x, (WORD)(short)y));
}

bool PlayerProcess::Answers(DWORD timeoutMs) const
{
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(m_window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &answer) != 0;
}

bool PlayerProcess::Close()
{
    return Post(WM_CLOSE) && WaitForExit();
}

std::vector<std::string> PlayerProcess::Messages() const
{
    std::vector<std::string> lines;
    std::ifstream in(m_messageLog, std::ios::binary);
    std::string line;
    while (std::getline(in, line))
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}
