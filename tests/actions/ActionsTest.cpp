#include "actions/ActionTypes.h"
#include "actions/CallActiveXMethodAction.h"
#include "actions/ConditionActions.h"
#include "actions/CookieActions.h"
#include "actions/DataFileActions.h"
#include "actions/PropertyActions.h"
#include "actions/RegisterActiveXAction.h"
#include "actions/ShellActions.h"
#include "actions/VariableActions.h"
#include "actions/WindowScriptActions.h"

#include "tests/model/FakeEditorServices.h"

#include "model/Browser.h"
#include "model/store/DataFile.h"
#include "model/ElementContainer.h"
#include "model/ImageElement.h"
#include "model/Script.h"
#include "actions/records/SectionKeys.h"
#include "model/SetPropertyHooks.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

typedef std::vector<std::pair<std::string, std::string> > KeyList;

const char kSection[] = "Element_1_Script_1_ScriptItem_1";
const char kTempFolder[] = "C:\\Temp\\Lumbrook\\";

// The section's key lines in file order.
KeyList StoredKeys(const CDataFile& file, const char* section)
{
    SectionKeyList keys;
    ReadSectionKeys(file, section, keys);
    KeyList result;
    for (const auto& key : keys)
        result.push_back(std::make_pair(std::string(key.first), std::string(key.second)));
    return result;
}

std::map<std::string, std::string> KeyMap(const KeyList& keys)
{
    return std::map<std::string, std::string>(keys.begin(), keys.end());
}

// Keys as written, then the base keys; the file shows them the other way round.
KeyList InFileOrder(KeyList written, const char* typeName)
{
    written.push_back(std::make_pair("type", "ScriptItem"));
    written.push_back(std::make_pair("name", typeName));
    return KeyList(written.rbegin(), written.rend());
}

