#include "platform/framework/Splitter.h"

#include "platform/framework/FrameWnd.h"
#include "platform/framework/View.h"

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_SETCURSOR()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

CSplitterWnd::CSplitterWnd() : m_nRows(0), m_nCols(0), m_cxSplitter(6), m_dragColumn(-1), m_dragRow(-1)
{
}

BOOL CSplitterWnd::CreateStatic(CWnd* parent, int rows, int columns, DWORD style, UINT id)
{
    if (rows < 1 || columns < 1 || rows > 16 || columns > 16)
        return FALSE;
    m_nRows = rows;
    m_nCols = columns;
    m_colInfo.assign(columns, Info{ -1, 0, 0 });
    m_rowInfo.assign(rows, Info{ -1, 0, 0 });
    const char* className = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(NULL, (const char*)IDC_ARROW),
                                                (HBRUSH)(COLOR_3DFACE + 1), NULL);
    return CreateEx(0, className, NULL, style | WS_CHILD | WS_CLIPCHILDREN, CRect(0, 0, 0, 0), parent, id);
}

BOOL CSplitterWnd::CreateView(int row, int column, const CRuntimeClass* viewClass, SIZE initialSize,
                              CCreateContext* context)
{
    if (row < 0 || row >= m_nRows || column < 0 || column >= m_nCols || viewClass == NULL)
        return FALSE;
    CObject* object = viewClass->CreateObject();
    if (object == NULL || !object->IsKindOf(RUNTIME_CLASS(CWnd)))
    {
        delete object;
        return FALSE;
    }
    m_colInfo[column].ideal = initialSize.cx;
    m_rowInfo[row].ideal = initialSize.cy;
    CWnd* pane = static_cast<CWnd*>(object);
    // A view that fails to create has deleted itself.
    if (!pane->Create(NULL, NULL, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), this,
                      IdFromRowCol(row, column), context))
        return FALSE;
    RecalcLayout();
    return TRUE;
}

CWnd* CSplitterWnd::GetPane(int row, int column) const
{
    return FromHandlePermanent(::GetDlgItem(m_hWnd, IdFromRowCol(row, column)));
}

BOOL CSplitterWnd::IsChildPane(CWnd* wnd, int* row, int* column)
{
    if (wnd == NULL || ::GetParent(wnd->m_hWnd) != m_hWnd)
        return FALSE;
    int id = wnd->GetDlgCtrlID() - AFX_IDW_PANE_FIRST;
    if (id < 0 || id / 16 >= m_nRows || id % 16 >= m_nCols)
        return FALSE;
    if (row)
        *row = id / 16;
    if (column)
        *column = id % 16;
    return TRUE;
}

void CSplitterWnd::SetColumnInfo(int column, int ideal, int minimum)
{
    m_colInfo[column].ideal = ideal;
    m_colInfo[column].minimum = minimum;
}

void CSplitterWnd::GetColumnInfo(int column, int& current, int& minimum) const
{
    current = m_colInfo[column].current;
    minimum = m_colInfo[column].minimum;
}

void CSplitterWnd::SetRowInfo(int row, int ideal, int minimum)
{
    m_rowInfo[row].ideal = ideal;
    m_rowInfo[row].minimum = minimum;
}

void CSplitterWnd::GetRowInfo(int row, int& current, int& minimum) const
{
    current = m_rowInfo[row].current;
    minimum = m_rowInfo[row].minimum;
}

void CSplitterWnd::RecalcLayout()
{
    if (m_hWnd == NULL || m_nCols == 0)
        return;
    CRect client;
    GetClientRect(&client);
    // Every part but the last gets its ideal size (at least its minimum)
    // while room lasts; the last takes the rest.
    auto share = [this](std::vector<Info>& parts, int total) {
        int left = total - m_cxSplitter * ((int)parts.size() - 1);
        for (size_t i = 0; i < parts.size(); ++i)
        {
            Info& part = parts[i];
            int size;
            if (i + 1 == parts.size())
                size = left;
            else
                size = part.ideal >= 0 ? part.ideal : total / (int)parts.size();
            if (size < part.minimum)
                size = part.minimum;
            if (size > left)
                size = left;
            if (size < 0)
                size = 0;
            part.current = size;
            left -= size;
        }
    };
    share(m_colInfo, client.Width());
    share(m_rowInfo, client.Height());
    int y = 0;
    for (int r = 0; r < m_nRows; ++r)
    {
        int x = 0;
        for (int c = 0; c < m_nCols; ++c)
        {
            HWND pane = ::GetDlgItem(m_hWnd, IdFromRowCol(r, c));
            if (pane)
                ::MoveWindow(pane, x, y, m_colInfo[c].current, m_rowInfo[r].current, TRUE);
            x += m_colInfo[c].current + m_cxSplitter;
        }
        y += m_rowInfo[r].current + m_cxSplitter;
    }
    Invalidate(TRUE);
}

