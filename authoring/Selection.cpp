#include "authoring/Selection.h"

#include "model/Browser.h"

#include <algorithm>

namespace {

bool IsPage(const CElement* object)
{
    return dynamic_cast<const CBrowser*>(object) != NULL;
}

int Right(const CElement* e) { return e->m_xpos + e->m_width; }
int Bottom(const CElement* e) { return e->m_ypos + e->m_height; }

} // namespace

CSelection::CSelection() : m_pAnchor(NULL), m_pCurrent(NULL)
{
}

void CSelection::Clear()
{
    m_objects.clear();
    m_pCurrent = NULL;
    m_pAnchor = NULL;
}

BOOL CSelection::Contains(const CElement* object) const
{
    return std::find(m_objects.begin(), m_objects.end(), object) != m_objects.end();
}

void CSelection::Add(CElement* object, BOOL extend)
{
    if (object == NULL)
    {
        Clear();
        return;
    }
    if (!extend || IsPage(object) || IsPage(m_pCurrent))
    {
        m_objects.assign(1, object);
        m_pCurrent = object;
        m_pAnchor = IsPage(object) ? NULL : object;
        return;
    }
    // An object already selected only becomes current: a second entry
    // would move it twice.
    if (!Contains(object))
        m_objects.push_back(object);
    m_pCurrent = object;
    if (m_pAnchor == NULL)
        m_pAnchor = object;
}

void CSelection::Remove(CElement* object)
{
    auto found = std::find(m_objects.begin(), m_objects.end(), object);
    if (found == m_objects.end())
        return;
    if (m_objects.size() == 1)
    {
        Clear();
        return;
    }
    m_objects.erase(found);
    m_pCurrent = m_objects.front();
    m_pAnchor = m_objects.front();
}

template <class Better> CElement* CSelection::FindOutermost(Better better) const
{
    CElement* best = m_pCurrent;
    for (CElement* object : m_objects)
    {
        if (best == NULL || better(object, best))
            best = object;
    }
    return best;
}

CElement* CSelection::FindLeftmost() const
{
    return FindOutermost([](const CElement* a, const CElement* b) { return a->m_xpos < b->m_xpos; });
}

CElement* CSelection::FindRightmost() const
{
    return FindOutermost([](const CElement* a, const CElement* b) { return Right(a) > Right(b); });
}

CElement* CSelection::FindTopmost() const
{
    return FindOutermost([](const CElement* a, const CElement* b) { return a->m_ypos < b->m_ypos; });
}

CElement* CSelection::FindBottommost() const
{
    return FindOutermost([](const CElement* a, const CElement* b) { return Bottom(a) > Bottom(b); });
}

void CSelection::AlignLeftOfScreen()
{
    for (CElement* e : m_objects)
        e->m_xpos = 0;
}

void CSelection::AlignRightOfScreen(int width)
{
    for (CElement* e : m_objects)
        e->m_xpos = width - e->m_width;
}

void CSelection::AlignTopOfScreen()
{
    for (CElement* e : m_objects)
        e->m_ypos = 0;
}

void CSelection::AlignBottomOfScreen(int height)
{
    for (CElement* e : m_objects)
        e->m_ypos = height - e->m_height;
}

// Every selected object's edge moved to the outermost one: a smaller one
// for the left and top edges, a larger one for the right and bottom.
template <class Edge, class Place>
static void AlignToOutermost(const std::vector<CElement*>& objects, bool smallest, Edge edge, Place place)
{
    // Both searches start far out: objects far down the page keep their own
    // top instead of moving to a fixed line.
    int outermost = smallest ? 999999 : 0;
    for (CElement* e : objects)
        outermost = smallest ? std::min(outermost, edge(e)) : std::max(outermost, edge(e));
    for (CElement* e : objects)
        place(e, outermost);
}

void CSelection::AlignLeftItem()
{
    AlignToOutermost(m_objects, true, [](CElement* e) { return e->m_xpos; },
                     [](CElement* e, int left) { e->m_xpos = left; });
}

void CSelection::AlignRightItem()
{
    AlignToOutermost(m_objects, false, Right, [](CElement* e, int right) { e->m_xpos = right - e->m_width; });
}

void CSelection::AlignTopItem()
{
    AlignToOutermost(m_objects, true, [](CElement* e) { return e->m_ypos; },
                     [](CElement* e, int top) { e->m_ypos = top; });
}

void CSelection::AlignBottomItem()
{
    AlignToOutermost(m_objects, false, Bottom, [](CElement* e, int bottom) { e->m_ypos = bottom - e->m_height; });
}

void CSelection::SpaceEvenly(bool columns, int limit)
{
    int n = (int)m_objects.size();
    if (n < 2)
        return;
    CElement* first = columns ? FindLeftmost() : FindTopmost();
    CElement* last = columns ? FindRightmost() : FindBottommost();
    if (first == NULL || last == NULL)
        return;
    auto pos = [columns](CElement* e) -> int& { return columns ? e->m_xpos : e->m_ypos; };
    auto size = [columns](const CElement* e) { return columns ? e->m_width : e->m_height; };
    // Selection sort by position; a later object replaces the candidate
    // only when strictly smaller.
    for (int i = 0; i < n; ++i)
    {
        int smallest = i;
        for (int j = i + 1; j < n; ++j)
        {
            if (pos(m_objects[j]) < pos(m_objects[smallest]))
                smallest = j;
        }
        std::swap(m_objects[i], m_objects[smallest]);
    }
    // The sizes as they are now, not as they were when selected.
    int sum = 0;
    for (CElement* e : m_objects)
        sum += size(e);
    int gap = (pos(last) + size(last) - sum - pos(first)) / (n - 1);
    int next = pos(first) + size(first) + gap;
    for (CElement* e : m_objects)
    {
        if (e == first || e == last)
            continue;
        pos(e) = std::min(limit - size(e), next);
        next += gap + size(e);
    }
}

void CSelection::SpaceEvenlyColumns(int width)
{
    SpaceEvenly(true, width);
}

void CSelection::SpaceEvenlyRows(int height)
{
    SpaceEvenly(false, height);
}

void CSelection::CenterLeftRight(int width)
{
    if (m_pAnchor == NULL || m_pCurrent == NULL)
        return;
    CElement* left = FindLeftmost();
    CElement* right = FindRightmost();
    int offset = (left->m_xpos + width - right->m_width - right->m_xpos) / 2 - left->m_xpos;
    for (CElement* e : m_objects)
        e->m_xpos += offset;
}

void CSelection::CenterTopBottom(int height)
{
    if (m_pAnchor == NULL || m_pCurrent == NULL)
        return;
    CElement* top = FindTopmost();
    CElement* bottom = FindBottommost();
    int offset = (top->m_ypos + height - bottom->m_height - bottom->m_ypos) / 2 - top->m_ypos;
    for (CElement* e : m_objects)
        e->m_ypos += offset;
}
