// Steps every action class shares. Each class also has IsComplete: the rule
// by which a confirmed edit keeps the action (a new one that fails it is
// dropped again), without any window.
#pragma once

#include "model/ScriptItem.h"

// A new action's name is its stored type name; its type text "ScriptItem".
void InitActionNames(CScriptItem& item, const char* typeName);

// The temporary folder the data-file actions store paths against: the
// editor's when it offers one, else the system's.
CStr GetActionTempFolder();
