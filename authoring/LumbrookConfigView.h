// CLumbrookConfigView: the page view beside the object tree. It shows the
// current page's area on the work space; the page's objects, the selection
// trackers and the mouse work come with the page view's own work.
#pragma once

#include "authoring/CompoundView.h"

class CLumbrookConfigDoc;

class CLumbrookConfigView : public CCompoundView
{
    DECLARE_DYNCREATE(CLumbrookConfigView)
public:
    CLumbrookConfigView();

    CLumbrookConfigDoc* GetDocument() const;
    void OnInitialUpdate() override;
    void OnUpdate(CView* sender, LPARAM hint, void* hintObject) override;
    void OnDraw(CDC* dc) override;

protected:
    DECLARE_MESSAGE_MAP()

private:
    void UpdateScrollSizes();
};
