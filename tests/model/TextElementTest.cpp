#include "model/TextElement.h"

#include "model/store/DataFile.h"
#include "model/ImageUtil.h"
#include "tests/model/ModelTestObjects.h"
#include "tests/model/PageTestSupport.h"

#include <gtest/gtest.h>
#include <oleauto.h>

namespace {

TEST(TextElementTest, DefaultsAndPropertyRecords)
{
    CTextElement t("Element_1");
    EXPECT_EQ(40, t.m_width);
    EXPECT_EQ(20, t.m_height);
    EXPECT_STREQ("Arial", t.m_strFontName);
    EXPECT_EQ(10, t.m_fontSize);
    EXPECT_EQ(400, t.m_fontWeight);
    EXPECT_EQ(1, t.m_singleline);
    EXPECT_EQ(2, t.m_resize);
    EXPECT_EQ(2, t.m_reposition);
    EXPECT_EQ(0x920u, t.m_format);
    EXPECT_STREQ("left", t.m_strJustification);
    EXPECT_STREQ("top", t.m_strVJustification);
    const struct { const char* name; VARTYPE vt; } records[] = {
        { "width", VT_I4 }, { "height", VT_I4 }, { "xpos", VT_I4 }, { "ypos", VT_I4 },
        { "text", VT_BSTR }, { "fontName", VT_BSTR }, { "fontColor", VT_UI4 }, { "fontSize", VT_I4 },
        { "fontWeight", VT_I4 }, { "fontItalic", VT_BOOL }, { "fontUnderline", VT_BOOL },
        { "fontStrikeOut", VT_BOOL }, { "singleline", VT_BOOL }, { "bgColor", VT_UI4 },
        { "bgTransparency", VT_R8 }, { "justification", VT_BSTR }, { "vjustification", VT_BSTR },
        { "mouseMoveable", VT_BOOL },
    };
    ASSERT_EQ(sizeof(records) / sizeof(records[0]), t.m_properties.size());
    for (size_t i = 0; i < t.m_properties.size(); ++i) {
        EXPECT_STREQ(records[i].name, t.m_properties[i].m_strName) << i;
        EXPECT_EQ(records[i].vt, t.m_properties[i].m_vt) << records[i].name;
    }
}

TEST(TextElementTest, StoredKeysAndLoadBack)
{
    CTextElement t("Element_2");
    t.m_strText = "one\r\ntwo";
    t.m_fontColor = RGB(1, 2, 3);
    t.m_strFontName = "Tahoma";
    t.m_fontSize = 12;
    t.m_fontWeight = 700;
    t.m_fontItalic = 1;
    t.m_bgColor = 0x0000FF;
    t.m_bgTransparency = 0.25;
    t.m_strJustification = "center";
    t.m_strVJustification = "bottom";
    t.m_singleline = 0;
    t.m_width = 80;
    t.m_xpos = 3;
    CDataFile file;
    ASSERT_TRUE(t.Save(&file));
    KeyMap keys = SectionKeys(file, "Element_2");
    const struct { const char* key; const char* value; } expected[] = {
        { "resize", "2" }, { "reposition", "2" }, { "width", "80" }, { "height", "20" },
        { "fontColor", "197121" }, { "fontName", "Tahoma" }, { "fontSize", "12" },
        { "fontWeight", "700" }, { "fontItalic", "1" }, { "fontUnderline", "0" },
        { "fontStrikeOut", "0" }, { "bgColor", "255" }, { "bgTransparency", "0.2500" },
        { "justification", "center" }, { "vjustification", "bottom" }, { "singleline", "0" },
        { "xpos", "3" }, { "numScripts", "0" },
    };
    for (const auto& e : expected)
        EXPECT_EQ(e.value, keys[e.key]) << e.key;
    EXPECT_EQ(1u, keys.count("text"));
    EXPECT_EQ(1, file.GetSectionCount());

    CTextElement r("Element_2");
    ASSERT_TRUE(r.Load(&file, TRUE));
    EXPECT_STREQ("one\r\ntwo", r.m_strText);
    EXPECT_STREQ("Tahoma", r.m_strFontName);
    EXPECT_EQ(RGB(1, 2, 3), r.m_fontColor);
    EXPECT_EQ(700, r.m_fontWeight);
    EXPECT_DOUBLE_EQ(0.25, r.m_bgTransparency);
    EXPECT_EQ(80, r.m_width);
    EXPECT_EQ(3, r.m_xpos);
    EXPECT_EQ((UINT)(DT_NOCLIP | DT_NOPREFIX | DT_CENTER | DT_WORDBREAK), r.m_format);
}

TEST(TextElementTest, FormatFlagsTable)
{
    const struct { const char* h; const char* v; int single; UINT flags; } cases[] = {
        { "left", "top", 1, DT_SINGLELINE },
        { "right", "top", 1, DT_RIGHT | DT_SINGLELINE },
        { "Right", "top", 1, DT_SINGLELINE },
        { "center", "center", 1, DT_CENTER | DT_SINGLELINE | DT_VCENTER },
        { "left", "middle", 1, DT_SINGLELINE | DT_VCENTER },
        { "left", "bottom", 1, DT_SINGLELINE | DT_BOTTOM },
        { "left", "bottom", 0, DT_WORDBREAK },
    };
    for (const auto& c : cases) {
        CTextElement t;
        t.m_strJustification = c.h;
        t.m_strVJustification = c.v;
        t.m_singleline = c.single;
        t.UpdateFormat();
        EXPECT_EQ(DT_NOCLIP | DT_NOPREFIX | c.flags, t.m_format) << c.h << "/" << c.v << "/" << c.single;
    }
}

TEST(TextElementTest, CloneCopiesFieldsButNotTheFont)
{
    CTextElement t("Element_1");
    t.m_strText = "hello";
    t.m_bgTransparency = 0.5;
    t.m_strId = "label";
    DibSurface surface(50, 30);
    t.Draw(surface.dc());
    ASSERT_TRUE(t.m_hFont != NULL);
    CTextElement* copy = static_cast<CTextElement*>(t.Clone());
    EXPECT_STREQ("hello", copy->m_strText);
    EXPECT_DOUBLE_EQ(0.5, copy->m_bgTransparency);
    EXPECT_STREQ("label", copy->m_strId);
    EXPECT_TRUE(copy->m_hFont == NULL);
    EXPECT_NE(t.GetSerial(), copy->GetSerial());
    delete copy;
}

struct AccessCase
{
    const char* name;
    VARTYPE sent;
    BOOL put;
    int result;
};

TEST(TextElementTest, AccessPropertyResultCodes)
{
    const AccessCase cases[] = {
        { "FONTSIZE", VT_I4, TRUE, 0 }, { "fontSize", VT_BSTR, TRUE, 6 },
        { "fontSize", VT_BSTR, FALSE, 6 }, { "text", VT_BSTR, FALSE, 0 },
        { "text", VT_I4, FALSE, 6 }, { "fontColor", VT_UI4, TRUE, 0 },
        { "fontColor", VT_I4, TRUE, 6 }, { "fontItalic", VT_BOOL, TRUE, 0 },
        { "bgTransparency", VT_R8, TRUE, 0 }, { "cursor", VT_BSTR, TRUE, 0 },
        { "nothing", VT_I4, TRUE, 3 }, { "nothing", VT_I4, FALSE, 0 },
    };
    for (const auto& c : cases) {
        CTextElement t;
        VARIANT v;
        VariantInit(&v);
        V_VT(&v) = c.sent;
        if (c.sent == VT_BSTR)
            V_BSTR(&v) = SysAllocString(L"x");
        else
            V_I4(&v) = 1;
        EXPECT_EQ(c.result, t.AccessProperty(c.name, v, c.put)) << c.name << " " << c.sent << " " << c.put;
        VariantClear(&v);
    }
}

TEST(TextElementTest, AccessPropertyValues)
{
    CTextElement t;
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_I4;
    V_I4(&v) = 24;
    ASSERT_EQ(0, t.AccessProperty("fontsize", v, TRUE));
    EXPECT_EQ(24, t.m_fontSize);

    V_VT(&v) = VT_BOOL;
    V_BOOL(&v) = VARIANT_TRUE;
    ASSERT_EQ(0, t.AccessProperty("fontUnderline", v, TRUE));
    EXPECT_EQ(-1, t.m_fontUnderline);
    ASSERT_EQ(0, t.AccessProperty("fontUnderline", v, FALSE));
    EXPECT_EQ(VT_I4, V_VT(&v));
    EXPECT_EQ(-1, V_I4(&v));

    t.m_bgColor = RGB(10, 20, 30);
    V_VT(&v) = VT_UI4;
    ASSERT_EQ(0, t.AccessProperty("bgColor", v, FALSE));
    EXPECT_EQ(VT_I4, V_VT(&v));
    EXPECT_EQ((LONG)RGB(10, 20, 30), V_I4(&v));

    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = SysAllocString(L"Courier");
    ASSERT_EQ(0, t.AccessProperty("fontName", v, TRUE));
    EXPECT_STREQ("Courier", t.m_strFontName);
    t.m_strText = "abc";
    ASSERT_EQ(0, t.AccessProperty("text", v, FALSE));
    EXPECT_EQ(VT_BSTR, V_VT(&v));
    EXPECT_EQ(0, wcscmp(L"abc", V_BSTR(&v)));
    VariantClear(&v);
}

TEST(TextElementTest, UpdatePropertyListRefreshesChangedRecords)
{
    CTextElement t;
    t.m_strText = "now";
    t.m_fontSize = 33;
    t.m_bMouseMoveable = 1;
    t.m_width = 77;
    for (const char* name : { "text", "fontSize", "mouseMoveable", "width" })
        t.m_properties[FindPropertyIndex(t.m_properties, name)].m_bChanged = 1;
    CPropertyRecordList list;
    t.UpdatePropertyList(list);
    ASSERT_EQ(t.m_properties.size(), list.size());
    EXPECT_STREQ("now", list[FindPropertyIndex(list, "text")].GetValueText());
    EXPECT_EQ(33, V_I4(&list[FindPropertyIndex(list, "fontSize")].m_value));
    EXPECT_EQ(VARIANT_TRUE, V_BOOL(&list[FindPropertyIndex(list, "mouseMoveable")].m_value));
    EXPECT_EQ(77, V_I4(&list[FindPropertyIndex(list, "width")].m_value));
    EXPECT_EQ(VT_EMPTY, V_VT(&list[FindPropertyIndex(list, "fontName")].m_value));
}

TEST(TextElementTest, HitTestAndRect)
{
    CTextElement t;
    t.m_xpos = 10;
    t.m_ypos = 5;
    const struct { int x, y; BOOL hit; } cases[] = {
        { 10, 5, TRUE }, { 49, 24, TRUE }, { 50, 5, FALSE }, { 10, 25, FALSE }, { 9, 5, FALSE },
    };
    for (const auto& c : cases) {
        POINT pt = { c.x, c.y };
        EXPECT_EQ(c.hit, t.HitTest(pt)) << c.x << "," << c.y;
    }
    RECT r = t.GetRect();
    EXPECT_EQ(50, r.right);
    EXPECT_EQ(25, r.bottom);
}

TEST(TextElementTest, DrawBlendsBackgroundUpToTheClipBox)
{
    CTextElement t;
    t.m_bgColor = RGB(255, 0, 0);
    t.m_bgTransparency = 0.5;
    t.m_xpos = 2;
    t.m_ypos = 2;
    DibSurface surface(30, 30);
    HRGN clip = CreateRectRgn(0, 0, 20, 10);
    SelectClipRgn(surface.dc(), clip);
    DeleteObject(clip);
    t.Draw(surface.dc());
    SelectClipRgn(surface.dc(), NULL);
    EXPECT_EQ(RGB(255, 128, 128), surface.Pixel(19, 9));
    EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(20, 9));
    EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(19, 10));
    EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(1, 1));
}

