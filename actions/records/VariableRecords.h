// Stored forms of the two variable actions.
#pragma once

#include "model/store/DataFile.h"
#include "actions/records/StoredVariant.h"

// "Create Variable" (also read from "SetVariable").
struct CCreateVariableRecord
{
    CStr varName;
    CStr owner;             // id of the object whose script holds the action
    long scope;             // 0 global, 1 local
    CStoredVariant value;   // its VARTYPE is the variable's type

    CCreateVariableRecord();
    BOOL Save(CDataFile& file, const char* section) const;
    BOOL Load(const CDataFile& file, const char* section);
};

// "Modify Variable".
struct CModifyVariableRecord
{
    CStr mainOp;            // "Equals", "Plus", "Minus", "Times", "Divide"
    CStr targetVar;
    CStr srcVar;            // empty when the constant is used
    CStoredVariant value;   // the constant

    CModifyVariableRecord();
    BOOL Save(CDataFile& file, const char* section) const;
    BOOL Load(const CDataFile& file, const char* section);
};
