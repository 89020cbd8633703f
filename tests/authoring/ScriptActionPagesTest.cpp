// The script-item picker and the pages of the variable, condition and
// property actions, in real property sheets driven by a timer inside their
// modal loops: what each page shows, what OK stores and what Cancel keeps.
#include "actions/ActionPageSupport.h"
#include "actions/ActionTypes.h"
#include "actions/ConditionActions.h"
#include "actions/PropertyActions.h"
#include "actions/PropertyPages.h"
#include "actions/VariableActions.h"
#include "authoring/LumbrookConfigDoc.h"
#include "authoring/ScriptItemPP.h"
#include "model/Browser.h"
#include "model/PropertySheetHooks.h"
#include "model/Script.h"
#include "model/ImageElement.h"
#include "model/TextElement.h"
#include "model/common/MessageReporter.h"
#include "model/common/VariantHelpers.h"
#include "model/store/DataFile.h"
#include "resources/editor/ActionPagesAIds.h"
#include "tests/e2e/DialogDriver.h"
#include "tests/model/FakeEditorServices.h"
#include "tests/support/SheetSteps.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

using namespace sheetsteps;

namespace {

// ---- Message boxes answered by the test ----

std::vector<std::string> g_messages;
int g_answer = IDYES;

int WINAPI AnswerMessage(HWND, const char* text, const char*, UINT)
{
    g_messages.push_back(text ? text : "");
    return g_answer;
}

// ---- The stored form ----

typedef std::map<std::string, std::string> Keys;

std::string Lower(std::string text)
{
    for (char& c : text)
        c = (char)tolower((unsigned char)c);
    return text;
}

// The action's own keys as its section stores them (lower-case names).
Keys Stored(CScriptItem* item, const char* section = NULL)
{
    CDataFile file;
    item->Save(&file);
    std::string wanted = section ? section : item->GetSectionName().c_str();
    Keys keys;
    bool inside = false;
    for (int i = 0; i < file.GetLineCount(); ++i)
    {
        std::string line = file.GetLine(i).c_str();
        if (file.IsSectionHeaderAt(i))
        {
            inside = line == "[" + wanted + "]";
            continue;
        }
        size_t equals = line.find(" = ");
        if (!inside || equals == std::string::npos)
            continue;
        std::string key = line.substr(0, equals);
        for (char& c : key)
            c = (char)tolower((unsigned char)c);
        keys[key] = line.substr(equals + 3);
    }
    keys.erase("type");
    keys.erase("name");
    return keys;
}

VARIANT Long(long value)
{
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_I4;
    V_I4(&v) = value;
    return v;
}

VARIANT TextValue(const char* text)
{
    VARIANT v;
    VariantInit(&v);
    SetVariantText(v, text);
    return v;
}

// A page with a text element "Title" whose "OnMouseDown" script takes the
// actions, a second element "Other", and variables of both scopes.
class ActionPagesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        BuildActionTypeTable();
        previousReporter = SetMessageReporter(AnswerMessage);
        g_messages.clear();
        g_answer = IDYES;
        page.SetId("Main");
        title = new CTextElement();
        title->SetType("Text");
        title->SetId("Title");
        page.AddChild(title);
        other = new CTextElement();
        other->SetType("Text");
        other->SetId("Other");
        page.AddChild(other);
        script = CreateScript();
        script->m_strName = "OnMouseDown";
        title->AddChild(script);
        VARIANT counter = Long(5);
        page.AddVariable(0, "Counter", counter, "");
        VARIANT name = TextValue("Ann");
        page.AddVariable(1, "Name", name, "Title");
        VARIANT foreign = Long(1);
        page.AddVariable(1, "OtherOwn", foreign, "Other");
    }
    void TearDown() override
    {
        SetMessageReporter(previousReporter);
        page.Unload();
    }

    template <class T>
    T* Add()
    {
        T* action = new T();
        script->AppendItem(action);
        return action;
    }

    CBrowser page;
    CTextElement* title = NULL;
    CTextElement* other = NULL;
    CScript* script = NULL;
    MessageReporterFn previousReporter = NULL;
};

// ---- The picker ----

std::vector<std::string> PickerList(const char* scriptName)
{
    CScriptItemPP page;
    CPropertySheet sheet("");
    CLumbrookConfigDoc document;
    document.m_bAutoDelete = FALSE;
    CScript script;
    script.m_strName = scriptName;
    page.m_pDocument = &document;
    page.m_pScript = &script;
    page.m_strEventName = scriptName;
    sheet.AddPage(&page);
    std::vector<std::string> texts;
    Drive({ [&] {
               HWND list = GetDlgItem(Page(), IDC_SCRIPT_ITEM_LIST);
               int count = (int)SendMessageA(list, LB_GETCOUNT, 0, 0);
               for (int i = 0; i < count; ++i)
               {
                   char text[128] = "";
                   SendMessageA(list, LB_GETTEXT, (WPARAM)i, (LPARAM)text);
                   texts.push_back(text);
               }
               Cancel();
           } },
          [&] { return sheet.DoModal(); });
    return texts;
}

TEST_F(ActionPagesTest, PickerListsTheActionsOfEachEventInOrder)
{
    const std::vector<std::string> all = {
        "Open Folder", "Play Sound", "Launch HTML", "Run External Program", "Set Property",
        "Get Property", "Create Script Variable", "Modify Variable", "Internal Command",
        "Shell Execute", "Call ActiveX Method", "Register ActiveX Control", "Save To Datafile",
        "Read From Datafile", "Read a Cookie", "Write a Cookie", "Post Message", "If Statement",
        "Else Statement", "End If Statement",
    };
    const std::vector<std::string> preLoad = {
        "Open Folder", "Play Sound", "Launch HTML", "Run External Program", "Internal Command",
        "Shell Execute", "Register ActiveX Control", "Save To Datafile",
    };
    const struct { const char* event; const std::vector<std::string>& list; } cases[] = {
        { "PreLoad", preLoad }, { "preload", preLoad }, { "PRELOAD", preLoad },
        { "OnMouseDown", all }, { "OnMouseUp", all }, { "OnMouseIn", all }, { "OnMouseOut", all },
        { "OnLoad", all },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.list, PickerList(c.event)) << c.event;
}

