// The document's editing commands as the menus, toolbar and accelerators
// reach them: their enabling, paste ids and places, delete, properties and
// renaming, new pages, reordering, the object and event dialogs, and Test
// and Preview.
#include "authoring/LumbrookConfigDoc.h"
#include "authoring/ProjectFolder.h"
#include "actions/ActionTypes.h"
#include "actions/ShellActions.h"
#include "model/Browser.h"
#include "model/EditorServices.h"
#include "model/ImageElement.h"
#include "model/PropertySheetHooks.h"
#include "model/Script.h"
#include "model/ScriptItem.h"
#include "model/ScriptableObject.h"
#include "model/TextElement.h"
#include "model/common/MessageReporter.h"
#include "model/store/DataFileManager.h"
#include "resources/LumbrookConfigIds.h"
#include "resources/editor/ActionPagesBIds.h"
#include "resources/editor/ObjectPagesIds.h"
#include "tests/authoring/SheetSteps.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// Hints as the views get them.
struct Hint
{
    LPARAM hint;
    void* object;
};

class HintRecorder : public CView
{
public:
    void OnUpdate(CView*, LPARAM hint, void* object) override { hints.push_back({ hint, object }); }
    void OnDraw(CDC*) override {}
    int Count(LPARAM hint, void* object) const
    {
        int n = 0;
        for (const Hint& h : hints)
            n += h.hint == hint && h.object == object;
        return n;
    }
    std::vector<Hint> hints;
};

// The answer the next boxes get, and what they were.
int g_answer = IDYES;
std::vector<std::string> g_boxes;
std::vector<HWND> g_owners;
int WINAPI AnswerBox(HWND owner, const char* text, const char*, UINT)
{
    g_boxes.push_back(text);
    g_owners.push_back(owner);
    return g_answer;
}

// Sheets stand in for the property sheets: they answer as told.
BOOL g_sheetAnswer = TRUE;
std::function<void(CElement*)> g_onSheet;
BOOL EditText(CTextElement* text, BOOL)
{
    if (g_onSheet)
        g_onSheet(text);
    return g_sheetAnswer;
}
BOOL EditPage(CBrowser* page, BOOL)
{
    if (g_onSheet)
        g_onSheet(page);
    return g_sheetAnswer;
}
BOOL EditImage(CImageElement* image, BOOL)
{
    if (g_onSheet)
        g_onSheet(image);
    return g_sheetAnswer;
}

const char kPage1[] =
    "[Main]\r\ntype = Browser\r\nid = Home\r\nwidth = 640\r\nheight = 400\r\nnumElements = 2\r\n"
    "[Element_1]\r\ntype = Text\r\nid = Old\r\nxpos = 10\r\nypos = 20\r\nwidth = 50\r\nheight = 30\r\ntext = a\r\n"
    "[Element_2]\r\ntype = Text\r\nid = Other\r\nxpos = 700\r\nypos = 20\r\nwidth = 100\r\nheight = 40\r\n"
    "text = b\r\nnumScripts = 1\r\n"
    "[Element_2_Script_1]\r\nname = OnMouseDown\r\nnumScriptItems = 1\r\n"
    "[Element_2_Script_1_ScriptItem_1]\r\nname = GetProperty\r\ncontrolId = Old\r\nproperty = text\r\n"
    "variableName = v\r\nscope = 0\r\n";

// A text whose "OnMouseDown" plays a sound and then runs an action of a
// type this editor does not know.
const char kScriptedPage[] =
    "[Main]\r\ntype = Browser\r\nid = Home\r\nwidth = 640\r\nheight = 400\r\nnumElements = 1\r\n"
    "[Element_1]\r\ntype = Text\r\nid = Note\r\nwidth = 50\r\nheight = 30\r\ntext = a\r\nnumScripts = 1\r\n"
    "[Element_1_Script_1]\r\nname = OnMouseDown\r\nnumScriptItems = 2\r\n"
    "[Element_1_Script_1_ScriptItem_1]\r\nname = PlaySound\r\npath = .\\tarvex.dat\\old.wav\r\n"
    "[Element_1_Script_1_ScriptItem_2]\r\nspeed = 3\r\nname = FlyIn\r\n";

std::string PageText(const char* id)
{
    return std::string("[Main]\r\ntype = Browser\r\nid = ") + id + "\r\nwidth = 320\r\nheight = 200\r\nnumElements = 0\r\n";
}

