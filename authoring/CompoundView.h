// CCompoundView: a scrolling view that may hold pane views of its own in a
// splitter; it passes the current page's name on to them. The page view
// derives from it (and has no panes).
#pragma once

#include "platform/framework/Afx.h"

#include <string>

class CCompoundView : public CScrollView
{
    DECLARE_DYNAMIC(CCompoundView)
public:
    CCompoundView();

    void OnInitialUpdate() override;
    void OnDraw(CDC* dc) override;

    virtual void RemovePanes();
    virtual void AddPanes(CDocument* document);

    const std::string& GetPageName() const { return m_pageName; }

protected:
    void OnSize(UINT type, int cx, int cy);
    BOOL OnEraseBkgnd(CDC* dc);
    LRESULT OnPageName(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // Pane views; empty unless a derived view makes them.
    CSplitterWnd m_wndPanes;
    std::string m_pageName;

private:
    template <typename Fn> void ForEachPane(Fn fn);
};
