// The one record reader and writer of project archives, and the plain-file
// loader with each program's line rule.
#include "model/store/ArchiveRecords.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(ArchiveRecords, EveryRecordForm)
{
    const std::string name259(259, 'n');
    const std::string name255(255, 'm');
    const std::string name254(254, 'k');
    const struct {
        const char* description;
        std::string bytes;   // after the magic
        ArchiveTag tag;
        ArchiveHeader header;
        std::string name;
        DWORD count;
        bool whole;          // the content came in full
        std::vector<std::string> lines;
    } cases[] = {
        { "nothing after the magic", "", ArchiveTagEnd },
        { "page", RecordBytes("PGD", "a.pgd", "x\r\n\r\n[S]\r\n"), ArchiveTagPage, ArchiveHeaderRead, "a.pgd", 10, true,
          { "x", "", "[S]" } },
        { "options", RecordBytes("OPT", "o", "k = v\r\n"), ArchiveTagOptions, ArchiveHeaderRead, "o", 7, true, { "k = v" } },
        { "resource tag is no record either program reads", RecordBytes("RES", "r", ""), ArchiveTagOther },
        { "cut tag", "PG", ArchiveTagOther },
        { "name of 254 bytes, one length byte", RecordBytes("PGD", name254, "z"), ArchiveTagPage, ArchiveHeaderRead,
          name254, 1, true, { "z" } },
        { "name of 255 bytes, long length", RecordBytes("PGD", name255, "z"), ArchiveTagPage, ArchiveHeaderRead,
          name255, 1, true, { "z" } },
        { "name of 259 bytes", RecordBytes("PGD", name259, "z"), ArchiveTagPage, ArchiveHeaderRead, name259, 1, true,
          { "z" } },
        { "name of 260 bytes", RecordBytes("PGD", name259 + "n", "z"), ArchiveTagPage, ArchiveHeaderNameUnreadable },
        { "name length 0xFFFFFFF0", "PGD\xFF" + Uint32Bytes(0xFFFFFFF0) + "abc", ArchiveTagPage,
          ArchiveHeaderNameUnreadable },
        { "cut name length", "PGD\xFF\x01", ArchiveTagPage, ArchiveHeaderNameUnreadable },
        { "cut name", "PGD\x0a" "abc", ArchiveTagPage, ArchiveHeaderNameUnreadable },
        { "cut count", "PGD\x01" "a\x01", ArchiveTagPage, ArchiveHeaderCountCut, "a" },
        { "count 0xFFFFFFFF", "PGD\x01" "a" + Uint32Bytes(0xFFFFFFFF) + "abc", ArchiveTagPage,
          ArchiveHeaderCountRefused, "a" },
        { "count just beyond the limit", "PGD\x01" "a" + Uint32Bytes(kArchiveMaxRecordBytes + 1) + "abc",
          ArchiveTagPage, ArchiveHeaderCountRefused, "a" },
        // Only what arrives is kept, however large the count.
        { "count at the limit, stream ends", "PGD\x01" "a" + Uint32Bytes(kArchiveMaxRecordBytes) + "abc\r\nd",
          ArchiveTagPage, ArchiveHeaderRead, "a", kArchiveMaxRecordBytes, false, { "abc", "d" } },
        { "count past the end", RecordBytes("PGD", "b", "b\r\nc", 50), ArchiveTagPage, ArchiveHeaderRead, "b", 50,
          false, { "b", "c" } },
        { "count of 0", RecordBytes("PGD", "e", ""), ArchiveTagPage, ArchiveHeaderRead, "e", 0, true, {} },
        { "empty name", RecordBytes("PGD", "", "q\n"), ArchiveTagPage, ArchiveHeaderRead, "", 2, true, { "q" } },
        // Lines end at LF; the CR and LF before it are dropped, a CR inside stays.
        { "line ends", RecordBytes("PGD", "l", "a\rb\n\r\n\nlast"), ArchiveTagPage, ArchiveHeaderRead, "l", 11, true,
          { "a\rb", "", "", "last" } },
    };
    ScratchDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.description);
        // The count is kept to exactly: a record after it reads whole.
        const std::string after = RecordBytes("PGD", "next.pgd", "n\r\n");
        WriteCompressed(dir.File("a.pqz"), "QNDL" + c.bytes + (c.whole ? after : ""));
        CArchiveReader reader(dir.File("a.pqz").c_str());
        ASSERT_TRUE(reader.IsOpen());
        ASSERT_EQ(ArchiveMagicFound, reader.ReadMagic());
        ASSERT_EQ(c.tag, reader.ReadTag());
        if (c.tag != ArchiveTagPage && c.tag != ArchiveTagOptions)
            continue;
        CDataFile file;
        DWORD count = 0;
        ASSERT_EQ(c.header, reader.ReadHeader(file.m_name, count));
        if (c.header == ArchiveHeaderNameUnreadable)
            continue;
        EXPECT_EQ(c.name, file.m_name.c_str());
        if (c.header != ArchiveHeaderRead)
            continue;
        EXPECT_EQ(c.count, count);
        EXPECT_EQ(c.whole, reader.ReadContent(count, file));
        EXPECT_EQ(c.lines, Lines(file));
        if (!c.whole)
            continue;
        ASSERT_EQ(ArchiveTagPage, reader.ReadTag());
        CDataFile next;
        ASSERT_EQ(ArchiveHeaderRead, reader.ReadHeader(next.m_name, count));
        EXPECT_TRUE(reader.ReadContent(count, next));
        EXPECT_EQ(std::vector<std::string>{ "n" }, Lines(next));
        EXPECT_EQ(ArchiveTagEnd, reader.ReadTag());
        EXPECT_FALSE(reader.Failed());
    }
}

