#include "authoring/ActionTreeView.h"

#include "authoring/DibResource.h"
#include "authoring/LumbrookConfigDoc.h"
#include "authoring/TreeDrop.h"
#include "authoring/TreeItems.h"
#include "model/Browser.h"
#include "model/Script.h"
#include "model/ScriptItem.h"
#include "model/ScriptableObject.h"
#include "resources/LumbrookConfigIds.h"

#include <vector>

IMPLEMENT_DYNCREATE(CActionTreeView, CTreeView)

BEGIN_MESSAGE_MAP(CActionTreeView, CTreeView)
    ON_WM_CREATE()
    ON_WM_CONTEXTMENU()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_NOTIFY_REFLECT(NM_RCLICK, OnRClick)
    ON_NOTIFY_REFLECT(TVN_SELCHANGEDA, OnSelChanged)
    ON_NOTIFY_REFLECT(NM_DBLCLK, OnDblClk)
    ON_NOTIFY_REFLECT(TVN_BEGINDRAGA, OnBeginDrag)
    ON_MESSAGE(WM_TREE_SELECT_PAGE, OnSelectPage)
END_MESSAGE_MAP()

namespace {

const COLORREF kTreeMask = RGB(255, 0, 0);

// Switches the tree's own-change flag on for a scope.
class SelfChange
{
public:
    explicit SelfChange(BOOL& flag) : m_flag(flag), m_old(flag) { m_flag = TRUE; }
    ~SelfChange() { m_flag = m_old; }

private:
    BOOL& m_flag;
    BOOL m_old;
};

} // namespace

CActionTreeView::CActionTreeView()
    : m_bDragging(FALSE), m_hDragItem(NULL), m_hDropItem(NULL), m_pDragImage(NULL), m_bChangingSelf(FALSE), m_bDrawing(TRUE),
      m_bPageItemsKnown(FALSE)
{
}

void CActionTreeView::Draw(BOOL on)
{
    SetRedraw(on);
    m_bDrawing = on;
}

CActionTreeView::~CActionTreeView()
{
    delete m_pDragImage;
}

CLumbrookConfigDoc* CActionTreeView::GetDocument() const
{
    return dynamic_cast<CLumbrookConfigDoc*>(CView::GetDocument());
}

BOOL CActionTreeView::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style |= WS_CHILD | WS_VISIBLE | WS_BORDER;
    return CTreeView::PreCreateWindow(cs);
}

int CActionTreeView::OnCreate(LPCREATESTRUCT cs)
{
    if (CTreeView::OnCreate(cs) == -1)
        return -1;
    if (FillImageListFromDib(m_images, IDB_TREE, 16, kTreeMask))
        GetTreeCtrl().SetImageList(&m_images, TVSIL_NORMAL);
    return 0;
}

CElement* CActionTreeView::ObjectOf(HTREEITEM item) const
{
    return item ? reinterpret_cast<CElement*>(GetTreeCtrl().GetItemData(item)) : NULL;
}

HTREEITEM CActionTreeView::FindItem(const CElement* object) const
{
    CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM root = tree.GetRootItem();
    if (root == NULL || object == NULL)
        return NULL;
    if (m_bPageItemsKnown)
    {
        // A page is one of the page items; anything else hangs under a page
        // that has items.
        for (const PageItem& known : m_pageItems)
        {
            if (known.page != object)
                continue;
            if (ObjectOf(known.item) == object)
                return known.item;
            m_pageItems.clear();
            m_bPageItemsKnown = FALSE;
            break;
        }
        for (size_t i = 0; m_bPageItemsKnown && i < m_pageItems.size(); ++i)
        {
            if (!m_pageItems[i].filled)
                continue;
            if (HTREEITEM found = FindBelow(m_pageItems[i].item, object))
                return found;
        }
        // Not found there: the whole tree is searched all the same.
    }
    if (ObjectOf(root) == object)
        return root;
    // Tree order: first child, else next sibling, else the next sibling of
    // the nearest ancestor that has one; back at the first root: not found.
    HTREEITEM item = root;
    for (;;)
    {
        HTREEITEM next = tree.GetChildItem(item);
        if (next == NULL)
        {
            for (HTREEITEM up = item; up != NULL && next == NULL; up = tree.GetParentItem(up))
                next = tree.GetNextSiblingItem(up);
        }
        if (next == NULL || next == root)
            return NULL;
        if (ObjectOf(next) == object)
        {
            // Found where the page items said nothing could be.
            if (m_bPageItemsKnown)
            {
                m_pageItems.clear();
                m_bPageItemsKnown = FALSE;
            }
            return next;
        }
        item = next;
    }
}

