#include "actions/records/StringKeys.h"

BOOL SaveStringKeys(CDataFile& file, const char* section, SavedStringKeys keys)
{
    if (!section)
        return FALSE;
    for (const auto& key : keys)
        file.SetString(section, key.first, *key.second);
    return TRUE;
}

BOOL LoadStringKeys(const CDataFile& file, const char* section, LoadedStringKeys keys)
{
    for (const auto& key : keys)
        file.GetString(section, key.first, *key.second);
    return TRUE;
}

void SaveEitherStringKey(CDataFile& file, const char* section, const char* preferredKey,
                         const CStr& preferred, const char* fallbackKey, const CStr& fallback)
{
    if (!preferred.IsEmpty())
        file.SetString(section, preferredKey, preferred);
    else
        file.SetString(section, fallbackKey, fallback);
}
