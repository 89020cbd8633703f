#include "model/common/PictureHelpers.h"

#include "tests/model/PageTestSupport.h"

#include <gtest/gtest.h>

#include <math.h>
#include <vector>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kPink = RGB(255, 128, 128);

TEST(PictureHelpers, BlendFollowsTheFormulaInsideTheRectangleAndTheSurface)
{
    struct Probe { int x, y; COLORREF expected; };
    struct Case {
        const char* name;
        COLORREF fill;
        int x, y, w, h;
        BYTE r, g, b;
        double opacity;
        Probe probes[3];
    };
    const Case cases[] = {
        { "half red", kWhite, 1, 1, 2, 2, 255, 0, 0, 0.5,
          { { 1, 2, kPink }, { 0, 0, kWhite }, { 3, 3, kWhite } } },
        { "opaque", kWhite, 1, 1, 2, 2, 255, 0, 0, 1.0,
          { { 1, 2, RGB(255, 0, 0) }, { 0, 0, kWhite }, { 3, 3, kWhite } } },
        { "clear", kWhite, 1, 1, 2, 2, 255, 0, 0, 0.0,
          { { 1, 2, kWhite }, { 0, 0, kWhite }, { 3, 3, kWhite } } },
        { "above one is opaque", kWhite, 1, 1, 2, 2, 0, 0, 255, 7.0,
          { { 1, 2, RGB(0, 0, 255) }, { 0, 0, kWhite }, { 3, 3, kWhite } } },
        { "below zero is clear", kWhite, 1, 1, 2, 2, 0, 0, 255, -2.0,
          { { 1, 2, kWhite }, { 0, 0, kWhite }, { 3, 3, kWhite } } },
        { "not a number is clear", kWhite, 1, 1, 2, 2, 0, 0, 255, nan(""),
          { { 1, 2, kWhite }, { 2, 1, kWhite }, { 3, 3, kWhite } } },
        // 0.999 x 255 = 254.7 gives alpha 254: (254 x 255) >> 8 = 253.
        { "alpha truncated", kBlack, 0, 0, 4, 4, 255, 255, 255, 0.999,
          { { 0, 0, RGB(253, 253, 253) }, { 3, 3, RGB(253, 253, 253) }, { 2, 1, RGB(253, 253, 253) } } },
        { "half white over black", kBlack, 0, 0, 4, 4, 255, 255, 255, 0.5,
          { { 0, 0, RGB(126, 126, 126) }, { 3, 3, RGB(126, 126, 126) }, { 1, 2, RGB(126, 126, 126) } } },
        { "rows count from the top", kWhite, 0, 0, 4, 1, 255, 0, 0, 0.5,
          { { 0, 0, kPink }, { 3, 0, kPink }, { 0, 1, kWhite } } },
        { "past the edges", kWhite, -3, 2, 100, 100, 255, 0, 0, 0.5,
          { { 0, 3, kPink }, { 3, 2, kPink }, { 3, 1, kWhite } } },
        { "off the surface", kWhite, 4, 0, 5, 5, 255, 0, 0, 1.0,
          { { 3, 0, kWhite }, { 3, 3, kWhite }, { 0, 0, kWhite } } },
    };
    for (const Case& c : cases) {
        DibSurface surface(4, 4, c.fill);
        BlendColorIntoRect(surface.dc(), c.x, c.y, c.w, c.h, c.r, c.g, c.b, c.opacity);
        for (const Probe& p : c.probes)
            EXPECT_EQ(p.expected, surface.Pixel(p.x, p.y)) << c.name << " at " << p.x << "," << p.y;
    }
    BlendColorIntoRect(NULL, 0, 0, 1, 1, 0, 0, 0, 1.0);
}

TEST(PictureHelpers, BlendTakesTheRectangleInTheContextsOwnCoordinates)
{
    // A back buffer of the painted area alone: its origin moved so that
    // page coordinates land on it.
    struct Case { const char* name; POINT origin; RECT rect; POINT blended[2]; POINT untouched; };
    const Case cases[] = {
        { "origin moved up and left", { -10, -20 }, { 11, 21, 13, 23 }, { { 1, 1 }, { 2, 2 } }, { 0, 0 } },
        { "origin moved down and right", { 2, 1 }, { -1, 0, 1, 2 }, { { 1, 1 }, { 2, 2 } }, { 3, 3 } },
        { "past the surface once moved", { -10, -10 }, { 12, 12, 40, 40 }, { { 2, 2 }, { 3, 3 } }, { 1, 1 } },
    };
    for (const Case& c : cases) {
        DibSurface surface(4, 4, kWhite);
        SetViewportOrgEx(surface.dc(), c.origin.x, c.origin.y, NULL);
        BlendColorIntoVisibleRect(surface.dc(), c.rect, RGB(255, 0, 0), 0.5);
        for (const POINT& p : c.blended)
            EXPECT_EQ(kPink, surface.Pixel(p.x, p.y)) << c.name << " at " << p.x << "," << p.y;
        EXPECT_EQ(kWhite, surface.Pixel(c.untouched.x, c.untouched.y)) << c.name;
    }
}

