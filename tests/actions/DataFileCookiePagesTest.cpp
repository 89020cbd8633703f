// The pages of the data-file and cookie actions, in real sheets: what a
// filled page stores, the variables they offer and select, Cancel, the
// completeness rules, and the data-file path kept as a file stored it.
#include "actions/ActionPageSupport.h"
#include "actions/ActionTypes.h"
#include "actions/CookieActions.h"
#include "actions/DataFileActions.h"
#include "actions/DataFilePages.h"
#include "resources/editor/ActionPagesBIds.h"
#include "tests/actions/ActionSheetDriver.h"

#include <gtest/gtest.h>

using namespace sheetdriver;

namespace {

VARIANT Text(const wchar_t* text)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocString(text);
    return v;
}

class DataCookiePages : public ::testing::Test
{
protected:
    void SetUp() override
    {
        BuildActionTypeTable();
        Boxes().clear();
        m_previousReporter = SetMessageReporter(RecordBox);
        // Button1's own local variables, another object's, and the globals.
        Declare(1, "score", "Button1");
        Declare(1, "other", "Button2");
        Declare(0, "scoreboard", "");
        Declare(0, "total", "");
    }
    void TearDown() override { SetMessageReporter(m_previousReporter); }

    void Declare(int scope, const char* name, const char* owner)
    {
        VARIANT v = Text(L"x");
        m_holder.page.AddVariable(scope, name, v, owner);
        VariantClear(&v);
    }

    CScriptItem* Make(const char* typeName) { return m_holder.Hold(CreateScriptItem(typeName)); }

    PageServices m_services;
    ScriptHolder m_holder;
    MessageReporterFn m_previousReporter = nullptr;
};

struct FillCase
{
    const char* name;
    const char* typeName;
    std::function<void(HWND page)> fill;
    KeyList written;
};

TEST_F(DataCookiePages, ANewActionFilledAndConfirmedStoresItsForm)
{
    const std::vector<FillCase> cases = {
        { "save a variable into the page's file", "SaveToFile",
          [](HWND p) {
              SetText(p, IDC_DATAFILE_KEY, "best");
              Choose(p, IDC_DATAFILE_VARIABLE, "score");
          },
          { { "path", "page_2" }, { "useTemDir", "true" }, { "key", "best" }, { "variable", "score" }, { "value", "" } } },
        { "save a constant elsewhere", "SaveToFile",
          [](HWND p) {
              SetText(p, IDC_DATAFILE_PATH, "D:\\data\\state.zjf");
              SetText(p, IDC_DATAFILE_KEY, "level");
              SetText(p, IDC_DATAFILE_CONSTANT, "3");
          },
          { { "useTemDir", "false" }, { "path", "D:\\data\\state.zjf" }, { "key", "level" }, { "variable", "" },
            { "value", "3" } } },
        { "read into a global", "ReadFromFile",
          [](HWND p) {
              SetText(p, IDC_DATAFILE_PATH, (std::string(kTempFolder) + "counter.zjf").c_str());
              SetText(p, IDC_DATAFILE_KEY, "n");
              Choose(p, IDC_DATAFILE_VARIABLE, "total");
          },
          { { "path", "counter" }, { "useTemDir", "true" }, { "key", "n" }, { "variable", "total" } } },
        { "read a typed cookie", "GetCookie",
          [](HWND p) {
              SetText(p, IDC_COOKIE_URL, "http://example.com/");
              SetText(p, IDC_COOKIE_NAME, "visits");
              Choose(p, IDC_COOKIE_DATA_VARIABLE, "score");
          },
          { { "URL", "http://example.com/" }, { "CookieName", "visits" }, { "DataVar", "score" } } },
        { "read a cookie named by a variable", "GetCookie",
          [](HWND p) {
              SetText(p, IDC_COOKIE_URL, "http://example.com/");
              Choose(p, IDC_COOKIE_NAME_VARIABLE, "scoreboard");
              Choose(p, IDC_COOKIE_DATA_VARIABLE, "total");
          },
          { { "URL", "http://example.com/" }, { "CookieVar", "scoreboard" }, { "DataVar", "total" } } },
        { "write a typed cookie", "SetCookie",
          [](HWND p) {
              SetText(p, IDC_COOKIE_URL, "http://example.com/");
              SetText(p, IDC_COOKIE_DAYS, "30");
              SetText(p, IDC_COOKIE_NAME, "visits");
              Choose(p, IDC_COOKIE_DATA_VARIABLE, "total");
          },
          { { "URL", "http://example.com/" }, { "days", "30" }, { "Cookie", "visits" }, { "dataVar", "total" } } },
        { "write a cookie named by a variable, days kept", "SetCookie",
          [](HWND p) {
              SetText(p, IDC_COOKIE_URL, "http://example.com/");
              Choose(p, IDC_COOKIE_NAME_VARIABLE, "score");
              Choose(p, IDC_COOKIE_DATA_VARIABLE, "total");
          },
          { { "URL", "http://example.com/" }, { "days", "1" }, { "CookieVar", "score" }, { "dataVar", "total" } } },
    };
    for (const FillCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::unique_ptr<CScriptItem> action(Make(c.typeName));
        SheetSeen seen;
        EXPECT_TRUE(EditWith(*action, TRUE, {
            [&](HWND sheet, HWND page) { c.fill(page); Press(sheet, PSBTN_OK); return true; },
        }, &seen));
        EXPECT_EQ(InFileOrder(c.written, c.typeName), SavedKeys(*action));
        EXPECT_NE(std::string::npos, seen.title.find(c.typeName)) << seen.title;
        EXPECT_FALSE(seen.applyShown);
    }
}

