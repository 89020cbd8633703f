// The document of pages: opening and saving a project, switching pages,
// the layout commands and undo, without windows.
#include "authoring/EditorServicesImpl.h"
#include "authoring/LumbrookConfigDoc.h"
#include "authoring/ProjectFolder.h"
#include "actions/ActionTypes.h"
#include "actions/PropertyActions.h"
#include "model/Browser.h"
#include "model/ImageElement.h"
#include "model/ImageListElement.h"
#include "model/Script.h"
#include "model/TextElement.h"
#include "model/store/DataFileManager.h"
#include "resources/LumbrookConfigIds.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/BoxRule.h"
#include "tests/support/DataFileText.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

// A view that notes the hints the document sends.
class HintLog : public CView
{
public:
    void OnUpdate(CView*, LPARAM hint, void*) override { hints.push_back((int)hint); }
    void OnDraw(CDC*) override {}
    std::vector<int> hints;
};

typedef std::map<std::string, std::map<std::string, std::string> > Sections;

std::string Lower(std::string text)
{
    for (char& c : text)
        c = (char)tolower((unsigned char)c);
    return text;
}

// A data file as section -> key -> value (keys in lower case).
Sections Parse(const CDataFile& file)
{
    Sections sections;
    std::string section;
    for (int i = 0; i < file.GetLineCount(); ++i)
    {
        std::string line = file.GetLine(i).c_str();
        if (file.IsSectionHeaderAt(i))
        {
            section = line.substr(1, line.size() - 2);
            sections[section];
            continue;
        }
        size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        std::string key = line.substr(0, equals);
        while (!key.empty() && key.back() == ' ')
            key.pop_back();
        std::string value = line.substr(equals + 1);
        if (!value.empty() && value[0] == ' ')
            value.erase(0, 1);
        sections[section][Lower(key)] = value;
    }
    return sections;
}

// Every key-value pair of before is in after, section by section.
void ExpectKept(const CDataFile& before, const CDataFile& after, const std::string& what)
{
    Sections a = Parse(before), b = Parse(after);
    for (const auto& section : a)
    {
        ASSERT_TRUE(b.count(section.first)) << what << ": section " << section.first;
        for (const auto& pair : section.second)
            EXPECT_EQ(pair.second, b[section.first][pair.first])
                << what << ": [" << section.first << "] " << pair.first;
    }
}

class DocumentTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        BuildActionTypeTable();
        InstallEditorServices();
        WriteWholeFile(bin.File("tarvex.dat"), "player");
        WriteWholeFile(bin.File("tarvex.ico"), "icon");
        SetRuntimeSourceFolder(bin.Path().c_str());
        archivePath = project.File("tarvex.pqz");
        document.m_bAutoDelete = FALSE;
    }
    void TearDown() override
    {
        document.DeleteContents();
        SetRuntimeSourceFolder("");
        SetCurrentDirectoryA(TestProgramFolder().c_str());
        RemoveEditorServices();
    }

    // A page with every element type, a script holding every stored action
    // type, an action this editor does not know and keys it does not write.
    void AddPage(CDataFileManager& archive, const char* id, int elements)
    {
        CBrowser page;
        page.SetId(id);
        page.SetDataFile(archive.AddFile((std::string(id) + ".pgd").c_str()));
        for (int i = 0; i < elements; ++i)
        {
            CScriptableObject* element = NULL;
            switch (i % 3)
            {
            case 0: element = new CTextElement(); element->SetType("Text"); break;
            case 1: element = new CImageElement(); element->SetType("Image"); break;
            default: element = new CImageListElement(); element->SetType("ImageList"); break;
            }
            element->SetId((std::string(id) + "_e" + std::to_string(i)).c_str());
            element->m_xpos = 10 + i;
            element->m_ypos = 20 + i;
            element->m_width = 30;
            element->m_height = 40;
            page.AddChild(element);
        }
        if (elements > 0)
        {
            CScript* script = CreateScript();
            script->m_strName = "OnMouseDown";
            for (int row = 0; row < GetActionTypeCount(); ++row)
                script->AppendItem(GetActionType(row)->factory());
            dynamic_cast<CScriptableObject*>(page.m_children[0])->AddChild(script);
        }
        ASSERT_TRUE(page.Save(NULL));
        CDataFile* file = page.GetDataFile();
        file->SetString("Main", "futureKey", "from a newer version");
        if (elements > 0)
        {
            file->SetString("Element_1", "cursor", "hand");
            CStr scriptSection = dynamic_cast<CScriptableObject*>(page.m_children[0])->m_scripts[0]->m_strSectionName;
            int count = 0;
            file->GetInt(scriptSection, "numScriptItems", count);
            file->SetInt(scriptSection, "numScriptItems", count + 1);
            file->SetString(scriptSection, "laterKey", "x");
            CStr item;
            item.Format("%s_ScriptItem_%d", scriptSection.c_str(), count + 1);
            file->SetString(item, "name", "DragFile");
            file->SetString(item, "filePath", ".\\tarvex.dat\\a.txt");
            file->SetString(item, "registryValueName", "Drop");
        }
        page.Unload();
    }

    void WriteProject(int pages, int elements)
    {
        CDataFileManager archive;
        for (int p = 0; p < pages; ++p)
            AddPage(archive, ("page" + std::to_string(p + 1)).c_str(), elements);
        ASSERT_TRUE(archive.WriteArchive(archivePath.c_str()));
    }

    CElement* Element(int index)
    {
        return document.GetCurrentPage()->m_children[index];
    }

    // An archive of pages given as (data-file name, lines separated by '\n').
    void WriteArchiveOf(const std::vector<std::pair<std::string, std::string> >& pages)
    {
        CDataFileManager archive;
        for (const auto& page : pages)
        {
            CDataFile* file = archive.AddFile("");
            *file = FileFromText(page.second);
            file->m_name = page.first.c_str();
        }
        ASSERT_TRUE(archive.WriteArchive(archivePath.c_str()));
    }

    // A page of two texts, the first with a script whose Set Property
    // assigns the second's font size.
    static std::string PageOfTwoTexts(const char* first, const char* second, const char* target)
    {
        CBrowser page;
        CDataFile file;
        page.SetDataFile(&file);
        page.SetId("Home");
        for (const char* id : { first, second })
        {
            CTextElement* text = new CTextElement();
            text->SetType("Text");
            text->SetId(id);
            page.AddChild(text);
        }
        CScript* script = CreateScript();
        script->m_strName = "OnMouseDown";
        CSetPropertyAction* set = new CSetPropertyAction();
        set->m_strControlId = target;
        VARIANT size;
        V_VT(&size) = VT_I4;
        V_I4(&size) = 30;
        set->AddAssignment("fontSize", "", size, VT_I4, TRUE);
        script->AppendItem(set);
        dynamic_cast<CScriptableObject*>(page.m_children[0])->AddChild(script);
        EXPECT_TRUE(page.Save(NULL));
        page.Unload();
        std::string text;
        for (int i = 0; i < file.GetLineCount(); ++i)
            text += std::string(file.GetLine(i).c_str()) + "\n";
        return text;
    }

    BOOL FontSizeMarked(int element)
    {
        CScriptableObject* object = dynamic_cast<CScriptableObject*>(Element(element));
        int index = FindPropertyIndex(object->m_properties, "fontSize");
        return index >= 0 && object->m_properties[(size_t)index].m_bChanged;
    }

    ScratchDir bin, project;
    std::string archivePath;
    CLumbrookConfigDoc document;
};

} // namespace

