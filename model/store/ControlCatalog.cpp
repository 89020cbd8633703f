#include "model/store/ControlCatalog.h"

#include <string.h>
#include <algorithm>
#include <vector>

namespace
{
const DWORD kClassNameChars = 64;    // a braced CLSID and its subkey names fit
const DWORD kServerKeyChars = 256;   // the longest registry key name and its NUL

class CRegKeyHolder
{
public:
    CRegKeyHolder() : m_key(NULL) {}
    ~CRegKeyHolder() { Close(); }
    LONG Open(HKEY parent, const char* name)
    {
        Close();
        LONG result = RegOpenKeyExA(parent, name, 0, KEY_READ, &m_key);
        if (result != ERROR_SUCCESS)
            m_key = NULL;
        return result;
    }
    void Close()
    {
        if (m_key)
            RegCloseKey(m_key);
        m_key = NULL;
    }
    HKEY Get() const { return m_key; }

private:
    CRegKeyHolder(const CRegKeyHolder&);
    CRegKeyHolder& operator=(const CRegKeyHolder&);
    HKEY m_key;
};

// Far beyond any display name, ProgID or server path: a value larger than
// this is not read at all.
const DWORD kMaxDefaultTextBytes = 65536;

enum DefaultText
{
    DefaultTextRead,
    DefaultTextMissing,
    DefaultTextTooLarge
};

// The key's default text value.
// Sized from the value itself: a fixed buffer cuts a long value and can be left unterminated.
DefaultText ReadDefaultText(HKEY key, CStr& text)
{
    for (int attempt = 0; attempt < 3; attempt++)
    {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(key, NULL, NULL, &type, NULL, &size) != ERROR_SUCCESS)
            return DefaultTextMissing;
        if (type != REG_SZ && type != REG_EXPAND_SZ)
            return DefaultTextMissing;
        // Bounded: a buffer as large as the registry claims could fail to
        // allocate and end the walk's thread.
        if (size > kMaxDefaultTextBytes)
            return DefaultTextTooLarge;
        std::vector<char> buffer(size + 1, '\0');
        DWORD got = size;
        LONG result = RegQueryValueExA(key, NULL, NULL, &type, (BYTE*)buffer.data(), &got);
        if (result == ERROR_MORE_DATA)
            continue;    // the value grew in between
        if (result != ERROR_SUCCESS)
            return DefaultTextMissing;
        buffer[got < size ? got : size] = '\0';
        text = buffer.data();
        return DefaultTextRead;
    }
    return DefaultTextMissing;
}

// Calls visit with every subkey name of key that fits in chars characters.
template <class Visit>
void ForEachSubkey(HKEY key, DWORD chars, Visit visit)
{
    std::vector<char> name(chars, '\0');
    for (DWORD index = 0;; index++)
    {
        DWORD size = chars;
        LONG result = RegEnumKeyExA(key, index, name.data(), &size, NULL, NULL, NULL, NULL);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result != ERROR_SUCCESS)
            continue;
        if (!visit((const char*)name.data()))
            break;
    }
}
}

void CControlCatalog::BuildControlCatalog()
{
    AppendRegisteredControls();
    SortByName(CompareControlNames);
}

void CControlCatalog::AppendRegisteredControls(FoundFunction found, void* context, const volatile LONG* stop)
{
    CRegKeyHolder clsidKey;
    if (clsidKey.Open(HKEY_CLASSES_ROOT, "CLSID") != ERROR_SUCCESS)
        return;

    ForEachSubkey(clsidKey.Get(), kClassNameChars, [&](const char* classId) {
        if (stop && *stop)
            return false;
        CRegKeyHolder classKey;
        if (classKey.Open(clsidKey.Get(), classId) != ERROR_SUCCESS)
            return true;
        CStr displayName(classId);
        // A class whose name is too large to read is no entry of the list.
        if (ReadDefaultText(classKey.Get(), displayName) == DefaultTextTooLarge)
            return true;

        // Key names are not case-sensitive: Wine registers its controls with "ProgId".
        bool control = false;
        bool progId = false;
        ForEachSubkey(classKey.Get(), kClassNameChars, [&](const char* subkey) {
            if (_stricmp(subkey, "Control") == 0)
                control = true;
            else if (_stricmp(subkey, "ProgID") == 0)
                progId = true;
            return true;
        });
        if (control && progId)
        {
            m_entries.push_back(CControlCatalogEntry(classId, displayName));
            if (found)
                found(m_entries.back(), (int)m_entries.size(), context);
        }
        return true;
    });
}

void CControlCatalog::SortByName(LessFunction less)
{
    std::sort(m_entries.begin(), m_entries.end(),
              [less](const CControlCatalogEntry& a, const CControlCatalogEntry& b) { return less(a, b) != FALSE; });
}

BOOL CControlCatalog::ReadControlServerInfo(int index)
{
    // Refused: an out-of-range subscript would throw inside the caller's window procedure.
    if (index < 0 || index >= (int)m_entries.size())
        return FALSE;
    CControlCatalogEntry& entry = m_entries[index];

    CStr path("CLSID\\");
    path += entry.GetClassId();
    CRegKeyHolder classKey;
    if (classKey.Open(HKEY_CLASSES_ROOT, path) != ERROR_SUCCESS)
        return FALSE;

    bool hasProgId = false;
    bool hasServer = false;
    ForEachSubkey(classKey.Get(), kServerKeyChars, [&](const char* subkey) {
        if (_stricmp(subkey, "ProgID") == 0)
            hasProgId = true;
        else if (_stricmp(subkey, "InprocServer32") == 0)
            hasServer = true;
        return true;
    });

    // One buffer per value: a shared one gives a missing value the text of the previous read.
    CStr progId;
    CStr serverPath;
    CRegKeyHolder subkey;
    if (hasProgId && subkey.Open(classKey.Get(), "ProgID") == ERROR_SUCCESS)
        ReadDefaultText(subkey.Get(), progId);
    if (hasServer && subkey.Open(classKey.Get(), "InprocServer32") == ERROR_SUCCESS)
        ReadDefaultText(subkey.Get(), serverPath);
    entry.SetProgId(progId);
    entry.SetServerPath(serverPath);
    return TRUE;
}

BOOL CControlCatalog::RemoveEntry(int index)
{
    if (index < 0 || index >= (int)m_entries.size())
        return FALSE;
    m_entries.erase(m_entries.begin() + index);
    return TRUE;
}

const CControlCatalogEntry* CControlCatalog::GetEntry(int index) const
{
    if (index < 0 || index >= (int)m_entries.size())
        return NULL;
    return &m_entries[index];
}
