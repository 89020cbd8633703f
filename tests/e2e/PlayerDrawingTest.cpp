// What a page shows, read from the screen: its background (white,
// stretched, tiled) and every element kind the player draws.
#include "tests/e2e/PictureFiles.h"
#include "tests/e2e/PlayerProcess.h"
#include "tests/support/GifBytes.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

DWORD ScreenColour(COLORREF colour)
{
    return ((DWORD)GetRValue(colour) << 16) | ((DWORD)GetGValue(colour) << 8) | GetBValue(colour);
}

int CountColour(const ScreenPixels& pixels, const RECT& area, DWORD colour)
{
    int count = 0;
    for (int y = area.top; y < area.bottom && y < pixels.height; ++y)
        for (int x = area.left; x < area.right && x < pixels.width; ++x)
            if (pixels.At(x, y) == colour)
                ++count;
    return count;
}

void AddText(CDataFile* page, int number, int x, int y, int width, int height, const char* text)
{
    std::string section = "Element_" + std::to_string(number);
    page->SetString(section.c_str(), "type", "Text");
    page->SetInt(section.c_str(), "xpos", x);
    page->SetInt(section.c_str(), "ypos", y);
    page->SetInt(section.c_str(), "width", width);
    page->SetInt(section.c_str(), "height", height);
    page->SetMultiLineString(section.c_str(), "text", text);
}

void AddImage(CDataFile* page, int number, const char* type, int x, int y, int width, int height, const char* src)
{
    std::string section = "Element_" + std::to_string(number);
    page->SetString(section.c_str(), "type", type);
    page->SetInt(section.c_str(), "xpos", x);
    page->SetInt(section.c_str(), "ypos", y);
    page->SetInt(section.c_str(), "width", width);
    page->SetInt(section.c_str(), "height", height);
    page->SetString(section.c_str(), "src", src);
}

struct BackgroundCase
{
    const char* name;
    const char* watermark;   // "" for none
    bool tiled;
    struct
    {
        int x;
        int y;
        DWORD colour;
    } pixels[5];
};

TEST(PlayerDrawing, PageBackgroundIsWhiteStretchedOrTiled)
{
    // Red, green / blue, yellow.
    PictureRows quarters = { 2, 2, { 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00 } };
    const BackgroundCase cases[] = {
        { "no picture: white", "", false,
          { { 0, 0, 0xFFFFFF }, { 99, 0, 0xFFFFFF }, { 0, 59, 0xFFFFFF }, { 99, 59, 0xFFFFFF }, { 50, 30, 0xFFFFFF } } },
        { "stretched to the page", "quarters.bmp", false,
          { { 10, 10, 0xFF0000 }, { 90, 10, 0x00FF00 }, { 10, 50, 0x0000FF }, { 90, 50, 0xFFFF00 }, { 49, 29, 0xFF0000 } } },
        { "tiled from the top left", "quarters.bmp", true,
          { { 0, 0, 0xFF0000 }, { 1, 0, 0x00FF00 }, { 2, 0, 0xFF0000 }, { 3, 1, 0xFFFF00 }, { 98, 59, 0x0000FF } } },
    };
    for (const BackgroundCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        ScratchDir scratch;
        WriteWholeFile(scratch.File("quarters.bmp"), BitmapFileBytes(quarters));
        ProjectArchive archive;
        CDataFile* page = archive.AddPage("tarvex.pgd", "Background", 100, 60, 2);
        page->SetString("Main", "watermark", c.watermark);
        page->SetBool("Main", "tiled", c.tiled);
        ASSERT_TRUE(archive.Write(scratch.File("tarvex.pqz")));
        PlayerProcess player;
        ASSERT_TRUE(player.Start(TarvexExePath(), Quoted(scratch.File("tarvex.pqz"))));
        ASSERT_NE(nullptr, player.WaitForWindow());
        for (const auto& pixel : c.pixels)
            EXPECT_TRUE(player.WaitForClientPixel(pixel.x, pixel.y, pixel.colour))
                << pixel.x << "," << pixel.y << " should be " << std::hex << pixel.colour;
        EXPECT_TRUE(player.Close());
    }
}

