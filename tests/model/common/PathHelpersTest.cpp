#include "model/common/PathHelpers.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <string.h>
#include <string>

namespace {

struct PathBuffer
{
    explicit PathBuffer(const std::string& text)
    {
        memset(chars, 0, sizeof(chars));
        strncpy(chars, text.c_str(), MAX_PATH - 1);
    }
    char chars[MAX_PATH];
};

// A path of exactly the given length: "C:\" then 'd' characters.
std::string PathOfLength(size_t length)
{
    return "C:\\" + std::string(length - 3, 'd');
}

struct InOut
{
    const char* in;
    const char* out;
};

} // namespace

TEST(PathHelpers, AddAndRemoveBackslash)
{
    const InOut added[] = {
        { "C:\\x", "C:\\x\\" },
        { "C:\\x\\", "C:\\x\\" },
        { "", "\\" },
        { "a/", "a/\\" },
    };
    for (const InOut& c : added)
    {
        PathBuffer path(c.in);
        EXPECT_TRUE(AddBackslash(path.chars)) << c.in;
        EXPECT_STREQ(c.out, path.chars) << c.in;
    }

    const InOut removed[] = {
        { "C:\\x\\", "C:\\x" },
        { "C:\\x", "C:\\x" },
        { "\\", "" },
        { "", "" },
        { "a\\\\", "a\\" },
    };
    for (const InOut& c : removed)
    {
        PathBuffer path(c.in);
        RemoveBackslash(path.chars);
        EXPECT_STREQ(c.out, path.chars) << c.in;
    }
}

TEST(PathHelpers, AddBackslashNeverWritesPastMaxPath)
{
    PathBuffer roomForOne(PathOfLength(MAX_PATH - 2));
    EXPECT_TRUE(AddBackslash(roomForOne.chars));
    EXPECT_EQ(size_t(MAX_PATH - 1), strlen(roomForOne.chars));

    const std::string full = PathOfLength(MAX_PATH - 1);
    PathBuffer noRoom(full);
    EXPECT_FALSE(AddBackslash(noRoom.chars));
    EXPECT_EQ(full, noRoom.chars);
}

TEST(PathHelpers, IsRelativePath)
{
    const struct { const char* path; BOOL relative; } cases[] = {
        { "a\\b.txt", TRUE },
        { "\\a\\b.txt", TRUE },
        { "..\\b", TRUE },
        { "", TRUE },
        { "C:\\a", FALSE },
        { "C:a", FALSE },
        { "http://x", FALSE },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.relative, IsRelativePath(c.path)) << c.path;
}

TEST(PathHelpers, FileExistsFindsFilesFoldersAndWildcards)
{
    ScratchDir dir;
    WriteWholeFile(dir.File("page.pgd"), "x");
    ASSERT_TRUE(CreateDirectoryA(dir.File("sub").c_str(), NULL));
    std::string folder = dir.Path();
    folder.pop_back();

    const struct { std::string path; BOOL exists; } cases[] = {
        { dir.File("page.pgd"), TRUE },
        { dir.File("sub"), TRUE },
        { folder, TRUE },
        { dir.File("*.pgd"), TRUE },
        { dir.File("p?ge.pgd"), TRUE },
        { dir.File("missing.pgd"), FALSE },
        { dir.File("*.txt"), FALSE },
        { dir.File("sub\\nothing"), FALSE },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.exists, FileExists(c.path.c_str())) << c.path;
}

TEST(PathHelpers, FileExistsClosesItsFindHandle)
{
    ScratchDir dir;
    WriteWholeFile(dir.File("page.pgd"), "x");
    const std::string path = dir.File("*.pgd");

    // Handles are handed out from the lowest free slot: a probe handle made
    // after the calls lands far above the first one if they leak.
    HANDLE first = CreateEventA(NULL, FALSE, FALSE, NULL);
    ASSERT_NE(nullptr, first);
    CloseHandle(first);
    for (int i = 0; i < 200; ++i)
        ASSERT_TRUE(FileExists(path.c_str()));
    HANDLE probe = CreateEventA(NULL, FALSE, FALSE, NULL);
    ASSERT_NE(nullptr, probe);
    CloseHandle(probe);
    EXPECT_LT((UINT_PTR)probe, (UINT_PTR)first + 50 * sizeof(HANDLE));
}

