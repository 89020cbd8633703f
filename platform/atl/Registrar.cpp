#include "platform/atl/Registrar.h"

void CRegistrar::AddReplacement(const char* name, const char* value)
{
    m_replacements.emplace_back(name, value);
}

HRESULT CRegistrar::StringRegister(const char* script, BOOL bRegister)
{
    (void)script;
    (void)bRegister;
    return E_NOTIMPL;
}

HRESULT CRegistrar::ResourceRegister(HINSTANCE module, UINT id, BOOL bRegister)
{
    (void)module;
    (void)id;
    (void)bRegister;
    return E_NOTIMPL;
}
