// CScript: the ordered list of actions (owned) that answers one event of
// its owner; its name is the event's.
#pragma once

#include "model/Element.h"

#include <vector>

class CScriptItem;

class CScript : public CElement
{
public:
    CScript(const char* sectionName = NULL, CElement* parent = NULL);
    CScript(const CScript& other);
    ~CScript() override;

    CElement* Clone() const override;
    BOOL EditProperties(BOOL bNew) override;
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

    // Names the action's section after the last place, adopts and appends it.
    void AppendItem(CScriptItem* item);
    // Tells the views (hint 2) and deletes the action when it is listed;
    // renumbers in every case.
    void DeleteItem(CScriptItem* item);
    void DeleteAllItems();
    // From position on, the first action whose name equals name ignoring
    // case; position is set to its index. NULL when none is left.
    CScriptItem* FindItemFrom(const char* name, int& position) const;

    int GetItemCount() const { return (int)m_items.size(); }
    CScriptItem* GetItem(int index) const { return m_items[index]; }
    BOOL HoldsItem(const CElement* item) const;

    std::vector<CScriptItem*> m_items;

private:
    CScript& operator=(const CScript&);
};

// A new empty script of type "Script", unnamed and without owner.
CScript* CreateScript();
