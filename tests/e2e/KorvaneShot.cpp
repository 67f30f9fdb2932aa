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
#include "KorvaneProcess.h"
#include "ModalHelper.h"
#include "RemoteListView.h"
#include "resource.h"

#include "AnsiText.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr UINT ID_APP_EXIT_COMMAND = 57665;

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

bool Create(KorvaneProcess& korvane, const char* pszName, bool bOpen, bool bManual, bool bInitial)
{
    korvane.PostCommand(ID_EVENT_CREATE);
    const HWND hWndDialog = korvane.WaitForDialog(Ansi(L"ｲﾍﾞﾝﾄの作成"));
    if (!hWndDialog)
        return false;
    FillCreateDialog(hWndDialog, pszName, bOpen, bManual, bInitial);
    return ktest::WaitForWindowGone(hWndDialog, 5000) && korvane.Settle();
}

int Run(const std::string& strFolder)
{
    // Two events that another program made: one waiting, one signaled.
    const HANDLE hStop = CreateEventA(nullptr, TRUE, FALSE, "Service.Stop");
    const HANDLE hReady = CreateEventA(nullptr, TRUE, TRUE, "Service.Ready");

    KorvaneProcess korvane;
    if (!korvane.Start())
        return 1;
    // Moved to the middle of the 420 x 320 desktop, as a user would drag it,
    // so that the dialogs centred over it stay whole in the picture.
    SetWindowPos(korvane.Frame(), nullptr, 85, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RemoteListView list(korvane.View(), korvane.ProcessId());
    if (!Create(korvane, "Printer.Idle", false, true, false) || !Create(korvane, "Upload.Done", false, true, true) ||
        !Create(korvane, "Service.Stop", true, false, false) || !Create(korvane, "Service.Ready", true, false, false))
        return 2;
    if (!ShowState(strFolder, "main"))
        return 3;

    korvane.PostCommand(ID_EVENT_CREATE);
    const HWND hWndCreate = korvane.WaitForDialog(Ansi(L"ｲﾍﾞﾝﾄの作成"));
    if (!hWndCreate)
        return 4;
    SendMessageA(GetDlgItem(hWndCreate, IDC_EVENT_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Sensor.Update"));
    SendMessageA(GetDlgItem(hWndCreate, IDC_MANUAL_RESET), BM_CLICK, 0, 0);
    if (!ShowState(strFolder, "create"))
        return 5;
    ktest::ModalWindow(hWndCreate).Press(IDCANCEL);
    ktest::WaitForWindowGone(hWndCreate, 5000);

    list.Select(2); // Upload.Done
    korvane.PostCommand(ID_EVENT_INFO);
    const HWND hWndInfo = korvane.WaitForDialog(Ansi(L"ｲﾍﾞﾝﾄ情報"));
    if (!hWndInfo)
        return 6;
    if (!ShowState(strFolder, "info"))
        return 7;
    ktest::ModalWindow(hWndInfo).Press(IDOK);
    ktest::WaitForWindowGone(hWndInfo, 5000);

    korvane.PostCommand(ID_APP_EXIT_COMMAND);
    const int nExit = korvane.WaitForExit(10000);
    CloseHandle(hStop);
    CloseHandle(hReady);
    return nExit == 0 ? 0 : 8;
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
