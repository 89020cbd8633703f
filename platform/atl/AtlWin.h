// CWindow and CWindowImpl: a window is its handle plus one-line forwards to
// the Win32 calls of the same name; a derived window class handles its
// messages in one message map (BEGIN_MSG_MAP ... END_MSG_MAP).
#pragma once

#include "platform/atl/AtlBase.h"
#include "platform/atl/WindowLong.h"

#include <windowsx.h>

class CWindow
{
public:
    explicit CWindow(HWND window = NULL) : m_hWnd(window) {}

    operator HWND() const { return m_hWnd; }
    void Attach(HWND window) { m_hWnd = window; }
    HWND Detach() { HWND window = m_hWnd; m_hWnd = NULL; return window; }

    BOOL IsWindow() const { return ::IsWindow(m_hWnd); }
    BOOL DestroyWindow() { return ::DestroyWindow(m_hWnd); }
    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL UpdateWindow() { return ::UpdateWindow(m_hWnd); }
    BOOL InvalidateRect(const RECT* rect, BOOL erase = TRUE) { return ::InvalidateRect(m_hWnd, rect, erase); }
    BOOL RedrawWindow(const RECT* rect = NULL, HRGN region = NULL, UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE)
    {
        return ::RedrawWindow(m_hWnd, rect, region, flags);
    }

    BOOL SetWindowText(const char* text) { return ::SetWindowTextA(m_hWnd, text); }
    int GetWindowText(char* text, int size) const { return ::GetWindowTextA(m_hWnd, text, size); }
    int GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }

    LONG GetWindowLong(int index) const { return ::GetWindowLongA(m_hWnd, index); }
    LONG SetWindowLong(int index, LONG value) { return ::SetWindowLongA(m_hWnd, index, value); }
    DWORD GetStyle() const { return (DWORD)::GetWindowLongA(m_hWnd, GWL_STYLE); }
    DWORD GetExStyle() const { return (DWORD)::GetWindowLongA(m_hWnd, GWL_EXSTYLE); }
    // Clears remove and sets add; SetWindowPos with flags when flags is not 0.
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0) { return ModifyLong(GWL_STYLE, remove, add, flags); }
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0) { return ModifyLong(GWL_EXSTYLE, remove, add, flags); }

    BOOL SetWindowPos(HWND after, int x, int y, int width, int height, UINT flags)
    {
        return ::SetWindowPos(m_hWnd, after, x, y, width, height, flags);
    }
    BOOL MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE)
    {
        return ::MoveWindow(m_hWnd, x, y, width, height, repaint);
    }
    BOOL GetWindowRect(RECT* rect) const { return ::GetWindowRect(m_hWnd, rect); }
    BOOL GetClientRect(RECT* rect) const { return ::GetClientRect(m_hWnd, rect); }
    int SetWindowRgn(HRGN region, BOOL redraw = FALSE) { return ::SetWindowRgn(m_hWnd, region, redraw); }
    // Centres the window over another one, the desktop when none is given.
    BOOL CenterWindow(HWND over = NULL)
    {
        RECT outer, own;
        ::GetWindowRect(over ? over : ::GetDesktopWindow(), &outer);
        ::GetWindowRect(m_hWnd, &own);
        int x = outer.left + ((outer.right - outer.left) - (own.right - own.left)) / 2;
        int y = outer.top + ((outer.bottom - outer.top) - (own.bottom - own.top)) / 2;
        return ::SetWindowPos(m_hWnd, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { return ::SendMessageA(m_hWnd, message, wParam, lParam); }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { return ::PostMessageA(m_hWnd, message, wParam, lParam); }
    HICON SetIcon(HICON icon, BOOL big = TRUE) { return (HICON)::SendMessageA(m_hWnd, WM_SETICON, big ? ICON_BIG : ICON_SMALL, (LPARAM)icon); }

    HWND SetFocus() { return ::SetFocus(m_hWnd); }
    BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
    HWND SetCapture() { return ::SetCapture(m_hWnd); }

    HDC GetDC() { return ::GetDC(m_hWnd); }
    int ReleaseDC(HDC dc) { return ::ReleaseDC(m_hWnd, dc); }
    HDC BeginPaint(PAINTSTRUCT* paint) { return ::BeginPaint(m_hWnd, paint); }
    BOOL EndPaint(PAINTSTRUCT* paint) { return ::EndPaint(m_hWnd, paint); }
    int GetUpdateRgn(HRGN region, BOOL erase = FALSE) { return ::GetUpdateRgn(m_hWnd, region, erase); }

    HWND m_hWnd;

private:
    BOOL ModifyLong(int index, DWORD remove, DWORD add, UINT flags)
    {
        return ModifyWindowLong(m_hWnd, index, remove, add, flags);
    }
};

// Names the window class a CWindowImpl registers at its first Create.
#define DECLARE_WND_CLASS_EX(name, classStyle) \
    static const char* GetWndClassName() { return name; } \
    static UINT GetWndClassStyle() { return classStyle; }

// T declares its class with DECLARE_WND_CLASS_EX and its messages with a
// message map. The object must outlive its window; the window's
// GWLP_USERDATA holds the object.
template <class T, class TBase = CWindow>
class CWindowImpl : public TBase
{
public:
    CWindowImpl() {}
    virtual ~CWindowImpl() {}

    // The object itself travels as the creation parameter.
    HWND Create(HWND parent, const RECT& rect, const char* name, DWORD style, DWORD exStyle = 0,
                HMENU menuOrId = NULL)
    {
        if (!RegisterWndClass())
            return NULL;
        return ::CreateWindowExA(exStyle, T::GetWndClassName(), name, style, rect.left, rect.top,
                                 rect.right - rect.left, rect.bottom - rect.top, parent, menuOrId,
                                 _Module.GetModuleInstance(), static_cast<CWindowImpl*>(this));
    }

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        return ::DefWindowProcA(this->m_hWnd, message, wParam, lParam);
    }

    // Called after the window's last message; the handle is already gone.
    virtual void OnFinalMessage(HWND window) { (void)window; }

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        CWindowImpl* self;
        if (message == WM_NCCREATE)
        {
            self = static_cast<CWindowImpl*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
            self->m_hWnd = window;
            ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        else
        {
            self = reinterpret_cast<CWindowImpl*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
        }
        // Messages that come before WM_NCCREATE have no object yet.
        if (self == NULL)
            return ::DefWindowProcA(window, message, wParam, lParam);

        LRESULT result = 0;
        if (!static_cast<T*>(self)->ProcessWindowMessage(window, message, wParam, lParam, result))
            result = ::DefWindowProcA(window, message, wParam, lParam);
        if (message == WM_NCDESTROY)
        {
            ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            self->m_hWnd = NULL;
            self->OnFinalMessage(window);
        }
        return result;
    }

private:
    static BOOL RegisterWndClass()
    {
        WNDCLASSEXA existing = {};
        existing.cbSize = sizeof(existing);
        if (::GetClassInfoExA(_Module.GetModuleInstance(), T::GetWndClassName(), &existing))
            return TRUE;
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof(wc);
        wc.style = T::GetWndClassStyle();
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = _Module.GetModuleInstance();
        wc.lpszClassName = T::GetWndClassName();
        return ::RegisterClassExA(&wc) != 0;
    }

    CWindowImpl(const CWindowImpl&);
    CWindowImpl& operator=(const CWindowImpl&);
};

