// Owns a TYPEATTR lent by ITypeInfo::GetTypeAttr and hands it back with
// ITypeInfo::ReleaseTypeAttr.
#pragma once

#include "model/store/TypeInfoHolder.h"

struct TypeAttrTraits
{
    static HRESULT Lend(ITypeInfo* info, UINT, TYPEATTR** desc) { return info->GetTypeAttr(desc); }
    static void HandBack(ITypeInfo* info, TYPEATTR* desc) { info->ReleaseTypeAttr(desc); }
};

typedef CTypeInfoDescHolder<TYPEATTR, TypeAttrTraits> CTypeAttrHolder;
