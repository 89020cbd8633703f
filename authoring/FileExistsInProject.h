// CFileExistsInProject: asks what to do with a media file whose name is
// taken in the data folder by a different file.
#pragma once

#include "platform/framework/Afx.h"
#include "platform/framework/Dialog.h"

class CFileExistsInProject : public CDialog
{
public:
    CFileExistsInProject(CWnd* parent = NULL);

    CStr m_strNewName;
    CStr m_strSourcePath;
    int m_choice;   // 0 rename, 1 copy over, 2 use the existing file

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Esc, the close box and Alt+F4 do not answer: only OK does.
    void OnCancel() override;
    void OnRename();
    void OnOtherChoice();
    DECLARE_MESSAGE_MAP()
};
