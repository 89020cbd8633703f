// The disc folder: its copies, the AutoRun file, media imports (also as the
// actions' saves make them) and paths.
#include "authoring/FileExistsInProject.h"
#include "authoring/ProjectFolder.h"

#include "actions/RegisterActiveXAction.h"
#include "actions/ShellActions.h"
#include "authoring/EditorServicesImpl.h"
#include "model/store/DataFile.h"
#include "resources/LumbrookConfigIds.h"
#include "tests/authoring/SheetSteps.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <set>

namespace {

void SetWriteTime(const std::string& path, ULONGLONG seconds)
{
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, file) << path;
    ULONGLONG ticks = (13000000000ULL + seconds) * 10000000ULL;
    FILETIME time = { (DWORD)ticks, (DWORD)(ticks >> 32) };
    SetFileTime(file, NULL, NULL, &time);
    CloseHandle(file);
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A program folder with the runtime, its icon and libraries.
struct Installation
{
    ScratchDir bin;
    Installation()
    {
        WriteWholeFile(bin.File("tarvex.dat"), "new player");
        WriteWholeFile(bin.File("tarvex.ico"), "icon");
        for (const char* name : { "giflib32.dll", "ijl10.dll", "msvcrt.dll" })
            WriteWholeFile(bin.File(name), std::string("new ") + name);
        SetRuntimeSourceFolder(bin.Path().c_str());
    }
    ~Installation() { SetRuntimeSourceFolder(""); }
};

struct Answer
{
    int choice;
    const char* name;
    BOOL answered;
};
std::vector<Answer> g_answers;
int g_asked = 0;

BOOL ScriptedAsker(const char*, CStr& newName, int& choice)
{
    if (g_asked >= (int)g_answers.size())
        return FALSE;
    const Answer& answer = g_answers[g_asked++];
    choice = answer.choice;
    if (answer.name)
        newName = answer.name;
    return answer.answered;
}

} // namespace

TEST(ProjectFolder, PreparationCopiesTheRuntimeByLastWriteTime)
{
    struct Case { const char* what; bool copyExists; int copySeconds; int sourceSeconds; bool replaced; };
    const Case cases[] = {
        { "missing copy", false, 0, 100, true },
        { "older copy", true, 50, 100, true },
        { "same time", true, 100, 100, false },
        { "newer copy", true, 200, 100, false },
    };
    for (const Case& c : cases)
    {
        Installation install;
        ScratchDir project;
        SetWriteTime(install.bin.File("tarvex.dat"), c.sourceSeconds);
        WriteWholeFile(project.File("giflib32.dll"), "old");
        if (c.copyExists)
        {
            WriteWholeFile(project.File("tarvex.exe"), "old player");
            SetWriteTime(project.File("tarvex.exe"), c.copySeconds);
        }
        ASSERT_TRUE(PrepareProjectFolder(project.Path().c_str(), NULL, FALSE));
        EXPECT_EQ(c.replaced ? "new player" : "old player", ReadWholeFile(project.File("tarvex.exe"))) << c.what;
        // The libraries are copied every time.
        EXPECT_EQ("new giflib32.dll", ReadWholeFile(project.File("giflib32.dll"))) << c.what;
        EXPECT_EQ("new msvcrt.dll", ReadWholeFile(project.File("msvcrt.dll"))) << c.what;
        EXPECT_EQ("icon", ReadWholeFile(project.File("tarvex.dat\\tarvex.ico"))) << c.what;
        EXPECT_TRUE(Exists(project.File("tarvex.pqz"))) << c.what;
        EXPECT_EQ(project.File("tarvex.dat\\"), std::string(GetDataFolder()));
    }
}

TEST(ProjectFolder, PreparationMakesEveryMissingParentAndKeepsAnArchive)
{
    Installation install;
    ScratchDir root;
    std::string deep = root.File("a\\b\\c\\");
    ASSERT_TRUE(PrepareProjectFolder(deep.c_str(), NULL, TRUE));
    EXPECT_TRUE(Exists(deep + "tarvex.exe"));
    EXPECT_TRUE(Exists(deep + "tarvex.dat\\tarvex.ico"));

    WriteWholeFile(deep + "tarvex.pqz", "archive");
    ASSERT_TRUE(PrepareProjectFolder(deep.c_str(), NULL, FALSE));
    EXPECT_EQ("archive", ReadWholeFile(deep + "tarvex.pqz"));
}

