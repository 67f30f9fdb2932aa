// Held events against real kernel objects, with a second process where
// another program matters. Failure messages are read from the real message
// boxes, which a modal script answers.
#include "EventEntry.h"
#include "EventPeerProcess.h"
#include "HandleCount.h"
#include "ModalHelper.h"

#include "WinApp.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

CWinApp theTestApp;

std::string UniqueName(const char* pszTag)
{
    static int nSerial = 0;
    return "KorvaneTest." + std::to_string(GetCurrentProcessId()) + "." + pszTag + "." +
           std::to_string(++nSerial);
}

std::string Text(UINT nID)
{
    CString str;
    str.LoadString(nID);
    return str.GetString();
}

// What one AcquireEventEntry did: the entry and the texts of the message
// boxes it showed (each answered with OK).
struct Acquired
{
    EventEntryPtr pEntry;
    std::vector<std::string> messages;
};

Acquired Acquire(int nMode, const std::string& strName, BOOL bManualReset = FALSE,
                 BOOL bInitialState = FALSE)
{
    ktest::ModalScript script;
    script.Then(ktest::PressButton(IDOK));
    Acquired result;
    result.pEntry = AcquireEventEntry(nMode, strName.c_str(), bManualReset, bInitialState);
    for (const ktest::ModalSnapshot& box : script.Seen())
        result.messages.push_back(box.text);
    return result;
}

EventEntryPtr AcquireQuietly(int nMode, const std::string& strName, BOOL bManualReset = FALSE,
                             BOOL bInitialState = FALSE)
{
    Acquired result = Acquire(nMode, strName, bManualReset, bInitialState);
    EXPECT_EQ(std::vector<std::string>{}, result.messages) << strName;
    return std::move(result.pEntry);
}

TEST(EventEntry, CreatedEntryKeepsItsFlagsAndStartsInTheAskedState)
{
    struct Case { BOOL bManual; BOOL bInitial; int nFirstImage; int nSecondImage; };
    const Case cases[] = {
        {FALSE, FALSE, 0, 0},
        {FALSE, TRUE, 1, 0},  // the first probe consumes the automatic-reset signal
        {TRUE, FALSE, 0, 0},
        {TRUE, TRUE, 1, 1},   // a manual-reset event stays signaled across probes
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("manual " + std::to_string(c.bManual) + ", initial " + std::to_string(c.bInitial));
        const std::string strName = UniqueName("create");
        EventEntryPtr pEntry = AcquireQuietly(0, strName, c.bManual, c.bInitial);
        ASSERT_TRUE(pEntry);
        EXPECT_EQ(ORIGIN_CREATED, pEntry->nOrigin);
        EXPECT_NE(nullptr, pEntry->hEvent);
        EXPECT_EQ(c.bManual, pEntry->bManualReset);
        EXPECT_EQ(c.bInitial, pEntry->bInitialState);
        EXPECT_STREQ(strName.c_str(), pEntry->strName);
        EXPECT_EQ(c.nFirstImage, GetEventEntryImage(*pEntry));
        EXPECT_EQ(c.nSecondImage, GetEventEntryImage(*pEntry));
    }
}

