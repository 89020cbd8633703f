// CScriptItem (run-time): the base of every action of a script; Execute
// performs the action and its result steers the interpreter.
#pragma once

#include "player/runtime/Element.h"

namespace Tarvex {

// Results of CScriptItem::Execute; any but the first three ends the run.
enum ScriptResult
{
    ResultGoOn = 0,
    ResultTrue = 1,            // IF/WHILE whose condition holds
    ResultFalse = 2,           // IF/WHILE whose condition fails
    ResultObjectMissing = 6,
    ResultPropertyFailed = 7,
    ResultNoEvent = 9,         // event-parameter scope outside a control event
    ResultBadScope = 10,
    ResultVariableMissing = 11,
};

class CScriptItem : public CElement
{
public:
    // typeName: the stored type text ("name" key), kept as the item's name.
    CScriptItem(const char* typeName, const char* section, CElement* parent);
    ~CScriptItem() override;

    virtual int Execute() = 0;

    // The action's own keys, then the base keys; TRUE.
    BOOL Load(const CDataFile& file) override;

    // The id of the page object the action works on; empty when none.
    const CStr& GetControlId() const { return m_strControlId; }

protected:
    // Reads the action's own keys from its section.
    virtual void LoadAction(const CDataFile& file, const char* section) = 0;

    CStr m_strControlId;

private:
    CScriptItem(const CScriptItem&);
    CScriptItem& operator=(const CScriptItem&);
};

// A new action for a stored type name (exact, case-sensitive) with its
// section and parent; NULL for an unknown name.
CScriptItem* CreateScriptItem(const char* typeName, const char* section, CElement* parent);

} // namespace Tarvex
