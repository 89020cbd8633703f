// CScriptableObject: an element that carries scripts for its events, a
// table of scriptable properties, and the by-name property protocol.
#pragma once

#include "model/Element.h"
#include "model/store/PropertyRecord.h"

#include <oaidl.h>
#include <vector>

class CScript;

class CScriptableObject : public CElement
{
public:
    CScriptableObject(const char* sectionName = NULL, CElement* parent = NULL);
    CScriptableObject(const CScriptableObject& other);
    ~CScriptableObject() override;

    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    BOOL AddChild(CElement* child) override;
    CElement* DropChild(CElement* dragged, CElement* target) override;
    BOOL RemoveChild(CElement* child) override;
    BOOL CanAcceptChild(CElement* child) override;
    CStr GetClassName() const override;
    BOOL AddToTree(HWND tree, HTREEITEM parentItem) override;
    void RenameChildren() override;
    void MoveChild(CElement* child, int direction) override;
    void RenameReferences(const char* oldId, const char* newId) override;

    // Slots after the base family's.
    // 0 done, 3 unknown name, 6 wrong VARTYPE; this base answers 1.
    // Element classes answer through AccessNamedProperty (ElementSupport.h).
    virtual int AccessProperty(const char* name, VARIANT& value, BOOL put);
    virtual void UpdatePropertyList(CPropertyRecordList& list);
    virtual BOOL ChooseProperties(CPropertyRecordList& list);
    virtual void FillEventList(HWND listBox);
    virtual void OnPropertiesChanged();
    virtual int PutExtraProperty(const char* name, VARIANT& value);
    virtual int GetExtraProperty(const char* name, VARIANT& value);

    std::vector<CScript*> GetScripts() const { return m_scripts; }
    int GetScriptCount() const { return (int)m_scripts.size(); }
    CScript* FindScriptByName(const char* name) const;
    CScript* FindScriptForEvent(const char* eventName) const;
    BOOL IsEventScript(CElement* object) const;
    void AddEventName(const char* name);
    void ClearEventNames() { m_eventNames.clear(); }
    // The events that have no script yet, in event order: what
    // FillEventList offers.
    std::vector<CStr> GetEventsWithoutScript() const;

    std::vector<CScript*> m_scripts;
    CPropertyRecordList m_properties;
    std::vector<CStr> m_eventNames;
    BYTE m_bMouseMoveable;

protected:
    BOOL HoldsScript(const CElement* script) const;
    BOOL SaveScripts(CDataFile* file);

private:
    CScriptableObject& operator=(const CScriptableObject&);
};

// The author's list of value types, each item's data its VARTYPE.
void FillVarTypeCombo(HWND comboBox);
// Selects the first item whose data is vt; FALSE when none has it.
BOOL SelectComboItemByData(HWND comboBox, VARTYPE vt);
