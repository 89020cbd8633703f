// CPropertyRecord: one scriptable property of an object, or one assignment
// of a Set Property action: a name, the variable assigned from (empty for a
// constant), a value, the value's type and four flag bytes.
#pragma once

#include "model/common/Str.h"

#include <oaidl.h>
#include <vector>

class CPropertyRecord
{
public:
    CPropertyRecord();
    // Takes a copy of value and then clears the caller's VARIANT.
    CPropertyRecord(const char* name, const char* variableName, VARIANT& value, VARTYPE vt, BOOL changed);
    CPropertyRecord(const CPropertyRecord& other);
    CPropertyRecord& operator=(const CPropertyRecord& other);
    ~CPropertyRecord();

    // The value as narrow text when it is a VT_BSTR (a NULL BSTR is empty
    // text); empty for any other type.
    CStr GetValueText() const;

    CStr m_strName;
    CStr m_strVariableName;
    VARIANT m_value;
    VARTYPE m_vt;
    BYTE m_bChanged;
    BYTE m_bCanGet;
    BYTE m_bCanPut;
    BYTE m_spare;

private:
    void CopyValueFrom(const VARIANT& source);
};

typedef std::vector<CPropertyRecord> CPropertyRecordList;

// Lookups by property name, ignoring case.
BOOL PropertyListHasName(const CPropertyRecordList& list, const char* name);
BOOL PropertyListIsChanged(const CPropertyRecordList& list, const char* name);
int FindPropertyIndex(const CPropertyRecordList& list, const char* name);
