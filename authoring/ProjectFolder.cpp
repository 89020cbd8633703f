#include "authoring/ProjectFolder.h"

#include "authoring/FileExistsInProject.h"
#include "authoring/ProgramFolders.h"
#include "model/common/PathHelpers.h"
#include "model/store/DataFile.h"
#include "platform/framework/Afx.h"

#include <stdlib.h>
#include <string.h>

const char* const g_dataFolderPrefix = ".\\tarvex.dat\\";

namespace {

const char* const kDataFolderName = "tarvex.dat\\";
const char* const kInfSection = "autorun";
const char* const kOptionKey = "Shell\\Option";
const char* const kLibraries[] = { "giflib32.dll", "ijl10.dll", "msvcrt.dll" };

CStr g_documentFolder;
CStr g_runtimeSourceFolder;
// Kept apart: the data folder lies inside the disc folder, and a disc folder
// may itself be named "tarvex.dat".
CStr g_discFolder;
CStr g_dataFolder;
BOOL g_prepared = FALSE;
CDiscInfSettings g_inf = { "tarvex.exe", ".\\tarvex.dat\\tarvex.ico", -1, {}, {} };

BOOL AskWithDialog(const char* sourcePath, CStr& newName, int& choice)
{
    CFileExistsInProject dialog;
    dialog.m_strSourcePath = sourcePath;
    dialog.m_strNewName = newName;
    dialog.m_choice = choice;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    newName = dialog.m_strNewName;
    choice = dialog.m_choice;
    return TRUE;
}

FileClashAsker g_asker = AskWithDialog;

CStr WithBackslash(const char* folder)
{
    CStr result(folder);
    if (!result.IsEmpty() && result[result.GetLength() - 1] != '\\')
        result += '\\';
    return result;
}

BOOL IsFile(const char* path)
{
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

BOOL GetFileFacts(const char* path, ULONGLONG& size, FILETIME& written)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return FALSE;
    size = ((ULONGLONG)data.nFileSizeHigh << 32) | data.nFileSizeLow;
    written = data.ftLastWriteTime;
    return TRUE;
}

ULONGLONG WholeSeconds(const FILETIME& time)
{
    return (((ULONGLONG)time.dwHighDateTime << 32) | time.dwLowDateTime) / 10000000ULL;
}

// A name the author typed for the data folder: at most a sub-folder, never
// a drive, an absolute path or a way out of the folder.
BOOL IsAcceptableNewName(const CStr& name)
{
    if (name.IsEmpty() || name.FindChar(':') >= 0 || name.Find("..") >= 0)
        return FALSE;
    if (name[0] == '\\' || name[0] == '/')
        return FALSE;
    return name[name.GetLength() - 1] != '\\';
}

// Makes the sub-folder a name in the data folder needs.
void MakeParentIn(const CStr& dataFolder, const CStr& name)
{
    int slash = name.FindChar('\\');
    if (slash > 0 && GetFileAttributesA(dataFolder) != INVALID_FILE_ATTRIBUTES)
        CreateFolderTree(dataFolder + name.Left(slash));
}

CStr OptionKey(int n, const char* suffix)
{
    CStr key;
    key.Format("%s%d%s", kOptionKey, n, suffix);
    return key;
}

} // namespace

CStr FolderOfPath(const char* path)
{
    char buffer[MAX_PATH] = "";
    if (path != NULL && strlen(path) < MAX_PATH)
        strcpy(buffer, path);
    RemoveFileSpec(buffer);
    if (buffer[0] != 0)
        AddBackslash(buffer);
    return CStr(buffer);
}

void SetDocumentFolder(const char* path)
{
    g_documentFolder = FolderOfPath(path);
}

CStr GetDocumentFolder()
{
    return g_documentFolder;
}

CStr MakeAbsolutePath(const char* path)
{
    if (path == NULL || *path == 0 || !IsRelativePath(path) || path[0] == '\\')
        return CStr(path ? path : "");
    char buffer[MAX_PATH];
    CStr joined = g_documentFolder + path;
    if (joined.GetLength() >= MAX_PATH || !CanonicalizePath(buffer, joined))
        return CStr(path);
    return CStr(buffer);
}

CStr GetDefaultContentFolder()
{
    CStr user = GetUserContentFolder();
    return user.IsEmpty() ? GetContentFolder() : user;
}

void SetRuntimeSourceFolder(const char* folder)
{
    g_runtimeSourceFolder = WithBackslash(folder ? folder : "");
}

CStr GetRuntimeSourceFolder()
{
    if (!g_runtimeSourceFolder.IsEmpty())
        return g_runtimeSourceFolder;
    char path[MAX_PATH] = "";
    GetModuleFileNameA(NULL, path, MAX_PATH);
    RemoveFileSpec(path);
    return CStr(path);
}

