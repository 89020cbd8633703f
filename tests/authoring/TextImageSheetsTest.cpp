// The text and image elements' sheets, opened through the model's hooks on
// elements of a page; what OK and Cancel leave is read back from the page's
// saved data file, section by section.
#include "actions/ActionTypes.h"
#include "authoring/Factories.h"
#include "authoring/ProjectFolder.h"
#include "authoring/TextImageSheets.h"
#include "model/Browser.h"
#include "model/ImageElement.h"
#include "model/PropertySheetHooks.h"
#include "model/TextElement.h"
#include "model/common/VariantHelpers.h"
#include "resources/editor/TextImagePagesIds.h"
#include "tests/authoring/ElementPage.h"
#include "tests/e2e/PictureFiles.h"
#include "tests/model/ModelTestObjects.h"
#include "tests/support/BoxRule.h"
#include "tests/support/SheetDriver.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace sheetdriver;

namespace {

typedef std::map<std::string, KeyMap> SavedPage;

// The page saved into a file and read back, every section's keys.
SavedPage SaveAndRead(CBrowser& page, const std::string& path)
{
    CDataFile file;
    page.Save(&file);
    file.SaveToFile(path.c_str());
    CDataFile read;
    read.LoadFromFile(path.c_str());
    SavedPage saved;
    for (int i = 0; i < read.GetLineCount(); ++i) {
        std::string line = read.GetLine(i).c_str();
        if (line.size() > 2 && line[0] == '[') {
            std::string name = line.substr(1, line.find(']') - 1);
            saved[name] = SectionKeys(read, name.c_str());
        }
    }
    return saved;
}

// Every key that differs between two saves, as "section.key".
std::set<std::string> ChangedKeys(const SavedPage& before, const SavedPage& after)
{
    std::set<std::string> changed;
    for (const auto& section : after) {
        auto old = before.find(section.first);
        for (const auto& key : section.second) {
            if (old == before.end() || old->second.count(key.first) == 0 || old->second.at(key.first) != key.second)
                changed.insert(section.first + "." + key.first);
        }
    }
    for (const auto& section : before) {
        auto now = after.find(section.first);
        for (const auto& key : section.second) {
            if (now == after.end() || now->second.count(key.first) == 0)
                changed.insert(section.first + "." + key.first);
        }
    }
    return changed;
}


} // namespace

TEST(TextSheet, OkWritesTheChangedKeysAndCancelWritesNothing)
{
    const struct { bool ok; std::set<std::string> changed; } rows[] = {
        { true, { "Element_1.text", "Element_1.justification", "Element_1.bgTransparency", "Element_1.bgColor" } },
        { false, {} },
    };
    for (const auto& row : rows) {
        PageFixture fixture;
        CTextElement* text = fixture.AddText("Caption");
        SavedPage before = SaveAndRead(fixture.page, fixture.Path("before.pgd"));
        BOOL result = TRUE;
        result = Drive([&] { return text->EditProperties(FALSE); }, {
            [] { ShowTab(0); },
            Type(IDC_TEXT_EDIT, "Goodbye"),
            [] { ShowTab(1); },
            Type(IDC_BAR_TRANSPARENCY, "40"),
            [&] {
                ShowTab(2);
                Click(IDC_ALIGN_CENTER);
                Press(row.ok ? PSBTN_OK : PSBTN_CANCEL);
            },
        });
        SavedPage after = SaveAndRead(fixture.page, fixture.Path("after.pgd"));
        EXPECT_EQ(row.ok ? TRUE : FALSE, result);
        std::set<std::string> changed = ChangedKeys(before, after);
        // The colour bar stays black; only the other three change.
        std::set<std::string> expected = row.changed;
        expected.erase("Element_1.bgColor");
        EXPECT_EQ(expected, changed);
        if (row.ok) {
            EXPECT_EQ("Goodbye", after["Element_1"]["text"]);
            EXPECT_EQ("center", after["Element_1"]["justification"]);
            EXPECT_EQ("0.6000", after["Element_1"]["bgTransparency"]);
        }
    }
}

TEST(TextSheet, ReopeningAndOkKeepsTheStoredTransparencyAndTheName)
{
    PageFixture fixture;
    CTextElement* text = fixture.AddText("Text1");
    fixture.AddText("Text10", "Element_2");
    SavedPage before = SaveAndRead(fixture.page, fixture.Path("before.pgd"));
    for (int round = 0; round < 3; ++round) {
        Drive([&] { return text->EditProperties(FALSE); }, { [] { Ok(); } });
    }
    SavedPage after = SaveAndRead(fixture.page, fixture.Path("after.pgd"));
    EXPECT_EQ(std::set<std::string>(), ChangedKeys(before, after));
    EXPECT_EQ("Text1", std::string(text->m_strId));
}

