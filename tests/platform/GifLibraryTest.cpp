#include "platform/giflib32/giflib32.h"
#include "platform/giflib32/GifFrames.h"
#include "tests/support/GifBytes.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

// ---- GIF fixtures

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);

// Palette of every fixture: R G B M, index 3 is the transparent one where a
// frame has transparency.
const COLORREF kPalette[4] = {kRed, kGreen, kBlue, kMagenta};
const int kClearIndex = 3;

struct GifFrameLayout
{
    int left, top, width, height;
    std::string pixels;   // one letter a pixel: R G B, or T for the transparent index
    int delay;            // 1/100 s
    int disposal;
    bool transparent;
};

std::string MakeGif(int width, int height, const std::vector<GifFrameLayout>& frames)
{
    std::vector<GifFileFrame> written;
    for (const GifFrameLayout& f : frames)
    {
        std::vector<int> indices;
        for (char c : f.pixels)
            indices.push_back(static_cast<int>(std::string("RGBT").find(c)));
        written.push_back({f.left, f.top, f.width, f.height, indices, f.delay, f.disposal, f.transparent, kClearIndex});
    }
    return GifBytes(width, height, kPalette, written);
}

GifFrameLayout Still(int width, int height, const std::string& pixels, bool transparent)
{
    return {0, 0, width, height, pixels, 0, 0, transparent};
}

// ---- Reading bitmaps back.

COLORREF PixelOf(HBITMAP bitmap, int x, int y)
{
    HDC memory = CreateCompatibleDC(NULL);
    HGDIOBJ old = SelectObject(memory, bitmap);
    COLORREF colour = GetPixel(memory, x, y);
    SelectObject(memory, old);
    DeleteDC(memory);
    return colour;
}

SIZE SizeOf(HBITMAP bitmap)
{
    BITMAP info = {};
    GetObjectA(bitmap, sizeof(info), &info);
    return {info.bmWidth, info.bmHeight};
}

COLORREF ColourOfLetter(char c)
{
    switch (c)
    {
    case 'R': return kRed;
    case 'G': return kGreen;
    case 'B': return kBlue;
    case 'M': return kMagenta;
    case 'W': return kWhite;
    default: return kBlack;
    }
}

// Letters as GifFrameLayout, rows of the expected picture joined by '|'.
void ExpectPixels(HBITMAP bitmap, const std::string& rows, const std::string& what)
{
    ASSERT_TRUE(bitmap != NULL) << what;
    int x = 0, y = 0, width = 0;
    for (char c : rows)
    {
        if (c == '|')
        {
            width = x;
            x = 0;
            ++y;
            continue;
        }
        EXPECT_EQ(ColourOfLetter(c), PixelOf(bitmap, x, y)) << what << " at " << x << "," << y;
        ++x;
    }
    if (width == 0)
        width = x;
    SIZE size = SizeOf(bitmap);
    EXPECT_EQ(width, size.cx) << what;
    EXPECT_EQ(y + 1, size.cy) << what;
}

struct Bitmaps
{
    HBITMAP mask = NULL, picture = NULL, third = NULL;
    ~Bitmaps()
    {
        for (HBITMAP b : {mask, picture, third})
            if (b)
                DeleteObject(b);
    }
};

// ---- dzBitmapsFromGif

struct BitmapsCase
{
    const char* name;
    int screenWidth, screenHeight;
    std::vector<GifFrameLayout> frames;
    int option;
    const char* picture;   // letters, K black, W white
    const char* mask;      // letters W/K; nullptr when no mask is expected
    const char* third;
};

TEST(GifLibrary, BitmapsFollowTheMaskThenInvertRule)
{
    const BitmapsCase cases[] = {
        {"transparent pixels", 4, 2, {Still(4, 2, "RGBTTTRG", true)}, 0,
         "RGBK|KKRG", "KKKW|WWKK", "RGBW|WWRG"},
        {"opaque picture", 3, 1, {Still(3, 1, "RGB", false)}, 0, "RGB", nullptr, "RGB"},
        {"index 3 without the transparency flag", 2, 1, {Still(2, 1, "RT", false)}, 0,
         "RM", nullptr, "RM"},
        {"frame smaller than the logical screen", 3, 2, {{1, 0, 2, 1, "GB", 0, 0, false}}, 0,
         "KGB|KKK", "WKK|WWW", "WGB|WWW"},
        {"option 4 keeps the colours", 2, 1, {Still(2, 1, "RT", true)}, GIF_OPTION_KEEP_COLOURS,
         "RM", nullptr, "RW"},
        {"only the first frame of an animation", 2, 1,
         {{0, 0, 2, 1, "RG", 10, 1, false}, {0, 0, 2, 1, "BB", 10, 1, false}}, 0, "RG", nullptr, "RG"},
    };
    ScratchDir dir;
    for (const BitmapsCase& c : cases)
    {
        const std::string path = dir.File("picture.gif");
        WriteWholeFile(path, MakeGif(c.screenWidth, c.screenHeight, c.frames));
        Bitmaps b;
        EXPECT_TRUE(dzBitmapsFromGif(NULL, path.c_str(), c.option, &b.mask, &b.picture, &b.third)) << c.name;
        ExpectPixels(b.picture, c.picture, std::string(c.name) + ": picture");
        ExpectPixels(b.third, c.third, std::string(c.name) + ": third");
        if (c.mask)
        {
            ExpectPixels(b.mask, c.mask, std::string(c.name) + ": mask");
            BITMAP info = {};
            GetObjectA(b.mask, sizeof(info), &info);
            EXPECT_EQ(1, info.bmBitsPixel) << c.name << ": the mask is monochrome";
        }
        else
        {
            EXPECT_TRUE(b.mask == NULL) << c.name;
        }
    }
}

