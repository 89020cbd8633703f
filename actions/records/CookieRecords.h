// Stored forms of Read a Cookie and Write a Cookie. The two spell their keys
// differently ("DataVar"/"dataVar", "CookieName"/"Cookie"); files depend on it.
#pragma once

#include "model/store/DataFile.h"

struct CGetCookieRecord
{
    CStr url;
    CStr cookieName;    // typed name
    CStr cookieVar;     // variable holding the name; wins over cookieName
    CStr dataVar;       // receives the cookie's data

    BOOL Save(CDataFile& file, const char* section) const;
    BOOL Load(const CDataFile& file, const char* section);
};

struct CSetCookieRecord
{
    CStr url;
    CStr cookie;        // typed name
    CStr cookieVar;     // variable holding the name; wins over cookie
    CStr dataVar;       // the variable whose value is written
    int days;           // until the cookie expires

    CSetCookieRecord();
    BOOL Save(CDataFile& file, const char* section) const;
    BOOL Load(const CDataFile& file, const char* section);
};
