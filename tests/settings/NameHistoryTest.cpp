// The event-name history in real profile files: the load and save rules
// through the application's profile functions and the system's private
// profile calls, in the ANSI code page (932).
#include "NameHistory.h"
#include "TempFolder.h"
#include "WinApp.h"

#include <gtest/gtest.h>

#include <mbctype.h>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

// The application object of this test program; each test points its
// profile name at a file of its own.
CWinApp theTestApp;

const char kMissing[] = "<missing>";

// A settings file holding section "options" with the given values as
// history0, history1, ...
std::string HistoryFile(const Names& values)
{
    std::string strText = "[options]\r\n";
    for (size_t i = 0; i < values.size(); ++i)
        strText += "history" + std::to_string(i) + "=" + values[i] + "\r\n";
    return strText;
}

std::vector<std::string> SplitLines(const std::string& strText)
{
    std::vector<std::string> lines;
    size_t nStart = 0;
    while (nStart < strText.size()) {
        size_t nEnd = strText.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = strText.size();
        std::string strLine = strText.substr(nStart, nEnd - nStart);
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        lines.push_back(strLine);
        nStart = nEnd + 1;
    }
    return lines;
}

bool IsHistoryKeyLine(const std::string& strLine)
{
    return strLine.size() > 8 && strLine.compare(0, 7, "history") == 0 && isdigit(static_cast<unsigned char>(strLine[7]))
        && strLine.find('=') != std::string::npos;
}

// history0 to history9 as the file text holds them in section "options";
// kMissing for a key that is not there.
Names StoredHistory(const std::string& strText)
{
    Names values(HISTORY_SIZE, kMissing);
    bool bInOptions = false;
    for (const std::string& strLine : SplitLines(strText)) {
        if (!strLine.empty() && strLine[0] == '[') {
            bInOptions = strLine == "[options]";
        } else if (bInOptions && IsHistoryKeyLine(strLine)) {
            const size_t nEquals = strLine.find('=');
            const int nIndex = std::stoi(strLine.substr(7, nEquals - 7));
            if (nIndex >= 0 && nIndex < HISTORY_SIZE)
                values[static_cast<size_t>(nIndex)] = strLine.substr(nEquals + 1);
        }
    }
    return values;
}

// Every line of the file that is not a history key, in order.
std::vector<std::string> OtherLines(const std::string& strText)
{
    std::vector<std::string> lines;
    for (const std::string& strLine : SplitLines(strText)) {
        if (!IsHistoryKeyLine(strLine))
            lines.push_back(strLine);
    }
    return lines;
}

Names ToNames(const CStringArray& astr)
{
    Names names;
    for (int i = 0; i < astr.GetSize(); ++i)
        names.emplace_back(astr[i].GetString(), static_cast<size_t>(astr[i].GetLength()));
    return names;
}

CStringArray ToArray(const Names& names)
{
    CStringArray astr;
    for (const std::string& strName : names)
        astr.Add(strName.c_str());
    return astr;
}

Names Letters(const char* pszPrefix, int nCount)
{
    Names names;
    for (int i = 0; i < nCount; ++i)
        names.push_back(pszPrefix + std::to_string(i));
    return names;
}

const Names kTenEmpty(HISTORY_SIZE);

class NameHistoryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Names compare in the ANSI code page, as in the program.
        _setmbcp(_MB_CP_ANSI);
        ASSERT_EQ(932, _getmbcp());
        UseSettingsFile(m_folder.Path("Korvane.ini"));
    }

    void UseSettingsFile(const std::string& strPath)
    {
        m_strFile = strPath;
        theTestApp.SetProfileName(strPath.c_str());
    }

    Names Load() const
    {
        CStringArray astrHistory;
        LoadNameHistory(astrHistory);
        return ToNames(astrHistory);
    }

    // Loads the history, then saves it with strName accepted.
    void Accept(const std::string& strName) const
    {
        CStringArray astrHistory;
        LoadNameHistory(astrHistory);
        SaveNameHistory(astrHistory, strName.c_str());
    }

    std::string FileText() const { return ReadFileBytes(m_strFile); }

    TempFolder m_folder;
    std::string m_strFile;
};

