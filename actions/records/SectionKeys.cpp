#include "actions/records/SectionKeys.h"

BOOL ReadSectionKeys(const CDataFile& file, const char* section, SectionKeyList& keys)
{
    keys.clear();
    int header = file.FindSectionIndex(section);
    if (header < 0)
        return FALSE;
    for (int i = header + 1; i < file.GetLineCount() && !file.IsSectionHeaderAt(i); i++)
    {
        const CStr& line = file.GetLine(i);
        int at = line.Find(" = ");
        if (at < 0)
            continue;
        keys.push_back(std::make_pair(line.Left(at), line.Mid(at + 3, line.GetLength() - at - 3)));
    }
    return TRUE;
}

void WriteSectionKeys(CDataFile& file, const char* section, const SectionKeyList& keys)
{
    file.GetOrAddSection(section);
    // Each new key goes directly under the header, so the last one first.
    for (size_t i = keys.size(); i-- > 0;)
        file.SetString(section, keys[i].first, keys[i].second);
}
