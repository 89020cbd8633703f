// CMainFrame: the editor's main window: a flat toolbar of 256-colour
// pictures, a status bar with the message pane and the key indicators, and
// a static splitter with the object tree (225 pixels) beside the page view.
#pragma once

#include "model/store/ControlCatalogEntry.h"
#include "platform/framework/Afx.h"

#include <vector>

// The frame's own window class, by which tests and scripts find it.
extern const char kEditorFrameClass[];

class CMainFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame();
    ~CMainFrame() override;

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL OnCreateClient(LPCREATESTRUCT cs, CCreateContext* context) override;

    CSplitterWnd& GetSplitter() { return m_wndSplitter; }
    CToolBar& GetToolBar() { return m_wndToolBar; }
    CStatusBar& GetStatusBar() { return m_wndStatusBar; }

    // The registered controls, filled and cleared by the control picker.
    std::vector<CControlCatalogEntry> m_controlCatalog;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    DECLARE_MESSAGE_MAP()

private:
    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;
    CSplitterWnd m_wndSplitter;
    CImageList m_largeImages;
    CImageList m_smallImages;
    CImageList m_toolbarImages;
    CImageList m_toolbarHotImages;
    CFont m_font;
    CDocument* m_pDocument;
};
