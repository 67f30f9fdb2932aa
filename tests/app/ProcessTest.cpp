// Korvane.exe run in a folder of its own and driven from this process:
// shutdown, the handles it holds, the settings and help files named after
// the executable, and what a run leaves behind.
#include "FrameworkIds.h"
#include "KorvaneFolder.h"
#include "KorvaneRun.h"
#include "KorvaneTexts.h"
#include "ModalHelper.h"
#include "WindowQuery.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string UniqueName(const char* pszTag)
{
    static int s_nSerial = 0;
    return "KorvaneAppTest." + std::to_string(GetCurrentProcessId()) + "." + pszTag + "."
           + std::to_string(++s_nSerial);
}

bool EventExists(const std::string& strName)
{
    const HANDLE hEvent = OpenEventA(SYNCHRONIZE, FALSE, strName.c_str());
    if (!hEvent)
        return false;
    CloseHandle(hEvent);
    return true;
}

// Waits for the end of the run while watching for message boxes and
// dialogs, which would be questions; their captions go to *pBoxes.
DWORD WaitForQuietExit(const ktest::KorvaneRun& run, std::vector<std::string>* pBoxes)
{
    const DWORD dwStart = GetTickCount();
    while (GetTickCount() - dwStart < 10000) {
        const DWORD dwExitCode = run.WaitForExit(20);
        if (dwExitCode != STILL_ACTIVE)
            return dwExitCode;
        for (const HWND hwnd : run.Windows()) {
            if (ktest::ClassName(hwnd) == "#32770") {
                pBoxes->push_back(ktest::ModalWindow(hwnd).Caption());
                ktest::ModalWindow(hwnd).Press(IDCANCEL);
            }
        }
    }
    return STILL_ACTIVE;
}

TEST(ProcessTest, EveryWayToCloseAsksNothingClosesEveryHeldEventAndEndsWithZero)
{
    struct Way
    {
        const char* what;
        UINT message;
        WPARAM wParam;
    };
    const Way ways[] = {
        { "WM_CLOSE", WM_CLOSE, 0 },
        { "exit command", WM_COMMAND, ID_APP_EXIT },
        { "close box", WM_SYSCOMMAND, SC_CLOSE },
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        ktest::KorvaneFolder folder;
        ASSERT_TRUE(folder.Ready());
        ktest::KorvaneRun run(folder);
        const HWND hwndMain = run.WaitForMainWindow();
        ASSERT_NE(nullptr, hwndMain);

        const std::string strManual = UniqueName("manual");
        const std::string strAuto = UniqueName("auto");
        ASSERT_EQ("", run.Create(strManual, false, true, true));
        ASSERT_EQ("", run.Create(strAuto));
        ASSERT_EQ("", run.Create(strManual, true));
        EXPECT_EQ(3, run.ItemCount());
        EXPECT_TRUE(EventExists(strManual));
        EXPECT_TRUE(EventExists(strAuto));

        PostMessageA(hwndMain, way.message, way.wParam, 0);
        std::vector<std::string> boxes;
        EXPECT_EQ(0u, WaitForQuietExit(run, &boxes));
        EXPECT_TRUE(boxes.empty()) << boxes.size() << " window(s), the first \"" << boxes[0] << "\"";
        EXPECT_FALSE(EventExists(strManual));
        EXPECT_FALSE(EventExists(strAuto));
    }
}

TEST(ProcessTest, MainWindowShowsTheWayTheProgramWasStarted)
{
    struct Case
    {
        const char* what;
        WORD wShowWindow;
        bool bIconic;
        bool bZoomed;
    };
    const Case cases[] = {
        { "normal", SW_SHOWNORMAL, false, false },
        { "minimised", SW_SHOWMINNOACTIVE, true, false },
        { "maximised", SW_SHOWMAXIMIZED, false, true },
    };
    ktest::KorvaneFolder folder;
    ASSERT_TRUE(folder.Ready());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ktest::KorvaneRun run(folder, "", c.wShowWindow);
        const HWND hwndMain = run.WaitForMainWindow();
        ASSERT_NE(nullptr, hwndMain);
        ktest::PumpMessages(200); // start-up has shown it a second time by now
        EXPECT_EQ(c.bIconic, IsIconic(hwndMain) != FALSE);
        EXPECT_EQ(c.bZoomed, IsZoomed(hwndMain) != FALSE);
        // Restored, it has the size it was created with.
        PostMessageA(hwndMain, WM_SYSCOMMAND, SC_RESTORE, 0);
        RECT rect{};
        for (int i = 0; i < 100; ++i) {
            GetWindowRect(hwndMain, &rect);
            if (!IsIconic(hwndMain) && !IsZoomed(hwndMain) && rect.right - rect.left == 250)
                break;
            ktest::PumpMessages(20);
        }
        EXPECT_EQ(250, rect.right - rect.left);
        EXPECT_EQ(200, rect.bottom - rect.top);
        PostMessageA(hwndMain, WM_CLOSE, 0, 0);
        EXPECT_EQ(0u, run.WaitForExit());
    }
}

