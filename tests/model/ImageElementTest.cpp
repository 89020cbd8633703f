#include "model/ImageElement.h"

#include "model/store/DataFile.h"
#include "model/ImageUtil.h"
#include "tests/model/ModelTestObjects.h"
#include "tests/model/PageTestSupport.h"
#include "tests/support/JpegBytes.h"

#include <initguid.h>
#include <wincodec.h>
#include <gtest/gtest.h>
#include <oleauto.h>

namespace {

const COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGreen = RGB(0, 255, 0);

// A baseline JPEG of one colour, encoded by Windows Imaging Component.
bool WriteJpegFile(const std::string& path, int w, int h, COLORREF colour)
{
    CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
    IWICImagingFactory* factory = NULL;
    IWICStream* stream = NULL;
    IWICBitmapEncoder* encoder = NULL;
    IWICBitmapFrameEncode* frame = NULL;
    std::vector<BYTE> rows(w * 3 * h);
    for (int i = 0; i < w * h; ++i) {
        rows[i * 3] = GetBValue(colour);
        rows[i * 3 + 1] = GetGValue(colour);
        rows[i * 3 + 2] = GetRValue(colour);
    }
    std::wstring wide(path.begin(), path.end());
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    bool ok = SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, NULL, CLSCTX_INPROC_SERVER,
                                         IID_IWICImagingFactory, (void**)&factory)) &&
              SUCCEEDED(factory->CreateStream(&stream)) &&
              SUCCEEDED(stream->InitializeFromFilename(wide.c_str(), GENERIC_WRITE)) &&
              SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatJpeg, NULL, &encoder)) &&
              SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
              SUCCEEDED(encoder->CreateNewFrame(&frame, NULL)) &&
              SUCCEEDED(frame->Initialize(NULL)) && SUCCEEDED(frame->SetSize(w, h)) &&
              SUCCEEDED(frame->SetPixelFormat(&format)) &&
              SUCCEEDED(frame->WritePixels(h, w * 3, (UINT)rows.size(), rows.data())) &&
              SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    if (frame) frame->Release();
    if (encoder) encoder->Release();
    if (stream) stream->Release();
    if (factory) factory->Release();
    CoUninitialize();
    return ok;
}

TEST(ImageElementTest, DefaultsAndPropertyRecords)
{
    CImageElement e("Element_1");
    EXPECT_EQ(0, e.m_width);
    EXPECT_EQ(0, e.m_height);
    EXPECT_EQ(-1, e.m_transX);
    EXPECT_EQ(-1, e.m_transY);
    EXPECT_EQ(3, e.m_resize);
    EXPECT_EQ(2, e.m_reposition);
    EXPECT_EQ(1, e.m_buttonType);
    const char* names[] = { "width", "height", "xpos", "ypos", "src", "animated", "buttonText", "mouseMoveable" };
    const VARTYPE types[] = { VT_I4, VT_I4, VT_I4, VT_I4, VT_BSTR, VT_BOOL, VT_BSTR, VT_BOOL };
    ASSERT_EQ(8u, e.m_properties.size());
    for (int i = 0; i < 8; ++i) {
        EXPECT_STREQ(names[i], e.m_properties[i].m_strName) << i;
        EXPECT_EQ(types[i], e.m_properties[i].m_vt) << names[i];
    }
}

TEST(ImageElementTest, StoredKeysFollowSourceAndKind)
{
    ImportingServices services;
    struct Case
    {
        const char* name;
        const char* src;
        int transX;
        int buttonType;
        std::vector<std::string> present;
        std::vector<std::string> absent;
        const char* storedSrc;
    };
    const Case cases[] = {
        { "empty src", "", 2, 1, { "src", "resize", "reposition", "width", "height", "ratio", "buttonType" },
          { "animated", "transX", "transY", "text" }, "" },
        { "no key colour", "a.bmp", -1, 0, { "src", "animated" }, { "transX", "transY", "text" },
          ".\\tarvex.dat\\a.bmp" },
        { "key colour", "a.bmp", 3, 1, { "transX", "transY" }, { "text" }, ".\\tarvex.dat\\a.bmp" },
        { "system button", "", -1, 2, { "text", "src" }, { "animated" }, "" },
    };
    for (const Case& c : cases) {
        CImageElement e("Element_1");
        e.m_strSrc = c.src;
        e.m_transX = c.transX;
        e.m_transY = 4;
        e.m_buttonType = c.buttonType;
        e.m_strText = "Go";
        CDataFile file;
        ASSERT_TRUE(e.Save(&file)) << c.name;
        KeyMap keys = SectionKeys(file, "Element_1");
        for (const std::string& k : c.present)
            EXPECT_EQ(1u, keys.count(k)) << c.name << ": " << k;
        for (const std::string& k : c.absent)
            EXPECT_EQ(0u, keys.count(k)) << c.name << ": " << k;
        EXPECT_EQ(c.storedSrc, keys["src"]) << c.name;
        EXPECT_STREQ(c.src, e.m_strSrc) << c.name;
    }
    EXPECT_EQ(2u, services.imports.size());
    EXPECT_TRUE(services.imports[0].second);
}

