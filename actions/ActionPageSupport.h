// What the action pages share: the design-time context of an action (its
// page, the object whose script holds it), the combo boxes of objects and
// variables, value conversion, the Browse pickers (replaceable, so tests
// can answer them) and the edit sheet every action runs.
#pragma once

#include "model/Browser.h"
#include "model/ScriptItem.h"
#include "model/ScriptableObject.h"
#include "platform/framework/Afx.h"
#include "platform/framework/CommonDialogs.h"
#include "platform/framework/PropertySheet.h"

#include <initializer_list>

// The object whose script holds the action; NULL when it is in none.
CScriptableObject* GetScriptOwner(const CScriptItem* action);
// The page the action (or object) lies on; without one, the document's
// current page.
CBrowser* GetActionPage(const CElement* object);
CStr GetElementId(const CElement* element);

// The page's direct children: text the id, item data the object. Nothing
// is selected.
void FillPageObjectCombo(HWND combo, CBrowser* page);
// Variables: text the name, item data the address of its value.
void FillVariableItems(HWND combo, const std::vector<CVariableChoice>& choices);
// The local variables that objectId owns, then every global one.
void FillVariableCombo(HWND combo, CBrowser* page, const char* objectId);
// The same for the object that owns a script, on its own page; nothing
// without one.
void FillVariableCombo(HWND combo, const CElement* owner);
// Only one scope: 1 the local variables objectId owns, 0 the global ones.
void FillScopeVariableCombo(HWND combo, CBrowser* page, int scope, const char* objectId);

// "Local" (item data 1) and "Global" (0), in that order; SelectScope picks
// Global for 0 and Local for any other scope.
void AddScopeChoices(HWND combo);
void SelectScope(HWND combo, long scope);

// Selects the item whose text equals text exactly (case included); an
// empty text or one that is not listed selects nothing. The index, or
// CB_ERR.
int SelectComboTextExact(HWND combo, const char* text);
// FALSE when nothing is selected: then data is left alone.
BOOL GetComboSelectedData(HWND combo, LRESULT& data);
// The selected item's text; empty when nothing is selected.
CStr GetComboSelectedText(HWND combo);
// The selected item's data as an object, or a variable's value; NULL when
// nothing is selected.
CElement* GetSelectedObject(HWND combo);
const VARIANT* GetSelectedVariable(HWND combo);
// The VARTYPE name of the selected variable's value; empty without one.
CStr GetSelectedVariableTypeName(HWND combo);
CStr GetDialogText(HWND dialog, int id);
// The string-table text of this program.
CStr LoadResourceText(UINT id);

// The author's text as a value of type vt, without clamping: whole numbers
// are read in base 0 ("0x10" is 16) at full width and must fit the type;
// empty text gives an empty string or a zero. FALSE when the text cannot
// be a value of that type; out is then left alone.
BOOL ConvertValueText(const char* text, VARTYPE vt, VARIANT& out);
// The same, telling the author when the text cannot be converted.
BOOL ConvertValueTextOrReport(HWND owner, const char* text, VARTYPE vt, VARIANT& out);
// The author's name of a value type ("Integer (4 bytes)"), else its
// VARTYPE name.
CStr GetValueTypeText(VARTYPE vt);

// The edit sheet of an action, over the active window (a picker sheet
// opens action sheets): titled with its name ("Properties for") and without
// Apply unless asked otherwise; opens on startPage. IDOK, or IDCANCEL when
// cancelled or when the sheet could not be shown; the action's
// m_bEditConfirmed tells the same.
INT_PTR RunActionSheet(CScriptItem& action, std::initializer_list<CPropertyPage*> pages,
                       int startPage = 0, BOOL titled = TRUE, BOOL keepApply = FALSE);

// The edit of an action with one page that holds a copy of its record: the
// record shown, the sheet run (plain: neither title nor the Apply button
// taken away), and anything but Cancel takes the page's record; the
// completeness rule gives the result. An incomplete existing action keeps
// what was copied back: the document records it as a change.
template <class Action, class Page>
BOOL EditThroughPage(Action& action, Page& page, BOOL plain = FALSE)
{
    page.m_record = action.m_record;
    if (RunActionSheet(action, { &page }, 0, !plain, plain) == IDCANCEL)
        return FALSE;
    action.m_record = page.m_record;
    return action.IsComplete();
}

// What a Browse button asks for.
struct CActionBrowseRequest
{
    BOOL folder;        // a folder picker, else an Open file dialog
    CStr title;         // the folder picker's prompt
    CStr windowTitle;   // the folder picker's window caption
    CStr filter;        // "Name (*.ext)|*.ext||"
    CStr defaultExt;
    CStr initialFolder; // where the dialog starts
    CStr initialFile;   // the file it shows; empty for none
};
// Shows the picker; TRUE with the chosen path.
typedef BOOL (*ActionBrowseFn)(HWND owner, const CActionBrowseRequest& request, CStr& chosen);
// Installs a picker (NULL: the system's dialogs) and returns the previous.
ActionBrowseFn SetActionBrowser(ActionBrowseFn browser);
// The program's folder picker for folder requests; without one a folder
// request chooses nothing.
ActionBrowseFn SetActionFolderPicker(ActionBrowseFn picker);
BOOL BrowseForAction(HWND owner, const CActionBrowseRequest& request, CStr& chosen);
// Browse for the page's field: the request made from the field's text, the
// chosen path put into the field.
template <class MakeRequest>
void BrowseIntoField(HWND page, int id, MakeRequest makeRequest)
{
    CStr chosen;
    if (BrowseForAction(page, makeRequest(GetDialogText(page, id)), chosen))
        ::SetDlgItemTextA(page, id, chosen);
}

// Where a file or folder picker starts for the path in its field: the
// author's content folder when it is empty, the path made absolute against
// the document folder when relative, else the path. A file path gives its
// folder and the file's name.
void SetBrowseStart(CActionBrowseRequest& request, const char* fieldPath);
