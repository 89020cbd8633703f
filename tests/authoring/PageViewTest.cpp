// The page view as the author uses it: a real view in a window of this
// process over a document of one page, driven with the mouse messages and
// keys a user's gestures produce (tracking loops take the posted rest of a
// gesture from the queue, as they take the real one).
#include "authoring/LumbrookConfigDoc.h"
#include "authoring/LumbrookConfigView.h"
#include "model/Browser.h"
#include "model/TextElement.h"
#include "resources/LumbrookConfigIds.h"
#include "tests/model/FakeEditorServices.h"
#include "tests/support/PartialPaint.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

CTextElement* MakeText(const char* id, int x, int y, int w, int h)
{
    CTextElement* text = new CTextElement();
    text->SetType("Text");
    text->SetId(id);
    text->m_xpos = x;
    text->m_ypos = y;
    text->m_width = w;
    text->m_height = h;
    return text;
}

void PressControl(bool down)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = VK_CONTROL;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof(input));
    // The key state follows once the input is processed.
    EXPECT_TRUE(WaitUntil([down] {
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        return ((GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0) == down;
    })) << "Ctrl is not " << (down ? "down" : "up");
}

void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

// A view over a page of three text elements, A, B and C, or over the
// stored page given.
class PageEditor
{
public:
    explicit PageEditor(const CDataFile* stored = NULL)
    {
        SetCursorPos(1000, 740);
        CBrowser* page = new CBrowser();
        document.AppendPage(page, "page.pgd");
        if (stored)
        {
            CDataFile* file = page->GetDataFile();
            CStr name = file->m_name;
            *file = *stored;
            file->m_name = name;
        }
        else
        {
            page->SetId("Page");
            page->m_containerWidth = 400;
            page->m_containerHeight = 300;
            page->m_width = 400;
            page->m_height = 300;
            page->AddChild(MakeText("A", 10, 10, 50, 30));
            page->AddChild(MakeText("B", 100, 10, 50, 30));
            page->AddChild(MakeText("C", 10, 100, 50, 30));
            page->Save(NULL);
            page->Unload();
        }
        document.m_bAutoDelete = FALSE;
        // Shown without taking the activation: the focus Wine then gives the
        // window would bring the keyboard's state over from the X server,
        // where Ctrl is up, and so release a Ctrl that a gesture holds.
        EXPECT_TRUE(host.CreateEx(WS_EX_NOACTIVATE, AfxWndClassName, "host", WS_POPUP, CRect(0, 0, 700, 460), NULL, 0));
        ::SetWindowPos(host.m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        CCreateContext context;
        context.m_pCurrentDoc = &document;
        view = new CLumbrookConfigView();
        EXPECT_TRUE(view->Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 680, 440), &host,
                                 AFX_IDW_PANE_FIRST, &context));
        services.viewWindow = view->m_hWnd;
        EXPECT_TRUE(document.SetCurrentPage(document.GetPages()[0], TRUE));
        services.currentPage = document.GetCurrentPage();
        view->OnInitialUpdate();
        document.UpdateAllViews(NULL, HintWholeDocument, NULL);
        view->UpdateWindow();
    }
    ~PageEditor()
    {
        PressControl(false);
        ClipCursor(NULL);
        host.DestroyWindow();
        Pump();
        // The pointer rests at the screen's centre between tests, where the
        // end-to-end tests expect it; moved there once the window is gone, it
        // enters none of this test's windows.
        SetCursorPos(512, 384);
    }

    CElement* Object(const char* id) { return document.GetCurrentPage()->FindChildById(id); }
    // The selection as ids in selection order; "Page" when the page is.
    std::string Selected()
    {
        std::string text;
        for (CElement* object : document.GetSelection().GetObjects())
            text += (text.empty() ? "" : ",") + std::string(object->GetId());
        return text;
    }
    std::string Box(const char* id)
    {
        CElement* o = Object(id);
        return std::to_string(o->m_xpos) + "," + std::to_string(o->m_ypos) + " " + std::to_string(o->m_width) + "x" +
               std::to_string(o->m_height);
    }

    // A press at from, the pointer moved through to, released at the last
    // point; Ctrl held when asked.
    void Gesture(POINT from, std::vector<POINT> path, bool control = false)
    {
        if (control)
            PressControl(true);
        HWND wnd = view->m_hWnd;
        for (POINT p : path)
            PostMessageA(wnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        POINT end = path.empty() ? from : path.back();
        PostMessageA(wnd, WM_LBUTTONUP, 0, MAKELPARAM(end.x, end.y));
        SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
        Pump();
        if (control)
            PressControl(false);
        view->UpdateWindow();
    }
    void Click(int x, int y, bool control = false) { Gesture({ x, y }, {}, control); }
    void Key(UINT key, int repeat)
    {
        SendMessageA(view->m_hWnd, WM_KEYDOWN, key, MAKELPARAM(repeat, 0));
    }

    FakeEditorServices services;
    CLumbrookConfigDoc document;
    CWnd host;
    CLumbrookConfigView* view = NULL;
};