TEST(GifLibrary, MaskAndPictureShowThePageThroughTransparentPixels)
{
    ScratchDir dir;
    const std::string path = dir.File("logo.gif");
    WriteWholeFile(path, MakeGif(2, 1, {Still(2, 1, "TG", true)}));
    Bitmaps b;
    dzBitmapsFromGif(NULL, path.c_str(), 0, &b.mask, &b.picture, &b.third);
    ASSERT_TRUE(b.mask && b.picture);

    // A blue page, stretched to twice the size as the image element does.
    HDC screen = GetDC(NULL);
    HDC page = CreateCompatibleDC(screen);
    HBITMAP surface = CreateCompatibleBitmap(screen, 4, 2);
    ReleaseDC(NULL, screen);
    HGDIOBJ oldSurface = SelectObject(page, surface);
    HBRUSH blue = CreateSolidBrush(kBlue);
    RECT all = {0, 0, 4, 2};
    FillRect(page, &all, blue);
    DeleteObject(blue);

    HDC memory = CreateCompatibleDC(page);
    HGDIOBJ old = SelectObject(memory, b.mask);
    StretchBlt(page, 0, 0, 4, 2, memory, 0, 0, 2, 1, SRCAND);
    SelectObject(memory, b.picture);
    StretchBlt(page, 0, 0, 4, 2, memory, 0, 0, 2, 1, SRCINVERT);
    SelectObject(memory, old);
    DeleteDC(memory);

    EXPECT_EQ(kBlue, GetPixel(page, 0, 0));
    EXPECT_EQ(kBlue, GetPixel(page, 1, 1));
    EXPECT_EQ(kGreen, GetPixel(page, 2, 0));
    EXPECT_EQ(kGreen, GetPixel(page, 3, 1));
    SelectObject(page, oldSurface);
    DeleteObject(surface);
    DeleteDC(page);
}

TEST(GifLibrary, UnreadableFilesGiveNoBitmaps)
{
    ScratchDir dir;
    WriteWholeFile(dir.File("notes.gif"), "These are not the pixels you are looking for.\r\n");
    WriteWholeFile(dir.File("cut.gif"), MakeGif(2, 1, {Still(2, 1, "RG", false)}).substr(0, 20));
    const struct
    {
        const char* name;
        std::string path;
    } cases[] = {
        {"missing file", dir.File("missing.gif")},
        {"text file", dir.File("notes.gif")},
        {"cut after the header", dir.File("cut.gif")},
        {"empty path", ""},
    };
    for (const auto& c : cases)
    {
        Bitmaps b;
        b.mask = b.picture = b.third = reinterpret_cast<HBITMAP>(1);
        EXPECT_FALSE(dzBitmapsFromGif(NULL, c.path.c_str(), 0, &b.mask, &b.picture, &b.third)) << c.name;
        EXPECT_TRUE(b.mask == NULL && b.picture == NULL && b.third == NULL) << c.name;
        EXPECT_TRUE(dzPlayGif(GetDesktopWindow(), 0, 0, c.path.c_str(), 0) == NULL) << c.name;
    }
}

// ---- Frames and their composition

// A 3 x 1 screen: R R R kept; G at x 1 restored afterwards; B at x 2
// cleared afterwards; a transparent pixel over x 0 that changes nothing.
std::vector<GifFrameLayout> AnimationFrames()
{
    return {
        {0, 0, 3, 1, "RRR", 10, 1, false},
        {1, 0, 1, 1, "G", 20, 3, false},
        {2, 0, 1, 1, "B", 0, 2, false},
        {0, 0, 1, 1, "T", 30, 0, true},
    };
}

