#include "platform/framework/ControlBar.h"

#include "platform/framework/FrameWnd.h"
#include "platform/framework/WinApp.h"

#include <string.h>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)
IMPLEMENT_DYNAMIC(CToolBar, CControlBar)
IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

#define CBRS_ALL 0xFFFFL

namespace
{
// A toolbar button's enabling and check state.
class CToolCmdUI : public CCmdUI
{
public:
    void Enable(BOOL on) override
    {
        m_bEnableChanged = TRUE;
        m_pOther->SendMessage(TB_ENABLEBUTTON, m_nID, MAKELPARAM(on, 0));
    }
    void SetCheck(int check) override
    {
        m_pOther->SendMessage(TB_CHECKBUTTON, m_nID, MAKELPARAM(check != 0, 0));
    }
    void SetText(const char*) override {}
};

// A status pane: disabled shows nothing, enabled shows its text.
class CStatusCmdUI : public CCmdUI
{
public:
    void Enable(BOOL on) override
    {
        m_bEnableChanged = TRUE;
        CStatusBar* bar = static_cast<CStatusBar*>(m_pOther);
        UINT id, style;
        int width;
        bar->GetPaneInfo(m_nIndex, id, style, width);
        UINT now = on ? (style & ~SBPS_DISABLED) : (style | SBPS_DISABLED);
        if (now != style)
            bar->SetPaneInfo(m_nIndex, id, now, width);
    }
    void SetCheck(int check) override
    {
        CStatusBar* bar = static_cast<CStatusBar*>(m_pOther);
        UINT id, style;
        int width;
        bar->GetPaneInfo(m_nIndex, id, style, width);
        UINT now = check ? (style | SBPS_POPOUT) : (style & ~SBPS_POPOUT);
        if (now != style)
            bar->SetPaneInfo(m_nIndex, id, now, width);
    }
    void SetText(const char* text) override
    {
        static_cast<CStatusBar*>(m_pOther)->SetPaneText(m_nIndex, text);
    }
};
}

// ---------------------------------------------------------------------------
// CControlBar

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

CControlBar::CControlBar() : m_pDockSite(NULL), m_dwStyle(0)
{
}

CSize CControlBar::CalcFixedLayout(BOOL, BOOL)
{
    CRect rect;
    GetWindowRect(&rect);
    return rect.Size();
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (!IsWindowVisible())
        return 0;
    CFrameWnd* target = m_pDockSite ? m_pDockSite : GetParentFrame();
    if (target)
        OnUpdateCmdUI(target, (BOOL)wParam);
    return 0;
}

// ---------------------------------------------------------------------------
// CToolBar

CToolBar::CToolBar() : m_pNormalImages(NULL), m_pHotImages(NULL), m_pLoadedImages(NULL), m_hLoadedBitmap(NULL)
{
}

CToolBar::~CToolBar()
{
    // The lists must outlive the control that draws with them.
    if (m_hWnd)
        DestroyWindow();
    delete m_pLoadedImages;
}

BOOL CToolBar::Create(CWnd* parent, DWORD style, UINT id)
{
    return CreateEx(parent, 0, style, CRect(0, 0, 0, 0), id);
}

