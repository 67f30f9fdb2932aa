#include "CommandBench.h"

#include "BareListView.h"
#include "BenchTable.h"
#include "FrameWnd.h"
#include "HarnessApp.h"
#include "HarnessView.h"
#include "Stopwatch.h"
#include "resource.h"

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kCycles = 1000;
constexpr int kCycleRounds = 5;
// Filling and emptying costs a probe per held item per command, n * n in
// all; 200 keeps a round to seconds.
constexpr int kFill = 200;
constexpr int kFillRounds = 3;

std::vector<std::string> Names(const char* pszTag, int nRound, int nCount)
{
    std::vector<std::string> names;
    for (int n = 0; n < nCount; ++n) {
        char sz[64];
        std::snprintf(sz, sizeof(sz), "%s.%lu.%d.%d", pszTag, GetCurrentProcessId(), nRound, n);
        names.emplace_back(sz);
    }
    return names;
}

// The close command on the top item, as the menu sends it once the user has
// marked that item.
void CloseTopItem(const CFrameWnd& frame, const CHarnessView& view)
{
    view.SendMessage(LVM_SETSELECTIONMARK, 0, 0);
    frame.SendMessage(WM_COMMAND, ID_EVENT_CLOSE);
}

// Each event created and closed at once: the list holds at most one item.
double TimeCommandCycles(const CFrameWnd& frame, CHarnessView& view,
                         const std::vector<std::string>& names)
{
    const CStopwatch watch;
    for (const std::string& name : names) {
        view.AddEventItem(0, name.c_str(), TRUE, FALSE);
        CloseTopItem(frame, view);
    }
    return watch.Seconds();
}

double TimeBareCycles(const std::vector<std::string>& names)
{
    const CStopwatch watch;
    for (const std::string& name : names)
        CloseHandle(CreateEventA(nullptr, TRUE, FALSE, name.c_str()));
    return watch.Seconds();
}

// What every list of held events must do per cycle: create, probe once,
// close, and insert and delete one item of a list-view control like the
// view (hWndList, shown beside it).
double TimeLeastCycles(HWND hWndList, const std::vector<std::string>& names)
{
    const CStopwatch watch;
    for (const std::string& name : names) {
        const HANDLE hEvent = CreateEventA(nullptr, TRUE, FALSE, name.c_str());
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.pszText = const_cast<LPSTR>(name.c_str());
        SendMessageA(hWndList, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        WaitForSingleObject(hEvent, 0);
        SendMessageA(hWndList, LVM_DELETEITEM, 0, 0);
        CloseHandle(hEvent);
    }
    return watch.Seconds();
}

// All created, then all closed from the top: every command refreshes the
// whole list.
double TimeCommandFillAndEmpty(const CFrameWnd& frame, CHarnessView& view,
                               const std::vector<std::string>& names)
{
    const CStopwatch watch;
    for (const std::string& name : names)
        view.AddEventItem(0, name.c_str(), TRUE, FALSE);
    while (view.SendMessage(LVM_GETITEMCOUNT) > 0)
        CloseTopItem(frame, view);
    return watch.Seconds();
}

// The same kernel work done bare: after each creation and each closing, one
// zero-time-out wait per event held.
double TimeBareFillAndEmpty(const std::vector<std::string>& names)
{
    const CStopwatch watch;
    std::vector<HANDLE> held;
    for (const std::string& name : names) {
        held.insert(held.begin(), CreateEventA(nullptr, TRUE, FALSE, name.c_str()));
        for (const HANDLE hEvent : held)
            WaitForSingleObject(hEvent, 0);
    }
    while (!held.empty()) {
        CloseHandle(held.front());
        held.erase(held.begin());
        for (const HANDLE hEvent : held)
            WaitForSingleObject(hEvent, 0);
    }
    return watch.Seconds();
}

} // namespace

void RunCommandBench(CBenchTable& table)
{
    CHarnessView* pView = theHarnessApp.OpenMainWindow();
    if (pView == nullptr) {
        std::fprintf(stderr, "commands: the main window did not come up\n");
        return;
    }
    const CFrameWnd& frame = *theHarnessApp.MainFrame();
    RECT rect{};
    GetWindowRect(frame.m_hWnd, &rect);
    const CBareListView bare(rect.right, rect.top);
    DispatchPending();

    std::vector<double> cycles, bareCycles, leastCycles;
    for (int nRound = 0; nRound < kCycleRounds; ++nRound) {
        bareCycles.push_back(TimeBareCycles(Names("KorvaneBench.bare", nRound, kCycles)));
        leastCycles.push_back(TimeLeastCycles(bare.List(), Names("KorvaneBench.least", nRound, kCycles)));
        cycles.push_back(TimeCommandCycles(frame, *pView, Names("KorvaneBench.cmds", nRound, kCycles)));
        DispatchPending();
    }
    std::vector<double> fill, bareFill;
    for (int nRound = 0; nRound < kFillRounds; ++nRound) {
        bareFill.push_back(TimeBareFillAndEmpty(Names("KorvaneBench.barefill", nRound, kFill)));
        fill.push_back(TimeCommandFillAndEmpty(frame, *pView, Names("KorvaneBench.fill", nRound, kFill)));
        DispatchPending();
    }
    theHarnessApp.CloseMainWindow();

    table.AddTimeRatio("create + close 1,000 (list holds <= 1) vs CreateEventA + CloseHandle",
                       Median(cycles), Median(bareCycles), 2.0, kCycles);
    table.AddTimeRatio("the same vs create, 1 probe, close + bare list-view insert/delete",
                       Median(cycles), Median(leastCycles), 0.0, kCycles);
    table.AddTimeRatio("create 200 then close 200 vs bare with the same probes (n*n)",
                       Median(fill), Median(bareFill), 0.0);
}
