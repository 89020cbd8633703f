// Stored form of Call ActiveX Method: the action's own section and one
// section "%s_Param_%d" per argument.
#pragma once

#include "model/store/DataFile.h"
#include "actions/records/SectionKeys.h"

#include <vector>

// One argument binding. A section without "valueType" is not understood; it
// is kept as read (placeholder) so that the later arguments keep their places.
struct CCallParameterRecord
{
    CStr varName;       // the variable that supplies the argument, or empty
    CStr constValue;    // the literal argument text, or empty
    CStr name;          // from the type information; not stored
    VARTYPE type;
    BYTE optional;      // not stored

    BOOL placeholder;
    BOOL sectionFound;          // placeholder only: whether the section existed
    SectionKeyList storedKeys;  // placeholder only: its key lines as read

    CCallParameterRecord();
    // FALSE when the section is NULL.
    BOOL Save(CDataFile& file, const char* paramSection) const;
    // FALSE (and a placeholder) when the section has no "valueType".
    BOOL Load(const CDataFile& file, const char* paramSection);
};

struct CCallActiveXMethodRecord
{
    CStr method;
    int numParameters;
    VARTYPE returnType;     // VT_VOID when the result is not wanted
    CStr retVariable;
    std::vector<CCallParameterRecord> parameters;

    CCallActiveXMethodRecord();
    // The target object's id is the script item's own; it is passed in.
    BOOL Save(CDataFile& file, const char* section, const char* controlId) const;
    BOOL Load(const CDataFile& file, const char* section, CStr& controlId);

    static CStr ParameterSection(const char* section, int index);
};
