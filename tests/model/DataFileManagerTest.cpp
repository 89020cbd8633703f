#include "model/store/DataFileManager.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/BoxRule.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Names(const CDataFileManager& manager)
{
    std::vector<std::string> names;
    for (int i = 0; i < manager.GetFileCount(); ++i)
        names.push_back(manager.GetFile(i)->GetName().c_str());
    return names;
}

} // namespace

TEST(DataFileManager, OnePageArchiveBytes)
{
    ScratchDir dir;
    CDataFileManager manager;
    CDataFile* page = manager.AddFile("tarvex.pgd");
    page->AppendLine(CStr("[Main]"));
    page->AppendLine(CStr("title = x"));
    ASSERT_TRUE(manager.WriteArchive(dir.File("p.pqz").c_str()));
    const std::string expected = std::string("QNDL") + "PGD" + "\x0a" + "tarvex.pgd" + Uint32Bytes(21) +
                                 "\r\n[Main]\r\ntitle = x\r\n";
    EXPECT_EQ(expected, Decompress(dir.File("p.pqz")));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(dir.File("p.pqz.tmp").c_str()));

    CDataFileManager reader;
    ASSERT_TRUE(reader.ReadArchive(dir.File("p.pqz").c_str()));
    ASSERT_EQ(1, reader.GetFileCount());
    EXPECT_EQ(CDataFile::KindPage, reader.GetFile(0)->m_kind);
    EXPECT_EQ((std::vector<std::string>{ "", "[Main]", "title = x" }), Lines(*reader.GetFile(0)));

    // Written again, the page keeps its stored bytes: no second empty line.
    ASSERT_TRUE(reader.WriteArchive(dir.File("again.pqz").c_str()));
    EXPECT_EQ(expected, Decompress(dir.File("again.pqz")));
}

TEST(DataFileManager, RecordTagsAndNameLengths)
{
    ScratchDir dir;
    CDataFileManager manager;
    manager.AddFile(std::string(254, 'a').c_str());
    manager.AddFile(std::string(255, 'b').c_str());
    manager.AddFile("opt")->m_kind = CDataFile::KindOptions;
    manager.AddFile("res")->m_kind = CDataFile::KindResource;
    manager.AddFile("odd")->m_kind = 7;
    ASSERT_TRUE(manager.WriteArchive(dir.File("p.pqz").c_str()));
    const std::string expected = "QNDL" + RecordBytes("PGD", std::string(254, 'a'), "") +
                                 "PGD\xFF" + Uint32Bytes(255) + std::string(255, 'b') + Uint32Bytes(0) +
                                 RecordBytes("OPT", "opt", "") + RecordBytes("RES", "res", "") + RecordBytes("PGD", "odd", "");
    EXPECT_EQ(expected, Decompress(dir.File("p.pqz")));

    // Reading stops with FALSE at the resource record, keeping what came before.
    CDataFileManager reader;
    EXPECT_FALSE(reader.ReadArchive(dir.File("p.pqz").c_str()));
    EXPECT_EQ((std::vector<std::string>{ std::string(254, 'a'), std::string(255, 'b'), "opt" }), Names(reader));
    EXPECT_EQ(CDataFile::KindOptions, reader.GetFile(2)->m_kind);
}

// The test program has no string 61315, so this also pins the fallback to
// "tarvex.pgd" as the reference name.
TEST(DataFileManager, PageNameFilter)
{
    const struct { const char* name; bool kept; } cases[] = {
        { "tarvex.pgd", true }, { "TARVEX.PGD", true }, { "page_3.pgd", true },
        { "tarvex_old.pgd", false }, { "xtarvex.pgd", false }, { "TarVex", false },
    };
    ScratchDir dir;
    for (const auto& c : cases) {
        std::string archive = "QNDL" + RecordBytes("PGD", c.name, "a\r\n") + RecordBytes("OPT", c.name, "");
        WriteCompressed(dir.File("p.pqz"), archive);
        CDataFileManager reader;
        EXPECT_TRUE(reader.ReadArchive(dir.File("p.pqz").c_str())) << c.name;
        // Options records are never filtered.
        EXPECT_EQ(c.kept ? 2 : 1, reader.GetFileCount()) << c.name;
    }
}

