#include "KorvaneProcess.h"

#include "FrameworkIds.h"
#include "KorvaneTexts.h"
#include "ModalHelper.h"
#include "resource.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace ktest {
namespace {

constexpr DWORD kPollMs = 20;
constexpr DWORD kSendTimeoutMs = 2000;

void RemoveTree(const std::string& strFolder)
{
    WIN32_FIND_DATAA fd;
    const HANDLE hFind = FindFirstFileA((strFolder + "\\*").c_str(), &fd);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            const std::string strName = fd.cFileName;
            if (strName == "." || strName == "..")
                continue;
            const std::string strPath = strFolder + "\\" + strName;
            SetFileAttributesA(strPath.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(strPath);
            else
                DeleteFileA(strPath.c_str());
        } while (FindNextFileA(hFind, &fd));
        FindClose(hFind);
    }
    RemoveDirectoryA(strFolder.c_str());
}

std::string ClassOf(HWND hwnd)
{
    char szClass[128] = "";
    GetClassNameA(hwnd, szClass, sizeof szClass);
    return szClass;
}

struct ProcessWindows
{
    DWORD dwProcessId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lParam)
{
    ProcessWindows& found = *reinterpret_cast<ProcessWindows*>(lParam);
    DWORD dwProcessId = 0;
    GetWindowThreadProcessId(hwnd, &dwProcessId);
    if (dwProcessId == found.dwProcessId && IsWindowVisible(hwnd))
        found.windows.push_back(hwnd);
    return TRUE;
}

// Polls (pumping this thread's messages) until pick finds a window or
// timeoutMs passes.
HWND PollFor(const std::function<HWND()>& pick, DWORD timeoutMs)
{
    const DWORD dwStart = GetTickCount();
    for (;;) {
        if (const HWND hwnd = pick())
            return hwnd;
        if (GetTickCount() - dwStart >= timeoutMs)
            return nullptr;
        PumpMessages(kPollMs);
    }
}

} // namespace

std::string BuiltKorvanePath(const char* pszName)
{
    char szModule[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, szModule, MAX_PATH);
    std::string strPath(szModule);
    strPath = strPath.substr(0, strPath.rfind('\\') + 1) + KORVANE_APP_FOLDER "/" + pszName;
    char szFull[MAX_PATH] = "";
    GetFullPathNameA(strPath.c_str(), MAX_PATH, szFull, nullptr);
    return szFull;
}

KorvaneFolder::KorvaneFolder(const std::string& strExeName, bool bWithHelp)
    : m_strExeName(strExeName)
{
    static int s_nSerial = 0;
    char szTemp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, szTemp);
    char szName[64];
    std::snprintf(szName, sizeof szName, "korvane-app-%lu-%d", GetCurrentProcessId(), ++s_nSerial);
    m_strFolder = std::string(szTemp) + szName;
    RemoveTree(m_strFolder);
    m_bReady = CreateDirectoryA(m_strFolder.c_str(), nullptr)
               && CopyFileA(BuiltKorvanePath("Korvane.exe").c_str(), ExePath().c_str(), TRUE)
               && (!bWithHelp || CopyFileA(BuiltKorvanePath("Korvane.chm").c_str(), Path("Korvane.chm").c_str(), TRUE));
}

KorvaneFolder::~KorvaneFolder()
{
    RemoveTree(m_strFolder);
}

std::string KorvaneFolder::Path(const std::string& strName) const
{
    return m_strFolder + "\\" + strName;
}

std::vector<std::string> KorvaneFolder::Files() const
{
    std::vector<std::string> files;
    WIN32_FIND_DATAA fd;
    const HANDLE hFind = FindFirstFileA((m_strFolder + "\\*").c_str(), &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return files;
    do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            files.push_back(fd.cFileName);
    } while (FindNextFileA(hFind, &fd));
    FindClose(hFind);
    std::sort(files.begin(), files.end());
    return files;
}

KorvaneRun::KorvaneRun(const KorvaneFolder& folder, const std::string& strArgs, WORD wShowWindow)
{
    const std::string strExe = folder.ExePath();
    std::string strCommandLine = "\"" + strExe + "\"" + (strArgs.empty() ? "" : " " + strArgs);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = wShowWindow;
    if (!CreateProcessA(strExe.c_str(), &strCommandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.Path("").c_str(), &si, &m_pi))
        m_pi = PROCESS_INFORMATION{};
}

