// What the action pages share: the edit sheet every action runs, the Browse
// pickers (replaceable, so tests can answer them) and their start places,
// and the variable combos filled from the page's design-time variables.
#pragma once

#include "actions/WizPropertyPage.h"
#include "model/ScriptItem.h"

// Runs the action's sheet with its one page: titled with the action's name
// and without Apply, unless plain (then neither). IDOK or IDCANCEL.
INT_PTR RunActionSheet(CScriptItem& action, CPropertyPage& page, BOOL plain = FALSE);

// The end of a confirmed edit: the completeness rule decides; an existing
// action that fails it gets its previous fields back, so a cleared field
// is never lost without a trace (a new one is dropped by its caller).
template <class Record>
BOOL KeepEditedRecord(BOOL complete, BOOL bNew, Record& record, const Record& previous)
{
    if (!complete && !bNew)
        record = previous;
    return complete;
}

// The edit of an action with one page that holds a copy of its record: the
// record shown, the sheet run, and anything but Cancel takes the page's
// record by the rule above.
template <class Action, class Page>
BOOL EditThroughPage(Action& action, Page& page, BOOL bNew, BOOL plain = FALSE)
{
    page.m_record = action.m_record;
    if (RunActionSheet(action, page, plain) == IDCANCEL)
        return FALSE;
    auto previous = action.m_record;
    action.m_record = page.m_record;
    return KeepEditedRecord(action.IsComplete(), bNew, action.m_record, previous);
}

// The object whose script holds the action; NULL when it is in none.
CElement* GetScriptOwner(CScriptItem& action);

// What a Browse button asks for.
struct CActionBrowseRequest
{
    BOOL folder;        // a folder picker, else an Open file dialog
    CStr title;         // the folder picker's text
    CStr filter;        // "Name (*.ext)|*.ext||"
    CStr defaultExt;
    CStr initialFolder; // where the dialog starts
    CStr initialFile;   // the file it shows; empty for none
};
// Shows the picker; TRUE with the chosen path.
typedef BOOL (*ActionBrowseFn)(HWND owner, const CActionBrowseRequest& request, CStr& chosen);
// Installs a picker (NULL: the system's dialogs) and returns the previous.
ActionBrowseFn SetActionBrowser(ActionBrowseFn browser);
BOOL BrowseForAction(HWND owner, const CActionBrowseRequest& request, CStr& chosen);
// The text of a page's field, however long.
CStr GetFieldText(HWND page, int id);
// Browse for the page's field: the request made from the field's text, the
// chosen path put into the field.
template <class MakeRequest>
void BrowseIntoField(HWND page, int id, MakeRequest makeRequest)
{
    CStr chosen;
    if (BrowseForAction(page, makeRequest(GetFieldText(page, id)), chosen))
        ::SetDlgItemTextA(page, id, chosen);
}

// Where a file or folder picker starts for the path in its field: the
// author's content folder when it is empty, the path made absolute against
// the document folder when relative, else the path. A file path gives its
// folder and the file's name.
void SetBrowseStart(CActionBrowseRequest& request, const char* fieldPath);

// The design-time variables offered for the object: its own local ones,
// then every global one (text the name, item data the value's address).
void FillVariableChoices(HWND combo, CElement* owner);
// Selects the item whose text is exactly name; none when no item is.
int SelectVariableChoice(HWND combo, const char* name);
// The selected item's text; empty without a selection.
CStr GetSelectedChoice(HWND combo);
