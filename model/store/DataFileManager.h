// CDataFileManager: the project archive. One gzip stream holding the magic
// "QNDL" and one record per data file: tag, name length, name, content byte
// count and the data file's lines.
#pragma once

#include "model/store/DataFile.h"

#include <vector>

class CDataFileManager
{
public:
    CDataFileManager();
    virtual ~CDataFileManager();

    CDataFile* AddFile(const char* name);
    void RemoveFile(const char* name);
    // Removes and deletes that very file (another of the same name stays).
    void RemoveFile(CDataFile* file);
    // Exchanges the places of two files of the archive.
    void SwapFiles(CDataFile* first, CDataFile* second);
    void Clear();
    int MoveFileUp(CDataFile* file);
    int MoveFileDown(CDataFile* file);

    int GetFileCount() const { return (int)m_files.size(); }
    CDataFile* GetFile(int index) const { return m_files[index]; }
    CDataFile* FindFile(const char* name) const;   // exact name, first match
    // Takes ownership of a data file made elsewhere.
    void AppendFile(CDataFile* file) { m_files.push_back(file); }

    BOOL WriteArchive(const char* path);
    BOOL ReadArchive(const char* path);

    static const char s_magic[4];

private:
    CDataFileManager(const CDataFileManager&);
    CDataFileManager& operator=(const CDataFileManager&);

    std::vector<CDataFile*> m_files;
};
