// The page as the player builds it: which elements load, which one a point
// hits, the window shape cut by a colour key, and property access by name.
#include "player/runtime/Browser.h"
#include "player/runtime/BrowserDocument.h"
#include "player/runtime/DrawingSupport.h"
#include "player/runtime/IdManager.h"
#include "player/runtime/ImageElement.h"
#include "player/runtime/ImageListElement.h"
#include "player/runtime/TextElement.h"

#include "tests/e2e/PictureFiles.h"
#include "tests/support/GifBytes.h"
#include "tests/support/JpegBytes.h"
#include "tests/support/PartialPaint.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <wincodec.h>

#include <string>
#include <vector>

using namespace Tarvex;

namespace {

void AddElement(CDataFile& page, int number, const char* type, int x, int y, int width, int height,
                const char* id = "")
{
    std::string section = "Element_" + std::to_string(number);
    page.SetString(section.c_str(), "type", type);
    page.SetInt(section.c_str(), "xpos", x);
    page.SetInt(section.c_str(), "ypos", y);
    page.SetInt(section.c_str(), "width", width);
    page.SetInt(section.c_str(), "height", height);
    if (*id)
        page.SetString(section.c_str(), "id", id);
}

void AddFrames(CDataFile& page, int number, int count, int frameWidth, int frameHeight)
{
    for (int i = 0; i < count; ++i)
    {
        std::string section = "Element_" + std::to_string(number) + "_Frame_" + std::to_string(i);
        page.SetInt(section.c_str(), "left", i * frameWidth);
        page.SetInt(section.c_str(), "top", 0);
        page.SetInt(section.c_str(), "right", (i + 1) * frameWidth);
        page.SetInt(section.c_str(), "bottom", frameHeight);
    }
}

// Two overlapping texts, a strip whose frame index is past its frames, a
// strip typed in lower case, a type nobody knows, and a button.
CDataFile MakePage()
{
    CDataFile page;
    page.SetInt("Main", "width", 400);
    page.SetInt("Main", "height", 300);
    page.SetInt("Main", "numElements", 6);
    AddElement(page, 1, "Text", 10, 10, 100, 50, "same");
    AddElement(page, 2, "Text", 50, 30, 100, 50, "same");
    AddElement(page, 3, "ImageList", 0, 100, 0, 0, "broken");
    AddFrames(page, 3, 3, 20, 20);
    page.SetInt("Element_3", "frame", 3);
    AddElement(page, 4, "imagelist", 300, 0, 0, 0, "strip");
    AddFrames(page, 4, 2, 50, 40);
    page.SetInt("Element_4", "frame", 1);
    AddElement(page, 5, "Widget", 0, 0, 400, 300, "unknown");
    AddElement(page, 6, "Image", 0, 200, 30, 20, "button");
    return page;
}

class BrowserTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CIdManager::Get().Clear();
        page = MakePage();
        ASSERT_TRUE(document.Load(page));
        browser = document.GetCurrentPage();
        ASSERT_NE(nullptr, browser);
    }

    CDataFile page;
    CBrowserDocument document;
    CBrowser* browser = nullptr;
};

TEST_F(BrowserTest, TheTopmostLoadedChildHoldsThePoint)
{
    const struct
    {
        const char* name;
        int x;
        int y;
        const char* expectedSection;   // NULL: no element
    } cases[] = {
        { "first text alone", 20, 20, "Element_1" },
        { "overlap goes to the later element", 60, 40, "Element_2" },
        { "second text alone", 140, 70, "Element_2" },
        { "right edge is outside", 150, 40, NULL },
        { "bottom edge is outside", 60, 80, NULL },
        { "left and top edges are inside", 50, 30, "Element_2" },
        { "broken strip is left out", 5, 105, NULL },
        { "lower-case imagelist is a strip of frame size", 349, 39, "Element_4" },
        { "strip ends with its frame", 350, 10, NULL },
        { "button after the broken strip loaded", 10, 210, "Element_6" },
        { "unknown type answers nothing", 390, 290, NULL },
    };
    for (const auto& c : cases)
    {
        CElement* hit = document.ChildFromPoint(c.x, c.y);
        if (!c.expectedSection)
            EXPECT_EQ(nullptr, hit) << c.name;
        else
        {
            ASSERT_NE(nullptr, hit) << c.name;
            EXPECT_STREQ(c.expectedSection, hit->GetSectionName()) << c.name;
        }
    }
}

