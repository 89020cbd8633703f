#include "authoring/SplashWnd.h"

#include "platform/framework/ResourceLoad.h"
#include "platform/framework/WinApp.h"

CSplashWnd* CSplashWnd::s_current = NULL;

BEGIN_MESSAGE_MAP(CSplashWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_TIMER()
END_MESSAGE_MAP()

namespace
{
const UINT_PTR kSplashTimer = 1;
const char kSplashTitle[] = "Splash";
}

CSplashWnd::CSplashWnd(UINT bitmapId, UINT displayMs)
    : m_hBitmap(NULL), m_hPalette(NULL), m_hWndOwner(NULL), m_nBitmapId(bitmapId),
      m_nDisplayMs(displayMs), m_nTimer(0), m_hHook(NULL), m_bHiding(false)
{
}

CSplashWnd::~CSplashWnd()
{
    if (s_current == this)
        s_current = NULL;
    if (m_hHook != NULL)
        ::UnhookWindowsHookEx(m_hHook);
    if (m_hBitmap != NULL)
        ::DeleteObject(m_hBitmap);
    if (m_hPalette != NULL)
        ::DeleteObject(m_hPalette);
}

BOOL CSplashWnd::ShowSplash(float scale)
{
    m_hBitmap = AfxLoadDib(m_nBitmapId);
    if (m_hBitmap == NULL)
    {
        delete this;
        return FALSE;
    }
    m_hPalette = AfxCreateDibPalette(m_hBitmap);
    BITMAP bm;
    ::GetObjectA(m_hBitmap, sizeof(bm), &bm);
    int width = (int)(bm.bmWidth * scale);
    int height = (int)(bm.bmHeight * scale);

    const char* cls = AfxRegisterWndClass(CS_CLASSDC, ::LoadCursorA(NULL, IDC_ARROW));
    m_hWndOwner = ::CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP, 0, 0, width, height,
                                    NULL, NULL, AfxGetInstanceHandle(), NULL);
    HWND owner = m_hWndOwner;
    if (!CreateEx(WS_EX_TOPMOST, cls, kSplashTitle, WS_POPUP, 0, 0, width, height, owner, NULL))
    {
        // A failed creation has run PostNcDestroy: this object is gone.
        if (owner != NULL)
            ::DestroyWindow(owner);
        return FALSE;
    }
    s_current = this;
    CenterWindow();
    ShowWindow(SW_SHOW);
    UpdateWindow();
    m_nTimer = SetTimer(kSplashTimer, m_nDisplayMs);
    // Keys and clicks go to whatever window has them while start-up goes
    // on; the splash watches its thread's queue for them.
    m_hHook = ::SetWindowsHookExA(WH_GETMESSAGE, WatchMessages, NULL, ::GetCurrentThreadId());
    return TRUE;
}

bool CSplashWnd::IsDismissal(UINT message)
{
    switch (message)
    {
    case WM_KEYDOWN: case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN:
        return true;
    default:
        return false;
    }
}

LRESULT CALLBACK CSplashWnd::WatchMessages(int code, WPARAM wParam, LPARAM lParam)
{
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && s_current != NULL && IsDismissal(msg->message)
        && s_current->m_hWnd != NULL)
    {
        // Ended from the queue, not inside the hook.
        s_current->PostMessage(WM_TIMER, kSplashTimer);
    }
    return ::CallNextHookEx(NULL, code, wParam, lParam);
}

BOOL CSplashWnd::PreTranslateMessage(MSG* msg)
{
    if (!IsDismissal(msg->message))
        return FALSE;
    HideSplash();
    return TRUE;
}

void CSplashWnd::OnTimer(UINT_PTR id)
{
    if (id == kSplashTimer)
        HideSplash();
}

void CSplashWnd::HideSplash()
{
    // Destroying the owner first would destroy the splash with it and then
    // a second time here; the splash goes first, exactly once.
    if (m_bHiding || m_hWnd == NULL)
        return;
    m_bHiding = true;
    if (m_nTimer != 0)
        KillTimer(m_nTimer);
    m_nTimer = 0;
    HWND owner = m_hWndOwner;
    m_hWndOwner = NULL;
    DestroyWindow();   // deletes this object (PostNcDestroy)
    if (owner != NULL)
        ::DestroyWindow(owner);
}

void CSplashWnd::PostNcDestroy()
{
    if (s_current == this)
        s_current = NULL;
    delete this;
}

void CSplashWnd::OnPaint()
{
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    HDC mem = ::CreateCompatibleDC(dc);
    HGDIOBJ oldBitmap = ::SelectObject(mem, m_hBitmap);
    HPALETTE oldPalette = NULL;
    if (m_hPalette != NULL && (::GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE))
    {
        oldPalette = ::SelectPalette(dc, m_hPalette, FALSE);
        ::RealizePalette(dc);
    }
    BITMAP bm;
    ::GetObjectA(m_hBitmap, sizeof(bm), &bm);
    RECT r;
    ::GetClientRect(m_hWnd, &r);
    ::SetStretchBltMode(dc, COLORONCOLOR);
    ::StretchBlt(dc, 0, 0, r.right, r.bottom, mem, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
    if (oldPalette != NULL)
        ::SelectPalette(dc, oldPalette, FALSE);
    ::SelectObject(mem, oldBitmap);
    ::DeleteDC(mem);
    ::EndPaint(m_hWnd, &ps);
}
