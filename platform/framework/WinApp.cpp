#include "platform/framework/WinApp.h"

#include "model/common/MessageReporter.h"
#include "platform/framework/DocTemplate.h"
#include "platform/framework/Document.h"
#include "platform/framework/FrameWnd.h"
#include "platform/framework/ShellRegistration.h"
#include "platform/framework/View.h"
#include "platform/framework/Wnd.h"

#include <commdlg.h>
#include <stdlib.h>
#include <string.h>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace
{
CWinApp* g_app = NULL;
HINSTANCE g_resources = NULL;

// The framework's own texts for its standard ids, used when the program's
// string table has none.
struct StandardString
{
    UINT id;
    const char* text;
};
const StandardString kStandardStrings[] = {
    { AFX_IDS_IDLEMESSAGE, "Ready" },
    { AFX_IDS_UNTITLED, "Untitled" },
    { AFX_IDS_ALLFILTER, "All Files (*.*)" },
    { AFX_IDS_OPENFILE, "Open" },
    { AFX_IDS_SAVEFILE, "Save As" },
    { AFX_IDP_ASK_TO_SAVE, "Save changes to %1?" },
    { AFX_IDP_FAILED_TO_OPEN_DOC, "Failed to open document." },
    { AFX_IDP_FAILED_TO_SAVE_DOC, "Failed to save document." },
    { AFX_IDP_FAILED_TO_CREATE_DOC, "Failed to create empty document." },
    { AFX_IDP_FAILED_MEMORY_ALLOC, "Out of memory." },
    { AFX_IDP_COMMAND_FAILURE, "Command failed." },
    { ID_INDICATOR_EXT, "EXT" },
    { ID_INDICATOR_CAPS, "CAP" },
    { ID_INDICATOR_NUM, "NUM" },
    { ID_INDICATOR_SCRL, "SCRL" },
    { ID_INDICATOR_OVR, "OVR" },
    { ID_INDICATOR_REC, "REC" },
    { ID_FILE_MRU_FILE1, "Open this document" },
    { ID_FILE_MRU_FILE2, "Open this document" },
    { ID_FILE_MRU_FILE3, "Open this document" },
    { ID_FILE_MRU_FILE4, "Open this document" },
    { ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar" },
    { ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar" },
    { ID_APP_EXIT, "Quit the application; prompts to save documents\nExit" },
};

std::string ModulePath()
{
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(NULL, path, sizeof(path));
    return path;
}

}

CWinApp* AfxGetApp() { return g_app; }
CWnd* AfxGetMainWnd() { return g_app ? g_app->GetMainWnd() : NULL; }

HINSTANCE AfxGetInstanceHandle()
{
    return g_app && g_app->m_hInstance ? g_app->m_hInstance : ::GetModuleHandleA(NULL);
}

HINSTANCE AfxGetResourceHandle()
{
    return g_resources ? g_resources : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE instance)
{
    g_resources = instance;
}

std::string AfxLoadString(UINT id)
{
    char text[1024];
    int length = ::LoadStringA(AfxGetResourceHandle(), id, text, sizeof(text));
    if (length > 0)
        return std::string(text, length);
    for (const StandardString& s : kStandardStrings)
        if (s.id == id)
            return s.text;
    return std::string();
}

void AfxFormatString1(std::string& out, UINT id, const char* text)
{
    out = AfxLoadString(id);
    size_t at = out.find("%1");
    if (at != std::string::npos)
        out.replace(at, 2, text ? text : "");
}

int AfxMessageBox(const char* text, UINT type, UINT)
{
    CWnd* main = AfxGetMainWnd();
    const char* caption = g_app ? g_app->m_pszAppName : "";
    return ReportMessage(main ? main->m_hWnd : NULL, text, caption, type);
}

int AfxMessageBox(UINT promptId, UINT type, UINT)
{
    return AfxMessageBox(AfxLoadString(promptId).c_str(), type, 0);
}

int AfxWinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show)
{
    CWinApp* app = AfxGetApp();
    if (app == NULL)
        return -1;
    app->m_hInstance = instance;
    app->m_lpCmdLine = commandLine;
    app->m_nCmdShow = show;
    if (!app->InitApplication())
        return app->ExitInstance();
    if (!app->InitInstance())
    {
        if (app->m_pMainWnd)
            app->m_pMainWnd->DestroyWindow();
        return app->ExitInstance();
    }
    return app->Run();
}

// ---------------------------------------------------------------------------
// CWinThread

CWinThread::CWinThread() : m_pMainWnd(NULL), m_hThread(NULL), m_nThreadID(::GetCurrentThreadId()), m_bAutoDelete(TRUE)
{
    memset(&m_msgCur, 0, sizeof(m_msgCur));
    memset(&m_msgLast, 0, sizeof(m_msgLast));
}

int CWinThread::ExitInstance()
{
    return (int)m_msgCur.wParam;
}

int CWinThread::Run()
{
    BOOL idle = TRUE;
    LONG idleCount = 0;
    MSG peek;
    for (;;)
    {
        while (idle && !::PeekMessageA(&peek, NULL, 0, 0, PM_NOREMOVE))
        {
            if (!OnIdle(idleCount++))
                idle = FALSE;
        }
        do
        {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur))
            {
                idle = TRUE;
                idleCount = 0;
            }
        } while (::PeekMessageA(&peek, NULL, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinThread::PumpMessage()
{
    if (!::GetMessageA(&m_msgCur, NULL, 0, 0))
        return FALSE;
    if (!PreTranslateMessage(&m_msgCur))
    {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::IsIdleMessage(MSG* msg)
{
    // Repeated mouse moves, paints and the caret's timer do not restart
    // idle processing.
    if (msg->message == WM_MOUSEMOVE || msg->message == WM_NCMOUSEMOVE)
    {
        if (msg->message == m_msgLast.message && msg->pt.x == m_msgLast.pt.x && msg->pt.y == m_msgLast.pt.y)
            return FALSE;
        m_msgLast = *msg;
        return TRUE;
    }
    return msg->message != WM_PAINT && msg->message != 0x0118;
}

BOOL CWinThread::PreTranslateMessage(MSG* msg)
{
    CWnd* main = GetMainWnd();
    if (CWnd::WalkPreTranslateTree(main ? main->m_hWnd : NULL, msg))
        return TRUE;
    return FALSE;
}

BOOL CWinThread::OnIdle(LONG count)
{
    if (count <= 0)
    {
        CWnd* main = GetMainWnd();
        if (main && main->m_hWnd && main->IsWindowVisible())
        {
            CWnd::AfxWndProc(main->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
            main->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        }
        return TRUE;
    }
    if (count == 1)
        AfxDeleteTempMaps();
    return FALSE;
}

// ---------------------------------------------------------------------------
// CWinApp

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
    ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE1 + 15, OnOpenRecentFile)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFileMenu)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

const char* CWinApp::Keep(const char* text)
{
    return text ? _strdup(text) : NULL;
}

CWinApp::CWinApp(const char* appName)
    : m_hInstance(NULL), m_lpCmdLine(NULL), m_nCmdShow(SW_SHOWNORMAL), m_pszAppName(Keep(appName)),
      m_pszExeName(NULL), m_pszRegistryKey(NULL), m_pszProfileName(NULL), m_pRecentFileList(NULL),
      m_bShellOpen(FALSE)
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    while (!m_templateList.IsEmpty())
        delete m_templateList.RemoveHead();
    delete m_pRecentFileList;
    free((void*)m_pszAppName);
    free((void*)m_pszExeName);
    free((void*)m_pszRegistryKey);
    free((void*)m_pszProfileName);
    if (g_app == this)
        g_app = NULL;
}

BOOL CWinApp::InitApplication()
{
    if (m_hInstance == NULL)
        m_hInstance = ::GetModuleHandleA(NULL);
    std::string path = ModulePath();
    std::string exe = path.substr(path.find_last_of("\\/") + 1);
    if (exe.size() > 4 && _stricmp(exe.c_str() + exe.size() - 4, ".exe") == 0)
        exe.resize(exe.size() - 4);
    if (m_pszExeName == NULL)
        m_pszExeName = Keep(exe.c_str());
    if (m_pszAppName == NULL)
    {
        std::string title = AfxLoadString(AFX_IDS_APP_TITLE);
        m_pszAppName = Keep(title.empty() ? exe.c_str() : title.c_str());
    }
    if (m_pszProfileName == NULL)
        m_pszProfileName = Keep((exe + ".INI").c_str());
    return TRUE;
}

int CWinApp::ExitInstance()
{
    SaveStdProfileSettings();
    return CWinThread::ExitInstance();
}

BOOL CWinApp::OnIdle(LONG count)
{
    return CWinThread::OnIdle(count);
}

// ---- profile

void CWinApp::SetRegistryKey(const char* company)
{
    if (m_pszAppName == NULL)
        InitApplication();
    free((void*)m_pszRegistryKey);
    m_pszRegistryKey = Keep(company);
    free((void*)m_pszProfileName);
    m_pszProfileName = Keep(m_pszAppName);
}

void CWinApp::SetRegistryKey(UINT companyId)
{
    SetRegistryKey(AfxLoadString(companyId).c_str());
}

HKEY CWinApp::GetAppRegistryKey()
{
    if (m_pszRegistryKey == NULL || m_pszProfileName == NULL)
        return NULL;
    std::string path = std::string("Software\\") + m_pszRegistryKey + "\\" + m_pszProfileName;
    HKEY key = NULL;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, NULL, 0, KEY_READ | KEY_WRITE, NULL, &key, NULL) !=
        ERROR_SUCCESS)
        return NULL;
    return key;
}

HKEY CWinApp::GetSectionKey(const char* section)
{
    HKEY app = GetAppRegistryKey();
    if (app == NULL)
        return NULL;
    HKEY key = NULL;
    if (::RegCreateKeyExA(app, section, 0, NULL, 0, KEY_READ | KEY_WRITE, NULL, &key, NULL) != ERROR_SUCCESS)
        key = NULL;
    ::RegCloseKey(app);
    return key;
}

std::string CWinApp::GetProfileString(const char* section, const char* entry, const char* defaultText)
{
    std::string fallback = defaultText ? defaultText : "";
    if (m_pszRegistryKey)
    {
        HKEY key = GetSectionKey(section);
        if (key == NULL)
            return fallback;
        DWORD type = 0, size = 0;
        std::string value = fallback;
        if (::RegQueryValueExA(key, entry, NULL, &type, NULL, &size) == ERROR_SUCCESS && type == REG_SZ &&
            size < 0x100000)
        {
            std::string text(size + 1, '\0');
            if (::RegQueryValueExA(key, entry, NULL, &type, (BYTE*)&text[0], &size) == ERROR_SUCCESS)
                value = text.c_str();
        }
        ::RegCloseKey(key);
        return value;
    }
    char text[4096];
    ::GetPrivateProfileStringA(section, entry, fallback.c_str(), text, sizeof(text), m_pszProfileName);
    return text;
}

UINT CWinApp::GetProfileInt(const char* section, const char* entry, int defaultValue)
{
    if (m_pszRegistryKey)
    {
        HKEY key = GetSectionKey(section);
        if (key == NULL)
            return defaultValue;
        DWORD type = 0, value = 0, size = sizeof(value);
        LONG status = ::RegQueryValueExA(key, entry, NULL, &type, (BYTE*)&value, &size);
        ::RegCloseKey(key);
        return status == ERROR_SUCCESS && type == REG_DWORD ? value : (UINT)defaultValue;
    }
    return ::GetPrivateProfileIntA(section, entry, defaultValue, m_pszProfileName);
}

BOOL CWinApp::WriteProfileString(const char* section, const char* entry, const char* value)
{
    if (m_pszRegistryKey)
    {
        if (entry == NULL)
        {
            HKEY app = GetAppRegistryKey();
            if (app == NULL)
                return FALSE;
            LONG status = ::RegDeleteTreeA(app, section);
            ::RegCloseKey(app);
            return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
        }
        HKEY key = GetSectionKey(section);
        if (key == NULL)
            return FALSE;
        LONG status;
        if (value == NULL)
            status = ::RegDeleteValueA(key, entry);
        else
            status = ::RegSetValueExA(key, entry, 0, REG_SZ, (const BYTE*)value, (DWORD)strlen(value) + 1);
        ::RegCloseKey(key);
        return status == ERROR_SUCCESS || (value == NULL && status == ERROR_FILE_NOT_FOUND);
    }
    return ::WritePrivateProfileStringA(section, entry, value, m_pszProfileName);
}

BOOL CWinApp::WriteProfileInt(const char* section, const char* entry, int value)
{
    if (m_pszRegistryKey)
    {
        HKEY key = GetSectionKey(section);
        if (key == NULL)
            return FALSE;
        DWORD number = (DWORD)value;
        LONG status = ::RegSetValueExA(key, entry, 0, REG_DWORD, (const BYTE*)&number, sizeof(number));
        ::RegCloseKey(key);
        return status == ERROR_SUCCESS;
    }
    char text[16];
    wsprintfA(text, "%d", value);
    return ::WritePrivateProfileStringA(section, entry, text, m_pszProfileName);
}

// ---- recent files

void CWinApp::LoadStdProfileSettings(UINT maxRecentFiles)
{
    if (m_pszAppName == NULL)
        InitApplication();
    delete m_pRecentFileList;
    m_pRecentFileList = NULL;
    if (maxRecentFiles > 0)
    {
        m_pRecentFileList = new CRecentFileList(0, "Recent File List", "File%d", (int)(maxRecentFiles > 16 ? 16 : maxRecentFiles));
        m_pRecentFileList->ReadList();
    }
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_pRecentFileList)
        m_pRecentFileList->WriteList();
}

