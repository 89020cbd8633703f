// CFileFind: a walk over FindFirstFile/FindNextFile that always has the next
// entry fetched ahead, so FindNextFile can say whether the one it just made
// current is the last.
#pragma once

#include <windows.h>
#include "model/common/Str.h"

class CFileFind
{
public:
    CFileFind();
    ~CFileFind();

    // Starts a walk; FALSE when nothing matches. FindNextFile must run once
    // before the first entry can be read.
    BOOL FindFile(const char* name = NULL, DWORD unused = 0);
    // Makes the next entry current; FALSE when it is the last one.
    BOOL FindNextFile();
    void Close();

    CStr GetFileName() const;
    CStr GetFilePath() const;
    CStr GetFileTitle() const;
    CStr GetRoot() const { return m_root; }
    ULONGLONG GetLength() const;
    BOOL GetLastWriteTime(FILETIME* time) const;

    BOOL MatchesMask(DWORD mask) const;
    BOOL IsDots() const;
    BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
    BOOL IsReadOnly() const { return MatchesMask(FILE_ATTRIBUTE_READONLY); }
    BOOL IsHidden() const { return MatchesMask(FILE_ATTRIBUTE_HIDDEN); }
    BOOL IsSystem() const { return MatchesMask(FILE_ATTRIBUTE_SYSTEM); }
    BOOL IsArchived() const { return MatchesMask(FILE_ATTRIBUTE_ARCHIVE); }

private:
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    HANDLE m_hFind;
    bool m_hasNext;          // m_next holds an entry not yet made current
    bool m_hasFound;         // m_found is a valid current entry
    WIN32_FIND_DATAA m_next;
    WIN32_FIND_DATAA m_found;
    CStr m_root;             // folder of the pattern, ending with '\' unless empty
};
