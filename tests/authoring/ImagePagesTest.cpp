// The image element's pages in real sheets, driven from a timer inside the
// sheet's loop; pictures are files written by the test.
#include "authoring/ImagePages.h"
#include "authoring/ProjectFolder.h"
#include "model/Browser.h"
#include "model/ImageElement.h"
#include "resources/editor/TextImagePagesIds.h"
#include "tests/e2e/PictureFiles.h"
#include "tests/model/FakeEditorServices.h"
#include "tests/support/BoxRule.h"
#include "tests/support/SheetDriver.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace sheetdriver;

namespace {

// A picture of one colour with a red pixel in its top-left corner.
void WritePicture(const std::string& path, int width, int height, DWORD colour = 0x2080C0)
{
    PictureRows rows = { width, height, std::vector<DWORD>((size_t)width * height, colour) };
    rows.pixels[0] = 0xFF0000;
    WriteWholeFile(path, BitmapFileBytes(rows));
}

INT_PTR RunPages(std::vector<CPropertyPage*> pages, Steps steps)
{
    return Drive(
        [&] {
            CPropertySheet sheet("Image");
            sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
            for (CPropertyPage* page : pages)
                sheet.AddPage(page);
            return sheet.DoModal();
        },
        std::move(steps));
}

bool IsGone(HGDIOBJ object)
{
    return GetObjectType(object) == 0;
}

// The document folder for the test's life.
struct DocumentFolder
{
    explicit DocumentFolder(const std::string& folder) { SetDocumentFolder((folder + "tarvex.pqz").c_str()); }
    ~DocumentFolder() { SetDocumentFolder(""); }
};

} // namespace

TEST(ImagePreview, SmallPicturesKeepTheirSizeAndLargeOnesShrinkWithAMargin)
{
    const RECT area = { 10, 20, 110, 100 };
    const struct { int w, h; RECT placed; } rows[] = {
        { 40, 30, { 40, 45, 80, 75 } },
        { 99, 79, { 11, 21, 110, 100 } },
        { 100, 80, { 13, 22, 108, 98 } },
        { 200, 50, { 12, 48, 108, 72 } },
        { 0, 10, { 10, 20, 10, 20 } },
    };
    for (const auto& row : rows) {
        RECT placed = PlacePreview(area, row.w, row.h);
        EXPECT_EQ(row.placed.left, placed.left) << row.w << "x" << row.h;
        EXPECT_EQ(row.placed.top, placed.top) << row.w << "x" << row.h;
        EXPECT_EQ(row.placed.right, placed.right) << row.w << "x" << row.h;
        EXPECT_EQ(row.placed.bottom, placed.bottom) << row.w << "x" << row.h;
    }
}

TEST(ImagePage, OnlyAGifPathOffersTheAnimatedBox)
{
    CImagePP image;
    bool gifEnabled = false;
    bool jpgEnabled = true;
    bool jpgChecked = true;
    bool leadingDotEnabled = true;
    RunPages({ &image }, {
        Type(IDC_IMAGE_PATH, "pictures\\Spin.GIF"),
        [&] {
            gifEnabled = Enabled(IDC_IMAGE_ANIMATED);
            Click(IDC_IMAGE_ANIMATED);
        },
        Type(IDC_IMAGE_PATH, "pictures\\photo.jpg"),
        [&] {
            jpgEnabled = Enabled(IDC_IMAGE_ANIMATED);
            jpgChecked = Checked(IDC_IMAGE_ANIMATED);
        },
        Type(IDC_IMAGE_PATH, ".gif"),
        [&] {
            leadingDotEnabled = Enabled(IDC_IMAGE_ANIMATED);
            Ok();
        },
    });
    EXPECT_TRUE(gifEnabled);
    EXPECT_FALSE(jpgEnabled);
    EXPECT_FALSE(jpgChecked);
    EXPECT_FALSE(leadingDotEnabled);
    EXPECT_EQ(0, image.m_bAnimated);
}

TEST(ImagePage, ARelativePathIsPreviewedFromTheDocumentFolderNotTheCurrentOne)
{
    ScratchDir project;
    ScratchDir elsewhere;
    CreateDirectoryA(project.File("media").c_str(), NULL);
    WritePicture(project.File("media\\pic.bmp"), 40, 30);
    DocumentFolder folder(project.Path());
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(elsewhere.Path().c_str());

    CImagePP image;
    int width = 0;
    int height = 0;
    RunPages({ &image }, {
        Type(IDC_IMAGE_PATH, "media\\pic.bmp"),
        [&] {
            width = image.m_pictureSize.bmWidth;
            height = image.m_pictureSize.bmHeight;
            Cancel();
        },
    });
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(40, width);
    EXPECT_EQ(30, height);
}

