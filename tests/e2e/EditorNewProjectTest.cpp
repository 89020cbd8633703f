// A new project made with the wizard from the installed layout: its disc
// folder, the name page's refusals, the warning about a folder that exists,
// objects added from the finish page, and the player playing the result.
#include "tests/e2e/DialogDriver.h"
#include "tests/e2e/EditorProcess.h"
#include "tests/e2e/PlayerProcess.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const int kProjectNew = 32771;
const int kNameEdit = 1145;
const int kRunWizard = 1053;

std::string ProjectsFolder()
{
    return LumbrookFolder() + "Projects\\";
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void RemoveTree(const std::string& folder)
{
    std::string from = folder + std::string(1, '\0');
    SHFILEOPSTRUCTA op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&op);
}

// A project folder of the projects folder, removed before and after.
struct ProjectFolder
{
    std::string name;
    std::string path;   // ends with '\'
    explicit ProjectFolder(const std::string& n) : name(n), path(ProjectsFolder() + n + "\\") { RemoveTree(Folder()); }
    ~ProjectFolder() { RemoveTree(Folder()); }
    std::string Folder() const { return path.substr(0, path.size() - 1); }
    std::string File(const std::string& f) const { return path + f; }
};

// The editor started with the wizard's sheet open on its name page.
struct Wizard
{
    EditorProcess editor;
    HWND sheet = NULL;
    HWND page = NULL;

    bool Open()
    {
        if (!editor.StartAndShow() || !editor.PostCommand(kProjectNew))
            return false;
        sheet = WaitForProcessDialog(editor.ProcessId(), NULL, kProgramWaitMs);
        page = sheet ? SheetCurrentPage(sheet) : NULL;
        return page != NULL && GetDlgItem(page, kNameEdit) != NULL;
    }
    // The name typed and the creation wizard cleared, then Finish.
    void FinishWith(const std::string& name)
    {
        SetDialogItemText(page, kNameEdit, name.c_str());
        SendMessageA(GetDlgItem(page, kRunWizard), BM_SETCHECK, BST_UNCHECKED, 0);
        PressDialogButton(page, kRunWizard);
        PressSheetButton(sheet, PSBTN_FINISH);
    }
    // Waits for the warning about an existing folder and presses a button
    // of it; false when it did not come.
    bool AnswerExistsWarning(int button)
    {
        HWND warning = WaitForProcessDialog(editor.ProcessId(), "Project Already Exists", kProgramWaitMs);
        return warning != NULL && PressDialogButton(warning, button) && WaitUntilGone(warning, kProgramWaitMs);
    }
};

std::vector<std::string> PageRecords(const std::string& archive)
{
    std::vector<std::string> names;
    MessageRecorder quiet;
    CDataFileManager manager;
    if (!manager.ReadArchive(archive.c_str()))
        return names;
    for (int i = 0; i < manager.GetFileCount(); ++i)
    {
        if (manager.GetFile(i)->m_kind == CDataFile::KindPage)
            names.push_back(manager.GetFile(i)->m_name.c_str());
    }
    return names;
}

// The editor's title names the archive from the name page on, before the
// project is saved into it: the archive is read once its save is done.
bool HoldsPages(const std::string& archive, const FileStamp& before, size_t count)
{
    return WaitForArchiveSaved(archive, before) && PageRecords(archive).size() == count;
}

struct SheetSearch
{
    DWORD processId;
    int controlId;
    HWND found;
};

BOOL CALLBACK FindSheetOf(HWND window, LPARAM lParam)
{
    SheetSearch* search = (SheetSearch*)lParam;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window) || WindowClassOf(window) != "#32770")
        return TRUE;
    HWND page = SheetCurrentPage(window);
    if (page != NULL && GetDlgItem(page, search->controlId) != NULL)
    {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The process's property sheet whose current page holds the control.
HWND WaitForSheetShowing(DWORD processId, int controlId)
{
    SheetSearch search = { processId, controlId, NULL };
    WaitUntil([&] {
        EnumWindows(FindSheetOf, (LPARAM)&search);
        return search.found != NULL;
    });
    return search.found;
}

const int kTemplateList = 1035;
const int kAddObjectsNow = 1005;

// The wizard with the creation wizard run: the project named, the template
// chosen, Next to the finish page; the page sheet, NULL when it did not come.
HWND ToTheFinishPage(Wizard& wizard, const std::string& name, const char* templateName)
{
    SetDialogItemText(wizard.page, kNameEdit, name.c_str());
    PressSheetButton(wizard.sheet, PSBTN_NEXT);
    HWND sheet = WaitForSheetShowing(wizard.editor.ProcessId(), kTemplateList);
    if (sheet == NULL)
        return NULL;
    HWND page = SheetCurrentPage(sheet);
    HWND list = GetDlgItem(page, kTemplateList);
    if (SendMessageA(list, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)templateName) == LB_ERR)
        return NULL;
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(kTemplateList, LBN_SELCHANGE), (LPARAM)list);
    for (int step = 0; step < 3; ++step)
        PressSheetButton(sheet, PSBTN_NEXT);
    return WaitForSheetShowing(wizard.editor.ProcessId(), kAddObjectsNow) == sheet ? sheet : NULL;
}

