#include "model/common/Str.h"
#include "tests/support/BoxRule.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

const int kPoolLists = 20;

void ResetPools()
{
    CStr::SetPoolingOff(TRUE);
    CStr::SetPoolingOff(FALSE);
}

int TotalPooled()
{
    int total = 0;
    for (int list = 0; list < kPoolLists; ++list)
        total += CStr::PooledBlockCount(list);
    return total;
}

std::string Digits(int length)
{
    std::string s;
    for (int i = 0; i < length; ++i)
        s.push_back(char('0' + i % 10));
    return s;
}

void AppendFormat(CStr& s, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    s.FormatV(format, args);
    va_end(args);
}

std::string Text(const CStr& s)
{
    return std::string(s.c_str(), s.GetLength());
}

// The one box the watch saw is the fatal message of the text.
void ExpectFatal(const BoxWatch& watch, const char* text, const std::string& name)
{
    std::vector<ShownBox> boxes = watch.Boxes();
    ASSERT_EQ(1u, boxes.size()) << name;
    const ShownBox& m = boxes[0];
    EXPECT_EQ(text, m.text) << name;
    EXPECT_EQ("", m.caption) << name;
    EXPECT_EQ(UINT(MB_SYSTEMMODAL | MB_ICONERROR), m.flags) << name;
    EXPECT_FALSE(m.hasOwner) << name;
}

} // namespace

TEST(CStr, EmptyTextsShareOneRepresentationThatIsNeverCounted)
{
    CStr a;
    CStr b("");
    CStr c(NULL);
    CStr d(b);
    const int refs = a.GetRefCount();
    for (const CStr* s : { &a, &b, &c, &d })
    {
        EXPECT_TRUE(s->IsSharedEmpty());
        EXPECT_EQ(a.c_str(), s->c_str());
        EXPECT_EQ(0, s->GetLength());
    }
    ResetPools();
    for (int i = 0; i < 100; ++i)
    {
        CStr copy(a);
        CStr other;
        other = copy;
        other.Empty();
    }
    EXPECT_EQ(refs, a.GetRefCount());
    EXPECT_EQ(0, TotalPooled());

    CStr reserved("", 1);
    EXPECT_FALSE(reserved.IsSharedEmpty());
    EXPECT_TRUE(reserved.IsEmpty());
    EXPECT_EQ(15, reserved.GetCapacity());

    // Assigning "" gives the block back.
    CStr text("abc");
    EXPECT_EQ(0, CStr::PooledBlockCount(2));
    text = "";
    EXPECT_TRUE(text.IsSharedEmpty());
    EXPECT_EQ(1, CStr::PooledBlockCount(2));

    CStr wide;
    wide.AssignWide(L"");
    EXPECT_TRUE(wide.IsSharedEmpty());
    wide.AssignWide(L"wide text");
    EXPECT_EQ("wide text", Text(wide));
}

TEST(CStr, CapacitiesAreAlwaysFifteenModuloSixteen)
{
    struct Case { const char* name; int length; int minimum; int capacity; };
    const Case cases[] = {
        { "one character", 1, 0, 15 },
        { "15 characters fill the 32-byte block", 15, 0, 15 },
        { "16 characters need the 48-byte block", 16, 0, 31 },
        { "31 characters", 31, 0, 31 },
        { "32 characters", 32, 0, 47 },
        { "empty with a minimum", 0, 1, 15 },
        { "minimum above the length", 5, 40, 47 },
        { "length above the minimum", 40, 5, 47 },
        { "negative minimum counts as 0", 3, -8, 15 },
    };
    for (const Case& c : cases)
    {
        std::string text = Digits(c.length);
        CStr s(text.c_str(), c.minimum);
        EXPECT_EQ(c.capacity, s.GetCapacity()) << c.name;
        EXPECT_EQ(text, Text(s)) << c.name;
        EXPECT_EQ(1, s.GetRefCount()) << c.name;

        CStr assigned;
        if (c.length)
        {
            assigned.AssignText(text.c_str());
            EXPECT_EQ(c.length | 15, assigned.GetCapacity()) << c.name;
        }
    }

    struct ConcatCase { const char* name; std::function<CStr()> make; const char* text; int capacity; };
    CStr ten(Digits(10).c_str());
    const ConcatCase concats[] = {
        { "Concat", [&] { return CStr::Concat(ten, ten); }, "01234567890123456789", 31 },
        { "ConcatText", [&] { return CStr::ConcatText(ten, "abc"); }, "0123456789abc", 15 },
        { "ConcatToText", [&] { return CStr::ConcatToText("abcdef", ten); }, "abcdef0123456789", 31 },
        { "operator+", [&] { return ten + "ab" + ten; }, "0123456789ab0123456789", 31 },
        { "two empties", [] { return CStr::Concat(CStr(), CStr()); }, "", 15 },
    };
    for (const ConcatCase& c : concats)
    {
        CStr s = c.make();
        EXPECT_EQ(c.text, Text(s)) << c.name;
        EXPECT_EQ(c.capacity, s.GetCapacity()) << c.name;
    }

    // Appends of a few characters stay in their block.
    CStr small("abc");
    const char* block = small.c_str();
    small += "defghijkl";
    small += 'm';
    EXPECT_EQ(block, small.c_str());
    EXPECT_EQ("abcdefghijklm", Text(small));
}