TEST(ProcessTest, NextStartForgetsWhereTheWindowWasAndThatTheToolbarWasHidden)
{
    ktest::KorvaneFolder folder;
    ASSERT_TRUE(folder.Ready());
    const auto toolbarOf = [](HWND hwndMain) {
        const HWND hwndDock = GetDlgItem(hwndMain, AFX_IDW_DOCKBAR_TOP);
        return hwndDock ? GetDlgItem(hwndDock, AFX_IDW_TOOLBAR) : nullptr;
    };
    {
        ktest::KorvaneRun run(folder);
        const HWND hwndMain = run.WaitForMainWindow();
        ASSERT_NE(nullptr, hwndMain);
        ASSERT_TRUE(SetWindowPos(hwndMain, nullptr, 300, 250, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE));
        const HWND hwndBar = toolbarOf(hwndMain);
        ASSERT_NE(nullptr, hwndBar);
        run.Command(ID_VIEW_TOOLBAR);
        for (int i = 0; i < 100 && IsWindowVisible(hwndBar); ++i)
            ktest::PumpMessages(20);
        ASSERT_FALSE(IsWindowVisible(hwndBar));
        PostMessageA(hwndMain, WM_CLOSE, 0, 0);
        ASSERT_EQ(0u, run.WaitForExit());
    }
    ktest::KorvaneRun run(folder);
    const HWND hwndMain = run.WaitForMainWindow();
    ASSERT_NE(nullptr, hwndMain);
    RECT rect;
    GetWindowRect(hwndMain, &rect);
    EXPECT_EQ(250, rect.right - rect.left);
    EXPECT_EQ(200, rect.bottom - rect.top);
    EXPECT_FALSE(rect.left == 300 && rect.top == 250) << "the default position, not the last one";
    const HWND hwndBar = toolbarOf(hwndMain);
    ASSERT_NE(nullptr, hwndBar) << "docked at the top";
    EXPECT_TRUE(IsWindowVisible(hwndBar));
    const std::vector<std::string> files = { "Korvane.chm", "Korvane.exe" };
    EXPECT_EQ(files, folder.Files()) << "nothing stored";
}

TEST(ProcessTest, CopyUnderAnotherNameKeepsSettingsAndHelpBesideItUnderItsOwnName)
{
    ktest::KorvaneFolder folder("Probe.exe");   // with Korvane.chm, not Probe.chm
    ASSERT_TRUE(folder.Ready());
    ktest::KorvaneRun run(folder);
    const HWND hwndMain = run.WaitForMainWindow();
    ASSERT_NE(nullptr, hwndMain);
    EXPECT_EQ(ktest::MainCaption(), ktest::ModalWindow(hwndMain).Caption());

    // An accepted name goes to Probe.ini.
    const std::string strName = UniqueName("probe");
    ASSERT_EQ("", run.Create(strName));
    EXPECT_EQ(1, run.ItemCount());
    char szFirst[256] = "";
    GetPrivateProfileStringA("options", "history0", "", szFirst, sizeof szFirst, folder.Path("Probe.ini").c_str());
    EXPECT_EQ(strName, szFirst);

    // A message box of the program keeps the application's title.
    ktest::ModalSnapshot exists;
    EXPECT_EQ(ktest::Ansi(L"ｲﾍﾞﾝﾄはすでに存在します。ｵｰﾌﾟﾝを指定してください。"),
              run.Create(strName, false, false, false, &exists))
        << "the name exists already";
    EXPECT_EQ(ktest::AppTitle(), exists.caption);

    // Help looks for Probe.chm: the framework's empty prompt under the
    // application's title, until the file is there.
    run.Command(ID_DEFAULT_HELP);
    const HWND hwndPrompt = run.WaitForDialog(ktest::AppTitle());
    ASSERT_NE(nullptr, hwndPrompt) << "no prompt for the missing Probe.chm";
    EXPECT_EQ("", ktest::ModalWindow(hwndPrompt).Capture().text);
    EXPECT_EQ(hwndMain, GetWindow(hwndPrompt, GW_OWNER));
    ktest::ModalWindow(hwndPrompt).Press(IDOK);
    ASSERT_TRUE(ktest::WaitForWindowGone(hwndPrompt, 5000));

    ASSERT_TRUE(CopyFileA(folder.Path("Korvane.chm").c_str(), folder.Path("Probe.chm").c_str(), TRUE));
    run.Command(ID_DEFAULT_HELP);
    const HWND hwndViewer = run.WaitForOtherWindow();
    EXPECT_NE(nullptr, hwndViewer) << "the help viewer on Probe.chm";
    EXPECT_EQ(nullptr, run.WaitForDialog(ktest::AppTitle(), 500)) << "no prompt once the file is there";
    EXPECT_EQ(ktest::MainCaption(), ktest::ModalWindow(hwndMain).Caption());

    PostMessageA(hwndMain, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, run.WaitForExit());
    const std::vector<std::string> files = { "Korvane.chm", "Probe.chm", "Probe.exe", "Probe.ini" };
    EXPECT_EQ(files, folder.Files()) << "no Korvane.ini";
}

