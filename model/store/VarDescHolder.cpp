#include "model/store/VarDescHolder.h"

CVarDescHolder::CVarDescHolder(ITypeInfo* typeInfo)
    : CTypeInfoHolder(typeInfo), m_desc(NULL)
{
}

CVarDescHolder::~CVarDescHolder()
{
    Release();
}

VARDESC** CVarDescHolder::Slot()
{
    Release();
    return &m_desc;
}

HRESULT CVarDescHolder::Fill(UINT index)
{
    if (!m_typeInfo)
        return E_POINTER;
    HRESULT hr = m_typeInfo->GetVarDesc(index, Slot());
    if (FAILED(hr))
        m_desc = NULL;
    return hr;
}

void CVarDescHolder::Release()
{
    if (m_desc && m_typeInfo)
        m_typeInfo->ReleaseVarDesc(m_desc);
    m_desc = NULL;
}