TEST_F(DataCookiePages, ThePagesOfferTheObjectsOwnAndTheGlobalVariables)
{
    const struct
    {
        const char* typeName;
        std::vector<int> combos;
    } cases[] = {
        { "SaveToFile", { IDC_DATAFILE_VARIABLE } },
        { "ReadFromFile", { IDC_DATAFILE_VARIABLE } },
        { "GetCookie", { IDC_COOKIE_NAME_VARIABLE, IDC_COOKIE_DATA_VARIABLE } },
        { "SetCookie", { IDC_COOKIE_NAME_VARIABLE, IDC_COOKIE_DATA_VARIABLE } },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.typeName);
        std::unique_ptr<CScriptItem> action(Make(c.typeName));
        std::vector<std::vector<std::string> > lists;
        EditWith(*action, TRUE, {
            [&](HWND sheet, HWND page) {
                for (int id : c.combos)
                    lists.push_back(ComboItems(page, id));
                Press(sheet, PSBTN_CANCEL);
                return true;
            },
        });
        for (const auto& list : lists)
            EXPECT_EQ((std::vector<std::string>{ "score", "scoreboard", "total" }), list);
    }
}

TEST_F(DataCookiePages, StoredVariablesAreSelectedByTheirWholeName)
{
    const struct
    {
        const char* stored;
        const char* selected;
    } cases[] = { { "score", "score" }, { "scor", "" }, { "scoreboard", "scoreboard" }, { "Score", "" } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.stored);
        std::unique_ptr<CScriptItem> data(Make("ReadFromFile"));
        static_cast<CReadFromFileAction*>(data.get())->m_record.variable = c.stored;
        std::unique_ptr<CScriptItem> cookie(Make("GetCookie"));
        CGetCookieRecord& r = static_cast<CGetCookie*>(cookie.get())->m_record;
        r.url = "http://example.com/";
        r.cookieVar = c.stored;
        r.dataVar = c.stored;
        std::string dataChoice, nameChoice, dataVarChoice;
        EditWith(*data, FALSE, {
            [&](HWND sheet, HWND page) {
                dataChoice = Chosen(page, IDC_DATAFILE_VARIABLE);
                Press(sheet, PSBTN_CANCEL);
                return true;
            },
        });
        EditWith(*cookie, FALSE, {
            [&](HWND sheet, HWND page) {
                nameChoice = Chosen(page, IDC_COOKIE_NAME_VARIABLE);
                dataVarChoice = Chosen(page, IDC_COOKIE_DATA_VARIABLE);
                Press(sheet, PSBTN_CANCEL);
                return true;
            },
        });
        EXPECT_EQ(c.selected, dataChoice);
        EXPECT_EQ(c.selected, nameChoice);
        EXPECT_EQ(c.selected, dataVarChoice);
    }
}

