// The editor's document of pages without windows: open then save of a
// project (cost per element from 1,000 to 100,000 elements, 100 a page,
// target 1.5x; and against the archive's own read and write of the same
// file, target 1.5x), switching to a page of 10 elements in projects of 2
// and 1,000 pages (target 1.5x), and an undo snapshot and an Undo per
// element from 10 to 1,000 elements, in projects of 2 and 1,000 pages
// (target 1.5x).
#include "bench/BenchTimer.h"
#include "authoring/LumbrookConfigDoc.h"
#include "authoring/ProjectFolder.h"
#include "actions/ActionTypes.h"
#include "model/Browser.h"
#include "model/store/DataFileManager.h"

#include <stdio.h>
#include <string>

namespace {

std::string g_folder;

std::string ArchivePath()
{
    return g_folder + "tarvex.pqz";
}

// Pages of text elements as the editor stores them, each element with a
// script of one action.
void WriteProject(int pages, int elementsPerPage, int firstPageElements = -1)
{
    CDataFileManager archive;
    char name[64], section[64], text[64];
    for (int p = 0; p < pages; ++p)
    {
        snprintf(name, sizeof name, p ? "page_%d.pgd" : "tarvex.pgd", p);
        CDataFile* page = archive.AddFile(name);
        int count = p == 0 && firstPageElements >= 0 ? firstPageElements : elementsPerPage;
        page->SetString("Main", "id", name);
        page->SetInt("Main", "width", 640);
        page->SetInt("Main", "height", 480);
        page->SetInt("Main", "numElements", count);
        for (int e = 1; e <= count; ++e)
        {
            snprintf(section, sizeof section, "Element_%d", e);
            snprintf(text, sizeof text, "Text %d of page %d", e, p);
            page->SetString(section, "type", "Text");
            snprintf(name, sizeof name, "T%d", e);
            page->SetString(section, "id", name);
            page->SetString(section, "text", text);
            page->SetInt(section, "xpos", e % 600);
            page->SetInt(section, "ypos", e % 400);
            page->SetInt(section, "width", 80);
            page->SetInt(section, "height", 20);
            page->SetString(section, "cursor", "hand");
            page->SetInt(section, "numScripts", 1);
            snprintf(name, sizeof name, "%s_Script_1", section);
            page->SetString(name, "name", "OnMouseDown");
            page->SetInt(name, "numScriptItems", 1);
            snprintf(text, sizeof text, "%s_ScriptItem_1", name);
            page->SetString(text, "name", "InternalCommand");
            page->SetString(text, "command", "NextPage");
        }
    }
    archive.WriteArchive(ArchivePath().c_str());
}

template <class F> double Best(int runs, F f)
{
    double best = 1e30;
    for (int i = 0; i < runs; ++i)
    {
        double start = NowSeconds();
        f();
        double t = NowSeconds() - start;
        if (t < best)
            best = t;
    }
    return best;
}

const char* Verdict(double ratio, double target)
{
    return ratio <= target ? "met" : "MISSED";
}

void OpenAndSave()
{
    const int sizes[] = { 1000, 100000 };
    double perElement[2], archiveOnly[2], documentTime[2];
    for (int i = 0; i < 2; ++i)
    {
        int elements = sizes[i];
        WriteProject(elements / 100, 100);
        std::string path = ArchivePath();
        int runs = elements > 10000 ? 2 : 5;
        documentTime[i] = Best(runs, [&] {
            CLumbrookConfigDoc document;
            document.m_bAutoDelete = FALSE;
            document.GetUndo().SetLevels(10);
            document.OnOpenDocument(path.c_str());
            document.OnSaveDocument(path.c_str());
            document.DeleteContents();
        });
        archiveOnly[i] = Best(runs, [&] {
            CDataFileManager archive;
            archive.ReadArchive(path.c_str());
            archive.WriteArchive(path.c_str());
        });
        perElement[i] = documentTime[i] / elements;
        printf("  %6d elements: open then save %8.1f ms (%.2f us an element); archive read and write %8.1f ms: "
               "%.2fx (target <= 1.5x): %s\n",
               elements, documentTime[i] * 1e3, perElement[i] * 1e6, archiveOnly[i] * 1e3,
               documentTime[i] / archiveOnly[i], Verdict(documentTime[i] / archiveOnly[i], 1.5));
    }
    double ratio = perElement[1] / perElement[0];
    printf("  cost per element, 100,000 against 1,000 elements: %.2fx (target <= 1.5x): %s\n", ratio,
           Verdict(ratio, 1.5));
}

void SwitchPages()
{
    const int pageCounts[] = { 2, 1000 };
    double times[2];
    for (int i = 0; i < 2; ++i)
    {
        WriteProject(pageCounts[i], 10);
        CLumbrookConfigDoc document;
        document.m_bAutoDelete = FALSE;
        document.OnOpenDocument(ArchivePath().c_str());
        CBrowser* a = document.GetPages()[0];
        CBrowser* b = document.GetPages()[1];
        const int switches = 200;
        times[i] = Best(3, [&] {
            for (int s = 0; s < switches; ++s)
                document.SetCurrentPage(s % 2 ? a : b, FALSE);
        }) / switches;
        document.DeleteContents();
        printf("  switch to a page of 10 elements in %4d pages: %.3f ms\n", pageCounts[i], times[i] * 1e3);
    }
    double ratio = times[1] / times[0];
    printf("  1,000 pages against 2: %.2fx (target <= 1.5x): %s\n", ratio, Verdict(ratio, 1.5));
}

void SnapshotsAndUndo()
{
    struct Setup { int pages; int elements; };
    const Setup setups[] = { { 2, 10 }, { 2, 1000 }, { 1000, 10 } };
    double perElement[3];
    for (int i = 0; i < 3; ++i)
    {
        WriteProject(setups[i].pages, 10, setups[i].elements);
        CLumbrookConfigDoc document;
        document.m_bAutoDelete = FALSE;
        document.OnOpenDocument(ArchivePath().c_str());
        document.GetUndo().SetLevels(10);
        const int rounds = setups[i].elements > 100 ? 20 : 400;
        double t = Best(3, [&] {
            for (int r = 0; r < rounds; ++r)
            {
                document.GetCurrentPage()->m_children[0]->m_xpos = r;
                document.RecordChange();
                document.GetUndo().Undo();
            }
        }) / rounds;
        perElement[i] = t / setups[i].elements;
        document.DeleteContents();
        printf("  snapshot and Undo, %4d elements in %4d pages: %.3f ms (%.2f us an element)\n", setups[i].elements,
               setups[i].pages, t * 1e3, perElement[i] * 1e6);
    }
    double ratio = perElement[1] / perElement[0];
    printf("  cost per element, 1,000 against 10 elements: %.2fx (target <= 1.5x): %s\n", ratio, Verdict(ratio, 1.5));
    double pages = perElement[2] / perElement[0];
    printf("  1,000 pages against 2: %.2fx (target <= 1.5x): %s\n", pages, Verdict(pages, 1.5));
}

} // namespace

int main()
{
    BuildActionTypeTable();
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    char folder[MAX_PATH];
    snprintf(folder, sizeof folder, "%sprojectbench_%lu\\", temp, GetCurrentProcessId());
    g_folder = folder;
    CreateFolderTree(folder);
    SetRuntimeSourceFolder(folder);
    printf("Open then save:\n");
    OpenAndSave();
    printf("Page switch:\n");
    SwitchPages();
    printf("Undo:\n");
    SnapshotsAndUndo();
    return 0;
}