TEST(ImageElementTest, KeyColourIsReadOnlyWithTransX)
{
    const struct { const char* text; int x, y; } cases[] = {
        { "[Element_1]\ntransX = 5\ntransY = 6\n", 5, 6 },
        { "[Element_1]\ntransY = 6\n", -1, -1 },
        { "[Element_1]\ntransX = 7\n", 7, -1 },
    };
    for (const auto& c : cases) {
        CDataFile file = FileFromText(c.text);
        CImageElement e("Element_1");
        e.m_transX = 1;
        e.m_transY = 1;
        if (c.x == 7)
            e.m_transY = -1;
        EXPECT_TRUE(e.Load(&file, TRUE));
        EXPECT_EQ(c.x, e.m_transX) << c.text;
        EXPECT_EQ(c.y, e.m_transY) << c.text;
    }
}

TEST(ImageElementTest, LoadBackAllKeys)
{
    CImageElement e("Element_3");
    e.m_strSrc = "b.bmp";
    e.m_animated = 1;
    e.m_transX = 1;
    e.m_transY = 2;
    e.m_resize = 0;
    e.m_reposition = 1;
    e.m_width = 30;
    e.m_height = 40;
    e.m_ratio = 1;
    e.m_buttonType = 2;
    e.m_strText = "Caption";
    CDataFile file;
    e.Save(&file);
    CImageElement r("Element_3");
    EXPECT_TRUE(r.Load(&file, TRUE));
    EXPECT_STREQ("b.bmp", r.m_strSrc);
    EXPECT_EQ(1, r.m_animated);
    EXPECT_EQ(2, r.m_transY);
    EXPECT_EQ(0, r.m_resize);
    EXPECT_EQ(1, r.m_reposition);
    EXPECT_EQ(30, r.m_width);
    EXPECT_EQ(40, r.m_height);
    EXPECT_EQ(1, r.m_ratio);
    EXPECT_EQ(2, r.m_buttonType);
    EXPECT_STREQ("Caption", r.m_strText);
}

TEST(ImageElementTest, SizeComesFromThePictureWhenUnset)
{
    ScratchDir dir;
    FakeEditorServices env(dir.Path());
    WriteSolidBmp(dir.File("pic.bmp"), 120, 80, kRed);
    const struct { const char* src; int w, h; int wantW, wantH; } cases[] = {
        { "pic.bmp", 0, 0, 120, 80 },
        { "pic.bmp", 300, 0, 300, 80 },
        { "missing.bmp", 0, 0, 200, 35 },
        { "missing.bmp", 50, 0, 50, 35 },
    };
    for (const auto& c : cases) {
        CImageElement e;
        e.m_strSrc = c.src;
        e.m_width = c.w;
        e.m_height = c.h;
        e.LoadImage(FALSE);
        EXPECT_EQ(c.wantW, e.m_width) << c.src << " " << c.w;
        EXPECT_EQ(c.wantH, e.m_height) << c.src << " " << c.w;
        RECT r = e.GetRect();
        EXPECT_EQ(c.wantW, r.right - r.left) << c.src;
    }
}

// A 4 x 4 picture, left half red, right half blue, keyed on red and
// stretched to 8 x 8 at (1, 1).
void LoadKeyedPicture(const ScratchDir& dir, CImageElement& e)
{
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            pixels.push_back(x < 2 ? kRed : kBlue);
    WriteBmpFile(dir.File("key.bmp"), 4, 4, pixels);
    e.m_strSrc = "key.bmp";
    e.m_transX = 0;
    e.m_transY = 3;
    e.m_width = 8;
    e.m_height = 8;
    e.m_xpos = 1;
    e.m_ypos = 1;
    e.LoadImage(FALSE);
}

