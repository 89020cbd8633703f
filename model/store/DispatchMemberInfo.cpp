#include "model/store/DispatchMemberInfo.h"

#include <new>

namespace
{
// Type libraries leave the value of a property put unnamed.
const char kPropertyValueName[] = "(Property Value)";

BYTE FlagBit(WORD flags, WORD bit)
{
    return (flags & bit) ? 1 : 0;
}
}

CDispatchMemberInfo::CDispatchMemberInfo()
    : m_dispId(DISPID_UNKNOWN), m_invokeKind(0), m_returnType(VT_VOID),
      m_bindable(0), m_requestEdit(0)
{
}

CDispatchMemberInfo::CDispatchMemberInfo(const CDispatchMemberInfo& other)
    : m_name(other.m_name), m_dispId(other.m_dispId), m_invokeKind(other.m_invokeKind),
      m_returnType(other.m_returnType), m_bindable(other.m_bindable),
      m_requestEdit(other.m_requestEdit)
{
    m_params.reserve(other.m_params.size());
    for (const CDispatchParamInfo* param : other.m_params)
        m_params.push_back(new CDispatchParamInfo(*param));
}

CDispatchMemberInfo& CDispatchMemberInfo::operator=(const CDispatchMemberInfo& other)
{
    if (this != &other)
    {
        CDispatchMemberInfo copy(other);
        ClearParams();
        m_params.swap(copy.m_params);
        m_name = other.m_name;
        m_dispId = other.m_dispId;
        m_invokeKind = other.m_invokeKind;
        m_returnType = other.m_returnType;
        m_bindable = other.m_bindable;
        m_requestEdit = other.m_requestEdit;
    }
    return *this;
}

CDispatchMemberInfo::~CDispatchMemberInfo()
{
    ClearParams();
}

const CDispatchParamInfo* CDispatchMemberInfo::GetParam(int index) const
{
    if (index < 0 || index >= (int)m_params.size())
        return NULL;
    return m_params[index];
}

void CDispatchMemberInfo::ClearParams()
{
    for (CDispatchParamInfo* param : m_params)
        delete param;
    m_params.clear();
}

HRESULT CDispatchMemberInfo::ResizeParams(int count)
{
    ClearParams();
    try
    {
        m_params.reserve(count);
    }
    catch (const std::bad_alloc&)
    {
        return E_OUTOFMEMORY;
    }
    for (int i = 0; i < count; i++)
    {
        CDispatchParamInfo* param = new (std::nothrow) CDispatchParamInfo;
        if (!param)
            return E_OUTOFMEMORY;
        m_params.push_back(param);
    }
    return S_OK;
}

HRESULT CDispatchMemberInfo::ReadSingleName(ITypeInfo* typeInfo, MEMBERID id)
{
    BSTR name = NULL;
    UINT count = 0;
    HRESULT hr = typeInfo->GetNames(id, &name, 1, &count);
    if (SUCCEEDED(hr) && count > 0 && name)
        m_name.AssignWide(name);
    SysFreeString(name);
    return hr;
}

HRESULT CDispatchMemberInfo::SetFromFuncDesc(ITypeInfo* typeInfo, const FUNCDESC* desc)
{
    if (!typeInfo || !desc)
        return E_POINTER;
    m_dispId = desc->memid;
    m_invokeKind = desc->invkind;
    m_bindable = FlagBit(desc->wFuncFlags, FUNCFLAG_FBINDABLE);
    m_requestEdit = FlagBit(desc->wFuncFlags, FUNCFLAG_FREQUESTEDIT);
    m_returnType = desc->elemdescFunc.tdesc.vt;

    const int paramCount = desc->cParams > 0 ? desc->cParams : 0;
    HRESULT hr = ResizeParams(paramCount);
    if (FAILED(hr))
        return hr;

    // Sized from this member's count: a fixed array is overrun by a member with more parameters.
    const UINT nameSlots = (UINT)paramCount + 1;
    BSTR* names = new (std::nothrow) BSTR[nameSlots];
    if (!names)
        return E_OUTOFMEMORY;
    for (UINT i = 0; i < nameSlots; i++)
        names[i] = NULL;

    UINT got = 0;
    hr = typeInfo->GetNames(desc->memid, names, nameSlots, &got);
    if (SUCCEEDED(hr))
    {
        if (got > nameSlots)
            got = nameSlots;
        if (got > 0 && names[0])
            m_name.AssignWide(names[0]);
        for (int i = 0; i < paramCount; i++)
        {
            CDispatchParamInfo* param = m_params[i];
            const UINT slot = (UINT)i + 1;
            if (slot < got && names[slot] && names[slot][0])
                param->SetNameWide(names[slot]);
            else
                param->SetName(kPropertyValueName);
            param->SetFromElemDesc(desc->lprgelemdescParam[i]);
        }
    }
    for (UINT i = 0; i < nameSlots; i++)
        SysFreeString(names[i]);
    delete[] names;
    return hr;
}

void CDispatchMemberInfo::TakeVarDesc(const VARDESC* desc, int invokeKind)
{
    m_dispId = desc->memid;
    m_invokeKind = invokeKind;
    m_bindable = FlagBit(desc->wVarFlags, VARFLAG_FBINDABLE);
    m_requestEdit = FlagBit(desc->wVarFlags, VARFLAG_FREQUESTEDIT);
}

HRESULT CDispatchMemberInfo::SetPropertyGetFromVarDesc(ITypeInfo* typeInfo, const VARDESC* desc)
{
    if (!typeInfo || !desc)
        return E_POINTER;
    TakeVarDesc(desc, INVOKE_PROPERTYGET);
    if (m_returnType == VT_VOID)
        m_returnType = desc->elemdescVar.tdesc.vt;
    ClearParams();
    return ReadSingleName(typeInfo, desc->memid);
}

HRESULT CDispatchMemberInfo::SetPropertyPutFromVarDesc(ITypeInfo* typeInfo, const VARDESC* desc)
{
    if (!typeInfo || !desc)
        return E_POINTER;
    TakeVarDesc(desc, INVOKE_PROPERTYPUT);
    m_returnType = VT_VOID;
    HRESULT hr = ResizeParams(1);
    if (FAILED(hr))
        return hr;
    m_params[0]->SetName(kPropertyValueName);
    m_params[0]->SetFromElemDesc(desc->elemdescVar);
    return ReadSingleName(typeInfo, desc->memid);
}