BOOL CToolBar::CreateEx(CWnd* parent, DWORD ctrlStyle, DWORD style, CRect, UINT id)
{
    m_dwStyle = style & CBRS_ALL;
    m_pDockSite = parent && parent->IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? static_cast<CFrameWnd*>(parent) : NULL;
    // Tips are always made, and answered while the bar style asks for them.
    DWORD windowStyle = (style & ~CBRS_ALL) | ctrlStyle | TBSTYLE_TOOLTIPS | CCS_NOPARENTALIGN | CCS_NORESIZE |
                        CCS_NODIVIDER | WS_CLIPSIBLINGS;
    if (!CWnd::CreateEx(0, TOOLBARCLASSNAMEA, NULL, windowStyle | WS_CHILD, CRect(0, 0, 100, 30), parent, id))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    SetSizes(CSize(23, 22), CSize(16, 15));
    return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* ids, int count)
{
    while (SendMessage(TB_BUTTONCOUNT) > 0)
        SendMessage(TB_DELETEBUTTON, 0);
    int image = 0;
    for (int i = 0; i < count; ++i)
    {
        TBBUTTON button = {};
        if (ids == NULL || ids[i] == ID_SEPARATOR)
        {
            button.iBitmap = 8;
            button.fsStyle = TBSTYLE_SEP;
        }
        else
        {
            button.iBitmap = image++;
            button.idCommand = (int)ids[i];
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = TBSTYLE_BUTTON;
        }
        button.iString = -1;
        if (!SendMessage(TB_ADDBUTTONSA, 1, (LPARAM)&button))
            return FALSE;
    }
    return TRUE;
}

void CToolBar::SetButtonInfo(int index, UINT id, UINT style, int image)
{
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_BYINDEX | TBIF_COMMAND | TBIF_STYLE | TBIF_IMAGE;
    info.idCommand = (int)id;
    info.fsStyle = (BYTE)style;
    info.iImage = image;
    SendMessage(TB_SETBUTTONINFOA, index, (LPARAM)&info);
}

void CToolBar::GetButtonInfo(int index, UINT& id, UINT& style, int& image) const
{
    TBBUTTON button = {};
    SendMessage(TB_GETBUTTON, index, (LPARAM)&button);
    id = (UINT)button.idCommand;
    style = button.fsStyle;
    image = button.iBitmap;
}

UINT CToolBar::GetItemID(int index) const
{
    TBBUTTON button = {};
    if (!SendMessage(TB_GETBUTTON, index, (LPARAM)&button))
        return 0;
    return (button.fsStyle & TBSTYLE_SEP) ? ID_SEPARATOR : (UINT)button.idCommand;
}

int CToolBar::CommandToIndex(UINT id) const
{
    return (int)SendMessage(TB_COMMANDTOINDEX, id);
}

int CToolBar::GetCount() const
{
    return (int)SendMessage(TB_BUTTONCOUNT);
}

void CToolBar::GetItemRect(int index, RECT* rect) const
{
    SendMessage(TB_GETITEMRECT, index, (LPARAM)rect);
}

void CToolBar::SetSizes(SIZE button, SIZE image)
{
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(image.cx, image.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(button.cx, button.cy));
}

void CToolBar::SetImageList(CImageList* normal)
{
    SendMessage(TB_SETIMAGELIST, 0, (LPARAM)(normal ? normal->m_hImageList : NULL));
    m_pNormalImages = normal;
    if (m_pLoadedImages != NULL && m_pLoadedImages != normal)
    {
        delete m_pLoadedImages;
        m_pLoadedImages = NULL;
    }
}

void CToolBar::SetHotImageList(CImageList* hot)
{
    SendMessage(TB_SETHOTIMAGELIST, 0, (LPARAM)(hot ? hot->m_hImageList : NULL));
    m_pHotImages = hot;
}

BOOL CToolBar::LoadToolBar(UINT id)
{
    // RT_TOOLBAR: version, width, height, count, then the command ids.
    HINSTANCE instance = AfxGetResourceHandle();
    HRSRC found = ::FindResourceA(instance, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(241));
    HGLOBAL loaded = found ? ::LoadResource(instance, found) : NULL;
    const WORD* data = loaded ? static_cast<const WORD*>(::LockResource(loaded)) : NULL;
    DWORD size = found ? ::SizeofResource(instance, found) : 0;
    if (data == NULL || size < 8 || data[0] != 1 || size < 8 + 2u * data[3])
        return FALSE;
    int width = data[1], height = data[2], count = data[3];
    UINT ids[256];
    if (count > 256)
        return FALSE;
    for (int i = 0; i < count; ++i)
        ids[i] = data[4 + i];
    CImageList* images = new CImageList;
    if (!images->Create(id, width, 0, RGB(192, 192, 192)))
    {
        delete images;
        return FALSE;
    }
    SetSizes(CSize(width + 7, height + 7), CSize(width, height));
    SetImageList(images);
    m_pLoadedImages = images;
    return SetButtons(ids, count);
}