TEST_F(BrowserTest, ElementsKeepTheirClassesAndIds)
{
    ASSERT_EQ(5, browser->GetChildCount());
    EXPECT_NE(nullptr, dynamic_cast<CTextElement*>(browser->GetChild(0)));
    EXPECT_NE(nullptr, dynamic_cast<CImageListElement*>(browser->GetChild(3)));
    EXPECT_NE(nullptr, dynamic_cast<CImageElement*>(browser->GetChild(4)));
    EXPECT_FALSE(browser->GetChild(2)->IsLoaded());
    EXPECT_EQ(browser->GetChild(0), CIdManager::Get().FindById("same"));
    EXPECT_EQ(nullptr, CIdManager::Get().FindById("Same"));
    EXPECT_EQ(nullptr, CIdManager::Get().FindById("broken"));
    document.Clear();
    EXPECT_EQ(nullptr, document.GetCurrentPage());
    EXPECT_EQ(0, CIdManager::Get().GetCount());
}

TEST_F(BrowserTest, PropertiesAreReadAndWrittenInTheirOwnTypes)
{
    CScriptableObject* text = dynamic_cast<CScriptableObject*>(browser->GetChild(0));
    CScriptableObject* strip = dynamic_cast<CScriptableObject*>(browser->GetChild(3));
    ASSERT_NE(nullptr, text);
    ASSERT_NE(nullptr, strip);

    const struct
    {
        const char* name;
        CScriptableObject* object;
        const char* property;
        VARTYPE type;
        LONG value;
        BOOL put;
        int expectedResult;
        VARTYPE expectedType;   // after a get
        LONG expectedValue;
    } cases[] = {
        { "frame as VT_I2 is refused", strip, "frame", VT_I2, 0, TRUE, 6, VT_I2, 0 },
        { "frame put", strip, "FRAME", VT_I4, 0, TRUE, 0, VT_I4, 0 },
        { "frame get", strip, "frame", VT_I4, 7, FALSE, 0, VT_I4, 0 },
        { "colour asked as VT_UI4 answers VT_I4", text, "color", VT_UI4, 0, FALSE, 0, VT_I4, 0 },
        { "colour asked as VT_I4 is refused", text, "fontColor", VT_I4, 0, FALSE, 6, VT_I4, 0 },
        { "italic put as VARIANT_BOOL", text, "italic", VT_BOOL, VARIANT_TRUE, TRUE, 0, VT_BOOL, VARIANT_TRUE },
        { "italic answered as VT_I4", text, "fontItalic", VT_BOOL, 0, FALSE, 0, VT_I4, -1 },
        { "unknown name put", text, "nosuch", VT_I4, 1, TRUE, 3, VT_I4, 1 },
        { "width get", text, "width", VT_I4, 0, FALSE, 0, VT_I4, 100 },
    };
    for (const auto& c : cases)
    {
        VARIANT value;
        VariantInit(&value);
        value.vt = c.type;
        if (c.type == VT_BOOL)
            value.boolVal = (VARIANT_BOOL)c.value;
        else
            value.lVal = c.value;
        EXPECT_EQ(c.expectedResult, c.object->AccessProperty(c.property, &value, c.put)) << c.name;
        EXPECT_EQ(c.expectedType, value.vt) << c.name;
        LONG got = value.vt == VT_BOOL ? value.boolVal : value.lVal;
        if (c.expectedType == VT_I2)
            got = value.iVal;
        EXPECT_EQ(c.expectedValue, got) << c.name;
    }
    EXPECT_EQ(0, static_cast<CImageListElement*>(strip)->GetFrame());
}

// Every counted part has a section of its own: a count beyond the file's
// sections loads at once, without making parts for sections that are not there.
TEST(BrowserCountsTest, CountsBeyondTheSectionsLoadAtOnce)
{
    const struct
    {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        { "Main", "numElements", "2147483647" },
        { "Main", "numElements", "9999999991" },
        { "Main", "numScripts", "2147483647" },
        { "Main", "numScripts", "9999999991" },
        { "Element_1", "numScripts", "2147483647" },
        { "Script_1", "numScriptItems", "2147483647" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.section) + " " + c.key + " = " + c.value);
        CIdManager::Get().Clear();
        CDataFile page;
        page.SetInt("Main", "width", 100);
        page.SetInt("Main", "height", 100);
        page.SetInt("Main", "numElements", 1);
        page.SetInt("Main", "numScripts", 1);
        page.SetString("Script_1", "name", "OnClick");
        page.SetInt("Script_1", "numScriptItems", 0);
        AddElement(page, 1, "Text", 0, 0, 10, 10, "only");
        page.SetString(c.section, c.key, c.value);
        const int sections = page.GetSectionCount();

        CBrowserDocument document;
        ASSERT_TRUE(document.Load(page));
        CBrowser* browser = document.GetCurrentPage();
        ASSERT_NE(nullptr, browser);
        EXPECT_EQ(1, browser->GetChildCount());
        EXPECT_LE(browser->GetScriptCount(), sections);
        EXPECT_EQ(browser->GetChild(0), CIdManager::Get().FindById("only"));
        document.Clear();
    }
}

