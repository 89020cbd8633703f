// A script authored entirely on the editor's pages, as the author fills
// them (each action picked from the script's item list, its page filled and
// confirmed), runs in the player: variables are created and changed, a
// condition holds, a text element's text is set and read back, the value
// read is written to a data file, and the player moves to a second page.
#include "actions/ActionTypes.h"
#include "authoring/LumbrookConfigDoc.h"
#include "authoring/ScriptItemPP.h"
#include "model/Browser.h"
#include "model/Script.h"
#include "model/TextElement.h"
#include "model/store/DataFileManager.h"
#include "resources/editor/ActionPagesAIds.h"
#include "resources/editor/ActionPagesBIds.h"
#include "tests/e2e/PlayerProcess.h"
#include "tests/support/SheetDriver.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace sheetdriver;

namespace {

// Double-clicks an action in the script's item list: its sheet opens, and
// the steps after this one fill it.
Step Pick(const char* action)
{
    return OnPage(IDC_SCRIPT_ITEM_LIST, [action] {
        std::vector<std::string> items = Items(IDC_SCRIPT_ITEM_LIST);
        auto found = std::find(items.begin(), items.end(), std::string(action));
        ASSERT_NE(items.end(), found) << action;
        DoubleClick(IDC_SCRIPT_ITEM_LIST, (int)(found - items.begin()));
    });
}

Steps CreateVariable(const char* name, const char* type, const char* value)
{
    return {
        OnPage(IDC_CREATEVAR_NAME, [] { Choose(IDC_CREATEVAR_SCOPE, "Global"); }),
        Type(IDC_CREATEVAR_NAME, name),
        [=] { Choose(IDC_CREATEVAR_TYPE, type); },
        Type(IDC_CREATEVAR_VALUE, value),
        [] { Ok(); },
    };
}

CBrowser* MakePage(const char* id, const char* title)
{
    CBrowser* page = new CBrowser();
    page->SetId(id);
    page->m_strTitle = title;
    page->m_containerWidth = 240;
    page->m_containerHeight = 160;
    page->m_windowType = 2;
    return page;
}

} // namespace

TEST(ScriptAuthoring, AScriptMadeOnThePagesRunsInThePlayer)
{
    BuildActionTypeTable();
    ScratchDir scratch;
    const std::string out = scratch.File("authored.zjf");
    const std::string archivePath = scratch.File("authored.pqz");

    std::unique_ptr<CBrowser> page(MakePage("Main", "Authored script"));
    CTextElement* title = new CTextElement();
    title->SetType("Text");
    title->SetId("Title");
    title->m_width = 200;
    title->m_height = 40;
    page->AddChild(title);
    CScript* onLoad = CreateScript();
    onLoad->m_strName = "OnLoad";
    page->AddChild(onLoad);

    CLumbrookConfigDoc document;
    document.m_bAutoDelete = FALSE;
    Steps steps = { Pick("Create Script Variable") };
    steps = Then(steps, CreateVariable("Count", "Integer (4 bytes)", "2"));
    steps.push_back(Pick("Create Script Variable"));
    steps = Then(steps, CreateVariable("Seen", "String (Characters)", ""));
    steps = Then(steps, {
        Pick("Modify Variable"),
        OnPage(IDC_MODIFYVAR_CONST_TARGET, [] {
            Choose(IDC_MODIFYVAR_CONST_TARGET, "Count");
            Choose(IDC_MODIFYVAR_CONST_OP, "Plus");
        }),
        Type(IDC_MODIFYVAR_CONST_VALUE, "3"),
        [] { Ok(); },
        Pick("If Statement"),
        OnPage(IDC_IF_VARIABLE1, [] {
            Choose(IDC_IF_VARIABLE1, "Count");
            Choose(IDC_IF_OPERATOR, "is greater than");
        }),
        Type(IDC_IF_CONSTANT, "4"),
        [] { Ok(); },
        Pick("Set Property"),
        OnPage(IDC_SETPROP_ADVANCED, [] {
            Choose(IDC_PROP_OBJECT, "Title");
            Click(IDC_SETPROP_ADVANCED);
            Ok();
        }),
        OnPage(IDC_PROP_NEW_VALUE, [] { Choose(IDC_PROP_PROPERTY, "text"); }),
        Type(IDC_PROP_NEW_VALUE, "Changed"),
        [] { Ok(); },
        Pick("Get Property"),
        OnPage(IDC_PROP_VARIABLE, [] {
            Choose(IDC_PROP_OBJECT, "Title");
            Choose(IDC_PROP_PROPERTY, "text");
            Choose(IDC_PROP_SCOPE, "Global");
            Choose(IDC_PROP_VARIABLE, "Seen");
            Ok();
        }),
        Pick("End If Statement"),
        Pick("Save To Datafile"),
        OnPage(IDC_DATAFILE_KEY, [] {}),
        Type(IDC_DATAFILE_PATH, out),
        Type(IDC_DATAFILE_KEY, "seen"),
        [] {
            Choose(IDC_DATAFILE_VARIABLE, "Seen");
            Ok();
        },
        Pick("Internal Command"),
        OnPage(IDC_COMMAND_LIST, [] { Choose(IDC_COMMAND_LIST, "ChangePage"); }),
        Type(IDC_COMMAND_PARAMETERS, "second"),
        [] { Ok(); },
        OnPage(IDC_SCRIPT_ITEM_LIST, [] { Cancel(); }),   // the picker's "Done"
    });
    Drive([&] { return EditScriptItems(&document, onLoad); }, steps);
    std::string added;
    for (int i = 0; i < onLoad->GetItemCount(); ++i)
        added += std::string(onLoad->GetItem(i)->GetName().c_str()) + ";";
    ASSERT_EQ("Create Variable;Create Variable;Modify Variable;IF/WHILE Statement;SetProperty;GetProperty;"
              "ENDIF Statement;SaveToFile;InternalCommand;",
              added);

    CDataFileManager archive;
    page->SetDataFile(archive.AddFile("tarvex.pgd"));
    ASSERT_TRUE(page->Save(NULL));
    std::unique_ptr<CBrowser> second(MakePage("second", "Authored second page"));
    second->SetDataFile(archive.AddFile("second.pgd"));
    ASSERT_TRUE(second->Save(NULL));
    ASSERT_TRUE(archive.WriteArchive(archivePath.c_str()));
    page->Unload();
    second->Unload();

    PlayerProcess player;
    ASSERT_TRUE(player.Start(TarvexExePath(), "\"" + archivePath + "\""));
    ASSERT_NE((HWND)NULL, player.WaitForWindow());
    EXPECT_EQ("Changed", WaitForSaved(out, "seen", "Changed"));
    EXPECT_TRUE(player.WaitForTitle("Authored second page"));
    EXPECT_TRUE(player.Messages().empty());
    ASSERT_TRUE(player.Close());
}
