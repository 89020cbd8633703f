// Sets and then reads every key of a page of N sections with 20 keys each,
// for N = 100, 1,000 and 10,000, and compares the cost per key: it must not
// grow with the size of the page (target: 10,000 within 1.5x of 100).
#include "BenchTimer.h"
#include "DataFile.h"

#include <stdio.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const int kKeysPerSection = 20;

// Nanoseconds per key for one set-then-get pass over a fresh page.
double PassNanosecondsPerKey(int sections, const std::vector<std::string>& sectionNames,
                             const std::vector<std::string>& keys, int& mismatches)
{
    CDataFile file;
    double start = NowSeconds();
    for (int s = 0; s < sections; ++s)
        for (int k = 0; k < kKeysPerSection; ++k)
            file.SetString(sectionNames[s].c_str(), keys[k].c_str(), "a value of some length");
    CStr value;
    for (int s = 0; s < sections; ++s)
        for (int k = 0; k < kKeysPerSection; ++k)
            if (!file.GetString(sectionNames[s].c_str(), keys[k].c_str(), value))
                ++mismatches;
    double seconds = NowSeconds() - start;
    return seconds * 1e9 / ((double)sections * kKeysPerSection);
}

} // namespace

int main()
{
    const int sizes[] = { 100, 1000, 10000 };
    std::vector<std::string> sectionNames, keys;
    for (int s = 0; s < 10000; ++s)
        sectionNames.push_back("Object" + std::to_string(s));
    for (int k = 0; k < kKeysPerSection; ++k)
        keys.push_back("property" + std::to_string(k));

    printf("Data file: set then get every key of N sections x %d keys\n", kKeysPerSection);
    double perKey[3];
    int mismatches = 0;
    for (int i = 0; i < 3; ++i) {
        // Enough passes for about 400,000 keys, best of them.
        int passes = std::max(1, 20000 / sizes[i]);
        double best = 1e30;
        for (int p = 0; p < passes; ++p)
            best = std::min(best, PassNanosecondsPerKey(sizes[i], sectionNames, keys, mismatches));
        perKey[i] = best;
        printf("  N = %5d: %8.1f ns per key (best of %d passes)\n", sizes[i], best, passes);
    }
    double ratio = perKey[2] / perKey[0];
    printf("  cost per key at 10,000 / at 100: %.2fx (target <= 1.5x): %s\n", ratio, ratio <= 1.5 ? "met" : "MISSED");
    if (mismatches)
        printf("  %d keys were not found again!\n", mismatches);
    return 0;
}
