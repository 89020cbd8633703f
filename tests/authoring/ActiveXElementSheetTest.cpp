// The ActiveX element's sheets through the model's hook: a new element takes
// the picked control's class ID and ProgID and reads the control; Cancel
// leaves it as it was.
#include "authoring/ActiveXElementSheets.h"

#include "actions/ControlPicker.h"
#include "model/ActiveXElement.h"
#include "model/PropertySheetHooks.h"
#include "resources/editor/ActiveXPagesIds.h"
#include "tests/actions/ActiveXSheetSteps.h"
#include "tests/model/TestControlFixture.h"

#include <gtest/gtest.h>
#include <string>

using namespace sheetsteps;

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
std::function<void()> PickTestControl(int button)
{
    return [button] {
        HWND sheet = TopSheet();
        HWND p = CurrentPage(sheet);
        SetText(p, IDC_AXPICK_SEARCH, "Lumbrook Test Control");
        Click(p, IDC_AXPICK_FIND);
        Press(sheet, button);
    };
}

} // namespace

TEST_F(ActiveXElementSheet, ANewElementTakesThePickedControl)
{
    CActiveXElement element;
    BOOL result = RunWithSteps({ PickTestControl(PSBTN_FINISH) }, [&] { return element.EditProperties(TRUE); });
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
    BOOL result = RunWithSteps({ PickTestControl(PSBTN_CANCEL) }, [&] { return element.EditProperties(TRUE); });
    EXPECT_FALSE(result);
    EXPECT_TRUE(element.m_strCLSID.IsEmpty());
    EXPECT_TRUE(element.m_strProgID.IsEmpty());
    EXPECT_TRUE(element.m_methods.empty());
}