std::string FileNamePart(const std::string& path)
{
    size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

struct DesignTimeVariable
{
    int scope;
    std::string name;
    std::string value;
    std::string owner;
    CElement* source;
};

// No active document and no id registry: the actions alone.
class RecordingEditorServices : public FakeEditorServices
{
public:
    RecordingEditorServices() { activeDocument = false; }
    CStr ImportFileIntoProject(const char* path, BOOL keepParentFolder) override
    {
        imports.push_back(std::make_pair(std::string(path), keepParentFolder != FALSE));
        return CStr((".\\tarvex.dat\\" + FileNamePart(path)).c_str());
    }
    void AddDesignTimeVariable(CElement* source, int scope, const char* name, const VARIANT& value,
                               const char* owner) override
    {
        VARIANT text;
        VariantInit(&text);
        VariantChangeType(&text, const_cast<VARIANT*>(&value), 0, VT_BSTR);
        CStr narrow;
        if (text.vt == VT_BSTR)
            narrow.AssignWide(text.bstrVal);
        VariantClear(&text);
        variables.push_back({ scope, name, narrow.c_str(), owner, source });
    }
    CStr GetTempFolder() override { return CStr(kTempFolder); }
    CIdManager* GetIdManager() override { return NULL; }

    std::vector<std::pair<std::string, bool> > imports;
    std::vector<DesignTimeVariable> variables;
};

class Actions : public ::testing::Test
{
protected:
    void SetUp() override { BuildActionTypeTable(); }

    RecordingEditorServices m_services;
};

template <class T>
bool IsA(CScriptItem* item)
{
    return dynamic_cast<T*>(item) != nullptr;
}

template <class T>
T& As(CScriptItem* item)
{
    return *dynamic_cast<T*>(item);
}

VARIANT MakeLong(long value)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

struct TypeCase
{
    int row;            // -1: a stored name that no row makes
    const char* typeName;
    UINT stringId;
    BOOL preLoad;
    bool (*isClass)(CScriptItem*);
    std::function<void(CScriptItem*)> fill;
    KeyList written;    // own keys in writing order
};

std::vector<TypeCase> TypeCases()
{
    return {
        { 0, "OpenFolder", 61291, TRUE, IsA<COpenFolderAction>,
          [](CScriptItem* a) { As<COpenFolderAction>(a).m_record.path = "C:\\Docs"; },
          { { "path", "C:\\Docs" } } },
        { 1, "PlaySound", 61292, TRUE, IsA<CPlaySoundAction>,
          [](CScriptItem* a) { As<CPlaySoundAction>(a).m_record.path = "C:\\Media\\chime.wav"; },
          { { "path", ".\\tarvex.dat\\chime.wav" } } },
        { 2, "LaunchHtml", 61290, TRUE, IsA<CLaunchHtmlAction>,
          [](CScriptItem* a) { As<CLaunchHtmlAction>(a).m_record.path = "http://example.com/"; },
          { { "path", "http://example.com/" } } },
        { 3, "RunProgram", 61285, TRUE, IsA<CRunProgramAction>,
          [](CScriptItem* a) {
              As<CRunProgramAction>(a).m_record.path = "setup.exe";
              As<CRunProgramAction>(a).m_record.parameters = "/quiet /log";
          },
          { { "path", "setup.exe" }, { "parameters", "/quiet /log" } } },
        { 4, "SetProperty", 61287, FALSE, IsA<CSetPropertyAction>,
          [](CScriptItem* a) {
              a->m_strControlId = "Image1";
              VARIANT v = MakeLong(7);
              As<CSetPropertyAction>(a).AddAssignment("xpos", "", v, VT_I4, TRUE);
          },
          { { "controlId", "Image1" }, { "Advanced", "false" }, { "property", "xpos" },
            { "variableName", "" }, { "valueType", "3" }, { "value", "7" } } },
        { 5, "GetProperty", 61286, FALSE, IsA<CGetPropertyAction>,
          [](CScriptItem* a) {
              a->m_strControlId = "Text1";
              As<CGetPropertyAction>(a).m_record.property = "ypos";
              As<CGetPropertyAction>(a).m_record.variableName = "top";
              As<CGetPropertyAction>(a).m_record.scope = 1;
          },
          { { "controlId", "Text1" }, { "property", "ypos" }, { "variableName", "top" }, { "scope", "1" } } },
        { 6, "Create Variable", 61288, FALSE, IsA<CSetVariableAction>,
          [](CScriptItem* a) {
              CCreateVariableRecord& r = As<CSetVariableAction>(a).m_record;
              r.varName = "count";
              r.owner = "Button1";
              r.scope = 1;
              r.value.SetLong(5);
          },
          { { "varName", "count" }, { "owner", "Button1" }, { "scope", "1" }, { "value", "5" },
            { "valueType", "3" } } },
        { 7, "Modify Variable", 61310, FALSE, IsA<CModifyVariableAction>,
          [](CScriptItem* a) {
              CModifyVariableRecord& r = As<CModifyVariableAction>(a).m_record;
              r.mainOp = "Plus";
              r.targetVar = "count";
              r.value.SetLong(2);
          },
          { { "mainOp", "Plus" }, { "targetVar", "count" }, { "srcVar", "" }, { "value", "2" },
            { "valueType", "3" } } },
        { 8, "InternalCommand", 61293, TRUE, IsA<CInternalCommandAction>,
          [](CScriptItem* a) {
              As<CInternalCommandAction>(a).m_record.command = "ChangePage";
              As<CInternalCommandAction>(a).m_record.parameters = "page_2";
          },
          { { "command", "ChangePage" }, { "parameters", "page_2" } } },
        { 9, "ShellExecute", 61289, TRUE, IsA<CShellExecuteAction>,
          [](CScriptItem* a) { As<CShellExecuteAction>(a).m_record.path = "readme.txt"; },
          { { "path", "readme.txt" } } },
        { 10, "CallActiveXMethod", 61296, FALSE, IsA<CCallActiveXMethodAction>,
          [](CScriptItem* a) {
              a->m_strControlId = "Player1";
              CCallActiveXMethodRecord& r = As<CCallActiveXMethodAction>(a).m_record;
              r.method = "Seek";
              r.returnType = VT_I4;
              r.retVariable = "position";
          },
          { { "controlId", "Player1" }, { "method", "Seek" }, { "returnType", "3" },
            { "retVariable", "position" }, { "numParameters", "0" } } },
        { 11, "RegisterActiveX", 61322, TRUE, IsA<CRegisterActiveXAction>,
          [](CScriptItem* a) {
              CRegisterActiveXRecord& r = As<CRegisterActiveXAction>(a).m_record;
              r.clsid = "{8856F961-340A-11D0-A96B-00C04FD705A2}";
              r.filename = "C:\\Controls\\dial.ocx";
              r.unregister = TRUE;
              r.copyToSystem = FALSE;
          },
          { { "CLSID", "{8856F961-340A-11D0-A96B-00C04FD705A2}" }, { "Filename", ".\\tarvex.dat\\dial.ocx" },
            { "Unregister", "true" }, { "CopyToSystem", "false" } } },
        { 12, "SaveToFile", 61328, TRUE, IsA<CSaveToFileAction>,
          [](CScriptItem* a) {
              CSaveToFileRecord& r = As<CSaveToFileAction>(a).m_record;
              r.path = CStr(kTempFolder) + "scores.zjf";
              r.key = "best";
              r.variable = "score";
          },
          { { "path", "scores" }, { "useTemDir", "true" }, { "key", "best" }, { "variable", "score" },
            { "value", "" } } },
        { 13, "ReadFromFile", 61329, FALSE, IsA<CReadFromFileAction>,
          [](CScriptItem* a) {
              CReadFromFileRecord& r = As<CReadFromFileAction>(a).m_record;
              r.path = "D:\\data\\state.zjf";
              r.key = "level";
              r.variable = "lvl";
          },
          { { "useTemDir", "false" }, { "path", "D:\\data\\state.zjf" }, { "key", "level" },
            { "variable", "lvl" } } },
        { 14, "GetCookie", 61330, FALSE, IsA<CGetCookie>,
          [](CScriptItem* a) {
              CGetCookieRecord& r = As<CGetCookie>(a).m_record;
              r.url = "http://example.com/";
              r.cookieVar = "nameVar";
              r.dataVar = "data";
          },
          { { "URL", "http://example.com/" }, { "CookieVar", "nameVar" }, { "DataVar", "data" } } },
        { 15, "SetCookie", 61331, FALSE, IsA<CSetCookie>,
          [](CScriptItem* a) {
              CSetCookieRecord& r = As<CSetCookie>(a).m_record;
              r.url = "http://example.com/";
              r.days = 30;
              r.cookie = "visits";
              r.dataVar = "count";
          },
          { { "URL", "http://example.com/" }, { "days", "30" }, { "Cookie", "visits" }, { "dataVar", "count" } } },
        { 16, "PostMessage", 61295, FALSE, IsA<CPostMessageAction>,
          [](CScriptItem* a) {
              CPostMessageRecord& r = As<CPostMessageAction>(a).m_record;
              r.windowClass = "Notepad";
              r.message = 273;
              r.wparam = 1;
              r.lparam = -5;
          },
          { { "WindowClass", "Notepad" }, { "Message", "273" }, { "Wparam", "1" }, { "Lparam", "-5" } } },
        { 17, "IF/WHILE Statement", 61299, FALSE, IsA<CIfWhileAction>,
          [](CScriptItem* a) {
              CIfWhileRecord& r = As<CIfWhileAction>(a).m_record;
              r.leftName = "count";
              r.constValue = "3";
              r.op = 5;
          },
          { { "leftName", "count" }, { "constValue", "3" }, { "operator", "5" } } },
        { 18, "ELSE Statement", 61297, FALSE, IsA<CElseAction>, [](CScriptItem*) {}, {} },
        { 19, "ENDIF Statement", 61298, FALSE, IsA<CEndIfAction>, [](CScriptItem*) {}, {} },
        { -1, "ExecuteGlobalScript", 0, FALSE, IsA<CExecuteGlobalScriptAction>,
          [](CScriptItem* a) { As<CExecuteGlobalScriptAction>(a).m_record.scriptName = "Intro"; },
          { { "scriptName", "Intro" } } },
        { -1, "SetVariable", 0, FALSE, IsA<CSetVariableAction>,
          [](CScriptItem* a) {
              CCreateVariableRecord& r = As<CSetVariableAction>(a).m_record;
              r.varName = "title";
              r.value.SetText("Welcome");
          },
          { { "varName", "title" }, { "owner", "" }, { "scope", "0" }, { "value", "Welcome" },
            { "valueType", "8" } } },
    };
}

KeyList SaveToSection(CScriptItem* item)
{
    CDataFile file;
    item->SetSectionName(kSection);
    EXPECT_TRUE(item->Save(&file));
    return StoredKeys(file, kSection);
}

TEST_F(Actions, EveryTypeIsMadeStoredLoadedAndCopied)
{
    ASSERT_EQ(20, GetActionTypeCount());
    EXPECT_EQ(nullptr, GetActionType(20));
    for (const TypeCase& c : TypeCases())
    {
        SCOPED_TRACE(c.typeName);
        std::unique_ptr<CScriptItem> made;
        if (c.row >= 0)
        {
            const CScriptItemType* row = GetActionType(c.row);
            ASSERT_NE(nullptr, row);
            EXPECT_STREQ(c.typeName, row->typeName);
            EXPECT_EQ(c.stringId, row->stringId);
            EXPECT_EQ(c.preLoad, row->offeredInPreLoad);
            made.reset(row->factory());
        }
        else
            made.reset(CreateScriptItem(c.typeName));
        ASSERT_NE(nullptr, made.get());
        EXPECT_TRUE(c.isClass(made.get()));
        EXPECT_STREQ(c.typeName, made->GetName());
        EXPECT_STREQ("ScriptItem", made->GetType());

        c.fill(made.get());
        const KeyList expected = InFileOrder(c.written, c.typeName);
        CDataFile file;
        made->SetSectionName(kSection);
        ASSERT_TRUE(made->Save(&file));
        EXPECT_EQ(expected, StoredKeys(file, kSection));

        // Loaded as a script loads it: by the stored name, then its keys.
        std::unique_ptr<CScriptItem> loaded(CreateScriptItem(c.typeName));
        ASSERT_NE(nullptr, loaded.get());
        EXPECT_TRUE(c.isClass(loaded.get()));
        loaded->SetSectionName(kSection);
        EXPECT_TRUE(loaded->Load(&file, TRUE));
        EXPECT_EQ(KeyMap(expected), KeyMap(SaveToSection(loaded.get())));

        std::unique_ptr<CElement> copy(made->Clone());
        CScriptItem* copied = dynamic_cast<CScriptItem*>(copy.get());
        ASSERT_NE(nullptr, copied);
        EXPECT_TRUE(c.isClass(copied));
        EXPECT_NE(made->GetSerial(), copied->GetSerial());
        EXPECT_EQ(KeyMap(expected), KeyMap(SaveToSection(copied)));
    }
}

TEST_F(Actions, NewActionsStoreTheirDefaults)
{
    const struct
    {
        const char* typeName;
        KeyList written;    // own keys in writing order; Set Property writes nothing at all
    } cases[] = {
        { "OpenFolder", { { "path", "" } } },
        { "PlaySound", { { "path", "" } } },
        { "LaunchHtml", { { "path", "" } } },
        { "RunProgram", { { "path", "" }, { "parameters", "" } } },
        { "SetProperty", {} },
        { "GetProperty", { { "controlId", "" }, { "property", "" }, { "variableName", "" }, { "scope", "0" } } },
        { "Create Variable", { { "varName", "" }, { "owner", "" }, { "scope", "0" }, { "value", "" },
                               { "valueType", "0" } } },
        { "Modify Variable", { { "mainOp", "Equals" }, { "targetVar", "" }, { "srcVar", "" }, { "value", "" },
                               { "valueType", "0" } } },
        { "InternalCommand", { { "command", "" }, { "parameters", "" } } },
        { "ShellExecute", { { "path", "" } } },
        { "CallActiveXMethod", { { "controlId", "" }, { "method", "" }, { "returnType", "24" },
                                 { "numParameters", "0" } } },
        { "RegisterActiveX", { { "CLSID", "" }, { "Filename", "" }, { "Unregister", "false" },
                               { "CopyToSystem", "true" } } },
        { "SaveToFile", { { "useTemDir", "false" }, { "path", "" }, { "key", "" }, { "variable", "" },
                          { "value", "" } } },
        { "ReadFromFile", { { "useTemDir", "false" }, { "path", "" }, { "key", "" }, { "variable", "" } } },
        { "GetCookie", { { "URL", "" }, { "CookieName", "" }, { "DataVar", "" } } },
        { "SetCookie", { { "URL", "" }, { "days", "1" }, { "Cookie", "" }, { "dataVar", "" } } },
        { "PostMessage", { { "WindowClass", "" }, { "Message", "0" }, { "Wparam", "0" }, { "Lparam", "0" } } },
        { "IF/WHILE Statement", { { "leftName", "" }, { "rightName", "" }, { "operator", "0" } } },
        { "ELSE Statement", {} },
        { "ENDIF Statement", {} },
        { "ExecuteGlobalScript", { { "scriptName", "" } } },
    };
    ASSERT_EQ(GetActionTypeCount() + 1, (int)(sizeof(cases) / sizeof(cases[0])));
    for (int i = 0; i < (int)(sizeof(cases) / sizeof(cases[0])); i++)
    {
        SCOPED_TRACE(cases[i].typeName);
        const CScriptItemType* row = GetActionType(i);
        std::unique_ptr<CScriptItem> made(row ? row->factory() : CreateScriptItem(cases[i].typeName));
        ASSERT_NE(nullptr, made.get());
        EXPECT_STREQ(cases[i].typeName, made->GetName());
        EXPECT_TRUE(made->m_strControlId.IsEmpty());
        CDataFile file;
        made->SetSectionName(kSection);
        EXPECT_TRUE(made->Save(&file));
        if (std::string(cases[i].typeName) == "SetProperty")
            EXPECT_EQ(0, file.GetLineCount());
        else
            EXPECT_EQ(InFileOrder(cases[i].written, cases[i].typeName), StoredKeys(file, kSection));
    }
    EXPECT_TRUE(m_services.imports.empty());
}

// What the authoring program does with a loaded Create Variable: the page
// that holds it lists the variable.
class PageListingServices : public RecordingEditorServices
{
public:
    void AddDesignTimeVariable(CElement* source, int scope, const char* name, const VARIANT& value,
                               const char* owner) override
    {
        CBrowser* page = source ? source->GetPage() : nullptr;
        if (page)
            page->DeclareVariable(scope, name, value, owner);
    }
};

TEST_F(Actions, LoadedCreateVariablesListEachNameOncePerScopeOnTheirPage)
{
    PageListingServices services;
    CBrowser page;
    CScript* script = CreateScript();
    script->SetName("OnLoad");
    page.AddChild(script);
    const struct { const char* typeName; const char* varName; const char* scope; const char* value; } stored[] = {
        { "Create Variable", "lives", "1", "3" },
        { "SetVariable", "lives", "1", "5" },
        { "Create Variable", "lives", "0", "7" },
        { "Create Variable", "Lives", "1", "9" },
    };
    CDataFile file;
    file.SetInt("Script_1", "numScriptItems", 4);
    file.SetString("Script_1", "name", "OnLoad");
    for (int i = 0; i < 4; i++)
    {
        CStr section;
        section.Format("Script_1_ScriptItem_%d", i + 1);
        file.SetString(section, "name", stored[i].typeName);
        file.SetString(section, "varName", stored[i].varName);
        file.SetString(section, "owner", "Button1");
        file.SetString(section, "scope", stored[i].scope);
        file.SetString(section, "valueType", "3");
        file.SetString(section, "value", stored[i].value);
    }
    ASSERT_TRUE(script->Load(&file, FALSE));
    ASSERT_EQ(4, script->GetItemCount());

    ASSERT_EQ(2u, page.m_localVariables.size());
    EXPECT_STREQ("lives", page.m_localVariables[0]->m_strName);
    EXPECT_EQ(3, page.m_localVariables[0]->m_value.lVal);
    EXPECT_STREQ("Button1", page.m_localVariables[0]->m_strOwner);
    EXPECT_STREQ("Lives", page.m_localVariables[1]->m_strName);
    ASSERT_EQ(1u, page.m_globalVariables.size());
    EXPECT_EQ(7, page.m_globalVariables[0]->m_value.lVal);
    page.Unload();
}

TEST_F(Actions, UnknownStoredNamesMakeNothing)
{
    for (const char* name : { "Set Property", "setproperty", "If Statement", "", "Execute Global Script" })
        EXPECT_EQ(nullptr, CreateScriptItem(name)) << name;
}

TEST_F(Actions, PreLoadScriptsOfferTheOutwardRows)
{
    std::vector<std::string> offered;
    for (int row = 0; row < GetActionTypeCount(); row++)
        if (GetActionType(row)->offeredInPreLoad)
            offered.push_back(GetActionType(row)->typeName);
    const std::vector<std::string> expected = { "OpenFolder", "PlaySound", "LaunchHtml", "RunProgram",
                                                "InternalCommand", "ShellExecute", "RegisterActiveX",
                                                "SaveToFile" };
    EXPECT_EQ(expected, offered);
    EXPECT_TRUE(IsPreLoadScriptName("preload"));
    EXPECT_TRUE(IsPreLoadScriptName("PRELOAD"));
    EXPECT_FALSE(IsPreLoadScriptName("OnLoad"));
}

TEST_F(Actions, SetPropertyStoresOneOrManyAssignmentsOrNothing)
{
    CSetPropertyAction action(kSection);
    action.m_strControlId = "Image1";
    VARIANT v = MakeLong(10);
    action.AddAssignment("xpos", "", v, VT_I4, TRUE);
    action.AddAssignment("src", "picVar", v, VT_BSTR, TRUE);

    CDataFile file;
    ASSERT_TRUE(action.Save(&file));
    EXPECT_EQ(InFileOrder({ { "controlId", "Image1" }, { "Advanced", "false" }, { "multi", "true" } },
                          "SetProperty"),
              StoredKeys(file, kSection));
    const std::string first = std::string(kSection) + "_Property_0";
    const std::string second = std::string(kSection) + "_Property_1";
    EXPECT_EQ(KeyList({ { "value", "10" }, { "valueType", "3" }, { "variableName", "" }, { "property", "xpos" } }),
              StoredKeys(file, first.c_str()));
    EXPECT_EQ(KeyList({ { "value", "10" }, { "valueType", "8" }, { "variableName", "picVar" }, { "property", "src" } }),
              StoredKeys(file, second.c_str()));

    CSetPropertyAction loaded(kSection);
    ASSERT_TRUE(loaded.Load(&file, TRUE));
    ASSERT_EQ(2u, loaded.m_record.assignments.size());
    EXPECT_STREQ("src", loaded.m_record.assignments[1].m_strName);
    EXPECT_EQ(VT_BSTR, V_VT(&loaded.m_record.assignments[1].m_value));
    EXPECT_EQ(1, loaded.m_record.assignments[1].m_bChanged);

    // "multi" written false still reads the numbered sections.
    file.SetBool(kSection, "multi", FALSE);
    CSetPropertyAction again(kSection);
    again.Load(&file, TRUE);
    EXPECT_EQ(2u, again.m_record.assignments.size());

    CSetPropertyAction empty(kSection);
    CDataFile nothing;
    EXPECT_TRUE(empty.Save(&nothing));
    EXPECT_FALSE(empty.HasStoredForm());
    EXPECT_EQ(0, nothing.GetLineCount());
}

TEST_F(Actions, AScriptLeavesOutASetPropertyWithoutAssignments)
{
    CScript script("Script_1");
    script.SetName("OnLoad");
    script.AppendItem(new CSetPropertyAction());
    COpenFolderAction* folder = new COpenFolderAction();
    folder->m_record.path = "C:\\Docs";
    script.AppendItem(folder);

    CDataFile file;
    ASSERT_TRUE(script.Save(&file));
    int count = -1;
    file.GetInt("Script_1", "numScriptItems", count);
    EXPECT_EQ(1, count);
    EXPECT_EQ(InFileOrder({ { "path", "C:\\Docs" } }, "OpenFolder"), StoredKeys(file, "Script_1_ScriptItem_1"));
    EXPECT_EQ(-1, file.FindSectionIndex("Script_1_ScriptItem_2"));

    CScript reloaded("Script_1");
    reloaded.Load(&file, TRUE);
    ASSERT_EQ(1, reloaded.GetItemCount());
    EXPECT_TRUE(IsA<COpenFolderAction>(reloaded.GetItem(0)));
}

TEST_F(Actions, CopiedAssignmentsOwnTheirValues)
{
    CSetPropertyAction action(kSection);
    VARIANT text;
    VariantInit(&text);
    text.vt = VT_BSTR;
    text.bstrVal = SysAllocString(L"a.gif");
    action.AddAssignment("src", "", text, VT_BSTR, TRUE);
    VariantClear(&text);

    std::unique_ptr<CElement> copy(action.Clone());
    CSetPropertyAction& copied = *dynamic_cast<CSetPropertyAction*>(copy.get());
    const VARIANT& mine = action.m_record.assignments[0].m_value;
    const VARIANT& theirs = copied.m_record.assignments[0].m_value;
    ASSERT_EQ(VT_BSTR, theirs.vt);
    EXPECT_NE(mine.bstrVal, theirs.bstrVal);
    SetAssignmentText(copied.m_record.assignments[0], "b.gif");
    EXPECT_STREQ("a.gif", AssignmentValueText(action.m_record.assignments[0]));

    CPropertyRecordList list = action.m_record.assignments;
    ASSERT_EQ(1u, list.size());
    EXPECT_NE(mine.bstrVal, list[0].m_value.bstrVal);
    EXPECT_STREQ("a.gif", list[0].GetValueText());
    copied.m_record.assignments = list;
    EXPECT_STREQ("a.gif", AssignmentValueText(copied.m_record.assignments[0]));
}

TEST_F(Actions, CallActiveXMethodKeepsParameterPlaces)
{
    CCallActiveXMethodAction action(kSection);
    action.m_strControlId = "Media1";
    action.m_record.method = "Open";
    action.m_record.numParameters = 2;
    CCallParameterRecord file1, rate;
    file1.varName = "movie";
    file1.type = VT_BSTR;
    rate.constValue = "1.5";
    rate.type = VT_R8;
    action.m_record.parameters = { file1, rate };

    CDataFile file;
    ASSERT_TRUE(action.Save(&file));
    // No result wanted: no "retVariable".
    EXPECT_EQ(InFileOrder({ { "controlId", "Media1" }, { "method", "Open" }, { "returnType", "24" },
                            { "numParameters", "2" } },
                          "CallActiveXMethod"),
              StoredKeys(file, kSection));
    const std::string p0 = std::string(kSection) + "_Param_0";
    const std::string p1 = std::string(kSection) + "_Param_1";
    EXPECT_EQ(KeyList({ { "valueType", "8" }, { "constValue", "" }, { "varName", "movie" } }),
              StoredKeys(file, p0.c_str()));
    EXPECT_EQ(KeyList({ { "valueType", "5" }, { "constValue", "1.5" }, { "varName", "" } }),
              StoredKeys(file, p1.c_str()));

    // The first section loses its "valueType": it is kept as read, and the
    // second argument stays second.
    CDataFile damaged;
    damaged.SetInt(kSection, "numParameters", 2);
    damaged.SetString(kSection, "method", "Open");
    damaged.SetString(p0.c_str(), "note", "hand = edited");
    damaged.SetString(p0.c_str(), "varName", "movie");
    damaged.SetInt(p1.c_str(), "valueType", 5);
    damaged.SetString(p1.c_str(), "constValue", "1.5");
    const KeyList asRead = StoredKeys(damaged, p0.c_str());

    CCallActiveXMethodAction loaded(kSection);
    ASSERT_TRUE(loaded.Load(&damaged, TRUE));
    ASSERT_EQ(2u, loaded.m_record.parameters.size());
    EXPECT_TRUE(loaded.m_record.parameters[0].placeholder);
    EXPECT_FALSE(loaded.m_record.parameters[1].placeholder);
    EXPECT_STREQ("1.5", loaded.m_record.parameters[1].constValue);

    CDataFile rewritten;
    ASSERT_TRUE(loaded.Save(&rewritten));
    EXPECT_EQ(asRead, StoredKeys(rewritten, p0.c_str()));
    EXPECT_EQ(KeyList({ { "valueType", "5" }, { "constValue", "1.5" }, { "varName", "" } }),
              StoredKeys(rewritten, p1.c_str()));

    std::unique_ptr<CElement> copy(loaded.Clone());
    CDataFile copiedFile;
    copy->Save(&copiedFile);
    EXPECT_EQ(asRead, StoredKeys(copiedFile, p0.c_str()));
}

TEST_F(Actions, CallActiveXMethodCountIsBoundedByTheFile)
{
    CDataFile file;
    file.SetInt(kSection, "numParameters", 100000000);
    CCallActiveXMethodAction loaded(kSection);
    loaded.Load(&file, TRUE);
    EXPECT_LE((int)loaded.m_record.parameters.size(), file.GetSectionCount());
    EXPECT_EQ(100000000, loaded.m_record.numParameters);
}

TEST_F(Actions, IfWhileStoresAPathOrAComparison)
{
    const struct
    {
        const char* name;
        CIfWhileRecord test;
        KeyList written;
    } cases[] = {
        { "path", [] { CIfWhileRecord r; r.path = "C:\\x.txt"; r.leftName = "a"; r.constValue = "1"; return r; }(),
          { { "path", "C:\\x.txt" } } },
        { "constant wins over Variable 2",
          [] { CIfWhileRecord r; r.leftName = "a"; r.rightName = "b"; r.constValue = "1"; r.op = 2; return r; }(),
          { { "leftName", "a" }, { "constValue", "1" }, { "operator", "2" } } },
        { "Variable 2", [] { CIfWhileRecord r; r.leftName = "a"; r.rightName = "b"; r.op = 6; return r; }(),
          { { "leftName", "a" }, { "rightName", "b" }, { "operator", "6" } } },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CIfWhileAction action(kSection);
        action.m_record = c.test;
        CDataFile file;
        action.Save(&file);
        EXPECT_EQ(InFileOrder(c.written, "IF/WHILE Statement"), StoredKeys(file, kSection));

        CIfWhileAction loaded(kSection);
        loaded.Load(&file, TRUE);
        if (!c.test.path.IsEmpty())
        {
            EXPECT_STREQ(c.test.path, loaded.m_record.path);
            EXPECT_TRUE(loaded.m_record.leftName.IsEmpty());
            EXPECT_TRUE(loaded.m_record.constValue.IsEmpty());
        }
        EXPECT_EQ(KeyMap(StoredKeys(file, kSection)), KeyMap(SaveToSection(&loaded)));
    }
}

TEST_F(Actions, LoadDefaultsForMissingKeys)
{
    CDataFile file;
    file.SetString(kSection, "value", "abc");
    file.SetString(kSection, "Lparam", "0x10");
    file.SetString(kSection, "Message", "0x10");

    CSetVariableAction created(kSection);
    created.Load(&file, TRUE);
    EXPECT_EQ(VT_BSTR, created.m_record.value.Type());
    EXPECT_STREQ("abc", created.m_record.value.ToText());

    CModifyVariableAction modified(kSection);
    modified.Load(&file, TRUE);
    EXPECT_EQ(VT_BSTR, modified.m_record.value.Type());
    EXPECT_STREQ("", modified.m_record.value.ToText());
    EXPECT_STREQ("Equals", modified.m_record.mainOp);

    CPostMessageAction post(kSection);
    post.Load(&file, TRUE);
    EXPECT_EQ(16, post.m_record.lparam);
    EXPECT_EQ(0, post.m_record.message);

    CSetCookie cookie(kSection);
    cookie.Load(&file, TRUE);
    EXPECT_EQ(1, cookie.m_record.days);

    CRegisterActiveXAction registration(kSection);
    registration.Load(&file, TRUE);
    EXPECT_TRUE(registration.m_record.copyToSystem);
    EXPECT_FALSE(registration.m_record.unregister);

    CSetPropertyAction property(kSection);
    property.Load(&file, TRUE);
    ASSERT_EQ(1u, property.m_record.assignments.size());
    EXPECT_EQ(VT_BSTR, property.m_record.assignments[0].m_vt);
}

TEST_F(Actions, CompletenessRules)
{
    const struct
    {
        const char* name;
        std::function<bool()> rule;
        bool expected;
    } cases[] = {
        { "Open Folder", [] { return COpenFolderAction().IsComplete() != FALSE; }, true },
        { "Play Sound without path", [] { return CPlaySoundAction().IsComplete() != FALSE; }, false },
        { "Play Sound with path", [] { CPlaySoundAction a; a.m_record.path = "a.wav"; return a.IsComplete() != FALSE; }, true },
        { "Get Property without variable", [] { CGetPropertyAction a; a.m_record.property = "xpos"; return a.IsComplete() != FALSE; }, false },
        { "Get Property complete", [] { CGetPropertyAction a; a.m_record.property = "xpos"; a.m_record.variableName = "x"; return a.IsComplete() != FALSE; }, true },
        { "Post Message 0", [] { return CPostMessageAction().IsComplete() != FALSE; }, false },
        { "Post Message 1", [] { CPostMessageAction a; a.m_record.message = 1; return a.IsComplete() != FALSE; }, true },
        { "Execute Global Script", [] { CExecuteGlobalScriptAction a; a.m_record.scriptName = "x"; return a.IsComplete() != FALSE; }, false },
        { "Call ActiveX without target", [] { CCallActiveXMethodAction a; a.m_record.method = "Play"; return a.IsComplete() != FALSE; }, false },
        { "Call ActiveX complete", [] { CCallActiveXMethodAction a; a.m_record.method = "Play"; a.m_strControlId = "M"; return a.IsComplete() != FALSE; }, true },
        { "Register without file", [] { return CRegisterActiveXAction().IsComplete() != FALSE; }, false },
        { "Register with file", [] { CRegisterActiveXAction a; a.m_record.filename = "x.ocx"; return a.IsComplete() != FALSE; }, true },
        { "Save To File with key and constant", [] { CSaveToFileAction a; a.m_record.key = "k"; a.m_record.value = "1"; return a.IsComplete() != FALSE; }, true },
        { "Save To File without key", [] { CSaveToFileAction a; a.m_record.variable = "v"; return a.IsComplete() != FALSE; }, false },
        { "Save To File with key only", [] { CSaveToFileAction a; a.m_record.key = "k"; return a.IsComplete() != FALSE; }, false },
        { "Read From File without key", [] { CReadFromFileAction a; a.m_record.variable = "v"; return a.IsComplete() != FALSE; }, false },
        { "Read From File complete", [] { CReadFromFileAction a; a.m_record.variable = "v"; a.m_record.key = "k"; return a.IsComplete() != FALSE; }, true },
        { "Read a Cookie by variable", [] { CGetCookie a; a.m_record.url = "u"; a.m_record.dataVar = "d"; a.m_record.cookieVar = "c"; return a.IsComplete() != FALSE; }, true },
        { "Read a Cookie without name", [] { CGetCookie a; a.m_record.url = "u"; a.m_record.dataVar = "d"; return a.IsComplete() != FALSE; }, false },
        { "Write a Cookie without data variable", [] { CSetCookie a; a.m_record.url = "u"; a.m_record.cookie = "c"; return a.IsComplete() != FALSE; }, false },
        { "Write a Cookie complete", [] { CSetCookie a; a.m_record.url = "u"; a.m_record.cookie = "c"; a.m_record.dataVar = "d"; return a.IsComplete() != FALSE; }, true },
        { "IF with nothing", [] { return CIfWhileAction().IsComplete() != FALSE; }, false },
        { "IF with path", [] { CIfWhileAction a; a.m_record.path = "C:\\"; return a.IsComplete() != FALSE; }, true },
        { "IF with variable", [] { CIfWhileAction a; a.m_record.leftName = "a"; a.m_record.op = 6; return a.IsComplete() != FALSE; }, true },
        { "IF without operator", [] { CIfWhileAction a; a.m_record.leftName = "a"; a.m_record.op = -1; return a.IsComplete() != FALSE; }, false },
        { "ELSE edit", [] { return CElseAction().EditProperties(TRUE) != FALSE; }, true },
        { "ENDIF edit", [] { return CEndIfAction().EditProperties(TRUE) != FALSE; }, true },
        { "Execute Global Script edit", [] { return CExecuteGlobalScriptAction().EditProperties(FALSE) != FALSE; }, false },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, c.rule()) << c.name;
}

TEST_F(Actions, MediaFilesAreImportedWhenSaved)
{
    // The sound keeps the imported copy's name, so the next save imports
    // the copy, which is in place already.
    CPlaySoundAction sound(kSection);
    sound.m_record.path = "C:\\Media\\chime.wav";
    CDataFile file;
    sound.Save(&file);
    sound.Save(&file);
    ASSERT_EQ(2u, m_services.imports.size());
    EXPECT_EQ(std::make_pair(std::string("C:\\Media\\chime.wav"), true), m_services.imports[0]);
    EXPECT_EQ(std::make_pair(std::string(".\\tarvex.dat\\chime.wav"), true), m_services.imports[1]);
    EXPECT_STREQ(".\\tarvex.dat\\chime.wav", sound.m_record.path);
    EXPECT_EQ(".\\tarvex.dat\\chime.wav", KeyMap(StoredKeys(file, kSection))["path"]);

    // So does the control's server file: a name clash answered once is
    // not asked about again at the next save.
    CRegisterActiveXAction control(kSection);
    control.m_record.filename = "C:\\Windows\\System32\\dial.ocx";
    CDataFile other;
    control.Save(&other);
    control.Save(&other);
    ASSERT_EQ(4u, m_services.imports.size());
    EXPECT_EQ(std::make_pair(std::string("C:\\Windows\\System32\\dial.ocx"), true), m_services.imports[2]);
    EXPECT_EQ(std::make_pair(std::string(".\\tarvex.dat\\dial.ocx"), true), m_services.imports[3]);
    EXPECT_STREQ(".\\tarvex.dat\\dial.ocx", control.m_record.filename);
    EXPECT_EQ(".\\tarvex.dat\\dial.ocx", KeyMap(StoredKeys(other, kSection))["Filename"]);
}

TEST_F(Actions, LoadedCreateVariableDeclaresItsVariable)
{
    const struct
    {
        const char* scope;
        bool declared;
    } cases[] = { { "0", true }, { "1", true }, { "2", false } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.scope);
        m_services.variables.clear();
        CDataFile file;
        file.SetString(kSection, "varName", "lives");
        file.SetString(kSection, "owner", "Button1");
        file.SetString(kSection, "scope", c.scope);
        file.SetString(kSection, "valueType", "3");
        file.SetString(kSection, "value", "0x10");
        CSetVariableAction action(kSection);
        action.Load(&file, TRUE);
        EXPECT_EQ(VT_I4, action.m_record.value.Type());
        EXPECT_EQ(16, action.m_record.value.Get().lVal);
        ASSERT_EQ(c.declared ? 1u : 0u, m_services.variables.size());
        if (!c.declared)
            continue;
        const DesignTimeVariable& v = m_services.variables[0];
        EXPECT_EQ(atoi(c.scope), v.scope);
        EXPECT_EQ("lives", v.name);
        EXPECT_EQ("16", v.value);
        EXPECT_EQ("Button1", v.owner);
        EXPECT_EQ(&action, v.source);
    }
}

