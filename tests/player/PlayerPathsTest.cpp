#include "player/PlayerPaths.h"

#include <gtest/gtest.h>
#include <string.h>

TEST(PlayerPaths, ExtensionsAreThoseOfTheLastComponent)
{
    struct Case
    {
        const char* name;
        const char* stripped;
        const char* replaced;   // by ".pgd"
        const char* added;      // ".pgd" added
    };
    const Case cases[] = {
        { "D:\\my.disc\\tarvex.exe", "D:\\my.disc\\tarvex", "D:\\my.disc\\tarvex.pgd", "D:\\my.disc\\tarvex.exe" },
        { "D:\\my.disc\\tarvex", "D:\\my.disc\\tarvex", "D:\\my.disc\\tarvex.pgd", "D:\\my.disc\\tarvex.pgd" },
        { "a/b.c/page", "a/b.c/page", "a/b.c/page.pgd", "a/b.c/page.pgd" },
        // Replacing adds nothing when the stripped name still holds a dot.
        { "page.two.pgd", "page.two", "page.two", "page.two.pgd" },
        { "", "", ".pgd", ".pgd" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        char buffer[MAX_PATH];
        strcpy(buffer, c.name);
        StripExtension(buffer);
        EXPECT_STREQ(c.stripped, buffer);
        strcpy(buffer, c.name);
        ReplaceExtension(buffer, ".pgd");
        EXPECT_STREQ(c.replaced, buffer);
        strcpy(buffer, c.name);
        AddExtension(buffer, ".pgd");
        EXPECT_STREQ(c.added, buffer);
        AddExtension(buffer, NULL);
        EXPECT_STREQ(c.added, buffer);
    }
}

TEST(PlayerPaths, AddingAnExtensionNeverOverrunsTheBuffer)
{
    char buffer[8] = "abcdef";
    AddExtension(buffer, ".pgd", sizeof(buffer));
    EXPECT_STREQ("abcdef", buffer);
}

TEST(PlayerPaths, ResolvesAgainstTheBaseFolder)
{
    char own[MAX_PATH];
    GetModuleFileNameA(NULL, own, MAX_PATH);
    *strrchr(own, '\\') = '\0';
    SetProjectPath(NULL, "");
    EXPECT_EQ(std::string(own) + "\\pics\\a.gif", ResolvePath("pics\\a.gif").c_str()) << "no base folder yet";

    EXPECT_STREQ("", ResolvePath(std::string(MAX_PATH, 'x').c_str())) << "too long for the program's folder";

    SetBaseFolder("C:\\disc\\tarvex.pqz");
    EXPECT_STREQ("C:\\disc\\", GetBaseFolder());
    const std::string longName = std::string(300, 'x') + "\\page_2.pgd";
    struct Case
    {
        std::string path;
        std::string resolved;
    };
    const Case cases[] = {
        { "page_2.pgd", "C:\\disc\\page_2.pgd" },
        { ".\\tarvex.dat\\a.gif", "C:\\disc\\tarvex.dat\\a.gif" },
        { "..\\other\\b.exe", "C:\\other\\b.exe" },
        { "D:\\x\\..\\y", "D:\\x\\..\\y" },
        // Nothing of MAX_PATH characters or more passes as a path.
        { longName, "" },
        { "D:\\" + longName, "" },
        { "a\\..\\" + std::string(250, 'b'), "C:\\disc\\" + std::string(250, 'b') },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.resolved, std::string(ResolvePath(c.path.c_str()))) << c.path;
}
