#include "player/PlayerDataFile.h"

#include "model/common/PathHelpers.h"
#include "player/PlayerPaths.h"

#include <string.h>
#include <string>

namespace {

const char kMagic[4] = { 'Q', 'N', 'D', 'L' };
const char kPageTag[3] = { 'P', 'G', 'D' };

// Closes the gzip stream on every path.
class CGzReader
{
public:
    explicit CGzReader(const char* path) : m_stream(gzopen(path, "rb")) {}
    ~CGzReader() { if (m_stream) gzclose(m_stream); }
    gzFile Get() const { return m_stream; }

private:
    CGzReader(const CGzReader&);
    CGzReader& operator=(const CGzReader&);
    gzFile m_stream;
};

BOOL ReadExactly(gzFile stream, void* buffer, unsigned count)
{
    return gzread(stream, buffer, count) == (int)count;
}

BOOL ReadLittleEndian32(gzFile stream, DWORD& value)
{
    unsigned char bytes[4];
    if (!ReadExactly(stream, bytes, 4))
        return FALSE;
    value = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | ((DWORD)bytes[3] << 24);
    return TRUE;
}

// 0 bytes: the archive ends; a short or foreign tag: it is not a page.
enum TagResult { kTagEnd, kTagPage, kTagOther };

TagResult ReadTag(gzFile stream)
{
    char tag[3] = { 0, 0, 0 };
    int read = gzread(stream, tag, 3);
    if (read == 0)
        return kTagEnd;
    return (read == 3 && memcmp(tag, kPageTag, 3) == 0) ? kTagPage : kTagOther;
}

BOOL ReadRecordHeader(gzFile stream, CStr& name, DWORD& count)
{
    unsigned char shortLength;
    if (!ReadExactly(stream, &shortLength, 1))
        return FALSE;
    DWORD length = shortLength;
    if (shortLength == 255 && !ReadLittleEndian32(stream, length))
        return FALSE;
    // Read in pieces so that a huge stored length cannot ask for a huge block.
    std::string text;
    char piece[1024];
    while (length > 0)
    {
        unsigned want = length < sizeof(piece) ? (unsigned)length : (unsigned)sizeof(piece);
        if (!ReadExactly(stream, piece, want))
            return FALSE;
        text.append(piece, want);
        length -= want;
    }
    name = text.c_str();
    return ReadLittleEndian32(stream, count);
}

void AppendLine(CDataFile* file, std::string& line)
{
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.pop_back();
    file->AppendLine(CStr(line.c_str()));
    line.clear();
}

// Reads count bytes in pieces, handing each piece on; stops early at the end
// of the stream or on an error.
template <class Use>
void ReadPieces(gzFile stream, DWORD count, Use use)
{
    char piece[1024];
    while (count > 0)
    {
        unsigned want = count < sizeof(piece) ? (unsigned)count : (unsigned)sizeof(piece);
        int read = gzread(stream, piece, want);
        if (read <= 0)
            return;
        count -= (DWORD)read;
        use(piece, read);
    }
}

// The content is read by its byte count and cut at every LF, so a stored
// line of any length comes back whole and a count of 0 reads nothing.
void ReadRecordLines(gzFile stream, DWORD count, CDataFile* file)
{
    std::string line;
    ReadPieces(stream, count, [&](const char* piece, int read) {
        for (int i = 0; i < read; ++i)
        {
            line += piece[i];
            if (piece[i] == '\n')
                AppendLine(file, line);
        }
    });
    if (!line.empty())
        AppendLine(file, line);
}

void SkipBytes(gzFile stream, DWORD count)
{
    ReadPieces(stream, count, [](const char*, int) {});
}

} // namespace

BOOL ReadArchiveMagic(gzFile stream)
{
    char magic[4] = { 0, 0, 0, 0 };
    gzread(stream, magic, 4);
    return memcmp(magic, kMagic, 4) == 0;
}

BOOL ReadArchiveMember(gzFile stream, CDataFile* file)
{
    CStr name;
    DWORD count = 0;
    if (!ReadRecordHeader(stream, name, count))
        return FALSE;
    file->m_name = name;
    ReadRecordLines(stream, count, file);
    return TRUE;
}

BOOL OpenArchiveMember(CDataFile& file, const char* archivePath, const char* memberName)
{
    CGzReader reader(archivePath);
    gzFile stream = reader.Get();
    if (!stream || !ReadArchiveMagic(stream))
        return FALSE;
    while (ReadTag(stream) == kTagPage)
    {
        CStr name;
        DWORD count = 0;
        if (!ReadRecordHeader(stream, name, count))
            return FALSE;
        if (memberName && lstrcmpiA(name, memberName) != 0)
        {
            SkipBytes(stream, count);
            continue;
        }
        // Named as stored, so that the page list finds it again.
        file.m_name = name;
        ReadRecordLines(stream, count, &file);
        return TRUE;
    }
    return FALSE;
}

BOOL OpenDataFile(CDataFile& file, const char* archivePath, const char* memberName)
{
    file.Clear();
    if (OpenArchiveMember(file, archivePath, memberName))
        return TRUE;
    char ownName[MAX_PATH];
    lstrcpynA(ownName, GetFileNamePart(archivePath), MAX_PATH);
    StripExtension(ownName);
    AddExtension(ownName, ".pgd");
    if (OpenArchiveMember(file, archivePath, ownName))
        return TRUE;
    return OpenArchiveMember(file, archivePath, NULL);
}

BOOL LoadDataFileFromFile(CDataFile& file, const char* path)
{
    HANDLE handle = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, NULL);
    if (handle == INVALID_HANDLE_VALUE)
        return FALSE;
    std::string text;
    char piece[4096];
    DWORD read = 0;
    while (ReadFile(handle, piece, sizeof(piece), &read, NULL) && read > 0)
        text.append(piece, read);
    CloseHandle(handle);

    file.Clear();
    int added = 0;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        if (i > start)
        {
            file.AppendLine(CStr(text.substr(start, i - start).c_str()));
            ++added;
        }
        start = i + 1;
    }
    // A last line without its line end is kept too.
    if (start < text.size())
    {
        file.AppendLine(CStr(text.substr(start).c_str()));
        ++added;
    }
    return added > 0;
}

BOOL SaveDataFileToFile(const CDataFile& file, const char* path)
{
    HANDLE handle = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, NULL,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (handle == INVALID_HANDLE_VALUE)
        return FALSE;
    std::string text;
    for (int i = 0; i < file.GetLineCount(); ++i)
    {
        text += file.GetLine(i).c_str();
        text += "\r\n";
    }
    DWORD written = 0;
    BOOL ok = WriteFile(handle, text.data(), (DWORD)text.size(), &written, NULL) && written == text.size();
    CloseHandle(handle);
    return ok;
}
