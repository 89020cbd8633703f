// The pages of the shell, Internal Command and Post Message actions, in
// real sheets: what a filled page stores, Cancel, the completeness rules,
// the Browse start places and the Play button.
#include "actions/ActionPageSupport.h"
#include "actions/ActionTypes.h"
#include "actions/ShellActions.h"
#include "actions/ShellPages.h"
#include "actions/WindowScriptActions.h"
#include "actions/WindowScriptPages.h"
#include "resources/editor/ActionPagesBIds.h"
#include "tests/actions/ActionSheetDriver.h"
#include "tests/e2e/DialogDriver.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace sheetdriver;

namespace {

CScriptItem* Make(const char* typeName)
{
    return CreateScriptItem(typeName);
}

class ShellPages : public ::testing::Test
{
protected:
    void SetUp() override
    {
        BuildActionTypeTable();
        Boxes().clear();
        m_previousReporter = SetMessageReporter(RecordBox);
    }
    void TearDown() override { SetMessageReporter(m_previousReporter); }

    PageServices m_services;
    ScriptHolder m_holder;
    MessageReporterFn m_previousReporter = nullptr;
};

struct FillCase
{
    const char* typeName;
    std::function<void(HWND page)> fill;
    KeyList written;      // own keys in writing order
    bool titled;          // "Properties for" the type name, no Apply
};

TEST_F(ShellPages, ANewActionFilledAndConfirmedStoresItsForm)
{
    const std::vector<FillCase> cases = {
        { "OpenFolder", [](HWND p) { SetText(p, IDC_FOLDER_PATH, "C:\\Docs"); }, { { "path", "C:\\Docs" } }, true },
        { "PlaySound", [](HWND p) { SetText(p, IDC_SOUND_PATH, "C:\\Media\\chime.wav"); },
          { { "path", ".\\tarvex.dat\\chime.wav" } }, true },
        { "LaunchHtml", [](HWND) {}, { { "path", "http://" } }, true },
        { "LaunchHtml", [](HWND p) { SetText(p, IDC_HTML_PATH, "docs\\index.htm"); },
          { { "path", "docs\\index.htm" } }, true },
        { "RunProgram",
          [](HWND p) {
              SetText(p, IDC_PROGRAM_PATH, "setup.exe");
              SetText(p, IDC_PROGRAM_ARGUMENTS, "/quiet /log");
          },
          { { "path", "setup.exe" }, { "parameters", "/quiet /log" } }, true },
        { "ShellExecute", [](HWND p) { SetText(p, IDC_DOCUMENT_PATH, "readme.txt"); },
          { { "path", "readme.txt" } }, true },
        { "InternalCommand",
          [](HWND p) {
              SendDlgItemMessageA(p, IDC_COMMAND_LIST, LB_SETCURSEL, 0, 0);
              SetText(p, IDC_COMMAND_PARAMETERS, "page_2");
          },
          { { "command", "ChangePage" }, { "parameters", "page_2" } }, false },
        { "PostMessage",
          [](HWND p) {
              SetText(p, IDC_POST_CLASS, "Notepad");
              SetText(p, IDC_POST_MESSAGE, "273");
              SetText(p, IDC_POST_WPARAM, "1");
              SetText(p, IDC_POST_LPARAM, "-5");
          },
          { { "WindowClass", "Notepad" }, { "Message", "273" }, { "Wparam", "1" }, { "Lparam", "-5" } }, true },
    };
    for (const FillCase& c : cases)
    {
        SCOPED_TRACE(c.typeName);
        std::unique_ptr<CScriptItem> action(m_holder.Hold(Make(c.typeName)));
        ASSERT_NE(nullptr, action.get());
        SheetSeen seen;
        BOOL result = EditWith(*action, TRUE, {
            [&](HWND sheet, HWND page) { c.fill(page); Press(sheet, PSBTN_OK); return true; },
        }, &seen);
        EXPECT_TRUE(result);
        EXPECT_EQ(InFileOrder(c.written, c.typeName), SavedKeys(*action));
        if (c.titled)
        {
            EXPECT_NE(std::string::npos, seen.title.find(c.typeName)) << seen.title;
            EXPECT_FALSE(seen.applyShown);
        }
        else
        {
            EXPECT_EQ("", seen.title);
            EXPECT_TRUE(seen.applyShown);
        }
    }
}

TEST_F(ShellPages, CancelOnANewActionGivesFalseAndChangesNothing)
{
    for (const char* typeName : { "OpenFolder", "PlaySound", "LaunchHtml", "RunProgram", "ShellExecute",
                                  "InternalCommand", "PostMessage" })
    {
        SCOPED_TRACE(typeName);
        std::unique_ptr<CScriptItem> action(m_holder.Hold(Make(typeName)));
        KeyList before = SavedKeys(*action);
        EXPECT_FALSE(EditWith(*action, TRUE, {
            [](HWND sheet, HWND page) {
                SetText(page, IDC_FOLDER_PATH, "C:\\typed");   // 1017 on the path pages
                Press(sheet, PSBTN_CANCEL);
                return true;
            },
        }));
        EXPECT_EQ(before, SavedKeys(*action));
    }
}

struct ExistingCase
{
    const char* typeName;
    KeyList stored;       // in file order
    int field;            // changed before Cancel
};

TEST_F(ShellPages, AnExistingActionEditedAndCancelledKeepsItsStoredForm)
{
    const std::vector<ExistingCase> cases = {
        { "OpenFolder", InFileOrder({ { "path", "C:\\Docs" } }, "OpenFolder"), IDC_FOLDER_PATH },
        { "PlaySound", InFileOrder({ { "path", ".\\tarvex.dat\\chime.wav" } }, "PlaySound"), IDC_SOUND_PATH },
        { "LaunchHtml", InFileOrder({ { "path", "http://example.com/" } }, "LaunchHtml"), IDC_HTML_PATH },
        { "RunProgram", InFileOrder({ { "path", "a.exe" }, { "parameters", "-x" } }, "RunProgram"),
          IDC_PROGRAM_ARGUMENTS },
        { "ShellExecute", InFileOrder({ { "path", "b.txt" } }, "ShellExecute"), IDC_DOCUMENT_PATH },
        { "InternalCommand", InFileOrder({ { "command", "Exit" }, { "parameters", "" } }, "InternalCommand"),
          IDC_COMMAND_PARAMETERS },
        { "PostMessage",
          InFileOrder({ { "WindowClass", "" }, { "Message", "16" }, { "Wparam", "0" }, { "Lparam", "0" } },
                      "PostMessage"),
          IDC_POST_MESSAGE },
    };
    for (const ExistingCase& c : cases)
    {
        SCOPED_TRACE(c.typeName);
        std::unique_ptr<CScriptItem> action(m_holder.Hold(Make(c.typeName)));
        LoadFrom(*action, c.stored);
        EXPECT_FALSE(EditWith(*action, FALSE, {
            [&](HWND sheet, HWND page) {
                SetText(page, c.field, "0");
                Press(sheet, PSBTN_CANCEL);
                return true;
            },
        }));
        EXPECT_EQ(c.stored, SavedKeys(*action));
    }
}

struct RuleCase
{
    const char* name;
    const char* typeName;
    BOOL bNew;
    std::function<void(HWND page)> fill;
    BOOL expected;
    const char* keyAfter;     // the key to look at afterwards
    const char* valueAfter;
};

TEST_F(ShellPages, TheCompletenessRulesDecideAndAFailedEditKeepsWhatItCopiedBack)
{
    const std::vector<RuleCase> cases = {
        { "Play Sound without a path", "PlaySound", TRUE, [](HWND p) { SetText(p, IDC_SOUND_PATH, ""); }, FALSE, "path", "" },
        { "Play Sound with a path", "PlaySound", TRUE, [](HWND p) { SetText(p, IDC_SOUND_PATH, "a.wav"); }, TRUE,
          "path", ".\\tarvex.dat\\a.wav" },
        { "Play Sound cleared", "PlaySound", FALSE, [](HWND p) { SetText(p, IDC_SOUND_PATH, ""); }, FALSE,
          "path", "" },
        { "Post Message 0", "PostMessage", TRUE, [](HWND p) { SetText(p, IDC_POST_MESSAGE, "0"); }, FALSE,
          "Message", "0" },
        { "Post Message negative", "PostMessage", TRUE, [](HWND p) { SetText(p, IDC_POST_MESSAGE, "-3"); }, FALSE,
          "Message", "-3" },
        { "Post Message 5", "PostMessage", TRUE, [](HWND p) { SetText(p, IDC_POST_MESSAGE, "5"); }, TRUE,
          "Message", "5" },
        { "Post Message cleared to 0", "PostMessage", FALSE, [](HWND p) { SetText(p, IDC_POST_MESSAGE, "0"); }, FALSE,
          "Message", "0" },
        { "Open Folder empty", "OpenFolder", TRUE, [](HWND) {}, TRUE, "path", "" },
        { "Run Program empty", "RunProgram", TRUE, [](HWND) {}, TRUE, "path", "" },
        { "Shell Execute empty", "ShellExecute", TRUE, [](HWND) {}, TRUE, "path", "" },
        { "Internal Command without a command", "InternalCommand", TRUE, [](HWND) {}, TRUE, "command", "" },
    };
    for (const RuleCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::unique_ptr<CScriptItem> action(m_holder.Hold(Make(c.typeName)));
        if (!c.bNew && std::string(c.typeName) == "PlaySound")
            LoadFrom(*action, InFileOrder({ { "path", ".\\tarvex.dat\\old.wav" } }, c.typeName));
        if (!c.bNew && std::string(c.typeName) == "PostMessage")
            LoadFrom(*action, InFileOrder({ { "WindowClass", "" }, { "Message", "16" }, { "Wparam", "0" },
                                            { "Lparam", "0" } }, c.typeName));
        BOOL result = EditWith(*action, c.bNew, {
            [&](HWND sheet, HWND page) { c.fill(page); Press(sheet, PSBTN_OK); return true; },
        });
        EXPECT_EQ(c.expected, result);
        bool found = false;
        for (const auto& key : SavedKeys(*action))
        {
            if (key.first == c.keyAfter)
            {
                found = true;
                EXPECT_EQ(c.valueAfter, key.second);
            }
        }
        EXPECT_TRUE(found);
        EXPECT_TRUE(action->m_bEditConfirmed);
    }
    EXPECT_EQ(std::vector<std::string>(), Boxes());
}

TEST_F(ShellPages, PlaySoundKeepsTheImportedNameSoALaterSaveFindsItInPlace)
{
    std::unique_ptr<CScriptItem> action(m_holder.Hold(Make("PlaySound")));
    ASSERT_TRUE(EditWith(*action, TRUE, {
        [](HWND sheet, HWND page) { SetText(page, IDC_SOUND_PATH, "C:\\Media\\chime.wav"); Press(sheet, PSBTN_OK); return true; },
    }));
    SavedKeys(*action);
    SavedKeys(*action);
    ASSERT_EQ(2u, m_services.imports.size());
    EXPECT_EQ("C:\\Media\\chime.wav", m_services.imports[0]);
    // The second save asks about the copy already in the project, not the original.
    EXPECT_EQ(".\\tarvex.dat\\chime.wav", m_services.imports[1]);
    EXPECT_STREQ(".\\tarvex.dat\\chime.wav", static_cast<CPlaySoundAction*>(action.get())->m_record.path);
}

// Records what Browse asked for and answers with a path.
std::vector<CActionBrowseRequest> g_requests;
BOOL AnswerBrowse(HWND, const CActionBrowseRequest& request, CStr& chosen)
{
    g_requests.push_back(request);
    chosen = "C:\\Chosen\\picked.file";
    return TRUE;
}

struct BrowseCase
{
    const char* typeName;
    int pathId;
    const char* text;
    bool folder;
    const char* filter;
    const char* defaultExt;
    std::string initialFolder;
    const char* initialFile;
};

TEST_F(ShellPages, BrowseStartsWhereTheFieldPointsAndReplacesIt)
{
    const std::string favorites = GetFavoritesFolder().c_str();
    const std::string docs = std::string(m_services.MakeAbsolutePath("docs\\index.htm").c_str());
    const std::string docsFolder = docs.substr(0, docs.find_last_of('\\') + 1);
    const std::string shows = std::string(m_services.MakeAbsolutePath("Shows").c_str());
    const std::vector<BrowseCase> cases = {
        { "OpenFolder", IDC_FOLDER_PATH, "", true, "", "", "C:\\Content\\", "" },
        { "OpenFolder", IDC_FOLDER_PATH, "D:\\Shows", true, "", "", "D:\\Shows", "" },
        { "OpenFolder", IDC_FOLDER_PATH, "Shows", true, "", "", shows, "" },
        { "PlaySound", IDC_SOUND_PATH, "", false, "Sound Files (*.wav)|*.wav||", "wav", "C:\\Content\\", "" },
        { "PlaySound", IDC_SOUND_PATH, "D:\\Media\\a.wav", false, "Sound Files (*.wav)|*.wav||", "wav", "D:\\Media\\", "a.wav" },
        { "LaunchHtml", IDC_HTML_PATH, "", false,
          "World Wide Web Files (*.htm;*.html;*.url)|*.htm;*.html;*.url||", "htm", favorites, "" },
        { "LaunchHtml", IDC_HTML_PATH, "http://www.example.com/start.htm", false,
          "World Wide Web Files (*.htm;*.html;*.url)|*.htm;*.html;*.url||", "htm", favorites, "" },
        { "LaunchHtml", IDC_HTML_PATH, "docs\\index.htm", false,
          "World Wide Web Files (*.htm;*.html;*.url)|*.htm;*.html;*.url||", "htm", docsFolder, "index.htm" },
        { "RunProgram", IDC_PROGRAM_PATH, "", false, "Executable Files (*.*)|*.*||", "", "C:\\Content\\", "" },
        { "ShellExecute", IDC_DOCUMENT_PATH, "E:\\a b\\c.doc", false, "Document Files (*.*)|*.*||", "", "E:\\a b\\", "c.doc" },
    };
    ActionBrowseFn previous = SetActionBrowser(AnswerBrowse);
    for (const BrowseCase& c : cases)
    {
        SCOPED_TRACE(std::string(c.typeName) + " " + c.text);
        g_requests.clear();
        std::unique_ptr<CScriptItem> action(m_holder.Hold(Make(c.typeName)));
        std::string after;
        EXPECT_TRUE(EditWith(*action, TRUE, {
            [&](HWND, HWND page) {
                SetText(page, c.pathId, c.text);
                SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_FOLDER_BROWSE, BN_CLICKED),
                             (LPARAM)GetDlgItem(page, IDC_FOLDER_BROWSE));
                after = GetText(page, c.pathId);
                return true;
            },
            Confirm(),
        }));
        ASSERT_EQ(1u, g_requests.size());
        const CActionBrowseRequest& r = g_requests[0];
        EXPECT_EQ(c.folder, r.folder != FALSE);
        if (c.folder)
        {
            EXPECT_STREQ("Select a Folder", r.title);
            EXPECT_STREQ("Browse", r.windowTitle);
        }
        else
        {
            EXPECT_STREQ(c.filter, r.filter);
            EXPECT_STREQ(c.defaultExt, r.defaultExt);
        }
        EXPECT_EQ(c.initialFolder, std::string(r.initialFolder.c_str()));
        EXPECT_STREQ(c.initialFile, r.initialFile);
        EXPECT_EQ("C:\\Chosen\\picked.file", after);
    }
    SetActionBrowser(previous);
}

