#include "authoring/DirDialog.h"

#include "actions/ActionPageSupport.h"

#include <shlobj.h>

#include <string.h>

CDirDialog::CDirDialog() : m_iImageIndex(0), m_bStatus(FALSE), m_hBrowseWindow(NULL)
{
}

CDirDialog::~CDirDialog()
{
}

BOOL CDirDialog::OnSelChanged(const char*, CStr& statusText)
{
    statusText = "";
    return TRUE;
}

CStr CDirDialog::TrimStartFolder(const char* folder)
{
    CStr text = folder ? folder : "";
    int length = text.GetLength();
    while (length > 0 && (text[length - 1] == ' ' || text[length - 1] == '\t'))
        --length;
    text = text.Left(length);
    if (length > 0 && (text[length - 1] == '\\' || text[length - 1] == '/'))
    {
        // "C:\" is the drive's root; "C:" alone would be the drive's
        // current folder.
        if (length == 3 && text[1] == ':')
            return text.Left(2) + "\\";
        text = text.Left(length - 1);
    }
    return text;
}

int CALLBACK CDirDialog::BrowseCallback(HWND window, UINT message, LPARAM lParam, LPARAM data)
{
    CDirDialog* dialog = reinterpret_cast<CDirDialog*>(data);
    if (dialog == NULL)
        return 0;
    dialog->m_hBrowseWindow = window;
    if (message == BFFM_INITIALIZED)
    {
        if (!dialog->m_strStartFolder.IsEmpty())
            ::SendMessageA(window, BFFM_SETSELECTIONA, TRUE, (LPARAM)(const char*)dialog->m_strStartFolder);
        if (!dialog->m_strWindowTitle.IsEmpty())
            ::SetWindowTextA(window, dialog->m_strWindowTitle);
    }
    else if (message == BFFM_SELCHANGED)
    {
        char path[MAX_PATH] = "";
        if (lParam == 0 || !SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(lParam), path))
            path[0] = 0;
        CStr status;
        BOOL enable = dialog->OnSelChanged(path, status);
        if (dialog->m_bStatus)
            ::SendMessageA(window, BFFM_SETSTATUSTEXTA, 0, (LPARAM)(const char*)status);
        ::SendMessageA(window, BFFM_ENABLEOK, 0, enable);
    }
    return 0;
}

BOOL CDirDialog::DoBrowse(CWnd* owner)
{
    if (!m_strStartFolder.IsEmpty())
        m_strStartFolder = TrimStartFolder(m_strStartFolder);
    IMalloc* allocator = NULL;
    if (FAILED(SHGetMalloc(&allocator)) || allocator == NULL)
        return FALSE;

    BROWSEINFOA info;
    memset(&info, 0, sizeof(info));
    LPITEMIDLIST root = NULL;
    IShellFolder* desktop = NULL;
    if (!m_strRootFolder.IsEmpty() && SUCCEEDED(SHGetDesktopFolder(&desktop)) && desktop != NULL)
    {
        WCHAR wide[MAX_PATH];
        if (MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, m_strRootFolder, -1, wide, MAX_PATH) == 0)
            wide[0] = 0;
        HRESULT parsed = desktop->ParseDisplayName(NULL, NULL, wide, NULL, &root, NULL);
        desktop->Release();
        if (FAILED(parsed) || root == NULL)
        {
            allocator->Release();
            return FALSE;
        }
        info.pidlRoot = root;
    }
    char chosen[MAX_PATH] = "";
    info.hwndOwner = owner != NULL ? owner->m_hWnd : NULL;
    info.pszDisplayName = chosen;
    info.lpszTitle = m_strPrompt.IsEmpty() ? "Open" : (const char*)m_strPrompt;
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS | (m_bStatus ? BIF_STATUSTEXT : 0);
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(this);

    LPITEMIDLIST item = SHBrowseForFolderA(&info);
    m_hBrowseWindow = NULL;
    // The root's item list is ours to free, chosen or not.
    if (root != NULL)
        allocator->Free(root);
    BOOL result = FALSE;
    if (item != NULL)
    {
        m_iImageIndex = info.iImage;
        char path[MAX_PATH] = "";
        if (SHGetPathFromIDListA(item, path))
        {
            m_strPath = path;
            result = TRUE;
        }
        allocator->Free(item);
    }
    allocator->Release();
    return result;
}

BOOL BrowseForActionFolder(HWND owner, const CActionBrowseRequest& request, CStr& chosen)
{
    CDirDialog picker;
    picker.m_strPrompt = request.title;
    picker.m_strWindowTitle = request.windowTitle;
    picker.m_strStartFolder = request.initialFolder;
    if (!picker.DoBrowse(owner != NULL ? CWnd::FromHandle(owner) : NULL))
        return FALSE;
    chosen = picker.m_strPath;
    return TRUE;
}
