#include "player/runtime/CookieActions.h"

#include "player/runtime/VariableScopes.h"

#include <wininet.h>

#include <string.h>
#include <vector>

namespace Tarvex {

namespace {

// The text of the variable called name when it exists, else fallback.
CStr VariableTextOr(const char* name, const CStr& fallback)
{
    CVariable* variable = (name && *name) ? LookupVariable(name) : NULL;
    return variable ? VariantText(variable->value) : fallback;
}

} // namespace

BOOL FindCookieValue(const char* cookies, const char* name, CStr& value)
{
    const size_t length = strlen(name);
    const char* cookie = cookies;
    while (cookie && *cookie)
    {
        while (*cookie == ' ' || *cookie == '\t')
            ++cookie;
        // Only a whole name counts: "id" must not be found inside "uid=7".
        if (length > 0 && strncmp(cookie, name, length) == 0 && cookie[length] == '=')
        {
            const char* start = cookie + length + 1;
            const char* end = strchr(start, ';');
            value = CStr();
            value.AppendBytes(start, end ? (int)(end - start) : (int)strlen(start));
            return TRUE;
        }
        cookie = strchr(cookie, ';');
        if (cookie)
            ++cookie;
    }
    return FALSE;
}

CStr BuildCookieText(const char* data, time_t now, int days)
{
    CStr text(data);
    if (text.IsEmpty() || text[text.GetLength() - 1] != ';')
        text += ';';
    time_t expiry = now + (time_t)days * 86400;
    struct tm* utc = gmtime(&expiry);
    char clause[128] = "";
    if (utc)
        strftime(clause, sizeof(clause), " expires = %a, %d-%b-%Y %H:%M:00 GMT", utc);
    text += clause;
    return text;
}

// ---------------------------------------------------------------------------
// CGetCookie

CGetCookie::CGetCookie(const char* typeName, const char* section, CElement* parent)
    : CScriptItem(typeName, section, parent)
{
}

BOOL CGetCookie::Load(const CDataFile& file)
{
    LoadAction(file, m_sectionName);
    if (m_record.dataVar.IsEmpty())
        return TRUE;
    return CElement::Load(file);
}

void CGetCookie::LoadAction(const CDataFile& file, const char* section)
{
    m_record.Load(file, section);
}

int CGetCookie::Execute()
{
    CStr name = VariableTextOr(m_record.cookieVar, m_record.cookieName);
    CVariable* data = LookupVariable(m_record.dataVar);
    if (!data)
        return ResultGoOn;

    std::vector<char> buffer(1024, '\0');
    DWORD size = (DWORD)buffer.size();
    BOOL found = InternetGetCookieA(m_record.url, NULL, &buffer[0], &size);
    // The store tells how much a longer cookie text needs; ask once more
    // with that much rather than cut it.
    if (!found && GetLastError() == ERROR_INSUFFICIENT_BUFFER && size > buffer.size())
    {
        buffer.assign(size + 1, '\0');
        size = (DWORD)buffer.size();
        found = InternetGetCookieA(m_record.url, NULL, &buffer[0], &size);
    }
    buffer.back() = '\0';
    CStr cookies = found ? &buffer[0] : "";

    VARIANT value;
    VariantInit(&value);
    CStr text;
    if (name.IsEmpty())
        SetVariantText(value, cookies);
    else if (FindCookieValue(cookies, name, text))
        SetVariantText(value, text);
    else
    {
        value.vt = VT_I4;
        value.lVal = 0;
    }
    VARIANT converted;
    VariantInit(&converted);
    if (SUCCEEDED(ChangeVariantType(converted, value, data->value.vt)))
        CopyVariantInto(data->value, converted);
    VariantClear(&converted);
    VariantClear(&value);
    return ResultGoOn;
}

// ---------------------------------------------------------------------------
// CSetCookie

CSetCookie::CSetCookie(const char* typeName, const char* section, CElement* parent)
    : CScriptItem(typeName, section, parent)
{
}

void CSetCookie::LoadAction(const CDataFile& file, const char* section)
{
    m_record.Load(file, section);
    file.GetString(section, "data", m_data);
}

int CSetCookie::Execute()
{
    CStr name = VariableTextOr(m_record.cookieVar, m_record.cookie);
    CStr data = VariableTextOr(m_record.dataVar, m_data);
    if (data.IsEmpty())
        return ResultGoOn;
    CStr text = BuildCookieText(data, time(NULL), m_record.days);
    InternetSetCookieA(m_record.url, name.IsEmpty() ? NULL : name.c_str(), text);
    return ResultGoOn;
}

} // namespace Tarvex
