#include "player/MultiFilePqz.h"

#include "player/PlayerDataFile.h"

#include <string.h>

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
    gzFile stream = gzopen(path, "rb");
    if (!stream)
        return FALSE;
    BOOL result = FALSE;
    if (ReadArchiveMagic(stream))
    {
        for (;;)
        {
            char tag[3] = { 0, 0, 0 };
            int read = gzread(stream, tag, 3);
            if (read == 0)
            {
                result = TRUE;
                break;
            }
            if (read != 3 || memcmp(tag, "PGD", 3) != 0)
                break;
            CDataFile* file = new CDataFile;
            if (!ReadMember(stream, file))
            {
                // The stream ended inside the record's name or count.
                delete file;
                break;
            }
            m_files.push_back(file);
        }
    }
    gzclose(stream);
    return result;
}

BOOL CMultiFilePqz::ReadMember(gzFile stream, CDataFile* file)
{
    return ReadArchiveMember(stream, file);
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