TEST(PictureHelpers, VisibleBlendLeavesEverythingOutsideTheClipBox)
{
    struct Case { const char* name; RECT clip; POINT blended, untouched; };
    const Case cases[] = {
        { "clip at the right", { 0, 0, 2, 4 }, { 1, 1 }, { 2, 1 } },
        { "clip at the left", { 2, 0, 4, 4 }, { 2, 2 }, { 1, 2 } },
        { "clip below", { 0, 2, 4, 4 }, { 1, 2 }, { 1, 1 } },
    };
    const RECT rect = { 1, 1, 3, 3 };
    for (const Case& c : cases) {
        DibSurface surface(4, 4, kWhite);
        HRGN clip = CreateRectRgnIndirect(&c.clip);
        SelectClipRgn(surface.dc(), clip);
        DeleteObject(clip);
        BlendColorIntoVisibleRect(surface.dc(), rect, RGB(255, 0, 0), 0.5);
        EXPECT_EQ(kPink, surface.Pixel(c.blended.x, c.blended.y)) << c.name;
        EXPECT_EQ(kWhite, surface.Pixel(c.untouched.x, c.untouched.y)) << c.name;
    }
}

TEST(PictureHelpers, RowStrideRefusesEmptyAndOversizedPictures)
{
    struct Case { DWORD width, height, stride; };
    const Case cases[] = {
        { 1, 1, 4 }, { 4, 5, 12 }, { 5, 1, 16 }, { 0, 7, 0 }, { 7, 0, 0 },
        { 0x8000, 1, 0 }, { 1, 0x8000, 0 },
        // Every row fits, but the whole picture passes 2 GB.
        { 0x7FFF, 0x7FFF, 0 }, { 0xFFFFFFFF, 0xFFFFFFFF, 0 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.stride, GetBgrRowStride(c.width, c.height)) << c.width << " x " << c.height;

    // Rows of blue-green-red bytes, top row first, padded to 4.
    const BYTE rows[] = { 0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 0, 0 };
    DibSurface surface(2, 2, kWhite);
    HBITMAP made = MakeBgrBitmap(surface.dc(), rows, 2, 2);
    ASSERT_TRUE(made != NULL);
    HDC dc = CreateCompatibleDC(surface.dc());
    HGDIOBJ old = SelectObject(dc, made);
    EXPECT_EQ(RGB(255, 0, 0), GetPixel(dc, 0, 0));
    EXPECT_EQ(RGB(0, 255, 0), GetPixel(dc, 1, 0));
    EXPECT_EQ(RGB(0, 0, 255), GetPixel(dc, 0, 1));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(made);
}

// A 24-bit top-down picture of its own (not selected anywhere).
class Picture
{
public:
    Picture(int w, const std::vector<COLORREF>& pixels) : m_w(w), m_bits(NULL)
    {
        int h = (int)pixels.size() / w;
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi.bmiHeader.biWidth = w;
        bmi.bmiHeader.biHeight = -h;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 24;
        bmi.bmiHeader.biCompression = BI_RGB;
        m_bitmap = CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, (void**)&m_bits, NULL, 0);
        for (size_t i = 0; i < pixels.size(); ++i) {
            BYTE* p = Bytes((int)i % w, (int)i / w);
            p[0] = GetBValue(pixels[i]);
            p[1] = GetGValue(pixels[i]);
            p[2] = GetRValue(pixels[i]);
        }
    }
    ~Picture() { DeleteObject(m_bitmap); }
    HBITMAP Handle() const { return m_bitmap; }
    COLORREF Pixel(int x, int y)
    {
        GdiFlush();
        const BYTE* p = Bytes(x, y);
        return RGB(p[2], p[1], p[0]);
    }

private:
    BYTE* Bytes(int x, int y) { return m_bits + y * ((m_w * 3 + 3) & ~3) + x * 3; }
    int m_w;
    BYTE* m_bits;
    HBITMAP m_bitmap;
};

TEST(PictureHelpers, MaskMarksTheKeyColourAndBlackensItInThePicture)
{
    const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255), green = RGB(0, 255, 0);
    const std::vector<COLORREF> pixels = { red, blue, red, green, red, blue };
    const struct { int x, y; COLORREF key; } cases[] = {
        { 0, 0, red }, { 1, 0, blue }, { 0, 1, green },
    };
    for (const auto& c : cases) {
        Picture picture(3, pixels);
        HBITMAP mask = NULL;
        ASSERT_TRUE(BuildTransparencyMask(picture.Handle(), &mask, c.x, c.y)) << c.x << "," << c.y;
        SIZE size = GetBitmapSize(mask);
        EXPECT_EQ(3, size.cx);
        EXPECT_EQ(2, size.cy);
        HDC dc = CreateCompatibleDC(NULL);
        HGDIOBJ old = SelectObject(dc, mask);
        for (int i = 0; i < 6; ++i) {
            int x = i % 3, y = i / 3;
            bool keyed = pixels[i] == c.key;
            EXPECT_EQ(keyed ? kWhite : kBlack, GetPixel(dc, x, y)) << "mask, key " << c.x << "," << c.y << " at " << x << "," << y;
            EXPECT_EQ(keyed ? kBlack : pixels[i], picture.Pixel(x, y)) << "picture, key " << c.x << "," << c.y << " at " << x << "," << y;
        }
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(mask);
    }
}

} // namespace
