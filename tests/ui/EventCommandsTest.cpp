// The view's event commands on real kernel events, with a second process
// looking at the events from outside: create and open insert at the top
// with the probed icon, signal, non-signal and close act on the item at the
// selection mark, information probes without a refresh, failures keep the
// list, and closing the window releases every entry.
#include "AnsiText.h"
#include "EventPeerProcess.h"
#include "FrameFixture.h"
#include "HandleCount.h"
#include "UiTestApp.h"
#include "resource.h"

#include <commctrl.h>
#include <windows.h>

using namespace ktest;

namespace {

using EventCommandsTest = FrameFixture;

constexpr int kSignaled = 1;
constexpr int kNonSignaled = 0;
constexpr int kNoEvent = 2;

// event_peer's probe: kSignaled, kNonSignaled or kNoEvent. A probe of a
// signaled automatic-reset event resets it.
int ProbeFromOutside(const std::string& strName)
{
    return RunPeer("probe \"" + strName + "\"");
}

// A create that succeeds inserts at the top; its icon is the probed state,
// not the provisional one (origin x 2 + the initial-state box).
TEST_F(EventCommandsTest, CreateAndOpenInsertAtTheTopWithTheProbedIcon)
{
    struct Case
    {
        const char* what;
        bool bPeerHolds;       // another process created the event first
        BOOL bPeerManual;
        BOOL bPeerInitial;
        bool bOpen;            // what the dialog is given
        bool bManual;
        bool bInitial;
        int nImage;            // right after the command
        int nOutside;          // what the other process then finds
        int nImageLater;       // after one more refresh
    };
    const Case cases[] = {
        {"create automatic, non-signaled", false, 0, 0, false, false, false, 0, kNonSignaled, 0},
        // The refresh after the create has taken the signal already.
        {"create automatic, signaled", false, 0, 0, false, false, true, 1, kNonSignaled, 0},
        {"create manual, non-signaled", false, 0, 0, false, true, false, 0, kNonSignaled, 0},
        {"create manual, signaled", false, 0, 0, false, true, true, 1, kSignaled, 1},
        {"open a signaled manual event", true, TRUE, TRUE, true, false, false, 3, kSignaled, 3},
        // The ticked (disabled) box would make the provisional icon red.
        {"open a non-signaled event, initial box ticked", true, TRUE, FALSE, true, false, true, 2,
         kNonSignaled, 2},
    };
    std::vector<std::string> names;
    std::vector<int> laterImages;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const NewEvent input = {UniqueName("create"), c.bOpen, c.bManual, c.bInitial};
        std::unique_ptr<PeerHolding> pPeer;
        if (c.bPeerHolds) {
            pPeer = std::make_unique<PeerHolding>(input.name, c.bPeerManual, c.bPeerInitial);
            ASSERT_TRUE(pPeer->Ready());
        }
        AddEvent(input);
        names.insert(names.begin(), input.name);
        laterImages.insert(laterImages.begin(), c.nImageLater);

        EXPECT_EQ(names, Texts());
        EXPECT_EQ(c.nImage, Images().at(0));
        EXPECT_EQ(c.nOutside, ProbeFromOutside(input.name));
        EXPECT_EQ(-1, SelectionMark());
    }
    // The items hold the events, also those whose creator has gone.
    Command(ID_VIEW_UPDATE);
    EXPECT_EQ(laterImages, Images());
}

// A create or open that fails shows its message under the title "Korvane",
// adds no item, leaves an existing event as it was, and the name has still
// entered the history.
TEST_F(EventCommandsTest, FailedAcquireShowsItsMessageKeepsTheListAndSavesTheName)
{
    const std::string strHeld = UniqueName("held");
    const HANDLE hHeld = CreateEventA(nullptr, TRUE, TRUE, strHeld.c_str());
    const std::string strMutex = UniqueName("mutex");
    const HANDLE hMutex = CreateMutexA(nullptr, FALSE, strMutex.c_str());
    AddEvent({UniqueName("present"), false, false, false});
    const std::vector<std::string> texts = Texts();

    struct Case
    {
        const char* what;
        NewEvent input;
        std::string strMessage;
    };
    const Case cases[] = {
        {"create, the name exists", {strHeld, false, false, false},
         Ansi(L"ｲﾍﾞﾝﾄはすでに存在します。ｵｰﾌﾟﾝを指定してください。")},
        {"open, no such event", {UniqueName("missing"), true, false, false},
         Ansi(L"ｲﾍﾞﾝﾄのｵｰﾌﾟﾝに失敗しました。")},
        {"create, a mutex has the name", {strMutex, false, true, true}, Ansi(L"ｲﾍﾞﾝﾄの作成に失敗しました。")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<ModalSnapshot> seen = RunCreate(c.input, true);
        ASSERT_EQ(2u, seen.size());
        EXPECT_EQ(c.strMessage, seen[1].text);
        EXPECT_EQ("Korvane", seen[1].caption);
        EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), seen[1].icon);
        EXPECT_EQ(FrameWnd(), seen[1].owner);
        EXPECT_FALSE(seen[1].ownerEnabled);
        EXPECT_EQ(texts, Texts());
        EXPECT_EQ(c.input.name, m_profile.History().at(0));
    }
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(hHeld, 0)); // still manual and signaled
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(hHeld, 0));
    CloseHandle(hHeld);
    CloseHandle(hMutex);
}