TEST_F(ShellPages, TheSystemsFileDialogAnswersBrowse)
{
    char folder[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, folder);
    const std::string first = std::string(folder) + "lumbrook-browse-a.txt";
    const std::string second = std::string(folder) + "lumbrook-browse-b.txt";
    std::ofstream(first.c_str()) << "a";
    std::ofstream(second.c_str()) << "b";
    std::unique_ptr<CScriptItem> action(m_holder.Hold(Make("ShellExecute")));
    static_cast<CShellExecuteAction*>(action.get())->m_record.path = first.c_str();
    HWND dialog = NULL;
    EXPECT_TRUE(EditWith(*action, FALSE, {
        [](HWND, HWND page) { return PressDialogButton(page, IDC_DOCUMENT_BROWSE); },
        [&](HWND, HWND) {
            dialog = FindProcessDialog(GetCurrentProcessId(), "Open");
            return dialog != NULL && AnswerFileDialog(dialog, second.c_str());
        },
        [&](HWND sheet, HWND) {
            if (IsWindow(dialog))
                return false;
            Press(sheet, PSBTN_OK);
            return true;
        },
    }));
    EXPECT_STRCASEEQ(second.c_str(), static_cast<CShellExecuteAction*>(action.get())->m_record.path);
    DeleteFileA(first.c_str());
    DeleteFileA(second.c_str());
}

