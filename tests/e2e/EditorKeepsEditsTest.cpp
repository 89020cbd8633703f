// The installed editor keeps every change of a project written elsewhere:
// saving passes every page through the editor, stored ids stay unless they
// are twins, a rename without undo snapshots keeps the edits before it, an
// element moved to 0 is at 0 when the project is opened again, and a
// damaged archive opens the pages read before the damage.
#include "resources/editor/ObjectPagesIds.h"
#include "resources/editor/TextImagePagesIds.h"
#include "tests/e2e/DialogDriver.h"
#include "tests/e2e/EditorProcess.h"
#include "tests/e2e/PlayerProcess.h"
#include "tests/model/TestControlFixture.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/DataFileText.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

const int kAlignLeftScreen = 32797;
const int kAlignRightScreen = 32796;
const int kObjectProperties = 32781;
// The text sheet's pages: text, colours, alignment, name, size, position.
const int kTextNamePage = 3;
const int kTextPositionPage = 5;

typedef std::vector<std::pair<std::string, std::string> > Pages;   // (data-file name, lines)

CDataFile FileOf(const std::string& name, const std::string& text)
{
    CDataFile file = FileFromText(text);
    file.m_name = name.c_str();
    return file;
}

HTREEITEM Root(HWND tree, int index)
{
    HTREEITEM item = (HTREEITEM)SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    while (item != NULL && index-- > 0)
        item = (HTREEITEM)SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, (LPARAM)item);
    return item;
}

HTREEITEM Child(HWND tree, HTREEITEM parent, int index)
{
    HTREEITEM item = (HTREEITEM)SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, (LPARAM)parent);
    while (item != NULL && index-- > 0)
        item = (HTREEITEM)SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, (LPARAM)item);
    return item;
}

std::vector<std::string> Labels(const std::vector<RemoteTreeItem>& items)
{
    std::vector<std::string> labels;
    for (const RemoteTreeItem& item : items)
        labels.push_back(item.label);
    return labels;
}

class EditorKeepsEdits : public TestControlTest
{
protected:
    void TearDown() override
    {
        if (editor.IsRunning())
            editor.Terminate();
        TestControlTest::TearDown();
    }

    std::string WriteProject(const Pages& pages)
    {
        CDataFileManager archive;
        for (const auto& page : pages)
            *archive.AddFile(page.first.c_str()) = FileOf(page.first, page.second);
        std::string path = scratch.File("tarvex.pqz");
        EXPECT_TRUE(archive.WriteArchive(path.c_str()));
        return path;
    }

    bool Open(const std::string& path)
    {
        return editor.StartAndShow("\"" + path + "\"") && editor.WaitForTitle("tarvex.pqz - Quindle") &&
               editor.WaitForIdle();
    }

    // Selects the tree item as a click on it does.
    void SelectItem(HTREEITEM item)
    {
        ASSERT_TRUE(item != NULL);
        SendMessageA(editor.Tree(), TVM_SELECTITEM, TVGN_CARET, (LPARAM)item);
    }

    // Saves and reads the archive as saved.
    bool SaveAndRead(CDataFileManager& saved)
    {
        if (!editor.SaveAndWait(scratch.File("tarvex.pqz")))
            return false;
        saved.Clear();
        return saved.ReadArchive(scratch.File("tarvex.pqz").c_str()) == TRUE;
    }

    // Opens the selected text's sheet on the page at index.
    HWND OpenTextSheetAt(int page)
    {
        editor.PostCommand(kObjectProperties);
        HWND sheet = WaitForProcessDialog(editor.ProcessId(), NULL, kProgramWaitMs);
        if (sheet != NULL)
            SendMessageA(sheet, PSM_SETCURSEL, page, 0);
        return sheet;
    }

    ScratchDir scratch;
    EditorProcess editor;
};

CStr ValueOf(CDataFileManager& archive, int file, const char* section, const char* key)
{
    CStr value("<none>");
    if (file < archive.GetFileCount())
        archive.GetFile(file)->GetString(section, key, value);
    return value;
}

} // namespace

