#include "model/ImageListElement.h"

#include "model/Browser.h"
#include "model/store/DataFile.h"
#include "tests/model/ModelTestObjects.h"
#include "tests/model/PageTestSupport.h"

#include <gtest/gtest.h>
#include <oleauto.h>

namespace {

const COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGreen = RGB(0, 255, 0),
               kYellow = RGB(255, 255, 0);

const char* kThreeFrames =
    "[Element_1]\ntype = ImageList\nsrc = strip.bmp\nframe = 1\n"
    "[Element_1_Frame_0]\ntop = 0\nleft = 0\nbottom = 40\nright = 50\n"
    "[Element_1_Frame_1]\ntop = 0\nleft = 50\nbottom = 40\nright = 100\n"
    "[Element_1_Frame_2]\ntop = 0\nleft = 100\nbottom = 40\nright = 150\n";

// 150 x 40: red, blue and yellow thirds.
void WriteStrip(const ScratchDir& dir)
{
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 150; ++x)
            pixels.push_back(x < 50 ? kRed : x < 100 ? kBlue : kYellow);
    WriteBmpFile(dir.File("strip.bmp"), 150, 40, pixels);
}

// The strip of three frames showing frame 1, loaded with its picture.
class LoadedStrip : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WriteStrip(dir);
        file = FileFromText(kThreeFrames);
        ASSERT_TRUE(e.Load(&file, TRUE));
    }
    ScratchDir dir;
    FakeEditorServices env{ dir.Path() };
    CDataFile file;
    CImageListElement e{ "Element_1" };
};

TEST(ImageListElementTest, DefaultsAndPropertyRecords)
{
    CImageListElement e("Element_1");
    EXPECT_EQ(0, e.m_frame);
    EXPECT_EQ(-1, e.m_transX);
    EXPECT_EQ(-1, e.m_transY);
    ASSERT_EQ(6u, e.m_properties.size());
    EXPECT_STREQ("frame", e.m_properties[4].m_strName);
    EXPECT_EQ(VT_I4, e.m_properties[4].m_vt);
    EXPECT_STREQ("mouseMoveable", e.m_properties[5].m_strName);
    EXPECT_EQ(VT_BOOL, e.m_properties[5].m_vt);
}

TEST_F(LoadedStrip, StripShowsTheMiddleFrame)
{
    EXPECT_EQ(50, e.m_width);
    EXPECT_EQ(40, e.m_height);
    e.m_xpos = 5;
    e.m_ypos = 2;
    RECT r = e.GetRect();
    EXPECT_EQ(5, r.left);
    EXPECT_EQ(55, r.right);
    EXPECT_EQ(42, r.bottom);
    DibSurface surface(70, 50, kGreen);
    e.Draw(surface.dc());
    const struct { int x, y; COLORREF colour; } cases[] = {
        { 5, 2, kBlue }, { 54, 41, kBlue }, { 55, 2, kGreen }, { 4, 2, kGreen }, { 5, 42, kGreen },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.colour, surface.Pixel(c.x, c.y)) << c.x << "," << c.y;
}

// The drag image squeezes the whole strip into the shown frame's size.
TEST_F(LoadedStrip, DragImageShowsTheWholeStrip)
{
    e.m_xpos = 20;
    e.m_ypos = 10;
    DibSurface image(60, 50, kGreen);
    DragMask mask(60, 50);
    POINT origin = { 20, 10 };
    e.DrawAt(image.dc(), origin, mask.Handle());
    EXPECT_EQ(kRed, image.Pixel(8, 20));
    EXPECT_EQ(kBlue, image.Pixel(25, 20));
    EXPECT_EQ(kYellow, image.Pixel(41, 20));
    EXPECT_EQ(kGreen, image.Pixel(55, 20));
    EXPECT_TRUE(mask.Marked(49, 39));
    EXPECT_FALSE(mask.Marked(50, 20));
}

