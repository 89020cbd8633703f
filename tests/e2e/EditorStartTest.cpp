// The editor started from the installed layout: its frame, toolbar, status
// bar and object tree, its AppID switches, its shell registration and its
// recent-file list.
#include "tests/e2e/EditorProcess.h"
#include "tests/e2e/PlayerProcess.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char kAppIdKey[] = "AppID\\{B1EAA227-0E90-11D3-B0C4-0050043A2F5B}";
const char kAppIdExeKey[] = "AppID\\LumbrookConfig.EXE";

// Toolbar commands (0 a separator) in slot order, and whether each is
// enabled with no project open, and with a project just opened (unchanged,
// nothing selected).
struct Slot
{
    int command;
    bool enabledWithoutProject;
    bool enabledWithProject;
};
const Slot kToolbar[] = {
    { 32771, true, true },   { 57601, true, true },   { 57603, false, false }, { 0, false, false },
    { 57635, false, false }, { 57634, false, false }, { 57637, false, false }, { 0, false, false },
    { 32775, false, true },  { 57645, false, true },  { 57646, false, true },  { 57647, false, true },
    { 0, false, false },     { 57648, false, true },
};
const int kSlots = sizeof(kToolbar) / sizeof(kToolbar[0]);

// The frame updates its buttons when it is idle: wait for the states.
bool WaitForToolbarStates(HWND toolbar, bool withProject, std::vector<RemoteToolbarButton>& buttons)
{
    DWORD start = GetTickCount();
    for (;;)
    {
        buttons = ReadToolbarButtons(toolbar);
        bool settled = (int)buttons.size() == kSlots;
        for (int i = 0; settled && i < kSlots; ++i)
        {
            bool enabled = withProject ? kToolbar[i].enabledWithProject : kToolbar[i].enabledWithoutProject;
            if (kToolbar[i].command != 0 && buttons[i].IsEnabled() != enabled)
                settled = false;
        }
        if (settled || GetTickCount() - start > kProgramWaitMs)
            return settled;
        Sleep(20);
    }
}

std::string Default(const char* key)
{
    std::string text = "<none>";
    ReadRegistryString(HKEY_CLASSES_ROOT, key, NULL, text);
    return text;
}

// A project whose pages hold one text element each, with the element's id
// as the page's title; the first element answers OnMouseDown with a script
// when asked to.
std::string WriteProject(const ScratchDir& scratch, const std::vector<const char*>& elementIds,
                         bool firstWithScript = false)
{
    ProjectArchive project;
    for (size_t i = 0; i < elementIds.size(); ++i)
    {
        std::string name = i == 0 ? "tarvex.pgd" : "page_" + std::to_string(i + 1) + ".pgd";
        CDataFile* page = project.AddPage(name, elementIds[i]);
        page->SetInt("Main", "numElements", 1);
        page->SetString("Element_1", "type", "Text");
        page->SetString("Element_1", "id", elementIds[i]);
        page->SetString("Element_1", "text", elementIds[i]);
        if (i == 0 && firstWithScript)
        {
            page->SetInt("Element_1", "numScripts", 1);
            page->SetString("Element_1_Script_1", "name", "OnMouseDown");
            page->SetInt("Element_1_Script_1", "numScriptItems", 0);
        }
    }
    std::string path = scratch.File("tarvex.pqz");
    return project.Write(path) ? path : std::string();
}

std::string WriteTwoPageProject(const ScratchDir& scratch)
{
    return WriteProject(scratch, { "Greeting", "Farewell" });
}

} // namespace

