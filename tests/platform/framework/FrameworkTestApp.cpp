#include "tests/platform/framework/FrameworkTestApp.h"

std::vector<std::string> g_log;
std::set<std::pair<std::string, UINT>> g_handles;
BOOL g_guardedEnabled = TRUE;
int g_guardedRuns = 0;

static BOOL Route(const char* name, UINT id)
{
    if (g_handles.count({ name, id }) == 0)
        return FALSE;
    g_log.push_back(name);
    return TRUE;
}

IMPLEMENT_DYNCREATE(CTestDoc, CDocument)
BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
    ON_COMMAND_EX_RANGE(ID_ROUTED_FIRST, ID_ROUTED_LAST, OnRouted)
    ON_COMMAND(ID_GUARDED, OnGuarded)
    ON_UPDATE_COMMAND_UI(ID_GUARDED, OnUpdateGuarded)
    ON_COMMAND_RANGE(ID_TOOL_ENABLED, ID_TOOL_DISABLED, OnToolCommand)
    ON_UPDATE_COMMAND_UI(ID_TOOL_ENABLED, OnUpdateToolEnabled)
    ON_UPDATE_COMMAND_UI(ID_TOOL_DISABLED, OnUpdateToolDisabled)
END_MESSAGE_MAP()

BOOL CTestDoc::OnRouted(UINT id) { return Route("document", id); }

BOOL CTestDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    ++m_newCount;
    return TRUE;
}

BOOL CTestDoc::OnOpenDocument(const char* path)
{
    if (!CDocument::OnOpenDocument(path))
        return FALSE;
    if (m_failOpen)
        return FALSE;
    m_content = path;
    if (!m_ownPath.empty())
        m_strPathName = m_ownPath;
    return TRUE;
}

IMPLEMENT_DYNCREATE(CTestView, CView)
BEGIN_MESSAGE_MAP(CTestView, CView)
    ON_COMMAND_EX_RANGE(ID_ROUTED_FIRST, ID_ROUTED_LAST, OnRouted)
END_MESSAGE_MAP()

BOOL CTestView::OnRouted(UINT id) { return Route("view", id); }

void CTestView::OnInitialUpdate()
{
    ++m_initialUpdates;
    CView::OnInitialUpdate();
}

IMPLEMENT_DYNCREATE(CTestFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND_EX_RANGE(ID_ROUTED_FIRST, ID_ROUTED_LAST, OnRouted)
END_MESSAGE_MAP()

BOOL CTestFrame::OnRouted(UINT id) { return Route("frame", id); }

int CTestFrame::OnCreate(LPCREATESTRUCT cs)
{
    if (CFrameWnd::OnCreate(cs) == -1)
        return -1;
    static const UINT buttons[] = { ID_TOOL_ENABLED, ID_SEPARATOR, ID_TOOL_DISABLED, ID_TOOL_UNHANDLED };
    static const UINT indicators[] = { ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL };
    if (!m_toolBar.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY) ||
        !m_toolBar.SetButtons(buttons, 4) || !m_statusBar.Create(this) || !m_statusBar.SetIndicators(indicators, 4))
        return -1;
    RecalcLayout();
    return 0;
}

BEGIN_MESSAGE_MAP(CTestTemplate, CSingleDocTemplate)
    ON_COMMAND_EX_RANGE(ID_ROUTED_FIRST, ID_ROUTED_LAST, OnRouted)
END_MESSAGE_MAP()

CTestTemplate::CTestTemplate()
    : CSingleDocTemplate(128, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestFrame), RUNTIME_CLASS(CTestView))
{
}

BOOL CTestTemplate::OnRouted(UINT id) { return Route("template", id); }

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND_EX_RANGE(ID_ROUTED_FIRST, ID_ROUTED_LAST, OnRouted)
END_MESSAGE_MAP()

BOOL CTestApp::OnRouted(UINT id) { return Route("application", id); }

CTestDoc* CTestApp::Start()
{
    InitApplication();
    CTestTemplate* docTemplate = new CTestTemplate;
    AddDocTemplate(docTemplate);
    CDocument* doc = docTemplate->CreateNewDocument();
    CFrameWnd* frame = doc ? docTemplate->CreateNewFrame(doc, NULL) : NULL;
    if (frame == NULL)
        return NULL;
    m_pMainWnd = frame;
    docTemplate->InitialUpdateFrame(frame, doc, TRUE);
    return static_cast<CTestDoc*>(doc);
}

CTestDoc* CTestApp::Doc()
{
    POSITION t = GetFirstDocTemplatePosition();
    CDocTemplate* docTemplate = t ? GetNextDocTemplate(t) : NULL;
    POSITION d = docTemplate ? docTemplate->GetFirstDocPosition() : NULL;
    return d ? static_cast<CTestDoc*>(docTemplate->GetNextDoc(d)) : NULL;
}

CTestView* CTestApp::View()
{
    return Frame() ? static_cast<CTestView*>(Frame()->GetActiveView()) : NULL;
}

CTestApp::~CTestApp()
{
    if (m_pMainWnd)
        m_pMainWnd->DestroyWindow();
    PumpMessages();
}

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
            continue;
        CWinApp* app = AfxGetApp();
        if (app && app->PreTranslateMessage(&msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