HTREEITEM CActionTreeView::FindBelow(HTREEITEM top, const CElement* object) const
{
    CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM item = tree.GetChildItem(top);
    while (item != NULL)
    {
        if (ObjectOf(item) == object)
            return item;
        HTREEITEM next = tree.GetChildItem(item);
        for (HTREEITEM up = item; next == NULL && up != NULL && up != top; up = tree.GetParentItem(up))
            next = tree.GetNextSiblingItem(up);
        item = next;
    }
    return NULL;
}

int CActionTreeView::FindPageItem(HTREEITEM item) const
{
    if (!m_bPageItemsKnown || item == NULL)
        return -1;
    for (size_t i = 0; i < m_pageItems.size(); ++i)
    {
        if (m_pageItems[i].item == item)
            return (int)i;
    }
    return -1;
}

void CActionTreeView::ForgetPageItems()
{
    m_pageItems.clear();
    m_bPageItemsKnown = FALSE;
}

void CActionTreeView::ExpandItem(HTREEITEM item)
{
    GetTreeCtrl().Expand(item, TVE_EXPAND);
    int page = FindPageItem(item);
    if (page >= 0)
        m_pageItems[(size_t)page].filled = TRUE;
}

void CActionTreeView::Rebuild()
{
    CTreeCtrl& tree = GetTreeCtrl();
    SelfChange self(m_bChangingSelf);
    CLumbrookConfigDoc* document = GetDocument();
    const DWORD styles = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
    // An Undo reloads the page as it was: the items stay, standing for the
    // new objects, and only a label that changed is drawn again (switching
    // the drawing off and on would lay out and paint every item).
    if (document != NULL && document->GetCurrentPage() != NULL && (GetStyle() & styles) == styles &&
        UpdatePagesInPlace(*document))
    {
        HTREEITEM current = FindItem(document->GetCurrentPage());
        if (current)
        {
            if (tree.GetSelectedItem() != current)
                tree.SelectItem(current);
            // Expanding it again would have the control paint it anew.
            if ((tree.GetItemState(current, TVIS_EXPANDED) & TVIS_EXPANDED) == 0)
                ExpandItem(current);
        }
        // Left off by a change without a page or a page chosen in the tree.
        if (!m_bDrawing)
        {
            Draw(TRUE);
            Invalidate();
        }
        return;
    }
    tree.SelectItem(NULL);
    Draw(FALSE);
    ModifyStyle(0, styles);
    // Without a page the drawing stays off until the next change.
    if (document == NULL || document->GetPages().empty() || document->GetCurrentPage() == NULL)
    {
        ForgetPageItems();
        tree.DeleteAllItems();
        return;
    }
    // A page change leaves the pages as they were: only their contents are
    // made anew, not an item for each page of the project.
    if (!RefreshPageContents(*document))
    {
        ForgetPageItems();
        tree.DeleteAllItems();
        for (CBrowser* page : document->GetPages())
            page->AddToTree(tree.m_hWnd, TVI_ROOT);
        // Taken from the tree as the pages made them.
        PageItemsAreThePages(*document);
    }
    HTREEITEM current = FindItem(document->GetCurrentPage());
    if (current)
    {
        tree.SelectItem(current);
        ExpandItem(current);
    }
    Draw(TRUE);
    Invalidate();
}

BOOL CActionTreeView::PageItemsAreThePages(CLumbrookConfigDoc& document)
{
    if (!m_bPageItemsKnown)
    {
        // Every item at the top, with what a rebuild would have to match.
        CTreeCtrl& tree = GetTreeCtrl();
        m_pageItems.clear();
        char text[1024];
        for (HTREEITEM item = tree.GetRootItem(); item != NULL; item = tree.GetNextSiblingItem(item))
        {
            TVITEMA facts = {};
            facts.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_IMAGE | TVIF_PARAM | TVIF_STATE;
            facts.stateMask = TVIS_EXPANDED | TVIS_EXPANDEDONCE;
            facts.hItem = item;
            facts.pszText = text;
            facts.cchTextMax = sizeof text;
            text[0] = 0;
            if (!tree.GetItem(&facts))
            {
                m_pageItems.clear();
                return FALSE;
            }
            PageItem known;
            known.item = item;
            known.page = reinterpret_cast<const CBrowser*>(facts.lParam);
            known.label = text;
            known.image = facts.iImage;
            known.filled =
                (facts.state & (TVIS_EXPANDED | TVIS_EXPANDEDONCE)) != 0 || tree.GetChildItem(item) != NULL;
            m_pageItems.push_back(known);
        }
        m_bPageItemsKnown = TRUE;
    }
    // The page items must be those a rebuild would make, in order.
    const std::vector<CBrowser*>& pages = document.GetPages();
    if (m_pageItems.size() != pages.size())
        return FALSE;
    for (size_t i = 0; i < pages.size(); ++i)
    {
        if (m_pageItems[i].page != pages[i] || m_pageItems[i].label != pages[i]->GetDisplayName())
            return FALSE;
    }
    return TRUE;
}

