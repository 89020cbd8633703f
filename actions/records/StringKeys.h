// String fields of a stored record and the keys they stand under, written
// and read as one list.
#pragma once

#include "model/store/DataFile.h"

#include <initializer_list>
#include <utility>

typedef std::initializer_list<std::pair<const char*, const CStr*> > SavedStringKeys;
typedef std::initializer_list<std::pair<const char*, CStr*> > LoadedStringKeys;

// Writes each field under its key, in the order given; FALSE, writing
// nothing, without a section.
BOOL SaveStringKeys(CDataFile& file, const char* section, SavedStringKeys keys);
// Reads each key the section has into its field; a missing key leaves its
// field as it was. Always TRUE.
BOOL LoadStringKeys(const CDataFile& file, const char* section, LoadedStringKeys keys);
// Writes preferred under preferredKey when it is not empty, otherwise
// fallback under fallbackKey: the two are stored as alternatives.
void SaveEitherStringKey(CDataFile& file, const char* section, const char* preferredKey,
                         const CStr& preferred, const char* fallbackKey, const CStr& fallback);
