#include "authoring/LumbrookConfigDoc.h"

#include "authoring/ProgramFolders.h"
#include "model/Browser.h"
#include "model/Script.h"
#include "model/ScriptItem.h"
#include "resources/LumbrookConfigIds.h"

#include <shellapi.h>
#include <string.h>
#include <algorithm>

IMPLEMENT_DYNCREATE(CLumbrookConfigDoc, CDocument)

BEGIN_MESSAGE_MAP(CLumbrookConfigDoc, CDocument)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, OnUpdateNeedsModified)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE_AS, OnUpdateNeedsPage)
    ON_COMMAND(ID_PROJECT_NEW, OnCommandToCome)
    ON_COMMAND(ID_FILE_TEST, OnCommandToCome)
    ON_UPDATE_COMMAND_UI(ID_FILE_TEST, OnUpdateNeedsPage)
    ON_COMMAND(ID_EDIT_UNDO, OnCommandToCome)
    ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateUndo)
    ON_COMMAND(ID_EDIT_CUT, OnCommandToCome)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateNeedsObject)
    ON_COMMAND(ID_EDIT_COPY, OnCommandToCome)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateNeedsObject)
    ON_COMMAND(ID_EDIT_PASTE, OnCommandToCome)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdatePaste)
    ON_COMMAND(ID_EDIT_PREFERENCES, OnCommandToCome)
    ON_COMMAND(ID_INSERT_BUTTON, OnCommandToCome)
    ON_UPDATE_COMMAND_UI(ID_INSERT_BUTTON, OnUpdateNeedsPage)
    ON_COMMAND(ID_INSERT_IMAGE, OnCommandToCome)
    ON_UPDATE_COMMAND_UI(ID_INSERT_IMAGE, OnUpdateNeedsPage)
    ON_COMMAND(ID_INSERT_TEXT, OnCommandToCome)
    ON_UPDATE_COMMAND_UI(ID_INSERT_TEXT, OnUpdateNeedsPage)
    ON_COMMAND(ID_INSERT_ACTIVEX, OnCommandToCome)
    ON_UPDATE_COMMAND_UI(ID_INSERT_ACTIVEX, OnUpdateNeedsPage)
    ON_COMMAND(ID_INSERT_NEW_PAGE, OnCommandToCome)
    ON_UPDATE_COMMAND_UI(ID_INSERT_NEW_PAGE, OnUpdateNeedsPage)
    ON_COMMAND(ID_TOOL_IMAGE, OnCommandToCome)
    ON_UPDATE_COMMAND_UI(ID_TOOL_IMAGE, OnUpdateNeedsPage)
    ON_COMMAND(ID_TOOL_TEXT, OnCommandToCome)
    ON_UPDATE_COMMAND_UI(ID_TOOL_TEXT, OnUpdateNeedsPage)
    ON_COMMAND(ID_TOOL_PREVIEW, OnCommandToCome)
    ON_UPDATE_COMMAND_UI(ID_TOOL_PREVIEW, OnUpdateNeedsPage)
    ON_COMMAND(ID_INSERT_IMAGE_STRIP, OnCommandToCome)
    ON_COMMAND(ID_ALIGN_TOP_SCREEN, OnCommandToCome)
    ON_COMMAND(ID_ALIGN_BOTTOM_SCREEN, OnCommandToCome)
    ON_COMMAND(ID_ALIGN_LEFT_SCREEN, OnCommandToCome)
    ON_COMMAND(ID_ALIGN_RIGHT_SCREEN, OnCommandToCome)
    ON_COMMAND(ID_CENTER_HORIZONTAL, OnCommandToCome)
    ON_COMMAND(ID_CENTER_VERTICAL, OnCommandToCome)
    ON_UPDATE_COMMAND_UI(ID_ALIGN_TOP_SCREEN, OnUpdateEdgeLayout)
    ON_UPDATE_COMMAND_UI(ID_ALIGN_BOTTOM_SCREEN, OnUpdateEdgeLayout)
    ON_UPDATE_COMMAND_UI(ID_ALIGN_LEFT_SCREEN, OnUpdateEdgeLayout)
    ON_UPDATE_COMMAND_UI(ID_ALIGN_RIGHT_SCREEN, OnUpdateEdgeLayout)
    ON_UPDATE_COMMAND_UI(ID_CENTER_HORIZONTAL, OnUpdateEdgeLayout)
    ON_UPDATE_COMMAND_UI(ID_CENTER_VERTICAL, OnUpdateEdgeLayout)
    ON_COMMAND(ID_ALIGN_TOP_ITEM, OnCommandToCome)
    ON_COMMAND(ID_ALIGN_BOTTOM_ITEM, OnCommandToCome)
    ON_COMMAND(ID_ALIGN_LEFT_ITEM, OnCommandToCome)
    ON_COMMAND(ID_ALIGN_RIGHT_ITEM, OnCommandToCome)
    ON_COMMAND(ID_SPACE_COLUMNS, OnCommandToCome)
    ON_COMMAND(ID_SPACE_ROWS, OnCommandToCome)
    ON_UPDATE_COMMAND_UI(ID_ALIGN_TOP_ITEM, OnUpdateItemLayout)
    ON_UPDATE_COMMAND_UI(ID_ALIGN_BOTTOM_ITEM, OnUpdateItemLayout)
    ON_UPDATE_COMMAND_UI(ID_ALIGN_LEFT_ITEM, OnUpdateItemLayout)
    ON_UPDATE_COMMAND_UI(ID_ALIGN_RIGHT_ITEM, OnUpdateItemLayout)
    ON_UPDATE_COMMAND_UI(ID_SPACE_COLUMNS, OnUpdateItemLayout)
    ON_UPDATE_COMMAND_UI(ID_SPACE_ROWS, OnUpdateItemLayout)
    ON_COMMAND(ID_WEB_DUNMARROW, OnWebDunmarrow)
    ON_COMMAND(ID_WEB_QUINDLE, OnWebQuindle)
    ON_COMMAND(ID_MOVE_DOWN, OnCommandToCome)
    ON_COMMAND(ID_MOVE_UP, OnCommandToCome)
    ON_UPDATE_COMMAND_UI(ID_MOVE_DOWN, OnUpdateMove)
    ON_UPDATE_COMMAND_UI(ID_MOVE_UP, OnUpdateMove)
    ON_UPDATE_COMMAND_UI(ID_NEW_SUBMENU, OnUpdateNeedsPage)
    ON_COMMAND(ID_NEW_OBJECT, OnCommandToCome)
    ON_COMMAND(ID_OBJECT_DELETE, OnCommandToCome)
    ON_UPDATE_COMMAND_UI(ID_OBJECT_DELETE, OnUpdateNeedsObject)
    ON_COMMAND(ID_OBJECT_PROPERTIES, OnCommandToCome)
    ON_COMMAND(ID_NEW_SCRIPT_ITEM, OnCommandToCome)
    ON_COMMAND(ID_NEW_EVENT, OnCommandToCome)
    ON_COMMAND(ID_INSERT_SCRIPT, OnCommandToCome)
    ON_UPDATE_COMMAND_UI(ID_INSERT_SCRIPT, OnUpdateNeedsPage)
    ON_COMMAND(ID_ADD_ACTIVEX, OnCommandToCome)
    ON_UPDATE_COMMAND_UI(ID_ADD_ACTIVEX, OnUpdateNeedsPage)
