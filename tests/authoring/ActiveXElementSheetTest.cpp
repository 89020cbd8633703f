// The ActiveX element's sheets through the model's hook: a new element takes
// the picked control's class ID and ProgID and reads the control; an element
// already placed has its name, size and position edited; Cancel leaves
// either as it was.
#include "authoring/ActiveXElementSheets.h"

#include "actions/ControlPicker.h"
#include "authoring/LumbrookConfigDoc.h"
#include "model/ActiveXElement.h"
#include "model/Browser.h"
#include "model/IdManager.h"
#include "resources/editor/ObjectPagesIds.h"
#include "tests/model/FakeEditorServices.h"
#include "model/PropertySheetHooks.h"
#include "resources/editor/ActiveXPagesIds.h"
#include "tests/support/SheetDriver.h"
#include "tests/model/TestControlFixture.h"

#include <gtest/gtest.h>
#include <string>

using namespace sheetdriver;

namespace {

class ActiveXElementSheet : public TestControlTest
{
protected:
    void SetUp() override
    {
        TestControlTest::SetUp();
        GetControlCatalog().ClearControlCatalog();
        m_previous = SetEditActiveXHook(NULL);
        InstallActiveXElementSheets();
    }
    void TearDown() override
    {
        SetEditActiveXHook(m_previous);
        GetControlCatalog().ClearControlCatalog();
        TestControlTest::TearDown();
    }
    EditActiveXHook m_previous = NULL;
};

// Finds the test control in the picker and ends it with button.
Steps PickTestControl(int button)
{
    return {
        Type(IDC_AXPICK_SEARCH, "Lumbrook Test Control"),
        [button] {
            Click(IDC_AXPICK_FIND);
            Press(button);
        },
    };
}

} // namespace

TEST_F(ActiveXElementSheet, ANewElementTakesThePickedControl)
{
    CActiveXElement element;
    BOOL result = Drive([&] { return element.EditProperties(TRUE); }, PickTestControl(PSBTN_FINISH));
    EXPECT_TRUE(result);
    EXPECT_STRCASEEQ(kTestControlClsid, element.m_strCLSID);
    EXPECT_STREQ(kTestControlProgId, element.m_strProgID);
    EXPECT_STREQ(kTestControlProgId, element.m_strCaption);
    // The control was read: its events replace the mouse events.
    ASSERT_FALSE(element.m_eventNames.empty());
    EXPECT_STREQ("OnFired", element.m_eventNames[0]);
    EXPECT_FALSE(element.m_methods.empty());
}

TEST_F(ActiveXElementSheet, CancelLeavesANewElementAsItWas)
{
    CActiveXElement element;
    BOOL result = Drive([&] { return element.EditProperties(TRUE); }, PickTestControl(PSBTN_CANCEL));
    EXPECT_FALSE(result);
    EXPECT_TRUE(element.m_strCLSID.IsEmpty());
    EXPECT_TRUE(element.m_strProgID.IsEmpty());
    EXPECT_TRUE(element.m_methods.empty());
}

namespace {

// An element placed on the current page of a document of its own.
struct PlacedActiveXElement
{
    PlacedActiveXElement()
    {
        page = new CBrowser();
        page->SetId("Main");
        document.AppendPage(page, "tarvex.pgd");
        page->Save(NULL);
        page->Unload();
        document.m_bAutoDelete = FALSE;
        EXPECT_TRUE(document.SetCurrentPage(page, TRUE));
        services.currentPage = page;
        control = new CActiveXElement();
        control->SetType("ActiveX");
        page->AddChild(control);
        control->RegisterId("Grid");
        control->m_xpos = 10;
        control->m_ypos = 20;
        control->m_width = 100;
        control->m_height = 50;
        control->m_naturalWidth = 80;
        control->m_naturalHeight = 40;
    }

    FakeEditorServices services;
    CLumbrookConfigDoc document;
    CBrowser* page = NULL;
    CActiveXElement* control = NULL;
};

struct Fields
{
    std::string id;
    int x, y, width, height, resize, reposition;
    bool operator==(const Fields& o) const
    {
        return id == o.id && x == o.x && y == o.y && width == o.width && height == o.height &&
               resize == o.resize && reposition == o.reposition;
    }
};

std::ostream& operator<<(std::ostream& out, const Fields& f)
{
    return out << f.id << " " << f.x << "," << f.y << " " << f.width << "x" << f.height << " modes "
               << f.resize << "/" << f.reposition;
}

Fields FieldsOf(const CActiveXElement& c)
{
    return { (const char*)c.GetId(), c.m_xpos, c.m_ypos, c.m_width, c.m_height, c.m_resize, c.m_reposition };
}

} // namespace

TEST(PlacedActiveXElementSheet, OkTakesThePagesAndCancelKeepsTheElement)
{
    struct Case
    {
        const char* label;
        int button;
        BOOL result;
        Fields after;
    } cases[] = {
        { "confirmed", PSBTN_OK, TRUE, { "Chart", 30, 40, 80, 40, 0, 0 } },
        { "cancelled", PSBTN_CANCEL, FALSE, { "Grid", 10, 20, 100, 50, 0, 0 } },
    };
    for (const Case& c : cases)
    {
        PlacedActiveXElement placed;
        CActiveXElement* control = placed.control;
        std::string caption, name, width;
        BOOL result = Drive([&] { return EditActiveXObjectProperties(control, &placed.document); },
                          {
                              [&] {
                                  caption = WindowTitle(Modal());
                                  name = Text(IDC_OBJ_NAME);
                              },
                              Type(IDC_OBJ_NAME, "Chart"),
                              [&] {
                                  ShowTab(1);
                                  width = Text(IDC_SIZE_WIDTH);
                                  // Back to the control's own extent.
                                  Click(IDC_SIZE_RESTORE);
                                  ShowTab(2);
                              },
                              Type(IDC_POS_X, "30"),
                              Type(IDC_POS_Y, "40"),
                              [&] { Press(c.button); },
                          });
        EXPECT_EQ(c.result, result) << c.label;
        EXPECT_EQ("Properties for ActiveX", caption) << c.label;
        EXPECT_EQ("Grid", name) << c.label;
        EXPECT_EQ("100", width) << c.label;
        EXPECT_EQ(c.after, FieldsOf(*control)) << c.label;
    }
}