// Signal, non-signal and close take the item at the selection mark; the
// view never moves the mark; each ends with a refresh of every item.
TEST_F(EventCommandsTest, SignalResetAndCloseActOnTheItemAtTheMark)
{
    const std::string strA = UniqueName("a"), strB = UniqueName("b"), strC = UniqueName("c");
    for (const std::string& strName : {strA, strB, strC})
        AddEvent({strName, false, true, false});
    ASSERT_EQ((std::vector<std::string>{strC, strB, strA}), Texts());
    SetSelectionMark(1);

    Command(ID_EVENT_SIGNAL);
    EXPECT_EQ((std::vector<int>{0, 1, 0}), Images());
    EXPECT_EQ(kSignaled, ProbeFromOutside(strB));
    EXPECT_EQ(kNonSignaled, ProbeFromOutside(strA));
    EXPECT_EQ(kNonSignaled, ProbeFromOutside(strC));
    EXPECT_EQ(1, SelectionMark());

    Command(ID_EVENT_NONSIGNAL);
    EXPECT_EQ((std::vector<int>{0, 0, 0}), Images());
    EXPECT_EQ(kNonSignaled, ProbeFromOutside(strB));
    EXPECT_EQ(1, SelectionMark());

    // Changed from outside: seen only at the next refresh, here the close's.
    ASSERT_EQ(0, RunPeer("set \"" + strA + "\""));
    EXPECT_EQ((std::vector<int>{0, 0, 0}), Images());
    const DWORD nHandles = OpenHandleCount();
    Command(ID_EVENT_CLOSE);
    EXPECT_EQ((std::vector<std::string>{strC, strA}), Texts());
    EXPECT_EQ((std::vector<int>{0, 1}), Images());
    EXPECT_EQ(nHandles - 1, OpenHandleCount());
    EXPECT_EQ(kNoEvent, ProbeFromOutside(strB)); // its only handle is gone
}

// Signaling an automatic-reset event shows red although the refresh has
// already taken the signal; information probes again, without a refresh:
// it reads signaled once and takes the signal, and the icon stays red until
// the next refresh.
TEST_F(EventCommandsTest, AutomaticResetEventStaysRedUntilTheNextRefresh)
{
    const std::string strName = UniqueName("auto");
    AddEvent({strName, false, false, false});
    SetSelectionMark(0);
    Command(ID_EVENT_SIGNAL);
    EXPECT_EQ(std::vector<int>{1}, Images());
    Command(ID_VIEW_UPDATE);
    EXPECT_EQ(std::vector<int>{0}, Images());

    Command(ID_EVENT_SIGNAL);
    ASSERT_EQ(std::vector<int>{1}, Images());
    ASSERT_EQ(0, RunPeer("set \"" + strName + "\""));
    ModalScript script;
    script.Then(PressButton(IDOK)).Then(PressButton(IDOK));
    Command(ID_EVENT_INFO);
    EXPECT_EQ(std::vector<int>{1}, Images());
    Command(ID_EVENT_INFO);
    EXPECT_EQ(std::vector<int>{1}, Images());
    ASSERT_EQ("", script.Problems());
    ASSERT_EQ(2u, script.Seen().size());
    for (const ModalSnapshot& seen : script.Seen()) {
        EXPECT_EQ(Ansi(L"ｲﾍﾞﾝﾄ情報"), seen.caption);
        EXPECT_EQ(FrameWnd(), seen.owner);
        EXPECT_EQ(IDOK, seen.focusId);
        EXPECT_EQ(strName, seen.Control(IDC_INFO_NAME)->text);
    }
    EXPECT_EQ(Ansi(L"ｼｸﾞﾅﾙ状態"), script.Seen()[0].Control(IDC_INFO_STATE)->text);
    EXPECT_EQ(Ansi(L"非ｼｸﾞﾅﾙ状態"), script.Seen()[1].Control(IDC_INFO_STATE)->text);
    Command(ID_VIEW_UPDATE);
    EXPECT_EQ(std::vector<int>{0}, Images());
}