void CWinApp::AddToRecentFileList(const char* path)
{
    if (m_pRecentFileList && path && *path)
        m_pRecentFileList->Add(path);
}

BOOL CWinApp::OnOpenRecentFile(UINT id)
{
    if (m_pRecentFileList == NULL)
        return FALSE;
    int index = (int)(id - ID_FILE_MRU_FILE1);
    if (index < 0 || index >= m_pRecentFileList->GetSize())
        return FALSE;
    std::string path = (*m_pRecentFileList)[index];
    if (path.empty())
        return FALSE;
    // A file that no longer opens leaves the list.
    if (OpenDocumentFile(path.c_str()) == NULL)
        m_pRecentFileList->Remove(index);
    return TRUE;
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* cmdUI)
{
    if (m_pRecentFileList == NULL)
        cmdUI->Enable(FALSE);
    else
        m_pRecentFileList->UpdateMenu(cmdUI);
}

// ---- documents

void CWinApp::AddDocTemplate(CDocTemplate* docTemplate)
{
    m_templateList.AddTail(docTemplate);
}

CDocument* CWinApp::OpenDocumentFile(const char* path)
{
    if (m_templateList.IsEmpty() || path == NULL)
        return NULL;
    std::string name = path;
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
        name = name.substr(1, name.size() - 2);
    char full[MAX_PATH];
    if (::GetFullPathNameA(name.c_str(), sizeof(full), full, NULL) > 0)
        name = full;
    // The file already open is brought forward, not read again.
    for (POSITION t = m_templateList.GetHeadPosition(); t;)
    {
        CDocTemplate* docTemplate = m_templateList.GetNext(t);
        for (POSITION d = docTemplate->GetFirstDocPosition(); d;)
        {
            CDocument* doc = docTemplate->GetNextDoc(d);
            if (_stricmp(doc->GetPathName(), name.c_str()) == 0)
            {
                POSITION v = doc->GetFirstViewPosition();
                if (v)
                {
                    CFrameWnd* frame = doc->GetNextView(v)->GetParentFrame();
                    if (frame)
                        frame->ActivateFrame();
                }
                return doc;
            }
        }
    }
    return m_templateList.GetHead()->OpenDocumentFile(name.c_str());
}

