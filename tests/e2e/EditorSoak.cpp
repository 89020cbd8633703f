#include "tests/e2e/EditorSoak.h"

#include "actions/ActionTypes.h"
#include "model/Browser.h"
#include "tests/e2e/DialogDriver.h"
#include "tests/e2e/EditorProcess.h"
#include "tests/e2e/PlayerProcess.h"
#include "tests/support/TestSupport.h"

#include <random>

namespace {

// Commands of the menus, toolbar and accelerators.
const int kInsertButton = 32775, kInsertImage = 32776, kInsertText = 32773, kInsertActiveX = 57647,
          kInsertImageStrip = 57649, kToolImage = 57645, kToolText = 57646, kInsertNewPage = 32809;
const int kCut = 57635, kCopy = 57634, kPaste = 57637, kDelete = 32780, kUndo = 57643, kSave = 57603;
const int kProperties = 32781, kMoveDown = 1141, kMoveUp = 1142;
const int kLayout[] = { 32795, 32796, 32797, 32798, 32799, 32800, 32801, 32802, 32805, 32806, 32807, 32808 };
const int kButtonKinds = 1035;
const char kDeleteQuestion[] = "Are you sure that you want to delete this?";

// The boxes a step may bring: the question before a delete. Any other box
// (a failed check such as "CStr fatal", an error) fails the soak.
bool StepExpects(int command, const ShownBox& box)
{
    return (command == kDelete || command == kCut) && box.text == kDeleteQuestion;
}

// Returns once the editor has taken the commands posted so far: the first
// sent message may be answered before them, the second is answered after
// the first posted one was dispatched (done, or inside its modal loop).
bool Sync(const EditorProcess& editor)
{
    return editor.Answers() && editor.Answers();
}

std::vector<HTREEITEM> TreeItems(HWND tree, bool rootsOnly)
{
    std::vector<HTREEITEM> items;
    std::vector<HTREEITEM> stack;
    HTREEITEM root = (HTREEITEM)SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    for (HTREEITEM item = root; item != NULL && items.size() < 5000;
         item = (HTREEITEM)SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, (LPARAM)item))
        stack.push_back(item);
    while (!stack.empty() && items.size() < 5000)
    {
        HTREEITEM item = stack.back();
        stack.pop_back();
        items.push_back(item);
        if (rootsOnly)
            continue;
        for (HTREEITEM child = (HTREEITEM)SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, (LPARAM)item);
             child != NULL; child = (HTREEITEM)SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, (LPARAM)child))
            stack.push_back(child);
    }
    return items;
}

// Selects one of the tree's items (of the pages' items alone with
// rootsOnly), as a click on it does.
void SelectRandomTreeItem(HWND tree, bool rootsOnly, std::mt19937& random)
{
    std::vector<HTREEITEM> items = TreeItems(tree, rootsOnly);
    if (items.empty())
        return;
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(tree, TVM_SELECTITEM, TVGN_CARET, (LPARAM)items[random() % items.size()], SMTO_NORMAL,
                        kProgramWaitMs, &answer);
}

// Closes every sheet and dialog the editor shows, choosing at random
// among the answers a sheet offers; false when one stays open.
bool CloseDialogs(const EditorProcess& editor, std::mt19937& random, SoakResult& result)
{
    for (int round = 0; round < 24; ++round)
    {
        if (!Sync(editor))
            return false;
        HWND dialog = FindProcessDialog(editor.ProcessId());
        if (dialog == NULL)
            return true;
        ++result.dialogs;
        HWND page = SheetCurrentPage(dialog);
        if (page != NULL)
        {
            HWND kinds = GetDlgItem(page, kButtonKinds);
            if (kinds != NULL)
                SendMessageA(kinds, LB_SETCURSEL, random() % 11, 0);
            // OK now and then at first; a sheet that keeps itself open
            // (a wizard, a page that refuses its values) is cancelled.
            bool ok = round < 4 && random() % 3 != 0;
            PressSheetButton(dialog, ok ? (random() % 2 ? PSBTN_OK : PSBTN_FINISH) : PSBTN_CANCEL);
        }
        else
        {
            PressDialogButton(dialog, round % 2 ? IDOK : IDCANCEL);
        }
        Sync(editor);
        WaitUntilGone(dialog, 2000);
    }
    return false;
}

// Reads the saved archive back and loads every page of it.
bool CheckSavedArchive(const std::string& path, SoakResult& result)
{
    QuietReading quiet;
    CDataFileManager archive;
    if (!archive.ReadArchive(path.c_str()))
        return false;
    int pages = 0;
    for (int i = 0; i < archive.GetFileCount(); ++i)
    {
        CDataFile* file = archive.GetFile(i);
        if (file->m_kind != CDataFile::KindPage)
            continue;
        CBrowser page;
        page.SetDataFile(file);
        if (!page.Load(file, TRUE))
            return false;
        page.Unload();
        ++pages;
    }
    result.pagesLoaded += pages;
    return pages > 0;
}

