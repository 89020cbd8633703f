// The property pages that the sheets of pages and page objects share: name,
// position, size and the tree of the object's events and script items. The
// sheet's owner fills the fields before the sheet runs and reads them back
// after OK; the pages only show, check and convert.
#pragma once

#include "platform/framework/Afx.h"
#include "platform/framework/PropertySheet.h"

class CElement;
class CLumbrookConfigDoc;

// The base of the editor's own pages: the noun that names the kind of
// object in text 1041, and the wizard flag.
class CObjectPropertyPage : public CPropertyPage
{
public:
    explicit CObjectPropertyPage(UINT templateId);

    // With the wizard flag, the sheet's buttons follow the page's place:
    // Back and Finish on the last page, Next alone on the first, Back and
    // Next between.
    BOOL OnSetActive() override;

    CStr m_strNoun;
    BOOL m_bWizardMode;

protected:
    // Text 1041 used as a format with the noun given twice.
    void FormatNounText();
    void ShowItem(int id, BOOL show);
    void EnableItem(int id, BOOL enable);
};

// Sets sheet's wizard buttons for page by its place among the pages.
void SetWizardButtonsForPlace(CPropertyPage* page);
// "%s" in format replaced by the noun, at most twice; nothing else is read
// as a format.
CStr FormatWithNoun(const char* format, const char* noun);

class CObjectNamePP : public CObjectPropertyPage
{
public:
    CObjectNamePP();

    CStr m_strName;
    CStr m_strPageFileName;
    int m_bMouseDrag;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnMouseDragClicked();
    DECLARE_MESSAGE_MAP()
};

// Reposition modes of the "reposition" key: 0 none, 2 always, 4 only at
// lower resolutions, 6 only at higher ones (1, 3, 5 read as 2, 4, 6).
class CObjectPositionPP : public CObjectPropertyPage
{
public:
    CObjectPositionPP();

    BOOL OnKillActive() override;

    int m_mode;
    int m_x;
    int m_y;
    int m_bRelative;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnRelativeClicked();
    DECLARE_MESSAGE_MAP()
};

// Resize modes of the "resize" key: 0 none; 1 keep ratio always, 2 each
// axis always; 3 and 4 the same only at lower resolutions; 5 and 6 only at
// higher ones.
class CObjectSizePP : public CObjectPropertyPage
{
public:
    CObjectSizePP();

    BOOL OnKillActive() override;

    BYTE m_bRestoreAvailable;
    BYTE m_bIsPage;
    int m_restoreWidth;
    int m_restoreHeight;
    int m_mode;
    int m_height;
    int m_width;
    int m_bKeepAspect;
    int m_bRelative;
    int m_bAppbar;
    // 0 left, 1 right, 2 bottom, 3 top.
    int m_edge;
    int m_openWidth;
    int m_openHeight;

    // The mode the three resolution boxes give.
    static int ModeFromChecks(BOOL relative, BOOL keepRatio, BOOL grow, BOOL shrink);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnDestroy();
    void OnAspectChanged();
    void OnRelativeClicked();
    void OnRestore();
    void OnAppbarChanged();
    DECLARE_MESSAGE_MAP()

private:
    void ApplyAspectRule();
    void ApplyAppbarRule();
    void TakeModeFromChecks();
    // Reads the controls into the fields without validating them: the
    // rules run while the author types.
    void ReadQuietly();
    void ShowQuietly();
    BOOL m_bShowing;
};

// Messages that the document posts to the registered events page: wParam
// the hint, lParam the object.
const UINT WM_OBJECT_TREE_HINT = WM_USER + 120;

class CObjectTreePP : public CObjectPropertyPage
{
public:
    CObjectTreePP();
    ~CObjectTreePP() override;

    BOOL OnSetActive() override;

    CElement* m_pObject;
    CLumbrookConfigDoc* m_pDocument;

    void BuildTree();
    HTREEITEM FindItem(const CElement* object) const;
    void RefreshItem(CElement* object);
    CElement* ObjectOf(HTREEITEM item) const;
    HWND GetTree() const { return ::GetDlgItem(m_hWnd, 1181); }

protected:
    BOOL OnInitDialog() override;
    LRESULT OnHint(WPARAM wParam, LPARAM lParam);
    void OnDestroy();
    void OnSelChanged(NMHDR* header, LRESULT* result);
    void OnDblClk(NMHDR* header, LRESULT* result);
    void OnRClick(NMHDR* header, LRESULT* result);
    void OnBeginDrag(NMHDR* header, LRESULT* result);
    void OnMouseMove(UINT keys, CPoint point);
    void OnLButtonUp(UINT keys, CPoint point);
    void OnNew();
    // The page adds events itself: "Add Events" for the selected object.
    void OnNewEvent();
    void OnDelete();
    void OnProperties();
    DECLARE_MESSAGE_MAP()

private:
    void SetButtonsFor(HTREEITEM item);
    void InsertChildrenOf(CElement* object, HTREEITEM item);
    // TRUE when object is still the root's object or one of its
    // descendants: a posted hint may name an object deleted since.
    BOOL HoldsObject(const CElement* object) const;
    void EndDragging();
    // The drop target under the screen point, highlighted; NULL over no item.
    HTREEITEM TrackDropTargetAt(POINT screen);

    CImageList m_images;
    BOOL m_bDragging;
    HTREEITEM m_hDragItem;
    HTREEITEM m_hDropItem;
    CImageList* m_pDragImage;
};
