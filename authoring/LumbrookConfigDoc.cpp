#include "authoring/LumbrookConfigDoc.h"

#include "authoring/PreferencePages.h"
#include "authoring/ProgramFolders.h"
#include "authoring/ProjectFolder.h"
#include "authoring/ProjectWizard.h"
#include "model/common/MessageReporter.h"
#include "model/common/PathHelpers.h"
#include "model/store/DataFile.h"
#include "model/store/KeyReadLog.h"
#include "model/Browser.h"
#include "model/Script.h"
#include "model/ScriptItem.h"
#include "resources/LumbrookConfigIds.h"
#include "platform/framework/WaitCursor.h"

#include <shellapi.h>
#include <string.h>
#include <algorithm>

IMPLEMENT_DYNCREATE(CLumbrookConfigDoc, CDocument)

// The message map takes the layout commands in blocks of adjacent ids.
static_assert(ID_ALIGN_BOTTOM_SCREEN - ID_ALIGN_TOP_SCREEN == 3 && ID_CENTER_VERTICAL - ID_CENTER_HORIZONTAL == 1 &&
                  ID_ALIGN_BOTTOM_ITEM - ID_ALIGN_TOP_ITEM == 3 && ID_SPACE_ROWS - ID_SPACE_COLUMNS == 1,
              "layout command ids in blocks");

