// The page templates of the installed layout: each names its media folder
// in Content\, and every picture and sound it names is there and loads, so
// the wizard's choices and the buttons made from them work on a new machine.
#include "tests/e2e/EditorProcess.h"
#include "tests/support/TestSupport.h"

#include "model/store/DataFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> TemplateFiles()
{
    std::vector<std::string> files;
    WIN32_FIND_DATAA found;
    std::string folder = LumbrookFolder() + "templates\\";
    HANDLE search = FindFirstFileA((folder + "*.pqt").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return files;
    do
        files.push_back(folder + found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return files;
}

bool LoadsAsBitmap(const std::string& path, int& width)
{
    HBITMAP bitmap = (HBITMAP)LoadImageA(NULL, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    if (bitmap == NULL)
        return false;
    BITMAP info = {};
    GetObjectA(bitmap, sizeof(info), &info);
    width = info.bmWidth;
    DeleteObject(bitmap);
    return true;
}

} // namespace

TEST(InstalledTemplates, EveryTemplateNamesMediaThatIsThere)
{
    std::vector<std::string> templates = TemplateFiles();
    ASSERT_GE(templates.size(), 3u);
    const char* const sections[] = { "default", "exit", "shellExecute", "launchHtml", "openFolder", "runProgram",
                                     "help", "browseCD", "ok", "cancel", "back", "next" };
    for (const std::string& path : templates)
    {
        SCOPED_TRACE(path);
        CDataFile file;
        ASSERT_TRUE(file.LoadFromFile(path.c_str()));
        CStr name, description, folder, watermark;
        EXPECT_TRUE(file.GetString("main", "name", name) && !name.IsEmpty());
        EXPECT_TRUE(file.GetString("main", "description", description) && !description.IsEmpty());
        ASSERT_TRUE(file.GetString("main", "folder", folder) && !folder.IsEmpty());
        std::string media = LumbrookFolder() + "Content\\" + folder.c_str() + "\\";
        int width = 0;
        EXPECT_TRUE(LoadsAsBitmap(media + "preview.bmp", width));
        ASSERT_TRUE(file.GetString("browser", "watermark", watermark));
        EXPECT_TRUE(LoadsAsBitmap(media + watermark.c_str(), width));
        for (const char* section : sections)
        {
            SCOPED_TRACE(section);
            for (const char* key : { "normalImage", "hoverImage", "clickImage" })
            {
                CStr picture;
                ASSERT_TRUE(file.GetString(section, key, picture)) << key;
                EXPECT_TRUE(LoadsAsBitmap(media + picture.c_str(), width)) << picture.c_str();
                EXPECT_GT(width, 0);
            }
            for (const char* key : { "hoverSound", "clickSound" })
            {
                CStr sound;
                ASSERT_TRUE(file.GetString(section, key, sound)) << key;
                std::string bytes = ReadWholeFile(media + sound.c_str());
                EXPECT_EQ("RIFF", bytes.substr(0, 4)) << sound.c_str();
                EXPECT_EQ("WAVE", bytes.substr(8, 4)) << sound.c_str();
            }
        }
    }
}
