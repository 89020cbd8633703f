#include "model/store/ArchiveRecords.h"

#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <new>

const char kArchiveMagic[4] = { 'Q', 'N', 'D', 'L' };

namespace {

const unsigned kStreamBuffer = 64 * 1024;    // gzip buffers: fewer, larger file reads and writes
const size_t kFirstBlock = 8 * 1024 * 1024;  // most of a record's content read at once

void AppendUint32(std::string& out, DWORD value)
{
    char bytes[4] = { (char)(value & 0xFF), (char)((value >> 8) & 0xFF),
                      (char)((value >> 16) & 0xFF), (char)((value >> 24) & 0xFF) };
    out.append(bytes, 4);
}

DWORD Uint32At(const unsigned char* bytes)
{
    return (DWORD)bytes[0] | ((DWORD)bytes[1] << 8) | ((DWORD)bytes[2] << 16) | ((DWORD)bytes[3] << 24);
}

const char* TagFor(int kind)
{
    return kind == CDataFile::KindOptions ? "OPT" : kind == CDataFile::KindResource ? "RES" : "PGD";
}

// A header that already follows an empty line gets no second one, so that
// reading and writing again leaves the stored bytes as they were.
bool NeedsEmptyLineBefore(const CDataFile& file, int index)
{
    const CStr& line = file.GetLine(index);
    return line.GetLength() > 0 && line[0] == '[' && !(index > 0 && file.GetLine(index - 1).IsEmpty());
}

} // namespace

CArchiveReader::CArchiveReader(const char* path)
    : m_file(path ? gzopen(path, "rb") : NULL), m_failed(false)
{
    if (m_file)
        gzbuffer(m_file, kStreamBuffer);
}

CArchiveReader::~CArchiveReader()
{
    Close();
}

void CArchiveReader::Close()
{
    if (m_file) {
        gzclose(m_file);
        m_file = NULL;
    }
}

unsigned CArchiveReader::Read(void* bytes, unsigned count)
{
    unsigned total = 0;
    while (m_file && total < count) {
        int got = gzread(m_file, (char*)bytes + total, count - total);
        if (got <= 0) {
            int error = Z_OK;
            gzerror(m_file, &error);
            if (got < 0 || error != Z_OK)
                m_failed = true;
            break;
        }
        total += (unsigned)got;
    }
    return total;
}

ArchiveMagic CArchiveReader::ReadMagic()
{
    char magic[4] = { 0, 0, 0, 0 };
    Read(magic, sizeof magic);
    if (!magic[0] && !magic[1] && !magic[2] && !magic[3])
        return ArchiveMagicNothing;
    return memcmp(magic, kArchiveMagic, sizeof magic) == 0 ? ArchiveMagicFound : ArchiveMagicForeign;
}

ArchiveTag CArchiveReader::ReadTag()
{
    char tag[3] = { 0, 0, 0 };
    unsigned got = Read(tag, sizeof tag);
    // A damaged or cut gzip stream would otherwise pass for a clean end.
    if (got == 0)
        return m_failed ? ArchiveTagDamaged : ArchiveTagEnd;
    if (got < sizeof tag)
        return ArchiveTagOther;
    if (memcmp(tag, "PGD", 3) == 0)
        return ArchiveTagPage;
    if (memcmp(tag, "OPT", 3) == 0)
        return ArchiveTagOptions;
    return ArchiveTagOther;
}

ArchiveHeader CArchiveReader::ReadHeader(CStr& name, DWORD& count)
{
    unsigned char first;
    if (Read(&first, 1) != 1)
        return ArchiveHeaderNameUnreadable;
    DWORD length = first;
    if (first == 255) {
        unsigned char bytes[4];
        if (Read(bytes, 4) != 4)
            return ArchiveHeaderNameUnreadable;
        length = Uint32At(bytes);
    }
    // A longer name would overrun the name buffer of the format.
    if (length > kArchiveMaxNameLength)
        return ArchiveHeaderNameUnreadable;
    char text[kArchiveMaxNameLength + 1];
    if (length && Read(text, length) != length)
        return ArchiveHeaderNameUnreadable;
    text[length] = '\0';
    name = text;

    unsigned char countBytes[4];
    if (Read(countBytes, 4) != 4)
        return ArchiveHeaderCountCut;
    count = Uint32At(countBytes);
    return count > kArchiveMaxRecordBytes ? ArchiveHeaderCountRefused : ArchiveHeaderRead;
}

bool CArchiveReader::ReadContent(DWORD count, CDataFile& file)
{
    // Never past the count, so that the next record starts where it should
    // and a line of any length comes back whole. The block grows with what
    // actually arrives, so a false count cannot make it huge.
    char* block = NULL;
    size_t capacity = 0;
    size_t have = 0;
    while (have < count) {
        size_t step = std::min<size_t>(count - have, std::max(have, kFirstBlock));
        if (have + step > capacity) {
            char* grown = (char*)realloc(block, have + step);
            if (!grown) {
                free(block);
                throw std::bad_alloc();
            }
            block = grown;
            capacity = have + step;
        }
        unsigned got = Read(block + have, (unsigned)step);
        have += got;
        if (got < step)
            break;
    }
    file.AdoptStoredContent(block, (int)have);
    return have == count;
}

