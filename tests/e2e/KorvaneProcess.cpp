#include "KorvaneProcess.h"

#include "ModalHelper.h"
#include "resource.h"

#include <commctrl.h>

namespace {

constexpr char kFrameCaption[] = "Korvane  -  Dravel";
constexpr UINT kPaneFirst = 0xE900; // AFX_IDW_PANE_FIRST
constexpr DWORD kSendTimeoutMs = 2000;

std::string ModuleFolder()
{
    char szPath[MAX_PATH] = "";
    const DWORD nLength = GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    const std::string strPath(szPath, nLength);
    return strPath.substr(0, strPath.find_last_of('\\'));
}

LRESULT SendBounded(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    DWORD_PTR dwResult = 0;
    if (!SendMessageTimeoutA(hWnd, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &dwResult))
        return 0;
    return static_cast<LRESULT>(dwResult);
}

struct WindowQuery
{
    DWORD dwProcessId;
    const char* pszClass;
    const std::string* pCaption;
    HWND hWndFound;
};

BOOL CALLBACK MatchWindow(HWND hWnd, LPARAM lParam)
{
    WindowQuery& query = *reinterpret_cast<WindowQuery*>(lParam);
    DWORD dwProcessId = 0;
    GetWindowThreadProcessId(hWnd, &dwProcessId);
    if (dwProcessId != query.dwProcessId || !IsWindowVisible(hWnd))
        return TRUE;
    char szClass[64] = "";
    GetClassNameA(hWnd, szClass, sizeof szClass);
    if (query.pszClass && lstrcmpA(szClass, query.pszClass) != 0)
        return TRUE;
    char szCaption[256] = "";
    SendMessageTimeoutA(hWnd, WM_GETTEXT, sizeof szCaption, reinterpret_cast<LPARAM>(szCaption), SMTO_ABORTIFHUNG,
                        kSendTimeoutMs, nullptr);
    if (*query.pCaption != szCaption)
        return TRUE;
    query.hWndFound = hWnd;
    return FALSE;
}

HWND WaitForProcessWindow(DWORD dwProcessId, const char* pszClass, const std::string& strCaption, DWORD timeoutMs)
{
    const DWORD dwStart = GetTickCount();
    for (;;) {
        WindowQuery query{dwProcessId, pszClass, &strCaption, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
        if (query.hWndFound || GetTickCount() - dwStart >= timeoutMs)
            return query.hWndFound;
        ktest::PumpMessages(20);
    }
}

} // namespace

KorvaneProcess::KorvaneProcess()
{
    static int nSerial = 0;
    char szTemp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, szTemp);
    m_strFolder = std::string(szTemp) + "KorvaneE2E." + std::to_string(GetCurrentProcessId()) + "." +
                  std::to_string(++nSerial);
    CreateDirectoryA(m_strFolder.c_str(), nullptr);
    m_strExe = m_strFolder + "\\Korvane.exe";
    CopyFileA((ModuleFolder() + "\\Korvane.exe").c_str(), m_strExe.c_str(), FALSE);
}

KorvaneProcess::~KorvaneProcess()
{
    if (m_pi.hProcess) {
        if (WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(m_pi.hProcess, 99);
            WaitForSingleObject(m_pi.hProcess, 5000);
        }
        CloseHandle(m_pi.hThread);
        CloseHandle(m_pi.hProcess);
    }
    DeleteFileA(SettingsPath().c_str());
    DeleteFileA(m_strExe.c_str());
    RemoveDirectoryA(m_strFolder.c_str());
}

bool KorvaneProcess::Start(DWORD timeoutMs)
{
    std::string strCommand = "\"" + m_strExe + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    if (!CreateProcessA(nullptr, &strCommand[0], nullptr, nullptr, FALSE, 0, nullptr, m_strFolder.c_str(), &si,
                        &m_pi))
        return false;
    m_hWndFrame = WaitForProcessWindow(m_pi.dwProcessId, nullptr, kFrameCaption, timeoutMs);
    return m_hWndFrame != nullptr && Settle(timeoutMs);
}

HWND KorvaneProcess::View() const
{
    return GetDlgItem(m_hWndFrame, kPaneFirst);
}

void KorvaneProcess::PostCommand(UINT nID) const
{
    PostMessageA(m_hWndFrame, WM_COMMAND, MAKEWPARAM(nID, 0), 0);
}

bool KorvaneProcess::Settle(DWORD timeoutMs)
{
    const HWND hWndView = View();
    const LPARAM nFence = 100000 + ++m_nFence;
    PostMessageA(hWndView, LVM_SETHOVERTIME, 0, nFence);
    const DWORD dwStart = GetTickCount();
    while (SendBounded(hWndView, LVM_GETHOVERTIME) != nFence) {
        if (GetTickCount() - dwStart >= timeoutMs)
            return false;
        ktest::PumpMessages(10);
    }
    return true;
}

HWND KorvaneProcess::WaitForDialog(const std::string& strCaption, DWORD timeoutMs) const
{
    return WaitForProcessWindow(m_pi.dwProcessId, "#32770", strCaption, timeoutMs);
}

int KorvaneProcess::WaitForExit(DWORD timeoutMs)
{
    if (WaitForSingleObject(m_pi.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return -1;
    DWORD dwExitCode = 0;
    GetExitCodeProcess(m_pi.hProcess, &dwExitCode);
    return static_cast<int>(dwExitCode);
}

void FillCreateDialog(HWND hWndDialog, const std::string& strName, bool bOpen, bool bManual, bool bInitial)
{
    SendBounded(GetDlgItem(hWndDialog, IDC_EVENT_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(strName.c_str()));
    if (bManual)
        SendBounded(GetDlgItem(hWndDialog, IDC_MANUAL_RESET), BM_CLICK);
    if (bInitial)
        SendBounded(GetDlgItem(hWndDialog, IDC_INITIAL_SIGNALED), BM_CLICK);
    if (bOpen)
        SendBounded(GetDlgItem(hWndDialog, IDC_MODE_OPEN), BM_CLICK);
    // Posted: OK may bring up a message box, which would hold a send.
    PostMessageA(GetDlgItem(hWndDialog, IDOK), BM_CLICK, 0, 0);
}
