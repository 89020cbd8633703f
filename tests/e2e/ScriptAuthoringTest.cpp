// A script authored on the action pages, as the author fills them, runs in
// the player: variables are created and changed, a condition holds, a text
// element's text is set and read back, and the value read is written to a
// data file.
#include "actions/ActionTypes.h"
#include "actions/ConditionActions.h"
#include "actions/DataFileActions.h"
#include "actions/PropertyActions.h"
#include "actions/VariableActions.h"
#include "model/Browser.h"
#include "model/Script.h"
#include "model/TextElement.h"
#include "model/store/DataFileManager.h"
#include "resources/editor/ActionPagesAIds.h"
#include "tests/e2e/PlayerProcess.h"
#include "tests/support/SheetSteps.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace sheetsteps;

namespace {

template <class T>
T* Append(CScript* script)
{
    T* action = new T();
    script->AppendItem(action);
    return action;
}

void CreateVariable(CScript* script, const char* name, const char* type, const char* value)
{
    CSetVariableAction* action = Append<CSetVariableAction>(script);
    EXPECT_TRUE(Drive({ [&] {
                           Choose(IDC_CREATEVAR_SCOPE, "Global");
                           Type(IDC_CREATEVAR_NAME, name);
                           Choose(IDC_CREATEVAR_TYPE, type);
                           Type(IDC_CREATEVAR_VALUE, value);
                           Ok();
                       } },
                      [&] { return action->EditProperties(TRUE); }))
        << name;
}

} // namespace

TEST(ScriptAuthoring, AScriptMadeOnThePagesRunsInThePlayer)
{
    BuildActionTypeTable();
    MessageRecorder quiet;
    ScratchDir scratch;
    const std::string out = scratch.File("authored.zjf");
    const std::string archivePath = scratch.File("authored.pqz");

    CBrowser page;
    page.SetId("Main");
    page.m_strTitle = "Authored script";
    page.m_containerWidth = 240;
    page.m_containerHeight = 160;
    page.m_windowType = 2;
    CTextElement* title = new CTextElement();
    title->SetType("Text");
    title->SetId("Title");
    title->m_width = 200;
    title->m_height = 40;
    page.AddChild(title);
    CScript* onLoad = CreateScript();
    onLoad->m_strName = "OnLoad";
    page.AddChild(onLoad);

    CreateVariable(onLoad, "Count", "Integer (4 bytes)", "2");
    CreateVariable(onLoad, "Seen", "String (Characters)", "");

    CModifyVariableAction* add = Append<CModifyVariableAction>(onLoad);
    EXPECT_TRUE(Drive({ [&] {
                           Choose(IDC_MODIFYVAR_CONST_TARGET, "Count");
                           Choose(IDC_MODIFYVAR_CONST_OP, "Plus");
                           Type(IDC_MODIFYVAR_CONST_VALUE, "3");
                           Ok();
                       } },
                      [&] { return add->EditProperties(TRUE); }));

    CIfWhileAction* test = Append<CIfWhileAction>(onLoad);
    EXPECT_TRUE(Drive({ [&] {
                           Choose(IDC_IF_VARIABLE1, "Count");
                           Choose(IDC_IF_OPERATOR, "is greater than");
                           Type(IDC_IF_CONSTANT, "4");
                           Ok();
                       } },
                      [&] { return test->EditProperties(TRUE); }));

    CSetPropertyAction* set = Append<CSetPropertyAction>(onLoad);
    EXPECT_TRUE(Drive(
        {
            [&] {
                Choose(IDC_PROP_OBJECT, "Title");
                CheckDlgButton(Page(), IDC_SETPROP_ADVANCED, BST_CHECKED);
                PostMessageA(Sheet(), PSM_PRESSBUTTON, PSBTN_OK, 0);
            },
            [&] {
                Choose(IDC_PROP_PROPERTY, "text");
                Type(IDC_PROP_NEW_VALUE, "Changed");
                Ok();
            },
        },
        [&] { return set->EditProperties(TRUE); }));

    CGetPropertyAction* get = Append<CGetPropertyAction>(onLoad);
    EXPECT_TRUE(Drive({ [&] {
                           Choose(IDC_PROP_OBJECT, "Title");
                           Choose(IDC_PROP_PROPERTY, "text");
                           Choose(IDC_PROP_SCOPE, "Global");
                           Choose(IDC_PROP_VARIABLE, "Seen");
                           Ok();
                       } },
                      [&] { return get->EditProperties(TRUE); }));

    CEndIfAction* endIf = Append<CEndIfAction>(onLoad);
    EXPECT_TRUE(endIf->EditProperties(TRUE));

    // The file write only shows the effect; its page is another's.
    CSaveToFileAction* save = Append<CSaveToFileAction>(onLoad);
    save->m_record.path = out.c_str();
    save->m_record.key = "seen";
    save->m_record.variable = "Seen";

    CDataFileManager archive;
    page.SetDataFile(archive.AddFile("tarvex.pgd"));
    ASSERT_TRUE(page.Save(NULL));
    ASSERT_TRUE(archive.WriteArchive(archivePath.c_str()));
    page.Unload();

    PlayerProcess player;
    ASSERT_TRUE(player.Start(TarvexExePath(), "\"" + archivePath + "\""));
    ASSERT_NE((HWND)NULL, player.WaitForWindow());
    EXPECT_EQ("Changed", WaitForSaved(out, "seen", "Changed"));
}
