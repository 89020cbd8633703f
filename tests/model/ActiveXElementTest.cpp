// The ActiveX element against the test control: its stored keys, what it
// reads from the control's type information, a control that cannot be
// created, the placeholder it draws and its copy.
#include "model/ActiveXElement.h"

#include "model/Browser.h"
#include "model/store/DataFile.h"
#include "model/KeptElement.h"
#include "tests/model/ModelTestObjects.h"
#include "tests/model/PageTestSupport.h"
#include "tests/model/TestControlFixture.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const char kMissingClsid[] = "{0BADC0DE-1111-2222-3333-444444444444}";

struct ExpectedProperty
{
    const char* name;
    VARTYPE vt;
    BYTE canGet;
    BYTE canPut;
};

struct ExpectedParameter
{
    const char* name;
    VARTYPE vt;
    BYTE optional;
};

struct ExpectedMethod
{
    const char* name;
    VARTYPE returnType;
    std::vector<ExpectedParameter> params;
};

struct ControlCase
{
    const char* label;
    const char* clsid;
    std::vector<std::string> events;
    std::vector<ExpectedProperty> properties;
    std::vector<ExpectedMethod> methods;
    BYTE dropTarget;
};

// Wine's script control: no class information, so nothing to read.
const char* ScriptControlClsid()
{
    static char text[64] = "";
    CLSID clsid;
    WCHAR wide[64];
    if (!text[0] && SUCCEEDED(CLSIDFromProgID(L"MSScriptControl.ScriptControl", &clsid)) &&
        StringFromGUID2(clsid, wide, 64))
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, NULL, NULL);
    return text;
}

std::vector<ExpectedParameter> SumParameters()
{
    static char names[20][4];
    std::vector<ExpectedParameter> params;
    for (int i = 0; i < 20; ++i) {
        wsprintfA(names[i], "a%d", i + 1);
        params.push_back({ names[i], VT_I4, 0 });
    }
    return params;
}

const std::vector<ControlCase>& ControlCases()
{
    static const std::vector<ControlCase> cases = {
        { "events", kTestControlClsid, { "OnFired", "OnPinged" },
          { { "Caption", VT_BSTR, 1, 0 }, { "Caption", VT_BSTR, 0, 1 },
            { "FireCount", VT_I4, 1, 0 }, { "FillColor", VT_I4, 0, 1 } },
          { { "Add", VT_I4, { { "a", VT_I4, 0 }, { "b", VT_I4, 0 } } },
            { "Concat", VT_BSTR, { { "first", VT_BSTR, 0 }, { "second", VT_VARIANT, 1 } } },
            { "Fire", VT_VOID, { { "text", VT_BSTR, 0 }, { "n", VT_I4, 0 } } },
            { "Ping", VT_VOID, {} }, { "oleDrag", VT_VOID, {} } },
          1 },
        { "plain", kPlainControlClsid, {},
          { { "Label", VT_BSTR, 1, 0 }, { "Label", VT_BSTR, 0, 1 }, { "Length", VT_I4, 1, 0 },
            { "AcceptsDropTarget", VT_I4, 1, 0 }, { "AcceptsDropTarget", VT_I4, 0, 1 } },
          { { "Twice", VT_I4, { { "n", VT_I4, 0 } } }, { "Sum", VT_I4, SumParameters() } },
          1 },
        { "no class information", ScriptControlClsid(), {}, {}, {}, 0 },
    };
    return cases;
}

// The names FillEventList puts into a real list box.
std::vector<std::string> ListedEvents(CActiveXElement& element)
{
    HWND list = CreateWindowExA(0, "LISTBOX", "", 0, 0, 0, 100, 100, NULL, NULL,
                                GetModuleHandleA(NULL), NULL);
    element.FillEventList(list);
    std::vector<std::string> names;
    int count = (int)SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        char text[128] = "";
        SendMessageA(list, LB_GETTEXT, i, (LPARAM)text);
        names.push_back(text);
    }
    DestroyWindow(list);
    return names;
}

