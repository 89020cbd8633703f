// The editor's document of pages.
// - Open then save of projects of text elements with one script each, 100 a
//   page, at 1,000, 10,000 and 100,000 elements: at most 2.0x the archive's
//   own read and write of the same file, and the cost per element flat within
//   1.5x. The disc folder's runtime and library copies (from the installed
//   files) and the AutoRun write are timed on lines of their own; the copies
//   are left out of the ratios. A project with one picture on each page is
//   printed without a target.
//   Beside each size: the open alone and the save, against the archive's
//   read and write.
// - A page switch in 1,000 pages against one in 2 pages: at most 1.2x.
// - A snapshot and an Undo of pages of 10, 100 and 1,000 elements in projects
//   of 2 and 1,000 pages, with the main frame, the page view and the object
//   tree open on the document, against open then save (without the copies
//   and the AutoRun write) of the same project, each per element: at most 3x
//   at 100 and 1,000 elements. Where the time goes is printed beside it, and
//   the same on a document without views on a line of its own.
// "ProjectBench open|switch|undo" runs one part alone; "ProjectBench undo
// <elements> <pages>" one of the undo's setups, "ProjectBench undo-document
// <elements> <pages>" its document-only figure alone.
#include "bench/BenchTimer.h"
#include "authoring/ActionTreeView.h"
#include "authoring/EditorServicesImpl.h"
#include "authoring/LumbrookConfigDoc.h"
#include "authoring/LumbrookConfigView.h"
#include "authoring/MainFrm.h"
#include "authoring/ProjectFolder.h"
#include "actions/ActionTypes.h"
#include "model/Browser.h"
#include "model/common/MessageReporter.h"
#include "model/store/DataFileManager.h"
#include "resources/LumbrookConfigIds.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>

