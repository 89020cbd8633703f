// Temporary wrappers for handles the framework did not make (FromHandle):
// one per handle and class on each thread, dropped at idle time without
// touching the handle.
#pragma once

#include "platform/framework/Object.h"

#include <map>
#include <utility>

struct AfxTempEntry
{
    CObject* object;
    void (*drop)(CObject* object);
};

std::map<std::pair<const void*, const void*>, AfxTempEntry>& AfxTempMap();

// T has a public handle member reached by AfxHandleOf(T*).
template <class T, class H>
T* AfxTempObject(H handle)
{
    static const char tag = 0;
    if (handle == NULL)
        return NULL;
    auto& map = AfxTempMap();
    auto key = std::make_pair(static_cast<const void*>(&tag), static_cast<const void*>(handle));
    auto found = map.find(key);
    if (found != map.end())
        return static_cast<T*>(found->second.object);
    T* object = new T;
    AfxHandleOf(object) = handle;
    map[key] = AfxTempEntry{ object, [](CObject* o) {
        T* t = static_cast<T*>(o);
        AfxHandleOf(t) = NULL;
        delete t;
    } };
    return object;
}
