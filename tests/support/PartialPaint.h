// What the paint tests of both programs share: a page of every kind of
// drawing but animations and hosted controls, a memory surface of the
// screen's kind, and the check that every part of the page painted alone
// shows what the whole page painted at once shows there.
#pragma once

#include "model/store/DataFile.h"
#include "tests/e2e/PictureFiles.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

const int kPaintedPageWidth = 640;
const int kPaintedPageHeight = 400;

// A memory surface of the screen's kind, as a window's paint context is,
// filled with a colour no drawing here makes.
class PaintSurface
{
public:
    PaintSurface(int width, int height) : m_width(width), m_height(height)
    {
        HDC screen = GetDC(NULL);
        m_dc = CreateCompatibleDC(screen);
        m_bitmap = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(NULL, screen);
        m_old = SelectObject(m_dc, m_bitmap);
        HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
        RECT all = { 0, 0, width, height };
        FillRect(m_dc, &all, brush);
        DeleteObject(brush);
    }
    ~PaintSurface()
    {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    HDC dc() const { return m_dc; }
    // 0x00RRGGBB, rows from the top.
    std::vector<DWORD> Pixels() const
    {
        std::vector<DWORD> pixels((size_t)m_width * m_height);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = m_width;
        info.bmiHeader.biHeight = -m_height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        GdiFlush();
        GetDIBits(m_dc, m_bitmap, 0, m_height, pixels.data(), &info, DIB_RGB_COLORS);
        for (DWORD& pixel : pixels)
            pixel &= 0xFFFFFF;
        return pixels;
    }

private:
    int m_width;
    int m_height;
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};

inline void AddPaintedElement(CDataFile& page, int number, const char* type, RECT box)
{
    std::string section = "Element_" + std::to_string(number);
    page.SetString(section.c_str(), "type", type);
    page.SetInt(section.c_str(), "xpos", box.left);
    page.SetInt(section.c_str(), "ypos", box.top);
    page.SetInt(section.c_str(), "width", box.right - box.left);
    page.SetInt(section.c_str(), "height", box.bottom - box.top);
}

inline void AddPaintedText(CDataFile& page, int number, RECT box, const char* text, BOOL singleline,
                           COLORREF background, double opacity, const char* vjustification = "top")
{
    AddPaintedElement(page, number, "Text", box);
    std::string section = "Element_" + std::to_string(number);
    const char* s = section.c_str();
    page.SetMultiLineString(s, "text", text);
    page.SetInt(s, "singleline", singleline);
    page.SetString(s, "vjustification", vjustification);
    page.SetLong(s, "bgColor", (long)background);
    page.SetDouble(s, "bgTransparency", opacity);
    page.SetLong(s, "fontColor", RGB(80, 220, 255));
    page.SetInt(s, "fontSize", 11);
}

// A stretched picture of many colours under translucent texts of several
// opacities (one taller and one wider than its box), an opaque text, a
// keyed picture, a push button, an image strip, the sample's strip of hints
// at the foot of the page, and with placeholder an ActiveX element without
// a control (the editor's grey placeholder, blended at half).
inline CDataFile MakePaintedPage(const ScratchDir& scratch, bool placeholder)
{
    PictureRows backdrop = { 8, 5, {} };
    for (int i = 0; i < 40; ++i)
        backdrop.pixels.push_back(((DWORD)(i * 37 % 256) << 16) | ((DWORD)(i * 91 % 256) << 8) |
                                  (DWORD)(i * 53 % 256));
    WriteWholeFile(scratch.File("backdrop.bmp"), BitmapFileBytes(backdrop));
    PictureRows keyed = { 6, 6, std::vector<DWORD>(36, 0xFF00FF) };
    for (int y = 1; y < 5; ++y)
        for (int x = 1; x < 5; ++x)
            keyed.pixels[(size_t)y * 6 + x] = 0x20C040;
    WriteWholeFile(scratch.File("keyed.bmp"), BitmapFileBytes(keyed));
    WriteWholeFile(scratch.File("strip.bmp"), BitmapFileBytes(ThreeFrameStrip()));

    CDataFile page;
    page.SetInt("Main", "width", kPaintedPageWidth);
    page.SetInt("Main", "height", kPaintedPageHeight);
    page.SetString("Main", "watermark", scratch.File("backdrop.bmp").c_str());
    page.SetBool("Main", "tiled", FALSE);
    int count = 0;
    AddPaintedText(page, ++count, { 100, 40, 300, 100 }, "Half red", TRUE, RGB(255, 0, 0), 0.5);
    AddPaintedText(page, ++count, { 320, 40, 440, 70 }, "Opaque", TRUE, RGB(0, 0, 255), 1.0);
    AddPaintedText(page, ++count, { 60, 120, 420, 200 }, "A quarter green, over the keyed picture\r\nand the strip",
                   FALSE, RGB(0, 255, 0), 0.25);
    AddPaintedElement(page, ++count, "Image", { 380, 130, 440, 190 });
    page.SetString("Element_4", "src", scratch.File("keyed.bmp").c_str());
    page.SetInt("Element_4", "transX", 0);
    page.SetInt("Element_4", "transY", 0);
    AddPaintedElement(page, ++count, "ImageList", { 80, 180, 80, 180 });
    page.SetString("Element_5", "src", scratch.File("strip.bmp").c_str());
    page.SetInt("Element_5", "frame", 1);
    for (int i = 0; i < 3; ++i)
    {
        std::string frame = "Element_5_Frame_" + std::to_string(i);
        page.SetInt(frame.c_str(), "left", i * 10);
        page.SetInt(frame.c_str(), "top", 0);
        page.SetInt(frame.c_str(), "right", (i + 1) * 10);
        page.SetInt(frame.c_str(), "bottom", 10);
    }
    // The sample's first page: a black strip at 40% and its hint line.
    AddPaintedText(page, ++count, { 0, 316, 640, 400 }, "", TRUE, RGB(0, 0, 0), 0.4);
    AddPaintedText(page, ++count, { 40, 340, 440, 364 }, "The button takes you to the second page.", TRUE, 0, 0.0);
    AddPaintedElement(page, ++count, "Image", { 470, 334, 600, 368 });
    page.SetString("Element_8", "text", "Next page >");
    AddPaintedText(page, ++count, { 560, 250, 600, 270 }, "Wider than its box", TRUE, RGB(255, 255, 0), 0.7);
    AddPaintedText(page, ++count, { 300, 220, 500, 226 }, "Taller than its box", TRUE, RGB(255, 0, 255), 0.5,
                   "center");
    if (placeholder)
    {
        AddPaintedElement(page, ++count, "ActiveX", { 460, 100, 620, 150 });
        page.SetString("Element_11", "progID", "Some.Control");
    }
    page.SetInt("Main", "numElements", count);
    return page;
}

// Paints the whole page, then each part alone on a fresh surface with
// paint(target, area, update), and expects every pixel of the part's
// update region to be the whole paint's.
inline void ExpectPartsShowTheWhole(const std::function<void(HDC, const RECT&, HRGN)>& paint)
{
    const RECT page = { 0, 0, kPaintedPageWidth, kPaintedPageHeight };
    PaintSurface whole(kPaintedPageWidth, kPaintedPageHeight);
    HRGN all = CreateRectRgnIndirect(&page);
    paint(whole.dc(), page, all);
    DeleteObject(all);
    std::vector<DWORD> expected = whole.Pixels();
    ASSERT_NE(0x010203u, expected[(size_t)100 * kPaintedPageWidth + 200]) << "the whole page is painted";

    const struct
    {
        const char* name;
        RECT rects[2];   // the update region; an empty second rectangle for one
    } parts[] = {
        { "inside a text", { { 120, 50, 180, 80 }, {} } },
        { "across the edges of two texts", { { 280, 30, 340, 75 }, {} } },
        { "away from the corner, over the pictures", { { 370, 125, 450, 200 }, {} } },
        { "the image strip and the text over it", { { 75, 175, 100, 195 }, {} } },
        { "the sample's hint strip", { { 40, 340, 440, 364 }, {} } },
        { "the hint and the button, as a hover repaints them", { { 40, 340, 440, 364 }, { 470, 334, 600, 368 } } },
        { "the foot of the page", { { 0, 380, 640, 400 }, {} } },
        { "beside a text wider than its box", { { 590, 240, 640, 280 }, {} } },
        { "above a text taller than its box", { { 300, 205, 500, 222 }, {} } },
        { "the placeholder's corner", { { 600, 90, 630, 120 }, {} } },
    };
    for (const auto& part : parts)
    {
        SCOPED_TRACE(part.name);
        HRGN update = CreateRectRgnIndirect(&part.rects[0]);
        if (!IsRectEmpty(&part.rects[1]))
        {
            HRGN second = CreateRectRgnIndirect(&part.rects[1]);
            CombineRgn(update, update, second, RGN_OR);
            DeleteObject(second);
        }
        RECT area;
        GetRgnBox(update, &area);
        PaintSurface painted(kPaintedPageWidth, kPaintedPageHeight);
        paint(painted.dc(), area, update);
        std::vector<DWORD> pixels = painted.Pixels();
        int differing = 0;
        std::string first;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
            {
                size_t at = (size_t)y * kPaintedPageWidth + x;
                if (PtInRegion(update, x, y) && pixels[at] != expected[at] && differing++ == 0)
                    first = std::to_string(x) + "," + std::to_string(y);
            }
        DeleteObject(update);
        EXPECT_EQ(0, differing) << "first at " << first;
    }
}
