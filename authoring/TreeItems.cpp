#include "authoring/TreeItems.h"

#include "model/ElementContainer.h"
#include "model/Script.h"
#include "model/ScriptItem.h"
#include "model/ScriptableObject.h"

void InsertChildItems(HWND tree, CElement* object, HTREEITEM item)
{
    if (CScriptableObject* scriptable = dynamic_cast<CScriptableObject*>(object))
    {
        scriptable->CScriptableObject::AddToTree(tree, item);
        if (CElementContainer* container = dynamic_cast<CElementContainer*>(object))
        {
            for (size_t i = container->m_children.size(); i-- > 0;)
            {
                if (container->m_children[i])
                    container->m_children[i]->AddToTree(tree, item);
            }
        }
    }
    else if (CScript* script = dynamic_cast<CScript*>(object))
    {
        for (CScriptItem* action : script->m_items)
        {
            if (action)
                action->AddToTree(tree, item);
        }
    }
}
