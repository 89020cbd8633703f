// One parameter of a hosted control's method, with the argument a Call
// ActiveX Method action binds to it: a script variable or a constant.
#pragma once

#include <windows.h>
#include <oaidl.h>
#include "model/common/Str.h"

class CActiveXMethodParameter
{
public:
    CActiveXMethodParameter();
    CActiveXMethodParameter(const char* name, VARTYPE type, BYTE optional);

    CStr GetVarName() const { return m_varName; }
    CStr GetConstValue() const { return m_constValue; }
    CStr GetName() const { return m_name; }
    VARTYPE GetType() const { return m_type; }
    BYTE IsOptional() const { return m_optional; }

    void SetVarName(const char* varName) { m_varName = varName; }
    void SetConstValue(const char* constValue) { m_constValue = constValue; }
    void SetName(const char* name) { m_name = name; }
    void SetType(VARTYPE type) { m_type = type; }
    void SetOptional(BYTE optional) { m_optional = optional; }

private:
    CStr m_varName;     // empty when the constant is used
    CStr m_constValue;
    CStr m_name;
    VARTYPE m_type;
    BYTE m_optional;
};