TEST(ProjectFolder, AFolderNamedLikeTheDataFolderKeepsItsAutoRunFile)
{
    Installation install;
    ScratchDir root;
    std::string disc = root.File("tarvex.dat\\");
    ASSERT_TRUE(PrepareProjectFolder(disc.c_str(), NULL, TRUE));
    ResetDiscInf();
    ASSERT_TRUE(WriteDiscInf());
    EXPECT_TRUE(Exists(disc + "autorun.inf"));
    EXPECT_FALSE(Exists(root.File("autorun.inf")));
}

TEST(ProjectFolder, AutoRunFileRoundTrip)
{
    struct Case
    {
        const char* iconFile; int index; const char* labels[3];
        const char* expected;   // the section's lines, as written
    };
    const Case cases[] = {
        { ".\\tarvex.dat\\tarvex.ico", -1, { "", "Second", "" },
          "open=tarvex.exe|icon=.\\tarvex.dat\\tarvex.ico|Shell\\Option1=Second|Shell\\Option1\\Command=cmd2|" },
        { "shell32.dll", 4, { "One", "", "Three" },
          "open=tarvex.exe|icon=shell32.dll,4|Shell\\Option1=One|Shell\\Option1\\Command=cmd1|"
          "Shell\\Option2=Three|Shell\\Option2\\Command=cmd3|" },
        { "shell32.dll", -3, { "", "", "" }, "open=tarvex.exe|icon=shell32.dll,-3|" },
        { "", -1, { "", "", "" }, "open=tarvex.exe|" },
    };
    Installation install;
    ScratchDir project;
    ASSERT_TRUE(PrepareProjectFolder(project.Path().c_str(), NULL, TRUE));
    for (const Case& c : cases)
    {
        // Three options and a key of another tool written before.
        WriteWholeFile(project.File("autorun.inf"),
                       "[autorun]\r\nlabel=Disc\r\nShell\\Option1=a\r\nShell\\Option1\\Command=x\r\n"
                       "Shell\\Option2=b\r\nShell\\Option2\\Command=y\r\nShell\\Option3=c\r\n"
                       "Shell\\Option3\\Command=z\r\n");
        ResetDiscInf();
        CDiscInfSettings& inf = GetDiscInfSettings();
        inf.m_strIconFile = c.iconFile;
        inf.m_iconIndex = c.index;
        for (int i = 0; i < 3; ++i)
        {
            inf.m_strOptionLabel[i] = c.labels[i];
            inf.m_strOptionCommand[i].Format("cmd%d", i + 1);
        }
        ASSERT_TRUE(WriteDiscInf());
        char buffer[4096];
        DWORD length = GetPrivateProfileSectionA("autorun", buffer, sizeof(buffer),
                                                 project.File("autorun.inf").c_str());
        // The order of the lines is the profile writer's.
        std::set<std::string> lines, expected;
        for (const char* p = buffer; p < buffer + length && *p; p += strlen(p) + 1)
            lines.insert(p);
        std::string text = std::string("label=Disc|") + c.expected;
        for (size_t start = 0, bar; (bar = text.find('|', start)) != std::string::npos; start = bar + 1)
            expected.insert(text.substr(start, bar - start));
        EXPECT_EQ(expected, lines) << c.expected;

        // Read back over the defaults.
        ResetDiscInf();
        ReadDiscInf();
        EXPECT_STREQ(c.iconFile[0] ? c.iconFile : ".\\tarvex.dat\\tarvex.ico", inf.m_strIconFile);
        EXPECT_EQ(c.iconFile[0] ? c.index : -1, inf.m_iconIndex);
    }
    // An index that is no number gives the text before the comma and 0.
    WriteWholeFile(project.File("autorun.inf"), "[autorun]\r\nicon=a.dll,x\r\n");
    ReadDiscInf();
    EXPECT_STREQ("a.dll", GetDiscInfSettings().m_strIconFile);
    EXPECT_EQ(0, GetDiscInfSettings().m_iconIndex);
}

TEST(ProjectFolder, RelativePaths)
{
    SetDocumentFolder("C:\\Disc\\tarvex.pqz");
    EXPECT_STREQ("C:\\Disc\\", GetDocumentFolder());
    struct Case { const char* path; const char* absolute; };
    const Case cases[] = {
        { ".\\tarvex.dat\\a.gif", "C:\\Disc\\tarvex.dat\\a.gif" },
        { "tarvex.dat\\..\\b.gif", "C:\\Disc\\b.gif" },
        { "D:\\media\\c.gif", "D:\\media\\c.gif" },
        { "", "" },
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.absolute, MakeAbsolutePath(c.path)) << c.path;
}

