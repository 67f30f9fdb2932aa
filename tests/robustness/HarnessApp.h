#pragma once
// CHarnessApp: the application object of the in-process robustness tests and
// benchmarks. It opens Korvane's main window in this process the way
// start-up does: the program's document, main frame and list view (as
// CHarnessView), from the program's resources, with the settings file beside
// this executable unless a test installs another one.
#include "WinApp.h"

class CFrameWnd;
class CHarnessView;

class CHarnessApp : public CWinApp
{
public:
    // Records the start-up values, installs the settings path, adds the
    // document template (once) and opens the main window, shown. The view,
    // or null when the window did not come up.
    CHarnessView* OpenMainWindow();

    // Closes the main window as its close box does and dispatches what
    // that leaves queued; every remaining item is released on the way.
    void CloseMainWindow();

    CFrameWnd* MainFrame() const;
    CHarnessView* View() const;
};

extern CHarnessApp theHarnessApp;

// Dispatches every message queued for this thread, without waiting.
void DispatchPending();