TEST_F(ActionPagesTest, PickerAddsToItsOwnScriptAndSaysDoneAfterwards)
{
    CLumbrookConfigDoc document;   // no current script: the page's script is the one
    document.m_bAutoDelete = FALSE;
    CScriptItemPP picker;
    picker.m_pDocument = &document;
    picker.m_pScript = script;
    picker.m_strEventName = script->GetName();
    CPropertySheet sheet("");
    sheet.AddPage(&picker);
    std::string prompt, before, after, afterCancelled;
    auto pick = [&](const char* text) {
        HWND list = GetDlgItem(Page(), IDC_SCRIPT_ITEM_LIST);
        LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)text);
        SendMessageA(list, LB_SETCURSEL, (WPARAM)index, 0);
        Command(Page(), IDC_SCRIPT_ITEM_LIST, LBN_DBLCLK);
    };
    auto cancelText = [&] {
        char text[64] = "";
        GetDlgItemTextA(Sheet(), IDCANCEL, text, sizeof(text));
        return std::string(text);
    };
    INT_PTR result = Drive(
        {
            [&] { prompt = Text(IDC_SCRIPT_ITEM_PROMPT); before = cancelText(); },
            // An If Statement whose sheet is cancelled leaves nothing behind.
            [&] { pick("If Statement"); },
            [&] { Cancel(); },
            [&] { afterCancelled = cancelText(); EXPECT_EQ(0, script->GetItemCount()); },
            // Else needs no sheet and stays.
            [&] { pick("Else Statement"); },
            [&] { after = cancelText(); Cancel(); },
        },
        [&] { return sheet.DoModal(); });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ("Select a script item to add to the OnMouseDown event.", prompt);
    EXPECT_EQ("Cancel", before);
    EXPECT_EQ("Cancel", afterCancelled);
    EXPECT_EQ("Done", after);
    ASSERT_EQ(1, script->GetItemCount());
    EXPECT_EQ(script, script->GetItem(0)->GetParent());
    EXPECT_EQ("ELSE Statement", std::string(script->GetItem(0)->GetName().c_str()));
    EXPECT_EQ("Element_1_Script_1_ScriptItem_1", std::string(script->GetItem(0)->GetSectionName().c_str()));
}

TEST_F(ActionPagesTest, PickerOkAddsTheSelectedActionThroughItsSheet)
{
    CLumbrookConfigDoc document;
    document.m_bAutoDelete = FALSE;
    CScriptItemPP picker;
    picker.m_pDocument = &document;
    picker.m_pScript = script;
    CPropertySheet sheet("");
    sheet.AddPage(&picker);
    INT_PTR result = Drive(
        {
            [&] {
                HWND list = GetDlgItem(Page(), IDC_SCRIPT_ITEM_LIST);
                SendMessageA(list, LB_SETCURSEL,
                             (WPARAM)SendMessageA(list, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)"Modify Variable"), 0);
                PostMessageA(Sheet(), PSM_PRESSBUTTON, PSBTN_OK, 0);
            },
            [&] { Choose(IDC_MODIFYVAR_CONST_TARGET, "Counter"); Choose(IDC_MODIFYVAR_CONST_OP, "Times"); },
            [&] { Type(IDC_MODIFYVAR_CONST_VALUE, "3"); Ok(); },
        },
        [&] { return sheet.DoModal(); });
    EXPECT_EQ(IDOK, result);
    ASSERT_EQ(1, script->GetItemCount());
    Keys expected = { { "mainop", "Times" }, { "targetvar", "Counter" }, { "srcvar", "" },
                      { "value", "3" }, { "valuetype", "3" } };
    EXPECT_EQ(expected, Stored(script->GetItem(0)));
}

TEST_F(ActionPagesTest, ScriptSheetNeedsTheEditorsDocument)
{
    InstallScriptEditing();
    // No main frame, so no document: no sheet, and nothing is added.
    EXPECT_FALSE(script->EditProperties(FALSE));
    EXPECT_EQ(0, script->GetItemCount());
    SetEditScriptHook(NULL);
}

// ---- The sheet protocol ----

TEST_F(ActionPagesTest, ActionSheetsAreTitledWithTheActionAndHaveNoApply)
{
    CModifyVariableAction* action = Add<CModifyVariableAction>();
    std::string title;
    bool applyShown = true;
    Drive({ [&] {
               char text[128] = "";
               GetWindowTextA(Sheet(), text, sizeof(text));
               title = text;
               HWND apply = GetDlgItem(Sheet(), 0x3021);
               applyShown = apply != NULL && IsWindowVisible(apply);
               Cancel();
           } },
          [&] { return action->EditProperties(TRUE); });
    EXPECT_NE(std::string::npos, title.find("Modify Variable")) << title;
    EXPECT_FALSE(applyShown);
}

// ---- Create Variable ----