TEST(CStr, BlocksBelow320BytesArePooledByBlockSize)
{
    struct Case { int minimum; int capacity; int list; };  // list -1: never pooled
    const Case cases[] = {
        { 15, 15, 2 },      // 32 bytes
        { 16, 31, 3 },      // 48 bytes
        { 100, 111, 8 },    // 128 bytes
        { 287, 287, 19 },   // 304 bytes, the largest pooled block
        { 288, 303, -1 },   // 320 bytes
        { 1000, 1007, -1 },
    };
    for (const Case& c : cases)
    {
        ResetPools();
        const char* first;
        {
            CStr s("x", c.minimum);
            EXPECT_EQ(c.capacity, s.GetCapacity()) << c.minimum;
            first = s.c_str();
        }
        if (c.list < 0)
        {
            EXPECT_EQ(0, TotalPooled()) << c.minimum;
            continue;
        }
        EXPECT_EQ(1, CStr::PooledBlockCount(c.list)) << c.minimum;
        EXPECT_EQ(1, TotalPooled()) << c.minimum;
        CStr again("y", c.minimum);
        EXPECT_EQ(first, again.c_str()) << c.minimum;
        EXPECT_EQ(0, CStr::PooledBlockCount(c.list)) << c.minimum;
    }
    EXPECT_EQ(0, CStr::PooledBlockCount(-1));
    EXPECT_EQ(0, CStr::PooledBlockCount(20));
}

TEST(CStr, PoolingOffEmptiesTheListsAndReleasesStraightToTheHeap)
{
    ResetPools();
    {
        CStr a("a"), b("b", 40), c("c", 200);
    }
    EXPECT_EQ(3, TotalPooled());
    CStr::SetPoolingOff(TRUE);
    EXPECT_TRUE(CStr::IsPoolingOff());
    EXPECT_EQ(0, TotalPooled());
    {
        CStr a("a"), b("b", 40), c("c", 200);
        a += "more";
    }
    EXPECT_EQ(0, TotalPooled());
    CStr::SetPoolingOff(FALSE);
    EXPECT_FALSE(CStr::IsPoolingOff());
    {
        CStr a("a");
    }
    EXPECT_EQ(1, CStr::PooledBlockCount(2));
}

