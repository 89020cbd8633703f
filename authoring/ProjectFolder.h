// The disc folder: a project's folder kept ready to be written to a CD as it
// stands (the AutoRun file, the player and its libraries, the archive and
// the data folder "tarvex.dat\" with every media file the project uses), the
// program-wide paths kept for it, the import of media into the data folder
// and the AutoRun file's settings.
#pragma once

#include "model/common/Str.h"

#include <windows.h>

class CDocument;

// The stored form of an imported media path: this prefix and the name in
// the data folder.
extern const char* const g_dataFolderPrefix;

// The folder of a file's path, with a trailing '\'; empty for a bare name.
CStr FolderOfPath(const char* path);
// The folder of the project file (path's folder, with a trailing '\').
void SetDocumentFolder(const char* path);
CStr GetDocumentFolder();
// A path without ':' joined to the document folder and canonicalised; any
// other path unchanged.
CStr MakeAbsolutePath(const char* path);
// The author's content folder when set, else the installation's.
CStr GetDefaultContentFolder();

// The folder whose "tarvex.dat", "tarvex.ico" and libraries are copied into
// every disc folder: the program's own folder unless set (tests set it).
void SetRuntimeSourceFolder(const char* folder);
CStr GetRuntimeSourceFolder();

// The disc folder (ends with '\'), empty before the first preparation, and
// the data folder "tarvex.dat\" inside it.
CStr GetDiscFolder();
CStr GetDataFolder();
BOOL IsProjectPrepared();

// Creates a folder with every missing parent; TRUE when it exists after.
BOOL CreateFolderTree(const char* folder);

// Makes folder a disc folder: the player copied as "tarvex.exe" when missing
// or older than "tarvex.dat", the libraries copied, "autorun.inf" read, the
// placeholder archive "tarvex.pqz" written when missing and made the
// document's path and title (neither when keepDocumentName), the folder made
// current, the data folder made and "tarvex.ico" copied into it. The
// document NULL means the active one.
BOOL PrepareProjectFolder(const char* folder, CDocument* document = NULL, BOOL keepDocumentName = FALSE);

// The name under which path is kept in the data folder with its parent
// folder ("media\buttons\a.gif" gives "buttons\a.gif", the sub-folder made).
CStr MakeProjectRelativePath(const char* path);

// What the author chose when a different file of that name is already in the
// data folder.
enum FileClashChoice
{
    ClashRename = 0,
    ClashCopyOver = 1,
    ClashUseExisting = 2,
};
// Asks the author; newName comes in as the proposed name and goes out as the
// chosen one. FALSE when the question was closed without an answer.
typedef BOOL (*FileClashAsker)(const char* sourcePath, CStr& newName, int& choice);
// Installs the asker (the dialog by default) and returns the previous one.
FileClashAsker SetFileClashAsker(FileClashAsker asker);

// Copies a media file into the data folder when it is not there yet and
// returns the path to store (".\tarvex.dat\" and its name there); before any
// preparation, or when the source is missing, the path unchanged.
CStr ImportFileIntoProject(const char* path, BOOL keepParentFolder);

// The AutoRun file's settings.
struct CDiscInfSettings
{
    CStr m_strOpen;
    CStr m_strIconFile;
    int m_iconIndex;          // -1: none
    CStr m_strOptionLabel[3];
    CStr m_strOptionCommand[3];
};
CDiscInfSettings& GetDiscInfSettings();
void ResetDiscInf();
// Reads "autorun.inf" of the disc folder over the settings.
void ReadDiscInf();
// Writes the settings into "autorun.inf" of the disc folder; FALSE when a
// key could not be written.
BOOL WriteDiscInf();