TEST_F(NameHistoryTest, WorkedResults)
{
    struct Row {
        const char* pszTitle;
        bool bFile;
        Names before;
        std::string strName;
        Names after;
        int nWritten;  // keys history0 to history(nWritten - 1) are written
    };
    const Names L = Letters("L", HISTORY_SIZE);
    const Names rows7Before = {"N", L[1], L[2], "N", L[4], L[5], L[6], L[7], L[8], L[9]};
    const Row rows[] = {
        {"no file", false, {}, "A", {"A", "", "", "", "", "", "", "", "", ""}, 10},
        {"accepted name second", true, {"B", "A", "C", "", "", "", "", "", "", ""}, "A",
         {"A", "B", "C", "", "", "", "", "", "", ""}, 9},
        {"new name", true, L, "N", {"N", L[0], L[1], L[2], L[3], L[4], L[5], L[6], L[7], L[8]}, 10},
        {"name in the middle", true, L, L[4], {L[4], L[0], L[1], L[2], L[3], L[5], L[6], L[7], L[8], L[9]}, 9},
        {"oldest name", true, L, L[9], {L[9], L[0], L[1], L[2], L[3], L[4], L[5], L[6], L[7], L[8]}, 10},
        {"newest name", true, L, L[0], L, 9},
        {"name stored twice", true, rows7Before, "N", {"N", L[1], L[2], L[4], L[5], L[6], L[7], L[8], L[8], L[9]}, 8},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszTitle);

        // The file as the row gives it: load, accept, compare the result.
        TempFolder folder;
        UseSettingsFile(folder.Path("plain.ini"));
        if (row.bFile) {
            ASSERT_TRUE(WriteFileBytes(m_strFile, HistoryFile(row.before)));
        }
        CStringArray astrHistory;
        LoadNameHistory(astrHistory);
        EXPECT_EQ(row.bFile ? row.before : kTenEmpty, ToNames(astrHistory));
        SaveNameHistory(astrHistory, row.strName.c_str());
        EXPECT_EQ(row.after, StoredHistory(FileText()));

        // Which keys are written: the same list as loaded, saved into a file
        // whose keys all hold other values meanwhile.
        if (!row.bFile)
            continue;
        UseSettingsFile(folder.Path("marked.ini"));
        const Names marks = Letters("stale", HISTORY_SIZE);
        ASSERT_TRUE(WriteFileBytes(m_strFile, HistoryFile(marks)));
        CStringArray astrLoaded = ToArray(row.before);
        SaveNameHistory(astrLoaded, row.strName.c_str());
        Names expected = row.after;
        for (int i = row.nWritten; i < HISTORY_SIZE; ++i)
            expected[static_cast<size_t>(i)] = marks[static_cast<size_t>(i)];
        EXPECT_EQ(expected, StoredHistory(FileText()));
    }
}

TEST_F(NameHistoryTest, WithoutFileLoadsTenEmptyNamesAndCreatesNothing)
{
    EXPECT_EQ(kTenEmpty, Load());
    EXPECT_FALSE(PathExists(m_strFile));

    Accept("A");
    const std::vector<std::string> expected = {"[options]", "history0=A", "history1=", "history2=", "history3=",
                                               "history4=", "history5=", "history6=", "history7=", "history8=",
                                               "history9="};
    EXPECT_EQ(expected, SplitLines(FileText()));
}

TEST_F(NameHistoryTest, AcceptingTheFirstNameAgainLeavesTheFileAsItWas)
{
    for (const char* pszName : {"one", "two", "three"})
        Accept(pszName);
    const std::string strBefore = FileText();
    Accept("three");
    EXPECT_EQ(strBefore, FileText());
    EXPECT_EQ((Names{"three", "two", "one", "", "", "", "", "", "", ""}), Load());
}

TEST_F(NameHistoryTest, NamesDifferingInLetterCaseAreTwoEntries)
{
    Accept("Event");
    Accept("EVENT");
    Accept("event");
    EXPECT_EQ((Names{"event", "EVENT", "Event", "", "", "", "", "", "", ""}), Load());
    Accept("EVENT");
    EXPECT_EQ((Names{"EVENT", "event", "Event", "", "", "", "", "", "", ""}), Load());
}