class PlayerDrawingElements : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PictureRows keyed = { 4, 4, std::vector<DWORD>(16, 0xFF00FF) };
        for (int y = 1; y < 3; ++y)
            for (int x = 1; x < 3; ++x)
                keyed.pixels[(size_t)y * 4 + x] = 0xFF0000;
        WriteWholeFile(scratch.File("keyed.bmp"), BitmapFileBytes(keyed));
        WriteWholeFile(scratch.File("strip.bmp"), BitmapFileBytes(ThreeFrameStrip()));
        const COLORREF palette[4] = { RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 0, 0), RGB(255, 255, 255) };
        WriteWholeFile(scratch.File("anim.gif"),
                       GifBytes(10, 10, palette,
                                { WholeGifFileFrame(10, 10, std::vector<int>(100, 0), -1, 10, 1),
                                  WholeGifFileFrame(10, 10, std::vector<int>(100, 1), -1, 10, 1) }));

        ProjectArchive archive;
        CDataFile* page = archive.AddPage("tarvex.pgd", "Elements", 300, 200, 2);
        page->SetBool("Main", "mouseMove", FALSE);
        page->SetInt("Main", "numElements", 7);
        AddText(page, 1, 5, 5, 10, 10, "MMMM");
        page->SetLong("Element_1", "fontColor", RGB(0, 0, 255));
        page->SetInt("Element_1", "fontSize", 28);
        page->SetInt("Element_1", "fontWeight", 900);
        AddText(page, 2, 5, 60, 10, 10, "MMMMMMMMMMMM");
        page->SetLong("Element_2", "bgColor", RGB(0, 255, 0));
        page->SetDouble("Element_2", "bgTransparency", 1.0);
        page->SetLong("Element_2", "fontColor", RGB(0, 255, 0));
        AddText(page, 3, 200, 5, 60, 20, "");
        page->SetLong("Element_3", "bgColor", RGB(255, 0, 0));
        page->SetDouble("Element_3", "bgTransparency", 0.5);
        AddImage(page, 4, "Image", 200, 60, 40, 40, "keyed.bmp");
        page->SetLong("Element_4", "transX", 0);
        page->SetLong("Element_4", "transY", 0);
        AddImage(page, 5, "Image", 200, 120, 60, 24, "");
        page->SetString("Element_5", "text", "OK");
        AddImage(page, 6, "ImageList", 100, 120, 0, 0, "strip.bmp");
        page->SetInt("Element_6", "frame", 1);
        for (int i = 0; i < 3; ++i)
        {
            std::string frame = "Element_6_Frame_" + std::to_string(i);
            page->SetInt(frame.c_str(), "left", i * 10);
            page->SetInt(frame.c_str(), "top", 0);
            page->SetInt(frame.c_str(), "right", i * 10 + 10);
            page->SetInt(frame.c_str(), "bottom", 10);
        }
        AddImage(page, 7, "Image", 150, 150, 0, 0, "anim.gif");
        page->SetInt("Element_7", "animated", 1);
        ASSERT_TRUE(archive.Write(scratch.File("tarvex.pqz")));
        ASSERT_TRUE(player.Start(TarvexExePath(), Quoted(scratch.File("tarvex.pqz"))));
        ASSERT_NE(nullptr, player.WaitForWindow());
        // The button is the last still element to draw: once it shows, the paint is done.
        ASSERT_TRUE(player.WaitForClientPixel(204, 124, ScreenColour(GetSysColor(COLOR_BTNFACE))));
    }

    ScratchDir scratch;
    PlayerProcess player;
};

TEST_F(PlayerDrawingElements, TextShowsInItsColourOverItsBackground)
{
    ScreenPixels pixels = player.CaptureClient();
    RECT big = { 5, 5, 200, 55 };
    EXPECT_GT(CountColour(pixels, big, 0x0000FF), 50) << "the text's own colour";
    // The opaque background grows from the stored 10 pixels to the text's width.
    RECT grown = { 20, 60, 80, 62 };
    EXPECT_EQ(60 * 2, CountColour(pixels, grown, 0x00FF00));
    EXPECT_EQ(0xFFFFFFu, pixels.At(4, 61));
    // Half of red over white.
    EXPECT_EQ(0xFF8080u, pixels.At(230, 15));
    EXPECT_EQ(0xFF8080u, pixels.At(259, 24));
    EXPECT_EQ(0xFFFFFFu, pixels.At(260, 15));
}

TEST_F(PlayerDrawingElements, PicturesShowWithTheirTransparencyFrameAndButtonFace)
{
    ScreenPixels pixels = player.CaptureClient();
    const struct
    {
        const char* name;
        int x;
        int y;
        DWORD colour;
    } cases[] = {
        { "keyed corner shows the page", 202, 62, 0xFFFFFF },
        { "keyed edge shows the page", 235, 80, 0xFFFFFF },
        { "picture inside the key", 220, 80, 0xFF0000 },
        { "button face", 204, 124, ScreenColour(GetSysColor(COLOR_BTNFACE)) },
        { "button face right", 254, 138, ScreenColour(GetSysColor(COLOR_BTNFACE)) },
        { "strip shows its middle frame", 105, 125, 0x00FF00 },
        { "strip ends with the frame", 110, 125, 0xFFFFFF },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.colour, pixels.At(c.x, c.y)) << c.name;
}

TEST_F(PlayerDrawingElements, AnimatedGifChangesOverTime)
{
    EXPECT_TRUE(player.WaitForClientPixel(155, 155, 0xFF0000));
    EXPECT_TRUE(player.WaitForClientPixel(155, 155, 0x0000FF));
    EXPECT_TRUE(player.WaitForClientPixel(155, 155, 0xFF0000));
}

} // namespace
