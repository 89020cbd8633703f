// Owns a FUNCDESC lent by ITypeInfo::GetFuncDesc and hands it back with
// ITypeInfo::ReleaseFuncDesc, on whatever path its scope is left.
#pragma once

#include "model/store/TypeInfoHolder.h"

class CFuncDescHolder : public CTypeInfoHolder
{
public:
    explicit CFuncDescHolder(ITypeInfo* typeInfo);
    ~CFuncDescHolder() override;

    // The slot ITypeInfo::GetFuncDesc writes into; a descriptor still held is
    // handed back first.
    FUNCDESC** Slot();
    HRESULT Fill(UINT index);
    void Release();

    FUNCDESC* Get() const { return m_desc; }
    FUNCDESC* operator->() const { return m_desc; }

private:
    FUNCDESC* m_desc;
};