TEST(ImagePage, ThePreviewFreesEachPictureAndKeepsOneBackground)
{
    ScratchDir project;
    WritePicture(project.File("a.bmp"), 40, 30);
    WritePicture(project.File("b.bmp"), 20, 10);
    WritePicture(project.File("back.bmp"), 64, 64, 0x00FF00);
    DocumentFolder folder(project.Path());
    FakeEditorServices services(project.Path());
    CBrowser page;
    page.m_strWatermark = "back.bmp";
    services.currentPage = &page;

    CImagePP image;
    HBITMAP first = NULL;
    HBITMAP second = NULL;
    HBITMAP background = NULL;
    bool firstGoneAtSecond = false;
    bool backgroundKept = false;
    RunPages({ &image }, {
        Type(IDC_IMAGE_PATH, "a.bmp"),
        [&] {
            first = image.m_hPicture;
            background = image.m_hBackground;
        },
        Type(IDC_IMAGE_PATH, "b.bmp"),
        [&] {
            second = image.m_hPicture;
            firstGoneAtSecond = IsGone(first);
            InvalidateRect(image.m_hWnd, NULL, TRUE);
            UpdateWindow(image.m_hWnd);
            backgroundKept = image.m_hBackground == background;
            Cancel();
        },
    });
    ASSERT_NE(nullptr, first);
    ASSERT_NE(nullptr, second);
    ASSERT_NE(nullptr, background);
    EXPECT_TRUE(firstGoneAtSecond);
    EXPECT_TRUE(backgroundKept);
    EXPECT_TRUE(IsGone(second));
    EXPECT_TRUE(IsGone(background));
}

TEST(ImagePage, ANewPictureResetsTheSizePageAndTheSamePathLeavesIt)
{
    ScratchDir project;
    WritePicture(project.File("a.bmp"), 40, 30);
    WritePicture(project.File("b.bmp"), 60, 20);
    DocumentFolder folder(project.Path());
    const struct { const char* typed; int width, height; } rows[] = {
        { "b.bmp", 60, 20 }, { "a.bmp", 300, 200 }, { "missing.bmp", 300, 200 },
    };
    for (const auto& row : rows) {
        CImageElement element;
        CImagePP image;
        CImageEffectsPP next;
        image.m_pElement = &element;
        image.m_strPath = "a.bmp";
        int width = 300, height = 200, restoreWidth = 40, restoreHeight = 30;
        image.m_pSizeWidth = &width;
        image.m_pSizeHeight = &height;
        image.m_pRestoreWidth = &restoreWidth;
        image.m_pRestoreHeight = &restoreHeight;
        RunPages({ &image, &next }, {
            Type(IDC_IMAGE_PATH, row.typed),
            [] { ShowTab(1); },
            [] { Cancel(); },
        });
        EXPECT_EQ(row.width, width) << row.typed;
        EXPECT_EQ(row.height, height) << row.typed;
        if (row.width == 60) {
            EXPECT_EQ(60, restoreWidth);
        }
    }
}

