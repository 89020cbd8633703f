#include "authoring/ProgramFolders.h"

#include "model/common/PathHelpers.h"
#include "platform/framework/Afx.h"

#include <windows.h>
#include <string.h>

namespace {

CStr g_projectsFolder;
CStr g_contentFolder;
CStr g_userContentFolder;

// Length of the root part: "C:\" (3), "\\server\share\" (up to and with
// the backslash after the share), "\" (1); 0 for a relative path.
int RootLength(const char* path)
{
    if (path[0] != '\0' && path[1] == ':')
        return path[2] == '\\' ? 3 : 2;
    if (path[0] == '\\' && path[1] == '\\')
    {
        const char* server = strchr(path + 2, '\\');
        const char* share = server ? strchr(server + 1, '\\') : NULL;
        return share ? (int)(share - path) + 1 : (int)strlen(path);
    }
    return path[0] == '\\' ? 1 : 0;
}

} // namespace

CStr GetInstallationFolder(const char* programPath)
{
    char folder[MAX_PATH] = "";
    if (programPath == NULL || lstrlenA(programPath) >= MAX_PATH)
        return CStr("");
    lstrcpynA(folder, programPath, MAX_PATH);
    RemoveFileSpec(folder);
    int root = RootLength(folder);
    // At a root, cutting one more component would leave a relative path
    // ("Projects\" in whatever folder is current): stay in the program's.
    if ((int)strlen(folder) <= root)
        return CStr(folder);
    RemoveBackslash(folder);
    RemoveFileSpec(folder);
    return CStr(folder);
}

CStr MakeProjectsFolder(const char* programPath)
{
    CStr folder = GetInstallationFolder(programPath);
    folder += "Projects\\";
    return folder;
}

CStr MakeContentFolder(const char* programPath)
{
    CStr folder = GetInstallationFolder(programPath);
    folder += "Content\\";
    return folder;
}

CStr GetProgramPath()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(NULL, path, MAX_PATH);
    return CStr(path);
}

void SetProjectsFolder(const char* folder)
{
    g_projectsFolder = folder;
}

CStr GetProjectsFolder()
{
    return g_projectsFolder;
}

void SetContentFolder(const char* folder)
{
    g_contentFolder = folder;
}

CStr GetContentFolder()
{
    return g_contentFolder;
}

void SetUserContentFolder(const char* folder)
{
    g_userContentFolder = folder;
}

CStr GetUserContentFolder()
{
    return g_userContentFolder;
}

void ResetContentFolders()
{
    SetContentFolder(MakeContentFolder(GetProgramPath()));
    CWinApp* app = AfxGetApp();
    SetUserContentFolder(app ? app->GetProfileString("Settings", "UsersDefaultContentPath", "").c_str() : "");
}