void ExpectReadFromControl(CActiveXElement& element, const ControlCase& c)
{
    EXPECT_EQ(c.events, ListedEvents(element));

    CPropertyRecordList offered;
    element.UpdatePropertyList(offered);
    ASSERT_EQ(c.properties.size(), offered.size());
    for (size_t i = 0; i < offered.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "property " << i << " " << c.properties[i].name);
        EXPECT_STREQ(c.properties[i].name, offered[i].m_strName);
        EXPECT_EQ(c.properties[i].vt, offered[i].m_vt);
        EXPECT_EQ(c.properties[i].canGet, offered[i].m_bCanGet);
        EXPECT_EQ(c.properties[i].canPut, offered[i].m_bCanPut);
        EXPECT_EQ(VT_EMPTY, V_VT(&offered[i].m_value));
        EXPECT_TRUE(offered[i].m_strVariableName.IsEmpty());
    }

    ASSERT_EQ(c.methods.size(), element.m_methods.size());
    for (size_t i = 0; i < c.methods.size(); ++i) {
        const ExpectedMethod& want = c.methods[i];
        const CMethodRecord& method = element.m_methods[i];
        SCOPED_TRACE(testing::Message() << "method " << want.name);
        EXPECT_STREQ(want.name, method.GetName());
        EXPECT_EQ(want.returnType, method.GetReturnType());
        ASSERT_EQ((int)want.params.size(), method.GetParamCount());
        for (int p = 0; p < method.GetParamCount(); ++p) {
            const CActiveXMethodParameter* param = method.GetParam(p);
            EXPECT_STREQ(want.params[p].name, param->GetName()) << p;
            EXPECT_EQ(want.params[p].vt, param->GetType()) << p;
            EXPECT_EQ(want.params[p].optional, param->IsOptional()) << p;
            EXPECT_TRUE(param->GetVarName().IsEmpty() && param->GetConstValue().IsEmpty()) << p;
        }
    }
    // The member lists serve only while the control lives.
    EXPECT_EQ(0, element.m_dispatchMembers.GetMemberCount());
    EXPECT_EQ(0, element.m_eventMembers.GetMemberCount());
    // The test control by its method oleDrag, the plain one by its put of AcceptsDropTarget.
    EXPECT_EQ(c.dropTarget, element.m_bDropTarget);
}

class ActiveXElementTest : public TestControlTest
{
};

TEST_F(ActiveXElementTest, StoredKeysRoundTripWhetherOrNotTheControlExists)
{
    const struct { const char* clsid; BOOL created; } cases[] = {
        { kTestControlClsid, TRUE }, { kMissingClsid, FALSE }, { "", FALSE },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clsid);
        CActiveXElement original("Element_1");
        original.m_strType = "ActiveX";
        original.m_strId = "player";
        original.m_xpos = 7;
        original.m_ypos = 9;
        original.m_width = 150;
        original.m_height = 45;
        original.m_strCLSID = c.clsid;
        original.m_strProgID = "Some.Control";
        original.m_bDropTarget = 1;
        original.m_resize = 3;
        original.m_reposition = 1;
        CDataFile stored;
        ASSERT_TRUE(original.Save(&stored));

        CActiveXElement loaded("Element_1");
        EXPECT_EQ(c.created, loaded.Load(&stored, TRUE));
        EXPECT_STREQ("Some.Control", loaded.m_strCaption);
        CDataFile saved;
        ASSERT_TRUE(loaded.Save(&saved));
        KeyMap keys = SectionKeys(saved, "Element_1");
        EXPECT_EQ(SectionKeys(stored, "Element_1"), keys);
        EXPECT_EQ(c.clsid, keys["CLSID"]);
        EXPECT_EQ("150", keys["width"]);
        EXPECT_EQ("true", keys["dropTarget"]);
        EXPECT_EQ("3", keys["resize"]);
    }
}

TEST_F(ActiveXElementTest, CreateControlReadsTypeInformationOnceHoweverOftenCalled)
{
    for (const ControlCase& c : ControlCases()) {
        SCOPED_TRACE(c.label);
        ASSERT_TRUE(c.clsid[0]);
        CActiveXElement element("Element_1");
        element.m_strCLSID = c.clsid;
        for (int round = 1; round <= 2; ++round) {
            SCOPED_TRACE(testing::Message() << "round " << round);
            ASSERT_TRUE(element.CreateControl());
            ExpectReadFromControl(element, c);
        }
        CDataFile saved;
        ASSERT_TRUE(element.Save(&saved));
        EXPECT_EQ(c.dropTarget ? "true" : "false", SectionKeys(saved, "Element_1")["dropTarget"]);
    }
}

