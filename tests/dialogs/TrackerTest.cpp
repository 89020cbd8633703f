#include "platform/framework/RectTracker.h"

#include <gtest/gtest.h>
#include <string>

namespace
{
struct HitCase
{
    const char* name;
    RECT rect;
    UINT style;
    POINT point;
    int hit;
};

const UINT kInside = CRectTracker::resizeInside | CRectTracker::solidLine;
const UINT kOutside = CRectTracker::resizeOutside | CRectTracker::solidLine;

const HitCase kHitCases[] = {
    { "outside the frame", { 10, 10, 110, 60 }, kInside, { 5, 5 }, -1 },
    { "top-left corner", { 10, 10, 110, 60 }, kInside, { 10, 10 }, 0 },
    { "top-right corner", { 10, 10, 110, 60 }, kInside, { 109, 10 }, 1 },
    { "bottom-right corner", { 10, 10, 110, 60 }, kInside, { 109, 59 }, 2 },
    { "bottom-left corner", { 10, 10, 110, 60 }, kInside, { 10, 59 }, 3 },
    { "top side", { 10, 10, 110, 60 }, kInside, { 58, 12 }, 4 },
    { "right side", { 10, 10, 110, 60 }, kInside, { 105, 33 }, 5 },
    { "bottom side", { 10, 10, 110, 60 }, kInside, { 58, 55 }, 6 },
    { "left side", { 10, 10, 110, 60 }, kInside, { 12, 33 }, 7 },
    { "body", { 10, 10, 110, 60 }, kInside, { 60, 35 }, 8 },
    { "right edge is outside", { 10, 10, 110, 60 }, kInside, { 110, 35 }, -1 },
    { "outside handle", { 10, 10, 110, 60 }, kOutside, { 5, 5 }, 0 },
    { "outside right side", { 10, 10, 110, 60 }, kOutside, { 112, 33 }, 5 },
    { "inside with outside handles", { 10, 10, 110, 60 }, kOutside, { 12, 12 }, 8 },
    { "beyond outside handles", { 10, 10, 110, 60 }, kOutside, { 2, 2 }, -1 },
    { "inverted rectangle names its own corner", { 110, 60, 10, 10 }, kInside, { 12, 12 }, 2 },
    { "inverted horizontally", { 110, 10, 10, 60 }, kInside, { 12, 12 }, 1 },
    { "small rectangle hides side handles", { 10, 10, 25, 25 }, kInside, { 17, 12 }, 8 },
    { "no resize style is all body", { 10, 10, 110, 60 }, CRectTracker::solidLine, { 10, 10 }, 8 },
    { "hatched border counts as body", { 10, 10, 110, 60 }, CRectTracker::hatchedBorder, { 5, 5 }, 8 },
};

TEST(RectTrackerTest, HitTestsByPlaceAndStyle)
{
    for (const HitCase& c : kHitCases)
    {
        CRectTracker tracker(&c.rect, c.style);
        EXPECT_EQ(c.hit, tracker.HitTest(c.point)) << c.name;
    }
}

struct TrueRectCase
{
    const char* name;
    RECT rect;
    UINT style;
    RECT expected;
};

TEST(RectTrackerTest, TrueRectIsNormalisedAndHoldsTheHandles)
{
    const TrueRectCase cases[] = {
        { "inside handles", { 10, 10, 110, 60 }, kInside, { 10, 10, 110, 60 } },
        { "inverted", { 110, 60, 10, 10 }, kInside, { 10, 10, 110, 60 } },
        { "outside handles", { 10, 10, 110, 60 }, kOutside, { 3, 3, 117, 67 } },
        { "hatched border", { 10, 10, 110, 60 }, CRectTracker::hatchedBorder, { 3, 3, 117, 67 } },
    };
    for (const TrueRectCase& c : cases)
    {
        CRectTracker tracker(&c.rect, c.style);
        RECT r;
        tracker.GetTrueRect(&r);
        EXPECT_TRUE(EqualRect(&r, &c.expected)) << c.name << ": " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    }
}

LRESULT CALLBACK PlainProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    return DefWindowProcA(wnd, msg, wp, lp);
}

class TrackWindow
{
public:
    TrackWindow()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = PlainProc;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.lpszClassName = "TrackerTestWindow";
        wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
        RegisterClassA(&wc);
        m_wnd = CreateWindowA("TrackerTestWindow", "Tracker", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                              0, 0, 300, 240, NULL, NULL, wc.hInstance, NULL);
    }
    ~TrackWindow() { DestroyWindow(m_wnd); }
    HWND Handle() const { return m_wnd; }

