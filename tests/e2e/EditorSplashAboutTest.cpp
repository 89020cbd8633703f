// The editor's splash window at start-up and its about box, from outside.
#include "tests/e2e/DialogDriver.h"
#include "tests/e2e/EditorProcess.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const int kAboutCommand = 57664;

// The splash is a top-most popup of the editor's process titled "Splash".
HWND FindSplash(DWORD processId)
{
    HWND found = NULL;
    while ((found = FindWindowExA(NULL, found, NULL, "Splash")) != NULL)
    {
        DWORD pid = 0;
        GetWindowThreadProcessId(found, &pid);
        if (pid == processId && IsWindowVisible(found))
            return found;
    }
    return NULL;
}

struct SplashCase
{
    const char* name;
    bool pressKey;
};

TEST(EditorSplashAboutTest, SplashShownAtStartAndGoneByTimeOrKey)
{
    const SplashCase cases[] = { { "a key on the frame", true }, { "its time runs out", false } };
    for (const SplashCase& c : cases)
    {
        EditorProcess editor;
        ASSERT_TRUE(editor.StartAndShow()) << c.name;
        HWND splash = FindSplash(editor.ProcessId());
        ASSERT_NE(nullptr, splash) << c.name << ": shown while start-up goes on";
        EXPECT_TRUE(GetWindowLongA(splash, GWL_EXSTYLE) & WS_EX_TOPMOST) << c.name;
        // The frame is usable meanwhile: it answers and carries out commands.
        EXPECT_TRUE(editor.Answers()) << c.name;
        if (c.pressKey)
            editor.Post(WM_KEYDOWN, VK_SPACE, 0);
        EXPECT_TRUE(WaitUntilGone(splash, kProgramWaitMs)) << c.name;
        EXPECT_EQ(nullptr, FindSplash(editor.ProcessId())) << c.name;
        EXPECT_TRUE(editor.IsRunning()) << c.name;
        EXPECT_TRUE(editor.Close()) << c.name;
    }
}

TEST(EditorSplashAboutTest, AboutBoxOpenedByItsCommandAndClosedByOk)
{
    EditorProcess editor;
    ASSERT_TRUE(editor.StartAndShow());
    ASSERT_TRUE(editor.PostCommand(kAboutCommand));
    HWND about = WaitForProcessDialog(editor.ProcessId(), "About LumbrookConfig", kProgramWaitMs);
    ASSERT_NE(nullptr, about);
    EXPECT_EQ("LumbrookConfig Version 1.0", DialogItemText(about, 1014));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(about, 1054))) << "the credits wait for a double-click";
    EXPECT_FALSE(IsWindowEnabled(editor.Window())) << "the about box is modal";
    PostMessageA(about, WM_LBUTTONDBLCLK, 0, MAKELPARAM(4, 4));
    EXPECT_TRUE(PressDialogButton(about, IDOK));
    EXPECT_TRUE(WaitUntilGone(about, kProgramWaitMs));
    EXPECT_TRUE(editor.Answers());
    EXPECT_TRUE(IsWindowEnabled(editor.Window()));
    EXPECT_TRUE(editor.Close());
}

}  // namespace