// A page not visited since opening goes out as the editor loads it now: the
// test control's put named like a drop target makes it "true". Pages only
// passed through keep the screen they were laid out on.
TEST_F(EditorKeepsEdits, SavingFromTheLastPagePassesEveryPageThroughTheEditor)
{
    const std::string path = WriteProject({
        { "tarvex.pgd", "[Main]\nwidth = 320\ntitle = One\nnumElements = 1\nid = One\nheight = 240\n"
                        "xres = 640\nyres = 480\n[Element_1]\nwidth = 40\ntype = Text\ntext = Note\n"
                        "id = Note\nheight = 20\ncursor = hand\n" },
        { "page_2.pgd", "[Main]\nyres = 600\nxres = 800\nwidth = 320\ntitle = Two\nnumElements = 1\n"
                        "id = Two\nheight = 240\n[Element_1]\nwidth = 100\ntype = ActiveX\n"
                        "progID = LumbrookTest.Plain\nid = Plain\nheight = 50\ndropTarget = false\n"
                        "CLSID = {C651C94F-FDF7-4077-813A-891E22B8A1C0}\n" },
        { "page_3.pgd", "[Main]\nwidth = 320\ntitle = Three\nnumElements = 1\nid = Three\nheight = 240\n"
                        "[Element_1]\ntype = Text\ntext = End\nid = End\n" },
    });
    ASSERT_TRUE(Open(path));
    EXPECT_EQ(std::vector<std::string>({ "One", "Two", "Three" }), Labels(ReadTreeItems(editor.Tree())));
    SelectItem(Root(editor.Tree(), 2));

    CDataFileManager saved;
    ASSERT_TRUE(SaveAndRead(saved));
    ASSERT_EQ(3, saved.GetFileCount());
    EXPECT_STREQ("true", ValueOf(saved, 1, "Element_1", "dropTarget"));
    EXPECT_STREQ("hand", ValueOf(saved, 0, "Element_1", "cursor"));
    EXPECT_STREQ("640", ValueOf(saved, 0, "Main", "xres"));
    EXPECT_STREQ("480", ValueOf(saved, 0, "Main", "yres"));
    EXPECT_STREQ("800", ValueOf(saved, 1, "Main", "xres"));
    EXPECT_STREQ("600", ValueOf(saved, 1, "Main", "yres"));
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    EXPECT_EQ(std::to_string(desktop.right - desktop.left), ValueOf(saved, 2, "Main", "xres").c_str());
    // The third page is still the current one (image 14), the others not.
    std::vector<RemoteTreeItem> roots = ReadTreeItems(editor.Tree());
    ASSERT_EQ(3u, roots.size());
    EXPECT_EQ(15, roots[0].image);
    EXPECT_EQ(15, roots[1].image);
    EXPECT_EQ(14, roots[2].image);
    EXPECT_TRUE(editor.Close());
}

// Stored twins are told apart; an id that only begins with an earlier one
// keeps its name, so the Set Property that names it still names it.
TEST_F(EditorKeepsEdits, OnlyTwinIdsAreRenamed)
{
    std::string page = "[Main]\nid = Home\nwidth = 320\nheight = 240\nnumElements = 4\n";
    const char* ids[] = { "Twin", "Twin", "Button1", "Button" };
    for (int i = 0; i < 4; ++i)
        page += "[Element_" + std::to_string(i + 1) + "]\ntype = Text\ntext = x\nid = " + ids[i] + "\n" +
                (i == 2 ? "numScripts = 1\n" : "");
    page += "[Element_3_Script_1]\nname = OnMouseDown\nnumScriptItems = 1\n"
            "[Element_3_Script_1_ScriptItem_1]\nname = SetProperty\ncontrolId = Button\n"
            "property = text\nvariableName = \nvalueType = 8\nvalue = pressed\n";
    const std::string path = WriteProject({ { "tarvex.pgd", page } });
    ASSERT_TRUE(Open(path));
    std::vector<RemoteTreeItem> roots = ReadTreeItems(editor.Tree());
    ASSERT_EQ(1u, roots.size());
    // The topmost element first.
    EXPECT_EQ(std::vector<std::string>({ "Button", "Button1", "Twin1", "Twin" }), Labels(roots[0].children));

    SelectItem(Child(editor.Tree(), Root(editor.Tree(), 0), 2));
    editor.PostCommand(kAlignLeftScreen);
    ASSERT_TRUE(WaitUntil([&] { return editor.SaveEnabled(); }));
    CDataFileManager saved;
    ASSERT_TRUE(SaveAndRead(saved));
    EXPECT_STREQ("Twin", ValueOf(saved, 0, "Element_1", "id"));
    EXPECT_STREQ("Twin1", ValueOf(saved, 0, "Element_2", "id"));
    EXPECT_STREQ("Button1", ValueOf(saved, 0, "Element_3", "id"));
    EXPECT_STREQ("Button", ValueOf(saved, 0, "Element_4", "id"));
    EXPECT_STREQ("Button", ValueOf(saved, 0, "Element_3_Script_1_ScriptItem_1", "controlId"));
    EXPECT_TRUE(editor.Close());
}

