// IF/WHILE, ELSE and ENDIF: the actions that give a script its blocks.
#pragma once

#include "actions/records/ConditionRecords.h"
#include "model/ScriptItem.h"

// The string-table id of an operator's text (0 "is false" to 6 "is greater
// than or equal to"); 0 for any other code.
UINT GetOperatorStringId(int code);

class CIfWhileAction : public CScriptItem
{
public:
    CIfWhileAction(const char* sectionName = NULL, CElement* parent = NULL);
    CIfWhileAction(const CIfWhileAction& other);
    ~CIfWhileAction() override;

    CElement* Clone() const override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    // The comparison page and the If Exists page.
    BOOL EditProperties(BOOL bNew) override;
    // A path alone, or a tested variable with an operator 0 to 6.
    static BOOL IsComplete(const CIfWhileRecord& test);
    BOOL IsComplete() const { return IsComplete(m_record); }

    CIfWhileRecord m_record;
};

// No keys and no sheet of their own.
class CElseAction : public CScriptItem
{
public:
    CElseAction(const char* sectionName = NULL, CElement* parent = NULL);
    CElseAction(const CElseAction& other);
    ~CElseAction() override;

    CElement* Clone() const override;
    BOOL EditProperties(BOOL bNew) override;
    BOOL IsComplete() const { return TRUE; }
};

class CEndIfAction : public CScriptItem
{
public:
    CEndIfAction(const char* sectionName = NULL, CElement* parent = NULL);
    CEndIfAction(const CEndIfAction& other);
    ~CEndIfAction() override;

    CElement* Clone() const override;
    BOOL EditProperties(BOOL bNew) override;
    BOOL IsComplete() const { return TRUE; }
};
