// Which project names the new-project wizard takes and where they lead.
#include "authoring/ProjectWizard.h"

#include <gtest/gtest.h>

#include <string>

TEST(ProjectName, NamesAreTakenOrRefusedWithAReason)
{
    const char* projects = "C:\\Lumbrook\\Projects\\";
    struct Case
    {
        const char* name;
        const char* folder;    // NULL: refused
        const char* reason;    // a part of the message when refused
    };
    const Case cases[] = {
        { "Tour", "C:\\Lumbrook\\Projects\\Tour", NULL },
        { "My Disc 2", "C:\\Lumbrook\\Projects\\My Disc 2", NULL },
        { "v1.2 release", "C:\\Lumbrook\\Projects\\v1.2 release", NULL },
        { "a..b", "C:\\Lumbrook\\Projects\\a..b", NULL },
        { "console", "C:\\Lumbrook\\Projects\\console", NULL },
        { "", NULL, "at least one" },
        { "a\\b", NULL, "characters" },
        { "a/b", NULL, "characters" },
        { "..\\Outside", NULL, "characters" },
        { "C:x", NULL, "characters" },
        { "what?", NULL, "characters" },
        { "st*r", NULL, "characters" },
        { "\"quoted\"", NULL, "characters" },
        { "<a>", NULL, "characters" },
        { "a|b", NULL, "characters" },
        { "tab\there", NULL, "characters" },
        { ".hidden", NULL, "begin with a dot" },
        { "..", NULL, "begin with a dot" },
        { "name.", NULL, "end with a dot" },
        { "name ", NULL, "end with a dot or a space" },
        { "   ", NULL, "end with a dot or a space" },
        { "CON", NULL, "device" },
        { "nul.txt", NULL, "device" },
        { "Com3", NULL, "device" },
        { "LPT9", NULL, "device" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        ProjectNameCheck check = CheckProjectName(c.name, projects);
        if (c.folder != NULL)
        {
            EXPECT_TRUE(check.ok) << check.message.c_str();
            EXPECT_STREQ(c.folder, check.folder.c_str());
        }
        else
        {
            EXPECT_FALSE(check.ok) << check.folder.c_str();
            EXPECT_NE(std::string::npos, std::string(check.message.c_str()).find(c.reason))
                << check.message.c_str();
        }
    }
}

TEST(ProjectName, APathTooLongForTheDiscFolderIsRefused)
{
    std::string deep = "C:\\" + std::string(220, 'd') + "\\";
    EXPECT_TRUE(CheckProjectName("short", deep.c_str()).ok);
    ProjectNameCheck check = CheckProjectName(std::string(35, 'n').c_str(), deep.c_str());
    EXPECT_FALSE(check.ok);
    EXPECT_NE(std::string::npos, std::string(check.message.c_str()).find("too long"));
}