namespace {

std::string g_folder;        // the project folder, also the disc folder
std::string g_noRuntime;     // an empty folder: opens there make no copies
std::string g_runtime;       // the installed layout's Bin folder

std::string ArchivePath()
{
    return g_folder + "tarvex.pqz";
}

enum PageContent { TextElements, OnePicture };

const char kPicture[] = "picture.bmp";

// A 32 x 24 picture in the data folder, which the picture pages show.
void WritePicture()
{
    const int width = 32, height = 24;
    std::string folder = g_folder + "tarvex.dat\\";
    CreateFolderTree(folder.c_str());
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    int row = width * 3;
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + row * height;
    std::vector<unsigned char> pixels(row * height, 0x80);
    FILE* out = fopen((folder + kPicture).c_str(), "wb");
    if (out == NULL)
        return;
    fwrite(&file, sizeof file, 1, out);
    fwrite(&info, sizeof info, 1, out);
    fwrite(pixels.data(), 1, pixels.size(), out);
    fclose(out);
}

// Pages as the editor stores them: text elements each with a script of one
// action, or one picture a page.
void WriteProject(int pages, int elementsPerPage, int firstPageElements = -1, PageContent content = TextElements)
{
    CDataFileManager archive;
    char name[64], section[64], text[64];
    for (int p = 0; p < pages; ++p)
    {
        snprintf(name, sizeof name, p ? "page_%d.pgd" : "tarvex.pgd", p);
        CDataFile* page = archive.AddFile(name);
        int count = p == 0 && firstPageElements >= 0 ? firstPageElements : elementsPerPage;
        if (content == OnePicture)
            count = 1;
        snprintf(name, sizeof name, "page%d", p);
        page->SetString("Main", "id", name);
        page->SetInt("Main", "width", 640);
        page->SetInt("Main", "height", 480);
        page->SetInt("Main", "numElements", count);
        for (int e = 1; e <= count; ++e)
        {
            snprintf(section, sizeof section, "Element_%d", e);
            snprintf(name, sizeof name, "T%d", e);
            page->SetString(section, "id", name);
            page->SetInt(section, "xpos", e % 600);
            page->SetInt(section, "ypos", e % 400);
            page->SetInt(section, "width", 80);
            page->SetInt(section, "height", 20);
            page->SetString(section, "cursor", "hand");
            if (content == OnePicture)
            {
                page->SetString(section, "type", "Image");
                page->SetString(section, "src", (std::string(".\\tarvex.dat\\") + kPicture).c_str());
                continue;
            }
            snprintf(text, sizeof text, "Text %d of page %d", e, p);
            page->SetString(section, "type", "Text");
            page->SetString(section, "text", text);
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

// Open then save (save false: the open alone) on a document without views;
// the runtime source is the empty folder, so no copies are made.
double OpenThenSave(int runs, bool save = true)
{
    std::string path = ArchivePath();
    SetRuntimeSourceFolder(g_noRuntime.c_str());
    return Best(runs, [&] {
        CLumbrookConfigDoc document;
        document.m_bAutoDelete = FALSE;
        document.OnOpenDocument(path.c_str());
        if (save)
            document.OnSaveDocument(path.c_str());
        document.DeleteContents();
    });
}

double ArchiveReadOnly(int runs)
{
    std::string path = ArchivePath();
    return Best(runs, [&] {
        CDataFileManager archive;
        archive.ReadArchive(path.c_str());
    });
}

double ArchiveReadAndWrite(int runs)
{
    std::string path = ArchivePath();
    return Best(runs, [&] {
        CDataFileManager archive;
        archive.ReadArchive(path.c_str());
        archive.WriteArchive(path.c_str());
    });
}

// The AutoRun write of a save, alone, into the project's disc folder.
double AutoRunWrite(int runs)
{
    SetRuntimeSourceFolder(g_noRuntime.c_str());
    PrepareProjectFolder(g_folder.c_str(), NULL, TRUE);
    return Best(runs, [] { WriteDiscInf(); });
}

// What an open does to the disc folder, with the runtime and libraries of
// the installed layout: the copies (the player only when it is missing or
// older) and the rest of the preparation.
void DiscFolderCopies()
{
    ULONGLONG bytes = 0;
    for (const char* name : { "tarvex.dat", "giflib32.dll", "ijl10.dll", "msvcrt.dll", "tarvex.ico" })
    {
        WIN32_FILE_ATTRIBUTE_DATA facts;
        if (GetFileAttributesExA((g_runtime + name).c_str(), GetFileExInfoStandard, &facts))
            bytes += ((ULONGLONG)facts.nFileSizeHigh << 32) | facts.nFileSizeLow;
    }
    std::string player = g_folder + "tarvex.exe";
    SetRuntimeSourceFolder(g_runtime.c_str());
    double first = Best(3, [&] {
        DeleteFileA(player.c_str());
        PrepareProjectFolder(g_folder.c_str(), NULL, TRUE);
    });
    double again = Best(5, [&] { PrepareProjectFolder(g_folder.c_str(), NULL, TRUE); });
    SetRuntimeSourceFolder(g_noRuntime.c_str());
    double none = Best(5, [&] { PrepareProjectFolder(g_folder.c_str(), NULL, TRUE); });
    printf("  disc-folder preparation with the installed runtime and libraries (%.0f KB): %.1f ms with the "
           "player copied, %.1f ms without (the libraries), %.1f ms with no copies; left out of the ratios\n",
           (double)bytes / 1024, first * 1e3, again * 1e3, none * 1e3);
    DeleteFileA(player.c_str());
    for (const char* name : { "giflib32.dll", "ijl10.dll", "msvcrt.dll" })
        DeleteFileA((g_folder + name).c_str());
}

void OpenAndSave()
{
    const int sizes[] = { 1000, 10000, 100000 };
    const int count = sizeof sizes / sizeof sizes[0];
    double perElement[count];
    for (int i = 0; i < count; ++i)
    {
        int elements = sizes[i];
        WriteProject(elements / 100, 100);
        int runs = elements >= 100000 ? 3 : elements >= 10000 ? 4 : 7;
        double document = OpenThenSave(runs);
        double archive = ArchiveReadAndWrite(runs);
        perElement[i] = document / elements;
        double ratio = document / archive;
        printf("  %6d elements: open then save %8.1f ms (%.2f us an element); archive read and write %8.1f ms: "
               "%.2fx (target <= 2.0x): %s\n",
               elements, document * 1e3, perElement[i] * 1e6, archive * 1e3, ratio, Verdict(ratio, 2.0));
        double open = OpenThenSave(runs, false);
        double read = ArchiveReadOnly(runs);
        printf("      where it goes: the open %.1f ms (the archive's read %.1f ms), the save with every page passed "
               "through the model %.1f ms (the archive's write %.1f ms)\n",
               open * 1e3, read * 1e3, (document - open) * 1e3, (archive - read) * 1e3);
    }
    double ratio = perElement[count - 1] / perElement[0];
    printf("  cost per element, 100,000 against 1,000 elements: %.2fx (target <= 1.5x): %s\n", ratio,
           Verdict(ratio, 1.5));
    printf("  AutoRun write of a save: %.2f ms (in the figures above)\n", AutoRunWrite(7) * 1e3);
    DiscFolderCopies();

    WritePicture();
    const int picturePages = 1000;
    WriteProject(picturePages, 1, -1, OnePicture);
    double document = OpenThenSave(3);
    double archive = ArchiveReadAndWrite(3);
    printf("  %d pages of one picture each: open then save %.1f ms; archive read and write %.1f ms: %.2fx "
           "(no target)\n",
           picturePages, document * 1e3, archive * 1e3, document / archive);
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
        times[i] = Best(5, [&] {
            for (int s = 0; s < switches; ++s)
                document.SetCurrentPage(s % 2 ? a : b, FALSE);
        }) / switches;
        document.DeleteContents();
        printf("  switch to a page of 10 elements in %4d pages: %.3f ms\n", pageCounts[i], times[i] * 1e3);
    }
    double ratio = times[1] / times[0];
    printf("  1,000 pages against 2: %.2fx (target <= 1.2x): %s\n", ratio, Verdict(ratio, 1.2));
}

// The editor as a person has it, without its start-up: the template, the
// main frame with its toolbar, status bar, object tree and page view.
class CBenchApp : public CWinApp
{
public:
    CBenchApp() : CWinApp("ProjectBench") {}
    CWnd* Frame() const { return m_pMainWnd; }
    // File Open of a project: the template reads it into the one document
    // (the application would only bring forward a file of the same path).
    void Open(const char* path)
    {
        POSITION position = GetFirstDocTemplatePosition();
        GetNextDocTemplate(position)->OpenDocumentFile(path);
    }

    CLumbrookConfigDoc* Start()
    {
        InitApplication();
        SetRegistryKey("Dunmarrow Software");
        InitCommonControls();
        InstallEditorServices();
        CSingleDocTemplate* docTemplate = new CSingleDocTemplate(
            IDR_MAINFRAME, RUNTIME_CLASS(CLumbrookConfigDoc), RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CLumbrookConfigView));
        AddDocTemplate(docTemplate);
        CDocument* document = docTemplate->CreateNewDocument();
        CFrameWnd* frame = document ? docTemplate->CreateNewFrame(document, NULL) : NULL;
        if (frame == NULL)
            return NULL;
        docTemplate->InitialUpdateFrame(frame, document, TRUE);
        m_pMainWnd = frame;
        frame->ShowWindow(SW_SHOW);
        frame->UpdateWindow();
        return dynamic_cast<CLumbrookConfigDoc*>(document);
    }
};

CBenchApp g_app;

// Dispatches what waits for this thread's windows: the repaints a person
// sees after a command.
void Pump()
{
    MSG message;
    while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

struct UndoSetup
{
    int pages;
    int elements;
};

struct UndoFigures
{
    double total;          // the snapshot of an edit and its Undo
    double snapshot;       // one snapshot: the page saved, the file written
    double restore;        // the snapshot file read and the page loaded from it
    double views;          // the hints of the Undo to the page view, and the tree's selection
    double tree;           // the tree rebuilt
};

// One round: an edit's snapshot and its Undo, as the Edit menu runs it.
void EditAndUndo(CLumbrookConfigDoc& document, CWnd* frame, int round)
{
    document.GetCurrentPage()->m_children[0]->m_xpos = round % 100;
    document.RecordChange();
    if (frame != NULL)
    {
        frame->SendMessage(WM_COMMAND, ID_EDIT_UNDO, 0);
        Pump();
    }
    else
    {
        document.GetUndo().Undo();
    }
}

double TimeRounds(int rounds, int runs, CLumbrookConfigDoc& document, CWnd* frame)
{
    int round = 0;
    return Best(runs, [&] {
               for (int r = 0; r < rounds; ++r)
                   EditAndUndo(document, frame, round++);
           }) /
           rounds;
}

// The steps of the Undo one by one, on the document in the frame.
UndoFigures TimeUndoParts(CLumbrookConfigDoc& document, CView* tree, CView* page, int rounds)
{
    UndoFigures f = {};
    CBrowser* current = document.GetCurrentPage();
    f.snapshot = Best(3, [&] {
                     for (int r = 0; r < rounds; ++r)
                         document.GetUndo().Record();
                 }) /
                 rounds;
    CStr path = document.GetUndo().GetNewestPath();
    f.restore = Best(3, [&] {
                    for (int r = 0; r < rounds; ++r)
                    {
                        CDataFile stored;
                        stored.LoadFromFile(path);
                        document.RestorePage(current, stored);
                    }
                }) /
                rounds;
    // The page view hears both hints; the tree only its selection here.
    f.views = Best(3, [&] {
                  for (int r = 0; r < rounds; ++r)
                  {
                      document.Select(NULL);
                      document.Select(current);
                      document.UpdateAllViews(tree, HintWholeDocument, NULL);
                      Pump();
                  }
              }) /
              rounds;
    f.tree = Best(3, [&] {
                 for (int r = 0; r < rounds; ++r)
                 {
                     document.UpdateAllViews(page, HintWholeDocument, NULL);
                     Pump();
                 }
             }) /
             rounds;
    return f;
}

// The document-only figure alone, for a profiler.
void DocumentUndo(int elements, int pages)
{
    WriteProject(pages, 10, elements);
    CLumbrookConfigDoc bare;
    bare.m_bAutoDelete = FALSE;
    bare.OnOpenDocument(ArchivePath().c_str());
    bare.GetUndo().SetLevels(10);
    double alone = TimeRounds(elements >= 1000 ? 5 : 20, 1, bare, NULL);
    bare.DeleteContents();
    printf("  %d elements in %d pages, document only: snapshot and Undo %.3f ms\n", elements, pages, alone * 1e3);
}

// elements and pages not 0: that setup alone.
void SnapshotsAndUndo(int onlyElements, int onlyPages)
{
    CLumbrookConfigDoc* framed = g_app.Start();
    if (framed == NULL)
    {
        printf("  the main frame could not be made\n");
        return;
    }
    CWnd* frame = g_app.Frame();
    CView* page = static_cast<CFrameWnd*>(frame)->GetActiveView();
    CView* tree = NULL;
    for (POSITION p = framed->GetFirstViewPosition(); p;)
    {
        CView* view = framed->GetNextView(p);
        if (dynamic_cast<CActionTreeView*>(view) != NULL)
            tree = view;
    }
    framed->GetUndo().SetLevels(10);
    const UndoSetup setups[] = { { 2, 10 }, { 2, 100 }, { 2, 1000 }, { 1000, 10 }, { 1000, 100 }, { 1000, 1000 } };
    for (const UndoSetup& setup : setups)
    {
        if (onlyElements && (setup.elements != onlyElements || setup.pages != onlyPages))
            continue;
        WriteProject(setup.pages, 10, setup.elements);
        int projectElements = setup.elements + (setup.pages - 1) * 10;
        double reference = OpenThenSave(setup.pages > 2 ? 4 : 7) - AutoRunWrite(5);
        double perProjectElement = reference / projectElements;

        SetRuntimeSourceFolder(g_noRuntime.c_str());
        g_app.Open(ArchivePath().c_str());
        Pump();
        const int rounds = setup.elements >= 1000 ? 5 : setup.elements >= 100 ? 20 : 50;
        UndoFigures f = {};
        f.total = TimeRounds(rounds, 3, *framed, frame);
        UndoFigures parts = TimeUndoParts(*framed, tree, page, rounds);
        framed->SetModifiedFlag(FALSE);

        CLumbrookConfigDoc bare;
        bare.m_bAutoDelete = FALSE;
        bare.OnOpenDocument(ArchivePath().c_str());
        bare.GetUndo().SetLevels(10);
        double alone = TimeRounds(rounds, 3, bare, NULL);
        bare.DeleteContents();

        double perPageElement = f.total / setup.elements;
        double ratio = perPageElement / perProjectElement;
        const bool targeted = setup.elements >= 100;
        printf("  %4d elements in %4d pages: snapshot and Undo %8.3f ms (%.2f us an element); open then save "
               "%.1f ms (%.2f us an element of %d): %.2fx (target <= 3x%s): %s\n",
               setup.elements, setup.pages, f.total * 1e3, perPageElement * 1e6, reference * 1e3,
               perProjectElement * 1e6, projectElements, ratio, targeted ? "" : ", printed only",
               targeted ? Verdict(ratio, 3.0) : "printed");
        printf("      where it goes: the snapshot's save %.3f ms, the restore's load %.3f ms, the views' updates "
               "%.3f ms, the tree's rebuild %.3f ms, the snapshot after the Undo %.3f ms\n",
               parts.snapshot * 1e3, parts.restore * 1e3, parts.views * 1e3, parts.tree * 1e3,
               parts.snapshot * 1e3);
        printf("      document only (no views): snapshot and Undo %.3f ms (%.2f us an element)\n", alone * 1e3,
               alone / setup.elements * 1e6);
    }
    framed->DeleteContents();
    framed->SetModifiedFlag(FALSE);
    frame->DestroyWindow();
    Pump();
}

} // namespace

// A box would hold the bench up: its text goes to the output instead.
int WINAPI PrintBox(HWND, const char* text, const char* caption, UINT)
{
    printf("  [box] %s: %s\n", caption ? caption : "", text ? text : "");
    return IDNO;
}

int main(int argc, char** argv)
{
    std::string only = argc > 1 ? argv[1] : "";
    // Each figure shows as soon as it is known.
    setvbuf(stdout, NULL, _IONBF, 0);
    SetMessageReporter(PrintBox);
    char runtime[MAX_PATH];
    // Taken whole now: the opens change the current folder.
    GetFullPathNameA(LUMBROOK_BIN, MAX_PATH, runtime, NULL);
    g_runtime = runtime;
    BuildActionTypeTable();
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    char folder[MAX_PATH];
    snprintf(folder, sizeof folder, "%sprojectbench_%lu\\", temp, GetCurrentProcessId());
    g_folder = folder;
    g_noRuntime = g_folder + "no-runtime\\";
    CreateFolderTree(g_folder.c_str());
    CreateFolderTree(g_noRuntime.c_str());
    SetRuntimeSourceFolder(g_noRuntime.c_str());
    if (only.empty() || only == "open")
    {
        printf("Open then save:\n");
        OpenAndSave();
    }
    if (only.empty() || only == "switch")
    {
        printf("Page switch:\n");
        SwitchPages();
    }
    if (only.empty() || only == "undo")
    {
        printf("Undo (main frame, page view and object tree open):\n");
        SnapshotsAndUndo(argc > 3 ? atoi(argv[2]) : 0, argc > 3 ? atoi(argv[3]) : 0);
    }
    if (only == "undo-document" && argc > 3)
        DocumentUndo(atoi(argv[2]), atoi(argv[3]));
    return 0;
}
