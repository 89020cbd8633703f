// CSelection: the document's selection of page objects in selection order,
// with the Layout menu's alignment, even spacing and centring. A page is
// never part of a multi-selection: selecting one replaces the rest.
#pragma once

#include <windows.h>
#include <vector>

class CElement;

class CSelection
{
public:
    CSelection();

    // Extend adds to the selection; otherwise the object alone is selected.
    // No object clears the selection.
    void Add(CElement* object, BOOL extend);
    void Remove(CElement* object);
    BOOL Contains(const CElement* object) const;
    void Clear();

    CElement* GetCurrent() const { return m_pCurrent; }
    CElement* GetAnchor() const { return m_pAnchor; }
    const std::vector<CElement*>& GetObjects() const { return m_objects; }
    int GetCount() const { return (int)m_objects.size(); }

    void AlignLeftOfScreen();
    void AlignRightOfScreen(int width);
    void AlignTopOfScreen();
    void AlignBottomOfScreen(int height);
    void AlignLeftItem();
    void AlignRightItem();
    void AlignTopItem();
    void AlignBottomItem();
    void SpaceEvenlyColumns(int width);
    void SpaceEvenlyRows(int height);
    void CenterLeftRight(int width);
    void CenterTopBottom(int height);

private:
    // The outermost objects: the current object wins a tie, then the
    // earliest in the list; none for an empty selection.
    CElement* FindLeftmost() const;
    CElement* FindRightmost() const;
    CElement* FindTopmost() const;
    CElement* FindBottommost() const;
    template <class Better> CElement* FindOutermost(Better better) const;
    void SpaceEvenly(bool columns, int limit);

    CElement* m_pAnchor;
    CElement* m_pCurrent;
    std::vector<CElement*> m_objects;
};