// The editor's services as the program gives them, for a document without
// a frame: its id registry and its views.
class DocumentServices : public IEditorServices
{
public:
    explicit DocumentServices(CLumbrookConfigDoc& document) : m_document(document) {}
    CStr ImportFileIntoProject(const char* path, BOOL keep) override { return ::ImportFileIntoProject(path, keep); }
    void AddDesignTimeVariable(CElement*, int, const char*, const VARIANT&, const char*) override {}
    CStr GetTempFolder() override
    {
        char folder[MAX_PATH] = "";
        GetTempPathA(MAX_PATH, folder);
        return CStr(folder);
    }
    BOOL HasActiveDocument() override { return TRUE; }
    void UpdateAllViews(int hint, CElement* object) override { m_document.UpdateAllViews(NULL, hint, object); }
    CIdManager* GetIdManager() override { return &m_document.m_ids; }
    HWND GetActiveViewWindow() override { return NULL; }
    CStr MakeAbsolutePath(const char* path) override { return ::MakeAbsolutePath(path); }
    CElement* GetCurrentPage() override { return m_document.GetCurrentPage(); }

private:
    CLumbrookConfigDoc& m_document;
};

class EditCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        BuildActionTypeTable();
        SetEditorServices(&services);
        WriteWholeFile(bin.File("tarvex.dat"), "player");
        WriteWholeFile(bin.File("tarvex.ico"), "icon");
        SetRuntimeSourceFolder(bin.Path().c_str());
        document.m_bAutoDelete = FALSE;
        document.AddView(&views);
        previousReporter = SetMessageReporter(AnswerBox);
        g_answer = IDYES;
        g_boxes.clear();
        g_owners.clear();
        g_sheetAnswer = TRUE;
        g_onSheet = nullptr;
        SetEditTextHook(EditText);
        SetEditPageHook(EditPage);
        SetEditImageHook(EditImage);
    }
    void TearDown() override
    {
        document.DeleteContents();
        document.RemoveView(&views);
        SetEditTextHook(NULL);
        SetEditPageHook(NULL);
        SetEditImageHook(NULL);
        SetMessageReporter(previousReporter);
        SetRuntimeSourceFolder("");
        SetCurrentDirectoryA(TestProgramFolder().c_str());
        SetEditorServices(NULL);
    }

    // Opens a project of the pages' texts, each in its named data file.
    void Open(const std::vector<std::pair<std::string, std::string>>& pages, const std::string& folder = "")
    {
        std::string dir = project.Path() + folder;
        CreateDirectoryA(dir.c_str(), NULL);
        path = dir + "tarvex.pqz";
        CDataFileManager archive;
        for (const auto& page : pages)
        {
            CDataFile* file = archive.AddFile(page.first.c_str());
            file->m_kind = CDataFile::KindPage;
            file->SetStoredContent(page.second.data(), (int)page.second.size());
        }
        ASSERT_TRUE(archive.WriteArchive(path.c_str()));
        ASSERT_TRUE(document.OnOpenDocument(path.c_str()));
        views.hints.clear();
    }

    BOOL Run(UINT id) { return document.OnCmdMsg(id, CN_COMMAND, NULL, NULL); }
    BOOL Enabled(UINT id)
    {
        CTestCmdUI ui;
        ui.m_nID = id;
        document.OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &ui, NULL);
        return ui.m_bEnabled;
    }
    CBrowser* Page() { return document.GetCurrentPage(); }
    CScript* FirstScript()
    {
        CScriptableObject* owner = dynamic_cast<CScriptableObject*>(Page()->m_children[0]);
        return owner && !owner->GetScripts().empty() ? owner->GetScripts()[0] : NULL;
    }
    std::string Stored(const char* section, const char* key)
    {
        CStr value("<none>");
        Page()->GetDataFile()->GetString(section, key, value);
        return value.c_str();
    }
    CElement* Child(int i) { return Page()->m_children[i]; }
    std::vector<std::string> Ids()
    {
        std::vector<std::string> ids;
        for (CElement* child : Page()->m_children)
            ids.push_back(child->m_strId.c_str());
        return ids;
    }
    std::vector<std::string> ArchiveNames()
    {
        std::vector<std::string> names;
        for (int i = 0; i < document.m_archive.GetFileCount(); ++i)
            names.push_back(document.m_archive.GetFile(i)->m_name.c_str());
        return names;
    }

    ScratchDir bin, project;
    std::string path;
    HintRecorder views;
    CLumbrookConfigDoc document;
    DocumentServices services{ document };
    MessageReporterFn previousReporter = NULL;
};

} // namespace