BOOL CWinApp::SaveAllModified()
{
    for (POSITION t = m_templateList.GetHeadPosition(); t;)
        if (!m_templateList.GetNext(t)->SaveAllModified())
            return FALSE;
    return TRUE;
}

void CWinApp::CloseAllDocuments(BOOL endSession)
{
    for (POSITION t = m_templateList.GetHeadPosition(); t;)
        m_templateList.GetNext(t)->CloseAllDocuments(endSession);
}

BOOL CWinApp::DoPromptFileName(std::string& path, UINT titleId, DWORD flags, BOOL open, CDocTemplate* docTemplate)
{
    if (docTemplate == NULL && !m_templateList.IsEmpty())
        docTemplate = m_templateList.GetHead();
    std::string filter = docTemplate ? docTemplate->GetFilter() : std::string();
    std::string ext;
    if (docTemplate)
        docTemplate->GetDocString(ext, CDocTemplate::filterExt);
    std::string title = AfxLoadString(titleId);
    char file[MAX_PATH] = "";
    strncpy(file, path.c_str(), sizeof(file) - 1);
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof(ofn);
    CWnd* main = AfxGetMainWnd();
    ofn.hwndOwner = main ? main->m_hWnd : NULL;
    ofn.lpstrFilter = filter.empty() ? NULL : filter.c_str();
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof(file);
    ofn.lpstrTitle = title.empty() ? NULL : title.c_str();
    ofn.lpstrDefExt = ext.size() > 1 ? ext.c_str() + 1 : NULL;
    ofn.Flags = flags | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER |
                (open ? OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST : OFN_OVERWRITEPROMPT);
    BOOL chosen = open ? ::GetOpenFileNameA(&ofn) : ::GetSaveFileNameA(&ofn);
    if (chosen)
        path = file;
    return chosen;
}

