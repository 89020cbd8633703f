// Create Variable and Modify Variable.
#pragma once

#include "model/ScriptItem.h"
#include "actions/records/VariableRecords.h"

// Create Variable. A loaded one also declares its variable in the page's
// design-time lists, from which the other action pages offer variables.
class CSetVariableAction : public CScriptItem
{
public:
    CSetVariableAction(const char* sectionName = NULL, CElement* parent = NULL);
    CSetVariableAction(const CSetVariableAction& other);
    ~CSetVariableAction() override;

    CElement* Clone() const override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    // The Create Variable page; a new variable joins the page's lists.
    BOOL EditProperties(BOOL bNew) override;
    BOOL IsComplete() const { return TRUE; }

    CCreateVariableRecord m_record;
};

class CModifyVariableAction : public CScriptItem
{
public:
    CModifyVariableAction(const char* sectionName = NULL, CElement* parent = NULL);
    CModifyVariableAction(const CModifyVariableAction& other);
    ~CModifyVariableAction() override;

    CElement* Clone() const override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    // The constant page and the variable page; the one confirmed decides.
    BOOL EditProperties(BOOL bNew) override;
    BOOL IsComplete() const { return TRUE; }

    CModifyVariableRecord m_record;
};
