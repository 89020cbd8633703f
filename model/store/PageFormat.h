// The page-file format both element families read and write: the section
// names of a page's parts, counts bounded by the file, and an element's kind
// from its stored type text.
#pragma once

#include "model/store/DataFile.h"

// A child's section name from its owner's: "<prefix>_<n>" below the page
// ("Main"), "<owner>_<prefix>_<n>" deeper down.
CStr MakeChildSectionName(const char* ownerSection, const char* prefix, int number);
// "<section>_<suffix>_<n>", whatever the section.
CStr NumberedSection(const char* section, const char* suffix, int number);

CStr ElementSectionName(const char* ownerSection, int number);    // "Element"
CStr ScriptSectionName(const char* ownerSection, int number);     // "Script"
CStr ScriptItemSectionName(const char* scriptSection, int number); // "ScriptItem"
CStr ParameterSectionName(const char* section, int index);        // "Param"
CStr PropertySectionName(const char* section, int index);         // "Property"

// A count read from a file, kept between 0 and the file's number of
// sections: every counted part needs a section of its own, so a larger
// count is corrupt and must not decide how much is made or how long a
// loop runs.
int ClampStoredCount(int count, const CDataFile& file);
int ClampStoredCount(int count, const CDataFile* file);

// DrawText flags of a text's stored justification ("left", "center",
// "right"), vertical justification ("top", "center", "bottom": single-line
// texts only) and single-line flag; always DT_NOPREFIX | DT_NOCLIP.
UINT TextFormatFlags(const char* justification, const char* vjustification, BOOL singleline);

enum StoredElementKind
{
    StoredElementNone,
    StoredElementText,
    StoredElementImageList,
    StoredElementImage,
    StoredElementActiveX
};

// How a family matches the type text, ignoring case: the editor finds the
// kind's word anywhere in it, the player only at its start.
enum TypeTextRule
{
    TypeTextContains,
    TypeTextBeginsWith
};

// The kinds are tried in the order Text, ImageList, Image, ActiveX.
StoredElementKind ElementKindFromType(const char* type, TypeTextRule rule);
