#include "model/common/MessageReporter.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

TEST(MessageReporter, RecorderSeesTextCaptionAndFlagsThenDefaultReturns)
{
    {
        MessageRecorder recorder;
        EXPECT_EQ(IDOK, ReportMessage(NULL, "text", "Error", MB_OK | MB_ICONERROR));
        ASSERT_EQ(1u, recorder.Messages().size());
        EXPECT_EQ("text", recorder.Messages()[0].text);
        EXPECT_EQ("Error", recorder.Messages()[0].caption);
        EXPECT_EQ(UINT(MB_OK | MB_ICONERROR), recorder.Messages()[0].flags);
        EXPECT_FALSE(recorder.Messages()[0].hasOwner);
    }
    // The recorder's end puts the message box back.
    MessageReporterFn previous = SetMessageReporter(NULL);
    EXPECT_NE(nullptr, previous);
    EXPECT_EQ(previous, SetMessageReporter(NULL));
}
