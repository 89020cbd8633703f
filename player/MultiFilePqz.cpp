#include "player/MultiFilePqz.h"

#include "player/PlayerDataFile.h"

#include <memory>
#include <new>

CMultiFilePqz::CMultiFilePqz()
{
}

CMultiFilePqz::~CMultiFilePqz()
{
    for (CDataFile* file : m_files)
        delete file;
}

BOOL CMultiFilePqz::Load(const char* path)
{
    try
    {
        CArchiveReader reader(path);
        if (!reader.IsOpen() || reader.ReadMagic() != ArchiveMagicFound)
            return FALSE;
        for (;;)
        {
            // The player has always taken a stream that ends, cleanly or not,
            // as the end of the archive.
            ArchiveTag tag = reader.ReadTag();
            if (tag == ArchiveTagEnd || tag == ArchiveTagDamaged)
                return TRUE;
            // Any other record, options included, ends the read.
            if (tag != ArchiveTagPage)
                return FALSE;
            std::unique_ptr<CDataFile> file(new CDataFile);
            // The stream ended inside the record's name or count, or they are
            // beyond what the format holds.
            if (!ReadMember(reader, file.get()))
                return FALSE;
            m_files.push_back(file.release());
        }
    }
    catch (const std::bad_alloc&)
    {
        return FALSE;
    }
}

BOOL CMultiFilePqz::ReadMember(CArchiveReader& reader, CDataFile* file)
{
    return ReadArchiveMember(reader, file);
}

CDataFile* CMultiFilePqz::Find(const char* name) const
{
    if (!name || !*name)
        return NULL;
    for (CDataFile* file : m_files)
    {
        if (lstrcmpiA(file->m_name, name) == 0)
            return file;
    }
    return NULL;
}

int CMultiFilePqz::IndexOf(const CDataFile* file) const
{
    for (size_t i = 0; i < m_files.size(); ++i)
    {
        if (m_files[i] == file)
            return (int)i;
    }
    return -1;
}

CDataFile* CMultiFilePqz::Next(const CDataFile* file) const
{
    int index = IndexOf(file);
    if (m_files.size() < 2 || index < 0)
        return NULL;
    return m_files[(index + 1) % m_files.size()];
}

CDataFile* CMultiFilePqz::Previous(const CDataFile* file) const
{
    int index = IndexOf(file);
    if (m_files.size() < 2 || index < 0)
        return NULL;
    return m_files[index == 0 ? m_files.size() - 1 : index - 1];
}

CDataFile* CMultiFilePqz::Add(CDataFile* file)
{
    if (file)
        m_files.push_back(file);
    return m_files.empty() ? NULL : m_files.back();
}