// Finish on the page sheet: the project of one page is saved and the
// editor closed without a message.
void FinishOnePageProject(Wizard& wizard, HWND sheet, const std::string& archive)
{
    FileStamp before = StampOf(archive);
    PressSheetButton(sheet, PSBTN_FINISH);
    EXPECT_TRUE(WaitUntilGone(wizard.sheet, kProgramWaitMs));
    ASSERT_TRUE(wizard.editor.WaitForTitle("tarvex.pqz - Quindle")) << wizard.editor.Title();
    ASSERT_TRUE(HoldsPages(archive, before, 1));
    EXPECT_TRUE(wizard.editor.Messages().empty());
    EXPECT_TRUE(wizard.editor.Close());
}

} // namespace

TEST(EditorNewProject, FinishWithoutTheCreationWizardMakesAPlayableDiscFolder)
{
    ProjectFolder project("E2E New Disc");
    Wizard wizard;
    ASSERT_TRUE(wizard.Open());
    std::string archive = project.File("tarvex.pqz");
    FileStamp before = StampOf(archive);
    wizard.FinishWith(project.name);
    EXPECT_TRUE(WaitUntilGone(wizard.sheet, kProgramWaitMs));
    ASSERT_TRUE(wizard.editor.WaitForTitle("tarvex.pqz - Quindle")) << wizard.editor.Title();
    ASSERT_TRUE(HoldsPages(archive, before, 1));
    EXPECT_EQ(std::vector<std::string>{ "tarvex.pgd" }, PageRecords(archive));

    std::string bin = LumbrookBinFolder();
    EXPECT_EQ(ReadWholeFile(bin + "tarvex.dat"), ReadWholeFile(project.File("tarvex.exe")));
    for (const char* library : { "giflib32.dll", "ijl10.dll", "msvcrt.dll" })
        EXPECT_EQ(ReadWholeFile(bin + library), ReadWholeFile(project.File(library))) << library;
    EXPECT_EQ(ReadWholeFile(bin + "tarvex.ico"), ReadWholeFile(project.File("tarvex.dat\\tarvex.ico")));
    EXPECT_EQ("[autorun]\r\nopen=tarvex.exe\r\nicon=.\\tarvex.dat\\tarvex.ico\r\n",
              ReadWholeFile(project.File("autorun.inf")));
    EXPECT_TRUE(wizard.editor.Messages().empty());
    EXPECT_TRUE(wizard.editor.Close());

    // The disc's own player plays it, finding the archive named after itself.
    PlayerProcess player;
    ASSERT_TRUE(player.Start(project.File("tarvex.exe")));
    ASSERT_TRUE(player.WaitForWindow() != NULL);
    EXPECT_TRUE(player.Answers());
    EXPECT_TRUE(player.Messages().empty());
    player.Close();
}

TEST(EditorNewProject, TheNamePageRefusesNamesThatAreNoFolderOfTheProjectsFolder)
{
    struct Case
    {
        const char* name;
        const char* reason;   // a part of the reported message
    };
    const Case cases[] = {
        { "", "at least one" },
        { "..\\E2E Outside", "characters" },
        { "E2E a:b", "characters" },
        { "E2E what?", "characters" },
        { "E2E <x>", "characters" },
        { ".E2E hidden", "begin with a dot" },
        { "..", "begin with a dot" },
        { "E2E trailing.", "end with a dot" },
        { "NUL", "device" },
    };
    Wizard wizard;
    ASSERT_TRUE(wizard.Open());
    // The log holds one line per line of a box's text: all of it is read.
    auto logText = [&] {
        std::string text;
        for (const std::string& line : wizard.editor.Messages())
            text += line + "\n";
        return text;
    };
    size_t seen = 0;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        wizard.FinishWith(c.name);
        ASSERT_TRUE(WaitUntil([&] { return logText().find(c.reason, seen) != std::string::npos; }))
            << logText().substr(seen);
        seen = logText().size();
        // The wizard stays on its page.
        EXPECT_TRUE(IsWindow(wizard.sheet));
    }
    EXPECT_FALSE(Exists(LumbrookFolder() + "E2E Outside"));
    EXPECT_FALSE(Exists(ProjectsFolder() + "E2E a"));
    EXPECT_FALSE(Exists(ProjectsFolder() + ".E2E hidden"));
    EXPECT_FALSE(Exists(ProjectsFolder() + "E2E trailing"));
    EXPECT_FALSE(Exists(ProjectsFolder() + "tarvex.pqz"));
    EXPECT_FALSE(Exists(LumbrookFolder() + "tarvex.exe"));
    PressSheetButton(wizard.sheet, PSBTN_CANCEL);
    EXPECT_TRUE(WaitUntilGone(wizard.sheet, kProgramWaitMs));
    EXPECT_TRUE(wizard.editor.Close());
}

