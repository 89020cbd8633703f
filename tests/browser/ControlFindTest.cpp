// Finding a control by part of its display name, ProgID or ClassID.
#include <windows.h>
#include <gtest/gtest.h>

#include "browser/ControlFind.h"

namespace
{
CControlCatalog ThreeControls()
{
    CControlCatalog catalog;
    const char* rows[][3] = {
        { "{AAAA0000-0000-0000-0000-000000000001}", "Calendar Control", "" },
        { "{BBBB0000-0000-0000-0000-000000000002}", "Grid Control", "Lb.Grid" },
        { "{CCCC0000-0000-0000-0000-000000000003}", "Slider", "" },
    };
    for (const auto& row : rows)
    {
        CControlCatalogEntry entry(row[0], row[1]);
        entry.SetProgId(row[2]);
        catalog.Append(entry);
    }
    return catalog;
}
}

TEST(ControlFind, FindsTheNextMatchWrappingToTheStart)
{
    const CControlCatalog catalog = ThreeControls();
    struct Row
    {
        const char* text;
        int start;
        int found;
    } rows[] = {
        { "control", 0, 0 },    // name, ignoring case
        { "control", 1, 1 },
        { "control", 2, 0 },    // wraps to the first
        { "control", 3, 0 },    // after the last entry: from the first
        { "CONTROL", 3, 0 },
        { "lb.grid", 0, 1 },    // ProgID
        { "{cccc", 0, 2 },      // the first characters of a ClassID, brace included
        { "000000000001}", 1, 0 },
        { "slider", 0, 2 },
        { "slider", 3, 2 },     // the selected (last) entry itself, reached last
        { "nothing like it", 0, -1 },
        { "", 0, -1 },
        { "control", -5, 0 },
        { "control", 1000, 0 },
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.found, FindControl(catalog, row.text, row.start)) << row.text << " from " << row.start;

    // From after the selected entry, the selected one is reached last.
    EXPECT_EQ(0, FindControl(catalog, "Calendar", 1));
}

TEST(ControlFind, AnEmptyCatalogueFindsNothing)
{
    CControlCatalog empty;
    EXPECT_EQ(-1, FindControl(empty, "x", 0));
    EXPECT_EQ(-1, FindControl(empty, "x", 1));
}
