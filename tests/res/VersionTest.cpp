// The version block, through the system's version API and walked node by node.
#include "ResourceBytes.h"
#include "VersionBlock.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// The whole version block of this executable, as the file properties read it.
std::vector<BYTE> FileVersionInfo()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    std::vector<BYTE> block(GetFileVersionInfoSizeA(path, &ignored));
    if (block.empty() || !GetFileVersionInfoA(path, 0, static_cast<DWORD>(block.size()), block.data()))
        block.clear();
    return block;
}

}  // namespace

TEST(Version, FixedInformationNamesVersion1210OfAnApplication)
{
    std::vector<BYTE> block = FileVersionInfo();
    ASSERT_FALSE(block.empty());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &size));
    ASSERT_EQ(size, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(2, 1));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(0, 1));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(2, 1));
    EXPECT_EQ(fixed->dwProductVersionLS, MAKELONG(0, 1));
    EXPECT_EQ(fixed->dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileSubtype, 0u);
    EXPECT_EQ(fixed->dwFileDateMS, 0u);
    EXPECT_EQ(fixed->dwFileDateLS, 0u);

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                               &size));
    ASSERT_EQ(size, 4u);
    EXPECT_EQ(translation[0], 0x0411);
    EXPECT_EQ(translation[1], 1200);

    char* fileVersion = nullptr;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\041104b0\\FileVersion",
                               reinterpret_cast<void**>(&fileVersion), &size));
    EXPECT_STREQ(fileVersion, "1.2.1");
}

TEST(Version, BlockHoldsExactlyTheSixStringsAndOneTranslation)
{
    const ResourceBytes bytes = FindResourceBytes(16 /* RT_VERSION */, 1);
    ASSERT_TRUE(bytes);
    const VersionNode root = ParseVersionNode(bytes.data, bytes.size);
    ASSERT_FALSE(root.malformed);
    EXPECT_EQ(Utf8(root.key), "VS_VERSION_INFO");
    EXPECT_EQ(root.value.size(), sizeof(VS_FIXEDFILEINFO));

    std::vector<std::string> sections;
    for (const VersionNode& child : root.children)
        sections.push_back(Utf8(child.key));
    ASSERT_EQ(sections, (std::vector<std::string>{"StringFileInfo", "VarFileInfo"}));

    const VersionNode& strings = root.children[0];
    ASSERT_EQ(strings.children.size(), 1u);
    const VersionNode& table = strings.children[0];
    EXPECT_EQ(Utf8(table.key), "041104b0");
    std::vector<std::pair<std::string, std::string>> values;
    for (const VersionNode& value : table.children) {
        EXPECT_TRUE(value.isText) << Utf8(value.key);
        EXPECT_TRUE(value.children.empty()) << Utf8(value.key);
        values.push_back({Utf8(value.key), Utf8(value.Text())});
    }
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"CompanyName", "Dravel"},
        {"FileVersion", "1.2.1"},
        {"LegalCopyright", Utf8(L"著作権 (C) Dravel  不許複製")},
        {"OriginalFilename", "Korvane.exe"},
        {"ProductName", "Korvane"},
        {"ProductVersion", "1.2.1"},
    };
    EXPECT_EQ(values, expected);

    const VersionNode& variables = root.children[1];
    ASSERT_EQ(variables.children.size(), 1u);
    EXPECT_EQ(Utf8(variables.children[0].key), "Translation");
    EXPECT_EQ(variables.children[0].value, (std::vector<BYTE>{0x11, 0x04, 0xB0, 0x04}));
}
