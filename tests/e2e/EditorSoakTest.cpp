// The editor under a few hundred random commands from a fixed seed: it
// never ends abnormally, every sheet and dialog closes, and every saved
// archive reads back with all its pages.
#include "tests/e2e/EditorSoak.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

TEST(EditorSoak, RandomCommandsFromAFixedSeed)
{
    ScratchDir scratch;
    SoakResult result = RunEditorSoak(1717, 300, scratch.Path());
    EXPECT_TRUE(result.ok) << result.failure;
    EXPECT_EQ(300, result.steps);
    EXPECT_GT(result.saves, 0);
    EXPECT_GT(result.dialogs, 0);
}
