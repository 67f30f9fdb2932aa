#include "KorvaneProcess.h"

#include "ModalHelper.h"
#include "resource.h"

#include <commctrl.h>

namespace {

constexpr DWORD kSendTimeoutMs = 5000;
constexpr DWORD kPollMs = 20;
constexpr char kMainCaption[] = "Korvane  -  Dravel";

LRESULT SendBounded(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    DWORD_PTR dwResult = 0;
    if (!SendMessageTimeoutA(hWnd, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &dwResult))
        return 0;
    return static_cast<LRESULT>(dwResult);
}

struct WindowSearch
{
    DWORD dwProcessId;
    const char* pszClass;   // null: any class but a dialog's
    const char* pszCaption; // null: any caption
    HWND hWnd;
};

BOOL CALLBACK FindWindowOf(HWND hWnd, LPARAM lParam)
{
    WindowSearch& search = *reinterpret_cast<WindowSearch*>(lParam);
    DWORD dwProcessId = 0;
    GetWindowThreadProcessId(hWnd, &dwProcessId);
    if (dwProcessId != search.dwProcessId || !IsWindowVisible(hWnd))
        return TRUE;
    char szClass[64] = "";
    GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (search.pszClass ? lstrcmpA(szClass, search.pszClass) != 0 : lstrcmpA(szClass, "#32770") == 0)
        return TRUE;
    char szCaption[256] = "";
    GetWindowTextA(hWnd, szCaption, sizeof(szCaption));
    if (search.pszCaption && lstrcmpA(szCaption, search.pszCaption) != 0)
        return TRUE;
    search.hWnd = hWnd;
    return FALSE;
}

HWND PollForWindow(DWORD dwProcessId, const char* pszClass, const char* pszCaption,
                   DWORD dwTimeoutMs)
{
    const DWORD dwStart = GetTickCount();
    for (;;) {
        WindowSearch search{ dwProcessId, pszClass, pszCaption, nullptr };
        EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&search));
        if (search.hWnd || GetTickCount() - dwStart >= dwTimeoutMs)
            return search.hWnd;
        ktest::PumpMessages(kPollMs);
    }
}

// A block of memory in another process, for messages that carry pointers.
class CRemoteBlock
{
public:
    CRemoteBlock(HANDLE hProcess, SIZE_T nSize)
        : m_hProcess(hProcess),
          m_p(VirtualAllocEx(hProcess, nullptr, nSize, MEM_COMMIT, PAGE_READWRITE))
    {
    }
    ~CRemoteBlock()
    {
        if (m_p)
            VirtualFreeEx(m_hProcess, m_p, 0, MEM_RELEASE);
    }
    CRemoteBlock(const CRemoteBlock&) = delete;
    CRemoteBlock& operator=(const CRemoteBlock&) = delete;

    char* Address() const { return static_cast<char*>(m_p); }
    bool Write(SIZE_T nOffset, const void* pData, SIZE_T nSize) const
    {
        return WriteProcessMemory(m_hProcess, Address() + nOffset, pData, nSize, nullptr) != 0;
    }
    bool Read(SIZE_T nOffset, void* pData, SIZE_T nSize) const
    {
        return ReadProcessMemory(m_hProcess, Address() + nOffset, pData, nSize, nullptr) != 0;
    }

private:
    HANDLE m_hProcess;
    void* m_p;
};

} // namespace

CKorvaneProcess::~CKorvaneProcess()
{
    if (m_pi.hProcess) {
        if (!WaitForExit(0))
            TerminateProcess(m_pi.hProcess, 1);
        WaitForSingleObject(m_pi.hProcess, kSendTimeoutMs);
        CloseHandle(m_pi.hThread);
        CloseHandle(m_pi.hProcess);
    }
}

