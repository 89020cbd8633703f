// Properties of a text, an image and an image strip written and read by a
// page's script in the real player, a page script run by name, and the
// script's end at a value that cannot be converted. The script saves what
// it saw.
#include "tests/e2e/PlayerProcess.h"
#include "tests/support/TestSupport.h"
#include "tests/player/ScriptFileBuilder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void AddElement(CDataFile* page, int number, const char* type, const char* id, int y)
{
    std::string section = "Element_" + std::to_string(number);
    page->SetString(section.c_str(), "type", type);
    page->SetString(section.c_str(), "id", id);
    page->SetInt(section.c_str(), "xpos", 10);
    page->SetInt(section.c_str(), "ypos", y);
    page->SetInt(section.c_str(), "width", 40);
    page->SetInt(section.c_str(), "height", 20);
    page->SetInt("Main", "numElements", number);
}

// One assignment of a stored value.
void SetProperty(ScriptFileBuilder& script, const char* id, const char* property, VARTYPE type, const char* value,
                 const char* variable = "")
{
    CDataFile& page = script.File();
    std::string section = script.Add("SetProperty");
    page.SetString(section.c_str(), "controlId", id);
    page.SetString(section.c_str(), "property", property);
    page.SetString(section.c_str(), "variableName", variable);
    page.SetInt(section.c_str(), "valueType", type);
    page.SetString(section.c_str(), "value", value);
}

// The property read into a new global variable of the given type, saved
// under the variable's name by the page's "Save" script.
void GetProperty(ScriptFileBuilder& script, ScriptFileBuilder& save, const std::string& values, const char* id,
                 const char* property, const char* variable, VARTYPE type, const char* start = "0")
{
    script.CreateVariable(variable, type, start);
    CDataFile& page = script.File();
    std::string section = script.Add("GetProperty");
    page.SetString(section.c_str(), "controlId", id);
    page.SetString(section.c_str(), "property", property);
    page.SetString(section.c_str(), "variableName", variable);
    page.SetInt(section.c_str(), "scope", 0);
    save.SaveToFile(values.c_str(), variable, variable);
}

} // namespace

TEST(PlayerProperties, ScriptsWriteAndReadEachElementKindAndStopAtAFailedConversion)
{
    ScratchDir scratch;
    const std::string values = scratch.File("seen.zjf");
    ProjectArchive archive;
    CDataFile* page = archive.AddPage("tarvex.pgd", "Properties");
    AddElement(page, 1, "Text", "t", 10);
    AddElement(page, 2, "Image", "i", 40);
    AddElement(page, 3, "ImageList", "s", 70);
    for (int i = 0; i < 3; ++i)
    {
        std::string frame = "Element_3_Frame_" + std::to_string(i);
        page->SetInt(frame.c_str(), "left", i * 20);
        page->SetInt(frame.c_str(), "top", 0);
        page->SetInt(frame.c_str(), "right", (i + 1) * 20);
        page->SetInt(frame.c_str(), "bottom", 20);
    }
    page->SetInt("Main", "numScripts", 2);
    ScriptFileBuilder load(*page, "Script_1", "OnLoad");
    ScriptFileBuilder save(*page, "Script_2", "Save");

    load.CreateVariable("who", VT_BSTR, "World");
    SetProperty(load, "t", "text", VT_BSTR, "Hello |who|");
    SetProperty(load, "t", "xpos", VT_I4, "30");
    SetProperty(load, "t", "color", VT_UI4, "255");
    SetProperty(load, "i", "buttonText", VT_BSTR, "Go");
    SetProperty(load, "i", "width", VT_I4, "50");
    SetProperty(load, "s", "frame", VT_I4, "2");
    GetProperty(load, save, values, "t", "text", "text", VT_BSTR, "");
    GetProperty(load, save, values, "t", "xpos", "x", VT_I4);
    GetProperty(load, save, values, "t", "color", "colour", VT_UI4);
    GetProperty(load, save, values, "i", "BUTTONTEXT", "button", VT_BSTR, "");
    GetProperty(load, save, values, "i", "width", "width", VT_I4);
    GetProperty(load, save, values, "s", "frame", "frame", VT_I4);
    // An unknown name and a variable of another type: the run goes on.
    GetProperty(load, save, values, "t", "nosuch", "unknown", VT_BSTR, "kept");
    GetProperty(load, save, values, "s", "xpos", "mistyped", VT_BSTR, "kept");
    std::string run = load.Add("ExecuteGlobalScript");
    page->SetString(run.c_str(), "scriptName", "Save");
    // Text that is no number for a whole-number property ends the run.
    load.CreateVariable("word", VT_BSTR, "abc");
    SetProperty(load, "t", "ypos", VT_I4, "0", "word");
    load.SaveToFile(values.c_str(), "after", "", "ran");

    ASSERT_TRUE(archive.Write(scratch.File("properties.pqz")));
    PlayerProcess player;
    ASSERT_TRUE(player.Start(TarvexExePath(), "\"" + scratch.File("properties.pqz") + "\""));
    // OnLoad has run once the window shows.
    ASSERT_NE(nullptr, player.WaitForWindow());
    ASSERT_TRUE(player.Answers());

    const struct
    {
        const char* key;
        const char* value;
    } expected[] = {
        { "text", "Hello World" }, { "x", "30" }, { "colour", "255" },      { "button", "Go" },
        { "width", "50" },         { "frame", "2" }, { "unknown", "kept" }, { "mistyped", "kept" },
        { "after", "<none>" },
    };
    for (const auto& e : expected)
        EXPECT_EQ(e.value, ReadSavedValue(values, e.key)) << e.key;
    EXPECT_TRUE(player.Messages().empty());
    EXPECT_TRUE(player.Close());
}