void WriteProject(const std::string& path)
{
    ProjectArchive project;
    CDataFile* first = project.AddPage("tarvex.pgd", "Soak", 640, 400);
    first->SetString("Main", "id", "Home");
    first->SetInt("Main", "numElements", 3);
    for (int i = 1; i <= 3; ++i)
    {
        CStr section;
        section.Format("Element_%d", i);
        first->SetString(section, "type", "Text");
        first->SetString(section, "id", CStr("Note") + CStr(std::to_string(i).c_str()));
        first->SetString(section, "text", "soak");
        first->SetInt(section, "xpos", 40 * i);
        first->SetInt(section, "ypos", 30 * i);
        first->SetInt(section, "width", 80);
        first->SetInt(section, "height", 24);
    }
    CDataFile* second = project.AddPage("page_2.pgd", "Second", 640, 400);
    second->SetString("Main", "id", "Second");
    second->SetInt("Main", "numElements", 1);
    second->SetString("Element_1", "type", "Text");
    second->SetString("Element_1", "id", "Far");
    second->SetInt("Element_1", "xpos", 700);
    second->SetInt("Element_1", "ypos", 10);
    project.Write(path);
}

} // namespace

SoakResult RunEditorSoak(unsigned seed, int steps, const std::string& folder)
{
    SoakResult result;
    BuildActionTypeTable();
    std::string path = folder + "tarvex.pqz";
    WriteProject(path);
    std::mt19937 random(seed);
    EditorProcess editor;
    // Delete asks each time; no other box belongs to these commands.
    AllowBox(kDeleteQuestion, IDYES);
    editor.SetMessageAnswers(std::string(kDeleteQuestion) + "=YES\n");
    if (!editor.StartAndShow("\"" + path + "\"") || !editor.WaitForTitle("tarvex.pqz - Quindle"))
    {
        result.failure = "the editor did not open the project";
        return result;
    }
    HWND tree = editor.Tree();
    HWND view = editor.PageView();
    const int commands[] = { kInsertButton, kInsertImage, kInsertText, kInsertActiveX, kInsertImageStrip,
                             kToolImage, kToolText, kInsertNewPage, kCut, kCopy, kPaste, kPaste, kDelete,
                             kUndo, kProperties, kMoveDown, kMoveUp };
    const int commandCount = sizeof(commands) / sizeof(commands[0]);
    const int arrows[] = { VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN };
    size_t logRead = 0;
    // Every failure names its step and seed: the same steps from the same
    // seed replay it.
    auto fail = [&](int step, const std::string& what, const std::string& reason) {
        result.failure = reason + " at step " + std::to_string(step) + " (" + what + "), seed " +
                         std::to_string(seed) + "; replay: EditorSoakBench " + std::to_string(step + 1) + " " +
                         std::to_string(seed);
        return result;
    };
    for (int step = 0; step < steps; ++step)
    {
        std::string what;
        int command = 0;
        int choice = (int)(random() % 100);
        if (choice < 30)
        {
            // Something else becomes current, as a click in the tree does.
            SelectRandomTreeItem(tree, false, random);
            what = "select in the tree";
        }
        else if (choice < 36)
        {
            SelectRandomTreeItem(tree, true, random);
            what = "switch pages";
        }
        else if (choice < 44)
        {
            int key = arrows[random() % 4];
            if (view)
            {
                PostMessageA(view, WM_KEYDOWN, key, 1);
                PostMessageA(view, WM_KEYUP, key, 0xC0000001);
            }
            what = "arrow key";
        }
        else if (choice < 54)
        {
            editor.PostCommand(kLayout[random() % (sizeof(kLayout) / sizeof(kLayout[0]))]);
            what = "layout";
        }
        else if (choice < 60)
        {
            FileStamp before = StampOf(path);
            editor.PostCommand(kSave);
            what = "save";
            // Once the dialogs are closed the save is over, done or not.
            if (!CloseDialogs(editor, random, result))
                return fail(step, what, "a dialog stayed open");
            if (!SameStamp(before, StampOf(path)))
            {
                ++result.saves;
                if (!CheckSavedArchive(path, result))
                    return fail(step, what, "the saved archive did not load");
            }
        }
        else
        {
            command = commands[random() % commandCount];
            editor.PostCommand(command);
            what = "command " + std::to_string(command);
        }
        if (!CloseDialogs(editor, random, result))
            return fail(step, what, "a dialog stayed open");
        if (!editor.IsRunning())
            return fail(step, what, "the editor ended");
        for (const ShownBox& box : editor.LoggedBoxes(logRead))
        {
            if (!StepExpects(command, box))
                return fail(step, what, "a box no step expects, \"" + box.caption + ": " + box.text + "\",");
            ++result.boxes;
        }
        ++result.steps;
    }
    // Closing asks to save what the last steps changed, when they did.
    AllowBox("Save changes to tarvex.pqz?");
    if (!editor.Close())
        return fail(steps, "close", "the editor did not close");
    if (editor.ExitCode() != 0)
        return fail(steps, "close", "the editor ended with " + std::to_string(editor.ExitCode()));
    // Closing may ask whether to save the project, and nothing else.
    for (const ShownBox& box : editor.LoggedBoxes(logRead))
    {
        if (box.text != "Save changes to tarvex.pqz?")
            return fail(steps, "close", "a box no step expects, \"" + box.caption + ": " + box.text + "\",");
        ++result.boxes;
    }
    result.ok = true;
    return result;
}