TEST_F(ActionPagesTest, CreateVariableStoresWhatThePageSays)
{
    CSetVariableAction* action = Add<CSetVariableAction>();
    std::vector<std::string> localNames;
    BOOL result = Drive(
        {
            [&] { Choose(IDC_CREATEVAR_SCOPE, "Local"); },
            [&] {
                localNames = Items(IDC_CREATEVAR_NAME);
                Type(IDC_CREATEVAR_NAME, "Score");
                Choose(IDC_CREATEVAR_TYPE, "Integer (4 bytes)");
                Type(IDC_CREATEVAR_VALUE, "0x10");
                Ok();
            },
        },
        [&] { return action->EditProperties(TRUE); });
    EXPECT_TRUE(result);
    EXPECT_EQ(std::vector<std::string>{ "Name" }, localNames);
    Keys expected = { { "varname", "Score" }, { "owner", "Title" }, { "scope", "1" },
                      { "value", "16" }, { "valuetype", "3" } };
    EXPECT_EQ(expected, Stored(action));
    ASSERT_EQ(3u, page.m_localVariables.size());
    EXPECT_EQ("Score", std::string(page.m_localVariables[2]->m_strName.c_str()));
}

TEST_F(ActionPagesTest, CreateVariableConvertsWithoutClampingOrRefuses)
{
    const struct { const char* type; const char* text; bool kept; const char* value; const char* vt; } cases[] = {
        { "Integer (8 bytes)", "5000000000", true, "5000000000", "20" },
        { "Integer (8 bytes)", "-5000000000", true, "-5000000000", "20" },
        { "U Integer (4 bytes)", "4294967295", true, "4294967295", "19" },
        { "U Integer (4 bytes)", "3000000000", true, "3000000000", "19" },
        { "Integer (4 bytes)", "2147483647", true, "2147483647", "3" },
        { "Integer (2 bytes)", "-12", true, "-12", "2" },
        { "Real Num (8 bytes)", "2.5", true, "2.5", "5" },
        { "String (Characters)", "3000000000", true, "3000000000", "8" },
        { "Integer (4 bytes)", "", true, "0", "3" },
        { "Integer (4 bytes)", "3000000000", false, "", "" },
        { "Integer (2 bytes)", "70000", false, "", "" },
        { "U Integer (1 bytes)", "256", false, "", "" },
        { "U Integer (4 bytes)", "-1", false, "", "" },
        { "Integer (8 bytes)", "99999999999999999999", false, "", "" },
        { "Integer (4 bytes)", "abc", false, "", "" },
        { "Real Num (4 bytes)", "many", false, "", "" },
    };
    for (const auto& c : cases)
    {
        script->DeleteAllItems();
        g_messages.clear();
        CSetVariableAction* action = Add<CSetVariableAction>();
        bool stayedOpen = false;
        std::vector<Step> steps = {
            [&] {
                Choose(IDC_CREATEVAR_SCOPE, "Global");
                Type(IDC_CREATEVAR_NAME, "Big");
                Choose(IDC_CREATEVAR_TYPE, c.type);
                Type(IDC_CREATEVAR_VALUE, c.text);
                Ok();
            },
        };
        if (!c.kept)
            steps.push_back([&] { stayedOpen = Sheet() != NULL; Cancel(); });
        BOOL result = Drive(steps, [&] { return action->EditProperties(TRUE); });
        EXPECT_EQ(c.kept, result != FALSE) << c.type << " " << c.text;
        EXPECT_EQ(!c.kept, stayedOpen) << c.type << " " << c.text;
        EXPECT_EQ(c.kept ? 0u : 1u, g_messages.size()) << c.type << " " << c.text;
        if (c.kept)
        {
            Keys keys = Stored(action);
            EXPECT_EQ(c.value, keys["value"]) << c.type << " " << c.text;
            EXPECT_EQ(c.vt, keys["valuetype"]) << c.type << " " << c.text;
        }
    }
}

TEST_F(ActionPagesTest, CreateVariableKeepsTheSheetOpenWithoutANameOrAType)
{
    const struct { const char* name; const char* type; size_t messages; } cases[] = {
        { "", "Integer (4 bytes)", 0 },
        { "Untyped", NULL, 1 },
    };
    for (const auto& c : cases)
    {
        script->DeleteAllItems();
        g_messages.clear();
        CSetVariableAction* action = Add<CSetVariableAction>();
        bool stayedOpen = false;
        BOOL result = Drive(
            {
                [&] {
                    Type(IDC_CREATEVAR_NAME, c.name);
                    SendDlgItemMessageA(Page(), IDC_CREATEVAR_TYPE, CB_SETCURSEL, (WPARAM)-1, 0);
                    if (c.type)
                        Choose(IDC_CREATEVAR_TYPE, c.type);
                    Type(IDC_CREATEVAR_VALUE, "1");
                    Ok();
                },
                [&] { stayedOpen = Sheet() != NULL; Cancel(); },
            },
            [&] { return action->EditProperties(TRUE); });
        EXPECT_FALSE(result) << c.name;
        EXPECT_TRUE(stayedOpen) << c.name;
        EXPECT_EQ(c.messages, g_messages.size()) << c.name;
        EXPECT_TRUE(action->m_record.varName.IsEmpty());
    }
}

TEST_F(ActionPagesTest, CreateVariableOfAnotherObjectListsThatObjectsVariables)
{
    CSetVariableAction* action = Add<CSetVariableAction>();
    std::vector<std::string> names;
    bool objectEnabledForGlobal = true;
    EXPECT_TRUE(Drive(
        {
            [&] {
                Choose(IDC_CREATEVAR_SCOPE, "Global");
                objectEnabledForGlobal = IsWindowEnabled(GetDlgItem(Page(), IDC_CREATEVAR_OBJECT)) != FALSE;
                Choose(IDC_CREATEVAR_SCOPE, "Local");
                Choose(IDC_CREATEVAR_OBJECT, "Other");
                names = Items(IDC_CREATEVAR_NAME);
                Type(IDC_CREATEVAR_NAME, "Flag");
                Choose(IDC_CREATEVAR_TYPE, "Bool (true or false)");
                Type(IDC_CREATEVAR_VALUE, "1");
                Ok();
            },
        },
        [&] { return action->EditProperties(TRUE); }));
    EXPECT_FALSE(objectEnabledForGlobal);
    EXPECT_EQ(std::vector<std::string>{ "OtherOwn" }, names);
    Keys keys = Stored(action);
    EXPECT_EQ("Other", keys["owner"]);
    EXPECT_EQ("1", keys["scope"]);
    EXPECT_EQ("11", keys["valuetype"]);
}

