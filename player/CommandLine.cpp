#include "player/CommandLine.h"

#include <windows.h>
#include <string.h>

namespace {

char* g_argv[kMaxArguments + 2];

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

int SplitCommandLineText(char* text, char** argv)
{
    int count = 0;
    argv[0] = NULL;
    char* p = text;
    if (*p == '"')
    {
        char* close = strchr(p + 1, '"');
        if (!close)
            return 0;
        argv[count++] = p + 1;
        *close = '\0';
        p = close + 1;
    }
    else
    {
        argv[count++] = p;
        while (*p && !IsBlank(*p))
            ++p;
        if (*p)
            *p++ = '\0';
    }

    while (count <= kMaxArguments)
    {
        while (IsBlank(*p))
            ++p;
        if (!*p)
            break;
        char* start;
        if (*p == '"')
        {
            start = ++p;
            while (*p && *p != '"')
                ++p;
        }
        else
        {
            start = p;
            while (*p && !IsBlank(*p))
                ++p;
        }
        argv[count++] = start;
        if (!*p)
            break;
        *p++ = '\0';
    }
    argv[count] = NULL;
    return count;
}

int SplitCommandLine()
{
    const char* line = GetCommandLineA();
    size_t length = strlen(line);
    // Never freed: the vector points into it for the whole process.
    char* copy = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, length + 1));
    if (!copy)
        return 0;
    memcpy(copy, line, length + 1);
    return SplitCommandLineText(copy, g_argv);
}

char** GetArgumentVector()
{
    return g_argv;
}
