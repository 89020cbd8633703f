// Every edit of the editor's dialog templates typed into as a person types:
// the table of tests/support/FieldRows.h over the action pages, the object,
// text, image and page pages, the AutoRun page, the preferences, the new
// project's name, the clash of an imported file and the control picker.
#include "actions/ActionTypes.h"
#include "actions/CallActiveXMethodAction.h"
#include "actions/ControlPicker.h"
#include "authoring/LumbrookConfigDoc.h"
#include "authoring/PageSheet.h"
#include "authoring/PreferencePages.h"
#include "authoring/ProgramFolders.h"
#include "authoring/ProjectFolder.h"
#include "authoring/ProjectWizard.h"
#include "authoring/TextImageSheets.h"
#include "authoring/Undo.h"
#include "model/ActiveXElement.h"
#include "model/Browser.h"
#include "model/ImageElement.h"
#include "model/PropertySheetHooks.h"
#include "model/TextElement.h"
#include "resources/LumbrookConfigIds.h"
#include "resources/editor/ActionPagesAIds.h"
#include "resources/editor/ActionPagesBIds.h"
#include "resources/editor/ActiveXPagesIds.h"
#include "resources/editor/ObjectPagesIds.h"
#include "resources/editor/PagePagesIds.h"
#include "resources/editor/PreferencesIds.h"
#include "resources/editor/ProjectWizardIds.h"
#include "resources/editor/TextImagePagesIds.h"
#include "tests/actions/ActionTestSupport.h"
#include "tests/authoring/ElementPage.h"
#include "tests/authoring/Installation.h"
#include "tests/authoring/PageFiles.h"
#include "tests/model/ModelTestObjects.h"
#include "tests/support/FieldRows.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace actiontests;
using namespace fieldrows;
using namespace sheetdriver;

namespace {

const char kNumber[] = "12";
const char kText[] = "Ab1";
const char kPath[] = "C:\\x\\y.wav";

// A data file's lines as its file holds them.
std::string FileText(const CDataFile& file)
{
    std::string text;
    for (int i = 0; i < file.GetLineCount(); ++i)
        text += std::string(file.GetLine(i).c_str()) + "\r\n";
    return text;
}

// ---- Actions: an existing action on the page "page_2", whose text element
// "Title" holds it in its OnMouseDown script; the page also holds the
// hosted control "grid1" with a method Add(a, b) and the variables Counter
// (global) and Name (Title's own).

class ActionSubject : public Subject
{
public:
    ActionSubject(const char* typeName, std::function<void(CScriptItem&)> setup, std::string section,
                  std::string key)
        : m_section(std::move(section)), m_key(std::move(key))
    {
        BuildActionTypeTable();
        m_page.SetId("page_2");
        CTextElement* title = new CTextElement();
        title->SetType("Text");
        title->SetId("Title");
        m_page.AddChild(title);
        CActiveXElement* grid = new CActiveXElement();
        m_page.AddChild(grid);
        grid->SetId("grid1");
        grid->SetType("ActiveX");
        CMethodRecord add("Add", VT_I4);
        add.AddParam(CActiveXMethodParameter("a", VT_I4, 0));
        add.AddParam(CActiveXMethodParameter("b", VT_I4, 0));
        grid->m_methods.push_back(add);
        CScript* script = CreateScript();
        script->m_strName = "OnMouseDown";
        title->AddChild(script);
        m_page.AddVariable(0, "Counter", LongVariant(5), "");
        m_page.AddVariable(1, "Name", LongVariant(1), "Title");
        m_action = CreateScriptItem(typeName);
        script->AppendItem(m_action);
        m_action->SetSectionName(kSection);
        setup(*m_action);
    }
    ~ActionSubject() override { m_page.Unload(); }

