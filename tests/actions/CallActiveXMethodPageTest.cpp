// The Call ActiveX Method action's pages on a page with ActiveX elements:
// the method page lists the page's controls and their methods, grows a page
// per argument and one for the return value, and OK stores the choice; the
// registered test control's own methods come from its type information.
#include "actions/CallActiveXMethodAction.h"
#include "actions/ActiveXMethodPages.h"

#include "model/ActiveXElement.h"
#include "model/Browser.h"
#include "model/Script.h"
#include "model/TextElement.h"
#include "resources/editor/ActiveXPagesIds.h"
#include "tests/actions/ActiveXSheetSteps.h"
#include "tests/model/TestControlFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace sheetsteps;

namespace {

typedef std::vector<std::string> Lines;

CActiveXMethodParameter Param(const char* name, VARTYPE type, BYTE optional = 0)
{
    return CActiveXMethodParameter(name, type, optional);
}

CMethodRecord Method(const char* name, VARTYPE returnType, std::vector<CActiveXMethodParameter> params)
{
    CMethodRecord method(name, returnType);
    for (const CActiveXMethodParameter& p : params)
        method.AddParam(p);
    return method;
}

void AddMethods(CActiveXElement* control)
{
    control->m_methods.push_back(Method("Add", VT_I4, { Param("a", VT_I4), Param("b", VT_I4) }));
    control->m_methods.push_back(Method("Ping", VT_VOID, {}));
    control->m_methods.push_back(
        Method("Concat", VT_BSTR, { Param("first", VT_BSTR), Param("second", VT_VARIANT, 1) }));
    control->m_methods.push_back(Method("Odd", VT_I4 | VT_BYREF, { Param("x", VT_I4 | VT_ARRAY) }));
}

VARIANT IntValue(int n)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = n;
    return v;
}

// A page with a button whose script holds the action, two ActiveX elements
// (one id beginning like the other), a text and three variables.
struct MethodPage
{
    CBrowser page;
    CTextElement* button;
    CActiveXElement* grid1;
    CActiveXElement* grid10;
    CScript* script;

    explicit MethodPage(bool withControls = true)
    {
        button = new CTextElement;
        page.AddChild(button);
        button->SetId("button1");
        grid1 = grid10 = NULL;
        if (withControls)
        {
            grid1 = new CActiveXElement;
            grid10 = new CActiveXElement;
            page.AddChild(grid1);
            page.AddChild(grid10);
            grid1->SetId("grid1");
            grid10->SetId("grid10");
            // The type text the element factory gives.
            grid1->SetType("ActiveX");
            grid10->SetType("ActiveX");
            AddMethods(grid1);
            AddMethods(grid10);
        }
        script = new CScript;
        script->SetName("OnMouseUp");
        button->AddChild(script);
        page.AddVariable(1, "total", IntValue(0), "button1");
        page.AddVariable(1, "notMine", IntValue(0), "someone");
        VARIANT text;
        VariantInit(&text);
        page.AddVariable(0, "greeting", text, "");
    }
    ~MethodPage() { page.Unload(); }

    CCallActiveXMethodAction* NewAction()
    {
        CCallActiveXMethodAction* action = new CCallActiveXMethodAction;
        script->AppendItem(action);
        return action;
    }
};

int PageCount(HWND sheet)
{
    HWND tab = (HWND)SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0);
    return (int)SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0);
}

HWND ShowPage(HWND sheet, int index)
{
    SendMessageA(sheet, PSM_SETCURSEL, (WPARAM)index, 0);
    return CurrentPage(sheet);
}

void SelectMethod(HWND p, const char* name)
{
    SelectListLine(p, IDC_AXMETHOD_METHODS, IndexOfText(ListTexts(Item(p, IDC_AXMETHOD_METHODS), false), name));
}

} // namespace

