// The player as a user meets it: a test writes a project archive, starts
// tarvex.exe (or a copy named after the archive), finds its main window and
// reads or drives it from outside the process through the window driver.
#pragma once

#include "model/store/DataFileManager.h"
#include "tests/e2e/WindowDriver.h"
#include "tests/support/TestSupport.h"

#include <windows.h>
#include <functional>
#include <string>

const DWORD kPlayerWaitMs = kProgramWaitMs;

// The tarvex.exe of this build, as a Windows path.
std::string TarvexExePath();
// Copies the build's tarvex.exe to path (for a program named after its archive).
bool CopyPlayerTo(const std::string& path);

// A project archive written by the shared archive writer.
class ProjectArchive
{
public:
    // A page whose "Main" holds title, width, height and windowType, docked
    // nowhere ("appbar" false).
    CDataFile* AddPage(const std::string& name, const std::string& title, int width = 240,
                       int height = 160, int windowType = 2);
    // A data file of another kind (1 writes an "OPT" record).
    CDataFile* AddFile(const std::string& name, int kind);
    bool Write(const std::string& path);

private:
    CDataFileManager m_manager;
};

// What a file's directory entry says, read without opening the file.
struct FileStamp
{
    bool exists = false;
    ULONGLONG size = 0;
    FILETIME written = {};
};
FileStamp StampOf(const std::string& path);
// Waits until a program has saved the archive at path anew since before
// was taken (its stamp changed, it is not empty, the copy written beside it
// is gone and the archive opens); then it may be read. A program saves by writing
// "<archive>.tmp" and renaming it over the archive, and Wine refuses that
// rename while any process holds the archive open: a test that polled the
// archive by reading it would make the save it waits for fail.
bool WaitForArchiveSaved(const std::string& path, const FileStamp& before, DWORD timeoutMs = kPlayerWaitMs);

// The value a script's Save To File wrote under key into the data file at
// path; "<none>" while there is none.
std::string ReadSavedValue(const std::string& path, const char* key);
// Polls until the key holds expected or timeoutMs pass; the last value read.
std::string WaitForSaved(const std::string& path, const char* key, const std::string& expected,
                         DWORD timeoutMs = kPlayerWaitMs);

// The player's main window is of class "QNDL_MAINWND"; its boxes go to the
// file named by TARVEX_MESSAGE_LOG.
class PlayerProcess : public ProgramProcess
{
public:
    PlayerProcess() : ProgramProcess("QNDL_MAINWND", "TARVEX_MESSAGE_LOG") {}
};
