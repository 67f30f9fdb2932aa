// The path rule: the executable's path with its last three characters
// replaced, for the settings file ("ini") and the help file ("chm").
#include "ModulePath.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool EndsWith(const std::string& str, const std::string& strEnd)
{
    return str.size() >= strEnd.size() && str.compare(str.size() - strEnd.size(), strEnd.size(), strEnd) == 0;
}

TEST(ReplacePathEnding, CutsExactlyThreeBytesWithoutLookingForADot)
{
    struct Case { const char* pszPath; const char* pszEnding; const char* pszResult; };
    const Case cases[] = {
        {"D:\\tools\\Korvane.exe", "ini", "D:\\tools\\Korvane.ini"},
        {"D:\\tools\\Korvane.exe", "chm", "D:\\tools\\Korvane.chm"},
        {"C:\\bin\\korvane", "ini", "C:\\bin\\korvini"},           // no extension
        {"C:\\bin\\korvane.e", "ini", "C:\\bin\\korvanini"},         // one-letter extension
        {"C:\\bin\\korvane.prog", "ini", "C:\\bin\\korvane.pini"},   // four-letter extension
        {"C:\\v1.2\\korvane", "ini", "C:\\v1.2\\korvini"},          // a dot in the folder only
        // Double-byte characters count as two: the cut may split one.
        {"C:\\\x95\x5c\\\xb2\xcd.exe", "ini", "C:\\\x95\x5c\\\xb2\xcd.ini"},
        {"C:\\x\\\x95\x5c\x95\x5c", "ini", "C:\\x\\\x95ini"},
        {"ab", "ini", "ini"},                                       // shorter than the cut
        {"", "chm", "chm"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.pszResult, ReplacePathEnding(c.pszPath, c.pszEnding)) << "path \"" << c.pszPath << "\"";
}

TEST(GetModulePath, GivesThisExecutablesFullPath)
{
    const std::string strPath = GetModulePath(::GetModuleHandleA(nullptr)).GetString();
    ASSERT_TRUE(EndsWith(strPath, "\\settings_tests.exe")) << strPath;
    EXPECT_EQ(":\\", strPath.substr(1, 2)) << strPath;

    const std::string strIni = ReplacePathEnding(strPath.c_str(), "ini").GetString();
    EXPECT_EQ(strPath.substr(0, strPath.size() - 3) + "ini", strIni);
    EXPECT_TRUE(EndsWith(strIni, "\\settings_tests.ini")) << strIni;
}

} // namespace
