#include "actions/ActionPageSupport.h"

#include "model/EditorServices.h"
#include "model/Script.h"
#include "model/common/MessageReporter.h"
#include "model/common/PathHelpers.h"
#include "model/common/VariantHelpers.h"
#include "platform/framework/DialogControls.h"

#include <shlobj.h>
#include <errno.h>
#include <stdlib.h>
#include <string.h>

CScriptableObject* GetScriptOwner(const CScriptItem* action)
{
    CElement* parent = action ? action->GetParent() : NULL;
    if (dynamic_cast<CScript*>(parent) != NULL)
        parent = parent->GetParent();
    return dynamic_cast<CScriptableObject*>(parent);
}

CBrowser* GetActionPage(const CElement* object)
{
    CBrowser* page = object ? object->GetPage() : NULL;
    if (page == NULL)
        page = dynamic_cast<CBrowser*>(GetCurrentPage());
    return page;
}

CStr GetElementId(const CElement* element)
{
    return element ? element->GetId() : CStr();
}

void FillPageObjectCombo(HWND combo, CBrowser* page)
{
    ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    if (page == NULL)
        return;
    for (CElement* child : page->m_children)
    {
        if (child == NULL)
            continue;
        LRESULT index = ::SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)child->m_strId.c_str());
        if (index >= 0)
            ::SendMessageA(combo, CB_SETITEMDATA, (WPARAM)index, (LPARAM)child);
    }
}

void FillVariableItems(HWND combo, const std::vector<CVariableChoice>& choices)
{
    for (const CVariableChoice& choice : choices)
    {
        LRESULT index = ::SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)choice.name.c_str());
        if (index >= 0)
            ::SendMessageA(combo, CB_SETITEMDATA, (WPARAM)index, (LPARAM)choice.value);
    }
}

void FillVariableCombo(HWND combo, CBrowser* page, const char* objectId)
{
    if (page != NULL)
        FillVariableItems(combo, page->GetVariableChoices(objectId));
}

void FillVariableCombo(HWND combo, const CElement* owner)
{
    FillVariableCombo(combo, owner ? owner->GetPage() : NULL, GetElementId(owner));
}

void FillScopeVariableCombo(HWND combo, CBrowser* page, int scope, const char* objectId)
{
    if (page == NULL)
        return;
    if (scope == 0)
        FillVariableItems(combo, GetVariableComboItems(page->m_globalVariables, FALSE, objectId));
    else
        FillVariableItems(combo, GetVariableComboItems(page->m_localVariables, TRUE, objectId));
}

void AddScopeChoices(HWND combo)
{
    LRESULT local = ::SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)"Local");
    ::SendMessageA(combo, CB_SETITEMDATA, (WPARAM)local, 1);
    LRESULT global = ::SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)"Global");
    ::SendMessageA(combo, CB_SETITEMDATA, (WPARAM)global, 0);
}

void SelectScope(HWND combo, long scope)
{
    int count = (int)::SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i)
    {
        if ((long)::SendMessageA(combo, CB_GETITEMDATA, (WPARAM)i, 0) == (scope == 0 ? 0 : 1))
            ::SendMessageA(combo, CB_SETCURSEL, (WPARAM)i, 0);
    }
}

int SelectComboTextExact(HWND combo, const char* text)
{
    int count = (int)::SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (int i = 0; text != NULL && *text != '\0' && i < count; ++i)
    {
        if (AfxGetItemText(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, i) == text)
        {
            ::SendMessageA(combo, CB_SETCURSEL, (WPARAM)i, 0);
            return i;
        }
    }
    ::SendMessageA(combo, CB_SETCURSEL, (WPARAM)-1, 0);
    return CB_ERR;
}

BOOL GetComboSelectedData(HWND combo, LRESULT& data)
{
    LRESULT selected = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR)
        return FALSE;
    data = ::SendMessageA(combo, CB_GETITEMDATA, (WPARAM)selected, 0);
    return TRUE;
}

