#include "authoring/ProjectWizard.h"

#include "authoring/Factories.h"
#include "authoring/LumbrookConfigDoc.h"
#include "authoring/ProgramFolders.h"
#include "authoring/ProjectFolder.h"
#include "model/Browser.h"
#include "model/common/MessageReporter.h"
#include "model/common/PathHelpers.h"
#include "model/store/DataFile.h"
#include "model/store/DataFileManager.h"
#include "resources/LumbrookConfigIds.h"
#include "resources/editor/ProjectWizardIds.h"

#include <string.h>

namespace {

const int kMaxNameLength = 40;
// The longest name the disc folder itself holds below the project's folder.
const char* const kLongestDiscFile = "\\tarvex.dat\\tarvex.ico";

BOOL IsDeviceName(const CStr& name)
{
    // "con" and "con.txt" alike name the device.
    int dot = name.FindChar('.');
    CStr stem = dot >= 0 ? name.Left(dot) : name;
    while (!stem.IsEmpty() && stem[stem.GetLength() - 1] == ' ')
        stem.Truncate(stem.GetLength() - 1);
    static const char* const kDevices[] = { "CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$" };
    for (const char* device : kDevices)
    {
        if (stem.EqualsNoCase(device))
            return TRUE;
    }
    if (stem.GetLength() == 4 && stem[3] >= '1' && stem[3] <= '9')
        return stem.Left(3).EqualsNoCase("COM") || stem.Left(3).EqualsNoCase("LPT");
    return FALSE;
}

ProjectNameCheck Refused(const char* message)
{
    ProjectNameCheck check;
    check.ok = FALSE;
    check.message = message;
    return check;
}

// Swallows the boxes of a look that must stay silent.
int WINAPI Silent(HWND, const char*, const char*, UINT)
{
    return IDOK;
}

// What the archive in a folder that exists holds: 1 a project with pages,
// 0 nothing (missing, or the empty placeholder), -1 something unreadable.
int ProbeProject(const CStr& archive)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(archive, GetFileExInfoStandard, &data))
        return 0;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return -1;
    if (data.nFileSizeHigh == 0 && data.nFileSizeLow == 0)
        return 0;
    MessageReporterFn previous = SetMessageReporter(Silent);
    CDataFileManager manager;
    BOOL read = manager.ReadArchive(archive);
    SetMessageReporter(previous);
    if (!read)
        return -1;
    for (int i = 0; i < manager.GetFileCount(); ++i)
    {
        if (manager.GetFile(i)->m_kind == CDataFile::KindPage)
            return 1;
    }
    return -1;
}

CStr ArchiveIn(const CStr& folder)
{
    return folder + "\\tarvex.pqz";
}

// A data-file name no page of the project uses: "page_" and a number from
// the number of pages plus one.
CStr FreePageFileName(CLumbrookConfigDoc* document)
{
    for (int n = (int)document->GetPages().size() + 1;; ++n)
    {
        CStr name;
        name.Format("page_%d.pgd", n);
        if (document->m_archive.FindFile(name) == NULL)
            return name;
    }
}

// The project already in the folder is opened and the wizard's page joins it
// as its last page, which stays current. FALSE when it could not be opened.
BOOL JoinExistingProject(CLumbrookConfigDoc* document, const CStr& archive)
{
    CBrowser* fresh = document->GetCurrentPage();
    if (fresh == NULL || !document->CommitCurrentPage())
        return FALSE;
    CDataFile text = *fresh->GetDataFile();
    document->DeletePages();
    if (!document->LoadOrSaveProject(archive, FALSE) || document->GetPages().empty())
        return FALSE;
    CBrowser* added = new CBrowser();
    document->AppendPage(added, FreePageFileName(document));
    document->SetCurrentPage(added, TRUE);
    document->RestorePage(added, text);
    document->Select(added);
    return TRUE;
}

} // namespace

ProjectNameCheck CheckProjectName(const char* name, const char* projectsFolder)
{
    CStr text(name ? name : "");
    if (text.IsEmpty())
        return Refused("Please enter at least one\ncharacter for the project name!");
    for (int i = 0; i < text.GetLength(); ++i)
    {
        unsigned char c = (unsigned char)text[i];
        if (c < 32 || strchr("\\/:*?\"<>|", c) != NULL)
            return Refused("A project name cannot hold any of the characters \\ / : * ? \" < > | "
                           "or control characters.");
    }
    if (text[0] == '.')
        return Refused("A project name cannot begin with a dot.");
    char last = text[text.GetLength() - 1];
    if (last == '.' || last == ' ')
        return Refused("A project name cannot end with a dot or a space.");
    if (IsDeviceName(text))
    {
        CStr message;
        message.Format("\"%s\" is a name Windows keeps for a device.\nPlease choose another project name.",
                       text.c_str());
        return Refused(message);
    }
    CStr base(projectsFolder ? projectsFolder : "");
    char path[MAX_PATH] = "";
    if (base.GetLength() >= MAX_PATH)
        return Refused("The project's path would be too long.");
    strcpy(path, base);
    if (!AppendPath(path, text) ||
        strlen(path) + strlen(kLongestDiscFile) >= MAX_PATH)
        return Refused("The project's path would be too long.");
    // The folder must lie directly in the projects folder.
    char parent[MAX_PATH];
    strcpy(parent, path);
    RemoveFileSpec(parent);
    RemoveBackslash(parent);
    char projects[MAX_PATH];
    strcpy(projects, base);
    RemoveBackslash(projects);
    if (lstrcmpiA(parent, projects) != 0 || lstrcmpiA(GetFileNamePart((const char*)path), text) != 0)
        return Refused("A project name must name a folder inside the projects folder.");
    ProjectNameCheck check;
    check.ok = TRUE;
    check.folder = path;
    return check;
}

