#include "platform/atl/AtlBase.h"
#include "platform/atl/Registrar.h"

HRESULT CComModule::UpdateRegistryFromResource(UINT id, BOOL bRegister)
{
    CRegistrar registrar;
    return registrar.ResourceRegister(m_hInst, id, bRegister);
}