TEST(EventEntry, FailuresShowTheirMessageAndLeaveNoHandle)
{
    const std::string strHeldElsewhere = UniqueName("elsewhere");
    ktest::PeerHolding peer(strHeldElsewhere, TRUE, TRUE);
    ASSERT_TRUE(peer.Ready());

    const std::string strHeldHere = UniqueName("here");
    HANDLE hHeldHere = CreateEventA(NULL, FALSE, FALSE, strHeldHere.c_str());
    const std::string strMutex = UniqueName("mutex");
    HANDLE hMutex = CreateMutexA(NULL, FALSE, strMutex.c_str());

    struct Case { const char* pszWhat; int nMode; std::string strName; UINT nMessage; };
    const Case cases[] = {
        {"create, another process holds the name", 0, strHeldElsewhere, IDS_ALREADY_EXISTS},
        {"create, this process holds the name", 0, strHeldHere, IDS_ALREADY_EXISTS},
        {"create, a mutex has the name", 0, strMutex, IDS_CREATE_FAILED},
        {"open, a mutex has the name", 1, strMutex, IDS_OPEN_FAILED},
        {"open, no event has the name", 1, UniqueName("missing"), IDS_OPEN_FAILED},
        {"open with another non-zero mode", 7, UniqueName("missing"), IDS_OPEN_FAILED},
    };
    // The first message box of the process sets up for good what boxes
    // need; let that happen before handles are counted.
    Acquire(1, UniqueName("warm-up"));

    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszWhat);
        const DWORD nHandlesBefore = ktest::OpenHandleCount();
        // Flags opposite to the held events': they must have no effect.
        Acquired result = Acquire(c.nMode, c.strName, FALSE, FALSE);
        EXPECT_FALSE(result.pEntry);
        EXPECT_EQ(std::vector<std::string>{Text(c.nMessage)}, result.messages);
        EXPECT_EQ(nHandlesBefore, ktest::OpenHandleCount());
    }
    // The events that existed keep their state and mode.
    EXPECT_EQ(1, ktest::RunPeer("probe " + strHeldElsewhere));
    EXPECT_EQ(1, ktest::RunPeer("probe " + strHeldElsewhere)) << "still manual reset";
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(hHeldHere, 0));
    CloseHandle(hMutex);
    CloseHandle(hHeldHere);
}

TEST(EventEntry, ExistingNameIsClosedOnlyAfterTheMessageIsDismissed)
{
    const std::string strName = UniqueName("order");
    HANDLE hHeld = CreateEventA(NULL, TRUE, FALSE, strName.c_str());
    const DWORD nHandlesBefore = ktest::OpenHandleCount();
    DWORD nHandlesDuringBox = 0;
    {
        ktest::ModalScript script;
        script.Then([&](ktest::ModalWindow& box) {
            nHandlesDuringBox = ktest::OpenHandleCount();
            box.Press(IDOK);
        });
        EXPECT_FALSE(AcquireEventEntry(0, strName.c_str(), FALSE, FALSE));
        EXPECT_EQ("", script.Problems());
    }
    EXPECT_EQ(nHandlesBefore + 1, nHandlesDuringBox);
    EXPECT_EQ(nHandlesBefore, ktest::OpenHandleCount());
    CloseHandle(hHeld);
}

TEST(EventEntry, OpenedEntryKnowsNoFlagsAndSharesTheState)
{
    const std::string strName = UniqueName("open");
    EventEntryPtr pCreated = AcquireQuietly(0, strName, TRUE, TRUE);
    ASSERT_TRUE(pCreated);
    EventEntryPtr pOpened = AcquireQuietly(1, strName, TRUE, TRUE);
    ASSERT_TRUE(pOpened);
    EXPECT_EQ(ORIGIN_OPENED, pOpened->nOrigin);
    EXPECT_NE(pCreated->hEvent, pOpened->hEvent);
    EXPECT_FALSE(pOpened->bManualReset);
    EXPECT_FALSE(pOpened->bInitialState);
    EXPECT_STREQ(strName.c_str(), pOpened->strName);

    EXPECT_EQ(3, GetEventEntryImage(*pOpened));
    EXPECT_EQ(1, GetEventEntryImage(*pCreated));
    ResetEventEntry(*pOpened);
    EXPECT_EQ(2, GetEventEntryImage(*pOpened));
    EXPECT_EQ(0, GetEventEntryImage(*pCreated));
    SignalEventEntry(*pCreated);
    EXPECT_EQ(3, GetEventEntryImage(*pOpened));
}

TEST(EventEntry, OnlyTheFirstOfTwoEntriesSeesAnAutomaticResetSignal)
{
    const std::string strName = UniqueName("twice");
    EventEntryPtr pFirst = AcquireQuietly(0, strName, FALSE, FALSE);
    ASSERT_TRUE(pFirst);
    EventEntryPtr pSecond = AcquireQuietly(1, strName);
    ASSERT_TRUE(pSecond);
    SignalEventEntry(*pSecond);
    EXPECT_TRUE(IsEventEntrySignaled(*pFirst));
    EXPECT_FALSE(IsEventEntrySignaled(*pSecond));
}