TEST_F(DocumentTest, OpenThenSaveKeepsEveryPagesKeysAndActions)
{
    WriteProject(3, 4);
    CDataFileManager before;
    ASSERT_TRUE(before.ReadArchive(archivePath.c_str()));

    ASSERT_TRUE(document.OnOpenDocument(archivePath.c_str()));
    ASSERT_EQ(3u, document.GetPages().size());
    EXPECT_EQ(document.GetPages()[0], document.GetCurrentPage());
    // Loaded once: no element twice.
    EXPECT_EQ(4u, document.GetCurrentPage()->m_children.size());
    EXPECT_FALSE(document.IsModified());
    // Every page passes through being current, the third stays current.
    document.SetCurrentPage(document.GetPages()[1], FALSE);
    document.SetCurrentPage(document.GetPages()[2], FALSE);
    ASSERT_TRUE(document.OnSaveDocument(archivePath.c_str()));
    EXPECT_EQ(document.GetPages()[2], document.GetCurrentPage());
    EXPECT_FALSE(document.IsModified());

    CDataFileManager after;
    ASSERT_TRUE(after.ReadArchive(archivePath.c_str()));
    ASSERT_EQ(before.GetFileCount(), after.GetFileCount());
    for (int i = 0; i < before.GetFileCount(); ++i)
        ExpectKept(*before.GetFile(i), *after.GetFile(i), before.GetFile(i)->m_name.c_str());
    // The project folder became a disc folder.
    EXPECT_EQ("player", ReadWholeFile(project.File("tarvex.exe")));
    EXPECT_EQ("icon", ReadWholeFile(project.File("tarvex.dat\\tarvex.ico")));
    EXPECT_NE(std::string::npos, ReadWholeFile(project.File("autorun.inf")).find("open=tarvex.exe"));
}

TEST_F(DocumentTest, APageSwitchedAwayFromKeepsItsEdits)
{
    for (int levels : { 0, 10 })
    {
        WriteProject(2, 3);
        ASSERT_TRUE(document.OnOpenDocument(archivePath.c_str()));
        document.GetUndo().SetLevels(levels);
        Element(1)->m_xpos = 123;
        document.RecordChange();
        document.Select(document.GetPages()[1]);
        EXPECT_EQ(document.GetPages()[1], document.GetCurrentPage());
        EXPECT_EQ(NULL, document.GetCurrentScript());
        document.Select(document.GetPages()[0]);
        EXPECT_EQ(123, Element(1)->m_xpos) << levels;
        // Saved from another page, the edit is in the archive.
        document.Select(document.GetPages()[1]);
        ASSERT_TRUE(document.OnSaveDocument(archivePath.c_str()));
        CDataFileManager after;
        ASSERT_TRUE(after.ReadArchive(archivePath.c_str()));
        int x = 0;
        after.GetFile(0)->GetInt("Element_2", "xpos", x);
        EXPECT_EQ(123, x) << levels;
        document.DeleteContents();
    }
}

TEST_F(DocumentTest, UndoLevels)
{
    struct Case { int levels; int countAfterTwoEdits; int xAfterUndo; };
    const Case cases[] = {
        { 0, 0, 80 },    // no snapshots: Undo changes nothing
        { 1, 1, 80 },    // one snapshot: nothing to go back to
        { 10, 3, 50 },
    };
    for (const Case& c : cases)
    {
        WriteProject(1, 3);
        ASSERT_TRUE(document.OnOpenDocument(archivePath.c_str()));
        document.GetUndo().SetLevels(c.levels);
        document.GetUndo().Clear();
        document.GetUndo().Record();
        Element(0)->m_xpos = 50;
        document.RecordChange();
        Element(0)->m_xpos = 80;
        document.RecordChange();
        EXPECT_EQ(c.countAfterTwoEdits, document.GetUndo().GetCount()) << c.levels;
        document.GetUndo().Undo();
        EXPECT_EQ(c.xAfterUndo, Element(0)->m_xpos) << c.levels;
        EXPECT_EQ(3u, document.GetCurrentPage()->m_children.size()) << c.levels;
        CStr newest = document.GetUndo().GetNewestPath();
        document.DeleteContents();
        EXPECT_EQ(0, document.GetUndo().GetCount());
        if (!newest.IsEmpty())
        {
            EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(newest)) << c.levels;
        }
    }
}

