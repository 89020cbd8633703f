// What a played page looks like after the things an author does: a shaped
// page reached by a page change, a see-through page over a window of our
// own, texts that fit their own font and move cleanly, the player's own
// icon, and a hover picture that goes back when the pointer leaves the
// window. Everything is read from the screen.
#include "tests/e2e/PictureFiles.h"
#include "tests/e2e/PlayerProcess.h"
#include "tests/player/ScriptFileBuilder.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

bool Play(PlayerProcess& player, ProjectArchive& archive, const std::string& path)
{
    return archive.Write(path) && player.Start(TarvexExePath(), Quoted(path)) && player.WaitForWindow() != NULL;
}

std::string ElementSection(int number)
{
    return "Element_" + std::to_string(number);
}

void AddElement(CDataFile* page, int number, const char* type, const char* id, int x, int y, int width, int height)
{
    std::string section = ElementSection(number);
    page->SetString(section.c_str(), "type", type);
    page->SetString(section.c_str(), "id", id);
    page->SetInt(section.c_str(), "xpos", x);
    page->SetInt(section.c_str(), "ypos", y);
    page->SetInt(section.c_str(), "width", width);
    page->SetInt(section.c_str(), "height", height);
    page->SetInt("Main", "numElements", number);
}

// The element's only script, run on event.
ScriptFileBuilder ElementScript(CDataFile* page, int number, int script, const char* event)
{
    std::string owner = ElementSection(number);
    page->SetInt(owner.c_str(), "numScripts", script);
    return ScriptFileBuilder(*page, (owner + "_Script_" + std::to_string(script)).c_str(), event);
}

void SetProperty(ScriptFileBuilder& script, const char* id, const char* property, VARTYPE type, const char* value)
{
    std::string section = script.Add("SetProperty");
    CDataFile& page = script.File();
    page.SetString(section.c_str(), "controlId", id);
    page.SetString(section.c_str(), "property", property);
    page.SetString(section.c_str(), "variableName", "");
    page.SetInt(section.c_str(), "valueType", type);
    page.SetString(section.c_str(), "value", value);
}

int CountColour(const ScreenPixels& pixels, const RECT& area, DWORD colour)
{
    int count = 0;
    for (int y = area.top; y < area.bottom && y < pixels.height; ++y)
        for (int x = area.left; x < area.right && x < pixels.width; ++x)
            if (x >= 0 && y >= 0 && pixels.At(x, y) == colour)
                ++count;
    return count;
}