private:
    HWND m_wnd;
};

struct Step
{
    UINT message;
    int x, y;
    WPARAM wParam;
};

struct TrackCase
{
    const char* name;
    bool rubberBand;
    BOOL allowInvert;
    POINT press;
    Step steps[3];
    BOOL result;
    RECT expected;
};

const RECT kStart = { 20, 20, 120, 80 };

const TrackCase kTrackCases[] = {
    { "body moves the rectangle", false, FALSE, { 60, 50 },
      { { WM_MOUSEMOVE, 65, 52, 0 }, { WM_LBUTTONUP, 90, 75, 0 } }, TRUE, { 50, 45, 150, 105 } },
    { "corner resizes", false, FALSE, { 118, 78 },
      { { WM_LBUTTONUP, 138, 98, 0 } }, TRUE, { 20, 20, 140, 100 } },
    { "side stops at the minimum size", false, FALSE, { 118, 50 },
      { { WM_LBUTTONUP, 0, 50, 0 } }, TRUE, { 20, 20, 34, 80 } },
    { "side crosses over when inversion is allowed", false, TRUE, { 118, 50 },
      { { WM_LBUTTONUP, 0, 50, 0 } }, TRUE, { 20, 20, 2, 80 } },
    { "escape restores", false, FALSE, { 60, 50 },
      { { WM_MOUSEMOVE, 80, 70, 0 }, { WM_KEYDOWN, 0, 0, VK_ESCAPE } }, FALSE, kStart },
    { "right button cancels", false, FALSE, { 118, 78 },
      { { WM_MOUSEMOVE, 150, 90, 0 }, { WM_RBUTTONDOWN, 150, 90, 0 } }, FALSE, kStart },
    { "release where pressed is no change", false, FALSE, { 60, 50 },
      { { WM_LBUTTONUP, 60, 50, 0 } }, FALSE, kStart },
    { "press outside does not track", false, FALSE, { 200, 200 },
      { { WM_LBUTTONUP, 10, 10, 0 } }, FALSE, kStart },
    { "rubber band", true, TRUE, { 30, 30 },
      { { WM_MOUSEMOVE, 40, 40, 0 }, { WM_LBUTTONUP, 90, 70, 0 } }, TRUE, { 30, 30, 90, 70 } },
    { "rubber band drawn backwards", true, TRUE, { 30, 30 },
      { { WM_LBUTTONUP, 10, 50, 0 } }, TRUE, { 30, 30, 10, 50 } },
};

TEST(RectTrackerTest, TrackFollowsTheMouseUntilReleaseOrCancel)
{
    TrackWindow window;
    ASSERT_NE(nullptr, window.Handle());
    for (const TrackCase& c : kTrackCases)
    {
        MSG drain;
        while (PeekMessageA(&drain, window.Handle(), 0, 0, PM_REMOVE))
            DispatchMessageA(&drain);
        for (const Step& s : c.steps)
        {
            if (s.message != 0)
                PostMessageA(window.Handle(), s.message, s.wParam, MAKELPARAM(s.x, s.y));
        }
        CRectTracker tracker(&kStart, kInside);
        BOOL result = c.rubberBand ? tracker.TrackRubberBand(window.Handle(), c.press, c.allowInvert)
                                   : tracker.Track(window.Handle(), c.press, c.allowInvert);
        EXPECT_EQ(c.result, result) << c.name;
        const RECT& r = tracker.m_rect;
        EXPECT_TRUE(EqualRect(&r, &c.expected)) << c.name << ": " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
        EXPECT_EQ(nullptr, GetCapture()) << c.name;
    }
}

TEST(RectTrackerTest, DrawsHandlesInBlack)
{
    TrackWindow window;
    RECT rect = { 20, 20, 120, 80 };
    CRectTracker tracker(&rect, kInside);
    HDC screen = GetDC(window.Handle());
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, 200, 120);
    HGDIOBJ old = SelectObject(dc, bmp);
    RECT all = { 0, 0, 200, 120 };
    FillRect(dc, &all, (HBRUSH)GetStockObject(WHITE_BRUSH));
    tracker.Draw(dc);
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, 23, 23) & 0xFFFFFF) << "top-left handle";
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, 116, 50) & 0xFFFFFF) << "right handle";
    EXPECT_EQ(RGB(255, 255, 255), GetPixel(dc, 60, 50) & 0xFFFFFF) << "body";
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, 60, 20) & 0xFFFFFF) << "frame line";
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
    ReleaseDC(window.Handle(), screen);
}
}
