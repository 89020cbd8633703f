// CObject and its run-time class: the class name, a base-class chain for
// IsKindOf and, for classes declared creatable, CreateObject (the document
// template makes its document, frame and views this way).
#pragma once

#include <windows.h>

class CObject;

struct CRuntimeClass
{
    const char* m_lpszClassName;
    int m_nObjectSize;
    CObject* (*m_pfnCreateObject)();
    const CRuntimeClass* m_pBaseClass;

    // NULL for a class declared without DECLARE_DYNCREATE.
    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* base) const;
    // Looks a creatable or dynamic class up by name among those linked in.
    static const CRuntimeClass* FromName(const char* className);
};

class CObject
{
public:
    virtual ~CObject() {}
    virtual const CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* cls) const;
    const char* GetClassName() const { return GetRuntimeClass()->m_lpszClassName; }

    static const CRuntimeClass classCObject;

protected:
    CObject() {}

private:
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};

#define RUNTIME_CLASS(theClass) (&theClass::class##theClass)

#define DECLARE_DYNAMIC(theClass) \
public: \
    static const CRuntimeClass class##theClass; \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(theClass) \
    DECLARE_DYNAMIC(theClass) \
    static CObject* CreateObject();

// Registers the class by name too, so FromName finds it.
struct AfxClassInit
{
    explicit AfxClassInit(const CRuntimeClass* cls);
};

#define AFX_IMPLEMENT_RUNTIMECLASS(theClass, baseClass, create) \
    const CRuntimeClass theClass::class##theClass = { \
        #theClass, (int)sizeof(theClass), create, RUNTIME_CLASS(baseClass) }; \
    static const AfxClassInit _init_##theClass(RUNTIME_CLASS(theClass)); \
    const CRuntimeClass* theClass::GetRuntimeClass() const { return RUNTIME_CLASS(theClass); }

#define IMPLEMENT_DYNAMIC(theClass, baseClass) \
    AFX_IMPLEMENT_RUNTIMECLASS(theClass, baseClass, NULL)

#define IMPLEMENT_DYNCREATE(theClass, baseClass) \
    CObject* theClass::CreateObject() { return new theClass; } \
    AFX_IMPLEMENT_RUNTIMECLASS(theClass, baseClass, theClass::CreateObject)
