// One single-document program for the framework's tests: a document, a
// view, a frame with toolbar and status bar, a template and an
// application, each recording what reaches it.
#pragma once

#include "platform/framework/Afx.h"

#include <set>
#include <string>
#include <vector>

// Commands each target carries out (routing tests) and the log of who did.
enum
{
    ID_ROUTED_FIRST = 1001,
    ID_ROUTED_LAST = 1009,
    ID_GUARDED = 2001,      // the document's, enabled by g_guardedEnabled
    ID_TOOL_ENABLED = 3001, // enabled by the document
    ID_TOOL_DISABLED = 3002,
    ID_TOOL_UNHANDLED = 3003,
};

extern std::vector<std::string> g_log;
// target name -> the routed commands it carries out
extern std::set<std::pair<std::string, UINT>> g_handles;
extern BOOL g_guardedEnabled;
extern int g_guardedRuns;

class CTestDoc : public CDocument
{
    DECLARE_DYNCREATE(CTestDoc)
public:
    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(const char* path) override;
    void DeleteContents() override { m_content.clear(); }

    std::string m_content;     // what was read; cleared with the contents
    int m_newCount = 0;
    BOOL m_failOpen = FALSE;
    std::string m_ownPath;     // a path to take while opening

protected:
    BOOL OnRouted(UINT id);
    void OnGuarded() { ++g_guardedRuns; }
    void OnUpdateGuarded(CCmdUI* cmdUI) { cmdUI->Enable(g_guardedEnabled); }
    void OnUpdateToolEnabled(CCmdUI* cmdUI) { cmdUI->Enable(TRUE); }
    void OnUpdateToolDisabled(CCmdUI* cmdUI) { cmdUI->Enable(FALSE); }
    void OnToolCommand(UINT) {}
    DECLARE_MESSAGE_MAP()
};

class CTestView : public CView
{
    DECLARE_DYNCREATE(CTestView)
public:
    void OnDraw(CDC*) override {}
    void OnInitialUpdate() override;
    int m_initialUpdates = 0;

protected:
    BOOL OnRouted(UINT id);
    DECLARE_MESSAGE_MAP()
};

class CTestFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CTestFrame)
public:
    CToolBar m_toolBar;
    CStatusBar m_statusBar;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    BOOL OnRouted(UINT id);
    DECLARE_MESSAGE_MAP()
};

class CTestTemplate : public CSingleDocTemplate
{
public:
    CTestTemplate();

protected:
    BOOL OnRouted(UINT id);
    DECLARE_MESSAGE_MAP()
};

class CTestApp : public CWinApp
{
public:
    CTestApp() : CWinApp("FrameworkTest") {}
    // The template, its document made and its frame shown.
    CTestDoc* Start();
    CTestDoc* Doc();
    CTestFrame* Frame() { return static_cast<CTestFrame*>(m_pMainWnd); }
    CTestView* View();
    ~CTestApp() override;

protected:
    BOOL OnRouted(UINT id);
    DECLARE_MESSAGE_MAP()
};

// Dispatches what is waiting for this thread's windows.
void PumpMessages();