TEST(TextElementTest, GrowsToItsTextButNotPastThePage)
{
    CIdManager::Get().Clear();
    CDataFile page;
    page.SetInt("Main", "width", 400);
    page.SetInt("Main", "height", 300);
    page.SetInt("Main", "numElements", 3);
    AddElement(page, 1, "Text", 10, 10, 10, 10);
    page.SetString("Element_1", "text", "MMMMMMMMMMMMMMMMMMMM");
    AddElement(page, 2, "Text", 350, 290, 10, 10);
    page.SetString("Element_2", "text", "MMMMMMMMMMMMMMMMMMMM");
    AddElement(page, 3, "Text", 10, 100, 300, 50);
    page.SetString("Element_3", "text", "M");
    CBrowserDocument document;
    ASSERT_TRUE(document.Load(page));
    CBrowser* browser = document.GetCurrentPage();
    HDC screen = GetDC(NULL);
    for (int i = 0; i < 3; ++i)
        static_cast<CTextElement*>(browser->GetChild(i))->FitToText(screen);
    ReleaseDC(NULL, screen);
    SIZE grown = static_cast<CTextElement*>(browser->GetChild(0))->GetSize();
    EXPECT_GT(grown.cx, 100);
    EXPECT_GT(grown.cy, 10);
    SIZE cut = static_cast<CTextElement*>(browser->GetChild(1))->GetSize();
    EXPECT_EQ(50, cut.cx);
    EXPECT_EQ(10, cut.cy);
    SIZE kept = static_cast<CTextElement*>(browser->GetChild(2))->GetSize();
    EXPECT_EQ(300, kept.cx);
    EXPECT_EQ(50, kept.cy);
}

TEST(ImageElementTest, AnimationThatCannotStartShowsTheStillPicture)
{
    // Without a window to play into, the animation cannot start.
    ASSERT_EQ(nullptr, GetDrawingWindow());
    ScratchDir scratch;
    const COLORREF palette[4] = { RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 0, 0), RGB(255, 255, 255) };
    WriteWholeFile(scratch.File("anim.gif"),
                   GifBytes(12, 8, palette,
                            { WholeGifFileFrame(12, 8, std::vector<int>(96, 0), -1, 10, 1),
                              WholeGifFileFrame(12, 8, std::vector<int>(96, 1), -1, 10, 1) }));
    CIdManager::Get().Clear();
    CDataFile page;
    page.SetInt("Main", "numElements", 1);
    AddElement(page, 1, "Image", 5, 5, 0, 0);
    page.SetString("Element_1", "src", (scratch.Path() + "anim.gif").c_str());
    page.SetInt("Element_1", "animated", 1);
    CBrowserDocument document;
    ASSERT_TRUE(document.Load(page));
    CImageElement* image = static_cast<CImageElement*>(document.GetCurrentPage()->GetChild(0));
    EXPECT_FALSE(image->IsAnimating());
    ASSERT_NE(nullptr, image->GetPicture());
    RECT rect = image->GetRect();
    EXPECT_EQ(17, rect.right);
    EXPECT_EQ(13, rect.bottom);

    HDC screen = GetDC(NULL);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP surface = CreateCompatibleBitmap(screen, 40, 40);
    ReleaseDC(NULL, screen);
    HGDIOBJ old = SelectObject(dc, surface);
    CDrawContext context = { dc, NULL };
    image->Draw(context);
    EXPECT_FALSE(image->IsAnimating());
    EXPECT_EQ(RGB(255, 0, 0), GetPixel(dc, 10, 10)) << "the first frame, drawn as a still picture";
    SelectObject(dc, old);
    DeleteObject(surface);
    DeleteDC(dc);
}

