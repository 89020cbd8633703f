#include "PageEnvironment.h"

#include "EditorServices.h"

static IPageEnvironment* g_pageEnvironment = NULL;

IPageEnvironment* SetPageEnvironment(IPageEnvironment* environment)
{
    IPageEnvironment* previous = g_pageEnvironment;
    g_pageEnvironment = environment;
    return previous;
}

IPageEnvironment* GetPageEnvironment()
{
    return g_pageEnvironment;
}

HWND GetActiveViewWindow()
{
    return g_pageEnvironment ? g_pageEnvironment->GetActiveViewWindow() : NULL;
}

CElement* GetCurrentPage()
{
    return g_pageEnvironment ? g_pageEnvironment->GetCurrentPage() : NULL;
}

CStr MakeMediaPathAbsolute(const char* path)
{
    if (path == NULL || *path == '\0')
        return CStr("");
    if (g_pageEnvironment)
        return g_pageEnvironment->MakeAbsolutePath(path);
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
    IEditorServices* services = GetEditorServices();
    if (services == NULL)
        return CStr(path);
    return services->ImportFileIntoProject(path, keepParentFolder);
}