TEST(DataFileManager, FailureMessages)
{
    ScratchDir dir;
    WriteWholeFile(dir.File("empty.pqz"), "");
    WriteCompressed(dir.File("zeros.pqz"), std::string(8, '\0'));
    WriteWholeFile(dir.File("text.pqz"), "hello, world");
    WriteCompressed(dir.File("other.pqz"), "QNDX");
    const char* const missing = "The file you are trying to open does not exist!";
    const char* const foreign = "You are trying to open a non-QNDL file!";
    const struct { const char* file; const char* message; } cases[] = {
        { "missing.pqz", missing }, { "empty.pqz", missing }, { "zeros.pqz", missing },
        { "text.pqz", foreign }, { "other.pqz", foreign },
    };
    for (const auto& c : cases) {
        ExpectBox(c.message);
        BoxWatch watch;
        CDataFileManager reader;
        reader.AddFile("kept");
        EXPECT_FALSE(reader.ReadArchive(dir.File(c.file).c_str())) << c.file;
        std::vector<ShownBox> boxes = watch.Boxes();
        ASSERT_EQ(1u, boxes.size()) << c.file;
        EXPECT_EQ(c.message, boxes[0].text) << c.file;
        EXPECT_EQ("Error", boxes[0].caption) << c.file;
        EXPECT_EQ((UINT)MB_OK, boxes[0].flags) << c.file;
        EXPECT_FALSE(boxes[0].hasOwner) << c.file;
        EXPECT_EQ(1, reader.GetFileCount()) << c.file;
    }
}

TEST(DataFileManager, DamagedRecordsEndReadingWithFalse)
{
    const std::string first = RecordBytes("PGD", "page_1.pgd", "a\r\n");
    const struct {
        const char* name;
        std::string tail;
        BOOL result;
        std::vector<std::string> names;
        std::vector<std::string> lastLines;
    } cases[] = {
        { "clean end", "", TRUE, { "page_1.pgd" }, { "a" } },
        { "unknown tag", "XYZ", FALSE, { "page_1.pgd" }, { "a" } },
        { "cut tag", "PG", FALSE, { "page_1.pgd" }, { "a" } },
        { "count past the end", RecordBytes("PGD", "page_2.pgd", "b\r\nc", 50), FALSE,
          { "page_1.pgd", "page_2.pgd" }, { "b", "c" } },
        { "cut count", "PGD\x0apage_2.pgd\x01", FALSE, { "page_1.pgd", "page_2.pgd" }, {} },
        { "name of 259 bytes", RecordBytes("PGD", std::string(259, 'n'), "z\r\n"), TRUE,
          { "page_1.pgd", std::string(259, 'n') }, { "z" } },
        { "name of 260 bytes", RecordBytes("PGD", std::string(260, 'n'), "z\r\n"), FALSE, { "page_1.pgd" }, { "a" } },
        // The count is kept to exactly: the next record starts right after it.
        { "short count", RecordBytes("PGD", "page_2.pgd", "b\r\n", 1) + "\r\n" + RecordBytes("PGD", "page_3.pgd", "c\r\n"),
          FALSE, { "page_1.pgd", "page_2.pgd" }, { "b" } },
        { "line without LF", RecordBytes("PGD", "page_2.pgd", "b\r\nc") + RecordBytes("PGD", "page_3.pgd", "d\r\n"),
          TRUE, { "page_1.pgd", "page_2.pgd", "page_3.pgd" }, { "d" } },
    };
    ScratchDir dir;
    for (const auto& c : cases) {
        WriteCompressed(dir.File("p.pqz"), "QNDL" + first + c.tail);
        BoxWatch watch;
        CDataFileManager reader;
        EXPECT_EQ(c.result, reader.ReadArchive(dir.File("p.pqz").c_str())) << c.name;
        EXPECT_EQ(c.names, Names(reader)) << c.name;
        if (reader.GetFileCount() > 0) {
            EXPECT_EQ(c.lastLines, Lines(*reader.GetFile(reader.GetFileCount() - 1))) << c.name;
        }
        EXPECT_TRUE(watch.Texts().empty()) << c.name;
    }

    // A gzip stream cut short is damaged too.
    CDataFileManager manager;
    CDataFile* page = manager.AddFile("tarvex.pgd");
    for (int i = 0; i < 2000; ++i)
        page->AppendLine(CStr("key = a value that fills the stream"));
    ASSERT_TRUE(manager.WriteArchive(dir.File("whole.pqz").c_str()));
    std::string bytes = ReadWholeFile(dir.File("whole.pqz"));
    WriteWholeFile(dir.File("cut.pqz"), bytes.substr(0, bytes.size() - 6));
    CDataFileManager reader;
    EXPECT_FALSE(reader.ReadArchive(dir.File("cut.pqz").c_str()));
}