TEST(CallActiveXMethodPages, NewActionFilledAndConfirmedIsStored)
{
    MethodPage m;
    CCallActiveXMethodAction* action = m.NewAction();
    Lines objects, methods, variables;
    std::string caption, summary, title1, type1, optional1, title2, returnType, varType;
    int pagesAfterAdd = 0;
    BOOL result = RunBodyWithSteps(
        {
            [&] {
                HWND sheet = FindOwnWindow();
                caption = Text(sheet);
                HWND p = CurrentPage(sheet);
                objects = ListTexts(Item(p, IDC_AXMETHOD_OBJECTS), true);
                EXPECT_EQ(0, Selected(Item(p, IDC_AXMETHOD_OBJECTS), true));
                methods = ListTexts(Item(p, IDC_AXMETHOD_METHODS), false);
                EXPECT_EQ(1, PageCount(sheet));
                SelectMethod(p, "Add");
                summary = Text(Item(p, IDC_AXMETHOD_SUMMARY));
                pagesAfterAdd = PageCount(sheet);
            },
            [&] {
                HWND sheet = FindOwnWindow();
                HWND p = ShowPage(sheet, 1);
                title1 = Text(Item(p, IDC_AXPARAM_TITLE));
                type1 = Text(Item(p, IDC_AXPARAM_TYPE));
                optional1 = Text(Item(p, IDC_AXPARAM_OPTIONAL));
                variables = ListTexts(Item(p, IDC_AXPARAM_VARIABLES), true);
                SelectComboItem(p, IDC_AXPARAM_VARIABLES, IndexOfText(variables, "total"));
                varType = Text(Item(p, IDC_AXPARAM_VARTYPE));
                p = ShowPage(sheet, 2);
                title2 = Text(Item(p, IDC_AXPARAM_TITLE));
                SetText(p, IDC_AXPARAM_CONSTANT, "5");
                EXPECT_FALSE(IsWindowEnabled(Item(p, IDC_AXPARAM_VARIABLES)));
                p = ShowPage(sheet, 3);
                returnType = Text(Item(p, IDC_AXPARAM_TYPE));
                SelectComboItem(p, IDC_AXPARAM_VARIABLES,
                                IndexOfText(ListTexts(Item(p, IDC_AXPARAM_VARIABLES), true), "total"));
                Press(sheet, PSBTN_OK);
            },
        },
        [&] { return action->EditProperties(TRUE); });
    EXPECT_TRUE(result);
    EXPECT_EQ("Properties for CallActiveXMethod", caption);
    EXPECT_EQ((Lines{ "grid1", "grid10" }), objects);
    EXPECT_EQ((Lines{ "Add", "Ping", "Concat", "Odd" }), methods);
    EXPECT_EQ("Number of Parameters: 2\r\nReturn Type: VT_I4", summary);
    EXPECT_EQ(4, pagesAfterAdd);
    EXPECT_EQ("Parameter 1: a", title1);
    EXPECT_EQ("Type: VT_I4", type1);
    EXPECT_EQ("", optional1);
    EXPECT_EQ((Lines{ "total", "greeting" }), variables);
    EXPECT_EQ("VT_I4", varType);
    EXPECT_EQ("Parameter 2: b", title2);
    EXPECT_EQ("Type: VT_I4", returnType);

    CDataFile file;
    action->Save(&file);
    std::string section = (const char*)action->GetSectionName();
    Lines own = SectionLines(file, section.c_str());
    ASSERT_GE(own.size(), 5u);
    EXPECT_EQ((Lines{ "numParameters = 2", "retVariable = total", "returnType = 3", "method = Add", "controlId = grid1" }),
              Lines(own.end() - 5, own.end()));
    EXPECT_EQ((Lines{ "valueType = 3", "constValue = ", "varName = total" }),
              SectionLines(file, (section + "_Param_0").c_str()));
    EXPECT_EQ((Lines{ "valueType = 3", "constValue = 5", "varName = " }),
              SectionLines(file, (section + "_Param_1").c_str()));
    // The control's own record keeps no arguments: other actions share it.
    EXPECT_STREQ("", m.grid1->m_methods[0].GetParam(0)->GetVarName());
    EXPECT_STREQ("", m.grid1->m_methods[0].GetParam(1)->GetConstValue());
}