TEST_F(ActionPagesTest, ExistingVariableChangesOnlyItsValueAndCancelKeepsIt)
{
    CSetVariableAction* action = Add<CSetVariableAction>();
    action->m_record.varName = "Counter";
    action->m_record.scope = 0;
    action->m_record.value = Long(5);
    Keys stored = Stored(action);
    bool nameEnabled = true;
    std::string shownName;
    EXPECT_FALSE(Drive({ [&] { Type(IDC_CREATEVAR_VALUE, "9"); Cancel(); } },
                       [&] { return action->EditProperties(FALSE); }));
    EXPECT_EQ(stored, Stored(action));
    EXPECT_TRUE(Drive({ [&] {
                           nameEnabled = IsWindowEnabled(GetDlgItem(Page(), IDC_CREATEVAR_NAME)) != FALSE;
                           shownName = Text(IDC_CREATEVAR_NAME);
                           Type(IDC_CREATEVAR_VALUE, "9");
                           Ok();
                       } },
                      [&] { return action->EditProperties(FALSE); }));
    EXPECT_FALSE(nameEnabled);
    EXPECT_EQ("Counter", shownName);
    EXPECT_EQ("9", Stored(action)["value"]);
    EXPECT_EQ(1u, page.m_globalVariables.size());   // an existing one adds no variable
}

// ---- Modify Variable ----

TEST_F(ActionPagesTest, ModifyVariableStoresThePageConfirmed)
{
    CModifyVariableAction* byConstant = Add<CModifyVariableAction>();
    std::vector<std::string> variables, operations;
    EXPECT_TRUE(Drive(
        {
            [&] {
                variables = Items(IDC_MODIFYVAR_CONST_TARGET);
                operations = Items(IDC_MODIFYVAR_CONST_OP);
                Choose(IDC_MODIFYVAR_CONST_TARGET, "Counter");
                Choose(IDC_MODIFYVAR_CONST_OP, "Minus");
                Type(IDC_MODIFYVAR_CONST_VALUE, "0x20");
                EXPECT_EQ("VT_I4", Text(IDC_MODIFYVAR_CONST_TYPE));
                Ok();
            },
        },
        [&] { return byConstant->EditProperties(TRUE); }));
    EXPECT_EQ((std::vector<std::string>{ "Counter", "Name" }), variables);
    EXPECT_EQ((std::vector<std::string>{ "Equals", "Plus", "Minus", "Times", "Divide" }), operations);
    Keys constant = { { "mainop", "Minus" }, { "targetvar", "Counter" }, { "srcvar", "" },
                      { "value", "32" }, { "valuetype", "3" } };
    EXPECT_EQ(constant, Stored(byConstant));

    CModifyVariableAction* byVariable = Add<CModifyVariableAction>();
    EXPECT_TRUE(Drive(
        {
            [&] { SendMessageA(Sheet(), PSM_SETCURSEL, 1, 0); },
            [&] {
                Choose(IDC_MODIFYVAR_VAR_TARGET, "Counter");
                Choose(IDC_MODIFYVAR_VAR_SOURCE, "Name");
                Choose(IDC_MODIFYVAR_VAR_OP, "Plus");
                EXPECT_EQ("VT_BSTR", Text(IDC_MODIFYVAR_VAR_SOURCE_TYPE));
                Ok();
            },
        },
        [&] { return byVariable->EditProperties(TRUE); }));
    Keys variable = Stored(byVariable);
    EXPECT_EQ("Plus", variable["mainop"]);
    EXPECT_EQ("Counter", variable["targetvar"]);
    EXPECT_EQ("Name", variable["srcvar"]);
    EXPECT_EQ("3", variable["valuetype"]);
}

TEST_F(ActionPagesTest, ModifyVariableSelectsStoredNamesExactlyAndRefusesWhatDoesNotFit)
{
    CModifyVariableAction* action = Add<CModifyVariableAction>();
    action->m_record.targetVar = "Count";   // a stale name that begins another
    action->m_record.mainOp = "Plus";
    Keys stored = Stored(action);
    std::string shown;
    EXPECT_FALSE(Drive(
        {
            [&] {
                shown = Selected(IDC_MODIFYVAR_CONST_TARGET);
                Choose(IDC_MODIFYVAR_CONST_TARGET, "Counter");
                Type(IDC_MODIFYVAR_CONST_VALUE, "5000000000");
                Ok();
            },
            [&] { Cancel(); },
        },
        [&] { return action->EditProperties(FALSE); }));
    EXPECT_EQ("<none>", shown);
    EXPECT_EQ(1u, g_messages.size());
    EXPECT_EQ(stored, Stored(action));
}

// ---- IF/WHILE ----

struct IfCase
{
    const char* variable1;
    const char* op;
    const char* variable2;
    const char* constant;
    const char* path;
    BOOL result;
    Keys stored;
};

