#include "platform/framework/View.h"

#include "platform/framework/Document.h"
#include "platform/framework/FrameWnd.h"

IMPLEMENT_DYNAMIC(CView, CWnd)
IMPLEMENT_DYNAMIC(CScrollView, CView)

const CSize CScrollView::sizeDefault(0, 0);

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_MOUSEACTIVATE()
    ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdateMessage)
END_MESSAGE_MAP()

CView::CView() : m_pDocument(NULL)
{
}

CView::~CView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

BOOL CView::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (cs.lpszClass == NULL)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, NULL, (HBRUSH)(COLOR_WINDOW + 1), NULL);
    // A view's border is the sunken client edge.
    if (cs.style & WS_BORDER)
    {
        cs.style &= ~WS_BORDER;
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
    }
    return TRUE;
}

BOOL CView::Create(const char* className, const char* windowName, DWORD style, const RECT& rect, CWnd* parent,
                   UINT id, CCreateContext* context)
{
    return CWnd::Create(className, windowName, style, rect, parent, id, context);
}

int CView::OnCreate(LPCREATESTRUCT cs)
{
    if (CWnd::OnCreate(cs) == -1)
        return -1;
    CCreateContext* context = static_cast<CCreateContext*>(cs->lpCreateParams);
    if (context && context->m_pCurrentDoc)
        context->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy()
{
    CFrameWnd* frame = GetParentFrame();
    if (frame && frame->GetActiveView() == this)
        frame->SetActiveView(NULL, FALSE);
    Default();
}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

int CView::OnMouseActivate(CWnd* topLevel, UINT hitTest, UINT message)
{
    int result = (int)Default();
    if (result == MA_NOACTIVATE || result == MA_NOACTIVATEANDEAT)
        return result;
    CFrameWnd* frame = GetParentFrame();
    if (frame && frame->GetActiveView() != this)
        frame->SetActiveView(this);
    return result;
}

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM)
{
    OnInitialUpdate();
    return 0;
}

void CView::OnInitialUpdate()
{
    OnUpdate(NULL, 0, NULL);
}

void CView::OnUpdate(CView*, LPARAM, void*)
{
    Invalidate(TRUE);
}

void CView::OnActivateView(BOOL activate, CView*, CView*)
{
    // Take the focus when the view's frame is the active window.
    if (activate && m_hWnd && ::GetActiveWindow() == ::GetAncestor(m_hWnd, GA_ROOT))
        SetFocus();
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// ---------------------------------------------------------------------------
// CScrollView

BEGIN_MESSAGE_MAP(CScrollView, CView)
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_WM_PAINT()
END_MESSAGE_MAP()

CScrollView::CScrollView() : m_nMapMode(MM_TEXT), m_bBarsMade(FALSE)
{
}

void CScrollView::SetScrollSizes(int mapMode, SIZE total, const SIZE& page, const SIZE& line)
{
    CSize pageDev(page.cx ? page.cx : total.cx / 10, page.cy ? page.cy : total.cy / 10);
    CSize lineDev(line.cx ? line.cx : pageDev.cx / 10, line.cy ? line.cy : pageDev.cy / 10);
    if (lineDev.cx < 1)
        lineDev.cx = 1;
    if (lineDev.cy < 1)
        lineDev.cy = 1;
    // Setting the bars again to what they show repaints them for nothing,
    // which every update of a view would pay.
    if (m_bBarsMade && m_hWnd && mapMode == m_nMapMode && CSize(total) == m_totalLog && pageDev == m_pageDev &&
        lineDev == m_lineDev)
        return;
    m_nMapMode = mapMode;
    m_totalLog = total;
    m_pageDev = pageDev;
    m_lineDev = lineDev;
    if (m_hWnd)
        UpdateBars();
}

CPoint CScrollView::GetScrollPosition() const
{
    return CPoint(GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT));
}

void CScrollView::ScrollToPosition(POINT position)
{
    CPoint old = GetScrollPosition();
    SetScrollPos(SB_HORZ, position.x);
    SetScrollPos(SB_VERT, position.y);
    CPoint now = GetScrollPosition();
    ScrollWindow(old.x - now.x, old.y - now.y);
}

