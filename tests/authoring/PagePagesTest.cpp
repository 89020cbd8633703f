// The page's own pages and the AutoRun page, each in a real sheet: the
// pickers' start, the icon previews, the border's transparency controls,
// and the AutoRun icon choices and their writing back.
#include "authoring/PagePages.h"
#include "authoring/ProgramFolders.h"
#include "authoring/ProjectFolder.h"
#include "authoring/ProjectInfPP.h"
#include "authoring/ProjectWizFinishPP.h"
#include "resources/editor/ObjectPagesIds.h"
#include "resources/editor/PagePagesIds.h"
#include "tests/authoring/PageFiles.h"
#include "tests/authoring/SheetSteps.h"

#include <gtest/gtest.h>

#include <shellapi.h>

using namespace sheetsteps;

namespace {

// The chooser's answers and what it was asked.
struct ChooserScript
{
    BOOL answer = FALSE;
    std::string chosen;
    std::string start, filter, defExt;
};
ChooserScript g_chooser;

BOOL ScriptedChooser(HWND, const char* filter, const char* defExt, const char* start, CStr& chosen)
{
    g_chooser.start = start;
    g_chooser.filter = filter;
    g_chooser.defExt = defExt ? defExt : "";
    if (g_chooser.answer)
        chosen = g_chooser.chosen.c_str();
    return g_chooser.answer;
}

class PagePagesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetDocumentFolder(scratch.File("tarvex.pqz").c_str());
        SetContentFolder(content.Path().c_str());
        previous = SetPageFileChooser(ScriptedChooser);
        g_chooser = ChooserScript();
    }
    void TearDown() override { SetPageFileChooser(previous); }

    ScratchDir scratch;
    ScratchDir content;
    PageFileChooser previous = NULL;
};

} // namespace

TEST_F(PagePagesTest, PickersStartInTheContentFolderOrAtTheField)
{
    struct Case
    {
        std::string field, start;
    };
    const Case cases[] = {
        { "", content.Path() },
        { ".\\tarvex.dat\\a.ico", scratch.Path() + "tarvex.dat\\a.ico" },
        { "media\\a.ico", scratch.Path() + "media\\a.ico" },
        { "C:\\elsewhere\\a.ico", "C:\\elsewhere\\a.ico" },
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.start.c_str(), PickerStartPath(c.field.c_str())) << c.field;
}

