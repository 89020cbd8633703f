#include "authoring/MainFrm.h"

#include "authoring/ActionTreeView.h"
#include "authoring/DibResource.h"
#include "authoring/LumbrookConfigView.h"
#include "authoring/StartupSteps.h"
#include "resources/LumbrookConfigIds.h"

const char kEditorFrameClass[] = "QNDL_EDITORFRAME";

namespace {

const COLORREF kLightGrey = RGB(192, 192, 192);
const COLORREF kTeal = RGB(0, 128, 128);
const int kTreeWidth = 225;

// The toolbar's slots: command and picture; 0 a separator.
const struct
{
    UINT command;
    int image;
} kToolbarSlots[] = {
    { ID_PROJECT_NEW, 0 }, { ID_FILE_OPEN, 1 }, { ID_FILE_SAVE, 2 }, { ID_SEPARATOR, -1 },
    { ID_EDIT_CUT, 3 }, { ID_EDIT_COPY, 4 }, { ID_EDIT_PASTE, 5 }, { ID_SEPARATOR, -1 },
    { ID_INSERT_BUTTON, 6 }, { ID_TOOL_IMAGE, 7 }, { ID_TOOL_TEXT, 8 }, { ID_INSERT_ACTIVEX, 10 },
    { ID_SEPARATOR, -1 }, { ID_TOOL_PREVIEW, 11 },
};
const int kToolbarSlotCount = sizeof(kToolbarSlots) / sizeof(kToolbarSlots[0]);

const UINT kIndicators[] = { ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL };

} // namespace

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

CMainFrame::CMainFrame() : m_pDocument(NULL)
{
}

CMainFrame::~CMainFrame()
{
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    // The framework's frame class under a name of our own, with our icon.
    WNDCLASSA frameClass = {};
    HINSTANCE instance = AfxGetInstanceHandle();
    if (!GetClassInfoA(instance, kEditorFrameClass, &frameClass))
    {
        if (!GetClassInfoA(instance, cs.lpszClass, &frameClass) && !GetClassInfoA(NULL, cs.lpszClass, &frameClass))
            return FALSE;
        frameClass.hInstance = instance;
        frameClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME));
        frameClass.lpszClassName = kEditorFrameClass;
        if (!RegisterClassA(&frameClass))
            return FALSE;
    }
    cs.lpszClass = kEditorFrameClass;
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT cs)
{
    if (CFrameWnd::OnCreate(cs) == -1)
        return -1;

    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM,
                               CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR))
        return -1;
    m_wndToolBar.SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(24, 22));
    m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY);
    if (FillImageListFromDib(m_toolbarHotImages, IDB_TOOLBAR_HOT, 16, kLightGrey))
        m_wndToolBar.SetHotImageList(&m_toolbarHotImages);
    if (FillImageListFromDib(m_toolbarImages, IDB_TOOLBAR, 16, kLightGrey))
        m_wndToolBar.SetImageList(&m_toolbarImages);
    UINT commands[kToolbarSlotCount];
    for (int i = 0; i < kToolbarSlotCount; ++i)
        commands[i] = kToolbarSlots[i].command;
    if (!m_wndToolBar.SetButtons(commands, kToolbarSlotCount))
        return -1;
    for (int i = 0; i < kToolbarSlotCount; ++i)
    {
        UINT command = kToolbarSlots[i].command;
        if (command == ID_SEPARATOR)
            continue;
        m_wndToolBar.SetButtonInfo(i, command, TBSTYLE_BUTTON, kToolbarSlots[i].image);
        if (command != ID_INSERT_BUTTON)
            m_wndToolBar.AddString(AfxLoadString(command).c_str());
    }
    MarkStartupStep("toolbar");

    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP,
                               AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(kIndicators, sizeof(kIndicators) / sizeof(kIndicators[0])))
        return -1;
    MarkStartupStep("status bar");

    CenterWindow();
    return 0;
}

BOOL CMainFrame::OnCreateClient(LPCREATESTRUCT cs, CCreateContext* context)
{
    MarkStartupStep("frame");
    m_pDocument = context ? context->m_pCurrentDoc : NULL;
    if (!m_wndSplitter.CreateStatic(this, 1, 2, WS_CHILD | WS_VISIBLE, AFX_IDW_PANE_FIRST) ||
        !m_wndSplitter.CreateView(0, 0, RUNTIME_CLASS(CActionTreeView), CSize(kTreeWidth, 0), context) ||
        !m_wndSplitter.CreateView(0, 1, RUNTIME_CLASS(CLumbrookConfigView), CSize(0, 0), context))
        return FALSE;
    FillImageListFromDib(m_smallImages, IDB_FRAME_SMALL, 16, kTeal);
    FillImageListFromDib(m_largeImages, IDB_FRAME_LARGE, 32, kLightGrey);
    SetActiveView(static_cast<CView*>(m_wndSplitter.GetPane(0, 1)));
    MarkStartupStep("splitter, tree and page view");
    return TRUE;
}
