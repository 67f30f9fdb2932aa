#include "RefreshBench.h"

#include "BareListView.h"
#include "BenchTable.h"
#include "FrameWnd.h"
#include "HarnessApp.h"
#include "HarnessView.h"
#include "Stopwatch.h"
#include "ViewItems.h"
#include "resource.h"

#include <commctrl.h>

#include <cstdio>

namespace {

struct RefreshSamples
{
    std::vector<double> refresh;
    std::vector<double> bare;
    std::vector<double> least;
};

// The command as the toolbar button and the menu item send it, and the
// repainting that it leaves to do.
double TimeRefresh(const CFrameWnd& frame)
{
    const CStopwatch watch;
    frame.SendMessage(WM_COMMAND, ID_VIEW_UPDATE);
    frame.GetActiveView()->UpdateWindow();
    return watch.Seconds();
}

double TimeBareLoop(const std::vector<HANDLE>& handles)
{
    const CStopwatch watch;
    for (const HANDLE hEvent : handles)
        WaitForSingleObject(hEvent, 0);
    return watch.Seconds();
}

// What any list showing every event's state must do when every state has
// changed: probe each event once and write its new image into its item of
// a list-view control, the drawing held meanwhile and the list drawn once.
double TimeLeastFlip(HWND hWndList, const std::vector<HANDLE>& handles, int nImage)
{
    const CStopwatch watch;
    SendMessageA(hWndList, WM_SETREDRAW, FALSE, 0);
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iImage = nImage;
    for (size_t i = 0; i < handles.size(); ++i) {
        WaitForSingleObject(handles[i], 0);
        item.iItem = static_cast<int>(i);
        SendMessageA(hWndList, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(hWndList, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hWndList, nullptr, TRUE);
    UpdateWindow(hWndList);
    return watch.Seconds();
}

void SetAll(const std::vector<HANDLE>& handles, bool bSignaled)
{
    for (const HANDLE hEvent : handles) {
        if (bSignaled)
            SetEvent(hEvent);
        else
            ResetEvent(hEvent);
    }
}

// Every item shows nImage; a benchmark that measured a refresh doing
// nothing would be worthless.
bool AllItemsShow(const CHarnessView& view, int nCount, int nImage)
{
    for (int i = 0; i < nCount; ++i) {
        if (ItemImage(view, i) != nImage)
            return false;
    }
    return true;
}

} // namespace

void RunRefreshBench(CBenchTable& table)
{
    CHarnessView* pView = theHarnessApp.OpenMainWindow();
    if (pView == nullptr) {
        std::fprintf(stderr, "refresh: the main window did not come up\n");
        return;
    }
    const CFrameWnd& frame = *theHarnessApp.MainFrame();
    RECT rect{};
    GetWindowRect(frame.m_hWnd, &rect);
    const CBareListView bare(rect.right, rect.top);

    std::vector<HANDLE> handles;
    for (const int nCount : { 10, 1000, 10000 }) {
        const int nMore = nCount - static_cast<int>(handles.size());
        FillView(*pView, nMore, "KorvaneBench.refresh", handles);
        bare.Fill(nMore, "KorvaneBench.refresh");
        std::fprintf(stderr, "refresh: N = %d\n", nCount);
        const int nRounds = nCount <= 10 ? 400 : nCount <= 1000 ? 40 : 8;

        // Steady: every event stays non-signaled, no icon changes.
        SetAll(handles, false);
        TimeRefresh(frame);
        DispatchPending();
        RefreshSamples steady;
        for (int n = 0; n < nRounds; ++n) {
            steady.bare.push_back(TimeBareLoop(handles));
            steady.refresh.push_back(TimeRefresh(frame));
            DispatchPending(); // the running view paints between commands
        }

        // Flip: all signaled from outside the view, refresh, all reset,
        // refresh; every icon changes at each refresh.
        RefreshSamples flip;
        bool bFlipped = true;
        for (int n = 0; n < nRounds; ++n) {
            for (const bool bSignaled : { true, false }) {
                SetAll(handles, bSignaled);
                flip.bare.push_back(TimeBareLoop(handles));
                flip.least.push_back(TimeLeastFlip(bare.List(), handles, bSignaled ? 1 : 0));
                flip.refresh.push_back(TimeRefresh(frame));
                if (n == 0)
                    bFlipped = bFlipped && AllItemsShow(*pView, nCount, bSignaled ? 1 : 0);
                DispatchPending();
            }
        }
        if (!bFlipped)
            std::fprintf(stderr, "refresh: the icons did not follow the events at N = %d\n", nCount);

        char szFigure[96];
        std::snprintf(szFigure, sizeof(szFigure), "refresh, steady, N = %d", nCount);
        table.AddTimeRatio(szFigure, Median(steady.refresh), Median(steady.bare),
                           nCount >= 1000 ? 1.2 : 0.0, nCount);
        std::snprintf(szFigure, sizeof(szFigure), "refresh, flip, N = %d", nCount);
        table.AddTimeRatio(szFigure, Median(flip.refresh), Median(flip.bare),
                           nCount >= 1000 ? 1.5 : 0.0, nCount);
        std::snprintf(szFigure, sizeof(szFigure),
                      "refresh, flip, N = %d, vs the same work in a bare list view", nCount);
        table.AddTimeRatio(szFigure, Median(flip.refresh), Median(flip.least), 0.0, nCount);
    }
    theHarnessApp.CloseMainWindow();
}
