// The catalogue of ActiveX controls registered on the machine: every class
// under HKEY_CLASSES_ROOT\CLSID with both a "Control" and a "ProgID" subkey
// (names compared exactly), sorted by display name. Its owner builds it once
// and keeps it; list boxes that show it keep entry indices as item data.
#pragma once

#include <windows.h>
#include <vector>
#include "model/store/ControlCatalogEntry.h"

class CControlCatalog
{
public:
    typedef BOOL (*LessFunction)(const CControlCatalogEntry& a, const CControlCatalogEntry& b);
    // Told after each control the walk appends; count is the catalogue's size.
    typedef void (*FoundFunction)(const CControlCatalogEntry& entry, int count, void* context);

    // The walk, then the sort by CompareControlNames. Building twice appends
    // the entries twice.
    void BuildControlCatalog();
    // The walk alone, for a caller that sorts with its own comparison. A
    // nonzero *stop, read before every class key, ends the walk early.
    void AppendRegisteredControls(FoundFunction found = NULL, void* context = NULL,
                                  const volatile LONG* stop = NULL);
    void SortByName(LessFunction less = CompareControlNames);

    // Reads the ProgID and the server path of entry index from its class
    // key; FALSE for an index outside the list or a class key that cannot
    // be opened.
    BOOL ReadControlServerInfo(int index);
    void ClearControlCatalog() { m_entries.clear(); }
    void Append(const CControlCatalogEntry& entry) { m_entries.push_back(entry); }
    // Appends other's entries in their order.
    void AppendCatalog(const CControlCatalog& other)
    {
        m_entries.insert(m_entries.end(), other.m_entries.begin(), other.m_entries.end());
    }
    BOOL RemoveEntry(int index);

    int GetCount() const { return (int)m_entries.size(); }
    // NULL for an index outside the list.
    const CControlCatalogEntry* GetEntry(int index) const;

private:
    std::vector<CControlCatalogEntry> m_entries;
};