// A plain window of one colour, painted by its own thread so that it
// repaints whenever the player uncovers it.
class ColourWindow
{
public:
    ColourWindow(const RECT& rect, COLORREF colour) : m_rect(rect), m_colour(colour), m_window(NULL)
    {
        m_ready = CreateEventA(NULL, TRUE, FALSE, NULL);
        m_thread = CreateThread(NULL, 0, &ColourWindow::Run, this, 0, NULL);
        WaitForSingleObject(m_ready, kPlayerWaitMs);
    }
    ~ColourWindow()
    {
        if (m_window)
            PostMessageA(m_window, WM_CLOSE, 0, 0);
        WaitForSingleObject(m_thread, kPlayerWaitMs);
        CloseHandle(m_thread);
        CloseHandle(m_ready);
    }
    HWND Window() const { return m_window; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_DESTROY)
        {
            PostQuitMessage(0);
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    static DWORD WINAPI Run(LPVOID parameter)
    {
        ColourWindow* self = static_cast<ColourWindow*>(parameter);
        HBRUSH brush = CreateSolidBrush(self->m_colour);
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = &ColourWindow::Procedure;
        windowClass.hInstance = GetModuleHandleA(NULL);
        windowClass.hbrBackground = brush;
        windowClass.lpszClassName = "TarvexTestColourWindow";
        RegisterClassA(&windowClass);
        self->m_window = CreateWindowExA(0, windowClass.lpszClassName, "colour", WS_POPUP | WS_VISIBLE,
                                         self->m_rect.left, self->m_rect.top, self->m_rect.right - self->m_rect.left,
                                         self->m_rect.bottom - self->m_rect.top, NULL, NULL, windowClass.hInstance,
                                         NULL);
        UpdateWindow(self->m_window);
        SetEvent(self->m_ready);
        MSG message;
        while (GetMessageA(&message, NULL, 0, 0) > 0)
        {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        UnregisterClassA(windowClass.lpszClassName, windowClass.hInstance);
        DeleteObject(brush);
        return 0;
    }

    RECT m_rect;
    COLORREF m_colour;
    HWND m_window;
    HANDLE m_ready;
    HANDLE m_thread;
};

// Polls the screen until the pixel has the colour.
bool WaitForScreenPixel(int x, int y, DWORD colour, DWORD timeoutMs = kPlayerWaitMs)
{
    DWORD start = GetTickCount();
    RECT one = { x, y, x + 1, y + 1 };
    for (;;)
    {
        if (CaptureScreen(one).At(0, 0) == colour)
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(20);
    }
}

} // namespace

TEST(PlayerLook, ShapedPageReachedByAPageChangeIsCutToItsShape)
{
    // The shaped page: 300 x 240, an L of blue (the left 60 columns and
    // the top 60 rows) on the key colour.
    PictureRows shape = { 10, 8, std::vector<DWORD>(80, 0xFF00FF) };
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x)
            if (x < 2 || y < 2)
                shape.pixels[(size_t)y * 10 + x] = 0x2040C0;
    const struct
    {
        const char* name;
        int firstWidth;
        int firstHeight;
        int firstType;
    } cases[] = {
        { "from a smaller framed page", 400, 200, 2 },
        { "from a smaller shaped page", 100, 80, 3 },
        { "from a captioned page", 150, 100, 0 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        ScratchDir scratch;
        WriteWholeFile(scratch.File("shape.bmp"), BitmapFileBytes(shape));
        ProjectArchive archive;
        CDataFile* first = archive.AddPage("tarvex.pgd", "Before the shape", c.firstWidth, c.firstHeight, c.firstType);
        CDataFile* shaped = archive.AddPage("shaped.pgd", "Shaped after", 300, 240, 3);
        for (CDataFile* page : { first, shaped })
        {
            page->SetString("Main", "watermark", "shape.bmp");
            page->SetBool("Main", "tiled", FALSE);
            page->SetLong("Main", "transColor", RGB(255, 0, 255));
            page->SetBool("Main", "mouseMove", FALSE);
        }
        PlayerProcess player;
        ASSERT_TRUE(Play(player, archive, scratch.File("tarvex.pqz")));
        ASSERT_TRUE(player.WaitForTitle("Before the shape"));
        ASSERT_TRUE(player.Post(WM_USER + 14));
        ASSERT_TRUE(player.WaitForTitle("Shaped after"));
        // The title comes before the new size, the size before the centring.
        const RECT centred = { (GetSystemMetrics(SM_CXSCREEN) - 300) / 2, (GetSystemMetrics(SM_CYSCREEN) - 240) / 2 };
        RECT window = player.WindowRect();
        DWORD start = GetTickCount();
        while ((window.right - window.left != 300 || abs(window.left - centred.left) > 1 ||
                abs(window.top - centred.top) > 1) &&
               GetTickCount() - start < kPlayerWaitMs)
        {
            Sleep(20);
            window = player.WindowRect();
        }
        ASSERT_EQ(300, window.right - window.left);
        ASSERT_EQ(240, window.bottom - window.top);
        EXPECT_TRUE(WaitForScreenPixel(window.left + 10, window.top + 200, 0x2040C0)) << "the L's stem";
        EXPECT_TRUE(WaitForScreenPixel(window.left + 280, window.top + 20, 0x2040C0)) << "the L's bar";
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        ASSERT_EQ(COMPLEXREGION, player.GetRegion(region));
        EXPECT_TRUE(PtInRegion(region, 10, 200));
        EXPECT_FALSE(PtInRegion(region, 200, 150));
        EXPECT_FALSE(PtInRegion(region, 299, 239));
        DeleteObject(region);
        // Cut away: the screen there is not the page's.
        RECT cut = { window.left + 100, window.top + 100, window.right, window.bottom };
        ScreenPixels beneath = CaptureScreen(cut);
        EXPECT_EQ(0, CountColour(beneath, { 0, 0, beneath.width, beneath.height }, 0xFF00FF));
        EXPECT_EQ(0, CountColour(beneath, { 0, 0, beneath.width, beneath.height }, 0x2040C0));
        EXPECT_TRUE(player.Close());
    }
}

TEST(PlayerLook, SeeThroughPageShowsTheWindowBeneathAtOnce)
{
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    // Larger than the page and centred like it: the page lies wholly over it.
    RECT under = { screenWidth / 2 - 200, screenHeight / 2 - 150, screenWidth / 2 + 200, screenHeight / 2 + 150 };
    ColourWindow colour(under, RGB(0x30, 0x90, 0x60));
    ASSERT_NE(nullptr, colour.Window());
    ASSERT_TRUE(WaitForScreenPixel(under.left + 5, under.top + 5, 0x309060));

    // Started on the page, and reached from a white framed page in the same place.
    for (bool changed : { false, true })
    {
        SCOPED_TRACE(changed ? "reached by a page change" : "the first page");
        ScratchDir scratch;
        ProjectArchive archive;
        if (changed)
            archive.AddPage("tarvex.pgd", "Before see-through", 220, 120, 2);
        CDataFile* page = archive.AddPage(changed ? "seethrough.pgd" : "tarvex.pgd", "See-through", 200, 100, 4);
        page->SetBool("Main", "mouseMove", FALSE);
        // A button on the page, so that the page's own paint can be told apart.
        AddElement(page, 1, "Image", "b", 150, 70, 40, 20);
        PlayerProcess player;
        ASSERT_TRUE(Play(player, archive, scratch.File("tarvex.pqz")));
        if (changed)
        {
            ASSERT_TRUE(player.WaitForTitle("Before see-through"));
            ASSERT_TRUE(player.WaitForClientPixel(10, 10, 0xFFFFFF));
            ASSERT_TRUE(player.Post(WM_USER + 14));
            ASSERT_TRUE(player.WaitForTitle("See-through"));
        }
        DWORD face = GetSysColor(COLOR_BTNFACE);
        ASSERT_TRUE(player.WaitForClientPixel(160, 80,
                                              ((DWORD)GetRValue(face) << 16) | ((DWORD)GetGValue(face) << 8) |
                                                  GetBValue(face)));
        ScreenPixels pixels = player.CaptureClient();
        ASSERT_EQ(200, pixels.width);
        EXPECT_EQ(140 * 100, CountColour(pixels, { 0, 0, 140, 100 }, 0x309060))
            << "beneath shows " << std::hex << pixels.At(10, 10);
        EXPECT_TRUE(player.Close());
    }
}

namespace {

// A text element "t" in blue at (10, 10) and a clickable text "go" whose
// OnMouseDown sets one property of "t".
struct MoveCase
{
    const char* name;
    const char* property;
    VARTYPE type;
    const char* value;
    POINT newPlace;   // a point in the new drawing
    DWORD newColour;
};

} // namespace

TEST(PlayerLook, TextChangedBySetPropertyLeavesNothingBehind)
{
    const MoveCase cases[] = {
        { "moved right", "xpos", VT_I4, "200", { 215, 25 }, 0x0000FF },
        { "moved down", "ypos", VT_I4, "120", { 15, 135 }, 0x0000FF },
        { "made smaller", "fontSize", VT_I4, "8", { 0, 0 }, 0 },
        { "coloured red", "fontColor", VT_UI4, "255", { 0, 0 }, 0xFF0000 },
    };
    for (const MoveCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        ScratchDir scratch;
        ProjectArchive archive;
        CDataFile* page = archive.AddPage("tarvex.pgd", "Moving text", 400, 200, 2);
        page->SetBool("Main", "mouseMove", FALSE);
        AddElement(page, 1, "Text", "t", 10, 10, 10, 10);
        page->SetMultiLineString("Element_1", "text", "MWMWM");
        page->SetInt("Element_1", "fontSize", 28);
        page->SetInt("Element_1", "fontWeight", 900);
        page->SetLong("Element_1", "fontColor", RGB(0, 0, 255));
        page->SetInt("Element_1", "singleline", 1);
        AddElement(page, 2, "Text", "go", 300, 170, 80, 20);
        page->SetMultiLineString("Element_2", "text", "go");
        ScriptFileBuilder click = ElementScript(page, 2, 1, "OnMouseDown");
        SetProperty(click, "t", c.property, c.type, c.value);
        PlayerProcess player;
        ASSERT_TRUE(Play(player, archive, scratch.File("tarvex.pqz")));
        RECT all = { 0, 0, 400, 200 };
        DWORD start = GetTickCount();
        while (CountColour(player.CaptureClient(), all, 0x0000FF) < 100 && GetTickCount() - start < kPlayerWaitMs)
            Sleep(20);
        ScreenPixels before = player.CaptureClient();
        // The old drawing: every blue pixel of the text as first painted.
        RECT oldArea = { 0, 0, 190, 110 };
        int oldBlue = CountColour(before, oldArea, 0x0000FF);
        ASSERT_GT(oldBlue, 100);

        ASSERT_TRUE(player.PostMouse(WM_LBUTTONDOWN, 320, 178, MK_LBUTTON));
        ASSERT_TRUE(player.PostMouse(WM_LBUTTONUP, 320, 178));
        // Waits for the new drawing: the moved text in its new place, the
        // new colour, or most of the large text gone.
        RECT around = { c.newPlace.x - 15, c.newPlace.y - 15, c.newPlace.x + 180, c.newPlace.y + 60 };
        start = GetTickCount();
        for (;;)
        {
            ScreenPixels now = player.CaptureClient();
            bool changed = c.newPlace.x ? CountColour(now, around, c.newColour) > 100
                           : c.newColour ? CountColour(now, oldArea, c.newColour) > 100
                                         : CountColour(now, all, 0x0000FF) < oldBlue / 2;
            if (changed || GetTickCount() - start > kPlayerWaitMs)
                break;
            Sleep(20);
        }
        ASSERT_TRUE(player.Answers());
        ScreenPixels after = player.CaptureClient();
        if (c.newPlace.x)
        {
            EXPECT_EQ(0, CountColour(after, oldArea, 0x0000FF)) << "the old drawing stayed";
            EXPECT_GT(CountColour(after, around, c.newColour), 100);
        }
        else if (c.newColour)
        {
            EXPECT_EQ(0, CountColour(after, all, 0x0000FF)) << "the old colour stayed";
            EXPECT_GT(CountColour(after, oldArea, c.newColour), 100);
        }
        else
        {
            // 8 points of "MWMWM" stay within about 60 x 15 pixels.
            RECT small = { 0, 0, 80, 35 };
            EXPECT_EQ(CountColour(after, all, 0x0000FF), CountColour(after, small, 0x0000FF))
                << "the large drawing stayed";
            EXPECT_GT(CountColour(after, small, 0x0000FF), 10);
        }
        EXPECT_TRUE(player.Close());
    }
}

namespace {

// The size DrawText gives the text in the element's font on this screen.
SIZE MeasureText(const char* text, int points, UINT format, int wrapWidth)
{
    HDC screen = GetDC(NULL);
    HFONT font = CreateFontA(-MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, FALSE,
                             FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH, "Arial");
    HGDIOBJ old = SelectObject(screen, font);
    RECT rect = { 0, 0, wrapWidth, 1 };
    DrawTextA(screen, text, -1, &rect, format | DT_CALCRECT);
    SelectObject(screen, old);
    DeleteObject(font);
    ReleaseDC(NULL, screen);
    SIZE size = { rect.right - rect.left, rect.bottom - rect.top };
    return size;
}

// The extent of the run of colour that starts at (x, y), rightwards and downwards.
SIZE RunFrom(const ScreenPixels& pixels, int x, int y, DWORD colour)
{
    SIZE size = { 0, 0 };
    while (x + size.cx < pixels.width && pixels.At(x + size.cx, y) == colour)
        ++size.cx;
    while (y + size.cy < pixels.height && pixels.At(x, y + size.cy) == colour)
        ++size.cy;
    return size;
}

} // namespace

TEST(PlayerLook, TextBoxSpansItsTextInItsOwnFont)
{
    const struct
    {
        const char* name;
        const char* text;
        int points;
        int singleline;
        int width;   // stored width: the wrapped text's width
    } cases[] = {
        { "large", "Large type", 24, 1, 10 },
        { "small", "Small type here", 7, 1, 10 },
        { "wrapped", "Some words that wrap in the box", 12, 0, 90 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        ScratchDir scratch;
        ProjectArchive archive;
        CDataFile* page = archive.AddPage("tarvex.pgd", "Fitted text", 400, 200, 2);
        page->SetBool("Main", "mouseMove", FALSE);
        AddElement(page, 1, "Text", "t", 20, 20, c.width, 5);
        page->SetMultiLineString("Element_1", "text", c.text);
        page->SetInt("Element_1", "fontSize", c.points);
        page->SetInt("Element_1", "singleline", c.singleline);
        page->SetLong("Element_1", "fontColor", RGB(0, 128, 0));
        page->SetLong("Element_1", "bgColor", RGB(0, 128, 0));
        page->SetDouble("Element_1", "bgTransparency", 1.0);
        PlayerProcess player;
        ASSERT_TRUE(Play(player, archive, scratch.File("tarvex.pqz")));
        ASSERT_TRUE(player.WaitForClientPixel(20, 20, 0x008000));
        UINT format = DT_NOPREFIX | DT_NOCLIP | (c.singleline ? DT_SINGLELINE : DT_WORDBREAK);
        SIZE text = MeasureText(c.text, c.points, format, c.width);
        SIZE box = RunFrom(player.CaptureClient(), 20, 20, 0x008000);
        // The box grows to the text; a stored size beyond it stays.
        EXPECT_NEAR(text.cx > c.width ? text.cx : c.width, box.cx, 1) << "width";
        EXPECT_NEAR(text.cy > 5 ? text.cy : 5, box.cy, 1) << "height";
        EXPECT_TRUE(player.Close());
    }
}

TEST(PlayerLook, CaptionShowsThePlayersOwnIcon)
{
    // The icon's 16 x 16 picture: its colours exactly, over the caption.
    HMODULE exe = LoadLibraryExA(TarvexExePath().c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, exe);
    HICON own = (HICON)LoadImageA(exe, MAKEINTRESOURCEA(104), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                  GetSystemMetrics(SM_CYSMICON), 0);
    ASSERT_NE(nullptr, own) << "tarvex.exe holds icon 104";
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(own, &info));
    BITMAP header = {};
    GetObjectA(info.hbmColor, sizeof(header), &header);
    // The icon drawn over black and over white: pixels equal in both are opaque.
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, header.bmWidth * 2, header.bmHeight);
    HGDIOBJ oldCanvas = SelectObject(memory, canvas);
    PatBlt(memory, 0, 0, header.bmWidth, header.bmHeight, BLACKNESS);
    PatBlt(memory, header.bmWidth, 0, header.bmWidth, header.bmHeight, WHITENESS);
    DrawIconEx(memory, 0, 0, own, header.bmWidth, header.bmHeight, 0, NULL, DI_NORMAL);
    DrawIconEx(memory, header.bmWidth, 0, own, header.bmWidth, header.bmHeight, 0, NULL, DI_NORMAL);
    // The two commonest opaque colours but white (the caption's text may be white).
    std::map<DWORD, int> counts;
    for (int y = 0; y < header.bmHeight; ++y)
        for (int x = 0; x < header.bmWidth; ++x)
        {
            COLORREF a = GetPixel(memory, x, y);
            DWORD colour = ((DWORD)GetRValue(a) << 16) | ((DWORD)GetGValue(a) << 8) | GetBValue(a);
            if (a == GetPixel(memory, header.bmWidth + x, y) && colour != 0xFFFFFF)
                ++counts[colour];
        }
    SelectObject(memory, oldCanvas);
    DeleteObject(canvas);
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(own);
    FreeLibrary(exe);
    std::vector<std::pair<int, DWORD>> commonest;
    for (const auto& count : counts)
        commonest.push_back({ count.second, count.first });
    std::sort(commonest.rbegin(), commonest.rend());
    ASSERT_GE(commonest.size(), 2u);
    commonest.resize(2);

