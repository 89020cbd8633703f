#include "actions/records/StoredVariant.h"
#include "model/common/VariantHelpers.h"

CStoredVariant::CStoredVariant()
{
    VariantInit(&m_value);
}

CStoredVariant::CStoredVariant(const VARIANT& value)
{
    VariantInit(&m_value);
    AssignCopy(value);
}

CStoredVariant::CStoredVariant(const CStoredVariant& other)
{
    VariantInit(&m_value);
    AssignCopy(other.m_value);
}

CStoredVariant::~CStoredVariant()
{
    VariantClear(&m_value);
}

CStoredVariant& CStoredVariant::operator=(const CStoredVariant& other)
{
    AssignCopy(other.m_value);
    return *this;
}

CStoredVariant& CStoredVariant::operator=(const VARIANT& value)
{
    AssignCopy(value);
    return *this;
}

void CStoredVariant::AssignCopy(const VARIANT& value)
{
    // Copied aside first, so assigning a value to itself keeps it.
    VARIANT copy;
    VariantInit(&copy);
    HRESULT hr = VariantCopy(&copy, const_cast<VARIANT*>(&value));
    if (FAILED(hr))
    {
        VariantInit(&copy);
        copy.vt = VT_ERROR;
        copy.scode = hr;
    }
    VariantClear(&m_value);
    m_value = copy;
}

void CStoredVariant::Clear()
{
    VariantClear(&m_value);
}

void CStoredVariant::SetText(const char* text)
{
    SetVariantText(m_value, text);
}

void CStoredVariant::SetLong(long value)
{
    VariantClear(&m_value);
    m_value.vt = VT_I4;
    m_value.lVal = value;
}

CStr CStoredVariant::ToText() const
{
    if (m_value.vt == VT_BSTR && m_value.bstrVal == NULL)
        return CStr();
    return VariantToText(m_value);
}
