// CMultiFilePqz: every page data file the player has read from project
// archives, in the order read. Members are only ever appended.
#pragma once

#include "model/store/ArchiveRecords.h"
#include "model/store/DataFile.h"

#include <vector>

class CMultiFilePqz
{
public:
    CMultiFilePqz();
    ~CMultiFilePqz();

    // Appends every page record of the archive; FALSE for a missing file, a
    // wrong magic, a record that is not a page, or a record whose name or byte
    // count is beyond what the format holds (the pages before it stay).
    BOOL Load(const char* path);
    BOOL ReadMember(CArchiveReader& reader, CDataFile* file);

    // First member whose name matches, ignoring case; NULL for an empty name.
    CDataFile* Find(const char* name) const;
    // Neighbours with wrap-around; NULL with fewer than two members or for a
    // file that is not a member.
    CDataFile* Next(const CDataFile* file) const;
    CDataFile* Previous(const CDataFile* file) const;
    // Takes ownership of a non-null file; returns the last member.
    CDataFile* Add(CDataFile* file);

    int GetCount() const { return (int)m_files.size(); }
    CDataFile* GetAt(int index) const { return m_files[index]; }

private:
    CMultiFilePqz(const CMultiFilePqz&);
    CMultiFilePqz& operator=(const CMultiFilePqz&);

    int IndexOf(const CDataFile* file) const;

    std::vector<CDataFile*> m_files;
};
