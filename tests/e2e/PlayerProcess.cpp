#include "tests/e2e/PlayerProcess.h"

std::string TarvexExePath()
{
    return WindowsPathOf(TARVEX_EXE);
}

bool CopyPlayerTo(const std::string& path)
{
    return CopyFileA(TarvexExePath().c_str(), path.c_str(), FALSE) != FALSE;
}

CDataFile* ProjectArchive::AddPage(const std::string& name, const std::string& title, int width, int height,
                                   int windowType)
{
    CDataFile* page = m_manager.AddFile(name.c_str());
    page->SetString("Main", "title", title.c_str());
    page->SetInt("Main", "width", width);
    page->SetInt("Main", "height", height);
    page->SetInt("Main", "windowType", windowType);
    page->SetBool("Main", "appbar", FALSE);
    return page;
}

CDataFile* ProjectArchive::AddFile(const std::string& name, int kind)
{
    CDataFile* file = m_manager.AddFile(name.c_str());
    file->m_kind = kind;
    file->SetString("Main", "title", name.c_str());
    return file;
}

bool ProjectArchive::Write(const std::string& path)
{
    return m_manager.WriteArchive(path.c_str()) != FALSE;
}

FileStamp StampOf(const std::string& path)
{
    FileStamp stamp;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
    {
        stamp.exists = true;
        stamp.size = ((ULONGLONG)data.nFileSizeHigh << 32) | data.nFileSizeLow;
        stamp.written = data.ftLastWriteTime;
    }
    return stamp;
}

bool WaitForArchiveSaved(const std::string& path, const FileStamp& before, DWORD timeoutMs)
{
    std::string temp = path + ".tmp";
    return WaitUntil(
        [&] {
            FileStamp now = StampOf(path);
            bool changed = now.exists != before.exists || now.size != before.size ||
                           CompareFileTime(&now.written, &before.written) != 0;
            if (!changed || now.size == 0 || StampOf(temp).exists)
                return false;
            // Renamed: the archive may be opened now, once the handle the
            // rename went through is closed (a reader that does not share
            // deletion is refused while it is open).
            HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
            if (file == INVALID_HANDLE_VALUE)
                return false;
            CloseHandle(file);
            return true;
        },
        timeoutMs);
}

std::string ReadSavedValue(const std::string& path, const char* key)
{
    CDataFile file;
    CStr value("<none>");
    if (file.LoadFromFile(path.c_str()))
        file.GetString("QNDL Archive", key, value);
    return std::string(value);
}

std::string WaitForSaved(const std::string& path, const char* key, const std::string& expected, DWORD timeoutMs)
{
    std::string value;
    WaitUntil([&] { return (value = ReadSavedValue(path, key)) == expected; }, timeoutMs);
    return value;
}
