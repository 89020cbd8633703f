// CLumbrookConfigDoc: the editor's one document, a project of pages. It
// owns the page list and the project archive; only the current page is held
// as live objects, every other page as its data file in the archive. A page
// is written into its data file before it is left and before the archive is
// saved, so no edit is lost by leaving a page.
#pragma once

#include "authoring/NewRectTracker.h"
#include "authoring/Selection.h"
#include "authoring/Undo.h"
#include "model/IdManager.h"
#include "model/store/DataFileManager.h"
#include "platform/framework/Afx.h"

#include <vector>

class CBrowser;
class CDataFile;
class CElementContainer;
class CScriptableObject;
class CElement;
class CScriptItem;

// Hints of UpdateAllViews.
enum DocumentHint
{
    HintRedraw = 0,
    HintAdded = 1,
    HintRemoved = 2,
    HintChanged = 3,
    HintWholeDocument = 4,
    HintSelection = 5,
};

// Sent to every view after a project opens: wParam 0, lParam the current
// page's data-file name.
const UINT WM_PAGE_NAME = WM_USER + 100;

class CLumbrookConfigDoc : public CDocument
{
    DECLARE_DYNCREATE(CLumbrookConfigDoc)
public:
    CLumbrookConfigDoc();
    ~CLumbrookConfigDoc() override;

    void DeleteContents() override;
    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(const char* path) override;
    BOOL OnSaveDocument(const char* path) override;

    // Selects object (none clears the selection): a page other than the
    // current one becomes current (hint 4); a script becomes the current
    // script; a script item is selected without a hint; else hint 5.
    void Select(CElement* object, BOOL extend = FALSE);
    // The Ctrl-click toggle of the page view.
    void DeselectObject(CElement* object);
    // FALSE when the page is not one of the project's. The page left is
    // first written into its data file; unless quiet, a snapshot and hint 4.
    BOOL SetCurrentPage(CBrowser* page, BOOL quiet);
    CBrowser* GetCurrentPage() const { return m_pCurrentPage; }
    const std::vector<CBrowser*>& GetPages() const { return m_pages; }
    BOOL HoldsPage(const CElement* page) const;
    CBrowser* FindPageByName(const char* id) const;
    CBrowser* FindPageByDataFileName(const char* name) const;
    CElement* GetCurrentObject() const { return m_selection.GetCurrent(); }
    CElement* GetCurrentScript() const { return m_pCurrentScript; }
    int GetSelectionCount() const { return m_selection.GetCount(); }
    CSelection& GetSelection() { return m_selection; }
    CUndo& GetUndo() { return m_undo; }
    // Writes the current page's objects into its data file, keeping the
    // screen size stored there.
    BOOL CommitCurrentPage();
    // The page (current) reloaded from stored, its data file taking that text.
    void RestorePage(CBrowser* page, const CDataFile& stored);
    // Marks the document modified and takes an undo snapshot.
    void RecordChange();
    // Carries out a Layout menu command on the selection.
    void DoLayout(UINT commandId);
    // With a current script: the item appended to it or removed from it,
    // then hint 0.
    void AddItemToCurrentScript(CScriptItem* item);
    void RemoveItemFromCurrentScript(CScriptItem* item);
    // The current page's direct children in a combo box (text the id, item
    // data the object), the first selected.
    void FillObjectCombo(HWND combo);
    // Where the next inserted object goes: down and right in steps while
    // inside 70% of the page, then a third of the way across at the top.
    POINT NextInsertPosition();
    // A page made in memory joins the project with its data file in the
    // archive (the new-project and new-page commands, and tests).
    void AppendPage(CBrowser* page, const char* dataFileName);
    // Unloads and deletes every page and empties the list.
    void DeletePages();
    // Opens (save FALSE) or saves the project at path; FALSE when the
    // archive could not be read or written.
    BOOL LoadOrSaveProject(const char* path, BOOL save);
    // The editing commands' parts (EditCommands.cpp).
    CElement* GetClipboard() const { return m_pClipboard; }
    // The current object when it holds elements, else the current page.
    CElementContainer* FindTargetContainer() const;
    // A new element of the container runs its sheet; accepted, it is placed
    // at the next insert position and added (hint 1, snapshot), else
    // deleted. TRUE when added.
    BOOL InsertNewElement(CElementContainer* container, CScriptableObject* element);
    // Deletes every selected object but the page, each once.
    void DeleteSelection();
    // Takes back a new page whose sheet was cancelled: previous becomes
    // current again and the page and its own data file go.
    void DeletePage(CBrowser* page, CBrowser* previous);
    // Points every reference of the current page to the old id at the new
    // one and reloads the page; the renamed object, or NULL.
    CElement* RenameControlReferences(const char* oldId, const char* newId);
    // The first "page_N.pgd" the archive does not hold, N from the number
    // of pages plus one.
    CStr MakeNewPageFileName() const;
    // Move Down (0) and Move Up (1): an element one place in its owner's
    // list, a page one place in the project, never into or out of the first.
    void MoveCurrentObject(int direction);
    // Starts "tarvex.exe" of the project folder through the shell with the
    // quoted argument; FALSE when there is no project path.
    BOOL StartPlayer(const char* argument);
    // Windows told of every hint as a posted WM_USER+120 (wParam the hint,
    // lParam the object): the open "Events and Scripts" page.
    void AddHintReceiver(HWND window);
    void RemoveHintReceiver(HWND window);
    void PostHintToReceivers(LPARAM hint, void* object);
    const std::vector<HWND>& GetHintReceivers() const { return m_hintReceivers; }
    // Texts kept for the current page only; emptied at each page change.
    std::vector<CStr> m_pageTexts;

