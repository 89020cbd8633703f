// CElementContainer (run-time): a scriptable object that owns child
// elements and has a size of its own.
#pragma once

#include "player/runtime/ScriptableObject.h"

#include <vector>

namespace Tarvex {

class CElementContainer : public CScriptableObject
{
public:
    CElementContainer(const char* section, CElement* parent);
    ~CElementContainer() override;

    // "width", "height", then the scriptable part.
    BOOL Load(const CDataFile& file) override;
    // Never the container itself: only its children are hit.
    BOOL HitTest(POINT point) const override { (void)point; return FALSE; }
    // Every loaded child draws, in list order (later ones on top).
    BOOL Draw(const CDrawContext& context) override;
    // Sets the child's parent, appends it and renames the children.
    BOOL AddChild(CElement* child) override;
    // Deletes the child and renames the rest; FALSE when it is no child.
    BOOL RemoveChild(CElement* child) override;
    int GetChildCount() const override { return (int)m_children.size(); }
    // "Element_%d" under "Main", else "<section>_Element_%d".
    void RenameChildren() override;
    CElement* FindBySerial(LONG serial) override;

    virtual SIZE GetSize() const;
    virtual void SetSize(SIZE size);
    // The last loaded child whose hit test holds the point; never the
    // container itself.
    virtual CElement* ChildFromPoint(int x, int y) const;
    // Nonzero lets the message be translated and dispatched.
    virtual BOOL PreTranslateMessage(MSG* msg) { (void)msg; return 1; }

    CElement* GetChild(int index) const { return m_children[index]; }
    void DeleteChildren();

protected:
    // Appends without renaming: the child keeps the section it is read from.
    void AppendChild(CElement* child);

    std::vector<CElement*> m_children;
    int m_width;
    int m_height;

private:
    CElementContainer(const CElementContainer&);
    CElementContainer& operator=(const CElementContainer&);
};

} // namespace Tarvex