TEST(CStr, CopiesShareTheBlockUntilOneIsWritten)
{
    struct Case { const char* name; std::function<void(CStr&)> write; const char* expected; };
    const Case cases[] = {
        { "AppendChar", [](CStr& s) { s.AppendChar('!'); }, "Hello World!" },
        { "AppendText", [](CStr& s) { s.AppendText(" again"); }, "Hello World again" },
        { "AppendBytes", [](CStr& s) { s.AppendBytes("xyz", 2); }, "Hello Worldxy" },
        { "Prepend", [](CStr& s) { s.Prepend(">> "); }, ">> Hello World" },
        { "Truncate", [](CStr& s) { s.Truncate(5); }, "Hello" },
        { "DeleteLeft", [](CStr& s) { s.DeleteLeft(6); }, "World" },
        { "DeleteRight", [](CStr& s) { s.DeleteRight(6); }, "Hello" },
        { "MakeUpper", [](CStr& s) { s.MakeUpper(); }, "HELLO WORLD" },
        { "MakeLower", [](CStr& s) { s.MakeLower(); }, "hello world" },
        { "Empty", [](CStr& s) { s.Empty(); }, "" },
        { "AssignText", [](CStr& s) { s.AssignText("other"); }, "other" },
        { "Format", [](CStr& s) { s.Format("%d", 12); }, "12" },
        { "GetBuffer", [](CStr& s) { s.GetBuffer(0)[0] = 'J'; }, "Jello World" },
    };
    for (const Case& c : cases)
    {
        CStr original("Hello World");
        const char* block = original.c_str();
        CStr copy(original);
        EXPECT_EQ(block, copy.c_str()) << c.name;
        EXPECT_EQ(2, original.GetRefCount()) << c.name;

        c.write(copy);
        EXPECT_EQ(c.expected, Text(copy)) << c.name;
        EXPECT_NE(block, copy.c_str()) << c.name;
        EXPECT_EQ(1, copy.GetRefCount()) << c.name;
        EXPECT_EQ("Hello World", Text(original)) << c.name;
        EXPECT_EQ(block, original.c_str()) << c.name;
        EXPECT_EQ(1, original.GetRefCount()) << c.name;
    }

    CStr a("shared"), b;
    b = a;
    EXPECT_EQ(a.c_str(), b.c_str());
    EXPECT_EQ(2, a.GetRefCount());
    b = b;
    EXPECT_EQ(2, a.GetRefCount());
    CStr moved(std::move(b));
    EXPECT_TRUE(b.IsSharedEmpty());
    EXPECT_EQ(a.c_str(), moved.c_str());
    EXPECT_EQ(2, a.GetRefCount());
}

TEST(CStr, FindAnswersMinusOneAndCodeTwoForAStartAtOrPastTheEnd)
{
    struct Case { const char* text; const char* needle; int start; int expected; bool fatal; };
    const Case cases[] = {
        { "", "x", 0, -1, false },
        { "", "", 0, 0, false },
        { "abcabc", "bc", 0, 1, false },
        { "abcabc", "bc", 2, 4, false },
        { "abcabc", "c", 5, 5, false },
        { "abcabc", "x", 0, -1, false },
        { "abcabc", "", 3, 3, false },
        { "abc", "c", 3, -1, true },
        { "abc", "", 3, -1, true },
        { "abc", "a", 10, -1, true },
        { "", "x", 1, -1, true },
        // A negative start counts as 0.
        { "abc", "b", -5, 1, false },
        { "", "x", -1, -1, false },
    };
    for (const Case& c : cases)
    {
        CStr s(c.text);
        std::string name = std::string("\"") + c.text + "\" \"" + c.needle + "\" from " + std::to_string(c.start);
        {
            if (c.fatal)
                ExpectBox("CStr fatal 2");
            BoxWatch watch;
            EXPECT_EQ(c.expected, s.Find(c.needle, c.start)) << name;
            if (c.fatal)
                ExpectFatal(watch, "CStr fatal 2", name);
            else
                EXPECT_TRUE(watch.Texts().empty()) << name;
        }
        if (*c.needle)
        {
            if (c.fatal)
                ExpectBox("CStr fatal 2");
            BoxWatch watch;
            EXPECT_EQ(c.expected, s.FindChar(c.needle[0], c.start)) << "FindChar " << name;
            EXPECT_EQ(c.fatal ? 1u : 0u, watch.Texts().size()) << "FindChar " << name;
        }
    }

    CStr s("Hello World");
    EXPECT_EQ(6, s.FindNoCase("wORLD"));
    EXPECT_EQ(-1, s.FindNoCase("hello", 1));
    EXPECT_EQ("Hello World", Text(s));
}

