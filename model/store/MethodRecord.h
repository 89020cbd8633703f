// A method of a hosted control as the authoring program keeps it for the
// script actions: name, return type and the parameters with their bindings.
#pragma once

#include <windows.h>
#include <oaidl.h>
#include <vector>
#include "model/common/Str.h"
#include "model/store/ActiveXMethodParameter.h"

class CDispatchMemberInfo;

class CMethodRecord
{
public:
    CMethodRecord();
    CMethodRecord(const char* name, VARTYPE returnType);
    // Name, return type and parameters (unbound) of a member read from type
    // information.
    explicit CMethodRecord(const CDispatchMemberInfo& member);

    CStr GetName() const { return m_name; }
    VARTYPE GetReturnType() const { return m_returnType; }
    void SetName(const char* name) { m_name = name; }
    void SetReturnType(VARTYPE type) { m_returnType = type; }

    int GetParamCount() const { return (int)m_params.size(); }
    // NULL for an index outside the parameter list.
    const CActiveXMethodParameter* GetParam(int index) const;
    CActiveXMethodParameter* GetParam(int index);
    void AddParam(const CActiveXMethodParameter& param) { m_params.push_back(param); }
    void ClearParams() { m_params.clear(); }

private:
    CStr m_name;
    VARTYPE m_returnType;
    std::vector<CActiveXMethodParameter> m_params;
};