TEST(EditorNewProject, AnExistingFolderIsLeftAloneOrItsProjectGainsThePage)
{
    ProjectFolder project("E2E Existing");
    ASSERT_TRUE(CreateDirectoryA(project.Folder().c_str(), NULL));
    ProjectArchive old;
    old.AddPage("tarvex.pgd", "Old");
    ASSERT_TRUE(old.Write(project.File("tarvex.pqz")));

    Wizard wizard;
    ASSERT_TRUE(wizard.Open());
    // "Select New Project Location": back on the name page, nothing made.
    wizard.FinishWith(project.name);
    ASSERT_TRUE(wizard.AnswerExistsWarning(IDCANCEL));
    ASSERT_TRUE(wizard.editor.Answers());
    EXPECT_TRUE(IsWindow(wizard.sheet));
    EXPECT_FALSE(Exists(project.File("tarvex.exe")));
    EXPECT_EQ(std::vector<std::string>{ "tarvex.pgd" }, PageRecords(project.File("tarvex.pqz")));

    // "Add to Project": the project there keeps its page and gains the new
    // one, saved where it lies.
    FileStamp before = StampOf(project.File("tarvex.pqz"));
    PressSheetButton(wizard.sheet, PSBTN_FINISH);
    ASSERT_TRUE(wizard.AnswerExistsWarning(IDOK));
    EXPECT_TRUE(WaitUntilGone(wizard.sheet, kProgramWaitMs));
    ASSERT_TRUE(wizard.editor.WaitForTitle("tarvex.pqz - Quindle")) << wizard.editor.Title();
    ASSERT_TRUE(HoldsPages(project.File("tarvex.pqz"), before, 2));
    EXPECT_EQ((std::vector<std::string>{ "tarvex.pgd", "page_2.pgd" }), PageRecords(project.File("tarvex.pqz")));
    {
        MessageRecorder quiet;
        CDataFileManager manager;
        ASSERT_TRUE(manager.ReadArchive(project.File("tarvex.pqz").c_str()));
        CStr title;
        manager.GetFile(0)->GetString("Main", "title", title);
        EXPECT_STREQ("Old", title.c_str());
    }
    EXPECT_TRUE(Exists(project.File("tarvex.exe")));
    EXPECT_TRUE(Exists(project.File("tarvex.dat\\tarvex.ico")));
    EXPECT_TRUE(wizard.editor.Messages().empty());
    EXPECT_TRUE(wizard.editor.Close());
}

TEST(EditorNewProject, AnEmptyExistingFolderTakesTheNewProject)
{
    ProjectFolder project("E2E Empty Folder");
    ASSERT_TRUE(CreateDirectoryA(project.Folder().c_str(), NULL));
    Wizard wizard;
    ASSERT_TRUE(wizard.Open());
    FileStamp before = StampOf(project.File("tarvex.pqz"));
    wizard.FinishWith(project.name);
    ASSERT_TRUE(wizard.AnswerExistsWarning(IDOK));
    ASSERT_TRUE(wizard.editor.WaitForTitle("tarvex.pqz - Quindle")) << wizard.editor.Title();
    ASSERT_TRUE(HoldsPages(project.File("tarvex.pqz"), before, 1));
    EXPECT_TRUE(wizard.editor.Messages().empty());
    EXPECT_TRUE(wizard.editor.Close());
}

