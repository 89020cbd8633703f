#include "samples/ProjectPacker.h"

#include "model/store/DataFileManager.h"

std::string FilePart(const std::string& path)
{
    size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool PackProject(const std::string& archivePath, const std::vector<std::string>& pagePaths,
                 std::string& error)
{
    if (pagePaths.empty())
    {
        error = "no page to pack";
        return false;
    }
    CDataFileManager project;
    for (const std::string& path : pagePaths)
    {
        CDataFile text;
        std::vector<CStr> lines;
        if (text.LoadFromFile(path.c_str()))
            for (int i = 0; i < text.GetLineCount(); ++i)
                if (!text.GetLine(i).IsEmpty())
                    lines.push_back(text.GetLine(i));
        if (lines.empty())
        {
            error = "cannot read the page " + path;
            return false;
        }
        std::string name = FilePart(path);
        if (project.FindFile(name.c_str()))
        {
            error = "two pages named " + name;
            return false;
        }
        CDataFile* page = project.AddFile(name.c_str());
        for (const CStr& line : lines)
            page->AppendLine(line);
    }
    if (!project.WriteArchive(archivePath.c_str()))
    {
        error = "cannot write " + archivePath;
        return false;
    }
    return true;
}
