#include "StartupBench.h"

#include "BenchTable.h"
#include "ChildProcess.h"
#include "Stopwatch.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 10;
constexpr DWORD kTimeoutMs = 20000;

struct StartSample
{
    double dSeconds = 0.0;
    long long nPrivateBytes = 0;
};

struct WindowSearch
{
    DWORD dwProcessId;
    HWND hWnd;
};

BOOL CALLBACK FindVisibleWindow(HWND hWnd, LPARAM lParam)
{
    WindowSearch& search = *reinterpret_cast<WindowSearch*>(lParam);
    DWORD dwProcessId = 0;
    GetWindowThreadProcessId(hWnd, &dwProcessId);
    if (dwProcessId != search.dwProcessId || !IsWindowVisible(hWnd))
        return TRUE;
    search.hWnd = hWnd;
    return FALSE;
}

// Starts the program, times it to idle with its window visible, measures it
// and closes it again. False when it did not come up in time.
bool StartOnce(const std::string& strExe, StartSample& rSample)
{
    const std::string strFolder = strExe.substr(0, strExe.find_last_of('\\') + 1);
    std::string strCommandLine = "\"" + strExe + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};

    const CStopwatch watch;
    if (!CreateProcessA(nullptr, &strCommandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        strFolder.c_str(), &si, &pi))
        return false;
    WaitForInputIdle(pi.hProcess, kTimeoutMs);
    WindowSearch search{ pi.dwProcessId, nullptr };
    while (search.hWnd == nullptr && watch.Seconds() * 1000 < kTimeoutMs) {
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (search.hWnd == nullptr)
            Sleep(1);
    }
    rSample.dSeconds = watch.Seconds();
    rSample.nPrivateBytes = PrivateBytes(pi.hProcess);

    if (search.hWnd != nullptr)
        PostMessageA(search.hWnd, WM_CLOSE, 0, 0);
    const bool bEnded = WaitForSingleObject(pi.hProcess, kTimeoutMs) == WAIT_OBJECT_0;
    if (!bEnded)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return search.hWnd != nullptr && bEnded;
}

} // namespace

void RunStartupBench(CBenchTable& table)
{
    const std::string strKorvane = ModuleFolder() + "..\\app\\Korvane.exe";
    const std::string strMinimal = ModuleFolder() + "bench_minimal.exe";

    // One start of each first: the first start of a program is slower.
    StartSample sample;
    if (!StartOnce(strKorvane, sample) || !StartOnce(strMinimal, sample)) {
        std::fprintf(stderr, "start-up: a program did not come up\n");
        return;
    }
    std::vector<double> korvaneTimes, minimalTimes;
    std::vector<double> korvaneBytes, minimalBytes;
    for (int n = 0; n < kRounds; ++n) {
        if (StartOnce(strKorvane, sample)) {
            korvaneTimes.push_back(sample.dSeconds);
            korvaneBytes.push_back(static_cast<double>(sample.nPrivateBytes));
        }
        if (StartOnce(strMinimal, sample)) {
            minimalTimes.push_back(sample.dSeconds);
            minimalBytes.push_back(static_cast<double>(sample.nPrivateBytes));
        }
    }
    table.AddTimeRatio("start-up to main window shown and idle", Median(korvaneTimes),
                       Median(minimalTimes), 1.5);
    const long long nKorvane = static_cast<long long>(Median(korvaneBytes));
    const long long nMinimal = static_cast<long long>(Median(minimalBytes));
    char szRatio[32];
    std::snprintf(szRatio, sizeof(szRatio), "%.2f",
                  nMinimal > 0 ? static_cast<double>(nKorvane) / static_cast<double>(nMinimal) : 0.0);
    table.Add({ "private bytes after start (Korvane.exe vs minimal program)", FormatBytes(nKorvane),
                FormatBytes(nMinimal), szRatio, "", "" });
}
