#include "model/IdManager.h"

#include "model/ScriptableObject.h"

#include <string.h>

CIdManager::CIdManager()
{
}

CIdManager::~CIdManager()
{
}

BOOL CIdManager::NameStartsWith(const char* name, const char* prefix)
{
    size_t length = strlen(prefix);
    return strncmp(name, prefix, length) == 0;
}

int CIdManager::CountNamesStartingWith(const char* prefix) const
{
    int count = 0;
    for (const Entry& entry : m_entries) {
        if (NameStartsWith(entry.name, prefix))
            ++count;
    }
    return count;
}

CStr CIdManager::Register(const char* wanted, CElement* object)
{
    if (wanted == NULL || *wanted == '\0')
        return CStr();
    CStr result(wanted);
    int n = CountNamesStartingWith(wanted);
    if (n > 0) {
        for (;;) {
            result.Format("%s%d", wanted, n);
            if (CountNamesStartingWith(result) == 0)
                break;
            ++n;
        }
    }
    Entry entry;
    entry.name = result;
    entry.object = object;
    m_entries.push_back(entry);
    return result;
}

CStr CIdManager::Register(const char* wanted, CScriptableObject* object)
{
    return Register(wanted, static_cast<CElement*>(object));
}

CStr CIdManager::RegisterStored(const char* stored, CElement* object)
{
    if (stored == NULL || *stored == '\0')
        return CStr();
    BOOL recorded = FALSE;
    for (const Entry& entry : m_entries) {
        if (strcmp(entry.name, stored) != 0)
            continue;
        if (entry.object != object)
            return Register(stored, object);
        recorded = TRUE;
    }
    if (recorded)
        return CStr(stored);
    Entry entry;
    entry.name = stored;
    entry.object = object;
    m_entries.push_back(entry);
    return entry.name;
}

void CIdManager::Unregister(const char* name, CElement* object)
{
    if (name == NULL)
        return;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (strcmp(m_entries[i].name, name) == 0) {
            if (m_entries[i].object == object)
                m_entries.erase(m_entries.begin() + i);
            return;
        }
    }
}

void CIdManager::RemoveAll()
{
    m_entries.clear();
}

int CIdManager::GetCount() const
{
    return (int)m_entries.size();
}

const CStr& CIdManager::GetNameAt(int index) const
{
    return m_entries[index].name;
}

CElement* CIdManager::GetObjectAt(int index) const
{
    return m_entries[index].object;
}
