#include "player/runtime/MultiResolution.h"

#include <gtest/gtest.h>

using Tarvex::CMultiResolution;

namespace {

struct ScaleCase
{
    const char* name;
    int value;
    int mode;
    float factor;
    float mean;
    int expected;
};

TEST(MultiResolutionTest, ScaleValueFollowsModeAndRounding)
{
    const ScaleCase cases[] = {
        { "mode 0 unchanged", 100, 0, 1.28f, 1.28f, 100 },
        { "unknown mode unchanged", 100, 7, 1.28f, 1.28f, 100 },
        { "mode 1 uses the mean", 100, 1, 2.0f, 1.28f, 128 },
        { "mode 2 uses its own factor", 100, 2, 1.5f, 1.28f, 150 },
        { "remainder 0.8 rounds up", 10, 2, 1.28f, 1.28f, 13 },
        { "remainder 0.75 rounds up", 3, 1, 1.25f, 1.25f, 4 },
        { "remainder 0.5 rounds up", 2, 1, 1.25f, 1.25f, 3 },
        { "remainder 0.25 truncates", 1, 1, 1.25f, 1.25f, 1 },
        { "negative product only truncates", -10, 2, 1.28f, 1.28f, -12 },
        { "mode 3 on a larger screen", 100, 3, 1.28f, 1.28f, 100 },
        { "mode 3 on a smaller screen", 100, 3, 0.5f, 0.78125f, 78 },
        { "mode 4 on a smaller screen", 100, 4, 0.5f, 0.78125f, 50 },
        { "mode 5 on a larger screen", 100, 5, 2.0f, 1.25f, 125 },
        { "mode 5 on a smaller screen", 100, 5, 0.5f, 0.78125f, 100 },
        { "mode 6 on a larger screen", 100, 6, 2.0f, 1.25f, 200 },
        { "mode 6 on the same screen", 100, 6, 1.0f, 1.0f, 100 },
        { "mode 1 on the same screen", 37, 1, 1.0f, 1.0f, 37 },
    };
    for (const ScaleCase& c : cases)
        EXPECT_EQ(c.expected, CMultiResolution::ScaleValue(c.value, c.mode, c.factor, c.mean)) << c.name;
}

CDataFile MakePage(const char* xres, const char* yres)
{
    CDataFile page;
    page.SetInt("Main", "width", 400);
    page.SetInt("Main", "height", 300);
    if (xres)
        page.SetString("Main", "xres", xres);
    if (yres)
        page.SetString("Main", "yres", yres);
    page.SetInt("Element_1", "resize", 2);
    page.SetInt("Element_1", "reposition", 2);
    page.SetInt("Element_1", "width", 100);
    page.SetInt("Element_1", "height", 50);
    page.SetInt("Element_1", "fontSize", 10);
    page.SetInt("Element_1", "xpos", 100);
    page.SetInt("Element_1", "ypos", 50);
    page.SetInt("Element_2", "resize", 2);
    page.SetInt("Element_2", "width", 10);
    page.SetInt("Element_2", "xpos", 10);
    page.SetInt("Element_3", "width", 10);
    return page;
}

int Value(const CDataFile& file, const char* section, const char* key)
{
    int value = -99999;
    file.GetInt(section, key, value);
    return value;
}

TEST(MultiResolutionTest, ApplyRewritesOnlyWhatSectionsAskFor)
{
    CDataFile page = MakePage("800", "600");
    CMultiResolution rescaler;
    ASSERT_TRUE(rescaler.Apply(page, 1024, 768));
    EXPECT_FLOAT_EQ(1.28f, rescaler.GetMeanFactor());

    const struct
    {
        const char* section;
        const char* key;
        int expected;
    } cases[] = {
        { "Element_1", "width", 128 },
        { "Element_1", "height", 64 },
        { "Element_1", "fontSize", 13 },
        { "Element_1", "xpos", 128 },
        { "Element_1", "ypos", 64 },
        { "Element_2", "width", 13 },
        { "Element_2", "xpos", 10 },      // no "reposition"
        { "Element_2", "fontSize", -99999 },   // not added
        { "Element_3", "width", 10 },     // no "resize"
        { "Main", "width", 400 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, Value(page, c.section, c.key)) << c.section << " " << c.key;
}

TEST(MultiResolutionTest, PagesWithoutAUsableDesignSizeStayUnscaled)
{
    const struct
    {
        const char* name;
        const char* xres;
        const char* yres;
    } cases[] = {
        { "no yres", "800", NULL },
        { "no xres", NULL, "600" },
        { "xres 0", "0", "600" },
        { "negative yres", "800", "-600" },
    };
    for (const auto& c : cases)
    {
        CDataFile page = MakePage(c.xres, c.yres);
        CMultiResolution rescaler;
        EXPECT_FALSE(rescaler.Apply(page, 1024, 768)) << c.name;
        EXPECT_EQ(100, Value(page, "Element_1", "width")) << c.name;
        EXPECT_EQ(100, Value(page, "Element_1", "xpos")) << c.name;
    }
}

TEST(MultiResolutionTest, MainTakesPartWhenItAsksForIt)
{
    CDataFile page = MakePage("640", "480");
    page.SetInt("Main", "resize", 1);
    CMultiResolution rescaler;
    ASSERT_TRUE(rescaler.Apply(page, 800, 600));
    EXPECT_EQ(500, Value(page, "Main", "width"));
    EXPECT_EQ(375, Value(page, "Main", "height"));
}

} // namespace