TEST(EditorStart, ShowsAnUntitledFrameWithToolbarStatusBarAndTree)
{
    EditorProcess editor;
    ASSERT_TRUE(editor.StartAndShow());
    EXPECT_TRUE(editor.WaitForTitle("Untitled - Quindle")) << editor.Title();

    HWND toolbar = editor.Toolbar();
    ASSERT_TRUE(toolbar != NULL);
    std::vector<RemoteToolbarButton> buttons;
    EXPECT_TRUE(WaitForToolbarStates(toolbar, false, buttons));
    ASSERT_EQ(kSlots, (int)buttons.size());
    for (int i = 0; i < kSlots; ++i)
    {
        if (kToolbar[i].command == 0)
        {
            EXPECT_TRUE(buttons[i].IsSeparator()) << "slot " << i;
            continue;
        }
        EXPECT_EQ(kToolbar[i].command, buttons[i].command) << "slot " << i;
        EXPECT_EQ(kToolbar[i].enabledWithoutProject, buttons[i].IsEnabled()) << "slot " << i;
    }

    HWND status = editor.StatusBar();
    ASSERT_TRUE(status != NULL);
    EXPECT_EQ(4u, ReadStatusPanes(status).size());

    HWND tree = editor.Tree();
    ASSERT_TRUE(tree != NULL);
    EXPECT_TRUE(IsWindowVisible(tree));
    EXPECT_TRUE(ReadTreeItems(tree).empty());
    EXPECT_TRUE(editor.Messages().empty());
    EXPECT_TRUE(editor.Close());
}

TEST(EditorStart, RegistrationSwitchesWriteOrRemoveTheAppIdAndEnd)
{
    struct Case
    {
        const char* arguments;
        bool isSwitch;
        bool registeredAfter;
    };
    const Case cases[] = {
        { "/RegServer", true, true },
        { "/UnregServer", true, false },
        { "-regserver", true, true },
        { "-UNREGSERVER", true, false },
        // A switch counts only when nothing follows it.
        { "/RegServer now", false, false },
        { "/UnregServer now", false, false },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.arguments);
        EditorProcess editor;
        ASSERT_TRUE(editor.Start(EditorExePath(), c.arguments));
        if (c.isSwitch)
        {
            EXPECT_TRUE(editor.WaitForExit());
            EXPECT_FALSE(editor.SawVisibleWindow());
        }
        else
        {
            EXPECT_TRUE(editor.WaitForWindow(true) != NULL);
            EXPECT_TRUE(editor.Close());
        }
        EXPECT_EQ(c.registeredAfter ? "LumbrookConfig" : "<none>", Default(kAppIdKey));
        std::string appId = "<none>";
        ReadRegistryString(HKEY_CLASSES_ROOT, kAppIdExeKey, "AppID", appId);
        EXPECT_EQ(c.registeredAfter ? "{B1EAA227-0E90-11D3-B0C4-0050043A2F5B}" : "<none>", appId);
        // The key that holds every program's AppID is never removed.
        EXPECT_TRUE(RegistryKeyExists(HKEY_CLASSES_ROOT, "AppID"));
    }
}

TEST(EditorStart, RegistersTheProjectFileTypeWithTheShell)
{
    EditorProcess editor;
    ASSERT_TRUE(editor.StartAndShow());
    EXPECT_TRUE(editor.Close());
    EXPECT_EQ("QNDL.Document", Default(".pqz"));
    EXPECT_EQ("QNDL Document", Default("QNDL.Document"));
    std::string open = Default("QNDL.Document\\shell\\open\\command");
    EXPECT_NE(std::string::npos, open.find("LumbrookConfig.exe")) << open;
    EXPECT_NE(std::string::npos, open.find("\"%1\"")) << open;
    EXPECT_FALSE(RegistryKeyExists(HKEY_CLASSES_ROOT, "QNDL.Document\\shell\\open\\ddeexec"));
}

