#include "model/store/DispatchInterfaceInfo.h"

#include <new>
#include "model/store/FuncDescHolder.h"
#include "model/store/TypeAttrHolder.h"
#include "model/store/VarDescHolder.h"

CDispatchInterfaceInfo::CDispatchInterfaceInfo()
    : m_guid(GUID_NULL)
{
}

CDispatchInterfaceInfo::CDispatchInterfaceInfo(const CDispatchInterfaceInfo& other)
    : m_guid(other.m_guid)
{
    m_members.reserve(other.m_members.size());
    for (const CDispatchMemberInfo* member : other.m_members)
        m_members.push_back(new CDispatchMemberInfo(*member));
}

CDispatchInterfaceInfo& CDispatchInterfaceInfo::operator=(const CDispatchInterfaceInfo& other)
{
    if (this != &other)
    {
        CDispatchInterfaceInfo copy(other);
        Clear();
        m_members.swap(copy.m_members);
        m_guid = other.m_guid;
    }
    return *this;
}

CDispatchInterfaceInfo::~CDispatchInterfaceInfo()
{
    Clear();
}

void CDispatchInterfaceInfo::Clear()
{
    for (CDispatchMemberInfo* member : m_members)
        delete member;
    m_members.clear();
    m_guid = GUID_NULL;
}

const CDispatchMemberInfo* CDispatchInterfaceInfo::GetMember(int index) const
{
    if (index < 0 || index >= (int)m_members.size())
        return NULL;
    return m_members[index];
}

const CDispatchMemberInfo* CDispatchInterfaceInfo::FindMember(MEMBERID dispId, int invokeKind) const
{
    for (const CDispatchMemberInfo* member : m_members)
    {
        if (member->GetDispId() == dispId && (invokeKind == 0 || member->GetInvokeKind() == invokeKind))
            return member;
    }
    return NULL;
}

HRESULT CDispatchInterfaceInfo::AddMember(CDispatchMemberInfo* member, HRESULT filled)
{
    if (FAILED(filled))
    {
        delete member;
        return filled;
    }
    // The list was reserved for every member the interface can give.
    m_members.push_back(member);
    return S_OK;
}

HRESULT CDispatchInterfaceInfo::ReadFunction(ITypeInfo* typeInfo, UINT index)
{
    // Held by its holder: a descriptor taken before an early return would leak otherwise.
    CFuncDescHolder func(typeInfo);
    HRESULT hr = func.Fill(index);
    if (FAILED(hr))
        return hr;
    if (func->funckind != FUNC_DISPATCH || (func->wFuncFlags & FUNCFLAG_FRESTRICTED))
        return S_OK;
    CDispatchMemberInfo* member = new (std::nothrow) CDispatchMemberInfo;
    if (!member)
        return E_OUTOFMEMORY;
    return AddMember(member, member->SetFromFuncDesc(typeInfo, func.Get()));
}

HRESULT CDispatchInterfaceInfo::ReadVariable(ITypeInfo* typeInfo, UINT index)
{
    CVarDescHolder var(typeInfo);
    HRESULT hr = var.Fill(index);
    if (FAILED(hr))
        return hr;
    if (var->varkind != VAR_DISPATCH || (var->wVarFlags & VARFLAG_FRESTRICTED))
        return S_OK;

    if (!FindMember(var->memid, INVOKE_PROPERTYGET))
    {
        CDispatchMemberInfo* member = new (std::nothrow) CDispatchMemberInfo;
        if (!member)
            return E_OUTOFMEMORY;
        hr = AddMember(member, member->SetPropertyGetFromVarDesc(typeInfo, var.Get()));
        if (FAILED(hr))
            return hr;
    }
    if (!(var->wVarFlags & VARFLAG_FREADONLY) && !FindMember(var->memid, INVOKE_PROPERTYPUT))
    {
        CDispatchMemberInfo* member = new (std::nothrow) CDispatchMemberInfo;
        if (!member)
            return E_OUTOFMEMORY;
        hr = AddMember(member, member->SetPropertyPutFromVarDesc(typeInfo, var.Get()));
    }
    return hr;
}

HRESULT CDispatchInterfaceInfo::ReadTypeInfo(ITypeInfo* typeInfo)
{
    Clear();
    if (!typeInfo)
        return E_POINTER;

    UINT funcCount = 0;
    UINT varCount = 0;
    {
        CTypeAttrHolder attr(typeInfo);
        HRESULT hr = attr.Fill();
        if (FAILED(hr))
            return hr;
        m_guid = attr->guid;
        funcCount = attr->cFuncs;
        varCount = attr->cVars;
    }
    try
    {
        m_members.reserve(funcCount + 2 * varCount);
    }
    catch (const std::bad_alloc&)
    {
        return E_OUTOFMEMORY;
    }

    for (UINT i = 0; i < funcCount; i++)
    {
        HRESULT hr = ReadFunction(typeInfo, i);
        if (FAILED(hr))
            return hr;
    }
    for (UINT i = 0; i < varCount; i++)
    {
        HRESULT hr = ReadVariable(typeInfo, i);
        if (FAILED(hr))
            return hr;
    }
    return S_OK;
}
