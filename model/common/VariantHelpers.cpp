#include "model/common/VariantHelpers.h"

#include <string.h>

namespace {

struct VarTypeNameRow
{
    const char* name;
    VARTYPE vt;
};

// Searched from the top; the order decides which of a shared value's names wins.
const VarTypeNameRow kVarTypeNames[] = {
    { "VT_EMPTY", VT_EMPTY },
    { "VT_NULL", VT_NULL },
    { "VT_I2", VT_I2 },
    { "VT_I4", VT_I4 },
    { "VT_R4", VT_R4 },
    { "VT_R8", VT_R8 },
    { "VT_CY", VT_CY },
    { "VT_DATE", VT_DATE },
    { "VT_BSTR", VT_BSTR },
    { "VT_DISPATCH", VT_DISPATCH },
    { "VT_ERROR", VT_ERROR },
    { "VT_BOOL", VT_BOOL },
    { "VT_VARIANT", VT_VARIANT },
    { "VT_UNKNOWN", VT_UNKNOWN },
    { "VT_DECIMAL", VT_DECIMAL },
    { "VT_I1", VT_I1 },
    { "VT_UI1", VT_UI1 },
    { "VT_UI2", VT_UI2 },
    { "VT_UI4", VT_UI4 },
    { "VT_I8", VT_I8 },
    { "VT_UI8", VT_UI8 },
    { "VT_INT", VT_INT },
    { "VT_UINT", VT_UINT },
    { "VT_VOID", VT_VOID },
    { "VT_HRESULT", VT_HRESULT },
    { "VT_PTR", VT_PTR },
    { "VT_SAFEARRAY", VT_SAFEARRAY },
    { "VT_CARRAY", VT_CARRAY },
    { "VT_USERDEFINED", VT_USERDEFINED },
    { "VT_LPSTR", VT_LPSTR },
    { "VT_LPWSTR", VT_LPWSTR },
    { "VT_RECORD", VT_RECORD },
    { "VT_FILETIME", VT_FILETIME },
    { "VT_BLOB", VT_BLOB },
    { "VT_STREAM", VT_STREAM },
    { "VT_STORAGE", VT_STORAGE },
    { "VT_STREAMED_OBJECT", VT_STREAMED_OBJECT },
    { "VT_STORED_OBJECT", VT_STORED_OBJECT },
    { "VT_BLOB_OBJECT", VT_BLOB_OBJECT },
    { "VT_CF", VT_CF },
    { "VT_CLSID", VT_CLSID },
    { "VT_BSTR_BLOB", VT_BSTR_BLOB },
    { "VT_VECTOR", VT_VECTOR },
    { "VT_ARRAY", VT_ARRAY },
    { "VT_BYREF", VT_BYREF },
    { "VT_RESERVED", VT_RESERVED },
    { "VT_ILLEGAL", VT_ILLEGAL },
    { "VT_ILLEGALMASKED", VT_ILLEGALMASKED },
    { "VT_TYPEMASK", VT_TYPEMASK },
};

} // namespace

const char* GetVarTypeName(VARTYPE vt)
{
    for (const VarTypeNameRow& row : kVarTypeNames)
    {
        if (row.vt == vt)
            return row.name;
    }
    return NULL;
}

CStr VariantToText(const VARIANT& value)
{
    CStr text;
    if (value.vt == VT_BOOL)
    {
        text.AssignText(value.boolVal ? "TRUE" : "FALSE");
        return text;
    }

    VARIANT copy;
    VariantInit(&copy);
    HRESULT hr = VariantCopy(&copy, const_cast<VARIANT*>(&value));
    if (FAILED(hr))
    {
        VariantInit(&copy);
        copy.vt = VT_ERROR;
        copy.scode = hr;
    }
    if (SUCCEEDED(VariantChangeType(&copy, &copy, 0, VT_BSTR)))
        text.AssignWide(copy.bstrVal ? copy.bstrVal : L"");
    VariantClear(&copy);
    return text;
}

void SetVariantText(VARIANT& value, const char* text)
{
    SetVariantText(value, text, text ? (int)strlen(text) : 0);
}

void SetVariantText(VARIANT& value, const char* text, int length)
{
    // Overwritten without clearing, a VARIANT holding a BSTR would leak it.
    VariantClear(&value);
    int wideLength = length > 0 ? MultiByteToWideChar(CP_ACP, 0, text, length, NULL, 0) : 0;
    BSTR bstr = SysAllocStringLen(NULL, wideLength);
    if (bstr == NULL)
    {
        value.vt = VT_ERROR;
        value.scode = E_OUTOFMEMORY;
        return;
    }
    if (wideLength > 0)
        MultiByteToWideChar(CP_ACP, 0, text, length, bstr, wideLength);
    value.vt = VT_BSTR;
    value.bstrVal = bstr;
}