TEST_F(DocumentTest, UndoRestoresThePageTheSnapshotCameFrom)
{
    WriteProject(2, 2);
    ASSERT_TRUE(document.OnOpenDocument(archivePath.c_str()));
    CBrowser* first = document.GetPages()[0];
    CBrowser* second = document.GetPages()[1];
    // Two pages with one id: the data-file name tells them apart.
    second->SetId("page1");
    Element(0)->m_xpos = 200;
    document.RecordChange();
    document.Select(second);
    Element(0)->m_xpos = 300;
    document.RecordChange();

    document.GetUndo().Undo();
    EXPECT_EQ(second, document.GetCurrentPage());
    EXPECT_EQ(10, Element(0)->m_xpos);
    document.GetUndo().Undo();
    EXPECT_EQ(first, document.GetCurrentPage());
    EXPECT_EQ(200, Element(0)->m_xpos);
    document.GetUndo().Undo();
    EXPECT_EQ(10, Element(0)->m_xpos);
    EXPECT_EQ(2u, document.GetCurrentPage()->m_children.size());

    // A snapshot that cannot be read leaves the page as it is.
    Element(0)->m_xpos = 70;
    document.RecordChange();
    std::string unreadable = document.GetUndo().GetNewestPath().c_str();
    Element(0)->m_xpos = 90;
    document.RecordChange();
    DeleteFileA(unreadable.c_str());
    ASSERT_TRUE(CreateDirectoryA(unreadable.c_str(), NULL));
    document.GetUndo().Undo();
    RemoveDirectoryA(unreadable.c_str());
    EXPECT_EQ(90, Element(0)->m_xpos);
    EXPECT_EQ(2u, document.GetCurrentPage()->m_children.size());
}

TEST_F(DocumentTest, AFailedSaveKeepsTheOldArchiveAndTheDocumentModified)
{
    WriteProject(1, 2);
    ASSERT_TRUE(document.OnOpenDocument(archivePath.c_str()));
    std::string old = ReadWholeFile(archivePath);
    Element(0)->m_xpos = 99;
    document.RecordChange();
    ExpectBox("The project could not be saved as " + archivePath + ".");
    HANDLE lock = CreateFileA(archivePath.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    EXPECT_FALSE(document.OnSaveDocument(archivePath.c_str()));
    CloseHandle(lock);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(old, ReadWholeFile(archivePath));
}

TEST_F(DocumentTest, SaveAsIntoAnotherFolderMakesItADiscFolder)
{
    WriteProject(1, 2);
    ASSERT_TRUE(document.OnOpenDocument(archivePath.c_str()));
    WriteWholeFile(project.File("tarvex.dat\\picture.gif"), "gif");
    GetDiscInfSettings().m_strOptionLabel[0] = "Read me";
    ScratchDir other;
    std::string chosen = other.File("sub\\my project.pqz");
    CreateFolderTree(other.File("sub").c_str());
    ASSERT_TRUE(document.DoSave(chosen.c_str()));
    EXPECT_STREQ(chosen.c_str(), document.GetPathName());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(other.File("sub\\tarvex.pqz").c_str()));
    EXPECT_EQ("player", ReadWholeFile(other.File("sub\\tarvex.exe")));
    EXPECT_EQ("gif", ReadWholeFile(other.File("sub\\tarvex.dat\\picture.gif")));
    EXPECT_NE(std::string::npos, ReadWholeFile(other.File("sub\\autorun.inf")).find("Shell\\Option1=Read me"));
    CDataFileManager saved;
    EXPECT_TRUE(saved.ReadArchive(chosen.c_str()));
    document.DeleteContents();
}

