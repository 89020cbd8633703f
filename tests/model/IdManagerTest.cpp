#include "model/IdManager.h"
#include "model/ScriptableObject.h"

#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct RegisterCase
{
    const char* label;
    std::vector<const char*> registered;
    const char* wanted;
    const char* expected;
};

TEST(IdManager, RegisterAnswersTheWantedNameOrTheFirstFreeNumberedOne)
{
    const RegisterCase cases[] = {
        { "nothing registered", {}, "Image", "Image" },
        { "the name itself is taken", { "Image" }, "Image", "Image1" },
        { "two names begin with it", { "Image", "ImageList" }, "Image", "Image2" },
        { "count 1 gives Text1, taken", { "Text1" }, "Text", "Text2" },
        { "Image and Image1 taken", { "Image", "Image1" }, "Image", "Image2" },
        { "candidate Image12 is a prefix", { "Image1", "Image12" }, "Image1", "Image13" },
        { "letter case differs", { "image" }, "Image", "Image" },
        { "only inside a name", { "ImageList" }, "List", "List" },
    };
    for (const RegisterCase& c : cases) {
        CIdManager ids;
        CElement owner;
        for (const char* name : c.registered)
            ids.Register(name, &owner);
        CElement object;
        EXPECT_STREQ(c.expected, ids.Register(c.wanted, &object).c_str()) << c.label;
        ASSERT_EQ((int)c.registered.size() + 1, ids.GetCount()) << c.label;
        EXPECT_STREQ(c.expected, ids.GetNameAt(ids.GetCount() - 1).c_str()) << c.label;
        EXPECT_EQ(&object, ids.GetObjectAt(ids.GetCount() - 1)) << c.label;
    }
}

// A stored id is renamed only when another object bears exactly that id:
// actions name their target by its id, and a prefix count would cut an
// object off from them.
TEST(IdManager, RegisterStoredKeepsAnIdNoOtherObjectBearsExactly)
{
    struct StoredCase
    {
        const char* label;
        std::vector<const char*> registered;   // by other objects
        const char* stored;
        const char* expected;
        int added;
    };
    const StoredCase cases[] = {
        { "nothing registered", {}, "Text1", "Text1", 1 },
        { "the same id twice", { "Text1" }, "Text1", "Text11", 1 },
        { "only begins with a registered one", { "Button1" }, "Button", "Button", 1 },
        { "a registered one begins with it, twice", { "Button", "ButtonList" }, "Button", "Button2", 1 },
        { "letter case differs", { "text" }, "Text", "Text", 1 },
        { "empty", { "Text" }, "", "", 0 },
    };
    MessageRecorder messages;
    for (const StoredCase& c : cases) {
        CIdManager ids;
        CElement other;
        for (const char* name : c.registered)
            ids.Register(name, &other);
        CElement object;
        EXPECT_STREQ(c.expected, ids.RegisterStored(c.stored, &object).c_str()) << c.label;
        ASSERT_EQ((int)c.registered.size() + c.added, ids.GetCount()) << c.label;
        if (c.added) {
            EXPECT_EQ(&object, ids.GetObjectAt(ids.GetCount() - 1)) << c.label;
        }
    }
    // An object whose own entry bears the id keeps it and is recorded once.
    CIdManager ids;
    CElement page;
    ids.RegisterStored("Home", &page);
    EXPECT_STREQ("Home", ids.RegisterStored("Home", &page).c_str());
    EXPECT_EQ(1, ids.GetCount());
    EXPECT_TRUE(messages.Messages().empty());
}

TEST(IdManager, SameNameForThreeObjectsCountsOnAndEmptyNameRecordsNothing)
{
    CIdManager ids;
    CScriptableObject a, b, c;
    EXPECT_STREQ("Button", ids.Register("Button", &a).c_str());
    EXPECT_STREQ("Button1", ids.Register("Button", &b).c_str());
    EXPECT_STREQ("Button2", ids.Register("Button", &c).c_str());
    EXPECT_STREQ("", ids.Register("", &a).c_str());
    EXPECT_EQ(3, ids.GetCount());
}

TEST(IdManager, UnregisterRemovesOnlyTheFirstEntryOfThatNameAndObject)
{
    CIdManager ids;
    CElement a, b;
    ids.Register("Text", &a);
    ids.Register("Other", &b);

    ids.Unregister("Text", &b);      // another object's name
    ids.Unregister("text", &a);      // letter case differs
    ids.Unregister("Missing", &a);
    EXPECT_EQ(2, ids.GetCount());

    ids.Unregister("Text", &a);
    ASSERT_EQ(1, ids.GetCount());
    EXPECT_STREQ("Other", ids.GetNameAt(0).c_str());
    // The freed name is answered unchanged again.
    EXPECT_STREQ("Text", ids.Register("Text", &b).c_str());
}

}  // namespace