TEST(ProjectFolder, ImportsAndTheClashChoices)
{
    Installation install;
    ScratchDir project, media;
    CreateDirectoryA(media.File("buttons").c_str(), NULL);
    ASSERT_TRUE(PrepareProjectFolder(project.Path().c_str(), NULL, TRUE));
    SetDocumentFolder(project.File("tarvex.pqz").c_str());
    FileClashAsker previous = SetFileClashAsker(ScriptedAsker);
    std::string data = project.File("tarvex.dat\\");

    struct Case
    {
        const char* what;
        const char* existing;          // already in the data folder as buttons\a.gif
        std::vector<Answer> answers;
        const char* stored;
        const char* renamedContent;    // content expected under the stored name
        int asked;
    };
    const Case cases[] = {
        { "no clash", NULL, {}, ".\\tarvex.dat\\buttons\\a.gif", "source", 0 },
        { "same file", "source", {}, ".\\tarvex.dat\\buttons\\a.gif", "source", 0 },
        { "rename", "other", { { 0, "buttons\\b.gif", TRUE } }, ".\\tarvex.dat\\buttons\\b.gif", "source", 1 },
        { "copy over", "other", { { 1, NULL, TRUE } }, ".\\tarvex.dat\\buttons\\a.gif", "source", 1 },
        { "use existing", "other", { { 2, NULL, TRUE } }, ".\\tarvex.dat\\buttons\\a.gif", "other", 1 },
        // Closed without an answer: asked again until OK.
        { "closed", "other", { { 0, "x.gif", FALSE }, { 2, NULL, TRUE } }, ".\\tarvex.dat\\buttons\\a.gif",
          "other", 2 },
        { "names refused", "other",
          { { 0, "..\\x.gif", TRUE }, { 0, "C:\\x.gif", TRUE }, { 0, "\\x.gif", TRUE }, { 0, "c.gif", TRUE } },
          ".\\tarvex.dat\\c.gif", "source", 4 },
        { "rename onto a taken name", "other", { { 0, "buttons\\a.gif", TRUE }, { 2, NULL, TRUE } },
          ".\\tarvex.dat\\buttons\\a.gif", "other", 2 },
    };
    for (const Case& c : cases)
    {
        DeleteFileA((data + "buttons\\a.gif").c_str());
        DeleteFileA((data + "buttons\\b.gif").c_str());
        DeleteFileA((data + "c.gif").c_str());
        WriteWholeFile(media.File("buttons\\a.gif"), "source");
        if (c.existing)
        {
            CreateDirectoryA((data + "buttons").c_str(), NULL);
            WriteWholeFile(data + "buttons\\a.gif", c.existing);
            if (std::string(c.existing) == "source")
            {
                SetWriteTime(data + "buttons\\a.gif", 500);
                SetWriteTime(media.File("buttons\\a.gif"), 500);
            }
        }
        g_answers = c.answers;
        g_asked = 0;
        CStr stored = ImportFileIntoProject(media.File("buttons\\a.gif").c_str(), TRUE);
        EXPECT_STREQ(c.stored, stored) << c.what;
        EXPECT_EQ(c.asked, g_asked) << c.what;
        EXPECT_EQ(c.renamedContent, ReadWholeFile(std::string(MakeAbsolutePath(stored)))) << c.what;
    }

    // Without the parent folder; a file already in the data folder, by its
    // absolute path or relative to the document, is not copied again.
    WriteWholeFile(media.File("icon.ico"), "i");
    EXPECT_STREQ(".\\tarvex.dat\\icon.ico", ImportFileIntoProject(media.File("icon.ico").c_str(), FALSE));
    g_asked = 0;
    g_answers.clear();
    EXPECT_STREQ(".\\tarvex.dat\\icon.ico", ImportFileIntoProject((data + "icon.ico").c_str(), TRUE));
    EXPECT_STREQ(".\\tarvex.dat\\icon.ico", ImportFileIntoProject(".\\tarvex.dat\\icon.ico", TRUE));
    EXPECT_EQ(0, g_asked);
    // A relative source is the document folder's, not the current folder's.
    WriteWholeFile(project.File("local.gif"), "l");
    SetCurrentDirectoryA(media.Path().c_str());
    EXPECT_STREQ(".\\tarvex.dat\\local.gif", ImportFileIntoProject("local.gif", FALSE));
    EXPECT_EQ("l", ReadWholeFile(data + "local.gif"));
    // A missing source is kept as given.
    EXPECT_STREQ("D:\\none\\gone.gif", ImportFileIntoProject("D:\\none\\gone.gif", TRUE));
    SetCurrentDirectoryA(TestProgramFolder().c_str());
    SetFileClashAsker(previous);
}