TEST_F(ShellPages, PlayIsOfferedForAnExistingWaveFileOnly)
{
    char folder[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, folder);
    const std::string wave = std::string(folder) + "lumbrook-play-test.wav";
    std::ofstream(wave.c_str()) << "RIFF";
    const std::string missing = std::string(folder) + "lumbrook-missing.wav";
    const struct
    {
        std::string text;
        BOOL canPlay;
    } cases[] = {
        { "", FALSE },
        { wave, TRUE },
        { missing, FALSE },
        { std::string(folder) + "notes.txt", FALSE },
        { ".wav", FALSE },
        { "a", FALSE },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.canPlay, CPlaySoundCfg::CanPlay(c.text.c_str())) << c.text;
    // An empty or one-letter text is simply not playable.
    EXPECT_EQ(std::vector<std::string>(), Boxes());

    std::unique_ptr<CScriptItem> action(m_holder.Hold(Make("PlaySound")));
    bool before = true, typed = false, cleared = true;
    EditWith(*action, TRUE, {
        [&](HWND sheet, HWND page) {
            HWND play = GetDlgItem(page, IDC_SOUND_PLAY);
            before = IsWindowEnabled(play) != FALSE;
            SetText(page, IDC_SOUND_PATH, wave.c_str());
            typed = IsWindowEnabled(play) != FALSE;
            SetText(page, IDC_SOUND_PATH, missing.c_str());
            cleared = IsWindowEnabled(play) != FALSE;
            Press(sheet, PSBTN_CANCEL);
            return true;
        },
    });
    EXPECT_FALSE(before);
    EXPECT_TRUE(typed);
    EXPECT_FALSE(cleared);
    DeleteFileA(wave.c_str());
}

