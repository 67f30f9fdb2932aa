// Drives Korvane into the states pictured in docs/ and, in each, waits for
// the screenshot to be taken (take-screenshots.sh does that):
//
//   korvane_shot FOLDER
//
// For each state it writes FOLDER\<state>.ready and waits (at most 60 s)
// for FOLDER\<state>.done. The states:
//   main    the main window holding events in all four icon states
//   create  the create dialog with a name typed and "手動リセット" ticked
//   info    the information dialog on a created, signaled event
// Korvane is started from a fresh folder, driven through its windows only,
// and ended at the close.
#include "FrameworkIds.h"
#include "KorvaneFolder.h"
#include "KorvaneRun.h"
#include "KorvaneTexts.h"
#include "ModalHelper.h"
#include "RemoteListView.h"
#include "resource.h"

#include <windows.h>

#include <cstdio>
#include <string>

using ktest::Ansi;

namespace {

bool ShowState(const std::string& strFolder, const char* pszState)
{
    const std::string strBase = strFolder + "\\" + pszState;
    const HANDLE hReady = CreateFileA((strBase + ".ready").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                                      nullptr);
    CloseHandle(hReady);
    for (int i = 0; i < 600; ++i) {
        if (GetFileAttributesA((strBase + ".done").c_str()) != INVALID_FILE_ATTRIBUTES)
            return true;
        ktest::PumpMessages(100);
    }
    std::fprintf(stderr, "korvane_shot: no screenshot of %s\n", pszState);
    return false;
}

int Run(const std::string& strFolder)
{
    // Two events that another program made: one waiting, one signaled.
    const HANDLE hStop = CreateEventA(nullptr, TRUE, FALSE, "Service.Stop");
    const HANDLE hReady = CreateEventA(nullptr, TRUE, TRUE, "Service.Ready");

    const ktest::KorvaneFolder folder;
    ktest::KorvaneRun korvane(folder);
    const HWND hWndFrame = korvane.WaitForMainWindow(20000);
    if (!folder.Ready() || !hWndFrame || !korvane.Settle(20000))
        return 1;
    // Moved to the middle of the 420 x 320 desktop, as a user would drag it,
    // so that the dialogs centred over it stay whole in the picture.
    SetWindowPos(hWndFrame, nullptr, 85, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const bool bFilled = korvane.Create("Printer.Idle", false, true, false).empty()
                         && korvane.Create("Upload.Done", false, true, true).empty()
                         && korvane.Create("Service.Stop", true).empty()
                         && korvane.Create("Service.Ready", true).empty();
    if (!bFilled)
        return 2;
    if (!ShowState(strFolder, "main"))
        return 3;

    korvane.Command(ID_EVENT_CREATE);
    const HWND hWndCreate = korvane.WaitForDialog(ktest::CreateDialogCaption());
    if (!hWndCreate)
        return 4;
    const ktest::ModalWindow create(hWndCreate);
    create.SetItemText(IDC_EVENT_NAME, "Sensor.Update");
    create.Press(IDC_MANUAL_RESET);
    if (!korvane.Settle() || !ShowState(strFolder, "create"))
        return 5;
    create.Press(IDCANCEL);
    ktest::WaitForWindowGone(hWndCreate, 5000);

    ktest::RemoteListView(korvane.View(), korvane.ProcessId()).Select(2); // Upload.Done
    korvane.Command(ID_EVENT_INFO);
    const HWND hWndInfo = korvane.WaitForDialog(Ansi(L"ｲﾍﾞﾝﾄ情報"));
    if (!hWndInfo)
        return 6;
    if (!ShowState(strFolder, "info"))
        return 7;
    ktest::ModalWindow(hWndInfo).Press(IDOK);
    ktest::WaitForWindowGone(hWndInfo, 5000);

    korvane.Command(ID_APP_EXIT);
    const DWORD dwExit = korvane.WaitForExit();
    CloseHandle(hStop);
    CloseHandle(hReady);
    return dwExit == 0 ? 0 : 8;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: korvane_shot FOLDER\n");
        return 64;
    }
    return Run(argv[1]);
}
