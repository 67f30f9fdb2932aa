// Loading texts from the string table: the block walk, conversion into
// CString with the conversion code page, the fixed-buffer loader and the
// tooltip field. The executable carries the program's own string table and a
// test-only one (TextTest.rc, ids 40000 and up).
#include "TextLoader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

// Test-only texts, see TextTest.rc.
constexpr UINT IDS_TEST_KANA = 40000;       // five half-width katakana, two kanji
constexpr UINT IDS_TEST_LATIN = 40001;      // "caf" and e acute
constexpr UINT IDS_TEST_LONG = 40002;       // "prompt\n" and 300 digits
constexpr UINT IDS_TEST_GAP = 40003;        // no text, between two texts
constexpr UINT IDS_TEST_AFTER_GAP = 40004;  // "after a gap"
constexpr UINT IDS_TEST_CUT_BLOCK = 41584;  // "A", the only string of its block
constexpr UINT IDS_TEST_BAD_COUNT = 41601;  // its count runs past the block end

// The test-only texts in code page 932.
const char kKana932[] = "\xb2\xcd\xde\xdd\xc4\x96\xbc\x91\x4f";
const std::string kLong = "prompt\n" + [] {
    std::string digits;
    for (int i = 0; i < 30; ++i)
        digits += "0123456789";
    return digits;
}();

// Texts of the program's table in code page 932.
const char kCreateFailed932[] =
    "\xb2\xcd\xde\xdd\xc4\x82\xcc\x8d\xec\x90\xac\x82\xc9\x8e\xb8\x94\x73\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81\x42";
const char kCreatedNonsignaled932[] =
    "\x81\x41\x94\xf1\xbc\xb8\xde\xc5\xd9\x8f\xf3\x91\xd4\x82\xc5\x8d\xec\x90\xac";
const char kEventInfoCommand932[] = "\n\xb2\xcd\xde\xdd\xc4\x8f\xee\x95\xf1";
const char kToolbarCommand932[] =
    "\n\xc2\xb0\xd9\x20\xca\xde\xb0\x82\xcc\x95\x5c\x8e\xa6\x90\xd8\x82\xe8\x91\xd6\x82\xa6";
const char kUpdateTip932[] = "\x8d\x58\x90\x56";
const char kHelpCommand932[] = "\n\xcd\xd9\xcc\xdf";  // four half-width katakana
const char kDocString[] = "Korvane  -  Dravel\n\nOrvith\n\n\nKorvane.Document\nOrvith Document";

std::wstring FoundText(UINT nID)
{
    LPCWSTR pch = nullptr;
    int nLength = -1;
    if (!AfxFindStringResource(nID, &pch, &nLength))
        return L"<none>";
    return std::wstring(pch, static_cast<size_t>(nLength));
}

TEST(FindStringResource, WalksToThePositionInsideItsBlock)
{
    struct Case { UINT nID; const wchar_t* pszText; };
    const Case cases[] = {
        {IDS_TEST_AFTER_GAP, L"after a gap"},       // block 2501, behind an empty position
        {IDS_TEST_CUT_BLOCK, L"A"},                 // block 2600, position 0
        {IDS_TEST_CUT_BLOCK + 1, L"<none>"},        // the walk runs off the block's end
        {IDS_TEST_CUT_BLOCK + 15, L"<none>"},
        {IDS_TEST_BAD_COUNT - 1, L"<none>"},        // count 0
        {IDS_TEST_BAD_COUNT, L"<none>"},            // count larger than what is left
        {IDS_TEST_GAP, L"<none>"},
        {40015, L"<none>"},                         // last position of a short table
        {48000, L"<none>"},                         // block 3001 does not exist
        {57344, L"Korvane"},                        // block 3585, position 0
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.pszText, FoundText(c.nID)) << "id " << c.nID;
}

TEST(CStringLoad, FindsTheProgramTextsByBlockAndPosition)
{
    struct Case { UINT nID; const char* pszText; };
    const Case cases[] = {
        {1000, kCreateFailed932},          // block 63, position 8
        {1017, kCreatedNonsignaled932},    // block 64, position 9
        {32786, kEventInfoCommand932},     // block 2050, position 2
        {59392, kToolbarCommand932},       // block 3713, position 0
        {128, kDocString},                 // block 9, position 0
        {57671, kHelpCommand932},
        {57667, kHelpCommand932},
    };
    for (const Case& c : cases) {
        CString str("old");
        EXPECT_TRUE(str.LoadString(c.nID)) << "id " << c.nID;
        EXPECT_STREQ(c.pszText, str) << "id " << c.nID;
        EXPECT_EQ(static_cast<int>(std::strlen(c.pszText)), str.GetLength()) << "id " << c.nID;
    }
}

TEST(CStringLoad, LeavesTheStringAsItWasWhenThereIsNoText)
{
    std::vector<UINT> ids = {129, 200, IDS_TEST_GAP, IDS_TEST_CUT_BLOCK + 1, IDS_TEST_BAD_COUNT, 48000};
    for (UINT nID = 1003; nID <= 1009; ++nID)
        ids.push_back(nID);
    for (UINT nID : ids) {
        CString str("unchanged");
        EXPECT_FALSE(str.LoadString(nID)) << "id " << nID;
        EXPECT_STREQ("unchanged", str) << "id " << nID;

        char szBuf[16];
        std::memset(szBuf, 'x', sizeof szBuf);
        EXPECT_EQ(0, AfxLoadString(nID, szBuf, sizeof szBuf)) << "id " << nID;
        EXPECT_STREQ("", szBuf) << "id " << nID;
    }
}

