#include "authoring/LumbrookConfig.h"

#include "authoring/AboutDlg.h"
#include "authoring/ActiveXElementSheets.h"
#include "authoring/EditorServicesImpl.h"
#include "authoring/LumbrookConfigDoc.h"
#include "authoring/LumbrookConfigView.h"
#include "authoring/MainFrm.h"
#include "authoring/PageSheet.h"
#include "authoring/ProgramFolders.h"
#include "authoring/ScriptItemPP.h"
#include "authoring/SplashWnd.h"
#include "authoring/TextImageSheets.h"
#include "model/common/Str.h"
#include "platform/atl/AtlBase.h"
#include "resources/LumbrookConfigIds.h"

#include <objbase.h>
#include <string.h>

BEGIN_MESSAGE_MAP(CLumbrookConfigApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
END_MESSAGE_MAP()

CLumbrookConfigApp::CLumbrookConfigApp() : CWinApp("LumbrookConfig"), m_bComModuleInitialized(FALSE)
{
}

void CLumbrookConfigApp::ShowSplash()
{
    // The splash deletes itself when it goes, or at once when it cannot show.
    (new CSplashWnd(IDB_SPLASH, kSplashMs))->ShowSplash(1.0f);
}

BOOL CLumbrookConfigApp::InitComModule()
{
    m_bComModuleInitialized = TRUE;
    if (FAILED(CoInitialize(NULL)))
    {
        m_bComModuleInitialized = FALSE;
        return FALSE;
    }
    _Module.Init(NULL, m_hInstance);
    _Module.dwThreadID = GetCurrentThreadId();

    if (_Module.RunRegistrationSwitch(IDR_LUMBROOKCONFIG, GetCommandLineA()))
    {
        m_bComModuleInitialized = FALSE;
        _Module.Term();
        CoUninitialize();
        return FALSE;
    }
    if (FAILED(_Module.RegisterClassObjects(CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE)))
    {
        m_bComModuleInitialized = FALSE;
        _Module.Term();
        CoUninitialize();
        return FALSE;
    }
    return TRUE;
}

BOOL CLumbrookConfigApp::InitInstance()
{
    ShowSplash();

    CStr program = GetProgramPath();
    SetProjectsFolder(MakeProjectsFolder(program));

    if (!InitComModule())
        return FALSE;

    InitCommonControls();
    InstallEditorServices();
    InstallScriptEditing();
    InstallActiveXElementSheets();
    InstallPageSheet();
    InstallTextImageSheets();

    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CLumbrookConfigDoc),
                                          RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CLumbrookConfigView)));

    SetRegistryKey("Dunmarrow Software");
    LoadStdProfileSettings(4);
    EnableShellOpen();
    RegisterShellFileTypes(TRUE);

    // The document and the frame exist before the command line is looked
    // at, whatever it asks for.
    POSITION position = GetFirstDocTemplatePosition();
    CDocTemplate* docTemplate = GetNextDocTemplate(position);
    CDocument* document = docTemplate->CreateNewDocument();
    CFrameWnd* frame = document ? docTemplate->CreateNewFrame(document, NULL) : NULL;
    if (frame == NULL)
        return FALSE;
    docTemplate->InitialUpdateFrame(frame, document, TRUE);
    m_pMainWnd = frame;

    // Opened from the command line no new document sets the content
    // folders, and OK in Preferences would store the empty one.
    ResetContentFolders();
    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    if (!commandLine.m_bRunEmbedded && !commandLine.m_bRunAutomated)
    {
        if (!ProcessShellCommand(commandLine))
            return FALSE;
    }
    m_pMainWnd->ShowWindow(SW_SHOW);
    m_pMainWnd->UpdateWindow();
    m_pMainWnd->DragAcceptFiles();
    return TRUE;
}

int CLumbrookConfigApp::ExitInstance()
{
    if (m_bComModuleInitialized)
    {
        _Module.RevokeClassObjects();
        _Module.Term();
        CoUninitialize();
        m_bComModuleInitialized = FALSE;
    }
    RemoveEditorServices();
    CStr::SetPoolingOff(TRUE);
    return CWinApp::ExitInstance();
}

void CLumbrookConfigApp::AddToRecentFileList(const char* path)
{
    CWinApp::AddToRecentFileList(path);
}

void CLumbrookConfigApp::OnAppAbout()
{
    CAboutDlg about;
    about.m_strTitle = "LumbrookConfig Version 1.0";
    about.m_strNotice = "Copyright (C) Dunmarrow Software";
    about.DoModal();
}