// The message map: one ProcessWindowMessage per window class. An entry
// cracks wParam and lParam once and calls a handler with typed arguments;
// a handler marks the message handled unless it calls SetMsgHandled(FALSE),
// which passes the message on to the default processing.
#define BEGIN_MSG_MAP(theClass) \
public: \
    BOOL ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult) \
    { \
        (void)hWnd; (void)wParam; (void)lParam; \
        lResult = 0; \
        m_msgHandled = TRUE;

#define END_MSG_MAP() \
        return FALSE; \
    } \
    void SetMsgHandled(BOOL handled) { m_msgHandled = handled; } \
private: \
    BOOL m_msgHandled = TRUE; \
public:

// LRESULT func(UINT message, WPARAM wParam, LPARAM lParam)
#define MESSAGE_HANDLER_EX(msg, func) \
    if (uMsg == (msg)) { lResult = func(uMsg, wParam, lParam); if (m_msgHandled) return TRUE; m_msgHandled = TRUE; }

// void func()
#define MESSAGE_HANDLER_NOARGS(msg, func) \
    if (uMsg == (msg)) { func(); if (m_msgHandled) return TRUE; m_msgHandled = TRUE; }

// int func(CREATESTRUCTA*): -1 stops the creation
#define MSG_WM_CREATE(func) \
    if (uMsg == WM_CREATE) { lResult = func(reinterpret_cast<CREATESTRUCTA*>(lParam)); if (m_msgHandled) return TRUE; m_msgHandled = TRUE; }

// void func(UINT keys, POINT point): client coordinates, signed
#define MSG_WM_MOUSE(msg, func) \
    if (uMsg == (msg)) { POINT pt = { GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) }; func((UINT)wParam, pt); if (m_msgHandled) return TRUE; m_msgHandled = TRUE; }

// void func(UINT bitsPerPixel, SIZE screen)
#define MSG_WM_DISPLAYCHANGE(func) \
    if (uMsg == WM_DISPLAYCHANGE) { SIZE size = { (LONG)LOWORD(lParam), (LONG)HIWORD(lParam) }; func((UINT)wParam, size); if (m_msgHandled) return TRUE; m_msgHandled = TRUE; }
