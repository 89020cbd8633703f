// Stored forms of Save To Datafile and Read From Datafile. A path inside the
// temporary folder is stored relative to it, so a project keeps working on a
// machine whose temporary folder lies elsewhere.
#pragma once

#include "model/store/DataFile.h"

// The text GetTempPathA gives (ending with '\'), however long; empty when
// the system has none.
CStr GetTemporaryFolder();

// Writes "useTemDir" and "path" by the temporary-folder rule.
void SaveDataFilePath(CDataFile& file, const char* section, const CStr& path, const char* tempFolder);
// Reads them back; the temporary folder is put in front again.
void LoadDataFilePath(const CDataFile& file, const char* section, CStr& path, const char* tempFolder);

struct CSaveToFileRecord
{
    CStr path;
    CStr key;
    CStr variable;      // the variable whose value is saved
    CStr value;         // the constant saved when no variable is given

    BOOL Save(CDataFile& file, const char* section, const char* tempFolder) const;
    BOOL Load(const CDataFile& file, const char* section, const char* tempFolder);
};

struct CReadFromFileRecord
{
    CStr path;
    CStr key;
    CStr variable;      // the variable that receives the value

    BOOL Save(CDataFile& file, const char* section, const char* tempFolder) const;
    BOOL Load(const CDataFile& file, const char* section, const char* tempFolder);
};