TEST_F(ActionPagesTest, IfStatementStoresItsTestAndRefusesAnIncompleteOne)
{
    const IfCase cases[] = {
        { "Counter", "is greater than", NULL, "3", NULL, TRUE,
          { { "leftname", "Counter" }, { "constvalue", "3" }, { "operator", "5" } } },
        { "Counter", "is equal to", "Name", "", NULL, TRUE,
          { { "leftname", "Counter" }, { "rightname", "Name" }, { "operator", "2" } } },
        { "Counter", "is false", "Name", "7", NULL, TRUE,
          { { "leftname", "Counter" }, { "constvalue", "7" }, { "operator", "0" } } },
        { NULL, NULL, NULL, "", "C:\\data\\a.txt", TRUE, { { "path", "C:\\data\\a.txt" } } },
        { "Counter", "is true", NULL, "", "C:\\x", TRUE, { { "path", "C:\\x" } } },
        { NULL, NULL, NULL, "", NULL, FALSE, {} },
        { NULL, "is true", NULL, "", NULL, FALSE, {} },
        { "Counter", NULL, NULL, "", NULL, FALSE, {} },
    };
    for (const IfCase& c : cases)
    {
        script->DeleteAllItems();
        CIfWhileAction* action = Add<CIfWhileAction>();
        BOOL result = Drive(
            {
                [&] {
                    if (c.variable1)
                        Choose(IDC_IF_VARIABLE1, c.variable1);
                    if (c.op)
                        Choose(IDC_IF_OPERATOR, c.op);
                    if (c.variable2)
                        Choose(IDC_IF_VARIABLE2, c.variable2);
                    Type(IDC_IF_CONSTANT, c.constant);
                    if (c.path)
                        SendMessageA(Sheet(), PSM_SETCURSEL, 1, 0);
                },
                [&] {
                    if (c.path)
                        Type(IDC_IF_EXISTS_PATH, c.path);
                    Ok();
                },
            },
            [&] { return action->EditProperties(TRUE); });
        std::string what = std::string(c.variable1 ? c.variable1 : "-") + "/" + (c.path ? c.path : "-");
        EXPECT_EQ(c.result, result) << what;
        if (c.result)
        {
            EXPECT_EQ(c.stored, Stored(action)) << what;
        }
    }
}

TEST_F(ActionPagesTest, IfStatementWithItsPathClearedAndNoVariableTakesTheEmptyPath)
{
    CIfWhileAction* action = Add<CIfWhileAction>();
    action->m_record.path = "C:\\keep.txt";
    action->m_record.op = 2;
    action->m_record.constValue = "3";
    std::string shownPath;
    EXPECT_FALSE(Drive({ [&] {
                            shownPath = Text(IDC_IF_EXISTS_PATH);
                            Type(IDC_IF_EXISTS_PATH, "");
                            Ok();
                        } },
                       [&] { return action->EditProperties(FALSE); }));
    EXPECT_EQ("C:\\keep.txt", shownPath);
    // The sheet's path is taken; the incomplete comparison is not. The
    // editor records the change, so it can be undone.
    EXPECT_TRUE(action->m_bEditConfirmed);
    EXPECT_STREQ("", action->m_record.path);
    EXPECT_STREQ("", action->m_record.leftName);
    EXPECT_EQ(2, action->m_record.op);
    EXPECT_STREQ("3", action->m_record.constValue);
    Keys stored = Stored(action);
    EXPECT_FALSE(Drive({ [&] { Cancel(); } }, [&] { return action->EditProperties(FALSE); }));
    EXPECT_FALSE(action->m_bEditConfirmed);
    EXPECT_EQ(stored, Stored(action));
    EXPECT_EQ(std::vector<std::string>(), g_messages);
}