void CWinApp::OnFileNew()
{
    if (m_templateList.IsEmpty())
        return;
    m_templateList.GetHead()->OpenDocumentFile(NULL);
}

void CWinApp::OnFileOpen()
{
    std::string path;
    if (!DoPromptFileName(path, AFX_IDS_OPENFILE, 0, TRUE, NULL))
        return;
    OpenDocumentFile(path.c_str());
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

// ---- shell

void CWinApp::RegisterShellFileTypes(BOOL compat)
{
    std::string module = ModulePath();
    for (POSITION t = m_templateList.GetHeadPosition(); t;)
    {
        CDocTemplate* docTemplate = m_templateList.GetNext(t);
        std::string typeId, typeName, ext;
        if (!docTemplate->GetDocString(typeId, CDocTemplate::regFileTypeId) || typeId.empty())
            continue;
        docTemplate->GetDocString(typeName, CDocTemplate::regFileTypeName);
        docTemplate->GetDocString(ext, CDocTemplate::filterExt);
        RegisterShellDocumentType(typeId, typeName, ext, module, compat);
    }
}

void CWinApp::UnregisterShellFileTypes()
{
    for (POSITION t = m_templateList.GetHeadPosition(); t;)
    {
        CDocTemplate* docTemplate = m_templateList.GetNext(t);
        std::string typeId, ext;
        if (!docTemplate->GetDocString(typeId, CDocTemplate::regFileTypeId) || typeId.empty())
            continue;
        docTemplate->GetDocString(ext, CDocTemplate::filterExt);
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, typeId.c_str());
        if (ext.size() > 1 && GetShellClassesValue(ext) == typeId)
            ::RegDeleteTreeA(HKEY_CLASSES_ROOT, ext.c_str());
    }
}

