// Dragging in the editor's object tree with the mouse: a script
// item dropped on another moves after it, marks the project modified (Exit
// asks to save, and the save keeps the new order); carried on to empty tree
// space, the drag loses its target and the release moves nothing.
#include "tests/e2e/EditorProcess.h"
#include "tests/e2e/PlayerProcess.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const int kAppExit = 57665;
const char kSaveQuestion[] = "Save changes to tarvex.pqz?";

// One page: the text "Note" whose "OnMouseDown" runs Open Folder, then
// Launch HTML.
std::string WriteProject(const ScratchDir& scratch)
{
    ProjectArchive project;
    CDataFile* page = project.AddPage("tarvex.pgd", "Drops");
    page->SetInt("Main", "numElements", 1);
    page->SetString("Element_1", "type", "Text");
    page->SetString("Element_1", "id", "Note");
    page->SetString("Element_1", "text", "Note");
    page->SetInt("Element_1", "numScripts", 1);
    page->SetString("Element_1_Script_1", "name", "OnMouseDown");
    page->SetInt("Element_1_Script_1", "numScriptItems", 2);
    page->SetString("Element_1_Script_1_ScriptItem_1", "name", "OpenFolder");
    page->SetString("Element_1_Script_1_ScriptItem_1", "path", "C:\\Docs");
    page->SetString("Element_1_Script_1_ScriptItem_2", "name", "LaunchHtml");
    page->SetString("Element_1_Script_1_ScriptItem_2", "path", "http://example.com/");
    std::string path = scratch.File("tarvex.pqz");
    return project.Write(path) ? path : std::string();
}

HTREEITEM Next(HWND tree, UINT relation, HTREEITEM item)
{
    return (HTREEITEM)SendMessageA(tree, TVM_GETNEXTITEM, relation, (LPARAM)item);
}

HTREEITEM DropHighlight(HWND tree)
{
    return Next(tree, TVGN_DROPHILITE, NULL);
}

// Chosen as the author clicks it: the document's selection unfolds it.
bool ChooseAndUnfold(HWND tree, HTREEITEM item)
{
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, (LPARAM)item);
    return WaitUntil([&] {
        return (SendMessageA(tree, TVM_GETITEMSTATE, (WPARAM)item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
    });
}

// The labels of the script's items, in tree order.
std::vector<std::string> ItemLabels(HWND tree)
{
    std::vector<std::string> labels;
    std::vector<RemoteTreeItem> items = ReadTreeItems(tree);
    if (items.empty() || items[0].children.empty() || items[0].children[0].children.empty())
        return labels;
    for (const RemoteTreeItem& item : items[0].children[0].children[0].children)
        labels.push_back(item.label);
    return labels;
}

// The types of the stored script's actions, in order.
std::vector<std::string> StoredTypes(const std::string& archive)
{
    MessageRecorder quiet;
    CDataFileManager manager;
    std::vector<std::string> types;
    if (!manager.ReadArchive(archive.c_str()) || manager.GetFileCount() == 0)
        return types;
    for (const char* section : { "Element_1_Script_1_ScriptItem_1", "Element_1_Script_1_ScriptItem_2" })
    {
        CStr name;
        manager.GetFile(0)->GetString(section, "name", name);
        types.push_back(name.c_str());
    }
    return types;
}

POINT CentreOf(const RECT& rect)
{
    POINT point = { (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2 };
    return point;
}

// The pressed pointer moved to point (the tree's client coordinates, which
// the tree keeps while it holds the pointer), about it until the tree's drop
// highlight is wanted: the first move after the press only starts the drag.
bool DragUntilHighlight(HWND tree, POINT point, HTREEITEM wanted)
{
    int step = 0;
    return WaitUntil([&] {
        PostMessageA(tree, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(point.x + step++ % 2, point.y));
        return DropHighlight(tree) == wanted;
    });
}

struct DropCase
{
    const char* name;
    bool releaseOverEmptySpace;
    std::vector<std::string> orderAfter;
};

} // namespace

TEST(EditorTreeDrop, ADropIsAChangeToSaveAndAReleaseOverNoItemMovesNothing)
{
    const std::vector<std::string> before = { "OpenFolder", "LaunchHtml" };
    const DropCase cases[] = {
        { "dropped on the second item", false, { "LaunchHtml", "OpenFolder" } },
        { "carried from the second item to empty space", true, before },
    };
    for (const DropCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        ScratchDir scratch;
        std::string path = WriteProject(scratch);
        ASSERT_FALSE(path.empty());
        EditorProcess editor;
        editor.SetMessageAnswers(std::string(kSaveQuestion) + "=YES\n");
        ASSERT_TRUE(editor.StartAndShow("\"" + path + "\""));
        ASSERT_TRUE(editor.WaitForTitle("tarvex.pqz - Quindle")) << editor.Title();

        HWND tree = editor.Tree();
        HTREEITEM note = Next(tree, TVGN_CHILD, Next(tree, TVGN_ROOT, NULL));
        ASSERT_TRUE(note != NULL);
        ASSERT_TRUE(ChooseAndUnfold(tree, note));
        HTREEITEM script = Next(tree, TVGN_CHILD, note);
        ASSERT_TRUE(script != NULL);
        ASSERT_TRUE(ChooseAndUnfold(tree, script));
        HTREEITEM first = Next(tree, TVGN_CHILD, script);
        HTREEITEM second = Next(tree, TVGN_NEXT, first);
        ASSERT_TRUE(second != NULL);
        ASSERT_EQ(before, ItemLabels(tree));

        RECT client = {};
        GetClientRect(tree, &client);
        RECT firstRect = ReadTreeItemRect(tree, first);
        RECT secondRect = ReadTreeItemRect(tree, second);
        ASSERT_LT(secondRect.bottom, client.bottom - 40) << "no empty space below the items";
        POINT from = CentreOf(firstRect);
        POINT onto = CentreOf(secondRect);
        POINT empty = { onto.x, client.bottom - 20 };
        // The mouse messages are posted to the tree, where the pointer's
        // input would go: no other window on the screen can take them.
        ASSERT_TRUE(PostMessageA(tree, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y)));
        ASSERT_TRUE(DragUntilHighlight(tree, onto, second)) << "the drag never reached the second item";
        POINT release = onto;
        if (c.releaseOverEmptySpace)
        {
            ASSERT_TRUE(DragUntilHighlight(tree, empty, NULL)) << "the highlight stayed over empty space";
            release = empty;
        }
        ASSERT_TRUE(PostMessageA(tree, WM_LBUTTONUP, 0, MAKELPARAM(release.x, release.y)));
        EXPECT_TRUE(WaitUntil([&] { return ItemLabels(tree) == c.orderAfter; }));
        EXPECT_EQ(c.orderAfter, ItemLabels(tree));

        // Posted after the release, Exit comes after it.
        ASSERT_TRUE(editor.PostCommand(kAppExit));
        ASSERT_TRUE(editor.WaitForExit());
        std::vector<std::string> messages = editor.Messages();
        if (c.releaseOverEmptySpace)
        {
            // Nothing changed: Exit asks nothing, the archive stays as written.
            EXPECT_TRUE(messages.empty()) << messages[0];
        }
        else
        {
            ASSERT_EQ(1u, messages.size());
            EXPECT_NE(std::string::npos, messages[0].find(kSaveQuestion)) << messages[0];
        }
        EXPECT_EQ(c.orderAfter, StoredTypes(path));
    }
}