int CSplitterWnd::HitBar(const std::vector<Info>& parts, int coordinate) const
{
    int at = 0;
    for (size_t i = 0; i + 1 < parts.size(); ++i)
    {
        at += parts[i].current;
        if (coordinate >= at && coordinate < at + m_cxSplitter)
            return (int)i;
        at += m_cxSplitter;
    }
    return -1;
}

int CSplitterWnd::HitColumnBar(CPoint point) const
{
    return HitBar(m_colInfo, point.x);
}

int CSplitterWnd::HitRowBar(CPoint point) const
{
    return HitBar(m_rowInfo, point.y);
}

void CSplitterWnd::DragBar(std::vector<Info>& parts, int index, int coordinate)
{
    int start = 0;
    for (int i = 0; i < index; ++i)
        start += parts[i].current + m_cxSplitter;
    parts[index].ideal = coordinate > start ? coordinate - start : 0;
    RecalcLayout();
}

void CSplitterWnd::OnSize(UINT type, int cx, int cy)
{
    Default();
    RecalcLayout();
}

void CSplitterWnd::OnPaint()
{
    // The class brush paints the bars; they get a raised edge.
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    int x = 0;
    for (int c = 0; c + 1 < m_nCols; ++c)
    {
        x += m_colInfo[c].current;
        CRect bar(x, 0, x + m_cxSplitter, client.bottom);
        dc.DrawEdge(&bar, EDGE_RAISED, BF_LEFT | BF_RIGHT);
        x += m_cxSplitter;
    }
    int y = 0;
    for (int r = 0; r + 1 < m_nRows; ++r)
    {
        y += m_rowInfo[r].current;
        CRect bar(0, y, client.right, y + m_cxSplitter);
        dc.DrawEdge(&bar, EDGE_RAISED, BF_TOP | BF_BOTTOM);
        y += m_cxSplitter;
    }
}

void CSplitterWnd::OnLButtonDown(UINT keys, CPoint point)
{
    m_dragColumn = HitColumnBar(point);
    m_dragRow = m_dragColumn < 0 ? HitRowBar(point) : -1;
    if (m_dragColumn >= 0 || m_dragRow >= 0)
        SetCapture();
}

void CSplitterWnd::OnMouseMove(UINT keys, CPoint point)
{
    if (m_dragColumn >= 0)
        DragBar(m_colInfo, m_dragColumn, point.x);
    else if (m_dragRow >= 0)
        DragBar(m_rowInfo, m_dragRow, point.y);
}

void CSplitterWnd::OnLButtonUp(UINT keys, CPoint point)
{
    if (m_dragColumn >= 0 || m_dragRow >= 0)
        ::ReleaseCapture();
    m_dragColumn = m_dragRow = -1;
}

void CSplitterWnd::OnCaptureChanged(CWnd*)
{
    m_dragColumn = m_dragRow = -1;
}

BOOL CSplitterWnd::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message)
{
    if (wnd == this && hitTest == HTCLIENT)
    {
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        if (HitColumnBar(point) >= 0)
        {
            ::SetCursor(::LoadCursorA(NULL, (const char*)IDC_SIZEWE));
            return TRUE;
        }
        if (HitRowBar(point) >= 0)
        {
            ::SetCursor(::LoadCursorA(NULL, (const char*)IDC_SIZENS));
            return TRUE;
        }
    }
    return (BOOL)Default();
}

void CSplitterWnd::ActivateNext(BOOL previous)
{
    CFrameWnd* frame = GetParentFrame();
    if (frame == NULL)
        return;
    int count = m_nRows * m_nCols;
    int row = 0, column = 0;
    int at = IsChildPane(frame->GetActiveView(), &row, &column) ? row * m_nCols + column : (previous ? 0 : count - 1);
    for (int step = 1; step <= count; ++step)
    {
        int next = (at + (previous ? count - step : step)) % count;
        CWnd* pane = GetPane(next / m_nCols, next % m_nCols);
        if (pane && pane->IsKindOf(RUNTIME_CLASS(CView)))
        {
            frame->SetActiveView(static_cast<CView*>(pane));
            return;
        }
    }
}

BOOL CSplitterWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    // Commands sent to the splitter (by a pane's control) go the frame's way.
    CFrameWnd* frame = GetParentFrame();
    return frame && frame->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
