// Base of the descriptor holders: keeps one reference on the type
// information that lent the descriptor, so the descriptor can always be
// handed back to its owner.
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