BOOL CActionTreeView::UpdatePagesInPlace(CLumbrookConfigDoc& document)
{
    if (!PageItemsAreThePages(document))
        return FALSE;
    const std::vector<CBrowser*>& pages = document.GetPages();
    for (size_t i = 0; i < pages.size(); ++i)
    {
        CBrowser* page = pages[i];
        const PageItem& known = m_pageItems[i];
        if (known.image != page->GetTreeImage())
            return FALSE;
        // A page not loaded, as most are, has no items under its own.
        if (page->m_scripts.empty() && page->m_children.empty() && !known.filled)
            continue;
        HWND recorder = m_recorder.Start();
        if (recorder == NULL)
            return FALSE;
        page->AddContentsToTree(recorder, TVI_ROOT);
        // A page whose items differ in shape is made anew with every other.
        if (!UpdateChildItemsInPlace(GetTreeCtrl().m_hWnd, known.item, m_recorder))
            return FALSE;
    }
    return TRUE;
}

BOOL CActionTreeView::RefreshPageContents(CLumbrookConfigDoc& document)
{
    CTreeCtrl& tree = GetTreeCtrl();
    if (!PageItemsAreThePages(document))
        return FALSE;
    const std::vector<CBrowser*>& pages = document.GetPages();
    for (size_t i = 0; i < pages.size(); ++i)
    {
        CBrowser* page = pages[i];
        PageItem& known = m_pageItems[i];
        HTREEITEM own = known.item;
        BOOL filled = !page->m_scripts.empty() || !page->m_children.empty();
        int image = page->GetTreeImage();
        // A page not loaded, as most are, has no items under its own.
        if (!filled && !known.filled && known.image == image)
            continue;
        for (HTREEITEM child = tree.GetChildItem(own); child != NULL; child = tree.GetChildItem(own))
            tree.DeleteItem(child);
        // Fresh items are collapsed; the current page is expanded after.
        tree.SetItemState(own, 0, TVIS_EXPANDED | TVIS_EXPANDEDONCE);
        tree.SetItemImage(own, image, 14);
        page->AddContentsToTree(tree.m_hWnd, own);
        known.image = image;
        known.filled = filled;
    }
    return TRUE;
}

void CActionTreeView::InsertChildrenOf(CElement* object, HTREEITEM item)
{
    InsertChildItems(GetTreeCtrl().m_hWnd, object, item);
}

void CActionTreeView::RefreshObject(CElement* object)
{
    CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM item = FindItem(object);
    if (item == NULL)
        return;
    SelfChange self(m_bChangingSelf);
    Draw(FALSE);
    tree.SelectItem(item);
    for (HTREEITEM child = tree.GetChildItem(item); child != NULL; child = tree.GetChildItem(item))
        tree.DeleteItem(child);
    CScript* script = dynamic_cast<CScript*>(object);
    CStr label = script ? script->m_strName : object->GetDisplayName();
    tree.SetItemText(item, label.c_str());
    int page = FindPageItem(item);
    if (page >= 0)
        m_pageItems[(size_t)page].label = label;
    InsertChildrenOf(object, item);
    ExpandItem(item);
    tree.EnsureVisible(item);
    tree.SelectItem(item);
    Draw(TRUE);
    Invalidate();
}

void CActionTreeView::AddObject(CElement* object)
{
    CTreeCtrl& tree = GetTreeCtrl();
    if (tree.GetRootItem() == NULL)
    {
        Rebuild();
        return;
    }
    CElement* parent = object->GetParent();
    HTREEITEM parentItem = FindItem(parent);
    if (parentItem == NULL)
        return;
    // Refreshing the parent inserts the new object's items with its
    // siblings', in the parent's order.
    RefreshObject(parent);
}