TEST(ArchiveRecords, MagicAndDamagedStreams)
{
    ScratchDir dir;
    const struct {
        const char* file;
        std::string bytes;
        ArchiveMagic magic;
    } cases[] = {
        { "empty.pqz", "", ArchiveMagicNothing },
        { "zeros.pqz", std::string(8, '\0'), ArchiveMagicNothing },
        { "other.pqz", "QNDX", ArchiveMagicForeign },
        { "short.pqz", "QN", ArchiveMagicForeign },
        { "right.pqz", "QNDL", ArchiveMagicFound },
    };
    for (const auto& c : cases) {
        WriteCompressed(dir.File(c.file), c.bytes);
        CArchiveReader reader(dir.File(c.file).c_str());
        EXPECT_EQ(c.magic, reader.ReadMagic()) << c.file;
    }
    CArchiveReader missing(dir.File("missing.pqz").c_str());
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_EQ(ArchiveMagicNothing, missing.ReadMagic());

    // A gzip stream cut short is damaged, not a clean end.
    std::string content;
    for (int i = 0; i < 3000; ++i)
        content += "key = a value that fills the stream " + std::to_string(i) + "\r\n";
    WriteCompressed(dir.File("whole.pqz"), "QNDL" + RecordBytes("PGD", "p", content));
    const std::string bytes = ReadWholeFile(dir.File("whole.pqz"));
    WriteWholeFile(dir.File("cut.pqz"), bytes.substr(0, bytes.size() - 6));
    CArchiveReader reader(dir.File("cut.pqz").c_str());
    ASSERT_EQ(ArchiveMagicFound, reader.ReadMagic());
    ASSERT_EQ(ArchiveTagPage, reader.ReadTag());
    CDataFile file;
    DWORD count = 0;
    ASSERT_EQ(ArchiveHeaderRead, reader.ReadHeader(file.m_name, count));
    reader.ReadContent(count, file);
    EXPECT_EQ(ArchiveTagDamaged, reader.ReadTag());
}

