#include "model/store/ControlCatalogEntry.h"

#include <string.h>

CControlCatalogEntry::CControlCatalogEntry()
{
}

CControlCatalogEntry::CControlCatalogEntry(const char* classId, const char* displayName)
    : m_classId(classId), m_displayName(displayName)
{
}

BOOL CompareControlNames(const CControlCatalogEntry& a, const CControlCatalogEntry& b)
{
    return _stricmp(a.GetDisplayName(), b.GetDisplayName()) < 0;
}