TEST(ImageListElementTest, InvalidFrameDataDoesNotLoad)
{
    const struct { const char* name; std::string text; BOOL loads; size_t frames; } cases[] = {
        { "no frames", "[Element_1]\nframe = 0\n", FALSE, 0 },
        { "negative index", "[Element_1]\nframe = -1\n[Element_1_Frame_0]\ntop = 0\nleft = 0\nbottom = 1\nright = 1\n", FALSE, 1 },
        { "second frame lacks right",
          "[Element_1]\nframe = 1\n[Element_1_Frame_0]\ntop = 0\nleft = 0\nbottom = 1\nright = 1\n"
          "[Element_1_Frame_1]\ntop = 0\nleft = 1\nbottom = 1\n", FALSE, 1 },
        { "second frame lacks right, frame 0",
          "[Element_1]\nframe = 0\n[Element_1_Frame_0]\ntop = 0\nleft = 0\nbottom = 1\nright = 1\n"
          "[Element_1_Frame_1]\ntop = 0\nleft = 1\nbottom = 1\n", TRUE, 1 },
        { "three frames", kThreeFrames, TRUE, 3 },
    };
    for (const auto& c : cases) {
        CDataFile file = FileFromText(c.text);
        CImageListElement e("Element_1");
        EXPECT_EQ(c.loads, e.Load(&file, TRUE)) << c.name;
        EXPECT_EQ(c.frames, e.m_frames.size()) << c.name;
    }
}

TEST(ImageListElementTest, StoredKeysAndNormalisedFrames)
{
    CImageListElement e("Element_2");
    e.m_strSrc = ".\\tarvex.dat\\s.bmp";
    RECT flipped = { 30, 20, 10, 5 };
    RECT plain = { 0, 0, 4, 4 };
    e.m_frames.push_back(plain);
    e.m_frames.push_back(flipped);
    e.m_frame = 1;
    CDataFile file;
    ASSERT_TRUE(e.Save(&file));
    KeyMap own = SectionKeys(file, "Element_2");
    EXPECT_EQ(".\\tarvex.dat\\s.bmp", own["src"]);
    EXPECT_EQ("1", own["frame"]);
    EXPECT_EQ(0u, own.count("transX"));
    EXPECT_EQ(0u, own.count("transY"));
    KeyMap frame = SectionKeys(file, "Element_2_Frame_1");
    EXPECT_EQ("10", frame["left"]);
    EXPECT_EQ("5", frame["top"]);
    EXPECT_EQ("30", frame["right"]);
    EXPECT_EQ("20", frame["bottom"]);
    EXPECT_EQ(3, file.GetSectionCount());

    e.m_transX = 2;
    e.m_transY = 3;
    CDataFile keyed;
    e.Save(&keyed);
    EXPECT_EQ("2", SectionKeys(keyed, "Element_2")["transX"]);
    EXPECT_EQ("3", SectionKeys(keyed, "Element_2")["transY"]);
    CImageListElement r("Element_2");
    ASSERT_TRUE(r.Load(&keyed, TRUE));
    EXPECT_EQ(2, r.m_transX);
    EXPECT_EQ(3, r.m_transY);
    EXPECT_EQ(20, r.m_width);
    EXPECT_EQ(15, r.m_height);
}

TEST_F(LoadedStrip, FrameOutsideTheFramesIsNeverIndexed)
{
    for (int frame : { -1, 3, 1000000 }) {
        VARIANT v;
        VariantInit(&v);
        V_VT(&v) = VT_I4;
        V_I4(&v) = frame;
        EXPECT_EQ(0, e.AccessProperty("frame", v, TRUE)) << frame;
        EXPECT_EQ(frame, e.m_frame);
        RECT r = e.GetRect();
        EXPECT_TRUE(IsRectEmpty(&r)) << frame;
        POINT pt = { 0, 0 };
        EXPECT_FALSE(e.HitTest(pt)) << frame;
        DibSurface surface(60, 50, kGreen);
        EXPECT_TRUE(e.Draw(surface.dc()));
        EXPECT_EQ(kGreen, surface.Pixel(1, 1)) << frame;
    }
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_I4;
    V_I4(&v) = 2;
    e.AccessProperty("FRAME", v, TRUE);
    DibSurface surface(60, 50, kGreen);
    e.Draw(surface.dc());
    EXPECT_EQ(kYellow, surface.Pixel(1, 1));
}

