#include "player/runtime/VariableActions.h"

#include "player/runtime/RegistryText.h"
#include "player/runtime/VariableScopes.h"
#include "model/common/VariantHelpers.h"

#include <limits>
#include <string.h>

namespace Tarvex {

namespace {

const DWORD kRegistryValueBytes = 65536;

template <class T>
bool IsSmallestSigned(T value)
{
    return std::numeric_limits<T>::is_signed && value == std::numeric_limits<T>::min();
}

// One operation on two integers of one width, wrapping around through the
// unsigned type of that width. FALSE when the target stays as it is.
template <class T, class U>
BOOL Integer(const char* op, T& target, T operand)
{
    U a = static_cast<U>(target);
    U b = static_cast<U>(operand);
    if (strcmp(op, "Plus") == 0)
        target = static_cast<T>(static_cast<U>(a + b));
    else if (strcmp(op, "Minus") == 0)
        target = static_cast<T>(static_cast<U>(a - b));
    else if (strcmp(op, "Times") == 0)
        target = static_cast<T>(static_cast<U>(static_cast<unsigned long long>(a) * b));
    else if (strcmp(op, "Divide") == 0)
    {
        // Dividing by zero, or the smallest number by -1, would crash the
        // player; the target keeps its value.
        if (operand == 0 || (IsSmallestSigned(target) && operand == static_cast<T>(-1)))
            return FALSE;
        target = static_cast<T>(target / operand);
    }
    else
        return FALSE;
    return TRUE;
}

template <class T>
BOOL Real(const char* op, T& target, T operand)
{
    if (strcmp(op, "Plus") == 0)
        target = target + operand;
    else if (strcmp(op, "Minus") == 0)
        target = target - operand;
    else if (strcmp(op, "Times") == 0)
        target = target * operand;
    else if (strcmp(op, "Divide") == 0)
        target = target / operand;
    else
        return FALSE;
    return TRUE;
}

} // namespace

BOOL ApplyArithmetic(const char* op, VARIANT& target, const VARIANT& operand)
{
    if (target.vt == VT_BSTR)
    {
        if (strcmp(op, "Plus") != 0)
            return FALSE;
        CStr text = VariantText(target);
        CStr added = operand.vt == VT_BSTR ? VariantText(operand) : VariantToText(operand);
        // Doubling a text at every run would soon take all memory.
        if (text.GetLength() + added.GetLength() > kMaxSubstitutedLength)
            return FALSE;
        text += added;
        SetVariantText(target, text);
        return TRUE;
    }
    if (target.vt != operand.vt)
        return FALSE;
    switch (target.vt)
    {
    case VT_I2:
        return Integer<SHORT, USHORT>(op, target.iVal, operand.iVal);
    case VT_UI2:
        return Integer<USHORT, USHORT>(op, target.uiVal, operand.uiVal);
    case VT_I4:
        return Integer<LONG, ULONG>(op, target.lVal, operand.lVal);
    case VT_UI4:
        return Integer<ULONG, ULONG>(op, target.ulVal, operand.ulVal);
    case VT_I8:
        return Integer<LONGLONG, ULONGLONG>(op, target.llVal, operand.llVal);
    case VT_R4:
        return Real<FLOAT>(op, target.fltVal, operand.fltVal);
    case VT_R8:
        return Real<DOUBLE>(op, target.dblVal, operand.dblVal);
    default:
        return FALSE;
    }
}

// ---------------------------------------------------------------------------
// CSetVariableAction

CSetVariableAction::CSetVariableAction(const char* typeName, const char* section, CElement* parent)
    : CScriptItem(typeName, section, parent)
{
}

void CSetVariableAction::LoadAction(const CDataFile& file, const char* section)
{
    m_record.Load(file, section);
    CStr text;
    if (ReadActionRegistryText(file, section, kRegistryValueBytes, text))
        m_record.value.SetText(text);
}

int CSetVariableAction::Execute()
{
    CVariable* variable = NULL;
    int result = FindOrCreateScopedVariable(m_record.scope, m_record.varName, variable);
    if (result != ResultGoOn)
        return result;
    if (!CopyVariantSubstituted(variable->value, m_record.value.Get()))
        return ResultVariableMissing;
    return ResultGoOn;
}

// ---------------------------------------------------------------------------
// CModifyVariableAction

CModifyVariableAction::CModifyVariableAction(const char* typeName, const char* section, CElement* parent)
    : CScriptItem(typeName, section, parent)
{
}

void CModifyVariableAction::LoadAction(const CDataFile& file, const char* section)
{
    m_record.Load(file, section);
}

int CModifyVariableAction::Execute()
{
    CVariable* target = LookupVariable(m_record.targetVar);
    if (!target)
        return ResultVariableMissing;
    const VARTYPE type = target->value.vt;

    VARIANT operand;
    VariantInit(&operand);
    if (!m_record.srcVar.IsEmpty())
    {
        CVariable* source = LookupVariable(m_record.srcVar);
        if (!source)
            return ResultVariableMissing;
        if (FAILED(ChangeVariantType(operand, source->value, type)))
        {
            VARIANT text;
            VariantInit(&text);
            HRESULT hr = ChangeVariantType(text, source->value, VT_BSTR);
            if (SUCCEEDED(hr))
                hr = ChangeVariantType(operand, text, type);
            VariantClear(&text);
            if (FAILED(hr))
            {
                VariantClear(&operand);
                return ResultVariableMissing;
            }
        }
    }
    else if (FAILED(ChangeVariantType(operand, m_record.value.Get(), type)))
    {
        CopyVariantInto(operand, m_record.value.Get());
    }

    // Worked out on a copy: a result too long to substitute leaves the
    // target as it was, as a failed conversion does.
    VARIANT result;
    VariantInit(&result);
    CopyVariantInto(result, target->value);
    BOOL tooLong = FALSE;
    if (m_record.mainOp == "Equals")
        CopyVariantInto(result, operand);
    else if (!ApplyArithmetic(m_record.mainOp, result, operand))
        tooLong = result.vt == VT_BSTR && m_record.mainOp == "Plus";
    VariantClear(&operand);
    BOOL substituted = !tooLong && SubstituteVariables(result);
    if (substituted)
        CopyVariantInto(target->value, result);
    VariantClear(&result);
    return substituted ? ResultGoOn : ResultVariableMissing;
}

} // namespace Tarvex