int CToolBar::AddString(const char* text)
{
    std::string list = text ? text : "";
    list += '\0';
    list += '\0';
    return (int)SendMessage(TB_ADDSTRINGA, 0, (LPARAM)list.data());
}

CToolBarCtrl& CToolBar::GetToolBarCtrl() const
{
    return *(CToolBarCtrl*)this;
}

CSize CToolBar::CalcFixedLayout(BOOL, BOOL)
{
    DWORD size = (DWORD)SendMessage(TB_GETBUTTONSIZE);
    int height = HIWORD(size) + 4;
    if (m_dwStyle & (CBRS_BORDER_TOP | CBRS_BORDER_BOTTOM))
        height += 2;
    CRect parent;
    ::GetClientRect(::GetParent(m_hWnd), &parent);
    return CSize(parent.Width(), height);
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler)
{
    CToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)GetCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        TBBUTTON button = {};
        SendMessage(TB_GETBUTTON, state.m_nIndex, (LPARAM)&button);
        if (button.fsStyle & TBSTYLE_SEP)
            continue;
        state.m_nID = (UINT)button.idCommand;
        state.DoUpdate(target, disableIfNoHandler);
    }
}

// ---------------------------------------------------------------------------
// CStatusBar

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CStatusBar::CStatusBar()
{
}

BOOL CStatusBar::Create(CWnd* parent, DWORD style, UINT id)
{
    m_dwStyle = style & CBRS_ALL;
    m_pDockSite = parent && parent->IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? static_cast<CFrameWnd*>(parent) : NULL;
    DWORD windowStyle = (style & ~CBRS_ALL) | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | WS_CLIPSIBLINGS;
    return CWnd::CreateEx(0, STATUSCLASSNAMEA, NULL, windowStyle | WS_CHILD, CRect(0, 0, 100, 20), parent, id);
}

BOOL CStatusBar::SetIndicators(const UINT* ids, int count)
{
    m_panes.clear();
    HDC dc = ::GetDC(m_hWnd);
    HGDIOBJ oldFont = ::SelectObject(dc, (HGDIOBJ)SendMessage(WM_GETFONT));
    for (int i = 0; i < count; ++i)
    {
        Pane pane;
        pane.id = ids ? ids[i] : ID_SEPARATOR;
        pane.style = 0;
        pane.width = 0;
        if (pane.id != ID_SEPARATOR)
        {
            pane.text = AfxLoadString(pane.id);
            SIZE extent = { 0, 0 };
            ::GetTextExtentPoint32A(dc, pane.text.c_str(), (int)pane.text.size(), &extent);
            pane.width = extent.cx;
        }
        else if (i == 0)
        {
            pane.style = SBPS_NOBORDERS | SBPS_STRETCH;
            pane.text = AfxLoadString(AFX_IDS_IDLEMESSAGE);
        }
        m_panes.push_back(pane);
    }
    ::SelectObject(dc, oldFont);
    ::ReleaseDC(m_hWnd, dc);
    UpdateParts();
    return TRUE;
}

int CStatusBar::CommandToIndex(UINT id) const
{
    for (size_t i = 0; i < m_panes.size(); ++i)
        if (m_panes[i].id == id)
            return (int)i;
    return -1;
}