TEST_F(ActionPagesTest, IfExistsBrowseStartsAtThePathAndTakesTheChosenFile)
{
    ScratchDir scratch;
    const std::string start = scratch.File("start.txt"), chosen = scratch.File("chosen.txt");
    for (const std::string& file : { start, chosen })
        CloseHandle(CreateFileA(file.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
    CIfWhileAction* action = Add<CIfWhileAction>();
    action->m_record.path = start.c_str();
    std::string offered, offeredFile, shown;
    HWND sheet = NULL;
    EXPECT_TRUE(Drive(
        {
            [&] { sheet = Sheet(); PressDialogButton(Page(), IDC_IF_EXISTS_BROWSE); },
            [&] {
                if (Sheet() == sheet || Sheet() == NULL)
                {
                    --g_step;   // the file dialog is not there yet
                    return;
                }
                char folder[MAX_PATH] = "", file[MAX_PATH] = "";
                SendMessageA(Sheet(), CDM_GETFOLDERPATH, MAX_PATH, (LPARAM)folder);
                SendMessageA(Sheet(), CDM_GETSPEC, MAX_PATH, (LPARAM)file);
                offered = std::string(folder) + "\\";
                offeredFile = file;
                AnswerFileDialog(Sheet(), chosen.c_str());
            },
            [&] {
                if (Sheet() != sheet)
                {
                    --g_step;
                    return;
                }
                shown = Text(IDC_IF_EXISTS_PATH);
                Ok();
            },
        },
        [&] { return action->EditProperties(FALSE); }));
    EXPECT_EQ(Lower(scratch.Path()), Lower(offered));
    EXPECT_EQ("start.txt", offeredFile);
    EXPECT_EQ(chosen, shown);
    EXPECT_EQ((Keys{ { "path", chosen } }), Stored(action));
}

namespace {

std::vector<CActionBrowseRequest> g_browseRequests;
BOOL RecordBrowse(HWND, const CActionBrowseRequest& request, CStr& chosen)
{
    g_browseRequests.push_back(request);
    chosen = "C:\\Chosen\\picked.txt";
    return TRUE;
}

// Relative paths are the document folder's; the content folder is the
// author's.
class BrowseServices : public FakeEditorServices
{
public:
    BrowseServices() : FakeEditorServices("C:\\Project\\") {}
    CStr GetDefaultContentFolder() override { return CStr("C:\\Content\\"); }
};

} // namespace

TEST_F(ActionPagesTest, IfExistsBrowseOffersTheStoredFileThroughTheBrowseRequest)
{
    BrowseServices services;
    const struct
    {
        const char* stored;
        const char* folder;
        const char* file;
    } cases[] = {
        { "", "C:\\Content\\", "" },
        { "D:\\Shows\\intro.avi", "D:\\Shows\\", "intro.avi" },
        { "media\\intro.avi", "C:\\Project\\media\\", "intro.avi" },
    };
    ActionBrowseFn previous = SetActionBrowser(RecordBrowse);
    for (const auto& c : cases)
    {
        g_browseRequests.clear();
        CIfWhileAction* action = Add<CIfWhileAction>();
        action->m_record.path = c.stored;
        std::string after;
        Drive({ [&] {
                   SendMessageA(Sheet(), PSM_SETCURSEL, 1, 0);
                   SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(IDC_IF_EXISTS_BROWSE, BN_CLICKED),
                                (LPARAM)GetDlgItem(Page(), IDC_IF_EXISTS_BROWSE));
                   after = Text(IDC_IF_EXISTS_PATH);
                   Ok();
               } },
              [&] { return action->EditProperties(FALSE); });
        ASSERT_EQ(1u, g_browseRequests.size()) << c.stored;
        const CActionBrowseRequest& request = g_browseRequests[0];
        EXPECT_FALSE(request.folder) << c.stored;
        EXPECT_STREQ("All Files (*.*)|*.*||", request.filter) << c.stored;
        EXPECT_STREQ(".*", request.defaultExt) << c.stored;
        EXPECT_STREQ(c.folder, request.initialFolder) << c.stored;
        EXPECT_STREQ(c.file, request.initialFile) << c.stored;
        EXPECT_EQ("C:\\Chosen\\picked.txt", after) << c.stored;
    }
    SetActionBrowser(previous);
    EXPECT_EQ(std::vector<std::string>(), g_messages);
}

TEST_F(ActionPagesTest, IfStatementSelectsStoredNamesExactly)
{
    CIfWhileAction* action = Add<CIfWhileAction>();
    action->m_record.leftName = "Count";
    action->m_record.rightName = "Nam";
    action->m_record.op = 2;
    std::string left, right, op;
    Drive({ [&] {
               left = Selected(IDC_IF_VARIABLE1);
               right = Selected(IDC_IF_VARIABLE2);
               op = Selected(IDC_IF_OPERATOR);
               Cancel();
           } },
          [&] { return action->EditProperties(FALSE); });
    EXPECT_EQ("<none>", left);
    EXPECT_EQ("<none>", right);
    EXPECT_EQ("is equal to", op);
}

// ---- Set Property ----

CPropertyRecordList* g_chosenList = NULL;
CTextElement* g_chosenText = NULL;

BOOL ChooseTextForTest(CTextElement* text, CPropertyRecordList& list)
{
    g_chosenText = text;
    g_chosenList = &list;
    VARIANT value = TextValue("Hello");
    CPropertyRecord record("text", "", value, VT_BSTR, TRUE);
    list.clear();
    list.push_back(record);
    return TRUE;
}

TEST_F(ActionPagesTest, NewSetPropertyHandsTheObjectItsOwnChoice)
{
    ChooseTextHook previous = SetChooseTextHook(ChooseTextForTest);
    g_chosenText = NULL;
    CSetPropertyAction* action = Add<CSetPropertyAction>();
    std::vector<std::string> objects;
    BOOL result = Drive({ [&] {
                             objects = Items(IDC_PROP_OBJECT);
                             Choose(IDC_PROP_OBJECT, "Other");
                             Ok();
                         } },
                        [&] { return action->EditProperties(TRUE); });
    SetChooseTextHook(previous);
    EXPECT_TRUE(result);
    EXPECT_EQ((std::vector<std::string>{ "Other", "Title" }), objects);
    EXPECT_EQ(other, g_chosenText);
    Keys expected = { { "controlid", "Other" }, { "advanced", "false" }, { "property", "text" },
                      { "variablename", "" }, { "valuetype", "8" }, { "value", "Hello" } };
    EXPECT_EQ(expected, Stored(action));
}

TEST_F(ActionPagesTest, AdvancedSetPropertyStoresEachAssignmentSet)
{
    CSetPropertyAction* action = Add<CSetPropertyAction>();
    BOOL result = Drive(
        {
            [&] {
                Choose(IDC_PROP_OBJECT, "Title");
                CheckDlgButton(Page(), IDC_SETPROP_ADVANCED, BST_CHECKED);
                PostMessageA(Sheet(), PSM_PRESSBUTTON, PSBTN_OK, 0);
            },
            [&] {
                EXPECT_EQ("Title", Selected(IDC_PROP_OBJECT));
                Choose(IDC_PROP_PROPERTY, "text");
                EXPECT_EQ("VT_BSTR", Text(IDC_PROP_PROPERTY_TYPE));
                Type(IDC_PROP_NEW_VALUE, "Welcome");
                Press(PSBTN_APPLYNOW);
            },
            [&] {
                Choose(IDC_PROP_PROPERTY, "fontSize");
                Choose(IDC_PROP_VARIABLE, "Counter");
                EXPECT_EQ("VT_I4", Text(IDC_PROP_VARIABLE_TYPE));
                Ok();
            },
        },
        [&] { return action->EditProperties(TRUE); });
    EXPECT_TRUE(result);
    Keys own = Stored(action);
    EXPECT_EQ("Title", own["controlid"]);
    EXPECT_EQ("true", own["advanced"]);
    EXPECT_EQ("true", own["multi"]);
    std::string section = action->GetSectionName().c_str();
    Keys first = Stored(action, (section + "_Property_0").c_str());
    Keys second = Stored(action, (section + "_Property_1").c_str());
    EXPECT_EQ((Keys{ { "property", "text" }, { "variablename", "" }, { "valuetype", "8" }, { "value", "Welcome" } }),
              first);
    EXPECT_EQ("fontSize", second["property"]);
    EXPECT_EQ("Counter", second["variablename"]);
    EXPECT_EQ("3", second["valuetype"]);
}

TEST_F(ActionPagesTest, AdvancedSetPropertyConvertsUnsignedValuesWithoutClamping)
{
    const struct { const char* text; bool kept; const char* value; } cases[] = {
        { "4294967295", true, "4294967295" },
        { "0xFF00FF", true, "16711935" },
        { "4294967296", false, "" },
        { "red", false, "" },
    };
    for (const auto& c : cases)
    {
        script->DeleteAllItems();
        g_messages.clear();
        CSetPropertyAction* action = Add<CSetPropertyAction>();
        action->m_record.advanced = TRUE;
        action->m_strControlId = "Title";
        std::vector<Step> steps = {
            [&] {
                Choose(IDC_PROP_PROPERTY, "fontColor");
                Type(IDC_PROP_NEW_VALUE, c.text);
                Ok();
            },
        };
        if (!c.kept)
            steps.push_back([&] { Cancel(); });
        BOOL result = Drive(steps, [&] { return action->EditProperties(FALSE); });
        EXPECT_EQ(c.kept, result != FALSE) << c.text;
        EXPECT_EQ(c.kept ? 0u : 1u, g_messages.size()) << c.text;
        if (c.kept)
        {
            Keys keys = Stored(action);
            EXPECT_EQ(c.value, keys["value"]) << c.text;
            EXPECT_EQ("19", keys["valuetype"]) << c.text;
        }
    }
}

TEST_F(ActionPagesTest, AHostedControlCanOnlyBeSetOnTheGenericPage)
{
    other->SetType("ActiveX");
    CSetPropertyAction* action = Add<CSetPropertyAction>();
    struct Shown { bool checked; bool enabled; };
    Shown text = {}, control = {};
    auto read = [&] {
        HWND box = GetDlgItem(Page(), IDC_SETPROP_ADVANCED);
        return Shown{ IsDlgButtonChecked(Page(), IDC_SETPROP_ADVANCED) == BST_CHECKED, IsWindowEnabled(box) != FALSE };
    };
    Drive({ [&] {
               Choose(IDC_PROP_OBJECT, "Title");
               text = read();
               Choose(IDC_PROP_OBJECT, "Other");
               control = read();
               Cancel();
           } },
          [&] { return action->EditProperties(TRUE); });
    EXPECT_FALSE(text.checked);
    EXPECT_TRUE(text.enabled);
    EXPECT_TRUE(control.checked);
    EXPECT_FALSE(control.enabled);
}

TEST_F(ActionPagesTest, ChangingTheObjectOnTheGenericPageAsksFirst)
{
    const struct { int answer; const char* object; } cases[] = {
        { IDNO, "Title" },
        { IDYES, "Other" },
    };
    for (const auto& c : cases)
    {
        script->DeleteAllItems();
        g_messages.clear();
        g_answer = c.answer;
        CSetPropertyAction* action = Add<CSetPropertyAction>();
        action->m_record.advanced = TRUE;
        action->m_strControlId = "Title";
        VARIANT words = TextValue("Hi");
        action->AddAssignment("text", "", words, VT_BSTR, TRUE);
        std::string shown;
        Drive({ [&] {
                   Choose(IDC_PROP_OBJECT, "Other");
                   shown = Selected(IDC_PROP_OBJECT);
                   Cancel();
               } },
              [&] { return action->EditProperties(FALSE); });
        ASSERT_EQ(1u, g_messages.size());
        EXPECT_NE(std::string::npos, g_messages[0].find("will erase your current property settings!"));
        EXPECT_EQ(c.object, shown);
    }
}

TEST_F(ActionPagesTest, ClearingANumericPropertyAndAnsweringYesDropsIt)
{
    CSetPropertyAction* action = Add<CSetPropertyAction>();
    action->m_record.advanced = TRUE;
    action->m_strControlId = "Title";
    VARIANT size = Long(12);
    action->AddAssignment("fontSize", "", size, VT_I4, TRUE);
    VARIANT words = TextValue("Hi");
    action->AddAssignment("text", "", words, VT_BSTR, TRUE);
    g_answer = IDYES;
    std::string shown;
    EXPECT_TRUE(Drive({ [&] {
                           Choose(IDC_PROP_PROPERTY, "fontSize");
                           shown = Text(IDC_PROP_NEW_VALUE);
                           Type(IDC_PROP_NEW_VALUE, "");
                           Ok();
                       } },
                      [&] { return action->EditProperties(FALSE); }));
    EXPECT_EQ("12", shown);
    ASSERT_EQ(1u, g_messages.size());
    EXPECT_EQ("Do you wish to remove this property?", g_messages[0]);
    Keys keys = Stored(action);
    EXPECT_EQ("text", keys["property"]);
    EXPECT_EQ(0u, keys.count("multi"));
}

TEST_F(ActionPagesTest, SetPropertyWhoseObjectIsGoneChangesNothing)
{
    CSetPropertyAction* action = Add<CSetPropertyAction>();
    action->m_strControlId = "Vanished";
    VARIANT words = TextValue("Hi");
    action->AddAssignment("text", "", words, VT_BSTR, TRUE);
    Keys stored = Stored(action);
    EXPECT_FALSE(action->EditProperties(FALSE));
    EXPECT_EQ(stored, Stored(action));
}

TEST_F(ActionPagesTest, CancelledSetPropertyKeepsItsAssignments)
{
    CSetPropertyAction* action = Add<CSetPropertyAction>();
    action->m_record.advanced = TRUE;
    action->m_strControlId = "Titl";   // stale: the page falls back to the script's object
    VARIANT words = TextValue("Hi");
    action->AddAssignment("text", "", words, VT_BSTR, TRUE);
    Keys stored = Stored(action);
    std::string object;
    EXPECT_FALSE(Drive({ [&] { object = Selected(IDC_PROP_OBJECT); Cancel(); } },
                       [&] { return action->EditProperties(FALSE); }));
    EXPECT_EQ("Title", object);
    EXPECT_EQ(stored, Stored(action));
}

TEST_F(ActionPagesTest, NewSetPropertyCancelledOrWithoutObjectIsRefused)
{
    CSetPropertyAction* action = Add<CSetPropertyAction>();
    EXPECT_FALSE(Drive({ [&] { Cancel(); } }, [&] { return action->EditProperties(TRUE); }));
    EXPECT_FALSE(action->HasStoredForm());
    page.m_children.clear();   // no objects: nothing to choose
    page.AddChild(title);
    bool buttonEnabled = true;
    CBrowser empty;
    CScript* lone = CreateScript();
    empty.AddChild(lone);
    CSetPropertyAction* orphan = new CSetPropertyAction();
    lone->AppendItem(orphan);
    EXPECT_FALSE(Drive({ [&] {
                            buttonEnabled = IsWindowEnabled(GetDlgItem(Page(), IDC_SETPROP_CHANGE)) != FALSE;
                            Ok();
                        } },
                       [&] { return orphan->EditProperties(TRUE); }));
    EXPECT_FALSE(buttonEnabled);
    empty.Unload();
}

// ---- Get Property ----

TEST_F(ActionPagesTest, GetPropertyStoresTheChosenPropertyAndVariable)
{
    CGetPropertyAction* action = Add<CGetPropertyAction>();
    std::string firstObject;
    EXPECT_TRUE(Drive(
        {
            [&] {
                firstObject = Selected(IDC_PROP_OBJECT);
                Choose(IDC_PROP_OBJECT, "Other");
                Choose(IDC_PROP_PROPERTY, "fontSize");
                Choose(IDC_PROP_SCOPE, "Global");
                EXPECT_EQ((std::vector<std::string>{ "Counter" }), Items(IDC_PROP_VARIABLE));
                Ok();
            },
        },
        [&] { return action->EditProperties(TRUE); }));
    EXPECT_EQ("Title", firstObject);
    Keys expected = { { "controlid", "Other" }, { "property", "fontSize" }, { "variablename", "Counter" },
                      { "scope", "0" } };
    EXPECT_EQ(expected, Stored(action));
}

TEST_F(ActionPagesTest, GetPropertyCompletenessAndExactNames)
{
    // No variable in the scope: the placeholder is never taken.
    CGetPropertyAction* action = Add<CGetPropertyAction>();
    page.ClearVariables();
    std::string placeholder;
    EXPECT_FALSE(Drive({ [&] {
                            Choose(IDC_PROP_PROPERTY, "text");
                            placeholder = Selected(IDC_PROP_VARIABLE);
                            Ok();
                        } },
                       [&] { return action->EditProperties(TRUE); }));
    EXPECT_EQ("No Variables In This Scope!", placeholder);
    EXPECT_TRUE(action->m_record.variableName.IsEmpty());

    // A stored variable name is selected exactly; a stale one selects nothing.
    VARIANT counter = Long(5);
    page.AddVariable(0, "Counter", counter, "");
    action->m_strControlId = "Title";
    action->m_record.property = "fontSize";
    action->m_record.variableName = "Count";
    action->m_record.scope = 0;
    Keys stored = Stored(action);
    std::string variable, property;
    EXPECT_FALSE(Drive({ [&] {
                            variable = Selected(IDC_PROP_VARIABLE);
                            property = Selected(IDC_PROP_PROPERTY);
                            Cancel();
                        } },
                       [&] { return action->EditProperties(FALSE); }));
    EXPECT_EQ("<none>", variable);
    EXPECT_EQ("fontSize", property);
    EXPECT_EQ(stored, Stored(action));
}

TEST_F(ActionPagesTest, GetPropertyOfAnotherObjectNeedsAPropertyOfThatObject)
{
    CImageElement* picture = new CImageElement();
    picture->SetType("Image");
    picture->SetId("Picture");
    page.AddChild(picture);
    CGetPropertyAction* action = Add<CGetPropertyAction>();
    action->m_strControlId = "Title";
    action->m_record.property = "text";
    action->m_record.variableName = "Name";
    action->m_record.scope = 1;
    const Keys stored = Stored(action);
    std::string property = "?";
    // An image has no "text": with no property chosen the edit is not
    // complete, and the stored pair stays.
    EXPECT_FALSE(Drive({ [&] {
                            Choose(IDC_PROP_OBJECT, "Picture");
                            property = Selected(IDC_PROP_PROPERTY);
                            Ok();
                        } },
                       [&] { return action->EditProperties(FALSE); }));
    EXPECT_EQ("<none>", property);
    EXPECT_EQ(stored, Stored(action));

    EXPECT_TRUE(Drive({ [&] {
                           Choose(IDC_PROP_OBJECT, "Picture");
                           Choose(IDC_PROP_PROPERTY, "src");
                           Ok();
                       } },
                      [&] { return action->EditProperties(FALSE); }));
    Keys expected = { { "controlid", "Picture" }, { "property", "src" }, { "variablename", "Name" },
                      { "scope", "1" } };
    EXPECT_EQ(expected, Stored(action));
    EXPECT_EQ(std::vector<std::string>(), g_messages);
}

} // namespace
