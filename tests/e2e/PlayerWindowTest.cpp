// The window a page gets: its kind (styles, frame, size, centring, region),
// the shape cut by a picture's colour key, and the rescaling of a page made
// on another screen.
#include "tests/e2e/PictureFiles.h"
#include "tests/e2e/PlayerProcess.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <stdlib.h>

namespace {

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

bool IsScreen1024By768()
{
    return GetSystemMetrics(SM_CXSCREEN) == 1024 && GetSystemMetrics(SM_CYSCREEN) == 768;
}

// The see-through window hides and shows itself to capture the screen
// when it gets the focus, and Wine may report it at its old place for a
// moment: wait for the centred place.
RECT WaitForCentredRect(const PlayerProcess& player)
{
    DWORD start = GetTickCount();
    for (;;)
    {
        RECT rect = player.WindowRect();
        int left = (GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2;
        int top = (GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) / 2;
        if ((abs(rect.left - left) <= 1 && abs(rect.top - top) <= 1) || GetTickCount() - start > kPlayerWaitMs)
            return rect;
        Sleep(20);
    }
}

struct KindCase
{
    const char* name;
    int windowType;
    DWORD styleSet;
    DWORD styleCleared;
    DWORD exStyleSet;
    DWORD exStyleCleared;
    int frameX;   // system metrics of the frame on each side, 0 for none
    int frameY;
    int caption;
    bool rectangleRegion;
};

TEST(PlayerWindow, EachWindowTypeHasItsStylesSizeAndPlace)
{
    const KindCase cases[] = {
        { "0 captioned", 0, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0,
          WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_TOOLWINDOW, SM_CXDLGFRAME, SM_CYDLGFRAME, SM_CYCAPTION, true },
        { "1 dialog frame", 1, WS_POPUP | WS_BORDER | WS_SYSMENU, WS_DLGFRAME | WS_MINIMIZEBOX, WS_EX_DLGMODALFRAME,
          WS_EX_TOPMOST | WS_EX_TOOLWINDOW, SM_CXDLGFRAME, SM_CYDLGFRAME, 0, true },
        { "2 thin border", 2, WS_POPUP | WS_BORDER | WS_SYSMENU, WS_DLGFRAME | WS_MINIMIZEBOX, 0,
          WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_TOOLWINDOW, SM_CXBORDER, SM_CYBORDER, 0, true },
        { "3 shaped", 3, WS_POPUP | WS_SYSMENU, WS_BORDER | WS_DLGFRAME | WS_MINIMIZEBOX, 0,
          WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_TOOLWINDOW, 0, 0, 0, false },
        { "4 see-through", 4, WS_POPUP | WS_SYSMENU, WS_BORDER | WS_DLGFRAME | WS_MINIMIZEBOX, WS_EX_TOPMOST,
          WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW, 0, 0, 0, true },
    };
    for (const KindCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        ScratchDir scratch;
        ProjectArchive archive;
        archive.AddPage("tarvex.pgd", std::string("Kind ") + c.name, 300, 180, c.windowType);
        ASSERT_TRUE(archive.Write(scratch.File("tarvex.pqz")));
        PlayerProcess player;
        ASSERT_TRUE(player.Start(TarvexExePath(), Quoted(scratch.File("tarvex.pqz"))));
        ASSERT_NE(nullptr, player.WaitForWindow());

        DWORD style = player.Style();
        DWORD exStyle = player.ExStyle();
        EXPECT_EQ(c.styleSet, style & c.styleSet) << std::hex << style;
        EXPECT_EQ(0u, style & c.styleCleared) << std::hex << style;
        EXPECT_EQ(c.exStyleSet, exStyle & c.exStyleSet) << std::hex << exStyle;
        EXPECT_EQ(0u, exStyle & c.exStyleCleared) << std::hex << exStyle;

        int frameX = c.frameX ? GetSystemMetrics(c.frameX) : 0;
        int frameY = c.frameY ? GetSystemMetrics(c.frameY) : 0;
        int caption = c.caption ? GetSystemMetrics(c.caption) : 0;
        RECT rect = WaitForCentredRect(player);
        int width = rect.right - rect.left;
        int height = rect.bottom - rect.top;
        EXPECT_EQ(300 + 2 * frameX, width);
        EXPECT_EQ(180 + 2 * frameY + caption, height);
        EXPECT_NEAR((GetSystemMetrics(SM_CXSCREEN) - width) / 2, rect.left, 1);
        EXPECT_NEAR((GetSystemMetrics(SM_CYSCREEN) - height) / 2, rect.top, 1);

        HRGN region = CreateRectRgn(0, 0, 0, 0);
        int kind = player.GetRegion(region);
        if (c.rectangleRegion)
        {
            EXPECT_EQ(SIMPLEREGION, kind);
            RECT box = {};
            GetRgnBox(region, &box);
            EXPECT_EQ(width, box.right);
            EXPECT_EQ(height, box.bottom);
        }
        else
            EXPECT_EQ(ERROR, kind) << "a shaped page without picture gets no region";
        DeleteObject(region);
        EXPECT_TRUE(player.Close());
    }
}

// Polls until the window has a region of more than one rectangle.
bool WaitForComplexRegion(const PlayerProcess& player, HRGN region)
{
    DWORD start = GetTickCount();
    while (GetTickCount() - start < kPlayerWaitMs)
    {
        if (player.GetRegion(region) == COMPLEXREGION)
            return true;
        Sleep(20);
    }
    return false;
}

// A 12 x 8 picture, magenta but for an L: the left three columns and the
// top two rows; stretched ten times onto a 120 x 80 page.
PictureRows LShape()
{
    PictureRows picture = { 12, 8, std::vector<DWORD>(96, 0xFF00FF) };
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x)
            if (x < 3 || y < 2)
                picture.pixels[(size_t)y * 12 + x] = 0x2040C0;
    return picture;
}

// The page shaped by its picture shape.bmp, magenta cut away.
void ShapeByPicture(CDataFile* page)
{
    page->SetString("Main", "watermark", "shape.bmp");
    page->SetBool("Main", "tiled", FALSE);
    page->SetLong("Main", "transColor", RGB(255, 0, 255));
    page->SetBool("Main", "mouseMove", FALSE);
}

TEST(PlayerWindow, ShapedPageFollowsThePicturesColourKey)
{
    // The L; pixels within the tolerance of the key vanish too.
    PictureRows picture = LShape();
    picture.pixels[7 * 12 + 11] = 0xF806FA;   // near the key: cut away
    picture.pixels[7 * 12 + 10] = 0xE000FF;   // past the tolerance: kept
    ScratchDir scratch;
    WriteWholeFile(scratch.File("shape.bmp"), BitmapFileBytes(picture));
    ProjectArchive archive;
    CDataFile* page = archive.AddPage("tarvex.pgd", "Shaped", 120, 80, 3);
    ShapeByPicture(page);
    page->SetLong("Main", "tolerance", 0x101010);
    ASSERT_TRUE(archive.Write(scratch.File("tarvex.pqz")));
    PlayerProcess player;
    ASSERT_TRUE(player.Start(TarvexExePath(), Quoted(scratch.File("tarvex.pqz"))));
    ASSERT_NE(nullptr, player.WaitForWindow());

    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_TRUE(WaitForComplexRegion(player, region));
    const struct
    {
        const char* name;
        int x;
        int y;
        bool inside;
    } cases[] = {
        { "top left of the L", 1, 1, true },
        { "top right of the L", 118, 5, true },
        { "bottom of the L's stem", 5, 78, true },
        { "inside the key", 60, 50, false },
        { "just right of the stem", 31, 40, false },
        { "just below the bar", 60, 21, false },
        { "colour within tolerance", 115, 75, false },
        { "colour past tolerance", 105, 75, true },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.inside, PtInRegion(region, c.x, c.y) != FALSE) << c.name;
    DeleteObject(region);
    EXPECT_TRUE(player.WaitForClientPixel(1, 1, 0x2040C0));
    EXPECT_TRUE(player.WaitForClientPixel(118, 5, 0x2040C0));
    EXPECT_TRUE(player.Close());
}

// A window of this test's own colour, under the player: what shows where
// the player's window is cut away.
class Backdrop
{
public:
    Backdrop(const RECT& rect, COLORREF colour) : m_brush(CreateSolidBrush(colour))
    {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(NULL);
        windowClass.hbrBackground = m_brush;
        windowClass.lpszClassName = "TarvexWindowTestBackdrop";
        RegisterClassA(&windowClass);
        m_window = CreateWindowExA(WS_EX_TOOLWINDOW, windowClass.lpszClassName, "backdrop", WS_POPUP | WS_VISIBLE,
                                   rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, NULL, NULL,
                                   windowClass.hInstance, NULL);
    }
    ~Backdrop()
    {
        DestroyWindow(m_window);
        UnregisterClassA("TarvexWindowTestBackdrop", GetModuleHandleA(NULL));
        DeleteObject(m_brush);
    }

private:
    HBRUSH m_brush;
    HWND m_window;
};

// Polls the screen pixel, handling this thread's windows meanwhile.
bool WaitForScreenPixel(POINT at, DWORD colour)
{
    return WaitUntil([&] {
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        RECT one = { at.x, at.y, at.x + 1, at.y + 1 };
        ScreenPixels pixel = CaptureScreen(one);
        return pixel.width == 1 && pixel.At(0, 0) == colour;
    });
}

TEST(PlayerWindow, APageWithoutAKindOfItsOwnKeepsTheShapedWindow)
{
    // The L, then a page with no "windowType" and a white page of its own.
    ScratchDir scratch;
    WriteWholeFile(scratch.File("shape.bmp"), BitmapFileBytes(LShape()));
    ProjectArchive archive;
    ShapeByPicture(archive.AddPage("tarvex.pgd", "Shaped first", 120, 80, 3));
    CDataFile* plain = archive.AddPage("page_2.pgd", "Kind kept", 120, 80);
    int kind = plain->FindKeyIndex(plain->FindSection("Main") + 1, "windowType");
    ASSERT_GE(kind, 0);
    plain->RemoveLine(kind);
    plain->SetBool("Main", "mouseMove", FALSE);
    ASSERT_TRUE(archive.Write(scratch.File("tarvex.pqz")));

    const COLORREF below = RGB(30, 160, 90);
    const int cx = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int cy = GetSystemMetrics(SM_CYSCREEN) / 2;
    Backdrop backdrop({ cx - 150, cy - 120, cx + 150, cy + 120 }, below);
    const DWORD belowOnScreen = 0x1EA05A;
    ASSERT_TRUE(WaitForScreenPixel({ cx, cy }, belowOnScreen));

    PlayerProcess player;
    ASSERT_TRUE(player.Start(TarvexExePath(), Quoted(scratch.File("tarvex.pqz"))));
    ASSERT_NE(nullptr, player.WaitForWindow());
    HRGN before = CreateRectRgn(0, 0, 0, 0);
    ASSERT_TRUE(WaitForComplexRegion(player, before));
    RECT client = player.ClientRectOnScreen();
    const POINT cutAway = { client.left + 60, client.top + 50 };
    EXPECT_TRUE(player.WaitForClientPixel(1, 1, 0x2040C0));
    EXPECT_TRUE(WaitForScreenPixel(cutAway, belowOnScreen)) << "the first page's shape";

    ASSERT_TRUE(player.Post(WM_USER + 14));
    ASSERT_TRUE(player.WaitForTitle("Kind kept"));
    EXPECT_TRUE(player.WaitForClientPixel(1, 1, 0xFFFFFF)) << "the next page is painted";
    HRGN after = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(ERROR, player.GetRegion(after));
    EXPECT_TRUE(EqualRgn(before, after)) << "the region stays";
    EXPECT_TRUE(WaitForScreenPixel(cutAway, belowOnScreen)) << "the cut-away part still shows what lies below";
    DeleteObject(before);
    DeleteObject(after);
    EXPECT_TRUE(player.Messages().empty());
    EXPECT_TRUE(player.Close());
}

TEST(PlayerWindow, TiledShapedPageKeepsItsRectangle)
{
    PictureRows picture = { 2, 2, { 0xFF00FF, 0x2040C0, 0x2040C0, 0xFF00FF } };
    ScratchDir scratch;
    WriteWholeFile(scratch.File("tile.bmp"), BitmapFileBytes(picture));
    ProjectArchive archive;
    CDataFile* page = archive.AddPage("tarvex.pgd", "Tiled shape", 40, 30, 3);
    page->SetString("Main", "watermark", "tile.bmp");
    page->SetBool("Main", "tiled", TRUE);
    page->SetLong("Main", "transColor", RGB(255, 0, 255));
    ASSERT_TRUE(archive.Write(scratch.File("tarvex.pqz")));
    PlayerProcess player;
    ASSERT_TRUE(player.Start(TarvexExePath(), Quoted(scratch.File("tarvex.pqz"))));
    ASSERT_NE(nullptr, player.WaitForWindow());
    EXPECT_TRUE(player.WaitForClientPixel(1, 0, 0x2040C0));
    EXPECT_TRUE(player.WaitForClientPixel(0, 0, 0xFF00FF));
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(ERROR, player.GetRegion(region));
    DeleteObject(region);
    EXPECT_TRUE(player.Close());
}

TEST(PlayerWindow, PageMadeOnAnotherScreenIsRescaled)
{
    if (!IsScreen1024By768())
        GTEST_SKIP() << "the expected sizes are those of a 1024 x 768 screen";
    const struct
    {
        const char* name;
        const char* xres;
        const char* yres;
        int clientWidth;
        int clientHeight;
        int boxLeft;     // the red box's first column and its end
        int boxRight;
    } cases[] = {
        { "800 x 600 design: factor 1.28", "800", "600", 256, 128, 128, 192 },
        { "same screen: unchanged", "1024", "768", 200, 100, 100, 150 },
        { "xres 0 counts as missing", "0", "600", 200, 100, 100, 150 },
        { "no yres: unscaled", "800", NULL, 200, 100, 100, 150 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        ScratchDir scratch;
        ProjectArchive archive;
        CDataFile* page = archive.AddPage("tarvex.pgd", "Rescaled", 200, 100, 2);
        page->SetString("Main", "xres", c.xres);
        if (c.yres)
            page->SetString("Main", "yres", c.yres);
        page->SetInt("Main", "resize", 2);
        page->SetBool("Main", "mouseMove", FALSE);
        page->SetInt("Main", "numElements", 1);
        page->SetString("Element_1", "type", "Text");
        page->SetInt("Element_1", "xpos", 100);
        page->SetInt("Element_1", "ypos", 10);
        page->SetInt("Element_1", "width", 50);
        page->SetInt("Element_1", "height", 20);
        page->SetInt("Element_1", "resize", 2);
        page->SetInt("Element_1", "reposition", 2);
        page->SetLong("Element_1", "bgColor", RGB(255, 0, 0));
        page->SetDouble("Element_1", "bgTransparency", 1.0);
        ASSERT_TRUE(archive.Write(scratch.File("tarvex.pqz")));
        PlayerProcess player;
        ASSERT_TRUE(player.Start(TarvexExePath(), Quoted(scratch.File("tarvex.pqz"))));
        ASSERT_NE(nullptr, player.WaitForWindow());
        SIZE client = player.ClientSize();
        EXPECT_EQ(c.clientWidth, client.cx);
        EXPECT_EQ(c.clientHeight, client.cy);
        ASSERT_TRUE(player.WaitForClientPixel(c.boxLeft, 15, 0xFF0000));
        ScreenPixels pixels = player.CaptureClient();
        ASSERT_GT(pixels.width, c.boxRight);
        EXPECT_EQ(0xFFFFFFu, pixels.At(c.boxLeft - 1, 15));
        EXPECT_EQ(0xFF0000u, pixels.At(c.boxRight - 1, 15));
        EXPECT_EQ(0xFFFFFFu, pixels.At(c.boxRight, 15));
        EXPECT_TRUE(player.Close());
    }
}

} // namespace

namespace {

// Polls until the window's top left corner is (left, top).
bool WaitForWindowAt(const PlayerProcess& player, int left, int top, DWORD timeoutMs = 3000)
{
    DWORD start = GetTickCount();
    for (;;)
    {
        RECT rect = player.WindowRect();
        if (rect.left == left && rect.top == top)
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(20);
    }
}

TEST(PlayerWindow, DraggingMovesTheWindowWithinTheScreen)
{
    if (!IsScreen1024By768())
        GTEST_SKIP() << "the expected places are those of a 1024 x 768 screen";
    const struct
    {
        const char* name;
        int pageWidth;
        int pageHeight;
        int windowType;
        int pressX, pressY;
        int moveX, moveY;
        int expectedLeft, expectedTop;
    } cases[] = {
        // A 240 x 160 page with a one-pixel border starts centred at (391, 303).
        { "press beside the elements", 240, 160, 2, 200, 140, 250, 170, 441, 333 },
        { "far up and left stops at the corner", 240, 160, 2, 200, 140, -800, -860, 0, 0 },
        { "far down and right stops at the edges", 240, 160, 2, 200, 140, 1200, 1140, 782, 606 },
        { "press on a fixed element", 240, 160, 2, 20, 20, 70, 50, 391, 303 },
        { "press on a moveable element", 240, 160, 2, 120, 20, 170, 50, 441, 333 },
        { "window larger than the screen", 1100, 800, 3, 500, 500, 510, 510, 0, 0 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        ScratchDir scratch;
        ProjectArchive archive;
        CDataFile* page = archive.AddPage("tarvex.pgd", "Dragged", c.pageWidth, c.pageHeight, c.windowType);
        page->SetBool("Main", "mouseMove", TRUE);
        page->SetInt("Main", "numElements", 2);
        page->SetString("Element_1", "type", "Text");
        page->SetInt("Element_1", "xpos", 10);
        page->SetInt("Element_1", "ypos", 10);
        page->SetInt("Element_1", "width", 50);
        page->SetInt("Element_1", "height", 30);
        page->SetString("Element_2", "type", "Text");
        page->SetInt("Element_2", "xpos", 110);
        page->SetInt("Element_2", "ypos", 10);
        page->SetInt("Element_2", "width", 50);
        page->SetInt("Element_2", "height", 30);
        page->SetBool("Element_2", "mouseMoveable", TRUE);
        ASSERT_TRUE(archive.Write(scratch.File("tarvex.pqz")));
        PlayerProcess player;
        ASSERT_TRUE(player.Start(TarvexExePath(), Quoted(scratch.File("tarvex.pqz"))));
        ASSERT_NE(nullptr, player.WaitForWindow());
        RECT start = WaitForCentredRect(player);

        ASSERT_TRUE(player.PostMouse(WM_LBUTTONDOWN, c.pressX, c.pressY, MK_LBUTTON));
        ASSERT_TRUE(player.PostMouse(WM_MOUSEMOVE, c.moveX, c.moveY, MK_LBUTTON));
        ASSERT_TRUE(player.PostMouse(WM_LBUTTONUP, c.moveX, c.moveY));
        if (c.expectedLeft == start.left && c.expectedTop == start.top)
        {
            // Nothing should have moved: a drag posted after it shows that
            // the messages before it were handled, and from where.
            ASSERT_TRUE(player.PostMouse(WM_LBUTTONDOWN, 200, 140, MK_LBUTTON));
            ASSERT_TRUE(player.PostMouse(WM_MOUSEMOVE, 210, 145, MK_LBUTTON));
            ASSERT_TRUE(player.PostMouse(WM_LBUTTONUP, 210, 145));
            EXPECT_TRUE(WaitForWindowAt(player, start.left + 10, start.top + 5));
        }
        else
            EXPECT_TRUE(WaitForWindowAt(player, c.expectedLeft, c.expectedTop));
        RECT rect = player.WindowRect();
        if (c.expectedLeft == start.left && c.expectedTop == start.top)
            OffsetRect(&rect, -10, -5);
        EXPECT_EQ(c.expectedLeft, rect.left);
        EXPECT_EQ(c.expectedTop, rect.top);
        EXPECT_EQ(start.right - start.left, rect.right - rect.left);
        EXPECT_TRUE(player.Close());
    }
}

} // namespace
