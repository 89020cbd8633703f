// Project archives mutated from one seed project (flipped bytes, cut
// streams, odd counts and sizes, very long lines, broken record framing,
// changed keys), each played by tarvex.exe until its page is up and then
// closed. A case ends abnormally when the player ends with a code other than
// 0, or neither shows its page nor ends.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct FuzzOutcome
{
    bool abnormal = false;
    DWORD exitCode = 0;
    std::string what;          // the mutations, for the report
    DWORD milliseconds = 0;    // from the start to the end of the player
};

class ProjectFuzzer
{
public:
    // folder: where the archives are written (ends with '\'). hugeCounts:
    // counts of up to 2^31-1 and record sizes of up to 4 GB among the values.
    ProjectFuzzer(const std::string& folder, bool hugeCounts);

    // The gzip file of case number, and what was done to the seed.
    std::string MutatedArchive(unsigned caseNumber, std::string& what) const;
    // Writes and plays case number.
    FuzzOutcome Play(unsigned caseNumber) const;

private:
    std::string m_folder;
    bool m_hugeCounts;
};

// Plays cases first to first+count-1, workers players at a time, each
// worker in a folder of its own under folder; the outcomes in case order.
// A case is the same archive wherever it is played, so one that failed is
// replayed alone (PlayerFuzzBench 1 <case>).
// onAbnormal, when given, hears each abnormal case as it ends (one call at
// a time), so that a long run tells its failures before it is over.
std::vector<FuzzOutcome> PlayFuzzCases(const std::string& folder, bool hugeCounts, unsigned first, unsigned count,
                                       unsigned workers,
                                       const std::function<void(unsigned, const FuzzOutcome&)>& onAbnormal = nullptr);
