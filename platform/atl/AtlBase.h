// CComModule: the module object of a program built on our window templates.
// It keeps the instance handle that window classes and resources are
// registered and loaded with; a program defines one named _Module.
#pragma once

#include <windows.h>

class CComModule
{
public:
    CComModule() : m_hInst(NULL) {}

    // No object map: our programs serve no COM classes of their own.
    HRESULT Init(void* objectMap, HINSTANCE instance)
    {
        (void)objectMap;
        m_hInst = instance;
        return S_OK;
    }
    void Term() { m_hInst = NULL; }

    HINSTANCE GetModuleInstance() const { return m_hInst; }
    HINSTANCE GetResourceInstance() const { return m_hInst; }

    HINSTANCE m_hInst;

private:
    CComModule(const CComModule&);
    CComModule& operator=(const CComModule&);
};

extern CComModule _Module;
