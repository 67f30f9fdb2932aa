#include "UiTestApp.h"

#include "DocTemplate.h"
#include "KorvaneDoc.h"
#include "KorvaneView.h"
#include "MainFrame.h"
#include "resource.h"

CWinApp theUiTestApp;

namespace {

void CALLBACK QuitTimerProc(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    KillTimer(nullptr, nIDEvent);
    PostQuitMessage(0);
}

} // namespace

void InitUiTestApp()
{
    static const bool bDone = [] {
        char szCommandLine[] = "";
        AfxWinInit(GetModuleHandleA(nullptr), nullptr, szCommandLine, SW_SHOWNORMAL);
        theUiTestApp.AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CKorvaneDoc),
                                                           RUNTIME_CLASS(CMainFrame),
                                                           RUNTIME_CLASS(CKorvaneView)));
        return true;
    }();
    (void)bDone;
}

void RunUntilIdle()
{
    // The loop goes idle at once; the timer ends it a little later.
    SetTimer(nullptr, 0, 100, QuitTimerProc);
    theUiTestApp.Run();
}
