// The action-type table from which the author adds actions, and the stored
// type names from which a script recreates its actions.
#pragma once

#include "model/ScriptItem.h"

typedef CScriptItem* (*ActionFactoryFn)();

// One row: the display name's string id, the stored type name, the factory
// (NULL result when memory runs out) and whether a "PreLoad" script offers it.
struct CScriptItemType
{
    UINT stringId;
    const char* typeName;
    ActionFactoryFn factory;
    BOOL offeredInPreLoad;
};

// Makes the twenty rows ready and installs the factory through which
// scripts load their actions, and the model's Set Property hooks. Called
// once before any list is filled.
void BuildActionTypeTable();
int GetActionTypeCount();
// NULL for a row outside the table.
const CScriptItemType* GetActionType(int row);

// Script names compared ignoring case: a "PreLoad" script offers fewer rows.
BOOL IsPreLoadScriptName(const char* scriptName);

// A new action for a stored type name (exact, case-sensitive) with that name;
// besides the rows' names "ExecuteGlobalScript" and "SetVariable". NULL for
// any other name.
CScriptItem* CreateActionForTypeName(const char* typeName);

// The display text of Execute Global Script, which no row offers.
const UINT kExecuteGlobalScriptStringId = 61294;
