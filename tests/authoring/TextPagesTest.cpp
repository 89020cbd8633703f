// The text element's pages in real sheets, driven from a timer inside the
// sheet's loop.
#include "authoring/TextPages.h"
#include "resources/editor/TextImagePagesIds.h"
#include "tests/support/BoxRule.h"
#include "tests/support/SheetDriver.h"

#include <gtest/gtest.h>

#include <stdio.h>
#include <dlgs.h>
#include <stdlib.h>

using namespace sheetdriver;

namespace {

INT_PTR RunPages(std::vector<CPropertyPage*> pages, bool wizard, Steps steps)
{
    return Drive(
        [&] {
            CPropertySheet sheet("Text");
            sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
            if (wizard)
                sheet.SetWizardMode();
            for (CPropertyPage* page : pages)
                sheet.AddPage(page);
            return sheet.DoModal();
        },
        std::move(steps));
}

void Prepare(CTextPP& page, const char* text, int x, int pageWidth, int* positionX)
{
    *positionX = x;
    page.m_pPositionX = positionX;
    page.m_pageWidth = pageWidth;
    page.m_pageHeight = 300;
    page.m_strText = text;
    page.m_width = page.SetWidth(40);
    page.m_height = page.SetHeight(20);
}

// Picks a size from the font dialog's list, as a click on it would.
bool ChooseListedSize(HWND dialog, const char* points)
{
    HWND sizes = GetDlgItem(dialog, cmb3);
    LRESULT index = SendMessageA(sizes, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)points);
    if (index == CB_ERR)
        return false;
    SendMessageA(sizes, CB_SETCURSEL, (WPARAM)index, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb3, CBN_SELCHANGE), (LPARAM)sizes);
    return true;
}

} // namespace

TEST(TextTransparency, EveryPercentComesBackUnchangedThroughTheStoredForm)
{
    for (int percent = 0; percent <= 100; ++percent) {
        char stored[32];
        snprintf(stored, sizeof stored, "%.4f", OpacityFromTransparencyPercent(percent));
        EXPECT_EQ(percent, TransparencyPercentFromOpacity(atof(stored))) << "percent " << percent;
    }
    const struct { double opacity; int percent; } rows[] = {
        { 0.25, 75 }, { 0.29, 71 }, { 0.71, 29 }, { 0.0, 100 }, { 1.0, 0 }, { -0.5, 100 }, { 1.5, 0 }, { 0.7123, 29 },
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.percent, TransparencyPercentFromOpacity(row.opacity)) << "opacity " << row.opacity;
}

TEST(TextPage, ALineBreakNeverWidensTheBoxPastThePageNorBelowZero)
{
    const struct { int x; int pageWidth; int widest; } rows[] = {
        { 300, 400, 100 }, { 390, 400, 10 }, { 400, 400, 0 }, { 450, 400, 0 },
    };
    for (const auto& row : rows) {
        CTextPP text;
        CTextColorBarPP bar;
        int x = 0;
        Prepare(text, "Short", row.x, row.pageWidth, &x);
        text.m_bWizard = TRUE;
        bar.m_bWizard = TRUE;
        int widthAfter = -1;
        BOOL singleAfter = TRUE;
        RunPages({ &text, &bar }, true, {
            Type(IDC_TEXT_EDIT, "A fairly long first line of several words\r\nand a second one"),
            [&] {
                widthAfter = text.m_width;
                singleAfter = text.m_bSingleLine;
                Cancel();
            },
        });
        EXPECT_LE(widthAfter, row.widest) << "x " << row.x;
        EXPECT_GE(widthAfter, 0) << "x " << row.x;
        EXPECT_FALSE(singleAfter) << "x " << row.x;
    }
}

TEST(TextPage, ALargerFontGrowsTheBoxAndASmallerOneNeverShrinksIt)
{
    CTextPP text;
    int x = 0;
    Prepare(text, "Hello there", 10, 2000, &x);
    const int startWidth = text.m_width;
    int grownWidth = 0;
    int grownHeight = 0;
    auto chooseFont = [&](const char* points, int expected) -> Steps {
        return {
            [] { PostClick(IDC_TEXT_FONT); },
            OnDialog("Font", [points] {
                EXPECT_TRUE(ChooseListedSize(Modal(), points)) << points;
                PostClick(Modal(), IDOK);
            }),
            [&text, expected] { return IsSheet(Modal()) && text.m_fontSize == expected; },
        };
    };
    Steps steps = chooseFont("24", 24);
    steps.push_back([&] {
        grownWidth = text.m_width;
        grownHeight = text.m_height;
    });
    steps = Then(steps, chooseFont("8", 8));
    steps.push_back([] { Cancel(); });
    Drive(
        [&] {
            CPropertySheet sheet("Text");
            sheet.AddPage(&text);
            return sheet.DoModal();
        },
        steps);
    EXPECT_GT(grownWidth, startWidth);
    EXPECT_EQ(grownWidth, text.m_width);
    EXPECT_EQ(grownHeight, text.m_height);
    EXPECT_EQ("Arial", std::string(text.m_strFontName));
}