TEST(CStringLoad, HalfWidthKatakanaAreSingleBytesAndTheLengthIsInBytes)
{
    ASSERT_EQ(932u, ::GetACP());
    CString str;
    ASSERT_TRUE(str.LoadString(IDS_TEST_KANA));
    EXPECT_STREQ(kKana932, str);
    EXPECT_EQ(9, str.GetLength());  // from seven UTF-16 units
}

TEST(CStringLoad, HasNoLengthLimit)
{
    CString str;
    ASSERT_TRUE(str.LoadString(IDS_TEST_LONG));
    EXPECT_EQ(kLong, str.GetString());
    EXPECT_EQ(static_cast<int>(kLong.size()), str.GetLength());
}

TEST(ConversionCodePage, FollowsTheLocaleOfTheConvertingThread)
{
    // A thread switched to US English converts with 1252, while the
    // fixed-buffer loader keeps the system's ANSI code page.
    UINT nLocaleCodePage = 0;
    CString strLatin;
    CString strKana;
    char szFixed[16] = "";
    std::thread worker([&] {
        ::SetThreadLocale(MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT));
        nLocaleCodePage = AfxGetThreadLocaleCodePage();
        strLatin.LoadString(IDS_TEST_LATIN);
        strKana.LoadString(IDS_TEST_KANA);
        AfxLoadString(IDS_TEST_KANA, szFixed, sizeof szFixed);
    });
    worker.join();
    EXPECT_EQ(1252u, nLocaleCodePage);
    EXPECT_STREQ("caf\xe9", strLatin);
    EXPECT_EQ(7, strKana.GetLength());  // one replacement byte per character
    EXPECT_STRNE(kKana932, strKana);
    EXPECT_STREQ(kKana932, szFixed);

    // This thread keeps the Japanese locale.
    EXPECT_EQ(932u, AfxGetThreadLocaleCodePage());
    CString strHere;
    ASSERT_TRUE(strHere.LoadString(IDS_TEST_KANA));
    EXPECT_STREQ(kKana932, strHere);
    ASSERT_TRUE(strHere.LoadString(IDS_TEST_LATIN));
    EXPECT_STRNE("caf\xe9", strHere);
}

TEST(AfxLoadString, WritesTheWholeTextOrNothing)
{
    struct Case { UINT nID; UINT nMaxBuf; const char* pszText; };
    const Case cases[] = {
        {IDS_TEST_KANA, 10, kKana932},   // nine bytes and the terminator: exact fit
        {IDS_TEST_KANA, 9, ""},          // one byte short
        {IDS_TEST_KANA, 1, ""},          // room for the terminator only
        {57344, 256, "Korvane"},
        {57671, 256, kHelpCommand932},
        {IDS_TEST_LONG, 256, ""},        // 307 bytes: never cut short
        {IDS_TEST_LONG, 308, kLong.c_str()},
        {IDS_TEST_LONG, 307, ""},
        {200, 256, ""},
    };
    for (const Case& c : cases) {
        std::vector<char> buf(c.nMaxBuf + 1, 'x');
        EXPECT_EQ(static_cast<int>(std::strlen(c.pszText)), AfxLoadString(c.nID, buf.data(), c.nMaxBuf))
            << "id " << c.nID << ", buffer " << c.nMaxBuf;
        EXPECT_STREQ(c.pszText, buf.data()) << "id " << c.nID << ", buffer " << c.nMaxBuf;
        EXPECT_EQ('x', buf[c.nMaxBuf]) << "id " << c.nID << ": written past the buffer";
    }
}

TEST(AfxLoadString, EmptyBufferIsLeftAlone)
{
    char ch = 'x';
    EXPECT_EQ(0, AfxLoadString(57344, &ch, 0));
    EXPECT_EQ('x', ch);
}

TEST(TipField, IsTheTextBetweenTheFirstAndSecondLineFeed)
{
    struct Case { const char* pszCommand; const char* pszTip; };
    const Case cases[] = {
        {"\n\x8d\x58\x90\x56", kUpdateTip932},
        {"prompt\ntip\nmore\nfields", "tip"},
        {"\n\n", ""},
        {"prompt\n", ""},
        {"no line feed", ""},
        {"", ""},
        {kDocString, ""},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.pszTip, AfxGetTipField(c.pszCommand)) << "command \"" << c.pszCommand << "\"";
}

TEST(CommandTip, ComesFromTheCommandStringThroughTheFixedBuffer)
{
    struct Case { UINT nID; BOOL bFound; const char* pszTip; };
    const Case cases[] = {
        {32775, TRUE, kUpdateTip932},
        {57671, TRUE, kHelpCommand932 + 1},
        {57344, TRUE, ""},              // a text without line feed has no tip
        {IDS_TEST_LONG, FALSE, ""},     // too long for 256 bytes
        {200, FALSE, ""},
    };
    for (const Case& c : cases) {
        CString strTip("old");
        EXPECT_EQ(c.bFound, AfxGetCommandTip(c.nID, strTip)) << "id " << c.nID;
        EXPECT_STREQ(c.pszTip, strTip) << "id " << c.nID;
    }
}

} // namespace
