#include "CookieRecords.h"

BOOL CGetCookieRecord::Save(CDataFile& file, const char* section) const
{
    if (!section)
        return FALSE;
    file.SetString(section, "URL", url);
    if (!cookieVar.IsEmpty())
        file.SetString(section, "CookieVar", cookieVar);
    else
        file.SetString(section, "CookieName", cookieName);
    file.SetString(section, "DataVar", dataVar);
    return TRUE;
}

BOOL CGetCookieRecord::Load(const CDataFile& file, const char* section)
{
    file.GetString(section, "URL", url);
    file.GetString(section, "CookieName", cookieName);
    file.GetString(section, "CookieVar", cookieVar);
    file.GetString(section, "DataVar", dataVar);
    return TRUE;
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
    if (!cookieVar.IsEmpty())
        file.SetString(section, "CookieVar", cookieVar);
    else
        file.SetString(section, "Cookie", cookie);
    file.SetString(section, "dataVar", dataVar);
    return TRUE;
}

BOOL CSetCookieRecord::Load(const CDataFile& file, const char* section)
{
    file.GetString(section, "URL", url);
    file.GetInt(section, "days", days);
    file.GetString(section, "Cookie", cookie);
    file.GetString(section, "CookieVar", cookieVar);
    file.GetString(section, "dataVar", dataVar);
    return TRUE;
}
