// Stored forms of Set Property and Get Property. The target object's id is
// the script item's own and is passed in.
#pragma once

#include "DataFile.h"
#include "StoredVariant.h"

#include <vector>

// One assignment of Set Property: the same fields as an object's property
// record, kept here so that the stored form needs no object model.
struct CPropertyAssignment
{
    CStr property;
    CStr variableName;      // empty for a constant
    CStoredVariant value;
    VARTYPE valueType;
    BYTE changed;
    BYTE canGet;
    BYTE canPut;
    BYTE spare;

    CPropertyAssignment();  // empty names, VT_I4 0, value type VT_BSTR
    BOOL Save(CDataFile& file, const char* section) const;
    // Every loaded assignment counts as changed, readable and writable.
    BOOL Load(const CDataFile& file, const char* section);
};

struct CSetPropertyRecord
{
    BOOL multi;         // as read; the writer derives it from the list size
    BOOL advanced;      // edited on the generic property page
    std::vector<CPropertyAssignment> assignments;

    CSetPropertyRecord();
    // An action without assignments has no stored form at all.
    BOOL IsStorable() const { return !assignments.empty(); }
    // Writes nothing for an empty list.
    BOOL Save(CDataFile& file, const char* section, const char* controlId) const;
    BOOL Load(const CDataFile& file, const char* section, CStr& controlId);
    // The assignments alone: from the numbered sections until one has no
    // "property", or one from the action's own section.
    void LoadAssignments(const CDataFile& file, const char* section, BOOL numbered);

    static CStr AssignmentSection(const char* section, int index);
};

struct CGetPropertyRecord
{
    CStr property;
    CStr variableName;
    long scope;         // 0 global, 1 local

    CGetPropertyRecord();
    BOOL Save(CDataFile& file, const char* section, const char* controlId) const;
    BOOL Load(const CDataFile& file, const char* section, CStr& controlId);
};