TEST_F(ActiveXElementTest, NaturalSizeIsCutToThePageOr200By60WhenItIsTheHostsSize)
{
    // The test control takes whatever extent its host gives it, the plain
    // one keeps 100 x 100; only an element without a width asks for it.
    const struct { const char* clsid; int x, y, storedWidth, storedHeight; int width, height; } cases[] = {
        { kTestControlClsid, 0, 0, 0, 0, 200, 60 },
        { kTestControlClsid, 350, 250, 0, 0, 200, 60 },
        { kTestControlClsid, 0, 0, 33, 21, 33, 21 },
        { kPlainControlClsid, 0, 0, 0, 0, 100, 100 },
        { kPlainControlClsid, 350, 250, 0, 0, 50, 50 },
        { kPlainControlClsid, 350, 250, 70, 20, 70, 20 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.clsid << " at " << c.x << "," << c.y << " stored " << c.storedWidth);
        CBrowser page;
        CActiveXElement* element = new CActiveXElement("Element_1");
        element->m_strCLSID = c.clsid;
        element->m_xpos = c.x;
        element->m_ypos = c.y;
        element->m_width = c.storedWidth;
        element->m_height = c.storedHeight;
        page.AddChild(element);
        ASSERT_TRUE(element->CreateControl());
        EXPECT_EQ(c.width, element->m_width);
        EXPECT_EQ(c.height, element->m_height);
        page.Unload();
    }
}

TEST_F(ActiveXElementTest, MissingControlLeavesAPlaceholderWithItsScripts)
{
    const std::string text =
        "[Element_1]\ntype = ActiveX\nid = gone\nwidth = 90\nheight = 30\n"
        "CLSID = " + std::string(kMissingClsid) + "\nprogID = Gone.Control\nnumScripts = 1\n"
        "[Element_1_Script_1]\nnumScriptItems = 0\nname = OnGone\n";
    CDataFile file = FileFromText(text);
    CActiveXElement element("Element_1");
    EXPECT_FALSE(element.Load(&file, TRUE));
    EXPECT_TRUE(element.m_eventNames.empty());
    EXPECT_TRUE(element.m_methods.empty());
    CPropertyRecordList offered;
    element.UpdatePropertyList(offered);
    EXPECT_TRUE(offered.empty());
    ASSERT_EQ(1, element.GetScriptCount());
    EXPECT_STREQ("OnGone", element.m_scripts[0]->m_strName);
    EXPECT_EQ(90, element.m_width);
    EXPECT_STREQ("Gone.Control", element.m_strCaption);

    // Its own properties are those of a placeholder: the control's names
    // read nothing and refuse a write.
    const struct { const char* name; VARTYPE vt; BOOL put; int result; LONG after; } access[] = {
        { "Caption", VT_BSTR, FALSE, 0, 0 },
        { "Caption", VT_BSTR, TRUE, 3, 0 },
        { "FillColor", VT_I4, TRUE, 3, 0 },
        { "WIDTH", VT_I4, FALSE, 0, 90 },
        { "xpos", VT_I4, TRUE, 0, 0 },
        { "height", VT_BSTR, FALSE, 6, 0 },
    };
    for (const auto& a : access) {
        SCOPED_TRACE(testing::Message() << a.name << (a.put ? " put" : " get"));
        VARIANT value;
        VariantInit(&value);
        V_VT(&value) = a.vt;
        if (a.vt == VT_BSTR)
            V_BSTR(&value) = SysAllocString(L"x");
        else
            V_I4(&value) = 0;
        EXPECT_EQ(a.result, element.AccessProperty(a.name, value, a.put));
        if (a.vt == VT_I4) {
            EXPECT_EQ(a.after, V_I4(&value));
        }
        VariantClear(&value);
    }
}

TEST_F(ActiveXElementTest, EmptyClassIdKeepsTheMouseEvents)
{
    CDataFile file = FileFromText("[Element_1]\ntype = ActiveX\nCLSID = \nwidth = 10\n");
    CActiveXElement element("Element_1");
    EXPECT_FALSE(element.Load(&file, TRUE));
    const std::vector<std::string> mouse = { "OnMouseIn", "OnMouseOut", "OnMouseDown", "OnMouseUp" };
    EXPECT_EQ(mouse, ListedEvents(element));
}

