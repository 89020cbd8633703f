#include "model/common/MessageReporter.h"
#include "tests/support/BoxRule.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> g_seen;

int WINAPI AnswerRetry(HWND, const char* text, const char*, UINT)
{
    g_seen.push_back(text);
    return IDRETRY;
}

} // namespace

TEST(MessageReporter, AnInstalledReporterAnswersUntilThePreviousOneIsBack)
{
    g_seen.clear();
    MessageReporterFn previous = SetMessageReporter(AnswerRetry);
    EXPECT_NE(nullptr, previous);
    EXPECT_EQ(IDRETRY, ReportMessage(NULL, "first", "Caption", MB_RETRYCANCEL));
    EXPECT_EQ(AnswerRetry, SetMessageReporter(previous));
    EXPECT_EQ(std::vector<std::string>{ "first" }, g_seen);
    // NULL puts the message box itself back, and says what was there.
    EXPECT_EQ(previous, SetMessageReporter(NULL));
    SetMessageReporter(previous);
}

TEST(MessageReporter, TheTestsRuleSeesTextCaptionFlagsAndOwnerAndAnswersAsTold)
{
    ExpectBox("text");
    ExpectBox("question", IDNO);
    EXPECT_EQ(IDOK, ReportMessage(NULL, "text", "Error", MB_OK | MB_ICONERROR));
    EXPECT_EQ(IDNO, ReportMessage(GetDesktopWindow(), "question", "Ask", MB_YESNO));
    std::vector<ShownBox> boxes = ShownBoxes();
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ("text", boxes[0].text);
    EXPECT_EQ("Error", boxes[0].caption);
    EXPECT_EQ(UINT(MB_OK | MB_ICONERROR), boxes[0].flags);
    EXPECT_FALSE(boxes[0].hasOwner);
    EXPECT_TRUE(boxes[1].hasOwner);
}
