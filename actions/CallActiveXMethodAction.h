// Call ActiveX Method: one method of a hosted control with its argument
// bindings, each in a section of its own.
#pragma once

#include "model/store/ActiveXMethodParameter.h"
#include "actions/records/CallActiveXMethodRecord.h"
#include "model/ScriptItem.h"

#include <vector>

class CCallActiveXMethodAction : public CScriptItem
{
public:
    CCallActiveXMethodAction(const char* sectionName = NULL, CElement* parent = NULL);
    CCallActiveXMethodAction(const CCallActiveXMethodAction& other);
    ~CCallActiveXMethodAction() override;

    CElement* Clone() const override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    // The method page and its argument pages, started from the action's own
    // fields. An existing action whose edit gives FALSE gets its previous
    // fields back.
    BOOL EditProperties(BOOL bNew) override;
    // The bindings as the method pages fill them, and back; a parameter
    // kept as read has empty bindings here.
    std::vector<CActiveXMethodParameter> GetParameterList() const;
    void SetParameterList(const std::vector<CActiveXMethodParameter>& list);
    BOOL IsComplete() const { return !m_record.method.IsEmpty() && !m_strControlId.IsEmpty(); }

    CCallActiveXMethodRecord m_record;
};