TEST(CStr, FormatFollowsItsOwnConversionRules)
{
    CStr other("xyz");
    struct Case { const char* name; std::function<void(CStr&)> format; const char* expected; };
    const Case cases[] = {
        { "doubled percent", [](CStr& s) { s.Format("100%%"); }, "100%" },
        { "percent, width 5, percent", [](CStr& s) { s.Format("[%5%]"); }, "[%]" },
        { "NULL text", [](CStr& s) { s.Format("<%s>", (const char*)NULL); }, "<(null)>" },
        { "precision 3 of abcdef", [](CStr& s) { s.Format("%.3s", "abcdef"); }, "abc" },
        { "precision above the length", [](CStr& s) { s.Format("%.10s", "abc"); }, "abc" },
        { "precision 0", [](CStr& s) { s.Format("[%.0s]", "abc"); }, "[]" },
        { "width has no effect on text", [](CStr& s) { s.Format("[%-10s|%10s]", "ab", "cd"); }, "[ab|cd]" },
        { "empty text", [](CStr& s) { s.Format("[%s]", ""); }, "[]" },
        { "CStr address", [&](CStr& s) { s.Format("<%!>", &other); }, "<xyz>" },
        { "plain int", [](CStr& s) { s.Format("%d,%i", -42, 2147483647); }, "-42,2147483647" },
        { "most negative int", [](CStr& s) { s.Format("%d", (int)0x80000000); }, "-2147483648" },
        { "width and zero pad", [](CStr& s) { s.Format("[%5d|%-5d|%05d]", 42, 42, 42); }, "[   42|42   |00042]" },
        { "hex", [](CStr& s) { s.Format("%x %X %#x %08X", 255, 255, 255, 0xBEEF); }, "ff FF 0xff 0000BEEF" },
        { "unsigned", [](CStr& s) { s.Format("%u", -1); }, "4294967295" },
        { "long", [](CStr& s) { s.Format("%ld", 7L); }, "7" },
        { "character", [](CStr& s) { s.Format("%c%c", 'o', 'k'); }, "ok" },
        { "pointer", [](CStr& s) { s.Format("%p", (void*)0x1234); },
          sizeof(void*) == 8 ? "0000000000001234" : "00001234" },
        { "fixed", [](CStr& s) { s.Format("%.2f|%f", 3.14159, 0.5); }, "3.14|0.500000" },
        { "fixed with width", [](CStr& s) { s.Format("[%8.3f|%-8.1f]", 2.25, 1.5); }, "[   2.250|1.5     ]" },
        { "exponent", [](CStr& s) { s.Format("%e %E", 1.0, 12345.678); }, "1.000000e+00 1.234568E+04" },
        { "general", [](CStr& s) { s.Format("%g %G %g", 0.5, 1e-20, 100000.0); }, "0.5 1E-20 100000" },
        { "double with l", [](CStr& s) { s.Format("%lf", 1.5); }, "1.500000" },
        { "mixed", [](CStr& s) { s.Format("%s=%d (%.1f)", "key", 3, 2.5); }, "key=3 (2.5)" },
        { "S ends formatting", [](CStr& s) { s.Format("a%Sb%d", 5); }, "ab%d" },
        { "trailing percent", [](CStr& s) { s.Format("end%"); }, "end" },
        { "unknown letter", [](CStr& s) { s.Format("%q%5y"); }, "qy" },
        { "no conversions", [](CStr& s) { s.Format("plain"); }, "plain" },
        { "only a literal", [](CStr& s) { s.Format(""); }, "" },
    };
    for (const Case& c : cases)
    {
        BoxWatch watch;
        CStr s("old contents");
        c.format(s);
        EXPECT_EQ(c.expected, Text(s)) << c.name;
        CStr fresh;
        c.format(fresh);
        EXPECT_EQ(c.expected, Text(fresh)) << c.name << " (from empty)";
        EXPECT_TRUE(watch.Texts().empty()) << c.name;
    }

    ExpectBox("CStr fatal 3");
    BoxWatch watch;
    CStr s;
    s.Format("a%nb%d", 5);
    EXPECT_EQ("ab%d", Text(s));
    ExpectFatal(watch, "CStr fatal 3", "conversion n");
}

TEST(CStr, FormatReservesByTheFormatOnlyForTheSharedEmpty)
{
    struct Case { const char* format; int capacity; };
    const Case cases[] = {
        { "abc%d", 15 },                   // 3 + 8 + 1
        { "%s%s", 79 },                    // 32 + 32
        { "%S", 47 },
        { "abcdefghijklmnopq%s", 63 },     // 17 + 32
        { "%d%d%d%d", 47 },                // 4 * 8 + 4
    };
    for (const Case& c : cases)
    {
        CStr s;
        s.Format(c.format, "", "", "", "");
        EXPECT_FALSE(s.IsSharedEmpty()) << c.format;
        EXPECT_EQ(c.capacity, s.GetCapacity()) << c.format;
    }

    // A string with a block of its own keeps it.
    CStr s("a text of some length", 100);
    const char* block = s.c_str();
    s.Format("%s-%d", "x", 1);
    EXPECT_EQ("x-1", Text(s));
    EXPECT_EQ(block, s.c_str());
    EXPECT_EQ(111, s.GetCapacity());
}

