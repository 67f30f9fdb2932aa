// The list as the store of held events: items inserted the way the create
// command inserts them, re-probed by the refresh command, and released with
// their handles when the main window goes.
#include "EventEntry.h"
#include "HandleCount.h"
#include "ModalHelper.h"
#include "WindowFixture.h"
#include "resource.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

// Runs "event_peer ARGS" (another process acting on a named event) to its
// end, at most 10 s; its exit code, or -1.
int RunPeer(const std::string& strArgs)
{
    const std::string strPeer = ktest::ExeFolder() + EVENT_PEER_PATH;
    std::string strCommand = "\"" + strPeer + "\" " + strArgs;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(strPeer.c_str(), &strCommand[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return -1;
    DWORD dwExitCode = static_cast<DWORD>(-1);
    if (WaitForSingleObject(pi.hProcess, 10000) == WAIT_OBJECT_0)
        GetExitCodeProcess(pi.hProcess, &dwExitCode);
    else
        TerminateProcess(pi.hProcess, 99);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return static_cast<int>(dwExitCode);
}

std::string UniqueName(int nEvent)
{
    static int s_nSerial = 0;
    return "KorvaneAppTest." + std::to_string(GetCurrentProcessId()) + "." + std::to_string(++s_nSerial) + "."
           + std::to_string(nEvent);
}

class EventListTest : public MainWindowFixture
{
protected:
    // Acquires the event and inserts it at the top as the create command
    // does: name as text, provisional image, the entry as item data.
    bool Hold(int nMode, const std::string& strName, BOOL bManualReset, BOOL bInitialState)
    {
        EventEntryPtr pEntry = AcquireEventEntry(nMode, strName.c_str(), bManualReset, bInitialState);
        if (!pEntry)
            return false;
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = 0;
        item.pszText = const_cast<LPSTR>(pEntry->strName.GetString());
        item.iImage = pEntry->nOrigin * 2 + bInitialState;
        item.lParam = reinterpret_cast<LPARAM>(pEntry.get());
        if (SendMessageA(List(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)) != 0)
            return false;
        pEntry.release();
        return true;
    }

    // The image of every item, from the top.
    std::vector<int> Images() const
    {
        std::vector<int> images;
        const int nCount = static_cast<int>(SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < nCount; ++i) {
            LVITEMA item{};
            item.mask = LVIF_IMAGE;
            item.iItem = i;
            images.push_back(SendMessageA(List(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) ? item.iImage
                                                                                                   : -1);
        }
        return images;
    }
};

std::string Show(const std::vector<int>& images)
{
    std::string str = "{";
    for (const int nImage : images)
        str += " " + std::to_string(nImage);
    return str + " }";
}

// Images: 0 created, grey; 1 created, red; 2 opened, grey; 3 opened, red.
TEST_F(EventListTest, RefreshReprobesEveryItemOnceFromTheTopAndNothingElseChangesTheImages)
{
    struct Held
    {
        int nMode;   // 0 create, 1 open
        int nEvent;  // which of the scenario's events
        BOOL bManualReset;
        BOOL bInitialState;
    };
    enum Act { Refresh, PeerSet, PeerReset };
    struct Step
    {
        Act act;
        int nEvent;                 // for the peer's acts
        std::vector<int> images;    // from the top, after the act
    };
    struct Scenario
    {
        const char* what;
        bool bTestHoldsFirst;       // the test creates event 0 itself, manual reset and signaled
        std::vector<Held> held;     // inserted in this order, each at the top
        std::vector<Step> steps;
    };
    const Scenario scenarios[] = {
        { "empty list", false, {}, { { Refresh, 0, {} }, { Refresh, 0, {} } } },
        { "automatic reset, signaled, held twice: the upper item consumes the signal",
          false, { { 0, 0, FALSE, TRUE }, { 1, 0, FALSE, FALSE } },
          { { Refresh, 0, { 3, 0 } }, { Refresh, 0, { 2, 0 } } } },
        { "manual reset, signaled: red at every refresh until reset elsewhere",
          false, { { 0, 0, TRUE, TRUE } },
          { { Refresh, 0, { 1 } }, { Refresh, 0, { 1 } }, { PeerReset, 0, { 1 } }, { Refresh, 0, { 0 } } } },
        { "signaled by another process: shown only after the next refresh",
          false, { { 0, 0, FALSE, FALSE }, { 0, 1, TRUE, FALSE } },
          { { Refresh, 0, { 0, 0 } },
            { PeerSet, 0, { 0, 0 } },
            { PeerSet, 1, { 0, 0 } },
            { Refresh, 0, { 1, 1 } },
            { Refresh, 0, { 1, 0 } } } },
        { "opened, created elsewhere with manual reset and signaled",
          true, { { 1, 0, FALSE, FALSE } },
          { { Refresh, 0, { 3 } }, { PeerReset, 0, { 3 } }, { Refresh, 0, { 2 } } } },
    };

    for (const Scenario& scenario : scenarios) {
        SCOPED_TRACE(scenario.what);
        OpenMainWindow();
        const std::string names[] = { UniqueName(0), UniqueName(1) };
        const HANDLE hOwn =
            scenario.bTestHoldsFirst ? CreateEventA(nullptr, TRUE, TRUE, names[0].c_str()) : nullptr;
        for (const Held& held : scenario.held)
            ASSERT_TRUE(Hold(held.nMode, names[held.nEvent], held.bManualReset, held.bInitialState));

        ktest::ModalScript script; // nothing here shows a window
        for (size_t i = 0; i < scenario.steps.size(); ++i) {
            const Step& step = scenario.steps[i];
            switch (step.act) {
            case Refresh:
                Command(ID_VIEW_UPDATE);
                break;
            case PeerSet:
            case PeerReset:
                ASSERT_EQ(0, RunPeer((step.act == PeerSet ? "set " : "reset ") + names[step.nEvent]));
                ktest::PumpMessages(200); // no timer re-probes the list
                break;
            }
            EXPECT_EQ(Show(step.images), Show(Images())) << "after step " << i;
        }
        EXPECT_EQ("", script.Problems());
        if (hOwn)
            CloseHandle(hOwn);
        CloseMainWindow();
    }
}

// The pixels of pure red in item nItem's icon, as the list has drawn it.
int RedPixelsInIcon(HWND hwndList, int nItem)
{
    RECT rc{};
    rc.left = LVIR_ICON;
    if (!SendMessageA(hwndList, LVM_GETITEMRECT, nItem, reinterpret_cast<LPARAM>(&rc)))
        return -1;
    const HDC hdc = GetDC(hwndList);
    int nRed = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            nRed += GetPixel(hdc, x, y) == RGB(255, 0, 0);
    ReleaseDC(hwndList, hdc);
    return nRed;
}

// A refresh that changes many icons holds the list's drawing while it
// writes them; afterwards the list must draw again, showing every new icon,
// and a refresh with a few changes must still be drawn at once.
TEST_F(EventListTest, RefreshChangingManyIconsOrFewLeavesTheListDrawnWithTheNewIcons)
{
    constexpr int kEvents = 300;
    std::vector<HANDLE> events;
    for (int i = 0; i < kEvents; ++i) {
        const std::string strName = UniqueName(i);
        ASSERT_TRUE(Hold(0, strName, TRUE, FALSE));
        events.push_back(OpenEventA(EVENT_MODIFY_STATE, FALSE, strName.c_str()));
        ASSERT_NE(nullptr, events.back());
    }
    Command(ID_VIEW_UPDATE);
    UpdateWindow(List());
    EXPECT_EQ(0, RedPixelsInIcon(List(), 0));

    // The first event held is at the bottom: item n holds event kEvents - 1 - n.
    struct Case
    {
        const char* what;
        int nRed;   // the top nRed items are signaled, the others reset
    };
    const Case cases[] = {
        { "every icon turns red", kEvents },
        { "every icon turns grey", 0 },
        { "three at the top turn red", 3 },
        { "those three turn grey", 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (int i = 0; i < kEvents; ++i)
            (i >= kEvents - c.nRed ? SetEvent : ResetEvent)(events[i]);
        Command(ID_VIEW_UPDATE);

        std::vector<int> expected;
        for (int nItem = 0; nItem < kEvents; ++nItem)
            expected.push_back(nItem < c.nRed ? 1 : 0);
        EXPECT_EQ(Show(expected), Show(Images()));

        EXPECT_TRUE(GetWindowLongA(List(), GWL_STYLE) & WS_VISIBLE) << "drawing still held";
        UpdateWindow(List());
        if (c.nRed > 0)
            EXPECT_LT(0, RedPixelsInIcon(List(), 0)) << "the top item is drawn red";
        else
            EXPECT_EQ(0, RedPixelsInIcon(List(), 0)) << "the top item is drawn grey";
    }
    for (const HANDLE hEvent : events)
        CloseHandle(hEvent);
}

TEST_F(EventListTest, ClosingTheMainWindowClosesTheHandleOfEveryItem)
{
    const std::string strManual = UniqueName(0);
    const std::string strAuto = UniqueName(1);
    const DWORD nBefore = ktest::OpenHandleCount();
    ASSERT_TRUE(Hold(0, strManual, TRUE, TRUE));
    ASSERT_TRUE(Hold(0, strAuto, FALSE, FALSE));
    ASSERT_TRUE(Hold(1, strManual, FALSE, FALSE));
    ASSERT_TRUE(Hold(1, strAuto, FALSE, FALSE));
    Command(ID_VIEW_UPDATE);
    EXPECT_EQ(nBefore + 4, ktest::OpenHandleCount()) << "one handle per item, none for the refresh";

    SendMessageA(Frame(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(DrainQueue());
    m_pFrame = nullptr;
    EXPECT_EQ(nBefore, ktest::OpenHandleCount());
    for (const std::string& strName : { strManual, strAuto }) {
        const HANDLE hEvent = OpenEventA(SYNCHRONIZE, FALSE, strName.c_str());
        EXPECT_EQ(nullptr, hEvent) << strName << ": the last handle went with its item";
        EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
        if (hEvent)
            CloseHandle(hEvent);
    }
}

} // namespace
