#include "actions/records/CallActiveXMethodRecord.h"
#include "actions/records/DataFileActionRecords.h"
#include "actions/records/SectionKeys.h"
#include "actions/records/StoredVariant.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(StoredVariant, CopiesAreDeepAndSelfAssignmentKeepsTheValue)
{
    CStoredVariant original;
    original.SetText("hello");
    CStoredVariant copy(original);
    ASSERT_EQ(VT_BSTR, copy.Type());
    EXPECT_NE(original.Get().bstrVal, copy.Get().bstrVal);
    copy.SetText("changed");
    EXPECT_STREQ("hello", original.ToText());

    CStoredVariant& same = original;
    original = same;
    EXPECT_STREQ("hello", original.ToText());

    VARIANT nullText;
    VariantInit(&nullText);
    nullText.vt = VT_BSTR;
    nullText.bstrVal = NULL;
    CStoredVariant fromNull(nullText);
    EXPECT_STREQ("", fromNull.ToText());
}

TEST(SectionKeys, WrittenKeysStandInTheGivenOrder)
{
    SectionKeyList keys;
    keys.push_back(std::make_pair(CStr("b"), CStr("2")));
    keys.push_back(std::make_pair(CStr("a"), CStr("x = y")));
    CDataFile file;
    WriteSectionKeys(file, "S", keys);
    ASSERT_EQ(3, file.GetLineCount());
    EXPECT_STREQ("[S]", file.GetLine(0));
    EXPECT_STREQ("b = 2", file.GetLine(1));
    EXPECT_STREQ("a = x = y", file.GetLine(2));

    SectionKeyList read;
    ASSERT_TRUE(ReadSectionKeys(file, "S", read));
    ASSERT_EQ(2u, read.size());
    EXPECT_STREQ("a", read[1].first);
    EXPECT_STREQ("x = y", read[1].second);
    EXPECT_FALSE(ReadSectionKeys(file, "T", read));
}

// Restores an environment variable when the test ends.
class EnvironmentValue
{
public:
    explicit EnvironmentValue(const char* name) : m_name(name)
    {
        char buffer[32768];
        DWORD length = GetEnvironmentVariableA(name, buffer, sizeof(buffer));
        m_had = length > 0 && length < sizeof(buffer);
        if (m_had)
            m_value = buffer;
    }
    ~EnvironmentValue() { SetEnvironmentVariableA(m_name.c_str(), m_had ? m_value.c_str() : NULL); }

private:
    std::string m_name;
    std::string m_value;
    bool m_had;
};

TEST(TemporaryFolder, ALongFolderIsReadWhole)
{
    EnvironmentValue tmp("TMP");
    EnvironmentValue temp("TEMP");
    // Longer than 128 characters, the most a fixed buffer took.
    std::string folder = "C:\\" + std::string(100, 'a') + "\\" + std::string(100, 'b');
    SetEnvironmentVariableA("TMP", folder.c_str());
    SetEnvironmentVariableA("TEMP", folder.c_str());

    EXPECT_EQ(folder + "\\", std::string(GetTemporaryFolder()));

    CDataFile file;
    SaveDataFilePath(file, "A", CStr((folder + "\\scores.zjf").c_str()), GetTemporaryFolder());
    CStr stored;
    file.GetString("A", "path", stored);
    EXPECT_STREQ("scores", stored);
}

TEST(CallParameterRecord, AMissingSectionStaysMissing)
{
    CDataFile file;
    CCallParameterRecord parameter;
    EXPECT_FALSE(parameter.Load(file, "A_Param_0"));
    EXPECT_TRUE(parameter.placeholder);
    EXPECT_TRUE(parameter.Save(file, "A_Param_0"));
    EXPECT_EQ(0, file.GetLineCount());
}

}  // namespace
