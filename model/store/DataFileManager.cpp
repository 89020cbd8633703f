// The project archive: the data files of a project in one gzip stream.
#include "model/store/DataFileManager.h"
#include "model/common/MessageReporter.h"
#include "model/store/ArchiveRecords.h"

#include <string.h>

#include <algorithm>
#include <memory>
#include <new>
#include <string>

const char CDataFileManager::s_magic[4] = { 'Q', 'N', 'D', 'L' };

namespace {

const UINT kReferencePageId = 61315;
const char kReferencePage[] = "tarvex.pgd";

} // namespace

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

void CDataFileManager::RemoveFile(CDataFile* file)
{
    auto found = std::find(m_files.begin(), m_files.end(), file);
    if (found == m_files.end())
        return;
    m_files.erase(found);
    delete file;
}

void CDataFileManager::SwapFiles(CDataFile* first, CDataFile* second)
{
    auto a = std::find(m_files.begin(), m_files.end(), first);
    auto b = std::find(m_files.begin(), m_files.end(), second);
    if (a != m_files.end() && b != m_files.end())
        std::iter_swap(a, b);
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

BOOL CDataFileManager::WriteArchive(const char* path)
{
    if (!path || !*path)
        return FALSE;
    // Written beside the archive: a failed write must not destroy the
    // previous project.
    std::string temp = std::string(path) + ".tmp";
    BOOL ok = FALSE;
    try {
        CArchiveWriter out(temp.c_str());
        ok = out.WriteMagic() ? TRUE : FALSE;
        for (size_t i = 0; ok && i < m_files.size(); ++i)
            ok = out.WriteRecord(*m_files[i]) ? TRUE : FALSE;
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

BOOL CDataFileManager::ReadArchive(const char* path)
{
    CArchiveReader in(path);
    ArchiveMagic magic = in.ReadMagic();
    if (magic == ArchiveMagicNothing) {
        in.Close();
        ReportMessage(NULL, "The file you are trying to open does not exist!", "Error", MB_OK);
        return FALSE;
    }
    if (magic == ArchiveMagicForeign) {
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
            ArchiveTag tag = in.ReadTag();
            if (tag == ArchiveTagEnd)
                return TRUE;
            if (tag != ArchiveTagPage && tag != ArchiveTagOptions)
                return FALSE;
            bool options = tag == ArchiveTagOptions;

            std::unique_ptr<CDataFile> file(new CDataFile);
            if (options)
                file->m_kind = CDataFile::KindOptions;
            DWORD count = 0;
            ArchiveHeader header = in.ReadHeader(file->m_name, count);
            if (header == ArchiveHeaderNameUnreadable || header == ArchiveHeaderCountRefused)
                return FALSE;
            // The stream ended in the count or the content: what was read is kept.
            bool complete = header == ArchiveHeaderRead && (count == 0 || in.ReadContent(count, *file));
            if (!options && IsStrayPage(file->m_name, reference, stem))
                file.reset();
            else
                m_files.push_back(file.release());
            if (!complete)
                return FALSE;
        }
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
}
