// The editor's pages typed into as a person types, key by key, on the
// running editor: a Play Sound action made through the item picker and
// saved, the AutoRun icon field, the size page's width with the aspect
// ratio kept, the image wizard's system button, and the page's own sheet
// from the tree item chosen since opening. No box shows unless a
// case names it (the box rule reads the editor's message log).
#include "model/ImageElement.h"
#include "model/store/DataFileManager.h"
#include "platform/framework/AfxRes.h"
#include "resources/LumbrookConfigIds.h"
#include "resources/editor/ActionPagesAIds.h"
#include "resources/editor/ActionPagesBIds.h"
#include "resources/editor/ObjectPagesIds.h"
#include "resources/editor/PagePagesIds.h"
#include "resources/editor/TextImagePagesIds.h"
#include "tests/e2e/DialogDriver.h"
#include "tests/e2e/EditorProcess.h"
#include "tests/e2e/PlayerProcess.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const int kFinishButton = 0x3025;

// A project of one page holding the text element "Caption" at (20, 30),
// 100 x 40, with an empty OnMouseDown script.
std::string WriteProject(const ScratchDir& scratch)
{
    ProjectArchive project;
    CDataFile* page = project.AddPage("tarvex.pgd", "Typing");
    page->SetInt("Main", "numElements", 1);
    page->SetString("Element_1", "type", "Text");
    page->SetString("Element_1", "id", "Caption");
    page->SetString("Element_1", "text", "Caption");
    page->SetInt("Element_1", "xpos", 20);
    page->SetInt("Element_1", "ypos", 30);
    page->SetInt("Element_1", "width", 100);
    page->SetInt("Element_1", "height", 40);
    page->SetInt("Element_1", "numScripts", 1);
    page->SetString("Element_1_Script_1", "name", "OnMouseDown");
    page->SetInt("Element_1_Script_1", "numScriptItems", 0);
    std::string path = scratch.File("tarvex.pqz");
    return project.Write(path) ? path : std::string();
}

// The editor with the project open, and the tree item of the page, of its
// element and of the element's script.
class EditorTyping : public ::testing::Test
{
protected:
    void SetUp() override
    {
        archive = WriteProject(scratch);
        ASSERT_FALSE(archive.empty());
        ASSERT_TRUE(editor.StartAndShow("\"" + archive + "\""));
        ASSERT_TRUE(editor.WaitForTitle("tarvex.pqz - Quindle"));
    }

    HTREEITEM Item(int depth)
    {
        HWND tree = editor.Tree();
        HTREEITEM item = (HTREEITEM)SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
        for (int i = 0; i < depth && item != NULL; ++i)
            item = (HTREEITEM)SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, (LPARAM)item);
        return item;
    }

    // Clicks the item in the object tree and waits until the editor has
    // taken the click.
    void Choose(HTREEITEM item)
    {
        ASSERT_TRUE(ClickTreeItem(editor.Tree(), item));
        ASSERT_TRUE(editor.Answers() && editor.Answers());
    }

    // The sheet a command opens, once its current page holds the control.
    HWND OpenSheet(int command, int controlId)
    {
        EXPECT_TRUE(editor.PostCommand(command));
        return WaitForSheetShowing(editor.ProcessId(), controlId, kProgramWaitMs);
    }

    // The Properties sheet of the tree item at depth, on the page that
    // holds the controls.
    HWND PropertiesPage(int depth, HWND& sheet, std::initializer_list<int> controlIds)
    {
        Choose(Item(depth));
        EXPECT_TRUE(editor.PostCommand(ID_OBJECT_PROPERTIES));
        sheet = WaitForProcessDialog(editor.ProcessId(), NULL, kProgramWaitMs);
        return sheet != NULL ? ShowSheetPageWith(sheet, controlIds) : NULL;
    }

    void CancelSheet(HWND sheet)
    {
        ASSERT_TRUE(PressSheetButton(sheet, PSBTN_CANCEL));
        ASSERT_TRUE(WaitUntilGone(sheet, kProgramWaitMs));
    }

    // Saves through the Save command and reads the archive once the
    // editor has saved it.
    bool SaveAndRead(CDataFileManager& saved)
    {
        return editor.SaveAndWait(archive) && saved.ReadArchive(archive.c_str()) && saved.GetFileCount() > 0;
    }

    static std::string KeyOf(CDataFileManager& saved, const std::string& section, const char* key)
    {
        CStr value("<none>");
        saved.GetFile(0)->GetString(section.c_str(), key, value);
        return value.c_str();
    }

    ScratchDir scratch;
    std::string archive;
    EditorProcess editor;
};

