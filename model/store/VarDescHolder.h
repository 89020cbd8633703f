// Owns a VARDESC lent by ITypeInfo::GetVarDesc and hands it back with
// ITypeInfo::ReleaseVarDesc, on whatever path its scope is left.
#pragma once

#include "model/store/TypeInfoHolder.h"

class CVarDescHolder : public CTypeInfoHolder
{
public:
    explicit CVarDescHolder(ITypeInfo* typeInfo);
    ~CVarDescHolder() override;

    // The slot ITypeInfo::GetVarDesc writes into; a descriptor still held is
    // handed back first.
    VARDESC** Slot();
    HRESULT Fill(UINT index);
    void Release();

    VARDESC* Get() const { return m_desc; }
    VARDESC* operator->() const { return m_desc; }

private:
    VARDESC* m_desc;
};
