// Handles: whatever the commands create, closing gives back. Counted with
// the process's own handle table, and checked by name: an event that no
// handle holds any more cannot be opened.
#include "FrameWnd.h"
#include "HandleCount.h"
#include "HarnessApp.h"
#include "HarnessView.h"
#include "ViewItems.h"
#include "resource.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kEvents = 1000;

std::string EventName(const char* pszTag, int n)
{
    return std::string("Korvane.Robust.") + pszTag + '.' + std::to_string(GetCurrentProcessId()) +
           '.' + std::to_string(n);
}

// The names among those given that an OpenEventA still finds.
std::vector<std::string> Surviving(const char* pszTag, int nCount)
{
    std::vector<std::string> survivors;
    for (int n = 0; n < nCount; ++n) {
        const std::string name = EventName(pszTag, n);
        if (const HANDLE hEvent = OpenEventA(SYNCHRONIZE, FALSE, name.c_str())) {
            survivors.push_back(name);
            CloseHandle(hEvent);
        }
    }
    return survivors;
}

class HandleSafetyTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        // The first window of the process opens handles that stay (fonts,
        // registry keys, the common controls); counts start after it.
        theHarnessApp.OpenMainWindow();
        theHarnessApp.CloseMainWindow();
    }

    void TearDown() override { theHarnessApp.CloseMainWindow(); }
};

TEST_F(HandleSafetyTest, ThousandCreateCloseCyclesLeaveNoHandle)
{
    CHarnessView* pView = theHarnessApp.OpenMainWindow();
    ASSERT_NE(nullptr, pView);
    CFrameWnd* pFrame = theHarnessApp.MainFrame();
    const DWORD nBefore = ktest::OpenHandleCount();

    for (int n = 0; n < kEvents; ++n) {
        // Created signaled with automatic reset, every other one: the probe
        // after the creation consumes the signal, the closing must not care.
        pView->AddEventItem(0, EventName("Cycle", n).c_str(), n % 2, TRUE);
        ASSERT_EQ(1, pView->SendMessage(LVM_GETITEMCOUNT)) << "cycle " << n;
        pView->SendMessage(LVM_SETSELECTIONMARK, 0, 0);
        pFrame->SendMessage(WM_COMMAND, ID_EVENT_CLOSE);
        ASSERT_EQ(0, pView->SendMessage(LVM_GETITEMCOUNT)) << "cycle " << n;
    }

    EXPECT_EQ(nBefore, ktest::OpenHandleCount());
    EXPECT_EQ(std::vector<std::string>(), Surviving("Cycle", kEvents));
}

TEST_F(HandleSafetyTest, ClosingTheWindowReleasesThousandEvents)
{
    const DWORD nBefore = ktest::OpenHandleCount();
    CHarnessView* pView = theHarnessApp.OpenMainWindow();
    ASSERT_NE(nullptr, pView);
    const DWORD nOpen = ktest::OpenHandleCount();
    std::vector<HANDLE> handles;
    FillView(*pView, kEvents, "Korvane.Robust.Held", handles);
    // A few opened too, through the command: both kinds of entry go with
    // the window.
    constexpr int kOpened = 3;
    for (int n = 0; n < kOpened; ++n)
        pView->AddEventItem(1, EventName("Held", n).c_str(), FALSE, FALSE);
    ASSERT_EQ(kEvents, static_cast<int>(handles.size()));
    ASSERT_EQ(kEvents + kOpened, pView->SendMessage(LVM_GETITEMCOUNT));
    EXPECT_EQ(nOpen + kEvents + kOpened, ktest::OpenHandleCount());

    theHarnessApp.CloseMainWindow();
    ASSERT_EQ(nullptr, theHarnessApp.MainFrame());
    EXPECT_EQ(nBefore, ktest::OpenHandleCount());
    EXPECT_EQ(std::vector<std::string>(), Surviving("Held", kEvents));
}

} // namespace
