// CSplashWnd: the start-up picture, top-most over an invisible owner, shown
// for a few seconds or until a key or mouse button is pressed while start-up
// goes on.
#pragma once

#include "platform/framework/Wnd.h"

class CSplashWnd : public CWnd
{
public:
    CSplashWnd(UINT bitmapId, UINT displayMs);
    ~CSplashWnd() override;

    // Shows the bitmap at scale. The object (made with new) deletes itself
    // when the splash goes, and at once when nothing can be shown (FALSE).
    BOOL ShowSplash(float scale);
    // Ends the splash: timer, then this window, then the owner.
    void HideSplash();

    BOOL PreTranslateMessage(MSG* msg) override;
    // The splash on screen, or NULL.
    static CSplashWnd* Current() { return s_current; }

protected:
    void OnPaint();
    void OnTimer(UINT_PTR id);
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()

private:
    static bool IsDismissal(UINT message);
    static LRESULT CALLBACK WatchMessages(int code, WPARAM wParam, LPARAM lParam);

    HBITMAP m_hBitmap;
    HPALETTE m_hPalette;
    HWND m_hWndOwner;
    UINT m_nBitmapId;
    UINT m_nDisplayMs;
    UINT_PTR m_nTimer;
    HHOOK m_hHook;
    bool m_bHiding;

    static CSplashWnd* s_current;
};

// The splash's display time at start-up.
const UINT kSplashMs = 3000;
