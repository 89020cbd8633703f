// One member of a dispatch interface: a method, a property get or a
// property put, with its parameters, as read from type information.
#pragma once

#include <windows.h>
#include <oaidl.h>
#include <vector>
#include "model/common/Str.h"
#include "model/store/DispatchParamInfo.h"

class CDispatchMemberInfo
{
public:
    CDispatchMemberInfo();
    CDispatchMemberInfo(const CDispatchMemberInfo& other);
    CDispatchMemberInfo& operator=(const CDispatchMemberInfo& other);
    ~CDispatchMemberInfo();

    HRESULT SetFromFuncDesc(ITypeInfo* typeInfo, const FUNCDESC* desc);
    HRESULT SetPropertyGetFromVarDesc(ITypeInfo* typeInfo, const VARDESC* desc);
    HRESULT SetPropertyPutFromVarDesc(ITypeInfo* typeInfo, const VARDESC* desc);

    MEMBERID GetDispId() const { return m_dispId; }
    CStr GetName() const { return m_name; }
    // INVOKE_FUNC 1, INVOKE_PROPERTYGET 2, INVOKE_PROPERTYPUT 4, INVOKE_PROPERTYPUTREF 8.
    int GetInvokeKind() const { return m_invokeKind; }
    VARTYPE GetReturnType() const { return m_returnType; }
    int GetParamCount() const { return (int)m_params.size(); }
    // NULL for an index outside the parameter list.
    const CDispatchParamInfo* GetParam(int index) const;
    BYTE IsBindable() const { return m_bindable; }
    BYTE IsRequestEdit() const { return m_requestEdit; }

private:
    void ClearParams();
    HRESULT ResizeParams(int count);
    HRESULT ReadSingleName(ITypeInfo* typeInfo, MEMBERID id);
    // The id and flags a variable's get and put share.
    void TakeVarDesc(const VARDESC* desc, int invokeKind);

    CStr m_name;
    MEMBERID m_dispId;
    int m_invokeKind;
    VARTYPE m_returnType;
    std::vector<CDispatchParamInfo*> m_params;
    BYTE m_bindable;
    BYTE m_requestEdit;
};
