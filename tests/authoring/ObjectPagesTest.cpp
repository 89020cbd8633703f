// The shared object pages in real property sheets, driven inside the
// sheets' modal loops: what each page shows for its fields, what it gives
// back after OK, and the framework's range messages for bad input.
#include "authoring/ObjectPages.h"
#include "resources/editor/ObjectPagesIds.h"
#include "tests/authoring/SheetSteps.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace sheetsteps;

TEST(ObjectNamePP, ShowsTheNounAndThePageFileAndGivesTheName)
{
    struct Case
    {
        const char* name;
        const char* noun;
        const char* pageFile;
        BOOL wizard;
        const char* nounText;
        const char* dragText;
        bool fileShown;
    };
    const Case cases[] = {
        { "page", "page", "tarvex.pgd", FALSE, "Select a name for this page.",
          "Allow the page to be moved by a mouse drag", true },
        { "image", "image", "", FALSE, "Select a name for this image.",
          "Allow the page to be moved by a mouse drag on this image", false },
        { "page in the wizard", "page", "tarvex.pgd", TRUE, "Select a name for this page.",
          "Allow the page to be moved by a mouse drag", false },
    };
    for (const Case& c : cases)
    {
        CObjectNamePP page;
        page.m_strNoun = c.noun;
        page.m_strPageFileName = c.pageFile;
        page.m_bWizardMode = c.wizard;
        page.m_strName = "Old";
        std::string nounText, dragText;
        bool fileShown = false;
        INT_PTR result = RunOne(page, {
            [&] {
                nounText = Text(page, IDC_NOUN_TEXT);
                dragText = Text(page, IDC_OBJ_MOUSE_DRAG);
                fileShown = Visible(page, IDC_OBJ_PAGE_FILE) && Visible(page, IDC_OBJ_PAGE_FILE_LABEL);
                EXPECT_EQ("Old", Text(page, IDC_OBJ_NAME)) << c.name;
                SetText(page, IDC_OBJ_NAME, "NewName");
                Click(page, IDC_OBJ_MOUSE_DRAG);
                Press(page, c.wizard ? PSBTN_FINISH : PSBTN_OK);
            },
        });
        EXPECT_NE(IDCANCEL, result) << c.name;
        EXPECT_EQ(c.nounText, nounText) << c.name;
        EXPECT_EQ(c.dragText, dragText) << c.name;
        EXPECT_EQ(c.fileShown, fileShown) << c.name;
        if (!c.wizard)
        {
            EXPECT_STREQ("NewName", page.m_strName) << c.name;
            EXPECT_EQ(1, page.m_bMouseDrag) << c.name;
        }
    }
}

TEST(ObjectNamePP, ANameOfMoreThan25CharactersIsRefused)
{
    CObjectNamePP page;
    INT_PTR result = RunOne(page, {
        [&] {
            // Typing stops at 25; text set from outside is checked on leaving.
            EXPECT_EQ(25, (int)SendDlgItemMessageA(page.m_hWnd, IDC_OBJ_NAME, EM_GETLIMITTEXT, 0, 0));
            SetText(page, IDC_OBJ_NAME, "abcdefghijklmnopqrstuvwxyz");
            Press(page, PSBTN_OK);
        },
        [&] {
            EXPECT_EQ(1u, Messages().size());
            SetText(page, IDC_OBJ_NAME, "abcdefghijklmnopqrstuvwxy");
            Press(page, PSBTN_OK);
        },
    });
    EXPECT_EQ(IDOK, result);
    ASSERT_EQ(1u, Messages().size());
    EXPECT_EQ("Enter no more than 25 characters.", Messages()[0]);
    EXPECT_STREQ("abcdefghijklmnopqrstuvwxy", page.m_strName);
}

