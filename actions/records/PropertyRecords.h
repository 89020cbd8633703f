// Stored forms of Set Property and Get Property. The target object's id is
// the script item's own and is passed in.
#pragma once

#include "model/store/DataFile.h"
#include "model/store/PropertyRecord.h"

// One assignment of Set Property is a CPropertyRecord; these read and write
// its stored form.
// A new assignment: empty names, the value VT_I4 0, value type VT_BSTR, no flags.
CPropertyRecord NewPropertyAssignment();
BOOL SavePropertyAssignment(const CPropertyRecord& assignment, CDataFile& file, const char* section);
// Every loaded assignment counts as changed, readable and writable.
BOOL LoadPropertyAssignment(CPropertyRecord& assignment, const CDataFile& file, const char* section);

// A copy of its own; a copy that fails leaves VT_ERROR holding the HRESULT.
void SetAssignmentValue(CPropertyRecord& assignment, const VARIANT& value);
void SetAssignmentText(CPropertyRecord& assignment, const char* text);   // VT_BSTR
// The value as the data file writes it; a NULL BSTR reads as empty.
CStr AssignmentValueText(const CPropertyRecord& assignment);

struct CSetPropertyRecord
{
    BOOL multi;         // as read; the writer derives it from the list size
    BOOL advanced;      // edited on the generic property page
    CPropertyRecordList assignments;

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