TEST_F(DataCookiePages, CancelOnANewActionGivesFalse)
{
    for (const char* typeName : { "SaveToFile", "ReadFromFile", "GetCookie", "SetCookie" })
    {
        SCOPED_TRACE(typeName);
        std::unique_ptr<CScriptItem> action(Make(typeName));
        KeyList before = SavedKeys(*action);
        EXPECT_FALSE(EditWith(*action, TRUE, {
            [](HWND sheet, HWND page) {
                SetText(page, IDC_DATAFILE_KEY, "typed");
                SetText(page, IDC_COOKIE_URL, "http://typed/");
                Press(sheet, PSBTN_CANCEL);
                return true;
            },
        }));
        EXPECT_EQ(before, SavedKeys(*action));
    }
}

TEST_F(DataCookiePages, ADataFileActionWithoutAnOwnerClosesAsCancelled)
{
    std::unique_ptr<CScriptItem> action(CreateScriptItem("SaveToFile"));
    // No steps: the sheet closes by itself.
    EXPECT_FALSE(EditWith(*action, TRUE, {}));
}

struct ExistingCase
{
    const char* typeName;
    KeyList stored;       // in file order
};

std::vector<ExistingCase> ExistingCases()
{
    const std::string tempPath = std::string(kTempFolder) + "x";
    return {
        { "SaveToFile", InFileOrder({ { "path", "counter.zjf" }, { "useTemDir", "true" }, { "key", "k" },
                                      { "variable", "score" }, { "value", "" } }, "SaveToFile") },
        { "SaveToFile", InFileOrder({ { "useTemDir", "false" }, { "path", tempPath }, { "key", "k" },
                                      { "variable", "" }, { "value", "7" } }, "SaveToFile") },
        { "ReadFromFile", InFileOrder({ { "useTemDir", "false" }, { "path", "" }, { "key", "k" },
                                        { "variable", "total" } }, "ReadFromFile") },
        { "ReadFromFile", InFileOrder({ { "path", "scores" }, { "useTemDir", "true" }, { "key", "k" },
                                        { "variable", "total" } }, "ReadFromFile") },
        { "GetCookie", InFileOrder({ { "URL", "http://a/" }, { "CookieName", "n" }, { "DataVar", "score" } },
                                   "GetCookie") },
        { "SetCookie", InFileOrder({ { "URL", "http://a/" }, { "days", "9" }, { "CookieVar", "total" },
                                     { "dataVar", "score" } }, "SetCookie") },
    };
}

TEST_F(DataCookiePages, AnExistingActionKeepsItsStoredFormWhenCancelledOrConfirmedUnchanged)
{
    for (const ExistingCase& c : ExistingCases())
    {
        SCOPED_TRACE(c.typeName + (" " + c.stored[2].second));
        std::unique_ptr<CScriptItem> action(Make(c.typeName));
        LoadFrom(*action, c.stored);
        // Opened and saved without its page.
        EXPECT_EQ(Sorted(c.stored), Sorted(SavedKeys(*action)));
        EXPECT_FALSE(EditWith(*action, FALSE, {
            [](HWND sheet, HWND page) {
                SetText(page, IDC_DATAFILE_KEY, "changed");
                SetText(page, IDC_COOKIE_URL, "http://changed/");
                Press(sheet, PSBTN_CANCEL);
                return true;
            },
        }));
        EXPECT_EQ(Sorted(c.stored), Sorted(SavedKeys(*action)));
        EXPECT_TRUE(EditWith(*action, FALSE, { Confirm() }));
        EXPECT_EQ(Sorted(c.stored), Sorted(SavedKeys(*action)));
        // A copy keeps it too.
        std::unique_ptr<CScriptItem> copy(static_cast<CScriptItem*>(action->Clone()));
        EXPECT_EQ(Sorted(c.stored), Sorted(SavedKeys(*copy)));
    }
}

