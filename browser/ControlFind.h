// Finding a control in the catalogue by part of its display name, ProgID
// or ClassID, ignoring case.
#pragma once

#include "model/store/ControlCatalog.h"

// TRUE when text occurs in the entry's display name, ProgID or ClassID,
// both upper-cased.
BOOL ControlMatches(const CControlCatalogEntry& entry, const char* text);

// The first matching entry from start to the last, then from the first up
// to start itself (the entry before start is reached last); -1 without a
// match or with an empty text. A start outside the list begins at the
// first entry.
int FindControl(const CControlCatalog& catalog, const char* text, int start);
