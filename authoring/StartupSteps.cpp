#include "authoring/StartupSteps.h"

#include <windows.h>

#include <stdio.h>

namespace {

const char kVariable[] = "LUMBROOK_STARTUP_LOG";
const int kMaxSteps = 32;

struct Step
{
    const char* name;
    LONGLONG counter;
};

Step g_steps[kMaxSteps];
int g_count = 0;
int g_wanted = -1;   // -1: the variable not read yet

bool Wanted()
{
    if (g_wanted < 0)
        g_wanted = GetEnvironmentVariableA(kVariable, NULL, 0) > 1 ? 1 : 0;
    return g_wanted == 1;
}

} // namespace

void MarkStartupStep(const char* name)
{
    if (!Wanted() || g_count >= kMaxSteps)
        return;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    g_steps[g_count].name = name;
    g_steps[g_count].counter = now.QuadPart;
    ++g_count;
}

void WriteStartupSteps()
{
    if (!Wanted() || g_count == 0)
        return;
    char path[MAX_PATH];
    DWORD length = GetEnvironmentVariableA(kVariable, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    FILE* file = fopen(path, "w");
    if (file == NULL)
        return;
    for (int i = 0; i < g_count; ++i)
        fprintf(file, "%lld %s\n", (long long)g_steps[i].counter, g_steps[i].name);
    fclose(file);
    g_count = 0;
}
