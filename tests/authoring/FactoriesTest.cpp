// New pages, elements and template buttons from the factories.
#include "authoring/Factories.h"
#include "authoring/ProgramFolders.h"
#include "actions/ActionTypes.h"
#include "actions/PropertyActions.h"
#include "actions/ShellActions.h"
#include "actions/WindowScriptActions.h"
#include "model/Browser.h"
#include "model/ImageElement.h"
#include "model/Script.h"
#include "model/TextElement.h"
#include "model/store/DataFile.h"
#include "tests/model/FakeEditorServices.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

TEST(Factories, ANewPageStoresItsTwoScripts)
{
    CBrowser* page = CreateNewPage();
    CDataFile file;
    page->SetDataFile(&file);
    ASSERT_TRUE(page->Save(NULL));
    CStr name;
    EXPECT_TRUE(file.GetString("Script_1", "name", name));
    EXPECT_STREQ("OnUnload", name);
    EXPECT_TRUE(file.GetString("Script_2", "name", name));
    EXPECT_STREQ("OnLoad", name);
    page->SetDataFile(NULL);
    delete page;
}

TEST(Factories, ElementsAndButtonsTakeUniqueIds)
{
    FakeEditorServices services;
    SetCurrentTemplate("");
    CBrowser page;
    CTextElement* first = CreateTextElement(&page);
    CTextElement* second = CreateTextElement(&page);
    EXPECT_STREQ("Text", first->m_strId);
    EXPECT_STREQ("Text1", second->m_strId);
    CImageElement* exit1 = CreateButton(&page, ButtonExit);
    CImageElement* exit2 = CreateButton(&page, ButtonExit);
    CImageElement* plain = CreateButton(&page, ButtonPlain);
    EXPECT_STREQ("Exit Button", exit1->m_strId);
    EXPECT_STREQ("Exit Button1", exit2->m_strId);
    EXPECT_STREQ("", plain->m_strId);
    // Without a template: four empty mouse scripts and no picture.
    ASSERT_EQ(4u, plain->m_scripts.size());
    for (CScript* script : plain->m_scripts)
        EXPECT_TRUE(script->m_items.empty());
    EXPECT_TRUE(plain->m_strSrc.IsEmpty());
    for (CElement* e : std::initializer_list<CElement*>{ first, second, exit1, exit2, plain })
        delete e;
}

TEST(Factories, ButtonActions)
{
    BuildActionTypeTable();
    struct Case { int kind; const char* type; const char* value; };
    const Case cases[] = {
        { ButtonPlain, NULL, NULL },
        { ButtonExit, "InternalCommand", "Exit" },
        { ButtonBrowseCD, "OpenFolder", ".\\" },
        { ButtonOK, NULL, NULL },
        { ButtonCancel, NULL, NULL },
        { ButtonBack, "InternalCommand", "PrevPage" },
        { ButtonNext, "InternalCommand", "NextPage" },
        { 99, NULL, NULL },
    };
    for (const Case& c : cases)
    {
        CScriptItem* action = CreateButtonAction(c.kind);
        if (c.type == NULL)
        {
            EXPECT_EQ(NULL, action) << c.kind;
            continue;
        }
        ASSERT_NE((CScriptItem*)NULL, action) << c.kind;
        if (auto* command = dynamic_cast<CInternalCommandAction*>(action))
            EXPECT_STREQ(c.value, command->m_record.command) << c.kind;
        else if (auto* folder = dynamic_cast<COpenFolderAction*>(action))
            EXPECT_STREQ(c.value, folder->m_record.path) << c.kind;
        else
            ADD_FAILURE() << c.kind;
        delete action;
    }
    EXPECT_EQ(NULL, CreateActionByKind(1));
    CScriptItem* sound = CreateActionByKind(4);
    EXPECT_NE((CPlaySoundAction*)NULL, dynamic_cast<CPlaySoundAction*>(sound));
    delete sound;
}