// A JPEG file of width x height, its left half red and its right half blue.
bool WriteJpegFile(const std::string& path, int width, int height)
{
    std::wstring widePath(path.begin(), path.end());
    CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
    IWICImagingFactory* factory = NULL;
    IWICStream* stream = NULL;
    IWICBitmapEncoder* encoder = NULL;
    IWICBitmapFrameEncode* frame = NULL;
    std::vector<BYTE> pixels((size_t)width * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            BYTE* p = &pixels[((size_t)y * width + x) * 3];
            p[0] = x < width / 2 ? 0 : 255;
            p[1] = 0;
            p[2] = x < width / 2 ? 255 : 0;
        }
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    bool ok = SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, NULL, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                         reinterpret_cast<void**>(&factory))) &&
              SUCCEEDED(factory->CreateStream(&stream)) &&
              SUCCEEDED(stream->InitializeFromFilename(widePath.c_str(), GENERIC_WRITE)) &&
              SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatJpeg, NULL, &encoder)) &&
              SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
              SUCCEEDED(encoder->CreateNewFrame(&frame, NULL)) && SUCCEEDED(frame->Initialize(NULL)) &&
              SUCCEEDED(frame->SetSize(width, height)) && SUCCEEDED(frame->SetPixelFormat(&format)) &&
              SUCCEEDED(frame->WritePixels(height, width * 3, (UINT)pixels.size(), pixels.data())) &&
              SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    if (frame)
        frame->Release();
    if (encoder)
        encoder->Release();
    if (stream)
        stream->Release();
    if (factory)
        factory->Release();
    CoUninitialize();
    return ok;
}

TEST(ImageElementTest, JpegNamedInCapitalsIsDecodedAndStretched)
{
    ScratchDir scratch;
    ASSERT_TRUE(WriteJpegFile(scratch.File("photo.JPG"), 16, 8));
    CIdManager::Get().Clear();
    CDataFile page;
    page.SetInt("Main", "numElements", 2);
    AddElement(page, 1, "Image", 0, 0, 0, 0);
    page.SetString("Element_1", "src", scratch.File("photo.JPG").c_str());
    AddElement(page, 2, "Image", 0, 10, 32, 8);
    page.SetString("Element_2", "src", scratch.File("photo.JPG").c_str());
    CBrowserDocument document;
    ASSERT_TRUE(document.Load(page));
    CImageElement* natural = static_cast<CImageElement*>(document.GetCurrentPage()->GetChild(0));
    ASSERT_NE(nullptr, natural->GetPicture());
    RECT rect = natural->GetRect();
    EXPECT_EQ(16, rect.right);
    EXPECT_EQ(8, rect.bottom);

    HDC screen = GetDC(NULL);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP surface = CreateCompatibleBitmap(screen, 40, 20);
    ReleaseDC(NULL, screen);
    HGDIOBJ old = SelectObject(dc, surface);
    PatBlt(dc, 0, 0, 40, 20, WHITENESS);
    CDrawContext context = { dc, NULL };
    document.Draw(context);
    const struct
    {
        int x;
        int y;
        bool red;
    } cases[] = { { 2, 4, true }, { 13, 4, false }, { 12, 14, true }, { 28, 14, false } };
    for (const auto& c : cases)
    {
        COLORREF pixel = GetPixel(dc, c.x, c.y);
        int wanted = c.red ? GetRValue(pixel) : GetBValue(pixel);
        int other = c.red ? GetBValue(pixel) : GetRValue(pixel);
        EXPECT_GT(wanted, 200) << c.x << "," << c.y << std::hex << " " << pixel;
        EXPECT_LT(other, 60) << c.x << "," << c.y << std::hex << " " << pixel;
    }
    SelectObject(dc, old);
    DeleteObject(surface);
    DeleteDC(dc);
}

TEST(ImageElementTest, JpegCutOffInItsPixelsShowsThePushButton)
{
    ScratchDir scratch;
    ASSERT_TRUE(WriteJpegFile(scratch.File("whole.jpg"), 64, 48));
    // The headers whole, the pixels broken off: the size reads, the pixels do not.
    std::string cut = CutOffInItsPixels(ReadWholeFile(scratch.File("whole.jpg")));
    ASSERT_FALSE(cut.empty());
    WriteWholeFile(scratch.File("cut.jpg"), cut);
    CIdManager::Get().Clear();
    CDataFile page;
    page.SetInt("Main", "numElements", 1);
    AddElement(page, 1, "Image", 0, 0, 60, 30);
    page.SetString("Element_1", "src", scratch.File("cut.jpg").c_str());
    page.SetString("Element_1", "text", "Cut");
    CBrowserDocument document;
    ASSERT_TRUE(document.Load(page));
    CImageElement* image = static_cast<CImageElement*>(document.GetCurrentPage()->GetChild(0));
    EXPECT_EQ(nullptr, image->GetPicture());

    PaintSurface surface(60, 30);
    CDrawContext context = { surface.dc(), NULL };
    document.Draw(context);
    // The button's face, where its caption does not reach.
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetPixel(surface.dc(), 4, 15));
}

