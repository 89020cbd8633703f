// Save To File and Read From File: variable data files on disk.
#include "player/PlayerDataFile.h"
#include "tests/player/ScriptFileBuilder.h"
#include "tests/support/TestSupport.h"
#include "tests/player/TestVariables.h"

#include "player/runtime/DataFileActions.h"
#include "player/runtime/VariableScopes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace Tarvex;

namespace {

std::unique_ptr<CScriptItem> LoadItem(CDataFile& file, const std::string& section)
{
    CStr type;
    file.GetString(section.c_str(), "name", type);
    std::unique_ptr<CScriptItem> item(CreateScriptItem(type, section.c_str(), NULL));
    if (item)
        item->Load(file);
    return item;
}

int RunSave(const std::string& path, const char* key, const char* variable, const char* value)
{
    CDataFile file;
    ScriptFileBuilder builder(file);
    return LoadItem(file, builder.SaveToFile(path.c_str(), key, variable, value))->Execute();
}

int RunRead(const std::string& path, const char* key, const char* variable)
{
    CDataFile file;
    ScriptFileBuilder builder(file);
    std::string section = builder.Add("ReadFromFile");
    file.SetString(section.c_str(), "path", path.c_str());
    file.SetString(section.c_str(), "key", key);
    file.SetString(section.c_str(), "variable", variable);
    return LoadItem(file, section)->Execute();
}

std::string Saved(const std::string& path, const char* key)
{
    CDataFile file;
    CStr value("<none>");
    LoadDataFileFromFile(file, path.c_str());
    file.GetString("QNDL Archive", key, value);
    return std::string(value);
}

std::string Describe(const VARIANT& value)
{
    return std::to_string(value.vt) + ":" + std::string(VariantText(value));
}

} // namespace

TEST(DataFileActions, SaveWritesVariablesAndConstantsUnderTheirKeys)
{
    ScratchDir scratch;
    std::string path = scratch.File("values.zjf");
    CVariableScopes scopes;
    PutGlobal(scopes, "flag", VT_BOOL, "-1");
    PutGlobal(scopes, "count", VT_I4, "42");
    PutGlobal(scopes, "name", VT_BSTR, "Ann");

    // A variable that does not exist writes nothing, yet the file is saved.
    EXPECT_EQ(ResultGoOn, RunSave(path, "ghost", "missing", "ignored"));
    EXPECT_EQ("", ReadWholeFile(path));
    struct Case
    {
        const char* key;
        const char* variable;
        const char* value;
        const char* saved;
    };
    const Case cases[] = {
        { "flag", "flag", "", "TRUE" },
        { "count", "count", "", "42" },
        { "name", "name", "", "Ann" },
        { "constant", "", "fixed text", "fixed text" },
        { "count", "", "43", "43" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(ResultGoOn, RunSave(path, c.key, c.variable, c.value));
        EXPECT_EQ(c.saved, Saved(path, c.key));
    }
    EXPECT_EQ("<none>", Saved(path, "ghost"));
    EXPECT_EQ("Ann", Saved(path, "name"));
}

TEST(DataFileActions, ReadConvertsToTheVariablesType)
{
    ScratchDir scratch;
    std::string path = scratch.File("input.zjf");
    WriteWholeFile(path, "[QNDL Archive]\r\ntext = hello\r\nreal = 2.5\r\n");
    CVariableScopes scopes;
    PutGlobal(scopes, "r8", VT_R8, "1");
    PutGlobal(scopes, "word", VT_BSTR, "");
    PutGlobal(scopes, "zero", VT_I4, "7");
    PutGlobal(scopes, "keep", VT_I4, "7");
    struct Case
    {
        const char* key;
        const char* variable;
        const char* expected;
    };
    const Case cases[] = {
        { "real", "r8", "5:2.5" },
        { "text", "word", "8:hello" },
        // A text that is no number is kept as read.
        { "text", "keep", "8:hello" },
        // A missing key reads as nothing, which is 0 as a whole number.
        { "absent", "zero", "3:0" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(ResultGoOn, RunRead(path, c.key, c.variable));
        EXPECT_EQ(c.expected, Describe(LookupVariable(c.variable)->value));
    }
    EXPECT_EQ(ResultGoOn, RunRead(path, "text", "missing"));
    EXPECT_EQ(NULL, LookupVariable("missing"));
}

TEST(DataFileActions, TemporaryFolderFilesTakeTheirExtension)
{
    CDataFile file;
    ScriptFileBuilder builder(file);
    std::string section = builder.SaveToFile("tarvex_scores_test", "score", "", "12");
    file.SetBool(section.c_str(), "useTemDir", TRUE);
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string expected = std::string(temp) + "tarvex_scores_test.zjf";
    EXPECT_STREQ(expected.c_str(), LoadVariableFilePath(file, section.c_str()));
    DeleteFileA(expected.c_str());

    ASSERT_EQ(ResultGoOn, LoadItem(file, section)->Execute());
    EXPECT_EQ("12", Saved(expected, "score"));

    CVariableScopes scopes;
    PutGlobal(scopes, "score", VT_I4, "0");
    std::string read = builder.Add("ReadFromFile");
    file.SetBool(read.c_str(), "useTemDir", TRUE);
    file.SetString(read.c_str(), "path", "tarvex_scores_test");
    file.SetString(read.c_str(), "key", "score");
    file.SetString(read.c_str(), "variable", "score");
    ASSERT_EQ(ResultGoOn, LoadItem(file, read)->Execute());
    EXPECT_EQ("3:12", Describe(LookupVariable("score")->value));
    DeleteFileA(expected.c_str());
}

TEST(DataFileActions, TemporaryFolderFilesStayInTheTemporaryFolder)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    struct Case
    {
        const char* stored;
        const char* inside;   // the file in the temporary folder; NULL: refused
    };
    const Case cases[] = {
        { "scores", "scores.zjf" },
        { "sub\\scores", "sub\\scores.zjf" },
        { "..scores", "..scores.zjf" },
        { "..\\..\\..\\..\\escaped", NULL },
        { "sub\\..\\..\\escaped", NULL },
        { "../escaped", NULL },
        { "C:\\escaped", NULL },
        { "C:escaped", NULL },
        { "\\escaped", NULL },
        { "\\\\server\\share\\escaped", NULL },
        { "...\\escaped", NULL },
        { ". .\\escaped", NULL },
        { "scores:stream", NULL },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.stored);
        CDataFile file;
        ScriptFileBuilder builder(file);
        std::string section = builder.SaveToFile(c.stored, "k", "", "v");
        file.SetBool(section.c_str(), "useTemDir", TRUE);
        std::string expected = c.inside ? std::string(temp) + c.inside : std::string();
        EXPECT_EQ(expected, std::string(LoadVariableFilePath(file, section.c_str())));
        if (!c.inside)
        {
            EXPECT_EQ(ResultGoOn, LoadItem(file, section)->Execute()) << "a write that cannot be done";
        }
    }
}
