#include "model/Script.h"
#include "model/PropertySheetHooks.h"

#include "model/KeptScriptItem.h"

#include "model/store/DataFile.h"
#include "model/EditorServices.h"
#include "model/ElementSupport.h"
#include "model/ScriptItem.h"

#include <utility>

CScript::CScript(const char* sectionName, CElement* parent)
    : CElement(sectionName, parent)
{
    m_strType = "Script";
}

CScript::CScript(const CScript& other)
    : CElement(other)
{
    for (CScriptItem* item : other.m_items) {
        if (item == NULL)
            continue;
        CScriptItem* copy = dynamic_cast<CScriptItem*>(item->Clone());
        if (copy != NULL)
            AppendItem(copy);
    }
}

CScript::~CScript()
{
    DeleteAllItems();
}

CScript* CreateScript()
{
    return new CScript();
}

CElement* CScript::Clone() const
{
    return new CScript(*this);
}

BOOL CScript::EditProperties(BOOL bNew)
{
    return RunEditScriptHook(this, bNew);
}

BOOL CScript::HoldsItem(const CElement* item) const
{
    for (CScriptItem* i : m_items) {
        if (i != NULL && i == item)
            return TRUE;
    }
    return FALSE;
}

BOOL CScript::Load(CDataFile* file, BOOL keepId)
{
    if (file == NULL)
        return FALSE;
    const char* section = m_strSectionName;
    int count = 0;
    file->GetInt(section, "numScriptItems", count);
    // A corrupt count would otherwise make actions without end.
    count = ClampStoredCount(count, file);
    file->GetString(section, "name", m_strName);

    size_t first = m_items.size();
    for (int n = 1; n <= count; ++n) {
        CStr itemSection = ScriptItemSectionName(m_strSectionName, n);
        CStr typeName;
        // Without a name of its own the section would be read as another
        // action of the type before it.
        if (!file->GetString(itemSection, "name", typeName))
            continue;
        CScriptItem* item = CreateScriptItem(typeName);
        // An action this editor does not know is kept as it was stored.
        if (item == NULL)
            item = new CKeptScriptItem(typeName);
        item->m_strSectionName = itemSection;
        item->m_pParent = this;
        m_items.push_back(item);
    }
    for (size_t i = first; i < m_items.size(); ++i)
        m_items[i]->Load(file, keepId);
    return CElement::Load(file, keepId);
}

BOOL CScript::Save(CDataFile* file)
{
    if (file == NULL)
        return FALSE;
    const char* section = m_strSectionName;
    std::vector<CScriptItem*> stored;
    for (CScriptItem* item : m_items) {
        if (item != NULL && item->HasStoredForm())
            stored.push_back(item);
    }
    file->SetInt(section, "numScriptItems", (int)stored.size());
    file->SetString(section, "name", m_strName);

    // Actions that write nothing are left out of the count, so the stored
    // ones are numbered without gaps; the places are restored afterwards.
    BOOL itemsSaved = TRUE;
    for (size_t i = 0; i < stored.size(); ++i) {
        stored[i]->m_strSectionName = ScriptItemSectionName(m_strSectionName, (int)i + 1);
        if (!stored[i]->Save(file)) {
            itemsSaved = FALSE;
            break;
        }
    }
    RenameChildren();
    BOOL baseSaved = CElement::Save(file);
    // Without this a file missing some actions would be reported as saved.
    return itemsSaved && baseSaved;
}

BOOL CScript::AddChild(CElement* child)
{
    CScriptItem* item = dynamic_cast<CScriptItem*>(child);
    if (item == NULL)
        return FALSE;
    AppendItem(item);
    return TRUE;
}