TEST(ProjectFolder, ProjectRelativeNames)
{
    struct Case { const char* path; const char* name; };
    const Case cases[] = {
        { "C:\\media\\buttons\\a.gif", "buttons\\a.gif" },
        { "C:\\a.gif", "a.gif" },
        { "a.gif", "a.gif" },
        { ".\\tarvex.dat\\sub\\a.gif", "sub\\a.gif" },
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.name, MakeProjectRelativePath(c.path)) << c.path;
}

TEST(FileExistsInProject, OnlyOkAnswersTheQuestion)
{
    CFileExistsInProject dialog;
    dialog.m_strSourcePath = "C:\\media\\a.gif";
    dialog.m_strNewName = "a.gif";
    dialog.m_choice = 0;
    std::vector<bool> open;
    auto stillOpen = [&] { open.push_back(IsWindow(dialog.m_hWnd) && IsWindowVisible(dialog.m_hWnd)); };
    INT_PTR result = sheetsteps::RunWithSteps([&] { return dialog.DoModal(); }, {
        // Esc, as the focused control gets it.
        [&] { PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1); },
        [&] { stillOpen(); PostMessageA(dialog.m_hWnd, WM_CLOSE, 0, 0); },
        // The close box and Alt+F4 both come as the close command.
        [&] { stillOpen(); PostMessageA(dialog.m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0); },
        [&] {
            stillOpen();
            SendDlgItemMessageA(dialog.m_hWnd, IDC_CHOICE_USE_EXISTING, BM_CLICK, 0, 0);
            SendMessageA(dialog.m_hWnd, WM_COMMAND, IDOK, 0);
        },
    });
    EXPECT_EQ(std::vector<bool>({ true, true, true }), open);
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(2, dialog.m_choice);
    EXPECT_EQ(std::vector<std::string>(), sheetsteps::Messages());
}

TEST(ProjectFolder, AnActionsFileRenamedAtItsImportIsNotAskedAboutAgain)
{
    MessageRecorder boxes;
    Installation install;
    ScratchDir project, media;
    ASSERT_TRUE(PrepareProjectFolder(project.Path().c_str(), NULL, TRUE));
    SetDocumentFolder(project.File("tarvex.pqz").c_str());
    InstallEditorServices();
    FileClashAsker previous = SetFileClashAsker(ScriptedAsker);
    std::string data = project.File("tarvex.dat\\");
    CreateDirectoryA(media.File("controls").c_str(), NULL);
    CreateDirectoryA((data + "controls").c_str(), NULL);

    CPlaySoundAction sound("Element_1_Script_1_ScriptItem_1");
    CRegisterActiveXAction control("Element_1_Script_1_ScriptItem_2");
    struct Case
    {
        const char* name;
        CScriptItem* action;
        CStr* file;
        const char* key;
        const char* fileName;
    } cases[] = {
        { "Play Sound", &sound, &sound.m_record.path, "path", "chime.wav" },
        { "Register ActiveX", &control, &control.m_record.filename, "Filename", "grid.ocx" },
    };
    for (const Case& c : cases)
    {
        // Another file of that name is in the project already: the author
        // has the new one copied under another name.
        std::string name = std::string("controls\\") + c.fileName;
        std::string renamed = std::string("controls\\new ") + c.fileName;
        WriteWholeFile(media.File(name), "source");
        WriteWholeFile(data + name, "other");
        *c.file = media.File(name).c_str();
        g_answers = { { 0, renamed.c_str(), TRUE } };
        g_asked = 0;
        for (int save = 1; save <= 2; ++save)
        {
            CDataFile file;
            ASSERT_TRUE(c.action->Save(&file)) << c.name;
            CStr stored;
            file.GetString(c.action->m_strSectionName, c.key, stored);
            EXPECT_EQ(".\\tarvex.dat\\" + renamed, std::string(stored)) << c.name << ", save " << save;
        }
        EXPECT_EQ(1, g_asked) << c.name;
        EXPECT_EQ("source", ReadWholeFile(data + renamed)) << c.name;
    }
    SetFileClashAsker(previous);
    RemoveEditorServices();
    SetCurrentDirectoryA(TestProgramFolder().c_str());
    EXPECT_TRUE(boxes.Messages().empty());
}
