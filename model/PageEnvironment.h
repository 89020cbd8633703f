// IPageEnvironment: what the page and its elements need from the authoring
// program besides IEditorServices: the window of the active view (pictures
// are made compatible with it) and the project's absolute paths. Without an
// installed environment the model works alone: no view window, and paths
// made absolute against the current folder.
#pragma once

#include "Str.h"

#include <windows.h>

class CElement;

class IPageEnvironment
{
public:
    virtual ~IPageEnvironment() {}

    // The window of the main frame's active view; NULL when there is none.
    virtual HWND GetActiveViewWindow() = 0;
    // A stored media path made absolute against the document folder.
    virtual CStr MakeAbsolutePath(const char* path) = 0;
    // The page the document shows now; NULL when there is none.
    virtual CElement* GetCurrentPage() = 0;
};

// Installs the environment and returns the previous one; NULL removes it.
IPageEnvironment* SetPageEnvironment(IPageEnvironment* environment);
IPageEnvironment* GetPageEnvironment();

// The calls the elements make, each tolerating a missing environment or
// missing editor services.
HWND GetActiveViewWindow();
CStr MakeMediaPathAbsolute(const char* path);
CElement* GetCurrentPage();
// The name to store for a media file (IEditorServices::ImportFileIntoProject);
// an empty path, or no services, gives the path unchanged.
CStr ImportMediaFile(const char* path, BOOL keepParentFolder);
