#pragma once
// Korvane.exe started as a process of its own and driven from the test only
// through window messages, as a user's tools or another program would: it
// posts commands to the main window, fills and answers its dialogs, and
// reads its list across the process boundary.
//
//     ktest::KorvaneFolder folder;                 // see KorvaneFolder.h
//     ktest::KorvaneRun run(folder, "/x");         // started with that command line
//     ASSERT_NE(nullptr, run.WaitForMainWindow());
//     EXPECT_EQ("", run.Create("Alpha"));          // an item, no message box
//     EXPECT_TRUE(run.CommandOnItem(ID_EVENT_SIGNAL, 0));
//     EXPECT_EQ(3, run.Items().at(0).image);
//     EXPECT_EQ(0u, run.Close());
//
// An executable elsewhere (a deep path, a folder shared by two runs) is
// started with KorvaneRun(strExePath) and runs in its own folder.
//
// Posted commands are handled later; Settle returns once Korvane has handled
// everything posted before it. Every wait is bounded and every send to
// Korvane's windows has a time-out, so a hung or missing window fails the
// test instead of blocking it. Windows are matched by process id. A run still
// going when its object dies has its boxes cancelled and its main window
// closed, and failing that is ended by force.
#include "ModalHelper.h"
#include "RemoteListView.h"

#include <windows.h>

#include <string>
#include <vector>

namespace ktest {

class KorvaneFolder;

class KorvaneRun
{
public:
    // The executable started in its own folder, with strArgs after its
    // quoted path and the show command that a starting program would give.
    explicit KorvaneRun(const std::string& strExePath, const std::string& strArgs = "",
                        WORD wShowWindow = SW_SHOWNORMAL);
    // The copy in the folder, started there.
    explicit KorvaneRun(const KorvaneFolder& folder, const std::string& strArgs = "",
                        WORD wShowWindow = SW_SHOWNORMAL);
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
    // The same, whatever its caption.
    HWND WaitForAnyDialog(DWORD timeoutMs = 10000) const;
    // A visible top-level window of the process that is neither the main
    // window nor a dialog or message box (the help viewer). Null on time-out.
    HWND WaitForOtherWindow(DWORD timeoutMs = 10000) const;
    // The main window's list, its child AFX_IDW_PANE_FIRST; null without a
    // main window.
    HWND View() const;

    // Posts the command to the main window, as its menu would send it.
    void Command(UINT nID) const;
    // Returns once Korvane has handled every message posted to it before
    // (false on time-out): a hover time posted to the list behind them, read
    // back until it has arrived. Hover times matter only to lists that select
    // by hovering, which Korvane's does not.
    bool Settle(DWORD timeoutMs = 5000);
    // Selects item nItem as a click would, then runs the command and settles;
    // false when the selection mark did not move there or Korvane did not
    // settle.
    bool CommandOnItem(UINT nID, int nItem);
    // The create command, its dialog filled in as a user would (the name
    // typed, the boxes ticked, then "Open" or "Create" picked) and OK pressed.
    // "" once the item has been added and Korvane has settled; else the text
    // of the message box that came instead, answered with OK (its snapshot,
    // taken before, in *pBox). "<no dialog>", "<dialog stays>", "<box stays>"
    // or "<no result>" when a step did not happen in time.
    std::string Create(const std::string& strName, bool bOpen = false, bool bManualReset = false,
                       bool bInitialState = false, ModalSnapshot* pBox = nullptr);
    // The number of items in the list; -1 when it does not answer.
    int ItemCount() const;
    // The list's items from the top, read from the process's memory.
    std::vector<ListItem> Items() const;

    // Waits for the process to end, dispatching this thread's messages; its
    // exit code, or STILL_ACTIVE on time-out.
    DWORD WaitForExit(DWORD timeoutMs = 10000) const;
    // WM_CLOSE to the main window, then the exit code; STILL_ACTIVE when the
    // process did not end in time, after it has been ended by force.
    DWORD Close(DWORD timeoutMs = 10000);

private:
    PROCESS_INFORMATION m_pi{};
    int m_nFence = 0;
};

} // namespace ktest
