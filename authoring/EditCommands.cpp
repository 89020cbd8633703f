// The document's editing commands: inserting, cut, copy, paste, delete,
// properties, reordering, new pages and script items, and starting the
// player on the project (Test and Preview).
#include "authoring/LumbrookConfigDoc.h"

#include "authoring/ButtonTypePicker.h"
#include "authoring/EventAddDlg.h"
#include "authoring/Factories.h"
#include "authoring/ObjectAddDlg.h"
#include "authoring/ProjectFolder.h"
#include "model/ActiveXElement.h"
#include "model/Browser.h"
#include "model/ImageElement.h"
#include "model/ImageListElement.h"
#include "model/Script.h"
#include "model/ScriptableObject.h"
#include "model/ScriptItem.h"
#include "model/TextElement.h"
#include "model/common/MessageReporter.h"
#include "model/store/DataFile.h"
#include "resources/LumbrookConfigIds.h"

#include <shellapi.h>
#include <string.h>

#include <algorithm>
#include <new>

namespace {

// A button made without a page template is a system push button that
// shows its own id.
void SetSystemButtonCaption(CImageElement* button, const char* caption)
{
    button->m_strText = caption;
    button->m_buttonType = CImageElement::TypeSystemButton;
}

// TRUE when an ancestor of object is in the list.
bool HasAncestorIn(const CElement* object, const std::vector<CElement*>& list)
{
    for (const CElement* up = object->GetParent(); up != NULL; up = up->GetParent())
    {
        if (std::find(list.begin(), list.end(), up) != list.end())
            return true;
    }
    return false;
}

// The id a pasted copy asks for: the id without the digits at its end.
CStr WantedPasteId(const CStr& id)
{
    int end = id.GetLength();
    while (end > 0 && id[end - 1] >= '0' && id[end - 1] <= '9')
        --end;
    // An id of digits only would otherwise ask for nothing and get no id.
    if (end == 0)
        return id;
    return id.Left(end);
}

HWND FrameWindow()
{
    CWnd* frame = AfxGetMainWnd();
    return frame ? frame->m_hWnd : NULL;
}

void ReportOutOfMemory()
{
    AfxMessageBox(AFX_IDP_FAILED_MEMORY_ALLOC, MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

CElementContainer* CLumbrookConfigDoc::FindTargetContainer() const
{
    if (CElementContainer* container = dynamic_cast<CElementContainer*>(GetCurrentObject()))
        return container;
    return m_pCurrentPage;
}

BOOL CLumbrookConfigDoc::InsertNewElement(CElementContainer* container, CScriptableObject* element)
{
    if (container == NULL || element == NULL)
    {
        delete element;
        return FALSE;
    }
    if (!element->EditProperties(TRUE))
    {
        delete element;
        return FALSE;
    }
    POINT at = NextInsertPosition();
    element->m_xpos = at.x;
    element->m_ypos = at.y;
    if (!container->AddChild(element))
    {
        delete element;
        return FALSE;
    }
    UpdateAllViews(NULL, HintAdded, element);
    RecordChange();
    return TRUE;
}

namespace {

// Inserts what make builds for the current page into the target container.
template <class Make>
void InsertMadeElement(CLumbrookConfigDoc& document, Make make)
{
    CElementContainer* container = document.FindTargetContainer();
    if (container == NULL)
        return;
    try
    {
        document.InsertNewElement(container, make(document.GetCurrentPage()));
    }
    catch (const std::bad_alloc&)
    {
        ReportOutOfMemory();
    }
}

} // namespace

void CLumbrookConfigDoc::OnInsertImage()
{
    InsertMadeElement(*this, CreateImageElement);
}

void CLumbrookConfigDoc::OnInsertText()
{
    InsertMadeElement(*this, CreateTextElement);
}

void CLumbrookConfigDoc::OnInsertActiveX()
{
    InsertMadeElement(*this, CreateActiveXElement);
}

void CLumbrookConfigDoc::OnInsertImageStrip()
{
    InsertMadeElement(*this, CreateImageListElement);
}

void CLumbrookConfigDoc::OnInsertButton()
{
    CElementContainer* container = FindTargetContainer();
    if (container == NULL)
        return;
    CWizButtonTypePickerCfg picker;
    CPropertySheet sheet("Add a New Button.");
    sheet.AddPage(&picker);
    if (sheet.DoModal() != IDOK)
        return;
    CImageElement* button = CreateButton(m_pCurrentPage, picker.m_kind);
    if (button == NULL)
        return;
    for (CScript* script : button->m_scripts)
    {
        if (script == NULL || strcmp(script->m_strName, "OnMouseDown") != 0)
            continue;
        if (CScriptItem* action = CreateButtonAction(picker.m_kind))
        {
            script->AppendItem(action);
            action->EditProperties(TRUE);
        }
        break;
    }
    if (GetCurrentTemplate().IsEmpty())
        SetSystemButtonCaption(button, button->m_strId);
    POINT at = NextInsertPosition();
    button->m_xpos = at.x;
    button->m_ypos = at.y;
    if (!container->AddChild(button))
    {
        delete button;
        return;
    }
    UpdateAllViews(NULL, HintAdded, button);
    RecordChange();
}

CStr CLumbrookConfigDoc::MakeNewPageFileName() const
{
    // The page count alone can name a file the archive holds already (after
    // a page was taken out of the middle, or in a project made elsewhere).
    CStr name;
    for (int n = (int)m_pages.size() + 1;; ++n)
    {
        name.Format("page_%d.pgd", n);
        if (m_archive.FindFile(name) == NULL)
            return name;
    }
}

void CLumbrookConfigDoc::OnInsertNewPage()
{
    CBrowser* previous = m_pCurrentPage;
    if (previous == NULL)
        return;
    CBrowser* page = CreateNewPage();
    AppendPage(page, MakeNewPageFileName());
    // Its data file holds what it was made with before it is loaded from it.
    page->Save(NULL);
    page->Unload();
    SetCurrentPage(page, TRUE);
    if (!page->EditProperties(TRUE))
    {
        DeletePage(page, previous);
        return;
    }
    CommitCurrentPage();
    RecordChange();
    UpdateAllViews(NULL, HintWholeDocument, NULL);
}

void CLumbrookConfigDoc::DeletePage(CBrowser* page, CBrowser* previous)
{
    if (!HoldsPage(page))
        return;
    SetCurrentPage(previous, FALSE);
    UpdateAllViews(NULL, HintRemoved, page);
    // The page's own file: another of the same name in the archive stays.
    m_archive.RemoveFile(page->GetDataFile());
    page->SetDataFile(NULL);
    page->Unload();
    m_pages.erase(std::find(m_pages.begin(), m_pages.end(), page));
    delete page;
}

void CLumbrookConfigDoc::OnEditCopy()
{
    CElement* current = GetCurrentObject();
    if (current == NULL)
        return;
    try
    {
        CElement* copy = current->Clone();
        delete m_pClipboard;
        m_pClipboard = copy;
        // The copy's owner may go before it is pasted: it hangs on the page.
        if (m_pClipboard)
            m_pClipboard->SetParent(m_pCurrentPage);
    }
    catch (const std::bad_alloc&)
    {
        ReportOutOfMemory();
    }
}

BOOL CLumbrookConfigDoc::FreesObjectInSheet(const CElement* object) const
{
    for (const CElement* edited : m_inSheet)
    {
        for (const CElement* up = edited; up != NULL; up = up->GetParent())
        {
            if (up == object)
                return TRUE;
        }
    }
    return FALSE;
}

BOOL CLumbrookConfigDoc::SelectionInSheet() const
{
    for (CElement* object : m_selection.GetObjects())
    {
        if (FreesObjectInSheet(object))
            return TRUE;
    }
    return FALSE;
}

// Marks object's sheet open for as long as it lives.
class CSheetOpenFor
{
public:
    CSheetOpenFor(CLumbrookConfigDoc& document, CElement* object) : m_document(document)
    {
        m_document.m_inSheet.push_back(object);
    }
    ~CSheetOpenFor() { m_document.m_inSheet.pop_back(); }

private:
    CLumbrookConfigDoc& m_document;
};

void CLumbrookConfigDoc::OnEditCut()
{
    CElement* current = GetCurrentObject();
    // A Cut reaching the document while the object's sheet is open would
    // free the object the sheet then writes into.
    if (current == NULL || FreesObjectInSheet(current))
        return;
    OnEditCopy();
    CElement* parent = current->GetParent();
    if (parent == NULL)
        return;
    UpdateAllViews(NULL, HintRemoved, current);
    parent->RemoveChild(current);
    ClearSelection();
    Select(parent);
    RecordChange();
}

void CLumbrookConfigDoc::OnEditPaste()
{
    if (m_pClipboard == NULL || m_pCurrentPage == NULL)
        return;
    CElement* copy = NULL;
    try
    {
        copy = m_pClipboard->Clone();
    }
    catch (const std::bad_alloc&)
    {
        ReportOutOfMemory();
        return;
    }
    if (copy == NULL)
        return;
    CStr oldId = copy->m_strId;
    copy->RegisterId(WantedPasteId(oldId));
    CStr newId = copy->m_strId;
    if (dynamic_cast<CScriptableObject*>(copy) != NULL)
    {
        int w = m_pCurrentPage->m_containerWidth;
        int h = m_pCurrentPage->m_containerHeight;
        if (copy->m_xpos >= 0 && copy->m_xpos < w && copy->m_ypos >= 0 && copy->m_ypos < h)
        {
            copy->m_xpos += 5;
            copy->m_ypos += 5;
        }
        else
        {
            copy->m_xpos = w / 2 - copy->m_width / 2;
            copy->m_ypos = h / 2 - copy->m_height / 2;
        }
        m_pClipboard->m_xpos = copy->m_xpos;
        m_pClipboard->m_ypos = copy->m_ypos;
    }
    if (m_selection.GetCount() == 0)
        Select(m_pCurrentPage);
    CElement* current = GetCurrentObject();
    CElement* parent = current ? current->GetParent() : NULL;
    CElement* added = NULL;
    if (current != NULL && current->CanAcceptChild(copy) && current->AddChild(copy))
    {
        copy->RenameReferences(oldId, newId);
        added = copy;
    }
    else if (parent != NULL && parent->CanAcceptChild(copy) && parent->AddChild(copy))
    {
        CElement* again = copy->Clone();
        delete m_pClipboard;
        m_pClipboard = again;
        if (m_pClipboard)
            m_pClipboard->SetParent(m_pCurrentPage);
        copy->RenameReferences(oldId, newId);
        added = copy;
    }
    else
    {
        m_ids.Unregister(newId, copy);
        delete copy;
    }
    if (added)
        UpdateAllViews(NULL, HintAdded, added);
    RecordChange();
}

void CLumbrookConfigDoc::OnObjectDelete()
{
    CElement* current = GetCurrentObject();
    if (current == NULL || current->GetParent() == NULL)
        return;
    // Nothing is asked when the delete would be refused anyway.
    if (SelectionInSheet())
        return;
    std::string text = AfxLoadString(IDS_CONFIRM_DELETE);
    // Owned by the frame, the box keeps the editor modal while it asks.
    if (ReportMessage(FrameWindow(), text.c_str(), text.c_str(), MB_ICONQUESTION | MB_YESNO) == IDYES)
        DeleteSelection();
}

void CLumbrookConfigDoc::DeleteSelection()
{
    CElement* current = GetCurrentObject();
    if (current == NULL || current == m_pCurrentPage)
        return;
    // Deleting an object whose sheet is open (or its parent) would leave the
    // sheet writing into freed memory when it closes.
    if (SelectionInSheet())
        return;
    std::vector<CElement*> doomed = m_selection.GetObjects();
    ClearSelection();
    Select(m_pCurrentPage);
    // An object whose ancestor is selected too goes with that ancestor:
    // removing it on its own would free it twice or use freed memory.
    // Decided before anything is freed.
    std::vector<CElement*> roots;
    for (CElement* object : doomed)
    {
        if (dynamic_cast<CBrowser*>(object) == NULL && object->GetParent() != NULL &&
            !HasAncestorIn(object, doomed) && std::find(roots.begin(), roots.end(), object) == roots.end())
            roots.push_back(object);
    }
    for (CElement* object : roots)
    {
        UpdateAllViews(NULL, HintRemoved, object);
        object->GetParent()->RemoveChild(object);
    }
    RecordChange();
}

CElement* CLumbrookConfigDoc::RenameControlReferences(const char* oldId, const char* newId)
{
    ClearSelection();
    CDataFile* file = m_pCurrentPage ? m_pCurrentPage->GetDataFile() : NULL;
    if (file == NULL)
        return NULL;
    // The page is reloaded from its data file: without undo snapshots the
    // file would lack the rename and every edit since the page became current.
    CommitCurrentPage();
    CStr section;
    for (int at = file->NextSection(0, section); at < file->GetLineCount(); at = file->NextSection(at + 1, section))
    {
        CStr value;
        if (file->GetString(section, "controlId", value) && value == oldId)
            file->SetString(section, "controlId", newId);
    }
    m_pCurrentPage->Unload();
    LoadCurrentPage(TRUE);
    UpdateAllViews(NULL, HintWholeDocument, NULL);
    return m_pCurrentPage->FindChildById(newId);
}

void CLumbrookConfigDoc::OnObjectProperties()
{
    CElement* current = GetCurrentObject();
    if (current == NULL)
        return;
    CStr oldId = current->m_strId;
    CScriptItem* action = dynamic_cast<CScriptItem*>(current);
    if (action)
        action->m_bEditConfirmed = FALSE;
    BOOL confirmed = FALSE;
    {
        CSheetOpenFor open(*this, current);
        confirmed = current->EditProperties(FALSE);
    }
    if (!confirmed)
    {
        // An existing action confirmed incomplete keeps what its sheet
        // copied back: unrecorded, that change could be neither undone nor seen.
        if (action && action->m_bEditConfirmed)
        {
            RecordChange();
            UpdateAllViews(NULL, HintChanged, action);
        }
        return;
    }
    RecordChange();
    CStr newId = current->m_strId;
    CElement* changed = current;
    if (!newId.IsEmpty() && newId != oldId)
    {
        // The reload freed the object: only the one found again is named.
        changed = RenameControlReferences(oldId, newId);
    }
    if (changed)
        UpdateAllViews(NULL, HintChanged, changed);
}

void CLumbrookConfigDoc::MoveCurrentObject(int direction)
{
    CElement* current = GetCurrentObject();
    if (current == NULL)
        return;
    if (CElement* parent = current->GetParent())
    {
        parent->MoveChild(current, direction);
        UpdateAllViews(NULL, HintWholeDocument, NULL);
        Select(current);
        UpdateAllViews(NULL, HintSelection, current);
        RecordChange();
        return;
    }
    // A page: the first page never moves and none moves into its place.
    int n = (int)m_pages.size();
    int i = (int)(std::find(m_pages.begin(), m_pages.end(), current) - m_pages.begin());
    int other = direction == 0 ? i + 1 : i - 1;
    bool movable = direction == 0 ? (i != 0 && i < n - 1) : (i >= 2 && i < n);
    if (n > 2 && movable)
    {
        m_archive.SwapFiles(m_pages[i]->GetDataFile(), m_pages[other]->GetDataFile());
        std::swap(m_pages[i], m_pages[other]);
        UpdateAllViews(NULL, HintWholeDocument, NULL);
    }
    RecordChange();
}

void CLumbrookConfigDoc::OnMoveDown()
{
    MoveCurrentObject(0);
}

void CLumbrookConfigDoc::OnMoveUp()
{
    MoveCurrentObject(1);
}

void CLumbrookConfigDoc::OnNewScriptItem()
{
    CElement* current = GetCurrentObject();
    CScript* script = dynamic_cast<CScript*>(current);
    if (script == NULL && current != NULL)
        script = dynamic_cast<CScript*>(current->GetParent());
    if (script == NULL)
        return;
    m_pCurrentScript = script;
    script->EditProperties(TRUE);
}

void CLumbrookConfigDoc::OnNewObject()
{
    // The objects the dialog has inserted start again at the page's corner.
    m_nextInsert.x = 0;
    m_nextInsert.y = 0;
    CObjectAddDlg dialog;
    dialog.DoModal();
    RecordChange();
}

void CLumbrookConfigDoc::OnNewEvent()
{
    CElement* current = GetCurrentObject();
    CScriptableObject* object = dynamic_cast<CScriptableObject*>(current);
    if (object == NULL && current != NULL)
        object = dynamic_cast<CScriptableObject*>(current->GetParent());
    if (object == NULL)
        return;
    CEventAddDlg dialog;
    dialog.m_pDocument = this;
    dialog.m_pObject = object;
    dialog.m_strNoun = object->GetType();
    dialog.DoModal();
    RecordChange();
}

BOOL CLumbrookConfigDoc::StartPlayer(const char* argument)
{
    CStr path = GetPathName();
    if (path.IsEmpty())
        return FALSE;
    CStr player = FolderOfPath(path) + "tarvex.exe";
    // Quoted, a path with blanks reaches the player as its one argument.
    CStr parameters;
    parameters.Format("\"%s\"", argument);
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof(info);
    info.lpVerb = "open";
    info.lpFile = player;
    info.lpParameters = parameters;
    info.nShow = SW_SHOWNORMAL;
    ShellExecuteExA(&info);
    return TRUE;
}

void CLumbrookConfigDoc::OnFileTest()
{
    if (m_pCurrentPage == NULL)
        return;
    // Declined, the save leaves the project modified: clearing the flag
    // here would let Exit drop the edits without asking.
    if (!SaveModified())
        return;
    StartPlayer(GetPathName());
}

void CLumbrookConfigDoc::OnToolPreview()
{
    if (m_pCurrentPage == NULL)
        return;
    if (m_pages.empty() || m_pCurrentPage == m_pages.front())
    {
        OnFileTest();
        return;
    }
    if (!SaveModified())
        return;
    StartPlayer(m_pCurrentPage->GetDataFileName());
}
