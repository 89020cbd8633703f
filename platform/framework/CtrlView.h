// Views that are a common control: the window is the control itself, so
// its notifications come back to the view by reflection.
#pragma once

#include "platform/framework/CommonControls.h"
#include "platform/framework/View.h"

class CCtrlView : public CView
{
    DECLARE_DYNAMIC(CCtrlView)
public:
    CCtrlView(const char* className, DWORD style);
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void OnDraw(CDC* dc) override {}

protected:
    void OnPaint() { Default(); }
    DECLARE_MESSAGE_MAP()

    const char* m_strClass;
    DWORD m_dwDefaultStyle;
};

class CTreeView : public CCtrlView
{
    DECLARE_DYNCREATE(CTreeView)
public:
    CTreeView();
    // The view itself, seen as its tree control.
    CTreeCtrl& GetTreeCtrl() const { return *(CTreeCtrl*)this; }
};

class CListView : public CCtrlView
{
    DECLARE_DYNCREATE(CListView)
public:
    CListView();
    CListCtrl& GetListCtrl() const { return *(CListCtrl*)this; }
};