bool Enabled(HWND dialog, int id)
{
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

} // namespace

TEST_F(EditorTyping, APlaySoundMadeThroughThePickerIsSavedWithItsImportedPath)
{
    ScratchDir media;
    const std::string wave = media.File("chime.wav");
    // Its name in the data folder keeps the folder it came from.
    std::string folder = media.Path().substr(0, media.Path().size() - 1);
    const std::string stored = folder.substr(folder.find_last_of('\\') + 1) + "\\chime.wav";
    WriteWholeFile(wave, "RIFF");
    Choose(Item(2));
    HWND picker = OpenSheet(ID_NEW_SCRIPT_ITEM, IDC_SCRIPT_ITEM_LIST);
    ASSERT_TRUE(picker != NULL);
    HWND list = GetDlgItem(SheetCurrentPage(picker), IDC_SCRIPT_ITEM_LIST);
    std::vector<std::string> lines = ListBoxLines(list);
    auto playSound = std::find(lines.begin(), lines.end(), "Play Sound");
    ASSERT_NE(lines.end(), playSound);
    SendMessageA(list, LB_SETCURSEL, (WPARAM)(playSound - lines.begin()), 0);
    PostMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(IDC_SCRIPT_ITEM_LIST, LBN_DBLCLK), (LPARAM)list);

    HWND sheet = WaitForSheetShowing(editor.ProcessId(), IDC_SOUND_PATH, kProgramWaitMs);
    ASSERT_TRUE(sheet != NULL);
    HWND page = SheetCurrentPage(sheet);
    ASSERT_TRUE(editor.Answers());
    // The page opens with Play off and without a box.
    EXPECT_FALSE(Enabled(page, IDC_SOUND_PLAY));
    EXPECT_TRUE(editor.Messages().empty());
    ASSERT_TRUE(TypeKeysInto(page, IDC_SOUND_PATH, wave));
    EXPECT_EQ(wave, DialogItemText(page, IDC_SOUND_PATH));
    EXPECT_TRUE(Enabled(page, IDC_SOUND_PLAY));
    ASSERT_TRUE(PressSheetButton(sheet, PSBTN_OK));
    ASSERT_TRUE(WaitUntilGone(sheet, kProgramWaitMs));
    // The picker says "Done" now.
    CancelSheet(picker);

    CDataFileManager saved;
    ASSERT_TRUE(SaveAndRead(saved));
    const std::string item = "Element_1_Script_1_ScriptItem_1";
    EXPECT_EQ(".\\tarvex.dat\\" + stored, KeyOf(saved, item, "path"));
    EXPECT_EQ("PlaySound", KeyOf(saved, item, "name"));
    EXPECT_EQ("RIFF", ReadWholeFile(scratch.File("tarvex.dat\\" + stored)));
    EXPECT_TRUE(editor.Close());
}

TEST_F(EditorTyping, TheAutoRunIconTypedFromEmptyShowsNoBox)
{
    HWND sheet = NULL;
    HWND page = PropertiesPage(0, sheet, { IDC_INF_ICON_FILE, IDC_INF_LABEL1 });
    ASSERT_TRUE(page != NULL);
    ASSERT_TRUE(TypeKeysInto(page, IDC_INF_ICON_FILE, ""));
    for (const char* key : { "a", "b", ".", "i", "c", "o" })
        ASSERT_TRUE(TypeKeysInto(page, IDC_INF_ICON_FILE, key, false)) << key;
    EXPECT_EQ("ab.ico", DialogItemText(page, IDC_INF_ICON_FILE));
    ASSERT_TRUE(editor.Answers());
    EXPECT_TRUE(editor.Messages().empty());
    CancelSheet(sheet);
    EXPECT_TRUE(editor.Close());
}