TEST(EditorStart, OpensTheProjectNamedOnTheCommandLineAndRemembersIt)
{
    ScratchDir scratch;
    std::string project = WriteTwoPageProject(scratch);
    ASSERT_FALSE(project.empty());
    std::string recent = std::string(kEditorSettingsKey) + "\\Recent File List";
    DeleteRegistryTree(HKEY_CURRENT_USER, recent.c_str());

    EditorProcess editor;
    ASSERT_TRUE(editor.StartAndShow("\"" + project + "\""));
    EXPECT_TRUE(editor.WaitForTitle("tarvex.pqz - Quindle")) << editor.Title();
    // Both pages, the current one with its element under it.
    std::vector<RemoteTreeItem> items = ReadTreeItems(editor.Tree());
    ASSERT_EQ(2u, items.size());
    ASSERT_EQ(1u, items[0].children.size());
    EXPECT_EQ("Greeting", items[0].children[0].label);
    EXPECT_TRUE(items[1].children.empty());
    std::vector<RemoteToolbarButton> buttons;
    EXPECT_TRUE(WaitForToolbarStates(editor.Toolbar(), true, buttons));
    EXPECT_TRUE(editor.Close());

    std::string first = "<none>";
    ReadRegistryString(HKEY_CURRENT_USER, recent.c_str(), "File1", first);
    EXPECT_EQ(0, lstrcmpiA(project.c_str(), first.c_str())) << first;
}

TEST(EditorStart, ChoosingAnotherPageInTheTreeMakesItCurrent)
{
    ScratchDir scratch;
    std::string project = WriteTwoPageProject(scratch);
    ASSERT_FALSE(project.empty());
    EditorProcess editor;
    ASSERT_TRUE(editor.StartAndShow("\"" + project + "\""));
    ASSERT_TRUE(editor.WaitForTitle("tarvex.pqz - Quindle"));
    HWND tree = editor.Tree();
    HTREEITEM first = (HTREEITEM)SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    HTREEITEM second = (HTREEITEM)SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, (LPARAM)first);
    ASSERT_TRUE(second != NULL);
    // The tree is rebuilt after its selection notification has returned.
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, (LPARAM)second);
    std::vector<RemoteTreeItem> items;
    DWORD start = GetTickCount();
    do
    {
        Sleep(20);
        items = ReadTreeItems(tree);
    } while (!(items.size() == 2 && items[0].children.empty() && items[1].children.size() == 1) &&
             GetTickCount() - start < kProgramWaitMs);
    ASSERT_EQ(2u, items.size());
    EXPECT_TRUE(items[0].children.empty());
    ASSERT_EQ(1u, items[1].children.size());
    EXPECT_EQ("Farewell", items[1].children[0].label);
    EXPECT_TRUE(items[1].selected);
    EXPECT_TRUE(editor.Messages().empty());
    // The page change took an undo snapshot, which marks the project changed.
    ExpectBox("Save changes to tarvex.pqz?");
    EXPECT_TRUE(editor.Close());
}

TEST(EditorStart, AProjectThatCannotBeOpenedEndsTheProgramWithItsMessage)
{
    ScratchDir scratch;
    std::string notQndl = scratch.File("other.pqz");
    WriteWholeFile(notQndl, "not an archive");
    struct Case
    {
        std::string path;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        { scratch.File("missing.pqz"), "The file you are trying to open does not exist!",
          "Error\tThe file you are trying to open does not exist!\t0" },
        { notQndl, "You are trying to open a non-QNDL file!", "Error\tYou are trying to open a non-QNDL file!\t0" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.path);
        ExpectBox(c.text);
        EditorProcess editor;
        ASSERT_TRUE(editor.Start(EditorExePath(), "\"" + c.path + "\""));
        EXPECT_TRUE(editor.WaitForExit());
        std::vector<std::string> messages = editor.Messages();
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(c.message, messages[0]);
    }
}