void CStatusBar::UpdateParts()
{
    if (m_panes.empty())
        return;
    CRect client;
    GetClientRect(&client);
    const int padding = 12;
    int fixed = 0;
    for (size_t i = 1; i < m_panes.size(); ++i)
        fixed += m_panes[i].width + padding;
    std::vector<int> edges(m_panes.size());
    int right = client.Width() - ::GetSystemMetrics(SM_CXVSCROLL);
    int left = right - fixed;
    if (left < 0)
        left = 0;
    edges[0] = left;
    for (size_t i = 1; i < m_panes.size(); ++i)
    {
        left += m_panes[i].width + padding;
        edges[i] = i + 1 == m_panes.size() ? -1 : left;
    }
    if (m_panes.size() == 1)
        edges[0] = -1;
    SendMessage(SB_SETPARTS, edges.size(), (LPARAM)edges.data());
    for (size_t i = 0; i < m_panes.size(); ++i)
    {
        const Pane& pane = m_panes[i];
        const char* shown = (pane.style & SBPS_DISABLED) ? "" : pane.text.c_str();
        UINT type = (pane.style & SBPS_NOBORDERS) ? SBT_NOBORDERS : (pane.style & SBPS_POPOUT) ? SBT_POPOUT : 0;
        SendMessage(SB_SETTEXTA, i | type, (LPARAM)shown);
    }
}

BOOL CStatusBar::SetPaneText(int index, const char* text, BOOL update)
{
    if (index < 0 || index >= (int)m_panes.size())
        return FALSE;
    Pane& pane = m_panes[index];
    pane.text = text ? text : "";
    UINT type = (pane.style & SBPS_NOBORDERS) ? SBT_NOBORDERS : (pane.style & SBPS_POPOUT) ? SBT_POPOUT : 0;
    SendMessage(SB_SETTEXTA, index | type, (LPARAM)((pane.style & SBPS_DISABLED) ? "" : pane.text.c_str()));
    if (update)
        UpdateWindow();
    return TRUE;
}

std::string CStatusBar::GetPaneText(int index) const
{
    return index >= 0 && index < (int)m_panes.size() ? m_panes[index].text : std::string();
}

void CStatusBar::GetPaneInfo(int index, UINT& id, UINT& style, int& width) const
{
    const Pane& pane = m_panes[index];
    id = pane.id;
    style = pane.style;
    width = pane.width;
}

void CStatusBar::SetPaneInfo(int index, UINT id, UINT style, int width)
{
    Pane& pane = m_panes[index];
    BOOL relayout = pane.width != width;
    pane.id = id;
    pane.style = style;
    pane.width = width;
    if (relayout)
    {
        UpdateParts();
        return;
    }
    UINT type = (style & SBPS_NOBORDERS) ? SBT_NOBORDERS : (style & SBPS_POPOUT) ? SBT_POPOUT : 0;
    SendMessage(SB_SETTEXTA, index | type, (LPARAM)((style & SBPS_DISABLED) ? "" : pane.text.c_str()));
}

void CStatusBar::GetItemRect(int index, RECT* rect) const
{
    SendMessage(SB_GETRECT, index, (LPARAM)rect);
}

CSize CStatusBar::CalcFixedLayout(BOOL, BOOL)
{
    HDC dc = ::GetDC(m_hWnd);
    HGDIOBJ oldFont = ::SelectObject(dc, (HGDIOBJ)SendMessage(WM_GETFONT));
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(dc, &metrics);
    ::SelectObject(dc, oldFont);
    ::ReleaseDC(m_hWnd, dc);
    CRect parent;
    ::GetClientRect(::GetParent(m_hWnd), &parent);
    return CSize(parent.Width(), metrics.tmHeight + 8);
}

void CStatusBar::OnSize(UINT, int, int)
{
    Default();
    UpdateParts();
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* target, BOOL)
{
    CStatusCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)m_panes.size();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        state.m_nID = m_panes[state.m_nIndex].id;
        if (state.m_nID == ID_SEPARATOR)
            continue;
        // Panes keep their state when nothing handles them.
        state.DoUpdate(target, FALSE);
    }
}