TEST(TextSheet, AnOutOfRangeTransparencyIsReportedAndKeepsTheSheet)
{
    PageFixture fixture;
    CTextElement* text = fixture.AddText("Caption");
    SavedPage before = SaveAndRead(fixture.page, fixture.Path("before.pgd"));
    const std::string range = "Please enter an integer between 0 and 100.";
    ExpectBox(range);
    std::vector<std::string> boxesAfterOk;
    BOOL result = Drive([&] { return text->EditProperties(FALSE); }, {
        [] { ShowTab(1); },
        Type(IDC_BAR_TRANSPARENCY, "150"),
        [] { Ok(); },
        [&] {
            boxesAfterOk = ShownBoxTexts();
            Cancel();
        },
    });
    EXPECT_FALSE(result);
    EXPECT_EQ(std::vector<std::string>{ range }, boxesAfterOk);
    EXPECT_EQ(std::vector<std::string>{ range }, ShownBoxTexts());
    EXPECT_EQ(std::set<std::string>(), ChangedKeys(before, SaveAndRead(fixture.page, fixture.Path("after.pgd"))));
}

TEST(TextSheet, TheInsertWizardTakesTheTextAndTheColourBar)
{
    PageFixture fixture;
    CTextElement* text = fixture.AddText("Caption");
    BOOL result = FALSE;
    result = Drive([&] { return text->EditProperties(TRUE); }, {
        Type(IDC_TEXT_EDIT, "Welcome aboard"),
        [] { Press(PSBTN_NEXT); },
        Type(IDC_BAR_TRANSPARENCY, "25"),
        [] { Press(PSBTN_FINISH); },
    });
    EXPECT_TRUE(result);
    EXPECT_EQ("Welcome aboard", std::string(text->m_strText));
    EXPECT_DOUBLE_EQ(0.75, text->m_bgTransparency);
    EXPECT_EQ(20, text->m_xpos);
}

TEST(TextChoice, OnlyChangedValuesBecomeAssignmentsAndTheElementStays)
{
    PageFixture fixture;
    CTextElement* text = fixture.AddText("Caption");
    CPropertyRecordList list;
    VARIANT size;
    size.vt = VT_I4;
    size.lVal = 20;
    list.push_back(CPropertyRecord("fontSize", "", size, VT_I4, TRUE));
    BOOL result = FALSE;
    result = Drive([&] { return text->ChooseProperties(list); }, {
        Type(IDC_TEXT_EDIT, "Changed"),
        [] { ShowTab(1); },
        Type(IDC_BAR_TRANSPARENCY, "50"),
        [] { Ok(); },
    });
    ASSERT_TRUE(result);
    std::map<std::string, std::pair<VARTYPE, std::string>> assigned;
    for (const CPropertyRecord& record : list)
        assigned[record.m_strName.c_str()] = { record.m_vt, VariantToText(record.m_value).c_str() };
    std::map<std::string, std::pair<VARTYPE, std::string>> expected = {
        { "fontSize", { VT_I4, "20" } },
        { "text", { VT_BSTR, "Changed" } },
        { "bgTransparency", { VT_R8, "0.5" } },
    };
    EXPECT_EQ(expected, assigned);
    EXPECT_EQ("Hello", std::string(text->m_strText));
    EXPECT_EQ(10, text->m_fontSize);
    EXPECT_TRUE(PropertyListIsChanged(text->m_properties, "text"));
    EXPECT_FALSE(PropertyListIsChanged(text->m_properties, "fontName"));

    CPropertyRecordList untouched = list;
    result = Drive([&] { return text->ChooseProperties(list); }, {
        Type(IDC_TEXT_EDIT, "Again"),
        [] { Cancel(); },
    });
    EXPECT_FALSE(result);
    ASSERT_EQ(untouched.size(), list.size());
    for (size_t i = 0; i < list.size(); ++i)
        EXPECT_EQ(VariantToText(untouched[i].m_value), VariantToText(list[i].m_value));
}

