// The application object: start-up values, owned paths and profile access.
#include "TestApp.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string ModuleBase()
{
    char szModule[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, szModule, MAX_PATH);
    std::string strModule(szModule);
    return strModule.substr(0, strModule.rfind('.'));
}

TEST(AppTest, StartUpTakesTheTitleFromTheStringTableAndSetsDefaultPaths)
{
    theTestApp.InitForTest();
    EXPECT_EQ(&theTestApp, AfxGetApp());
    EXPECT_STREQ("Framework Tests", theTestApp.m_pszAppName);
    EXPECT_EQ(GetModuleHandleA(nullptr), theTestApp.m_hInstance);
    EXPECT_EQ(ModuleBase() + ".HLP", theTestApp.m_pszHelpFilePath);
    const std::string strBase = ModuleBase();
    EXPECT_EQ(strBase.substr(strBase.rfind('\\') + 1) + ".INI", theTestApp.m_pszProfileName);
}

TEST(AppTest, PathsAreCopiesOwnedByTheApplication)
{
    char szPath[] = "C:\\Tools\\Probe.chm";
    theTestApp.SetHelpFilePath(szPath);
    szPath[0] = 'D';
    EXPECT_STREQ("C:\\Tools\\Probe.chm", theTestApp.m_pszHelpFilePath);
    theTestApp.SetHelpFilePath("C:\\Other\\Help.chm");
    EXPECT_STREQ("C:\\Other\\Help.chm", theTestApp.m_pszHelpFilePath);
}

class ProfileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char szFolder[MAX_PATH];
        GetTempPathA(MAX_PATH, szFolder);
        m_strFile = std::string(szFolder) + "framework_profile_test.ini";
        DeleteFileA(m_strFile.c_str());
        m_strOldProfile = theTestApp.m_pszProfileName ? theTestApp.m_pszProfileName : "";
        theTestApp.SetProfileName(m_strFile.c_str());
    }

    void TearDown() override
    {
        theTestApp.SetProfileName(m_strOldProfile.c_str());
        DeleteFileA(m_strFile.c_str());
    }

    std::string m_strFile;
    std::string m_strOldProfile;
};

TEST_F(ProfileTest, WrittenValuesAreReadBackFromTheProfileFile)
{
    EXPECT_TRUE(theTestApp.WriteProfileString("options", "history0", "first"));
    EXPECT_EQ(CString("first"), theTestApp.GetProfileString("options", "history0"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES == GetFileAttributesA(m_strFile.c_str()), false) << "a real file";

    EXPECT_EQ(CString("fallback"), theTestApp.GetProfileString("options", "history1", "fallback"));
    EXPECT_EQ(CString(""), theTestApp.GetProfileString("options", "history1"));
    EXPECT_EQ(CString(""), theTestApp.GetProfileString("missing", "history0"));
}

TEST_F(ProfileTest, ReadsAtMostTheBufferOf4096Characters)
{
    const std::string strLong(5000, 'x');
    ASSERT_TRUE(theTestApp.WriteProfileString("options", "long", strLong.c_str()));
    EXPECT_EQ(4095, theTestApp.GetProfileString("options", "long").GetLength());
}
}