CElement* CScript::DropChild(CElement* dragged, CElement* target)
{
    CScriptItem* item = dynamic_cast<CScriptItem*>(dragged);
    if (item == NULL)
        return NULL;
    if (target != this && dynamic_cast<CScriptItem*>(target) == NULL)
        return NULL;
    // Checked before anything is removed: a move that cannot end in this
    // script would otherwise delete the dragged action and lose its copy.
    if (dragged == target)
        return NULL;
    if (target != this && !HoldsItem(target))
        return NULL;
    CScript* owner = dynamic_cast<CScript*>(item->m_pParent);
    if (owner == NULL || !owner->HoldsItem(item))
        return NULL;
    CScriptItem* copy = dynamic_cast<CScriptItem*>(item->Clone());
    if (copy == NULL)
        return NULL;

    owner->RemoveChild(item);
    copy->m_pParent = this;
    if (target == this) {
        m_items.insert(m_items.begin(), copy);
        RenameChildren();
        return copy;
    }
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i] == target) {
            m_items.insert(m_items.begin() + i, copy);
            MoveChild(target, 0);
            return copy;
        }
    }
    return copy;  // not reached: the target was checked above
}

BOOL CScript::RemoveChild(CElement* child)
{
    CScriptItem* item = dynamic_cast<CScriptItem*>(child);
    if (item == NULL)
        return FALSE;
    DeleteItem(item);
    return TRUE;
}

BOOL CScript::CanAcceptChild(CElement* child)
{
    return child != NULL && lstrcmpiA(child->m_strType, "ScriptItem") == 0 &&
           dynamic_cast<CScriptItem*>(child) != NULL;
}

CStr CScript::GetClassName() const
{
    return CStr("CScript");
}

BOOL CScript::AddToTree(HWND tree, HTREEITEM parentItem)
{
    if (tree == NULL)
        return FALSE;
    HTREEITEM own = InsertElementTreeItem(tree, parentItem, m_strName, 11, this);
    for (CScriptItem* item : m_items) {
        if (item != NULL)
            item->AddToTree(tree, own);
    }
    return TRUE;
}

void CScript::RenameChildren()
{
    int n = 0;
    for (CScriptItem* item : m_items) {
        if (item != NULL)
            item->m_strSectionName = ScriptItemSectionName(m_strSectionName, ++n);
    }
}

void CScript::MoveChild(CElement* child, int direction)
{
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i] == NULL || m_items[i] != child)
            continue;
        if (direction == 0 && i > 0)
            std::swap(m_items[i], m_items[i - 1]);
        else if (direction == 1 && i + 1 < m_items.size())
            std::swap(m_items[i], m_items[i + 1]);
        else
            return;
        RenameChildren();
        return;
    }
}

void CScript::RenameReferences(const char* oldId, const char* newId)
{
    for (CScriptItem* item : m_items) {
        if (item != NULL)
            item->RenameReferences(oldId, newId);
    }
}

void CScript::AppendItem(CScriptItem* item)
{
    if (item == NULL)
        return;
    item->m_strSectionName = ScriptItemSectionName(m_strSectionName, (int)m_items.size() + 1);
    item->m_pParent = this;
    m_items.push_back(item);
}

void CScript::DeleteItem(CScriptItem* item)
{
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i] == NULL || m_items[i] != item)
            continue;
        IEditorServices* services = GetEditorServices();
        // With no active document there are no views to tell.
        if (services != NULL && services->HasActiveDocument())
            services->UpdateAllViews(2, item);
        m_items.erase(m_items.begin() + i);
        delete item;
        break;
    }
    RenameChildren();
}

void CScript::DeleteAllItems()
{
    for (CScriptItem* item : m_items)
        delete item;
    m_items.clear();
}

CScriptItem* CScript::FindItemFrom(const char* name, int& position) const
{
    for (size_t i = position < 0 ? 0 : (size_t)position; i < m_items.size(); ++i) {
        CScriptItem* item = m_items[i];
        if (item != NULL && lstrcmpiA(item->m_strName, name) == 0) {
            position = (int)i;
            return item;
        }
    }
    return NULL;
}
