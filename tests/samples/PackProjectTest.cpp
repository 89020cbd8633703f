// The sample project as the build packs it: every page reads back whole and
// in order, every part a page counts is there, and every picture and page
// the sample names exists.
#include "samples/ProjectPacker.h"
#include "samples/SamplePictures.h"
#include "model/store/DataFileManager.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const char* const kPages[] = { "tarvex.pgd", "page_2.pgd", "page_3.pgd" };
const char kMediaPrefix[] = ".\\tarvex.dat\\";

std::vector<std::string> SamplePagePaths()
{
    std::vector<std::string> paths;
    for (const char* page : kPages)
        paths.push_back(std::string(SAMPLE_DIR) + "/" + page);
    return paths;
}

std::vector<std::string> NonEmptyLines(const std::string& path)
{
    CDataFile file;
    std::vector<std::string> lines;
    if (file.LoadFromFile(path.c_str()))
        for (int i = 0; i < file.GetLineCount(); ++i)
            if (!file.GetLine(i).IsEmpty())
                lines.push_back(file.GetLine(i).c_str());
    return lines;
}

int Count(const CDataFile& page, const std::string& section, const char* key)
{
    int count = 0;
    page.GetInt(section.c_str(), key, count);
    return count;
}

// Calls visit(section of the action) for every action of the owner's scripts,
// noting a script section that is missing.
template <class Visit>
void ForEachAction(const CDataFile& page, const std::string& owner, Visit visit)
{
    const std::string prefix = owner == "Main" ? "" : owner + "_";
    for (int s = 1; s <= Count(page, owner, "numScripts"); ++s)
    {
        std::string script = prefix + "Script_" + std::to_string(s);
        CStr event;
        EXPECT_TRUE(page.GetString(script.c_str(), "name", event)) << script << " has its event";
        for (int i = 1; i <= Count(page, script, "numScriptItems"); ++i)
            visit(script + "_ScriptItem_" + std::to_string(i));
    }
}

class PackedSample : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(PackProject(scratch.File("tarvex.pqz"), SamplePagePaths(), error)) << error;
        ASSERT_TRUE(project.ReadArchive(scratch.File("tarvex.pqz").c_str()));
        ASSERT_EQ((int)(sizeof(kPages) / sizeof(kPages[0])), project.GetFileCount());
    }

    ScratchDir scratch;
    CDataFileManager project;
};

} // namespace

TEST_F(PackedSample, EveryPageReadsBackWholeInItsOrder)
{
    for (int i = 0; i < project.GetFileCount(); ++i)
    {
        const CDataFile& page = *project.GetFile(i);
        SCOPED_TRACE(kPages[i]);
        EXPECT_STREQ(kPages[i], page.m_name.c_str());
        // The archive lays its own blank lines between sections.
        std::vector<std::string> read;
        for (int line = 0; line < page.GetLineCount(); ++line)
            if (!page.GetLine(line).IsEmpty())
                read.push_back(page.GetLine(line).c_str());
        EXPECT_EQ(NonEmptyLines(SamplePagePaths()[i]), read);

        CStr title;
        EXPECT_TRUE(page.GetString("Main", "title", title));
        EXPECT_FALSE(title.IsEmpty());
        for (int e = 1; e <= Count(page, "Main", "numElements"); ++e)
        {
            std::string element = "Element_" + std::to_string(e);
            CStr type;
            EXPECT_TRUE(page.GetString(element.c_str(), "type", type)) << element;
        }
    }
}

TEST_F(PackedSample, EveryPictureAndPageItNamesExists)
{
    std::vector<std::string> pictures = WriteSamplePictures(scratch.Path());
    ASSERT_FALSE(pictures.empty());
    for (const std::string& picture : pictures)
        EXPECT_FALSE(ReadWholeFile(scratch.File(picture)).empty()) << picture;

    for (int i = 0; i < project.GetFileCount(); ++i)
    {
        const CDataFile& page = *project.GetFile(i);
        std::vector<std::pair<std::string, const char*>> pictureKeys = { { "Main", "watermark" } };
        std::vector<std::string> owners = { "Main" };
        for (int e = 1; e <= Count(page, "Main", "numElements"); ++e)
        {
            owners.push_back("Element_" + std::to_string(e));
            pictureKeys.push_back({ owners.back(), "src" });
        }
        for (const auto& key : pictureKeys)
        {
            CStr path;
            if (!page.GetString(key.first.c_str(), key.second, path) || path.IsEmpty())
                continue;
            std::string name(path.c_str());
            SCOPED_TRACE(std::string(kPages[i]) + " " + key.first + " " + name);
            ASSERT_EQ(0u, name.find(kMediaPrefix));
            name = name.substr(sizeof(kMediaPrefix) - 1);
            EXPECT_NE(pictures.end(), std::find(pictures.begin(), pictures.end(), name));
        }
        for (const std::string& owner : owners)
            ForEachAction(page, owner, [&](const std::string& action) {
                CStr type;
                CStr command;
                CStr target;
                EXPECT_TRUE(page.GetString(action.c_str(), "name", type)) << action;
                if (type != "InternalCommand" || !page.GetString(action.c_str(), "command", command) ||
                    command != "ChangePage")
                    return;
                page.GetString(action.c_str(), "parameters", target);
                std::string wanted = std::string(target.c_str()) + ".pgd";
                EXPECT_NE(nullptr, project.FindFile(wanted.c_str())) << kPages[i] << " " << action;
            });
    }
}

TEST(PackProject, APageThatCannotBeReadStopsThePacking)
{
    ScratchDir scratch;
    WriteWholeFile(scratch.File("empty.pgd"), "");
    const struct
    {
        const char* name;
        std::vector<std::string> pages;
        const char* reason;
    } cases[] = {
        { "no pages", {}, "no page" },
        { "missing page", { SamplePagePaths()[0], scratch.File("missing.pgd") }, "missing.pgd" },
        { "empty page", { scratch.File("empty.pgd") }, "empty.pgd" },
        { "one name twice", { SamplePagePaths()[0], SamplePagePaths()[0] }, "two pages named tarvex.pgd" },
    };
    for (const auto& c : cases)
    {
        std::string error;
        EXPECT_FALSE(PackProject(scratch.File("out.pqz"), c.pages, error)) << c.name;
        EXPECT_NE(std::string::npos, error.find(c.reason)) << c.name << ": " << error;
    }
}
