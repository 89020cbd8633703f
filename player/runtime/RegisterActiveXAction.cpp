#include "player/runtime/RegisterActiveXAction.h"

#include "player/PlayerPaths.h"
#include "model/common/PathHelpers.h"

#include <ole2.h>
#include <string.h>

namespace Tarvex {

namespace {

CStr SystemFolder()
{
    char folder[MAX_PATH] = "";
    UINT length = GetSystemDirectoryA(folder, sizeof(folder));
    if (length == 0 || length >= sizeof(folder))
        return CStr();
    return CStr(folder);
}

const char* FilePart(const char* path)
{
    const char* part = path;
    for (const char* p = path; *p; ++p)
    {
        if (*p == '\\' || *p == '/' || *p == ':')
            part = p + 1;
    }
    return part;
}

CStr InSystemFolder(const char* path)
{
    CStr copy = SystemFolder();
    copy += "\\";
    copy += FilePart(path);
    return copy;
}

} // namespace

CRegisterActiveXAction::CRegisterActiveXAction(const char* typeName, const char* section, CElement* parent)
    : CScriptItem(typeName, section, parent)
{
}

void CRegisterActiveXAction::LoadAction(const CDataFile& file, const char* section)
{
    file.GetString(section, "Filename", m_record.filename);
    file.GetBool(section, "Unregister", m_record.unregister);
    file.GetBool(section, "CopyToSystem", m_record.copyToSystem);
    if (m_record.filename.IsEmpty())
        return;
    if (m_record.copyToSystem && m_record.unregister)
        m_file = InSystemFolder(m_record.filename);
    else
        m_file = ResolvePath(m_record.filename);
}

int CRegisterActiveXAction::Execute()
{
    if (!m_record.unregister && m_record.copyToSystem)
    {
        if (!FileExists(m_file))
            return ResultObjectMissing;
        CStr copy = InSystemFolder(m_file);
        CopyFileA(m_file, copy, TRUE);
        m_file = copy;
    }
    if (m_file.GetLength() > 1 && strstr(m_file.c_str() + 1, ".exe"))
        return RunServer();
    return CallRegistrationEntry();
}

int CRegisterActiveXAction::RunServer() const
{
    CStr command;
    // Quoted: a path with blanks would otherwise run some other program.
    command.Format("\"%s\" %s", m_file.c_str(), m_record.unregister ? "/UNREGSERVER" : "/REGSERVER");
    return WinExec(command, SW_HIDE) < 32 ? ResultObjectMissing : ResultGoOn;
}

int CRegisterActiveXAction::CallRegistrationEntry() const
{
    if (FAILED(CoInitialize(NULL)))
        return ResultObjectMissing;
    int result = ResultObjectMissing;
    // Freed on every path: a failed registration would otherwise keep the
    // server loaded, and the apartment entered, for the player's life.
    HMODULE server = LoadLibraryA(m_file);
    if (server)
    {
        typedef HRESULT(STDAPICALLTYPE * RegistrationEntry)();
        RegistrationEntry entry = reinterpret_cast<RegistrationEntry>(reinterpret_cast<void*>(
            GetProcAddress(server, m_record.unregister ? "DllUnregisterServer" : "DllRegisterServer")));
        if (entry && SUCCEEDED(entry()))
            result = ResultGoOn;
        CoFreeLibrary(server);
    }
    CoUninitialize();
    return result;
}

} // namespace Tarvex