TEST_F(EditCommandsTest, EnablingOfEveryCommandInTheStatesThatMatter)
{
    // States: 0 no project; 1 the page selected; 2 one element selected;
    // 3 two elements; 4 a script selected; 5 one element and a copy on the
    // clipboard; 6 the second of three pages; 7 the third of three pages.
    struct Row
    {
        UINT id;
        const char* what;
        const char* enabled;   // one letter per state: 1 enabled, 0 not
    };
    const Row rows[] = {
        { ID_PROJECT_NEW, "New", "11111111" },
        { ID_FILE_SAVE_AS, "Save As", "01111111" },
        { ID_FILE_TEST, "Test", "01111111" },
        { ID_TOOL_PREVIEW, "Preview", "01111111" },
        { ID_EDIT_CUT, "Cut", "00111100" },
        { ID_EDIT_COPY, "Copy", "00111100" },
        { ID_OBJECT_DELETE, "Delete", "00111100" },
        { ID_EDIT_PASTE, "Paste", "00000100" },
        { ID_OBJECT_PROPERTIES, "Properties", "11111111" },
        { ID_INSERT_BUTTON, "Button", "01111111" },
        { ID_INSERT_IMAGE, "Image", "01111111" },
        { ID_TOOL_IMAGE, "Image tool", "01111111" },
        { ID_INSERT_TEXT, "Text", "01111111" },
        { ID_TOOL_TEXT, "Text tool", "01111111" },
        { ID_INSERT_ACTIVEX, "ActiveX", "01111111" },
        { ID_INSERT_IMAGE_STRIP, "Image strip", "11111111" },
        { ID_INSERT_NEW_PAGE, "New Page", "01111111" },
        { ID_NEW_SUBMENU, "New submenu", "01111111" },
        { ID_ALIGN_TOP_SCREEN, "Top of Screen", "00111100" },
        { ID_CENTER_HORIZONTAL, "Center Left / Right", "00111100" },
        { ID_ALIGN_LEFT_ITEM, "Left Item", "00010000" },
        { ID_SPACE_ROWS, "Space Rows", "00010000" },
        { ID_MOVE_UP, "Move Up", "00111101" },
        { ID_MOVE_DOWN, "Move Down", "00111110" },
        { ID_NEW_SCRIPT_ITEM, "ScriptItem", "11111111" },
        { ID_WEB_QUINDLE, "Web", "11111111" },
    };
    for (int state = 0; state < 8; ++state)
    {
        document.DeleteContents();
        if (state >= 1 && state <= 5)
        {
            Open({ { "tarvex.pgd", kPage1 } });
            switch (state)
            {
            case 1: document.Select(Page()); break;
            case 2: document.Select(Child(0)); break;
            case 3: document.Select(Child(0)); document.Select(Child(1), TRUE); break;
            case 4: document.Select(dynamic_cast<CScriptableObject*>(Child(1))->m_scripts[0]); break;
            case 5: document.Select(Child(0)); Run(ID_EDIT_COPY); break;
            }
        }
        else if (state >= 6)
        {
            Open({ { "tarvex.pgd", PageText("one") }, { "page_2.pgd", PageText("two") },
                   { "page_3.pgd", PageText("three") } });
            // The first Select makes the page current, the second selects it.
            document.Select(document.GetPages()[state == 6 ? 1 : 2]);
            document.Select(document.GetPages()[state == 6 ? 1 : 2]);
        }
        for (const Row& row : rows)
            EXPECT_EQ(row.enabled[state] == '1', Enabled(row.id) != FALSE) << row.what << " in state " << state;
    }
}

