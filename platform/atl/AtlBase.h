// CComModule: the module object of a program built on our window templates.
// It keeps the instance handle that window classes and resources are
// registered and loaded with; a program defines one named _Module.
// Programs that register themselves link the `atlmodule` library for
// UpdateRegistryFromResource (registry scripts of type "REGISTRY").
#pragma once

#include <windows.h>

class CComModule
{
public:
    CComModule() : m_hInst(NULL), dwThreadID(0) {}

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

    // Runs the registry script resource id (type "REGISTRY") of the
    // module: register writes its keys, unregister removes those the
    // script does not mark NoRemove. %MODULE% is the program's path.
    HRESULT UpdateRegistryFromResource(UINT id, BOOL bRegister);
    // The object map is empty: nothing to register, revoke or release.
    HRESULT RegisterServer(BOOL registerTypeLib = FALSE) { (void)registerTypeLib; return S_OK; }
    HRESULT UnregisterServer(BOOL unregisterTypeLib = FALSE) { (void)unregisterTypeLib; return S_OK; }
    HRESULT RegisterClassObjects(DWORD context, DWORD flags) { (void)context; (void)flags; return S_OK; }
    HRESULT RevokeClassObjects() { return S_OK; }

    // A program's "RegServer"/"UnregServer" switch: when the command line
    // holds one, runs the registry script resource scriptId in that mode,
    // registers or unregisters the (empty) object map and answers TRUE:
    // the program then ends without a window.
    BOOL RunRegistrationSwitch(UINT scriptId, const char* commandLine);

    HINSTANCE m_hInst;
    DWORD dwThreadID;  // the thread that started the module

private:
    CComModule(const CComModule&);
    CComModule& operator=(const CComModule&);
};

extern CComModule _Module;

// 1 for "RegServer", -1 for "UnregServer", else 0. At each '-' or '/' the
// whole rest of the command line is compared without regard to case, so a
// switch counts only when nothing follows it.
int FindRegistrationSwitch(const char* commandLine);
