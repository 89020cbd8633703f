// CLumbrookConfigDoc: the editor's one document, a project of pages. This
// is the part the frame, the object tree and their tests stand on: the page
// list and the project archive, the current page (the only one with live
// objects), the selection's current object, Select, and every command of
// the menus with its enabling rule. The commands that change the model
// come with the document's own work.
#pragma once

#include "model/IdManager.h"
#include "model/store/DataFileManager.h"
#include "platform/framework/Afx.h"

#include <vector>

class CBrowser;
class CElement;

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
    // FALSE when the page is not one of the project's.
    BOOL SetCurrentPage(CBrowser* page, BOOL quiet);
    CBrowser* GetCurrentPage() const { return m_pCurrentPage; }
    const std::vector<CBrowser*>& GetPages() const { return m_pages; }
    BOOL HoldsPage(const CElement* page) const;
    CElement* GetCurrentObject() const { return m_pCurrentObject; }
    int GetSelectionCount() const { return (int)m_selection.size(); }
    // A page made in memory joins the project with its data file in the
    // archive (the new-project and new-page commands, and tests).
    void AppendPage(CBrowser* page, const char* dataFileName);
    // Unloads and deletes every page and empties the list.
    void DeletePages();
    // Opens (save FALSE) or saves the project at path.
    BOOL LoadOrSaveProject(const char* path, BOOL save);

    CDataFileManager m_archive;
    // The registry of the project's object ids.
    CIdManager m_ids;

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
    void OnWebDunmarrow();
    void OnWebQuindle();
    DECLARE_MESSAGE_MAP()

private:
    void ClearSelection();
    void OpenWebPage(UINT addressId);

    std::vector<CBrowser*> m_pages;
    CBrowser* m_pCurrentPage;
    CElement* m_pCurrentObject;
    CElement* m_pCurrentScript;
    std::vector<CElement*> m_selection;
    CElement* m_pClipboard;
};
