#pragma once
// A copy of Korvane.exe running in a process of its own, driven from the
// test as a user or another program would: window messages to its windows,
// its dialogs filled in and answered, its list read from its own memory.
// Every wait is bounded; a process still running when the object goes is
// ended.
#include <windows.h>

#include <string>
#include <vector>

class CKorvaneProcess
{
public:
    CKorvaneProcess() = default;
    ~CKorvaneProcess();
    CKorvaneProcess(const CKorvaneProcess&) = delete;
    CKorvaneProcess& operator=(const CKorvaneProcess&) = delete;

    // The Korvane.exe of this build.
    static std::string BuiltExecutable();

    // Starts strExe in its own folder, with strArguments after its quoted
    // path on the command line.
    bool Start(const std::string& strExe, const std::string& strArguments = std::string());

    // The main window once it is shown; null if it is not within dwTimeoutMs.
    HWND WaitForMainWindow(DWORD dwTimeoutMs = 10000);
    // A shown dialog or message box of the process; null after dwTimeoutMs.
    HWND WaitForDialog(DWORD dwTimeoutMs);
    // Whether the process has ended within dwTimeoutMs; its exit code then.
    bool WaitForExit(DWORD dwTimeoutMs, DWORD* pdwExitCode = nullptr);
    // WM_CLOSE to the main window, then the exit code; STILL_ACTIVE when
    // the process did not end in time (it has been ended then).
    DWORD Close();

    // The create command with its dialog filled in: the name, open instead
    // of create, the manual-reset mark; then OK. "" when an item was added,
    // else the text of the message box that came (answered with OK), or
    // "<no result>" when neither happened in time.
    std::string Create(const std::string& strName, bool bOpen = false, bool bManualReset = false);

    // A command as the menu bar sends it, after putting the mark on nItem.
    void Command(UINT nID, int nItem);

    struct Item
    {
        std::string text;
        int image;
    };
    // The list's items, from the top, read from the process's memory.
    std::vector<Item> Items() const;

    HWND MainWindow() const { return m_hWndMain; }

private:
    HWND ListView() const;
    int ItemCount() const;

    PROCESS_INFORMATION m_pi{};
    HWND m_hWndMain = nullptr;
};
