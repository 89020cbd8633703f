// CDirDialog: a folder picker around the shell's folder browser, with an
// optional root, a preselected start folder, a prompt, a window title and a
// status line that a derived picker fills as the selection changes.
#pragma once

#include "model/common/Str.h"
#include "platform/framework/Afx.h"

class CDirDialog
{
public:
    CDirDialog();
    virtual ~CDirDialog();

    // TRUE with m_strPath set to the chosen folder; FALSE when cancelled or
    // when the shell cannot browse.
    BOOL DoBrowse(CWnd* owner);
    // Whether OK may be pressed for path; statusText is shown when the
    // status line is on.
    virtual BOOL OnSelChanged(const char* path, CStr& statusText);

    // The start folder as the browser is given it: trailing blanks and one
    // trailing separator cut, but a drive root keeps its backslash.
    static CStr TrimStartFolder(const char* folder);

    CStr m_strWindowTitle;
    CStr m_strPath;
    CStr m_strRootFolder;
    CStr m_strStartFolder;
    CStr m_strPrompt;
    int m_iImageIndex;
    BOOL m_bStatus;

protected:
    // The browse window while it is open.
    HWND m_hBrowseWindow;

private:
    static int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM lParam, LPARAM data);
};

struct CActionBrowseRequest;

// The action pages' folder requests answered with this picker: the prompt
// and window title of the request, its start folder, no status line.
BOOL BrowseForActionFolder(HWND owner, const CActionBrowseRequest& request, CStr& chosen);
