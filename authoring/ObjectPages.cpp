#include "authoring/ObjectPages.h"

#include "authoring/DibResource.h"
#include "authoring/EditorServicesImpl.h"
#include "authoring/EventAddDlg.h"
#include "authoring/LumbrookConfigDoc.h"
#include "authoring/TreeDrop.h"
#include "authoring/TreeItems.h"
#include "model/Browser.h"
#include "model/Script.h"
#include "model/ScriptItem.h"
#include "model/ScriptableObject.h"
#include "resources/LumbrookConfigIds.h"
#include "resources/editor/ObjectPagesIds.h"

#include <string>

// ---------------------------------------------------------------------------
// The base

CStr FormatWithNoun(const char* format, const char* noun)
{
    std::string out;
    int used = 0;
    for (const char* p = format; *p; ++p)
    {
        if (p[0] == '%' && p[1] == 's' && used < 2)
        {
            out += noun;
            ++used;
            ++p;
            continue;
        }
        out += *p;
    }
    return CStr(out.c_str());
}

void SetWizardButtonsForPlace(CPropertyPage* page)
{
    CPropertySheet* sheet = page->GetSheet();
    if (sheet == NULL)
        return;
    int index = sheet->GetPageIndex(page);
    int count = sheet->GetPageCount();
    if (index == count - 1)
        sheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
    else if (index == 0)
        sheet->SetWizardButtons(PSWIZB_NEXT);
    else
        sheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
}

CObjectPropertyPage::CObjectPropertyPage(UINT templateId)
    : CPropertyPage(templateId), m_strNoun("object"), m_bWizardMode(FALSE)
{
}

BOOL CObjectPropertyPage::OnSetActive()
{
    if (m_bWizardMode)
        SetWizardButtonsForPlace(this);
    return CPropertyPage::OnSetActive();
}

void CObjectPropertyPage::FormatNounText()
{
    HWND text = ::GetDlgItem(m_hWnd, IDC_NOUN_TEXT);
    if (text == NULL)
        return;
    char format[512] = "";
    ::GetWindowTextA(text, format, sizeof format);
    ::SetWindowTextA(text, FormatWithNoun(format, m_strNoun).c_str());
}

void CObjectPropertyPage::ShowItem(int id, BOOL show)
{
    if (HWND item = ::GetDlgItem(m_hWnd, id))
        ::ShowWindow(item, show ? SW_SHOW : SW_HIDE);
}

void CObjectPropertyPage::EnableItem(int id, BOOL enable)
{
    if (HWND item = ::GetDlgItem(m_hWnd, id))
        ::EnableWindow(item, enable);
}

// ---------------------------------------------------------------------------
// Name

BEGIN_MESSAGE_MAP(CObjectNamePP, CObjectPropertyPage)
    ON_BN_CLICKED(IDC_OBJ_MOUSE_DRAG, OnMouseDragClicked)
END_MESSAGE_MAP()

CObjectNamePP::CObjectNamePP() : CObjectPropertyPage(IDD_OBJECT_NAME), m_bMouseDrag(0)
{
}

BOOL CObjectNamePP::OnInitDialog()
{
    if (!m_bWizardMode)
    {
        if (!m_strPageFileName.IsEmpty())
        {
            ShowItem(IDC_OBJ_PAGE_FILE, TRUE);
            ShowItem(IDC_OBJ_PAGE_FILE_LABEL, TRUE);
        }
        else
        {
            char text[256] = "";
            ::GetDlgItemTextA(m_hWnd, IDC_OBJ_MOUSE_DRAG, text, sizeof text);
            std::string label = std::string(text) + " on this " + m_strNoun.c_str();
            ::SetDlgItemTextA(m_hWnd, IDC_OBJ_MOUSE_DRAG, label.c_str());
        }
    }
    ::SendDlgItemMessageA(m_hWnd, IDC_OBJ_NAME, EM_LIMITTEXT, 25, 0);
    FormatNounText();
    return CObjectPropertyPage::OnInitDialog();
}

void CObjectNamePP::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_OBJ_NAME, m_strName);
    DDV_MaxChars(pDX, m_strName, 25);
    DDX_Text(pDX, IDC_OBJ_PAGE_FILE, m_strPageFileName);
    DDX_Check(pDX, IDC_OBJ_MOUSE_DRAG, m_bMouseDrag);
}