TEST(ObjectPositionPP, ModesShowAsChecksAndChecksGiveModes)
{
    struct Case
    {
        int mode;
        bool relative, higher, lower;
        // What is clicked before OK, and the mode it gives.
        int click1, click2;
        int stored;
    };
    const Case cases[] = {
        { 0, false, false, false, 0, 0, 0 },
        { 6, true, true, false, 0, 0, 6 },
        { 5, true, true, false, 0, 0, 6 },
        { 4, true, false, true, 0, 0, 4 },
        { 2, true, true, true, 0, 0, 2 },
        { 1, true, true, true, 0, 0, 2 },
        // Both cleared stores 2.
        { 6, true, true, false, IDC_POS_HIGHER, 0, 2 },
        { 2, true, true, true, IDC_POS_HIGHER, 0, 4 },
        { 4, true, false, true, IDC_POS_RELATIVE, 0, 0 },
        { 0, false, false, false, IDC_POS_RELATIVE, 0, 2 },
    };
    for (const Case& c : cases)
    {
        CObjectPositionPP page;
        page.m_mode = c.mode;
        page.m_x = 10;
        page.m_y = 20;
        INT_PTR result = RunOne(page, {
            [&] {
                EXPECT_EQ(c.relative, Checked(page, IDC_POS_RELATIVE)) << c.mode;
                EXPECT_EQ(c.higher, Checked(page, IDC_POS_HIGHER)) << c.mode;
                EXPECT_EQ(c.lower, Checked(page, IDC_POS_LOWER)) << c.mode;
                EXPECT_EQ(c.relative, Enabled(page, IDC_POS_HIGHER)) << c.mode;
                EXPECT_EQ("10", Text(page, IDC_POS_X));
                if (c.click1)
                    Click(page, c.click1);
                if (c.click2)
                    Click(page, c.click2);
                Press(page, PSBTN_OK);
            },
        });
        EXPECT_EQ(IDOK, result);
        EXPECT_EQ(c.stored, page.m_mode) << "mode " << c.mode << " click " << c.click1;
    }
}

TEST(ObjectPositionPP, PositionsOutsideTheRangeKeepThePage)
{
    struct Case
    {
        const char* x;
        const char* y;
        const char* message;
    };
    const Case cases[] = {
        { "2001", "5", "Please enter an integer between 0 and 2000." },
        { "5", "-1", "Please enter an integer between 0 and 2000." },
        { "abc", "5", "Please enter an integer." },
    };
    for (const Case& c : cases)
    {
        CObjectPositionPP page;
        INT_PTR result = RunOne(page, {
            [&] {
                SetText(page, IDC_POS_X, c.x);
                SetText(page, IDC_POS_Y, c.y);
                Press(page, PSBTN_OK);
            },
            [&] {
                // Still open: put right and confirm.
                SetText(page, IDC_POS_X, "2000");
                SetText(page, IDC_POS_Y, "0");
                Press(page, PSBTN_OK);
            },
        });
        EXPECT_EQ(IDOK, result) << c.x;
        ASSERT_EQ(1u, Messages().size()) << c.x;
        EXPECT_EQ(c.message, Messages()[0]) << c.x;
        EXPECT_EQ(2000, page.m_x);
        EXPECT_EQ(0, page.m_y);
    }
}

TEST(ObjectSizePP, ModesShowAsChecksAndChecksGiveModes)
{
    struct Case
    {
        int mode;
        bool keepRatio, grow, shrink;
        int click;
        int stored;
    };
    const Case cases[] = {
        { 0, false, false, false, 0, 0 },
        { 1, true, true, true, 0, 1 },
        { 2, false, true, true, 0, 2 },
        { 3, true, false, true, 0, 3 },
        { 4, false, false, true, 0, 4 },
        { 5, true, true, false, 0, 5 },
        { 6, false, true, false, 0, 6 },
        { 3, true, false, true, IDC_SIZE_KEEP_RATIO, 4 },
        { 5, true, true, false, IDC_SIZE_GROW, 1 },
        { 6, false, true, false, IDC_SIZE_RELATIVE, 0 },
    };
    for (const Case& c : cases)
    {
        CObjectSizePP page;
        page.m_mode = c.mode;
        page.m_width = 100;
        page.m_height = 40;
        INT_PTR result = RunOne(page, {
            [&] {
                EXPECT_EQ(c.mode != 0, Checked(page, IDC_SIZE_RELATIVE)) << c.mode;
                EXPECT_EQ(c.keepRatio, Checked(page, IDC_SIZE_KEEP_RATIO)) << c.mode;
                EXPECT_EQ(c.grow, Checked(page, IDC_SIZE_GROW)) << c.mode;
                EXPECT_EQ(c.shrink, Checked(page, IDC_SIZE_SHRINK)) << c.mode;
                if (c.click)
                    Click(page, c.click);
                Press(page, PSBTN_OK);
            },
        });
        EXPECT_EQ(IDOK, result);
        EXPECT_EQ(c.stored, page.m_mode) << "mode " << c.mode << " click " << c.click;
    }
}