TEST(EditorStart, DoubleClickingATreeItemDoesNotFoldIt)
{
    ScratchDir scratch;
    std::string path = WriteProject(scratch, { "Scripted" }, true);
    ASSERT_FALSE(path.empty());

    EditorProcess editor;
    ASSERT_TRUE(editor.StartAndShow("\"" + path + "\""));
    ASSERT_TRUE(editor.WaitForTitle("tarvex.pqz - Quindle"));
    HWND tree = editor.Tree();
    HTREEITEM root = (HTREEITEM)SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    HTREEITEM element = (HTREEITEM)SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, (LPARAM)root);
    ASSERT_TRUE(element != NULL);
    ASSERT_TRUE(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, (LPARAM)element) != 0);
    // Chosen in the tree, the element is selected in the document, whose
    // selection hint unfolds its item.
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, (LPARAM)element);
    auto expanded = [&]() { return (SendMessageA(tree, TVM_GETITEMSTATE, (WPARAM)element, TVIS_EXPANDED) & TVIS_EXPANDED) != 0; };
    DWORD start = GetTickCount();
    while (!expanded() && GetTickCount() - start < kProgramWaitMs)
        Sleep(20);
    ASSERT_TRUE(expanded());

    RECT label = ReadTreeItemRect(tree, element);
    ASSERT_LT(label.left, label.right);
    POINT point = { (label.left + label.right) / 2, (label.top + label.bottom) / 2 };
    ClientToScreen(tree, &point);
    {
        PointerRestorer restore;
        SendPointerInput(point.x, point.y);
        for (int click = 0; click < 2; ++click)
        {
            SendPointerInput(point.x, point.y, MOUSEEVENTF_LEFTDOWN);
            SendPointerInput(point.x, point.y, MOUSEEVENTF_LEFTUP);
        }
    }
    // Input goes through the program's queue before a sent message is
    // answered; the posted Properties command comes after it.
    EXPECT_TRUE(editor.Answers());
    EXPECT_TRUE(editor.Answers());
    EXPECT_EQ(element, (HTREEITEM)SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    // Handled by the tree (Properties), the double-click does not fold it.
    EXPECT_TRUE(expanded());
    EXPECT_TRUE(editor.IsRunning());
    EXPECT_TRUE(editor.Close());
}

TEST(EditorStart, APictureLibraryMissingAtItsFirstCallEndsTheProgramWithItsMessage)
{
    // The editor takes each picture library at its first picture of that
    // kind: a copy of the installed program without it starts, and ends
    // with its message when the project's first page holds such a picture.
    struct Case
    {
        const char* missing;
        const char* kept;
        const char* picture;
    };
    const Case cases[] = {
        { "giflib32.dll", "ijl10.dll", "picture.gif" },
        { "ijl10.dll", "giflib32.dll", "picture.jpg" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.missing);
        ScratchDir scratch;
        std::string bin = scratch.File("Bin\\");
        ASSERT_TRUE(CreateDirectoryA(bin.c_str(), NULL));
        for (const char* file : { "LumbrookConfig.exe", "msvcrt.dll", c.kept })
            ASSERT_TRUE(CopyFileA((LumbrookBinFolder() + file).c_str(), (bin + file).c_str(), FALSE)) << file;
        ProjectArchive project;
        CDataFile* page = project.AddPage("tarvex.pgd", "Pictures");
        page->SetInt("Main", "numElements", 1);
        page->SetString("Element_1", "type", "Image");
        page->SetString("Element_1", "id", "Picture");
        page->SetString("Element_1", "src", c.picture);
        std::string archive = scratch.File("tarvex.pqz");
        ASSERT_TRUE(project.Write(archive));

        std::string message = std::string("LumbrookConfig cannot go on: it did not find ") + c.missing +
                              ". Installing LumbrookConfig again puts it back in place.";
        ExpectBox(message);
        EditorProcess editor;
        ASSERT_TRUE(editor.Start(bin + "LumbrookConfig.exe", "\"" + archive + "\""));
        EXPECT_TRUE(editor.WaitForExit());
        EXPECT_EQ(3u, editor.ExitCode());
        std::vector<std::string> messages = editor.Messages();
        ASSERT_EQ(1u, messages.size());
        EXPECT_EQ("LumbrookConfig\t" + message + "\t" + std::to_string(MB_OK | MB_ICONSTOP | MB_TASKMODAL),
                  messages[0]);
    }
}