KorvaneRun::~KorvaneRun()
{
    if (!Started())
        return;
    if (WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT) {
        // Boxes first, then the main window, as a user would.
        for (const HWND hwnd : Windows())
            if (ClassOf(hwnd) == "#32770")
                PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
        if (const HWND hwndMain = WaitForMainWindow(0))
            PostMessageA(hwndMain, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(m_pi.hProcess, 5000) != WAIT_OBJECT_0)
            TerminateProcess(m_pi.hProcess, 99);
        WaitForSingleObject(m_pi.hProcess, 5000);
    }
    CloseHandle(m_pi.hThread);
    CloseHandle(m_pi.hProcess);
}

std::vector<HWND> KorvaneRun::Windows() const
{
    ProcessWindows found{ m_pi.dwProcessId, {} };
    if (Started())
        EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&found));
    return found.windows;
}

HWND KorvaneRun::WaitForMainWindow(DWORD timeoutMs) const
{
    return PollFor(
        [this]() -> HWND {
            for (const HWND hwnd : Windows())
                if (GetMenu(hwnd))
                    return hwnd;
            return nullptr;
        },
        timeoutMs);
}

HWND KorvaneRun::WaitForDialog(const std::string& strCaption, DWORD timeoutMs) const
{
    return PollFor(
        [this, &strCaption]() -> HWND {
            for (const HWND hwnd : Windows())
                if (ClassOf(hwnd) == "#32770" && ModalWindow(hwnd).Caption() == strCaption)
                    return hwnd;
            return nullptr;
        },
        timeoutMs);
}

HWND KorvaneRun::WaitForOtherWindow(DWORD timeoutMs) const
{
    return PollFor(
        [this]() -> HWND {
            for (const HWND hwnd : Windows())
                if (!GetMenu(hwnd) && ClassOf(hwnd) != "#32770" && ClassOf(hwnd) != TOOLTIPS_CLASSA)
                    return hwnd;
            return nullptr;
        },
        timeoutMs);
}

void KorvaneRun::Command(UINT nID) const
{
    PostMessageA(WaitForMainWindow(), WM_COMMAND, nID, 0);
}

bool KorvaneRun::AcceptName(const std::string& strName, bool bOpen, bool bManualReset, bool bInitialState) const
{
    Command(ID_EVENT_CREATE);
    const HWND hwndDialog = WaitForDialog(CreateDialogCaption());
    if (!hwndDialog)
        return false;
    const ModalWindow dialog(hwndDialog);
    dialog.SetItemText(IDC_EVENT_NAME, strName.c_str());
    const auto check = [&](int nID, bool bChecked) {
        DWORD_PTR dwResult = 0;
        SendMessageTimeoutA(dialog.Item(nID), BM_SETCHECK, bChecked ? BST_CHECKED : BST_UNCHECKED, 0,
                            SMTO_ABORTIFHUNG, kSendTimeoutMs, &dwResult);
    };
    check(IDC_MODE_CREATE, !bOpen);
    check(IDC_MODE_OPEN, bOpen);
    check(IDC_MANUAL_RESET, bManualReset);
    check(IDC_INITIAL_SIGNALED, bInitialState);
    dialog.Press(IDOK);
    return WaitForWindowGone(hwndDialog, 5000);
}

int KorvaneRun::ItemCount() const
{
    const HWND hwndList = GetDlgItem(WaitForMainWindow(), AFX_IDW_PANE_FIRST);
    DWORD_PTR dwCount = 0;
    if (!hwndList || !SendMessageTimeoutA(hwndList, LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &dwCount))
        return -1;
    return static_cast<int>(dwCount);
}

DWORD KorvaneRun::WaitForExit(DWORD timeoutMs) const
{
    DWORD dwExitCode = STILL_ACTIVE;
    if (Started() && WaitForSingleObject(m_pi.hProcess, timeoutMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(m_pi.hProcess, &dwExitCode);
    return dwExitCode;
}

} // namespace ktest