// ---- command line

void CWinApp::ParseCommandLine(CCommandLineInfo& info)
{
    for (int i = 1; i < __argc; ++i)
    {
        const char* param = __argv[i];
        BOOL flag = param[0] == '-' || param[0] == '/';
        if (flag)
            ++param;
        info.ParseParam(param, flag, i == __argc - 1);
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& info)
{
    switch (info.m_nShellCommand)
    {
    case CCommandLineInfo::FileNew:
        if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, NULL, NULL))
            OnFileNew();
        return m_pMainWnd != NULL;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(info.m_strFileName.c_str()) != NULL;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
        // Nothing prints: the document opens and the program ends.
        OpenDocumentFile(info.m_strFileName.c_str());
        return FALSE;
    case CCommandLineInfo::AppRegister:
        RegisterShellFileTypes(TRUE);
        return FALSE;
    case CCommandLineInfo::AppUnregister:
        UnregisterShellFileTypes();
        return FALSE;
    case CCommandLineInfo::FileDDE:
    case CCommandLineInfo::FileNothing:
    default:
        // No DDE server: a "/dde" start is a start without a command.
        return TRUE;
    }
}

// ---------------------------------------------------------------------------
// CCommandLineInfo

CCommandLineInfo::CCommandLineInfo()
    : m_nShellCommand(FileNew), m_bShowSplash(TRUE), m_bRunEmbedded(FALSE), m_bRunAutomated(FALSE),
      m_printToArgs(0)
{
}

void CCommandLineInfo::ParseParam(const char* param, BOOL flag, BOOL last)
{
    if (flag)
    {
        if (_stricmp(param, "pt") == 0)
        {
            m_nShellCommand = FilePrintTo;
            m_printToArgs = 3;
        }
        else if (_stricmp(param, "p") == 0)
            m_nShellCommand = FilePrint;
        else if (_stricmp(param, "Unregister") == 0 || _stricmp(param, "Unregserver") == 0)
            m_nShellCommand = AppUnregister;
        else if (_stricmp(param, "Register") == 0 || _stricmp(param, "Regserver") == 0)
            m_nShellCommand = AppRegister;
        else if (_stricmp(param, "dde") == 0)
            m_nShellCommand = FileDDE;
        else if (_stricmp(param, "Embedding") == 0)
            m_bRunEmbedded = TRUE;
        else if (_stricmp(param, "Automation") == 0)
            m_bRunAutomated = TRUE;
    }
    else if (m_strFileName.empty())
    {
        m_strFileName = param;
    }
    else if (m_nShellCommand == FilePrintTo && m_printToArgs > 0)
    {
        std::string& target = m_printToArgs == 3 ? m_strPrinterName : m_printToArgs == 2 ? m_strDriverName : m_strPortName;
        target = param;
        --m_printToArgs;
    }
    if (last)
    {
        if (m_nShellCommand == FileNew && !m_strFileName.empty())
            m_nShellCommand = FileOpen;
        if (m_bRunEmbedded || m_bRunAutomated)
            m_bShowSplash = FALSE;
    }
}
