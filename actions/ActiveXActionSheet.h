// The modal sheet in which the ActiveX actions are edited: titled with the
// action's name in the "properties" style, without an Apply button.
#pragma once

#include "model/ScriptItem.h"
#include "platform/framework/Afx.h"
#include "platform/framework/PropertySheet.h"

// Sets the title and flags and runs the sheet; TRUE when it ended with
// anything but Cancel.
BOOL RunActionSheet(const CScriptItem& action, CPropertySheet& sheet);
