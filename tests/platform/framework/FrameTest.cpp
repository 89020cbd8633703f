// The frame's panes and menus: a static splitter with a tree view whose
// notifications come back to it, and menu items updated as a popup opens.
#include "tests/platform/framework/FrameworkTestApp.h"

#include <gtest/gtest.h>

namespace
{
std::vector<std::string> g_treeHeard;

class CTreePane : public CTreeView
{
    DECLARE_DYNCREATE(CTreePane)
protected:
    void OnSelChanged(NMHDR* header, LRESULT*)
    {
        NMTREEVIEWA* tree = reinterpret_cast<NMTREEVIEWA*>(header);
        g_treeHeard.push_back("selected " + GetTreeCtrl().GetItemText(tree->itemNew.hItem));
    }
    void OnDblClk(NMHDR*, LRESULT* result)
    {
        g_treeHeard.push_back("double-click");
        *result = 1;
    }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CTreePane, CTreeView)
BEGIN_MESSAGE_MAP(CTreePane, CTreeView)
    ON_NOTIFY_REFLECT(TVN_SELCHANGEDA, OnSelChanged)
    ON_NOTIFY_REFLECT(NM_DBLCLK, OnDblClk)
END_MESSAGE_MAP()

class CSplitFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CSplitFrame)
public:
    CSplitterWnd m_splitter;
    BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext* context) override
    {
        if (!m_splitter.CreateStatic(this, 1, 2) ||
            !m_splitter.CreateView(0, 0, RUNTIME_CLASS(CTreePane), CSize(225, 0), context) ||
            !m_splitter.CreateView(0, 1, RUNTIME_CLASS(CTestView), CSize(0, 0), context))
            return FALSE;
        SetActiveView(static_cast<CView*>(m_splitter.GetPane(0, 1)));
        return TRUE;
    }
};
IMPLEMENT_DYNCREATE(CSplitFrame, CFrameWnd)

CFrameWnd* OpenSplitFrame(CTestApp& app)
{
    app.InitApplication();
    app.AddDocTemplate(new CSingleDocTemplate(128, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CSplitFrame),
                                              RUNTIME_CLASS(CTestView)));
    app.OnFileNew();
    CDocument* doc = app.Doc();
    POSITION pos = doc ? doc->GetFirstViewPosition() : NULL;
    app.m_pMainWnd = pos ? doc->GetNextView(pos)->GetParentFrame() : NULL;
    return static_cast<CFrameWnd*>(app.m_pMainWnd);
}
}

TEST(SplitterTest, PanesHaveTheirIdsAndWidthsAndTheTreeHearsItsOwnNotifications)
{
    CTestApp app;
    CSplitFrame* frame = static_cast<CSplitFrame*>(OpenSplitFrame(app));
    ASSERT_NE(frame, nullptr);
    frame->MoveWindow(0, 0, 700, 500);
    CTreePane* tree = static_cast<CTreePane*>(frame->m_splitter.GetPane(0, 0));
    CWnd* page = frame->m_splitter.GetPane(0, 1);
    ASSERT_NE(tree, nullptr);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(tree->GetDlgCtrlID(), 59648);
    EXPECT_EQ(page->GetDlgCtrlID(), 59649);
    EXPECT_EQ(frame->GetActiveView(), page);
    int width, minimum;
    frame->m_splitter.GetColumnInfo(0, width, minimum);
    EXPECT_EQ(width, 225);
    CRect rect;
    tree->GetWindowRect(&rect);
    EXPECT_EQ(rect.Width(), 225);
    // Both views show the one document.
    EXPECT_EQ(tree->GetDocument(), app.Doc());
    EXPECT_EQ(static_cast<CView*>(page)->GetDocument(), app.Doc());

    CTreeCtrl& ctrl = tree->GetTreeCtrl();
    HTREEITEM first = ctrl.InsertItem("first");
    HTREEITEM second = ctrl.InsertItem("second");
    struct Step
    {
        HTREEITEM select;
        const char* heard;
    };
    const Step steps[] = { { first, "selected first" }, { second, "selected second" } };
    for (const Step& s : steps)
    {
        g_treeHeard.clear();
        ctrl.SelectItem(s.select);
        ASSERT_EQ(g_treeHeard.size(), 1u);
        EXPECT_EQ(g_treeHeard[0], s.heard);
    }
    g_treeHeard.clear();
    NMHDR header = { tree->m_hWnd, 59648, (UINT)NM_DBLCLK };
    EXPECT_EQ(frame->m_splitter.SendMessage(WM_NOTIFY, 59648, (LPARAM)&header), 1);
    EXPECT_EQ(g_treeHeard, std::vector<std::string>{ "double-click" });

    // Dragging the bar sets the tree's width.
    CSplitterWnd& splitter = frame->m_splitter;
    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(227, 10));
    splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(300, 10));
    splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(300, 10));
    splitter.GetColumnInfo(0, width, minimum);
    EXPECT_EQ(width, 300);

    // F6 moves the active view to the other pane and back.
    frame->SendMessage(WM_COMMAND, ID_NEXT_PANE, 0);
    EXPECT_EQ(frame->GetActiveView(), tree);
    frame->SendMessage(WM_COMMAND, ID_PREV_PANE, 0);
    EXPECT_EQ(frame->GetActiveView(), page);
}

