#include "actions/records/DataFileActionRecords.h"

#include "actions/records/StringKeys.h"

CStr GetTemporaryFolder()
{
    CStr folder;
    // A fixed buffer would leave a long folder unset; ask for the size until it fits.
    DWORD size = MAX_PATH + 1;
    for (int attempt = 0; attempt < 4; attempt++)
    {
        char* buffer = folder.GetBuffer((int)size);
        DWORD length = GetTempPathA(size, buffer);
        if (length == 0)
        {
            folder.ReleaseBuffer(0);
            return folder;
        }
        if (length < size)
        {
            folder.ReleaseBuffer((int)length);
            return folder;
        }
        folder.ReleaseBuffer(0);
        size = length + 1;
    }
    return folder;
}

static BOOL BeginsWithFolder(const CStr& path, const char* folder)
{
    int length = lstrlenA(folder);
    // Without a temporary folder every path would count as inside it.
    if (length == 0 || path.GetLength() < length)
        return FALSE;
    return CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, path, length, folder, length) == CSTR_EQUAL;
}

void SaveDataFilePath(CDataFile& file, const char* section, const CStr& path, const char* tempFolder)
{
    if (!tempFolder || !BeginsWithFolder(path, tempFolder))
    {
        file.SetBool(section, "useTemDir", FALSE);
        file.SetString(section, "path", path);
        return;
    }
    int folderLength = lstrlenA(tempFolder);
    CStr rest = path.Mid(folderLength, path.GetLength() - folderLength);
    int extension = rest.FindNoCase(".zjf");
    if (extension >= 0 && extension == rest.GetLength() - 4)
        rest.Truncate(extension);
    file.SetString(section, "path", rest);
    file.SetBool(section, "useTemDir", TRUE);
}

void LoadDataFilePath(const CDataFile& file, const char* section, CStr& path, const char* tempFolder)
{
    BOOL useTemDir = FALSE;
    file.GetBool(section, "useTemDir", useTemDir);
    file.GetString(section, "path", path);
    if (useTemDir)
        path.Prepend(tempFolder ? tempFolder : "");
}

BOOL CSaveToFileRecord::Save(CDataFile& file, const char* section, const char* tempFolder) const
{
    if (!section)
        return FALSE;
    SaveDataFilePath(file, section, path, tempFolder);
    return SaveStringKeys(file, section,
                          { { "key", &key }, { "variable", &variable }, { "value", &value } });
}

BOOL CSaveToFileRecord::Load(const CDataFile& file, const char* section, const char* tempFolder)
{
    LoadDataFilePath(file, section, path, tempFolder);
    return LoadStringKeys(file, section,
                          { { "key", &key }, { "variable", &variable }, { "value", &value } });
}

BOOL CReadFromFileRecord::Save(CDataFile& file, const char* section, const char* tempFolder) const
{
    if (!section)
        return FALSE;
    SaveDataFilePath(file, section, path, tempFolder);
    return SaveStringKeys(file, section, { { "key", &key }, { "variable", &variable } });
}

BOOL CReadFromFileRecord::Load(const CDataFile& file, const char* section, const char* tempFolder)
{
    LoadDataFilePath(file, section, path, tempFolder);
    return LoadStringKeys(file, section, { { "key", &key }, { "variable", &variable } });
}
