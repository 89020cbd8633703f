// The drag image on a real window: a failed start leaves no capture behind,
// and the end of a drag restores what the image covered.
#include "authoring/DragImage.h"

#include <gtest/gtest.h>

namespace {

struct Window
{
    Window()
    {
        SetCursorPos(1000, 740);
        window.CreateEx(0, AfxWndClassName, "drag", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 200), NULL, 0);
        ::UpdateWindow(window.m_hWnd);
    }
    ~Window()
    {
        // The pointer rests at the screen's centre between tests.
        SetCursorPos(512, 384);
        window.DestroyWindow();
    }
    COLORREF Pixel(int x, int y)
    {
        HDC dc = ::GetDC(window.m_hWnd);
        COLORREF c = ::GetPixel(dc, x, y);
        ::ReleaseDC(window.m_hWnd, dc);
        return c;
    }
    void Paint(COLORREF colour)
    {
        HDC dc = ::GetDC(window.m_hWnd);
        RECT r = { 0, 0, 200, 200 };
        HBRUSH brush = ::CreateSolidBrush(colour);
        ::FillRect(dc, &r, brush);
        ::DeleteObject(brush);
        ::ReleaseDC(window.m_hWnd, dc);
    }
    CWnd window;
};

} // namespace

TEST(DragImage, AFailedStartReleasesTheCapture)
{
    Window w;
    CImageList empty;   // no image list at all: nothing to drag
    EXPECT_FALSE(BeginDragImage(&w.window, 50, 50, 40, 40, &empty));
    EXPECT_NE(w.window.m_hWnd, ::GetCapture());
    EXPECT_FALSE(IsDraggingImage());
}

TEST(DragImage, EndingRestoresWhatTheImageCovered)
{
    Window w;
    w.Paint(RGB(255, 255, 255));
    CImageList images;
    ASSERT_TRUE(images.Create(30, 30, ILC_COLOR16, 1, 1));
    CClientDC screen(&w.window);
    CBitmap red;
    ASSERT_TRUE(red.CreateCompatibleBitmap(&screen, 30, 30));
    {
        CDC dc;
        dc.CreateCompatibleDC(&screen);
        CBitmap* old = dc.SelectObject(&red);
        dc.FillSolidRect(0, 0, 30, 30, RGB(255, 0, 0));
        dc.SelectObject(old);
    }
    ASSERT_GE(images.Add(&red, (CBitmap*)NULL), 0);

    ASSERT_TRUE(BeginDragImage(&w.window, 50, 50, 40, 40, &images));
    EXPECT_TRUE(IsDraggingImage());
    EXPECT_EQ(w.window.m_hWnd, ::GetCapture());
    EXPECT_EQ(10, GetDragHotSpot().x);
    EXPECT_TRUE(MoveDragImage(100, 100));
    // Shown (comctl32 may blend it with what lies under it).
    EXPECT_NE(RGB(255, 255, 255), w.Pixel(95, 95));
    EXPECT_TRUE(EndDragImage(&w.window));
    EXPECT_FALSE(IsDraggingImage());
    EXPECT_NE(w.window.m_hWnd, ::GetCapture());
    EXPECT_EQ(RGB(255, 255, 255), w.Pixel(95, 95));
}
