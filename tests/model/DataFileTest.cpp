#include "model/store/DataFile.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <limits.h>
#include <oleauto.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const CDataFile& file)
{
    std::vector<std::string> lines;
    for (int i = 0; i < file.GetLineCount(); ++i)
        lines.push_back(std::string(file.GetLine(i).c_str(), file.GetLine(i).GetLength()));
    return lines;
}

void Fill(CDataFile& file, const std::vector<std::string>& lines)
{
    file.Clear();
    for (const std::string& line : lines)
        file.AppendLine(CStr(line.c_str()));
}

std::string Text(const CStr& s)
{
    return std::string(s.c_str(), s.GetLength());
}

// The lookup rules written out as plain scans, to hold the indexed lookups to.
int ScanSection(const std::vector<std::string>& lines, const std::string& name)
{
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == "[" + name + "]")
            return (int)i;
    return -1;
}

bool IsHeader(const std::string& line)
{
    return line.size() > 2 && line.front() == '[' && line.back() == ']';
}

int ScanKey(const std::vector<std::string>& lines, int from, const std::string& key)
{
    std::string prefix = key + " = ";
    for (int i = from; i < (int)lines.size() && !IsHeader(lines[i]); ++i)
        if (lines[i].size() >= prefix.size() && lstrcmpiA(lines[i].substr(0, prefix.size()).c_str(), prefix.c_str()) == 0)
            return i;
    return -1;
}

} // namespace

TEST(DataFile, SectionHeaderRule)
{
    const struct { const char* line; BOOL header; } cases[] = {
        { "[Main]", TRUE }, { "[a]", TRUE }, { "[]", FALSE }, { "[Main", FALSE },
        { "Main]", FALSE }, { "", FALSE }, { "[", FALSE }, { " [Main]", FALSE },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.header, CDataFile::IsSectionHeader(CStr(c.line))) << '"' << c.line << '"';

    CDataFile file;
    Fill(file, { "[a]", "x" });
    EXPECT_TRUE(file.IsSectionHeaderAt(0));
    EXPECT_FALSE(file.IsSectionHeaderAt(1));
    EXPECT_FALSE(file.IsSectionHeaderAt(2));
    EXPECT_FALSE(file.IsSectionHeaderAt(-1));
}

TEST(DataFile, SectionAndKeyLookup)
{
    CDataFile file;
    Fill(file, { "orphan = 1", "[Main]", "ID = 7", "title = one", "title = two", "x = ", "y =",
                 "[main]", "lower = 1", "[Main]", "dup = 2", "[abc", "z = 3", "[]", "e = 4" });
    const struct { const char* section; const char* key; bool found; const char* value; } cases[] = {
        { "Main", "id", true, "7" },          // keys ignore case
        { "Main", "title", true, "one" },     // first match in the section
        { "main", "id", false, "" },          // sections do not
        { "main", "lower", true, "1" },
        { "Main", "lower", false, "" },       // only inside its own section
        { "Main", "orphan", false, "" },      // above every header: in no section
        { "none", "orphan", false, "" },
        { "Main", "x", true, "" },            // empty value
        { "Main", "y", false, "" },           // no space after '='
        { "Main", "dup", false, "" },         // the first of two equal headers wins
        { "", "e", true, "4" },               // "[]" is found by name but is no header
        { "Main", "titl", false, "" },
    };
    for (const auto& c : cases) {
        CStr value("unchanged");
        EXPECT_EQ(c.found, file.GetString(c.section, c.key, value) != FALSE) << c.section << "/" << c.key;
        EXPECT_STREQ(c.found ? c.value : "unchanged", value) << c.section << "/" << c.key;
    }

    EXPECT_EQ(1, file.FindSectionIndex("Main"));
    EXPECT_EQ(file.GetLineCount(), file.FindSection("Absent"));
    EXPECT_EQ(-1, file.FindSectionIndex("Absent"));
    EXPECT_EQ(5, file.GetSectionCount());   // every line starting with '['

    CStr name;
    EXPECT_EQ(11, file.NextSection(10, name));
    EXPECT_STREQ("ab", name);               // first and last character cut
    EXPECT_EQ(13, file.NextSection(12, name));
    EXPECT_STREQ("", name);
    EXPECT_EQ(file.GetLineCount(), file.NextSection(14, name));
}