CStr GetDiscFolder()
{
    return g_discFolder;
}

CStr GetDataFolder()
{
    return g_dataFolder;
}

BOOL IsProjectPrepared()
{
    return g_prepared;
}

BOOL CreateFolderTree(const char* folder)
{
    CStr path(folder);
    while (!path.IsEmpty() && path[path.GetLength() - 1] == '\\')
        path.Truncate(path.GetLength() - 1);
    if (path.IsEmpty())
        return FALSE;
    DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    int slash = -1;
    for (int i = path.GetLength() - 1; i > 0; --i)
    {
        if (path[i] == '\\')
        {
            slash = i;
            break;
        }
    }
    // A drive ("C:") or a share's root has no parent to make.
    if (slash > 0 && path[slash - 1] != ':' && path[slash - 1] != '\\')
        CreateFolderTree(path.Left(slash));
    return CreateDirectoryA(path, NULL) || GetLastError() == ERROR_ALREADY_EXISTS;
}

BOOL PrepareProjectFolder(const char* folder, CDocument* document, BOOL keepDocumentName)
{
    CStr disc = WithBackslash(folder ? folder : "");
    g_prepared = TRUE;
    g_discFolder = disc;
    CreateFolderTree(disc);

    CStr source = GetRuntimeSourceFolder();
    CStr player = source + "tarvex.dat";
    CStr copy = disc + "tarvex.exe";
    FILETIME playerTime, copyTime;
    ULONGLONG size;
    BOOL copyExists = GetFileFacts(copy, size, copyTime);
    if (!copyExists ||
        (GetFileFacts(player, size, playerTime) && CompareFileTime(&playerTime, &copyTime) > 0))
        CopyFileA(player, copy, FALSE);
    for (const char* library : kLibraries)
        CopyFileA(source + library, disc + library, FALSE);

    ReadDiscInf();

    // A document that keeps its own name is about to be saved here under
    // it: no empty archive is left beside it.
    CStr archive = disc + "tarvex.pqz";
    if (!keepDocumentName && !IsFile(archive))
    {
        CDataFile empty;
        empty.SaveToFile(archive);
        {
            if (document == NULL)
            {
                CFrameWnd* frame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
                document = frame ? frame->GetActiveDocument() : NULL;
            }
            if (document != NULL)
            {
                document->SetPathName(archive, TRUE);
                document->SetTitle("tarvex.pqz");
            }
        }
    }
    SetCurrentDirectoryA(disc);

    g_dataFolder = disc + kDataFolderName;
    CreateFolderTree(g_dataFolder);
    CopyFileA(source + "tarvex.ico", g_dataFolder + "tarvex.ico", FALSE);
    return TRUE;
}

CStr MakeProjectRelativePath(const char* path)
{
    CStr text(path ? path : "");
    int prefixLength = (int)strlen(g_dataFolderPrefix);
    if (text.GetLength() > prefixLength && text.Left(prefixLength).EqualsNoCase(g_dataFolderPrefix))
        return text.Mid(prefixLength, text.GetLength() - prefixLength);
    int last = -1, before = -1;
    for (int i = 0; i < text.GetLength(); ++i)
    {
        if (text[i] == '\\')
        {
            before = last;
            last = i;
        }
    }
    if (last < 0 || before <= 0)
        return CStr(GetFileNamePart((const char*)text));
    CStr result = text.Mid(before + 1, text.GetLength() - before - 1);
    MakeParentIn(g_dataFolder, result);
    return result;
}

FileClashAsker SetFileClashAsker(FileClashAsker asker)
{
    FileClashAsker previous = g_asker;
    g_asker = asker;
    return previous;
}

