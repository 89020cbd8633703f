// The project archive: the data files of a project in one gzip stream.
#include "model/store/DataFileManager.h"
#include "model/common/MessageReporter.h"

#include <stdlib.h>
#include <string.h>
#include <zlib.h>

#include <algorithm>
#include <memory>
#include <new>
#include <string>

const char CDataFileManager::s_magic[4] = { 'Q', 'N', 'D', 'L' };

namespace {

const unsigned kStreamBuffer = 64 * 1024;  // gzip buffers: fewer, larger file reads and writes
const size_t kFirstBlock = 8 * 1024 * 1024;  // most of a record's content read at once
const DWORD kMaxNameLength = 259;            // what the name buffer of the format holds
const UINT kReferencePageId = 61315;
const char kReferencePage[] = "tarvex.pgd";

enum RecordResult
{
    RecordComplete,    // the whole record was read
    RecordCut,         // the stream ended inside its content: the lines read so far are kept
    RecordUnreadable   // nothing of it can be kept
};

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

} // namespace

// Scope holder of a gzip stream being read, with the buffer a record's
// content is read into; the stream is closed on every way out.
class CGzInput
{
public:
    explicit CGzInput(const char* path)
        : m_file(path ? gzopen(path, "rb") : NULL), m_failed(false)
    {
        if (m_file)
            gzbuffer(m_file, kStreamBuffer);
    }

    ~CGzInput()
    {
        Close();
    }

    void Close()
    {
        if (m_file) {
            gzclose(m_file);
            m_file = NULL;
        }
    }

    // Up to count bytes; fewer only where the stream ends or is damaged.
    unsigned Read(void* bytes, unsigned count)
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

    // Reads up to count bytes into a new block from malloc, which the caller
    // then owns (NULL when nothing arrived). The block grows with what
    // actually arrives, so a false count cannot make it huge.
    char* ReadBlock(DWORD count, size_t& have)
    {
        char* block = NULL;
        size_t capacity = 0;
        have = 0;
        while (have < count) {
            size_t step = std::min<size_t>(count - have, std::max(have, kFirstBlock));
            if (have + step > capacity) {
                char* grown = (char*)realloc(block, have + step);
                if (!grown) {
                    m_failed = true;
                    break;
                }
                block = grown;
                capacity = have + step;
            }
            unsigned got = Read(block + have, (unsigned)step);
            have += got;
            if (got < step)
                break;
        }
        return block;
    }

    bool Failed() const { return m_failed; }

private:
    CGzInput(const CGzInput&);
    CGzInput& operator=(const CGzInput&);

    gzFile m_file;
    bool m_failed;
};

// Scope holder of a gzip stream being written; remembers whether every
// write went through.
class CArchiveOutput
{
public:
    explicit CArchiveOutput(const char* path)
        : m_file(gzopen(path, "wb9")), m_ok(m_file != NULL)
    {
        if (m_file && gzbuffer(m_file, kStreamBuffer) != 0)
            m_ok = false;
    }

    ~CArchiveOutput() { Close(); }

    bool IsOpen() const { return m_file != NULL; }

    bool Write(const void* bytes, size_t count)
    {
        if (!m_ok || !m_file)
            return false;
        if (count == 0)
            return true;
        if (count > 0x7FFFFFFF || gzwrite(m_file, bytes, (unsigned)count) != (int)count)
            m_ok = false;
        return m_ok;
    }

    // TRUE when the stream was opened, every write succeeded and it closed cleanly.
    BOOL Close()
    {
        if (m_file) {
            if (gzclose(m_file) != Z_OK)
                m_ok = false;
            m_file = NULL;
        }
        return m_ok ? TRUE : FALSE;
    }

    std::string& Scratch() { return m_scratch; }

private:
    CArchiveOutput(const CArchiveOutput&);
    CArchiveOutput& operator=(const CArchiveOutput&);

    gzFile m_file;
    bool m_ok;
    std::string m_scratch;
};

