// Stands in for the authoring program around the model; installs itself
// while it lives. Tests that need more derive from it.
#pragma once

#include "model/EditorServices.h"
#include "model/IdManager.h"
#include "model/Script.h"

#include <windows.h>
#include <string.h>
#include <string>
#include <vector>

struct RecordedHint
{
    int hint;
    CElement* object;
    bool stillListed;   // the object was still in its script when told
};

class FakeEditorServices : public IEditorServices
{
public:
    // Relative media paths resolve against folder; with none, against the
    // current folder.
    explicit FakeEditorServices(const std::string& folder = std::string())
        : activeDocument(true), viewWindow(NULL), currentPage(NULL), m_folder(folder),
          m_previous(SetEditorServices(this)) {}
    ~FakeEditorServices() override { SetEditorServices(m_previous); }

    CStr ImportFileIntoProject(const char* path, BOOL) override { return CStr(path); }
    void AddDesignTimeVariable(CElement*, int, const char*, const VARIANT&, const char*) override {}
    CStr GetTempFolder() override { return CStr("C:\\temp\\"); }
    BOOL HasActiveDocument() override { return activeDocument; }
    void UpdateAllViews(int hint, CElement* object) override
    {
        RecordedHint h = { hint, object, false };
        CScript* script = object ? dynamic_cast<CScript*>(object->m_pParent) : NULL;
        h.stillListed = script != NULL && script->HoldsItem(object);
        hints.push_back(h);
    }
    CIdManager* GetIdManager() override { return &ids; }
    HWND GetActiveViewWindow() override { return viewWindow; }
    CStr MakeAbsolutePath(const char* path) override
    {
        if (m_folder.empty()) {
            char full[MAX_PATH];
            DWORD length = GetFullPathNameA(path, MAX_PATH, full, NULL);
            return CStr(length == 0 || length >= MAX_PATH ? path : full);
        }
        if (strchr(path, ':'))
            return CStr(path);
        return CStr((m_folder + path).c_str());
    }
    CElement* GetCurrentPage() override { return currentPage; }

    bool activeDocument;
    std::vector<RecordedHint> hints;
    CIdManager ids;
    HWND viewWindow;
    CElement* currentPage;

private:
    std::string m_folder;
    IEditorServices* m_previous;
};