// Keys ignore case at any length, section names of any length do not; a file
// cleared and written again answers from the new lines alone.
TEST(DataFile, MixedCaseKeysInLongSectionsAndAfterClear)
{
    const char* const item = "Element_12_Script_1_ScriptItem_1";
    const char* const lowered = "element_12_script_1_scriptitem_1";
    CDataFile file;
    for (int pass = 0; pass < 2; ++pass) {
        file.Clear();
        file.SetInt(lowered, "fontStrikeOut", 3);
        file.SetLong(item, "numScriptItems", pass ? LONG_MIN : 0);
        file.SetInt(item, "FontStrikeOut", 1);
        file.SetInt(item, "FONTstrikeOUT", pass ? LONG_MAX : 2);   // rewrites the line in place
        EXPECT_EQ((std::vector<std::string>{ std::string("[") + lowered + "]", "fontStrikeOut = 3",
                                             std::string("[") + item + "]",
                                             pass ? "FONTstrikeOUT = 2147483647" : "FONTstrikeOUT = 2",
                                             pass ? "numScriptItems = -2147483648" : "numScriptItems = 0" }),
                  Lines(file)) << pass;
        const struct { const char* section; const char* key; bool found; long value; } cases[] = {
            { item, "fontstrikeout", true, pass ? LONG_MAX : 2 },
            { item, "FontStrikeOut", true, pass ? LONG_MAX : 2 },
            { item, "NUMSCRIPTITEMS", true, pass ? LONG_MIN : 0 },
            { item, "fontstrikeou", false, 0 },
            { item, "fontstrikeoutx", false, 0 },
            { lowered, "FONTSTRIKEOUT", true, 3 },
            { lowered, "numScriptItems", false, 0 },
            { "Element_12_Script_1_ScriptItem_", "fontStrikeOut", false, 0 },
        };
        for (const auto& c : cases) {
            long value = 99;
            EXPECT_EQ(c.found, file.GetLong(c.section, c.key, value) != FALSE) << c.section << "/" << c.key;
            EXPECT_EQ(c.found ? c.value : 99, value) << c.section << "/" << c.key;
        }
    }
}

TEST(DataFile, SettersPutNewKeysUnderTheHeader)
{
    CDataFile file;
    EXPECT_TRUE(file.SetString("S", "a", "1"));
    EXPECT_TRUE(file.SetString("S", "b", "2"));
    EXPECT_TRUE(file.SetString("T", "c", "3"));
    EXPECT_TRUE(file.SetString("S", "A", "4"));   // rewrites a in place
    EXPECT_EQ((std::vector<std::string>{ "[S]", "b = 2", "A = 4", "[T]", "c = 3" }), Lines(file));
    EXPECT_EQ(2, file.GetSectionCount());
    EXPECT_EQ(3 + 5 + 5 + 3 + 5, file.GetContentLength());

    EXPECT_FALSE(file.SetString(NULL, "k", "v"));
    EXPECT_EQ(5, file.GetLineCount());
    EXPECT_EQ(5, file.GetOrAddSection(NULL));
    EXPECT_STREQ("[none]", file.GetLine(5));
}

TEST(DataFile, SingleLineSettersTurnLineBreaksIntoSpaces)
{
    CDataFile file;
    file.SetString("Main", "title", "x\r\n[Evil]\r\nid = y");
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = SysAllocString(L"a\nb");
    file.SetVariant("Main", "var", v);
    VariantClear(&v);
    file.SetString("Two\nLines", "k", "v");
    EXPECT_EQ((std::vector<std::string>{ "[Main]", "var = a b", "title = x  [Evil]  id = y", "[Two Lines]", "k = v" }),
              Lines(file));
    EXPECT_EQ(-1, file.FindSectionIndex("Evil"));
}

TEST(DataFile, TypedValues)
{
    CDataFile file;
    file.SetBool("S", "t", TRUE);
    file.SetBool("S", "f", FALSE);
    file.SetDouble("S", "d", 1.5);
    file.SetLong("S", "l", -5);
    file.SetInt("S", "i", 42);
    file.SetVarType("S", "vt", (VARTYPE)0xFFFF);
    EXPECT_EQ((std::vector<std::string>{ "[S]", "vt = 65535", "i = 42", "l = -5", "d = 1.5000", "f = false", "t = true" }),
              Lines(file));

    const struct { const char* text; long asLong; int asInt; BOOL asBool; } reads[] = {
        { "0x10", 16, 0, FALSE }, { "010", 8, 10, FALSE }, { "-7", -7, -7, FALSE },
        { "true", 0, 0, TRUE }, { "True", 0, 0, FALSE }, { "untrue", 0, 0, TRUE }, { "false", 0, 0, FALSE },
    };
    for (const auto& r : reads) {
        file.SetString("R", "v", r.text);
        long l = 99;
        int i = 99;
        BOOL b = 99;
        EXPECT_TRUE(file.GetLong("R", "v", l));
        EXPECT_TRUE(file.GetInt("R", "v", i));
        EXPECT_TRUE(file.GetBool("R", "v", b));
        EXPECT_EQ(r.asLong, l) << r.text;
        EXPECT_EQ(r.asInt, i) << r.text;
        EXPECT_EQ(r.asBool, b) << r.text;
    }
    double d = 0;
    VARTYPE vt = 0;
    EXPECT_TRUE(file.GetDouble("S", "d", d));
    EXPECT_EQ(1.5, d);
    EXPECT_TRUE(file.GetVarType("S", "vt", vt));
    EXPECT_EQ(0xFFFF, vt);

    // Missing section or key: FALSE, output untouched.
    int untouched = 123;
    EXPECT_FALSE(file.GetInt("S", "missing", untouched));
    EXPECT_FALSE(file.GetInt("Missing", "i", untouched));
    EXPECT_EQ(123, untouched);
}

