// The installation's folders from the program's path.
#include "authoring/ProgramFolders.h"

#include <gtest/gtest.h>

TEST(ProgramFolders, ProjectsAndContentLieBesideTheProgramsFolder)
{
    struct Case { const char* program; const char* projects; const char* content; };
    const Case cases[] = {
        { "C:\\A\\Bin\\prog.exe", "C:\\A\\Projects\\", "C:\\A\\Content\\" },
        { "C:\\Program Files\\Lumbrook\\Bin\\LumbrookConfig.exe", "C:\\Program Files\\Lumbrook\\Projects\\",
          "C:\\Program Files\\Lumbrook\\Content\\" },
        { "C:\\Bin\\prog.exe", "C:\\Projects\\", "C:\\Content\\" },
        // At a drive's or share's root there is no folder above: the
        // program's own folder holds them, never a relative "Projects\".
        { "C:\\prog.exe", "C:\\Projects\\", "C:\\Content\\" },
        { "\\\\server\\share\\prog.exe", "\\\\server\\share\\Projects\\", "\\\\server\\share\\Content\\" },
        { "\\\\server\\share\\Bin\\prog.exe", "\\\\server\\share\\Projects\\", "\\\\server\\share\\Content\\" },
    };
    for (const Case& c : cases)
    {
        EXPECT_STREQ(c.projects, MakeProjectsFolder(c.program)) << c.program;
        EXPECT_STREQ(c.content, MakeContentFolder(c.program)) << c.program;
    }
}