TEST_F(EditCommandsTest, PasteGivesAFreeIdAndPlacesTheCopy)
{
    struct Case
    {
        const char* what;
        const char* id;        // of the copied object
        int x, y;              // where it lies
        const char* pasted;    // the copy's id
        int px, py;            // where the copy lands
    };
    const Case cases[] = {
        { "on the page", "Button3", 100, 50, "Button2", 105, 55 },
        { "off the page: centred", "Far", 700, 20, "Far1", 320 - 50, 200 - 20 },
        { "an id of digits only keeps its digits", "123", 0, 0, "1231", 5, 5 },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        Open({ { "tarvex.pgd", kPage1 } });
        CElement* source = Child(1);
        source->m_strId = c.id;
        source->m_xpos = c.x;
        source->m_ypos = c.y;
        // The page holds Button1 beside the copied object.
        Child(0)->m_strId = "Button1";
        document.m_ids.RemoveAll();
        document.m_ids.Register(Child(0)->m_strId, Child(0));
        document.m_ids.Register(source->m_strId, source);
        document.Select(source);
        Run(ID_EDIT_COPY);
        Run(ID_EDIT_PASTE);
        ASSERT_EQ(3u, Page()->m_children.size());
        CElement* pasted = Child(2);
        EXPECT_STREQ(c.pasted, pasted->m_strId);
        EXPECT_EQ(c.px, pasted->m_xpos);
        EXPECT_EQ(c.py, pasted->m_ypos);
        EXPECT_EQ(1, views.Count(HintAdded, pasted));
        // The next paste lands 5 pixels further, under another id.
        Run(ID_EDIT_PASTE);
        ASSERT_EQ(4u, Page()->m_children.size());
        EXPECT_EQ(c.px + 5, Child(3)->m_xpos);
        EXPECT_EQ(c.py + 5, Child(3)->m_ypos);
        EXPECT_NE(pasted->m_strId, Child(3)->m_strId);
        document.DeleteContents();
    }
}

TEST_F(EditCommandsTest, PastedScriptReferencesFollowTheNewId)
{
    Open({ { "tarvex.pgd", kPage1 } });
    CScriptableObject* other = dynamic_cast<CScriptableObject*>(Child(1));
    // Other's action refers to "Old": named so itself, its copy's action
    // refers to the copy.
    other->m_strId = "Old";
    document.Select(other);
    Run(ID_EDIT_COPY);
    Run(ID_EDIT_PASTE);
    ASSERT_EQ(3u, Page()->m_children.size());
    CStr newId = Child(2)->m_strId;
    EXPECT_NE(CStr("Old"), newId);
    ASSERT_TRUE(document.CommitCurrentPage());
    CDataFile* file = Page()->GetDataFile();
    CStr target;
    ASSERT_TRUE(file->GetString("Element_3_Script_1_ScriptItem_1", "controlId", target));
    EXPECT_EQ(newId, target);
}

TEST_F(EditCommandsTest, CutCopyAndDelete)
{
    Open({ { "tarvex.pgd", kPage1 } });
    CElement* old = Child(0);
    document.Select(old);
    Run(ID_EDIT_CUT);
    EXPECT_EQ(std::vector<std::string>({ "Other" }), Ids());
    EXPECT_EQ(1, views.Count(HintRemoved, old));
    EXPECT_EQ(Page(), document.GetCurrentObject());
    EXPECT_TRUE(Enabled(ID_EDIT_PASTE));
    Run(ID_EDIT_PASTE);
    // The cut object's id stays registered: the copy gets another.
    EXPECT_EQ(std::vector<std::string>({ "Other", "Old1" }), Ids());

    // Delete asks, in a box the frame would own; No keeps the object.
    document.Select(Child(1));
    g_answer = IDNO;
    Run(ID_OBJECT_DELETE);
    ASSERT_EQ(1u, g_boxes.size());
    EXPECT_EQ("Are you sure that you want to delete this?", g_boxes[0]);
    EXPECT_EQ(2u, Page()->m_children.size());
    g_answer = IDYES;
    Run(ID_OBJECT_DELETE);
    EXPECT_EQ(std::vector<std::string>({ "Other" }), Ids());
    EXPECT_TRUE(document.IsModified());
}

TEST_F(EditCommandsTest, DeletingAnObjectWithItsChildSelectedDeletesEachOnce)
{
    Open({ { "tarvex.pgd", kPage1 } });
    // The element, its script and the script's action, in both orders.
    for (int order = 0; order < 2; ++order)
    {
        Open({ { "tarvex.pgd", kPage1 } });
        CScriptableObject* other = dynamic_cast<CScriptableObject*>(Child(1));
        CScript* script = other->m_scripts[0];
        CElement* item = script->m_items[0];
        CSelection& selection = document.GetSelection();
        selection.Clear();
        if (order == 0)
        {
            selection.Add(other, FALSE);
            selection.Add(script, TRUE);
            selection.Add(item, TRUE);
        }
        else
        {
            selection.Add(item, FALSE);
            selection.Add(script, TRUE);
            selection.Add(other, TRUE);
        }
        document.DeleteSelection();
        EXPECT_EQ(std::vector<std::string>({ "Old" }), Ids()) << order;
        EXPECT_EQ(1, views.Count(HintRemoved, other)) << order;
        EXPECT_EQ(0, views.Count(HintRemoved, script)) << order;
        EXPECT_EQ(Page(), document.GetCurrentObject());
    }
}