class PageViewTest : public ::testing::Test, public PageEditor
{
};

} // namespace

TEST(PageView, MouseGesturesSelectMoveAndSize)
{
    struct Case
    {
        const char* name;
        std::vector<std::vector<POINT>> gestures;   // each: press, moves...
        std::vector<bool> control;
        const char* selected;
        const char* boxA;
    };
    const Case cases[] = {
        { "click selects", { { { 30, 25 } } }, { false }, "A", "10,10 50x30" },
        { "click another replaces", { { { 30, 25 } }, { { 120, 25 } } }, { false, false }, "B", "10,10 50x30" },
        { "Ctrl-click extends", { { { 30, 25 } }, { { 120, 25 } } }, { false, true }, "A,B", "10,10 50x30" },
        { "Ctrl-click on the only one selects the page", { { { 30, 25 } }, { { 30, 25 } } }, { false, true }, "Page",
          "10,10 50x30" },
        { "Ctrl-click takes one of two away", { { { 30, 25 } }, { { 120, 25 } }, { { 30, 25 } } },
          { false, true, true }, "B", "10,10 50x30" },
        { "background click selects the page", { { { 30, 25 } }, { { 300, 200 } } }, { false, false }, "Page",
          "10,10 50x30" },
        { "rubber band round two", { { { 5, 5 }, { 100, 30 }, { 160, 50 } } }, { false }, "A,B", "10,10 50x30" },
        { "rubber band touching one selects the page", { { { 5, 5 }, { 40, 40 } } }, { false }, "Page",
          "10,10 50x30" },
        { "drag moves", { { { 30, 25 }, { 40, 35 }, { 80, 65 } } }, { false }, "A", "60,50 50x30" },
        { "drag moves a group", { { { 30, 25 } }, { { 120, 25 } }, { { 120, 25 }, { 125, 30 }, { 130, 45 } } },
          { false, true, false }, "A,B", "20,30 50x30" },
        { "bottom-right handle sizes", { { { 30, 25 } }, { { 62, 42 }, { 80, 60 }, { 92, 72 } } },
          { false, false }, "A", "10,10 80x60" },
        { "top-left handle sizes", { { { 30, 25 } }, { { 7, 7 }, { 2, 4 } } }, { false, false }, "A", "5,7 55x33" },
        { "a group has no handles: a press there is a rubber band", { { { 30, 25 } }, { { 120, 25 } }, { { 62, 42 }, { 92, 72 } } },
          { false, true, false }, "Page", "10,10 50x30" },
    };
    for (const Case& c : cases)
    {
        PageEditor editor;
        for (size_t i = 0; i < c.gestures.size(); ++i)
        {
            std::vector<POINT> path(c.gestures[i].begin() + 1, c.gestures[i].end());
            editor.Gesture(c.gestures[i][0], path, c.control[i]);
        }
        EXPECT_EQ(c.selected, editor.Selected()) << c.name;
        EXPECT_EQ(c.boxA, editor.Box("A")) << c.name;
    }
}