TEST_F(Actions, DataFileActionsStorePathsAgainstTheEditorsTemporaryFolder)
{
    const struct
    {
        const char* path;
        const char* storedPath;
        const char* useTemDir;
        const char* readBack;
    } cases[] = {
        { "C:\\Temp\\Lumbrook\\counter.zjf", "counter", "true", "C:\\Temp\\Lumbrook\\counter" },
        { "c:\\temp\\lumbrook\\Counter.ZJF", "Counter", "true", "C:\\Temp\\Lumbrook\\Counter" },
        { "C:\\Temp\\Lumbrook\\a.zjf.zjf", "a.zjf.zjf", "true", "C:\\Temp\\Lumbrook\\a.zjf.zjf" },
        { "C:\\Temp\\Lumbrook\\sub\\notes.txt", "sub\\notes.txt", "true", "C:\\Temp\\Lumbrook\\sub\\notes.txt" },
        { "D:\\Data\\counter.zjf", "D:\\Data\\counter.zjf", "false", "D:\\Data\\counter.zjf" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.path);
        CReadFromFileAction action(kSection);
        action.m_record.path = c.path;
        CDataFile file;
        action.Save(&file);
        std::map<std::string, std::string> keys = KeyMap(StoredKeys(file, kSection));
        EXPECT_EQ(c.storedPath, keys["path"]);
        EXPECT_EQ(c.useTemDir, keys["useTemDir"]);
        CReadFromFileAction loaded(kSection);
        loaded.Load(&file, TRUE);
        EXPECT_STREQ(c.readBack, loaded.m_record.path);
    }
}