TEST_F(ShellPages, PlayTestsTextsOfAnyLengthWithoutABox)
{
    ScratchDir document;
    FakeEditorServices services(document.Path());
    const struct
    {
        const char* text;
        bool present;
        BOOL canPlay;
    } cases[] = {
        { "", false, FALSE },
        { "a", false, FALSE },
        { ".wav", false, FALSE },
        { "a.wav", true, TRUE },
        { "a.wav", false, FALSE },
    };
    for (const auto& c : cases)
    {
        if (c.present)
            WriteWholeFile(document.File(c.text), "RIFF");
        else
            DeleteFileA(document.File("a.wav").c_str());
        EXPECT_EQ(c.canPlay, CPlaySoundCfg::CanPlay(c.text)) << c.text << (c.present ? " present" : " missing");
    }
    EXPECT_EQ(std::vector<std::string>(), Boxes());
}

TEST_F(ShellPages, ANewPlaySoundPageTypedKeyByKeyShowsNoBox)
{
    ScratchDir document;
    FakeEditorServices services(document.Path());
    WriteWholeFile(document.File("ab.wav"), "RIFF");
    std::unique_ptr<CScriptItem> action(m_holder.Hold(Make("PlaySound")));
    std::vector<bool> playable;
    std::string shown;
    EXPECT_TRUE(EditWith(*action, TRUE, {
        [&](HWND sheet, HWND page) {
            HWND path = GetDlgItem(page, IDC_SOUND_PATH);
            HWND play = GetDlgItem(page, IDC_SOUND_PLAY);
            playable.push_back(IsWindowEnabled(play) != FALSE);
            TypeKeys(path, "ab.wav");
            playable.push_back(IsWindowEnabled(play) != FALSE);
            shown = GetText(page, IDC_SOUND_PATH);
            ClearByKeys(path);
            TypeKeys(path, "a");
            playable.push_back(IsWindowEnabled(play) != FALSE);
            ClearByKeys(path);
            TypeKeys(path, "ab.wav");
            Press(sheet, PSBTN_OK);
            return true;
        },
    }));
    EXPECT_EQ(std::vector<bool>({ false, true, false }), playable);
    EXPECT_EQ("ab.wav", shown);
    EXPECT_STREQ("ab.wav", static_cast<CPlaySoundAction*>(action.get())->m_record.path);
    EXPECT_EQ(std::vector<std::string>(), Boxes());
}