TEST_F(EditorTyping, TheWidthTypedWithTheAspectRatioKeptSetsTheHeight)
{
    HWND sheet = NULL;
    HWND page = PropertiesPage(1, sheet, { IDC_SIZE_WIDTH, IDC_SIZE_HEIGHT, IDC_SIZE_ASPECT });
    ASSERT_TRUE(page != NULL);
    EXPECT_EQ("100", DialogItemText(page, IDC_SIZE_WIDTH));
    EXPECT_EQ("40", DialogItemText(page, IDC_SIZE_HEIGHT));
    ASSERT_TRUE(ClickDialogButton(page, IDC_SIZE_ASPECT));
    ASSERT_TRUE(TypeKeysInto(page, IDC_SIZE_WIDTH, "150"));
    EXPECT_EQ("150", DialogItemText(page, IDC_SIZE_WIDTH));
    EXPECT_EQ("60", DialogItemText(page, IDC_SIZE_HEIGHT));
    // Emptied, the width stays empty and the height as it was.
    ASSERT_TRUE(TypeKeysInto(page, IDC_SIZE_WIDTH, ""));
    EXPECT_EQ("", DialogItemText(page, IDC_SIZE_WIDTH));
    EXPECT_EQ("60", DialogItemText(page, IDC_SIZE_HEIGHT));
    ASSERT_TRUE(editor.Answers());
    EXPECT_TRUE(editor.Messages().empty());
    CancelSheet(sheet);
    EXPECT_TRUE(editor.Close());
}

TEST_F(EditorTyping, TheImageWizardMakesASystemButtonWithTheTypedCaption)
{
    Choose(Item(0));
    HWND sheet = OpenSheet(ID_INSERT_IMAGE, IDC_IMAGE_SYSTEM_BUTTON);
    ASSERT_TRUE(sheet != NULL);
    HWND page = SheetCurrentPage(sheet);
    ASSERT_TRUE(ClickDialogButton(page, IDC_IMAGE_SYSTEM_BUTTON));
    ASSERT_TRUE(TypeKeysInto(page, IDC_IMAGE_CAPTION, "Go"));
    // Next through the wizard's pages until Finish is offered.
    for (int pages = 0; pages < 8; ++pages)
    {
        ASSERT_TRUE(editor.Answers());
        if (Enabled(sheet, kFinishButton) && IsWindowVisible(GetDlgItem(sheet, kFinishButton)))
            break;
        HWND before = SheetCurrentPage(sheet);
        ASSERT_TRUE(PressSheetButton(sheet, PSBTN_NEXT));
        ASSERT_TRUE(WaitUntil([&] { return SheetCurrentPage(sheet) != before; })) << "page " << pages;
    }
    ASSERT_TRUE(PressSheetButton(sheet, PSBTN_FINISH));
    ASSERT_TRUE(WaitUntilGone(sheet, kProgramWaitMs));

    CDataFileManager saved;
    ASSERT_TRUE(SaveAndRead(saved));
    EXPECT_EQ(std::to_string(CImageElement::TypeSystemButton), KeyOf(saved, "Element_2", "buttonType"));
    EXPECT_EQ("Go", KeyOf(saved, "Element_2", "text"));
    EXPECT_TRUE(editor.Messages().empty());
    EXPECT_TRUE(editor.Close());
}

// Opened, the project shows its page chosen in the tree; a click on that
// item and Properties open the page's sheet, as for any other item.
TEST_F(EditorTyping, PropertiesOfThePageShownSinceOpeningOpensItsSheet)
{
    std::vector<RemoteTreeItem> roots = ReadTreeItems(editor.Tree());
    ASSERT_EQ(1u, roots.size());
    ASSERT_TRUE(roots[0].selected);
    Choose(Item(0));
    ASSERT_TRUE(editor.PostCommand(ID_OBJECT_PROPERTIES));
    HWND sheet = WaitForProcessDialog(editor.ProcessId(), NULL, kProgramWaitMs);
    ASSERT_TRUE(sheet != NULL) << "Properties opened nothing";
    EXPECT_NE(std::string::npos, WindowTextOf(sheet).find("Page Properties")) << WindowTextOf(sheet);
    HWND namePage = ShowSheetPageWith(sheet, { IDC_OBJ_NAME });
    ASSERT_TRUE(namePage != NULL);
    EXPECT_EQ("Typing", DialogItemText(namePage, IDC_OBJ_NAME));
    CancelSheet(sheet);
    EXPECT_TRUE(editor.Close());
}