    void Open(Steps steps) override { EditWith(*m_action, FALSE, std::move(steps)); }
    std::string Saved() override
    {
        CDataFile file;
        m_action->Save(&file);
        return FileText(file);
    }
    std::string Stored() override
    {
        CDataFile file;
        m_action->Save(&file);
        SectionKeyList keys;
        ReadSectionKeys(file, (std::string(kSection) + m_section).c_str(), keys);
        for (const auto& key : keys)
        {
            if (_stricmp(key.first, m_key.c_str()) == 0)
                return key.second.c_str();
        }
        return "<no " + m_key + ">";
    }

private:
    PageServices m_services;
    CBrowser m_page;
    CScriptItem* m_action = nullptr;
    std::string m_section, m_key;
};

// A row for the action's field: the stored form the action is loaded from,
// and the key the typed text lands in.
Row ActionRow(int dialogId, int controlId, const char* typeName, KeyList stored, Steps toField, std::string typed,
              std::string key, std::string expected, std::string section = "")
{
    auto make = [=]() -> std::unique_ptr<Subject> {
        return std::unique_ptr<Subject>(new ActionSubject(
            typeName, [stored, typeName](CScriptItem& action) { LoadFrom(action, InFileOrder(stored, typeName)); },
            section, key));
    };
    return { dialogId, controlId, make, std::move(toField), typed, typed, expected };
}

// The Call ActiveX Method action bound to grid1's Add, its second argument
// the constant 7.
std::unique_ptr<Subject> BoundMethodAction()
{
    return std::unique_ptr<Subject>(new ActionSubject("CallActiveXMethod", [](CScriptItem& item) {
        CCallActiveXMethodAction& action = static_cast<CCallActiveXMethodAction&>(item);
        action.m_strControlId = "grid1";
        action.m_record.method = "Add";
        action.m_record.returnType = VT_I4;
        action.m_record.retVariable = "Counter";
        action.m_record.numParameters = 2;
        std::vector<CActiveXMethodParameter> params = { CActiveXMethodParameter("a", VT_I4, 0),
                                                        CActiveXMethodParameter("b", VT_I4, 0) };
        params[0].SetVarName("Counter");
        params[1].SetConstValue("7");
        action.SetParameterList(params);
    }, "_Param_1", "constValue"));
}

std::vector<Row> ActionRows()
{
    const Steps none;
    return {
        ActionRow(IDD_CREATE_VARIABLE, IDC_CREATEVAR_VALUE, "Create Variable",
                  { { "varName", "Greeting" }, { "owner", "" }, { "scope", "0" }, { "valueType", "8" },
                    { "value", "x" } },
                  none, kText, "value", kText),
        ActionRow(IDD_MODIFYVAR_CONST, IDC_MODIFYVAR_CONST_VALUE, "Modify Variable",
                  { { "mainOp", "Plus" }, { "targetVar", "Counter" }, { "srcVar", "" }, { "valueType", "3" },
                    { "value", "1" } },
                  none, kNumber, "value", kNumber),
        ActionRow(IDD_IF_STATEMENT, IDC_IF_CONSTANT, "IF/WHILE Statement",
                  { { "leftName", "Counter" }, { "constValue", "1" }, { "operator", "2" } }, none, kText,
                  "constValue", kText),
        // A stored path opens the sheet on the If Exists page.
        ActionRow(IDD_IF_EXISTS, IDC_IF_EXISTS_PATH, "IF/WHILE Statement", { { "path", "C:\\old.txt" } }, none,
                  kPath, "path", kPath),
        ActionRow(IDD_SETPROP_GENERIC, IDC_PROP_NEW_VALUE, "SetProperty",
                  { { "controlId", "Title" }, { "Advanced", "true" }, { "property", "text" }, { "variableName", "" },
                    { "valueType", "8" }, { "value", "Hi" } },
                  none, kText, "value", kText),
        ActionRow(IDD_OPEN_FOLDER_CFG, IDC_FOLDER_PATH, "OpenFolder", { { "path", "C:\\old" } }, none, "C:\\x\\y",
                  "path", "C:\\x\\y"),
        // Stored as the name the import into the data folder gives.
        ActionRow(IDD_PLAY_SOUND_CFG, IDC_SOUND_PATH, "PlaySound", { { "path", ".\\tarvex.dat\\old.wav" } }, none,
                  kPath, "path", ".\\tarvex.dat\\y.wav"),
        ActionRow(IDD_LAUNCH_HTML_CFG, IDC_HTML_PATH, "LaunchHtml", { { "path", "http://a/" } }, none,
                  "C:\\x\\y.htm", "path", "C:\\x\\y.htm"),
        ActionRow(IDD_RUN_PROGRAM_CFG, IDC_PROGRAM_PATH, "RunProgram", { { "path", "a.exe" }, { "parameters", "-x" } },
                  none, "C:\\x\\y.exe", "path", "C:\\x\\y.exe"),
        ActionRow(IDD_RUN_PROGRAM_CFG, IDC_PROGRAM_ARGUMENTS, "RunProgram",
                  { { "path", "a.exe" }, { "parameters", "-x" } }, none, kText, "parameters", kText),
        ActionRow(IDD_SHELL_EXECUTE_CFG, IDC_DOCUMENT_PATH, "ShellExecute", { { "path", "b.txt" } }, none, kPath,
                  "path", kPath),
        ActionRow(IDD_INTERNAL_COMMAND_CFG, IDC_COMMAND_PARAMETERS, "InternalCommand",
                  { { "command", "ChangePage" }, { "parameters", "p" } }, none, kText, "parameters", kText),
        ActionRow(IDD_POST_MESSAGE_PP, IDC_POST_CLASS, "PostMessage",
                  { { "WindowClass", "" }, { "Message", "16" }, { "Wparam", "0" }, { "Lparam", "0" } }, none, kText,
                  "WindowClass", kText),
        ActionRow(IDD_POST_MESSAGE_PP, IDC_POST_MESSAGE, "PostMessage",
                  { { "WindowClass", "" }, { "Message", "16" }, { "Wparam", "0" }, { "Lparam", "0" } }, none,
                  kNumber, "Message", kNumber),
        ActionRow(IDD_POST_MESSAGE_PP, IDC_POST_WPARAM, "PostMessage",
                  { { "WindowClass", "" }, { "Message", "16" }, { "Wparam", "0" }, { "Lparam", "0" } }, none,
                  kNumber, "Wparam", kNumber),
        ActionRow(IDD_POST_MESSAGE_PP, IDC_POST_LPARAM, "PostMessage",
                  { { "WindowClass", "" }, { "Message", "16" }, { "Wparam", "0" }, { "Lparam", "0" } }, none,
                  kNumber, "Lparam", kNumber),
        ActionRow(IDD_SAVE_TO_FILE_PP, IDC_DATAFILE_PATH, "SaveToFile",
                  { { "path", "counter" }, { "useTemDir", "true" }, { "key", "k" }, { "variable", "Counter" },
                    { "value", "" } },
                  none, "C:\\x\\y.zjf", "path", "C:\\x\\y.zjf"),
        ActionRow(IDD_SAVE_TO_FILE_PP, IDC_DATAFILE_KEY, "SaveToFile",
                  { { "path", "counter" }, { "useTemDir", "true" }, { "key", "k" }, { "variable", "Counter" },
                    { "value", "" } },
                  none, kText, "key", kText),
        ActionRow(IDD_SAVE_TO_FILE_PP, IDC_DATAFILE_CONSTANT, "SaveToFile",
                  { { "path", "counter" }, { "useTemDir", "true" }, { "key", "k" }, { "variable", "" },
                    { "value", "5" } },
                  none, kText, "value", kText),
        ActionRow(IDD_READ_FROM_FILE_PP, IDC_DATAFILE_PATH, "ReadFromFile",
                  { { "path", "counter" }, { "useTemDir", "true" }, { "key", "k" }, { "variable", "Counter" } }, none,
                  "C:\\x\\y.zjf", "path", "C:\\x\\y.zjf"),
        ActionRow(IDD_READ_FROM_FILE_PP, IDC_DATAFILE_KEY, "ReadFromFile",
                  { { "path", "counter" }, { "useTemDir", "true" }, { "key", "k" }, { "variable", "Counter" } }, none,
                  kText, "key", kText),
        ActionRow(IDD_GET_COOKIE_PP, IDC_COOKIE_URL, "GetCookie",
                  { { "URL", "http://a/" }, { "CookieName", "n" }, { "DataVar", "Counter" } }, none, kText, "URL",
                  kText),
        ActionRow(IDD_GET_COOKIE_PP, IDC_COOKIE_NAME, "GetCookie",
                  { { "URL", "http://a/" }, { "CookieName", "n" }, { "DataVar", "Counter" } }, none, kText,
                  "CookieName", kText),
        ActionRow(IDD_SET_COOKIE_PP, IDC_COOKIE_URL, "SetCookie",
                  { { "URL", "http://a/" }, { "days", "9" }, { "Cookie", "n" }, { "dataVar", "Counter" } }, none,
                  kText, "URL", kText),
        ActionRow(IDD_SET_COOKIE_PP, IDC_COOKIE_NAME, "SetCookie",
                  { { "URL", "http://a/" }, { "days", "9" }, { "Cookie", "n" }, { "dataVar", "Counter" } }, none,
                  kText, "Cookie", kText),
        ActionRow(IDD_SET_COOKIE_PP, IDC_COOKIE_DAYS, "SetCookie",
                  { { "URL", "http://a/" }, { "days", "9" }, { "Cookie", "n" }, { "dataVar", "Counter" } }, none,
                  kNumber, "days", kNumber),
        // Stored as the name the import into the data folder gives.
        ActionRow(IDD_REGISTER_ACTIVEX, IDC_AXREG_FILE, "RegisterActiveX",
                  { { "CLSID", "{11111111-2222-3333-4444-555555555555}" }, { "Filename", "C:\\old.ocx" },
                    { "Unregister", "false" }, { "CopyToSystem", "false" } },
                  none, "C:\\x\\y.ocx", "Filename", ".\\tarvex.dat\\y.ocx"),
        // The second argument's page.
        Row{ IDD_ACTIVEX_PARAMETER, IDC_AXPARAM_CONSTANT, BoundMethodAction, { [] { ShowTab(2); } }, kText, kText,
             kText },
    };
}

// ---- The text and image elements' sheets, on a page of 640 x 480.

class PageElementSubject : public Subject
{
public:
    explicit PageElementSubject(std::function<std::string(CElement&)> stored) : m_stored(std::move(stored)) {}

