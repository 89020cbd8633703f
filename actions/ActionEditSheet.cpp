#include "actions/ActionEditSheet.h"

#include "model/Browser.h"
#include "model/EditorServices.h"
#include "model/Script.h"
#include "model/common/PathHelpers.h"
#include "platform/framework/CommonDialogs.h"

#include <shlobj.h>
#include <string.h>

INT_PTR RunActionSheet(CScriptItem& action, CPropertyPage& page, BOOL plain)
{
    CPropertySheet sheet("");
    if (!plain)
    {
        sheet.SetTitle(action.GetName(), PSH_PROPTITLE);
        sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    }
    sheet.AddPage(&page);
    return sheet.DoModal();
}

CElement* GetScriptOwner(CScriptItem& action)
{
    CElement* parent = action.GetParent();
    if (dynamic_cast<CScript*>(parent) != NULL)
        return parent->GetParent();
    return parent;
}

namespace {

ActionBrowseFn g_browser = NULL;

CStr GetComboItemText(HWND combo, int index)
{
    CStr text;
    LRESULT length = ::SendMessageA(combo, CB_GETLBTEXTLEN, (WPARAM)index, 0);
    if (length == CB_ERR)
        return text;
    char* buffer = text.GetBuffer((int)length + 1);
    LRESULT copied = ::SendMessageA(combo, CB_GETLBTEXT, (WPARAM)index, (LPARAM)buffer);
    text.ReleaseBuffer(copied == CB_ERR ? 0 : (int)copied);
    return text;
}

int CALLBACK StartFolderCallback(HWND window, UINT message, LPARAM, LPARAM data)
{
    if (message == BFFM_INITIALIZED && data != 0)
        ::SendMessageA(window, BFFM_SETSELECTIONA, TRUE, data);
    return 0;
}

BOOL ChooseFolder(HWND owner, const CActionBrowseRequest& request, CStr& chosen)
{
    BROWSEINFOA info;
    ZeroMemory(&info, sizeof(info));
    char display[MAX_PATH] = "";
    info.hwndOwner = owner;
    info.pszDisplayName = display;
    info.lpszTitle = request.title;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = StartFolderCallback;
    info.lParam = request.initialFolder.IsEmpty() ? 0 : (LPARAM)(const char*)request.initialFolder;
    LPITEMIDLIST list = SHBrowseForFolderA(&info);
    if (list == NULL)
        return FALSE;
    char path[MAX_PATH] = "";
    BOOL ok = SHGetPathFromIDListA(list, path);
    CoTaskMemFree(list);
    if (ok)
        chosen = path;
    return ok;
}

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

BOOL BrowseForAction(HWND owner, const CActionBrowseRequest& request, CStr& chosen)
{
    if (g_browser != NULL)
        return g_browser(owner, request, chosen);
    return request.folder ? ChooseFolder(owner, request, chosen) : ChooseFile(owner, request, chosen);
}

CStr GetFieldText(HWND page, int id)
{
    HWND field = ::GetDlgItem(page, id);
    CStr text;
    int length = ::GetWindowTextLengthA(field);
    char* buffer = text.GetBuffer(length + 1);
    text.ReleaseBuffer(::GetWindowTextA(field, buffer, length + 1));
    return text;
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

void FillVariableChoices(HWND combo, CElement* owner)
{
    CBrowser* page = owner ? owner->GetPage() : NULL;
    if (combo == NULL || page == NULL)
        return;
    for (const CVariableChoice& choice : page->GetVariableChoices(owner->GetId()))
    {
        LRESULT index = ::SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)(const char*)choice.name);
        if (index >= 0)
            ::SendMessageA(combo, CB_SETITEMDATA, (WPARAM)index, (LPARAM)choice.value);
    }
}

int SelectVariableChoice(HWND combo, const char* name)
{
    int found = -1;
    int count = (int)::SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (int i = 0; name != NULL && *name != '\0' && i < count && found < 0; ++i)
    {
        if (GetComboItemText(combo, i) == name)
            found = i;
    }
    ::SendMessageA(combo, CB_SETCURSEL, (WPARAM)found, 0);
    return found;
}

CStr GetSelectedChoice(HWND combo)
{
    LRESULT selected = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
    return selected == CB_ERR ? CStr("") : GetComboItemText(combo, (int)selected);
}