std::string Composed(const GifCanvas& canvas)
{
    std::string letters;
    const std::vector<BYTE>& p = canvas.Pixels();
    for (size_t i = 0; i + 3 < p.size(); i += 4)
    {
        if (p[i + 3] == 0)
            letters += '.';
        else
            letters += p[i + 2] ? 'R' : p[i + 1] ? 'G' : p[i] ? 'B' : 'K';
    }
    return letters;
}

TEST(GifLibrary, FramesKeepTheirDelaysAndComposeByDisposal)
{
    ScratchDir dir;
    const std::string path = dir.File("anim.gif");
    WriteWholeFile(path, MakeGif(3, 1, AnimationFrames()));
    GifAnimation animation;
    ASSERT_TRUE(ReadGifAnimation(path.c_str(), true, animation));
    EXPECT_EQ(3u, animation.width);
    EXPECT_EQ(1u, animation.height);
    ASSERT_EQ(4u, animation.frames.size());

    const struct
    {
        UINT delayMs;
        UINT disposal;
        const char* composed;
    } expected[] = {
        {100, 1, "RRR"},
        {200, 3, "RGR"},
        {kDefaultGifDelayMs, 2, "RRB"},
        {300, 0, "RR."},
    };
    GifCanvas canvas(animation);
    for (int round = 0; round < 2; ++round)
    {
        for (size_t i = 0; i < 4; ++i)
        {
            EXPECT_EQ(expected[i].delayMs, animation.frames[i].delayMs) << "frame " << i;
            EXPECT_EQ(expected[i].disposal, animation.frames[i].disposal) << "frame " << i;
            canvas.ShowFrame(i);
            EXPECT_EQ(expected[i].composed, Composed(canvas)) << "round " << round << ", frame " << i;
        }
    }
    GifCanvas fresh(animation);
    fresh.ShowFrame(2);
    EXPECT_EQ("RRB", Composed(fresh)) << "a jump composes the frames before it";

    GifAnimation first;
    ASSERT_TRUE(ReadGifAnimation(path.c_str(), false, first));
    EXPECT_EQ(1u, first.frames.size());
}

// ---- Playing into a window

LRESULT CALLBACK WhitePage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT)
    {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

COLORREF OnScreen(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP one = CreateCompatibleBitmap(dc, 1, 1);
    HGDIOBJ old = SelectObject(memory, one);
    BitBlt(memory, 0, 0, 1, 1, dc, x, y, SRCCOPY);
    COLORREF colour = GetPixel(memory, 0, 0);
    SelectObject(memory, old);
    DeleteObject(one);
    DeleteDC(memory);
    ReleaseDC(window, dc);
    return colour;
}

void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

TEST(GifLibrary, AnimationCyclesItsFramesInTheWindow)
{
    ScratchDir dir;
    const std::string path = dir.File("anim.gif");
    WriteWholeFile(path, MakeGif(3, 1, AnimationFrames()));

    WNDCLASSA wc = {};
    wc.lpfnWndProc = WhitePage;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "GifLibraryTestPage";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE,
                                  0, 0, 60, 40, NULL, NULL, wc.hInstance, NULL);
    ASSERT_TRUE(window != NULL);
    UpdateWindow(window);

    HANDLE animation = dzPlayGif(window, 10, 5, path.c_str(), 0);
    ASSERT_TRUE(animation != NULL);

    // Every colour each pixel takes over the cycle; B and the page's white
    // at x 2 show that frames are cleared and the page shows through.
    const struct
    {
        int x;
        std::set<COLORREF> colours;
    } wanted[] = {
        {10, {kRed}},
        {11, {kRed, kGreen}},
        {12, {kRed, kBlue, kWhite}},
    };
    std::set<COLORREF> seen[3];
    std::set<COLORREF> strays;
    bool all = false;
    for (DWORD start = GetTickCount(); !all && GetTickCount() - start < 20000;)
    {
        MsgWaitForMultipleObjects(0, NULL, FALSE, 5, QS_ALLINPUT);
        Pump();
        all = true;
        for (int i = 0; i < 3; ++i)
        {
            COLORREF c = OnScreen(window, wanted[i].x, 5);
            if (wanted[i].colours.count(c))
                seen[i].insert(c);
            else if (c != kWhite)
                strays.insert(c);
            all = all && seen[i] == wanted[i].colours;
        }
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(wanted[i].colours, seen[i]) << "pixel at x " << wanted[i].x;
    EXPECT_TRUE(strays.empty()) << "a colour no frame has, such as " << std::hex << *strays.begin();
    EXPECT_EQ(kWhite, OnScreen(window, 13, 5)) << "nothing drawn beside the animation";

    EXPECT_TRUE(dzStopGif(animation));
    EXPECT_FALSE(dzStopGif(animation)) << "a stopped animation is gone";
    EXPECT_FALSE(dzStopGif(NULL));
    Pump();
    DestroyWindow(window);
    UnregisterClassA(wc.lpszClassName, wc.hInstance);
}

} // namespace