// A picker over a 40 x 20 picture written for it, with a chosen pixel.
struct PickerFixture
{
    ScratchDir folder;
    HBITMAP bitmap;
    CPixelPickerPP picker;
    explicit PickerFixture(int pickX = -1, int pickY = -1)
    {
        WritePicture(folder.File("p.bmp"), 40, 20);
        bitmap = (HBITMAP)LoadImageA(NULL, folder.File("p.bmp").c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
        picker.m_hPicture = bitmap;
        GetObjectA(bitmap, sizeof(picker.m_pictureSize), &picker.m_pictureSize);
        picker.m_pickX = pickX;
        picker.m_pickY = pickY;
    }
    ~PickerFixture() { DeleteObject(bitmap); }
};

RECT AreaOf(CPixelPickerPP& picker)
{
    RECT area;
    GetWindowRect(GetDlgItem(picker.m_hWnd, IDC_PICK_AREA), &area);
    MapWindowPoints(NULL, picker.m_hWnd, (POINT*)&area, 2);
    return area;
}

void ClickAt(CPixelPickerPP& picker, int x, int y)
{
    SendMessageA(picker.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(picker.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

TEST(PixelPicker, AClickChoosesThePixelUnderItAndNeverOnePastTheEdge)
{
    PickerFixture fixture;
    CPixelPickerPP& picker = fixture.picker;
    struct Pick { int dx, dy, x, y; std::string shownX; };
    std::vector<Pick> picks;
    double zoom = 0;
    RunPages({ &picker }, {
        [&] {
            zoom = picker.m_zoom;
            RECT area = AreaOf(picker);
            const int w = area.right - area.left;
            const int h = area.bottom - area.top;
            const POINT offsets[] = { { 0, 0 }, { 50, 30 }, { w - 1, h - 1 }, { w / 2, 1 } };
            for (const POINT& offset : offsets) {
                ClickAt(picker, area.left + offset.x, area.top + offset.y);
                picks.push_back({ (int)offset.x, (int)offset.y, picker.m_pickX, picker.m_pickY,
                                  Text(IDC_PICK_X) });
            }
            Ok();
        },
    });
    ASSERT_GT(zoom, 1.0);
    for (const Pick& pick : picks) {
        const int x = (int)(pick.dx / zoom) < 39 ? (int)(pick.dx / zoom) : 39;
        const int y = (int)(pick.dy / zoom) < 19 ? (int)(pick.dy / zoom) : 19;
        EXPECT_EQ(x, pick.x) << pick.dx << "," << pick.dy;
        EXPECT_EQ(y, pick.y) << pick.dx << "," << pick.dy;
        EXPECT_EQ(std::to_string(x), pick.shownX);
    }
    EXPECT_EQ(39, picks[2].x);
    EXPECT_EQ(19, picks[2].y);
    EXPECT_EQ(picks.back().x, picker.m_pickX);
}

TEST(PixelPicker, TypedValuesOutsideThePictureAreCheckedAndKeptInside)
{
    PickerFixture fixture(3, 4);
    CPixelPickerPP& picker = fixture.picker;
    const std::string range = "Please enter an integer between 0 and 2000.";
    // The data is exchanged at every key: a lone "-" is no number yet, so a
    // negative value comes pasted.
    const struct { int id; const char* typed; bool pasted; int x, y; std::vector<std::string> boxes; } rows[] = {
        { IDC_PICK_X, "9999", false, 39, 4, { range } },
        { IDC_PICK_X, "12", false, 12, 4, {} },
        { IDC_PICK_Y, "-5", true, 12, 0, { range } },
        { IDC_PICK_Y, "20", false, 12, 19, {} },
    };
    for (const auto& row : rows)
    {
        for (const std::string& box : row.boxes)
            ExpectBox(box);
    }
    std::vector<std::pair<int, int>> picked;
    std::vector<std::vector<std::string>> boxes;
    std::string shownAtOpening;
    std::unique_ptr<BoxWatch> watch;
    Steps steps = { [&] { shownAtOpening = Text(IDC_PICK_X) + "," + Text(IDC_PICK_Y); } };
    for (const auto& row : rows)
    {
        steps.push_back([&] { watch.reset(new BoxWatch); });
        steps.push_back(row.pasted ? Paste(row.id, row.typed) : Type(row.id, row.typed));
        steps.push_back([&] {
            picked.push_back({ picker.m_pickX, picker.m_pickY });
            boxes.push_back(watch->Texts());
        });
    }
    steps.push_back([] { Cancel(); });
    RunPages({ &picker }, steps);
    EXPECT_EQ("3,4", shownAtOpening);
    ASSERT_EQ(4u, picked.size());
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(rows[i].x, picked[i].first) << rows[i].typed;
        EXPECT_EQ(rows[i].y, picked[i].second) << rows[i].typed;
        EXPECT_EQ(rows[i].boxes, boxes[i]) << rows[i].typed;
    }
}

TEST(PixelPicker, ClearingUseTransparencyStoresNoColourAndNoPictureCancels)
{
    PickerFixture fixture(3, 4);
    CPixelPickerPP& picker = fixture.picker;
    INT_PTR result = RunPages({ &picker }, {
        [] {
            Click(IDC_PICK_USE);
            Ok();
        },
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(-1, picker.m_pickX);
    EXPECT_EQ(-1, picker.m_pickY);

    CImagePP image;
    CPixelPickerPP empty;
    result = RunPages({ &image, &empty }, { [] { ShowTab(1); } });
    EXPECT_EQ(IDCANCEL, result);
}
