// 10,000 project archives mutated from one seed project, counts of up to
// 2^31-1 and record sizes of up to 4 GB among the values, each played by
// tarvex.exe until its page is up, four at a time. Prints how many ended abnormally (target
// 0), each such case with the command that replays it, and the slowest case.
// PlayerFuzzBench [count] [first]: count cases from case first (0).
#include "tests/e2e/ProjectFuzzer.h"

#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include <string>
#include <vector>

int main(int argc, char** argv)
{
    unsigned cases = argc > 1 ? (unsigned)strtoul(argv[1], NULL, 10) : 10000;
    unsigned first = argc > 2 ? (unsigned)strtoul(argv[2], NULL, 10) : 0;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "tarvex_fuzz_bench\\";
    CreateDirectoryA(folder.c_str(), NULL);
    // Each abnormal case is told as it ends, with the command that replays it.
    std::vector<FuzzOutcome> outcomes =
        PlayFuzzCases(folder, true, first, cases, 4, [](unsigned number, const FuzzOutcome& outcome) {
            printf("case %u ended abnormally (exit 0x%lx): %s; replay: PlayerFuzzBench 1 %u\n", number,
                   (unsigned long)outcome.exitCode, outcome.what.c_str(), number);
            fflush(stdout);
        });
    unsigned abnormal = 0;
    FuzzOutcome slowest;
    unsigned slowestCase = 0;
    for (unsigned i = 0; i < cases; ++i)
    {
        const FuzzOutcome& outcome = outcomes[i];
        if (outcome.abnormal)
            ++abnormal;
        if (outcome.milliseconds > slowest.milliseconds)
        {
            slowest = outcome;
            slowestCase = first + i;
        }
    }
    RemoveDirectoryA(folder.c_str());
    DeleteFileA((std::string(temp) + "tarvex_fuzz_case.zjf").c_str());
    printf("%u of %u cases (from case %u) ended abnormally (target 0): %s\n", abnormal, cases, first,
           abnormal == 0 ? "met" : "NOT met");
    printf("slowest case %u: %lu ms (%s)\n", slowestCase, (unsigned long)slowest.milliseconds, slowest.what.c_str());
    return 0;
}