TEST_F(NameHistoryTest, DoubleByteNamesRoundTripByteForByte)
{
    // Katakana and kanji, two of them with the trail byte 0x5C (a backslash
    // when read byte by byte), and a half-width katakana.
    const std::string strKana = "\x83\x43\x83\x78\x83\x93\x83\x67\x83\x5c\x95\x5c\xb2";
    const std::string strOther = "\x83\x5d\x95\x5c";   // differs from "\x83\x5c\x95\x5c" in one trail byte
    const std::string strOtherTwin = "\x83\x5c\x95\x5c";
    Accept(strKana);
    Accept(strOther);
    Accept(strOtherTwin);
    EXPECT_NE(std::string::npos, FileText().find("\r\nhistory2=" + strKana + "\r\n"));
    EXPECT_EQ((Names{strOtherTwin, strOther, strKana, "", "", "", "", "", "", ""}), Load());

    Accept(strKana);  // found again and moved to the front
    EXPECT_EQ((Names{strKana, strOtherTwin, strOther, "", "", "", "", "", "", ""}), Load());
}

TEST_F(NameHistoryTest, FileWithSomeKeysOnly)
{
    ASSERT_TRUE(WriteFileBytes(m_strFile, "[options]\r\nhistory0=X\r\nhistory1=Y\r\n"));
    EXPECT_EQ((Names{"X", "Y", "", "", "", "", "", "", "", ""}), Load());
    Accept("Z");
    EXPECT_EQ((Names{"Z", "X", "Y", "", "", "", "", "", "", ""}), StoredHistory(FileText()));

    // With a skipped repeat, the keys end with the last one written.
    TempFolder folder;
    UseSettingsFile(folder.Path("two.ini"));
    ASSERT_TRUE(WriteFileBytes(m_strFile, "[options]\r\nhistory0=X\r\nhistory1=Z\r\n"));
    Accept("Z");
    EXPECT_EQ((Names{"Z", "X", "", "", "", "", "", "", "", kMissing}), StoredHistory(FileText()));
}

TEST_F(NameHistoryTest, OtherSectionsKeysAndCommentsSurviveEverySave)
{
    const std::string strOriginal =
        "; settings of Korvane\r\n"
        "[general]\r\n"
        "width=3\r\n"
        "history0=not the history\r\n"
        "; a comment inside a section\r\n"
        "[options]\r\n"
        "; recent names\r\n"
        "history0=X\r\n"
        "other=1\r\n"
        "history1=Y\r\n"
        "[last]\r\n"
        "z=9\r\n";
    ASSERT_TRUE(WriteFileBytes(m_strFile, strOriginal));
    const std::vector<std::string> others = OtherLines(strOriginal);
    for (const char* pszName : {"A", "Y", "B", "A"}) {
        SCOPED_TRACE(pszName);
        Accept(pszName);
        const std::string strText = FileText();
        EXPECT_EQ(others, OtherLines(strText));
        EXPECT_NE(std::string::npos, strText.find("[general]\r\nwidth=3\r\nhistory0=not the history\r\n"));
    }
    EXPECT_EQ((Names{"A", "B", "Y", "X", "", "", "", "", "", ""}), Load());
}

TEST_F(NameHistoryTest, LongValuesAreCutWhenReadAndCarriedAlong)
{
    const std::string strFits(4095, 'v');
    const std::string strLong(5000, 'w');
    // 5002 bytes of double-byte characters behind two single bytes: the cut
    // at 4095 bytes falls inside a character. What comes back is a prefix of
    // the value, with no stray byte.
    std::string strDoubleByte = "aa";
    for (int i = 0; i < 2500; ++i)
        strDoubleByte += "\x95\x5c";
    ASSERT_TRUE(WriteFileBytes(m_strFile, HistoryFile({strFits, strLong, strDoubleByte})));

    // Long values are compared without printing them.
    const Names loaded = Load();
    ASSERT_EQ(10u, loaded.size());
    EXPECT_TRUE(loaded[0] == strFits) << loaded[0].size() << " bytes";
    EXPECT_TRUE(loaded[1] == strLong.substr(0, 4095)) << loaded[1].size() << " bytes";
    EXPECT_LE(loaded[2].size(), 4095u);
    EXPECT_GE(loaded[2].size(), 4093u);
    EXPECT_TRUE(strDoubleByte.compare(0, loaded[2].size(), loaded[2]) == 0)
        << loaded[2].size() << " bytes, last " << static_cast<int>(static_cast<unsigned char>(loaded[2].back()));

    Accept("N");
    const Names stored = StoredHistory(FileText());
    EXPECT_EQ("N", stored[0]);
    EXPECT_TRUE(stored[1] == strFits) << stored[1].size() << " bytes";
    EXPECT_TRUE(stored[2] == strLong.substr(0, 4095)) << stored[2].size() << " bytes";
    EXPECT_TRUE(stored[3] == loaded[2]) << stored[3].size() << " bytes";
}

