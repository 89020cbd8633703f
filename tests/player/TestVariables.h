// Variables for the tests of the player's actions, made from and shown as
// text.
#pragma once

#include "model/common/VariantHelpers.h"
#include "player/runtime/VariableScopes.h"

#include <string>

// A value of the type converted from text; the caller clears it.
inline VARIANT TypedValue(VARTYPE type, const char* text)
{
    VARIANT value;
    VariantInit(&value);
    SetVariantText(value, text);
    if (type != VT_BSTR)
        Tarvex::ChangeVariantType(value, value, type);
    return value;
}

// Gives the global variable name (made when missing) that value.
inline void PutGlobal(Tarvex::CVariableScopes& scopes, const char* name, VARTYPE type, const char* text)
{
    VARIANT value = TypedValue(type, text);
    Tarvex::CopyVariantInto(scopes.GetGlobal().FindOrCreate(name)->value, value);
    VariantClear(&value);
}

// "vt:text" of the variable that scripts see under name; "<none>" without one.
inline std::string DescribeVariable(const char* name)
{
    Tarvex::CVariable* variable = Tarvex::LookupVariable(name);
    return variable ? std::to_string(variable->value.vt) + ":" + std::string(Tarvex::VariantText(variable->value))
                    : "<none>";
}
