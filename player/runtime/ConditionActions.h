// IF/WHILE, ELSE and ENDIF at run time; ELSE and ENDIF only mark places.
#pragma once

#include "actions/records/ConditionRecords.h"
#include "player/runtime/ScriptItem.h"

namespace Tarvex {

class CIfWhileAction : public CScriptItem
{
public:
    CIfWhileAction(const char* typeName, const char* section, CElement* parent);

    // ResultTrue or ResultFalse.
    int Execute() override;

protected:
    void LoadAction(const CDataFile& file, const char* section) override;

private:
    CIfWhileRecord m_record;
};

class CElseAction : public CScriptItem
{
public:
    CElseAction(const char* typeName, const char* section, CElement* parent);
    int Execute() override { return ResultGoOn; }

protected:
    void LoadAction(const CDataFile&, const char*) override {}
};

class CEndIfAction : public CScriptItem
{
public:
    CEndIfAction(const char* typeName, const char* section, CElement* parent);
    int Execute() override { return ResultGoOn; }

protected:
    void LoadAction(const CDataFile&, const char*) override {}
};

// The comparison of left with right by the operator code (0 "is false" to
// 6 "is greater than or equal to"); FALSE also when a value cannot take
// the comparison type.
BOOL EvaluateCondition(const VARIANT& left, const VARIANT& right, int op);

} // namespace Tarvex