// With undo levels 0 no snapshot writes the page into its data file; the
// rename's reload from it keeps the new name and the edit made before.
TEST_F(EditorKeepsEdits, ARenameWithoutUndoKeepsTheRenameAndTheEditsBeforeIt)
{
    const std::string settings = std::string(kEditorSettingsKey) + "\\Settings";
    HKEY key = NULL;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, settings.c_str(), 0, NULL, 0, KEY_SET_VALUE,
                                             NULL, &key, NULL));
    RegSetValueExA(key, "UndoLevels", 0, REG_SZ, (const BYTE*)"0", 2);
    struct Restore
    {
        HKEY key;
        ~Restore()
        {
            RegDeleteValueA(key, "UndoLevels");
            RegCloseKey(key);
        }
    } restore = { key };

    const std::string path = WriteProject({ { "tarvex.pgd",
        "[Main]\nid = Home\nwidth = 320\nheight = 240\nnumElements = 2\n"
        "[Element_1]\ntype = Text\ntext = Caller\nid = Caller\nxpos = 30\nwidth = 40\nheight = 20\nnumScripts = 1\n"
        "[Element_1_Script_1]\nname = OnMouseDown\nnumScriptItems = 1\n"
        "[Element_1_Script_1_ScriptItem_1]\nname = SetProperty\ncontrolId = Label\n"
        "property = text\nvariableName = \nvalueType = 8\nvalue = pressed\n"
        "[Element_2]\ntype = Text\ntext = Label\nid = Label\nypos = 50\nwidth = 40\nheight = 20\n" } });
    ASSERT_TRUE(Open(path));
    HWND tree = editor.Tree();
    // The topmost element first: Label, then Caller.
    SelectItem(Child(tree, Root(tree, 0), 1));
    editor.PostCommand(kAlignRightScreen);
    ASSERT_TRUE(WaitUntil([&] { return editor.SaveEnabled(); }));
    SelectItem(Child(tree, Root(tree, 0), 0));

    HWND sheet = OpenTextSheetAt(kTextNamePage);
    ASSERT_TRUE(sheet != NULL);
    HWND namePage = SheetCurrentPage(sheet);
    EXPECT_EQ("Label", DialogItemText(namePage, IDC_OBJ_NAME));
    ASSERT_TRUE(TypeKeysInto(namePage, IDC_OBJ_NAME, "Caption"));
    ASSERT_TRUE(PressSheetButton(sheet, PSBTN_OK));
    ASSERT_TRUE(WaitUntilGone(sheet, kProgramWaitMs));

    CDataFileManager saved;
    ASSERT_TRUE(SaveAndRead(saved));
    EXPECT_STREQ("Caption", ValueOf(saved, 0, "Element_2", "id"));
    EXPECT_STREQ("Caption", ValueOf(saved, 0, "Element_1_Script_1_ScriptItem_1", "controlId"));
    EXPECT_STREQ("280", ValueOf(saved, 0, "Element_1", "xpos"));
    EXPECT_EQ(std::vector<std::string>({ "Caption", "Caller" }), Labels(ReadTreeItems(tree)[0].children));
    EXPECT_TRUE(editor.Close());
}

// A stored key the element's Load reads is never kept: moved from -5 to 0,
// the element stores no position and is at 0 when the project opens again.
TEST_F(EditorKeepsEdits, AnElementMovedToZeroIsAtZeroWhenTheProjectOpensAgain)
{
    const std::string path = WriteProject({ { "tarvex.pgd",
        "[Main]\nid = Home\nwidth = 320\nheight = 240\nnumElements = 1\n"
        "[Element_1]\ntype = Text\ntext = Note\nid = Note\nxpos = -5\nypos = 10\nwidth = 40\nheight = 20\n"
        "cursor = hand\n" } });
    ASSERT_TRUE(Open(path));
    SelectItem(Child(editor.Tree(), Root(editor.Tree(), 0), 0));
    editor.PostCommand(kAlignLeftScreen);
    ASSERT_TRUE(WaitUntil([&] { return editor.SaveEnabled(); }));
    CDataFileManager saved;
    ASSERT_TRUE(SaveAndRead(saved));
    EXPECT_STREQ("<none>", ValueOf(saved, 0, "Element_1", "xpos"));
    EXPECT_STREQ("10", ValueOf(saved, 0, "Element_1", "ypos"));
    EXPECT_STREQ("hand", ValueOf(saved, 0, "Element_1", "cursor"));
    ASSERT_TRUE(editor.Close());

    EditorProcess again;
    ASSERT_TRUE(again.StartAndShow("\"" + path + "\"") && again.WaitForTitle("tarvex.pqz - Quindle") &&
                again.WaitForIdle());
    SendMessageA(again.Tree(), TVM_SELECTITEM, TVGN_CARET, (LPARAM)Child(again.Tree(), Root(again.Tree(), 0), 0));
    again.PostCommand(kObjectProperties);
    HWND sheet = WaitForProcessDialog(again.ProcessId(), NULL, kProgramWaitMs);
    ASSERT_TRUE(sheet != NULL);
    SendMessageA(sheet, PSM_SETCURSEL, kTextPositionPage, 0);
    HWND positionPage = SheetCurrentPage(sheet);
    EXPECT_EQ("0", DialogItemText(positionPage, IDC_POS_X));
    EXPECT_EQ("10", DialogItemText(positionPage, IDC_POS_Y));
    ASSERT_TRUE(PressSheetButton(sheet, PSBTN_CANCEL));
    ASSERT_TRUE(WaitUntilGone(sheet, kProgramWaitMs));
    EXPECT_TRUE(again.Close());
}

