#include "authoring/CompoundView.h"

#include "authoring/LumbrookConfigDoc.h"

IMPLEMENT_DYNAMIC(CCompoundView, CScrollView)

BEGIN_MESSAGE_MAP(CCompoundView, CScrollView)
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_PAGE_NAME, OnPageName)
END_MESSAGE_MAP()

CCompoundView::CCompoundView()
{
}

template <typename Fn> void CCompoundView::ForEachPane(Fn fn)
{
    if (m_wndPanes.GetSafeHwnd() == NULL)
        return;
    for (int row = 0; row < m_wndPanes.GetRowCount(); ++row)
    {
        for (int column = 0; column < m_wndPanes.GetColumnCount(); ++column)
        {
            if (CView* pane = dynamic_cast<CView*>(m_wndPanes.GetPane(row, column)))
                fn(pane);
        }
    }
}

void CCompoundView::OnInitialUpdate()
{
    CScrollView::OnInitialUpdate();
    CDocument* document = GetDocument();
    ForEachPane([document](CView* pane) {
        if (pane->GetDocument() == NULL && document != NULL)
            document->AddView(pane);
        pane->OnInitialUpdate();
        ::RedrawWindow(pane->m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        pane->ShowWindow(SW_SHOW);
    });
}

void CCompoundView::OnDraw(CDC* dc)
{
}

void CCompoundView::RemovePanes()
{
    ForEachPane([](CView* pane) {
        if (pane->GetDocument())
            pane->GetDocument()->RemoveView(pane);
    });
    if (GetDocument())
        GetDocument()->RemoveView(this);
}

void CCompoundView::AddPanes(CDocument* document)
{
    if (document == NULL)
        return;
    ForEachPane([document](CView* pane) {
        if (pane->GetDocument() == NULL)
            document->AddView(pane);
    });
    if (GetDocument() == NULL)
        document->AddView(this);
}

void CCompoundView::OnSize(UINT type, int cx, int cy)
{
    CScrollView::OnSize(type, cx, cy);
    if (m_wndPanes.GetSafeHwnd())
        m_wndPanes.MoveWindow(0, 0, cx, cy);
}

BOOL CCompoundView::OnEraseBkgnd(CDC* dc)
{
    return TRUE;
}

LRESULT CCompoundView::OnPageName(WPARAM wParam, LPARAM lParam)
{
    const char* name = reinterpret_cast<const char*>(lParam);
    m_pageName = name ? name : "";
    ForEachPane([wParam, lParam](CView* pane) { pane->SendMessage(WM_PAGE_NAME, wParam, lParam); });
    return 0;
}
