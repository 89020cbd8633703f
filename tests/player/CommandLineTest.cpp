#include "player/CommandLine.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(CommandLine, SplitsAtBlanksAndGroupsQuotedText)
{
    struct Case
    {
        const char* line;
        int count;
        std::vector<std::string> arguments;   // after the program path
        const char* program;
    };
    const Case cases[] = {
        { "\"C:\\disc\\tarvex.exe\" \"page two.pgd\"", 2, { "page two.pgd" }, "C:\\disc\\tarvex.exe" },
        { "tarvex.exe a b", 3, { "a", "b" }, "tarvex.exe" },
        { "tarvex.exe \"abc\"def", 3, { "abc", "def" }, "tarvex.exe" },
        { "tarvex.exe \"\"", 2, { "" }, "tarvex.exe" },
        { "tarvex.exe", 1, {}, "tarvex.exe" },
        { "tarvex.exe \t  x\t", 2, { "x" }, "tarvex.exe" },
        { "tarvex.exe a\"b c", 3, { "a\"b", "c" }, "tarvex.exe" },
        { "tarvex.exe \"open ended", 2, { "open ended" }, "tarvex.exe" },
        { "\"C:\\no close\\tarvex.exe x", 0, {}, NULL },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.line);
        std::string text = c.line;
        char* argv[kMaxArguments + 2];
        int count = SplitCommandLineText(&text[0], argv);
        ASSERT_EQ(c.count, count);
        if (count == 0)
            continue;
        EXPECT_STREQ(c.program, argv[0]);
        for (size_t i = 0; i < c.arguments.size(); ++i)
            EXPECT_EQ(c.arguments[i], argv[i + 1]) << "argument " << i + 1;
        EXPECT_EQ(nullptr, argv[count]);
    }
}

TEST(CommandLine, IgnoresTheRestAfterTheLastArgumentSlot)
{
    std::string text = "tarvex.exe";
    for (int i = 0; i < kMaxArguments + 5; ++i)
        text += " " + std::to_string(i);
    char* argv[kMaxArguments + 2];
    ASSERT_EQ(kMaxArguments + 1, SplitCommandLineText(&text[0], argv));
    EXPECT_STREQ(std::to_string(kMaxArguments - 1).c_str(), argv[kMaxArguments]);
    EXPECT_EQ(nullptr, argv[kMaxArguments + 1]);
}