CStr ImportFileIntoProject(const char* path, BOOL keepParentFolder)
{
    CStr given(path ? path : "");
    if (!g_prepared || given.IsEmpty())
        return given;
    // A relative source is the document's: the copy must not depend on the
    // current folder.
    CStr source = MakeAbsolutePath(given);
    CStr data = g_dataFolder;
    if (source.GetLength() > data.GetLength() && source.Left(data.GetLength()).EqualsNoCase(data))
    {
        // Already in the data folder: stored as it lies there.
        CStr inside = source.Mid(data.GetLength(), source.GetLength() - data.GetLength());
        if (IsFile(source))
            return CStr(g_dataFolderPrefix) + inside;
    }
    CStr name = keepParentFolder ? MakeProjectRelativePath(source)
                                 : CStr(GetFileNamePart((const char*)source));
    if (name.IsEmpty())
        return given;
    if (CopyFileA(source, data + name, TRUE))
        return CStr(g_dataFolderPrefix) + name;
    for (int round = 0;; ++round)
    {
        ULONGLONG sourceSize, existingSize;
        FILETIME sourceTime, existingTime;
        if (!GetFileFacts(source, sourceSize, sourceTime))
            return given;
        if (!GetFileFacts(data + name, existingSize, existingTime))
        {
            // The clash went away (or the data folder cannot be written):
            // one more plain try before the name is stored.
            CopyFileA(source, data + name, TRUE);
            return CStr(g_dataFolderPrefix) + name;
        }
        if (sourceSize == existingSize && WholeSeconds(sourceTime) == WholeSeconds(existingTime))
            return CStr(g_dataFolderPrefix) + name;
        // A guard against an asker that never answers, or keeps answering
        // the same failing choice: the existing file is used in the end.
        if (round > 100)
            return CStr(g_dataFolderPrefix) + name;
        CStr newName = name;
        int choice = ClashRename;
        // A question closed without an answer is asked again: only OK ends
        // the import.
        if (!g_asker(source, newName, choice))
            continue;
        if (choice == ClashUseExisting)
            return CStr(g_dataFolderPrefix) + name;
        if (!IsAcceptableNewName(newName))
            continue;
        MakeParentIn(data, newName);
        if (CopyFileA(source, data + newName, choice == ClashRename))
            return CStr(g_dataFolderPrefix) + newName;
    }
}

CDiscInfSettings& GetDiscInfSettings()
{
    return g_inf;
}

void ResetDiscInf()
{
    g_inf.m_strOpen = "tarvex.exe";
    g_inf.m_strIconFile = ".\\tarvex.dat\\tarvex.ico";
    g_inf.m_iconIndex = -1;
    for (int i = 0; i < 3; ++i)
    {
        g_inf.m_strOptionLabel[i].Empty();
        g_inf.m_strOptionCommand[i].Empty();
    }
}

void ReadDiscInf()
{
    CStr file = g_discFolder + "autorun.inf";
    char value[MAX_PATH];
    GetPrivateProfileStringA(kInfSection, "open", "", value, MAX_PATH, file);
    if (value[0] != 0)
        g_inf.m_strOpen = value;
    GetPrivateProfileStringA(kInfSection, "icon", "", value, MAX_PATH, file);
    if (value[0] != 0)
    {
        char* comma = strrchr(value, ',');
        if (comma == NULL)
        {
            g_inf.m_strIconFile = value;
            g_inf.m_iconIndex = -1;
        }
        else
        {
            *comma = 0;
            g_inf.m_strIconFile = value;
            g_inf.m_iconIndex = (int)strtol(comma + 1, NULL, 10);
        }
    }
    for (int n = 1; n <= 3; ++n)
    {
        GetPrivateProfileStringA(kInfSection, OptionKey(n, ""), "", value, MAX_PATH, file);
        if (value[0] == 0)
            continue;
        g_inf.m_strOptionLabel[n - 1] = value;
        GetPrivateProfileStringA(kInfSection, OptionKey(n, "\\Command"), "", value, MAX_PATH, file);
        g_inf.m_strOptionCommand[n - 1] = value;
    }
}

BOOL WriteDiscInf()
{
    CStr file = g_discFolder + "autorun.inf";
    BOOL ok = WritePrivateProfileStringA(kInfSection, "open", g_inf.m_strOpen, file);
    if (!g_inf.m_strIconFile.IsEmpty())
    {
        CStr icon = g_inf.m_strIconFile;
        if (g_inf.m_iconIndex != -1)
            icon.Format("%s,%d", g_inf.m_strIconFile.c_str(), g_inf.m_iconIndex);
        ok = WritePrivateProfileStringA(kInfSection, "icon", icon, file) && ok;
    }
    int n = 0;
    for (int i = 0; i < 3; ++i)
    {
        if (g_inf.m_strOptionLabel[i].IsEmpty())
            continue;
        ++n;
        ok = WritePrivateProfileStringA(kInfSection, OptionKey(n, ""), g_inf.m_strOptionLabel[i], file) && ok;
        ok = WritePrivateProfileStringA(kInfSection, OptionKey(n, "\\Command"), g_inf.m_strOptionCommand[i],
                                        file) && ok;
    }
    // An option the author removed stays removed; keys of other tools stay.
    for (int m = n + 1; m <= 3; ++m)
    {
        WritePrivateProfileStringA(kInfSection, OptionKey(m, ""), NULL, file);
        WritePrivateProfileStringA(kInfSection, OptionKey(m, "\\Command"), NULL, file);
    }
    // Flushes the profile cache, so the file is on disc when this returns.
    WritePrivateProfileStringA(NULL, NULL, NULL, file);
    return ok;
}
