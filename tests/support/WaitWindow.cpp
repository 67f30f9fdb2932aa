// Waits until a top-level window with the given caption is visible and its
// program is idle, so that a screenshot shows it fully painted.
//
//   wait_window CAPTION TIMEOUT_MS     exit 0 when found, 1 on time-out
#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    const DWORD dwTimeout = static_cast<DWORD>(std::atol(argv[2]));
    const DWORD dwStart = GetTickCount();
    while (GetTickCount() - dwStart < dwTimeout) {
        HWND hWnd = FindWindowA(NULL, argv[1]);
        if (hWnd != NULL && IsWindowVisible(hWnd)) {
            DWORD dwProcessId = 0;
            GetWindowThreadProcessId(hWnd, &dwProcessId);
            if (HANDLE hProcess = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, dwProcessId)) {
                WaitForInputIdle(hProcess, 5000);
                CloseHandle(hProcess);
            }
            Sleep(500); // let the toolbar and the list finish painting
            return 0;
        }
        Sleep(50);
    }
    return 1;
}
