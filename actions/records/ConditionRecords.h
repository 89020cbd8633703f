// Stored form of the IF/WHILE test. ELSE and ENDIF store no keys of their own.
#pragma once

#include "model/store/DataFile.h"

struct CIfWhileRecord
{
    CStr path;          // when set, the test is whether it exists
    CStr leftName;
    CStr rightName;
    CStr constValue;    // when set, it takes the place of rightName
    int op;             // 0 to 6, see the operator texts

    CIfWhileRecord();
    BOOL Save(CDataFile& file, const char* section) const;
    BOOL Load(const CDataFile& file, const char* section);
};