struct RuleCase
{
    const char* name;
    const char* typeName;
    std::function<void(HWND page)> fill;
    BOOL expected;
};

TEST_F(DataCookiePages, TheCompletenessRulesDecide)
{
    auto save = [](const char* key, const char* variable, const char* constant) {
        return [=](HWND p) {
            SetText(p, IDC_DATAFILE_KEY, key);
            if (*variable)
                Choose(p, IDC_DATAFILE_VARIABLE, variable);
            if (*constant)
                SetText(p, IDC_DATAFILE_CONSTANT, constant);
        };
    };
    auto read = [](const char* key, const char* variable) {
        return [=](HWND p) {
            SetText(p, IDC_DATAFILE_KEY, key);
            if (*variable)
                Choose(p, IDC_DATAFILE_VARIABLE, variable);
        };
    };
    auto cookie = [](const char* url, const char* name, const char* nameVar, const char* dataVar) {
        return [=](HWND p) {
            SetText(p, IDC_COOKIE_URL, url);
            SetText(p, IDC_COOKIE_NAME, name);
            if (*nameVar)
                Choose(p, IDC_COOKIE_NAME_VARIABLE, nameVar);
            if (*dataVar)
                Choose(p, IDC_COOKIE_DATA_VARIABLE, dataVar);
        };
    };
    const std::vector<RuleCase> cases = {
        { "save: key and constant", "SaveToFile", save("k", "", "1"), TRUE },
        { "save: key and variable", "SaveToFile", save("k", "score", ""), TRUE },
        { "save: key only", "SaveToFile", save("k", "", ""), FALSE },
        { "save: no key", "SaveToFile", save("", "score", "1"), FALSE },
        { "read: key and variable", "ReadFromFile", read("k", "total"), TRUE },
        { "read: no key", "ReadFromFile", read("", "total"), FALSE },
        { "read: no variable", "ReadFromFile", read("k", ""), FALSE },
        { "get: typed name", "GetCookie", cookie("http://a/", "n", "", "score"), TRUE },
        { "get: name variable", "GetCookie", cookie("http://a/", "", "total", "score"), TRUE },
        { "get: no name", "GetCookie", cookie("http://a/", "", "", "score"), FALSE },
        { "get: no URL", "GetCookie", cookie("", "n", "", "score"), FALSE },
        { "get: no data variable", "GetCookie", cookie("http://a/", "n", "", ""), FALSE },
        { "set: typed name", "SetCookie", cookie("http://a/", "n", "", "score"), TRUE },
        { "set: name variable", "SetCookie", cookie("http://a/", "", "total", "score"), TRUE },
        { "set: no name", "SetCookie", cookie("http://a/", "", "", "score"), FALSE },
        { "set: no data variable", "SetCookie", cookie("http://a/", "n", "", ""), FALSE },
    };
    for (const RuleCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::unique_ptr<CScriptItem> action(Make(c.typeName));
        EXPECT_EQ(c.expected, EditWith(*action, TRUE, {
            [&](HWND sheet, HWND page) { c.fill(page); Press(sheet, PSBTN_OK); return true; },
        }));
    }
}

TEST_F(DataCookiePages, AnExistingActionMadeIncompleteKeepsWhatItsSheetCopiedBack)
{
    for (const ExistingCase& c : ExistingCases())
    {
        SCOPED_TRACE(c.typeName);
        std::unique_ptr<CScriptItem> action(Make(c.typeName));
        LoadFrom(*action, c.stored);
        EXPECT_FALSE(EditWith(*action, FALSE, {
            [](HWND sheet, HWND page) {
                SetText(page, IDC_DATAFILE_KEY, "");
                SetText(page, IDC_COOKIE_URL, "");
                Press(sheet, PSBTN_OK);
                return true;
            },
        }));
        // The cleared field stays cleared: the editor records the change.
        KeyList expected = c.stored;
        for (auto& key : expected)
        {
            if (key.first == "key" || key.first == "URL")
                key.second = "";
        }
        EXPECT_EQ(Sorted(expected), Sorted(SavedKeys(*action)));
        EXPECT_TRUE(action->m_bEditConfirmed);
    }
    EXPECT_EQ(std::vector<std::string>(), Boxes());
}

