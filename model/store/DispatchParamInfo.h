// One parameter of a dispatch member, as its type information declares it.
#pragma once

#include <windows.h>
#include <oaidl.h>
#include "model/common/Str.h"

class CDispatchParamInfo
{
public:
    CDispatchParamInfo();
    CDispatchParamInfo(const char* name, VARTYPE type, BYTE optional);

    CStr GetName() const { return m_name; }
    VARTYPE GetType() const { return m_type; }
    BYTE IsOptional() const { return m_optional; }

    void SetName(const char* name) { m_name = name; }
    void SetNameWide(const wchar_t* name) { m_name.AssignWide(name); }
    void SetType(VARTYPE type) { m_type = type; }
    void SetOptional(BYTE optional) { m_optional = optional; }
    // Type and optional flag of a parameter's element description.
    void SetFromElemDesc(const ELEMDESC& desc);

private:
    CStr m_name;
    VARTYPE m_type;
    BYTE m_optional;
};
