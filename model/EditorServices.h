// IEditorServices: what the document model needs from the authoring program
// around it (media import, design-time variables, the temporary folder, the
// active document's views, pages and id registry, the active view's window
// and the project's absolute paths). The program installs one process-wide;
// without one the model works alone and skips these effects.
#pragma once

#include "model/common/Str.h"

#include <windows.h>
#include <oaidl.h>

class CElement;
class CIdManager;

class IEditorServices
{
public:
    virtual ~IEditorServices() {}

    // Copies a media file into the project's data folder when needed and
    // returns the path to store.
    virtual CStr ImportFileIntoProject(const char* path, BOOL keepParentFolder) = 0;

    // A loaded Create Variable action (source) declares its design-time
    // variable (scope 0 global, 1 local) on the page that holds it
    // (source->GetPage()->DeclareVariable).
    virtual void AddDesignTimeVariable(CElement* source, int scope, const char* name,
                                       const VARIANT& value, const char* owner) = 0;

    // The temporary folder, with its trailing backslash.
    virtual CStr GetTempFolder() = 0;

    // FALSE when no document is active: then no view is told anything.
    virtual BOOL HasActiveDocument() = 0;
    // Update hint to all views of the active document (0 redraw, 1 added,
    // 2 removed, 3 changed, 4 whole document, 5 selection).
    virtual void UpdateAllViews(int hint, CElement* object) = 0;

    // The active document's id registry; NULL when there is none.
    virtual CIdManager* GetIdManager() = 0;

    // The window of the main frame's active view (pictures are made
    // compatible with it); NULL when there is none.
    virtual HWND GetActiveViewWindow() = 0;
    // A stored media path made absolute against the document folder.
    virtual CStr MakeAbsolutePath(const char* path) = 0;
    // The page the document shows now; NULL when there is none.
    virtual CElement* GetCurrentPage() = 0;
    // Where the file and folder pickers of action pages start when their
    // field is empty; empty when the program has no such folder.
    virtual CStr GetDefaultContentFolder() { return CStr(""); }
};

// Installs the services and returns the previous ones; NULL removes them.
IEditorServices* SetEditorServices(IEditorServices* services);
// NULL when none are installed: every caller copes with that.
IEditorServices* GetEditorServices();

// The calls the elements make, each tolerating missing services.
HWND GetActiveViewWindow();
// Without services, made absolute against the current folder.
CStr MakeMediaPathAbsolute(const char* path);
CElement* GetCurrentPage();
CIdManager* GetActiveIdManager();
// The name to store for a media file; an empty path, or no services, gives
// the path unchanged.
CStr ImportMediaFile(const char* path, BOOL keepParentFolder);
// The author's default content folder; empty without services.
CStr GetAuthorContentFolder();