bool CArchiveReader::SkipContent(DWORD count)
{
    char piece[16384];
    while (count > 0) {
        unsigned want = count < sizeof piece ? (unsigned)count : (unsigned)sizeof piece;
        unsigned got = Read(piece, want);
        count -= got;
        if (got < want)
            return false;
    }
    return true;
}

CArchiveWriter::CArchiveWriter(const char* path)
    : m_file(gzopen(path, "wb9")), m_ok(m_file != NULL)
{
    if (m_file && gzbuffer(m_file, kStreamBuffer) != 0)
        m_ok = false;
}

CArchiveWriter::~CArchiveWriter()
{
    Close();
}

bool CArchiveWriter::Write(const void* bytes, size_t count)
{
    if (!m_ok || !m_file)
        return false;
    if (count == 0)
        return true;
    if (count > 0x7FFFFFFF || gzwrite(m_file, bytes, (unsigned)count) != (int)count)
        m_ok = false;
    return m_ok;
}

bool CArchiveWriter::WriteMagic()
{
    return Write(kArchiveMagic, sizeof kArchiveMagic);
}

bool CArchiveWriter::WriteRecord(const CDataFile& file)
{
    if (!EncodeRecord(file, m_scratch))
        return false;
    return Write(m_scratch.data(), m_scratch.size());
}

BOOL CArchiveWriter::Close()
{
    if (m_file) {
        if (gzclose(m_file) != Z_OK)
            m_ok = false;
        m_file = NULL;
    }
    return m_ok ? TRUE : FALSE;
}

bool CArchiveWriter::EncodeRecord(const CDataFile& file, std::string& out)
{
    out.clear();
    out.append(TagFor(file.m_kind), 3);
    const CStr& name = file.m_name;
    size_t nameLength = (size_t)name.GetLength();
    if (nameLength < 255) {
        out.push_back((char)nameLength);
    } else {
        out.push_back((char)255);
        AppendUint32(out, (DWORD)nameLength);
    }
    out.append(name.c_str(), nameLength);

    const char* terminator = file.m_lineTerminator.c_str();
    size_t terminatorLength = (size_t)file.m_lineTerminator.GetLength();
    int lines = file.GetLineCount();
    unsigned long long count = 0;
    for (int i = 0; i < lines; ++i) {
        if (NeedsEmptyLineBefore(file, i))
            count += terminatorLength;
        count += (size_t)file.GetLine(i).GetLength() + terminatorLength;
    }
    if (count > 0xFFFFFFFFULL)
        return false;
    AppendUint32(out, (DWORD)count);

    out.reserve(out.size() + (size_t)count);
    for (int i = 0; i < lines; ++i) {
        const CStr& line = file.GetLine(i);
        if (NeedsEmptyLineBefore(file, i))
            out.append(terminator, terminatorLength);
        out.append(line.c_str(), (size_t)line.GetLength());
        out.append(terminator, terminatorLength);
    }
    return true;
}

BOOL LoadPlainLines(CDataFile& file, const char* path, PlainLineRule rule)
{
    if (rule == PlainLinesAsWritten)
        file.Clear();
    // Writers stay free: a reader that shared only reading would make a save
    // of the same file by another process (a script's Save To File) fail,
    // and the value would be lost.
    HANDLE handle = path ? CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, NULL)
                         : INVALID_HANDLE_VALUE;
    if (handle == INVALID_HANDLE_VALUE)
        return FALSE;
    // Read whole: a fixed line buffer would cut a long line and lose the
    // lines after it.
    std::string text;
    char piece[16384];
    DWORD read = 0;
    while (ReadFile(handle, piece, sizeof piece, &read, NULL) && read > 0)
        text.append(piece, read);
    CloseHandle(handle);

    file.Clear();
    if (rule == PlainLinesAsWritten) {
        // As a text-mode read gives it: Ctrl-Z ends the text, CR LF is LF.
        size_t stop = text.find('\x1A');
        if (stop != std::string::npos)
            text.resize(stop);
        size_t start = 0;
        for (;;) {
            size_t newline = text.find('\n', start);
            size_t end = newline == std::string::npos ? text.size() : newline;
            size_t lineEnd = (newline != std::string::npos && end > start && text[end - 1] == '\r') ? end - 1 : end;
            file.AppendLineBytes(text.data() + start, (int)(lineEnd - start));
            if (newline == std::string::npos)
                break;
            start = newline + 1;
        }
        return TRUE;
    }

    int added = 0;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        // A last line without its line end is kept too.
        if (i < text.size() && text[i] != '\r' && text[i] != '\n')
            continue;
        if (i > start) {
            file.AppendLine(CStr(text.substr(start, i - start).c_str()));
            ++added;
        }
        start = i + 1;
    }
    return added > 0 ? TRUE : FALSE;
}