TEST(DataFile, MultiLineCodec)
{
    CDataFile file;
    file.SetMultiLineString("S", "text", "a\r\nb|c");
    EXPECT_EQ("text = a\xE7|b|c", Text(file.GetLine(1)));
    CStr value;
    EXPECT_TRUE(file.GetMultiLineString("S", "text", value));
    EXPECT_EQ("a\r\nb\nc", Text(value));
    file.SetString("S", "plain", "x\xE7y");   // code page 1252's c-cedilla reads back as CR
    EXPECT_TRUE(file.GetMultiLineString("S", "plain", value));
    EXPECT_EQ("x\ry", Text(value));
}

TEST(DataFile, VariantsByType)
{
    const struct { const char* text; VARTYPE wanted; VARTYPE vt; double number; const wchar_t* bstr; } cases[] = {
        { "12", VT_I2, VT_I2, 12, NULL },
        { "0x10", VT_I4, VT_I4, 16, NULL },
        { "1.5", VT_R4, VT_R8, 1.5, NULL },
        { "2.25", VT_R8, VT_R8, 2.25, NULL },
        { "7", VT_UI4, VT_UI4, 7, NULL },
        { "4294967295", VT_UI4, VT_UI4, 4294967295.0, NULL },
        { "2147483648", VT_UI4, VT_UI4, 2147483648.0, NULL },
        { "TRUE", VT_BOOL, VT_BOOL, VARIANT_TRUE, NULL },
        { "hello", VT_BSTR, VT_BSTR, 0, L"hello" },
    };
    for (const auto& c : cases) {
        CDataFile file;
        file.SetString("S", "v", c.text);
        VARIANT v;
        VariantInit(&v);
        V_VT(&v) = VT_BSTR;               // another type: cleared first
        V_BSTR(&v) = SysAllocString(L"old");
        ASSERT_TRUE(file.GetVariant("S", "v", c.wanted, v)) << c.text;
        EXPECT_EQ(c.vt, V_VT(&v)) << c.text;
        VARIANT r8;
        VariantInit(&r8);
        if (c.bstr) {
            EXPECT_STREQ(c.bstr, V_BSTR(&v)) << c.text;
        } else {
            ASSERT_EQ(S_OK, VariantChangeType(&r8, &v, 0, VT_R8)) << c.text;
            EXPECT_EQ(c.number, V_R8(&r8)) << c.text;
        }
        VariantClear(&v);
    }

    CDataFile file;
    file.SetString("S", "v", "5");
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_I4;
    V_I4(&v) = 9;
    EXPECT_TRUE(file.GetVariant("S", "v", VT_EMPTY, v));
    EXPECT_EQ(VT_I4, V_VT(&v));
    EXPECT_EQ(9, V_I4(&v));
    EXPECT_FALSE(file.GetVariant("S", "missing", VT_I4, v));

    // Written through VariantToText and read back.
    V_VT(&v) = VT_UI4;
    V_UI4(&v) = 0xFFFFFFFFu;
    file.SetVariant("S", "u", v);
    V_VT(&v) = VT_BOOL;
    V_BOOL(&v) = VARIANT_TRUE;
    file.SetVariant("S", "b", v);
    CStr text;
    EXPECT_TRUE(file.GetString("S", "b", text));
    EXPECT_STREQ("TRUE", text);
    VariantInit(&v);
    EXPECT_TRUE(file.GetVariant("S", "u", VT_UI4, v));
    EXPECT_EQ(VT_UI4, V_VT(&v));
    EXPECT_EQ(0xFFFFFFFFu, V_UI4(&v));
}

