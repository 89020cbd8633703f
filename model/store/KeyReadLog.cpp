#include "model/store/KeyReadLog.h"

#include "model/store/DataFile.h"

#include <string.h>

namespace {

std::string Lowered(const char* text, int length)
{
    std::string lowered(text, (size_t)length);
    for (char& c : lowered)
        if (c >= 'A' && c <= 'Z')
            c = (char)(c - 'A' + 'a');
    return lowered;
}

// A getter finds a line by any key it begins with followed by " = ".
bool AnswersTo(const CStr& line, const std::unordered_set<std::string>& keys)
{
    const char* text = line.c_str();
    int length = line.GetLength();
    for (int p = 0; p + 3 <= length; ++p)
        if (text[p] == ' ' && text[p + 1] == '=' && text[p + 2] == ' ' && keys.count(Lowered(text, p)))
            return true;
    return false;
}

} // namespace

CKeyReadLog::CKeyReadLog(const CDataFile& file) : m_file(file), m_previous(file.GetReadLog())
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
    m_read[section].insert(Lowered(key, (int)strlen(key)));
}

std::vector<CStr> CKeyReadLog::UnreadLines(const char* section) const
{
    std::vector<CStr> lines;
    int header = m_file.FindSectionIndex(section);
    if (header < 0)
        return lines;
    static const std::unordered_set<std::string> none;
    auto found = m_read.find(section ? section : "");
    const std::unordered_set<std::string>& keys = found != m_read.end() ? found->second : none;
    for (int i = header + 1; i < m_file.GetLineCount() && !m_file.IsSectionHeaderAt(i); ++i) {
        const CStr& line = m_file.GetLine(i);
        // Blank lines and lines without a key are no key of the object's.
        if (line.FindChar('=') > 0 && !AnswersTo(line, keys))
            lines.push_back(line);
    }
    return lines;
}