TEST_F(DocumentTest, LayoutCommands)
{
    struct Box { int x, y, w, h; };
    struct Case
    {
        UINT command;
        std::vector<Box> boxes;     // the first is current
        std::vector<POINT> expected;
    };
    // The page is 400 x 300.
    const Case cases[] = {
        { ID_ALIGN_LEFT_SCREEN, { { 10, 10, 20, 20 }, { 50, 60, 20, 20 } }, { { 0, 10 }, { 0, 60 } } },
        { ID_ALIGN_RIGHT_SCREEN, { { 10, 10, 20, 20 }, { 50, 60, 40, 20 } }, { { 380, 10 }, { 360, 60 } } },
        { ID_ALIGN_TOP_SCREEN, { { 10, 10, 20, 20 } }, { { 10, 0 } } },
        { ID_ALIGN_BOTTOM_SCREEN, { { 10, 10, 20, 30 } }, { { 10, 270 } } },
        { ID_ALIGN_LEFT_ITEM, { { 40, 10, 20, 20 }, { 15, 60, 20, 20 } }, { { 15, 10 }, { 15, 60 } } },
        { ID_ALIGN_RIGHT_ITEM, { { 40, 10, 20, 20 }, { 15, 60, 10, 20 } }, { { 40, 10 }, { 50, 60 } } },
        // Objects far down keep the smallest top, not 999.
        { ID_ALIGN_TOP_ITEM, { { 10, 1500, 20, 20 }, { 50, 1200, 20, 20 } }, { { 10, 1200 }, { 50, 1200 } } },
        { ID_ALIGN_BOTTOM_ITEM, { { 10, 10, 20, 20 }, { 50, 60, 20, 40 } }, { { 10, 80 }, { 50, 60 } } },
        { ID_SPACE_COLUMNS, { { 10, 5, 20, 20 }, { 200, 5, 40, 20 }, { 50, 5, 20, 20 } },
          { { 10, 5 }, { 200, 5 }, { 105, 5 } } },
        { ID_SPACE_ROWS, { { 5, 10, 20, 20 }, { 5, 200, 20, 40 }, { 5, 50, 20, 20 } },
          { { 5, 10 }, { 5, 200 }, { 5, 105 } } },
        // With one object spacing does nothing.
        { ID_SPACE_COLUMNS, { { 33, 5, 20, 20 } }, { { 33, 5 } } },
        { ID_CENTER_HORIZONTAL, { { 10, 10, 100, 20 } }, { { 150, 10 } } },
        { ID_CENTER_VERTICAL, { { 10, 10, 100, 100 }, { 10, 110, 100, 100 } }, { { 10, 50 }, { 10, 150 } } },
    };
    WriteProject(1, 3);
    ASSERT_TRUE(document.OnOpenDocument(archivePath.c_str()));
    for (const Case& c : cases)
    {
        document.Select(NULL);
        for (size_t i = 0; i < c.boxes.size(); ++i)
        {
            CElement* e = Element((int)i);
            e->m_xpos = c.boxes[i].x;
            e->m_ypos = c.boxes[i].y;
            e->m_width = c.boxes[i].w;
            e->m_height = c.boxes[i].h;
        }
        // Selected in reverse so that the first ends up current; selecting
        // one twice does not list it twice.
        for (size_t i = c.boxes.size(); i-- > 0;)
            document.Select(Element((int)i), TRUE);
        document.Select(Element(0), TRUE);
        EXPECT_EQ((int)c.boxes.size(), document.GetSelectionCount());
        document.DoLayout(c.command);
        for (size_t i = 0; i < c.expected.size(); ++i)
        {
            EXPECT_EQ(c.expected[i].x, Element((int)i)->m_xpos) << c.command << " object " << i;
            EXPECT_EQ(c.expected[i].y, Element((int)i)->m_ypos) << c.command << " object " << i;
        }
    }
}

TEST_F(DocumentTest, SelectionRules)
{
    WriteProject(1, 3);
    ASSERT_TRUE(document.OnOpenDocument(archivePath.c_str()));
    CSelection& s = document.GetSelection();
    document.Select(Element(0), TRUE);
    document.Select(Element(1), TRUE);
    document.Select(Element(2), TRUE);
    EXPECT_EQ(Element(0), s.GetAnchor());
    // Removing the current object makes the first remaining one current.
    s.Remove(Element(2));
    EXPECT_EQ(Element(0), s.GetCurrent());
    document.Select(Element(2), TRUE);
    // A page replaces the whole selection.
    document.Select(document.GetCurrentPage(), TRUE);
    EXPECT_EQ(1, s.GetCount());
    EXPECT_EQ(NULL, s.GetAnchor());
    // After a resize while selected the spacing uses the sizes of now.
    document.Select(NULL);
    int xs[] = { 10, 50, 200 };
    for (int i = 0; i < 3; ++i)
    {
        Element(i)->m_xpos = xs[i];
        Element(i)->m_width = 10;
        document.Select(Element(i), TRUE);
    }
    Element(0)->m_width = 20;
    Element(1)->m_width = 20;
    Element(2)->m_width = 40;
    document.DoLayout(ID_SPACE_COLUMNS);
    EXPECT_EQ(105, Element(1)->m_xpos);
}