TEST(DataFile, PlainTextFiles)
{
    ScratchDir dir;
    std::string longLine(5000, 'w');
    WriteWholeFile(dir.File("a.txt"), "[S]\r\nk = v\r\n" + longLine + "\r\nafter\r\n");
    CDataFile file;
    EXPECT_TRUE(file.LoadFromFile(dir.File("a.txt").c_str()));
    EXPECT_EQ((std::vector<std::string>{ "[S]", "k = v", longLine, "after", "" }), Lines(file));

    WriteWholeFile(dir.File("b.txt"), "x\r\ny");
    EXPECT_TRUE(file.LoadFromFile(dir.File("b.txt").c_str()));
    EXPECT_EQ((std::vector<std::string>{ "x", "y" }), Lines(file));

    EXPECT_FALSE(file.LoadFromFile(dir.File("missing.txt").c_str()));
    EXPECT_EQ(0, file.GetLineCount());

    Fill(file, { "[S]", "k = v" });
    EXPECT_TRUE(file.SaveToFile(dir.File("c.txt").c_str()));
    EXPECT_EQ("[S]\r\nk = v\r\n", ReadWholeFile(dir.File("c.txt")));
    EXPECT_FALSE(file.SaveToFile(dir.File("no\\such\\c.txt").c_str()));
}

TEST(DataFile, CopiesAreIndependent)
{
    CDataFile file;
    file.m_name = "page_1.pgd";
    file.m_kind = CDataFile::KindOptions;
    file.SetString("S", "k", "1");
    CDataFile copy(file);
    copy.SetString("S", "k", "2");
    CDataFile assigned;
    assigned = copy;
    assigned.SetString("T", "k", "3");
    CStr value;
    EXPECT_TRUE(file.GetString("S", "k", value));
    EXPECT_STREQ("1", value);
    EXPECT_TRUE(copy.GetString("S", "k", value));
    EXPECT_STREQ("2", value);
    EXPECT_FALSE(copy.GetString("T", "k", value));
    EXPECT_STREQ("page_1.pgd", assigned.GetName());
    EXPECT_EQ(CDataFile::KindOptions, assigned.m_kind);
    EXPECT_STREQ("\r\n", assigned.m_lineTerminator);
}

// Random edits through every line operation: the lookups must answer as the
// plain scans of the same lines do. Headers change rarely, as on a real page.
TEST(DataFile, LookupsFollowEveryEdit)
{
    const char* const headers[] = { "[A]", "[B]", "[a]", "[A", "[]" };
    const char* const others[] = {
        "", "k = 1", "K = 2", "k =", "kk = 3", "k = x = y", "x = 4", "X = 5", "\xE9 = 6", "\xC9 = 6",
        "k\xE9 = 7", "k = \xE9", " = 8", "k  = 9", "k = 1 = 2", "KK = 10", "x = k = 1",
    };
    const char* const keys[] = { "k", "K", "kk", "x", "", "k = x", "\xE9", "k\xE9", "k ", "k = 1", "x = k" };
    const char* const names[] = { "A", "B", "a", "" };

    srand(7);
    CDataFile file;
    std::vector<std::string> model;
    for (int step = 0; step < 6000; ++step) {
        int count = (int)model.size();
        std::string line = rand() % 25 == 0 ? headers[rand() % 5] : others[rand() % (sizeof others / sizeof others[0])];
        int at = count ? rand() % count : 0;
        int op = rand() % 8;
        if (op <= 1 || count == 0) {
            int where = rand() % (count + 1);
            file.InsertLine(where, CStr(line.c_str()));
            model.insert(model.begin() + where, line);
        } else if (op == 2) {
            file.AppendLine(CStr(line.c_str()));
            model.push_back(line);
        } else if (op == 3) {
            file.SetLine(at, CStr(line.c_str()));
            model[at] = line;
        } else if (op <= 5 && count > 40) {
            file.RemoveLine(at);
            model.erase(model.begin() + at);
        } else if (op == 6) {
            file.SetString(names[rand() % 3], keys[rand() % 4], "s");
            model = Lines(file);   // the setters' own rules are pinned above
        } else if (op == 7 && step % 50 == 0) {
            const char stored[] = "k = 1\r\n\r\n[B]\r\nK = 2\r\r\nx = 3";   // the archive's form
            file.SetStoredContent(stored, (int)sizeof stored - 1);
            for (const char* added : { "k = 1", "", "[B]", "K = 2", "x = 3" })
                model.push_back(added);
        } else if (step % 2000 == 1999) {
            file.Clear();
            model.clear();
        }
        ASSERT_EQ(model, Lines(file)) << "step " << step;

        for (const char* name : names) {
            int header = ScanSection(model, name);
            ASSERT_EQ(header, file.FindSectionIndex(name)) << "step " << step << " section " << name;
            for (const char* key : keys) {
                int from = rand() % 4 == 0 ? rand() % (count + 1) : header + 1;
                ASSERT_EQ(ScanKey(model, from, key), file.FindKeyIndex(from, key))
                    << "step " << step << " from " << from << " key '" << key << "'";
            }
        }
    }
}