TEST_F(Actions, WithoutAnEditorTheSystemsTemporaryFolderIsUsed)
{
    SetEditorServices(nullptr);
    char folder[MAX_PATH + 1];
    ASSERT_GT(GetTempPathA(sizeof(folder), folder), 0u);

    CSaveToFileAction action(kSection);
    action.m_record.path = CStr(folder) + "scores.zjf";
    action.m_record.key = "best";
    CDataFile file;
    action.Save(&file);
    std::map<std::string, std::string> keys = KeyMap(StoredKeys(file, kSection));
    EXPECT_EQ("scores", keys["path"]);
    EXPECT_EQ("true", keys["useTemDir"]);

    CPlaySoundAction sound(kSection);
    sound.m_record.path = "C:\\Media\\chime.wav";
    CDataFile soundFile;
    sound.Save(&soundFile);
    EXPECT_EQ("C:\\Media\\chime.wav", KeyMap(StoredKeys(soundFile, kSection))["path"]);
    EXPECT_TRUE(m_services.imports.empty());
}

TEST_F(Actions, ImageSourceIsImportedAndAnEmptyOneDropsTheAction)
{
    CElement image;
    image.SetId("Image1");
    CElement other;
    other.SetId("Image2");
    CScript script("Script_1");
    CSetPropertyAction* action = new CSetPropertyAction();
    action->m_strControlId = "IMAGE1";
    script.AppendItem(action);

    CStr source;
    EXPECT_FALSE(action->GetImageSource(&image, source));
    EXPECT_TRUE(action->SetImageSource(&image, "C:\\Pictures\\logo.gif"));
    EXPECT_TRUE(action->SetImageSource(&other, "C:\\Pictures\\other.gif"));
    ASSERT_EQ(1u, m_services.imports.size());
    EXPECT_EQ(std::make_pair(std::string("C:\\Pictures\\logo.gif"), true), m_services.imports[0]);
    ASSERT_TRUE(action->GetImageSource(&image, source));
    EXPECT_STREQ(".\\tarvex.dat\\logo.gif", source);

    CDataFile file;
    script.Save(&file);
    std::map<std::string, std::string> keys = KeyMap(StoredKeys(file, "Script_1_ScriptItem_1"));
    EXPECT_EQ("src", keys["property"]);
    EXPECT_EQ(".\\tarvex.dat\\logo.gif", keys["value"]);
    EXPECT_EQ("8", keys["valueType"]);

    EXPECT_FALSE(action->SetImageSource(&image, ""));
    EXPECT_EQ(0, script.GetItemCount());
}

