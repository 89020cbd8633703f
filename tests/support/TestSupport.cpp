#include "tests/support/TestSupport.h"

#include <shellapi.h>
#include <string.h>
#include <fstream>
#include <sstream>

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;)
    {
        if (condition())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(20);
    }
}

std::string TestProgramFolder()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

ScratchDir::ScratchDir()
{
    static LONG counter;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    // Process ids come back in later runs, and a folder an earlier run could
    // not remove would hand this one its files: the folder is always new.
    for (int tries = 0; tries < 10000; ++tries)
    {
        char name[MAX_PATH + 64];
        wsprintfA(name, "%slbtest_%lu_%ld\\", temp, GetCurrentProcessId(), InterlockedIncrement(&counter));
        m_path = name;
        if (CreateDirectoryA(m_path.c_str(), NULL) || GetLastError() != ERROR_ALREADY_EXISTS)
            return;
    }
}

ScratchDir::~ScratchDir()
{
    // A folder that is the current one cannot go.
    char current[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, current);
    std::string inside = std::string(current) + "\\";
    if (_strnicmp(inside.c_str(), m_path.c_str(), m_path.size()) == 0)
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        SetCurrentDirectoryA(temp);
    }
    std::string from = m_path.substr(0, m_path.size() - 1);
    from.push_back('\0');
    SHFILEOPSTRUCTA op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&op);
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteWholeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), (std::streamsize)bytes.size());
}

std::string ReadUserDefaultValue(const char* key)
{
    char value[MAX_PATH + 1] = "";
    LONG size = MAX_PATH;
    if (RegQueryValueA(HKEY_CURRENT_USER, key, value, &size) != ERROR_SUCCESS)
        return "<none>";
    value[MAX_PATH] = '\0';
    return value;
}
