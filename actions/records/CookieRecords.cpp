#include "actions/records/CookieRecords.h"

#include "actions/records/StringKeys.h"

BOOL CGetCookieRecord::Save(CDataFile& file, const char* section) const
{
    if (!section)
        return FALSE;
    file.SetString(section, "URL", url);
    SaveEitherStringKey(file, section, "CookieVar", cookieVar, "CookieName", cookieName);
    file.SetString(section, "DataVar", dataVar);
    return TRUE;
}

BOOL CGetCookieRecord::Load(const CDataFile& file, const char* section)
{
    return LoadStringKeys(file, section, { { "URL", &url }, { "CookieName", &cookieName },
                                           { "CookieVar", &cookieVar }, { "DataVar", &dataVar } });
}

CSetCookieRecord::CSetCookieRecord()
    : days(1)
{
}

BOOL CSetCookieRecord::Save(CDataFile& file, const char* section) const
{
    if (!section)
        return FALSE;
    file.SetString(section, "URL", url);
    file.SetInt(section, "days", days);
    SaveEitherStringKey(file, section, "CookieVar", cookieVar, "Cookie", cookie);
    file.SetString(section, "dataVar", dataVar);
    return TRUE;
}

BOOL CSetCookieRecord::Load(const CDataFile& file, const char* section)
{
    file.GetInt(section, "days", days);
    return LoadStringKeys(file, section, { { "URL", &url }, { "Cookie", &cookie },
                                           { "CookieVar", &cookieVar }, { "dataVar", &dataVar } });
}