TEST_F(EditCommandsTest, InsertedElementsRunTheirSheetAndACancelLeavesNothing)
{
    Open({ { "tarvex.pgd", kPage1 } });
    document.Select(Page());
    for (BOOL answer : { FALSE, TRUE })
    {
        g_sheetAnswer = answer;
        size_t before = Page()->m_children.size();
        Run(ID_INSERT_TEXT);
        Run(ID_TOOL_IMAGE);
        EXPECT_EQ(before + (answer ? 2 : 0), Page()->m_children.size());
    }
    // Placed down and right in steps.
    EXPECT_EQ(15, Child(2)->m_xpos);
    EXPECT_EQ(20, Child(2)->m_ypos);
    EXPECT_EQ(30, Child(3)->m_xpos);
    EXPECT_EQ(1, views.Count(HintAdded, Child(3)));
    // Without its sheet (no hook), an ActiveX control is not inserted.
    Run(ID_INSERT_ACTIVEX);
    EXPECT_EQ(4u, Page()->m_children.size());
}

namespace {

// The main window as the dialog's Insert commands reach it: they go on to
// the document, as the frame routes them.
class CommandsToDocument : public CWnd
{
public:
    explicit CommandsToDocument(CLumbrookConfigDoc& document) : m_document(document)
    {
        CreateEx(0, AfxWndClassName, "main", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0);
    }
    ~CommandsToDocument() override { DestroyWindow(); }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM) override
    {
        return m_document.OnCmdMsg(LOWORD(wParam), CN_COMMAND, NULL, NULL);
    }

private:
    CLumbrookConfigDoc& m_document;
};

} // namespace

TEST_F(EditCommandsTest, ObjectAddDialogInsertsFromThePageCornerAndTakesASnapshot)
{
    Open({ { "tarvex.pgd", kPage1 } });
    document.Select(Page());
    // An earlier insert moves the next place on; the dialog starts again.
    Run(ID_INSERT_TEXT);
    CWinApp app("test");
    CommandsToDocument frame(document);
    app.m_pMainWnd = &frame;
    size_t before = Page()->m_children.size();
    int snapshots = document.GetUndo().GetCount();
    std::vector<std::string> lines;
    auto choose = [](HWND dialog, int line, WPARAM how) {
        HWND list = GetDlgItem(dialog, IDC_OBJECT_TYPES);
        SendMessageA(list, LB_SETCURSEL, line, 0);
        SendMessageA(dialog, WM_COMMAND, how, (LPARAM)(how == IDOK ? NULL : list));
    };
    sheetsteps::RunWithSteps([&] { return (INT_PTR)Run(ID_NEW_OBJECT); }, {
        [&] {
            HWND dialog = sheetsteps::FindOwnWindow("Insert New Objects");
            lines = sheetsteps::ListLines(GetDlgItem(dialog, IDC_OBJECT_TYPES));
            // A double-click inserts and keeps the dialog; OK inserts and closes.
            choose(dialog, 2, MAKEWPARAM(IDC_OBJECT_TYPES, LBN_DBLCLK));
        },
        [&] { choose(sheetsteps::FindOwnWindow("Insert New Objects"), 1, IDOK); },
    });
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    app.m_pMainWnd = NULL;
    EXPECT_EQ(std::vector<std::string>({ "Button", "Image", "Text", "ActiveX Control" }), lines);
    ASSERT_EQ(before + 2, Page()->m_children.size());
    EXPECT_NE(nullptr, dynamic_cast<CTextElement*>(Child((int)before)));
    EXPECT_NE(nullptr, dynamic_cast<CImageElement*>(Child((int)before + 1)));
    EXPECT_EQ(15, Child((int)before)->m_xpos);
    EXPECT_EQ(20, Child((int)before)->m_ypos);
    EXPECT_EQ(30, Child((int)before + 1)->m_xpos);
    // One snapshot each insert, one for the dialog.
    EXPECT_EQ(snapshots + 3, document.GetUndo().GetCount());
}

