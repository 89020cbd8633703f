#include "model/store/PropertyRecord.h"

#include <gtest/gtest.h>

#include <oleauto.h>

namespace {

VARIANT TextVariant(const wchar_t* text)
{
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = text ? SysAllocString(text) : NULL;
    return v;
}

TEST(PropertyRecord, ConstructorCopiesTheValueClearsTheArgumentAndSetsAccess)
{
    VARIANT v = TextVariant(L"hello");
    CPropertyRecord record("caption", "var1", v, VT_BSTR, TRUE);
    EXPECT_EQ(VT_EMPTY, V_VT(&v));
    EXPECT_STREQ("caption", record.m_strName.c_str());
    EXPECT_STREQ("var1", record.m_strVariableName.c_str());
    EXPECT_EQ(VT_BSTR, record.m_vt);
    EXPECT_TRUE(record.m_bChanged);
    EXPECT_TRUE(record.m_bCanGet);
    EXPECT_TRUE(record.m_bCanPut);
    EXPECT_STREQ("hello", record.GetValueText().c_str());
}

TEST(PropertyRecord, CopiesOwnTheirTextAndSurviveTheOriginal)
{
    CPropertyRecord* original;
    {
        VARIANT v = TextVariant(L"deep");
        original = new CPropertyRecord("p", "", v, VT_BSTR, FALSE);
    }
    original->m_spare = 7;
    CPropertyRecord copied(*original);
    CPropertyRecord assigned;
    assigned = *original;
    EXPECT_NE(V_BSTR(&original->m_value), V_BSTR(&copied.m_value));
    EXPECT_NE(V_BSTR(&original->m_value), V_BSTR(&assigned.m_value));
    delete original;
    EXPECT_STREQ("deep", copied.GetValueText().c_str());
    EXPECT_STREQ("deep", assigned.GetValueText().c_str());
    EXPECT_EQ(7, assigned.m_spare);
    EXPECT_EQ(VT_BSTR, assigned.m_vt);
}

TEST(PropertyRecord, SelfAssignmentKeepsTheValue)
{
    VARIANT v = TextVariant(L"self");
    CPropertyRecord record("p", "", v, VT_BSTR, FALSE);
    CPropertyRecord& alias = record;
    record = alias;
    EXPECT_EQ(VT_BSTR, V_VT(&record.m_value));
    EXPECT_STREQ("self", record.GetValueText().c_str());
}

TEST(PropertyRecord, NullTextIsEmptyTextInEveryCopy)
{
    VARIANT v = TextVariant(NULL);
    CPropertyRecord record("p", "", v, VT_BSTR, FALSE);
    CPropertyRecord copy(record);
    for (const CPropertyRecord* r : { &record, &copy }) {
        EXPECT_EQ(VT_BSTR, V_VT(&r->m_value));
        ASSERT_NE(nullptr, V_BSTR(&r->m_value));
        EXPECT_EQ(0u, SysStringLen(V_BSTR(&r->m_value)));
        EXPECT_STREQ("", r->GetValueText().c_str());
    }
}

TEST(PropertyRecord, FailedCopyBecomesAnErrorValueWithTheHresult)
{
    VARIANT bad;
    VariantInit(&bad);
    V_VT(&bad) = (VARTYPE)0x7FFF;   // no such type: VariantCopy refuses it
    CPropertyRecord record("p", "", bad, VT_I4, FALSE);
    EXPECT_EQ(VT_ERROR, V_VT(&record.m_value));
    EXPECT_TRUE(FAILED(V_ERROR(&record.m_value)));
}

TEST(PropertyRecord, ListLookupsIgnoreCaseAndFindTheFirstRecord)
{
    CPropertyRecordList list;
    VARIANT v;
    VariantInit(&v);
    list.push_back(CPropertyRecord("Width", "", v, VT_I4, FALSE));
    list.push_back(CPropertyRecord("width", "", v, VT_I4, TRUE));
    list.push_back(CPropertyRecord("src", "", v, VT_BSTR, TRUE));
    EXPECT_EQ(0, FindPropertyIndex(list, "WIDTH"));
    EXPECT_EQ(2, FindPropertyIndex(list, "Src"));
    EXPECT_EQ(-1, FindPropertyIndex(list, "height"));
    EXPECT_TRUE(PropertyListHasName(list, "SRC"));
    EXPECT_FALSE(PropertyListHasName(list, "xpos"));
    EXPECT_FALSE(PropertyListIsChanged(list, "width"));  // the first of that name decides
    EXPECT_TRUE(PropertyListIsChanged(list, "src"));
    EXPECT_FALSE(PropertyListIsChanged(list, "missing"));
}

}  // namespace