void CObjectNamePP::OnMouseDragClicked()
{
    UpdateData(TRUE);
}

// ---------------------------------------------------------------------------
// Position

BEGIN_MESSAGE_MAP(CObjectPositionPP, CObjectPropertyPage)
    ON_BN_CLICKED(IDC_POS_RELATIVE, OnRelativeClicked)
END_MESSAGE_MAP()

CObjectPositionPP::CObjectPositionPP()
    : CObjectPropertyPage(IDD_OBJECT_POSITION), m_mode(0), m_x(0), m_y(0), m_bRelative(0)
{
}

BOOL CObjectPositionPP::OnInitDialog()
{
    m_bRelative = m_mode != 0;
    CheckDlgButton(IDC_POS_LOWER, m_mode >= 1 && m_mode <= 4 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_POS_HIGHER, m_mode == 1 || m_mode == 2 || m_mode == 5 || m_mode == 6 ? BST_CHECKED
                                                                                              : BST_UNCHECKED);
    FormatNounText();
    BOOL result = CObjectPropertyPage::OnInitDialog();
    OnRelativeClicked();
    if (m_bWizardMode)
    {
        for (int id : { IDC_POS_HIGHER, IDC_POS_LOWER, IDC_POS_GROUP, IDC_POS_RELATIVE })
            ShowItem(id, FALSE);
    }
    return result;
}

void CObjectPositionPP::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_POS_X, m_x);
    DDV_MinMaxInt(pDX, m_x, 0, 2000);
    DDX_Text(pDX, IDC_POS_Y, m_y);
    DDV_MinMaxInt(pDX, m_y, 0, 2000);
    DDX_Check(pDX, IDC_POS_RELATIVE, m_bRelative);
}

void CObjectPositionPP::OnRelativeClicked()
{
    BOOL relative = IsDlgButtonChecked(IDC_POS_RELATIVE) == BST_CHECKED;
    EnableItem(IDC_POS_HIGHER, relative);
    EnableItem(IDC_POS_LOWER, relative);
}

BOOL CObjectPositionPP::OnKillActive()
{
    BOOL higher = IsDlgButtonChecked(IDC_POS_HIGHER) == BST_CHECKED;
    BOOL lower = IsDlgButtonChecked(IDC_POS_LOWER) == BST_CHECKED;
    if (IsDlgButtonChecked(IDC_POS_RELATIVE) != BST_CHECKED)
        m_mode = 0;
    else if (higher == lower)
        m_mode = 2;
    else
        m_mode = lower ? 4 : 6;
    return CObjectPropertyPage::OnKillActive();
}

// ---------------------------------------------------------------------------
// Size

BEGIN_MESSAGE_MAP(CObjectSizePP, CObjectPropertyPage)
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_SIZE_ASPECT, OnAspectChanged)
    ON_EN_CHANGE(IDC_SIZE_WIDTH, OnAspectChanged)
    ON_BN_CLICKED(IDC_SIZE_RELATIVE, OnRelativeClicked)
    ON_BN_CLICKED(IDC_SIZE_RESTORE, OnRestore)
    ON_BN_CLICKED(IDC_SIZE_APPBAR, OnAppbarChanged)
    ON_BN_CLICKED(IDC_SIZE_EDGE_LEFT, OnAppbarChanged)
    ON_BN_CLICKED(IDC_SIZE_EDGE_RIGHT, OnAppbarChanged)
    ON_BN_CLICKED(IDC_SIZE_EDGE_BOTTOM, OnAppbarChanged)
    ON_BN_CLICKED(IDC_SIZE_EDGE_TOP, OnAppbarChanged)
END_MESSAGE_MAP()

namespace {

const int kEdgeControls[] = { IDC_SIZE_EDGE_LEFT, IDC_SIZE_EDGE_RIGHT, IDC_SIZE_EDGE_BOTTOM, IDC_SIZE_EDGE_TOP,
                              IDC_SIZE_LABEL_TOP, IDC_SIZE_LABEL_BOTTOM, IDC_SIZE_EDGE_PICTURE };

} // namespace

CObjectSizePP::CObjectSizePP()
    : CObjectPropertyPage(IDD_OBJECT_SIZE), m_bRestoreAvailable(0), m_bIsPage(0), m_restoreWidth(0),
      m_restoreHeight(0), m_mode(0), m_height(0), m_width(0), m_bKeepAspect(0), m_bRelative(0), m_bAppbar(0),
      m_edge(1), m_openWidth(0), m_openHeight(0), m_bShowing(FALSE)
{
}

