#pragma once
// Korvane's own application object, started once in this test process with
// its real InitInstance (the test's switches are unknown to it and ignored),
// and a main window of its own for every test: frame, toolbar, view and
// document as the program makes them.
#include "FrameWnd.h"
#include "KorvaneApp.h"
#include "WindowQuery.h"

#include <gtest/gtest.h>

#include <string>

namespace ktest {

// Folder of the test executable, with a trailing backslash.
std::string ExeFolder();

} // namespace ktest

class MainWindowFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // What InitInstance returned at the one start-up of this process.
    static BOOL StartResult();
    // A new main window when the last one has been closed.
    void OpenMainWindow();
    // Closes the main window (if any) and dispatches what follows.
    void CloseMainWindow();

    // Sends a command to the main frame as a menu item would.
    void Command(UINT nID) const;
    // Dispatches everything queued; true when a quit message was among it,
    // whose exit code goes to *pnExitCode.
    static bool DrainQueue(WPARAM* pnExitCode = nullptr);

    HWND Frame() const { return m_pFrame ? m_pFrame->m_hWnd : nullptr; }
    HWND List() const;

    CFrameWnd* m_pFrame = nullptr;
};
