#include "model/store/PropertyRecord.h"

#include <oleauto.h>

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
    VariantClear(&value);
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
    VariantClear(&m_value);
}

void CPropertyRecord::CopyValueFrom(const VARIANT& source)
{
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