TEST(CallActiveXMethodPages, ChoosingAnotherMethodReplacesTheArgumentPages)
{
    MethodPage m;
    CCallActiveXMethodAction* action = m.NewAction();
    struct Step
    {
        const char* method;
        int pages;
        const char* summary;
    } steps[] = {
        { "Add", 4, "Number of Parameters: 2\r\nReturn Type: VT_I4" },
        { "Concat", 4, "Number of Parameters: 2\r\nReturn Type: VT_BSTR" },
        { "Ping", 1, "Number of Parameters: 0\r\nReturn Type: VT_VOID" },
        // A VARTYPE without a name shows nothing.
        { "Odd", 3, "Number of Parameters: 1\r\nReturn Type: " },
    };
    std::vector<int> pages;
    Lines summaries;
    std::string optional, oddType;
    BOOL result = RunBodyWithSteps(
        {
            [&] {
                HWND sheet = FindOwnWindow();
                for (const Step& s : steps)
                {
                    HWND p = CurrentPage(sheet);
                    SelectMethod(p, s.method);
                    pages.push_back(PageCount(sheet));
                    summaries.push_back(Text(Item(p, IDC_AXMETHOD_SUMMARY)));
                    if (std::string(s.method) == "Concat")
                        optional = Text(Item(ShowPage(sheet, 2), IDC_AXPARAM_OPTIONAL));
                    if (std::string(s.method) == "Odd")
                        oddType = Text(Item(ShowPage(sheet, 1), IDC_AXPARAM_TYPE));
                    ShowPage(sheet, 0);
                }
                SelectMethod(CurrentPage(sheet), "Ping");
                Press(sheet, PSBTN_OK);
            },
        },
        [&] { return action->EditProperties(TRUE); });
    EXPECT_TRUE(result);
    for (size_t i = 0; i < sizeof steps / sizeof steps[0]; i++)
    {
        EXPECT_EQ(steps[i].pages, pages[i]) << steps[i].method;
        EXPECT_EQ(steps[i].summary, summaries[i]) << steps[i].method;
    }
    EXPECT_EQ("This parameter appears to be optional", optional);
    EXPECT_EQ("Type: ", oddType);
    Lines stored = StoredLines(*action);
    EXPECT_EQ(-1, IndexOfText(stored, "retVariable = "));
    EXPECT_NE(-1, IndexOfText(stored, "returnType = 24"));
    EXPECT_NE(-1, IndexOfText(stored, "numParameters = 0"));
}

TEST(CallActiveXMethodPages, CancelledNewActionGivesFalse)
{
    MethodPage m;
    CCallActiveXMethodAction* action = m.NewAction();
    BOOL result = RunBodyWithSteps(
        {
            [&] {
                HWND sheet = FindOwnWindow();
                SelectMethod(CurrentPage(sheet), "Add");
                Press(sheet, PSBTN_CANCEL);
            },
        },
        [&] { return action->EditProperties(TRUE); });
    EXPECT_FALSE(result);
    EXPECT_TRUE(action->m_record.method.IsEmpty());
    EXPECT_TRUE(action->m_strControlId.IsEmpty());
}

// An existing action bound to grid10's Add: opening shows its own fields.
CCallActiveXMethodAction* BoundAction(MethodPage& m, const char* controlId, const char* method)
{
    CCallActiveXMethodAction* action = m.NewAction();
    action->m_strControlId = controlId;
    action->m_record.method = method;
    action->m_record.returnType = VT_I4;
    action->m_record.retVariable = "total";
    action->m_record.numParameters = 2;
    std::vector<CActiveXMethodParameter> params = { Param("a", VT_I4), Param("b", VT_I4) };
    params[0].SetVarName("total");
    params[1].SetConstValue("7");
    action->SetParameterList(params);
    return action;
}

