// The editor's random-command soak at length: EditorSoakBench [steps] [seed]
// (10,000 steps from seed 1717 by default).
#include "tests/e2e/EditorSoak.h"
#include "tests/support/TestSupport.h"

#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv)
{
    int steps = argc > 1 ? atoi(argv[1]) : 10000;
    unsigned seed = argc > 2 ? (unsigned)strtoul(argv[2], NULL, 10) : 1717u;
    ScratchDir scratch;
    DWORD start = GetTickCount();
    SoakResult result = RunEditorSoak(seed, steps, scratch.Path());
    DWORD elapsed = GetTickCount() - start;
    printf("editor soak: %d of %d steps from seed %u, %d saves read back (%d pages loaded), %d dialogs closed, "
           "%d expected boxes answered, %lu ms\n",
           result.steps, steps, seed, result.saves, result.pagesLoaded, result.dialogs, result.boxes,
           (unsigned long)elapsed);
    printf("target: no abnormal end, no unexpected box, every dialog closed, every save loads: %s%s%s\n",
           result.ok ? "met" : "NOT met",
           result.ok ? "" : " - ", result.failure.c_str());
    return result.ok ? 0 : 1;
}
