// Hosted controls in the running player: the test control (registered in
// the prefix for the test) driven by page scripts through Set and Get
// Property, Call ActiveX Method and its events, its clean-up at a page
// change, and Wine's own script control. Effects are read from the data
// file that Save To File writes, clean-up from the test control's log.
#include "tests/e2e/PlayerProcess.h"
#include "tests/support/TestSupport.h"
#include "tests/model/TestControlFixture.h"
#include "tests/player/ScriptFileBuilder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

void AddControl(CDataFile* page, int number, const char* id, const char* controlName)
{
    std::string section = "Element_" + std::to_string(number);
    page->SetString(section.c_str(), "type", "ActiveX");
    page->SetString(section.c_str(), "id", id);
    page->SetString(section.c_str(), "controlName", controlName);
    page->SetInt(section.c_str(), "xpos", 4);
    page->SetInt(section.c_str(), "ypos", 4);
    page->SetInt(section.c_str(), "width", 60);
    page->SetInt(section.c_str(), "height", 30);
    page->SetInt("Main", "numElements", number);
}

void SetProperty(ScriptFileBuilder& s, const char* id, const char* property, const char* text)
{
    std::string section = s.Add("SetProperty");
    CDataFile& file = s.File();
    file.SetString(section.c_str(), "controlId", id);
    file.SetBool(section.c_str(), "multi", FALSE);
    file.SetString(section.c_str(), "property", property);
    file.SetString(section.c_str(), "variableName", "");
    file.SetInt(section.c_str(), "valueType", VT_BSTR);
    file.SetString(section.c_str(), "value", text);
}

void GetProperty(ScriptFileBuilder& s, const char* id, const char* property, const char* variable)
{
    std::string section = s.Add("GetProperty");
    CDataFile& file = s.File();
    file.SetString(section.c_str(), "controlId", id);
    file.SetString(section.c_str(), "property", property);
    file.SetString(section.c_str(), "variableName", variable);
    file.SetLong(section.c_str(), "scope", 0);
}

// Arguments as (constant, variable) pairs; an empty variable passes the constant.
void CallMethod(ScriptFileBuilder& s, const char* id, const char* method, VARTYPE returnType,
                const char* retVariable, const std::vector<std::pair<const char*, const char*>>& args)
{
    std::string section = s.Add("CallActiveXMethod");
    CDataFile& file = s.File();
    file.SetString(section.c_str(), "controlId", id);
    file.SetString(section.c_str(), "method", method);
    file.SetVarType(section.c_str(), "returnType", returnType);
    file.SetString(section.c_str(), "retVariable", retVariable);
    file.SetInt(section.c_str(), "numParameters", (int)args.size());
    for (size_t i = 0; i < args.size(); ++i)
    {
        std::string param = section + "_Param_" + std::to_string(i);
        file.SetString(param.c_str(), "constValue", args[i].first);
        file.SetString(param.c_str(), "varName", args[i].second);
        file.SetInt(param.c_str(), "valueType", VT_BSTR);
    }
}

std::vector<std::string> LogLines(const std::string& path)
{
    std::vector<std::string> lines;
    std::istringstream in(ReadWholeFile(path));
    std::string line;
    while (std::getline(in, line))
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            lines.push_back(line);
    }
    return lines;
}

class PlayerActiveX : public TestControlTest
{
protected:
    bool Play(ProjectArchive& archive, const std::string& path)
    {
        return archive.Write(path) && m_player.Start(TarvexExePath(), Quoted(path)) &&
               m_player.WaitForWindow() != NULL;
    }

    ScratchDir m_scratch;
    PlayerProcess m_player;
};

