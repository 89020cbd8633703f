#include "model/EditorServices.h"

static IEditorServices* g_editorServices = NULL;

IEditorServices* SetEditorServices(IEditorServices* services)
{
    IEditorServices* previous = g_editorServices;
    g_editorServices = services;
    return previous;
}

IEditorServices* GetEditorServices()
{
    return g_editorServices;
}

HWND GetActiveViewWindow()
{
    return g_editorServices ? g_editorServices->GetActiveViewWindow() : NULL;
}

CElement* GetCurrentPage()
{
    return g_editorServices ? g_editorServices->GetCurrentPage() : NULL;
}

CIdManager* GetActiveIdManager()
{
    return g_editorServices ? g_editorServices->GetIdManager() : NULL;
}

CStr MakeMediaPathAbsolute(const char* path)
{
    if (path == NULL || *path == '\0')
        return CStr("");
    if (g_editorServices)
        return g_editorServices->MakeAbsolutePath(path);
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(path, MAX_PATH, full, NULL);
    if (length == 0 || length >= MAX_PATH)
        return CStr(path);
    return CStr(full);
}

CStr ImportMediaFile(const char* path, BOOL keepParentFolder)
{
    if (path == NULL || *path == '\0')
        return CStr("");
    if (g_editorServices == NULL)
        return CStr(path);
    return g_editorServices->ImportFileIntoProject(path, keepParentFolder);
}

CStr GetAuthorContentFolder()
{
    return g_editorServices ? g_editorServices->GetDefaultContentFolder() : CStr("");
}