CStr GetComboSelectedText(HWND combo)
{
    LRESULT selected = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR)
        return CStr();
    return CStr(AfxGetItemText(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, (int)selected).c_str());
}

CElement* GetSelectedObject(HWND combo)
{
    LRESULT data = 0;
    return GetComboSelectedData(combo, data) && data != CB_ERR ? reinterpret_cast<CElement*>(data) : NULL;
}

const VARIANT* GetSelectedVariable(HWND combo)
{
    LRESULT data = 0;
    return GetComboSelectedData(combo, data) && data != CB_ERR ? reinterpret_cast<const VARIANT*>(data) : NULL;
}

CStr GetSelectedVariableTypeName(HWND combo)
{
    const VARIANT* value = GetSelectedVariable(combo);
    const char* name = value ? GetVarTypeName(value->vt) : NULL;
    return CStr(name ? name : "");
}

CStr GetDialogText(HWND dialog, int id)
{
    HWND control = ::GetDlgItem(dialog, id);
    int length = control ? ::GetWindowTextLengthA(control) : 0;
    if (length <= 0)
        return CStr();
    std::string text((size_t)length + 1, '\0');
    ::GetWindowTextA(control, &text[0], length + 1);
    return CStr(text.c_str());
}

CStr LoadResourceText(UINT id)
{
    return CStr(AfxLoadString(id).c_str());
}

static BOOL IsWholeNumberType(VARTYPE vt)
{
    switch (vt)
    {
    case VT_I1: case VT_I2: case VT_I4: case VT_I8: case VT_INT:
    case VT_UI1: case VT_UI2: case VT_UI4: case VT_UI8: case VT_UINT:
        return TRUE;
    default:
        return FALSE;
    }
}

// Base 0 at 64 bits: a sign, digits, then nothing but blanks.
static BOOL ParseWholeNumber(const char* text, VARIANT& number)
{
    while (*text == ' ' || *text == '\t')
        ++text;
    char* end = NULL;
    errno = 0;
    VariantInit(&number);
    if (*text == '-')
    {
        long long value = strtoll(text, &end, 0);
        V_VT(&number) = VT_I8;
        V_I8(&number) = value;
    }
    else
    {
        unsigned long long value = strtoull(text, &end, 0);
        V_VT(&number) = VT_UI8;
        V_UI8(&number) = value;
    }
    if (errno == ERANGE || end == text)
        return FALSE;
    while (*end == ' ' || *end == '\t')
        ++end;
    return *end == '\0';
}

BOOL ConvertValueText(const char* text, VARTYPE vt, VARIANT& out)
{
    if (text == NULL)
        text = "";
    VARIANT value;
    VariantInit(&value);
    if (vt == VT_NULL)
    {
        V_VT(&value) = VT_NULL;
    }
    else if (vt == VT_BSTR || vt == VT_EMPTY)
    {
        SetVariantText(value, text);
    }
    else if (*text == '\0')
    {
        V_VT(&value) = VT_I4;
        V_I4(&value) = 0;
    }
    else if (IsWholeNumberType(vt))
    {
        if (!ParseWholeNumber(text, value))
            return FALSE;
    }
    else
    {
        SetVariantText(value, text);
    }
    if (value.vt != vt && FAILED(VariantChangeType(&value, &value, 0, vt)))
    {
        VariantClear(&value);
        return FALSE;
    }
    VariantClear(&out);
    out = value;
    return TRUE;
}

