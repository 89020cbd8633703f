#include "browser/ControlFind.h"

#include <string.h>

namespace
{
BOOL Contains(const CStr& field, const CStr& upperText)
{
    CStr upper(field.c_str());
    upper.MakeUpper();
    return strstr(upper.c_str(), upperText.c_str()) != NULL;
}

BOOL MatchesUpper(const CControlCatalogEntry& entry, const CStr& upperText)
{
    return Contains(entry.GetDisplayName(), upperText) || Contains(entry.GetProgId(), upperText) ||
           Contains(entry.GetClassId(), upperText);
}
}

BOOL ControlMatches(const CControlCatalogEntry& entry, const char* text)
{
    CStr upperText(text);
    upperText.MakeUpper();
    return MatchesUpper(entry, upperText);
}

int FindControl(const CControlCatalog& catalog, const char* text, int start)
{
    const int count = catalog.GetCount();
    if (!text || !*text || count == 0)
        return -1;
    if (start < 0 || start >= count)
        start = 0;
    CStr upperText(text);
    upperText.MakeUpper();
    // Every entry once, beginning at start; the wrap stays inside the list.
    for (int step = 0; step < count; step++)
    {
        const int index = (start + step) % count;
        if (MatchesUpper(*catalog.GetEntry(index), upperText))
            return index;
    }
    return -1;
}