TEST_F(EditCommandsTest, NewEventAddsAScriptToTheScriptableObjectOrTheScriptsOwner)
{
    // Without a project there is nothing to add to: no dialog.
    Run(ID_NEW_EVENT);
    EXPECT_EQ(0, document.GetUndo().GetCount());
    Open({ { "tarvex.pgd", kPage1 } });
    CElement* other = Child(1);
    CScriptableObject* owner = dynamic_cast<CScriptableObject*>(other);
    ASSERT_NE(nullptr, owner);
    CElement* script = owner->GetScripts()[0];
    for (CElement* selected : { other, script })
    {
        document.Select(selected);
        int scripts = owner->GetScriptCount();
        int snapshots = document.GetUndo().GetCount();
        std::string noun, chosen;
        std::vector<std::string> lines;
        sheetsteps::RunWithSteps([&] { return (INT_PTR)Run(ID_NEW_EVENT); }, {
            [&] {
                HWND dialog = sheetsteps::FindOwnWindow("Add Events");
                HWND list = GetDlgItem(dialog, IDC_EVENT_LIST);
                char text[256] = "";
                GetDlgItemTextA(dialog, IDC_NOUN_TEXT, text, sizeof text);
                noun = text;
                lines = sheetsteps::ListLines(list);
                chosen = lines.empty() ? "" : lines[0];
                SendMessageA(list, LB_SETCURSEL, 0, 0);
                SendMessageA(dialog, WM_COMMAND, IDOK, 0);
            },
        });
        EXPECT_EQ("Below is a list of available events for this Text.", noun);
        // The event that has a script is not offered again.
        for (const std::string& line : lines)
            EXPECT_STRCASENE("OnMouseDown", line.c_str());
        ASSERT_EQ(scripts + 1, owner->GetScriptCount());
        EXPECT_STREQ(chosen.c_str(), owner->GetScripts()[scripts]->m_strName);
        EXPECT_EQ(1, views.Count(HintAdded, owner->GetScripts()[scripts]));
        // The dialog's snapshot for the script and the command's own.
        EXPECT_EQ(snapshots + 2, document.GetUndo().GetCount());
    }
}

TEST_F(EditCommandsTest, PropertiesRenameReferencesAndNameTheObjectFoundAgain)
{
    Open({ { "tarvex.pgd", kPage1 } });
    CElement* old = Child(0);
    document.Select(old);
    g_onSheet = [](CElement* object) { object->m_strId = "Renamed"; };
    Run(ID_OBJECT_PROPERTIES);
    CElement* renamed = Page()->FindChildById("Renamed");
    ASSERT_TRUE(renamed != NULL);
    // The change goes with the object found again, never the freed one.
    EXPECT_EQ(1, views.Count(HintChanged, renamed));
    for (const Hint& h : views.hints)
        EXPECT_FALSE(h.hint == HintChanged && h.object == old && old != renamed);
    CStr target;
    ASSERT_TRUE(Page()->GetDataFile()->GetString("Element_2_Script_1_ScriptItem_1", "controlId", target));
    EXPECT_STREQ("Renamed", target);

    // A cancelled sheet changes nothing and sends nothing.
    views.hints.clear();
    g_sheetAnswer = FALSE;
    document.Select(renamed);
    views.hints.clear();
    Run(ID_OBJECT_PROPERTIES);
    EXPECT_TRUE(views.hints.empty());
}

TEST_F(EditCommandsTest, NewPageTakesTheFirstUnusedNameAndACancelRemovesOnlyItsOwn)
{
    // Two pages whose second is named as the third would be.
    Open({ { "tarvex.pgd", PageText("one") }, { "page_3.pgd", PageText("three") } });
    std::vector<std::string> before = ArchiveNames();
    CBrowser* first = Page();

    g_sheetAnswer = FALSE;
    Run(ID_INSERT_NEW_PAGE);
    EXPECT_EQ(before, ArchiveNames());
    EXPECT_EQ(2u, document.GetPages().size());
    EXPECT_EQ(first, Page());

    g_sheetAnswer = TRUE;
    g_onSheet = [](CElement* page) { page->m_strId = "four"; };
    Run(ID_INSERT_NEW_PAGE);
    ASSERT_EQ(3u, document.GetPages().size());
    EXPECT_EQ(document.GetPages()[2], Page());
    EXPECT_EQ("page_4.pgd", ArchiveNames().back());
    EXPECT_TRUE(document.IsModified());
    // A new page keeps its two scripts.
    EXPECT_EQ(2, Page()->GetScriptCount());
}