    CDataFileManager m_archive;
    // The registry of the project's object ids.
    CIdManager m_ids;
    // The selection frames' tracker; the page view sets its style and size.
    CNewRectTracker m_tracker;

protected:
    // Enabling rules of the commands.
    void OnUpdateNeedsModified(CCmdUI* cmdUI);
    void OnUpdateNeedsPage(CCmdUI* cmdUI);
    void OnUpdateNeedsObject(CCmdUI* cmdUI);
    void OnUpdateUndo(CCmdUI* cmdUI);
    void OnUpdatePaste(CCmdUI* cmdUI);
    void OnUpdateEdgeLayout(CCmdUI* cmdUI);
    void OnUpdateItemLayout(CCmdUI* cmdUI);
    void OnUpdateMove(CCmdUI* cmdUI);
    void OnCommandToCome();
    void OnProjectNew();
    void OnEditUndo();
    void OnEditPreferences();
    void OnLayout(UINT commandId);
    void OnWebDunmarrow();
    void OnWebQuindle();
    // The editing commands (EditCommands.cpp).
    void OnInsertButton();
    void OnInsertImage();
    void OnInsertText();
    void OnInsertActiveX();
    void OnInsertImageStrip();
    void OnInsertNewPage();
    void OnEditCut();
    void OnEditCopy();
    void OnEditPaste();
    void OnObjectDelete();
    void OnObjectProperties();
    void OnMoveDown();
    void OnMoveUp();
    void OnNewScriptItem();
    void OnNewObject();
    void OnNewEvent();
    void OnFileTest();
    void OnToolPreview();
    DECLARE_MESSAGE_MAP()

private:
    void ClearSelection();
    void OpenWebPage(UINT addressId);
    // Loads the current page from its data file with an empty id registry:
    // the stored ids made unique (a page becoming current) or kept (undo,
    // the rename's reload).
    void LoadCurrentPage(BOOL keepStoredIds);
    // The page becomes current: the page left is unloaded, written into its
    // data file first when commitLeft; no snapshot, no hint.
    void MakePageCurrent(CBrowser* page, BOOL commitLeft);
    // The save's first step: every page in order is made current and saved
    // into its data file, then the current page is current again.
    BOOL PassPagesThroughModel();
    // A save into another folder makes that folder a disc folder with the
    // data folder's files.
    void MoveToDiscFolder(const char* path);

    std::vector<CBrowser*> m_pages;
    CBrowser* m_pCurrentPage;
    CElement* m_pCurrentScript;
    CSelection m_selection;
    CUndo m_undo;
    CElement* m_pClipboard;
    POINT m_nextInsert;
    std::vector<HWND> m_hintReceivers;
    // The objects whose property sheets are open, innermost last.
    std::vector<CElement*> m_inSheet;
    friend class CSheetOpenFor;

    // TRUE when freeing object would free one whose sheet is open: the
    // sheet writes its values into the object once it closes.
    BOOL FreesObjectInSheet(const CElement* object) const;
    // TRUE when deleting the selection would free an object whose sheet is open.
    BOOL SelectionInSheet() const;
};
