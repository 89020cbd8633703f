// CElementContainer: a scriptable element that holds an ordered list of
// child elements (owned) and a size of its own.
#pragma once

#include "model/ScriptableObject.h"

#include <vector>

class CElementContainer : public CScriptableObject
{
public:
    CElementContainer(const char* sectionName = NULL, CElement* parent = NULL);
    CElementContainer(const CElementContainer& other);
    // Frees the list only: the owner deletes the children first
    // (DeleteAllElements).
    ~CElementContainer() override;

    BOOL HitTest(POINT pt) const override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    BOOL AddChild(CElement* child) override;
    CElement* DropChild(CElement* dragged, CElement* target) override;
    BOOL RemoveChild(CElement* child) override;
    int GetChildCount() const override;
    void RenameChildren() override;
    CElement* FindBySerial(int serial) override;
    void MoveChild(CElement* child, int direction) override;

    virtual SIZE GetSize() const;
    virtual CElement* ChildFromPoint(POINT pt);
    virtual CElement* FindChildById(const char* id);

    void DeleteAllElements();
    BOOL HoldsChild(const CElement* child) const;

    std::vector<CElement*> m_children;
    int m_containerWidth;
    int m_containerHeight;

private:
    CElementContainer& operator=(const CElementContainer&);
};