    void Open(Steps steps) override { Drive([&] { return m_element->EditProperties(FALSE); }, std::move(steps)); }
    std::string Saved() override
    {
        CDataFile file;
        m_fixture.page.Save(&file);
        return FileText(file);
    }
    std::string Stored() override { return m_stored(*m_element); }

protected:
    PageFixture m_fixture;
    CElement* m_element = nullptr;
    std::function<std::string(CElement&)> m_stored;
};

class TextSubject : public PageElementSubject
{
public:
    explicit TextSubject(std::function<std::string(CElement&)> stored) : PageElementSubject(std::move(stored))
    {
        m_element = m_fixture.AddText("Caption");
    }
};

// A button of the picture a.bmp (40 x 30).
class ImageSubject : public PageElementSubject
{
public:
    explicit ImageSubject(std::function<std::string(CElement&)> stored) : PageElementSubject(std::move(stored))
    {
        WritePicture(m_fixture.Path("a.bmp"), 40, 30);
        m_element = m_fixture.AddImage("a.bmp");
    }
};

// The same button with Maintain Aspect Ratio on: typing the width sets the
// height too.
class KeptRatioImageSubject : public ImageSubject
{
public:
    explicit KeptRatioImageSubject(std::function<std::string(CElement&)> stored) : ImageSubject(std::move(stored))
    {
        static_cast<CImageElement*>(m_element)->m_ratio = 1;
    }
};

std::string SavedKey(CElement& element, const char* key)
{
    CDataFile file;
    CBrowser* page = dynamic_cast<CBrowser*>(element.GetParent());
    page->Save(&file);
    CStr value;
    return file.GetString(element.GetSectionName(), key, value) ? value.c_str() : "<no key>";
}

template <class SubjectType>
std::function<std::unique_ptr<Subject>()> Making(const char* key)
{
    std::string name = key;
    return [name] {
        return std::unique_ptr<Subject>(new SubjectType([name](CElement& e) { return SavedKey(e, name.c_str()); }));
    };
}

std::function<std::unique_ptr<Subject>()> MakingImage(std::function<std::string(CImageElement&)> stored)
{
    return [stored] {
        return std::unique_ptr<Subject>(
            new ImageSubject([stored](CElement& e) { return stored(static_cast<CImageElement&>(e)); }));
    };
}

std::vector<Row> ElementRows()
{
    const std::string picture = "C:\\x\\y.bmp";
    return {
        { IDD_TEXT_PAGE, IDC_TEXT_EDIT, Making<TextSubject>("text"), {}, kText, kText, kText },
        // A transparency of 12 percent is an opacity of 0.88.
        { IDD_TEXT_COLOR_BAR, IDC_BAR_TRANSPARENCY, Making<TextSubject>("bgTransparency"),
          { ShowTabTitled("Color Bar") }, kNumber, kNumber, "0.8800" },
        { IDD_IMAGE_PATH, IDC_IMAGE_PATH, Making<ImageSubject>("src"), {}, picture, picture, picture },
        { IDD_IMAGE_PATH, IDC_IMAGE_CAPTION, Making<ImageSubject>("text"), { [] { Click(IDC_IMAGE_SYSTEM_BUTTON); } },
          kText, kText, kText },
        { IDD_IMAGE_EFFECTS, IDC_EFFECT_OVER, MakingImage([](CImageElement& image) {
              CStr over, down;
              image.GetEffectImages(over, down);
              return std::string(over.c_str());
          }),
          { ShowTabTitled("Effects") }, picture, picture, picture },
        { IDD_IMAGE_EFFECTS, IDC_EFFECT_DOWN, MakingImage([](CImageElement& image) {
              CStr over, down;
              image.GetEffectImages(over, down);
              return std::string(down.c_str());
          }),
          { ShowTabTitled("Effects") }, picture, picture, picture },
        { IDD_PIXEL_PICKER, IDC_PICK_X, MakingImage([](CImageElement& i) { return std::to_string(i.m_transX); }),
          { ShowTabTitled("Transparency") }, kNumber, kNumber, kNumber },
        { IDD_PIXEL_PICKER, IDC_PICK_Y, MakingImage([](CImageElement& i) { return std::to_string(i.m_transY); }),
          { ShowTabTitled("Transparency") }, kNumber, kNumber, kNumber },
        // The object pages, as the image's sheet holds them.
        { IDD_OBJECT_NAME, IDC_OBJ_NAME, Making<ImageSubject>("id"), { ShowTabTitled("Name") }, kText, kText, kText },
        { IDD_OBJECT_POSITION, IDC_POS_X, Making<ImageSubject>("xpos"), { ShowTabTitled("Position") }, kNumber,
          kNumber, kNumber },
        { IDD_OBJECT_POSITION, IDC_POS_Y, Making<ImageSubject>("ypos"), { ShowTabTitled("Position") }, kNumber,
          kNumber, kNumber },
        { IDD_OBJECT_SIZE, IDC_SIZE_WIDTH, Making<KeptRatioImageSubject>("width"), { ShowTabTitled("Size") },
          kNumber, kNumber, kNumber },
        { IDD_OBJECT_SIZE, IDC_SIZE_HEIGHT, Making<ImageSubject>("height"), { ShowTabTitled("Size") }, kNumber,
          kNumber, kNumber },
    };
}

// ---- The page's sheet, with the AutoRun page, in a prepared disc folder.


// An icon file for the disc, outside the project folder.
std::string DiscIconFile()
{
    char folder[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + "lumbrook-typed-disc.ico";
}

class PageSubject : public Subject
{
public:
    explicit PageSubject(std::function<std::string(PageSubject&)> stored) : m_stored(std::move(stored))
    {
        PrepareProjectFolder(m_project.Path().c_str(), NULL, TRUE);
        SetDocumentFolder(m_project.File("tarvex.pqz").c_str());
        ResetDiscInf();
        pagefiles::WriteIcon(DiscIconFile());
        m_page.m_containerWidth = 400;
        m_page.m_containerHeight = 300;
        m_page.m_strTitle = "Home";
        m_page.RegisterId("Home");
        m_page.SetType("Browser");
        m_previous = SetEditPageHook(NULL);
        InstallPageSheet();
    }
    ~PageSubject() override
    {
        SetEditPageHook(m_previous);
        m_page.Unload();
        SetDocumentFolder("");
        ResetDiscInf();
    }

    void Open(Steps steps) override { Drive([&] { return m_page.EditProperties(FALSE); }, std::move(steps)); }
    std::string Saved() override
    {
        CDataFile file;
        m_page.SetDataFile(&file);
        m_page.Save(NULL);
        m_page.SetDataFile(NULL);
        std::string text = FileText(file);
        const CDiscInfSettings& inf = GetDiscInfSettings();
        text += std::string(inf.m_strOpen.c_str()) + "|" + inf.m_strIconFile.c_str() + "|" +
                std::to_string(inf.m_iconIndex);
        for (int i = 0; i < 3; ++i)
            text += std::string("|") + inf.m_strOptionLabel[i].c_str() + "|" + inf.m_strOptionCommand[i].c_str();
        return text + "|" + ReadWholeFile(m_project.File("autorun.inf"));
    }
    std::string Stored() override { return m_stored(*this); }

    std::string Key(const char* key)
    {
        CDataFile file;
        m_page.SetDataFile(&file);
        m_page.Save(NULL);
        m_page.SetDataFile(NULL);
        CStr value;
        return file.GetString("Main", key, value) ? value.c_str() : "<no key>";
    }

private:
    Installation m_install;
    ScratchDir m_project;
    FakeEditorServices m_services;
    CBrowser m_page;
    EditPageHook m_previous = NULL;
    std::function<std::string(PageSubject&)> m_stored;
};

std::function<std::unique_ptr<Subject>()> MakingPage(std::function<std::string(PageSubject&)> stored)
{
    return [stored] { return std::unique_ptr<Subject>(new PageSubject(stored)); };
}

std::function<std::unique_ptr<Subject>()> MakingPageKey(const char* key)
{
    std::string name = key;
    return MakingPage([name](PageSubject& s) { return s.Key(name.c_str()); });
}

std::vector<Row> PageRows()
{
    const std::string picture = "C:\\x\\y.bmp";
    const std::string icon = "C:\\x\\y.ico";
    auto label = [](int i) {
        return MakingPage([i](PageSubject&) { return std::string(GetDiscInfSettings().m_strOptionLabel[i].c_str()); });
    };
    auto command = [](int i) {
        return MakingPage(
            [i](PageSubject&) { return std::string(GetDiscInfSettings().m_strOptionCommand[i].c_str()); });
    };
    const Steps autoRun = { ShowTabTitled("Autorun.inf") };
    // The disc's icon is a file of the project folder, imported when taken.
    Row iconRow = { IDD_PROJECT_INF, IDC_INF_ICON_FILE,
                    MakingPage([](PageSubject&) { return std::string(GetDiscInfSettings().m_strIconFile.c_str()); }),
                    autoRun, DiscIconFile(), DiscIconFile(), ".\\tarvex.dat\\lumbrook-typed-disc.ico" };
    return {
        { IDD_PAGE_BORDER, IDC_BORDER_TOLERANCE, MakingPageKey("tolerance"),
          { ShowTabTitled("Border"), [] { Click(IDC_BORDER_FRAMELESS); } }, kNumber, kNumber,
          std::to_string(12 * 65793) },
        { IDD_PAGE_BACKGROUND, IDC_BACKGROUND_FILE, MakingPageKey("watermark"), { ShowTabTitled("Background") },
          picture, picture, picture },
        { IDD_PAGE_ICON, IDC_ICON_FILE, MakingPageKey("icon"), { ShowTabTitled("Icon") }, icon, icon, icon },
        { IDD_PROJECT_INF, IDC_INF_LABEL1, label(0), autoRun, kText, kText, kText },
        { IDD_PROJECT_INF, IDC_INF_LABEL2, label(1), autoRun, kText, kText, kText },
        { IDD_PROJECT_INF, IDC_INF_LABEL3, label(2), autoRun, kText, kText, kText },
        { IDD_PROJECT_INF, IDC_INF_COMMAND1, command(0), autoRun, kText, kText, kText },
        { IDD_PROJECT_INF, IDC_INF_COMMAND2, command(1), autoRun, kText, kText, kText },
        { IDD_PROJECT_INF, IDC_INF_COMMAND3, command(2), autoRun, kText, kText, kText },
        iconRow,
    };
}

// ---- The Preferences command, with the program's settings under a key of
// the test's own.

const char kCompany[] = "Lumbrook Typed Fields Test";

class PreferencesSubject : public Subject
{
public:
    explicit PreferencesSubject(bool folder) : m_app("TypedFields"), m_folder(folder)
    {
        m_app.SetRegistryKey(kCompany);
        SetUserContentFolder("C:\\Old");
        m_undo.SetLevels(10);
    }
    ~PreferencesSubject() override
    {
        SetUserContentFolder("");
        RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\") + kCompany).c_str());
    }

    void Open(Steps steps) override { Drive([&] { return ShowPreferences(m_undo); }, std::move(steps)); }
    std::string Saved() override
    {
        return m_app.GetProfileString("Settings", "UndoLevels", "-") + "|" +
               m_app.GetProfileString("Settings", "UsersDefaultContentPath", "-") + "|" +
               GetUserContentFolder().c_str() + "|" + std::to_string(m_undo.GetLevels());
    }
    std::string Stored() override
    {
        return m_folder ? m_app.GetProfileString("Settings", "UsersDefaultContentPath", "-")
                        : m_app.GetProfileString("Settings", "UndoLevels", "-");
    }

private:
    CWinApp m_app;
    CLumbrookConfigDoc m_document;
    CUndo& m_undo = m_document.GetUndo();
    bool m_folder;
};

// ---- The new project's name, on the wizard the New command runs.

class ProjectNameSubject : public Subject
{
public:
    ProjectNameSubject() { SetProjectsFolder(m_projects.Path().c_str()); }
    ~ProjectNameSubject() override { SetProjectsFolder(""); }

    void Open(Steps steps) override
    {
        CBrowser page;
        CPropertySheet sheet("");
        sheet.SetWizardMode();
        CProjectNamePP namePage;
        namePage.m_pPage = &page;
        sheet.AddPage(&namePage);
        RunSheet(sheet, std::move(steps));
        m_name = namePage.m_strName.c_str();
        page.Unload();
    }
    std::string Saved() override
    {
        std::string names;
        WIN32_FIND_DATAA found;
        HANDLE find = FindFirstFileA(m_projects.File("*").c_str(), &found);
        for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &found))
            names += std::string(found.cFileName) + "|";
        if (find != INVALID_HANDLE_VALUE)
            FindClose(find);
        return names;
    }
    // The name taken, and the project's folder made for it.
    std::string Stored() override
    {
        return GetFileAttributesA(m_projects.File(m_name).c_str()) == INVALID_FILE_ATTRIBUTES ? "<no folder>" : m_name;
    }

private:
    Installation m_install;
    ScratchDir m_projects;
    std::string m_name;
};