BEGIN_MESSAGE_MAP(CLumbrookConfigDoc, CDocument)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, OnUpdateNeedsModified)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE_AS, OnUpdateNeedsPage)
    ON_COMMAND(ID_PROJECT_NEW, OnProjectNew)
    ON_COMMAND(ID_FILE_TEST, OnFileTest)
    ON_UPDATE_COMMAND_UI(ID_FILE_TEST, OnUpdateNeedsPage)
    ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateUndo)
    ON_COMMAND(ID_EDIT_CUT, OnEditCut)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateNeedsObject)
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateNeedsObject)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdatePaste)
    ON_COMMAND(ID_EDIT_PREFERENCES, OnEditPreferences)
    ON_COMMAND(ID_INSERT_BUTTON, OnInsertButton)
    ON_UPDATE_COMMAND_UI(ID_INSERT_BUTTON, OnUpdateNeedsPage)
    ON_COMMAND(ID_INSERT_IMAGE, OnInsertImage)
    ON_UPDATE_COMMAND_UI(ID_INSERT_IMAGE, OnUpdateNeedsPage)
    ON_COMMAND(ID_INSERT_TEXT, OnInsertText)
    ON_UPDATE_COMMAND_UI(ID_INSERT_TEXT, OnUpdateNeedsPage)
    ON_COMMAND(ID_INSERT_ACTIVEX, OnInsertActiveX)
    ON_UPDATE_COMMAND_UI(ID_INSERT_ACTIVEX, OnUpdateNeedsPage)
    ON_COMMAND(ID_INSERT_NEW_PAGE, OnInsertNewPage)
    ON_UPDATE_COMMAND_UI(ID_INSERT_NEW_PAGE, OnUpdateNeedsPage)
    ON_COMMAND(ID_TOOL_IMAGE, OnInsertImage)
    ON_UPDATE_COMMAND_UI(ID_TOOL_IMAGE, OnUpdateNeedsPage)
    ON_COMMAND(ID_TOOL_TEXT, OnInsertText)
    ON_UPDATE_COMMAND_UI(ID_TOOL_TEXT, OnUpdateNeedsPage)
    ON_COMMAND(ID_TOOL_PREVIEW, OnToolPreview)
    ON_UPDATE_COMMAND_UI(ID_TOOL_PREVIEW, OnUpdateNeedsPage)
    ON_COMMAND(ID_INSERT_IMAGE_STRIP, OnInsertImageStrip)
    // The layout commands' ids run in blocks: the four screen edges, the
    // two centrings, the four item edges, the two spacings.
    ON_COMMAND_RANGE(ID_ALIGN_TOP_SCREEN, ID_ALIGN_BOTTOM_SCREEN, OnLayout)
    ON_COMMAND_RANGE(ID_CENTER_HORIZONTAL, ID_CENTER_VERTICAL, OnLayout)
    ON_UPDATE_COMMAND_UI_RANGE(ID_ALIGN_TOP_SCREEN, ID_ALIGN_BOTTOM_SCREEN, OnUpdateEdgeLayout)
    ON_UPDATE_COMMAND_UI_RANGE(ID_CENTER_HORIZONTAL, ID_CENTER_VERTICAL, OnUpdateEdgeLayout)
    ON_COMMAND_RANGE(ID_ALIGN_TOP_ITEM, ID_ALIGN_BOTTOM_ITEM, OnLayout)
    ON_COMMAND_RANGE(ID_SPACE_COLUMNS, ID_SPACE_ROWS, OnLayout)
    ON_UPDATE_COMMAND_UI_RANGE(ID_ALIGN_TOP_ITEM, ID_ALIGN_BOTTOM_ITEM, OnUpdateItemLayout)
    ON_UPDATE_COMMAND_UI_RANGE(ID_SPACE_COLUMNS, ID_SPACE_ROWS, OnUpdateItemLayout)
    ON_COMMAND(ID_WEB_DUNMARROW, OnWebDunmarrow)
    ON_COMMAND(ID_WEB_QUINDLE, OnWebQuindle)
    ON_COMMAND(ID_MOVE_DOWN, OnMoveDown)
    ON_COMMAND(ID_MOVE_UP, OnMoveUp)
    ON_UPDATE_COMMAND_UI(ID_MOVE_DOWN, OnUpdateMove)
    ON_UPDATE_COMMAND_UI(ID_MOVE_UP, OnUpdateMove)
    ON_UPDATE_COMMAND_UI(ID_NEW_SUBMENU, OnUpdateNeedsPage)
    ON_COMMAND(ID_NEW_OBJECT, OnNewObject)
    ON_COMMAND(ID_OBJECT_DELETE, OnObjectDelete)
    ON_UPDATE_COMMAND_UI(ID_OBJECT_DELETE, OnUpdateNeedsObject)
    ON_COMMAND(ID_OBJECT_PROPERTIES, OnObjectProperties)
    ON_COMMAND(ID_NEW_SCRIPT_ITEM, OnNewScriptItem)
    ON_COMMAND(ID_NEW_EVENT, OnNewEvent)
    ON_COMMAND(ID_INSERT_SCRIPT, OnCommandToCome)
    ON_UPDATE_COMMAND_UI(ID_INSERT_SCRIPT, OnUpdateNeedsPage)
    ON_COMMAND(ID_ADD_ACTIVEX, OnCommandToCome)
    ON_UPDATE_COMMAND_UI(ID_ADD_ACTIVEX, OnUpdateNeedsPage)
END_MESSAGE_MAP()

CLumbrookConfigDoc::CLumbrookConfigDoc()
    : m_pCurrentPage(NULL), m_pCurrentScript(NULL), m_undo(this), m_pClipboard(NULL)
{
    m_nextInsert.x = 0;
    m_nextInsert.y = 0;
}

CLumbrookConfigDoc::~CLumbrookConfigDoc()
{
    m_undo.Clear();
    DeletePages();
    delete m_pClipboard;
}

void CLumbrookConfigDoc::ClearSelection()
{
    m_selection.Clear();
}

void CLumbrookConfigDoc::DeletePages()
{
    ClearSelection();
    m_pCurrentPage = NULL;
    m_pCurrentScript = NULL;
    for (CBrowser* page : m_pages)
    {
        page->Unload();
        delete page;
    }
    m_pages.clear();
}

void CLumbrookConfigDoc::DeleteContents()
{
    delete m_pClipboard;
    m_pClipboard = NULL;
    m_pageTexts.clear();
    m_undo.Clear();
    DeletePages();
    m_archive.Clear();
    m_ids.RemoveAll();
    ResetDiscInf();
    UpdateAllViews(NULL, HintWholeDocument, NULL);
    SetModifiedFlag(FALSE);
}

