#include "player/MultiFilePqz.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Names(const CMultiFilePqz& archive)
{
    std::vector<std::string> names;
    for (int i = 0; i < archive.GetCount(); ++i)
        names.push_back(archive.GetAt(i)->m_name.c_str());
    return names;
}

} // namespace

TEST(MultiFilePqz, LoadKeepsPagesUpToTheFirstRecordThatIsNoPage)
{
    ScratchDir scratch;
    struct Case
    {
        const char* description;
        std::vector<Record> records;
        const char* magic;
        BOOL result;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        { "pages only", { { "PGD", "tarvex.pgd", Content({ "[Main]" }) }, { "PGD", "page_2.pgd", Content({ "[Main]" }) } },
          "QNDL", TRUE, { "tarvex.pgd", "page_2.pgd" } },
        { "options record ends the read", { { "PGD", "tarvex.pgd", Content({ "[Main]" }) }, { "OPT", "o", Content({ "x" }) },
          { "PGD", "page_2.pgd", Content({ "[Main]" }) } }, "QNDL", FALSE, { "tarvex.pgd" } },
        { "wrong magic", { { "PGD", "tarvex.pgd", Content({ "[Main]" }) } }, "QNDX", FALSE, {} },
        { "no records", {}, "QNDL", TRUE, {} },
        { "name longer than the format holds", { { "PGD", "tarvex.pgd", Content({ "[Main]" }) },
          { "PGD", std::string(260, 'n'), Content({ "[Main]" }) } }, "QNDL", FALSE, { "tarvex.pgd" } },
        // A count of 0xFFFFFFFF must not decide what is allocated or read.
        { "count beyond any real record", { { "PGD", "tarvex.pgd", Content({ "[Main]" }) },
          { "PGD", "page_2.pgd", "", -1 } }, "QNDL", FALSE, { "tarvex.pgd" } },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.description);
        WriteArchive(scratch.File("a.pqz"), c.records, c.magic);
        CMultiFilePqz archive;
        EXPECT_EQ(c.result, archive.Load(scratch.File("a.pqz").c_str()));
        EXPECT_EQ(c.names, Names(archive));
    }
    CMultiFilePqz archive;
    EXPECT_FALSE(archive.Load(scratch.File("missing.pqz").c_str()));
    EXPECT_EQ(0, archive.GetCount());
}

TEST(MultiFilePqz, RecordsComeBackLineByLineWhatTheirLengths)
{
    ScratchDir scratch;
    std::string longLine(3000, 'x');
    std::string longName(259, 'n');   // the longest name the format holds
    WriteArchive(scratch.File("a.pqz"), {
        { "PGD", "tarvex.pgd", Content({ "", "[Main]", "title = a", "", "text = " + longLine }) },
        { "PGD", "empty.pgd", "" },
        { "PGD", longName, Content({ "[Main]" }) },
    });
    CMultiFilePqz archive;
    ASSERT_TRUE(archive.Load(scratch.File("a.pqz").c_str()));
    ASSERT_EQ(3, archive.GetCount());
    EXPECT_EQ((std::vector<std::string>{ "", "[Main]", "title = a", "", "text = " + longLine }), Lines(*archive.GetAt(0)));
    // A count of 0 holds no line and leaves the next record whole.
    EXPECT_EQ(std::vector<std::string>{}, Lines(*archive.GetAt(1)));
    EXPECT_EQ(longName, archive.GetAt(2)->m_name.c_str());
    EXPECT_EQ(std::vector<std::string>{ "[Main]" }, Lines(*archive.GetAt(2)));
}

TEST(MultiFilePqz, ARecordCutShortKeepsTheLinesBeforeTheEnd)
{
    ScratchDir scratch;
    Record cut = { "PGD", "tarvex.pgd", Content({ "[Main]", "title = a" }) };
    cut.countAdjust = 50;
    WriteArchive(scratch.File("a.pqz"), { cut });
    CMultiFilePqz archive;
    EXPECT_TRUE(archive.Load(scratch.File("a.pqz").c_str()));
    ASSERT_EQ(1, archive.GetCount());
    EXPECT_EQ((std::vector<std::string>{ "[Main]", "title = a" }), Lines(*archive.GetAt(0)));
}

TEST(MultiFilePqz, FindsIgnoringCaseAndWrapsNextAndPrevious)
{
    ScratchDir scratch;
    WriteArchive(scratch.File("a.pqz"), { { "PGD", "tarvex.pgd", "" }, { "PGD", "Page_2.PGD", "" }, { "PGD", "page_3.pgd", "" } });
    CMultiFilePqz archive;
    ASSERT_TRUE(archive.Load(scratch.File("a.pqz").c_str()));
    CDataFile* first = archive.GetAt(0);
    CDataFile* second = archive.GetAt(1);
    CDataFile* last = archive.GetAt(2);
    EXPECT_EQ(second, archive.Find("page_2.pgd"));
    EXPECT_EQ(nullptr, archive.Find(""));
    EXPECT_EQ(nullptr, archive.Find("page_4.pgd"));
    EXPECT_EQ(second, archive.Next(first));
    EXPECT_EQ(first, archive.Next(last));
    EXPECT_EQ(last, archive.Previous(first));
    CDataFile stranger;
    EXPECT_EQ(nullptr, archive.Next(&stranger));

    CMultiFilePqz single;
    CDataFile* only = single.Add(new CDataFile);
    EXPECT_EQ(nullptr, single.Next(only));
    EXPECT_EQ(nullptr, single.Previous(only));
    EXPECT_EQ(only, single.Add(NULL));
}