TEST_F(Actions, ClearingTheImageSourceKeepsAnActionWithOtherAssignments)
{
    CElement image;
    image.SetId("Image1");
    CScript script("Script_1");
    CSetPropertyAction* action = new CSetPropertyAction();
    action->m_strControlId = "Image1";
    action->AddAssignment("width", "", MakeLong(9), VT_I4, TRUE);
    script.AppendItem(action);
    ASSERT_TRUE(action->SetImageSource(&image, "C:\\Pictures\\logo.gif"));
    ASSERT_EQ(2u, action->m_record.assignments.size());

    EXPECT_TRUE(action->SetImageSource(&image, ""));
    ASSERT_EQ(1, script.GetItemCount());
    ASSERT_EQ(1u, action->m_record.assignments.size());
    EXPECT_STREQ("width", action->m_record.assignments[0].m_strName);
}

TEST_F(Actions, AssignmentsMarkTheTargetsOwnProperties)
{
    CElementContainer page("Main");
    CScriptableObject* target = new CScriptableObject();
    target->SetId("Text1");
    page.AddChild(target);
    CSetPropertyAction action;
    action.m_strControlId = "Text1";
    VARIANT v = MakeLong(3);
    action.AddAssignment("XPOS", "", v, VT_I4, TRUE);
    action.AddAssignment("unknown", "", v, VT_I4, TRUE);

    action.MarkTargetProperties(&page);
    EXPECT_TRUE(PropertyListIsChanged(target->m_properties, "xpos"));
    EXPECT_FALSE(PropertyListIsChanged(target->m_properties, "ypos"));
    page.DeleteAllElements();
}