TEST(PathHelpers, GetFileNamePartAndRemoveFileSpec)
{
    const struct { const char* path; const char* name; const char* folder; } cases[] = {
        { "C:\\a\\b.txt", "b.txt", "C:\\a\\" },
        { "b.txt", "b.txt", "" },
        { "C:/x/y.txt", "y.txt", "C:/x/" },
        { "C:\\x/y.txt", "x/y.txt", "C:\\" },
        { "C:\\a\\b\\", "b\\", "C:\\a\\" },
        { "C:/a/b/", "b/", "C:/a/" },
        { "C:\\a/b/", "a/b/", "C:\\" },
        { "a\\", "a\\", "" },
        { "\\", "\\", "" },
        { "\\a", "a", "\\" },
        { "C:\\", "C:\\", "" },
        { "", "", "" },
    };
    for (const auto& c : cases)
    {
        PathBuffer path(c.path);
        char* name = GetFileNamePart(path.chars);
        EXPECT_STREQ(c.name, name) << c.path;
        EXPECT_EQ(path.chars + strlen(c.path) - strlen(c.name), name) << c.path;
        EXPECT_EQ(name, GetFileNamePart(static_cast<const char*>(path.chars))) << c.path;

        RemoveFileSpec(path.chars);
        EXPECT_STREQ(c.folder, path.chars) << c.path;
    }
}

TEST(PathHelpers, NextPathComponent)
{
    const InOut cases[] = {
        { "a\\b", "b" },
        { "a\\b\\c", "b\\c" },
        { "\\b", "b" },
        { "a\\\\b", "\\b" },
        { "a/b", nullptr },
        { "a\\", nullptr },
        { "a", nullptr },
        { "", nullptr },
    };
    for (const InOut& c : cases)
    {
        PathBuffer text(c.in);
        char* next = NextPathComponent(text.chars);
        if (!c.out)
        {
            EXPECT_EQ(nullptr, next) << c.in;
            continue;
        }
        ASSERT_NE(nullptr, next) << c.in;
        EXPECT_STREQ(c.out, next) << c.in;
        EXPECT_EQ(next, NextPathComponent(static_cast<const char*>(text.chars))) << c.in;
    }
}

TEST(PathHelpers, CanonicalizePath)
{
    const InOut cases[] = {
        { "C:\\proj\\pages\\a.pgd", "C:\\proj\\pages\\a.pgd" },
        { "C:\\proj\\sub\\..\\a.pgd", "C:\\proj\\a.pgd" },
        { "C:\\proj\\.\\a.pgd", "C:\\proj\\a.pgd" },
        // Names that merely begin with dots are names.
        { "C:\\proj\\.hidden\\a.pgd", "C:\\proj\\.hidden\\a.pgd" },
        { "C:\\w\\.ci\\clone\\..\\b", "C:\\w\\.ci\\b" },
        { "C:\\a\\..data\\b", "C:\\a\\..data\\b" },
        { "C:\\a\\...\\b", "C:\\a\\...\\b" },
        { ".cache\\x", ".cache\\x" },
        { "a\\b.\\c", "a\\b.\\c" },
        { "C:\\a\\b\\c\\..\\..\\d", "C:\\a\\d" },
        { "C:\\a\\b\\", "C:\\a\\b" },
        { "a\\..\\b", "b" },
        { "..\\b", "b" },
        { "a\\b\\.", "a\\b" },
        { "\\a\\b", "\\a\\b" },
        { "\\a\\.\\b", "\\a\\b" },
        { "", "" },
        // ".." stops at the root: the drive part and a leading '\' stay.
        { "C:\\a\\..\\..\\b", "C:\\b" },
        { "C:\\..\\b", "C:\\b" },
        { "\\a\\..\\b", "\\b" },
        { "\\a\\..\\..\\b", "\\b" },
        { "\\..\\b", "\\b" },
    };
    for (const InOut& c : cases)
    {
        char out[MAX_PATH] = "left over";
        EXPECT_TRUE(CanonicalizePath(out, c.in)) << c.in;
        EXPECT_STREQ(c.out, out) << c.in;

        PathBuffer same(c.in);
        EXPECT_TRUE(CanonicalizePath(same.chars, same.chars)) << c.in;
        EXPECT_STREQ(c.out, same.chars) << c.in;
    }
}