TEST(ObjectSizePP, TheAspectRuleFollowsTheWidth)
{
    struct Case
    {
        int width, height;
        const char* typed;
        int expectedHeight;
    };
    const Case cases[] = {
        { 100, 40, "150", 60 },
        { 3, 2, "4", 2 },       // 2.67 truncated
        // Opened 0 wide: no ratio, the height stays.
        { 0, 40, "150", 40 },
    };
    for (const Case& c : cases)
    {
        CObjectSizePP page;
        page.m_width = c.width;
        page.m_height = c.height;
        bool heightEnabled = true;
        INT_PTR result = RunOne(page, {
            [&] {
                EXPECT_TRUE(Visible(page, IDC_SIZE_ASPECT));
                EXPECT_FALSE(Visible(page, IDC_SIZE_APPBAR));
                Click(page, IDC_SIZE_ASPECT);
                SetText(page, IDC_SIZE_WIDTH, c.typed);
                heightEnabled = Enabled(page, IDC_SIZE_HEIGHT);
                Press(page, PSBTN_OK);
            },
        });
        EXPECT_EQ(IDOK, result);
        EXPECT_FALSE(heightEnabled);
        EXPECT_EQ(atoi(c.typed), page.m_width) << c.typed;
        EXPECT_EQ(c.expectedHeight, page.m_height) << c.typed;
    }
}

