// CWinThread and CWinApp: the message loop with idle processing, the
// registry profile, the recent files, the shell registration and the
// command line. A program defines one global object of its CWinApp class
// and a WinMain that returns AfxWinMain(...).
#pragma once

#include "platform/framework/CmdTarget.h"
#include "platform/framework/List.h"

#include <string>
#include <vector>

class CDocTemplate;
class CDocument;
class CRecentFileList;
class CWnd;

class CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();

    virtual BOOL InitInstance() { return FALSE; }
    virtual int ExitInstance();
    // The message loop: idle processing while the queue is empty, ends at
    // WM_QUIT with ExitInstance's code.
    virtual int Run();
    virtual BOOL PumpMessage();
    // count 0 updates the command items of the main window and its
    // descendants; count 1 drops the temporary wrappers. TRUE: call again.
    virtual BOOL OnIdle(LONG count);
    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual BOOL IsIdleMessage(MSG* msg);
    virtual CWnd* GetMainWnd() { return m_pMainWnd; }

    CWnd* m_pMainWnd;
    HANDLE m_hThread;
    DWORD m_nThreadID;
    BOOL m_bAutoDelete;

protected:
    MSG m_msgCur;
    MSG m_msgLast;
};

class CCommandLineInfo
{
public:
    CCommandLineInfo();
    virtual ~CCommandLineInfo() {}
    // One argument: flag when it began with '-' or '/' (the mark removed).
    virtual void ParseParam(const char* param, BOOL flag, BOOL last);

    enum
    {
        FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppRegister, AppUnregister, FileNothing = -1
    } m_nShellCommand;
    BOOL m_bShowSplash;
    BOOL m_bRunEmbedded;
    BOOL m_bRunAutomated;
    std::string m_strFileName;
    std::string m_strPrinterName;
    std::string m_strDriverName;
    std::string m_strPortName;

private:
    int m_printToArgs;  // arguments still expected after "/pt"
};

class CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    // appName NULL: string AFX_IDS_APP_TITLE, else the program's file name.
    explicit CWinApp(const char* appName = NULL);
    ~CWinApp() override;

    virtual BOOL InitApplication();
    int ExitInstance() override;  // writes the recent files and the profile
    BOOL OnIdle(LONG count) override;

    // Registry profile: HKCU\Software\<key>\<app name>\<section>; without
    // a registry key, the program's .INI file in the Windows folder.
    void SetRegistryKey(const char* company);
    void SetRegistryKey(UINT companyId);
    std::string GetProfileString(const char* section, const char* entry, const char* defaultText = NULL);
    UINT GetProfileInt(const char* section, const char* entry, int defaultValue);
    // entry NULL removes the section, value NULL the entry.
    BOOL WriteProfileString(const char* section, const char* entry, const char* value);
    BOOL WriteProfileInt(const char* section, const char* entry, int value);
    // Open keys the caller closes; NULL when there is no registry profile.
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(const char* section);

    // The recent-file list ("Recent File List", "File1".."FileN").
    void LoadStdProfileSettings(UINT maxRecentFiles = 4);
    void SaveStdProfileSettings();
    virtual void AddToRecentFileList(const char* path);

    // Documents
    void AddDocTemplate(CDocTemplate* docTemplate);
    POSITION GetFirstDocTemplatePosition() const { return m_templateList.GetHeadPosition(); }
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const { return m_templateList.GetNext(pos); }
    virtual CDocument* OpenDocumentFile(const char* path);
    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments(BOOL endSession);
    // The open or save dialog; FALSE when cancelled.
    virtual BOOL DoPromptFileName(std::string& path, UINT titleId, DWORD flags, BOOL open, CDocTemplate* docTemplate);

    // Start-up switches of the original library that change nothing here:
    // controls are hosted through atl.dll and 3D controls are the default.
    void Enable3dControlsStatic() {}
    void Enable3dControls() {}

    // Shell
    void EnableShellOpen() { m_bShellOpen = TRUE; }
    // For each template: "<.ext>" -> "<type id>", "<type id>" = "<type
    // name>", DefaultIcon, shell\open\command = "<program>" "%1" and with
    // compat also print and printto. No DDE server is registered.
    void RegisterShellFileTypes(BOOL compat = FALSE);
    void UnregisterShellFileTypes();

    // Command line
    void ParseCommandLine(CCommandLineInfo& info);
    // FALSE: the program ends (open failed, registration, printing done).
    BOOL ProcessShellCommand(CCommandLineInfo& info);

    HINSTANCE m_hInstance;
    char* m_lpCmdLine;
    int m_nCmdShow;
    const char* m_pszAppName;
    const char* m_pszExeName;
    const char* m_pszRegistryKey;
    const char* m_pszProfileName;
    CRecentFileList* m_pRecentFileList;
    BOOL m_bShellOpen;

    void OnFileNew();
    void OnFileOpen();
    void OnAppExit();
    BOOL OnOpenRecentFile(UINT id);
    void OnUpdateRecentFileMenu(CCmdUI* cmdUI);

protected:
    CList<CDocTemplate*, CDocTemplate*> m_templateList;
    DECLARE_MESSAGE_MAP()

private:
    static const char* Keep(const char* text);
};

class CRecentFileList
{
public:
    CRecentFileList(UINT start, const char* section, const char* entryFormat, int size, int maxDisplayLength = 40);
    virtual ~CRecentFileList() {}

    int GetSize() const { return (int)m_names.size(); }
    const std::string& operator[](int index) const { return m_names[index]; }
    // The full path goes to the top; a path already listed (case ignored)
    // moves there.
    virtual void Add(const char* path);
    virtual void Remove(int index);
    virtual void ReadList();
    virtual void WriteList();
    // Replaces the menu's recent-file items with the list; an empty list
    // shows the item as it is, disabled.
    virtual void UpdateMenu(CCmdUI* cmdUI);
    // The text of one menu item (without the "&1 " prefix).
    virtual BOOL GetDisplayName(std::string& name, int index) const;

    UINT m_nStart;
    std::string m_strSectionName;
    std::string m_strEntryFormat;
    int m_nMaxDisplayLength;
    std::string m_strOriginal;  // the menu item's own text

private:
    std::vector<std::string> m_names;
};

// Nothing to switch on: controls are hosted through atl.dll.
inline void AfxEnableControlContainer() {}

// The application object, its main window and the instance handles.
CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE instance);
int AfxWinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show);

// A string of the program's table, else the framework's own text for its
// standard ids; empty when neither has one.
std::string AfxLoadString(UINT id);
// The string with "%1" replaced by text.
void AfxFormatString1(std::string& out, UINT id, const char* text);
// Through the message reporter (model/common/MessageReporter.h); the
// caption is the application's name.
int AfxMessageBox(const char* text, UINT type = MB_OK, UINT helpId = 0);
int AfxMessageBox(UINT promptId, UINT type = MB_OK, UINT helpId = (UINT)-1);
