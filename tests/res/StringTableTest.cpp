// The string table as compiled into the executable: every text, nothing more.
#include "ResourceBytes.h"
#include "StringBlock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>

namespace {

struct TextEntry {
    UINT id;
    const wchar_t* text;
};

// Every text of the table, exactly as the program shows it.
const TextEntry kTexts[] = {
    {128, L"Korvane  -  Dravel\n\nOrvith\n\n\nKorvane.Document\nOrvith Document"},
    {1000, L"ｲﾍﾞﾝﾄの作成に失敗しました。"},
    {1001, L"ｲﾍﾞﾝﾄのｵｰﾌﾟﾝに失敗しました。"},
    {1002, L"ｲﾍﾞﾝﾄはすでに存在します。ｵｰﾌﾟﾝを指定してください。"},
    {1010, L"CreateEventで生成"},
    {1011, L"OpenEventで生成"},
    {1012, L"ｼｸﾞﾅﾙ状態"},
    {1013, L"非ｼｸﾞﾅﾙ状態"},
    {1014, L"手動ﾘｾｯﾄ"},
    {1015, L"自動ﾘｾｯﾄ"},
    {1016, L"、ｼｸﾞﾅﾙ状態で作成"},
    {1017, L"、非ｼｸﾞﾅﾙ状態で作成"},
    {32772, L"\n作成"},
    {32775, L"\n更新"},
    {32780, L"\nｼｸﾞﾅﾙ"},
    {32781, L"\n非ｼｸﾞﾅﾙ"},
    {32782, L"\nｸﾛｰｽﾞ"},
    {32786, L"\nｲﾍﾞﾝﾄ情報"},
    {57344, L"Korvane"},
    {57664, L"\nﾊﾞｰｼﾞｮﾝ情報"},
    {57665, L"\n終了"},
    {57667, L"\nﾍﾙﾌﾟ"},
    {57671, L"\nﾍﾙﾌﾟ"},
    {59392, L"\nﾂｰﾙ ﾊﾞｰの表示切り替え"},
};

// What the system's own loader finds, or nothing.
std::optional<std::wstring> SystemText(UINT id)
{
    const wchar_t* text = nullptr;
    // A zero buffer size asks for a pointer to the stored text itself.
    const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0)
        return std::nullopt;
    return std::wstring(text, length);
}

std::string Cp932(const std::wstring& text)
{
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, &usedDefault);
    std::string bytes(size, '\0');
    WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                        &usedDefault);
    return usedDefault ? std::string("<unrepresentable>") : bytes;
}

std::set<WORD> StringBlocksPresent()
{
    std::set<WORD> blocks;
    for (const ResourceEntry& entry : EnumerateResources())
        if (entry.type == "#6")
            blocks.insert(static_cast<WORD>(std::stoi(entry.name.substr(1))));
    return blocks;
}

}  // namespace

TEST(StringTable, HoldsEachTextByteForByte)
{
    for (const TextEntry& entry : kTexts) {
        SCOPED_TRACE("string " + std::to_string(entry.id));
        EXPECT_EQ(Utf8(StoredText(entry.id)), Utf8(entry.text));
        EXPECT_EQ(Utf8(SystemText(entry.id).value_or(L"<none>")), Utf8(entry.text));
    }
}

TEST(StringTable, HoldsNoOtherText)
{
    EXPECT_EQ(StringBlocksPresent(), (std::set<WORD>{9, 63, 64, 2049, 2050, 3585, 3605, 3713}));

    std::set<UINT> found;
    for (WORD block : StringBlocksPresent()) {
        SCOPED_TRACE("block " + std::to_string(block));
        const std::optional<StringBlock> strings = ReadStringBlock(block);
        ASSERT_TRUE(strings);
        EXPECT_EQ(strings->texts.size(), 16u);
        EXPECT_EQ(strings->trailingBytes, 0u);
        for (UINT position = 0; position < strings->texts.size(); ++position)
            if (!strings->texts[position].empty())
                found.insert((block - 1u) * 16 + position);
    }
    std::set<UINT> expected;
    for (const TextEntry& entry : kTexts)
        expected.insert(entry.id);
    EXPECT_EQ(found, expected);
}

TEST(StringTable, KeepsTextsInTheirBlockAndPosition)
{
    struct Place {
        UINT id;
        WORD block;
        UINT position;
    };
    const Place places[] = {{1000, 63, 8}, {1017, 64, 9}, {32786, 2050, 2}, {59392, 3713, 0}};
    for (const Place& place : places) {
        SCOPED_TRACE("string " + std::to_string(place.id));
        const std::optional<StringBlock> block = ReadStringBlock(place.block);
        ASSERT_TRUE(block);
        ASSERT_GT(block->texts.size(), place.position);
        EXPECT_FALSE(block->texts[place.position].empty());
        EXPECT_EQ(Utf8(block->texts[place.position]), Utf8(SystemText(place.id).value_or(L"<none>")));
    }
}

TEST(StringTable, LoadsNothingForIdentifiersWithoutText)
{
    // Neighbours of stored texts: their blocks exist, their lengths are 0.
    for (UINT id : {129u, 1003u, 1004u, 1005u, 1006u, 1007u, 1008u, 1009u}) {
        SCOPED_TRACE("string " + std::to_string(id));
        const std::optional<StringBlock> block = ReadStringBlock(BlockOf(id));
        ASSERT_TRUE(block);
        ASSERT_GT(block->texts.size(), PositionOf(id));
        EXPECT_TRUE(block->texts[PositionOf(id)].empty());
        EXPECT_FALSE(SystemText(id));
    }
    // 200 would live in block 13, which does not exist.
    EXPECT_FALSE(ReadStringBlock(13));
    EXPECT_FALSE(SystemText(200));
    // The framework's own prompts have no text either.
    for (UINT id : {0xF101u, 0xF104u, 0xF107u, 0xF10Bu, 0xF114u})
        EXPECT_FALSE(SystemText(id)) << "prompt " << id;
}

TEST(StringTable, GivesBothHelpCommandsTheSameText)
{
    EXPECT_EQ(Utf8(StoredText(57667)), Utf8(StoredText(57671)));
    EXPECT_EQ(Utf8(StoredText(57671)), Utf8(L"\nﾍﾙﾌﾟ"));
}

TEST(StringTable, UsesHalfWidthKatakanaThatAreSingleBytesInCodePage932)
{
    for (const TextEntry& entry : kTexts) {
        SCOPED_TRACE("string " + std::to_string(entry.id));
        const std::wstring text = StoredText(entry.id);
        EXPECT_EQ(std::count_if(text.begin(), text.end(), [](wchar_t c) { return c >= 0x30A0 && c <= 0x30FF; }), 0)
            << "full-width katakana in " << Utf8(text);
        EXPECT_NE(Cp932(text), "<unrepresentable>");
        for (wchar_t c : text) {
            if (c >= 0xFF61 && c <= 0xFF9F) {
                const std::string bytes = Cp932(std::wstring(1, c));
                ASSERT_EQ(bytes.size(), 1u) << "U+" << std::hex << static_cast<unsigned>(c);
                EXPECT_EQ(static_cast<BYTE>(bytes[0]), 0xA1 + (c - 0xFF61));
            }
        }
    }
    EXPECT_EQ(Cp932(StoredText(32780)), "\n\xBC\xB8\xDE\xC5\xD9");              // "\nｼｸﾞﾅﾙ"
    EXPECT_EQ(Cp932(StoredText(1012)), "\xBC\xB8\xDE\xC5\xD9\x8F\xF3\x91\xD4");  // "ｼｸﾞﾅﾙ状態"
}