TEST(ImageElementTest, KeyColourShowsThePageThroughAStretchedPicture)
{
    ScratchDir dir;
    FakeEditorServices env(dir.Path());
    CImageElement e;
    LoadKeyedPicture(dir, e);
    ASSERT_TRUE(e.m_hMask != NULL);
    SIZE maskSize = GetBitmapSize(e.m_hMask);
    EXPECT_EQ(4, maskSize.cx);
    EXPECT_EQ(4, maskSize.cy);
    DibSurface surface(12, 12, kGreen);
    e.Draw(surface.dc());
    const struct { int x, y; COLORREF colour; } cases[] = {
        { 1, 1, kGreen }, { 4, 8, kGreen }, { 5, 1, kBlue }, { 8, 8, kBlue }, { 9, 9, kGreen }, { 0, 0, kGreen },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.colour, surface.Pixel(c.x, c.y)) << c.x << "," << c.y;
}

// The key colour's pixels are black in a keyed picture: keyed again, the
// picture's own black pixels would turn transparent too.
TEST(ImageElementTest, LoadingAgainKeepsTheMaskOfTheFreshPicture)
{
    ScratchDir dir;
    FakeEditorServices env(dir.Path());
    const COLORREF kBlack = RGB(0, 0, 0);
    WriteBmpFile(dir.File("key.bmp"), 3, 1, { kRed, kBlue, kBlack });
    CImageElement e;
    e.m_strSrc = "key.bmp";
    e.m_transX = 0;
    e.m_transY = 0;
    e.LoadImage(FALSE);
    HBITMAP mask = e.m_hMask;
    ASSERT_TRUE(mask != NULL);
    e.LoadImage(FALSE);
    EXPECT_EQ(mask, e.m_hMask);
    DibSurface surface(3, 1, kGreen);
    e.Draw(surface.dc());
    EXPECT_EQ(kGreen, surface.Pixel(0, 0));
    EXPECT_EQ(kBlue, surface.Pixel(1, 0));
    EXPECT_EQ(kBlack, surface.Pixel(2, 0));
}

TEST(ImageElementTest, TransparencyMaskNeedsAPixelInside)
{
    HBITMAP picture = CreateBitmap(3, 3, 1, 32, NULL);
    HBITMAP mask = NULL;
    const struct { int x, y; BOOL made; } cases[] = {
        { -1, 0, FALSE }, { 3, 0, FALSE }, { 0, 3, FALSE }, { 2, 2, TRUE },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.made, BuildTransparencyMask(picture, &mask, c.x, c.y)) << c.x << "," << c.y;
    EXPECT_TRUE(mask != NULL);
    EXPECT_FALSE(BuildTransparencyMask(NULL, &mask, 0, 0));
    DeleteObject(mask);
    DeleteObject(picture);
}

TEST(ImageElementTest, GifWithTransparentIndexShowsThePage)
{
    ScratchDir dir;
    FakeEditorServices env(dir.Path());
    const COLORREF palette[4] = { kRed, kBlue, RGB(255, 255, 0), RGB(0, 0, 0) };
    WriteWholeFile(dir.File("see.gif"), GifBytes(2, 2, palette, { WholeGifFileFrame(2, 2, { 0, 1, 1, 0 }, 1) }));
    CImageElement e;
    e.m_strSrc = "SEE.GIF";
    e.LoadImage(FALSE);
    ASSERT_TRUE(e.m_hPicture != NULL);
    ASSERT_TRUE(e.m_hMask != NULL);
    EXPECT_EQ(2, e.m_width);
    DibSurface surface(4, 4, kGreen);
    e.Draw(surface.dc());
    EXPECT_EQ(kRed, surface.Pixel(0, 0));
    EXPECT_EQ(kGreen, surface.Pixel(1, 0));
    EXPECT_EQ(kGreen, surface.Pixel(0, 1));
    EXPECT_EQ(kRed, surface.Pixel(1, 1));
    EXPECT_EQ(kGreen, surface.Pixel(2, 2));
}

