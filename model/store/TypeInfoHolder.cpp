#include "model/store/TypeInfoHolder.h"

CTypeInfoHolder::CTypeInfoHolder(ITypeInfo* typeInfo)
    : m_typeInfo(typeInfo)
{
    if (m_typeInfo)
        m_typeInfo->AddRef();
}

CTypeInfoHolder::~CTypeInfoHolder()
{
    if (m_typeInfo)
        m_typeInfo->Release();
}