// Makes the list report a selection mark that names no item. Wine's list
// control never keeps such a mark (it ignores LVM_SETSELECTIONMARK out of
// range and moves the mark when items go), so the view's window is
// subclassed to report one, as a control that does not check would.
class StaleMark
{
public:
    StaleMark(HWND hWnd, int nMark)
        : m_hWnd(hWnd)
    {
        s_nMark = nMark;
        s_pfnOld = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StaleMark::WndProc)));
    }
    ~StaleMark() { SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(s_pfnOld)); }
    StaleMark(const StaleMark&) = delete;
    StaleMark& operator=(const StaleMark&) = delete;

private:
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == LVM_GETSELECTIONMARK)
            return s_nMark;
        return CallWindowProcA(s_pfnOld, hWnd, message, wParam, lParam);
    }

    HWND m_hWnd;
    static int s_nMark;
    static WNDPROC s_pfnOld;
};

int StaleMark::s_nMark = -1;
WNDPROC StaleMark::s_pfnOld = nullptr;

// With the mark at -1 the rule drops the commands; with a mark that names
// no item they find no entry and do nothing. Either way nothing changes, no
// window opens and nothing crashes, whether the command comes through the
// frame or straight to the view (as from the context menu).
TEST_F(EventCommandsTest, CommandsWithoutAnItemAtTheMarkDoNothing)
{
    const std::string strSet = UniqueName("set"), strClear = UniqueName("clear");
    AddEvent({strClear, false, true, false});
    AddEvent({strSet, false, true, true});
    const std::vector<std::string> texts = Texts();
    const std::vector<int> images = {1, 0};
    ASSERT_EQ(images, Images());
    const DWORD nHandles = OpenHandleCount();

    const UINT commands[] = {ID_EVENT_SIGNAL, ID_EVENT_NONSIGNAL, ID_EVENT_INFO, ID_EVENT_CLOSE};
    for (const int nMark : {-1, 2, 7}) {
        for (const bool bToView : {false, true}) {
            for (const UINT nID : commands) {
                SCOPED_TRACE("mark " + std::to_string(nMark) + (bToView ? ", to the view" : ", to the frame") +
                             ", command " + std::to_string(nID));
                std::unique_ptr<StaleMark> pStale;
                if (nMark == -1)
                    SetSelectionMark(-1);
                else
                    pStale = std::make_unique<StaleMark>(ViewWnd(), nMark);
                ASSERT_EQ(nMark, SelectionMark());
                ModalScript script; // any window would be unexpected
                SendMessageA(bToView ? ViewWnd() : FrameWnd(), WM_COMMAND, nID, 0);
                EXPECT_EQ("", script.Problems());
                pStale.reset();
                EXPECT_EQ(texts, Texts());
                Command(ID_VIEW_UPDATE);
                EXPECT_EQ(images, Images());
            }
        }
    }
    EXPECT_EQ(nHandles, OpenHandleCount());
    EXPECT_EQ(kSignaled, ProbeFromOutside(strSet));
    EXPECT_EQ(kNonSignaled, ProbeFromOutside(strClear));
}

// Destroying the main window deletes every item, which releases every
// entry and closes its handle; names nobody else holds vanish.
TEST_F(EventCommandsTest, ClosingTheWindowClosesEveryHandle)
{
    const std::string strA = UniqueName("exit.a"), strB = UniqueName("exit.b");
    AddEvent({strA, false, true, true});
    AddEvent({strB, false, false, false});
    AddEvent({strA, true, false, false}); // opened: a second handle to A
    const DWORD nHandles = OpenHandleCount();

    SendMessageA(FrameWnd(), WM_CLOSE, 0, 0);
    PumpMessages(30);
    EXPECT_FALSE(IsWindow(FrameWnd()));
    EXPECT_EQ(nHandles - 3, OpenHandleCount());
    EXPECT_EQ(kNoEvent, ProbeFromOutside(strA));
    EXPECT_EQ(kNoEvent, ProbeFromOutside(strB));
}

} // namespace
