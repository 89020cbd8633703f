// Project archives written byte by byte for the player's reader tests, so
// that records the editor never writes can be stored too.
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

inline void PutLittleEndian32(std::string& out, unsigned long value)
{
    for (int i = 0; i < 4; ++i)
        out += char((value >> (8 * i)) & 0xFF);
}

// The uncompressed bytes of an archive of the records.
inline std::string ArchiveBytes(const std::vector<Record>& records, const char* magic = "QNDL")
{
    std::string bytes = magic;
    for (const Record& r : records)
    {
        bytes += r.tag;
        if (r.name.size() < 255)
        {
            bytes += char(r.name.size());
        }
        else
        {
            bytes += char(255);
            PutLittleEndian32(bytes, (unsigned long)r.name.size());
        }
        bytes += r.name;
        PutLittleEndian32(bytes, (unsigned long)(r.content.size() + r.countAdjust));
        bytes += r.content;
    }
    return bytes;
}

inline void WriteArchive(const std::string& path, const std::vector<Record>& records, const char* magic = "QNDL")
{
    std::string bytes = ArchiveBytes(records, magic);
    gzFile out = gzopen(path.c_str(), "wb9");
    gzwrite(out, bytes.data(), (unsigned)bytes.size());
    gzclose(out);
}

inline std::vector<std::string> Lines(const CDataFile& file)
{
    std::vector<std::string> lines;
    for (int i = 0; i < file.GetLineCount(); ++i)
        lines.push_back(file.GetLine(i).c_str());
    return lines;
}