TEST_F(EditCommandsTest, PagesMoveButNeverIntoOrOutOfTheFirstPlace)
{
    Open({ { "tarvex.pgd", PageText("one") }, { "page_2.pgd", PageText("two") },
           { "page_3.pgd", PageText("three") } });
    auto order = [&] {
        std::string ids;
        for (CBrowser* page : document.GetPages())
            ids += page->m_strId.c_str() + std::string(" ");
        return ids + "| " + ArchiveNames()[0] + " " + ArchiveNames()[1] + " " + ArchiveNames()[2];
    };
    document.Select(document.GetPages()[1]);
    document.Select(document.GetPages()[1]);
    Run(ID_MOVE_UP);
    EXPECT_EQ("one two three | tarvex.pgd page_2.pgd page_3.pgd", order());
    Run(ID_MOVE_DOWN);
    EXPECT_EQ("one three two | tarvex.pgd page_3.pgd page_2.pgd", order());
    Run(ID_MOVE_DOWN);
    EXPECT_EQ("one three two | tarvex.pgd page_3.pgd page_2.pgd", order());
    Run(ID_MOVE_UP);
    EXPECT_EQ("one two three | tarvex.pgd page_2.pgd page_3.pgd", order());

    // Elements change their drawing order.
    document.DeleteContents();
    Open({ { "tarvex.pgd", kPage1 } });
    document.Select(Child(0));
    Run(ID_MOVE_UP);
    EXPECT_EQ(std::vector<std::string>({ "Other", "Old" }), Ids());
    Run(ID_MOVE_DOWN);
    EXPECT_EQ(std::vector<std::string>({ "Old", "Other" }), Ids());
}

// The arguments of the command line the recorder wrote last; empty when it
// wrote nothing in time.
std::vector<std::string> RecordedArguments(const std::string& log)
{
    std::string text;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 20000; Sleep(50))
    {
        text = ReadWholeFile(log);
        if (text.find("\r\n") != std::string::npos)
            break;
    }
    std::string line = text.substr(0, text.find('\t'));
    std::vector<std::string> arguments;
    if (line.empty())
        return arguments;
    std::wstring wide(line.begin(), line.end());
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(wide.c_str(), &count);
    for (int i = 0; argv && i < count; ++i)
    {
        std::wstring argument = argv[i];
        arguments.push_back(std::string(argument.begin(), argument.end()));
    }
    LocalFree(argv);
    return arguments;
}

TEST_F(EditCommandsTest, TestAndPreviewStartThePlayerWithOneArgumentAndADeclinedSaveKeepsTheEdits)
{
    struct Case
    {
        const char* what;
        UINT command;
        int page;              // the current page
        int answer;            // to "Save changes?"
        bool started;
        const char* argument;  // "" for the project's path
    };
    const Case cases[] = {
        { "Test, save declined", ID_FILE_TEST, 0, IDNO, true, "" },
        { "Test, cancelled", ID_FILE_TEST, 0, IDCANCEL, false, "" },
        { "Preview of the first page is Test", ID_TOOL_PREVIEW, 0, IDNO, true, "" },
        { "Preview of another page", ID_TOOL_PREVIEW, 1, IDNO, true, "page_2.pgd" },
    };
    ScratchDir logs;
    std::string log = logs.File("recorder.log");
    SetEnvironmentVariableA("TARVEX_RECORDER_LOG", log.c_str());
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        Open({ { "tarvex.pgd", kPage1 }, { "page_2.pgd", PageText("two") } }, "a folder with spaces\\");
        std::string folder = project.Path() + "a folder with spaces\\";
        // The recorder stands in for the player.
        ASSERT_TRUE(CopyFileA((TestProgramFolder() + "recorder.exe").c_str(), (folder + "tarvex.exe").c_str(), FALSE));
        DeleteFileA(log.c_str());
        document.Select(document.GetPages()[c.page]);
        Page()->m_strTitle = "edited";
        document.RecordChange();
        g_boxes.clear();
        g_answer = c.answer;
        Run(c.command);
        EXPECT_EQ(1u, g_boxes.size());
        // Declined or cancelled, the edits are still to be saved.
        EXPECT_TRUE(document.IsModified());
        if (!c.started)
        {
            Sleep(300);
            EXPECT_EQ("", ReadWholeFile(log));
            continue;
        }
        std::vector<std::string> arguments = RecordedArguments(log);
        ASSERT_EQ(2u, arguments.size()) << ReadWholeFile(log);
        EXPECT_EQ(*c.argument ? std::string(c.argument) : path, arguments[1]);
        std::string recorded = ReadWholeFile(log);
        EXPECT_NE(std::string::npos, recorded.find("tarvex.exe")) << recorded;
    }
    SetEnvironmentVariableA("TARVEX_RECORDER_LOG", NULL);
}