TEST(TextPage, ASizeSmallerThanTheTextNeedsIsRaisedWhenThePageIsLeft)
{
    CTextPP text;
    CTextColorBarPP bar;
    int x = 0;
    Prepare(text, "Wonderful", 0, 800, &x);
    int sizeWidth = text.m_width;
    int sizeHeight = text.m_height;
    text.m_pSizeWidth = &sizeWidth;
    text.m_pSizeHeight = &sizeHeight;
    const int needed = text.m_width;
    RunPages({ &text, &bar }, false, {
        [&] {
            // As the size page leaves it.
            sizeWidth = 5;
            sizeHeight = 3;
        },
        [] { ShowTab(1); },
        [] { Cancel(); },
    });
    // One word: however it wraps, it needs its whole width.
    EXPECT_EQ(needed, sizeWidth);
    EXPECT_GT(sizeHeight, 3);
}

TEST(ColorBarPage, VisibilityFollowsTheTransparencyAndAClearedBoxStoresInvisible)
{
    CTextColorBarPP bar;
    bar.m_transparency = 100;
    bool openedVisible = true;
    bool colourEnabled = true;
    std::string shownAfterTick;
    RunPages({ &bar }, false, {
        [&] {
            openedVisible = Checked(IDC_BAR_VISIBLE);
            colourEnabled = Enabled(IDC_BAR_COLOR);
            Click(IDC_BAR_VISIBLE);
            shownAfterTick = Text(IDC_BAR_TRANSPARENCY);
        },
        Type(IDC_BAR_TRANSPARENCY, "40"),
        [] {
            Click(IDC_BAR_VISIBLE);
            Ok();
        },
    });
    EXPECT_FALSE(openedVisible);
    EXPECT_FALSE(colourEnabled);
    EXPECT_EQ("0", shownAfterTick);
    EXPECT_EQ(100, bar.m_transparency);
}

TEST(ColorBarPage, AnOutOfRangeTransparencyKeepsTheSheetAndCancelShowsNothing)
{
    CTextColorBarPP bar;
    bar.m_transparency = 20;
    const std::string range = "Please enter an integer between 0 and 100.";
    ExpectBox(range);
    std::vector<std::string> boxesAtOk;
    INT_PTR result = RunPages({ &bar }, false, {
        Type(IDC_BAR_TRANSPARENCY, "150"),
        [] { Ok(); },
        [&] {
            boxesAtOk = ShownBoxTexts();
            Cancel();
        },
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(std::vector<std::string>{ range }, boxesAtOk);
    EXPECT_EQ(std::vector<std::string>{ range }, ShownBoxTexts());
}

TEST(AlignmentPage, NamesInAnyCaseSelectTheirButtonsAndLeavingGivesTheNames)
{
    const struct { const char* h; const char* v; int hButton; int vButton; const char* hOut; const char* vOut; } rows[] = {
        { "Center", "CENTER", IDC_ALIGN_CENTER, IDC_VALIGN_CENTER, "center", "center" },
        { "RIGHT", "Bottom", IDC_ALIGN_RIGHT, IDC_VALIGN_BOTTOM, "right", "bottom" },
        { "left", "top", IDC_ALIGN_LEFT, IDC_VALIGN_TOP, "left", "top" },
        { "justified", "middle", IDC_ALIGN_LEFT, IDC_VALIGN_CENTER, "left", "center" },
    };
    for (const auto& row : rows) {
        CTextAlignmentPP alignment;
        alignment.m_strJustification = row.h;
        alignment.m_strVJustification = row.v;
        bool hChecked = false;
        bool vChecked = false;
        RunPages({ &alignment }, false, {
            [&] {
                hChecked = Checked(row.hButton);
                vChecked = Checked(row.vButton);
                Ok();
            },
        });
        EXPECT_TRUE(hChecked) << row.h;
        EXPECT_TRUE(vChecked) << row.v;
        EXPECT_EQ(row.hOut, std::string(alignment.m_strJustification)) << row.h;
        EXPECT_EQ(row.vOut, std::string(alignment.m_strVJustification)) << row.v;
    }
}

TEST(AlignmentPage, TextOfSeveralLinesDisablesTheVerticalChoices)
{
    CTextPP text;
    CTextAlignmentPP alignment;
    alignment.m_pTextPage = &text;
    int x = 0;
    Prepare(text, "One line", 0, 800, &x);
    bool enabledBefore = false;
    bool enabledAfter = true;
    RunPages({ &text, &alignment }, false, {
        [&] {
            ShowTab(1);
            enabledBefore = Enabled(IDC_VALIGN_TOP);
            ShowTab(0);
        },
        Type(IDC_TEXT_EDIT, "First\r\nSecond"),
        [&] {
            ShowTab(1);
            enabledAfter = Enabled(IDC_VALIGN_TOP) || Enabled(IDC_VALIGN_GROUP);
            Cancel();
        },
    });
    EXPECT_TRUE(enabledBefore);
    EXPECT_FALSE(enabledAfter);
}
