#include "MemoryBench.h"

#include "BareListView.h"
#include "BenchTable.h"
#include "ChildProcess.h"
#include "FrameWnd.h"
#include "HarnessApp.h"
#include "HarnessView.h"
#include "ViewItems.h"
#include "resource.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int kEvents = 10000;
const char kTag[] = "KorvaneBench.memory";

// What a measuring process reports: its private bytes and its heap bytes in
// use, before and after its 10,000 items.
struct MemorySample
{
    long long nPrivateBefore = 0;
    long long nPrivateAfter = 0;
    long long nHeapBefore = 0;
    long long nHeapAfter = 0;
};

class CMemoryProbe
{
public:
    CMemoryProbe()
        : m_nPrivate(PrivateBytes(GetCurrentProcess())), m_nHeap(HeapBytesInUse())
    {
    }

    // Prints the figures of the start and of now on one line.
    void Print() const
    {
        std::printf("%lld %lld %lld %lld\n", m_nPrivate, PrivateBytes(GetCurrentProcess()), m_nHeap,
                    HeapBytesInUse());
        std::fflush(stdout);
    }

private:
    long long m_nPrivate;
    long long m_nHeap;
};

// The running view: start, then 10,000 events and the refresh that shows them.
int MeasureKorvane()
{
    CHarnessView* pView = theHarnessApp.OpenMainWindow();
    if (pView == nullptr)
        return 1;
    DispatchPending();
    const CMemoryProbe probe;
    std::vector<HANDLE> handles;
    FillView(*pView, kEvents, kTag, handles);
    theHarnessApp.MainFrame()->SendMessage(WM_COMMAND, ID_VIEW_UPDATE);
    DispatchPending();
    probe.Print();
    theHarnessApp.CloseMainWindow();
    return 0;
}

// A list view like Korvane's in a plain window, holding items of the same
// texts and images and no data.
int MeasureBareListView()
{
    const CBareListView list(0, 0);
    DispatchPending();
    const CMemoryProbe probe;
    list.Fill(kEvents, kTag);
    DispatchPending();
    probe.Print();
    return 0;
}

bool Measure(const char* pszWhich, MemorySample& rSample)
{
    const std::string strOutput =
        RunAndCapture("\"" + ModuleFolder() + "korvane_bench.exe\" memory-child " + pszWhich, 120000);
    return std::sscanf(strOutput.c_str(), "%lld %lld %lld %lld", &rSample.nPrivateBefore,
                       &rSample.nPrivateAfter, &rSample.nHeapBefore, &rSample.nHeapAfter) == 4;
}

} // namespace

int RunMemoryChild(const char* pszWhich)
{
    if (std::strcmp(pszWhich, "korvane") == 0)
        return MeasureKorvane();
    if (std::strcmp(pszWhich, "bare") == 0)
        return MeasureBareListView();
    return 2;
}

void RunMemoryBench(CBenchTable& table)
{
    MemorySample korvane, bare;
    if (!Measure("korvane", korvane) || !Measure("bare", bare)) {
        std::fprintf(stderr, "memory: a measuring process failed\n");
        return;
    }
    table.Add({ "private bytes, running view after start", FormatBytes(korvane.nPrivateBefore),
                FormatBytes(bare.nPrivateBefore) + " (bare list view)", "", "", "" });
    table.Add({ "private bytes, growth for 10,000 events",
                FormatBytes(korvane.nPrivateAfter - korvane.nPrivateBefore),
                FormatBytes(bare.nPrivateAfter - bare.nPrivateBefore) + " (bare list view, same texts)",
                "", "", "" });
    const long long nKorvaneHeap = korvane.nHeapAfter - korvane.nHeapBefore;
    const long long nBareHeap = bare.nHeapAfter - bare.nHeapBefore;
    table.Add({ "heap bytes in use, growth for 10,000 events", FormatBytes(nKorvaneHeap),
                FormatBytes(nBareHeap) + " (bare list view, same texts)", "", "", "" });
    const long long nPerEvent = (nKorvaneHeap - nBareHeap) / kEvents;
    table.Add({ "heap bytes per event beyond the list view's own", FormatBytes(nPerEvent), "", "",
                "< 1,024 B", nPerEvent < 1024 ? "yes" : "no" });
}