TEST(CallActiveXMethodPages, ExistingActionShowsItsFieldsAndCancelKeepsItsStoredForm)
{
    MethodPage m;
    CCallActiveXMethodAction* action = BoundAction(m, "grid10", "Add");
    Lines before = StoredLines(*action);
    std::string object, method, variable, constant, returnVariable;
    bool comboEnabled = true;
    BOOL result = RunBodyWithSteps(
        {
            [&] {
                HWND sheet = FindOwnWindow();
                HWND p = CurrentPage(sheet);
                object = SelectedText(Item(p, IDC_AXMETHOD_OBJECTS), true);
                method = SelectedText(Item(p, IDC_AXMETHOD_METHODS), false);
            },
            [&] {
                HWND sheet = FindOwnWindow();
                HWND p = ShowPage(sheet, 1);
                variable = SelectedText(Item(p, IDC_AXPARAM_VARIABLES), true);
                p = ShowPage(sheet, 2);
                constant = Text(Item(p, IDC_AXPARAM_CONSTANT));
                comboEnabled = IsWindowEnabled(Item(p, IDC_AXPARAM_VARIABLES)) != FALSE;
                p = ShowPage(sheet, 3);
                returnVariable = SelectedText(Item(p, IDC_AXPARAM_VARIABLES), true);
                SetText(ShowPage(sheet, 2), IDC_AXPARAM_CONSTANT, "99");
                Press(sheet, PSBTN_CANCEL);
            },
        },
        [&] { return action->EditProperties(FALSE); });
    EXPECT_FALSE(result);
    EXPECT_EQ("grid10", object);
    EXPECT_EQ("Add", method);
    EXPECT_EQ("total", variable);
    EXPECT_EQ("7", constant);
    EXPECT_FALSE(comboEnabled);
    EXPECT_EQ("total", returnVariable);
    EXPECT_EQ(before, StoredLines(*action));
}

// Confirmed without a method chosen, an existing action keeps what the page
// gave back: a method the control lacks is not chosen, so the edit gives
// FALSE with the method empty (the editor records that as a change); with
// no object selected, nothing is gathered at all.
TEST(CallActiveXMethodPages, ExistingActionWithoutAChosenMethodKeepsWhatThePageGave)
{
    struct Case
    {
        const char* label;
        const char* controlId;
        const char* method;
        int objectSelected;   // expected line of the object combo
        BOOL result;
        const char* methodAfter;
    } cases[] = {
        { "a method the control lacks", "grid1", "Gone", 0, FALSE, "" },
        { "a stale control name selects nothing", "grid", "Add", -1, TRUE, "Add" },
    };
    for (const Case& c : cases)
    {
        MethodPage m;
        CCallActiveXMethodAction* action = BoundAction(m, c.controlId, c.method);
        Lines before = StoredLines(*action);
        int objectSelected = -2, methodSelected = -2;
        BOOL result = RunBodyWithSteps(
            {
                [&] {
                    HWND sheet = FindOwnWindow();
                    HWND p = CurrentPage(sheet);
                    objectSelected = Selected(Item(p, IDC_AXMETHOD_OBJECTS), true);
                    methodSelected = Selected(Item(p, IDC_AXMETHOD_METHODS), false);
                    EXPECT_EQ(1, PageCount(sheet)) << c.label;
                    Press(sheet, PSBTN_OK);
                },
            },
            [&] { return action->EditProperties(FALSE); });
        EXPECT_EQ(c.result, result) << c.label;
        EXPECT_EQ(c.objectSelected, objectSelected) << c.label;
        EXPECT_EQ(-1, methodSelected) << c.label;
        Lines expected = before;
        std::replace(expected.begin(), expected.end(), std::string("method = ") + c.method,
                     std::string("method = ") + c.methodAfter);
        EXPECT_EQ(expected, StoredLines(*action)) << c.label;
        EXPECT_TRUE(action->m_bEditConfirmed) << c.label;
    }
}

