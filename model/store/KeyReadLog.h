// CKeyReadLog: the keys asked of one data file, by section, while the log is
// attached to it. The editor attaches one while a page loads, so that each
// object can keep the stored lines its Load did not ask for (the player's
// "cursor", a newer version's settings) and write them back unchanged.
#pragma once

#include "model/common/Str.h"

#include <string>
#include <unordered_map>
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

    // A Load asks up to some thirty keys of a section: a list searched in
    // place costs less than a set's node for each.
    typedef std::vector<std::string> KeyList;

    const CDataFile& m_file;
    CKeyReadLog* m_previous;
    // Section name -> the keys asked in it, lowered (keys ignore case).
    std::unordered_map<std::string, KeyList> m_read;
    // The section asked last and its keys: a Load asks one section many
    // times in a row. The map's entries stay where they are as it grows.
    std::string m_lastSection;
    KeyList* m_lastKeys;
    std::string m_lowered;   // the key being noted, lowered
};