TEST(Factories, TemplateButtonsTakeMediaFromTheInstallationsContentWhenTheAuthorSetNone)
{
    FakeEditorServices services;
    ScratchDir content;
    SetContentFolder(content.Path().c_str());
    SetUserContentFolder("");
    WriteWholeFile(content.File("tmpl.dat"),
                   "[main]\r\nfolder = blue\r\n[exit]\r\nnormalImage = n.gif\r\nclickImage = c.gif\r\n"
                   "clickSound = c.wav\r\n");
    SetCurrentTemplate(content.File("tmpl.dat").c_str());
    CBrowser page;
    CImageElement* button = CreateButton(&page, ButtonExit);
    EXPECT_EQ(content.File("blue\\n.gif"), std::string(button->m_strSrc));
    // Appended OnMouseUp, OnMouseDown, OnMouseOut, OnMouseIn.
    ASSERT_EQ(4u, button->m_scripts.size());
    const char* names[] = { "OnMouseUp", "OnMouseDown", "OnMouseOut", "OnMouseIn" };
    size_t counts[] = { 1, 2, 1, 0 };
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_STREQ(names[i], button->m_scripts[i]->m_strName);
        EXPECT_EQ(counts[i], button->m_scripts[i]->m_items.size()) << names[i];
    }
    CPlaySoundAction* sound = dynamic_cast<CPlaySoundAction*>(button->m_scripts[1]->m_items[0]);
    ASSERT_NE((CPlaySoundAction*)NULL, sound);
    EXPECT_EQ(content.File("blue\\c.wav"), std::string(sound->m_record.path));
    CSetPropertyAction* set = dynamic_cast<CSetPropertyAction*>(button->m_scripts[1]->m_items[1]);
    ASSERT_NE((CSetPropertyAction*)NULL, set);
    EXPECT_STREQ("Exit Button", set->m_strControlId);
    CStr source;
    EXPECT_TRUE(set->GetSourceAssignment(source));
    EXPECT_EQ(content.File("blue\\c.gif"), std::string(source));

    // The author's own content folder wins when set.
    ScratchDir own;
    SetUserContentFolder(own.Path().c_str());
    CImageElement* second = CreateButton(&page, ButtonExit);
    EXPECT_EQ(own.File("blue\\n.gif"), std::string(second->m_strSrc));
    // A template shipped with the program keeps its media in the
    // installation's folder: an author's folder without it does not hide it.
    ASSERT_TRUE(CreateDirectoryA(content.File("blue").c_str(), NULL));
    CImageElement* third = CreateButton(&page, ButtonExit);
    EXPECT_EQ(content.File("blue\\n.gif"), std::string(third->m_strSrc));
    ASSERT_TRUE(CreateDirectoryA(own.File("blue").c_str(), NULL));
    CImageElement* fourth = CreateButton(&page, ButtonExit);
    EXPECT_EQ(own.File("blue\\n.gif"), std::string(fourth->m_strSrc));
    delete third;
    delete fourth;
    SetUserContentFolder("");
    SetCurrentTemplate("");
    delete button;
    delete second;
}

TEST(Factories, TemplateMediaAreFoundInTheAuthorsFolderWithOrWithoutItsBackslash)
{
    MessageRecorder boxes;
    FakeEditorServices services;
    ScratchDir content, own;
    SetContentFolder(content.Path().c_str());
    ASSERT_TRUE(CreateDirectoryA(own.File("blue").c_str(), NULL));
    WriteWholeFile(content.File("tmpl.dat"),
                   "[main]\r\nfolder = blue\r\n[exit]\r\nnormalImage = n.gif\r\nhoverSound = h.wav\r\n");
    SetCurrentTemplate(content.File("tmpl.dat").c_str());
    std::string ownFolder = own.Path();
    const struct
    {
        const char* name;
        std::string folder;
    } cases[] = {
        { "as the folder picker gives it", ownFolder.substr(0, ownFolder.size() - 1) },
        { "as it is stored", ownFolder },
    };
    for (const auto& c : cases)
    {
        SetUserContentFolder(c.folder.c_str());
        EXPECT_EQ(own.File("blue\\"), std::string(GetTemplateMediaFolder("blue"))) << c.name;
        CBrowser page;
        CImageElement* button = CreateButton(&page, ButtonExit);
        EXPECT_EQ(own.File("blue\\n.gif"), std::string(button->m_strSrc)) << c.name;
        CPlaySoundAction* sound = dynamic_cast<CPlaySoundAction*>(button->m_scripts[3]->m_items[0]);
        ASSERT_NE((CPlaySoundAction*)NULL, sound) << c.name;
        EXPECT_EQ(own.File("blue\\h.wav"), std::string(sound->m_record.path)) << c.name;
        delete button;
    }
    SetUserContentFolder("");
    SetCurrentTemplate("");
    EXPECT_TRUE(boxes.Messages().empty());
}