TEST(CStr, MidLeftRightAndCutsClipToTheText)
{
    struct Case { const char* name; std::function<CStr(const CStr&)> cut; const char* expected; };
    const Case cases[] = {
        { "Mid inside", [](const CStr& s) { return s.Mid(1, 3); }, "bcd" },
        { "Mid count clipped", [](const CStr& s) { return s.Mid(4, 100); }, "ef" },
        { "Mid start at the end", [](const CStr& s) { return s.Mid(6, 1); }, "" },
        { "Mid start past the end", [](const CStr& s) { return s.Mid(60, 1); }, "" },
        { "Mid zero", [](const CStr& s) { return s.Mid(0, 0); }, "" },
        { "Mid negative start", [](const CStr& s) { return s.Mid(-3, 2); }, "ab" },
        { "Mid negative count", [](const CStr& s) { return s.Mid(2, -4); }, "" },
        { "Left", [](const CStr& s) { return s.Left(2); }, "ab" },
        { "Left past the end", [](const CStr& s) { return s.Left(20); }, "abcdef" },
        { "Left negative", [](const CStr& s) { return s.Left(-1); }, "" },
        { "Right", [](const CStr& s) { return s.Right(2); }, "ef" },
        { "Right negative", [](const CStr& s) { return s.Right(-2); }, "" },
        { "Truncate", [](const CStr& s) { CStr t(s); t.Truncate(4); return t; }, "abcd" },
        { "Truncate past the end", [](const CStr& s) { CStr t(s); t.Truncate(9); return t; }, "abcdef" },
        { "Truncate negative", [](const CStr& s) { CStr t(s); t.Truncate(-1); return t; }, "" },
        { "DeleteLeft", [](const CStr& s) { CStr t(s); t.DeleteLeft(2); return t; }, "cdef" },
        { "DeleteLeft all", [](const CStr& s) { CStr t(s); t.DeleteLeft(6); return t; }, "" },
        { "DeleteLeft negative", [](const CStr& s) { CStr t(s); t.DeleteLeft(-2); return t; }, "abcdef" },
        { "DeleteRight", [](const CStr& s) { CStr t(s); t.DeleteRight(2); return t; }, "abcd" },
        { "DeleteRight all", [](const CStr& s) { CStr t(s); t.DeleteRight(8); return t; }, "" },
        { "DeleteRight negative", [](const CStr& s) { CStr t(s); t.DeleteRight(-2); return t; }, "abcdef" },
        { "Mid into itself", [](const CStr& s) { CStr t(s); t.Mid(1, 2, t); return t; }, "bc" },
    };
    const CStr source("abcdef");
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.expected, Text(c.cut(source))) << c.name;
        EXPECT_EQ("abcdef", Text(source)) << c.name;
    }

    for (int count : { 6, 7, 100 })
    {
        CStr right = source.Right(count);
        EXPECT_EQ(source.c_str(), right.c_str()) << count;
    }
    CStr empty;
    EXPECT_TRUE(empty.Right(3).IsSharedEmpty());
    EXPECT_TRUE(empty.Mid(0, 3).IsEmpty());
}