TEST(MenuUpdateTest, APopupsItemsFollowTheirHandlersAndTheRecentFiles)
{
    struct Case
    {
        BOOL guardedEnabled;
        std::vector<const char*> recent;
        std::vector<std::string> items;  // text, "-" disabled
    };
    const Case cases[] = {
        { TRUE, {}, { "Guarded", "-Recent File", "Exit" } },
        { FALSE, { "C:\\a.fwt" }, { "-Guarded", "&1 C:\\a.fwt", "Exit" } },
        { TRUE, { "C:\\a.fwt", "C:\\b.fwt" }, { "Guarded", "&1 C:\\b.fwt", "&2 C:\\a.fwt", "Exit" } },
    };
    for (const Case& c : cases)
    {
        CTestApp app;
        ASSERT_NE(app.Start(), nullptr);
        app.LoadStdProfileSettings(0);
        delete app.m_pRecentFileList;
        app.m_pRecentFileList = new CRecentFileList(0, "Recent File List", "File%d", 4);
        for (const char* path : c.recent)
            app.AddToRecentFileList(path);
        g_guardedEnabled = c.guardedEnabled;
        HMENU popup = ::CreatePopupMenu();
        ::AppendMenuA(popup, MF_STRING, ID_GUARDED, "Guarded");
        ::AppendMenuA(popup, MF_STRING, ID_FILE_MRU_FILE1, "Recent File");
        ::AppendMenuA(popup, MF_STRING, ID_APP_EXIT, "Exit");
        app.Frame()->SendMessage(WM_INITMENUPOPUP, (WPARAM)popup, 0);
        std::vector<std::string> items;
        for (int i = 0; i < ::GetMenuItemCount(popup); ++i)
        {
            char text[128] = "";
            ::GetMenuStringA(popup, i, text, sizeof(text), MF_BYPOSITION);
            BOOL grayed = (::GetMenuState(popup, i, MF_BYPOSITION) & MF_GRAYED) != 0;
            items.push_back((grayed ? "-" : "") + std::string(text));
        }
        EXPECT_EQ(items, c.items) << "recent files " << c.recent.size();
        ::DestroyMenu(popup);
    }
    g_guardedEnabled = TRUE;
}

namespace
{
class CPageScroll : public CScrollView
{
    DECLARE_DYNCREATE(CPageScroll)
public:
    void OnDraw(CDC*) override {}
    void OnInitialUpdate() override
    {
        CScrollView::OnInitialUpdate();
        SetScrollSizes(MM_TEXT, CSize(2000, 1500), CSize(300, 200), CSize(10, 20));
    }
};
IMPLEMENT_DYNCREATE(CPageScroll, CScrollView)
}

TEST(ScrollViewTest, TheScrollPositionMovesTheDrawingOrigin)
{
    CTestApp app;
    app.InitApplication();
    app.AddDocTemplate(new CSingleDocTemplate(128, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CFrameWnd),
                                              RUNTIME_CLASS(CPageScroll)));
    app.OnFileNew();
    CDocument* doc = app.Doc();
    ASSERT_NE(doc, nullptr);
    POSITION pos = doc->GetFirstViewPosition();
    CPageScroll* view = static_cast<CPageScroll*>(doc->GetNextView(pos));
    app.m_pMainWnd = view->GetParentFrame();
    app.m_pMainWnd->MoveWindow(0, 0, 600, 400);
    CRect client;
    view->GetClientRect(&client);

    struct Case
    {
        UINT message;
        UINT code;
        CPoint position;
    };
    const Case cases[] = {
        { WM_VSCROLL, SB_LINEDOWN, CPoint(0, 20) },
        { WM_VSCROLL, SB_PAGEDOWN, CPoint(0, 220) },
        { WM_HSCROLL, SB_LINEDOWN, CPoint(10, 220) },
        { WM_VSCROLL, SB_BOTTOM, CPoint(10, 1500 - client.Height()) },
        { WM_VSCROLL, SB_TOP, CPoint(10, 0) },
    };
    for (const Case& c : cases)
    {
        view->SendMessage(c.message, MAKEWPARAM(c.code, 0), 0);
        EXPECT_EQ(view->GetScrollPosition(), c.position) << c.message << " " << c.code;
        CClientDC dc(view);
        view->OnPrepareDC(&dc);
        EXPECT_EQ(dc.GetViewportOrg(), -c.position) << c.message << " " << c.code;
    }
}