TEST_F(NameHistoryTest, JunkLinesAndMissingLineEnds)
{
    struct Case { const char* pszTitle; const char* pszText; const char* pszKept; };
    const Case cases[] = {
        {"junk and no final line end", "[options]\r\njunk\r\n=lonely\r\nhistory0=X\r\nhistory1=Y", "junk"},
        {"line feeds only", "[options]\nhistory0=X\nhistory1=Y\n", nullptr},
        {"junk before any section", "garbage ] [\r\n[options]\r\nhistory0=X\r\nhistory1=Y\r\n", "garbage ] ["},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszTitle);
        TempFolder folder;
        UseSettingsFile(folder.Path("junk.ini"));
        ASSERT_TRUE(WriteFileBytes(m_strFile, c.pszText));
        EXPECT_EQ((Names{"X", "Y", "", "", "", "", "", "", "", ""}), Load());
        Accept("N");
        const std::string strText = FileText();
        EXPECT_EQ((Names{"N", "X", "Y", "", "", "", "", "", "", ""}), StoredHistory(strText));
        if (c.pszKept) {
            EXPECT_NE(std::string::npos, strText.find(c.pszKept)) << strText;
        }
    }
}

// A save that the system refuses goes unnoticed and leaves the file as it
// was. Where the read-only attribute does not stop this process (an
// administrator under Wine), the file must hold either the old or the new
// list, never a mixture.
TEST_F(NameHistoryTest, UnwritableSettingsFileIsIgnoredSilently)
{
    const std::string strOld = HistoryFile({"old"});
    const Names newList = {"new", "old", "", "", "", "", "", "", "", ""};

    {
        SCOPED_TRACE("held open without write sharing");
        ASSERT_TRUE(WriteFileBytes(m_strFile, strOld));
        const HANDLE hHolder = ::CreateFileA(m_strFile.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                             OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, hHolder);
        Accept("new");
        ::CloseHandle(hHolder);
        EXPECT_EQ(strOld, FileText());
    }
    {
        SCOPED_TRACE("folder that does not exist");
        UseSettingsFile(m_folder.Path("missing\\Korvane.ini"));
        Accept("new");
        EXPECT_FALSE(PathExists(m_folder.Path("missing")));
        EXPECT_EQ(kTenEmpty, Load());
    }
    {
        SCOPED_TRACE("read-only file");
        UseSettingsFile(m_folder.Path("readonly.ini"));
        ASSERT_TRUE(WriteFileBytes(m_strFile, strOld));
        ASSERT_TRUE(::SetFileAttributesA(m_strFile.c_str(), FILE_ATTRIBUTE_READONLY));
        Accept("new");
        const std::string strText = FileText();
        if (strText != strOld) {
            EXPECT_EQ(newList, StoredHistory(strText)) << strText;
        }
    }
    {
        SCOPED_TRACE("read-only folder");
        const std::string strFolder = m_folder.Path("readonly");
        ASSERT_TRUE(::CreateDirectoryA(strFolder.c_str(), nullptr));
        ASSERT_TRUE(::SetFileAttributesA(strFolder.c_str(), FILE_ATTRIBUTE_READONLY));
        UseSettingsFile(strFolder + "\\Korvane.ini");
        Accept("new");
        if (PathExists(m_strFile)) {
            EXPECT_EQ((Names{"new", "", "", "", "", "", "", "", "", ""}), StoredHistory(FileText()));
        }
    }
}

} // namespace
