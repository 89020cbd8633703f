#include "EditorServices.h"

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
