#include "authoring/LumbrookConfigView.h"

#include "authoring/LumbrookConfigDoc.h"
#include "model/Browser.h"

IMPLEMENT_DYNCREATE(CLumbrookConfigView, CCompoundView)

BEGIN_MESSAGE_MAP(CLumbrookConfigView, CCompoundView)
END_MESSAGE_MAP()

CLumbrookConfigView::CLumbrookConfigView()
{
}

CLumbrookConfigDoc* CLumbrookConfigView::GetDocument() const
{
    return dynamic_cast<CLumbrookConfigDoc*>(CView::GetDocument());
}

void CLumbrookConfigView::UpdateScrollSizes()
{
    CLumbrookConfigDoc* document = GetDocument();
    CBrowser* page = document ? document->GetCurrentPage() : NULL;
    SIZE total = { 1, 1 };
    if (page)
        total = page->GetSize();
    SetScrollSizes(MM_TEXT, total);
}

void CLumbrookConfigView::OnInitialUpdate()
{
    UpdateScrollSizes();
    CCompoundView::OnInitialUpdate();
}

void CLumbrookConfigView::OnUpdate(CView* sender, LPARAM hint, void* hintObject)
{
    if (CLumbrookConfigDoc* document = GetDocument())
        document->PostHintToReceivers(hint, hintObject);
    if (hint == HintWholeDocument)
        UpdateScrollSizes();
    Invalidate();
}

void CLumbrookConfigView::OnDraw(CDC* dc)
{
    // The background is not erased (no flicker): every pixel is painted here.
    CRect client;
    GetClientRect(&client);
    CPoint scroll = GetScrollPosition();
    client.OffsetRect(scroll.x, scroll.y);
    dc->FillSolidRect(&client, GetSysColor(COLOR_APPWORKSPACE));
    CLumbrookConfigDoc* document = GetDocument();
    CBrowser* page = document ? document->GetCurrentPage() : NULL;
    if (page)
    {
        SIZE size = page->GetSize();
        dc->FillSolidRect(0, 0, size.cx, size.cy, RGB(255, 255, 255));
    }
}
