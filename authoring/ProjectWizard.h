// The new-project wizard: the name page that makes the project's disc folder
// under the projects folder, the warning about a folder that exists already,
// and the New command that runs them.
#pragma once

#include "platform/framework/Afx.h"
#include "platform/framework/Dialog.h"
#include "platform/framework/PropertySheet.h"

class CBrowser;
class CLumbrookConfigDoc;

// What a project name gives: the folder path in folder, or a reason to
// refuse it. A name is refused when it is empty, holds a character Windows
// does not allow in a file name, begins with a dot, ends with a dot or a
// space, is a device name, does not name a folder directly inside the
// projects folder or makes a path too long for the disc folder's files.
struct ProjectNameCheck
{
    BOOL ok;
    CStr folder;    // no trailing backslash
    CStr message;   // the reason, for the author
};
ProjectNameCheck CheckProjectName(const char* name, const char* projectsFolder);

// The warning shown when the project's folder exists: OK "Add to Project",
// Cancel "Select New Project Location".
class CProjectExistsWarning : public CDialog
{
public:
    explicit CProjectExistsWarning(CWnd* parent = NULL);

    CStr m_strPath;

protected:
    BOOL OnInitDialog() override;
};

// The wizard's one page: the project's name and whether the page-creation
// wizard runs on the first page.
class CProjectNamePP : public CPropertyPage
{
public:
    CProjectNamePP();

    CStr m_strName;
    BOOL m_bRunWizard;
    CBrowser* m_pPage;
    // Set once the disc folder is prepared: its path (no trailing
    // backslash) and whether it held a project the new page joins.
    CStr m_strProjectFolder;
    BOOL m_bAddToProject;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnSetActive() override;
    LRESULT OnWizardNext() override;
    BOOL OnWizardFinish() override;
    void OnRunWizardClicked();
    DECLARE_MESSAGE_MAP()

private:
    // The steps of Next and Finish: FALSE keeps the wizard on the page.
    BOOL CreateProject();
    void SetButtons();
};

// File New: asks to save the project, starts a new document with its first
// page and runs the wizard; on its end the project is saved in its folder.
void RunNewProjectCommand(CLumbrookConfigDoc* document);