CProjectExistsWarning::CProjectExistsWarning(CWnd* parent) : CDialog(IDD_PROJECT_EXISTS, parent)
{
}

BOOL CProjectExistsWarning::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemPath(m_hWnd, IDC_EXISTING_PROJECT_PATH, m_strPath);
    return TRUE;
}

BEGIN_MESSAGE_MAP(CProjectNamePP, CPropertyPage)
    ON_BN_CLICKED(IDC_RUN_CREATION_WIZARD, OnRunWizardClicked)
END_MESSAGE_MAP()

CProjectNamePP::CProjectNamePP()
    : CPropertyPage(IDD_PROJECT_NAME), m_bRunWizard(TRUE), m_pPage(NULL), m_bAddToProject(FALSE)
{
}

BOOL CProjectNamePP::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    ::SendDlgItemMessageA(m_hWnd, IDC_PROJECT_NAME_EDIT, EM_LIMITTEXT, kMaxNameLength, 0);
    return TRUE;
}

void CProjectNamePP::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_PROJECT_NAME_EDIT, m_strName);
    DDV_MaxChars(pDX, m_strName, kMaxNameLength);
    DDX_Check(pDX, IDC_RUN_CREATION_WIZARD, m_bRunWizard);
}

void CProjectNamePP::SetButtons()
{
    if (GetSheet() != NULL)
        GetSheet()->SetWizardButtons(m_bRunWizard ? PSWIZB_NEXT : PSWIZB_FINISH);
}

BOOL CProjectNamePP::OnSetActive()
{
    BOOL result = CPropertyPage::OnSetActive();
    SetButtons();
    return result;
}

void CProjectNamePP::OnRunWizardClicked()
{
    UpdateData(TRUE);
    SetButtons();
}

BOOL CProjectNamePP::CreateProject()
{
    if (!UpdateData(TRUE))
        return FALSE;
    ProjectNameCheck check = CheckProjectName(m_strName, GetProjectsFolder());
    if (!check.ok)
    {
        AfxMessageBox(check.message, MB_OK | MB_ICONEXCLAMATION);
        ::SetFocus(::GetDlgItem(m_hWnd, IDC_PROJECT_NAME_EDIT));
        return FALSE;
    }
    BOOL join = FALSE;
    DWORD attributes = GetFileAttributesA(check.folder);
    if (attributes != INVALID_FILE_ATTRIBUTES)
    {
        CProjectExistsWarning warning(this);
        warning.m_strPath = check.folder;
        if (warning.DoModal() != IDOK)
            return FALSE;
        // Nothing is made where it could only fail or overwrite what is
        // there: a file of that name, or an archive that cannot be read.
        int holds = (attributes & FILE_ATTRIBUTE_DIRECTORY) ? ProbeProject(ArchiveIn(check.folder)) : -1;
        if (holds < 0)
        {
            CStr message;
            message.Format("%s does not hold a project that a page can be added to.\n"
                           "Please choose another name.",
                           check.folder.c_str());
            AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
            return FALSE;
        }
        join = holds > 0;
    }
    PrepareProjectFolder(check.folder);
    m_strProjectFolder = check.folder;
    m_bAddToProject = join;
    return TRUE;
}

LRESULT CProjectNamePP::OnWizardNext()
{
    if (!CreateProject())
        return -1;
    BOOL finished = TRUE;
    if (m_bRunWizard && m_pPage != NULL)
        finished = m_pPage->EditProperties(TRUE);
    EndDialog(finished ? IDOK : IDCANCEL);
    return -1;
}

BOOL CProjectNamePP::OnWizardFinish()
{
    if (!CreateProject())
        return FALSE;
    if (m_bRunWizard && m_pPage != NULL && !m_pPage->EditProperties(TRUE))
    {
        EndDialog(IDCANCEL);
        return FALSE;
    }
    return TRUE;
}

void RunNewProjectCommand(CLumbrookConfigDoc* document)
{
    if (!document->SaveModified())
        return;
    document->SetModifiedFlag(FALSE);
    // The one document is reused: it comes back cleared.
    AfxGetApp()->OnFileNew();

    CBrowser* page = CreateNewPage();
    document->AppendPage(page, AfxLoadString(IDS_FIRST_PAGE_FILE).c_str());
    // The page is live only as the current page, loaded from its data file.
    page->Save(NULL);
    page->Unload();
    document->SetCurrentPage(page, TRUE);
    document->Select(page);

    CPropertySheet sheet("");
    sheet.SetWizardMode();
    CProjectNamePP namePage;
    namePage.m_pPage = page;
    sheet.AddPage(&namePage);
    INT_PTR result = sheet.DoModal();
    if (result != IDOK && result != ID_WIZFINISH)
    {
        document->DeleteContents();
        return;
    }

    CStr archive = ArchiveIn(namePage.m_strProjectFolder);
    if (namePage.m_bAddToProject && !JoinExistingProject(document, archive))
    {
        CStr message;
        message.Format("The project in %s could not be opened; nothing was added to it.",
                       namePage.m_strProjectFolder.c_str());
        AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
        document->DeleteContents();
        return;
    }
    // Also when the folder held an archive already, the project is saved
    // there and nowhere else.
    document->SetPathName(archive, TRUE);
    document->UpdateAllViews(NULL, HintWholeDocument, NULL);
    if (!document->LoadOrSaveProject(archive, TRUE))
    {
        CStr message;
        message.Format("The project could not be saved as %s.", archive.c_str());
        AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
        document->SetModifiedFlag(TRUE);
        return;
    }
    document->GetUndo().Record();
    document->SetModifiedFlag(FALSE);
}
