// Bad input to the create command, through its dialog as a user fills it
// in: awkward event names, and settings files that are long, damaged,
// incomplete or cannot be written. Each gives a clear result (an item with
// the name as typed, or the message of the failure) and loses nothing that
// was there before: neither held events nor other settings.
#include "FrameWnd.h"
#include "HarnessApp.h"
#include "HarnessView.h"
#include "ModalHelper.h"
#include "RobustnessText.h"
#include "TempFolder.h"
#include "ViewItems.h"
#include "resource.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

class CreateInputTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pView = theHarnessApp.OpenMainWindow();
        ASSERT_NE(nullptr, m_pView);
        m_strSettings = m_folder.Path("Korvane.ini");
        theHarnessApp.SetProfileName(m_strSettings.c_str());
    }

    void TearDown() override { theHarnessApp.CloseMainWindow(); }

    void UseSettingsFile(const std::string& strPath)
    {
        m_strSettings = strPath;
        theHarnessApp.SetProfileName(m_strSettings.c_str());
    }

    struct Outcome
    {
        Names offered;       // the combo box's list when the dialog opened
        std::string message; // text of the message box that followed, if any
        std::string problems;
        int windows = 0;     // dialogs and message boxes seen
    };

    // The create command from the menu bar: the name typed, OK pressed, and
    // a message box answered when bMessage says one comes.
    Outcome Create(const std::string& strName, bool bOpen, bool bMessage)
    {
        Outcome outcome;
        ktest::ModalScript script;
        script.Then([&](ktest::ModalWindow& dlg) {
            const HWND hCombo = dlg.Item(IDC_EVENT_NAME);
            const int nCount = static_cast<int>(SendMessageA(hCombo, CB_GETCOUNT, 0, 0));
            for (int i = 0; i < nCount; ++i) {
                std::string strItem(static_cast<size_t>(SendMessageA(hCombo, CB_GETLBTEXTLEN, i, 0)), '\0');
                SendMessageA(hCombo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&strItem[0]));
                outcome.offered.push_back(strItem);
            }
            dlg.SetItemText(IDC_EVENT_NAME, strName.c_str());
            if (bOpen)
                dlg.Click(IDC_MODE_OPEN);
            dlg.Press(IDOK);
        });
        if (bMessage)
            script.Then(ktest::PressButton(IDOK));
        theHarnessApp.MainFrame()->SendMessage(WM_COMMAND, ID_EVENT_CREATE);
        outcome.problems = script.Problems();
        outcome.windows = static_cast<int>(script.Seen().size());
        if (bMessage && script.Seen().size() == 2)
            outcome.message = script.Seen()[1].text;
        return outcome;
    }

    Names ItemTexts() const
    {
        Names texts;
        for (const ViewItem& item : ReadItems(*m_pView))
            texts.push_back(item.text);
        return texts;
    }

    std::string Read(const char* pszSection, const char* pszKey) const
    {
        return ReadSetting(m_strSettings, pszSection, pszKey);
    }

    Names History() const { return ReadHistory(m_strSettings); }

    TempFolder m_folder;
    std::string m_strSettings;
    CHarnessView* m_pView = nullptr;
};

// --- names -------------------------------------------------------------------

TEST_F(CreateInputTest, AwkwardNamesGiveAnItemOrTheirMessage)
{
    const std::string strKeep = Unique("Korvane.Robust.Keep");
    ASSERT_EQ("", Create(strKeep, false, false).problems);
    std::string strLongest = Unique("Korvane.Robust.Longest") + ".";
    strLongest.resize(255, 'n');

    struct Case
    {
        const char* what;
        std::string name;
        bool bOpen;
        UINT nMessage; // 0: the item comes
    };
    const Case cases[] = {
        // The part before a backslash names a folder of the object namespace
        // that does not exist.
        { "backslash", Unique("Korvane\\Robust\\Backslash"), false, IDS_CREATE_FAILED },
        { "Global prefix", Unique("Global\\Korvane.Robust.Global"), false, 0 },
        { "Local prefix", Unique("Local\\Korvane.Robust.Local"), false, 0 },
        // The session's own namespace is the default one: the held event.
        { "Local prefix on a held name", "Local\\" + strKeep, false, IDS_ALREADY_EXISTS },
        { "Local prefix, opened", "Local\\" + strKeep, true, 0 },
        { "255 characters", strLongest, false, 0 },
        // Katakana in code page 932, then two characters whose second byte
        // is 0x5C, the backslash: they are no folder separators.
        { "double-byte", Unique("Korvane.\x83\x43\x83\x78\x83\x93\x83\x67"), false, 0 },
        { "double-byte with 0x5C", Unique("Korvane.\x95\x5C\x83\x5C"), false, 0 },
    };

    Names expectedItems = { strKeep };
    Names expectedHistory = { strKeep };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome outcome = Create(c.name, c.bOpen, c.nMessage != 0);
        EXPECT_EQ("", outcome.problems);
        // The name moves to the front of the history, even when the event
        // fails.
        expectedHistory.erase(std::remove(expectedHistory.begin(), expectedHistory.end(), c.name),
                              expectedHistory.end());
        expectedHistory.insert(expectedHistory.begin(), c.name);
        if (c.nMessage) {
            EXPECT_EQ(LoadText(c.nMessage), outcome.message);
        } else {
            expectedItems.insert(expectedItems.begin(), c.name);
            const HANDLE hEvent = OpenEventA(SYNCHRONIZE, FALSE, c.name.c_str());
            EXPECT_NE(nullptr, hEvent) << "no event under the name typed";
            if (hEvent)
                CloseHandle(hEvent);
        }
        EXPECT_EQ(expectedItems, ItemTexts());
    }
    expectedHistory.resize(10);
    EXPECT_EQ(expectedHistory, History());
}