TEST_F(PlayerActiveX, ScriptsReadWriteCallAndHearTheTestControlUntilThePageChanges)
{
    std::string out = m_scratch.File("control.zjf");
    std::string log = m_scratch.File("control.log");
    SetEnvironmentVariableA("LB_TESTCONTROL_LOG", log.c_str());
    ProjectArchive archive;
    CDataFile* page = archive.AddPage("tarvex.pgd", "Hosted control");
    AddControl(page, 1, "ctl", kTestControlProgId);

    // The control's event: its parameters are variables of the script.
    page->SetInt("Element_1", "numScripts", 1);
    ScriptFileBuilder fired(*page, "Element_1_Script_1", "OnFired");
    fired.SaveToFile(out.c_str(), "eventText", "text");
    fired.SaveToFile(out.c_str(), "eventN", "n");

    page->SetInt("Main", "numScripts", 1);
    ScriptFileBuilder s(*page, "Script_1", "OnLoad");
    SetProperty(s, "ctl", "Caption", "hello");
    s.CreateVariable("caption", VT_BSTR, "");
    GetProperty(s, "ctl", "Caption", "caption");
    s.SaveToFile(out.c_str(), "caption", "caption");
    s.CreateVariable("b", VT_I4, "5");
    s.CreateVariable("sum", VT_I4, "0");
    CallMethod(s, "ctl", "Add", VT_I4, "sum", { { "2", "" }, { "", "b" } });
    s.SaveToFile(out.c_str(), "sum", "sum");
    s.CreateVariable("who", VT_BSTR, "me");
    s.CreateVariable("joined", VT_BSTR, "");
    CallMethod(s, "ctl", "Concat", VT_BSTR, "joined", { { "x|who|", "" }, { "", "who" } });
    s.SaveToFile(out.c_str(), "joined", "joined");
    CallMethod(s, "ctl", "Fire", VT_VOID, "", { { "abc", "" }, { "7", "" } });
    // Outside the event its parameters are gone.
    s.SaveToFile(out.c_str(), "afterEvent", "text");
    s.SaveToFile(out.c_str(), "done", "", "yes");

    CDataFile* next = archive.AddPage("next.pgd", "Hosted control next");
    next->SetInt("Main", "numScripts", 1);
    ScriptFileBuilder(*next, "Script_1", "OnLoad").SaveToFile(out.c_str(), "next", "", "yes");

    ASSERT_TRUE(Play(archive, m_scratch.File("control.pqz")));
    ASSERT_EQ("yes", WaitForSaved(out, "done", "yes"));
    EXPECT_EQ("hello", ReadSavedValue(out, "caption"));
    EXPECT_EQ("7", ReadSavedValue(out, "sum"));
    // A constant is passed as written, a variable's text is substituted.
    EXPECT_EQ("x|who|me", ReadSavedValue(out, "joined"));
    EXPECT_EQ("abc", ReadSavedValue(out, "eventText"));
    EXPECT_EQ("7", ReadSavedValue(out, "eventN"));
    EXPECT_EQ("<none>", ReadSavedValue(out, "afterEvent"));

    std::vector<std::string> before = LogLines(log);
    ASSERT_EQ(1u, before.size());
    std::istringstream first(before[0]);
    std::string className, event;
    long serial = 0;
    unsigned long cookie = 0;
    first >> className >> serial >> event >> cookie;
    EXPECT_EQ("Control", className);
    EXPECT_EQ("Advise", event);

    ASSERT_TRUE(m_player.Post(WM_USER + 14));
    ASSERT_EQ("yes", WaitForSaved(out, "next", "yes"));
    std::string prefix = "Control " + std::to_string(serial) + " ";
    EXPECT_EQ((std::vector<std::string>{ prefix + "Advise " + std::to_string(cookie),
                                         prefix + "Unadvise " + std::to_string(cookie), prefix + "Release" }),
              LogLines(log));
    EXPECT_TRUE(m_player.Messages().empty());
    ASSERT_TRUE(m_player.Close());
    SetEnvironmentVariableA("LB_TESTCONTROL_LOG", NULL);
}

TEST_F(PlayerActiveX, WinesScriptControlIsHostedAndCalledTheSameWay)
{
    std::string out = m_scratch.File("script.zjf");
    ProjectArchive archive;
    CDataFile* page = archive.AddPage("tarvex.pgd", "Hosted script control");
    AddControl(page, 1, "sc", "MSScriptControl.ScriptControl");
    page->SetInt("Main", "numScripts", 1);
    ScriptFileBuilder s(*page, "Script_1", "OnLoad");
    SetProperty(s, "sc", "Language", "JScript");
    s.CreateVariable("language", VT_BSTR, "");
    GetProperty(s, "sc", "Language", "language");
    s.SaveToFile(out.c_str(), "language", "language");
    s.CreateVariable("result", VT_I4, "0");
    CallMethod(s, "sc", "Eval", VT_I4, "result", { { "1+2", "" } });
    s.SaveToFile(out.c_str(), "result", "result");
    s.SaveToFile(out.c_str(), "done", "", "yes");

    ASSERT_TRUE(Play(archive, m_scratch.File("script.pqz")));
    ASSERT_EQ("yes", WaitForSaved(out, "done", "yes"));
    EXPECT_EQ("JScript", ReadSavedValue(out, "language"));
    EXPECT_EQ("3", ReadSavedValue(out, "result"));
    EXPECT_TRUE(m_player.Messages().empty());
    ASSERT_TRUE(m_player.Close());
}

} // namespace