TEST(ImageListElementTest, AccessPropertyTable)
{
    const struct { const char* name; VARTYPE sent; BOOL put; int result; } cases[] = {
        { "src", VT_BSTR, TRUE, 0 }, { "src", VT_I4, FALSE, 6 }, { "frame", VT_I4, FALSE, 0 },
        { "frame", VT_BSTR, TRUE, 6 }, { "xpos", VT_I4, TRUE, 0 }, { "width", VT_I4, TRUE, 3 },
        { "Cursor", VT_BSTR, FALSE, 0 },
    };
    for (const auto& c : cases) {
        CImageListElement e;
        VARIANT v;
        VariantInit(&v);
        V_VT(&v) = c.sent;
        if (c.sent == VT_BSTR)
            V_BSTR(&v) = SysAllocString(L"x");
        else
            V_I4(&v) = 0;
        EXPECT_EQ(c.result, e.AccessProperty(c.name, v, c.put)) << c.name << " " << c.put;
        VariantClear(&v);
    }
}

TEST(ImageListElementTest, GifStripKeyColourReplacesTheLibraryMask)
{
    ScratchDir dir;
    FakeEditorServices env(dir.Path());
    const COLORREF palette[4] = { kRed, kBlue, kYellow, RGB(0, 0, 0) };
    // Index 1 is the file's own transparent colour; the key pixel is red.
    WriteWholeFile(dir.File("strip.gif"), GifBytes(4, 2, palette, { WholeGifFileFrame(4, 2, { 0, 1, 2, 0, 2, 0, 1, 2 }, 1) }));
    std::string text =
        "[Element_1]\nsrc = strip.gif\nframe = 0\ntransX = 0\ntransY = 0\n"
        "[Element_1_Frame_0]\ntop = 0\nleft = 0\nbottom = 2\nright = 4\n";
    CDataFile file = FileFromText(text);
    CImageListElement e("Element_1");
    ASSERT_TRUE(e.Load(&file, TRUE));
    ASSERT_TRUE(e.m_hMask != NULL);
    DibSurface surface(4, 2, kGreen);
    e.Draw(surface.dc());
    const COLORREF expected[8] = { kGreen, RGB(0, 0, 0), kYellow, kGreen,
                                   kYellow, kGreen, RGB(0, 0, 0), kYellow };
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(expected[i], surface.Pixel(i % 4, i / 4)) << i;
}

TEST_F(LoadedStrip, CloneCopiesFramesAndLoadsItsPicture)
{
    CImageListElement* copy = static_cast<CImageListElement*>(e.Clone());
    EXPECT_EQ(3u, copy->m_frames.size());
    EXPECT_EQ(1, copy->m_frame);
    ASSERT_TRUE(copy->m_hPicture != NULL);
    EXPECT_NE(e.m_hPicture, copy->m_hPicture);
    EXPECT_EQ(50, copy->m_width);
    EXPECT_EQ(40, copy->m_height);
    delete copy;
}

TEST(ImageListElementTest, UpdatePropertyListTakesTheFrame)
{
    CImageListElement e;
    e.m_frame = 4;
    e.m_properties[FindPropertyIndex(e.m_properties, "frame")].m_bChanged = 1;
    CPropertyRecordList list;
    e.UpdatePropertyList(list);
    EXPECT_EQ(4, V_I4(&list[FindPropertyIndex(list, "frame")].m_value));
    EXPECT_EQ(VT_EMPTY, V_VT(&list[FindPropertyIndex(list, "mouseMoveable")].m_value));
}

TEST(ImageListElementTest, MissingPictureDrawsAFrameSizedButton)
{
    ScratchDir dir;
    FakeEditorServices env(dir.Path());
    CDataFile file = FileFromText(kThreeFrames);
    CImageListElement e("Element_1");
    ASSERT_TRUE(e.Load(&file, TRUE));
    EXPECT_TRUE(e.m_hPicture == NULL);
    DibSurface surface(60, 50, kGreen);
    e.Draw(surface.dc());
    EXPECT_NE(kGreen, surface.Pixel(25, 20));
    EXPECT_EQ(kGreen, surface.Pixel(55, 45));
}

}  // namespace