int CObjectSizePP::ModeFromChecks(BOOL relative, BOOL keepRatio, BOOL grow, BOOL shrink)
{
    if (!relative)
        return 0;
    int step = grow == shrink ? 0 : shrink ? 2 : 4;
    return (keepRatio ? 1 : 2) + step;
}

BOOL CObjectSizePP::OnInitDialog()
{
    m_openWidth = m_width;
    m_openHeight = m_height;
    ShowItem(IDC_SIZE_RESTORE, m_bRestoreAvailable);
    if (!m_bIsPage)
        ShowItem(IDC_SIZE_ASPECT, TRUE);
    else if (!m_bRestoreAvailable)
    {
        ShowItem(IDC_SIZE_APPBAR, TRUE);
        for (int id : kEdgeControls)
            ShowItem(id, TRUE);
    }
    m_bRelative = m_mode != 0;
    CheckDlgButton(IDC_SIZE_KEEP_RATIO, m_mode == 1 || m_mode == 3 || m_mode == 5 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_SIZE_SHRINK, m_mode >= 1 && m_mode <= 4 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_SIZE_GROW, m_mode == 1 || m_mode == 2 || m_mode == 5 || m_mode == 6 ? BST_CHECKED
                                                                                            : BST_UNCHECKED);
    FormatNounText();
    m_bShowing = TRUE;
    BOOL result = CObjectPropertyPage::OnInitDialog();
    m_bShowing = FALSE;
    OnRelativeClicked();
    ApplyAspectRule();
    ApplyAppbarRule();
    if (m_bWizardMode)
    {
        for (int id : { IDC_SIZE_SHRINK, IDC_SIZE_GROW, IDC_SIZE_KEEP_RATIO, IDC_SIZE_GROUP, IDC_SIZE_RELATIVE })
            ShowItem(id, FALSE);
    }
    return result;
}

void CObjectSizePP::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_SIZE_HEIGHT, m_height);
    DDV_MinMaxInt(pDX, m_height, 0, 2000);
    DDX_Text(pDX, IDC_SIZE_WIDTH, m_width);
    DDV_MinMaxInt(pDX, m_width, 0, 2000);
    DDX_Check(pDX, IDC_SIZE_ASPECT, m_bKeepAspect);
    DDX_Check(pDX, IDC_SIZE_RELATIVE, m_bRelative);
    DDX_Check(pDX, IDC_SIZE_APPBAR, m_bAppbar);
    DDX_Radio(pDX, IDC_SIZE_EDGE_LEFT, m_edge);
}

void CObjectSizePP::ReadQuietly()
{
    BOOL ok = FALSE;
    int width = (int)GetDlgItemInt(IDC_SIZE_WIDTH, &ok, TRUE);
    if (ok)
        m_width = width;
    int height = (int)GetDlgItemInt(IDC_SIZE_HEIGHT, &ok, TRUE);
    if (ok)
        m_height = height;
    m_bKeepAspect = IsDlgButtonChecked(IDC_SIZE_ASPECT) == BST_CHECKED;
    m_bRelative = IsDlgButtonChecked(IDC_SIZE_RELATIVE) == BST_CHECKED;
    m_bAppbar = IsDlgButtonChecked(IDC_SIZE_APPBAR) == BST_CHECKED;
    const int edges[] = { IDC_SIZE_EDGE_LEFT, IDC_SIZE_EDGE_RIGHT, IDC_SIZE_EDGE_BOTTOM, IDC_SIZE_EDGE_TOP };
    for (int i = 0; i < 4; ++i)
    {
        if (IsDlgButtonChecked(edges[i]) == BST_CHECKED)
            m_edge = i;
    }
}

void CObjectSizePP::ShowQuietly()
{
    // Showing the width raises EN_CHANGE, which would run the aspect rule
    // again on what is being shown.
    m_bShowing = TRUE;
    UpdateData(FALSE);
    m_bShowing = FALSE;
}

