#include "model/store/TypeAttrHolder.h"

CTypeAttrHolder::CTypeAttrHolder(ITypeInfo* typeInfo)
    : CTypeInfoHolder(typeInfo), m_desc(NULL)
{
}

CTypeAttrHolder::~CTypeAttrHolder()
{
    Release();
}

TYPEATTR** CTypeAttrHolder::Slot()
{
    Release();
    return &m_desc;
}

HRESULT CTypeAttrHolder::Fill()
{
    if (!m_typeInfo)
        return E_POINTER;
    HRESULT hr = m_typeInfo->GetTypeAttr(Slot());
    if (FAILED(hr))
        m_desc = NULL;
    return hr;
}

void CTypeAttrHolder::Release()
{
    if (m_desc && m_typeInfo)
        m_typeInfo->ReleaseTypeAttr(m_desc);
    m_desc = NULL;
}
