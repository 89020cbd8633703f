// Holders of what a type information lends: each keeps one reference on
// the ITypeInfo, so a descriptor can always be handed back to its owner,
// and hands the descriptor back on whatever path its scope is left.
#pragma once

#include <windows.h>
#include <oaidl.h>

class CTypeInfoHolder
{
public:
    explicit CTypeInfoHolder(ITypeInfo* typeInfo);
    virtual ~CTypeInfoHolder();

    ITypeInfo* GetTypeInfo() const { return m_typeInfo; }

protected:
    ITypeInfo* m_typeInfo;

private:
    CTypeInfoHolder(const CTypeInfoHolder&);
    CTypeInfoHolder& operator=(const CTypeInfoHolder&);
};

// One descriptor lent by the type information; Traits says how it is asked
// for (Lend) and handed back (HandBack).
template <class Desc, class Traits>
class CTypeInfoDescHolder : public CTypeInfoHolder
{
public:
    explicit CTypeInfoDescHolder(ITypeInfo* typeInfo) : CTypeInfoHolder(typeInfo), m_desc(NULL) {}
    ~CTypeInfoDescHolder() override { Release(); }

    // The slot the type information writes into; a descriptor still held is
    // handed back first.
    Desc** Slot()
    {
        Release();
        return &m_desc;
    }

    // The descriptor at index (a type's attributes take none).
    HRESULT Fill(UINT index = 0)
    {
        if (!m_typeInfo)
            return E_POINTER;
        HRESULT hr = Traits::Lend(m_typeInfo, index, Slot());
        if (FAILED(hr))
            m_desc = NULL;
        return hr;
    }

    void Release()
    {
        if (m_desc && m_typeInfo)
            Traits::HandBack(m_typeInfo, m_desc);
        m_desc = NULL;
    }

    Desc* Get() const { return m_desc; }
    Desc* operator->() const { return m_desc; }

private:
    Desc* m_desc;
};