void CScrollView::UpdateBars()
{
    CRect client;
    GetClientRect(&client);
    // The bars take room from the client: account for them once.
    if (GetStyle() & WS_VSCROLL)
        client.right += ::GetSystemMetrics(SM_CXVSCROLL);
    if (GetStyle() & WS_HSCROLL)
        client.bottom += ::GetSystemMetrics(SM_CYHSCROLL);
    BOOL needH = m_totalLog.cx > client.Width();
    BOOL needV = m_totalLog.cy > client.Height();
    if (needH && !needV)
        needV = m_totalLog.cy > client.Height() - ::GetSystemMetrics(SM_CYHSCROLL);
    if (needV && !needH)
        needH = m_totalLog.cx > client.Width() - ::GetSystemMetrics(SM_CXVSCROLL);
    if (needV)
        client.right -= ::GetSystemMetrics(SM_CXVSCROLL);
    if (needH)
        client.bottom -= ::GetSystemMetrics(SM_CYHSCROLL);

    CPoint old = GetScrollPosition();
    SCROLLINFO info = {};
    info.fMask = SIF_PAGE | SIF_RANGE;
    info.nMin = 0;
    info.nMax = needH ? m_totalLog.cx - 1 : 0;
    info.nPage = needH ? client.Width() : 0;
    SetScrollInfo(SB_HORZ, &info, TRUE);
    info.nMax = needV ? m_totalLog.cy - 1 : 0;
    info.nPage = needV ? client.Height() : 0;
    SetScrollInfo(SB_VERT, &info, TRUE);
    ShowScrollBar(SB_HORZ, needH);
    ShowScrollBar(SB_VERT, needV);
    CPoint now = GetScrollPosition();
    if (now != old)
        ScrollWindow(old.x - now.x, old.y - now.y);
    m_bBarsMade = TRUE;
}

void CScrollView::OnPrepareDC(CDC* dc)
{
    CPoint pos = GetScrollPosition();
    dc->SetViewportOrg(-pos.x, -pos.y);
}

void CScrollView::FillOutsideRect(CDC* dc, CBrush* brush)
{
    CRect client;
    GetClientRect(&client);
    client.OffsetRect(GetScrollPosition());
    CRect right(m_totalLog.cx, client.top, client.right, client.bottom);
    CRect below(client.left, m_totalLog.cy, m_totalLog.cx < client.right ? m_totalLog.cx : client.right, client.bottom);
    if (right.left < right.right)
        dc->FillRect(&right, brush);
    if (below.top < below.bottom)
        dc->FillRect(&below, brush);
}

void CScrollView::OnSize(UINT type, int cx, int cy)
{
    Default();
    UpdateBars();
}

void CScrollView::OnScroll(int bar, UINT code)
{
    SCROLLINFO info = {};
    GetScrollInfo(bar, &info);
    int line = bar == SB_HORZ ? m_lineDev.cx : m_lineDev.cy;
    int page = bar == SB_HORZ ? m_pageDev.cx : m_pageDev.cy;
    int pos = info.nPos;
    switch (code)
    {
    case SB_TOP: pos = info.nMin; break;
    case SB_BOTTOM: pos = info.nMax; break;
    case SB_LINEUP: pos -= line; break;
    case SB_LINEDOWN: pos += line; break;
    case SB_PAGEUP: pos -= page; break;
    case SB_PAGEDOWN: pos += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = info.nTrackPos; break;
    default: return;
    }
    int limit = info.nMax - (int)(info.nPage ? info.nPage - 1 : 0);
    if (pos > limit)
        pos = limit;
    if (pos < info.nMin)
        pos = info.nMin;
    if (pos == info.nPos)
        return;
    SetScrollPos(bar, pos);
    if (bar == SB_HORZ)
        ScrollWindow(info.nPos - pos, 0);
    else
        ScrollWindow(0, info.nPos - pos);
    UpdateWindow();
}

void CScrollView::OnHScroll(UINT code, UINT, CScrollBar*)
{
    OnScroll(SB_HORZ, code);
}

void CScrollView::OnVScroll(UINT code, UINT, CScrollBar*)
{
    OnScroll(SB_VERT, code);
}

BOOL CScrollView::OnMouseWheel(UINT, short delta, CPoint)
{
    for (int steps = delta / WHEEL_DELTA; steps != 0; steps += steps > 0 ? -1 : 1)
        OnScroll(SB_VERT, steps > 0 ? SB_LINEUP : SB_LINEDOWN);
    return TRUE;
}

void CScrollView::OnPaint()
{
    CView::OnPaint();
}