TEST(CStr, OwnTextCanBeAppendedPrependedAssignedAndFormatted)
{
    struct Op { const char* name; std::function<void(CStr&)> run; std::function<std::string(const std::string&)> expect; };
    const Op ops[] = {
        { "AppendText(s)", [](CStr& s) { s.AppendText(s); }, [](const std::string& t) { return t + t; } },
        { "Append(s)", [](CStr& s) { s.Append(s); }, [](const std::string& t) { return t + t; } },
        { "+= s", [](CStr& s) { s += s; }, [](const std::string& t) { return t + t; } },
        { "AppendBytes of the tail", [](CStr& s) { s.AppendBytes(s.c_str() + 1, s.GetLength() - 1); },
          [](const std::string& t) { return t + t.substr(1); } },
        { "Prepend(s)", [](CStr& s) { s.Prepend(s); }, [](const std::string& t) { return t + t; } },
        { "Prepend of the tail", [](CStr& s) { s.Prepend(s.c_str() + 2); }, [](const std::string& t) { return t.substr(2) + t; } },
        { "AssignText of the tail", [](CStr& s) { s.AssignText(s.c_str() + 2); }, [](const std::string& t) { return t.substr(2); } },
        { "AssignText(s)", [](CStr& s) { s.AssignText(s); }, [](const std::string& t) { return t; } },
        { "Format %s%s", [](CStr& s) { s.Format("%s%s", (const char*)s, (const char*)s); }, [](const std::string& t) { return t + t; } },
        { "Format %! and %.2s", [](CStr& s) { s.Format("[%!|%.2s]", &s, s.c_str() + 1); },
          [](const std::string& t) { return "[" + t + "|" + t.substr(1, 2) + "]"; } },
        { "Format with its own text as the format", [](CStr& s) { s.Format(s); }, [](const std::string& t) { return t; } },
        { "FormatV appending its own text", [](CStr& s) { AppendFormat(s, "%s%s", s.c_str(), s.c_str()); },
          [](const std::string& t) { return t + t + t; } },
        { "FormatV appending from its own format", [](CStr& s) { AppendFormat(s, s.c_str() + 1); },
          [](const std::string& t) { return t + t.substr(1); } },
        { "FormatV appending itself by address", [](CStr& s) { AppendFormat(s, "<%!|%!>", &s, &s); },
          [](const std::string& t) { return t + "<" + t + "|" + t + ">"; } },
    };
    for (int length : { 3, 7, 15, 100, 300 })
    {
        const std::string text = Digits(length);
        for (const Op& op : ops)
        {
            for (bool shared : { false, true })
            {
                std::string name = std::string(op.name) + " of " + std::to_string(length) + (shared ? " shared" : "");
                CStr s(text.c_str());
                CStr copy;
                if (shared)
                    copy = s;
                op.run(s);
                EXPECT_EQ(op.expect(text), Text(s)) << name;
                if (shared)
                {
                    EXPECT_EQ(text, Text(copy)) << name;
                }
            }
        }
    }
}

TEST(CStr, FormattingNeverOverflowsItsScratch)
{
    CStr s;
    s.Format("%500d", 7);
    EXPECT_EQ(std::string(499, ' ') + "7", Text(s));

    s.Format("%.400f", 1.0);
    EXPECT_EQ("1." + std::string(400, '0'), Text(s));

    s.Format("%2000.1f|", 1.0);
    EXPECT_EQ(std::string(1997, ' ') + "1.0|", Text(s));

    s.Format("%.100000s", "abc");
    EXPECT_EQ("abc", Text(s));

    // wvsprintfA stops at its 1024-byte limit.
    s.Format("%3000d|", 1);
    EXPECT_GE(1024, s.GetLength());
    EXPECT_EQ('|', s[s.GetLength() - 1]);

    s.Format("%00000000000000000000000000000000000000000000000000000000000000000005d|", 42);
    EXPECT_EQ('|', s[s.GetLength() - 1]);
    EXPECT_NE(-1, s.Find("42"));

    s.Format("%.300e", 1e300);
    EXPECT_EQ(307, s.GetLength());
}

TEST(CStr, AppendingGrowsTheBlockGeometrically)
{
    CStr s;
    int moves = 0;
    const char* block = s.c_str();
    std::string expected;
    for (int i = 0; i < 100000; ++i)
    {
        char c = char('a' + i % 26);
        s.AppendChar(c);
        expected.push_back(c);
        if (s.c_str() != block)
        {
            ++moves;
            block = s.c_str();
        }
    }
    EXPECT_EQ(expected, Text(s));
    EXPECT_GT(40, moves);
    EXPECT_EQ(15, s.GetCapacity() % 16);
}