END_MESSAGE_MAP()

CLumbrookConfigDoc::CLumbrookConfigDoc()
    : m_pCurrentPage(NULL), m_pCurrentObject(NULL), m_pCurrentScript(NULL), m_pClipboard(NULL)
{
}

CLumbrookConfigDoc::~CLumbrookConfigDoc()
{
    DeletePages();
    delete m_pClipboard;
}

void CLumbrookConfigDoc::ClearSelection()
{
    m_selection.clear();
    m_pCurrentObject = NULL;
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
    DeletePages();
    m_archive.Clear();
    UpdateAllViews(NULL, HintWholeDocument, NULL);
    SetModifiedFlag(FALSE);
}

BOOL CLumbrookConfigDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    CStr program = GetProgramPath();
    SetContentFolder(MakeContentFolder(program));
    SetCurrentDirectoryA(MakeProjectsFolder(program));
    SetUserContentFolder(AfxGetApp()->GetProfileString("Settings", "UsersDefaultContentPath", "").c_str());
    if (CWnd* frame = AfxGetMainWnd())
        frame->UpdateWindow();
    return TRUE;
}

BOOL CLumbrookConfigDoc::OnOpenDocument(const char* path)
{
    DeleteContents();
    SetModifiedFlag(TRUE);
    if (!LoadOrSaveProject(path, FALSE) || m_pages.empty())
        return FALSE;
    SetModifiedFlag(FALSE);
    CStr name = m_pCurrentPage->GetDataFileName();
    POSITION position = GetFirstViewPosition();
    while (position)
        GetNextView(position)->SendMessage(WM_PAGE_NAME, 0, (LPARAM)(const char*)name);
    SetCurrentTemplate(m_pCurrentPage->GetTemplate());
    return TRUE;
}

