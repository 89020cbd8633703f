// CIdManager: the registry that keeps object ids unique in a document.
#pragma once

#include "model/common/Str.h"

#include <vector>

class CElement;
class CScriptableObject;

class CIdManager
{
public:
    CIdManager();
    virtual ~CIdManager();

    // The wanted name, or the wanted name followed by a number when a
    // registered name begins with it; the answer is recorded for object.
    // An empty wanted name gives "" and records nothing.
    CStr Register(const char* wanted, CElement* object);
    CStr Register(const char* wanted, CScriptableObject* object);
    // A stored id of an object loaded with its page: kept unless an entry of
    // another object bears exactly that name, else Register's answer. An id
    // that only begins with a registered one keeps its name, so the actions
    // that name it still find it. Recorded once for object.
    CStr RegisterStored(const char* stored, CElement* object);

    // Removes the first entry of that name (case-sensitive) when it belongs
    // to object; otherwise nothing changes.
    void Unregister(const char* name, CElement* object);

    void RemoveAll();
    int GetCount() const;
    const CStr& GetNameAt(int index) const;
    CElement* GetObjectAt(int index) const;

    // TRUE when name begins with prefix (case-sensitive).
    static BOOL NameStartsWith(const char* name, const char* prefix);

private:
    int CountNamesStartingWith(const char* prefix) const;

    struct Entry
    {
        CStr name;
        CElement* object;
    };
    std::vector<Entry> m_entries;
};
