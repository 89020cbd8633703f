#include "player/runtime/IdManager.h"

#include <string.h>

namespace Tarvex {

CIdManager& CIdManager::Get()
{
    static CIdManager instance;
    return instance;
}

CStr CIdManager::Register(const char* id, CElement* element)
{
    if (id && *id)
        m_entries.push_back({ CStr(id), element });
    return CStr(id ? id : "");
}

CElement* CIdManager::FindById(const char* id) const
{
    if (!id)
        return NULL;
    int length = (int)strlen(id);
    for (const Entry& entry : m_entries)
    {
        if (entry.id.GetLength() == length && memcmp(entry.id.c_str(), id, length) == 0)
            return entry.element;
    }
    return NULL;
}

void CIdManager::Truncate(int count)
{
    if (count >= 0 && count < (int)m_entries.size())
        m_entries.resize(count);
}

void CIdManager::Clear()
{
    m_entries.clear();
}

} // namespace Tarvex