TEST_F(ActiveXElementTest, PageHoldsTheElementAndKeepsOneWhoseControlIsMissing)
{
    const std::string text =
        "[Main]\nnumElements = 2\n"
        "[Element_1]\ntype = ActiveX\nid = live\nwidth = 90\nheight = 30\n"
        "CLSID = " + std::string(kTestControlClsid) + "\nprogID = LumbrookTest.Control\n"
        "[Element_2]\ntype = ActiveX\nid = gone\nwidth = 90\nheight = 30\n"
        "CLSID = " + std::string(kMissingClsid) + "\nprogID = Gone.Control\nlegacy = kept\n";
    CDataFile file = FileFromText(text);
    CBrowser page;
    EXPECT_FALSE(page.Load(&file, TRUE));
    ASSERT_EQ(2u, page.m_children.size());
    CActiveXElement* live = dynamic_cast<CActiveXElement*>(page.m_children[0]);
    ASSERT_TRUE(live != NULL);
    EXPECT_EQ(ControlCases()[0].events, ListedEvents(*live));
    EXPECT_TRUE(page.CanAcceptChild(live));
    EXPECT_TRUE(dynamic_cast<CKeptElement*>(page.m_children[1]) != NULL);
    CDataFile saved;
    page.Save(&saved);
    EXPECT_EQ(SectionKeys(file, "Element_2"), SectionKeys(saved, "Element_2"));
    page.Unload();
}

// Counts the pixels of one colour inside and outside a rectangle.
struct PixelCount
{
    int inside = 0;
    int outside = 0;
};

PixelCount CountPixels(const DibSurface& surface, int w, int h, const RECT& rect, COLORREF colour)
{
    PixelCount count;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (surface.Pixel(x, y) != colour)
                continue;
            POINT pt = { x, y };
            if (PtInRect(&rect, pt))
                count.inside++;
            else
                count.outside++;
        }
    }
    return count;
}

