// Control bars: the toolbar and the status bar of a frame. The frame
// lays them out (top or bottom by their CBRS_ALIGN_ style) and updates
// their items at idle time through the command routing.
#pragma once

#include "platform/framework/CommonControls.h"
#include "platform/framework/ImageList.h"
#include "platform/framework/Wnd.h"

#include <string>
#include <vector>

class CFrameWnd;

#define CBRS_ALIGN_LEFT     0x1000L
#define CBRS_ALIGN_TOP      0x2000L
#define CBRS_ALIGN_RIGHT    0x4000L
#define CBRS_ALIGN_BOTTOM   0x8000L
#define CBRS_ALIGN_ANY      0xF000L
#define CBRS_BORDER_LEFT    0x0100L
#define CBRS_BORDER_TOP     0x0200L
#define CBRS_BORDER_RIGHT   0x0400L
#define CBRS_BORDER_BOTTOM  0x0800L
#define CBRS_TOOLTIPS       0x0010L
#define CBRS_FLYBY          0x0020L
#define CBRS_SIZE_DYNAMIC   0x0040L
#define CBRS_TOP            (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_BOTTOM         (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

class CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)
public:
    CControlBar();

    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD style) { m_dwStyle = style; }
    // Height (top and bottom bars) the bar takes in a client this wide.
    virtual CSize CalcFixedLayout(BOOL stretch, BOOL horizontal);
    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override = 0;
    CFrameWnd* m_pDockSite;

    DWORD m_dwStyle;  // CBRS_ bits

protected:
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

class CToolBar : public CControlBar
{
    DECLARE_DYNAMIC(CToolBar)
public:
    CToolBar();
    ~CToolBar() override;

    BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT id = AFX_IDW_TOOLBAR);
    BOOL CreateEx(CWnd* parent, DWORD ctrlStyle = TBSTYLE_FLAT, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                  CRect borders = CRect(0, 0, 0, 0), UINT id = AFX_IDW_TOOLBAR);
    // ID_SEPARATOR entries are separators; the others take the pictures
    // 0, 1, 2, ... in order.
    BOOL SetButtons(const UINT* ids, int count);
    void SetButtonInfo(int index, UINT id, UINT style, int image);
    void GetButtonInfo(int index, UINT& id, UINT& style, int& image) const;
    UINT GetItemID(int index) const;
    int CommandToIndex(UINT id) const;
    int GetCount() const;
    void GetItemRect(int index, RECT* rect) const;
    void SetSizes(SIZE button, SIZE image);
    // The pictures of the buttons (TB_SETIMAGELIST, TB_SETHOTIMAGELIST).
    // A list handed in stays its caller's and must outlive the toolbar;
    // only the list LoadToolBar makes is the toolbar's own.
    void SetImageList(CImageList* normal);
    void SetHotImageList(CImageList* hot);
    BOOL LoadToolBar(UINT id);
    // The button-text list, for the tool tips of each command.
    int AddString(const char* text);

    CToolBarCtrl& GetToolBarCtrl() const;
    CSize CalcFixedLayout(BOOL stretch, BOOL horizontal) override;
    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;

protected:
    CImageList* m_pNormalImages;
    CImageList* m_pHotImages;
    CImageList* m_pLoadedImages;   // made by LoadToolBar, deleted with the toolbar
    HBITMAP m_hLoadedBitmap;
};

class CStatusBar : public CControlBar
{
    DECLARE_DYNAMIC(CStatusBar)
public:
    CStatusBar();

    BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT id = AFX_IDW_STATUS_BAR);
    // Pane 0 is the message pane (ID_SEPARATOR) and takes what is left;
    // each indicator pane is as wide as its string (the text shown when
    // the indicator is on).
    BOOL SetIndicators(const UINT* ids, int count);
    int GetCount() const { return (int)m_panes.size(); }
    UINT GetItemID(int index) const { return m_panes[index].id; }
    int CommandToIndex(UINT id) const;
    BOOL SetPaneText(int index, const char* text, BOOL update = TRUE);
    std::string GetPaneText(int index) const;
    void GetPaneInfo(int index, UINT& id, UINT& style, int& width) const;
    void SetPaneInfo(int index, UINT id, UINT style, int width);
    void GetItemRect(int index, RECT* rect) const;

    CSize CalcFixedLayout(BOOL stretch, BOOL horizontal) override;
    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;

protected:
    void OnSize(UINT type, int cx, int cy);
    DECLARE_MESSAGE_MAP()

    void UpdateParts();

    struct Pane
    {
        UINT id;
        UINT style;
        int width;
        std::string text;
    };
    std::vector<Pane> m_panes;
};

// Pane styles
#define SBPS_NORMAL     0x0000
#define SBPS_NOBORDERS  0x0100
#define SBPS_POPOUT     0x0200
#define SBPS_DISABLED   0x0400
#define SBPS_STRETCH    0x0800