void CActionTreeView::RemoveObject(CElement* object)
{
    HTREEITEM item = FindItem(object);
    if (item)
    {
        SelfChange self(m_bChangingSelf);
        int page = FindPageItem(item);
        if (page >= 0)
            m_pageItems.erase(m_pageItems.begin() + page);
        GetTreeCtrl().DeleteItem(item);
    }
}

BOOL CActionTreeView::ShowsSelected(HTREEITEM item) const
{
    CTreeCtrl& tree = GetTreeCtrl();
    if (item == NULL || tree.GetSelectedItem() != item)
        return FALSE;
    if (tree.ItemHasChildren(item) && (tree.GetItemState(item, TVIS_EXPANDED) & TVIS_EXPANDED) == 0)
        return FALSE;
    CRect shown, client;
    GetClientRect(&client);
    return tree.GetItemRect(item, &shown, TRUE) && shown.top >= client.top && shown.bottom <= client.bottom;
}

void CActionTreeView::SelectObject(CElement* object)
{
    CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM item = FindItem(object);
    // Switching the drawing off and on makes the control lay out and paint
    // every item again, though nothing would change.
    if (ShowsSelected(item))
        return;
    SelfChange self(m_bChangingSelf);
    Draw(FALSE);
    if (item)
    {
        tree.SelectItem(item);
        ExpandItem(item);
        tree.EnsureVisible(item);
    }
    else
    {
        tree.SelectItem(tree.GetRootItem());
    }
    Draw(TRUE);
    Invalidate();
}

void CActionTreeView::OnInitialUpdate()
{
    CTreeView::OnInitialUpdate();
    Rebuild();
}

void CActionTreeView::OnUpdate(CView* sender, LPARAM hint, void* hintObject)
{
    if (sender == this)
        return;
    CLumbrookConfigDoc* document = GetDocument();
    if (document == NULL || document->GetCurrentPage() == NULL)
    {
        SelfChange self(m_bChangingSelf);
        ForgetPageItems();
        GetTreeCtrl().DeleteAllItems();
        Draw(TRUE);
        Invalidate();
        return;
    }
    CElement* object = static_cast<CElement*>(hintObject);
    switch (hint)
    {
    case HintSelection:
        SelectObject(object);
        break;
    case HintAdded:
        if (object)
            AddObject(object);
        break;
    case HintRemoved:
        if (object)
            RemoveObject(object);
        break;
    case HintChanged:
        if (object)
            RefreshObject(object);
        break;
    case HintWholeDocument:
        Rebuild();
        break;
    default:
        break;
    }
}

void CActionTreeView::OnSelChanged(NMHDR* header, LRESULT* result)
{
    *result = 0;
    if (m_bChangingSelf)
        return;
    ChooseItem(reinterpret_cast<const NMTREEVIEWA*>(header)->itemNew.hItem);
}

void CActionTreeView::OnLButtonDown(UINT keys, CPoint point)
{
    CTreeCtrl& tree = GetTreeCtrl();
    UINT flags = 0;
    HTREEITEM pressed = tree.HitTest(point, &flags);
    BOOL wasSelected = pressed != NULL && (flags & TVHT_ONITEM) != 0 && pressed == tree.GetSelectedItem();
    CTreeView::OnLButtonDown(keys, point);
    // A click on the selected item sends no TVN_SELCHANGED: the page item selected by
    // Rebuild would stay unchosen in the document, and Properties would open nothing.
    if (wasSelected && !m_bDragging && tree.GetSelectedItem() == pressed)
        ChooseItem(pressed);
}

void CActionTreeView::ChooseItem(HTREEITEM item)
{
    CLumbrookConfigDoc* document = GetDocument();
    CElement* object = ObjectOf(item);
    if (document == NULL || object == NULL || object == document->GetCurrentObject())
        return;
    CBrowser* page = dynamic_cast<CBrowser*>(object);
    if (page != NULL && page != document->GetCurrentPage())
    {
        // A page change rebuilds this tree, which must not happen while
        // the tree is still inside its own notification: the items it is
        // telling about would be deleted under it.
        Draw(FALSE);
        PostMessage(WM_TREE_SELECT_PAGE, 0, reinterpret_cast<LPARAM>(page));
        return;
    }
    document->Select(object);
}

