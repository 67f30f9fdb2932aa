// The information dialog on real kernel events: the four lines for every
// kind of entry, the one probe it makes as it opens, and the handle it
// shares with the list, which it leaves open.
#include "AnsiText.h"
#include "EventEntry.h"
#include "EventInfoDlg.h"
#include "FrameFixture.h"
#include "UiTestApp.h"
#include "resource.h"

#include <windows.h>

using namespace ktest;

namespace {

using EventInfoDlgTest = FrameFixture;

enum class Then
{
    Keep,   // the event keeps the state it was created in
    Set,    // signaled after creation
    Reset,  // reset after creation
};

TEST_F(EventInfoDlgTest, DescribesOriginStateAndCreationOfEachEntry)
{
    const std::string strCreate = Ansi(L"CreateEventで生成");
    const std::string strOpen = Ansi(L"OpenEventで生成");
    const std::string strSignaled = Ansi(L"ｼｸﾞﾅﾙ状態");
    const std::string strNonsignaled = Ansi(L"非ｼｸﾞﾅﾙ状態");
    const std::string strManual = Ansi(L"手動ﾘｾｯﾄ");
    const std::string strAuto = Ansi(L"自動ﾘｾｯﾄ");
    const std::string strBySignaled = Ansi(L"、ｼｸﾞﾅﾙ状態で作成");
    const std::string strByNonsignaled = Ansi(L"、非ｼｸﾞﾅﾙ状態で作成");
    struct Case
    {
        const char* what;
        int nOrigin;
        BOOL bManual;   // the kernel event's real mode and start
        BOOL bInitial;
        Then then;
        std::string strMethod;
        std::string strState;
        std::string strRemarks;
        bool bSignaledAfter;
    };
    const Case cases[] = {
        {"created manual, signaled", ORIGIN_CREATED, TRUE, TRUE, Then::Keep,
         strCreate, strSignaled, strManual + strBySignaled, true},
        {"created manual non-signaled, signaled since", ORIGIN_CREATED, TRUE, FALSE, Then::Set,
         strCreate, strSignaled, strManual + strByNonsignaled, true},
        {"created manual signaled, reset since", ORIGIN_CREATED, TRUE, TRUE, Then::Reset,
         strCreate, strNonsignaled, strManual + strBySignaled, false},
        // The probe takes the signal of an automatic-reset event.
        {"created automatic, signaled", ORIGIN_CREATED, FALSE, TRUE, Then::Keep,
         strCreate, strSignaled, strAuto + strBySignaled, false},
        {"created automatic, non-signaled", ORIGIN_CREATED, FALSE, FALSE, Then::Keep,
         strCreate, strNonsignaled, strAuto + strByNonsignaled, false},
        {"opened manual, signaled", ORIGIN_OPENED, TRUE, TRUE, Then::Keep,
         strOpen, strSignaled, "", true},
        {"opened automatic, signaled", ORIGIN_OPENED, FALSE, TRUE, Then::Keep,
         strOpen, strSignaled, "", false},
        {"opened, non-signaled", ORIGIN_OPENED, TRUE, FALSE, Then::Keep,
         strOpen, strNonsignaled, "", false},
    };
    CWnd* const pView = CWnd::FromHandlePermanent(ViewWnd());
    ASSERT_NE(nullptr, pView);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string strName = UniqueName("info");
        const HANDLE hEvent = CreateEventA(nullptr, c.bManual, c.bInitial, strName.c_str());
        ASSERT_NE(nullptr, hEvent);
        if (c.then == Then::Set)
            SetEvent(hEvent);
        if (c.then == Then::Reset)
            ResetEvent(hEvent);

        ModalScript script;
        script.Then(PressButton(IDOK));
        {
            CEventInfoDlg dlg(pView);
            // An opened entry carries FALSE flags whatever the event is.
            const bool bCreated = c.nOrigin == ORIGIN_CREATED;
            dlg.m_entry = EventEntry{c.nOrigin, hEvent, bCreated && c.bManual, bCreated && c.bInitial,
                                     CString(strName.c_str())};
            EXPECT_EQ(IDOK, dlg.DoModal());
        }
        ASSERT_EQ("", script.Problems());
        const ModalSnapshot& seen = script.Seen().at(0);
        EXPECT_EQ(Ansi(L"ｲﾍﾞﾝﾄ情報"), seen.caption);
        EXPECT_EQ(FrameWnd(), seen.owner);
        EXPECT_EQ(IDOK, seen.focusId);
        EXPECT_EQ(strName, seen.Control(IDC_INFO_NAME)->text);
        EXPECT_EQ(c.strMethod, seen.Control(IDC_INFO_METHOD)->text);
        EXPECT_EQ(c.strState, seen.Control(IDC_INFO_STATE)->text);
        EXPECT_EQ(c.strRemarks, seen.Control(IDC_INFO_REMARKS)->text);

        // The dialog shares the handle and leaves it open.
        DWORD dwFlags = 0;
        EXPECT_TRUE(GetHandleInformation(hEvent, &dwFlags));
        EXPECT_EQ(c.bSignaledAfter, WaitForSingleObject(hEvent, 0) == WAIT_OBJECT_0);
        CloseHandle(hEvent);
    }
}

// A probe that fails reads as non-signaled; nothing else is reported.
TEST_F(EventInfoDlgTest, FailedProbeReadsNonSignaled)
{
    ModalScript script;
    script.Then(PressKey(VK_ESCAPE));
    CEventInfoDlg dlg(CWnd::FromHandlePermanent(ViewWnd()));
    dlg.m_entry = EventEntry{ORIGIN_CREATED, nullptr, FALSE, FALSE, CString("no.handle")};
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    ASSERT_EQ("", script.Problems());
    ASSERT_EQ(1u, script.Seen().size());
    EXPECT_EQ(Ansi(L"非ｼｸﾞﾅﾙ状態"), script.Seen().at(0).Control(IDC_INFO_STATE)->text);
}

} // namespace