TEST(EditorNewProject, TheCreationWizardGivesTheFirstPageATemplatesBackground)
{
    ProjectFolder project("E2E Templated");
    Wizard wizard;
    ASSERT_TRUE(wizard.Open());
    HWND sheet = ToTheFinishPage(wizard, project.name, "Ocean");
    ASSERT_TRUE(sheet != NULL);
    std::string archive = project.File("tarvex.pqz");
    ASSERT_NO_FATAL_FAILURE(FinishOnePageProject(wizard, sheet, archive));

    // The page names the template; its background was copied into the
    // data folder and is stored there.
    MessageRecorder quiet;
    CDataFileManager manager;
    ASSERT_TRUE(manager.ReadArchive(archive.c_str()));
    CStr templateFile, watermark, title;
    manager.GetFile(0)->GetString("Main", "template", templateFile);
    manager.GetFile(0)->GetString("Main", "watermark", watermark);
    manager.GetFile(0)->GetString("Main", "title", title);
    EXPECT_EQ(0, lstrcmpiA((LumbrookFolder() + "templates\\ocean.pqt").c_str(), templateFile.c_str()))
        << templateFile.c_str();
    ASSERT_EQ(0, strncmp(".\\tarvex.dat\\", watermark.c_str(), 13)) << watermark.c_str();
    EXPECT_EQ(ReadWholeFile(LumbrookFolder() + "Content\\Ocean\\background.bmp"),
              ReadWholeFile(project.File(watermark.c_str() + 2)));
    EXPECT_STREQ("Untitled", title.c_str());

    // The player shows the page over the template's background.
    PlayerProcess player;
    ASSERT_TRUE(player.Start(project.File("tarvex.exe")));
    ASSERT_TRUE(player.WaitForWindow() != NULL);
    EXPECT_TRUE(player.WaitForClientPixel(2, 2, 0x123C6E));
    EXPECT_TRUE(player.Messages().empty());
    player.Close();
}

TEST(EditorNewProject, ObjectsAddedFromTheWizardsFinishPageLandOnTheFirstPage)
{
    const int kObjectTypes = 1166;
    const int kButtonKinds = 1035;
    ProjectFolder project("E2E Objects Now");
    Wizard wizard;
    ASSERT_TRUE(wizard.Open());
    HWND sheet = ToTheFinishPage(wizard, project.name, "Ocean");
    ASSERT_TRUE(sheet != NULL);
    DWORD pid = wizard.editor.ProcessId();

    // "Add Objects Now": a Button; the dialog closes and the button's kind
    // is asked for.
    ASSERT_TRUE(PressDialogButton(SheetCurrentPage(sheet), kAddObjectsNow));
    HWND objects = WaitForProcessDialog(pid, "Insert New Objects", kProgramWaitMs);
    ASSERT_TRUE(objects != NULL);
    SendMessageA(GetDlgItem(objects, kObjectTypes), LB_SETCURSEL, 0, 0);
    ASSERT_TRUE(PressDialogButton(objects, IDOK));
    EXPECT_TRUE(WaitUntilGone(objects, kProgramWaitMs));
    HWND picker = WaitForProcessDialog(pid, "Add a New Button.", kProgramWaitMs);
    ASSERT_TRUE(picker != NULL);
    HWND kinds = GetDlgItem(SheetCurrentPage(picker), kButtonKinds);
    ASSERT_NE(LB_ERR, SendMessageA(kinds, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)"OK"));
    PressSheetButton(picker, PSBTN_OK);
    EXPECT_TRUE(WaitUntilGone(picker, kProgramWaitMs));

    std::string archive = project.File("tarvex.pqz");
    ASSERT_NO_FATAL_FAILURE(FinishOnePageProject(wizard, sheet, archive));

    // The first page holds the button, showing the template's picture for
    // its kind, with a script for each mouse event.
    MessageRecorder quiet;
    CDataFileManager manager;
    ASSERT_TRUE(manager.ReadArchive(archive.c_str()));
    CDataFile* page = manager.GetFile(0);
    int elements = 0;
    page->GetInt("Main", "numElements", elements);
    ASSERT_EQ(1, elements);
    CStr type, src;
    page->GetString("Element_1", "type", type);
    page->GetString("Element_1", "src", src);
    EXPECT_STREQ("Image", type.c_str());
    ASSERT_EQ(0, strncmp(".\\tarvex.dat\\", src.c_str(), 13)) << src.c_str();
    EXPECT_EQ(ReadWholeFile(LumbrookFolder() + "Content\\Ocean\\ok-normal.bmp"), ReadWholeFile(project.File(src.c_str() + 2)));
    int scripts = 0;
    page->GetInt("Element_1", "numScripts", scripts);
    std::vector<std::string> events;
    for (int i = 1; i <= scripts; ++i)
    {
        CStr name;
        page->GetString(("Element_1_Script_" + std::to_string(i)).c_str(), "name", name);
        events.push_back(name.c_str());
    }
    std::sort(events.begin(), events.end());
    EXPECT_EQ((std::vector<std::string>{ "OnMouseDown", "OnMouseIn", "OnMouseOut", "OnMouseUp" }), events);

    // The player plays the project.
    PlayerProcess player;
    ASSERT_TRUE(player.Start(project.File("tarvex.exe")));
    ASSERT_TRUE(player.WaitForWindow() != NULL);
    EXPECT_TRUE(player.Answers());
    EXPECT_TRUE(player.Messages().empty());
    player.Close();
}