// ---- "File Exists in Project": a picture imported over a different file
// of its name.

class FileClashSubject : public Subject
{
public:
    FileClashSubject()
    {
        PrepareProjectFolder(m_project.Path().c_str(), NULL, TRUE);
        SetDocumentFolder(m_project.File("tarvex.pqz").c_str());
        CreateDirectoryA(m_media.File("buttons").c_str(), NULL);
        WriteWholeFile(m_media.File("buttons\\a.gif"), "source");
        CreateDirectoryA(m_project.File("tarvex.dat\\buttons").c_str(), NULL);
        WriteWholeFile(m_project.File("tarvex.dat\\buttons\\a.gif"), "other");
    }
    ~FileClashSubject() override { SetDocumentFolder(""); }

    void Open(Steps steps) override
    {
        m_stored = Drive([&] { return ImportFileIntoProject(m_media.File("buttons\\a.gif").c_str(), TRUE); },
                         std::move(steps)).c_str();
    }
    std::string Saved() override { return std::string(); }
    std::string Stored() override { return m_stored; }

private:
    Installation m_install;
    ScratchDir m_project, m_media;
    std::string m_stored;
};

// ---- The control picker's search, over a catalogue made for it.

class PickerSubject : public Subject
{
public:
    PickerSubject()
    {
        CControlCatalogEntry alpha("{00000000-0000-0000-0000-0000000000A1}", "Alpha Grid");
        CControlCatalogEntry beta("{00000000-0000-0000-0000-0000000000B2}", "Beta Chart");
        m_catalog.Append(alpha);
        m_catalog.Append(beta);
    }

