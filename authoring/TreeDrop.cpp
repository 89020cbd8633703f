#include "authoring/TreeDrop.h"

#include "model/Browser.h"
#include "model/ElementContainer.h"
#include "model/Script.h"
#include "model/ScriptableObject.h"

#include <string.h>

namespace {

bool SameClass(const CElement* a, const CElement* b)
{
    return a != NULL && b != NULL && strcmp(a->GetClassName(), b->GetClassName()) == 0;
}

// Only the current page is loaded, so anything of another page is refused;
// an element of another page taken in would leave the page it is stored in.
bool IsOtherPage(CElement* dragged, CElement* target)
{
    return target->GetPage() != dragged->GetPage();
}

// A script goes only where an owner's events name it.
bool ScriptFitsTarget(CElement* dragged, CElement* target)
{
    if (dynamic_cast<CScript*>(dragged) == NULL)
        return true;
    CScriptableObject* owner = dynamic_cast<CScriptableObject*>(target);
    if (owner == NULL && dynamic_cast<CScript*>(target) != NULL)
        owner = dynamic_cast<CScriptableObject*>(target->GetParent());
    return owner != NULL && owner->IsEventScript(dragged);
}

// A drop onto the dragged object's own subtree would make it its own
// descendant.
bool IsWithin(const CElement* target, const CElement* dragged)
{
    for (const CElement* up = target; up != NULL; up = up->GetParent())
    {
        if (up == dragged)
            return true;
    }
    return false;
}

} // namespace

bool IsTreeDropAccepted(CElement* dragged, CElement* target)
{
    if (dragged == NULL || target == NULL || IsOtherPage(dragged, target) || IsWithin(target, dragged))
        return false;
    bool classFits = SameClass(dragged, target) || SameClass(target, dragged->GetParent());
    return classFits && ScriptFitsTarget(dragged, target);
}

bool DropInTree(CElement* dragged, CElement* target, std::vector<CElement*>& changed)
{
    changed.clear();
    if (dragged == NULL || target == NULL || IsWithin(target, dragged) || IsOtherPage(dragged, target) ||
        !ScriptFitsTarget(dragged, target))
        return false;
    CElement* oldParent = dragged->GetParent();
    CElement* newOwner = NULL;
    if (dynamic_cast<CElementContainer*>(target) == NULL && SameClass(dragged, target))
    {
        newOwner = target->GetParent();
        if (newOwner == NULL || newOwner->DropChild(dragged, target) == NULL)
            return false;
    }
    else if (SameClass(target, oldParent))
    {
        newOwner = target;
        if (target->DropChild(dragged, target) == NULL)
            return false;
    }
    else
    {
        return false;
    }
    changed.push_back(oldParent);
    if (newOwner != oldParent)
        changed.push_back(newOwner);
    return true;
}

HTREEITEM TrackDropTarget(HWND tree, POINT point)
{
    TVHITTESTINFO hit = {};
    hit.pt = point;
    HTREEITEM item = TreeView_HitTest(tree, &hit);
    // The drag image is hidden while the tree repaints the highlight.
    ImageList_DragShowNolock(FALSE);
    TreeView_SelectDropTarget(tree, item);
    ImageList_DragShowNolock(TRUE);
    return item;
}
