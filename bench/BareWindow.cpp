// The start-up benchmark's yardstick: a bare Win32 program that opens one
// window shaped like the benchmark's page (a white client area with a red
// square) and paints it, nothing more. It ends on WM_CLOSE.
//
// Built as FloorWindow.exe (BARE_WINDOW_FLOOR) it first takes the editor's
// start-up steps that cost what they cost wherever they run: COM and the
// program's module started, and a document type registered with the shell
// (the keys the editor's template writes, under a type of its own).
#include <windows.h>

#ifdef BARE_WINDOW_FLOOR
#include "platform/atl/AtlBase.h"
#include "platform/framework/ShellRegistration.h"

#include <objbase.h>
#endif

namespace {

const int kWidth = 240;
const int kHeight = 160;
const RECT kSquare = { 20, 20, 80, 60 };

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_PAINT:
    {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        FillRect(dc, &client, (HBRUSH)GetStockObject(WHITE_BRUSH));
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        FillRect(dc, &kSquare, red);
        DeleteObject(red);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

#ifdef BARE_WINDOW_FLOOR
// The editor's template registers its type so, print entries included.
void RegisterDocumentType()
{
    char module[MAX_PATH] = "";
    GetModuleFileNameA(NULL, module, MAX_PATH);
    RegisterShellDocumentType("LBFloorWindow.Document", "LBFloorWindow Document", ".lbfloor", module, TRUE);
}
#endif

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
#ifdef BARE_WINDOW_FLOOR
    CComModule module;
    if (FAILED(CoInitialize(NULL)))
        return 1;
    module.Init(NULL, instance);
    module.dwThreadID = GetCurrentThreadId();
    module.RegisterClassObjects(CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE);
    RegisterDocumentType();
#endif
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(NULL, IDC_ARROW);
    windowClass.lpszClassName = "LB_BAREWINDOW";
    if (!RegisterClassA(&windowClass))
        return 1;
    // The same kind of window as the page's: a popup with a thin border.
    RECT frame = { 0, 0, kWidth, kHeight };
    DWORD style = WS_POPUP | WS_BORDER | WS_SYSMENU;
    AdjustWindowRect(&frame, style, FALSE);
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "Bare window", style,
                                  (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                  (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, NULL, NULL,
                                  instance, NULL);
    if (!window)
        return 1;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0)
    {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
