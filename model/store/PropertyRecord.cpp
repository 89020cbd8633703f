#include "model/store/PropertyRecord.h"

#include <oleauto.h>

namespace {

// Values a VARIANT holds in itself: a copy of one is a copy of the VARIANT
// and clearing one only marks it empty, what VariantCopy and VariantClear
// do for them, without the calls (an object's records are made at every load).
bool HoldsPlainValue(const VARIANT& value)
{
    switch (V_VT(&value)) {
    case VT_EMPTY: case VT_NULL: case VT_I2: case VT_I4: case VT_R4: case VT_R8: case VT_CY: case VT_DATE:
    case VT_ERROR: case VT_BOOL: case VT_I1: case VT_UI1: case VT_UI2: case VT_UI4: case VT_I8: case VT_UI8:
    case VT_INT: case VT_UINT:
        return true;
    default:
        return false;   // strings, objects and every VT_BYREF or VT_ARRAY form
    }
}

void ClearValue(VARIANT& value)
{
    if (HoldsPlainValue(value))
        V_VT(&value) = VT_EMPTY;
    else
        VariantClear(&value);
}

} // namespace

CPropertyRecord::CPropertyRecord()
    : m_vt(VT_EMPTY), m_bChanged(0), m_bCanGet(0), m_bCanPut(0), m_spare(0)
{
    VariantInit(&m_value);
}

CPropertyRecord::CPropertyRecord(const char* name, const char* variableName, VARIANT& value,
                                 VARTYPE vt, BOOL changed)
    : m_strName(name), m_strVariableName(variableName), m_vt(vt),
      m_bChanged(changed ? 1 : 0), m_bCanGet(1), m_bCanPut(1), m_spare(0)
{
    VariantInit(&m_value);
    CopyValueFrom(value);
    ClearValue(value);
}

// A copy of its own: the implicit member copy would share the BSTR and
// free it twice.
CPropertyRecord::CPropertyRecord(const CPropertyRecord& other)
    : m_strName(other.m_strName), m_strVariableName(other.m_strVariableName), m_vt(other.m_vt),
      m_bChanged(other.m_bChanged), m_bCanGet(other.m_bCanGet), m_bCanPut(other.m_bCanPut),
      m_spare(other.m_spare)
{
    VariantInit(&m_value);
    CopyValueFrom(other.m_value);
}

CPropertyRecord& CPropertyRecord::operator=(const CPropertyRecord& other)
{
    // Assigning a record to itself would clear the value before copying it.
    if (this == &other)
        return *this;
    m_strName = other.m_strName;
    m_strVariableName = other.m_strVariableName;
    CopyValueFrom(other.m_value);
    m_vt = other.m_vt;
    m_bChanged = other.m_bChanged;
    m_bCanGet = other.m_bCanGet;
    m_bCanPut = other.m_bCanPut;
    m_spare = other.m_spare;
    return *this;
}

CPropertyRecord::~CPropertyRecord()
{
    ClearValue(m_value);
}

void CPropertyRecord::CopyValueFrom(const VARIANT& source)
{
    if (HoldsPlainValue(m_value) && HoldsPlainValue(source)) {
        m_value = source;
        return;
    }
    VariantClear(&m_value);
    // A NULL BSTR stands for empty text; readers of the copy never see NULL.
    if (V_VT(&source) == VT_BSTR && V_BSTR(&source) == NULL) {
        BSTR empty = SysAllocString(L"");
        if (empty) {
            V_VT(&m_value) = VT_BSTR;
            V_BSTR(&m_value) = empty;
        } else {
            V_VT(&m_value) = VT_ERROR;
            V_ERROR(&m_value) = E_OUTOFMEMORY;
        }
        return;
    }
    HRESULT hr = VariantCopy(&m_value, const_cast<VARIANT*>(&source));
    if (FAILED(hr)) {
        VariantInit(&m_value);
        V_VT(&m_value) = VT_ERROR;
        V_ERROR(&m_value) = hr;
    }
}

CStr CPropertyRecord::GetValueText() const
{
    CStr text;
    if (V_VT(&m_value) == VT_BSTR && V_BSTR(&m_value) != NULL)
        text.AssignWide(V_BSTR(&m_value));
    return text;
}

int FindPropertyIndex(const CPropertyRecordList& list, const char* name)
{
    for (size_t i = 0; i < list.size(); ++i) {
        if (lstrcmpiA(list[i].m_strName, name ? name : "") == 0)
            return (int)i;
    }
    return -1;
}

BOOL PropertyListHasName(const CPropertyRecordList& list, const char* name)
{
    return FindPropertyIndex(list, name) >= 0;
}

BOOL PropertyListIsChanged(const CPropertyRecordList& list, const char* name)
{
    int index = FindPropertyIndex(list, name);
    return index >= 0 && list[index].m_bChanged;
}
