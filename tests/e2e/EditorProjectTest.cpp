// The editor holds a project: one written elsewhere opens from the command
// line, its object is aligned, undone and saved from the installed layout,
// and hostile archives give a message or an empty document, never a crash.
#include "tests/e2e/EditorProcess.h"
#include "tests/e2e/PlayerProcess.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <string>

namespace {

const int kAlignRightScreen = 32796;
const int kEditUndo = 57643;

// A gzip file of the given uncompressed bytes.
bool WriteGzip(const std::string& path, const std::string& bytes)
{
    gzFile file = gzopen(path.c_str(), "wb");
    if (file == NULL)
        return false;
    bool ok = bytes.empty() || gzwrite(file, bytes.data(), (unsigned)bytes.size()) == (int)bytes.size();
    return gzclose(file) == Z_OK && ok;
}

std::string Record(const std::string& tag, const std::string& name, const std::string& text,
                   long long declaredCount = -1)
{
    std::string r = tag;
    r += (char)name.size();
    r += name;
    unsigned count = declaredCount < 0 ? (unsigned)text.size() : (unsigned)declaredCount;
    r.append((const char*)&count, 4);
    return r + text;
}

const std::string kPage =
    "[Main]\r\ntitle = t\r\nwidth = 240\r\nheight = 160\r\nnumElements = 1\r\n"
    "[Element_1]\r\ntype = Text\r\nid = T\r\ntext = T\r\n";

int XposOf(const std::string& archive)
{
    MessageRecorder quiet;
    CDataFileManager manager;
    if (!manager.ReadArchive(archive.c_str()) || manager.GetFileCount() == 0)
        return -1;
    int x = 0;
    manager.GetFile(0)->GetInt("Element_1", "xpos", x);
    return x;
}

bool WaitForFile(const std::string& path)
{
    return WaitUntil([&] { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; });
}

} // namespace

TEST(EditorProject, AProjectWrittenElsewhereIsAlignedUndoneAndSaved)
{
    ScratchDir scratch;
    ProjectArchive project;
    CDataFile* page = project.AddPage("tarvex.pgd", "Elsewhere");
    page->SetInt("Main", "numElements", 1);
    page->SetString("Element_1", "type", "Text");
    page->SetString("Element_1", "id", "Note");
    page->SetString("Element_1", "text", "Note");
    page->SetInt("Element_1", "xpos", 30);
    page->SetInt("Element_1", "ypos", 10);
    page->SetInt("Element_1", "width", 40);
    page->SetInt("Element_1", "height", 20);
    page->SetString("Element_1", "cursor", "hand");
    std::string path = scratch.File("elsewhere.pqz");
    ASSERT_TRUE(project.Write(path));
    // A scratch folder of an earlier run under the same name may hold one.
    DeleteFileA(scratch.File("tarvex.pqz").c_str());

    EditorProcess editor;
    ASSERT_TRUE(editor.StartAndShow("\"" + path + "\""));
    // Opened where no "tarvex.pqz" was: the placeholder becomes its name.
    ASSERT_TRUE(editor.WaitForTitle("tarvex.pqz - Quindle")) << editor.Title();
    // The title changes while the folder is still being prepared.
    EXPECT_TRUE(WaitForFile(scratch.File("tarvex.dat\\tarvex.ico")));
    EXPECT_TRUE(WaitForFile(scratch.File("tarvex.exe")));

    HWND tree = editor.Tree();
    HTREEITEM root = (HTREEITEM)SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    HTREEITEM note = (HTREEITEM)SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, (LPARAM)root);
    ASSERT_TRUE(note != NULL);
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, (LPARAM)note);
    ASSERT_TRUE(editor.Answers());

    std::string saved = scratch.File("tarvex.pqz");
    editor.PostCommand(kAlignRightScreen);
    ASSERT_TRUE(editor.SaveAndWait());
    EXPECT_EQ(200, XposOf(saved));
    editor.PostCommand(kEditUndo);
    ASSERT_TRUE(editor.SaveAndWait());
    EXPECT_EQ(30, XposOf(saved));

    // The key the editor does not write is still there.
    MessageRecorder quiet;
    CDataFileManager manager;
    ASSERT_TRUE(manager.ReadArchive(saved.c_str()));
    CStr cursor;
    EXPECT_TRUE(manager.GetFile(0)->GetString("Element_1", "cursor", cursor));
    EXPECT_STREQ("hand", cursor);
    EXPECT_TRUE(editor.Messages().empty());
    EXPECT_TRUE(editor.Close());
}

TEST(EditorProject, HostileArchivesGiveAMessageOrAnEmptyDocument)
{
    ScratchDir scratch;
    std::string longLine = "[Main]\r\ntitle = " + std::string(200000, 'x') + "\r\nnumElements = 1\r\n";
    struct Case
    {
        const char* what;
        std::string bytes;   // before compression
    };
    const Case cases[] = {
        { "magic only", "QNDL" },
        { "count past the end", "QNDL" + Record("PGD", "tarvex.pgd", kPage, 0x7fffffff) },
        { "long name length", "QNDL" + std::string("PGD\xff\xff\xff\xff\x7f", 8) + "x" },
        { "unknown tag", "QNDL" + Record("ZZZ", "a", "b") + Record("PGD", "tarvex.pgd", kPage) },
        { "cut in a record", ("QNDL" + Record("PGD", "tarvex.pgd", kPage)).substr(0, 30) },
        { "huge element count",
          "QNDL" + Record("PGD", "tarvex.pgd", "[Main]\r\nnumElements = 2000000000\r\n[Element_1]\r\ntype = Text\r\n") },
        { "negative counts",
          "QNDL" + Record("PGD", "tarvex.pgd",
                          "[Main]\r\nnumElements = -4\r\nnumScripts = -9\r\n[Script_1]\r\nnumScriptItems = 99999\r\n") },
        { "keys without values", "QNDL" + Record("PGD", "tarvex.pgd", "[Main\r\n=\r\n = =\r\n[]\r\nid\r\n") },
        { "very long lines", "QNDL" + Record("PGD", "tarvex.pgd", longLine) },
        { "hostile ids", "QNDL" + Record("PGD", "tarvex.pgd",
                                         "[Main]\r\nid = ..\\..\\..\\x:y\r\nnumElements = 1\r\n"
                                         "[Element_1]\r\ntype = Image\r\nid = %s%n\r\nsrc = \\\\?\\nul\r\n") },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        std::string path = scratch.File("hostile.pqz");
        ASSERT_TRUE(WriteGzip(path, c.bytes));
        EditorProcess editor;
        ASSERT_TRUE(editor.Start(EditorExePath(), "\"" + path + "\""));
        // Either the project opened as far as it could and the program goes
        // on, or it ended with the reader's message.
        editor.WaitForWindow();
        if (editor.IsRunning() && editor.WaitForIdle() && editor.Answers())
        {
            EXPECT_TRUE(editor.Close());
        }
        else
        {
            ASSERT_TRUE(editor.WaitForExit());
            EXPECT_FALSE(editor.Messages().empty());
        }
        EXPECT_LT(editor.ExitCode(), 0xC0000000u);
    }
}
