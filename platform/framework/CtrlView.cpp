#include "platform/framework/CtrlView.h"

IMPLEMENT_DYNAMIC(CCtrlView, CView)
IMPLEMENT_DYNCREATE(CTreeView, CCtrlView)
IMPLEMENT_DYNCREATE(CListView, CCtrlView)

BEGIN_MESSAGE_MAP(CCtrlView, CView)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CCtrlView::CCtrlView(const char* className, DWORD style) : m_strClass(className), m_dwDefaultStyle(style)
{
}

BOOL CCtrlView::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.lpszClass = m_strClass;
    cs.style |= m_dwDefaultStyle;
    return CView::PreCreateWindow(cs);
}

CTreeView::CTreeView() : CCtrlView(WC_TREEVIEWA, 0)
{
}

CListView::CListView() : CCtrlView(WC_LISTVIEWA, 0)
{
}
