// What the model asks of Set Property actions, whose class lives in the
// actions library above the model: that library installs these hooks. Each
// hook answers FALSE for an action of another class. Without hooks the
// model treats no action as a Set Property action.
#pragma once

#include "model/common/Str.h"

#include <windows.h>

class CScriptItem;
class CElementContainer;

struct SetPropertyHooks
{
    // The value of the action's "src" assignment as text; FALSE when the
    // action holds none.
    BOOL (*getImageSource)(const CScriptItem* action, CStr& source);
    // Sets the "src" assignment to the stored name, appending one when it is
    // missing; an empty name removes only the "src" assignment.
    BOOL (*setImageSource)(CScriptItem* action, const char* storedName);
    // Marks the target's own properties that the assignments touch.
    BOOL (*markTargetProperties)(CScriptItem* action, CElementContainer* page);
};

// Installs the hooks (copied) and returns nothing; NULL removes them.
void SetSetPropertyHooks(const SetPropertyHooks* hooks);
// NULL when none are installed.
const SetPropertyHooks* GetSetPropertyHooks();
