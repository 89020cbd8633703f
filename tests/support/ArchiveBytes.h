// Project archives written byte by byte for the readers' tests, so that
// records neither program writes can be stored too.
#pragma once

#include "model/store/DataFile.h"

#include <zlib.h>
#include <string>
#include <vector>

struct Record
{
    std::string tag;
    std::string name;
    std::string content;        // stored bytes, line ends included
    long countAdjust = 0;       // added to the true byte count
};

inline std::string Content(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

inline std::string Uint32Bytes(unsigned long value)
{
    std::string out;
    for (int i = 0; i < 4; ++i)
        out += char((value >> (8 * i)) & 0xFF);
    return out;
}

// The name length as the format stores it: one byte up to 254, else 255 and 32 bits.
inline std::string NameLengthBytes(unsigned long length)
{
    return length < 255 ? std::string(1, char(length)) : "\xFF" + Uint32Bytes(length);
}

// A record as the format lays it out, with the content and its count given.
inline std::string RecordBytes(const std::string& tag, const std::string& name, const std::string& content,
                               unsigned long count)
{
    return tag + NameLengthBytes(name.size()) + name + Uint32Bytes(count) + content;
}

inline std::string RecordBytes(const std::string& tag, const std::string& name, const std::string& content)
{
    return RecordBytes(tag, name, content, (unsigned long)content.size());
}

inline void WriteCompressed(const std::string& path, const std::string& bytes)
{
    gzFile out = gzopen(path.c_str(), "wb9");
    if (!out)
        return;
    if (!bytes.empty())
        gzwrite(out, bytes.data(), (unsigned)bytes.size());
    gzclose(out);
}

inline std::string Decompress(const std::string& path)
{
    std::string bytes;
    gzFile in = gzopen(path.c_str(), "rb");
    if (!in)
        return bytes;
    char chunk[65536];
    int got;
    while ((got = gzread(in, chunk, sizeof chunk)) > 0)
        bytes.append(chunk, got);
    gzclose(in);
    return bytes;
}

// The uncompressed bytes of an archive of the records.
inline std::string ArchiveBytes(const std::vector<Record>& records, const char* magic = "QNDL")
{
    std::string bytes = magic;
    for (const Record& r : records)
        bytes += RecordBytes(r.tag, r.name, r.content, (unsigned long)(r.content.size() + r.countAdjust));
    return bytes;
}

inline void WriteArchive(const std::string& path, const std::vector<Record>& records, const char* magic = "QNDL")
{
    WriteCompressed(path, ArchiveBytes(records, magic));
}

// Every line, embedded NULs included.
inline std::vector<std::string> Lines(const CDataFile& file)
{
    std::vector<std::string> lines;
    for (int i = 0; i < file.GetLineCount(); ++i)
        lines.push_back(std::string(file.GetLine(i).c_str(), file.GetLine(i).GetLength()));
    return lines;
}