TEST(CStr, CompareReducesToSignsAndEqualsSeesEveryByte)
{
    struct Case { const char* a; const char* b; int compare; int compareNoCase; };
    const Case cases[] = {
        { "abc", "abc", 0, 0 },
        { "abc", "abd", -1, -1 },
        { "b", "a", 1, 1 },
        { "ABC", "abc", 1, 0 },
        { "a", "B", -1, -1 },
        { "", "a", -1, -1 },
        { "a", "", 1, 1 },
        { "Key", "KEY", -1, 0 },
        { "Key", "keys", -1, -1 },
    };
    for (const Case& c : cases)
    {
        CStr a(c.a);
        std::string name = std::string(c.a) + " vs " + c.b;
        EXPECT_EQ(c.compare, a.Compare(c.b)) << name;
        EXPECT_EQ(c.compareNoCase, a.CompareNoCase(c.b)) << name;
        EXPECT_EQ(c.compareNoCase == 0, a.EqualsNoCase(c.b) != FALSE) << name;
    }

    // The quick answer for plain ASCII agrees with the locale's.
    const char* const pairs[][2] = {
        { "co-op", "coop" }, { "it's", "its" }, { "a b", "ab" }, { "a-", "a" }, { "[x]", "{X}" },
        { "@", "`" }, { "Key_1", "KEY_1" }, { "a\x01" "b", "ab" }, { "\xC9t\xE9", "\xE9T\xC9" }, { "", "" },
    };
    for (const auto& pair : pairs)
    {
        CStr a(pair[0]);
        EXPECT_EQ(a.CompareNoCase(pair[1]) == 0, a.EqualsNoCase(pair[1]) != FALSE) << pair[0] << " vs " << pair[1];
    }

    CStr nul1, nul2, nul3;
    nul1.AppendBytes("x\0y", 3);
    nul2.AppendBytes("x\0y", 3);
    nul3.AppendBytes("x\0z", 3);
    EXPECT_EQ(3, nul1.GetLength());
    EXPECT_TRUE(nul1.Equals(nul2));
    EXPECT_FALSE(nul1.Equals(nul3));
    EXPECT_FALSE(nul1.EqualsText("x"));
    EXPECT_TRUE(CStr("abc").EqualsText("abc"));
    EXPECT_FALSE(CStr("abc").EqualsText("ABC"));
    EXPECT_TRUE(CStr() == CStr("", 1));
    EXPECT_TRUE(CStr() == "");
    EXPECT_TRUE(CStr("a") != "b");
}

// The quick no-case answers (here and in the data file's key index) rest on
// this: the locale compares printable ASCII texts of one length as equal only
// when they differ at most in letter case.
TEST(CStr, LocaleComparesPrintableAsciiAsAsciiCaseFolding)
{
    std::vector<std::string> texts;
    for (int c = 0x20; c < 0x7F; ++c)
        texts.push_back(std::string(1, (char)c));
    const char alphabet[] = "aA-' =_.";
    for (const char* x = alphabet; *x; ++x)
        for (const char* y = alphabet; *y; ++y)
            texts.push_back(std::string(1, *x) + *y);
    auto fold = [](std::string t) {
        for (char& c : t)
            c = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
        return t;
    };
    int disagreements = 0;
    for (const std::string& a : texts)
        for (const std::string& b : texts)
            if (a.size() == b.size() && (lstrcmpiA(a.c_str(), b.c_str()) == 0) != (fold(a) == fold(b)) && ++disagreements < 10)
                ADD_FAILURE() << "'" << a << "' vs '" << b;
    EXPECT_EQ(0, disagreements);
}

TEST(CStr, ChangeCaseAssignsOnlyWhatDiffers)
{
    CStr upper("ABC 123");
    CStr copy(upper);
    upper.MakeUpper();
    EXPECT_EQ(copy.c_str(), upper.c_str());
    EXPECT_EQ(2, upper.GetRefCount());
    upper.MakeLower();
    EXPECT_EQ("abc 123", Text(upper));
    EXPECT_EQ("ABC 123", Text(copy));
}

TEST(CStr, LoadStringReloadsLongTextsWhole)
{
    struct Case { UINT id; int length; };  // digit texts but 101
    const Case cases[] = {
        { 102, 94 },
        { 103, 95 },
        { 104, 200 },
        { 105, 16383 },
        { 106, 16383 },   // 16384 in the resource: the loader's buffer ends it
        { 107, 16383 },
    };
    for (const Case& c : cases)
    {
        CStr s("before");
        EXPECT_TRUE(s.LoadString(c.id)) << c.id;
        EXPECT_EQ(Digits(c.length), Text(s)) << c.id;
    }

    CStr s("before");
    EXPECT_TRUE(s.LoadString(101, GetModuleHandleA(NULL)));
    EXPECT_EQ("Short text", Text(s));

    CStr kept("unchanged");
    const char* block = kept.c_str();
    EXPECT_FALSE(kept.LoadString(199));
    EXPECT_EQ("unchanged", Text(kept));
    EXPECT_EQ(block, kept.c_str());
}