TEST(PathHelpers, CanonicalizePathRefusesResultsBeyondMaxPath)
{
    const std::string tooLong = PathOfLength(MAX_PATH);
    char out[MAX_PATH] = "kept";
    EXPECT_FALSE(CanonicalizePath(out, tooLong.c_str()));
    EXPECT_STREQ("kept", out);

    // A long input whose canonical form fits is fine.
    const std::string shrinking = tooLong + "\\..\\x";
    EXPECT_TRUE(CanonicalizePath(out, shrinking.c_str()));
    EXPECT_STREQ("C:\\x", out);
}

TEST(PathHelpers, AppendPath)
{
    const struct { const char* folder; const char* relative; const char* result; } cases[] = {
        { "C:\\proj", "pages\\a.pgd", "C:\\proj\\pages\\a.pgd" },
        { "C:\\proj\\", "\\a.pgd", "C:\\proj\\a.pgd" },
        { "C:\\proj", "\\a.pgd", "C:\\proj\\a.pgd" },
        { "C:\\proj\\", "a.pgd", "C:\\proj\\a.pgd" },
        { "C:\\proj\\sub", "..\\a.pgd", "C:\\proj\\a.pgd" },
        { "C:\\proj", ".\\a.pgd", "C:\\proj\\a.pgd" },
        { "C:\\proj", "..\\..\\..\\a.pgd", "C:\\a.pgd" },
        { "", "a.pgd", "a.pgd" },
        { "", "\\a.pgd", "\\a.pgd" },
    };
    for (const auto& c : cases)
    {
        PathBuffer folder(c.folder);
        EXPECT_TRUE(AppendPath(folder.chars, c.relative)) << c.folder << " + " << c.relative;
        EXPECT_STREQ(c.result, folder.chars) << c.folder << " + " << c.relative;
    }
}

TEST(PathHelpers, AppendPathNeverWritesPastMaxPath)
{
    const std::string folderText = PathOfLength(200);
    const std::string longName(80, 'n');

    PathBuffer overflowing(folderText);
    EXPECT_FALSE(AppendPath(overflowing.chars, longName.c_str()));
    EXPECT_EQ(folderText, overflowing.chars);

    // The join is longer than MAX_PATH, its canonical form is not.
    PathBuffer fitting(folderText);
    EXPECT_TRUE(AppendPath(fitting.chars, ("..\\" + longName).c_str()));
    EXPECT_EQ("C:\\" + longName, fitting.chars);

    PathBuffer exact(PathOfLength(MAX_PATH - 3));
    EXPECT_TRUE(AppendPath(exact.chars, "x"));
    EXPECT_EQ(size_t(MAX_PATH - 1), strlen(exact.chars));
}

namespace {

// A memory DC with a real font, so that widths come from the font itself.
class FontDC
{
public:
    explicit FontDC(int height)
    {
        m_dc = CreateCompatibleDC(NULL);
        m_font = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_SWISS, "Arial");
        m_previous = SelectObject(m_dc, m_font);
    }
    ~FontDC()
    {
        SelectObject(m_dc, m_previous);
        DeleteObject(m_font);
        DeleteDC(m_dc);
    }
    HDC dc() const { return m_dc; }
    HFONT font() const { return m_font; }
    int Width(const std::string& text) const
    {
        SIZE size = { 0, 0 };
        GetTextExtentPoint32A(m_dc, text.c_str(), (int)text.size(), &size);
        return size.cx;
    }

private:
    HDC m_dc;
    HFONT m_font;
    HGDIOBJ m_previous;
};

const char kLongPath[] = "C:\\Program Files\\Vendor\\Product\\Docs\\readme.txt";

} // namespace

