#include "HarnessApp.h"

#include "DocTemplate.h"
#include "FrameWnd.h"
#include "HarnessView.h"
#include "KorvaneDoc.h"
#include "MainFrame.h"
#include "ModulePath.h"
#include "resource.h"

CHarnessApp theHarnessApp;

CHarnessView* CHarnessApp::OpenMainWindow()
{
    AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
    SetProfileName(ReplacePathEnding(GetModulePath(m_hInstance), "ini"));
    if (GetDocManager() == nullptr)
        AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CKorvaneDoc),
                                              RUNTIME_CLASS(CMainFrame),
                                              RUNTIME_CLASS(CHarnessView)));
    OnFileNew();
    if (m_pMainWnd == nullptr)
        return nullptr;
    m_pMainWnd->ShowWindow(SW_SHOW);
    m_pMainWnd->UpdateWindow();
    return View();
}

void CHarnessApp::CloseMainWindow()
{
    if (m_pMainWnd != nullptr)
        m_pMainWnd->SendMessage(WM_CLOSE);
    DispatchPending();
}

CFrameWnd* CHarnessApp::MainFrame() const
{
    return static_cast<CFrameWnd*>(m_pMainWnd);
}

CHarnessView* CHarnessApp::View() const
{
    return m_pMainWnd ? static_cast<CHarnessView*>(MainFrame()->GetActiveView()) : nullptr;
}

void DispatchPending()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        // The quit message that the closing main window posts ends nothing
        // here: there is no message loop to end.
        if (msg.message == WM_QUIT)
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