TEST_F(ShellPages, InternalCommandSelectsItsCommandByWholeNameAndADoubleClickConfirms)
{
    const struct
    {
        const char* stored;
        int selected;
    } cases[] = { { "PrevPage", 2 }, { "Exit", 4 }, { "Next", -1 }, { "", -1 } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.stored);
        std::unique_ptr<CScriptItem> action(m_holder.Hold(Make("InternalCommand")));
        static_cast<CInternalCommandAction*>(action.get())->m_record.command = c.stored;
        int selected = -2;
        std::vector<std::string> items;
        EditWith(*action, FALSE, {
            [&](HWND sheet, HWND page) {
                HWND list = GetDlgItem(page, IDC_COMMAND_LIST);
                selected = (int)SendMessageA(list, LB_GETCURSEL, 0, 0);
                for (int i = 0; i < (int)SendMessageA(list, LB_GETCOUNT, 0, 0); ++i)
                {
                    char text[64] = "";
                    SendMessageA(list, LB_GETTEXT, i, (LPARAM)text);
                    items.push_back(text);
                }
                Press(sheet, PSBTN_CANCEL);
                return true;
            },
        });
        EXPECT_EQ(c.selected, selected);
        EXPECT_EQ((std::vector<std::string>{ "ChangePage", "NextPage", "PrevPage", "Minimize", "Exit" }), items);
    }

    std::unique_ptr<CScriptItem> action(m_holder.Hold(Make("InternalCommand")));
    EXPECT_TRUE(EditWith(*action, TRUE, {
        [](HWND, HWND page) {
            HWND list = GetDlgItem(page, IDC_COMMAND_LIST);
            SendMessageA(list, LB_SETCURSEL, 3, 0);
            SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_COMMAND_LIST, LBN_DBLCLK), (LPARAM)list);
            return true;
        },
    }));
    EXPECT_STREQ("Minimize", static_cast<CInternalCommandAction*>(action.get())->m_record.command);
}

TEST_F(ShellPages, PostMessageRefusesTextThatIsNoNumber)
{
    std::unique_ptr<CScriptItem> action(m_holder.Hold(Make("PostMessage")));
    EXPECT_TRUE(EditWith(*action, TRUE, {
        [](HWND sheet, HWND page) {
            SetText(page, IDC_POST_MESSAGE, "abc");
            Press(sheet, PSBTN_OK);
            return true;
        },
        [](HWND sheet, HWND page) {
            // Still open: the number was refused.
            SetText(page, IDC_POST_MESSAGE, "1024");
            SetText(page, IDC_POST_LPARAM, "-7");
            Press(sheet, PSBTN_OK);
            return true;
        },
    }));
    EXPECT_EQ(1u, Boxes().size());
    EXPECT_EQ(1024, static_cast<CPostMessageAction*>(action.get())->m_record.message);
    EXPECT_EQ(-7, static_cast<CPostMessageAction*>(action.get())->m_record.lparam);
}

} // namespace
