#include "ScriptItem.h"

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
    : CElement(sectionName, parent)
{
    m_strType = "ScriptItem";
}

CScriptItem::CScriptItem(const CScriptItem& other)
    : CElement(other), m_strControlId(other.m_strControlId)
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
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parentItem;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(m_strName.c_str());
    insert.item.iImage = 13;
    insert.item.iSelectedImage = 13;
    insert.item.lParam = (LPARAM)this;
    SendMessageA(tree, TVM_INSERTITEMA, 0, (LPARAM)&insert);
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