TEST_F(EditCommandsTest, AnExistingActionConfirmedIncompleteKeepsItsEditAsAChangeToUndo)
{
    struct Case
    {
        const char* name;
        int button;
        const char* pathAfter;
        bool recorded;
    };
    const Case cases[] = {
        { "path cleared and confirmed", PSBTN_OK, "", true },
        { "path cleared and cancelled", PSBTN_CANCEL, ".\\tarvex.dat\\old.wav", false },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        Open({ { "tarvex.pgd", kScriptedPage } });
        ASSERT_TRUE(FirstScript() != NULL);
        CPlaySoundAction* sound = dynamic_cast<CPlaySoundAction*>(FirstScript()->m_items[0]);
        ASSERT_TRUE(sound != NULL);
        document.Select(FirstScript());
        document.Select(sound);
        int snapshots = document.GetUndo().GetCount();
        views.hints.clear();
        g_boxes.clear();
        sheetsteps::RunWithSteps([&] { return (INT_PTR)Run(ID_OBJECT_PROPERTIES); }, {
            [&] {
                HWND sheet = sheetsteps::FindOwnWindow();
                HWND path = GetDlgItem(PropSheet_GetCurrentPageHwnd(sheet), IDC_SOUND_PATH);
                // Cleared as the author clears it: all of it selected, then Backspace.
                SendMessageA(path, EM_SETSEL, 0, -1);
                SendMessageA(path, WM_CHAR, VK_BACK, 0);
                SendMessageA(sheet, PSM_PRESSBUTTON, c.button, 0);
            },
        });
        EXPECT_EQ(std::vector<std::string>(), sheetsteps::Messages());
        EXPECT_EQ(std::vector<std::string>(), g_boxes);
        EXPECT_STREQ(c.pathAfter, sound->m_record.path);
        EXPECT_EQ(c.recorded, document.IsModified() != FALSE);
        EXPECT_EQ(snapshots + (c.recorded ? 1 : 0), document.GetUndo().GetCount());
        EXPECT_EQ(c.recorded ? 1 : 0, views.Count(HintChanged, sound));
        if (!c.recorded)
            continue;
        EXPECT_EQ("", Stored("Element_1_Script_1_ScriptItem_1", "path"));
        // The step undoes like any other.
        Run(ID_EDIT_UNDO);
        EXPECT_EQ(".\\tarvex.dat\\old.wav", Stored("Element_1_Script_1_ScriptItem_1", "path"));
        EXPECT_TRUE(g_boxes.empty());
    }
}

TEST_F(EditCommandsTest, AnActionOfAnUnknownTypeHasNoSheetAndIsCopiedAndDeletedAsStored)
{
    Open({ { "tarvex.pgd", kScriptedPage } });
    ASSERT_TRUE(FirstScript() != NULL);
    CScriptItem* kept = FirstScript()->m_items[1];
    EXPECT_STREQ("FlyIn", kept->GetName());
    document.Select(FirstScript());
    document.Select(kept);
    int snapshots = document.GetUndo().GetCount();
    views.hints.clear();

    // Properties: no sheet, no box, no change.
    Run(ID_OBJECT_PROPERTIES);
    EXPECT_TRUE(g_boxes.empty());
    EXPECT_TRUE(views.hints.empty());
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(snapshots, document.GetUndo().GetCount());

    // Copied into its script, the copy is stored as the original was.
    Run(ID_EDIT_COPY);
    document.Select(FirstScript());
    ASSERT_TRUE(Enabled(ID_EDIT_PASTE));
    Run(ID_EDIT_PASTE);
    ASSERT_EQ(3u, FirstScript()->m_items.size());
    ASSERT_TRUE(document.CommitCurrentPage());
    for (const char* section : { "Element_1_Script_1_ScriptItem_2", "Element_1_Script_1_ScriptItem_3" })
    {
        EXPECT_EQ("FlyIn", Stored(section, "name")) << section;
        EXPECT_EQ("3", Stored(section, "speed")) << section;
    }

    // Deleted after the question the command asks.
    document.Select(FirstScript()->m_items[2]);
    Run(ID_OBJECT_DELETE);
    ASSERT_EQ(1u, g_boxes.size());
    EXPECT_EQ("Are you sure that you want to delete this?", g_boxes[0]);
    EXPECT_EQ(2u, FirstScript()->m_items.size());
    ASSERT_TRUE(document.CommitCurrentPage());
    EXPECT_EQ("2", Stored("Element_1_Script_1", "numScriptItems"));
    EXPECT_EQ("FlyIn", Stored("Element_1_Script_1_ScriptItem_2", "name"));
}