// The name length of a record: one byte up to 254, else 255 and 32 bits.
struct CArchiveNameLength
{
    static void Write(std::string& out, size_t length)
    {
        if (length < 255) {
            out.push_back((char)length);
        } else {
            out.push_back((char)255);
            AppendUint32(out, (DWORD)length);
        }
    }

    static bool Read(CGzInput& in, DWORD& length)
    {
        unsigned char first;
        if (in.Read(&first, 1) != 1)
            return false;
        if (first != 255) {
            length = first;
            return true;
        }
        unsigned char bytes[4];
        if (in.Read(bytes, 4) != 4)
            return false;
        length = Uint32At(bytes);
        return true;
    }
};

// One data file in its stored form: tag, name length, name, content byte
// count, then every line ended by the line terminator, a header line
// preceded by an empty one.
struct CArchiveRecord
{
    static const char* TagFor(int kind)
    {
        return kind == CDataFile::KindOptions ? "OPT" : kind == CDataFile::KindResource ? "RES" : "PGD";
    }

    // A header that already follows an empty line gets no second one, so
    // that reading and writing again leaves the stored bytes as they were.
    static bool NeedsEmptyLineBefore(const CDataFile& file, int index)
    {
        const CStr& line = file.GetLine(index);
        return line.GetLength() > 0 && line[0] == '[' && !(index > 0 && file.GetLine(index - 1).IsEmpty());
    }