TEST(ImageElementTest, APictureThatCannotBeReadDrawsAPushButton)
{
    ScratchDir dir;
    FakeEditorServices env(dir.Path());
    // A JPEG whose headers are whole but whose pixels break off where they
    // start: its size reads, its pixels do not.
    ASSERT_TRUE(WriteJpegFile(dir.File("whole.jpg"), 16, 8, kRed));
    std::string cut = CutOffInItsPixels(ReadWholeFile(dir.File("whole.jpg")));
    ASSERT_FALSE(cut.empty());
    WriteWholeFile(dir.File("cut.jpg"), cut);
    for (const char* src : { "none.gif", "cut.jpg" }) {
        SCOPED_TRACE(src);
        CImageElement e;
        e.m_strSrc = src;
        e.LoadImage(FALSE);
        EXPECT_TRUE(e.m_hPicture == NULL);
        EXPECT_EQ(200, e.m_width);
        EXPECT_EQ(35, e.m_height);
        DibSurface surface(210, 40, kGreen);
        e.Draw(surface.dc());
        EXPECT_NE(kGreen, surface.Pixel(100, 17));
        EXPECT_EQ(GetSysColor(COLOR_BTNFACE), surface.Pixel(4, 17)) << "the button's face";
        EXPECT_EQ(kGreen, surface.Pixel(205, 38));
    }
}

TEST(ImageElementTest, JpegDecodesWithItsColours)
{
    ScratchDir dir;
    FakeEditorServices env(dir.Path());
    const COLORREF colour = RGB(200, 40, 60);
    ASSERT_TRUE(WriteJpegFile(dir.File("photo.jpg"), 16, 8, colour));
    CImageElement e;
    e.m_strSrc = "PHOTO.JPG";
    e.LoadImage(FALSE);
    ASSERT_TRUE(e.m_hPicture != NULL);
    EXPECT_EQ(16, e.m_width);
    EXPECT_EQ(8, e.m_height);
    EXPECT_TRUE(e.m_pJpegPixels == NULL);
    DibSurface surface(16, 8, kGreen);
    e.Draw(surface.dc());
    for (POINT pt : { POINT{ 0, 0 }, POINT{ 15, 7 }, POINT{ 8, 4 } }) {
        COLORREF c = surface.Pixel(pt.x, pt.y);
        EXPECT_NEAR(200, GetRValue(c), 12) << pt.x << "," << pt.y;
        EXPECT_NEAR(40, GetGValue(c), 12) << pt.x << "," << pt.y;
        EXPECT_NEAR(60, GetBValue(c), 12) << pt.x << "," << pt.y;
    }
    HBITMAP none = NULL;
    EXPECT_FALSE(e.LoadJpeg(&none, dir.File("missing.jpg").c_str()));
    EXPECT_TRUE(none == NULL);
}

// A JPEG whose header claims a width beyond what the element takes.
TEST(ImageElementTest, JpegOfAHugeSizeMakesNoPicture)
{
    ScratchDir dir;
    FakeEditorServices env(dir.Path());
    const std::string path = dir.File("huge.jpg");
    ASSERT_TRUE(WriteJpegFile(path, 16, 8, kRed));
    std::string bytes = ReadWholeFile(path);
    size_t sof = bytes.find("\xFF\xC0");
    ASSERT_NE(std::string::npos, sof);
    // Height 2 and width 40000 follow the marker's length and precision.
    bytes[sof + 5] = '\0';
    bytes[sof + 6] = '\x02';
    bytes[sof + 7] = '\x9C';
    bytes[sof + 8] = '\x40';
    WriteWholeFile(path, bytes);
    CImageElement e;
    HBITMAP picture = NULL;
    EXPECT_FALSE(e.LoadJpeg(&picture, path.c_str()));
    EXPECT_TRUE(picture == NULL);
    EXPECT_TRUE(e.m_pJpegPixels == NULL);
}

TEST(ImageElementTest, CloneLoadsItsOwnPicture)
{
    ScratchDir dir;
    FakeEditorServices env(dir.Path());
    WriteSolidBmp(dir.File("p.bmp"), 6, 5, kBlue);
    CImageElement e;
    e.m_strSrc = "p.bmp";
    e.m_strId = "pic";
    e.LoadImage(FALSE);
    CImageElement* copy = static_cast<CImageElement*>(e.Clone());
    ASSERT_TRUE(copy->m_hPicture != NULL);
    EXPECT_NE(e.m_hPicture, copy->m_hPicture);
    EXPECT_STREQ("pic", copy->m_strId);
    EXPECT_EQ(6, copy->m_width);
    delete copy;
}

