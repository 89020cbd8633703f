#include "player/PlayerDataFile.h"

#include "model/common/PathHelpers.h"
#include "player/PlayerPaths.h"

#include <new>
#include <string>

BOOL ReadArchiveMember(CArchiveReader& reader, CDataFile* file)
{
    CStr name;
    DWORD count = 0;
    if (reader.ReadHeader(name, count) != ArchiveHeaderRead)
        return FALSE;
    file->m_name = name;
    // A content cut short keeps the lines read; the next tag then ends the archive.
    reader.ReadContent(count, *file);
    return TRUE;
}

BOOL OpenArchiveMember(CDataFile& file, const char* archivePath, const char* memberName)
{
    try
    {
        CArchiveReader reader(archivePath);
        if (!reader.IsOpen() || reader.ReadMagic() != ArchiveMagicFound)
            return FALSE;
        while (reader.ReadTag() == ArchiveTagPage)
        {
            CStr name;
            DWORD count = 0;
            if (reader.ReadHeader(name, count) != ArchiveHeaderRead)
                return FALSE;
            if (memberName && lstrcmpiA(name, memberName) != 0)
            {
                reader.SkipContent(count);
                continue;
            }
            // Named as stored, so that the page list finds it again.
            file.m_name = name;
            reader.ReadContent(count, file);
            return TRUE;
        }
    }
    catch (const std::bad_alloc&)
    {
    }
    return FALSE;
}

BOOL OpenDataFile(CDataFile& file, const char* archivePath, const char* memberName)
{
    file.Clear();
    if (OpenArchiveMember(file, archivePath, memberName))
        return TRUE;
    char ownName[MAX_PATH];
    lstrcpynA(ownName, GetFileNamePart(archivePath), MAX_PATH);
    StripExtension(ownName);
    AddExtension(ownName, ".pgd");
    if (OpenArchiveMember(file, archivePath, ownName))
        return TRUE;
    return OpenArchiveMember(file, archivePath, NULL);
}

BOOL LoadDataFileFromFile(CDataFile& file, const char* path)
{
    return LoadPlainLines(file, path, PlainLinesNonEmpty);
}

BOOL SaveDataFileToFile(const CDataFile& file, const char* path)
{
    HANDLE handle = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, NULL,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (handle == INVALID_HANDLE_VALUE)
        return FALSE;
    std::string text;
    for (int i = 0; i < file.GetLineCount(); ++i)
    {
        text += file.GetLine(i).c_str();
        text += "\r\n";
    }
    DWORD written = 0;
    BOOL ok = WriteFile(handle, text.data(), (DWORD)text.size(), &written, NULL) && written == text.size();
    CloseHandle(handle);
    return ok;
}
