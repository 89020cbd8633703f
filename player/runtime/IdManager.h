// CIdManager (run-time): the (id, object) pairs of the page being shown, in
// the order they were loaded. Ids are kept as stored, never renamed.
#pragma once

#include "model/common/Str.h"

#include <vector>

namespace Tarvex {

class CElement;

class CIdManager
{
public:
    // The process-wide registry.
    static CIdManager& Get();

    // Appends the pair unless id is empty; returns id unchanged.
    CStr Register(const char* id, CElement* element);
    // The first element registered under exactly this id; NULL when none.
    CElement* FindById(const char* id) const;
    void Clear();
    // Forgets the pairs registered after the first count ones.
    void Truncate(int count);
    int GetCount() const { return (int)m_entries.size(); }

private:
    struct Entry
    {
        CStr id;
        CElement* element;
    };
    std::vector<Entry> m_entries;
};

} // namespace Tarvex
