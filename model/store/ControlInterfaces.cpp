#include "model/store/ControlInterfaces.h"

#include <ocidl.h>
#include "model/store/TypeAttrHolder.h"

namespace
{
const int kImplTypeMask = IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE | IMPLTYPEFLAG_FRESTRICTED;

HRESULT ReadImplementedInterface(ITypeInfo* coclass, UINT index, CDispatchInterfaceInfo* members)
{
    HREFTYPE ref = 0;
    HRESULT hr = coclass->GetRefTypeOfImplType(index, &ref);
    if (FAILED(hr))
        return hr;
    ITypeInfo* info = NULL;
    hr = coclass->GetRefTypeInfo(ref, &info);
    if (FAILED(hr))
        return hr;
    hr = members->ReadTypeInfo(info);
    info->Release();
    return hr;
}
}

HRESULT ReadCoclassInterfaces(ITypeInfo* coclass, CDispatchInterfaceInfo* defaultMembers,
                              CDispatchInterfaceInfo* sourceMembers, BOOL unreadableSourceSkipped)
{
    if (defaultMembers)
        defaultMembers->Clear();
    if (sourceMembers)
        sourceMembers->Clear();
    if (!coclass)
        return E_POINTER;

    CTypeAttrHolder attr(coclass);
    HRESULT hr = attr.Fill();
    if (FAILED(hr))
        return hr;

    bool defaultFound = false;
    bool sourceFound = false;
    for (UINT i = 0; i < attr->cImplTypes; i++)
    {
        if ((!defaultMembers || defaultFound) && (!sourceMembers || sourceFound))
            break;
        INT flags = 0;
        if (FAILED(coclass->GetImplTypeFlags(i, &flags)))
            continue;
        flags &= kImplTypeMask;
        if (flags == (IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE) && sourceMembers && !sourceFound)
        {
            hr = ReadImplementedInterface(coclass, i, sourceMembers);
            if (FAILED(hr) && !unreadableSourceSkipped)
                return hr;
            if (FAILED(hr))
                sourceMembers->Clear();
            sourceFound = true;
        }
        else if (flags == IMPLTYPEFLAG_FDEFAULT && defaultMembers && !defaultFound)
        {
            hr = ReadImplementedInterface(coclass, i, defaultMembers);
            if (FAILED(hr))
                return hr;
            defaultFound = true;
        }
    }
    if (defaultMembers && !defaultFound)
        return E_FAIL;
    return S_OK;
}

HRESULT ReadControlInterfaces(IUnknown* control, CDispatchInterfaceInfo* defaultMembers,
                              CDispatchInterfaceInfo* sourceMembers, BOOL unreadableSourceSkipped)
{
    if (defaultMembers)
        defaultMembers->Clear();
    if (sourceMembers)
        sourceMembers->Clear();
    if (!control)
        return E_POINTER;

    IProvideClassInfo* provider = NULL;
    if (FAILED(control->QueryInterface(IID_IProvideClassInfo, (void**)&provider)) || !provider)
        return S_FALSE;
    ITypeInfo* coclass = NULL;
    HRESULT hr = provider->GetClassInfo(&coclass);
    provider->Release();
    if (FAILED(hr))
        return hr;
    if (!coclass)
        return E_POINTER;
    hr = ReadCoclassInterfaces(coclass, defaultMembers, sourceMembers, unreadableSourceSkipped);
    coclass->Release();
    return hr;
}
