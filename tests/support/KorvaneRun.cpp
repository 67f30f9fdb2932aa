#include "KorvaneRun.h"

#include "FrameworkIds.h"
#include "KorvaneFolder.h"
#include "KorvaneTexts.h"
#include "WindowQuery.h"
#include "resource.h"

#include <commctrl.h>

#include <functional>

namespace ktest {
namespace {

constexpr DWORD kPollMs = 20;
constexpr DWORD kWindowTimeoutMs = 10000;
constexpr DWORD kEndTimeoutMs = 5000;
constexpr char kDialogClass[] = "#32770";

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

// Clicks the check box or radio button nID of the dialog, as a user would,
// unless it is already in that state.
void ClickTo(HWND hwndDialog, int nID, bool bChecked)
{
    const HWND hwndButton = GetDlgItem(hwndDialog, nID);
    if ((SendBounded(hwndButton, BM_GETCHECK) == BST_CHECKED) != bChecked)
        SendBounded(hwndButton, BM_CLICK);
}

} // namespace

KorvaneRun::KorvaneRun(const std::string& strExePath, const std::string& strArgs, WORD wShowWindow)
{
    const std::string strFolder = strExePath.substr(0, strExePath.find_last_of('\\') + 1);
    std::string strCommandLine = "\"" + strExePath + "\"" + (strArgs.empty() ? "" : " " + strArgs);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = wShowWindow;
    if (!CreateProcessA(strExePath.c_str(), &strCommandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        strFolder.c_str(), &si, &m_pi))
        m_pi = PROCESS_INFORMATION{};
}

KorvaneRun::KorvaneRun(const KorvaneFolder& folder, const std::string& strArgs, WORD wShowWindow)
    : KorvaneRun(folder.ExePath(), strArgs, wShowWindow)
{
}

KorvaneRun::~KorvaneRun()
{
    if (!Started())
        return;
    if (WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT) {
        // Boxes first, then the main window, as a user would.
        for (const HWND hwnd : Windows())
            if (ClassName(hwnd) == kDialogClass)
                PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
        if (Close(kEndTimeoutMs) == STILL_ACTIVE)
            WaitForSingleObject(m_pi.hProcess, kEndTimeoutMs);
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
                if (ClassName(hwnd) == kDialogClass && ModalWindow(hwnd).Caption() == strCaption)
                    return hwnd;
            return nullptr;
        },
        timeoutMs);
}

HWND KorvaneRun::WaitForAnyDialog(DWORD timeoutMs) const
{
    return PollFor(
        [this]() -> HWND {
            for (const HWND hwnd : Windows())
                if (ClassName(hwnd) == kDialogClass)
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
                if (!GetMenu(hwnd) && ClassName(hwnd) != kDialogClass && ClassName(hwnd) != TOOLTIPS_CLASSA)
                    return hwnd;
            return nullptr;
        },
        timeoutMs);
}

HWND KorvaneRun::View() const
{
    const HWND hwndMain = WaitForMainWindow();
    return hwndMain ? GetDlgItem(hwndMain, AFX_IDW_PANE_FIRST) : nullptr;
}

void KorvaneRun::Command(UINT nID) const
{
    PostMessageA(WaitForMainWindow(), WM_COMMAND, nID, 0);
}

bool KorvaneRun::Settle(DWORD timeoutMs)
{
    const HWND hwndView = View();
    if (!hwndView)
        return false;
    const LPARAM nFence = 100000 + ++m_nFence;
    PostMessageA(hwndView, LVM_SETHOVERTIME, 0, nFence);
    const DWORD dwStart = GetTickCount();
    while (SendBounded(hwndView, LVM_GETHOVERTIME) != nFence) {
        if (GetTickCount() - dwStart >= timeoutMs)
            return false;
        PumpMessages(kPollMs);
    }
    return true;
}

bool KorvaneRun::CommandOnItem(UINT nID, int nItem)
{
    const RemoteListView list(View(), ProcessId());
    list.Select(nItem);
    if (list.SelectionMark() != nItem)
        return false;
    Command(nID);
    return Settle();
}

std::string KorvaneRun::Create(const std::string& strName, bool bOpen, bool bManualReset, bool bInitialState,
                               ModalSnapshot* pBox)
{
    const int nCountBefore = ItemCount();
    Command(ID_EVENT_CREATE);
    const HWND hwndDialog = WaitForDialog(CreateDialogCaption());
    if (!hwndDialog)
        return "<no dialog>";
    // The boxes before the mode: "Open" disables them.
    ModalWindow(hwndDialog).SetItemText(IDC_EVENT_NAME, strName.c_str());
    ClickTo(hwndDialog, IDC_MANUAL_RESET, bManualReset);
    ClickTo(hwndDialog, IDC_INITIAL_SIGNALED, bInitialState);
    ClickTo(hwndDialog, bOpen ? IDC_MODE_OPEN : IDC_MODE_CREATE, true);
    // Posted: OK may bring up a message box, which would hold a send.
    ModalWindow(hwndDialog).Press(IDOK);
    if (!WaitForWindowGone(hwndDialog, kWindowTimeoutMs))
        return "<dialog stays>";

    // Then either the item comes or a message box does.
    const DWORD dwStart = GetTickCount();
    for (;;) {
        if (ItemCount() != nCountBefore)
            return Settle() ? "" : "<no result>";
        if (const HWND hwndBox = WaitForAnyDialog(0)) {
            const ModalWindow box(hwndBox);
            const ModalSnapshot seen = box.Capture();
            if (pBox)
                *pBox = seen;
            box.Press(IDOK);
            if (!WaitForWindowGone(hwndBox, kWindowTimeoutMs) || !Settle())
                return "<box stays>";
            return seen.text;
        }
        if (GetTickCount() - dwStart >= kWindowTimeoutMs)
            return "<no result>";
        PumpMessages(kPollMs);
    }
}

int KorvaneRun::ItemCount() const
{
    return static_cast<int>(SendBounded(View(), LVM_GETITEMCOUNT, 0, 0, -1));
}

std::vector<ListItem> KorvaneRun::Items() const
{
    return RemoteListView(View(), ProcessId()).Items();
}

DWORD KorvaneRun::WaitForExit(DWORD timeoutMs) const
{
    if (!Started())
        return STILL_ACTIVE;
    const DWORD dwStart = GetTickCount();
    for (;;) {
        DWORD dwExitCode = STILL_ACTIVE;
        if (WaitForSingleObject(m_pi.hProcess, 0) == WAIT_OBJECT_0 && GetExitCodeProcess(m_pi.hProcess, &dwExitCode))
            return dwExitCode;
        if (GetTickCount() - dwStart >= timeoutMs)
            return STILL_ACTIVE;
        PumpMessages(kPollMs);
    }
}

DWORD KorvaneRun::Close(DWORD timeoutMs)
{
    if (const HWND hwndMain = WaitForMainWindow(0))
        PostMessageA(hwndMain, WM_CLOSE, 0, 0);
    const DWORD dwExitCode = WaitForExit(timeoutMs);
    if (dwExitCode == STILL_ACTIVE && Started())
        TerminateProcess(m_pi.hProcess, 99);
    return dwExitCode;
}

} // namespace ktest
