// The report file: its name, its lines, and a file that cannot be made.
#include <windows.h>
#include <gtest/gtest.h>
#include <string>

#include "browser/ControlReport.h"
#include "tests/support/TestSupport.h"

TEST(ControlReport, FileNameKeepsAsciiLettersAndDigits)
{
    struct Row
    {
        const char* displayName;
        const char* fileName;
    } rows[] = {
        { "My Grid 2.0", "MyGrid20.txt" },
        { "...", ".txt" },
        { "", ".txt" },
        { "Caf\xe9 \xff\x80" "Control 7", "CafControl7.txt" },   // bytes above 127 dropped
        { "a\\b/c:d*e?f", "abcdef.txt" },
    };
    for (const Row& row : rows)
        EXPECT_STREQ(row.fileName, ReportFileName(row.displayName)) << row.displayName;
}

TEST(ControlReport, LinesForMethodsPropertiesAndEvents)
{
    CControlCatalogEntry entry("{11111111-2222-3333-4444-555555555555}", "My Grid 2.0");
    entry.SetProgId("My.Grid");
    entry.SetServerPath("C:\\grid\\grid.dll");
    CControlMembers members;
    members.methods.push_back({ "Refresh", VT_VOID, {} });
    members.methods.push_back({ "Cell", VT_BSTR, { { "row", VT_I4, 0 }, { "column", VT_I4, 1 } } });
    members.methods.push_back({ "Odd", (VARTYPE)(VT_BYREF | VT_I4), { { "p", (VARTYPE)(VT_BYREF | VT_I2), 0 } } });
    members.properties.push_back({ "Caption", VT_BSTR, 1, 1, 0 });
    members.properties.push_back({ "AVeryLongPropertyNameIndeed", VT_I4, 1, 0, 0 });
    members.properties.push_back({ "Font", VT_DISPATCH, 0, 1, 1 });
    members.properties.push_back({ "Odd", (VARTYPE)(VT_BYREF | VT_UI1), 0, 0, 0 });
    members.events.push_back("Click");
    members.events.push_back("Changed");

    const std::string expected =
        "Class ID: {11111111-2222-3333-4444-555555555555}\r\n"
        "Prog ID:  My.Grid\r\n"
        "location: C:\\grid\\grid.dll\r\n"
        "\r\n\r\nMethods for My Grid 2.0\r\n\r\n"
        "  VT_VOID Refresh( )\r\n"
        "  VT_BSTR Cell( VT_I4 row, VT_I4 column )\r\n"
        "   Odd(  p )\r\n"
        "\r\n\r\nProperties for My Grid 2.0\r\n\r\n"
        "  Caption             \t VT_BSTR         Get, Put\r\n"
        "  AVeryLongPropertyNameIndeed\t VT_I4           Get\r\n"
        "  Font                \t VT_DISPATCH     Put, PR\r\n"
        "  Odd                 \t                 \r\n"
        "\r\n\r\nEvents for My Grid 2.0\r\n\r\n"
        "  Click\r\n"
        "  Changed\r\n";
    EXPECT_EQ(expected, std::string(FormatReport(entry, members)));
}

TEST(ControlReport, AccessTextJoinsThePresentFlags)
{
    struct Row
    {
        BYTE get, put, putRef;
        const char* text;
    } rows[] = {
        { 0, 0, 0, "" }, { 1, 0, 0, "Get" }, { 0, 1, 0, "Put" }, { 0, 0, 1, "PR" },
        { 1, 1, 0, "Get, Put" }, { 1, 0, 1, "Get, PR" }, { 1, 1, 1, "Get, Put, PR" },
    };
    for (const Row& row : rows)
    {
        CControlPropertyRecord property = { "P", VT_I4, row.get, row.put, row.putRef };
        EXPECT_STREQ(row.text, FormatPropertyAccess(property));
    }
}

TEST(ControlReport, WritesTheFileAndSaysWhenItCannot)
{
    const std::string folder = TestProgramFolder();
    const std::string path = folder + "ZephraneReportTest.txt";
    DeleteFileA(path.c_str());
    const CStr text("Class ID: x\r\n\xe9\r\n");
    ASSERT_TRUE(WriteReportFile(path.c_str(), text));
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    char read[64] = {};
    DWORD got = 0;
    ReadFile(file, read, sizeof read, &got, NULL);
    CloseHandle(file);
    EXPECT_EQ(std::string(text), std::string(read, got));
    DeleteFileA(path.c_str());

    EXPECT_FALSE(WriteReportFile((folder + "no such folder\\report.txt").c_str(), text));
}
