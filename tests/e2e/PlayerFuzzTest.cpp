// Mutated project archives played one after the other: none may end the
// player abnormally or leave it without a page and without an end.
#include "tests/e2e/ProjectFuzzer.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

// Enough cases for every kind of mutation many times over, few enough for
// a few minutes of the test run.
const unsigned kCases = 240;
const unsigned kPlayersAtOnce = 4;

} // namespace

TEST(PlayerFuzz, NoMutatedProjectEndsThePlayerAbnormally)
{
    ScratchDir scratch;
    // Counts and record sizes stay below what would make the player read
    // gigabytes; the bench plays those too.
    std::vector<FuzzOutcome> outcomes = PlayFuzzCases(scratch.Path(), false, kCases, kPlayersAtOnce);
    for (unsigned i = 0; i < outcomes.size(); ++i)
    {
        EXPECT_FALSE(outcomes[i].abnormal) << "case " << i << " (" << outcomes[i].what << ") ended with " << std::hex
                                           << outcomes[i].exitCode;
    }
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    DeleteFileA((std::string(temp) + "tarvex_fuzz_case.zjf").c_str());
}
