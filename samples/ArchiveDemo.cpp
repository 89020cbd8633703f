// Writes a small sample project archive, reads it back and prints what it
// read: the page data files with their sections and keys.
#include "DataFileManager.h"

#include <stdio.h>

static void BuildSampleProject(CDataFileManager& project)
{
    CDataFile* first = project.AddFile("tarvex.pgd");
    first->SetString("Main", "title", "Sample presentation");
    first->SetInt("Main", "width", 640);
    first->SetInt("Main", "height", 480);
    first->SetInt("Main", "numElements", 1);
    first->SetString("Element_1", "type", "Text");
    first->SetString("Element_1", "id", "Welcome");
    first->SetMultiLineString("Element_1", "text", "Welcome to the sample.\r\nClick to go on.");

    CDataFile* second = project.AddFile("page_2.pgd");
    second->SetString("Main", "title", "Second page");
    second->SetDouble("Main", "bgTransparency", 0.5);
    second->SetBool("Main", "tile", TRUE);
}

static void PrintProject(const CDataFileManager& project)
{
    for (int i = 0; i < project.GetFileCount(); i++) {
        const CDataFile* file = project.GetFile(i);
        printf("page data file %s (%d lines)\n", file->m_name.c_str(), file->GetLineCount());
        for (int line = 0; line < file->GetLineCount(); line++) {
            const CStr& text = file->GetLine(line);
            if (!text.IsEmpty())
                printf("  %s\n", text.c_str());
        }
    }
}

int main(int argc, char** argv)
{
    const char* path = argc > 1 ? argv[1] : "sample.pqz";

    CDataFileManager written;
    BuildSampleProject(written);
    if (!written.WriteArchive(path)) {
        fprintf(stderr, "could not write %s\n", path);
        return 1;
    }
    printf("wrote %s\n", path);

    CDataFileManager read;
    if (!read.ReadArchive(path)) {
        fprintf(stderr, "could not read %s\n", path);
        return 1;
    }
    PrintProject(read);

    CStr title;
    if (!read.GetFileCount() || !read.GetFile(0)->GetString("Main", "title", title) ||
        title != "Sample presentation") {
        fprintf(stderr, "the archive did not read back as written\n");
        return 1;
    }
    printf("read back %d page data files\n", read.GetFileCount());
    return 0;
}
