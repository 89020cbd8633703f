#include "model/ElementContainer.h"

#include "model/store/DataFile.h"
#include "model/Script.h"

#include <string.h>
#include <utility>

CElementContainer::CElementContainer(const char* sectionName, CElement* parent)
    : CScriptableObject(sectionName, parent), m_containerWidth(0), m_containerHeight(0)
{
}

CElementContainer::CElementContainer(const CElementContainer& other)
    : CScriptableObject(other), m_containerWidth(other.m_containerWidth),
      m_containerHeight(other.m_containerHeight)
{
    for (CElement* child : other.m_children) {
        if (child == NULL)
            continue;
        CElement* copy = child->Clone();
        if (copy != NULL)
            AddChild(copy);
    }
}

CElementContainer::~CElementContainer()
{
}

BOOL CElementContainer::HoldsChild(const CElement* child) const
{
    for (CElement* c : m_children) {
        if (c != NULL && c == child)
            return TRUE;
    }
    return FALSE;
}

BOOL CElementContainer::HitTest(POINT pt) const
{
    return pt.x >= m_xpos && pt.x < m_xpos + m_containerWidth &&
           pt.y >= m_ypos && pt.y < m_ypos + m_containerHeight;
}

BOOL CElementContainer::Load(CDataFile* file, BOOL keepId)
{
    if (file == NULL)
        return FALSE;
    file->GetInt(m_strSectionName, "width", m_containerWidth);
    file->GetInt(m_strSectionName, "height", m_containerHeight);
    return CScriptableObject::Load(file, keepId);
}

BOOL CElementContainer::Save(CDataFile* file)
{
    if (file == NULL)
        return FALSE;
    const char* section = m_strSectionName;
    file->SetInt(section, "width", m_containerWidth);
    file->SetInt(section, "height", m_containerHeight);
    file->SetInt(section, "numElements", GetChildCount());
    BOOL childrenSaved = TRUE;
    for (CElement* child : m_children) {
        if (child != NULL && !child->Save(file)) {
            childrenSaved = FALSE;
            break;
        }
    }
    BOOL restSaved = CScriptableObject::Save(file);
    // Without this a file missing some elements would be reported as saved.
    return childrenSaved && restSaved;
}

BOOL CElementContainer::AddChild(CElement* child)
{
    if (child == NULL)
        return FALSE;
    child->m_pParent = this;
    if (dynamic_cast<CElementContainer*>(child) != NULL)
        return TRUE;
    if (child->m_strType == "Script")
        return CScriptableObject::AddChild(child);
    m_children.push_back(child);
    // Appending renames only the newcomer while the list before it is named
    // in order: renaming every sibling at each add made loading a page
    // quadratic in its elements.
    int count = (int)m_children.size();
    CElement* before = count > 1 ? m_children[count - 2] : NULL;
    if (count > 1 && (before == NULL || before->m_strSectionName != ElementSectionName(m_strSectionName, count - 1)))
    {
        RenameChildren();
        return TRUE;
    }
    child->m_strSectionName = ElementSectionName(m_strSectionName, count);
    child->RenameChildren();
    return TRUE;
}

CElement* CElementContainer::DropChild(CElement* dragged, CElement* target)
{
    if (dynamic_cast<CScript*>(dragged) != NULL)
        return CScriptableObject::DropChild(dragged, target);
    if (dynamic_cast<CScriptableObject*>(dragged) == NULL)
        return NULL;
    if (target != this && dynamic_cast<CScriptableObject*>(target) == NULL)
        return NULL;
    // Checked before anything is removed: a move that cannot end in this
    // list would otherwise delete the dragged element and lose its copy.
    if (dragged == target || dragged == this)
        return NULL;
    if (target != this && !HoldsChild(target))
        return NULL;
    CElementContainer* owner = dynamic_cast<CElementContainer*>(dragged->m_pParent);
    if (owner == NULL || !owner->HoldsChild(dragged))
        return NULL;
    CElement* copy = dragged->Clone();
    if (copy == NULL)
        return NULL;

    owner->RemoveChild(dragged);
    copy->m_pParent = this;
    if (target == this) {
        m_children.push_back(copy);
        RenameChildren();
        return copy;
    }
    for (size_t i = 0; i < m_children.size(); ++i) {
        if (m_children[i] == target) {
            m_children.insert(m_children.begin() + i, copy);
            MoveChild(target, 0);
            return copy;
        }
    }
    return copy;  // not reached: the target was checked above
}

BOOL CElementContainer::RemoveChild(CElement* child)
{
    for (size_t i = 0; i < m_children.size(); ++i) {
        if (m_children[i] != NULL && m_children[i] == child) {
            m_children.erase(m_children.begin() + i);
            delete child;
            RenameChildren();
            return TRUE;
        }
    }
    return CScriptableObject::RemoveChild(child);
}

int CElementContainer::GetChildCount() const
{
    int count = 0;
    for (CElement* child : m_children) {
        if (child != NULL)
            ++count;
    }
    return count;
}

void CElementContainer::RenameChildren()
{
    int n = 0;
    for (CElement* child : m_children) {
        if (child == NULL)
            continue;
        child->m_strSectionName = ElementSectionName(m_strSectionName, ++n);
        child->RenameChildren();
    }
    CScriptableObject::RenameChildren();
}

CElement* CElementContainer::FindBySerial(int serial)
{
    if (m_serial == serial)
        return this;
    for (CElement* child : m_children) {
        if (child != NULL && child->m_serial == serial)
            return child;
    }
    return NULL;
}

void CElementContainer::MoveChild(CElement* child, int direction)
{
    if (!HoldsChild(child)) {
        CScriptableObject::MoveChild(child, direction);
        return;
    }
    for (size_t i = 0; i < m_children.size(); ++i) {
        if (m_children[i] != child)
            continue;
        if (direction == 0 && i > 0)
            std::swap(m_children[i], m_children[i - 1]);
        else if (direction == 1 && i + 1 < m_children.size())
            std::swap(m_children[i], m_children[i + 1]);
        else
            return;
        RenameChildren();
        return;
    }
}

SIZE CElementContainer::GetSize() const
{
    SIZE size = { m_containerWidth, m_containerHeight };
    return size;
}

CElement* CElementContainer::ChildFromPoint(POINT pt)
{
    CElement* hit = NULL;
    for (CElement* child : m_children) {
        if (child != NULL && child->HitTest(pt))
            hit = child;
    }
    if (hit != NULL)
        return hit;
    return HitTest(pt) ? this : NULL;
}

CElement* CElementContainer::FindChildById(const char* id)
{
    if (lstrcmpA(m_strId, id) == 0)
        return this;
    for (CElement* child : m_children) {
        if (child != NULL && lstrcmpA(child->m_strId, id) == 0)
            return child;
    }
    return NULL;
}

void CElementContainer::DeleteAllElements()
{
    for (CElement* child : m_children)
        delete child;
    m_children.clear();
}
