#pragma once
// Korvane.exe as a process of its own, driven from outside.
//
// The executable beside this program is copied into a fresh temporary
// folder and started there; its settings file appears in that folder. The
// test talks to it only as a user's tools or another program can: it posts
// commands to the main window, fills and clicks dialogs with window
// messages, and reads windows back. Every wait is bounded. The destructor
// ends the process if it still runs and removes the folder.
#include <windows.h>

#include <string>

class KorvaneProcess
{
public:
    KorvaneProcess();
    ~KorvaneProcess();
    KorvaneProcess(const KorvaneProcess&) = delete;
    KorvaneProcess& operator=(const KorvaneProcess&) = delete;

    // Starts the copy and waits for its main window; false on failure.
    bool Start(DWORD timeoutMs = 20000);

    const std::string& Folder() const { return m_strFolder; }
    std::string SettingsPath() const { return m_strFolder + "\\Korvane.ini"; }
    DWORD ProcessId() const { return m_pi.dwProcessId; }
    HWND Frame() const { return m_hWndFrame; }
    // The list view, the frame's child AFX_IDW_PANE_FIRST.
    HWND View() const;

    // WM_COMMAND from a menu (no control window), posted to the frame.
    void PostCommand(UINT nID) const;

    // Returns once Korvane has handled every message posted to it before
    // (false on time-out): a hover time posted to the list view behind
    // them, read back until it has arrived. Hover times matter only to
    // lists that select by hovering, which Korvane's does not.
    bool Settle(DWORD timeoutMs = 5000);

    // A visible dialog or message box ("#32770") of this process with the
    // caption, or null when none comes in time.
    HWND WaitForDialog(const std::string& strCaption, DWORD timeoutMs = 5000) const;

    // Waits for the process to end; its exit code, or -1 on time-out.
    int WaitForExit(DWORD timeoutMs);

private:
    std::string m_strFolder;
    std::string m_strExe;
    PROCESS_INFORMATION m_pi{};
    HWND m_hWndFrame = nullptr;
    int m_nFence = 0;
};

// Fills the create dialog as a user would (name into the combo box, boxes
// ticked before "Open" is clicked) and posts the click on OK.
void FillCreateDialog(HWND hWndDialog, const std::string& strName, bool bOpen, bool bManual, bool bInitial);
