// CKeyReadLog: the keys asked of one data file, by section, while the log is
// attached to it. The editor attaches one while a page loads, so that each
// object can keep the stored lines its Load did not ask for (the player's
// "cursor", a newer version's settings) and write them back unchanged.
#pragma once

#include "model/common/Str.h"

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class CDataFile;

class CKeyReadLog
{
public:
    // Attached to file until the log goes; a log attached before comes back then.
    explicit CKeyReadLog(const CDataFile& file);
    ~CKeyReadLog();

    void NoteRead(const char* section, const char* key);
    // The stored "key = value" lines of the section that no read asked for.
    std::vector<CStr> UnreadLines(const char* section) const;

private:
    CKeyReadLog(const CKeyReadLog&);
    CKeyReadLog& operator=(const CKeyReadLog&);

    const CDataFile& m_file;
    CKeyReadLog* m_previous;
    // Section name -> the keys asked in it, lowered (keys ignore case).
    std::unordered_map<std::string, std::unordered_set<std::string>> m_read;
};