void CObjectSizePP::ApplyAspectRule()
{
    ReadQuietly();
    EnableItem(IDC_SIZE_HEIGHT, !m_bKeepAspect);
    if (!m_bKeepAspect)
        return;
    // Only Height is written: writing Width back while it is typed would put
    // the caret at its start and refill an emptied field. While Width holds
    // no whole number, Height is left as it is.
    BOOL whole = FALSE;
    int width = (int)GetDlgItemInt(IDC_SIZE_WIDTH, &whole, TRUE);
    // An object that opened 0 wide has no ratio to keep.
    if (!whole || m_openWidth == 0)
        return;
    m_height = (int)((double)width * (double)m_openHeight / (double)m_openWidth);
    char text[16];
    wsprintfA(text, "%d", m_height);
    AfxSetWindowText(::GetDlgItem(m_hWnd, IDC_SIZE_HEIGHT), text);
}

void CObjectSizePP::ApplyAppbarRule()
{
    ReadQuietly();
    for (int id : kEdgeControls)
        EnableItem(id, m_bAppbar);
    if (m_bAppbar && m_bIsPage)
    {
        int screenWidth = GetSystemMetrics(SM_CXSCREEN);
        int screenHeight = GetSystemMetrics(SM_CYSCREEN);
        if ((m_edge == 2 || m_edge == 3) && m_width != screenWidth)
        {
            m_width = screenWidth;
            m_height = screenHeight / 10;
        }
        else if ((m_edge == 0 || m_edge == 1) && m_height != screenHeight)
        {
            m_height = screenHeight;
            m_width = screenWidth / 10;
        }
    }
    ShowQuietly();
}

void CObjectSizePP::OnAspectChanged()
{
    if (!m_bShowing)
        ApplyAspectRule();
}

void CObjectSizePP::OnRelativeClicked()
{
    BOOL relative = IsDlgButtonChecked(IDC_SIZE_RELATIVE) == BST_CHECKED;
    for (int id : { IDC_SIZE_KEEP_RATIO, IDC_SIZE_GROW, IDC_SIZE_SHRINK })
        EnableItem(id, relative);
}

void CObjectSizePP::OnRestore()
{
    ReadQuietly();
    m_width = m_restoreWidth;
    m_height = m_restoreHeight;
    ShowQuietly();
}

void CObjectSizePP::OnAppbarChanged()
{
    ApplyAppbarRule();
}

void CObjectSizePP::TakeModeFromChecks()
{
    m_mode = ModeFromChecks(IsDlgButtonChecked(IDC_SIZE_RELATIVE) == BST_CHECKED,
                            IsDlgButtonChecked(IDC_SIZE_KEEP_RATIO) == BST_CHECKED,
                            IsDlgButtonChecked(IDC_SIZE_GROW) == BST_CHECKED,
                            IsDlgButtonChecked(IDC_SIZE_SHRINK) == BST_CHECKED);
}

BOOL CObjectSizePP::OnKillActive()
{
    TakeModeFromChecks();
    return CObjectPropertyPage::OnKillActive();
}

void CObjectSizePP::OnDestroy()
{
    // Only the mode is taken here: a data exchange while the sheet closes
    // would show range messages also after Cancel.
    TakeModeFromChecks();
    CObjectPropertyPage::OnDestroy();
}

// ---------------------------------------------------------------------------
// Events and Scripts

BEGIN_MESSAGE_MAP(CObjectTreePP, CObjectPropertyPage)
    ON_MESSAGE(WM_OBJECT_TREE_HINT, OnHint)
    ON_NOTIFY(TVN_SELCHANGEDA, IDC_TREE_EVENTS, OnSelChanged)
    ON_NOTIFY(NM_DBLCLK, IDC_TREE_EVENTS, OnDblClk)
    ON_NOTIFY(NM_RCLICK, IDC_TREE_EVENTS, OnRClick)
    ON_NOTIFY(TVN_BEGINDRAGA, IDC_TREE_EVENTS, OnBeginDrag)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_BN_CLICKED(IDC_TREE_NEW, OnNew)
    ON_BN_CLICKED(IDC_TREE_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_TREE_PROPERTIES, OnProperties)
    ON_COMMAND(ID_NEW_EVENT, OnNewEvent)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CObjectTreePP::CObjectTreePP()
    : CObjectPropertyPage(IDD_OBJECT_TREE), m_pObject(NULL), m_pDocument(NULL), m_bDragging(FALSE),
      m_hDragItem(NULL), m_hDropItem(NULL), m_pDragImage(NULL)
{
}

CObjectTreePP::~CObjectTreePP()
{
    delete m_pDragImage;
}