TEST_F(DocumentTest, HostileArchivesGiveAnEmptyDocument)
{
    WriteProject(2, 2);
    std::string good = ReadWholeFile(archivePath);
    struct Case { const char* what; std::string bytes; const char* box; };
    const char* const damaged = "The project file is damaged and cannot be opened.";
    const Case cases[] = {
        { "empty", "", "The file you are trying to open does not exist!" },
        { "not gzip", "QNDL plain text", damaged },
        // Nothing can be read from it: to the reader it is as an empty file.
        { "cut in its header", good.substr(0, 12), "The file you are trying to open does not exist!" },
        { "garbage", std::string(5000, '\xff'), "You are trying to open a non-QNDL file!" },
    };
    for (const Case& c : cases)
    {
        ExpectBox(c.box);
        SCOPED_TRACE(c.what);
        WriteWholeFile(archivePath, c.bytes);
        EXPECT_FALSE(document.OnOpenDocument(archivePath.c_str())) << c.what;
        EXPECT_TRUE(document.GetPages().empty()) << c.what;
        EXPECT_EQ(NULL, document.GetCurrentPage()) << c.what;
        document.DeleteContents();
    }
}

TEST_F(DocumentTest, NextInsertPositionWalksDownThenStartsAThirdAcross)
{
    POINT none = document.NextInsertPosition();
    EXPECT_EQ(0, none.x);
    EXPECT_EQ(0, none.y);
    WriteProject(1, 0);
    ASSERT_TRUE(document.OnOpenDocument(archivePath.c_str()));
    // The page is 400 x 300: the area is 280 x 210.
    std::vector<POINT> seen;
    for (int i = 0; i < 12; ++i)
        seen.push_back(document.NextInsertPosition());
    EXPECT_EQ(15, seen[0].x);
    EXPECT_EQ(20, seen[0].y);
    EXPECT_EQ(30, seen[1].x);
    EXPECT_EQ(165, seen[10].x);
    EXPECT_EQ(220, seen[10].y);
    EXPECT_EQ(55, seen[11].x);
    EXPECT_EQ(0, seen[11].y);
}

// Opening and every page change register the stored ids anew: a true twin
// is renamed, an id that only begins with an earlier one keeps its name,
// and the Set Property targets are marked again.
TEST_F(DocumentTest, IdsAreMadeUniqueAndTargetsMarkedWhenAPageBecomesCurrent)
{
    // The action names the second text; a twin's first holder keeps the id.
    const struct { const char* first; const char* second; const char* secondLoaded; int marked; } cases[] = {
        { "Text1", "Text1", "Text11", 0 },
        { "Button1", "Button", "Button", 1 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.second);
        WriteArchiveOf({ { "tarvex.pgd", PageOfTwoTexts(c.first, c.second, c.second) },
                         { "page_2.pgd", "[Main]\nid = Other\nnumElements = 0\n" } });
        auto expectIdsAndMarks = [&](const char* when) {
            EXPECT_STREQ("Home", document.GetCurrentPage()->m_strId) << when;
            EXPECT_STREQ(c.first, Element(0)->m_strId) << when;
            EXPECT_STREQ(c.secondLoaded, Element(1)->m_strId) << when;
            EXPECT_EQ(c.marked == 0, !!FontSizeMarked(0)) << when;
            EXPECT_EQ(c.marked == 1, !!FontSizeMarked(1)) << when;
        };
        ASSERT_TRUE(document.OnOpenDocument(archivePath.c_str()));
        expectIdsAndMarks("opened");
        document.Select(document.GetPages()[1]);
        document.Select(document.GetPages()[0]);
        expectIdsAndMarks("back from another page");
        // Undo's restore keeps the ids it finds and marks the targets again.
        Element(0)->m_xpos = 40;
        document.RecordChange();
        document.GetUndo().Undo();
        expectIdsAndMarks("undone");
        ASSERT_TRUE(document.OnSaveDocument(archivePath.c_str()));
        expectIdsAndMarks("saved");
        document.DeleteContents();
    }
}

// Saving passes every page through the model quietly: no snapshot and no
// hint per page, one hint 4 at the end, the undo steps as they were.
TEST_F(DocumentTest, SaveLeavesTheUndoStepsAndSendsOneHint)
{
    WriteProject(3, 2);
    ASSERT_TRUE(document.OnOpenDocument(archivePath.c_str()));
    document.Select(document.GetPages()[2]);
    Element(0)->m_xpos = 55;
    document.RecordChange();
    const int count = document.GetUndo().GetCount();
    const CStr newest = document.GetUndo().GetNewestPath();
    HintLog log;
    document.AddView(&log);
    ASSERT_TRUE(document.OnSaveDocument(archivePath.c_str()));
    document.RemoveView(&log);
    EXPECT_EQ(std::vector<int>({ HintWholeDocument }), log.hints);
    EXPECT_EQ(count, document.GetUndo().GetCount());
    EXPECT_EQ(newest, document.GetUndo().GetNewestPath());
    EXPECT_EQ(document.GetPages()[2], document.GetCurrentPage());
    EXPECT_EQ(55, Element(0)->m_xpos);
    EXPECT_FALSE(document.IsModified());
}

