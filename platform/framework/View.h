// CView and CScrollView: a child window that shows its document.
#pragma once

#include "platform/framework/Wnd.h"

class CDocument;
class CFrameWnd;

class CView : public CWnd
{
    DECLARE_DYNAMIC(CView)
public:
    CView();
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }

    // First at creation and again after every new and open.
    virtual void OnInitialUpdate();
    // hint and hintObject as UpdateAllViews gave them; the base repaints.
    virtual void OnUpdate(CView* sender, LPARAM hint, void* hintObject);
    virtual void OnDraw(CDC* dc) = 0;
    virtual void OnPrepareDC(CDC* dc) {}
    virtual void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView);
    virtual void OnActivateFrame(UINT state, CFrameWnd* frame) {}

    BOOL Create(const char* className, const char* windowName, DWORD style, const RECT& rect, CWnd* parent,
                UINT id, CCreateContext* context = NULL) override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    void PostNcDestroy() override { delete this; }

    CDocument* m_pDocument;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnDestroy();
    void OnPaint();
    int OnMouseActivate(CWnd* topLevel, UINT hitTest, UINT message);
    LRESULT OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    friend class CDocument;
};

// A view larger than its window: the scroll offset is in the device
// context OnDraw gets (OnPrepareDC), and the part outside the scrolled
// area is filled with the window colour.
class CScrollView : public CView
{
    DECLARE_DYNAMIC(CScrollView)
public:
    CScrollView();

    // mapMode MM_TEXT only; page and line 0 take a tenth and a hundredth.
    void SetScrollSizes(int mapMode, SIZE total, const SIZE& page = sizeDefault, const SIZE& line = sizeDefault);
    CSize GetTotalSize() const { return m_totalLog; }
    CPoint GetScrollPosition() const;
    void ScrollToPosition(POINT position);
    void FillOutsideRect(CDC* dc, CBrush* brush);
    void OnPrepareDC(CDC* dc) override;
    static const CSize sizeDefault;

protected:
    void OnSize(UINT type, int cx, int cy);
    void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
    void OnVScroll(UINT code, UINT pos, CScrollBar* bar);
    BOOL OnMouseWheel(UINT keys, short delta, CPoint point);
    void OnPaint();
    DECLARE_MESSAGE_MAP()

    void UpdateBars();
    void OnScroll(int bar, UINT code);

    int m_nMapMode;
    CSize m_totalLog;
    CSize m_pageDev;
    CSize m_lineDev;
    // The bars stand for the sizes above (a resize makes them anew).
    BOOL m_bBarsMade;
};