// --- settings files ------------------------------------------------------------

TEST_F(CreateInputTest, LongestValueIsOfferedAndCarriedWhole)
{
    const std::string strLong(4095, 'L');
    ASSERT_TRUE(WriteFileBytes(m_strSettings,
                               "[options]\r\nhistory0=" + strLong + "\r\nhistory1=prev\r\n"));
    const std::string strName = Unique("Korvane.Robust.AfterLong");
    const Outcome outcome = Create(strName, false, false);
    EXPECT_EQ("", outcome.problems);
    EXPECT_EQ((Names{ strLong, "prev" }), outcome.offered);
    EXPECT_EQ((Names{ strName, strLong, "prev", "", "", "", "", "", "", "" }), History());
    EXPECT_EQ(Names{ strName }, ItemTexts());
}

TEST_F(CreateInputTest, DamagedOrIncompleteFilesStillTakeTheName)
{
    // Seeded junk: every byte value, line breaks and brackets among them.
    std::mt19937 random(4095);
    std::string strJunk(4096, '\0');
    for (char& c : strJunk)
        c = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));

    struct Case
    {
        const char* what;
        std::string contents;
        Names offered;
    };
    const Case cases[] = {
        { "binary junk", strJunk, {} },
        { "junk around the section", strJunk + "\r\n[options]\r\nhistory0=kept\r\n" + strJunk, { "kept" } },
        { "no options section", "[other]\r\nkey=value\r\n[more]\r\nx=1\r\n", {} },
    };
    int nCase = 0;
    Names expectedItems;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        UseSettingsFile(m_folder.Path(("case" + std::to_string(++nCase) + ".ini").c_str()));
        ASSERT_TRUE(WriteFileBytes(m_strSettings, c.contents));
        const std::string strName = Unique("Korvane.Robust.Damaged." + std::to_string(nCase));
        const Outcome outcome = Create(strName, false, false);
        EXPECT_EQ("", outcome.problems);
        EXPECT_EQ(c.offered, outcome.offered);
        EXPECT_EQ(strName, History().front());
        expectedItems.insert(expectedItems.begin(), strName);
        EXPECT_EQ(expectedItems, ItemTexts());
    }
    // Sections other than "options" survive the save.
    EXPECT_EQ("value", Read("other", "key"));
    EXPECT_EQ("1", Read("more", "x"));
}

TEST_F(CreateInputTest, UnwritableSettingsLoseNeitherEventNorOtherSettings)
{
    const std::string strOld = "[other]\r\nkey=value\r\n[options]\r\nhistory0=old\r\n";
    enum class Block { ReadOnlyFile, ReadOnlyFolder, HeldOpen };
    struct Case
    {
        const char* what;
        Block block;
    };
    const Case cases[] = {
        { "read-only file", Block::ReadOnlyFile },
        { "read-only folder", Block::ReadOnlyFolder },
        { "held open without write sharing", Block::HeldOpen },
    };
    int nCase = 0;
    Names expectedItems;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string strFolder = m_folder.Path(("case" + std::to_string(++nCase)).c_str());
        ASSERT_TRUE(CreateDirectoryA(strFolder.c_str(), nullptr));
        UseSettingsFile(strFolder + "\\Korvane.ini");
        ASSERT_TRUE(WriteFileBytes(m_strSettings, strOld));
        HANDLE hHolder = INVALID_HANDLE_VALUE;
        switch (c.block) {
        case Block::ReadOnlyFile:
            ASSERT_TRUE(SetFileAttributesA(m_strSettings.c_str(), FILE_ATTRIBUTE_READONLY));
            break;
        case Block::ReadOnlyFolder:
            ASSERT_TRUE(SetFileAttributesA(strFolder.c_str(), FILE_ATTRIBUTE_READONLY));
            break;
        case Block::HeldOpen:
            hHolder = CreateFileA(m_strSettings.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
            ASSERT_NE(INVALID_HANDLE_VALUE, hHolder);
            break;
        }

        const std::string strName = Unique("Korvane.Robust.Unwritable." + std::to_string(nCase));
        const Outcome outcome = Create(strName, false, false);
        if (hHolder != INVALID_HANDLE_VALUE)
            CloseHandle(hHolder);
        // No message: the dialog was the only window.
        EXPECT_EQ("", outcome.problems);
        EXPECT_EQ(1, outcome.windows);
        EXPECT_EQ(Names{ "old" }, outcome.offered);
        expectedItems.insert(expectedItems.begin(), strName);
        EXPECT_EQ(expectedItems, ItemTexts());
        // Saved, where this process may write after all (an administrator
        // under Wine ignores read-only attributes), or not at all.
        const std::string strText = ReadFileBytes(m_strSettings);
        if (c.block == Block::HeldOpen || strText == strOld) {
            EXPECT_EQ(strOld, strText);
        } else {
            EXPECT_EQ((Names{ strName, "old", "", "", "", "", "", "", "", "" }), History());
            EXPECT_EQ("value", Read("other", "key"));
        }
    }
}

} // namespace