    void Open(Steps steps) override
    {
        ActiveX_PP page(&m_catalog);
        CPropertySheet sheet("");
        sheet.SetWizardMode();
        sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
        sheet.AddPage(&page);
        RunSheet(sheet, std::move(steps));
        m_search = page.m_strSearch.c_str();
        m_selection = page.m_selection;
    }
    std::string Saved() override
    {
        std::string names;
        for (int i = 0; i < m_catalog.GetCount(); ++i)
            names += std::string(m_catalog.GetEntry(i)->GetDisplayName()) + "|";
        return names;
    }
    // The search text the page gives back, and the line finished with.
    std::string Stored() override { return m_search + "|" + std::to_string(m_selection); }

private:
    CControlCatalog m_catalog;
    std::string m_search;
    int m_selection = -2;
};

std::vector<Row> OtherRows()
{
    Row undo = { IDD_PREF_UNDO, IDC_PREF_UNDO_LEVELS, [] { return std::unique_ptr<Subject>(new PreferencesSubject(false)); },
                 {}, kNumber, kNumber, kNumber };
    Row folder = { IDD_PREF_CONTENT_FOLDER, IDC_PREF_FOLDER,
                   [] { return std::unique_ptr<Subject>(new PreferencesSubject(true)); },
                   { ShowTabTitled("Default Content Path") }, "C:\\x\\y", "C:\\x\\y",
                   // The folder is kept ready to be joined to a file name.
                   "C:\\x\\y\\" };
    Row name = { IDD_PROJECT_NAME, IDC_PROJECT_NAME_EDIT, [] { return std::unique_ptr<Subject>(new ProjectNameSubject); },
                 { [] {
                     if (Checked(IDC_RUN_CREATION_WIZARD))
                         Click(IDC_RUN_CREATION_WIZARD);
                 } },
                 kText, kText, kText };
    name.confirm = [] { Press(PSBTN_FINISH); };
    // The new name of the copy, in the data folder.
    Row clash = { IDD_FILE_EXISTS_IN_PROJECT, IDC_NEW_NAME, [] { return std::unique_ptr<Subject>(new FileClashSubject); },
                  { [] { Click(IDC_CHOICE_RENAME); } }, kText, kText, ".\\tarvex.dat\\Ab1" };
    clash.cancels = false;   // only OK answers it
    Row search = { IDD_ACTIVEX_PICKER, IDC_AXPICK_SEARCH, [] { return std::unique_ptr<Subject>(new PickerSubject); },
                   { [] { ChooseIndex(IDC_AXPICK_LIST, 1); } }, kText, kText, "Ab1|1" };
    // Find takes the text; nothing matches, so the line chosen stays.
    search.confirm = [] {
        Click(IDC_AXPICK_FIND);
        Press(PSBTN_FINISH);
    };
    return { undo, folder, name, clash, search };
}