TEST(ImageElementTest, AccessPropertyTable)
{
    const struct { const char* name; VARTYPE sent; BOOL put; int result; } cases[] = {
        { "SRC", VT_BSTR, FALSE, 0 }, { "src", VT_I4, FALSE, 6 }, { "animated", VT_BOOL, TRUE, 0 },
        { "animated", VT_I4, TRUE, 6 }, { "xpos", VT_I4, TRUE, 0 }, { "Height", VT_I4, FALSE, 0 },
        { "cursor", VT_BSTR, TRUE, 0 }, { "buttonText", VT_BSTR, TRUE, 3 }, { "frame", VT_I4, TRUE, 3 },
    };
    for (const auto& c : cases) {
        CImageElement e;
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

TEST(ImageElementTest, PutOfSrcShowsTheNewPicture)
{
    ScratchDir dir;
    FakeEditorServices env(dir.Path());
    WriteSolidBmp(dir.File("one.bmp"), 2, 2, kRed);
    WriteSolidBmp(dir.File("two.bmp"), 2, 2, kBlue);
    CImageElement e;
    e.m_strSrc = "one.bmp";
    e.LoadImage(FALSE);
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = SysAllocString(L"two.bmp");
    ASSERT_EQ(0, e.AccessProperty("src", v, TRUE));
    VariantClear(&v);
    DibSurface surface(2, 2);
    e.Draw(surface.dc());
    EXPECT_EQ(kBlue, surface.Pixel(1, 1));
    V_VT(&v) = VT_BOOL;
    V_BOOL(&v) = VARIANT_TRUE;
    e.AccessProperty("animated", v, TRUE);
    ASSERT_EQ(0, e.AccessProperty("animated", v, FALSE));
    EXPECT_EQ(VT_I4, V_VT(&v));
    EXPECT_EQ(-1, V_I4(&v));
}

TEST(ImageElementTest, UpdatePropertyListTakesChangedValues)
{
    CImageElement e;
    e.m_strSrc = "now.bmp";
    e.m_strText = "Go";
    e.m_animated = 1;
    for (const char* name : { "src", "buttonText", "animated" })
        e.m_properties[FindPropertyIndex(e.m_properties, name)].m_bChanged = 1;
    CPropertyRecordList list;
    e.UpdatePropertyList(list);
    EXPECT_STREQ("now.bmp", list[FindPropertyIndex(list, "src")].GetValueText());
    EXPECT_STREQ("Go", list[FindPropertyIndex(list, "buttonText")].GetValueText());
    EXPECT_EQ(VARIANT_TRUE, V_BOOL(&list[FindPropertyIndex(list, "animated")].m_value));
}

TEST(ImageElementTest, DragMaskIsBlackWithoutAPictureMask)
{
    CImageElement e;
    e.m_width = 10;
    e.m_height = 10;
    DibSurface image(20, 20);
    DragMask mask(20, 20);
    POINT origin = { -5, -5 };
    e.DrawAt(image.dc(), origin, mask.Handle());
    EXPECT_TRUE(mask.Marked(7, 7));
    EXPECT_FALSE(mask.Marked(2, 2));
}

// The keyed picture stretched into the drag image, its mask into the drag
// mask: the key colour's pixels stay out of the drag.
TEST(ImageElementTest, DragImageCarriesThePictureMask)
{
    ScratchDir dir;
    FakeEditorServices env(dir.Path());
    CImageElement e;
    LoadKeyedPicture(dir, e);
    DibSurface image(12, 12, kGreen);
    DragMask mask(12, 12);
    POINT origin = { 0, 0 };
    e.DrawAt(image.dc(), origin, mask.Handle());
    const struct { int x, y; bool marked; } cases[] = {
        { 1, 1, false }, { 4, 8, false }, { 5, 1, true }, { 8, 8, true }, { 9, 9, false }, { 0, 0, false },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.marked, mask.Marked(c.x, c.y)) << c.x << "," << c.y;
    EXPECT_EQ(kBlue, image.Pixel(8, 8));
}

CStr SourceIn(CImageElement& e, const char* event)
{
    CScript* script = e.FindScriptForEvent(event);
    if (script == NULL)
        return CStr("<no script>");
    if (script->GetItemCount() == 0)
        return CStr("<no action>");
    CStr source;
    if (!FakeGetSource(script->GetItem(0), source))
        return CStr("<no src>");
    return source;
}

TEST(ImageElementTest, EffectPicturesBecomeSrcActions)
{
    FakeSetPropertyScope fake;
    CImageElement e("Element_1");
    e.m_strId = "btn";
    e.m_strSrc = "up.bmp";
    e.SetEffectImages("over.bmp", "down.bmp");
    const struct { const char* event; const char* src; } made[] = {
        { "OnMouseDown", "down.bmp" }, { "OnMouseIn", "over.bmp" },
        { "OnMouseOut", "up.bmp" }, { "OnMouseUp", "up.bmp" },
    };
    for (const auto& m : made) {
        EXPECT_STREQ(m.src, SourceIn(e, m.event)) << m.event;
        CScript* script = e.FindScriptForEvent(m.event);
        ASSERT_TRUE(script != NULL);
        EXPECT_STREQ("btn", script->GetItem(0)->m_strControlId) << m.event;
    }
    CStr over = "old", down = "old";
    e.GetEffectImages(over, down);
    EXPECT_STREQ("over.bmp", over);
    EXPECT_STREQ("down.bmp", down);

    // An action that also sets another property keeps it.
    static_cast<FakeSetProperty*>(e.FindScriptForEvent("OnMouseIn")->GetItem(0))
        ->assignments.push_back(std::make_pair(std::string("width"), std::string("9")));
    e.SetEffectImages("", "down2.bmp");
    EXPECT_STREQ("<no src>", SourceIn(e, "OnMouseIn"));
    EXPECT_STREQ("<no action>", SourceIn(e, "OnMouseOut"));
    EXPECT_STREQ("down2.bmp", SourceIn(e, "OnMouseDown"));
    EXPECT_STREQ("up.bmp", SourceIn(e, "OnMouseUp"));
    over = "kept";
    e.GetEffectImages(over, down);
    EXPECT_STREQ("kept", over);
    EXPECT_STREQ("down2.bmp", down);

    e.SetEffectImages("again.bmp", "down2.bmp");
    EXPECT_STREQ("again.bmp", SourceIn(e, "OnMouseIn"));
    EXPECT_STREQ("up.bmp", SourceIn(e, "OnMouseOut"));
    EXPECT_EQ(4, e.GetScriptCount());
}

// A new script of the element for the event.
CScript* AddEventScript(CImageElement& e, const char* event)
{
    CScript* script = CreateScript();
    script->SetName(event);
    e.AddChild(script);
    return script;
}

// Appends a Set Property action on target with one assignment.
FakeSetProperty* AppendAssignment(CScript* script, const char* target, const char* property,
                                  const char* value)
{
    FakeSetProperty* action = new FakeSetProperty();
    action->m_strControlId = target;
    action->assignments.push_back(std::make_pair(std::string(property), std::string(value)));
    script->AppendItem(action);
    return action;
}

// An author's own action of the button that sets only its width comes
// before the one holding the over picture.
TEST(ImageElementTest, EffectPicturesUseTheActionThatHoldsSrc)
{
    FakeSetPropertyScope fake;
    CImageElement e("Element_1");
    e.m_strId = "btn";
    CScript* script = AddEventScript(e, "OnMouseIn");
    FakeSetProperty* width = AppendAssignment(script, "btn", "width", "9");
    AppendAssignment(script, "btn", "src", "over.bmp");

    e.SetEffectImages("over2.bmp", "");
    ASSERT_EQ(2, script->GetItemCount());
    EXPECT_EQ(-1, width->Find("src"));
    CStr over, down;
    e.GetEffectImages(over, down);
    EXPECT_STREQ("over2.bmp", over);

    e.SetEffectImages("", "");
    ASSERT_EQ(1, script->GetItemCount());
    EXPECT_EQ(width, script->GetItem(0));
    EXPECT_EQ(1u, width->assignments.size());

    // With no action holding "src", the button's first action takes it.
    e.SetEffectImages("over3.bmp", "");
    ASSERT_EQ(1, script->GetItemCount());
    EXPECT_STREQ("over3.bmp", SourceIn(e, "OnMouseIn"));
}

TEST(ImageElementTest, EffectPicturesLeaveOtherTargetsAlone)
{
    FakeSetPropertyScope fake;
    CImageElement e("Element_1");
    e.m_strId = "btn";
    CScript* script = AddEventScript(e, "OnMouseIn");
    AppendAssignment(script, "elsewhere", "src", "x.bmp");
    CStr over, down;
    e.GetEffectImages(over, down);
    EXPECT_STREQ("", over);
    e.SetEffectImages("mine.bmp", "");
    ASSERT_EQ(2, script->GetItemCount());
    EXPECT_STREQ("x.bmp", SourceIn(e, "OnMouseIn"));
    CStr mine;
    FakeGetSource(script->GetItem(1), mine);
    EXPECT_STREQ("mine.bmp", mine);
    EXPECT_TRUE(e.FindScriptForEvent("OnMouseDown") == NULL);
}

}  // namespace