// A key the object's Load reads is never kept: moved to 0, the element
// stores no position, and no stale stored one comes back.
TEST_F(DocumentTest, AnElementMovedToZeroStaysThereAcrossSaveAndOpen)
{
    WriteArchiveOf({ { "tarvex.pgd", "[Main]\nid = Home\nnumElements = 1\n"
                                     "[Element_1]\ntype = Text\nid = Note\nxpos = -5\nypos = -7\ncursor = hand\n" } });
    ASSERT_TRUE(document.OnOpenDocument(archivePath.c_str()));
    EXPECT_EQ(-5, Element(0)->m_xpos);
    document.Select(Element(0));
    document.DoLayout(ID_ALIGN_LEFT_SCREEN);
    document.DoLayout(ID_ALIGN_TOP_SCREEN);
    ASSERT_TRUE(document.OnSaveDocument(archivePath.c_str()));
    document.DeleteContents();
    ASSERT_TRUE(document.OnOpenDocument(archivePath.c_str()));
    EXPECT_EQ(0, Element(0)->m_xpos);
    EXPECT_EQ(0, Element(0)->m_ypos);
    CDataFile* stored = document.GetPages()[0]->GetDataFile();
    CStr value;
    EXPECT_FALSE(stored->GetString("Element_1", "xpos", value));
    EXPECT_FALSE(stored->GetString("Element_1", "ypos", value));
    EXPECT_TRUE(stored->GetString("Element_1", "cursor", value));
    EXPECT_STREQ("hand", value);
}

// Properties with a changed id reloads the page from its data file, which
// it writes first: without undo snapshots nothing else would have.
TEST_F(DocumentTest, ARenameKeepsEveryEditWhateverTheUndoLevels)
{
    for (int levels : { 0, 10 })
    {
        SCOPED_TRACE(levels);
        WriteArchiveOf({ { "tarvex.pgd", PageOfTwoTexts("Caller", "Label", "Label") } });
        ASSERT_TRUE(document.OnOpenDocument(archivePath.c_str()));
        document.GetUndo().SetLevels(levels);
        Element(0)->m_xpos = 77;
        document.RecordChange();
        // What the name page's OK does, then the command's own steps.
        CElement* label = Element(1);
        document.m_ids.Unregister(label->m_strId, label);
        label->RegisterId("Caption");
        document.RecordChange();
        CElement* renamed = document.RenameControlReferences("Label", "Caption");
        ASSERT_TRUE(renamed != NULL);
        EXPECT_EQ(Element(1), renamed);
        EXPECT_EQ(77, Element(0)->m_xpos);
        CScript* script = dynamic_cast<CScriptableObject*>(Element(0))->m_scripts[0];
        EXPECT_STREQ("Caption", script->GetItem(0)->m_strControlId);
        EXPECT_TRUE(FontSizeMarked(1));
        document.DeleteContents();
    }
    document.GetUndo().SetLevels(10);
}

// An "autorun.inf" that cannot be written does not make a written archive
// a failed save.
TEST_F(DocumentTest, AFailedAutoRunWriteAfterTheArchiveIsReportedAsSuch)
{
    WriteProject(1, 2);
    ASSERT_TRUE(document.OnOpenDocument(archivePath.c_str()));
    Element(0)->m_xpos = 99;
    document.RecordChange();
    std::string inf = project.File("autorun.inf");
    DeleteFileA(inf.c_str());
    ASSERT_TRUE(CreateDirectoryA(inf.c_str(), NULL));
    const std::string box = "The project was saved, but its AutoRun file " + inf + " could not be written.";
    ExpectBox(box);
    BoxWatch watch;
    EXPECT_TRUE(document.OnSaveDocument(archivePath.c_str()));
    RemoveDirectoryA(inf.c_str());
    EXPECT_FALSE(document.IsModified());
    const std::vector<ShownBox> boxes = watch.Boxes();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(box, boxes[0].text);
    EXPECT_EQ((UINT)(MB_OK | MB_ICONEXCLAMATION), boxes[0].flags);
    CDataFileManager saved;
    ASSERT_TRUE(saved.ReadArchive(archivePath.c_str()));
    int x = 0;
    saved.GetFile(0)->GetInt("Element_1", "xpos", x);
    EXPECT_EQ(99, x);
}

