// Korvane.exe started with each kind of command line, every run in a folder
// and a process of its own: which windows and message boxes appear, what the
// main window looks like from outside, and how the process ends.
#include "FrameworkIds.h"
#include "KorvaneFolder.h"
#include "KorvaneRun.h"
#include "KorvaneTexts.h"
#include "ModalHelper.h"
#include "WindowQuery.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

// The main window as another process sees it, in one line per property,
// so that a mismatch shows all of it.
std::vector<std::string> DescribeMainWindow(HWND hwnd)
{
    std::vector<std::string> lines;
    lines.push_back("caption " + ktest::ModalWindow(hwnd).Caption());
    RECT rect;
    GetWindowRect(hwnd, &rect);
    lines.push_back("size " + std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top));
    lines.push_back(std::string("frame client edge ")
                    + ((GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) ? "yes" : "no"));

    const HWND hwndBar = ktest::FindDescendant(hwnd, AFX_IDW_TOOLBAR);
    lines.push_back("toolbar " + (hwndBar ? ktest::ClassName(hwndBar) : std::string("none")) + ", "
                    + std::to_string(hwndBar ? ktest::SendBounded(hwndBar, TB_BUTTONCOUNT) : 0) + " buttons"
                    + (hwndBar && IsWindowVisible(hwndBar) ? ", visible" : ""));

    const HWND hwndList = GetDlgItem(hwnd, AFX_IDW_PANE_FIRST);
    const LONG style = GetWindowLongA(hwndList, GWL_STYLE) & ~(WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    char szStyle[64];
    wsprintfA(szStyle, "style %08lx exstyle edge %s", style,
              (GetWindowLongA(hwndList, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) ? "yes" : "no");
    lines.push_back("list " + (hwndList ? ktest::ClassName(hwndList) : std::string("none")) + ", " + szStyle + ", "
                    + std::to_string(hwndList ? ktest::SendBounded(hwndList, LVM_GETITEMCOUNT) : -1) + " items");
    return lines;
}

std::vector<std::string> ExpectedMainWindow()
{
    char szStyle[64];
    wsprintfA(szStyle, "style %08lx exstyle edge yes", WS_CHILD | WS_VISIBLE | LVS_LIST | LVS_SINGLESEL);
    return {
        "caption " + ktest::MainCaption(),
        "size 250x200",
        "frame client edge no",
        "toolbar ToolbarWindow32, 8 buttons, visible",
        std::string("list SysListView32, ") + szStyle + ", 0 items",
    };
}

// What the test saw of one run.
struct Run
{
    DWORD dwExitCode = STILL_ACTIVE;
    std::vector<std::string> mainWindow;  // empty when it never showed
    std::vector<ktest::ModalSnapshot> boxes;
    bool bMainWindowWithBox = false;
};

// Starts the copy with the arguments, answers every message box with OK,
// closes the main window once it shows, and waits (bounded) for the end.
Run RunWith(const ktest::KorvaneFolder& folder, const std::string& strArgs)
{
    Run run;
    ktest::KorvaneRun process(folder, strArgs);
    EXPECT_TRUE(process.Started());
    std::set<HWND> seen;
    const DWORD dwStart = GetTickCount();
    while (GetTickCount() - dwStart < 15000) {
        run.dwExitCode = process.WaitForExit(20);
        if (run.dwExitCode != STILL_ACTIVE)
            break;
        HWND hwndMain = nullptr;
        for (const HWND hwnd : process.Windows())
            if (GetMenu(hwnd))
                hwndMain = hwnd;
        for (const HWND hwnd : process.Windows()) {
            if (ktest::ClassName(hwnd) != "#32770" || !seen.insert(hwnd).second)
                continue;
            run.boxes.push_back(ktest::ModalWindow(hwnd).Capture());
            run.bMainWindowWithBox = run.bMainWindowWithBox || hwndMain;
            ktest::ModalWindow(hwnd).Press(IDOK);
        }
        if (hwndMain && run.mainWindow.empty()) {
            run.mainWindow = DescribeMainWindow(hwndMain);
            PostMessageA(hwndMain, WM_CLOSE, 0, 0);
        }
    }
    return run;
}

enum Outcome
{
    NormalStart,    // the main window, no box
    OneBoxThenEnd,  // one empty box under the title, never the main window
    QuietEnd,       // nothing shown at all
};

void ExpectOutcome(const Run& run, Outcome outcome)
{
    EXPECT_EQ(0u, run.dwExitCode);
    if (outcome == NormalStart) {
        EXPECT_EQ(ExpectedMainWindow(), run.mainWindow);
    } else {
        EXPECT_TRUE(run.mainWindow.empty()) << "a main window showed";
    }
    EXPECT_FALSE(run.bMainWindowWithBox);
    ASSERT_EQ(outcome == OneBoxThenEnd ? 1u : 0u, run.boxes.size())
        << (run.boxes.empty() ? "" : "box \"" + run.boxes[0].caption + "\": \"" + run.boxes[0].text + "\"");
    for (const ktest::ModalSnapshot& box : run.boxes) {
        EXPECT_EQ(ktest::AppTitle(), box.caption);
        EXPECT_EQ("", box.text);
        EXPECT_NE(0u, box.icon);
    }
}

TEST(CommandLineTest, EachKindOfCommandLineStartsOrEndsAsTheFrameworkDoes)
{
    ktest::KorvaneFolder folder;
    ASSERT_TRUE(folder.Ready());
    const std::string strFile = folder.Path("data.txt");
    const std::string strLocked = folder.Path("locked.txt");
    const std::string strFolder = folder.Path("folder");
    for (const std::string& strPath : { strFile, strLocked }) {
        const HANDLE hFile = CreateFileA(strPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD dwWritten = 0;
        WriteFile(hFile, "keep", 4, &dwWritten, nullptr);
        CloseHandle(hFile);
    }
    CreateDirectoryA(strFolder.c_str(), nullptr);
    // Another program holds this one open for itself alone.
    const HANDLE hLock = CreateFileA(strLocked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hLock);
    WIN32_FILE_ATTRIBUTE_DATA before{};
    GetFileAttributesExA(strFile.c_str(), GetFileExInfoStandard, &before);
    Sleep(50); // a write now would give the file a later time

    const auto quoted = [](const std::string& strPath) { return "\"" + strPath + "\""; };
    struct Case
    {
        std::string args;
        Outcome outcome;
    };
    const Case cases[] = {
        { "", NormalStart },
        { quoted(strFile), NormalStart },
        { quoted(strFile) + " second.txt", NormalStart },
        { quoted(folder.Path("missing.txt")), OneBoxThenEnd },
        { quoted(strFolder), OneBoxThenEnd },
        { quoted(strLocked), OneBoxThenEnd },
        { "/Register", QuietEnd },
        { "-REGSERVER", QuietEnd },
        { "/Unregister", OneBoxThenEnd },
        { "-unregserver", OneBoxThenEnd },
        { "/Unregister /Embedding", QuietEnd },
        { "/Embedding", NormalStart },
        { "-automation", NormalStart },
        { "/x", NormalStart },
        { "-Register-not /unknown", NormalStart },
        { "/dde", QuietEnd },
        { "/p " + quoted(strFile), QuietEnd },
        { "/pt " + quoted(strFile) + " printer driver port", QuietEnd },
        { "/P " + quoted(strFile), NormalStart },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("command line: " + c.args);
        ExpectOutcome(RunWith(folder, c.args), c.outcome);
    }
    CloseHandle(hLock);

    WIN32_FILE_ATTRIBUTE_DATA after{};
    ASSERT_TRUE(GetFileAttributesExA(strFile.c_str(), GetFileExInfoStandard, &after));
    EXPECT_EQ(0, CompareFileTime(&before.ftLastWriteTime, &after.ftLastWriteTime)) << "modification time";
    EXPECT_EQ(4u, after.nFileSizeLow);
    const HANDLE hFile = CreateFileA(strFile.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    char szContents[8] = "";
    DWORD dwRead = 0;
    ReadFile(hFile, szContents, sizeof szContents - 1, &dwRead, nullptr);
    CloseHandle(hFile);
    EXPECT_STREQ("keep", szContents);
    const std::vector<std::string> files = { "Korvane.chm", "Korvane.exe", "data.txt", "locked.txt" };
    EXPECT_EQ(files, folder.Files()) << "no settings file, nothing else written";
}

} // namespace