TEST(DataFileManager, WritingNeverDestroysThePreviousArchive)
{
    ScratchDir dir;
    CDataFileManager manager;
    manager.AddFile("tarvex.pgd")->AppendLine(CStr("[Main]"));
    const std::string path = dir.File("p.pqz");
    WriteWholeFile(path, "previous");

    // The file beside it cannot be made.
    CreateDirectoryA((path + ".tmp").c_str(), NULL);
    EXPECT_FALSE(manager.WriteArchive(path.c_str()));
    EXPECT_EQ("previous", ReadWholeFile(path));
    RemoveDirectoryA((path + ".tmp").c_str());

    // The finished file cannot take the archive's place.
    const std::string folder = dir.File("folder.pqz");
    CreateDirectoryA(folder.c_str(), NULL);
    EXPECT_FALSE(manager.WriteArchive(folder.c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((folder + ".tmp").c_str()));

    EXPECT_FALSE(manager.WriteArchive(dir.File("no\\such\\p.pqz").c_str()));

    EXPECT_TRUE(manager.WriteArchive(path.c_str()));
    EXPECT_EQ(std::string("QNDL") + "PGD\x0atarvex.pgd" + Uint32Bytes(10) + "\r\n[Main]\r\n", Decompress(path));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((path + ".tmp").c_str()));
}

TEST(DataFileManager, FileListAndMoves)
{
    CDataFileManager manager;
    CDataFile* files[4];
    const char* const names[4] = { "tarvex.pgd", "page_1.pgd", "page_2.pgd", "page_3.pgd" };
    for (int i = 0; i < 4; ++i)
        files[i] = manager.AddFile(names[i]);
    EXPECT_EQ(files[2], manager.FindFile("page_2.pgd"));
    EXPECT_TRUE(manager.FindFile("PAGE_2.pgd") == NULL);
    CDataFile stranger;

    const struct { bool up; int file; int index; std::vector<std::string> order; } moves[] = {
        { true, 0, 0, { "tarvex.pgd", "page_1.pgd", "page_2.pgd", "page_3.pgd" } },
        { true, 1, 1, { "tarvex.pgd", "page_1.pgd", "page_2.pgd", "page_3.pgd" } },
        { true, 2, 2, { "tarvex.pgd", "page_2.pgd", "page_1.pgd", "page_3.pgd" } },
        { false, 2, 1, { "tarvex.pgd", "page_1.pgd", "page_2.pgd", "page_3.pgd" } },
        { false, 3, 3, { "tarvex.pgd", "page_1.pgd", "page_2.pgd", "page_3.pgd" } },
        { false, 0, 0, { "tarvex.pgd", "page_1.pgd", "page_2.pgd", "page_3.pgd" } },
        { false, 1, 1, { "tarvex.pgd", "page_2.pgd", "page_1.pgd", "page_3.pgd" } },
        { true, -1, 4, { "tarvex.pgd", "page_2.pgd", "page_1.pgd", "page_3.pgd" } },
    };
    for (size_t i = 0; i < sizeof moves / sizeof moves[0]; ++i) {
        CDataFile* file = moves[i].file < 0 ? &stranger : files[moves[i].file];
        EXPECT_EQ(moves[i].index, moves[i].up ? manager.MoveFileUp(file) : manager.MoveFileDown(file)) << "move " << i;
        EXPECT_EQ(moves[i].order, Names(manager)) << "move " << i;
    }

    manager.RemoveFile("page_2.pgd");
    manager.RemoveFile("absent");
    EXPECT_EQ((std::vector<std::string>{ "tarvex.pgd", "page_1.pgd", "page_3.pgd" }), Names(manager));
    manager.RemoveFile("page_3.pgd");
    EXPECT_EQ(1, manager.MoveFileUp(files[1]));
    EXPECT_EQ(0, manager.MoveFileDown(files[0]));
    EXPECT_EQ((std::vector<std::string>{ "tarvex.pgd", "page_1.pgd" }), Names(manager));
    manager.Clear();
    EXPECT_EQ(0, manager.GetFileCount());
}

