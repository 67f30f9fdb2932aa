// The built Korvane.exe in processes of its own: odd command lines, an
// executable path near MAX_PATH, and two copies sharing one settings file
// and one event name. Every run is bounded and ends its process.
#include "KorvaneFolder.h"
#include "KorvaneRun.h"
#include "ModalHelper.h"
#include "RobustnessText.h"
#include "TempFolder.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Korvane.exe copied into a folder of its own, so that its settings file
// is a fresh one beside it.
std::string CopyProgram(const std::string& strFolder)
{
    CreateDirectoryA(strFolder.c_str(), nullptr);
    const std::string strExe = strFolder + "\\Korvane.exe";
    return CopyFileA(ktest::BuiltKorvanePath("Korvane.exe").c_str(), strExe.c_str(), FALSE) ? strExe
                                                                                          : std::string();
}

// --- command line --------------------------------------------------------------

TEST(ProgramRunTest, OddCommandLinesStartOrStopCleanly)
{
    TempFolder folder;
    const std::string strFile = folder.Path("a file with spaces.txt");
    ASSERT_TRUE(WriteFileBytes(strFile, "contents"));
    WIN32_FILE_ATTRIBUTE_DATA before{};
    ASSERT_TRUE(GetFileAttributesExA(strFile.c_str(), GetFileExInfoStandard, &before));

    std::string strManySwitches;
    for (int i = 0; i < 300; ++i)
        strManySwitches += (i % 2 ? " -switch" : " /x") + std::to_string(i);

    struct Case
    {
        const char* what;
        std::string arguments;
        bool bWindow; // else: a message box, then the end, no window shown
    };
    const Case cases[] = {
        { "unknown switches", "/unknown -zzz /x:y -Embedding", true },
        { "three hundred switches", strManySwitches, true },
        { "quoted file name, more arguments", "\"" + strFile + "\" second \"third one\"", true },
        { "quote left open", "\"" + strFile, true },
        { "quoted missing file", "\"" + folder.Path("no such file.txt") + "\"", false },
        { "escaped quote in a name", "a\\\"b", false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ktest::KorvaneRun program(ktest::BuiltKorvanePath("Korvane.exe"), c.arguments);
        ASSERT_TRUE(program.Started());
        if (c.bWindow) {
            ASSERT_NE(nullptr, program.WaitForMainWindow());
            EXPECT_EQ(0u, program.Close());
        } else {
            const HWND hBox = program.WaitForAnyDialog();
            ASSERT_NE(nullptr, hBox);
            EXPECT_EQ(nullptr, program.WaitForMainWindow(0));
            ktest::ModalWindow(hBox).Press(IDOK);
            EXPECT_NE(STILL_ACTIVE, program.WaitForExit());
        }
    }

    // The file was opened and closed, never written.
    EXPECT_EQ("contents", ReadFileBytes(strFile));
    WIN32_FILE_ATTRIBUTE_DATA after{};
    ASSERT_TRUE(GetFileAttributesExA(strFile.c_str(), GetFileExInfoStandard, &after));
    EXPECT_EQ(0, CompareFileTime(&before.ftLastWriteTime, &after.ftLastWriteTime));
}

// --- a path near MAX_PATH --------------------------------------------------------

TEST(ProgramRunTest, DeepExecutablePathKeepsSettingsBesideIt)
{
    TempFolder folder;
    for (const size_t nLength : { 250u, 259u }) {
        SCOPED_TRACE("executable path of " + std::to_string(nLength) + " characters");
        // Folders of up to 50 characters, the last one padded so that the
        // executable's path has exactly nLength characters.
        std::string strFolder = folder.Path(("deep" + std::to_string(nLength)).c_str());
        ASSERT_TRUE(CreateDirectoryA(strFolder.c_str(), nullptr));
        const size_t nFileName = std::string("\\Korvane.exe").size();
        while (strFolder.size() + nFileName < nLength) {
            const size_t nMissing = nLength - nFileName - strFolder.size() - 1;
            strFolder += "\\" + std::string(nMissing < 50 ? nMissing : 50, 'd');
            ASSERT_TRUE(CreateDirectoryA(strFolder.c_str(), nullptr)) << strFolder;
        }
        const std::string strExe = CopyProgram(strFolder);
        ASSERT_EQ(nLength, strExe.size());

        ktest::KorvaneRun program(strExe);
        ASSERT_TRUE(program.Started());
        ASSERT_NE(nullptr, program.WaitForMainWindow());
        const std::string strName = Unique("Korvane.Robust.Deep" + std::to_string(nLength));
        EXPECT_EQ("", program.Create(strName));
        // The path with its last three characters replaced.
        const std::string strSettings = strExe.substr(0, strExe.size() - 3) + "ini";
        EXPECT_EQ(strName, ReadHistory(strSettings).front());
        EXPECT_EQ(0u, program.Close());
    }
}

// --- two copies ------------------------------------------------------------------

TEST(ProgramRunTest, TwoCopiesShareSettingsFileAndEvents)
{
    TempFolder folder;
    const std::string strExe = CopyProgram(folder.Path("copies"));
    ASSERT_FALSE(strExe.empty());
    const std::string strSettings = folder.Path("copies\\Korvane.ini");
    ktest::KorvaneRun first(strExe), second(strExe);
    ASSERT_TRUE(first.Started());
    ASSERT_TRUE(second.Started());
    ASSERT_NE(nullptr, first.WaitForMainWindow());
    ASSERT_NE(nullptr, second.WaitForMainWindow());

    const std::string strOne = Unique("Korvane.Robust.Copies.One");
    const std::string strTwo = Unique("Korvane.Robust.Copies.Two");
    const std::string strThree = Unique("Korvane.Robust.Copies.Three");
    ASSERT_EQ("", first.Create(strOne));

    // The second copy's dialog reads the history now and saves after the
    // first copy's next save: the last writer's list wins.
    second.Command(ID_EVENT_CREATE);
    const HWND hDlg = second.WaitForAnyDialog();
    ASSERT_NE(nullptr, hDlg);
    ASSERT_EQ("", first.Create(strTwo, false, true));
    EXPECT_EQ((Names{ strTwo, strOne, "", "", "", "", "", "", "", "" }), ReadHistory(strSettings));
    const ktest::ModalWindow dlg(hDlg);
    dlg.SetItemText(IDC_EVENT_NAME, strThree.c_str());
    dlg.Press(IDOK);
    ASSERT_TRUE(ktest::WaitForWindowGone(hDlg, 10000));
    ASSERT_EQ(1u, [&] {
        // The item comes once the command has run.
        for (int n = 0; n < 250 && second.Items().empty(); ++n)
            ktest::PumpMessages(20);
        return second.Items().size();
    }());
    EXPECT_EQ((Names{ strThree, strOne, "", "", "", "", "", "", "", "" }), ReadHistory(strSettings));

    // The same name in the second copy: refused when creating, held when
    // opening.
    EXPECT_EQ(LoadText(IDS_ALREADY_EXISTS), second.Create(strTwo));
    EXPECT_EQ(1u, second.Items().size());
    EXPECT_EQ("", second.Create(strTwo, true));
    ASSERT_EQ(2u, second.Items().size());
    EXPECT_EQ(strTwo, second.Items()[0].text);
    EXPECT_EQ(2, second.Items()[0].image);

    // One event: signaled in the second copy, red in the first at its next
    // refresh (manual reset: the probes do not consume it).
    ASSERT_TRUE(second.CommandOnItem(ID_EVENT_SIGNAL, 0));
    EXPECT_EQ(3, second.Items()[0].image);
    first.Command(ID_VIEW_UPDATE);
    ASSERT_TRUE(first.Settle());
    const std::vector<ktest::ListItem> items = first.Items();
    ASSERT_EQ(2u, items.size());
    EXPECT_EQ(strTwo, items[0].text);
    EXPECT_EQ(1, items[0].image);

    EXPECT_EQ(0u, first.Close());
    EXPECT_EQ(0u, second.Close());
}

} // namespace
