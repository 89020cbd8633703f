// The members of one dispatch interface, read from its type information:
// the functions first, in type-information order, then the properties made
// from its variables.
#pragma once

#include <windows.h>
#include <oaidl.h>
#include <vector>
#include "model/store/DispatchMemberInfo.h"

class CDispatchInterfaceInfo
{
public:
    CDispatchInterfaceInfo();
    CDispatchInterfaceInfo(const CDispatchInterfaceInfo& other);
    CDispatchInterfaceInfo& operator=(const CDispatchInterfaceInfo& other);
    ~CDispatchInterfaceInfo();

    // Replaces the members and the GUID with those of typeInfo. On failure
    // the members read so far stay.
    HRESULT ReadTypeInfo(ITypeInfo* typeInfo);
    void Clear();

    const GUID& GetGuid() const { return m_guid; }
    int GetMemberCount() const { return (int)m_members.size(); }
    // NULL for an index outside the list.
    const CDispatchMemberInfo* GetMember(int index) const;
    // The first member with this DISPID and invoke kind (0: any kind), or NULL.
    const CDispatchMemberInfo* FindMember(MEMBERID dispId, int invokeKind) const;

private:
    HRESULT ReadFunction(ITypeInfo* typeInfo, UINT index);
    HRESULT ReadVariable(ITypeInfo* typeInfo, UINT index);
    HRESULT AddMember(CDispatchMemberInfo* member, HRESULT filled);

    std::vector<CDispatchMemberInfo*> m_members;
    GUID m_guid;
};
