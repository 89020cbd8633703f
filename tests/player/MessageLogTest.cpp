#include "player/MessageLog.h"
#include "model/common/MessageReporter.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

TEST(MessageLog, BoxesGoToTheNamedFileAndAnswerOk)
{
    ScratchDir scratch;
    std::string log = scratch.File("boxes.txt");
    SetEnvironmentVariableA("TARVEX_MESSAGE_LOG", log.c_str());
    InstallMessageLogFromEnvironment();
    SetEnvironmentVariableA("TARVEX_MESSAGE_LOG", NULL);

    EXPECT_EQ(IDOK, ReportMessage(NULL, "Show is already running.", "Show", MB_OK));
    EXPECT_EQ(IDOK, ReportMessage(NULL, "second", "Generic", MB_ICONWARNING));
    SetMessageReporter(NULL);
    EXPECT_EQ("Show\tShow is already running.\t0\r\nGeneric\tsecond\t48\r\n", ReadWholeFile(log));
}