std::vector<Row> AllRows()
{
    std::vector<Row> rows = ActionRows();
    for (auto part : { ElementRows(), PageRows(), OtherRows() })
        rows.insert(rows.end(), part.begin(), part.end());
    return rows;
}

const std::vector<LeftOut> kLeftOut = {
    { IDD_ACTIVEX_PICKER, IDC_AXPICK_INFO, "read-only: the chosen control's identifiers", ES_READONLY },
    { IDD_OBJECT_NAME, IDC_OBJ_PAGE_FILE, "read-only: the page's data-file name", ES_READONLY },
};

} // namespace

TEST(TypedFields, EveryEditOfTheTemplatesHasARowOrAReason)
{
    ExpectEveryEditCovered(AllRows(), kLeftOut);
}

TEST(TypedFields, TheActionPagesTakeWhatIsTyped)
{
    for (const Row& row : ActionRows())
        RunRow(row);
}

TEST(TypedFields, TheElementPagesTakeWhatIsTyped)
{
    for (const Row& row : ElementRows())
        RunRow(row);
}

TEST(TypedFields, ThePagePagesTakeWhatIsTyped)
{
    for (const Row& row : PageRows())
        RunRow(row);
}

TEST(TypedFields, ThePreferencesTheWizardTheClashAndThePickerTakeWhatIsTyped)
{
    for (const Row& row : OtherRows())
        RunRow(row);
}