TEST(ImageSheet, OkWritesThePictureAndEffectsAndCancelWritesNothing)
{
    const struct { bool ok; } rows[] = { { true }, { false } };
    for (const auto& row : rows) {
        PageFixture fixture;
        WritePicture(fixture.Path("a.bmp"), 40, 30);
        WritePicture(fixture.Path("b.bmp"), 60, 20);
        WritePicture(fixture.Path("over.bmp"), 60, 20);
        CImageElement* image = fixture.AddImage("a.bmp");
        ASSERT_NE(nullptr, image->m_hMask);
        SavedPage before = SaveAndRead(fixture.page, fixture.Path("before.pgd"));
        BOOL result = TRUE;
        result = Drive([&] { return image->EditProperties(FALSE); }, {
            Type(IDC_IMAGE_PATH, "b.bmp"),
            [] { ShowTab(1); },
            Type(IDC_EFFECT_OVER, "over.bmp"),
            [&] {
                ShowTab(0);
                Press(row.ok ? PSBTN_OK : PSBTN_CANCEL);
            },
        });
        SavedPage after = SaveAndRead(fixture.page, fixture.Path("after.pgd"));
        if (!row.ok) {
            EXPECT_FALSE(result);
            EXPECT_EQ(std::set<std::string>(), ChangedKeys(before, after));
            // Cancelled, the picture keeps its transparency.
            EXPECT_NE(nullptr, image->m_hMask);
            continue;
        }
        EXPECT_TRUE(result);
        EXPECT_EQ("b.bmp", after["Element_1"]["src"]);
        EXPECT_EQ("60", after["Element_1"]["width"]);
        EXPECT_EQ("20", after["Element_1"]["height"]);
        EXPECT_EQ("1", after["Element_1"]["buttonType"]);
        CStr over, down;
        image->GetEffectImages(over, down);
        EXPECT_EQ("over.bmp", std::string(over));
        EXPECT_EQ("", std::string(down));
        CScript* restore = image->FindScriptForEvent("OnMouseOut");
        ASSERT_NE(nullptr, restore);
    }
}

TEST(ImageSheet, TheInsertWizardMakesASystemButtonWithoutAPicture)
{
    PageFixture fixture;
    CImageElement* image = CreateImageElement(&fixture.page);
    fixture.page.AddChild(image);
    bool nextBefore = true, nextAfterTick = false, nextAfterCaption = false, finishAtEnd = false;
    BOOL result = Drive([&] { return image->EditProperties(TRUE); }, {
        [&] {
            nextBefore = ButtonEnabled(PSBTN_NEXT);
            Click(IDC_IMAGE_SYSTEM_BUTTON);
            nextAfterTick = ButtonEnabled(PSBTN_NEXT);
        },
        Type(IDC_IMAGE_CAPTION, "Go"),
        [&] {
            nextAfterCaption = ButtonEnabled(PSBTN_NEXT);
            Press(PSBTN_NEXT);
        },
        OnPage(IDC_EFFECT_OVER, [&] {
            finishAtEnd = ButtonEnabled(PSBTN_FINISH);
            Press(PSBTN_FINISH);
        }),
    });
    EXPECT_FALSE(nextBefore);
    EXPECT_TRUE(nextAfterTick);
    EXPECT_TRUE(nextAfterCaption);
    EXPECT_TRUE(finishAtEnd);
    EXPECT_TRUE(result);
    SavedPage saved = SaveAndRead(fixture.page, fixture.Path("after.pgd"));
    KeyMap& keys = saved[image->GetSectionName().c_str()];
    EXPECT_EQ(std::to_string(CImageElement::TypeSystemButton), keys["buttonType"]);
    EXPECT_EQ("Go", keys["text"]);
}

TEST(ImageChoice, ASystemButtonCaptionClearsThePictureInTheAssignments)
{
    PageFixture fixture;
    WritePicture(fixture.Path("a.bmp"), 40, 30);
    CImageElement* image = fixture.AddImage("a.bmp");
    CPropertyRecordList list;
    BOOL result = FALSE;
    result = Drive([&] { return image->ChooseProperties(list); }, {
        [] { Click(IDC_IMAGE_SYSTEM_BUTTON); },
        Type(IDC_IMAGE_CAPTION, "Go on"),
        [] { Ok(); },
    });
    ASSERT_TRUE(result);
    std::map<std::string, std::string> assigned;
    for (const CPropertyRecord& record : list)
        assigned[record.m_strName.c_str()] = VariantToText(record.m_value).c_str();
    std::map<std::string, std::string> expected = { { "src", "" }, { "buttonText", "Go on" } };
    EXPECT_EQ(expected, assigned);
    EXPECT_EQ("a.bmp", std::string(image->m_strSrc));

    list.clear();
    result = Drive([&] { return image->ChooseProperties(list); }, {
        Type(IDC_IMAGE_PATH, ""),
        [] { Ok(); },
    });
    EXPECT_FALSE(result);
    EXPECT_TRUE(list.empty());
}