std::string CKorvaneProcess::BuiltExecutable()
{
    // This test runs from <build>\tests\robustness.
    char szPath[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string strPath = szPath;
    strPath.resize(strPath.find_last_of('\\'));
    strPath.resize(strPath.find_last_of('\\'));
    strPath.resize(strPath.find_last_of('\\'));
    return strPath + "\\app\\Korvane.exe";
}

bool CKorvaneProcess::Start(const std::string& strExe, const std::string& strArguments)
{
    std::string strCommandLine = "\"" + strExe + "\"";
    if (!strArguments.empty())
        strCommandLine += " " + strArguments;
    const std::string strFolder = strExe.substr(0, strExe.find_last_of('\\') + 1);
    STARTUPINFOA si{};
    si.cb = sizeof(si);
    return CreateProcessA(nullptr, &strCommandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          strFolder.c_str(), &si, &m_pi) != 0;
}

HWND CKorvaneProcess::WaitForMainWindow(DWORD dwTimeoutMs)
{
    m_hWndMain = PollForWindow(m_pi.dwProcessId, nullptr, kMainCaption, dwTimeoutMs);
    return m_hWndMain;
}

HWND CKorvaneProcess::WaitForDialog(DWORD dwTimeoutMs)
{
    return PollForWindow(m_pi.dwProcessId, "#32770", nullptr, dwTimeoutMs);
}

bool CKorvaneProcess::WaitForExit(DWORD dwTimeoutMs, DWORD* pdwExitCode)
{
    const DWORD dwStart = GetTickCount();
    for (;;) {
        if (WaitForSingleObject(m_pi.hProcess, 0) == WAIT_OBJECT_0) {
            if (pdwExitCode)
                GetExitCodeProcess(m_pi.hProcess, pdwExitCode);
            return true;
        }
        if (GetTickCount() - dwStart >= dwTimeoutMs)
            return false;
        ktest::PumpMessages(kPollMs);
    }
}

DWORD CKorvaneProcess::Close()
{
    if (m_hWndMain)
        PostMessageA(m_hWndMain, WM_CLOSE, 0, 0);
    DWORD dwExitCode = STILL_ACTIVE;
    if (!WaitForExit(10000, &dwExitCode)) {
        TerminateProcess(m_pi.hProcess, 1);
        return STILL_ACTIVE;
    }
    return dwExitCode;
}

std::string CKorvaneProcess::Create(const std::string& strName, bool bOpen, bool bManualReset)
{
    const int nCountBefore = ItemCount();
    PostMessageA(m_hWndMain, WM_COMMAND, ID_EVENT_CREATE, 0);
    const HWND hDlg = WaitForDialog(10000);
    if (!hDlg)
        return "<no dialog>";
    const ktest::ModalWindow dlg(hDlg);
    dlg.SetItemText(IDC_EVENT_NAME, strName.c_str());
    if (bOpen)
        dlg.Press(IDC_MODE_OPEN);
    if (bManualReset)
        dlg.Press(IDC_MANUAL_RESET);
    dlg.Press(IDOK);
    if (!ktest::WaitForWindowGone(hDlg, 10000))
        return "<dialog stays>";

    const DWORD dwStart = GetTickCount();
    while (GetTickCount() - dwStart < 10000) {
        if (ItemCount() != nCountBefore)
            return std::string();
        if (const HWND hBox = WaitForDialog(0)) {
            const ktest::ModalWindow box(hBox);
            const std::string strText = box.Capture().text;
            box.Press(IDOK);
            ktest::WaitForWindowGone(hBox, 10000);
            return strText;
        }
        ktest::PumpMessages(kPollMs);
    }
    return "<no result>";
}

void CKorvaneProcess::Command(UINT nID, int nItem)
{
    SendBounded(ListView(), LVM_SETSELECTIONMARK, 0, nItem);
    SendBounded(m_hWndMain, WM_COMMAND, nID, 0);
}

HWND CKorvaneProcess::ListView() const
{
    return FindWindowExA(m_hWndMain, nullptr, WC_LISTVIEWA, nullptr);
}

int CKorvaneProcess::ItemCount() const
{
    return static_cast<int>(SendBounded(ListView(), LVM_GETITEMCOUNT));
}

std::vector<CKorvaneProcess::Item> CKorvaneProcess::Items() const
{
    std::vector<Item> items;
    constexpr SIZE_T kTextSize = 512;
    const CRemoteBlock block(m_pi.hProcess, sizeof(LVITEMA) + kTextSize);
    if (!block.Address())
        return items;
    const int nCount = ItemCount();
    for (int i = 0; i < nCount; ++i) {
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = i;
        item.pszText = block.Address() + sizeof(LVITEMA);
        item.cchTextMax = kTextSize;
        char szText[kTextSize] = "";
        if (!block.Write(0, &item, sizeof(item)) ||
            !SendBounded(ListView(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(block.Address())) ||
            !block.Read(0, &item, sizeof(item)) ||
            !block.Read(sizeof(LVITEMA), szText, kTextSize - 1))
            item.iImage = -1;
        items.push_back(Item{ szText, item.iImage });
    }
    return items;
}