BOOL CLumbrookConfigDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    ResetContentFolders();
    SetCurrentDirectoryA(MakeProjectsFolder(GetProgramPath()));
    if (CWnd* frame = AfxGetMainWnd())
        frame->UpdateWindow();
    return TRUE;
}

BOOL CLumbrookConfigDoc::OnOpenDocument(const char* path)
{
    DeleteContents();
    SetModifiedFlag(TRUE);
    CWaitCursor wait;
    if (CWnd* frame = AfxGetMainWnd())
        frame->UpdateWindow();
    if (!LoadOrSaveProject(path, FALSE) || m_pages.empty())
        return FALSE;
    SetModifiedFlag(FALSE);
    CStr name = m_pCurrentPage->GetDataFileName();
    POSITION position = GetFirstViewPosition();
    while (position)
        GetNextView(position)->SendMessage(WM_PAGE_NAME, 0, (LPARAM)(const char*)name);
    SetCurrentTemplate(m_pCurrentPage->GetTemplate());
    m_undo.Record();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CLumbrookConfigDoc::OnSaveDocument(const char* path)
{
    // A save never happens silently to no file: the author names one.
    if (path == NULL || *path == 0)
        return DoSave(NULL);
    CWaitCursor wait;
    MoveToDiscFolder(path);
    if (!LoadOrSaveProject(path, TRUE))
    {
        CStr text;
        text.Format("The project could not be saved as %s.", path);
        AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

// Copies the files of from (and of its sub-folders, one level down) that to
// lacks.
static void CopyMissingFiles(const CStr& from, const CStr& to, int depth)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(from + "*", &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do
    {
        CStr name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        {
            if (depth > 0)
            {
                CreateFolderTree(to + name);
                CopyMissingFiles(from + name + "\\", to + name + "\\", depth - 1);
            }
            continue;
        }
        CopyFileA(from + name, to + name, TRUE);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

void CLumbrookConfigDoc::MoveToDiscFolder(const char* path)
{
    CStr oldDisc = GetDiscFolder();
    CStr newDisc = FolderOfPath(path);
    if (oldDisc.IsEmpty() || newDisc.IsEmpty() || newDisc.EqualsNoCase(oldDisc))
        return;
    CStr oldData = GetDataFolder();
    // The project's own AutoRun settings go with it.
    CDiscInfSettings settings = GetDiscInfSettings();
    PrepareProjectFolder(newDisc, this, TRUE);
    GetDiscInfSettings() = settings;
    CopyMissingFiles(oldData, GetDataFolder(), 1);
}

BOOL CLumbrookConfigDoc::CommitCurrentPage()
{
    if (m_pCurrentPage == NULL || m_pCurrentPage->GetDataFile() == NULL)
        return FALSE;
    // Only the save stamps the author's page with this screen: a snapshot or
    // a page change would make the player rescale a page laid out elsewhere.
    return m_pCurrentPage->SaveKeepingScreenSize();
}

void CLumbrookConfigDoc::LoadCurrentPage(BOOL keepStoredIds)
{
    // Ids are unique within a page: the registry holds the current page's.
    m_ids.RemoveAll();
    CDataFile* file = m_pCurrentPage->GetDataFile();
    if (file == NULL)
        return;
    // Every object keeps the stored keys its Load does not ask for.
    CKeyReadLog log(*file);
    if (!keepStoredIds)
    {
        // The stored ids are registered in load order, the page's first; an
        // id that another object of the page bears already is made unique,
        // and the Set Property targets are marked.
        m_pCurrentPage->Load(file, FALSE);
        return;
    }
    // The stored ids stay as they are; the registry learns them so that new
    // objects get other ones.
    m_pCurrentPage->Load(file, TRUE);
    m_ids.RegisterStored(m_pCurrentPage->m_strId, m_pCurrentPage);
    for (CElement* child : m_pCurrentPage->m_children)
        m_ids.RegisterStored(child->m_strId, child);
    // The reloaded targets would otherwise lose their marks, which the text
    // and image sheets read.
    m_pCurrentPage->RefreshSetPropertyActions();
}

void CLumbrookConfigDoc::RestorePage(CBrowser* page, const CDataFile& stored)
{
    CDataFile* file = page->GetDataFile();
    if (page != m_pCurrentPage || file == NULL)
        return;
    page->Unload();
    int kind = file->m_kind;
    CStr name = file->m_name;
    CStr terminator = file->m_lineTerminator;
    *file = stored;
    file->m_kind = kind;
    file->m_name = name;
    file->m_lineTerminator = terminator;
    LoadCurrentPage(TRUE);
}

void CLumbrookConfigDoc::AddHintReceiver(HWND window)
{
    if (window != NULL)
        m_hintReceivers.push_back(window);
}

void CLumbrookConfigDoc::RemoveHintReceiver(HWND window)
{
    for (size_t i = m_hintReceivers.size(); i-- > 0;)
    {
        if (m_hintReceivers[i] == window)
            m_hintReceivers.erase(m_hintReceivers.begin() + (long)i);
    }
}

void CLumbrookConfigDoc::PostHintToReceivers(LPARAM hint, void* object)
{
    for (HWND window : m_hintReceivers)
        ::PostMessageA(window, WM_USER + 120, (WPARAM)hint, (LPARAM)object);
}

void CLumbrookConfigDoc::RecordChange()
{
    SetModifiedFlag(TRUE);
    m_undo.Record();
}

namespace {

// Counts the boxes shown while it lives, showing each as before.
class CountedReports
{
public:
    CountedReports()
    {
        s_count = 0;
        s_previous = SetMessageReporter(Forward);
    }
    ~CountedReports() { SetMessageReporter(s_previous); }
    int Count() const { return s_count; }

private:
    static int WINAPI Forward(HWND owner, const char* text, const char* caption, UINT flags)
    {
        ++s_count;
        return s_previous ? s_previous(owner, text, caption, flags) : MessageBoxA(owner, text, caption, flags);
    }
    static int s_count;
    static MessageReporterFn s_previous;
};

int CountedReports::s_count = 0;
MessageReporterFn CountedReports::s_previous = NULL;

} // namespace

BOOL CLumbrookConfigDoc::PassPagesThroughModel()
{
    // Without a current page no page is live: each is its data file already.
    CBrowser* remembered = m_pCurrentPage;
    if (remembered == NULL)
        return TRUE;
    // The author's page is saved as laid out on this screen.
    if (remembered->GetDataFile() == NULL || !remembered->Save(NULL))
        return FALSE;
    BOOL saved = TRUE;
    for (CBrowser* page : m_pages)
    {
        if (page == remembered)
            continue;
        // Quietly: a snapshot or hint per page would push the author's undo
        // steps out at every save. The page left was saved just now.
        MakePageCurrent(page, FALSE);
        saved = page->SaveKeepingScreenSize() && saved;
    }
    if (m_pCurrentPage != remembered)
        MakePageCurrent(remembered, FALSE);
    return saved;
}

BOOL CLumbrookConfigDoc::LoadOrSaveProject(const char* path, BOOL save)
{
    SetDocumentFolder(path);
    CStr projectFolder = FolderOfPath(path);
    if (save)
    {
        // Every page is loaded and saved, so what loading derives (a
        // control's drop-target flag, unique ids) reaches every data file.
        if (!PassPagesThroughModel())
            return FALSE;
        UpdateAllViews(NULL, HintWholeDocument, NULL);
        if (!m_archive.WriteArchive(path))
            return FALSE;
        // The archive is written: reporting the whole save as failed would
        // tell the author that the project was lost.
        if (!WriteDiscInf())
        {
            CStr text;
            text.Format("The project was saved, but its AutoRun file %s could not be written.",
                        (GetDiscFolder() + "autorun.inf").c_str());
            AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
        }
        return TRUE;
    }
    m_archive.Clear();
    CountedReports reports;
    BOOL read = m_archive.ReadArchive(path);
    int reported = reports.Count();
    for (int i = 0; i < m_archive.GetFileCount(); ++i)
    {
        CDataFile* file = m_archive.GetFile(i);
        if (file->m_kind != CDataFile::KindPage)
            continue;
        CBrowser* page = new CBrowser();
        page->SetDataFile(file);
        page->SetIdManager(&m_ids);
        // A page not shown is known by its id until it becomes current.
        page->CElement::Load(file, TRUE);
        m_pages.push_back(page);
    }
    if (!read)
    {
        // A damaged archive is never passed over in silence.
        if (m_pages.empty())
        {
            if (reported == 0)
                AfxMessageBox("The project file is damaged and cannot be opened.", MB_OK | MB_ICONEXCLAMATION);
            return FALSE;
        }
        // Refusing it whole would lose the pages read before the damage.
        CStr text;
        text.Format("The project file is damaged: only its first %d pages could be read.", (int)m_pages.size());
        AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
    }
    if (m_pages.empty())
    {
        AfxMessageBox("The project file holds no page.", MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    m_pCurrentPage = m_pages.front();
    LoadCurrentPage(FALSE);
    SetPathName(path);
    PrepareProjectFolder(projectFolder, this, FALSE);
    return TRUE;
}

BOOL CLumbrookConfigDoc::HoldsPage(const CElement* page) const
{
    return std::find(m_pages.begin(), m_pages.end(), page) != m_pages.end();
}

CBrowser* CLumbrookConfigDoc::FindPageByName(const char* id) const
{
    for (CBrowser* page : m_pages)
    {
        if (page->m_strId.EqualsNoCase(id ? id : ""))
            return page;
    }
    return NULL;
}

CBrowser* CLumbrookConfigDoc::FindPageByDataFileName(const char* name) const
{
    for (CBrowser* page : m_pages)
    {
        if (page->GetDataFile() != NULL && page->GetDataFileName() == (name ? name : ""))
            return page;
    }
    return NULL;
}

void CLumbrookConfigDoc::AppendPage(CBrowser* page, const char* dataFileName)
{
    CDataFile* file = m_archive.AddFile(dataFileName);
    page->SetDataFile(file);
    page->SetIdManager(&m_ids);
    m_pages.push_back(page);
}

void CLumbrookConfigDoc::MakePageCurrent(CBrowser* page, BOOL commitLeft)
{
    if (m_pClipboard)
        m_pClipboard->SetParent(page);
    ClearSelection();
    if (m_pCurrentPage)
    {
        // Whatever the undo levels, the page's edits reach its data file.
        if (commitLeft)
            CommitCurrentPage();
        m_pCurrentPage->Unload();
    }
    m_pCurrentPage = page;
    m_pCurrentScript = NULL;
    m_pageTexts.clear();
    LoadCurrentPage(FALSE);
    SetCurrentTemplate(page->GetTemplate());
}

BOOL CLumbrookConfigDoc::SetCurrentPage(CBrowser* page, BOOL quiet)
{
    if (page == m_pCurrentPage)
        return TRUE;
    // Leaving the page unloads it, freeing an object whose sheet is open.
    if (!HoldsPage(page) || !m_inSheet.empty())
        return FALSE;
    MakePageCurrent(page, TRUE);
    if (!quiet)
    {
        m_undo.Record();
        UpdateAllViews(NULL, HintWholeDocument, NULL);
    }
    return TRUE;
}

void CLumbrookConfigDoc::Select(CElement* object, BOOL extend)
{
    if (object == NULL)
    {
        ClearSelection();
        return;
    }
    m_selection.Add(object, extend);
    if (dynamic_cast<CScriptableObject*>(object) != NULL)
    {
        m_pCurrentScript = NULL;
        CBrowser* page = dynamic_cast<CBrowser*>(object);
        if (page != NULL && page != m_pCurrentPage)
        {
            SetCurrentPage(page, FALSE);
            return;
        }
    }
    else if (dynamic_cast<CScript*>(object) != NULL)
    {
        m_pCurrentScript = object;
    }
    else
    {
        return;
    }
    UpdateAllViews(NULL, HintSelection, object);
}

void CLumbrookConfigDoc::DeselectObject(CElement* object)
{
    if (m_selection.GetCount() == 0 || object == m_pCurrentPage)
        return;
    if (m_selection.GetCount() == 1)
        Select(m_pCurrentPage);
    else
        m_selection.Remove(object);
    UpdateAllViews(NULL, HintSelection, m_selection.GetCurrent());
}

void CLumbrookConfigDoc::DoLayout(UINT commandId)
{
    CBrowser* page = m_pCurrentPage;
    if (page == NULL)
        return;
    int width = page->m_containerWidth;
    int height = page->m_containerHeight;
    CSelection& s = m_selection;
    switch (commandId)
    {
    case ID_ALIGN_LEFT_SCREEN: s.AlignLeftOfScreen(); break;
    case ID_ALIGN_RIGHT_SCREEN: s.AlignRightOfScreen(width); break;
    case ID_ALIGN_TOP_SCREEN: s.AlignTopOfScreen(); break;
    case ID_ALIGN_BOTTOM_SCREEN: s.AlignBottomOfScreen(height); break;
    case ID_ALIGN_LEFT_ITEM: s.AlignLeftItem(); break;
    case ID_ALIGN_RIGHT_ITEM: s.AlignRightItem(); break;
    case ID_ALIGN_TOP_ITEM: s.AlignTopItem(); break;
    case ID_ALIGN_BOTTOM_ITEM: s.AlignBottomItem(); break;
    case ID_SPACE_COLUMNS: s.SpaceEvenlyColumns(width); break;
    case ID_SPACE_ROWS: s.SpaceEvenlyRows(height); break;
    case ID_CENTER_HORIZONTAL: s.CenterLeftRight(width); break;
    case ID_CENTER_VERTICAL: s.CenterTopBottom(height); break;
    default: return;
    }
    UpdateAllViews(NULL, HintRedraw, NULL);
    RecordChange();
}

void CLumbrookConfigDoc::AddItemToCurrentScript(CScriptItem* item)
{
    CScript* script = dynamic_cast<CScript*>(m_pCurrentScript);
    if (script == NULL || item == NULL)
        return;
    script->AppendItem(item);
    UpdateAllViews(NULL, HintRedraw, NULL);
}

void CLumbrookConfigDoc::RemoveItemFromCurrentScript(CScriptItem* item)
{
    CScript* script = dynamic_cast<CScript*>(m_pCurrentScript);
    if (script == NULL || item == NULL)
        return;
    script->DeleteItem(item);
    UpdateAllViews(NULL, HintRedraw, NULL);
}

void CLumbrookConfigDoc::FillObjectCombo(HWND combo)
{
    if (m_pCurrentPage == NULL || combo == NULL)
        return;
    ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (CElement* child : m_pCurrentPage->m_children)
    {
        LRESULT index = ::SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)(const char*)child->m_strId);
        if (index >= 0)
            ::SendMessageA(combo, CB_SETITEMDATA, (WPARAM)index, (LPARAM)child);
    }
    ::SendMessageA(combo, CB_SETCURSEL, 0, 0);
}

POINT CLumbrookConfigDoc::NextInsertPosition()
{
    POINT none = { 0, 0 };
    if (m_pCurrentPage == NULL)
        return none;
    int right = (int)(0.7 * m_pCurrentPage->m_containerWidth);
    int bottom = (int)(0.7 * m_pCurrentPage->m_containerHeight);
    auto inside = [&](int x, int y) { return 0 <= x && x < right && 0 <= y && y < bottom; };
    if (inside(m_nextInsert.x, m_nextInsert.y))
    {
        m_nextInsert.x += 15;
        m_nextInsert.y += 20;
    }
    else if (inside(0, m_nextInsert.x / 3))
    {
        m_nextInsert.x = m_nextInsert.x / 3;
        m_nextInsert.y = 0;
    }
    else
    {
        m_nextInsert = none;
    }
    return m_nextInsert;
}

void CLumbrookConfigDoc::OnLayout(UINT commandId)
{
    DoLayout(commandId);
}

void CLumbrookConfigDoc::OnEditPreferences()
{
    ShowPreferences(m_undo, AfxGetMainWnd());
}

void CLumbrookConfigDoc::OnEditUndo()
{
    // Undo makes the page's objects anew: an open sheet would write into freed ones.
    if (!m_inSheet.empty())
        return;
    m_undo.Undo();
}

void CLumbrookConfigDoc::OnUpdateNeedsModified(CCmdUI* cmdUI)
{
    cmdUI->Enable(IsModified());
}

void CLumbrookConfigDoc::OnUpdateNeedsPage(CCmdUI* cmdUI)
{
    cmdUI->Enable(m_pCurrentPage != NULL);
}

void CLumbrookConfigDoc::OnUpdateNeedsObject(CCmdUI* cmdUI)
{
    CElement* current = GetCurrentObject();
    cmdUI->Enable(current != NULL && dynamic_cast<CBrowser*>(current) == NULL);
}

void CLumbrookConfigDoc::OnUpdateUndo(CCmdUI* cmdUI)
{
    cmdUI->Enable(m_undo.GetCount() > 1);
}

void CLumbrookConfigDoc::OnUpdatePaste(CCmdUI* cmdUI)
{
    BOOL enable = FALSE;
    CElement* current = GetCurrentObject();
    if (current != NULL && m_pClipboard != NULL)
    {
        if (current == m_pCurrentPage)
            enable = current->CanAcceptChild(m_pClipboard);
        else if (dynamic_cast<CBrowser*>(current) == NULL)
            enable = current->CanAcceptChild(m_pClipboard) ||
                     (current->GetParent() != NULL && current->GetParent()->CanAcceptChild(m_pClipboard));
    }
    cmdUI->Enable(enable);
}

void CLumbrookConfigDoc::OnUpdateEdgeLayout(CCmdUI* cmdUI)
{
    CElement* current = GetCurrentObject();
    cmdUI->Enable(m_pCurrentPage != NULL && m_selection.GetCount() > 0 && current != NULL &&
                  dynamic_cast<CBrowser*>(current) == NULL);
}

void CLumbrookConfigDoc::OnUpdateItemLayout(CCmdUI* cmdUI)
{
    cmdUI->Enable(m_pCurrentPage != NULL && m_selection.GetCount() >= 2);
}

void CLumbrookConfigDoc::OnUpdateMove(CCmdUI* cmdUI)
{
    CElement* current = GetCurrentObject();
    if (current == NULL)
    {
        cmdUI->Enable(FALSE);
        return;
    }
    if (current->GetParent() != NULL)
    {
        cmdUI->Enable(TRUE);
        return;
    }
    // A page: the first page never moves and none moves into its place.
    int count = (int)m_pages.size();
    int index = (int)(std::find(m_pages.begin(), m_pages.end(), current) - m_pages.begin());
    if (index >= count)
    {
        cmdUI->Enable(FALSE);
        return;
    }
    if (cmdUI->m_nID == ID_MOVE_UP)
        cmdUI->Enable(count >= 3 && index >= 2);
    else
        cmdUI->Enable(count >= 3 && index != 0 && index != count - 1);
}

void CLumbrookConfigDoc::OnCommandToCome()
{
    // Carried out by the document's editing commands, which are still to come.
}

void CLumbrookConfigDoc::OnProjectNew()
{
    RunNewProjectCommand(this);
}

void CLumbrookConfigDoc::OnWebDunmarrow()
{
    OpenWebPage(IDS_WEB_DUNMARROW);
}

void CLumbrookConfigDoc::OnWebQuindle()
{
    OpenWebPage(IDS_WEB_QUINDLE);
}

void CLumbrookConfigDoc::OpenWebPage(UINT addressId)
{
    std::string address = AfxLoadString(addressId);
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof(info);
    info.lpVerb = "open";
    info.lpFile = address.c_str();
    info.nShow = SW_SHOWNORMAL;
    ShellExecuteExA(&info);
}