TEST(ActiveXElementDrawTest, GreyHalfTransparentPlaceholderWithTheProgIdCaption)
{
    // 0xFF blended towards 0xAA at alpha 127: (256 * 255 + 127 * (170 - 255)) >> 8.
    const COLORREF grey = RGB(212, 212, 212);
    const COLORREF white = RGB(255, 255, 255);
    const COLORREF backdrop = RGB(255, 255, 255);
    const struct { const char* label; int width; BOOL visible; int minSize, maxSize; } cases[] = {
        { "wide", 380, TRUE, 12, 12 },
        { "narrow", 110, TRUE, 6, 11 },
        { "too narrow", 12, FALSE, 5, 5 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        DibSurface surface(400, 60, backdrop);
        CActiveXElement element;
        element.m_strProgID = "LumbrookTest.Control";
        element.m_strCaption = element.m_strProgID;
        element.m_xpos = 10;
        element.m_ypos = 10;
        element.m_width = c.width;
        element.m_height = 40;
        EXPECT_TRUE(element.Draw(surface.dc()));
        EXPECT_EQ(c.visible, element.m_bCaptionVisible);
        EXPECT_GE(element.m_fontSize, c.minSize);
        EXPECT_LE(element.m_fontSize, c.maxSize);

        RECT rect = element.GetRect();
        EXPECT_EQ(grey, surface.Pixel(10, 10));
        EXPECT_EQ(grey, surface.Pixel(10 + c.width - 1, 49));
        EXPECT_EQ(backdrop, surface.Pixel(9, 10));
        EXPECT_EQ(backdrop, surface.Pixel(10 + c.width, 49));
        EXPECT_EQ(backdrop, surface.Pixel(10, 50));
        // The backdrop is white too: inside the rectangle only the caption is.
        PixelCount text = CountPixels(surface, 400, 60, rect, white);
        if (c.visible) {
            EXPECT_GT(text.inside, 10);
        } else {
            EXPECT_EQ(0, text.inside);
        }
    }
}

TEST(ActiveXElementDrawTest, WideningRefitsTheCaptionFromTwelvePoints)
{
    DibSurface surface(400, 60);
    CActiveXElement element;
    element.m_strCaption = "LumbrookTest.Control";
    element.m_width = 60;
    element.m_height = 40;
    element.Draw(surface.dc());
    EXPECT_LT(element.m_fontSize, 12);
    element.m_width = 380;
    element.Draw(surface.dc());
    EXPECT_EQ(12, element.m_fontSize);
    EXPECT_EQ(1, element.m_bCaptionVisible);
}

TEST(ActiveXElementDrawTest, DragImageIsSolidBackgroundAndAWholeMask)
{
    DibSurface image(200, 60);
    HBITMAP mask = CreateBitmap(200, 60, 1, 1, NULL);
    HDC maskDC = CreateCompatibleDC(NULL);
    HGDIOBJ old = SelectObject(maskDC, mask);
    PatBlt(maskDC, 0, 0, 200, 60, WHITENESS);
    SelectObject(maskDC, old);

    CActiveXElement element;
    element.m_strCaption = "Caption";
    element.m_xpos = 30;
    element.m_ypos = 20;
    element.m_width = 150;
    element.m_height = 30;
    POINT origin = { 20, 10 };
    element.DrawAt(image.dc(), origin, mask);

    old = SelectObject(maskDC, mask);
    const struct { int x, y; COLORREF image, mask; } pixels[] = {
        { 10, 10, RGB(170, 170, 170), RGB(0, 0, 0) },
        { 159, 39, RGB(170, 170, 170), RGB(0, 0, 0) },
        { 9, 10, RGB(255, 255, 255), RGB(255, 255, 255) },
        { 160, 39, RGB(255, 255, 255), RGB(255, 255, 255) },
    };
    for (const auto& p : pixels) {
        EXPECT_EQ(p.image, image.Pixel(p.x, p.y)) << p.x << "," << p.y;
        EXPECT_EQ(p.mask, GetPixel(maskDC, p.x, p.y)) << p.x << "," << p.y;
    }
    SelectObject(maskDC, old);
    DeleteDC(maskDC);
    DeleteObject(mask);
    RECT rect = { 10, 10, 160, 40 };
    EXPECT_GT(CountPixels(image, 200, 60, rect, RGB(255, 255, 255)).inside, 10);
}

TEST_F(ActiveXElementTest, CloneCopiesTheRecordsAndMakesItsOwnFont)
{
    CActiveXElement* original = new CActiveXElement("Element_2");
    original->m_strCLSID = kTestControlClsid;
    original->m_strProgID = kTestControlProgId;
    original->m_strCaption = kTestControlProgId;
    original->m_xpos = 4;
    original->m_resize = 2;
    original->m_bgTransparency = 0.25;
    ASSERT_TRUE(original->CreateControl());
    DibSurface surface(300, 100);
    original->Draw(surface.dc());

    CActiveXElement* copy = dynamic_cast<CActiveXElement*>(original->Clone());
    ASSERT_TRUE(copy != NULL);
    EXPECT_NE(original->GetSerial(), copy->GetSerial());
    EXPECT_TRUE(copy->m_hFont == NULL || copy->m_hFont != original->m_hFont);
    const struct { const char* field; bool same; } fields[] = {
        { "CLSID", copy->m_strCLSID == original->m_strCLSID },
        { "progID", copy->m_strProgID == original->m_strProgID },
        { "caption", copy->m_strCaption == original->m_strCaption },
        { "size", copy->m_width == original->m_width && copy->m_height == original->m_height },
        { "xpos", copy->m_xpos == original->m_xpos },
        { "resize", copy->m_resize == original->m_resize },
        { "bgTransparency", copy->m_bgTransparency == original->m_bgTransparency },
        { "events", copy->m_eventNames == original->m_eventNames },
        { "methods", copy->m_methods.size() == original->m_methods.size() },
        { "properties", copy->m_properties.size() == original->m_properties.size() },
    };
    for (const auto& f : fields)
        EXPECT_TRUE(f.same) << f.field;
    delete original;

    ExpectReadFromControl(*copy, ControlCases()[0]);
    DibSurface again(300, 100);
    EXPECT_TRUE(copy->Draw(again.dc()));
    EXPECT_GT(CountPixels(again, 300, 100, copy->GetRect(), RGB(255, 255, 255)).inside, 10);
    delete copy;
}

}  // namespace
