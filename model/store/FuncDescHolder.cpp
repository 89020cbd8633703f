#include "model/store/FuncDescHolder.h"

CFuncDescHolder::CFuncDescHolder(ITypeInfo* typeInfo)
    : CTypeInfoHolder(typeInfo), m_desc(NULL)
{
}

CFuncDescHolder::~CFuncDescHolder()
{
    Release();
}

FUNCDESC** CFuncDescHolder::Slot()
{
    Release();
    return &m_desc;
}

HRESULT CFuncDescHolder::Fill(UINT index)
{
    if (!m_typeInfo)
        return E_POINTER;
    HRESULT hr = m_typeInfo->GetFuncDesc(index, Slot());
    if (FAILED(hr))
        m_desc = NULL;
    return hr;
}

void CFuncDescHolder::Release()
{
    if (m_desc && m_typeInfo)
        m_typeInfo->ReleaseFuncDesc(m_desc);
    m_desc = NULL;
}
