// A control's members as the browser lists them, read from the registered
// test control through a hidden host window.
#include <windows.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "browser/ControlMembers.h"
#include "browser/ControlReport.h"
#include "model/store/ControlCatalog.h"
#include "model/store/ControlInterfaces.h"
#include "platform/atl/AtlImports.h"
#include "tests/browser/SeededClasses.h"
#include "tests/browser/TestControlReport.h"
#include "tests/model/TestControlFixture.h"

namespace
{
std::string MethodText(const CBrowserMethodRecord& method)
{
    std::string text = std::string(VarTypeText(method.returnType)) + " " + method.name.c_str() + "(";
    for (const CMethodParamRecord& param : method.params)
        text += std::string(" ") + VarTypeText(param.type) + " " + param.name.c_str() + (param.optional ? "?" : "");
    return text + " )";
}

class ControlMembersTest : public TestControlTest
{
protected:
    void SetUp() override
    {
        TestControlTest::SetUp();
        AtlAxWinInit();
    }
};
}

TEST_F(ControlMembersTest, TestControlShowsMethodsPropertiesAndEvents)
{
    CControlMembers members;
    ASSERT_TRUE(LoadControlMembers(kTestControlClsid, NULL, members));

    std::vector<std::string> methods;
    for (const CBrowserMethodRecord& method : members.methods)
        methods.push_back(MethodText(method));
    const std::vector<std::string> expectedMethods = {
        "VT_I4 Add( VT_I4 a VT_I4 b )",
        "VT_BSTR Concat( VT_BSTR first VT_VARIANT second? )",
        "VT_VOID Fire( VT_BSTR text VT_I4 n )",
        "VT_VOID Ping( )",
        "VT_VOID oleDrag( )",
    };
    EXPECT_EQ(expectedMethods, methods);

    std::vector<std::string> properties;
    for (const CControlPropertyRecord& property : members.properties)
        properties.push_back(std::string(property.name) + " " + VarTypeText(property.type) + " " +
                             FormatPropertyAccess(property).c_str());
    const std::vector<std::string> expectedProperties = {
        "Caption VT_BSTR Get, Put",
        "FireCount VT_I4 Get",
        "FillColor VT_I4 Put",
    };
    EXPECT_EQ(expectedProperties, properties);

    std::vector<std::string> events;
    for (const CStr& name : members.events)
        events.push_back(name.c_str());
    EXPECT_EQ((std::vector<std::string>{ "OnFired", "OnPinged" }), events);

    // Loading again replaces the lists.
    ASSERT_TRUE(LoadControlMembers(kTestControlClsid, NULL, members));
    EXPECT_EQ(expectedMethods.size(), members.methods.size());
}

TEST_F(ControlMembersTest, VariablesOfADispinterfaceBecomeProperties)
{
    CControlMembers members;
    ASSERT_TRUE(LoadControlMembers(kPlainControlClsid, NULL, members));
    std::vector<std::string> properties;
    for (const CControlPropertyRecord& property : members.properties)
        properties.push_back(std::string(property.name) + " " + FormatPropertyAccess(property).c_str());
    EXPECT_EQ((std::vector<std::string>{ "Label Get, Put", "Length Get", "AcceptsDropTarget Get, Put" }), properties);
    EXPECT_TRUE(members.events.empty());
}

TEST_F(ControlMembersTest, AnUnreadableEventInterfaceCostsOnlyTheEvents)
{
    MessageRecorder boxes;
    for (const char* classId : { kUnreadableEventsFirstClsid, kUnreadableEventsLastClsid })
    {
        ASSERT_TRUE(seeded::AddClass(classId, "Lumbrook unreadable events", { "Control", "InprocServer32=" + TestControlPath() }));
        CControlMembers members;
        members.events.push_back("stale");
        EXPECT_TRUE(LoadControlMembers(classId, NULL, members)) << classId;
        std::vector<std::string> properties, methods;
        for (const CControlPropertyRecord& property : members.properties)
            properties.push_back(std::string(property.name) + " " + FormatPropertyAccess(property).c_str());
        for (const CBrowserMethodRecord& method : members.methods)
            methods.push_back(method.name.c_str());
        EXPECT_EQ((std::vector<std::string>{ "Label Get, Put", "Length Get", "AcceptsDropTarget Get, Put" }), properties)
            << classId;
        EXPECT_EQ((std::vector<std::string>{ "Twice", "Sum" }), methods) << classId;
        EXPECT_TRUE(members.events.empty()) << classId;

        // The editor's and the player's reader still fail on it.
        IUnknown* control = Create(classId);
        ASSERT_NE(nullptr, control) << classId;
        CDispatchInterfaceInfo defaultMembers, sourceMembers;
        EXPECT_TRUE(FAILED(ReadControlInterfaces(control, &defaultMembers, &sourceMembers))) << classId;
        control->Release();
        seeded::RemoveClass(classId);
    }
    EXPECT_TRUE(boxes.Messages().empty());
}

TEST_F(ControlMembersTest, AClassThatIsNoControlReadsNothing)
{
    CControlMembers members;
    members.events.push_back("stale");
    const char* classIds[] = { "", "{00000000-1111-2222-3333-444444444444}", "not a class id" };
    for (const char* classId : classIds)
    {
        EXPECT_FALSE(LoadControlMembers(classId, NULL, members)) << classId;
        EXPECT_TRUE(members.events.empty() && members.methods.empty() && members.properties.empty()) << classId;
    }
}

TEST_F(ControlMembersTest, ReportOfTheTestControl)
{
    CControlCatalog catalog;
    catalog.BuildControlCatalog();
    int index = -1;
    for (int i = 0; i < catalog.GetCount(); i++)
        if (catalog.GetEntry(i)->GetClassId().EqualsNoCase(kTestControlClsid))
            index = i;
    ASSERT_GE(index, 0);
    ASSERT_TRUE(catalog.ReadControlServerInfo(index));
    CControlMembers members;
    ASSERT_TRUE(LoadControlMembers(kTestControlClsid, NULL, members));
    EXPECT_EQ(std::string("LumbrookTestControl.txt"),
              std::string(ReportFileName(catalog.GetEntry(index)->GetDisplayName())));
    const std::string expected = ExpectedTestControlReport(catalog.GetEntry(index)->GetServerPath().c_str());
    EXPECT_EQ(expected, std::string(FormatReport(*catalog.GetEntry(index), members)));
}
