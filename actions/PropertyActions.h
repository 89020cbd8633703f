// Set Property and Get Property: both name their object by the script
// item's target id.
#pragma once

#include "model/store/PropertyRecord.h"
#include "actions/records/PropertyRecords.h"
#include "model/ScriptItem.h"

class CElementContainer;

class CSetPropertyAction : public CScriptItem
{
public:
    CSetPropertyAction(const char* sectionName = NULL, CElement* parent = NULL);
    CSetPropertyAction(const CSetPropertyAction& other);
    ~CSetPropertyAction() override;

    CElement* Clone() const override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    // Without assignments the action has no stored form: Save writes
    // nothing, and its script leaves it out of its count and numbering.
    BOOL HasStoredForm() const override { return m_record.IsStorable(); }

    // A new action first chooses its object; an existing one opens the
    // generic page (Advanced) or its object's own property choice.
    BOOL EditProperties(BOOL bNew) override;
    BOOL ChooseTarget();
    // The generic page over a copy of the assignments.
    BOOL EditAdvanced();

    void AddAssignment(const char* property, const char* variableName, const VARIANT& value,
                       VARTYPE valueType, BOOL changed);

    // The "src" assignment of an image element that the action targets.
    BOOL GetImageSource(CElement* object, CStr& source) const;
    // The same, whatever the target: FALSE when there is no "src" assignment.
    BOOL GetSourceAssignment(CStr& source) const;
    // Sets "src" to a name already stored, appending it when missing; an
    // empty name removes only the "src" assignment.
    void SetSourceAssignment(const char* storedName);
    // Imports the picture and sets "src"; an empty path drops "src", and
    // deletes the action from its script when no assignment is left: FALSE
    // tells the caller that the action is gone.
    BOOL SetImageSource(CElement* object, const char* path);
    // Marks the target's own properties that the assignments touch.
    void MarkTargetProperties(CElementContainer* page) const;

    CSetPropertyRecord m_record;
};

class CGetPropertyAction : public CScriptItem
{
public:
    CGetPropertyAction(const char* sectionName = NULL, CElement* parent = NULL);
    CGetPropertyAction(const CGetPropertyAction& other);
    ~CGetPropertyAction() override;

    CElement* Clone() const override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    BOOL EditProperties(BOOL bNew) override;
    BOOL IsComplete() const { return !m_record.variableName.IsEmpty() && !m_record.property.IsEmpty(); }

    CGetPropertyRecord m_record;
};
