// Owns a TYPEATTR lent by ITypeInfo::GetTypeAttr and hands it back with
// ITypeInfo::ReleaseTypeAttr, on whatever path its scope is left.
#pragma once

#include "model/store/TypeInfoHolder.h"

class CTypeAttrHolder : public CTypeInfoHolder
{
public:
    explicit CTypeAttrHolder(ITypeInfo* typeInfo);
    ~CTypeAttrHolder() override;

    // The slot ITypeInfo::GetTypeAttr writes into; a descriptor still held is
    // handed back first.
    TYPEATTR** Slot();
    HRESULT Fill();
    void Release();

    TYPEATTR* Get() const { return m_desc; }
    TYPEATTR* operator->() const { return m_desc; }

private:
    TYPEATTR* m_desc;
};
