#include "platform/atl/AtlBase.h"
#include "platform/atl/Registrar.h"

#include <ole2.h>

#include <string>

// atl.dll's registrar, as documented. Declared outside an unnamed
// namespace: there the compiler may assume no class implements it.
struct IRegistrarApi : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE AddReplacement(LPCOLESTR key, LPCOLESTR item) = 0;
    virtual HRESULT STDMETHODCALLTYPE ClearReplacements() = 0;
    virtual HRESULT STDMETHODCALLTYPE ResourceRegisterSz(LPCOLESTR file, LPCOLESTR id, LPCOLESTR type) = 0;
    virtual HRESULT STDMETHODCALLTYPE ResourceUnregisterSz(LPCOLESTR file, LPCOLESTR id, LPCOLESTR type) = 0;
    virtual HRESULT STDMETHODCALLTYPE FileRegister(LPCOLESTR file) = 0;
    virtual HRESULT STDMETHODCALLTYPE FileUnregister(LPCOLESTR file) = 0;
    virtual HRESULT STDMETHODCALLTYPE StringRegister(LPCOLESTR data) = 0;
    virtual HRESULT STDMETHODCALLTYPE StringUnregister(LPCOLESTR data) = 0;
    virtual HRESULT STDMETHODCALLTYPE ResourceRegister(LPCOLESTR file, UINT id, LPCOLESTR type) = 0;
    virtual HRESULT STDMETHODCALLTYPE ResourceUnregister(LPCOLESTR file, UINT id, LPCOLESTR type) = 0;
};

namespace
{
// The registrar's class and interface ids.
const CLSID kClsidRegistrar = { 0x44EC053A, 0x400F, 0x11D0, { 0x9D, 0xCD, 0x00, 0xA0, 0xC9, 0x03, 0x91, 0xD3 } };
const IID kIidRegistrar = { 0x44EC053B, 0x400F, 0x11D0, { 0x9D, 0xCD, 0x00, 0xA0, 0xC9, 0x03, 0x91, 0xD3 } };

std::wstring Wide(const std::string& text)
{
    int length = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, NULL, 0);
    std::wstring wide(length > 0 ? length : 1, L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], length);
    wide.resize(wcslen(wide.c_str()));
    return wide;
}

std::string ModulePath(HINSTANCE module)
{
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(module, path, sizeof(path));
    return path;
}

// The system's registrar runs the script when COM gives it; FALSE when
// there is none (COM not started, no registrar in this Windows).
BOOL SystemRegistrar(HINSTANCE module, UINT id, BOOL bRegister, HRESULT& result)
{
    IRegistrarApi* registrar = NULL;
    if (FAILED(::CoCreateInstance(kClsidRegistrar, NULL, CLSCTX_INPROC_SERVER, kIidRegistrar, (void**)&registrar)))
        return FALSE;
    std::wstring path = Wide(ModulePath(module));
    registrar->AddReplacement(L"MODULE", path.c_str());
    result = bRegister ? registrar->ResourceRegister(path.c_str(), id, L"REGISTRY")
                       : registrar->ResourceUnregister(path.c_str(), id, L"REGISTRY");
    registrar->Release();
    return TRUE;
}
}

HRESULT CComModule::UpdateRegistryFromResource(UINT id, BOOL bRegister)
{
    HRESULT result = E_FAIL;
    if (SystemRegistrar(m_hInst, id, bRegister, result))
        return result;
    CRegistrar registrar;
    registrar.AddReplacement("MODULE", ModulePath(m_hInst).c_str());
    return registrar.ResourceRegister(m_hInst, id, bRegister);
}

int FindRegistrationSwitch(const char* commandLine)
{
    for (const char* p = commandLine ? commandLine : ""; *p != '\0'; ++p)
    {
        if (*p != '-' && *p != '/')
            continue;
        if (lstrcmpiA(p + 1, "UnregServer") == 0)
            return -1;
        if (lstrcmpiA(p + 1, "RegServer") == 0)
            return 1;
    }
    return 0;
}

BOOL CComModule::RunRegistrationSwitch(UINT scriptId, const char* commandLine)
{
    const int registration = FindRegistrationSwitch(commandLine);
    if (registration == 0)
        return FALSE;
    UpdateRegistryFromResource(scriptId, registration > 0);
    if (registration > 0)
        RegisterServer(FALSE);
    else
        UnregisterServer(FALSE);
    return TRUE;
}
