// Owns a FUNCDESC lent by ITypeInfo::GetFuncDesc and hands it back with
// ITypeInfo::ReleaseFuncDesc.
#pragma once

#include "model/store/TypeInfoHolder.h"

struct FuncDescTraits
{
    static HRESULT Lend(ITypeInfo* info, UINT index, FUNCDESC** desc) { return info->GetFuncDesc(index, desc); }
    static void HandBack(ITypeInfo* info, FUNCDESC* desc) { info->ReleaseFuncDesc(desc); }
};

typedef CTypeInfoDescHolder<FUNCDESC, FuncDescTraits> CFuncDescHolder;
