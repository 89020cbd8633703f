// The text report about one control, written to the current folder under a
// name made of the display name's letters and digits.
#pragma once

#include <windows.h>
#include "browser/ControlMembers.h"
#include "model/common/Str.h"
#include "model/store/ControlCatalogEntry.h"

// The display name's ASCII letters and digits (bytes above 127 are dropped),
// then ".txt".
CStr ReportFileName(const char* displayName);

// The report's text, lines ending in CR LF.
CStr FormatReport(const CControlCatalogEntry& entry, const CControlMembers& members);

// Writes text to fileName; FALSE when the file cannot be created or written.
BOOL WriteReportFile(const char* fileName, const CStr& text);