TEST(CStr, ThreadsShareCopiesOfCommonStrings)
{
    static CStr sources[6];
    const int lengths[6] = { 1, 14, 15, 40, 290, 1000 };
    for (int i = 0; i < 6; ++i)
        sources[i].AssignText(Digits(lengths[i]).c_str());

    struct Worker
    {
        static DWORD WINAPI Run(void* param)
        {
            LONG* failures = static_cast<LONG*>(param);
            for (int i = 0; i < 20000; ++i)
            {
                const CStr& source = sources[i % 6];
                CStr copy(source);
                CStr other;
                other = copy;
                copy.AppendChar('x');
                other += source;
                CStr formatted;
                formatted.Format("%s|%d", (const char*)source, i);
                CStr joined = source + copy;
                int n = source.GetLength();
                if (copy.GetLength() != n + 1 || copy[n] != 'x' || copy.Left(n) != source
                    || other.GetLength() != 2 * n || other.Right(n) != source
                    || formatted.Left(n) != source || joined.GetLength() != 2 * n + 1)
                {
                    InterlockedIncrement(failures);
                }
            }
            return 0;
        }
    };

    LONG failures = 0;
    HANDLE threads[4];
    for (HANDLE& t : threads)
        t = CreateThread(NULL, 0, Worker::Run, &failures, 0, NULL);
    WaitForMultipleObjects(4, threads, TRUE, INFINITE);
    for (HANDLE t : threads)
        CloseHandle(t);

    EXPECT_EQ(0, failures);
    for (int i = 0; i < 6; ++i)
    {
        EXPECT_EQ(Digits(lengths[i]), Text(sources[i])) << i;
        EXPECT_EQ(1, sources[i].GetRefCount()) << i;
    }
}

TEST(CStr, WideCopiesCharacterAppendsAndTheSearchError)
{
    struct WideCase { const wchar_t* wide; int reserve; const char* text; int capacity; bool sharedEmpty; };
    const WideCase wideCases[] = {
        { NULL, 0, "", 0, true },
        { L"", 0, "", 0, true },
        // An empty text gives the reserved block back.
        { L"", 40, "", 0, true },
        { L"abc", 0, "abc", 15, false },
        { L"abc", -5, "abc", 15, false },
        { L"abc", 15, "abc", 15, false },
        { L"abc", 16, "abc", 31, false },
        { L"abc", 40, "abc", 47, false },
        { L"sixteen letters!", 3, "sixteen letters!", 31, false },
    };
    for (const WideCase& c : wideCases)
    {
        std::string name = std::string("\"") + c.text + "\" reserve " + std::to_string(c.reserve);
        CStr s = CStr::FromWide(c.wide, c.reserve);
        EXPECT_EQ(c.text, Text(s)) << name;
        EXPECT_EQ(c.capacity, s.GetCapacity()) << name;
        EXPECT_EQ(c.sharedEmpty, s.IsSharedEmpty()) << name;
        wchar_t* copy = s.AllocWide();
        ASSERT_TRUE(copy != NULL) << name;
        EXPECT_EQ(std::wstring(c.wide ? c.wide : L""), std::wstring(copy)) << name;
        free(copy);
    }

    struct PlusCase { std::string text; char c; std::string expected; int capacity; };
    const PlusCase plusCases[] = {
        { "", 'x', "x", 15 },
        { "abc", 'd', "abcd", 15 },
        { Digits(15), '!', Digits(15) + "!", 31 },
        { "ab", '\0', std::string("ab\0", 3), 15 },
    };
    for (const PlusCase& c : plusCases)
    {
        CStr source(c.text.c_str());
        CStr joined = CStr::PlusChar(source, c.c);
        EXPECT_EQ(c.expected, Text(joined)) << c.text;
        EXPECT_EQ(c.capacity, joined.GetCapacity()) << c.text;
        EXPECT_EQ(c.text, Text(source)) << c.text;
        EXPECT_NE(source.c_str(), joined.c_str()) << c.text;
    }

    ExpectBox("CStr fatal 2");
    BoxWatch watch;
    CStr::FatalIndex();
    ExpectFatal(watch, "CStr fatal 2", "FatalIndex");
}
