#pragma once
// The built Korvane.exe, copied into a fresh folder of its own and started
// there as a process of its own, seen and driven from the test only through
// window messages, files and named events, as a user or another program
// would.
//
//     ktest::KorvaneFolder folder("Probe.exe");   // Korvane.exe as Probe.exe, with Korvane.chm
//     ktest::KorvaneRun run(folder, "/x");        // started with that command line
//     HWND hwndMain = run.WaitForMainWindow();
//     run.Command(ID_APP_EXIT);
//     EXPECT_EQ(0u, run.WaitForExit());
//
// Every wait is bounded; a run still going when its object dies is closed
// with WM_CLOSE and, failing that, ended by force.
#include <windows.h>

#include <string>
#include <vector>

namespace ktest {

// A new folder under the temporary folder holding a copy of Korvane.exe
// named strExeName, and Korvane.chm (under its own name) when bWithHelp;
// removed with everything in it at destruction.
class KorvaneFolder
{
public:
    explicit KorvaneFolder(const std::string& strExeName = "Korvane.exe", bool bWithHelp = true);
    ~KorvaneFolder();
    KorvaneFolder(const KorvaneFolder&) = delete;
    KorvaneFolder& operator=(const KorvaneFolder&) = delete;

    // Whether the copies were made.
    bool Ready() const { return m_bReady; }
    std::string Path(const std::string& strName) const;
    std::string ExePath() const { return Path(m_strExeName); }
    // The names of the files in the folder, sorted.
    std::vector<std::string> Files() const;

private:
    std::string m_strFolder;
    std::string m_strExeName;
    bool m_bReady = false;
};

// Where the build put Korvane.exe and Korvane.chm.
std::string BuiltKorvanePath(const char* pszName);

class KorvaneRun
{
public:
    // Started with the arguments and the show command that a starting
    // program would give.
    KorvaneRun(const KorvaneFolder& folder, const std::string& strArgs = "", WORD wShowWindow = SW_SHOWNORMAL);
    ~KorvaneRun();
    KorvaneRun(const KorvaneRun&) = delete;
    KorvaneRun& operator=(const KorvaneRun&) = delete;

    bool Started() const { return m_pi.hProcess != nullptr; }
    DWORD ProcessId() const { return m_pi.dwProcessId; }

    // The visible top-level windows of the process, now.
    std::vector<HWND> Windows() const;
    // The main window: the visible top-level window with a menu bar. Null
    // on time-out.
    HWND WaitForMainWindow(DWORD timeoutMs = 10000) const;
    // A visible dialog or message box ("#32770") of the process with that
    // caption. Null on time-out.
    HWND WaitForDialog(const std::string& strCaption, DWORD timeoutMs = 10000) const;
    // A visible top-level window of the process that is neither the main
    // window nor a dialog or message box. Null on time-out.
    HWND WaitForOtherWindow(DWORD timeoutMs = 10000) const;

    // Posts the command to the main window, as its menu would send it.
    void Command(UINT nID) const;
    // Opens the create dialog, fills it in and presses OK; true once the
    // dialog has gone. bOpen picks "Open" instead of "Create".
    bool AcceptName(const std::string& strName, bool bOpen = false, bool bManualReset = false,
                    bool bInitialState = false) const;
    // The number of items in the main window's list.
    int ItemCount() const;

    // Waits for the process to end; its exit code, or STILL_ACTIVE on time-out.
    DWORD WaitForExit(DWORD timeoutMs = 10000) const;

private:
    PROCESS_INFORMATION m_pi{};
};

} // namespace ktest
