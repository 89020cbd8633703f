// The records of a project archive, read and written for both programs: one
// gzip stream holding the magic "QNDL", then per data file a 3-byte tag, the
// name length (one byte up to 254, else 255 and 32 bits), the name, the
// content byte count (32 bits) and the content's lines.
//
// What each program keeps of the records, and what it says about them, is
// left to its own thin layer (CDataFileManager, CMultiFilePqz).
#pragma once

#include "model/store/DataFile.h"

#include <zlib.h>
#include <string>

extern const char kArchiveMagic[4];
// What the name buffer of the format holds.
const DWORD kArchiveMaxNameLength = 259;
// Neither program writes a record anywhere near this; a larger count is a
// damaged or hostile archive and must never decide how much is allocated.
const DWORD kArchiveMaxRecordBytes = 64 * 1024 * 1024;

enum ArchiveTag
{
    ArchiveTagEnd,       // the stream ended cleanly before a tag
    ArchiveTagPage,      // "PGD"
    ArchiveTagOptions,   // "OPT"
    ArchiveTagOther,     // any other tag, or one cut short
    ArchiveTagDamaged    // the gzip stream is damaged or cut
};

enum ArchiveHeader
{
    ArchiveHeaderRead,
    ArchiveHeaderNameUnreadable,   // cut, or longer than the format holds
    ArchiveHeaderCountCut,         // the name was read; the stream ended in the count
    ArchiveHeaderCountRefused      // the name was read; the count is beyond any real record
};

enum ArchiveMagic
{
    ArchiveMagicNothing,   // a missing or empty file (all four bytes zero)
    ArchiveMagicForeign,
    ArchiveMagicFound
};

// Reads the records of one archive; the stream closes on every way out.
class CArchiveReader
{
public:
    explicit CArchiveReader(const char* path);
    ~CArchiveReader();

    bool IsOpen() const { return m_file != NULL; }
    void Close();
    // TRUE once the gzip stream reported damage.
    bool Failed() const { return m_failed; }

    ArchiveMagic ReadMagic();
    ArchiveTag ReadTag();
    ArchiveHeader ReadHeader(CStr& name, DWORD& count);
    // Exactly count bytes, adopted by file as its stored text (lines split on
    // first use); false when the stream ended first, the lines read so far
    // kept.
    bool ReadContent(DWORD count, CDataFile& file);
    bool SkipContent(DWORD count);

    // Up to count bytes; fewer only where the stream ends or is damaged.
    unsigned Read(void* bytes, unsigned count);

private:
    CArchiveReader(const CArchiveReader&);
    CArchiveReader& operator=(const CArchiveReader&);

    gzFile m_file;
    bool m_failed;
};

// Writes an archive; remembers whether every write went through.
class CArchiveWriter
{
public:
    explicit CArchiveWriter(const char* path);
    ~CArchiveWriter();

    bool IsOpen() const { return m_file != NULL; }
    bool WriteMagic();
    // One data file: its kind's tag, name and lines, each ended by the data
    // file's line terminator, a header line preceded by an empty one.
    bool WriteRecord(const CDataFile& file);
    bool Write(const void* bytes, size_t count);
    // TRUE when the stream was opened, every write succeeded and it closed cleanly.
    BOOL Close();

    // The bytes of one record, as WriteRecord stores them; false when the
    // content is too long for the count.
    static bool EncodeRecord(const CDataFile& file, std::string& out);

private:
    CArchiveWriter(const CArchiveWriter&);
    CArchiveWriter& operator=(const CArchiveWriter&);

    gzFile m_file;
    bool m_ok;
    std::string m_scratch;
};

// Plain text files. The editor keeps its lines as written (split at LF, the
// CR of a CR LF dropped, empty lines kept, a text-mode read's end at
// Ctrl-Z); the player splits at every CR and LF and drops empty lines.
enum PlainLineRule
{
    PlainLinesAsWritten,
    PlainLinesNonEmpty
};

// Replaces file's lines with the file's; FALSE when it cannot be read. With
// PlainLinesNonEmpty, also FALSE when no line was found.
BOOL LoadPlainLines(CDataFile& file, const char* path, PlainLineRule rule);