TEST_F(PagePagesTest, TheIconPageShowsTheStoredIconAndReloadsAfterBrowsing)
{
    CreateDirectoryA(scratch.File("tarvex.dat").c_str(), NULL);
    pagefiles::WriteIcon(scratch.File("tarvex.dat\\page.ico"));
    pagefiles::WriteIcon(scratch.File("typed.ico"));
    CPageIconPP page;
    // Relative to the document folder, not to the current folder.
    page.m_strIcon = ".\\tarvex.dat\\page.ico";
    bool storedShown = false, typedShown = false, noneShown = true;
    std::string nounText;
    INT_PTR result = RunOne(page, {
        [&] {
            nounText = Text(page, IDC_ICON_NOUN_TEXT);
            storedShown = SendDlgItemMessageA(page.m_hWnd, IDC_ICON_PREVIEW, STM_GETICON, 0, 0) != 0;
            // Browsing cancelled: the typed path's icon is shown.
            SetText(page, IDC_ICON_FILE, scratch.File("typed.ico").c_str());
            Click(page, IDC_ICON_BROWSE);
            typedShown = SendDlgItemMessageA(page.m_hWnd, IDC_ICON_PREVIEW, STM_GETICON, 0, 0) != 0;
            // Chosen: a file that is no icon shows none.
            g_chooser.answer = TRUE;
            g_chooser.chosen = scratch.File("missing.ico");
            Click(page, IDC_ICON_BROWSE);
            noneShown = SendDlgItemMessageA(page.m_hWnd, IDC_ICON_PREVIEW, STM_GETICON, 0, 0) != 0;
            Press(page, PSBTN_OK);
        },
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("Please specify an icon for this page. ", nounText);
    EXPECT_TRUE(storedShown);
    EXPECT_TRUE(typedShown);
    EXPECT_FALSE(noneShown);
    EXPECT_EQ("Icon File (*.ico)|*.ico||", g_chooser.filter);
    EXPECT_EQ("ico", g_chooser.defExt);
    EXPECT_EQ(scratch.File("typed.ico"), g_chooser.start);
    EXPECT_STREQ(scratch.File("missing.ico").c_str(), page.m_strIcon);
}

TEST_F(PagePagesTest, TheBackgroundPageBrowsesImages)
{
    CPageBackgroundPP page;
    page.m_bTiled = 0;
    g_chooser.answer = TRUE;
    g_chooser.chosen = "C:\\pictures\\wall.gif";
    INT_PTR result = RunOne(page, {
        [&] {
            EXPECT_FALSE(Checked(page, IDC_BACKGROUND_TILED));
            Click(page, IDC_BACKGROUND_BROWSE);
            Click(page, IDC_BACKGROUND_TILED);
            Press(page, PSBTN_OK);
        },
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("Image Files (*.bmp;*.gif)|*.bmp; *.gif||", g_chooser.filter);
    EXPECT_EQ(content.Path(), g_chooser.start);
    EXPECT_STREQ("C:\\pictures\\wall.gif", page.m_strBackground);
    EXPECT_EQ(1, page.m_bTiled);
}

TEST_F(PagePagesTest, OnlyFramelessPagesChooseATransparencyColour)
{
    const int styles[] = { IDC_BORDER_NORMAL, IDC_BORDER_FRAME_ONLY, IDC_BORDER_THIN_FRAME, IDC_BORDER_FRAMELESS,
                           IDC_BORDER_NO_BACKGROUND };
    static COLORREF chosenColour = RGB(10, 200, 30);
    PageColorChooser previousColour = SetPageColorChooser([](HWND, COLORREF& colour) -> BOOL {
        colour = chosenColour;
        return TRUE;
    });
    CPageBorderPP page;
    page.m_windowType = 0;
    std::vector<bool> enabled;
    COLORREF swatch = CLR_INVALID;
    INT_PTR result = RunOne(page, {
        [&] {
            for (int style : styles)
            {
                Click(page, style);
                enabled.push_back(Enabled(page, IDC_BORDER_TOLERANCE) && Enabled(page, IDC_BORDER_COLOR) &&
                                  Enabled(page, IDC_BORDER_SPIN));
            }
            Click(page, IDC_BORDER_FRAMELESS);
            Click(page, IDC_BORDER_COLOR);
            UpdateWindow(page.m_hWnd);
        },
        [&] {
            RECT r;
            GetWindowRect(GetDlgItem(page.m_hWnd, IDC_BORDER_SWATCH), &r);
            MapWindowPoints(NULL, page.m_hWnd, (POINT*)&r, 2);
            HDC dc = GetDC(page.m_hWnd);
            swatch = GetPixel(dc, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
            ReleaseDC(page.m_hWnd, dc);
            Press(page, PSBTN_OK);
        },
    });
    SetPageColorChooser(previousColour);
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(std::vector<bool>({ false, false, false, true, false }), enabled);
    EXPECT_EQ(chosenColour, page.m_transColor);
    EXPECT_EQ(chosenColour, swatch);
    EXPECT_EQ(3, page.m_windowType);
}

TEST_F(PagePagesTest, TheAutoRunIconChoices)
{
    char self[MAX_PATH];
    GetModuleFileNameA(NULL, self, MAX_PATH);
    const int selfIcons = (int)(UINT_PTR)ExtractIconA(GetModuleHandleA(NULL), self, (UINT)-1);
    ASSERT_GT(selfIcons, 0);
    pagefiles::WriteIcon(scratch.File("ab.ico"));
    pagefiles::WriteIcon(scratch.File("a.ico"));
    WriteWholeFile(scratch.File("fake.exe"), "not a program");
    struct Case
    {
        std::string file;
        int storedIndex;
        bool preview;
        int choices;
        int index;
    };
    const Case cases[] = {
        { scratch.File("ab.ico"), 3, true, 0, -1 },
        // The extension at position 1 is not taken as an icon file.
        { "a.ico", -1, false, 0, -1 },
        { "ab.ico", -1, true, 0, -1 },
        { self, 5, true, selfIcons, 5 < selfIcons ? 5 : 0 },
        { self, -1, true, selfIcons, 0 },
        // No icon in it: no index kept, nothing shown.
        { scratch.File("fake.exe"), 2, false, 0, -1 },
        { scratch.File("none.txt"), 2, false, 0, 2 },
    };
    for (const Case& c : cases)
    {
        ResetDiscInf();
        GetDiscInfSettings().m_strIconFile = c.file.c_str();
        GetDiscInfSettings().m_iconIndex = c.storedIndex;
        CProjectInfPP page;
        bool preview = false, comboOn = true, noteOn = true;
        int choices = -1, selected = -2;
        INT_PTR result = RunOne(page, {
            [&] {
                preview = page.GetShownIcon() != NULL;
                HWND combo = GetDlgItem(page.m_hWnd, IDC_INF_ICON_INDEX);
                choices = (int)SendMessageA(combo, CB_GETCOUNT, 0, 0);
                selected = (int)SendMessageA(combo, CB_GETCURSEL, 0, 0);
                comboOn = IsWindowEnabled(combo) != FALSE;
                noteOn = Enabled(page, IDC_INF_NOTE);
                Press(page, PSBTN_CANCEL);
            },
        });
        EXPECT_EQ(IDCANCEL, result);
        EXPECT_EQ(c.preview, preview) << c.file;
        EXPECT_EQ(c.choices, choices) << c.file;
        EXPECT_EQ(c.choices > 0, comboOn) << c.file;
        EXPECT_EQ(c.choices > 0, noteOn) << c.file;
        if (c.choices > 0)
            EXPECT_EQ(c.index, selected) << c.file;
        EXPECT_EQ(c.index, page.m_iconIndex) << c.file;
    }
}

TEST_F(PagePagesTest, TheIconTestAnswersShortTextsWithoutABox)
{
    MessageRecorder boxes;
    const struct
    {
        const char* path;
        int kind;
    } cases[] = {
        { "", CProjectInfPP::IconFileNone },
        { "a", CProjectInfPP::IconFileNone },
        { "ab", CProjectInfPP::IconFileNone },
        { "a.ico", CProjectInfPP::IconFileNone },
        { "ab.ico", CProjectInfPP::IconFileIco },
        { "ab.EXE", CProjectInfPP::IconFileLibrary },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.kind, CProjectInfPP::IconFileKind(c.path)) << c.path;
    EXPECT_TRUE(boxes.Messages().empty());
}

TEST_F(PagePagesTest, TheAutoRunIconTypedKeyByKeyFromEmptyShowsNoBox)
{
    pagefiles::WriteIcon(scratch.File("ab.ico"));
    ResetDiscInf();
    GetDiscInfSettings().m_strIconFile = "";
    CProjectInfPP page;
    std::vector<bool> previews;
    std::string shown;
    RunOne(page, {
        [&] {
            HWND field = GetDlgItem(page.m_hWnd, IDC_INF_ICON_FILE);
            for (const char* key : { "a", "b", ".", "i", "c", "o" })
            {
                TypeKeys(field, key);
                previews.push_back(page.GetShownIcon() != NULL);
            }
            shown = Text(page, IDC_INF_ICON_FILE);
            Press(page, PSBTN_CANCEL);
        },
    });
    EXPECT_EQ(std::vector<bool>({ false, false, false, false, false, true }), previews);
    EXPECT_EQ("ab.ico", shown);
    EXPECT_EQ(std::vector<std::string>(), Messages());
}

TEST_F(PagePagesTest, TheAutoRunPageWritesTheSettingsAndImportsAnIcon)
{
    ScratchDir bin;
    WriteWholeFile(bin.File("tarvex.dat"), "player");
    WriteWholeFile(bin.File("tarvex.ico"), "icon");
    for (const char* name : { "giflib32.dll", "ijl10.dll", "msvcrt.dll" })
        WriteWholeFile(bin.File(name), name);
    SetRuntimeSourceFolder(bin.Path().c_str());
    ScratchDir project;
    ASSERT_TRUE(PrepareProjectFolder(project.Path().c_str(), NULL, TRUE));
    pagefiles::WriteIcon(scratch.File("disc.ico"));
    ResetDiscInf();
    CDiscInfSettings before = GetDiscInfSettings();
    CProjectInfPP page;
    INT_PTR result = RunOne(page, {
        [&] {
            SetText(page, IDC_INF_LABEL1, "Read Me");
            SetText(page, IDC_INF_COMMAND1, "notepad readme.txt");
            SetText(page, IDC_INF_LABEL3, "A label much longer than 24");
            SetText(page, IDC_INF_ICON_FILE, scratch.File("disc.ico").c_str());
            Press(page, PSBTN_OK);
        },
        [&] {
            SetText(page, IDC_INF_LABEL3, "Setup");
            SetText(page, IDC_INF_COMMAND3, "setup.exe");
            Press(page, PSBTN_OK);
        },
    });
    SetRuntimeSourceFolder("");
    EXPECT_EQ(IDOK, result);
    ASSERT_EQ(1u, Messages().size());
    EXPECT_EQ("Enter no more than 24 characters.", Messages()[0]);
    const CDiscInfSettings& after = GetDiscInfSettings();
    EXPECT_STREQ(".\\tarvex.dat\\disc.ico", after.m_strIconFile);
    EXPECT_EQ(-1, after.m_iconIndex);
    EXPECT_STREQ("Read Me", after.m_strOptionLabel[0]);
    EXPECT_STREQ("notepad readme.txt", after.m_strOptionCommand[0]);
    EXPECT_STREQ("", after.m_strOptionLabel[1]);
    EXPECT_STREQ("Setup", after.m_strOptionLabel[2]);
    EXPECT_STREQ("setup.exe", after.m_strOptionCommand[2]);
    EXPECT_STREQ(before.m_strOpen, after.m_strOpen);
    EXPECT_EQ(ReadWholeFile(scratch.File("disc.ico")), ReadWholeFile(project.File("tarvex.dat\\disc.ico")));
}

TEST_F(PagePagesTest, CancellingTheAutoRunPageWritesNothing)
{
    ResetDiscInf();
    const CStr iconBefore = GetDiscInfSettings().m_strIconFile;
    CProjectInfPP page;
    INT_PTR result = RunOne(page, {
        [&] {
            SetText(page, IDC_INF_LABEL1, "Changed");
            SetText(page, IDC_INF_ICON_FILE, "C:\\x.exe");
            Press(page, PSBTN_CANCEL);
        },
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_STREQ("", GetDiscInfSettings().m_strOptionLabel[0]);
    EXPECT_STREQ(iconBefore, GetDiscInfSettings().m_strIconFile);
}

TEST(ProjectWizFinishPP, OffersFinishAloneAndOpensTheInsertDialogBelowTheSheet)
{
    CPropertyPage first(IDD_PAGE_BACKGROUND);
    CProjectWizFinishPP finish;
    CPropertySheet sheet("Page Properties");
    sheet.SetWizardMode();
    sheet.AddPage(&first);
    sheet.AddPage(&finish);
    bool backOn = true, nextShown = true, finishOn = false;
    RECT sheetRect = {}, dialogRect = {};
    std::string dialogTitle;
    INT_PTR result = RunSheet(sheet, {
        [&] { PropSheet_PressButton(sheet.m_hWnd, PSBTN_NEXT); },
        [&] {
            backOn = IsWindowEnabled(GetDlgItem(sheet.m_hWnd, ID_WIZBACK)) != FALSE;
            HWND next = GetDlgItem(sheet.m_hWnd, ID_WIZNEXT);
            nextShown = IsWindowVisible(next) && IsWindowEnabled(next);
            finishOn = IsWindowEnabled(GetDlgItem(sheet.m_hWnd, ID_WIZFINISH)) != FALSE;
            GetWindowRect(sheet.m_hWnd, &sheetRect);
            // The insert dialog is modal: look at it from the next tick.
            PostMessageA(finish.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_ADD_OBJECTS_NOW, BN_CLICKED),
                         (LPARAM)GetDlgItem(finish.m_hWnd, IDC_ADD_OBJECTS_NOW));
        },
        [&] {
            HWND dialog = FindOwnWindow("Insert New Objects");
            char title[64] = "";
            GetWindowTextA(dialog, title, sizeof title);
            dialogTitle = title;
            GetWindowRect(dialog, &dialogRect);
            SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        },
        [&] { PropSheet_PressButton(sheet.m_hWnd, PSBTN_FINISH); },
    });
    EXPECT_EQ(ID_WIZFINISH, result);
    EXPECT_FALSE(backOn);
    EXPECT_FALSE(nextShown);
    EXPECT_TRUE(finishOn);
    EXPECT_EQ("Insert New Objects", dialogTitle);
    EXPECT_EQ(sheetRect.bottom, dialogRect.bottom);
    EXPECT_NEAR((sheetRect.left + sheetRect.right) / 2, (dialogRect.left + dialogRect.right) / 2, 1);
}