TEST(PathHelpers, CompactPathToWidth)
{
    FontDC font(16);
    ASSERT_GT(font.Width("..."), 0);
    const std::string path = kLongPath;
    const std::string shortest = "...\\readme.txt";
    const std::string vendor = "C:\\Program Files\\Vendor...\\readme.txt";
    const std::string vendorSlash = "C:\\Program Files\\Vendor\\...\\readme.txt";
    const std::string lonelyName = "a_rather_long_file_name_without_folders.txt";

    const struct
    {
        const char* label;
        std::string path;
        int width;
        std::string result;
        BOOL fits;
    } cases[] = {
        { "fits exactly", path, font.Width(path), path, TRUE },
        { "fits loosely", path, font.Width(path) + 40, path, TRUE },
        { "candidate exactly as wide", path, font.Width(vendor), vendor, TRUE },
        { "one pixel short of the next candidate", path, font.Width(vendorSlash) - 1, vendor, TRUE },
        { "narrower than the file name", path, font.Width(shortest) - 1, shortest, TRUE },
        { "no width at all", path, 0, shortest, TRUE },
        { "file name is the whole path", lonelyName, 10, lonelyName, FALSE },
        // "...\" would make "C:\readme.txt" longer, so it stays.
        { "prefix shorter than the ellipsis", "C:\\readme.txt", 10, "C:\\readme.txt", FALSE },
    };
    for (const auto& c : cases)
    {
        PathBuffer buffer(c.path);
        EXPECT_EQ(c.fits, CompactPathToWidth(font.dc(), buffer.chars, c.width)) << c.label;
        EXPECT_EQ(c.result, buffer.chars) << c.label;
    }
}

TEST(PathHelpers, CompactPathToWidthNeverMakesAPathLonger)
{
    FontDC font(16);
    const std::string path = kLongPath;
    const std::string name = "readme.txt";
    const int whole = font.Width(path);
    for (int width = 0; width <= whole; ++width)
    {
        PathBuffer buffer(path);
        EXPECT_TRUE(CompactPathToWidth(font.dc(), buffer.chars, width)) << width;
        const std::string result = buffer.chars;
        EXPECT_LE(result.size(), path.size()) << width << ": " << result;
        if (result == path)
            continue;
        const size_t kept = result.size() - 4 - name.size();
        EXPECT_EQ(path.substr(0, kept) + "...\\" + name, result) << width;
        if (kept > 0)
        {
            EXPECT_LE(font.Width(result), width) << width << ": " << result;
        }
    }
}

namespace {

// A hidden parent window with one static child, id 100, of the given width.
class PathWindow
{
public:
    explicit PathWindow(int childWidth)
    {
        m_parent = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 600, 100, NULL, NULL, NULL, NULL);
        m_child = CreateWindowA("STATIC", "before", WS_CHILD | SS_LEFT, 0, 0, childWidth, 30, m_parent,
                                (HMENU)(INT_PTR)100, NULL, NULL);
    }
    ~PathWindow() { DestroyWindow(m_parent); }
    HWND parent() const { return m_parent; }
    HWND child() const { return m_child; }
    std::string ChildText() const
    {
        char text[MAX_PATH] = "";
        GetWindowTextA(m_child, text, MAX_PATH);
        return text;
    }

private:
    HWND m_parent;
    HWND m_child;
};

} // namespace

TEST(PathHelpers, SetDlgItemPathCompactsInTheControlsFontAndWidth)
{
    FontDC big(40);
    FontDC small(12);
    PathWindow window(300);
    ASSERT_NE(nullptr, window.child());
    SendMessageA(window.child(), WM_SETFONT, (WPARAM)big.font(), FALSE);
    RECT client;
    GetClientRect(window.child(), &client);
    const int width = client.right - client.left;

    PathBuffer inBig(kLongPath);
    CompactPathToWidth(big.dc(), inBig.chars, width);
    PathBuffer inSmall(kLongPath);
    CompactPathToWidth(small.dc(), inSmall.chars, width);
    ASSERT_STRNE(inBig.chars, inSmall.chars);

    SetDlgItemPath(window.parent(), 100, kLongPath);
    EXPECT_EQ(inBig.chars, window.ChildText());

    SendMessageA(window.child(), WM_SETFONT, (WPARAM)small.font(), FALSE);
    SetDlgItemPath(window.parent(), 100, kLongPath);
    EXPECT_EQ(inSmall.chars, window.ChildText());

    SetDlgItemPath(window.parent(), 100, "C:\\a.txt");
    EXPECT_EQ("C:\\a.txt", window.ChildText());
}

TEST(PathHelpers, SetDlgItemPathIgnoresAMissingControl)
{
    PathWindow window(300);
    ASSERT_NE(nullptr, window.child());
    SetDlgItemPath(window.parent(), 101, kLongPath);
    EXPECT_EQ("before", window.ChildText());
}