TEST(CallActiveXMethodPages, APageWithoutControlsGivesADisabledComboAndFalse)
{
    MethodPage m(false);
    CCallActiveXMethodAction* action = m.NewAction();
    bool enabled = true;
    BOOL result = RunBodyWithSteps(
        {
            [&] {
                HWND sheet = FindOwnWindow();
                enabled = IsWindowEnabled(Item(CurrentPage(sheet), IDC_AXMETHOD_OBJECTS)) != FALSE;
                Press(sheet, PSBTN_OK);
            },
        },
        [&] { return action->EditProperties(TRUE); });
    EXPECT_FALSE(result);
    EXPECT_FALSE(enabled);
    EXPECT_TRUE(action->m_strControlId.IsEmpty());
    EXPECT_TRUE(action->m_record.method.IsEmpty());
}

TEST(CallActiveXMethodPages, CompletenessRule)
{
    struct Case
    {
        const char* controlId;
        const char* method;
        BOOL complete;
    } cases[] = {
        { "", "", FALSE },
        { "grid1", "", FALSE },
        { "", "Add", FALSE },
        { "grid1", "Add", TRUE },
    };
    for (const Case& c : cases)
    {
        CCallActiveXMethodAction action;
        action.m_strControlId = c.controlId;
        action.m_record.method = c.method;
        EXPECT_EQ(c.complete, action.IsComplete()) << c.controlId << "/" << c.method;
    }
}

TEST(CallActiveXMethodPages, VarTypeNames)
{
    EXPECT_STREQ("VT_I4", ShowVarTypeName(VT_I4));
    EXPECT_STREQ("", ShowVarTypeName(VT_I4 | VT_BYREF));
}

class CallActiveXMethodTestControl : public TestControlTest
{
};

TEST_F(CallActiveXMethodTestControl, PagesListWhatTheTypeInformationHolds)
{
    MethodPage m(false);
    CActiveXElement* control = new CActiveXElement;
    m.page.AddChild(control);
    control->SetId("tester");
    control->SetType("ActiveX");
    control->m_strCLSID = kTestControlClsid;
    ASSERT_TRUE(control->CreateControl());
    CCallActiveXMethodAction* action = m.NewAction();
    Lines methods, titles, types;
    std::string optional, returnType;
    BOOL result = RunBodyWithSteps(
        {
            [&] {
                HWND sheet = FindOwnWindow();
                HWND p = CurrentPage(sheet);
                methods = ListTexts(Item(p, IDC_AXMETHOD_METHODS), false);
                SelectMethod(p, "Concat");
            },
            [&] {
                HWND sheet = FindOwnWindow();
                for (int i = 1; i <= 2; i++)
                {
                    HWND p = ShowPage(sheet, i);
                    titles.push_back(Text(Item(p, IDC_AXPARAM_TITLE)));
                    types.push_back(Text(Item(p, IDC_AXPARAM_TYPE)));
                    if (i == 2)
                        optional = Text(Item(p, IDC_AXPARAM_OPTIONAL));
                }
                returnType = Text(Item(ShowPage(sheet, 3), IDC_AXPARAM_TYPE));
                SetText(ShowPage(sheet, 1), IDC_AXPARAM_CONSTANT, "left");
                Press(sheet, PSBTN_OK);
            },
        },
        [&] { return action->EditProperties(TRUE); });
    EXPECT_TRUE(result);
    EXPECT_EQ((Lines{ "Add", "Concat", "Fire", "Ping", "oleDrag" }), methods);
    EXPECT_EQ((Lines{ "Parameter 1: first", "Parameter 2: second" }), titles);
    EXPECT_EQ((Lines{ "Type: VT_BSTR", "Type: VT_VARIANT" }), types);
    EXPECT_EQ("This parameter appears to be optional", optional);
    EXPECT_EQ("Type: VT_BSTR", returnType);
    EXPECT_STREQ("tester", action->m_strControlId);
    EXPECT_STREQ("Concat", action->m_record.method);
    ASSERT_EQ(2u, action->m_record.parameters.size());
    EXPECT_STREQ("left", action->m_record.parameters[0].constValue);
}
