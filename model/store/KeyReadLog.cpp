#include "model/store/KeyReadLog.h"

#include "model/store/DataFile.h"

#include <string.h>

namespace {

void Lower(std::string& text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = (char)(c - 'A' + 'a');
}

bool Holds(const std::vector<std::string>& keys, const std::string& key)
{
    for (const std::string& held : keys)
        if (held == key)
            return true;
    return false;
}

// A getter finds a line by any key it begins with followed by " = ".
bool AnswersTo(const CStr& line, const std::vector<std::string>& keys, std::string& scratch)
{
    if (keys.empty())
        return false;
    const char* text = line.c_str();
    int length = line.GetLength();
    for (int p = 0; p + 3 <= length; ++p) {
        if (text[p] == ' ' && text[p + 1] == '=' && text[p + 2] == ' ') {
            scratch.assign(text, (size_t)p);
            Lower(scratch);
            if (Holds(keys, scratch))
                return true;
        }
    }
    return false;
}

} // namespace

CKeyReadLog::CKeyReadLog(const CDataFile& file) : m_file(file), m_previous(file.GetReadLog()), m_lastKeys(NULL)
{
    file.SetReadLog(this);
}

CKeyReadLog::~CKeyReadLog()
{
    m_file.SetReadLog(m_previous);
}

void CKeyReadLog::NoteRead(const char* section, const char* key)
{
    if (section == NULL || key == NULL)
        return;
    if (m_lastKeys == NULL || strcmp(m_lastSection.c_str(), section) != 0) {
        m_lastSection.assign(section);
        m_lastKeys = &m_read[m_lastSection];
    }
    m_lowered.assign(key);
    Lower(m_lowered);
    if (!Holds(*m_lastKeys, m_lowered)) {
        if (m_lastKeys->empty())
            m_lastKeys->reserve(32);
        m_lastKeys->push_back(m_lowered);
    }
}

std::vector<CStr> CKeyReadLog::UnreadLines(const char* section) const
{
    std::vector<CStr> lines;
    int header = m_file.FindSectionIndex(section);
    if (header < 0)
        return lines;
    static const KeyList none;
    auto found = m_read.find(section ? section : "");
    const KeyList& keys = found != m_read.end() ? found->second : none;
    std::string scratch;
    int count = m_file.GetLineCount();
    for (int i = header + 1; i < count && !m_file.IsSectionHeaderAt(i); ++i) {
        const CStr& line = m_file.GetLine(i);
        // Blank lines and lines without a key are no key of the object's.
        if (line.FindChar('=') > 0 && !AnswersTo(line, keys, scratch))
            lines.push_back(line);
    }
    return lines;
}