TEST(DataFileManager, LargeProjectRoundTrip)
{
    ScratchDir dir;
    CDataFileManager manager;
    for (int p = 0; p < 40; ++p) {
        char name[32];
        wsprintfA(name, p ? "page_%d.pgd" : "tarvex.pgd", p);
        CDataFile* page = manager.AddFile(name);
        for (int s = 0; s < 50; ++s) {
            char section[32];
            wsprintfA(section, "Object%d", s);
            for (int k = 0; k < 20; ++k) {
                char key[16];
                wsprintfA(key, "key%d", k);
                page->SetString(section, key, "some value text");
            }
            page->SetMultiLineString(section, "script", "line one\r\nline two");
        }
        page->AppendLine(CStr(std::string(3000 + p, 'L').c_str()));
        page->AppendLine(CStr(""));
        page->AppendLine(CStr("[]"));
    }
    CDataFile* options = manager.AddFile("options");
    options->m_kind = CDataFile::KindOptions;
    options->SetInt("Options", "count", 40);

    ASSERT_TRUE(manager.WriteArchive(dir.File("first.pqz").c_str()));
    CDataFileManager second;
    ASSERT_TRUE(second.ReadArchive(dir.File("first.pqz").c_str()));
    CDataFile copy(*second.GetFile(3));   // before the page is first used
    CDataFile assigned;
    assigned.AppendLine(CStr("gone"));
    assigned = *second.GetFile(3);
    ASSERT_TRUE(second.WriteArchive(dir.File("second.pqz").c_str()));
    EXPECT_EQ(Lines(*second.GetFile(3)), Lines(copy));
    EXPECT_EQ(Lines(*second.GetFile(3)), Lines(assigned));
    CDataFileManager third;
    ASSERT_TRUE(third.ReadArchive(dir.File("second.pqz").c_str()));

    const std::string stored = Decompress(dir.File("first.pqz"));
    EXPECT_EQ(stored, Decompress(dir.File("second.pqz")));
    ASSERT_EQ(manager.GetFileCount(), third.GetFileCount());
    for (int i = 0; i < third.GetFileCount(); ++i) {
        EXPECT_EQ(Names(manager)[i], Names(third)[i]);
        EXPECT_EQ(manager.GetFile(i)->m_kind, third.GetFile(i)->m_kind);
        EXPECT_EQ(Lines(*second.GetFile(i)), Lines(*third.GetFile(i))) << Names(third)[i];
    }
    // Each header gained the one empty line stored before it; the long lines came back whole.
    const CDataFile& page = *third.GetFile(7);
    EXPECT_EQ(manager.GetFile(7)->GetLineCount() + 50, page.GetLineCount());
    EXPECT_EQ(std::string(3007, 'L'), Lines(page)[page.GetLineCount() - 3]);
    CStr script;
    EXPECT_TRUE(page.GetMultiLineString("Object49", "script", script));
    EXPECT_STREQ("line one\r\nline two", script);
}
