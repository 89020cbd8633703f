// The editor's page view: for a page of 500 text elements, the repaint that
// follows moving one element (an arrow key) against a full repaint of the
// page (target: under 0.2x).
#include "authoring/LumbrookConfigDoc.h"
#include "authoring/LumbrookConfigView.h"
#include "bench/BenchTimer.h"
#include "model/Browser.h"
#include "model/TextElement.h"

#include <stdio.h>

#include <string>

int main()
{
    CLumbrookConfigDoc document;
    document.m_bAutoDelete = FALSE;
    CBrowser* page = new CBrowser();
    page->SetId("Page");
    page->m_containerWidth = page->m_width = 800;
    page->m_containerHeight = page->m_height = 600;
    document.AppendPage(page, "page.pgd");
    for (int i = 0; i < 500; ++i)
    {
        CTextElement* text = new CTextElement();
        text->SetType("Text");
        text->SetId(("Text" + std::to_string(i)).c_str());
        text->m_strText = "Some text";
        text->m_xpos = (i * 37) % 740;
        text->m_ypos = (i * 53) % 570;
        text->m_width = 60;
        text->m_height = 20;
        page->AddChild(text);
    }
    page->Save(NULL);
    page->Unload();
    CWnd host;
    host.CreateEx(0, AfxWndClassName, "bench", WS_POPUP | WS_VISIBLE, CRect(0, 0, 840, 640), NULL, 0);
    CCreateContext context;
    context.m_pCurrentDoc = &document;
    CLumbrookConfigView* view = new CLumbrookConfigView();
    view->Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 830, 630), &host, AFX_IDW_PANE_FIRST, &context);
    document.SetCurrentPage(document.GetPages()[0], TRUE);
    view->OnInitialUpdate();
    document.UpdateAllViews(NULL, HintWholeDocument, NULL);
    CElement* moved = document.GetCurrentPage()->m_children[250];
    document.Select(moved);
    view->UpdateWindow();

    const int rounds = 40;
    double start = NowSeconds();
    for (int i = 0; i < rounds; ++i)
    {
        view->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    double full = (NowSeconds() - start) / rounds;
    start = NowSeconds();
    for (int i = 0; i < rounds; ++i)
    {
        // Right and back again: one move a round, its repaint included.
        view->SendMessage(WM_KEYDOWN, (i % 2) ? VK_LEFT : VK_RIGHT, MAKELPARAM(1, 0));
        view->UpdateWindow();
    }
    double move = (NowSeconds() - start) / rounds;
    double ratio = full > 0 ? move / full : 0;
    printf("page view, 500 elements: full repaint %.3f ms, repaint after one move %.3f ms\n", full * 1000, move * 1000);
    printf("move/full ratio %.3f (target < 0.2): %s\n", ratio, ratio < 0.2 ? "met" : "NOT met");
    host.DestroyWindow();
    return ratio < 0.2 ? 0 : 1;
}