TEST(EventEntry, AnotherProcessSeesTheSameEvent)
{
    const std::string strName = UniqueName("shared");
    EventEntryPtr pEntry = AcquireQuietly(0, strName, TRUE, FALSE);
    ASSERT_TRUE(pEntry);
    EXPECT_EQ(0, ktest::RunPeer("probe " + strName));
    SignalEventEntry(*pEntry);
    EXPECT_EQ(1, ktest::RunPeer("probe " + strName));
    EXPECT_EQ(0, ktest::RunPeer("reset " + strName));
    EXPECT_FALSE(IsEventEntrySignaled(*pEntry));
    EXPECT_EQ(0, ktest::RunPeer("set " + strName));
    EXPECT_EQ(1, GetEventEntryImage(*pEntry));
}

TEST(EventEntry, ReleasingTheOnlyHandleEndsTheEvent)
{
    const std::string strName = UniqueName("release");
    const DWORD nHandlesBefore = ktest::OpenHandleCount();
    EventEntryPtr pEntry = AcquireQuietly(0, strName, TRUE, TRUE);
    ASSERT_TRUE(pEntry);
    ReleaseEventEntry(pEntry.release());
    EXPECT_EQ(nHandlesBefore, ktest::OpenHandleCount());
    EXPECT_EQ(2, ktest::RunPeer("probe " + strName));
    Acquired reopened = Acquire(1, strName);
    EXPECT_FALSE(reopened.pEntry);
    EXPECT_EQ(std::vector<std::string>{Text(IDS_OPEN_FAILED)}, reopened.messages);
}

// Names the kernel may refuse: each either works, and then reaches the same
// event when opened, or shows the create message; no handle is left behind.
TEST(EventEntry, UnusualNamesWorkOrFailCleanly)
{
    const std::string strUnique = UniqueName("odd");
    // "イベント名" in code page 932.
    const std::string strDoubleByte = strUnique + "\x83\x43\x83\x78\x83\x93\x83\x67\x96\xbc";
    const std::string cases[] = {
        strUnique + "\\back\\slash",
        "Local\\" + strUnique,
        "Global\\" + strUnique,
        strUnique + std::string(255 - strUnique.size(), 'n'),
        strUnique + std::string(300 - strUnique.size(), 'n'),
        strDoubleByte,
    };
    for (const std::string& strName : cases) {
        SCOPED_TRACE(strName);
        const DWORD nHandlesBefore = ktest::OpenHandleCount();
        {
            Acquired created = Acquire(0, strName, TRUE, TRUE);
            if (created.pEntry) {
                EXPECT_EQ(std::vector<std::string>{}, created.messages);
                EXPECT_STREQ(strName.c_str(), created.pEntry->strName);
                EventEntryPtr pOpened = AcquireQuietly(1, strName);
                ASSERT_TRUE(pOpened);
                EXPECT_EQ(3, GetEventEntryImage(*pOpened));
            } else {
                EXPECT_EQ(std::vector<std::string>{Text(IDS_CREATE_FAILED)}, created.messages);
            }
        }
        EXPECT_EQ(nHandlesBefore, ktest::OpenHandleCount());
    }
}

TEST(EventEntry, DoubleByteNameIsTheKernelNameOfItsCharacters)
{
    const std::string strName = UniqueName("dbcs") + "\x83\x43\x83\x78\x83\x93\x83\x67";
    EventEntryPtr pEntry = AcquireQuietly(0, strName, TRUE, TRUE);
    ASSERT_TRUE(pEntry);
    wchar_t szWide[300];
    ASSERT_LT(0, MultiByteToWideChar(932, 0, strName.c_str(), -1, szWide, 300));
    ASSERT_EQ(0, wcscmp(L"\x30a4\x30d9\x30f3\x30c8", szWide + wcslen(szWide) - 4));
    HANDLE hWide = OpenEventW(SYNCHRONIZE, FALSE, szWide);
    ASSERT_NE(nullptr, hWide);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(hWide, 0));
    CloseHandle(hWide);
}

} // namespace
