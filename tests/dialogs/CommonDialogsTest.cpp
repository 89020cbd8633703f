#include "platform/framework/CommonDialogs.h"
#include "tests/e2e/DialogDriver.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>

namespace
{
// Answers the dialog the running DoModal shows, from a timer inside its
// own loop: the answer runs once the dialog is there.
std::function<bool(HWND)> g_answer;
bool g_answered = false;

void CALLBACK AnswerWhenShown(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_answered)
        return;
    HWND dialog = FindProcessDialog(GetCurrentProcessId());
    if (dialog != NULL && g_answer(dialog))
        g_answered = true;
}

template <class Dialog> INT_PTR RunAnswered(Dialog& dialog, std::function<bool(HWND)> answer)
{
    g_answer = std::move(answer);
    g_answered = false;
    UINT_PTR timer = SetTimer(NULL, 0, 20, AnswerWhenShown);
    INT_PTR result = dialog.DoModal();
    KillTimer(NULL, timer);
    EXPECT_TRUE(g_answered);
    return result;
}

struct FileCase
{
    const char* name;
    BOOL open;
    const char* typed;   // NULL cancels
    INT_PTR result;
    const char* fileName;
    const char* ext;
    const char* title;
};

TEST(CommonDialogsTest, FileDialogsAnsweredByTheDriver)
{
    ScratchDir dir;
    WriteWholeFile(dir.File("notes.txt"), "x");
    const FileCase cases[] = {
        { "open an existing file", TRUE, "notes.txt", IDOK, "notes.txt", "txt", "notes" },
        { "save gets the default extension", FALSE, "report", IDOK, "report.txt", "txt", "report" },
        { "cancel", TRUE, NULL, IDCANCEL, "", "", "" },
    };
    for (const FileCase& c : cases)
    {
        CFileDialog dialog(c.open, "txt", NULL, OFN_HIDEREADONLY, "Text (*.txt)|*.txt|All Files (*.*)|*.*||");
        dialog.m_ofn.lpstrInitialDir = dir.Path().c_str();
        std::string typed = c.typed != NULL ? dir.File(c.typed) : "";
        INT_PTR result = RunAnswered(dialog, [&](HWND d) { return AnswerFileDialog(d, c.typed ? typed.c_str() : NULL); });
        EXPECT_EQ(c.result, result) << c.name;
        EXPECT_EQ(c.fileName, dialog.GetFileName()) << c.name;
        EXPECT_EQ(c.ext, dialog.GetFileExt()) << c.name;
        EXPECT_EQ(c.title, dialog.GetFileTitle()) << c.name;
        if (c.result == IDOK)
            EXPECT_EQ(dir.File(c.fileName), dialog.GetPathName()) << c.name;
    }
}

TEST(CommonDialogsTest, ColourDialogKeepsTheColourItStartedWith)
{
    struct Case { bool ok; INT_PTR result; };
    const Case cases[] = { { true, IDOK }, { false, IDCANCEL } };
    for (const Case& c : cases)
    {
        CColorDialog dialog(RGB(10, 20, 30), CC_FULLOPEN);
        EXPECT_EQ(c.result, RunAnswered(dialog, [&](HWND d) { return AnswerColorDialog(d, c.ok); }));
        EXPECT_EQ(RGB(10, 20, 30), dialog.GetColor());
    }
}

TEST(CommonDialogsTest, FontDialogAnswersTheFontChosen)
{
    LOGFONTA initial = {};
    lstrcpyA(initial.lfFaceName, "Liberation Sans");
    initial.lfHeight = -16;
    initial.lfWeight = FW_BOLD;
    CFontDialog dialog(&initial);
    EXPECT_EQ(IDOK, RunAnswered(dialog, [](HWND d) { return AnswerFontDialog(d, NULL, NULL); }));
    EXPECT_EQ("Liberation Sans", dialog.GetFaceName());
    EXPECT_TRUE(dialog.IsBold());
    EXPECT_GT(dialog.GetSize(), 0);

    CFontDialog cancelled(&initial);
    EXPECT_EQ(IDCANCEL, RunAnswered(cancelled, [](HWND d) { return PressDialogButton(d, IDCANCEL); }));
}
}
