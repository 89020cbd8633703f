#include "model/UnwrittenKeys.h"

#include "model/Browser.h"
#include "model/EditorServices.h"
#include "model/KeptElement.h"
#include "model/KeptScriptItem.h"
#include "model/Script.h"
#include "model/ScriptItem.h"
#include "model/store/DataFile.h"

#include <utility>
#include <vector>

namespace {

typedef std::vector<std::pair<CElement*, CStr> > ObjectList;

// The editor's services while the objects only show what they would write:
// no media file is copied and no author is asked about one.
class CTrialServices : public IEditorServices
{
public:
    explicit CTrialServices(IEditorServices* inner) : m_inner(inner) {}
    CStr ImportFileIntoProject(const char* path, BOOL) override { return CStr(path); }
    void AddDesignTimeVariable(CElement* source, int scope, const char* name, const VARIANT& value,
                               const char* owner) override
    {
        m_inner->AddDesignTimeVariable(source, scope, name, value, owner);
    }
    CStr GetTempFolder() override { return m_inner->GetTempFolder(); }
    BOOL HasActiveDocument() override { return m_inner->HasActiveDocument(); }
    void UpdateAllViews(int hint, CElement* object) override { m_inner->UpdateAllViews(hint, object); }
    CIdManager* GetIdManager() override { return m_inner->GetIdManager(); }
    HWND GetActiveViewWindow() override { return m_inner->GetActiveViewWindow(); }
    CStr MakeAbsolutePath(const char* path) override { return m_inner->MakeAbsolutePath(path); }
    CElement* GetCurrentPage() override { return m_inner->GetCurrentPage(); }

private:
    IEditorServices* m_inner;
};

void AddScripts(CScriptableObject* object, ObjectList& list)
{
    for (CScript* script : object->m_scripts) {
        if (script == NULL)
            continue;
        list.push_back(std::make_pair(script, script->m_strSectionName));
        for (CScriptItem* item : script->m_items) {
            // A kept action writes its stored lines itself.
            if (item != NULL && dynamic_cast<CKeptScriptItem*>(item) == NULL)
                list.push_back(std::make_pair(item, item->m_strSectionName));
        }
    }
}

CStr KeyOf(const CStr& line)
{
    int equals = line.FindChar('=');
    if (equals <= 0)
        return CStr();
    CStr key = line.Left(equals);
    while (!key.IsEmpty() && key[key.GetLength() - 1] == ' ')
        key.Truncate(key.GetLength() - 1);
    return key;
}

} // namespace

void KeepUnwrittenKeys(CBrowser* page, const CDataFile& stored)
{
    if (page == NULL)
        return;
    ObjectList objects;
    objects.push_back(std::make_pair(page, page->m_strSectionName));
    AddScripts(page, objects);
    for (CElement* child : page->m_children) {
        CScriptableObject* element = dynamic_cast<CScriptableObject*>(child);
        if (element == NULL || dynamic_cast<CKeptElement*>(element) != NULL)
            continue;
        objects.push_back(std::make_pair(element, element->m_strSectionName));
        AddScripts(element, objects);
    }
    for (auto& entry : objects)
        entry.first->m_keptLines.clear();

    // What the objects write now; saving may renumber their sections, so
    // each object is matched by its section before and after.
    CDataFile written;
    IEditorServices* services = GetEditorServices();
    if (services != NULL) {
        CTrialServices trial(services);
        SetEditorServices(&trial);
        page->Save(&written);
        SetEditorServices(services);
    } else {
        page->Save(&written);
    }
    for (auto& entry : objects) {
        CElement* object = entry.first;
        int from = stored.FindSectionIndex(entry.second);
        int to = written.FindSectionIndex(object->m_strSectionName);
        if (from < 0 || to < 0)
            continue;
        for (int i = from + 1; i < stored.GetLineCount() && !stored.IsSectionHeaderAt(i); ++i) {
            const CStr& line = stored.GetLine(i);
            CStr key = KeyOf(line);
            if (!key.IsEmpty() && written.FindKeyIndex(to + 1, key) < 0)
                object->m_keptLines.push_back(line);
        }
    }
}
