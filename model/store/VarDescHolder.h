// Owns a VARDESC lent by ITypeInfo::GetVarDesc and hands it back with
// ITypeInfo::ReleaseVarDesc.
#pragma once

#include "model/store/TypeInfoHolder.h"

struct VarDescTraits
{
    static HRESULT Lend(ITypeInfo* info, UINT index, VARDESC** desc) { return info->GetVarDesc(index, desc); }
    static void HandBack(ITypeInfo* info, VARDESC* desc) { info->ReleaseVarDesc(desc); }
};

typedef CTypeInfoDescHolder<VARDESC, VarDescTraits> CVarDescHolder;
