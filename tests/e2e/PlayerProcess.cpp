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
