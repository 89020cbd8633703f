#include "player/PlayerPaths.h"

#include "model/common/PathHelpers.h"

#include <string.h>

namespace {

CStr g_projectPath;
CStr g_baseFolder;
HINSTANCE g_instance;

} // namespace

void SetProjectPath(HINSTANCE instance, const char* path)
{
    g_instance = instance;
    g_projectPath = path ? path : "";
}

CStr GetProjectPath()
{
    return g_projectPath;
}

HINSTANCE GetProjectInstance()
{
    return g_instance;
}

void SetBaseFolder(const char* filePath)
{
    char folder[MAX_PATH];
    lstrcpynA(folder, filePath ? filePath : "", MAX_PATH);
    RemoveFileSpec(folder);
    AddBackslash(folder);
    g_baseFolder = folder;
}

CStr GetBaseFolder()
{
    return g_baseFolder;
}

CStr ResolvePath(const char* path)
{
    if (!path)
        return CStr();
    // No Windows call takes a longer path, and some fail badly on one.
    if (strchr(path, ':'))
        return strlen(path) < MAX_PATH ? CStr(path) : CStr();
    char result[MAX_PATH];
    if (g_baseFolder.IsEmpty())
    {
        if (GetModuleFileNameA(g_instance, result, MAX_PATH) == 0)
            result[0] = '\0';
        RemoveFileSpec(result);
        if (!AppendPath(result, path))
            return CStr();
        return CStr(result);
    }
    CStr joined = g_baseFolder + path;
    if (!CanonicalizePath(result, joined))
        return CStr();
    return CStr(result);
}

const char* FindExtension(const char* name)
{
    const char* component = name;
    for (const char* p = name; *p; ++p)
    {
        if (*p == '\\' || *p == '/')
            component = p + 1;
    }
    const char* dot = strrchr(component, '.');
    return dot ? dot : component + strlen(component);
}

char* FindExtension(char* name)
{
    return const_cast<char*>(FindExtension(const_cast<const char*>(name)));
}

void StripExtension(char* name)
{
    *FindExtension(name) = '\0';
}

void AddExtension(char* name, const char* ext, size_t size)
{
    if (!ext || *FindExtension(name) == '.')
        return;
    size_t length = strlen(name);
    if (length + strlen(ext) < size)
        strcpy(name + length, ext);
}

void ReplaceExtension(char* name, const char* ext, size_t size)
{
    StripExtension(name);
    AddExtension(name, ext, size);
}
