// The page-file format helpers both element families use.
#include "model/store/PageFormat.h"

#include <gtest/gtest.h>

#include <string>

TEST(PageFormat, SectionNames)
{
    const struct {
        CStr name;
        const char* expected;
    } cases[] = {
        { ElementSectionName("Main", 3), "Element_3" },
        { ElementSectionName("Element_2", 1), "Element_2_Element_1" },
        { ElementSectionName("main", 1), "main_Element_1" },   // only "Main" itself is the page
        { ScriptSectionName("Main", 1), "Script_1" },
        { ScriptSectionName("Element_4", 2), "Element_4_Script_2" },
        { ScriptItemSectionName("Script_1", 5), "Script_1_ScriptItem_5" },
        { ScriptItemSectionName("Element_4_Script_2", 1), "Element_4_Script_2_ScriptItem_1" },
        { ParameterSectionName("Script_1_ScriptItem_2", 0), "Script_1_ScriptItem_2_Param_0" },
        { PropertySectionName("Script_1_ScriptItem_2", 1), "Script_1_ScriptItem_2_Property_1" },
        { MakeChildSectionName("Main", "Frame", 7), "Frame_7" },
        { NumberedSection("Main", "X", 1), "Main_X_1" },
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.expected, c.name.c_str());
}

TEST(PageFormat, CountsNeverExceedTheSections)
{
    CDataFile file;
    file.SetInt("Main", "numScripts", 1);
    file.SetString("Script_1", "name", "a");
    file.AppendLine(CStr("[unclosed"));   // begins like a header: counted, not indexed
    const int sections = file.GetSectionCount();
    ASSERT_EQ(3, sections);
    const struct {
        int stored;
        int expected;
    } cases[] = {
        { -5, 0 }, { 0, 0 }, { 1, 1 }, { 2, 2 }, { 3, 3 }, { 4, 3 }, { 2147483647, 3 },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.expected, ClampStoredCount(c.stored, file)) << c.stored;
        EXPECT_EQ(c.expected, ClampStoredCount(c.stored, &file)) << c.stored;
    }
    EXPECT_EQ(0, ClampStoredCount(5, (const CDataFile*)NULL));
    CDataFile empty;
    EXPECT_EQ(0, ClampStoredCount(2147483647, empty));
}

TEST(PageFormat, ElementKindFromTypeText)
{
    const struct {
        const char* type;
        StoredElementKind contains;     // the editor's rule
        StoredElementKind beginsWith;   // the player's rule
    } cases[] = {
        { "Text", StoredElementText, StoredElementText },
        { "text", StoredElementText, StoredElementText },
        { "ImageList", StoredElementImageList, StoredElementImageList },
        { "imagelist", StoredElementImageList, StoredElementImageList },
        { "Image", StoredElementImage, StoredElementImage },
        { "ActiveX", StoredElementActiveX, StoredElementActiveX },
        { "TextButton", StoredElementText, StoredElementText },
        { "RichText", StoredElementText, StoredElementNone },
        { "MyImageList", StoredElementImageList, StoredElementNone },
        { "BigImage", StoredElementImage, StoredElementNone },
        { "An ActiveX", StoredElementActiveX, StoredElementNone },
        { "ImageText", StoredElementText, StoredElementImage },   // Text is tried first
        { "Widget", StoredElementNone, StoredElementNone },
        { "", StoredElementNone, StoredElementNone },
        { NULL, StoredElementNone, StoredElementNone },
    };
    for (const auto& c : cases) {
        const char* shown = c.type ? c.type : "(null)";
        EXPECT_EQ(c.contains, ElementKindFromType(c.type, TypeTextContains)) << shown;
        EXPECT_EQ(c.beginsWith, ElementKindFromType(c.type, TypeTextBeginsWith)) << shown;
    }
}

TEST(PageFormat, TextFormatFlags)
{
    const UINT base = DT_NOPREFIX | DT_NOCLIP;
    const struct {
        const char* justification;
        const char* vjustification;
        BOOL singleline;
        UINT expected;
    } cases[] = {
        { "left", "top", FALSE, base | DT_WORDBREAK },
        { "center", "bottom", FALSE, base | DT_CENTER | DT_WORDBREAK },
        { "right", "center", FALSE, base | DT_RIGHT | DT_WORDBREAK },
        { "left", "top", TRUE, base | DT_SINGLELINE },
        { "center", "center", TRUE, base | DT_CENTER | DT_SINGLELINE | DT_VCENTER },
        { "right", "bottom", TRUE, base | DT_RIGHT | DT_SINGLELINE | DT_BOTTOM },
        { "Right", "", TRUE, base | DT_SINGLELINE | DT_VCENTER },   // exact words only
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, TextFormatFlags(c.justification, c.vjustification, c.singleline))
            << c.justification << " " << c.vjustification << " " << c.singleline;
}
