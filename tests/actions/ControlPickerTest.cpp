// The ActiveX control picker over the catalogue of the test prefix (our test
// control registered, Wine's own controls listed) and over catalogues made in
// memory: Find, Show and Finish, driven inside the picker's wizard sheet.
#include "actions/ControlPicker.h"

#include "resources/editor/ActiveXPagesIds.h"
#include "tests/support/SheetDriver.h"
#include "tests/model/TestControlFixture.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace sheetdriver;

namespace {

CControlCatalogEntry Entry(const char* classId, const char* name, const char* progId = "")
{
    CControlCatalogEntry entry(classId, name);
    entry.SetProgId(progId);
    return entry;
}

CControlCatalog SmallCatalog()
{
    CControlCatalog catalog;
    catalog.Append(Entry("{00000000-0000-0000-0000-0000000000A1}", "Alpha Grid", "Grid.Alpha"));
    catalog.Append(Entry("{00000000-0000-0000-0000-0000000000B2}", "Beta Chart"));
    catalog.Append(Entry("{00000000-0000-0000-0000-0000000000C3}", "Gamma Grid"));
    catalog.Append(Entry("{00000000-0000-0000-0000-0000000000D4}", "Delta Slider"));
    return catalog;
}

} // namespace

TEST(FindControlEntry, WrapsWithinTheListAndMatchesCase)
{
    CControlCatalog catalog = SmallCatalog();
    CControlCatalog empty;
    struct Case
    {
        const char* label;
        const CControlCatalog* catalog;
        const char* text;
        int start;
        int expected;
    } cases[] = {
        { "first hit from the start", &catalog, "Grid", 0, 0 },
        { "next hit after the selected", &catalog, "Grid", 1, 2 },
        { "wraps round to the first entry", &catalog, "Alpha", 3, 0 },
        { "start past the last entry wraps", &catalog, "Alpha", 4, 0 },
        { "the selected entry itself stays", &catalog, "Delta", 3, 3 },
        { "only hit is the selected entry, searched from after it", &catalog, "Delta", 4, 3 },
        { "case matters", &catalog, "alpha", 0, -1 },
        { "ProgID once read", &catalog, "Grid.Alpha", 1, 0 },
        { "class ID", &catalog, "0000000000C3", 0, 2 },
        { "no hit", &catalog, "Omega", 2, -1 },
        { "empty text", &catalog, "", 0, -1 },
        { "empty catalogue", &empty, "Alpha", 0, -1 },
        { "empty catalogue past its end", &empty, "Alpha", 1, -1 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, FindControlEntry(*c.catalog, c.text, c.start)) << c.label;
}

TEST(ActiveXPicker, FindAndShowAsATable)
{
    CControlCatalog catalog = SmallCatalog();
    struct Case
    {
        const char* label;
        int selectedBefore;   // -1: none
        const char* search;
        int selectedAfter;
        const char* info;
    } cases[] = {
        { "hit selects and shows it", -1, "Beta", 1, "{00000000-0000-0000-0000-0000000000B2}\r\n\r\n\r\n" },
        { "from the last entry round to the first", 3, "Alpha", 0,
          "{00000000-0000-0000-0000-0000000000A1}\r\nGrid.Alpha\r\n\r\n" },
        { "second grid after the first", 0, "Grid", 2, "{00000000-0000-0000-0000-0000000000C3}\r\n\r\n\r\n" },
        { "no match keeps the selection", 2, "Omega", 2, "No matches found!" },
        { "no match without a selection", -1, "omega", -1, "No matches found!" },
        { "letter case differs: nothing found", 1, "gamma", 1, "No matches found!" },
    };
    for (const Case& c : cases)
    {
        ActiveX_PP page(&catalog);
        std::string info;
        int selected = -2;
        INT_PTR result = Drive(
            [&] {
                CPropertySheet sheet("");
                sheet.SetWizardMode();
                sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
                sheet.AddPage(&page);
                return sheet.DoModal();
            },
            {
                [&] { ChooseIndex(IDC_AXPICK_LIST, c.selectedBefore); },
                Type(IDC_AXPICK_SEARCH, c.search),
                [&] {
                    Click(IDC_AXPICK_FIND);
                    selected = ChosenIndex(GetDlgItem(Page(), IDC_AXPICK_LIST));
                    info = Text(IDC_AXPICK_INFO);
                    Cancel();
                },
            });
        EXPECT_EQ(IDCANCEL, result) << c.label;
        EXPECT_EQ(c.selectedAfter, selected) << c.label;
        EXPECT_EQ(c.info, info) << c.label;
        EXPECT_EQ(-1, page.m_selection) << c.label;
    }
}

TEST(ActiveXPicker, NothingSelectedShowsAndFinishesWithNothing)
{
    CControlCatalog catalog = SmallCatalog();
    bool finishEnabled = true;
    std::string info = "unchanged";
    int index = Drive([&] { return PickRegisteredControl(NULL, &catalog); },
                    {
                        [&] {
                            ChooseIndex(IDC_AXPICK_LIST, 1);
                            ChooseIndex(IDC_AXPICK_LIST, -1);
                            info = Text(IDC_AXPICK_INFO);
                            // Finish cannot be pressed: the person can only cancel.
                            finishEnabled = ButtonEnabled(PSBTN_FINISH);
                            Cancel();
                        },
                    });
    EXPECT_EQ(-1, index);
    EXPECT_FALSE(finishEnabled);
    // The previous line's text stays: nothing was read for no line.
    EXPECT_EQ("{00000000-0000-0000-0000-0000000000B2}\r\n\r\n\r\n", info);
}

class ActiveXPickerRegistry : public TestControlTest
{
};

TEST_F(ActiveXPickerRegistry, ListsTheRegisteredControlsAndAPresetClassIdSelectsOne)
{
    CControlCatalog catalog;
    std::vector<std::string> lines;
    std::string info;
    bool finishEnabled = false;
    int index = Drive([&] { return PickRegisteredControl(kTestControlClsid, &catalog); },
                    {
                        [&] {
                            lines = Items(IDC_AXPICK_LIST);
                            EXPECT_EQ(Chosen(IDC_AXPICK_LIST), "Lumbrook Test Control");
                            info = Text(IDC_AXPICK_INFO);
                            finishEnabled = ButtonEnabled(PSBTN_FINISH);
                            Press(PSBTN_FINISH);
                        },
                    });
    ASSERT_EQ((size_t)catalog.GetCount(), lines.size());
    for (size_t i = 0; i < lines.size(); i++)
        EXPECT_EQ(std::string(catalog.GetEntry((int)i)->GetDisplayName()), lines[i]);
    // Our two controls and Wine's own.
    EXPECT_GE(lines.size(), 3u);
    ASSERT_GE(index, 0);
    const CControlCatalogEntry* entry = catalog.GetEntry(index);
    EXPECT_STRCASEEQ(kTestControlClsid, entry->GetClassId());
    EXPECT_TRUE(finishEnabled);
    std::string expected = std::string(entry->GetClassId()) + "\r\n" + kTestControlProgId + "\r\n" +
                           std::string(entry->GetServerPath()) + "\r\n";
    EXPECT_EQ(expected, info);
    EXPECT_STRCASEEQ(TestControlPath().c_str(), entry->GetServerPath());
}

TEST_F(ActiveXPickerRegistry, ASecondPickerReusesTheCatalogue)
{
    CControlCatalog catalog;
    auto cancel = [] { Cancel(); };
    EXPECT_EQ(-1, Drive([&] { return PickRegisteredControl(NULL, &catalog); }, { cancel }));
    int count = catalog.GetCount();
    ASSERT_GT(count, 0);
    EXPECT_EQ(-1, Drive([&] { return PickRegisteredControl(NULL, &catalog); }, { cancel }));
    EXPECT_EQ(count, catalog.GetCount());
}