BOOL ConvertValueTextOrReport(HWND owner, const char* text, VARTYPE vt, VARIANT& out)
{
    if (ConvertValueText(text, vt, out))
        return TRUE;
    CStr message;
    message.Format("The value \"%s\" cannot be stored as %s.", text ? text : "", GetValueTypeText(vt).c_str());
    ReportMessage(owner, message, "Value", MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
}

CStr GetValueTypeText(VARTYPE vt)
{
    static const struct { VARTYPE vt; const char* text; } kNames[] = {
        { VT_I2, "Integer (2 bytes)" }, { VT_I4, "Integer (4 bytes)" }, { VT_I8, "Integer (8 bytes)" },
        { VT_UI1, "U Integer (1 bytes)" }, { VT_UI2, "U Integer (2 bytes)" },
        { VT_UI4, "U Integer (4 bytes)" }, { VT_R4, "Real Num (4 bytes)" },
        { VT_R8, "Real Num (8 bytes)" }, { VT_NULL, "NULL" }, { VT_BOOL, "Bool (true or false)" },
        { VT_BSTR, "String (Characters)" },
    };
    for (const auto& name : kNames)
    {
        if (name.vt == vt)
            return CStr(name.text);
    }
    const char* name = GetVarTypeName(vt);
    return CStr(name ? name : "");
}

INT_PTR RunActionSheet(CScriptItem& action, std::initializer_list<CPropertyPage*> pages, int startPage,
                       BOOL titled, BOOL keepApply)
{
    HWND active = ::GetActiveWindow();
    CPropertySheet sheet("", active != NULL ? CWnd::FromHandle(active) : NULL);
    for (CPropertyPage* page : pages)
        sheet.AddPage(page);
    if (titled)
        sheet.SetTitle(action.GetName(), PSH_PROPTITLE);
    if (!keepApply)
        sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    sheet.SetActivePage(startPage);
    // A sheet that could not be shown changed nothing: not a confirmation.
    INT_PTR result = sheet.DoModal();
    result = result == IDCANCEL || result == -1 ? IDCANCEL : IDOK;
    action.m_bEditConfirmed = result == IDOK;
    return result;
}

namespace {

ActionBrowseFn g_browser = NULL;
ActionBrowseFn g_folderPicker = NULL;

BOOL ChooseFile(HWND owner, const CActionBrowseRequest& request, CStr& chosen)
{
    CFileDialog dialog(TRUE, request.defaultExt.IsEmpty() ? NULL : (const char*)request.defaultExt,
                       request.initialFile.IsEmpty() ? NULL : (const char*)request.initialFile,
                       OFN_HIDEREADONLY | OFN_EXPLORER, request.filter, CWnd::FromHandle(owner));
    if (!request.initialFolder.IsEmpty())
        dialog.m_ofn.lpstrInitialDir = request.initialFolder;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    chosen = dialog.GetPathName().c_str();
    return TRUE;
}

} // namespace

ActionBrowseFn SetActionBrowser(ActionBrowseFn browser)
{
    ActionBrowseFn previous = g_browser;
    g_browser = browser;
    return previous;
}

ActionBrowseFn SetActionFolderPicker(ActionBrowseFn picker)
{
    ActionBrowseFn previous = g_folderPicker;
    g_folderPicker = picker;
    return previous;
}

BOOL BrowseForAction(HWND owner, const CActionBrowseRequest& request, CStr& chosen)
{
    if (g_browser != NULL)
        return g_browser(owner, request, chosen);
    if (request.folder)
        return g_folderPicker != NULL && g_folderPicker(owner, request, chosen);
    return ChooseFile(owner, request, chosen);
}

void SetBrowseStart(CActionBrowseRequest& request, const char* fieldPath)
{
    CStr path(fieldPath ? fieldPath : "");
    if (path.IsEmpty())
    {
        request.initialFolder = GetAuthorContentFolder();
        request.initialFile = "";
        return;
    }
    if (IsRelativePath(path))
        path = MakeMediaPathAbsolute(path);
    if (request.folder)
    {
        request.initialFolder = path;
        request.initialFile = "";
        return;
    }
    const char* name = GetFileNamePart((const char*)path);
    int folderLength = (int)(name - (const char*)path);
    request.initialFolder = path.Left(folderLength);
    request.initialFile = name;
}