TEST(ObjectSizePP, WidthTypedKeyByKeyKeepsTheAspectWithoutABox)
{
    CObjectSizePP page;
    page.m_width = 100;
    page.m_height = 40;
    page.m_bKeepAspect = 1;
    std::string typedWidth, typedHeight, clearedWidth, clearedHeight;
    INT_PTR result = RunOne(page, {
        [&] {
            HWND width = GetDlgItem(page.m_hWnd, IDC_SIZE_WIDTH);
            ClearByKeys(width);
            TypeKeys(width, "150");
            typedWidth = Text(page, IDC_SIZE_WIDTH);
            typedHeight = Text(page, IDC_SIZE_HEIGHT);
            ClearByKeys(width);
            clearedWidth = Text(page, IDC_SIZE_WIDTH);
            clearedHeight = Text(page, IDC_SIZE_HEIGHT);
            TypeKeys(width, "150");
            Press(page, PSBTN_OK);
        },
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("150", typedWidth);
    EXPECT_EQ("60", typedHeight);
    EXPECT_EQ("", clearedWidth);
    EXPECT_EQ("60", clearedHeight);
    EXPECT_EQ(150, page.m_width);
    EXPECT_EQ(60, page.m_height);
    EXPECT_EQ(std::vector<std::string>(), Messages());
}

TEST(ObjectSizePP, AnAppBarPageTakesTheScreensEdge)
{
    const int cx = GetSystemMetrics(SM_CXSCREEN);
    const int cy = GetSystemMetrics(SM_CYSCREEN);
    CObjectSizePP page;
    page.m_bIsPage = TRUE;
    page.m_width = 400;
    page.m_height = 300;
    page.m_edge = 0;
    std::string afterLeft, afterTop;
    bool aspectShown = true;
    INT_PTR result = RunOne(page, {
        [&] {
            aspectShown = Visible(page, IDC_SIZE_ASPECT);
            EXPECT_TRUE(Visible(page, IDC_SIZE_APPBAR));
            EXPECT_FALSE(Enabled(page, IDC_SIZE_EDGE_LEFT));
            Click(page, IDC_SIZE_APPBAR);
            EXPECT_TRUE(Enabled(page, IDC_SIZE_EDGE_LEFT));
            afterLeft = Text(page, IDC_SIZE_WIDTH) + "x" + Text(page, IDC_SIZE_HEIGHT);
            Click(page, IDC_SIZE_EDGE_TOP);
            afterTop = Text(page, IDC_SIZE_WIDTH) + "x" + Text(page, IDC_SIZE_HEIGHT);
            Press(page, PSBTN_OK);
        },
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_FALSE(aspectShown);
    EXPECT_EQ(std::to_string(cx / 10) + "x" + std::to_string(cy), afterLeft);
    EXPECT_EQ(std::to_string(cx) + "x" + std::to_string(cy / 10), afterTop);
    EXPECT_EQ(1, page.m_bAppbar);
    EXPECT_EQ(3, page.m_edge);
    EXPECT_EQ(cx, page.m_width);
    EXPECT_EQ(cy / 10, page.m_height);
}

TEST(ObjectSizePP, RestoreAndRanges)
{
    CObjectSizePP page;
    page.m_bRestoreAvailable = TRUE;
    page.m_restoreWidth = 64;
    page.m_restoreHeight = 48;
    page.m_width = 10;
    page.m_height = 10;
    INT_PTR result = RunOne(page, {
        [&] {
            EXPECT_TRUE(Visible(page, IDC_SIZE_RESTORE));
            SetText(page, IDC_SIZE_HEIGHT, "2001");
            Press(page, PSBTN_OK);
        },
        [&] {
            Click(page, IDC_SIZE_RESTORE);
            Press(page, PSBTN_OK);
        },
    });
    EXPECT_EQ(IDOK, result);
    ASSERT_EQ(1u, Messages().size());
    EXPECT_EQ("Please enter an integer between 0 and 2000.", Messages()[0]);
    EXPECT_EQ(64, page.m_width);
    EXPECT_EQ(48, page.m_height);
}

TEST(ObjectSizePP, CancelWithBadInputShowsNoMessage)
{
    CObjectSizePP page;
    page.m_width = 10;
    page.m_height = 10;
    INT_PTR result = RunOne(page, {
        [&] {
            SetText(page, IDC_SIZE_WIDTH, "99999");
            SetText(page, IDC_SIZE_HEIGHT, "");
            Press(page, PSBTN_CANCEL);
        },
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_TRUE(Messages().empty());
}

TEST(ObjectPages, WizardButtonsFollowThePlace)
{
    CObjectNamePP first;
    CObjectPositionPP middle;
    CObjectSizePP last;
    for (CObjectPropertyPage* page : std::initializer_list<CObjectPropertyPage*>{ &first, &middle, &last })
        page->m_bWizardMode = TRUE;
    CPropertySheet sheet("Wizard");
    sheet.SetWizardMode();
    sheet.AddPage(&first);
    sheet.AddPage(&middle);
    sheet.AddPage(&last);
    auto buttons = [&](CWnd& page) {
        HWND s = SheetOf(page);
        std::string text;
        if (IsWindowEnabled(GetDlgItem(s, ID_WIZBACK)))
            text += "Back";
        if (IsWindowVisible(GetDlgItem(s, ID_WIZNEXT)) && IsWindowEnabled(GetDlgItem(s, ID_WIZNEXT)))
            text += "Next";
        if (IsWindowVisible(GetDlgItem(s, ID_WIZFINISH)) && IsWindowEnabled(GetDlgItem(s, ID_WIZFINISH)))
            text += "Finish";
        return text;
    };
    std::vector<std::string> seen;
    INT_PTR result = RunSheet(sheet, {
        [&] { seen.push_back(buttons(first)); Press(first, PSBTN_NEXT); },
        [&] {
            seen.push_back(buttons(middle));
            // The wizard hides the resolution choices.
            EXPECT_FALSE(Visible(middle, IDC_POS_RELATIVE));
            Press(middle, PSBTN_NEXT);
        },
        [&] {
            seen.push_back(buttons(last));
            EXPECT_FALSE(Visible(last, IDC_SIZE_RELATIVE));
            Press(last, PSBTN_FINISH);
        },
    });
    EXPECT_EQ(ID_WIZFINISH, result);
    EXPECT_EQ(std::vector<std::string>({ "Next", "BackNext", "BackFinish" }), seen);
}

TEST(FormatWithNoun, ReplacesTwoPlacesAndReadsNothingElse)
{
    EXPECT_STREQ("a page b page c %s", FormatWithNoun("a %s b %s c %s", "page"));
    EXPECT_STREQ("100% %d page", FormatWithNoun("100% %d %s", "page"));
}
