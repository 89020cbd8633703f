#include "model/common/VariantHelpers.h"

#include <gtest/gtest.h>

#include <string.h>
#include <string>

TEST(VariantHelpers, GetVarTypeNameNamesEveryStandardValue)
{
    const struct { unsigned value; const char* name; } rows[] = {
        { 0, "VT_EMPTY" }, { 1, "VT_NULL" }, { 2, "VT_I2" }, { 3, "VT_I4" },
        { 4, "VT_R4" }, { 5, "VT_R8" }, { 6, "VT_CY" }, { 7, "VT_DATE" },
        { 8, "VT_BSTR" }, { 9, "VT_DISPATCH" }, { 10, "VT_ERROR" }, { 11, "VT_BOOL" },
        { 12, "VT_VARIANT" }, { 13, "VT_UNKNOWN" }, { 14, "VT_DECIMAL" }, { 16, "VT_I1" },
        { 17, "VT_UI1" }, { 18, "VT_UI2" }, { 19, "VT_UI4" }, { 20, "VT_I8" },
        { 21, "VT_UI8" }, { 22, "VT_INT" }, { 23, "VT_UINT" }, { 24, "VT_VOID" },
        { 25, "VT_HRESULT" }, { 26, "VT_PTR" }, { 27, "VT_SAFEARRAY" }, { 28, "VT_CARRAY" },
        { 29, "VT_USERDEFINED" }, { 30, "VT_LPSTR" }, { 31, "VT_LPWSTR" }, { 36, "VT_RECORD" },
        { 64, "VT_FILETIME" }, { 65, "VT_BLOB" }, { 66, "VT_STREAM" }, { 67, "VT_STORAGE" },
        { 68, "VT_STREAMED_OBJECT" }, { 69, "VT_STORED_OBJECT" }, { 70, "VT_BLOB_OBJECT" },
        { 71, "VT_CF" }, { 72, "VT_CLSID" },
        // VT_ILLEGALMASKED and VT_TYPEMASK share this value and come later.
        { 0xFFF, "VT_BSTR_BLOB" },
        { 0x1000, "VT_VECTOR" }, { 0x2000, "VT_ARRAY" }, { 0x4000, "VT_BYREF" },
        { 0x8000, "VT_RESERVED" }, { 0xFFFF, "VT_ILLEGAL" },
    };
    for (const auto& row : rows)
    {
        const char* name = GetVarTypeName((VARTYPE)row.value);
        ASSERT_NE(nullptr, name) << row.name;
        EXPECT_STREQ(row.name, name) << row.value;
    }

    const unsigned unnamed[] = { 15, 32, 37, 38, 63, 73, 0x4003, 0x2000 | 12, 0x1011, 0x7FFF };
    for (unsigned value : unnamed)
        EXPECT_EQ(nullptr, GetVarTypeName((VARTYPE)value)) << value;
}

namespace {

// An object whose default value is either missing or the number 7.
class FakeDispatch : public IDispatch
{
public:
    explicit FakeDispatch(bool hasValue) : m_refs(1), m_hasValue(hasValue) {}
    ULONG Refs() const { return m_refs; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (iid == IID_IUnknown || iid == IID_IDispatch)
        {
            *out = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *out = NULL;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --m_refs; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { *count = 0; return S_OK; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override
    {
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result,
                                     EXCEPINFO*, UINT*) override
    {
        if (!m_hasValue || id != DISPID_VALUE || !result)
            return DISP_E_MEMBERNOTFOUND;
        VariantInit(result);
        result->vt = VT_I4;
        result->lVal = 7;
        return S_OK;
    }

private:
    ULONG m_refs;
    bool m_hasValue;
};

} // namespace

TEST(VariantHelpers, VariantToText)
{
    FakeDispatch noValue(false);
    FakeDispatch withValue(true);
    BSTR text = SysAllocString(L"hello world");
    LONG byRefTarget = 42;

    struct Case
    {
        const char* label;
        VARIANT value;
        const char* text;
    };
    auto make = [](const char* label, VARTYPE vt, auto fill, const char* expected) {
        Case c;
        c.label = label;
        VariantInit(&c.value);
        c.value.vt = vt;
        fill(c.value);
        c.text = expected;
        return c;
    };
    const Case cases[] = {
        make("bool true", VT_BOOL, [](VARIANT& v) { v.boolVal = VARIANT_TRUE; }, "TRUE"),
        make("bool false", VT_BOOL, [](VARIANT& v) { v.boolVal = VARIANT_FALSE; }, "FALSE"),
        make("bool one", VT_BOOL, [](VARIANT& v) { v.boolVal = 1; }, "TRUE"),
        make("i4", VT_I4, [](VARIANT& v) { v.lVal = 42; }, "42"),
        make("negative i2", VT_I2, [](VARIANT& v) { v.iVal = -7; }, "-7"),
        make("large ui4", VT_UI4, [](VARIANT& v) { v.ulVal = 4000000000u; }, "4000000000"),
        make("r8", VT_R8, [](VARIANT& v) { v.dblVal = 1.5; }, "1.5"),
        make("r4", VT_R4, [](VARIANT& v) { v.fltVal = 0.25f; }, "0.25"),
        make("bstr", VT_BSTR, [&](VARIANT& v) { v.bstrVal = text; }, "hello world"),
        make("i4 by reference", VT_I4 | VT_BYREF, [&](VARIANT& v) { v.plVal = &byRefTarget; }, "42"),
        make("empty", VT_EMPTY, [](VARIANT&) {}, ""),
        make("null", VT_NULL, [](VARIANT&) {}, ""),
        make("dispatch without default value", VT_DISPATCH,
             [&](VARIANT& v) { v.pdispVal = &noValue; }, ""),
        make("dispatch with default value", VT_DISPATCH,
             [&](VARIANT& v) { v.pdispVal = &withValue; }, "7"),
        make("type that cannot be copied", 0x7FFF, [](VARIANT&) {}, ""),
    };
    for (const Case& c : cases)
    {
        CStr result = VariantToText(c.value);
        EXPECT_STREQ(c.text, result.c_str()) << c.label;
        EXPECT_EQ((int)strlen(c.text), result.GetLength()) << c.label;
    }

    // The value passed in is left as it was, and every reference taken is given back.
    EXPECT_EQ(1u, noValue.Refs());
    EXPECT_EQ(1u, withValue.Refs());
    EXPECT_EQ(std::wstring(L"hello world"), text);
    SysFreeString(text);
}

TEST(VariantHelpers, SetVariantTextKeepsEveryByteGiven)
{
    const struct {
        const char* name;
        const char* text;
        int length;
        const wchar_t* wide;
        UINT wideLength;
    } rows[] = {
        { "plain", "abc", 3, L"abc", 3 },
        { "part of a text", "abcdef", 2, L"ab", 2 },
        { "NUL inside", "a\0b", 3, L"a\0b", 3 },
        { "empty", "", 0, L"", 0 },
        { "no text", NULL, 0, L"", 0 },
    };
    for (const auto& row : rows) {
        VARIANT value;
        VariantInit(&value);
        SetVariantText(value, "held before");
        SetVariantText(value, row.text, row.length);
        ASSERT_EQ(VT_BSTR, V_VT(&value)) << row.name;
        ASSERT_EQ(row.wideLength, SysStringLen(V_BSTR(&value))) << row.name;
        EXPECT_EQ(0, memcmp(row.wide, V_BSTR(&value), row.wideLength * sizeof(wchar_t))) << row.name;
        VariantClear(&value);
    }
}