void CObjectTreePP::OnDestroy()
{
    // Removed while the handle is still known: left behind, a dead (or
    // reused) handle would get every later hint posted to it.
    if (m_pDocument)
        m_pDocument->RemoveHintReceiver(m_hWnd);
    CObjectPropertyPage::OnDestroy();
}

BOOL CObjectTreePP::OnInitDialog()
{
    if (m_pDocument == NULL)
        m_pDocument = GetActiveEditorDocument();
    if (m_pObject == NULL || m_pDocument == NULL)
    {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    m_pDocument->AddHintReceiver(m_hWnd);
    if (FillImageListFromDib(m_images, IDB_TREE, 16, RGB(255, 0, 0)))
        ::SendMessageA(GetTree(), TVM_SETIMAGELIST, TVSIL_NORMAL, (LPARAM)(HIMAGELIST)m_images);
    BuildTree();
    SetButtonsFor(TreeView_GetSelection(GetTree()));
    return CObjectPropertyPage::OnInitDialog();
}

BOOL CObjectTreePP::OnSetActive()
{
    BuildTree();
    return CObjectPropertyPage::OnSetActive();
}

CElement* CObjectTreePP::ObjectOf(HTREEITEM item) const
{
    if (item == NULL)
        return NULL;
    TVITEMA data = {};
    data.mask = TVIF_PARAM | TVIF_HANDLE;
    data.hItem = item;
    if (!::SendMessageA(GetTree(), TVM_GETITEMA, 0, (LPARAM)&data))
        return NULL;
    return reinterpret_cast<CElement*>(data.lParam);
}

void CObjectTreePP::BuildTree()
{
    HWND tree = GetTree();
    if (tree == NULL || m_pObject == NULL)
        return;
    TreeView_DeleteAllItems(tree);
    m_pObject->AddToTree(tree, TVI_ROOT);
    HTREEITEM root = TreeView_GetRoot(tree);
    if (root)
    {
        TreeView_SelectItem(tree, root);
        TreeView_Expand(tree, root, TVE_EXPAND);
    }
}

HTREEITEM CObjectTreePP::FindItem(const CElement* object) const
{
    HWND tree = GetTree();
    HTREEITEM root = TreeView_GetRoot(tree);
    if (root == NULL || object == NULL)
        return NULL;
    // Depth first: the item, its first child, then the next sibling of the
    // nearest ancestor that has one.
    for (HTREEITEM item = root; item != NULL;)
    {
        if (ObjectOf(item) == object)
            return item;
        HTREEITEM next = TreeView_GetChild(tree, item);
        for (HTREEITEM up = item; next == NULL && up != NULL; up = TreeView_GetParent(tree, up))
            next = TreeView_GetNextSibling(tree, up);
        item = next;
    }
    return NULL;
}

namespace {

BOOL IsInSubtree(const CElement* object, const CElement* root)
{
    if (object == NULL || root == NULL)
        return FALSE;
    if (object == root)
        return TRUE;
    if (const CScriptableObject* scriptable = dynamic_cast<const CScriptableObject*>(root))
    {
        for (CScript* script : scriptable->GetScripts())
        {
            if (IsInSubtree(object, script))
                return TRUE;
        }
        if (const CElementContainer* container = dynamic_cast<const CElementContainer*>(root))
        {
            for (CElement* child : container->m_children)
            {
                if (IsInSubtree(object, child))
                    return TRUE;
            }
        }
    }
    else if (const CScript* script = dynamic_cast<const CScript*>(root))
    {
        for (CScriptItem* item : script->m_items)
        {
            if (item == object)
                return TRUE;
        }
    }
    return FALSE;
}

} // namespace

BOOL CObjectTreePP::HoldsObject(const CElement* object) const
{
    return IsInSubtree(object, m_pObject);
}

void CObjectTreePP::InsertChildrenOf(CElement* object, HTREEITEM item)
{
    InsertChildItems(GetTree(), object, item);
}

void CObjectTreePP::RefreshItem(CElement* object)
{
    HWND tree = GetTree();
    HTREEITEM item = FindItem(object);
    if (item == NULL)
        return;
    ::SendMessageA(tree, WM_SETREDRAW, FALSE, 0);
    TreeView_SelectItem(tree, item);
    for (HTREEITEM child = TreeView_GetChild(tree, item); child != NULL; child = TreeView_GetChild(tree, item))
        TreeView_DeleteItem(tree, child);
    CScript* script = dynamic_cast<CScript*>(object);
    CStr label = script ? script->GetName() : object->GetDisplayName();
    TVITEMA data = {};
    data.mask = TVIF_TEXT | TVIF_HANDLE;
    data.hItem = item;
    data.pszText = const_cast<char*>(label.c_str());
    ::SendMessageA(tree, TVM_SETITEMA, 0, (LPARAM)&data);
    InsertChildrenOf(object, item);
    TreeView_Expand(tree, item, TVE_EXPAND);
    TreeView_EnsureVisible(tree, item);
    TreeView_SelectItem(tree, item);
    ::SendMessageA(tree, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(tree, NULL, TRUE);
}

LRESULT CObjectTreePP::OnHint(WPARAM wParam, LPARAM lParam)
{
    CElement* object = reinterpret_cast<CElement*>(lParam);
    switch ((int)wParam)
    {
    case HintAdded:
        // The message was posted: the object may be gone by now.
        if (HoldsObject(object) && object->GetParent() != NULL && FindItem(object->GetParent()) != NULL)
            RefreshItem(object->GetParent());
        break;
    case HintRemoved:
        // Already deleted perhaps: only the pointer is compared.
        if (object != m_pObject)
        {
            if (HTREEITEM item = FindItem(object))
                TreeView_DeleteItem(GetTree(), item);
        }
        break;
    case HintChanged:
        if (HoldsObject(object))
            RefreshItem(object);
        break;
    case HintWholeDocument:
        BuildTree();
        break;
    default:
        break;
    }
    return 0;
}

void CObjectTreePP::SetButtonsFor(HTREEITEM item)
{
    CElement* object = ObjectOf(item);
    BOOL scriptable = dynamic_cast<CScriptableObject*>(object) != NULL;
    ::SetDlgItemTextA(m_hWnd, IDC_TREE_NEW, scriptable ? "New Event" : "New Script Item");
    BOOL isRoot = object == NULL || object == m_pObject;
    EnableItem(IDC_TREE_DELETE, !isRoot);
    EnableItem(IDC_TREE_PROPERTIES, !isRoot);
}

void CObjectTreePP::OnSelChanged(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const NMTREEVIEWA* change = reinterpret_cast<const NMTREEVIEWA*>(header);
    CElement* object = ObjectOf(change->itemNew.hItem);
    if (object != NULL && m_pDocument != NULL && object != m_pDocument->GetCurrentObject())
        m_pDocument->Select(object);
    if (change->itemNew.hItem)
        TreeView_Expand(GetTree(), change->itemNew.hItem, TVE_EXPAND);
    SetButtonsFor(change->itemNew.hItem);
}

void CObjectTreePP::OnDblClk(NMHDR* header, LRESULT* result)
{
    *result = 0;
    CElement* object = ObjectOf(TreeView_GetSelection(GetTree()));
    if (object != NULL && object != m_pObject)
        PostMessage(WM_COMMAND, MAKEWPARAM(ID_OBJECT_PROPERTIES, 0), 0);
}

void CObjectTreePP::OnRClick(NMHDR* header, LRESULT* result)
{
    *result = 1;
    HWND tree = GetTree();
    POINT screen;
    ::GetCursorPos(&screen);
    TVHITTESTINFO hit = {};
    hit.pt = screen;
    ::ScreenToClient(tree, &hit.pt);
    HTREEITEM item = TreeView_HitTest(tree, &hit);
    if (item == NULL || (hit.flags & (TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMSTATEICON)) == 0)
        return;
    TreeView_SelectItem(tree, item);
    if (CElement* object = ObjectOf(item))
        object->ShowContextMenu(screen.x, screen.y, object == m_pObject);
}

void CObjectTreePP::OnNew()
{
    CElement* object = ObjectOf(TreeView_GetSelection(GetTree()));
    if (dynamic_cast<CScriptableObject*>(object) != NULL)
    {
        PostMessage(WM_COMMAND, MAKEWPARAM(ID_NEW_EVENT, 0), 0);
        return;
    }
    // An event's script items are added by the script's own sheet.
    CScript* script = dynamic_cast<CScript*>(object);
    if (script == NULL && object != NULL)
        script = dynamic_cast<CScript*>(object->GetParent());
    if (script != NULL && HoldsObject(script))
    {
        if (script->EditProperties(FALSE))
        {
            RefreshItem(script);
            if (m_pDocument)
            {
                m_pDocument->UpdateAllViews(NULL, HintChanged, script);
                m_pDocument->RecordChange();
            }
        }
        return;
    }
    PostMessage(WM_COMMAND, MAKEWPARAM(ID_NEW_SCRIPT_ITEM, 0), 0);
}

void CObjectTreePP::OnNewEvent()
{
    CScriptableObject* object = dynamic_cast<CScriptableObject*>(ObjectOf(TreeView_GetSelection(GetTree())));
    if (object == NULL || !HoldsObject(object))
        return;
    CEventAddDlg dialog(this);
    dialog.m_pDocument = m_pDocument;
    dialog.m_pObject = object;
    dialog.m_strNoun = m_strNoun;
    dialog.DoModal();
    RefreshItem(object);
}

void CObjectTreePP::OnDelete()
{
    PostMessage(WM_COMMAND, MAKEWPARAM(ID_OBJECT_DELETE, 0), 0);
}

void CObjectTreePP::OnProperties()
{
    PostMessage(WM_COMMAND, MAKEWPARAM(ID_OBJECT_PROPERTIES, 0), 0);
}

void CObjectTreePP::OnBeginDrag(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const NMTREEVIEWA* drag = reinterpret_cast<const NMTREEVIEWA*>(header);
    HWND tree = GetTree();
    m_hDragItem = drag->itemNew.hItem;
    m_hDropItem = NULL;
    if (m_pDocument)
        m_pDocument->Select(m_pObject);
    delete m_pDragImage;
    m_pDragImage = NULL;
    HIMAGELIST image = TreeView_CreateDragImage(tree, m_hDragItem);
    if (image == NULL)
        return;
    m_pDragImage = new CImageList();
    m_pDragImage->Attach(image);
    if (m_hDragItem == TreeView_GetRoot(tree))
    {
        delete m_pDragImage;
        m_pDragImage = NULL;
        return;
    }
    m_bDragging = TRUE;
    m_pDragImage->BeginDrag(0, CPoint(-15, -15));
    POINT cursor;
    ::GetCursorPos(&cursor);
    CImageList::DragEnter(NULL, CPoint(cursor.x, cursor.y));
    SetCapture();
}

void CObjectTreePP::OnMouseMove(UINT keys, CPoint point)
{
    if (!m_bDragging)
    {
        Default();
        return;
    }
    POINT screen = point;
    ClientToScreen(&screen);
    CImageList::DragMove(CPoint(screen.x, screen.y));
    m_hDropItem = TrackDropTargetAt(screen);
    CElement* dragged = ObjectOf(m_hDragItem);
    bool accepted = m_hDropItem != NULL && dragged != m_pObject && IsTreeDropAccepted(dragged, ObjectOf(m_hDropItem));
    SetCursor(LoadCursorA(NULL, accepted ? (LPCSTR)IDC_ARROW : (LPCSTR)IDC_NO));
}

HTREEITEM CObjectTreePP::TrackDropTargetAt(POINT screen)
{
    HWND tree = GetTree();
    POINT point = screen;
    ::ScreenToClient(tree, &point);
    return TrackDropTarget(tree, point);
}

void CObjectTreePP::EndDragging()
{
    m_bDragging = FALSE;
    CImageList::DragLeave(NULL);
    CImageList::EndDrag();
    ReleaseCapture();
    TreeView_SelectDropTarget(GetTree(), NULL);
    delete m_pDragImage;
    m_pDragImage = NULL;
}

void CObjectTreePP::OnLButtonUp(UINT keys, CPoint point)
{
    if (!m_bDragging)
    {
        Default();
        return;
    }
    // The release point decides, as the cursor there showed.
    POINT screen = point;
    ClientToScreen(&screen);
    m_hDropItem = TrackDropTargetAt(screen);
    EndDragging();
    CElement* dragged = ObjectOf(m_hDragItem);
    CElement* target = ObjectOf(m_hDropItem);
    m_hDragItem = NULL;
    m_hDropItem = NULL;
    if (target == NULL || dragged == NULL || dragged == m_pObject)
        return;
    std::vector<CElement*> changed;
    if (!DropInTree(dragged, target, changed))
        return;
    for (CElement* object : changed)
    {
        if (m_pDocument)
            m_pDocument->UpdateAllViews(NULL, HintChanged, object);
        RefreshItem(object);
    }
    if (m_pDocument)
        m_pDocument->RecordChange();
}