TEST_F(PageViewTest, AStaleTrackerNeverSizes)
{
    Click(30, 25);
    ASSERT_EQ("A", Selected());
    // The page selected from elsewhere (the tree): the frame round A is
    // gone, and a press where its handle stood starts a rubber band.
    document.Select(document.GetCurrentPage());
    Gesture({ 62, 42 }, { { 92, 72 } });
    EXPECT_EQ("10,10 50x30", Box("A"));
    EXPECT_EQ("0,0 400x300", std::to_string(document.GetCurrentPage()->m_xpos) + "," +
                                 std::to_string(document.GetCurrentPage()->m_ypos) + " " +
                                 std::to_string(document.GetCurrentPage()->m_width) + "x" +
                                 std::to_string(document.GetCurrentPage()->m_height));
}

TEST_F(PageViewTest, ControlPressedEarlierIsNotHeld)
{
    Click(30, 25);
    // Pressed and released before the click: the key is not down.
    PressControl(true);
    PressControl(false);
    Click(120, 25);
    EXPECT_EQ("B", Selected());
}

TEST(PageView, ArrowKeysMoveWithinTheirBounds)
{
    struct Case
    {
        const char* name;
        int width;
        UINT key;
        int repeat;
        const char* boxA;
        const char* status;
    };
    const Case cases[] = {
        { "right by the repeat count", 50, VK_RIGHT, 5, "15,10 50x30", "Position: [15, 10]" },
        { "down", 50, VK_DOWN, 3, "10,13 50x30", "Position: [10, 13]" },
        { "left stops at 0", 50, VK_LEFT, 1000, "0,10 50x30", "Position: [0, 10]" },
        { "up stops at 0", 50, VK_UP, 1000, "10,0 50x30", "Position: [10, 0]" },
        { "right stops half outside", 50, VK_RIGHT, 1000, "375,10 50x30", "Position: [375, 10]" },
        { "wider than the page stays at 0", 1000, VK_RIGHT, 5, "0,10 1000x30", "Position: [0, 10]" },
    };
    for (const Case& c : cases)
    {
        PageEditor editor;
        editor.Object("A")->m_width = c.width;
        editor.Click(30, 25);
        editor.Key(c.key, c.repeat);
        EXPECT_EQ(c.boxA, editor.Box("A")) << c.name;
        EXPECT_EQ(0u, std::string(editor.view->GetStatusText()).find(c.status))
            << c.name << ": " << (const char*)editor.view->GetStatusText();
        EXPECT_TRUE(editor.document.IsModified()) << c.name;
    }
}

TEST_F(PageViewTest, ArrowKeysNeverMoveThePageAndNeedASelection)
{
    CBrowser* page = document.GetCurrentPage();
    Key(VK_RIGHT, 5);
    EXPECT_EQ("10,10 50x30", Box("A"));
    document.Select(page);
    Key(VK_RIGHT, 5);
    EXPECT_EQ(0, page->m_xpos);
    EXPECT_EQ("10,10 50x30", Box("A"));
    EXPECT_FALSE(document.IsModified());
}

TEST_F(PageViewTest, DoubleClickSelectsAndAsksForProperties)
{
    Pump();
    SendMessageA(view->m_hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(120, 25));
    EXPECT_EQ("B", Selected());
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, view->m_hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ((WPARAM)ID_OBJECT_PROPERTIES, msg.wParam);
}

TEST_F(PageViewTest, StatusTextIsBounded)
{
    std::string longText(5000, 'x');
    view->SetStatusText("%s", longText.c_str());
    EXPECT_GT(view->GetStatusText().GetLength(), 0);
    EXPECT_LT(view->GetStatusText().GetLength(), 1024);
}