TEST_F(DataCookiePages, AConstantOrANameTakesThePlaceOfTheVariable)
{
    std::unique_ptr<CScriptItem> save(Make("SaveToFile"));
    CSaveToFileRecord& r = static_cast<CSaveToFileAction*>(save.get())->m_record;
    r.key = "k";
    r.variable = "score";
    r.value = "5";
    std::string shown, afterTyping;
    EditWith(*save, FALSE, {
        [&](HWND sheet, HWND page) {
            // A stored action with both shows both.
            shown = Chosen(page, IDC_DATAFILE_VARIABLE) + "|" + GetText(page, IDC_DATAFILE_CONSTANT);
            SetText(page, IDC_DATAFILE_CONSTANT, "6");
            afterTyping = Chosen(page, IDC_DATAFILE_VARIABLE);
            Press(sheet, PSBTN_CANCEL);
            return true;
        },
    });
    EXPECT_EQ("score|5", shown);
    EXPECT_EQ("", afterTyping);

    std::unique_ptr<CScriptItem> cookie(Make("SetCookie"));
    std::string nameAfterChoice, choiceAfterTyping;
    EditWith(*cookie, TRUE, {
        [&](HWND sheet, HWND page) {
            SetText(page, IDC_COOKIE_NAME, "typed");
            Choose(page, IDC_COOKIE_NAME_VARIABLE, "total");
            nameAfterChoice = GetText(page, IDC_COOKIE_NAME);
            SetText(page, IDC_COOKIE_NAME, "again");
            choiceAfterTyping = Chosen(page, IDC_COOKIE_NAME_VARIABLE);
            Press(sheet, PSBTN_CANCEL);
            return true;
        },
    });
    EXPECT_EQ("", nameAfterChoice);
    EXPECT_EQ("", choiceAfterTyping);
}

TEST_F(DataCookiePages, CookieDaysOutsideAYearAreRefused)
{
    std::unique_ptr<CScriptItem> action(Make("SetCookie"));
    EXPECT_TRUE(EditWith(*action, TRUE, {
        [](HWND sheet, HWND page) {
            SetText(page, IDC_COOKIE_URL, "http://a/");
            SetText(page, IDC_COOKIE_NAME, "n");
            Choose(page, IDC_COOKIE_DATA_VARIABLE, "score");
            SetText(page, IDC_COOKIE_DAYS, "366");
            Press(sheet, PSBTN_OK);
            return true;
        },
        [](HWND sheet, HWND page) {
            SetText(page, IDC_COOKIE_DAYS, "365");
            Press(sheet, PSBTN_OK);
            return true;
        },
    }));
    EXPECT_EQ(1u, Boxes().size());
    EXPECT_EQ(365, static_cast<CSetCookie*>(action.get())->m_record.days);
}

TEST_F(DataCookiePages, DataFileBrowseStartsInTheFilesFolderOrTheTemporaryFolder)
{
    const std::string longFolder = "C:\\" + std::string(150, 'f') + "\\";
    const struct
    {
        std::string text;
        std::string folder;
    } cases[] = {
        { "", kTempFolder },
        { "state", kTempFolder },
        { "D:\\data\\state.zjf", "D:\\data\\" },
        { longFolder + "state.zjf", longFolder },
    };
    for (const auto& c : cases)
    {
        CActionBrowseRequest r = CDataFilePage::MakeBrowseRequest(CStr(c.text.c_str()));
        EXPECT_EQ(c.folder, std::string(r.initialFolder.c_str())) << c.text;
        EXPECT_STREQ("Data Files (*.zjf)|*.zjf||", r.filter);
        EXPECT_STREQ("", r.defaultExt);
        EXPECT_FALSE(r.folder);
    }
}

} // namespace
