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
    // Huge counts and record sizes included: the readers bound them.
    std::vector<FuzzOutcome> outcomes = PlayFuzzCases(scratch.Path(), true, 0, kCases, kPlayersAtOnce);
    for (unsigned i = 0; i < outcomes.size(); ++i)
    {
        EXPECT_FALSE(outcomes[i].abnormal) << "case " << i << " (" << outcomes[i].what << ") ended with 0x" << std::hex
                                           << outcomes[i].exitCode << "; replay: PlayerFuzzBench 1 " << std::dec << i;
    }
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    DeleteFileA((std::string(temp) + "tarvex_fuzz_case.zjf").c_str());
}
