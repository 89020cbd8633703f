// One registered control of the catalogue. ProgID and server path stay
// empty until the entry is chosen and its server details are read.
#pragma once

#include <windows.h>
#include "model/common/Str.h"

class CControlCatalogEntry
{
public:
    CControlCatalogEntry();
    CControlCatalogEntry(const char* classId, const char* displayName);

    CStr GetClassId() const { return m_classId; }
    CStr GetDisplayName() const { return m_displayName; }
    CStr GetProgId() const { return m_progId; }
    CStr GetServerPath() const { return m_serverPath; }

    void SetClassId(const char* classId) { m_classId = classId; }
    void SetDisplayName(const char* displayName) { m_displayName = displayName; }
    void SetProgId(const char* progId) { m_progId = progId; }
    void SetServerPath(const char* serverPath) { m_serverPath = serverPath; }

private:
    CStr m_classId;      // registry text form, braces included
    CStr m_displayName;
    CStr m_progId;
    CStr m_serverPath;
};

// TRUE when a's display name sorts before b's, ignoring case.
BOOL CompareControlNames(const CControlCatalogEntry& a, const CControlCatalogEntry& b);