    static bool Encode(const CDataFile& file, std::string& out)
    {
        out.clear();
        out.append(TagFor(file.m_kind), 3);
        const CStr& name = file.m_name;
        CArchiveNameLength::Write(out, (size_t)name.GetLength());
        out.append(name.c_str(), (size_t)name.GetLength());

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
};

// Reads a record after its tag: name, then exactly the content byte count,
// whose lines (ended by LF, trailing CR and LF removed) the data file splits
// when it is first used.
static int ReadArchiveRecord(CGzInput& in, CDataFile* file)
{
    DWORD nameLength;
    if (!CArchiveNameLength::Read(in, nameLength))
        return RecordUnreadable;
    // A longer name would overrun the name buffer of the format.
    if (nameLength > kMaxNameLength)
        return RecordUnreadable;
    char name[kMaxNameLength + 1];
    if (nameLength && in.Read(name, nameLength) != nameLength)
        return RecordUnreadable;
    name[nameLength] = '\0';
    file->m_name = name;

    unsigned char countBytes[4];
    if (in.Read(countBytes, 4) != 4)
        return RecordCut;
    DWORD count = Uint32At(countBytes);
    if (count == 0)
        return RecordComplete;

    // Never past the count, so that the next record starts where it should
    // and a line of any length comes back whole.
    size_t have;
    char* content = in.ReadBlock(count, have);
    file->AdoptStoredContent(content, (int)have);
    return have == count ? RecordComplete : RecordCut;
}

// Pages whose name holds the reference page's stem without being it are
// stray copies and are not kept.
static bool IsStrayPage(const CStr& name, const CStr& reference, const CStr& stem)
{
    // An empty stem is in every name: every page would be dropped.
    if (stem.IsEmpty() || name.IsEmpty())
        return false;
    return name.FindNoCase(stem, 0) >= 0 && name.CompareNoCase(reference) != 0;
}

CDataFileManager::CDataFileManager()
{
}

CDataFileManager::~CDataFileManager()
{
    Clear();
}

CDataFile* CDataFileManager::AddFile(const char* name)
{
    CDataFile* file = new CDataFile;
    if (name)
        file->m_name = name;
    m_files.push_back(file);
    return file;
}

void CDataFileManager::RemoveFile(const char* name)
{
    if (!name)
        return;
    for (size_t i = 0; i < m_files.size(); ++i) {
        if (strcmp(m_files[i]->m_name.c_str(), name) == 0) {
            delete m_files[i];
            m_files.erase(m_files.begin() + i);
            return;
        }
    }
}

void CDataFileManager::Clear()
{
    for (CDataFile* file : m_files)
        delete file;
    m_files.clear();
}

CDataFile* CDataFileManager::FindFile(const char* name) const
{
    if (!name)
        return NULL;
    for (CDataFile* file : m_files)
        if (strcmp(file->m_name.c_str(), name) == 0)
            return file;
    return NULL;
}

int CDataFileManager::MoveFileUp(CDataFile* file)
{
    int count = (int)m_files.size();
    int index = (int)(std::find(m_files.begin(), m_files.end(), file) - m_files.begin());
    if (index < count && count > 2 && index > 1)
        std::swap(m_files[index], m_files[index - 1]);
    return index;
}

int CDataFileManager::MoveFileDown(CDataFile* file)
{
    int count = (int)m_files.size();
    int index = (int)(std::find(m_files.begin(), m_files.end(), file) - m_files.begin());
    if (index < count && count > 2 && index > 0 && index < count - 1)
        std::swap(m_files[index], m_files[index + 1]);
    return index;
}

BOOL CDataFileManager::WriteRecord(const CDataFile* file, CArchiveOutput& stream)
{
    std::string& bytes = stream.Scratch();
    if (!CArchiveRecord::Encode(*file, bytes))
        return FALSE;
    return stream.Write(bytes.data(), bytes.size()) ? TRUE : FALSE;
}

BOOL CDataFileManager::WriteArchive(const char* path)
{
    if (!path || !*path)
        return FALSE;
    // Written beside the archive: a failed write must not destroy the
    // previous project.
    std::string temp = std::string(path) + ".tmp";
    BOOL ok = FALSE;
    try {
        CArchiveOutput out(temp.c_str());
        ok = out.Write(s_magic, sizeof s_magic) ? TRUE : FALSE;
        for (size_t i = 0; ok && i < m_files.size(); ++i)
            ok = WriteRecord(m_files[i], out);
        if (!out.Close())
            ok = FALSE;
    } catch (const std::bad_alloc&) {
        ok = FALSE;
    }
    if (ok && !MoveFileExA(temp.c_str(), path, MOVEFILE_REPLACE_EXISTING))
        ok = FALSE;
    if (!ok)
        DeleteFileA(temp.c_str());
    return ok;
}

int CDataFileManager::ReadOptionsRecord(CGzInput& stream, CDataFile* file)
{
    file->m_kind = CDataFile::KindOptions;
    return ReadArchiveRecord(stream, file);
}

BOOL CDataFileManager::ReadArchive(const char* path)
{
    CGzInput in(path);
    char magic[4] = { 0, 0, 0, 0 };
    in.Read(magic, sizeof magic);
    if (!magic[0] && !magic[1] && !magic[2] && !magic[3]) {
        in.Close();
        ReportMessage(NULL, "The file you are trying to open does not exist!", "Error", MB_OK);
        return FALSE;
    }
    if (memcmp(magic, s_magic, sizeof magic) != 0) {
        in.Close();
        ReportMessage(NULL, "You are trying to open a non-QNDL file!", "Error", MB_OK);
        return FALSE;
    }

    CStr reference;
    // A missing resource would leave the reference name empty, and every page
    // would then be dropped as a stray copy.
    if (!reference.LoadString(kReferencePageId) || reference.IsEmpty())
        reference = kReferencePage;
    CStr stem = reference.Left(reference.GetLength() - 4);

    try {
        for (;;) {
            char tag[3] = { 0, 0, 0 };
            unsigned got = in.Read(tag, sizeof tag);
            // A damaged or cut gzip stream would otherwise pass for a clean end.
            if (got == 0)
                return in.Failed() ? FALSE : TRUE;
            if (got < sizeof tag)
                return FALSE;
            bool options = memcmp(tag, "OPT", 3) == 0;
            if (!options && memcmp(tag, "PGD", 3) != 0)
                return FALSE;

            std::unique_ptr<CDataFile> file(new CDataFile);
            int result = options ? ReadOptionsRecord(in, file.get()) : ReadArchiveRecord(in, file.get());
            if (result == RecordUnreadable)
                return FALSE;
            if (!options && IsStrayPage(file->m_name, reference, stem))
                file.reset();
            else
                m_files.push_back(file.release());
            if (result != RecordComplete)
                return FALSE;
        }
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
}
