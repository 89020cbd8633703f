// CStoredVariant: a VARIANT that an action record owns. Copies are deep, so
// a cloned action never shares a BSTR or an interface with its original.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include "model/common/Str.h"

class CStoredVariant
{
public:
    CStoredVariant();
    explicit CStoredVariant(const VARIANT& value);
    CStoredVariant(const CStoredVariant& other);
    ~CStoredVariant();

    CStoredVariant& operator=(const CStoredVariant& other);
    CStoredVariant& operator=(const VARIANT& value);

    VARIANT& Get() { return m_value; }
    const VARIANT& Get() const { return m_value; }
    VARTYPE Type() const { return m_value.vt; }

    void Clear();
    void SetText(const char* text);   // VT_BSTR; NULL gives an empty text
    void SetLong(long value);          // VT_I4

    // The value as the data file writes it; a NULL BSTR reads as empty.
    CStr ToText() const;

private:
    // A copy that fails leaves VT_ERROR holding the failing HRESULT.
    void AssignCopy(const VARIANT& value);

    VARIANT m_value;
};
