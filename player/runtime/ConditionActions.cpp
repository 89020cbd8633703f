#include "player/runtime/ConditionActions.h"

#include "player/runtime/VariableScopes.h"

#include <string.h>

namespace Tarvex {

namespace {

enum Order { OrderNone = 0, OrderLess = 1, OrderEqual = 2, OrderGreater = 4, OrderAll = 7 };

template <class T>
int CompareValues(T a, T b)
{
    return a < b ? OrderLess : (b < a ? OrderGreater : (a == b ? OrderEqual : OrderNone));
}

// Both of one type.
int CompareVariants(const VARIANT& left, const VARIANT& right)
{
    switch (left.vt)
    {
    case VT_EMPTY:
    case VT_NULL:
        return OrderAll;
    case VT_I2:
    case VT_BOOL:
        return CompareValues(left.iVal, right.iVal);
    case VT_UI1:
        return CompareValues(left.bVal, right.bVal);
    case VT_I4:
        return CompareValues(left.lVal, right.lVal);
    case VT_I8:
        return CompareValues(left.llVal, right.llVal);
    case VT_R4:
        return CompareValues(left.fltVal, right.fltVal);
    case VT_R8:
        return CompareValues(left.dblVal, right.dblVal);
    case VT_BSTR:
    {
        // Byte order, so that two different texts always order one way:
        // by length first, a text and a longer one that does not begin
        // with it would be neither less nor greater.
        int order = strcmp(VariantText(left), VariantText(right));
        return order < 0 ? OrderLess : (order > 0 ? OrderGreater : OrderEqual);
    }
    default:
        return OrderNone;
    }
}

BOOL IsTrue(const VARIANT& value)
{
    switch (value.vt)
    {
    case VT_EMPTY:
    case VT_NULL:
        return FALSE;
    // The low 16 bits of a text's pointer or a real number's bits say
    // nothing about the value.
    case VT_BSTR:
        return value.bstrVal != NULL && SysStringLen(value.bstrVal) > 0;
    case VT_R4:
        return value.fltVal != 0;
    case VT_R8:
        return value.dblVal != 0;
    case VT_UI1:
        return value.bVal != 0;
    default:
        return value.uiVal != 0;
    }
}

} // namespace

BOOL EvaluateCondition(const VARIANT& left, const VARIANT& right, int op)
{
    VARTYPE type = left.vt;
    VARIANT leftValue;
    VARIANT rightValue;
    VariantInit(&leftValue);
    VariantInit(&rightValue);
    HRESULT hr;
    if (type == VT_UI2 || type == VT_UI4)
    {
        type = type == VT_UI2 ? VT_I4 : VT_R8;
        VARIANT text;
        VariantInit(&text);
        hr = ChangeVariantType(text, left, VT_BSTR);
        if (SUCCEEDED(hr))
            hr = ChangeVariantType(leftValue, text, type);
        VariantClear(&text);
    }
    else
    {
        hr = ChangeVariantType(leftValue, left, type);
    }
    if (SUCCEEDED(hr))
        hr = ChangeVariantType(rightValue, right, type);

    BOOL result = FALSE;
    if (SUCCEEDED(hr))
    {
        // The orders that satisfy each comparing operator, from 2 on.
        static const int kOperatorOrders[] = { OrderEqual, OrderLess, OrderLess | OrderEqual, OrderGreater,
                                               OrderGreater | OrderEqual };
        const int operators = (int)(sizeof(kOperatorOrders) / sizeof(kOperatorOrders[0]));
        if (op == 0)
            result = !IsTrue(leftValue);
        else if (op == 1)
            result = IsTrue(leftValue);
        else if (op >= 2 && op < 2 + operators)
            result = (CompareVariants(leftValue, rightValue) & kOperatorOrders[op - 2]) != 0;
    }
    VariantClear(&leftValue);
    VariantClear(&rightValue);
    return result;
}

CIfWhileAction::CIfWhileAction(const char* typeName, const char* section, CElement* parent)
    : CScriptItem(typeName, section, parent)
{
}

void CIfWhileAction::LoadAction(const CDataFile& file, const char* section)
{
    m_record.Load(file, section);
}

int CIfWhileAction::Execute()
{
    if (!m_record.path.IsEmpty())
    {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(m_record.path, &found);
        if (search == INVALID_HANDLE_VALUE)
            return ResultFalse;
        FindClose(search);
        return ResultTrue;
    }
    CVariable* left = LookupVariable(m_record.leftName);
    if (!left)
        return ResultFalse;
    VARIANT right;
    VariantInit(&right);
    if (!m_record.constValue.IsEmpty())
        SetVariantText(right, m_record.constValue);
    else if (CVariable* named = LookupVariable(m_record.rightName))
        CopyVariantInto(right, named->value);
    BOOL holds = EvaluateCondition(left->value, right, m_record.op);
    VariantClear(&right);
    return holds ? ResultTrue : ResultFalse;
}

CElseAction::CElseAction(const char* typeName, const char* section, CElement* parent)
    : CScriptItem(typeName, section, parent)
{
}

CEndIfAction::CEndIfAction(const char* typeName, const char* section, CElement* parent)
    : CScriptItem(typeName, section, parent)
{
}

} // namespace Tarvex