BOOL CLumbrookConfigDoc::OnSaveDocument(const char* path)
{
    LoadOrSaveProject(path, TRUE);
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CLumbrookConfigDoc::LoadOrSaveProject(const char* path, BOOL save)
{
    if (save)
    {
        CBrowser* current = m_pCurrentPage;
        for (CBrowser* page : m_pages)
        {
            SetCurrentPage(page, TRUE);
            page->Save(NULL);
        }
        SetCurrentPage(current, TRUE);
        UpdateAllViews(NULL, HintWholeDocument, NULL);
        return m_archive.WriteArchive(path);
    }
    m_archive.Clear();
    if (!m_archive.ReadArchive(path))
        return FALSE;
    for (int i = 0; i < m_archive.GetFileCount(); ++i)
    {
        CDataFile* file = m_archive.GetFile(i);
        if (file->m_kind != 0)
            continue;
        CBrowser* page = new CBrowser();
        page->SetDataFile(file);
        page->Load(file, TRUE);
        m_pages.push_back(page);
        if (i != 0)
            page->Unload();
    }
    if (m_pages.empty())
        return FALSE;
    // The first page stays loaded when its record came first; otherwise it
    // is loaded again as it becomes current.
    m_pCurrentPage = m_pages.front();
    if (m_archive.GetFile(0) != m_pCurrentPage->GetDataFile())
        m_pCurrentPage->Load(m_pCurrentPage->GetDataFile(), TRUE);
    SetPathName(path);
    return TRUE;
}

BOOL CLumbrookConfigDoc::HoldsPage(const CElement* page) const
{
    return std::find(m_pages.begin(), m_pages.end(), page) != m_pages.end();
}

void CLumbrookConfigDoc::AppendPage(CBrowser* page, const char* dataFileName)
{
    CDataFile* file = m_archive.AddFile(dataFileName);
    page->SetDataFile(file);
    m_pages.push_back(page);
}

BOOL CLumbrookConfigDoc::SetCurrentPage(CBrowser* page, BOOL quiet)
{
    if (page == m_pCurrentPage)
        return TRUE;
    if (!HoldsPage(page))
        return FALSE;
    if (m_pClipboard)
        m_pClipboard->SetParent(page);
    ClearSelection();
    if (m_pCurrentPage)
        m_pCurrentPage->Unload();
    m_pCurrentPage = page;
    m_pCurrentScript = NULL;
    SetCurrentTemplate(page->GetTemplate());
    page->Load(page->GetDataFile(), TRUE);
    if (!quiet)
        UpdateAllViews(NULL, HintWholeDocument, NULL);
    return TRUE;
}

void CLumbrookConfigDoc::Select(CElement* object, BOOL extend)
{
    if (object == NULL)
    {
        ClearSelection();
        return;
    }
    if (!extend)
        m_selection.clear();
    if (std::find(m_selection.begin(), m_selection.end(), object) == m_selection.end())
        m_selection.push_back(object);
    m_pCurrentObject = object;
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
    cmdUI->Enable(m_pCurrentObject != NULL && dynamic_cast<CBrowser*>(m_pCurrentObject) == NULL);
}

void CLumbrookConfigDoc::OnUpdateUndo(CCmdUI* cmdUI)
{
    // No snapshot is taken yet: there is nothing to go back to.
    cmdUI->Enable(FALSE);
}

void CLumbrookConfigDoc::OnUpdatePaste(CCmdUI* cmdUI)
{
    BOOL enable = FALSE;
    CElement* current = m_pCurrentObject;
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
    cmdUI->Enable(m_pCurrentPage != NULL && !m_selection.empty() && m_pCurrentObject != NULL &&
                  dynamic_cast<CBrowser*>(m_pCurrentObject) == NULL);
}

void CLumbrookConfigDoc::OnUpdateItemLayout(CCmdUI* cmdUI)
{
    cmdUI->Enable(m_pCurrentPage != NULL && m_selection.size() >= 2);
}

void CLumbrookConfigDoc::OnUpdateMove(CCmdUI* cmdUI)
{
    CElement* current = m_pCurrentObject;
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