LRESULT CActionTreeView::OnSelectPage(WPARAM wParam, LPARAM lParam)
{
    CLumbrookConfigDoc* document = GetDocument();
    CElement* page = reinterpret_cast<CElement*>(lParam);
    // The project may have changed since the message was posted.
    if (document != NULL && document->HoldsPage(page))
        document->Select(page);
    Draw(TRUE);
    Invalidate();
    return 0;
}

void CActionTreeView::OnDblClk(NMHDR* header, LRESULT* result)
{
    PostMessage(WM_COMMAND, MAKEWPARAM(ID_OBJECT_PROPERTIES, 0), 0);
    *result = 1;
}

void CActionTreeView::OnRClick(NMHDR* header, LRESULT* result)
{
    POINT point;
    GetCursorPos(&point);
    OnContextMenu(this, CPoint(point.x, point.y));
    *result = 1;
}

void CActionTreeView::OnContextMenu(CWnd* wnd, CPoint point)
{
    CLumbrookConfigDoc* document = GetDocument();
    if (document == NULL)
        return;
    CPoint client = point;
    ScreenToClient(&client);
    HTREEITEM item = GetTreeCtrl().HitTest(client);
    if (CElement* object = ObjectOf(item))
    {
        document->Select(object);
        // Selecting another page rebuilds the tree; the object stays valid
        // only while its page is current.
        if (object->GetPage() == document->GetCurrentPage())
            object->ShowContextMenu(point.x, point.y, FALSE);
        return;
    }
    CBrowser* page = document->GetCurrentPage();
    if (page != NULL && page->GetChildCount() == 0)
        page->ShowContextMenu(point.x, point.y, FALSE);
}

void CActionTreeView::OnBeginDrag(NMHDR* header, LRESULT* result)
{
    *result = 0;
    CLumbrookConfigDoc* document = GetDocument();
    const NMTREEVIEWA* drag = reinterpret_cast<const NMTREEVIEWA*>(header);
    CElement* object = ObjectOf(drag->itemNew.hItem);
    if (document == NULL || object == NULL || dynamic_cast<CBrowser*>(object) != NULL)
        return;
    m_hDragItem = drag->itemNew.hItem;
    m_hDropItem = NULL;
    document->Select(object->GetParent());
    delete m_pDragImage;
    m_pDragImage = GetTreeCtrl().CreateDragImage(m_hDragItem);
    if (m_pDragImage == NULL)
        return;
    m_bDragging = TRUE;
    m_pDragImage->BeginDrag(0, CPoint(-15, -15));
    POINT cursor = drag->ptDrag;
    ClientToScreen(&cursor);
    CImageList::DragEnter(NULL, CPoint(cursor.x, cursor.y));
    SetCapture();
}

void CActionTreeView::OnMouseMove(UINT keys, CPoint point)
{
    if (!m_bDragging)
    {
        CTreeView::OnMouseMove(keys, point);
        return;
    }
    POINT screen = point;
    ClientToScreen(&screen);
    CImageList::DragMove(CPoint(screen.x, screen.y));
    m_hDropItem = TrackDropTarget(m_hWnd, point);
    bool accepted = m_hDropItem != NULL && IsTreeDropAccepted(ObjectOf(m_hDragItem), ObjectOf(m_hDropItem));
    SetCursor(LoadCursorA(NULL, accepted ? (LPCSTR)IDC_ARROW : (LPCSTR)IDC_NO));
}

void CActionTreeView::EndDragging()
{
    m_bDragging = FALSE;
    CImageList::DragLeave(NULL);
    CImageList::EndDrag();
    ReleaseCapture();
    GetTreeCtrl().SelectDropTarget(NULL);
    delete m_pDragImage;
    m_pDragImage = NULL;
}

void CActionTreeView::OnLButtonUp(UINT keys, CPoint point)
{
    if (!m_bDragging)
    {
        CTreeView::OnLButtonUp(keys, point);
        return;
    }
    // The release point decides, as the cursor there showed.
    m_hDropItem = TrackDropTarget(m_hWnd, point);
    EndDragging();
    CLumbrookConfigDoc* document = GetDocument();
    CElement* dragged = ObjectOf(m_hDragItem);
    CElement* target = ObjectOf(m_hDropItem);
    m_hDragItem = NULL;
    m_hDropItem = NULL;
    std::vector<CElement*> changed;
    if (document == NULL || !DropInTree(dragged, target, changed))
        return;
    for (CElement* object : changed)
        document->UpdateAllViews(NULL, HintChanged, object);
    // Without it the move could not be undone, Save would stay disabled
    // and Exit would lose it without asking.
    document->RecordChange();
}
