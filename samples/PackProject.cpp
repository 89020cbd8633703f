// pack-project <archive.pqz> <page.pgd>... [--pictures <folder>]
// The sample's build step: packs the text pages into the archive and draws
// the pictures into the disc's data folder.
#include "samples/ProjectPacker.h"
#include "samples/SamplePictures.h"

#include <stdio.h>
#include <string.h>

int main(int argc, char** argv)
{
    std::string archive;
    std::string pictures;
    std::vector<std::string> pages;
    for (int i = 1; i < argc; ++i)
    {
        if (strcmp(argv[i], "--pictures") == 0 && i + 1 < argc)
            pictures = argv[++i];
        else if (archive.empty())
            archive = argv[i];
        else
            pages.push_back(argv[i]);
    }
    if (archive.empty() || pages.empty())
    {
        fprintf(stderr, "usage: pack-project <archive.pqz> <page.pgd>... [--pictures <folder>]\n");
        return 2;
    }
    std::string error;
    if (!PackProject(archive, pages, error))
    {
        fprintf(stderr, "pack-project: %s\n", error.c_str());
        return 1;
    }
    if (!pictures.empty() && WriteSamplePictures(pictures).empty())
    {
        fprintf(stderr, "pack-project: cannot write the pictures into %s\n", pictures.c_str());
        return 1;
    }
    printf("pack-project: %d pages in %s\n", (int)pages.size(), archive.c_str());
    return 0;
}