TEST(ProcessTest, HelpCommandOpensTheViewerOnTheHelpFileBesideTheProgram)
{
    ktest::KorvaneFolder folder;
    ASSERT_TRUE(folder.Ready());
    ktest::KorvaneRun run(folder);
    const HWND hwndMain = run.WaitForMainWindow();
    ASSERT_NE(nullptr, hwndMain);
    run.Command(ID_DEFAULT_HELP);
    const HWND hwndViewer = run.WaitForOtherWindow();
    ASSERT_NE(nullptr, hwndViewer);
    EXPECT_EQ(ktest::Ansi(L"Korvane ヘルプ"), ktest::ModalWindow(hwndViewer).Caption())
        << "the title of Korvane.chm";
    EXPECT_EQ(hwndMain, GetWindow(hwndViewer, GW_OWNER)) << "opened with the main window as its caller";
    EXPECT_EQ(nullptr, run.WaitForDialog(ktest::AppTitle(), 500)) << "no prompt";
    PostMessageA(hwndMain, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, run.WaitForExit());
}

// The settings file's bytes and modification time, or "" when there is none.
struct SettingsFile
{
    std::string strBytes;
    FILETIME ftWritten{};

    explicit SettingsFile(const std::string& strPath)
    {
        const HANDLE hFile = CreateFileA(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                         OPEN_EXISTING, 0, nullptr);
        if (hFile == INVALID_HANDLE_VALUE)
            return;
        char buffer[4096];
        DWORD dwRead = 0;
        while (ReadFile(hFile, buffer, sizeof buffer, &dwRead, nullptr) && dwRead > 0)
            strBytes.append(buffer, dwRead);
        GetFileTime(hFile, nullptr, nullptr, &ftWritten);
        CloseHandle(hFile);
    }

    bool operator==(const SettingsFile& other) const
    {
        return strBytes == other.strBytes && CompareFileTime(&ftWritten, &other.ftWritten) == 0;
    }
};

TEST(ProcessTest, RunThatAcceptsNoNameNeitherCreatesNorChangesTheSettingsFile)
{
    struct Case
    {
        const char* what;
        bool bExisting;         // a settings file from an earlier run is there
        std::string strTyped;   // the name typed into the dialog
        int nEnd;               // how the dialog ends: IDOK, IDCANCEL, or 0 when it is not opened
    };
    const Case cases[] = {
        { "no dialog", false, "", 0 },
        { "dialog cancelled", false, "", IDCANCEL },
        { "name typed, then cancelled", false, UniqueName("typed"), IDCANCEL },
        { "earlier settings, no dialog", true, "", 0 },
        { "earlier settings, dialog cancelled", true, UniqueName("typed"), IDCANCEL },
        { "name accepted", false, UniqueName("accepted"), IDOK },
    };
    const std::string strEarlier = "[options]\r\nhistory0=earlier\r\nhistory1=\r\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ktest::KorvaneFolder folder;
        ASSERT_TRUE(folder.Ready());
        const std::string strSettings = folder.Path("Korvane.ini");
        if (c.bExisting) {
            const HANDLE hFile = CreateFileA(strSettings.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
            DWORD dwWritten = 0;
            WriteFile(hFile, strEarlier.data(), static_cast<DWORD>(strEarlier.size()), &dwWritten, nullptr);
            CloseHandle(hFile);
            Sleep(50); // a write now would give the file a later time
        }
        const SettingsFile before(strSettings);
        ktest::KorvaneRun run(folder);
        const HWND hwndMain = run.WaitForMainWindow();
        ASSERT_NE(nullptr, hwndMain);
        if (c.nEnd != 0) {
            run.Command(ID_EVENT_CREATE);
            const HWND hwndDialog = run.WaitForDialog(ktest::CreateDialogCaption());
            ASSERT_NE(nullptr, hwndDialog);
            const ktest::ModalWindow dialog(hwndDialog);
            dialog.SetItemText(IDC_EVENT_NAME, c.strTyped.c_str());
            dialog.Press(c.nEnd);
            ASSERT_TRUE(ktest::WaitForWindowGone(hwndDialog, 5000));
        }
        PostMessageA(hwndMain, WM_CLOSE, 0, 0);
        EXPECT_EQ(0u, run.WaitForExit());

        const SettingsFile after(strSettings);
        if (c.nEnd == IDOK) {
            EXPECT_NE(std::string::npos, after.strBytes.find("history0=" + c.strTyped)) << after.strBytes;
        } else {
            EXPECT_TRUE(before == after) << "before:\n" << before.strBytes << "after:\n" << after.strBytes;
        }
        const bool bSettings = c.bExisting || c.nEnd == IDOK;
        EXPECT_EQ(bSettings ? 3u : 2u, folder.Files().size()) << "no other file";
    }
}

} // namespace
