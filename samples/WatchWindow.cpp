// watch-window wait|close <window class> [timeout ms]
// watch-window move <window class> <x> <y>
// watch-window command <window class> <command id>
// Lets a shell script follow a program's window under Wine: "wait" returns
// once a visible window of the class has painted (its client area holds
// more than one colour and stays the same for a moment), "close" posts
// WM_CLOSE to it and returns once it is gone, "move" posts a mouse move to
// the client point (on Xvfb the pointer itself cannot be moved), "command"
// posts a menu command as its menu item would (WM_COMMAND). Exit code
// 0 on success, 1 on timeout or no window, 2 on a wrong command line.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <vector>

namespace {

std::vector<DWORD> CaptureClient(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    POINT origin = { 0, 0 };
    ClientToScreen(window, &origin);
    int width = client.right;
    int height = client.bottom;
    std::vector<DWORD> pixels;
    if (width <= 0 || height <= 0)
        return pixels;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = NULL;
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    if (bitmap)
    {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
        GdiFlush();
        const DWORD* p = (const DWORD*)bits;
        pixels.assign(p, p + (size_t)width * height);
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
    return pixels;
}

bool HasTwoColours(const std::vector<DWORD>& pixels)
{
    for (DWORD pixel : pixels)
        if ((pixel & 0xFFFFFF) != (pixels[0] & 0xFFFFFF))
            return true;
    return false;
}

bool WaitPainted(const char* windowClass, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    std::vector<DWORD> last;
    while (GetTickCount() - start < timeoutMs)
    {
        HWND window = FindWindowA(windowClass, NULL);
        if (window && IsWindowVisible(window))
        {
            std::vector<DWORD> now = CaptureClient(window);
            if (!now.empty() && now == last && HasTwoColours(now))
                return true;
            last.swap(now);
        }
        Sleep(250);
    }
    return false;
}

bool CloseAndWait(const char* windowClass, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    HWND window = FindWindowA(windowClass, NULL);
    if (!window)
        return true;
    PostMessageA(window, WM_CLOSE, 0, 0);
    while (IsWindow(window))
    {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(50);
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
    {
        fprintf(stderr, "usage: watch-window wait|close <window class> [timeout ms]\n"
                        "       watch-window move <window class> <x> <y>\n"
                        "       watch-window command <window class> <command id>\n");
        return 2;
    }
    if (strcmp(argv[1], "move") == 0 && argc > 4)
    {
        HWND window = FindWindowA(argv[2], NULL);
        LPARAM point = MAKELPARAM(atoi(argv[3]), atoi(argv[4]));
        return window && PostMessageA(window, WM_MOUSEMOVE, 0, point) ? 0 : 1;
    }
    if (strcmp(argv[1], "command") == 0 && argc > 3)
    {
        HWND window = FindWindowA(argv[2], NULL);
        WPARAM command = MAKEWPARAM(atoi(argv[3]), 0);
        return window && PostMessageA(window, WM_COMMAND, command, 0) ? 0 : 1;
    }
    DWORD timeoutMs = argc > 3 ? (DWORD)strtoul(argv[3], NULL, 10) : 30000;
    if (strcmp(argv[1], "wait") == 0)
        return WaitPainted(argv[2], timeoutMs) ? 0 : 1;
    if (strcmp(argv[1], "close") == 0)
        return CloseAndWait(argv[2], timeoutMs) ? 0 : 1;
    fprintf(stderr, "watch-window: unknown command %s\n", argv[1]);
    return 2;
}
