// Read a Cookie and Write a Cookie at run time, through the system's
// Internet cookie store.
#pragma once

#include "actions/records/CookieRecords.h"
#include "player/runtime/ScriptItem.h"

#include <time.h>

namespace Tarvex {

// "GetCookie".
class CGetCookie : public CScriptItem
{
public:
    CGetCookie(const char* typeName, const char* section, CElement* parent);

    // An action without "DataVar" reads no base keys.
    BOOL Load(const CDataFile& file) override;

    // The cookie text of "URL", or the value of one cookie of it (the
    // number 0 when it has none of that name), converted to the type of
    // "DataVar"'s variable; nothing when that variable is missing.
    int Execute() override;

protected:
    void LoadAction(const CDataFile& file, const char* section) override;

private:
    CGetCookieRecord m_record;
};

// "SetCookie".
class CSetCookie : public CScriptItem
{
public:
    CSetCookie(const char* typeName, const char* section, CElement* parent);

    // The data with an expiry "days" from now, under the cookie's name;
    // nothing for empty data.
    int Execute() override;

protected:
    // The record's keys and the literal value "data".
    void LoadAction(const CDataFile& file, const char* section) override;

private:
    CSetCookieRecord m_record;
    CStr m_data;
};

// The value of the cookie called name in a cookie text ("a=1; b=2"), up to
// its ';'; FALSE when no cookie of the text has that name.
BOOL FindCookieValue(const char* cookies, const char* name, CStr& value);
// data with ';' at its end and the expiry clause for now + days.
CStr BuildCookieText(const char* data, time_t now, int days);

} // namespace Tarvex
