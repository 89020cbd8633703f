#include "tests/e2e/WindowDriver.h"

#include <ctype.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include <fstream>
#include <iterator>
#include <utility>

namespace {

const DWORD kPollMs = 10;

struct WindowSearch
{
    DWORD processId;
    const char* className;
    bool visible;
    HWND found;
};

// This process's environment with the variables of values set (an empty
// value removes one): a block for CreateProcess, built without changing
// our own environment, which threads starting programs at once would
// otherwise hand to each other's children.
std::vector<wchar_t> EnvironmentWith(const std::vector<std::pair<std::string, std::string>>& values)
{
    std::vector<wchar_t> block;
    wchar_t* strings = GetEnvironmentStringsW();
    for (const wchar_t* entry = strings; entry != NULL && *entry != L'\0'; entry += wcslen(entry) + 1)
    {
        bool replaced = false;
        for (const auto& value : values)
        {
            std::wstring name(value.first.begin(), value.first.end());
            replaced = replaced || (_wcsnicmp(entry, name.c_str(), name.size()) == 0 && entry[name.size()] == L'=');
        }
        if (!replaced)
            block.insert(block.end(), entry, entry + wcslen(entry) + 1);
    }
    FreeEnvironmentStringsW(strings);
    for (const auto& value : values)
    {
        if (value.second.empty())
            continue;
        std::string entry = value.first + "=" + value.second;
        int length = MultiByteToWideChar(CP_ACP, 0, entry.c_str(), -1, NULL, 0);
        size_t at = block.size();
        block.resize(at + (size_t)length);
        MultiByteToWideChar(CP_ACP, 0, entry.c_str(), -1, &block[at], length);
    }
    block.push_back(L'\0');
    return block;
}

BOOL CALLBACK MatchProcessWindow(HWND window, LPARAM param)
{
    WindowSearch* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId)
        return TRUE;
    if (WindowClassOf(window) != search->className)
        return TRUE;
    if (search->visible && !IsWindowVisible(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

struct ChildSearch
{
    const char* className;
    int index;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM param)
{
    ChildSearch* search = reinterpret_cast<ChildSearch*>(param);
    if (WindowClassOf(window) != search->className)
        return TRUE;
    if (search->index-- > 0)
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

// A block of memory in the process that owns a window, freed with it.
class RemoteBuffer
{
public:
    RemoteBuffer(HWND window, size_t size) : m_process(NULL), m_memory(NULL), m_size(size)
    {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        m_process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
        if (m_process)
            m_memory = VirtualAllocEx(m_process, NULL, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~RemoteBuffer()
    {
        if (m_memory)
            VirtualFreeEx(m_process, m_memory, 0, MEM_RELEASE);
        if (m_process)
            CloseHandle(m_process);
    }
    bool IsValid() const { return m_memory != NULL; }
    char* Address(size_t offset = 0) const { return static_cast<char*>(m_memory) + offset; }
    LPARAM Param(size_t offset = 0) const { return reinterpret_cast<LPARAM>(Address(offset)); }
    bool Write(size_t offset, const void* data, size_t size) const
    {
        SIZE_T done = 0;
        return offset + size <= m_size && WriteProcessMemory(m_process, Address(offset), data, size, &done) &&
               done == size;
    }
    bool Read(size_t offset, void* data, size_t size) const
    {
        SIZE_T done = 0;
        return offset + size <= m_size && ReadProcessMemory(m_process, Address(offset), data, size, &done) &&
               done == size;
    }

private:
    RemoteBuffer(const RemoteBuffer&);
    RemoteBuffer& operator=(const RemoteBuffer&);

    HANDLE m_process;
    void* m_memory;
    size_t m_size;
};

LRESULT SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kProgramWaitMs, &answer))
        return 0;
    return (LRESULT)answer;
}

const size_t kTextSize = 512;

std::vector<RemoteTreeItem> ReadTreeLevel(HWND tree, HTREEITEM first, const RemoteBuffer& buffer, int depth)
{
    std::vector<RemoteTreeItem> items;
    // A tree deeper than any page's objects means a cycle: stop.
    if (depth > 32)
        return items;
    for (HTREEITEM item = first; item != NULL;
         item = (HTREEITEM)SendWithTimeout(tree, TVM_GETNEXTITEM, TVGN_NEXT, (LPARAM)item))
    {
        TVITEMA info = {};
        info.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_PARAM | TVIF_STATE;
        info.stateMask = TVIS_SELECTED;
        info.hItem = item;
        info.pszText = buffer.Address(sizeof(TVITEMA));
        info.cchTextMax = (int)kTextSize;
        char text[kTextSize] = "";
        if (!buffer.Write(0, &info, sizeof(info)) ||
            !SendWithTimeout(tree, TVM_GETITEMA, 0, buffer.Param()) || !buffer.Read(0, &info, sizeof(info)) ||
            !buffer.Read(sizeof(TVITEMA), text, kTextSize))
            break;
        text[kTextSize - 1] = '\0';
        RemoteTreeItem read;
        read.label = text;
        read.image = info.iImage;
        read.data = info.lParam;
        read.selected = (info.state & TVIS_SELECTED) != 0;
        HTREEITEM child = (HTREEITEM)SendWithTimeout(tree, TVM_GETNEXTITEM, TVGN_CHILD, (LPARAM)item);
        read.children = ReadTreeLevel(tree, child, buffer, depth + 1);
        items.push_back(read);
    }
    return items;
}

} // namespace

std::string WindowsPathOf(const char* unixPath)
{
    std::string path = "Z:";
    path += unixPath;
    for (char& c : path)
    {
        if (c == '/')
            c = '\\';
    }
    return path;
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

std::vector<RemoteTreeItem> ReadTreeItems(HWND tree)
{
    RemoteBuffer buffer(tree, sizeof(TVITEMA) + kTextSize);
    if (!buffer.IsValid())
        return std::vector<RemoteTreeItem>();
    HTREEITEM root = (HTREEITEM)SendWithTimeout(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    return ReadTreeLevel(tree, root, buffer, 0);
}

std::vector<RemoteToolbarButton> ReadToolbarButtons(HWND toolbar)
{
    std::vector<RemoteToolbarButton> buttons;
    RemoteBuffer buffer(toolbar, sizeof(TBBUTTON));
    if (!buffer.IsValid())
        return buttons;
    int count = (int)SendWithTimeout(toolbar, TB_BUTTONCOUNT, 0, 0);
    for (int i = 0; i < count && i < 256; ++i)
    {
        TBBUTTON button = {};
        if (!SendWithTimeout(toolbar, TB_GETBUTTON, i, buffer.Param()) || !buffer.Read(0, &button, sizeof(button)))
            break;
        RemoteToolbarButton read;
        read.command = button.idCommand;
        read.image = button.iBitmap;
        read.state = button.fsState;
        read.style = button.fsStyle;
        buttons.push_back(read);
    }
    return buttons;
}

std::vector<std::string> ReadStatusPanes(HWND statusBar)
{
    std::vector<std::string> panes;
    const int kMaxParts = 32;
    RemoteBuffer buffer(statusBar, kTextSize + sizeof(int) * kMaxParts);
    if (!buffer.IsValid())
        return panes;
    int count = (int)SendWithTimeout(statusBar, SB_GETPARTS, kMaxParts, buffer.Param());
    for (int i = 0; i < count && i < kMaxParts; ++i)
    {
        LRESULT info = SendWithTimeout(statusBar, SB_GETTEXTLENGTHA, i, 0);
        char text[kTextSize] = "";
        if (LOWORD(info) < kTextSize)
        {
            SendWithTimeout(statusBar, SB_GETTEXTA, i, buffer.Param());
            buffer.Read(0, text, LOWORD(info) + 1);
            text[kTextSize - 1] = '\0';
        }
        panes.push_back(text);
    }
    return panes;
}

RECT ReadTreeItemRect(HWND tree, HTREEITEM item)
{
    RECT rect = {};
    RemoteBuffer buffer(tree, sizeof(RECT));
    // The message takes the item in the buffer and answers the rectangle there.
    *reinterpret_cast<HTREEITEM*>(&rect) = item;
    if (!buffer.IsValid() || !buffer.Write(0, &rect, sizeof(rect)) ||
        !SendWithTimeout(tree, TVM_GETITEMRECT, TRUE, buffer.Param()) || !buffer.Read(0, &rect, sizeof(rect)))
        return RECT();
    return rect;
}

bool ClickTreeItem(HWND tree, HTREEITEM item)
{
    DWORD_PTR ignored = 0;
    if (item == NULL ||
        !SendMessageTimeoutA(tree, TVM_ENSUREVISIBLE, 0, (LPARAM)item, SMTO_NORMAL, kProgramWaitMs, &ignored))
        return false;
    RECT rect = ReadTreeItemRect(tree, item);
    if (IsRectEmpty(&rect))
        return false;
    LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    return PostMessageA(tree, WM_LBUTTONDOWN, MK_LBUTTON, at) && PostMessageA(tree, WM_LBUTTONUP, 0, at);
}

HWND FindChildOfClass(HWND parent, const char* className, int index)
{
    ChildSearch search = { className, index, NULL };
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WindowClassOf(HWND window)
{
    char name[128] = "";
    GetClassNameA(window, name, sizeof(name));
    return name;
}

std::string WindowTextOf(HWND window)
{
    char text[512] = "";
    DWORD_PTR length = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof(text), (LPARAM)text, SMTO_NORMAL, kProgramWaitMs, &length);
    return text;
}

bool ReadRegistryString(HKEY root, const char* key, const char* value, std::string& text)
{
    HKEY opened = NULL;
    if (RegOpenKeyExA(root, key, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return false;
    char buffer[1024] = "";
    DWORD size = sizeof(buffer) - 1;
    DWORD type = 0;
    LONG result = RegQueryValueExA(opened, value, NULL, &type, (BYTE*)buffer, &size);
    RegCloseKey(opened);
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    buffer[size < sizeof(buffer) ? size : sizeof(buffer) - 1] = '\0';
    text = buffer;
    return true;
}

bool RegistryKeyExists(HKEY root, const char* key)
{
    HKEY opened = NULL;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

namespace {

bool SendToEdit(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* answer = NULL)
{
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(edit, message, wParam, lParam, SMTO_NORMAL, kProgramWaitMs,
                               answer ? answer : &ignored) != 0;
}

// Waits until the program has handled what it posted itself while the last
// key was handled: a marker posted behind it, the edit's modified flag
// (which typing sets anyway), comes through in queue order.
bool WaitForPostedBehind(HWND edit)
{
    if (!SendToEdit(edit, EM_SETMODIFY, FALSE, 0) || !PostMessageA(edit, EM_SETMODIFY, TRUE, 0))
        return false;
    DWORD start = GetTickCount();
    for (;;)
    {
        DWORD_PTR modified = 0;
        if (!SendToEdit(edit, EM_GETMODIFY, 0, 0, &modified))
            return false;
        if (modified)
            return true;
        if (GetTickCount() - start > kProgramWaitMs)
            return false;
        Sleep(kPollMs);
    }
}

} // namespace

bool TypeKeysInto(HWND edit, const std::string& text, bool clear)
{
    if (WindowClassOf(edit) == "ComboBox")
        edit = FindWindowExA(edit, NULL, "Edit", NULL);
    if (edit == NULL || !IsWindow(edit))
        return false;
    if (clear && (!SendToEdit(edit, EM_SETSEL, 0, -1) || !SendToEdit(edit, WM_CHAR, VK_BACK, 1) ||
                  !WaitForPostedBehind(edit)))
        return false;
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        char key = text[i] == '\n' ? '\r' : text[i];
        if (!SendToEdit(edit, WM_CHAR, (WPARAM)(unsigned char)key, 1) || !WaitForPostedBehind(edit))
            return false;
    }
    return true;
}

bool TypeKeysInto(HWND dialog, int id, const std::string& text, bool clear)
{
    return TypeKeysInto(GetDlgItem(dialog, id), text, clear);
}

bool DeleteRegistryTree(HKEY root, const char* key)
{
    RegDeleteTreeA(root, key);
    RegDeleteKeyA(root, key);
    return !RegistryKeyExists(root, key);
}

ProgramProcess::ProgramProcess(const char* mainClass, const char* messageLogVariable)
    : m_mainClass(mainClass), m_logVariable(messageLogVariable), m_info(), m_window(NULL), m_sawVisible(false),
      m_startError(0)
{
}

ProgramProcess::~ProgramProcess()
{
    Terminate();
    CollectBoxes();
    if (!m_messageLog.empty())
        DeleteFileA(m_messageLog.c_str());
}

bool ProgramProcess::Start(const std::string& exePath, const std::string& arguments)
{
    Terminate();
    m_window = NULL;
    m_sawVisible = false;
    if (m_messageLog.empty())
        m_messageLog = UniqueTempFile("lumbrook_messages");
    // The boxes of an earlier run count before its log goes.
    CollectBoxes();
    DeleteFileA(m_messageLog.c_str());
    m_logCounted = 0;

    std::string folder = exePath.substr(0, exePath.find_last_of('\\') + 1);
    std::string commandLine = "\"" + exePath + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');

    std::vector<wchar_t> environment =
        EnvironmentWith({ { m_logVariable, m_messageLog }, { m_logVariable + "_ANSWERS", m_answers } });
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    BOOL started = CreateProcessA(exePath.c_str(), line.data(), NULL, NULL, FALSE, CREATE_UNICODE_ENVIRONMENT,
                                  environment.data(),
                                  folder.empty() ? NULL : folder.c_str(), &startup, &m_info);
    m_startError = started ? 0 : GetLastError();
    if (!started)
    {
        m_info = PROCESS_INFORMATION();
        return false;
    }
    return true;
}

HWND ProgramProcess::FindWindowOfProcess(bool visible) const
{
    WindowSearch search = { m_info.dwProcessId, m_mainClass.c_str(), visible, NULL };
    EnumWindows(MatchProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ProgramProcess::WaitForWindow(bool visible, DWORD timeoutMs)
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

bool ProgramProcess::WaitForTitle(const std::string& title, DWORD timeoutMs)
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

bool ProgramProcess::WaitForExit(DWORD timeoutMs)
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

bool ProgramProcess::IsRunning() const
{
    return m_info.hProcess && WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD ProgramProcess::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    if (m_info.hProcess)
        GetExitCodeProcess(m_info.hProcess, &code);
    return code;
}

void ProgramProcess::Terminate()
{
    if (!m_info.hProcess)
        return;
    if (IsRunning())
    {
        TerminateProcess(m_info.hProcess, 1);
        WaitForSingleObject(m_info.hProcess, kProgramWaitMs);
    }
    CloseHandle(m_info.hThread);
    CloseHandle(m_info.hProcess);
    m_info = PROCESS_INFORMATION();
}

std::string ProgramProcess::Title() const
{
    char text[512] = "";
    GetWindowTextA(m_window, text, sizeof(text));
    return text;
}

DWORD ProgramProcess::Style() const
{
    return (DWORD)GetWindowLongA(m_window, GWL_STYLE);
}

DWORD ProgramProcess::ExStyle() const
{
    return (DWORD)GetWindowLongA(m_window, GWL_EXSTYLE);
}

RECT ProgramProcess::WindowRect() const
{
    RECT rect = {};
    GetWindowRect(m_window, &rect);
    return rect;
}

SIZE ProgramProcess::ClientSize() const
{
    RECT rect = {};
    GetClientRect(m_window, &rect);
    SIZE size = { rect.right - rect.left, rect.bottom - rect.top };
    return size;
}

RECT ProgramProcess::ClientRectOnScreen() const
{
    RECT rect = {};
    GetClientRect(m_window, &rect);
    MapWindowPoints(m_window, NULL, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

ScreenPixels ProgramProcess::CaptureClient() const
{
    return CaptureScreen(ClientRectOnScreen());
}

bool ProgramProcess::WaitForClientPixel(int x, int y, DWORD color, DWORD timeoutMs) const
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

int ProgramProcess::GetRegion(HRGN region) const
{
    return GetWindowRgn(m_window, region);
}

bool ProgramProcess::IsVisible() const
{
    return m_window && IsWindowVisible(m_window);
}

bool ProgramProcess::Post(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return PostMessageA(m_window, message, wParam, lParam) != FALSE;
}

bool ProgramProcess::PostCommand(int command) const
{
    return Post(WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

bool ProgramProcess::PostMouse(UINT message, int x, int y, WPARAM keys) const
{
    return Post(message, keys, MAKELPARAM((WORD)(short)x, (WORD)(short)y));
}

bool ProgramProcess::PointerAt(int x, int y) const
{
    RECT client = ClientRectOnScreen();
    return SetCursorPos(client.left + x, client.top + y) != FALSE;
}

bool ProgramProcess::Answers(DWORD timeoutMs) const
{
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(m_window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &answer) != 0;
}

bool ProgramProcess::WaitForIdle(DWORD timeoutMs) const
{
    return m_info.hProcess && WaitForInputIdle(m_info.hProcess, timeoutMs) == 0;
}

bool ProgramProcess::Close()
{
    return Post(WM_CLOSE) && WaitForExit();
}

std::vector<ShownBox> ReadLoggedBoxes(const std::string& path, size_t& offset)
{
    std::vector<ShownBox> boxes;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return boxes;
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    size_t start = offset;
    while (start < all.size())
    {
        // The record ends at the first TAB, digits, CR LF after its caption.
        size_t tab = all.find('\t', start);
        if (tab == std::string::npos)
            break;
        size_t end = std::string::npos;
        for (size_t at = all.find('\t', tab + 1); at != std::string::npos; at = all.find('\t', at + 1))
        {
            size_t digit = at + 1;
            while (digit < all.size() && isdigit((unsigned char)all[digit]))
                ++digit;
            if (digit > at + 1 && all.compare(digit, 2, "\r\n") == 0)
            {
                ShownBox box;
                box.caption = all.substr(start, tab - start);
                box.text = all.substr(tab + 1, at - tab - 1);
                box.flags = (UINT)strtoul(all.substr(at + 1, digit - at - 1).c_str(), NULL, 10);
                boxes.push_back(box);
                end = digit + 2;
                break;
            }
        }
        if (end == std::string::npos)
            break;
        start = end;
    }
    offset = start;
    return boxes;
}

std::vector<ShownBox> ProgramProcess::LoggedBoxes(size_t& offset) const
{
    return m_messageLog.empty() ? std::vector<ShownBox>() : ReadLoggedBoxes(m_messageLog, offset);
}

void ProgramProcess::CollectBoxes()
{
    for (const ShownBox& box : LoggedBoxes(m_logCounted))
        NoteLoggedBox(box);
}

std::vector<std::string> ProgramProcess::Messages() const
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