TEST(BrowserColourKeyTest, KeyIsSpreadByTheToleranceInPixelOrder)
{
    const struct
    {
        const char* name;
        COLORREF transColor;
        DWORD tolerance;
        DWORD expectedKey;
        DWORD expectedTolerance;
    } cases[] = {
        { "magenta, no tolerance", RGB(255, 0, 255), 0, 0xFF00FF, 0 },
        { "red low byte goes high", RGB(255, 0, 128), 0, 0xFF0080, 0 },
        { "tolerance 16 spreads around the key", RGB(255, 0, 128), 0x101010, 0xEF0078, 0x101010 },
        { "middle values move down by half", RGB(100, 50, 30), 0x202020, 0x54220E, 0x202020 },
        { "tolerance is capped", RGB(128, 128, 128), 0xFFFFFF, 0x181818, 0xD0D0D0 },
    };
    for (const auto& c : cases)
    {
        DWORD tolerance = c.tolerance;
        EXPECT_EQ(c.expectedKey, CBrowser::PrepareColourKey(c.transColor, tolerance)) << c.name;
        EXPECT_EQ(c.expectedTolerance, tolerance) << c.name;
    }
}

// A 32-bit top-down bitmap of key colour with an opaque block in its top
// left corner and one opaque pixel near the bottom right.
HBITMAP MakeKeyedBitmap(int width, int height, DWORD keyPixel, DWORD opaquePixel)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = NULL;
    HBITMAP bitmap = CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    DWORD* pixels = static_cast<DWORD*>(bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[y * width + x] = (x < 3 && y < 2) ? opaquePixel : keyPixel;
    pixels[(height - 2) * width + (width - 2)] = opaquePixel;
    return bitmap;
}

TEST(BrowserRegionTest, RegionHoldsExactlyTheNonKeyPixels)
{
    DWORD tolerance = 0x101010;
    DWORD key = CBrowser::PrepareColourKey(RGB(255, 0, 128), tolerance);
    // Pixels in DIB order 0x00RRGGBB: the key shifted by 5 on each channel
    // still counts as key.
    HBITMAP bitmap = MakeKeyedBitmap(10, 6, 0xFA0585, 0x00FF00);
    HRGN region = CBrowser::BuildWindowRegion(bitmap, key, tolerance);
    ASSERT_NE(nullptr, region);
    const struct
    {
        int x;
        int y;
        bool inside;
    } cases[] = {
        { 0, 0, true }, { 2, 1, true }, { 3, 0, false }, { 0, 2, false },
        { 8, 4, true }, { 8, 1, false }, { 1, 4, false }, { 9, 5, false },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.inside, PtInRegion(region, c.x, c.y) != FALSE) << c.x << "," << c.y;
    RECT box;
    GetRgnBox(region, &box);
    EXPECT_EQ(0, box.left);
    EXPECT_EQ(0, box.top);
    EXPECT_EQ(9, box.right);
    EXPECT_EQ(5, box.bottom);
    DeleteObject(region);

    HBITMAP outside = MakeKeyedBitmap(4, 4, 0xFF0095, 0xFF0095);
    HRGN full = CBrowser::BuildWindowRegion(outside, key, tolerance);
    EXPECT_TRUE(PtInRegion(full, 3, 3)) << "blue 0x95 is past the tolerance";
    DeleteObject(full);
    DeleteObject(outside);
    DeleteObject(bitmap);
    EXPECT_EQ(nullptr, CBrowser::BuildWindowRegion(NULL, key, tolerance));
}

TEST(BlendColorIntoRectTest, BlendsOnlyInsideTheRectangleAndTheSurface)
{
    HDC screen = GetDC(NULL);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP surface = CreateCompatibleBitmap(screen, 20, 10);
    ReleaseDC(NULL, screen);
    HGDIOBJ old = SelectObject(dc, surface);
    PatBlt(dc, 0, 0, 20, 10, WHITENESS);
    // Reaching past the right and bottom edges must stay inside the surface.
    BlendColorIntoRect(dc, 15, 5, 50, 50, 255, 0, 0, 0.5);
    const struct
    {
        int x;
        int y;
        COLORREF expected;
    } cases[] = {
        { 15, 5, RGB(255, 128, 128) }, { 19, 9, RGB(255, 128, 128) },
        { 14, 5, RGB(255, 255, 255) }, { 15, 4, RGB(255, 255, 255) },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, GetPixel(dc, c.x, c.y)) << c.x << "," << c.y;
    SelectObject(dc, old);
    DeleteObject(surface);
    DeleteDC(dc);
}

} // namespace
