#include "model/ScriptItem.h"

#include "model/ElementSupport.h"

#include <string.h>

static ScriptItemFactoryFn g_scriptItemFactory = NULL;

ScriptItemFactoryFn SetScriptItemFactory(ScriptItemFactoryFn factory)
{
    ScriptItemFactoryFn previous = g_scriptItemFactory;
    g_scriptItemFactory = factory;
    return previous;
}

CScriptItem* CreateScriptItem(const char* typeName)
{
    if (g_scriptItemFactory == NULL || typeName == NULL)
        return NULL;
    return g_scriptItemFactory(typeName);
}

CScriptItem::CScriptItem(const char* sectionName, CElement* parent)
    : CElement(sectionName, parent), m_bEditConfirmed(FALSE)
{
    m_strType = "ScriptItem";
}

CScriptItem::CScriptItem(const CScriptItem& other)
    : CElement(other), m_strControlId(other.m_strControlId), m_bEditConfirmed(FALSE)
{
}

CScriptItem::~CScriptItem()
{
    DestroyMembers();
}

void CScriptItem::DestroyMembers()
{
    m_strControlId.Empty();
}

CStr CScriptItem::GetClassName() const
{
    return CStr("CScriptItem");
}

BOOL CScriptItem::AddToTree(HWND tree, HTREEITEM parentItem)
{
    if (tree == NULL)
        return FALSE;
    InsertElementTreeItem(tree, parentItem, m_strName, 13, this);
    return TRUE;
}

void CScriptItem::RenameReferences(const char* oldId, const char* newId)
{
    if (oldId != NULL && strcmp(m_strControlId, oldId) == 0)
        m_strControlId = newId;
}

BOOL CScriptItem::HasStoredForm() const
{
    return TRUE;
}
