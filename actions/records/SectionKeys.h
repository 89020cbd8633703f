// The key lines of one section taken whole, for stored parts that are kept
// as they were read rather than understood.
#pragma once

#include "model/store/DataFile.h"

#include <utility>
#include <vector>

typedef std::vector<std::pair<CStr, CStr> > SectionKeyList;

// The section's key lines in file order; FALSE when the section is missing.
BOOL ReadSectionKeys(const CDataFile& file, const char* section, SectionKeyList& keys);
// Writes keys so that they stand in the file in the order given.
void WriteSectionKeys(CDataFile& file, const char* section, const SectionKeyList& keys);
