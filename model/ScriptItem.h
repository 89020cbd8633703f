// CScriptItem: the base of every action of a script. The action classes
// live in a library above the model; the model makes them by stored type
// name through a factory that library installs.
#pragma once

#include "model/Element.h"

class CScriptItem : public CElement
{
public:
    CScriptItem(const char* sectionName = NULL, CElement* parent = NULL);
    CScriptItem(const CScriptItem& other);
    ~CScriptItem() override;

    CStr GetClassName() const override;
    BOOL AddToTree(HWND tree, HTREEITEM parentItem) override;
    void RenameReferences(const char* oldId, const char* newId) override;

    // FALSE for an action that writes nothing (a Set Property without
    // assignments): its script neither counts nor numbers it when saving.
    virtual BOOL HasStoredForm() const;

    // Releases the members of this base; every action's destructor calls it
    // after releasing its own.
    void DestroyMembers();

    // The id of the page object the action works on; empty when none.
    CStr m_strControlId;
    // Set when the last edit's sheet was confirmed: its fields were then
    // copied back, also when the completeness rule answered FALSE.
    BOOL m_bEditConfirmed;

private:
    CScriptItem& operator=(const CScriptItem&);
};

// Makes a new action for a stored type name (exact, case-sensitive), or
// NULL when the name is unknown.
typedef CScriptItem* (*ScriptItemFactoryFn)(const char* typeName);

// Installs the factory and returns the previous one; NULL removes it.
ScriptItemFactoryFn SetScriptItemFactory(ScriptItemFactoryFn factory);
// NULL when no factory is installed or it does not know the name.
CScriptItem* CreateScriptItem(const char* typeName);
