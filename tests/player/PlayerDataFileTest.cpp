#include "player/PlayerDataFile.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

TEST(PlayerDataFile, OpeningAMemberFallsBackToTheArchivesNameThenTheFirstPage)
{
    ScratchDir scratch;
    WriteArchive(scratch.File("demo.pqz"), {
        { "PGD", "first.pgd", Content({ "first" }) },
        { "OPT", "options", Content({ "options" }) },
        { "PGD", "demo.pgd", Content({ "demo" }) },
    });
    WriteArchive(scratch.File("plain.pqz"), {
        { "PGD", "first.pgd", Content({ "first" }) },
        { "PGD", "Page_2.PGD", Content({ "second" }) },
        { "PGD", "plain.pgd", Content({ "plain" }) },
    });
    struct Case
    {
        const char* archive;
        const char* member;
        std::vector<std::string> lines;
        const char* name;   // as stored, so that the page list finds it again
    };
    const Case cases[] = {
        { "plain.pqz", "page_2.pgd", { "second" }, "Page_2.PGD" },
        { "plain.pqz", "missing.pgd", { "plain" }, "plain.pgd" },
        // The options record ends the search: neither demo.pgd nor missing.pgd is reached.
        { "demo.pqz", "missing.pgd", { "first" }, "first.pgd" },
        { "missing.pqz", "first.pgd", {}, "" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::string(c.archive) + " " + c.member);
        CDataFile file;
        file.AppendLine("stale");
        EXPECT_EQ(!c.lines.empty(), OpenDataFile(file, scratch.File(c.archive).c_str(), c.member) != FALSE);
        EXPECT_EQ(c.lines, Lines(file));
        EXPECT_STREQ(c.name, file.m_name);
    }
}

TEST(PlayerDataFile, PlainFilesKeepTheirNonEmptyLines)
{
    ScratchDir scratch;
    WriteWholeFile(scratch.File("v.zjf"), "[QNDL Archive]\r\n\r\nkey = 1\rother = 2\n\nlast = 3");
    CDataFile file;
    file.AppendLine("stale");
    ASSERT_TRUE(LoadDataFileFromFile(file, scratch.File("v.zjf").c_str()));
    EXPECT_EQ((std::vector<std::string>{ "[QNDL Archive]", "key = 1", "other = 2", "last = 3" }), Lines(file));

    ASSERT_TRUE(SaveDataFileToFile(file, scratch.File("w.zjf").c_str()));
    EXPECT_EQ("[QNDL Archive]\r\nkey = 1\r\nother = 2\r\nlast = 3\r\n", ReadWholeFile(scratch.File("w.zjf")));

    WriteWholeFile(scratch.File("blank.zjf"), "\r\n\n");
    EXPECT_FALSE(LoadDataFileFromFile(file, scratch.File("blank.zjf").c_str()));
    EXPECT_FALSE(LoadDataFileFromFile(file, scratch.File("missing.zjf").c_str()));
    EXPECT_FALSE(SaveDataFileToFile(file, scratch.File("no such folder\\x.zjf").c_str()));
}
