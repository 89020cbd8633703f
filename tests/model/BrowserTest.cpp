#include "model/Browser.h"

#include "model/store/DataFile.h"
#include "model/store/KeyReadLog.h"
#include "model/ImageElement.h"
#include "model/ImageListElement.h"
#include "model/KeptElement.h"
#include "tests/model/ModelTestObjects.h"
#include "tests/model/PageTestSupport.h"
#include "model/TextElement.h"
#include "tests/model/TreeTestSupport.h"

#include <gtest/gtest.h>
#include <typeinfo>

namespace {

// Unloads the page at the end of a test, as its document would.
struct PageHolder
{
    CBrowser page;
    ~PageHolder() { page.Unload(); }
};

TEST(BrowserTest, NewPageSavesItsMainKeys)
{
    PageHolder h;
    CDataFile file;
    ASSERT_TRUE(h.page.Save(&file));
    KeyMap keys = SectionKeys(file, "Main");
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    const struct { const char* key; std::string value; } expected[] = {
        { "numElements", "0" }, { "width", "400" }, { "height", "300" }, { "tiled", "true" },
        { "appbar", "false" }, { "mouseMove", "true" }, { "position", "right" }, { "resize", "2" },
        { "windowType", "0" }, { "transColor", "0" }, { "tolerance", "0" }, { "title", "" },
        { "watermark", "" }, { "icon", "" }, { "template", "" }, { "startSound", "" },
        { "type", "Browser" }, { "numScripts", "0" },
        { "xres", std::to_string(desktop.right - desktop.left) },
        { "yres", std::to_string(desktop.bottom - desktop.top) },
    };
    for (const auto& e : expected) {
        ASSERT_TRUE(keys.count(e.key)) << e.key;
        EXPECT_EQ(e.value, keys[e.key]) << e.key;
    }
    EXPECT_FALSE(keys.count("xpos"));
    EXPECT_FALSE(keys.count("id"));
}

TEST(BrowserTest, MainKeysLoadBack)
{
    PageHolder h;
    h.page.m_strTitle = "Welcome";
    h.page.m_strWatermark = ".\\tarvex.dat\\back.bmp";
    h.page.m_bTiled = FALSE;
    h.page.m_bAppbar = TRUE;
    h.page.m_bMouseMove = FALSE;
    h.page.m_strPosition = "top";
    h.page.m_strStartSound = "a.wav";
    h.page.m_strTemplate = "Plain";
    h.page.m_strIcon = "x.ico";
    h.page.m_resize = 1;
    h.page.m_containerWidth = 640;
    h.page.m_containerHeight = 480;
    h.page.m_transColor = RGB(1, 2, 3);
    h.page.m_tolerance = 16 * 65793;
    h.page.m_windowType = 3;
    CDataFile file;
    ASSERT_TRUE(h.page.Save(&file));
    EXPECT_EQ("1052688", SectionKeys(file, "Main")["tolerance"]);

    PageHolder r;
    ASSERT_TRUE(r.page.Load(&file, TRUE));
    EXPECT_STREQ("Welcome", r.page.m_strTitle);
    EXPECT_STREQ(".\\tarvex.dat\\back.bmp", r.page.m_strWatermark);
    EXPECT_FALSE(r.page.m_bTiled);
    EXPECT_TRUE(r.page.m_bAppbar);
    EXPECT_FALSE(r.page.m_bMouseMove);
    EXPECT_STREQ("top", r.page.m_strPosition);
    EXPECT_STREQ("a.wav", r.page.m_strStartSound);
    EXPECT_STREQ("x.ico", r.page.m_strIcon);
    EXPECT_EQ(1, r.page.m_resize);
    EXPECT_EQ(640, r.page.m_containerWidth);
    EXPECT_EQ(480, r.page.m_containerHeight);
    EXPECT_EQ(RGB(1, 2, 3), r.page.m_transColor);
    EXPECT_EQ(1052688u, r.page.m_tolerance);
    EXPECT_EQ(3, r.page.m_windowType);
    EXPECT_STREQ("Plain", r.page.GetTemplate());
    EXPECT_STREQ("Plain", GetCurrentTemplate());
}

TEST(BrowserTest, BackgroundAndIconAreImportedIntoTheProject)
{
    ImportingServices services;
    PageHolder h;
    h.page.m_strWatermark = "art\\back.bmp";
    h.page.m_strIcon = "page.ico";
    CDataFile file;
    ASSERT_TRUE(h.page.Save(&file));
    KeyMap keys = SectionKeys(file, "Main");
    EXPECT_EQ(".\\tarvex.dat\\art\\back.bmp", keys["watermark"]);
    EXPECT_EQ(".\\tarvex.dat\\page.ico", keys["icon"]);
    ASSERT_EQ(2u, services.imports.size());
    EXPECT_EQ(std::make_pair(std::string("art\\back.bmp"), (BOOL)TRUE), services.imports[0]);
    EXPECT_EQ(std::make_pair(std::string("page.ico"), (BOOL)FALSE), services.imports[1]);
    EXPECT_STREQ("art\\back.bmp", h.page.m_strWatermark);
}

TEST(BrowserTest, SaveAndLoadWithoutDataFileReportFalse)
{
    PageHolder h;
    EXPECT_FALSE(h.page.Save(NULL));
    EXPECT_FALSE(h.page.Load(NULL, TRUE));
    CDataFile own;
    h.page.SetDataFile(&own);
    EXPECT_TRUE(h.page.Save(NULL));
    EXPECT_EQ("0", SectionKeys(own, "Main")["numElements"]);
}

TEST(BrowserTest, ElementTypesChooseTheClassAndSkipsKeepSections)
{
    const std::string text =
        "[Main]\nnumElements = 6\n"
        "[Element_1]\ntype = myTEXTbox\nid = t1\n"
        "[Element_2]\ntype = Sprite\nid = skipped\n"
        "[Element_3]\ntype = imagelist\nid = s1\nframe = 0\n"
        "[Element_3_Frame_0]\ntop = 0\nleft = 0\nbottom = 4\nright = 4\n"
        "[Element_4]\ntype = IMAGE\nid = i1\n"
        "[Element_5]\ntype = ActiveX\nid = x1\nclsid = {1}\n"
        "[Element_6]\ntype = Text\nid = t2\nnumScripts = 1\n"
        "[Element_6_Script_1]\nnumScriptItems = 0\nname = OnMouseUp\n";
    CDataFile file = FileFromText(text);
    PageHolder h;
    // The control {1} cannot be created: its element stays as its stored lines.
    EXPECT_FALSE(h.page.Load(&file, TRUE));
    const struct { const char* id; const std::type_info& type; const char* section; } expected[] = {
        { "t1", typeid(CTextElement), "Element_1" },
        { "s1", typeid(CImageListElement), "Element_2" },
        { "i1", typeid(CImageElement), "Element_3" },
        { "x1", typeid(CKeptElement), "Element_4" },
        { "t2", typeid(CTextElement), "Element_5" },
    };
    ASSERT_EQ(5u, h.page.m_children.size());
    for (size_t i = 0; i < 5; ++i) {
        CElement* e = h.page.m_children[i];
        EXPECT_STREQ(expected[i].id, e->m_strId) << i;
        EXPECT_TRUE(typeid(*e) == expected[i].type) << expected[i].id;
        EXPECT_STREQ(expected[i].section, e->m_strSectionName) << expected[i].id;
    }
    EXPECT_STREQ(h.page.m_children[0]->m_strType, "myTEXTbox");
    CScriptableObject* last = static_cast<CScriptableObject*>(h.page.m_children[4]);
    ASSERT_EQ(1, last->GetScriptCount());
    EXPECT_STREQ("OnMouseUp", last->m_scripts[0]->m_strName);
    EXPECT_STREQ("Element_5_Script_1", last->m_scripts[0]->m_strSectionName);
}

TEST(BrowserTest, BrokenElementStaysAndIsWrittenBackWhole)
{
    TestFactoryScope factory;
    const std::string text =
        "[Main]\nnumElements = 3\n"
        "[Element_1]\ntype = Text\nid = t1\n"
        "[Element_2]\ntype = ImageList\nid = strip\nframe = 5\nnumScripts = 1\nsrc = s.bmp\n"
        "[Element_2_Frame_0]\ntop = 0\nleft = 0\nbottom = 4\nright = 4\n"
        "[Element_2_Script_1]\nnumScriptItems = 1\nname = OnMouseIn\ntype = Script\n"
        "[Element_2_Script_1_ScriptItem_1]\nnote = keep me\nname = ShellExecute\ntype = ScriptItem\n"
        "[Element_3]\ntype = Text\nid = t3\n";
    CDataFile file = FileFromText(text);
    PageHolder h;
    EXPECT_FALSE(h.page.Load(&file, TRUE));
    ASSERT_EQ(3u, h.page.m_children.size());
    EXPECT_STREQ("t3", h.page.m_children[2]->m_strId);
    EXPECT_STREQ("strip", h.page.m_children[1]->m_strId);

    CDataFile saved;
    ASSERT_TRUE(h.page.Save(&saved));
    const char* kept[] = { "Element_2", "Element_2_Frame_0", "Element_2_Script_1",
                           "Element_2_Script_1_ScriptItem_1" };
    for (const char* section : kept)
        EXPECT_EQ(SectionKeys(file, section), SectionKeys(saved, section)) << section;

    // Removing the first element renames the kept sections with it.
    h.page.RemoveChild(h.page.m_children[0]);
    CDataFile renamed;
    ASSERT_TRUE(h.page.Save(&renamed));
    EXPECT_EQ(SectionKeys(file, "Element_2_Script_1_ScriptItem_1"),
              SectionKeys(renamed, "Element_1_Script_1_ScriptItem_1"));
    EXPECT_EQ(SectionKeys(file, "Element_3")["id"], SectionKeys(renamed, "Element_2")["id"]);
}

TEST(BrowserTest, ActiveXPlaceholderRoundTrips)
{
    const std::string text =
        "[Main]\nnumElements = 1\n"
        "[Element_1]\ntype = ActiveX\nid = web\nxpos = 5\nwidth = 30\nheight = 20\nclsid = {X}\n"
        "[Element_1_Property_0]\nname = Silent\n";
    CDataFile file = FileFromText(text);
    PageHolder h;
    // No control {X}: the element is kept as its stored lines.
    EXPECT_FALSE(h.page.Load(&file, TRUE));
    ASSERT_EQ(1u, h.page.m_children.size());
    CElement* x = h.page.m_children[0];
    EXPECT_TRUE(h.page.CanAcceptChild(x));
    POINT inside = { 10, 10 }, outside = { 35, 10 };
    EXPECT_TRUE(x->HitTest(inside));
    EXPECT_FALSE(x->HitTest(outside));
    CDataFile saved;
    ASSERT_TRUE(h.page.Save(&saved));
    EXPECT_EQ(SectionKeys(file, "Element_1"), SectionKeys(saved, "Element_1"));
    EXPECT_EQ(SectionKeys(file, "Element_1_Property_0"), SectionKeys(saved, "Element_1_Property_0"));
}

TEST(BrowserTest, IdsAreRegisteredOnlyWithARegistry)
{
    const std::string text = "[Main]\nnumElements = 1\nid = Home\n[Element_1]\ntype = Text\nid = label\n";
    {
        CDataFile file = FileFromText(text);
        PageHolder h;
        ASSERT_TRUE(h.page.Load(&file, FALSE));
        EXPECT_STREQ("Home", h.page.m_strId);
        EXPECT_STREQ("label", h.page.m_children[0]->m_strId);
    }
    {
        FakeEditorServices services;
        CElement other;
        services.ids.Register("label", &other);
        CDataFile file = FileFromText(text);
        PageHolder h;
        ASSERT_TRUE(h.page.Load(&file, FALSE));
        EXPECT_STREQ("label1", h.page.m_children[0]->m_strId);
    }
}

TEST(BrowserTest, KeptElementHoldsItsIdInTheRegistry)
{
    const std::string text =
        "[Main]\nnumElements = 1\n"
        "[Element_1]\ntype = ActiveX\nid = web\nCLSID = {X}\n";
    const struct { const char* taken; const char* id; } cases[] = {
        { NULL, "web" },
        { "web", "web1" },
    };
    for (const auto& c : cases) {
        FakeEditorServices services;
        CElement other;
        if (c.taken)
            services.ids.Register(c.taken, &other);
        CDataFile file = FileFromText(text);
        PageHolder h;
        EXPECT_FALSE(h.page.Load(&file, FALSE));
        ASSERT_EQ(1u, h.page.m_children.size());
        CElement* kept = h.page.m_children[0];
        EXPECT_STREQ(c.id, kept->m_strId);
        // The element that failed is gone from the registry; the kept one is in it.
        ASSERT_EQ(c.taken ? 2 : 1, services.ids.GetCount());
        EXPECT_STREQ(c.id, services.ids.GetNameAt(services.ids.GetCount() - 1));
        EXPECT_EQ(kept, services.ids.GetObjectAt(services.ids.GetCount() - 1));
        CDataFile saved;
        ASSERT_TRUE(h.page.Save(&saved));
        KeyMap keys = SectionKeys(saved, "Element_1");
        EXPECT_EQ(c.id, keys["id"]);
        EXPECT_EQ("{X}", keys["CLSID"]);
    }
}

// Loaded with fresh ids, a page keeps its own id and every stored id that
// no object before it on the page bears exactly; only a true twin is
// renamed, as the registry answers.
TEST(BrowserTest, StoredIdsStayUnlessTheyAreTwins)
{
    const struct { const char* label; const char* page; std::vector<const char*> stored; std::vector<const char*> loaded; } cases[] = {
        { "two Text1", "Home", { "Text1", "Text1" }, { "Text1", "Text11" } },
        { "a prefix of an earlier id", "Home", { "Button1", "Button" }, { "Button1", "Button" } },
        { "three twins", "Home", { "Twin", "Twin", "Twin" }, { "Twin", "Twin1", "Twin2" } },
        { "an element named as the page", "Home", { "Home" }, { "Home1" } },
    };
    MessageRecorder messages;
    for (const auto& c : cases) {
        std::string text = "[Main]\nid = " + std::string(c.page) + "\nnumElements = " + std::to_string(c.stored.size()) + "\n";
        for (size_t i = 0; i < c.stored.size(); ++i)
            text += "[Element_" + std::to_string(i + 1) + "]\ntype = Text\nid = " + c.stored[i] + "\n";
        FakeEditorServices services;
        CDataFile file = FileFromText(text);
        PageHolder h;
        ASSERT_TRUE(h.page.Load(&file, FALSE)) << c.label;
        EXPECT_STREQ(c.page, h.page.m_strId) << c.label;
        ASSERT_EQ(c.loaded.size(), h.page.m_children.size()) << c.label;
        for (size_t i = 0; i < c.loaded.size(); ++i)
            EXPECT_STREQ(c.loaded[i], h.page.m_children[i]->m_strId) << c.label << " " << i;
        // The page first, then its elements in load order.
        ASSERT_EQ((int)c.loaded.size() + 1, services.ids.GetCount()) << c.label;
        EXPECT_EQ(&h.page, services.ids.GetObjectAt(0)) << c.label;
    }
    EXPECT_TRUE(messages.Messages().empty());
}

// While a read log is attached, every object keeps the stored lines its
// Load did not ask for; a key it reads is written as the object holds it.
TEST(BrowserTest, KeptLinesAreTheKeysNoLoadAsked)
{
    const std::string text =
        "[Main]\nfutureKey = later\nnumElements = 1\nnumScripts = 1\n"
        "[Script_1]\nnumScriptItems = 0\nname = OnLoad\nscriptNote = kept\n"
        "[Element_1]\ntype = Text\nid = t\nXPOS = -5\nypos = 10\ncursor = hand\nodd=line\n";
    MessageRecorder messages;
    CDataFile file = FileFromText(text);
    PageHolder h;
    {
        CKeyReadLog log(file);
        ASSERT_TRUE(h.page.Load(&file, TRUE));
    }
    EXPECT_EQ(NULL, file.GetReadLog());
    CElement* element = h.page.m_children[0];
    EXPECT_EQ(-5, element->m_xpos);
    EXPECT_EQ(std::vector<CStr>({ "cursor = hand", "odd=line" }), element->m_keptLines);
    EXPECT_EQ(std::vector<CStr>({ "futureKey = later" }), h.page.m_keptLines);
    EXPECT_EQ(std::vector<CStr>({ "scriptNote = kept" }), h.page.m_scripts[0]->m_keptLines);

    // Moved to 0, the element writes no xpos, and none comes back.
    element->m_xpos = 0;
    CDataFile saved;
    ASSERT_TRUE(h.page.Save(&saved));
    KeyMap keys = SectionKeys(saved, "Element_1");
    EXPECT_EQ(0u, keys.count("xpos"));
    EXPECT_EQ(0u, keys.count("XPOS"));
    EXPECT_EQ("10", keys["ypos"]);
    EXPECT_EQ("hand", keys["cursor"]);
    EXPECT_EQ("later", SectionKeys(saved, "Main")["futureKey"]);
    EXPECT_EQ("kept", SectionKeys(saved, "Script_1")["scriptNote"]);
    int odd = saved.FindSectionIndex("Element_1");
    bool found = false;
    for (int i = odd + 1; i < saved.GetLineCount() && !saved.IsSectionHeaderAt(i); ++i)
        found = found || saved.GetLine(i) == "odd=line";
    EXPECT_TRUE(found);
    EXPECT_TRUE(messages.Messages().empty());
}

// A page saved without being edited keeps the screen it was laid out on.
TEST(BrowserTest, SaveKeepingScreenSizeKeepsTheStoredLines)
{
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    const std::string width = std::to_string(desktop.right - desktop.left);
    const std::string height = std::to_string(desktop.bottom - desktop.top);
    // An absent one takes this screen's, as every save stores both.
    const struct { const char* label; std::string stored; std::string x; std::string y; } cases[] = {
        { "both stored", "xres = 640\nyres = 480\n", "640", "480" },
        { "only one stored", "yres = 480\n", width, "480" },
        { "none stored", "", width, height },
    };
    MessageRecorder messages;
    for (const auto& c : cases) {
        CDataFile file = FileFromText("[Main]\n" + c.stored + "numElements = 0\n");
        PageHolder h;
        h.page.SetDataFile(&file);
        ASSERT_TRUE(h.page.Load(NULL, TRUE)) << c.label;
        ASSERT_TRUE(h.page.SaveKeepingScreenSize()) << c.label;
        KeyMap keys = SectionKeys(file, "Main");
        EXPECT_EQ(c.x, keys["xres"]) << c.label;
        EXPECT_EQ(c.y, keys["yres"]) << c.label;
        EXPECT_EQ("400", keys["width"]) << c.label;
        // A plain save stamps this screen.
        ASSERT_TRUE(h.page.Save(NULL));
        EXPECT_EQ(width, SectionKeys(file, "Main")["xres"]) << c.label;
    }
    EXPECT_TRUE(messages.Messages().empty());
}

TEST(BrowserTest, SetPropertyActionsOfElementsAreMarkedAfterLoading)
{
    FakeSetPropertyScope fake;
    const std::string text =
        "[Main]\nnumElements = 1\nnumScripts = 1\n"
        "[Script_1]\nnumScriptItems = 1\nname = OnLoad\n"
        "[Script_1_ScriptItem_1]\nname = SetProperty\nprop_src = a.bmp\n"
        "[Element_1]\ntype = Text\nid = t\nnumScripts = 1\n"
        "[Element_1_Script_1]\nnumScriptItems = 2\nname = OnMouseIn\n"
        "[Element_1_Script_1_ScriptItem_1]\nname = SetProperty\nprop_src = a.bmp\n"
        "[Element_1_Script_1_ScriptItem_2]\nname = SetProperty\nprop_src = b.bmp\n";
    for (BOOL keepId : { FALSE, TRUE }) {
        CDataFile file = FileFromText(text);
        PageHolder h;
        ASSERT_TRUE(h.page.Load(&file, keepId));
        CScript* script = static_cast<CScriptableObject*>(h.page.m_children[0])->m_scripts[0];
        ASSERT_EQ(2, script->GetItemCount());
        for (int i = 0; i < 2; ++i)
            EXPECT_EQ(keepId ? 0 : 1, static_cast<FakeSetProperty*>(script->GetItem(i))->marked) << keepId;
        EXPECT_EQ(0, static_cast<FakeSetProperty*>(h.page.m_scripts[0]->GetItem(0))->marked);
    }
}

TEST(BrowserTest, CanAcceptChildMatchesTypeAndClass)
{
    PageHolder h;
    CTextElement text;
    text.m_strType = "text";
    CTextElement textCalledImage;
    textCalledImage.m_strType = "Image";
    CImageElement image;
    image.m_strType = "Image";
    CImageListElement strip;
    strip.m_strType = "ImageList";
    CKeptElement brokenStrip;
    brokenStrip.m_strType = "ImageList";
    CKeptElement sprite;
    sprite.m_strType = "Sprite";
    CScript* onLoad = CreateScript();
    onLoad->SetName("OnLoad");
    CScript* onMouseIn = CreateScript();
    onMouseIn->SetName("OnMouseIn");
    const struct { const char* name; CElement* child; BOOL accepted; } cases[] = {
        { "text", &text, TRUE }, { "text typed Image", &textCalledImage, FALSE },
        { "image", &image, TRUE }, { "strip", &strip, TRUE },
        { "kept strip", &brokenStrip, TRUE }, { "kept of another type", &sprite, FALSE },
        { "OnLoad script", onLoad, TRUE }, { "mouse script", onMouseIn, FALSE },
        { "null", NULL, FALSE },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.accepted, h.page.CanAcceptChild(c.child)) << c.name;
    delete onLoad;
    delete onMouseIn;
}

// The page, then its scripts in order, then its elements topmost first,
// each element kind with its own picture in the tree.
TEST(BrowserTest, TreeListsScriptsThenElementsTopmostFirst)
{
    FakeEditorServices services;
    PageHolder h;
    h.page.m_strId = "Home";
    CScript* onLoad = CreateScript();
    onLoad->SetName("OnLoad");
    h.page.AddChild(onLoad);
    CScript* onUnload = CreateScript();
    onUnload->SetName("OnUnload");
    h.page.AddChild(onUnload);
    CTextElement* text = new CTextElement();
    text->m_strId = "t";
    CImageElement* image = new CImageElement();
    image->m_strId = "i";
    image->m_buttonType = CImageElement::TypeImage;
    CImageElement* button = new CImageElement();
    button->m_strId = "b";
    CImageElement* system = new CImageElement();
    system->m_strId = "s";
    system->m_buttonType = CImageElement::TypeSystemButton;
    CImageListElement* strip = new CImageListElement();
    strip->m_strId = "l";
    for (CElement* e : std::initializer_list<CElement*>{ text, image, button, system, strip })
        h.page.AddChild(e);

    HWND tree = CreateTreeControl();
    ASSERT_NE(nullptr, tree);
    for (CElement* current : { (CElement*)&h.page, (CElement*)NULL }) {
        services.currentPage = current;
        SendMessageA(tree, TVM_DELETEITEM, 0, (LPARAM)TVI_ROOT);
        EXPECT_TRUE(h.page.AddToTree(tree, TVI_ROOT));
        HTREEITEM root = (HTREEITEM)SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
        std::vector<TreeNode> expected = {
            { "Home", current ? 14 : 15, (LPARAM)&h.page,
              { { "OnLoad", 11, (LPARAM)onLoad, {} }, { "OnUnload", 11, (LPARAM)onUnload, {} },
                { "l", 5, (LPARAM)strip, {} }, { "s", 1, (LPARAM)system, {} },
                { "b", 16, (LPARAM)button, {} }, { "i", 5, (LPARAM)image, {} },
                { "t", 6, (LPARAM)text, {} } } },
        };
        EXPECT_TRUE(expected == ReadTree(tree, root)) << (current ? "current" : "other");
        TVITEMA info = {};
        info.mask = TVIF_SELECTEDIMAGE;
        info.hItem = root;
        SendMessageA(tree, TVM_GETITEMA, 0, (LPARAM)&info);
        EXPECT_EQ(14, info.iSelectedImage);
    }
    services.activeDocument = false;
    EXPECT_FALSE(h.page.AddToTree(tree, TVI_ROOT));
    DestroyWindow(tree);
}

TEST(BrowserTest, PositionIndexIgnoresCase)
{
    PageHolder h;
    const struct { const char* text; int index; } cases[] = {
        { "left", 0 }, { "RIGHT", 1 }, { "Bottom", 2 }, { "top", 3 }, { "middle", -1 }, { "", -1 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.index, h.page.FindPositionIndex(c.text)) << c.text;
}

TEST(BrowserTest, CloneCopiesPageAndChildren)
{
    PageHolder h;
    CDataFile file;
    h.page.SetDataFile(&file);
    h.page.m_strTitle = "T";
    h.page.m_strWatermark = "w.bmp";
    h.page.m_bTiled = FALSE;
    h.page.m_strIcon = "i.ico";
    h.page.m_windowType = 2;
    h.page.AddChild(new CTextElement());
    h.page.AddChild(new CImageElement());
    CBrowser* copy = static_cast<CBrowser*>(h.page.Clone());
    ASSERT_TRUE(copy != NULL);
    EXPECT_STREQ("", copy->m_strTitle);
    EXPECT_STREQ("w.bmp", copy->m_strWatermark);
    EXPECT_FALSE(copy->m_bTiled);
    EXPECT_STREQ("i.ico", copy->m_strIcon);
    EXPECT_EQ(0, copy->m_windowType);
    EXPECT_EQ(&file, copy->GetDataFile());
    ASSERT_EQ(2, copy->GetChildCount());
    EXPECT_STREQ("Element_2", copy->m_children[1]->m_strSectionName);
    EXPECT_NE(h.page.m_children[0], copy->m_children[0]);
    EXPECT_EQ(1, copy->FindPositionIndex("right"));
    copy->Unload();
    delete copy;
}

TEST(BrowserTest, VariableChoicesListOwnLocalsThenAllGlobals)
{
    PageHolder h;
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_I4;
    const struct { int scope; const char* name; const char* owner; } vars[] = {
        { 0, "g1", "a" }, { 1, "l1", "a" }, { 1, "l2", "b" }, { 0, "g2", "b" }, { 1, "l3", "a" },
    };
    for (int i = 0; i < 5; ++i) {
        V_I4(&v) = i;
        h.page.AddVariable(vars[i].scope, vars[i].name, v, vars[i].owner);
    }
    std::vector<CVariableChoice> choices = h.page.GetVariableChoices("a");
    const char* names[] = { "l1", "l3", "g1", "g2" };
    const int values[] = { 1, 4, 0, 3 };
    ASSERT_EQ(4u, choices.size());
    for (int i = 0; i < 4; ++i) {
        EXPECT_STREQ(names[i], choices[i].name) << i;
        EXPECT_EQ(values[i], V_I4(choices[i].value)) << names[i];
    }
    EXPECT_EQ(3u, GetVariableComboItems(h.page.m_localVariables, FALSE, NULL).size());
    EXPECT_EQ(1u, GetVariableComboItems(h.page.m_localVariables, TRUE, "b").size());
}

TEST(BrowserTest, DeclaredVariablesAreListedOncePerScopeAndName)
{
    PageHolder h;
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_I4;
    const struct { int scope; const char* name; BOOL added; } cases[] = {
        { 1, "count", TRUE }, { 1, "count", FALSE }, { 0, "count", TRUE }, { 1, "Count", TRUE },
        { 2, "other", FALSE }, { -1, "other", FALSE },
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); ++i) {
        V_I4(&v) = (int)i;
        EXPECT_EQ(cases[i].added, h.page.DeclareVariable(cases[i].scope, cases[i].name, v, "btn"))
            << cases[i].scope << " " << cases[i].name;
    }
    ASSERT_EQ(2u, h.page.m_localVariables.size());
    ASSERT_EQ(1u, h.page.m_globalVariables.size());
    EXPECT_EQ(0, V_I4(&h.page.m_localVariables[0]->m_value));   // the first declaration stays
    EXPECT_STREQ("Count", h.page.m_localVariables[1]->m_strName);
    EXPECT_STREQ("btn", h.page.m_globalVariables[0]->m_strOwner);
}

TEST(BrowserTest, ElementCountIsBoundedByTheFilesSections)
{
    CDataFile file = FileFromText("[Main]\nnumElements = 2000000000\n[Element_1]\ntype = Text\nid = t1\n");
    PageHolder h;
    EXPECT_TRUE(h.page.Load(&file, TRUE));
    ASSERT_EQ(1, h.page.GetChildCount());
    EXPECT_STREQ("t1", h.page.m_children[0]->m_strId);
}

TEST(BrowserTest, TiledBackgroundIsClippedAtThePageEdges)
{
    ScratchDir dir;
    FakeEditorServices env(dir.Path());
    const COLORREF R = RGB(255, 0, 0), G = RGB(0, 255, 0), B = RGB(0, 0, 255), K = RGB(0, 0, 0);
    WriteBmpFile(dir.File("tile.bmp"), 2, 2, { R, G, B, K });
    PageHolder h;
    h.page.m_strWatermark = "tile.bmp";
    h.page.m_containerWidth = 5;
    h.page.m_containerHeight = 3;
    DibSurface surface(8, 6, RGB(9, 9, 9));
    ASSERT_TRUE(h.page.Draw(surface.dc()));
    const struct { int x, y; COLORREF colour; } cases[] = {
        { 0, 0, R }, { 1, 0, G }, { 2, 0, R }, { 4, 0, R }, { 1, 1, K }, { 3, 1, K },
        { 0, 2, R }, { 4, 2, R }, { 5, 0, RGB(9, 9, 9) }, { 0, 3, RGB(9, 9, 9) },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.colour, surface.Pixel(c.x, c.y)) << c.x << "," << c.y;

    h.page.FreeBackground();
    h.page.m_bTiled = FALSE;
    h.page.m_containerWidth = 4;
    h.page.m_containerHeight = 4;
    surface.Fill(RGB(9, 9, 9));
    h.page.Draw(surface.dc());
    EXPECT_EQ(R, surface.Pixel(1, 1));
    EXPECT_EQ(K, surface.Pixel(3, 3));
}

TEST(BrowserTest, WatermarkKindFollowsGifInTheName)
{
    ScratchDir dir;
    FakeEditorServices env(dir.Path());
    const COLORREF palette[4] = { RGB(0, 0, 255), RGB(0, 255, 0), RGB(255, 0, 0), RGB(0, 0, 0) };
    WriteWholeFile(dir.File("back.GIF"), GifBytes(2, 2, palette, { WholeGifFileFrame(2, 2, { 1, 1, 1, 1 }) }));
    WriteSolidBmp(dir.File(".gifback"), 2, 2, RGB(255, 0, 0));
    WriteSolidBmp(dir.File("gif.bmp"), 2, 2, RGB(0, 0, 255));
    const struct { const char* watermark; COLORREF colour; } cases[] = {
        { "back.GIF", RGB(0, 255, 0) },
        { ".gifback", RGB(255, 0, 0) },
        { "gif.bmp", RGB(0, 0, 255) },
        { "missing.bmp", RGB(255, 255, 255) },
    };
    for (const auto& c : cases) {
        PageHolder h;
        h.page.m_strWatermark = c.watermark;
        h.page.m_containerWidth = 4;
        h.page.m_containerHeight = 4;
        DibSurface surface(4, 4, RGB(9, 9, 9));
        h.page.Draw(surface.dc());
        EXPECT_EQ(c.colour, surface.Pixel(3, 3)) << c.watermark;
    }
}

// A window shaped by its picture keeps the file's colour in the
// background's transparent pixels; other pages get them black.
TEST(BrowserTest, ShapedWindowBackgroundKeepsTheTransparentColour)
{
    ScratchDir dir;
    FakeEditorServices env(dir.Path());
    const COLORREF palette[4] = { RGB(0, 0, 255), RGB(255, 0, 255), RGB(255, 0, 0), RGB(0, 0, 0) };
    WriteWholeFile(dir.File("shape.gif"), GifBytes(2, 1, palette, { WholeGifFileFrame(2, 1, { 0, 1 }, 1) }));
    const struct { int windowType; COLORREF clear; } cases[] = {
        { 3, RGB(255, 0, 255) }, { 0, RGB(0, 0, 0) },
    };
    for (const auto& c : cases) {
        PageHolder h;
        h.page.m_strWatermark = "shape.gif";
        h.page.m_windowType = c.windowType;
        h.page.m_containerWidth = 2;
        h.page.m_containerHeight = 1;
        DibSurface surface(2, 1, RGB(9, 9, 9));
        h.page.Draw(surface.dc());
        EXPECT_EQ(RGB(0, 0, 255), surface.Pixel(0, 0)) << c.windowType;
        EXPECT_EQ(c.clear, surface.Pixel(1, 0)) << c.windowType;
    }
}

TEST(BrowserTest, LaterElementsDrawOnTopAndWinHitTests)
{
    PageHolder h;
    h.page.m_containerWidth = 10;
    h.page.m_containerHeight = 10;
    CTextElement* first = new CTextElement();
    CTextElement* second = new CTextElement();
    for (CTextElement* t : { first, second }) {
        t->m_width = 6;
        t->m_height = 6;
        t->m_bgTransparency = 1.0;
    }
    first->m_bgColor = RGB(255, 0, 0);
    second->m_bgColor = RGB(0, 0, 255);
    second->m_xpos = 2;
    h.page.AddChild(first);
    h.page.AddChild(second);
    DibSurface surface(10, 10);
    h.page.Draw(surface.dc());
    EXPECT_EQ(RGB(255, 0, 0), surface.Pixel(1, 1));
    // Opacity 1 over red: blue (256 * 0 + 255 * 255) >> 8 = 254, red 0.
    EXPECT_EQ(RGB(0, 0, 254), surface.Pixel(3, 1));
    POINT shared = { 3, 1 };
    EXPECT_EQ(second, h.page.ChildFromPoint(shared));
    RECT rect = h.page.GetRect();
    EXPECT_EQ(10, rect.right);
    EXPECT_EQ(10, rect.bottom);
}

}  // namespace