// A damaged archive opens the pages read before the damage, with a word.
TEST_F(DocumentTest, ADamagedArchiveOpensThePagesReadBeforeTheDamage)
{
    WriteProject(3, 2);
    CDataFileManager good;
    ASSERT_TRUE(good.ReadArchive(archivePath.c_str()));
    auto record = [](const std::string& tag, const CDataFile& file) {
        return RecordBytes(tag, file.m_name.c_str(), Content(Lines(file)));
    };
    const std::string first = record("PGD", *good.GetFile(0)), second = record("PGD", *good.GetFile(1));
    const struct { const char* what; std::string bytes; size_t pages; const char* message; } cases[] = {
        { "an unknown tag after two pages", "QNDL" + first + second + "ZZZ", 2,
          "The project file is damaged: only its first 2 pages could be read." },
        { "a resource record after one page", "QNDL" + first + record("RES", *good.GetFile(2)), 1,
          "The project file is damaged: only its first 1 pages could be read." },
        { "a name that cannot be read after one page", "QNDL" + first + "PGD\xff\xff\xff\xff\x7f", 1,
          "The project file is damaged: only its first 1 pages could be read." },
        // The page cut off keeps the lines read before the end.
        { "the stream ending inside the second page", "QNDL" + first + second.substr(0, second.size() / 2), 2,
          "The project file is damaged: only its first 2 pages could be read." },
        { "an unknown tag first", "QNDL" + std::string("ZZZ") + first, 0,
          "The project file is damaged and cannot be opened." },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        WriteCompressed(archivePath, c.bytes);
        ExpectBox(c.message);
        BoxWatch watch;
        EXPECT_EQ(c.pages > 0, !!document.OnOpenDocument(archivePath.c_str()));
        ASSERT_EQ(c.pages, document.GetPages().size());
        const std::vector<ShownBox> boxes = watch.Boxes();
        ASSERT_EQ(1u, boxes.size());
        EXPECT_EQ(c.message, boxes[0].text);
        EXPECT_EQ((UINT)(MB_OK | MB_ICONEXCLAMATION), boxes[0].flags);
        if (c.pages > 0)
        {
            EXPECT_EQ(document.GetPages()[0], document.GetCurrentPage());
            EXPECT_STREQ("page1", document.GetCurrentPage()->m_strId);
            EXPECT_EQ(2u, document.GetCurrentPage()->m_children.size());
            EXPECT_EQ("page" + std::to_string(c.pages), document.GetPages().back()->m_strId.c_str());
        }
        document.DeleteContents();
    }
}

// Two projects open at once, here as in two editors, keep their own undo
// histories although their pages bear the same id and the temporary folder
// is shared.
TEST_F(DocumentTest, TwoOpenProjectsKeepTheirOwnUndoSnapshots)
{
    WriteProject(1, 2);
    ASSERT_TRUE(document.OnOpenDocument(archivePath.c_str()));
    CLumbrookConfigDoc other;
    other.m_bAutoDelete = FALSE;
    ASSERT_TRUE(other.OnOpenDocument(archivePath.c_str()));
    EXPECT_NE(document.GetUndo().GetNewestPath(), other.GetUndo().GetNewestPath());
    const int x = Element(0)->m_xpos;
    Element(0)->m_xpos = x + 40;
    document.RecordChange();
    other.GetCurrentPage()->m_children[0]->m_xpos = x + 7;
    other.RecordChange();
    other.DeleteContents();
    document.OnCmdMsg(ID_EDIT_UNDO, CN_COMMAND, NULL, NULL);
    EXPECT_EQ(x, Element(0)->m_xpos);
}