    const struct
    {
        const char* name;
        const char* icon;
    } cases[] = {
        { "no icon named", NULL },
        { "icon file missing", "nosuch.ico" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        ScratchDir scratch;
        ProjectArchive archive;
        CDataFile* page = archive.AddPage("tarvex.pgd", "Own icon", 240, 120, 0);
        if (c.icon)
            page->SetString("Main", "icon", c.icon);
        PlayerProcess player;
        ASSERT_TRUE(Play(player, archive, scratch.File("tarvex.pqz")));
        // The caption: the strip above the client area.
        RECT window = player.WindowRect();
        RECT client = player.ClientRectOnScreen();
        RECT caption = { window.left, window.top, window.right, client.top };
        ASSERT_GT(caption.bottom - caption.top, 8);
        // The caption may show the icon scaled from another of its sizes:
        // a good part of each colour is enough.
        bool found = false;
        DWORD start = GetTickCount();
        while (!found && GetTickCount() - start < kPlayerWaitMs)
        {
            ScreenPixels pixels = CaptureScreen(caption);
            found = true;
            for (const auto& colour : commonest)
                if (CountColour(pixels, { 0, 0, pixels.width, pixels.height }, colour.second) < colour.first / 4)
                    found = false;
            if (!found)
                Sleep(50);
        }
        EXPECT_TRUE(found);
        EXPECT_TRUE(player.Close());
    }
}

TEST(PlayerLook, HoverPictureGoesBackWhenThePointerLeavesTheWindow)
{
    PointerRestorer restorer;
    ScratchDir scratch;
    PictureRows normal = { 4, 4, std::vector<DWORD>(16, 0x00A000) };
    PictureRows hover = { 4, 4, std::vector<DWORD>(16, 0xC00000) };
    WriteWholeFile(scratch.File("normal.bmp"), BitmapFileBytes(normal));
    WriteWholeFile(scratch.File("hover.bmp"), BitmapFileBytes(hover));
    ProjectArchive archive;
    CDataFile* page = archive.AddPage("tarvex.pgd", "Hover", 240, 160, 2);
    page->SetBool("Main", "mouseMove", FALSE);
    // At the page's left edge, clear of the screen's centre where the pointer rests.
    AddElement(page, 1, "Image", "button", 0, 0, 40, 40);
    page->SetString("Element_1", "src", "normal.bmp");
    page->SetString("Element_1", "cursor", "hand");
    ScriptFileBuilder in = ElementScript(page, 1, 1, "OnMouseIn");
    SetProperty(in, "button", "src", VT_BSTR, "hover.bmp");
    ScriptFileBuilder out = ElementScript(page, 1, 2, "OnMouseOut");
    SetProperty(out, "button", "src", VT_BSTR, "normal.bmp");
    PlayerProcess player;
    ASSERT_TRUE(Play(player, archive, scratch.File("tarvex.pqz")));
    ASSERT_TRUE(player.WaitForClientPixel(20, 20, 0x00A000));

    RECT client = player.ClientRectOnScreen();
    const struct
    {
        const char* name;
        int x;
        int y;
        DWORD colour;
    } steps[] = {
        { "onto the button", client.left + 10, client.top + 10, 0xC00000 },
        { "out of the window to the left", client.left - 30, client.top + 10, 0x00A000 },
        { "onto the button again", client.left + 12, client.top + 12, 0xC00000 },
        { "out of the window upwards", client.left + 12, client.top - 40, 0x00A000 },
    };
    for (const auto& step : steps)
    {
        SCOPED_TRACE(step.name);
        // A second move nudges Wine's pointer tracking along.
        SendPointerInput(step.x, step.y);
        SendPointerInput(step.x + 1, step.y);
        EXPECT_TRUE(player.WaitForClientPixel(20, 20, step.colour));
    }
    EXPECT_TRUE(player.Close());
}
