// Names of VARTYPEs and the text form of VARIANT values.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include "model/common/Str.h"

// The VARENUM name of the value, NULL when it has none (combinations such as
// VT_BYREF | VT_I4 have none); where names share a value the first listed wins.
const char* GetVarTypeName(VARTYPE vt);

// The value as text: "TRUE"/"FALSE" for VT_BOOL, otherwise the value
// converted to a BSTR; empty when it cannot be converted.
CStr VariantToText(const VARIANT& value);

// Replaces the value with the text (NULL: empty) as a VT_BSTR; VT_ERROR
// holding E_OUTOFMEMORY when the string cannot be made.
void SetVariantText(VARIANT& value, const char* text);
// The same for length bytes of text, NUL bytes among them kept.
void SetVariantText(VARIANT& value, const char* text, int length);
