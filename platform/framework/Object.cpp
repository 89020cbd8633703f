#include "platform/framework/Object.h"

#include <string.h>

const CRuntimeClass CObject::classCObject = { "CObject", (int)sizeof(CObject), NULL, NULL };

const CRuntimeClass* CObject::GetRuntimeClass() const
{
    return &classCObject;
}

BOOL CObject::IsKindOf(const CRuntimeClass* cls) const
{
    return GetRuntimeClass()->IsDerivedFrom(cls);
}

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject ? m_pfnCreateObject() : NULL;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const
{
    for (const CRuntimeClass* cls = this; cls; cls = cls->m_pBaseClass)
        if (cls == base)
            return TRUE;
    return FALSE;
}

namespace
{
// Filled by static initialisers before main; read only afterwards.
struct ClassLink
{
    const CRuntimeClass* cls;
    ClassLink* next;
};
ClassLink*& FirstClass()
{
    static ClassLink* first = NULL;
    return first;
}
}

AfxClassInit::AfxClassInit(const CRuntimeClass* cls)
{
    FirstClass() = new ClassLink{ cls, FirstClass() };
}

const CRuntimeClass* CRuntimeClass::FromName(const char* className)
{
    for (ClassLink* link = FirstClass(); link; link = link->next)
        if (strcmp(link->cls->m_lpszClassName, className) == 0)
            return link->cls;
    return NULL;
}