// Commands that reach the editor while a text's sheet is open (a Cut, a
// Delete, an Undo, another page chosen in the tree) leave that text alone:
// the sheet writes into it as it closes, and the text holds what was typed.
TEST_F(EditorKeepsEdits, CommandsReachingTheEditorWhileATextsSheetIsOpenLeaveTheText)
{
    const int kCut = 57635, kDelete = 32780, kUndo = 57643;
    const std::string path = WriteProject({ { "tarvex.pgd",
        "[Main]\nid = Home\nwidth = 320\nheight = 240\nnumElements = 1\n"
        "[Element_1]\ntype = Text\ntext = Note\nid = Note\nxpos = 5\nypos = 10\nwidth = 60\nheight = 20\n" },
        { "page_2.pgd", "[Main]\nid = Second\nwidth = 320\nheight = 240\nnumElements = 0\n" } });
    ASSERT_TRUE(Open(path));
    SelectItem(Child(editor.Tree(), Root(editor.Tree(), 0), 0));
    // A move first, so that an Undo would have something to undo.
    editor.PostCommand(kAlignRightScreen);
    ASSERT_TRUE(WaitUntil([&] { return editor.SaveEnabled(); }));
    HWND sheet = OpenTextSheetAt(0);
    ASSERT_TRUE(sheet != NULL);
    ASSERT_TRUE(TypeKeysInto(SheetCurrentPage(sheet), IDC_TEXT_EDIT, "Kept"));
    for (int command : { kCut, kDelete, kUndo })
    {
        editor.PostCommand(command);
        ASSERT_TRUE(editor.Answers() && editor.Answers());
    }
    // The tree posts the page change to itself: the second answer comes
    // after the editor has taken it.
    SendMessageA(editor.Tree(), TVM_SELECTITEM, TVGN_CARET, (LPARAM)Root(editor.Tree(), 1));
    ASSERT_TRUE(editor.Answers() && editor.Answers());
    ASSERT_TRUE(IsWindow(sheet));
    ASSERT_TRUE(PressSheetButton(sheet, PSBTN_OK));
    ASSERT_TRUE(WaitUntilGone(sheet, kProgramWaitMs));
    ASSERT_TRUE(editor.IsRunning());

    CDataFileManager saved;
    ASSERT_TRUE(SaveAndRead(saved));
    EXPECT_STREQ("Note", ValueOf(saved, 0, "Element_1", "id"));
    EXPECT_STREQ("Kept", ValueOf(saved, 0, "Element_1", "text"));
    EXPECT_STRNE("5", ValueOf(saved, 0, "Element_1", "xpos"));
    EXPECT_TRUE(editor.Close());
}

// The pages before the damage open, after a word of what was lost.
TEST_F(EditorKeepsEdits, ADamagedArchiveOpensThePagesReadBeforeTheDamage)
{
    const std::string path = scratch.File("tarvex.pqz");
    std::string bytes = "QNDL";
    const char* titles[] = { "One", "Two" };
    for (int i = 0; i < 2; ++i)
    {
        CDataFile page = FileOf(i == 0 ? "tarvex.pgd" : "page_2.pgd",
                                std::string("[Main]\nid = ") + titles[i] + "\nwidth = 320\nheight = 240\n"
                                "numElements = 1\n[Element_1]\ntype = Text\ntext = t\nid = T\n");
        bytes += RecordBytes("PGD", page.m_name.c_str(), Content(Lines(page)));
    }
    WriteCompressed(path, bytes + "ZZZ");
    ExpectBox("The project file is damaged: only its first 2 pages could be read.");
    ASSERT_TRUE(Open(path));
    std::vector<RemoteTreeItem> roots = ReadTreeItems(editor.Tree());
    EXPECT_EQ(std::vector<std::string>({ "One", "Two" }), Labels(roots));
    ASSERT_FALSE(roots.empty());
    EXPECT_EQ(std::vector<std::string>({ "T" }), Labels(roots[0].children));
    EXPECT_TRUE(editor.Close());
}