// The image element's over and down pictures live in Set Property actions
// of its mouse scripts; the table installs what the element needs to reach them.
TEST_F(Actions, EffectPicturesGoThroughSetPropertyActions)
{
    CImageElement image("Element_1");
    image.m_strId = "btn";
    image.m_strSrc = "C:\\Pictures\\up.gif";
    image.SetEffectImages("C:\\Pictures\\over.gif", "C:\\Pictures\\down.gif");

    const struct { const char* event; const char* src; } made[] = {
        { "OnMouseDown", ".\\tarvex.dat\\down.gif" }, { "OnMouseIn", ".\\tarvex.dat\\over.gif" },
        { "OnMouseOut", ".\\tarvex.dat\\up.gif" }, { "OnMouseUp", ".\\tarvex.dat\\up.gif" },
    };
    for (const auto& m : made) {
        CScript* script = image.FindScriptForEvent(m.event);
        ASSERT_TRUE(script != nullptr) << m.event;
        ASSERT_EQ(1, script->GetItemCount()) << m.event;
        CSetPropertyAction* action = dynamic_cast<CSetPropertyAction*>(script->GetItem(0));
        ASSERT_TRUE(action != nullptr) << m.event;
        CStr source;
        EXPECT_TRUE(action->GetImageSource(&image, source)) << m.event;
        EXPECT_STREQ(m.src, source) << m.event;
    }
    CStr over, down;
    image.GetEffectImages(over, down);
    EXPECT_STREQ(".\\tarvex.dat\\over.gif", over);
    EXPECT_STREQ(".\\tarvex.dat\\down.gif", down);

    // Clearing the over picture keeps an action that assigns more than "src".
    CSetPropertyAction* overAction =
        static_cast<CSetPropertyAction*>(image.FindScriptForEvent("OnMouseIn")->GetItem(0));
    overAction->AddAssignment("width", "", MakeLong(9), VT_I4, TRUE);
    size_t importsBefore = m_services.imports.size();
    image.SetEffectImages("", "C:\\Pictures\\down.gif");
    ASSERT_EQ(1, image.FindScriptForEvent("OnMouseIn")->GetItemCount());
    CStr source;
    EXPECT_FALSE(overAction->GetSourceAssignment(source));
    ASSERT_EQ(1u, overAction->m_record.assignments.size());
    EXPECT_STREQ("width", overAction->m_record.assignments[0].m_strName);
    EXPECT_EQ(0, image.FindScriptForEvent("OnMouseOut")->GetItemCount());
    image.GetEffectImages(over, down);
    EXPECT_STREQ(".\\tarvex.dat\\down.gif", down);
    // Only the down picture and the own picture it restores are imported again.
    EXPECT_EQ(importsBefore + 2, m_services.imports.size());
    SetSetPropertyHooks(nullptr);
}

}  // namespace
