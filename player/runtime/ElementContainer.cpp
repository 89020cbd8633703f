#include "player/runtime/ElementContainer.h"

#include <stdio.h>

#include <algorithm>

namespace Tarvex {

CElementContainer::CElementContainer(const char* section, CElement* parent)
    : CScriptableObject(section, parent), m_width(0), m_height(0)
{
}

CElementContainer::~CElementContainer()
{
    DeleteChildren();
}

void CElementContainer::DeleteChildren()
{
    std::vector<CElement*> children;
    children.swap(m_children);
    for (CElement* child : children)
        delete child;
}

BOOL CElementContainer::Load(const CDataFile& file)
{
    file.GetInt(m_sectionName, "width", m_width);
    file.GetInt(m_sectionName, "height", m_height);
    return CScriptableObject::Load(file);
}

BOOL CElementContainer::Draw(const CDrawContext& context)
{
    for (CElement* child : m_children)
    {
        if (child->IsLoaded())
            child->Draw(context);
    }
    return TRUE;
}

void CElementContainer::AppendChild(CElement* child)
{
    child->SetParent(this);
    m_children.push_back(child);
}

BOOL CElementContainer::AddChild(CElement* child)
{
    AppendChild(child);
    RenameChildren();
    return TRUE;
}

BOOL CElementContainer::RemoveChild(CElement* child)
{
    auto found = std::find(m_children.begin(), m_children.end(), child);
    if (found == m_children.end())
        return FALSE;
    m_children.erase(found);
    delete child;
    RenameChildren();
    return TRUE;
}

void CElementContainer::RenameChildren()
{
    int number = 0;
    for (CElement* child : m_children)
    {
        if (!child)
            continue;
        child->SetSectionName(ElementSectionName(m_sectionName, ++number));
        child->RenameChildren();
    }
}

CElement* CElementContainer::FindBySerial(LONG serial)
{
    if (serial == m_serial)
        return this;
    for (CElement* child : m_children)
    {
        if (CElement* found = child->FindBySerial(serial))
            return found;
    }
    return NULL;
}

SIZE CElementContainer::GetSize() const
{
    SIZE size = { m_width, m_height };
    return size;
}

void CElementContainer::SetSize(SIZE size)
{
    m_width = size.cx;
    m_height = size.cy;
}

CElement* CElementContainer::ChildFromPoint(int x, int y) const
{
    POINT point = { x, y };
    for (auto it = m_children.rbegin(); it != m_children.rend(); ++it)
    {
        if ((*it)->IsLoaded() && (*it)->HitTest(point))
            return *it;
    }
    return NULL;
}

} // namespace Tarvex