TEST(TextElementTest, DrawTextInFontColourWithoutBackground)
{
    CTextElement t;
    t.m_strText = "WWWW";
    t.m_fontColor = RGB(0, 0, 255);
    t.m_fontSize = 14;
    t.m_width = 80;
    t.m_height = 30;
    DibSurface surface(100, 40);
    t.Draw(surface.dc());
    int blue = 0, other = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 100; ++x) {
            COLORREF c = surface.Pixel(x, y);
            if (c == RGB(0, 0, 255))
                ++blue;
            else if (c != RGB(255, 255, 255) && GetRValue(c) > GetBValue(c))
                ++other;
        }
    }
    EXPECT_GT(blue, 10);
    EXPECT_EQ(0, other);
    EXPECT_EQ(RGB(255, 255, 255), surface.Pixel(99, 39));
}

TEST(TextElementTest, DragMaskIsSolidFromPointFourOpacity)
{
    const struct { double opacity; bool solid; } cases[] = { { 0.4, true }, { 0.39, false }, { 1.0, true } };
    for (const auto& c : cases) {
        CTextElement t;
        t.m_strText = "";
        t.m_bgTransparency = c.opacity;
        t.m_bgColor = RGB(0, 255, 0);
        t.m_xpos = 12;
        t.m_ypos = 12;
        DibSurface image(60, 40);
        DragMask mask(60, 40);
        POINT origin = { 10, 10 };
        t.DrawAt(image.dc(), origin, mask.Handle());
        EXPECT_EQ(c.solid, mask.Marked(5, 5)) << c.opacity;
        EXPECT_FALSE(mask.Marked(45, 5)) << c.opacity;
        EXPECT_EQ(RGB(0, 255, 0), image.Pixel(3, 3)) << c.opacity;
        EXPECT_EQ(RGB(255, 255, 255), image.Pixel(45, 5)) << c.opacity;
    }
}

}  // namespace
