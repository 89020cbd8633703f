#include "model/common/MessageLog.h"
#include "model/common/MessageReporter.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

// While it lives, the log installed from the two variables (which are ours
// only for the installing) takes the boxes; then the reporter before it.
class InstalledLog
{
public:
    InstalledLog(const std::string& log, const char* answers)
    {
        m_previous = SetMessageReporter(NULL);
        SetMessageReporter(m_previous);
        SetEnvironmentVariableA("LB_TEST_MESSAGE_LOG", log.c_str());
        SetEnvironmentVariableA("LB_TEST_MESSAGE_LOG_ANSWERS", answers);
        InstallMessageLogFromEnvironment("LB_TEST_MESSAGE_LOG");
        SetEnvironmentVariableA("LB_TEST_MESSAGE_LOG", NULL);
        SetEnvironmentVariableA("LB_TEST_MESSAGE_LOG_ANSWERS", NULL);
    }
    ~InstalledLog() { SetMessageReporter(m_previous); }

private:
    MessageReporterFn m_previous;
};

} // namespace

TEST(MessageLog, BoxesGoToTheNamedFileAndAnswerTheirDefaultButton)
{
    ScratchDir scratch;
    std::string log = scratch.File("boxes.txt");
    InstalledLog installed(log, NULL);

    EXPECT_EQ(IDOK, ReportMessage(NULL, "Show is already running.", "Show", MB_OK));
    EXPECT_EQ(IDOK, ReportMessage(NULL, "second", "Generic", MB_ICONWARNING));
    EXPECT_EQ(IDNO, ReportMessage(NULL, "third", "Q", MB_YESNO | MB_DEFBUTTON2));
    EXPECT_EQ("Show\tShow is already running.\t0\r\nGeneric\tsecond\t48\r\nQ\tthird\t260\r\n",
              ReadWholeFile(log));
}

TEST(MessageLog, TheEnvironmentAnswersByCaptionOrText)
{
    ScratchDir scratch;
    InstalledLog installed(scratch.File("boxes.txt"),
               "Save changes to Untitled?=NO\nQuindle=CANCEL\nx=1=YES\nbad line\nOther=MAYBE");
    struct Case { const char* text; const char* caption; UINT flags; int answer; };
    const Case cases[] = {
        { "Save changes to Untitled?", "Quindle", MB_YESNOCANCEL, IDNO },   // text before caption
        { "Anything else", "Quindle", MB_YESNOCANCEL, IDCANCEL },           // by caption
        { "x=1", "Tool", MB_YESNO | MB_DEFBUTTON2, IDYES },                 // '=' inside the match
        { "unnamed", "Other", MB_OKCANCEL, IDOK },                          // unknown answer: default
        { "unnamed", "Tool", MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, IDIGNORE },
        { "unnamed", "Tool", MB_RETRYCANCEL, IDRETRY },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.answer, ReportMessage(NULL, c.text, c.caption, c.flags)) << c.text << " / " << c.caption;
}
