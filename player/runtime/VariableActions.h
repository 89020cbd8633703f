// Create Variable and Modify Variable at run time.
#pragma once

#include "player/runtime/ScriptItem.h"
#include "actions/records/VariableRecords.h"

namespace Tarvex {

// "Create Variable" and "SetVariable".
class CSetVariableAction : public CScriptItem
{
public:
    CSetVariableAction(const char* typeName, const char* section, CElement* parent);

    // The scope's list, the variable found or created in it, the value
    // copied in (text run through the substitution).
    int Execute() override;

    const CCreateVariableRecord& GetRecord() const { return m_record; }

protected:
    // The stored keys; with "flag" "registry" the value is the text of
    // "registryValueName" under HKEY_CURRENT_USER\"registryKey".
    void LoadAction(const CDataFile& file, const char* section) override;

private:
    CCreateVariableRecord m_record;
};

// "Modify Variable".
class CModifyVariableAction : public CScriptItem
{
public:
    CModifyVariableAction(const char* typeName, const char* section, CElement* parent);

    int Execute() override;

protected:
    void LoadAction(const CDataFile& file, const char* section) override;

private:
    CModifyVariableRecord m_record;
};

// target = target op operand for "Plus", "Minus", "Times", "Divide" when
// both have one type that the operation knows (text only for "Plus");
// anything else leaves the target unchanged. FALSE when nothing changed.
BOOL ApplyArithmetic(const char* op, VARIANT& target, const VARIANT& operand);

} // namespace Tarvex
