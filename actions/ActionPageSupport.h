// What the action pages share: the design-time context of an action (its
// page, the object whose script holds it), the combo boxes of objects and
// variables, value conversion, and the edit sheet every action runs.
#pragma once

#include "model/Browser.h"
#include "model/ScriptItem.h"
#include "model/ScriptableObject.h"
#include "platform/framework/Afx.h"
#include "platform/framework/CommonDialogs.h"
#include "platform/framework/PropertySheet.h"

#include <initializer_list>

// The object whose script holds the action; NULL without a parent.
CScriptableObject* GetScriptOwner(const CScriptItem* action);
// The page the action lies on; without one, the document's current page.
CBrowser* GetActionPage(const CScriptItem* action);
CStr GetElementId(const CElement* element);

// The page's direct children: text the id, item data the object. Nothing
// is selected.
void FillPageObjectCombo(HWND combo, CBrowser* page);
// Variables: text the name, item data the address of its value.
void FillVariableItems(HWND combo, const std::vector<CVariableChoice>& choices);
// The local variables that objectId owns, then every global one.
void FillVariableCombo(HWND combo, CBrowser* page, const char* objectId);
// Only one scope: 1 the local variables objectId owns, 0 the global ones.
void FillScopeVariableCombo(HWND combo, CBrowser* page, int scope, const char* objectId);

// "Local" (item data 1) and "Global" (0), in that order; SelectScope picks
// Global for 0 and Local for any other scope.
void AddScopeChoices(HWND combo);
void SelectScope(HWND combo, long scope);

// Selects the item whose text equals text exactly; a name that is not
// listed selects nothing. The index, or CB_ERR.
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

// The folder a file picker opens in when its field is empty; the editor
// installs where that is.
typedef CStr (*ContentFolderFn)();
void SetContentFolderProvider(ContentFolderFn provider);
// Sets up the picker to open at path: the content folder when it is
// empty, made absolute against the document folder when relative.
void SetPickerStart(CFileDialog& dialog, const char* path, std::string& folderStorage);

// The edit sheet of an action: titled with its name ("Properties for")
// and without Apply unless asked otherwise; opens on startPage. IDOK, or
// IDCANCEL when cancelled.
INT_PTR RunActionSheet(CScriptItem& action, std::initializer_list<CPropertyPage*> pages,
                       int startPage = 0, BOOL titled = TRUE, BOOL keepApply = FALSE);