TEST(PageView, TheDragClipsThePointerOnlyWhenThereIsRoomLeft)
{
    const struct
    {
        const char* name;
        int width;
        bool clipped;
    } cases[] = {
        { "an object with room around it", 50, true },
        { "an object wider than the page", 600, false },
    };
    RECT screen;
    ClipCursor(NULL);
    GetClipCursor(&screen);
    for (const auto& c : cases)
    {
        PageEditor editor;
        editor.Object("C")->m_width = c.width;
        HWND wnd = editor.view->m_hWnd;
        SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 115));
        SendMessageA(wnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(32, 117));
        RECT clip;
        GetClipCursor(&clip);
        SendMessageA(wnd, WM_LBUTTONUP, 0, MAKELPARAM(32, 117));
        EXPECT_EQ(c.clipped, !EqualRect(&clip, &screen)) << c.name;
        EXPECT_EQ("C", editor.Selected()) << c.name;
        EXPECT_EQ(12, editor.Object("C")->m_xpos) << c.name;
    }
}

TEST(PageView, EveryPartShowsWhatTheWholePageShowsThere)
{
    ScratchDir scratch;
    CDataFile stored = MakePaintedPage(scratch, true);
    PageEditor editor(&stored);
    ASSERT_EQ(11u, editor.document.GetCurrentPage()->m_children.size());
    // The trackers round a selected text are painted with the page.
    editor.Click(150, 70);
    ASSERT_EQ(editor.document.GetCurrentPage()->m_children[0], editor.document.GetCurrentObject());
    ExpectPartsShowTheWhole([&](HDC target, const RECT& area, HRGN) {
        CDC dc;
        dc.Attach(target);
        editor.view->PaintArea(&dc, CRect(area));
        dc.Detach();
    });
}

namespace {

// The view's pixels as its window holds them.
std::vector<DWORD> ViewPixels(CLumbrookConfigView* view)
{
    CRect client;
    view->GetClientRect(&client);
    PaintSurface copy(client.Width(), client.Height());
    HDC dc = GetDC(view->m_hWnd);
    BitBlt(copy.dc(), 0, 0, client.Width(), client.Height(), dc, 0, 0, SRCCOPY);
    ReleaseDC(view->m_hWnd, dc);
    return copy.Pixels();
}

} // namespace

TEST(PageView, AnObjectMovedWithAnArrowKeyAndBackLeavesTheViewAsItWas)
{
    ScratchDir scratch;
    CDataFile stored = MakePaintedPage(scratch, true);
    const struct
    {
        const char* name;
        POINT at;
        UINT there;
        UINT back;
    } cases[] = {
        { "a translucent text", { 150, 70 }, VK_RIGHT, VK_LEFT },
        { "the sample's strip of hints", { 20, 390 }, VK_UP, VK_DOWN },
        { "a text wider than its box", { 580, 260 }, VK_LEFT, VK_RIGHT },
        { "a text taller than its box", { 400, 223 }, VK_DOWN, VK_UP },
        { "the placeholder", { 540, 125 }, VK_RIGHT, VK_LEFT },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        PageEditor editor(&stored);
        editor.Click(c.at.x, c.at.y);
        CElement* moved = editor.document.GetCurrentObject();
        ASSERT_TRUE(moved != NULL && moved != editor.document.GetCurrentPage());
        POINT place = { moved->m_xpos, moved->m_ypos };
        // The trackers drawn round the selection, as the view shows them.
        editor.view->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        std::vector<DWORD> before = ViewPixels(editor.view);
        editor.Key(c.there, 1);
        EXPECT_TRUE(place.x != moved->m_xpos || place.y != moved->m_ypos) << "the key moves it";
        editor.Key(c.back, 1);
        EXPECT_EQ(place.x, moved->m_xpos);
        EXPECT_EQ(place.y, moved->m_ypos);
        std::vector<DWORD> after = ViewPixels(editor.view);
        CRect client;
        editor.view->GetClientRect(&client);
        int differing = 0;
        std::string first;
        for (size_t i = 0; i < before.size(); ++i)
        {
            if (before[i] != after[i] && differing++ == 0)
                first = std::to_string(i % client.Width()) + "," + std::to_string(i / client.Width());
        }
        EXPECT_EQ(0, differing) << "first at " << first;
    }
}