TEST(ArchiveRecords, WrittenRecordsReadBack)
{
    const struct {
        int kind;
        const char* tag;
        std::vector<std::string> lines;
        std::string stored;
    } cases[] = {
        { CDataFile::KindPage, "PGD", { "[Main]", "k = v" }, "\r\n[Main]\r\nk = v\r\n" },
        { CDataFile::KindOptions, "OPT", { "", "[O]" }, "\r\n[O]\r\n" },
        { CDataFile::KindResource, "RES", {}, "" },
    };
    for (const auto& c : cases) {
        CDataFile file;
        file.m_kind = c.kind;
        file.m_name = "name";
        for (const std::string& line : c.lines)
            file.AppendLine(CStr(line.c_str()));
        std::string bytes;
        ASSERT_TRUE(CArchiveWriter::EncodeRecord(file, bytes)) << c.tag;
        EXPECT_EQ(RecordBytes(c.tag, "name", c.stored), bytes) << c.tag;
    }

    ScratchDir dir;
    {
        CArchiveWriter writer(dir.File("w.pqz").c_str());
        ASSERT_TRUE(writer.IsOpen());
        CDataFile page;
        page.m_name = "tarvex.pgd";
        page.AppendLine(CStr("[Main]"));
        EXPECT_TRUE(writer.WriteMagic());
        EXPECT_TRUE(writer.WriteRecord(page));
        EXPECT_TRUE(writer.Close());
    }
    EXPECT_EQ("QNDL" + RecordBytes("PGD", "tarvex.pgd", "\r\n[Main]\r\n"), Decompress(dir.File("w.pqz")));
    CArchiveWriter nowhere(dir.File("no such folder\\w.pqz").c_str());
    EXPECT_FALSE(nowhere.WriteMagic());
    EXPECT_FALSE(nowhere.Close());
}

TEST(ArchiveRecords, PlainFilesWithEachProgramsLineRule)
{
    const struct {
        const char* description;
        std::string text;
        BOOL asWrittenResult;
        std::vector<std::string> asWritten;
        BOOL nonEmptyResult;
        std::vector<std::string> nonEmpty;
    } cases[] = {
        { "CR LF lines", "a\r\n\r\nb", TRUE, { "a", "", "b" }, TRUE, { "a", "b" } },
        { "last line end", "a\n", TRUE, { "a", "" }, TRUE, { "a" } },
        { "lone CR", "a\rb", TRUE, { "a\rb" }, TRUE, { "a", "b" } },
        { "empty file", "", TRUE, { "" }, FALSE, {} },
        { "only line ends", "\r\n\n", TRUE, { "", "", "" }, FALSE, {} },
        { "Ctrl-Z", "a\x1A" "b\n", TRUE, { "a" }, TRUE, { "a\x1A" "b" } },
    };
    ScratchDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.description);
        WriteWholeFile(dir.File("p.txt"), c.text);
        CDataFile file;
        file.AppendLine(CStr("left over"));
        EXPECT_EQ(c.asWrittenResult, LoadPlainLines(file, dir.File("p.txt").c_str(), PlainLinesAsWritten));
        EXPECT_EQ(c.asWritten, Lines(file));
        EXPECT_EQ(c.nonEmptyResult, LoadPlainLines(file, dir.File("p.txt").c_str(), PlainLinesNonEmpty));
        EXPECT_EQ(c.nonEmpty, Lines(file));
    }

    // A missing file: the editor's rule empties the data file, the player's leaves it.
    CDataFile file;
    file.AppendLine(CStr("kept"));
    EXPECT_FALSE(LoadPlainLines(file, dir.File("missing.txt").c_str(), PlainLinesNonEmpty));
    EXPECT_EQ(std::vector<std::string>{ "kept" }, Lines(file));
    EXPECT_FALSE(LoadPlainLines(file, dir.File("missing.txt").c_str(), PlainLinesAsWritten));
    EXPECT_EQ(0, file.GetLineCount());
}
