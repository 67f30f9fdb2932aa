#include "WindowFixture.h"

#include "FrameworkIds.h"

namespace ktest {

std::string ExeFolder()
{
    char szModule[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, szModule, MAX_PATH);
    const std::string strModule(szModule);
    return strModule.substr(0, strModule.rfind('\\') + 1);
}

} // namespace ktest

namespace {

// The framework's entry point records the start-up values; InitInstance
// runs once, as in the program.
BOOL StartOnce()
{
    static const BOOL bResult = [] {
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        return theApp.InitInstance();
    }();
    return bResult;
}

} // namespace

BOOL MainWindowFixture::StartResult()
{
    return StartOnce();
}

void MainWindowFixture::SetUp()
{
    StartOnce();
    DrainQueue();
    OpenMainWindow();
}

void MainWindowFixture::TearDown()
{
    CloseMainWindow();
}

void MainWindowFixture::OpenMainWindow()
{
    if (!theApp.m_pMainWnd)
        theApp.OnFileNew();
    m_pFrame = static_cast<CFrameWnd*>(theApp.m_pMainWnd);
    ASSERT_NE(nullptr, m_pFrame);
    ASSERT_NE(nullptr, List());
}

void MainWindowFixture::CloseMainWindow()
{
    if (theApp.m_pMainWnd)
        theApp.m_pMainWnd->SendMessage(WM_CLOSE);
    DrainQueue();
    m_pFrame = nullptr;
}

void MainWindowFixture::Command(UINT nID) const
{
    SendMessageA(Frame(), WM_COMMAND, nID, 0);
}

bool MainWindowFixture::DrainQueue(WPARAM* pnExitCode)
{
    bool bQuit = false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            bQuit = true;
            if (pnExitCode)
                *pnExitCode = msg.wParam;
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return bQuit;
}

HWND MainWindowFixture::List() const
{
    return GetDlgItem(Frame(), AFX_IDW_PANE_FIRST);
}
