// One session with Korvane.exe as a tester runs it: from a fresh folder,
// driven through its windows, watched from outside through the named events
// it creates and opens, and the settings file it leaves beside itself.
#include "FrameworkIds.h"
#include "KorvaneFolder.h"
#include "KorvaneRun.h"
#include "KorvaneTexts.h"
#include "ModalHelper.h"
#include "RemoteListView.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <thread>

using ktest::Ansi;
using ktest::ModalSnapshot;
using ktest::ModalWindow;

namespace {

enum class Outside
{
    Missing,      // no event of that name
    NonSignaled,
    Signaled,     // a probe of an automatic-reset event takes the signal
};

Outside Probe(const std::string& strName)
{
    const HANDLE hEvent = OpenEventA(SYNCHRONIZE, FALSE, strName.c_str());
    if (!hEvent)
        return Outside::Missing;
    const bool bSignaled = WaitForSingleObject(hEvent, 0) == WAIT_OBJECT_0;
    CloseHandle(hEvent);
    return bSignaled ? Outside::Signaled : Outside::NonSignaled;
}

bool SetFromOutside(const std::string& strName, bool bSignal)
{
    const HANDLE hEvent = OpenEventA(EVENT_MODIFY_STATE, FALSE, strName.c_str());
    if (!hEvent)
        return false;
    const BOOL bDone = bSignal ? SetEvent(hEvent) : ResetEvent(hEvent);
    CloseHandle(hEvent);
    return bDone != FALSE;
}

std::vector<std::string> History(const std::string& strPath)
{
    std::vector<std::string> values;
    for (int i = 0; i < 10; ++i) {
        char szValue[4096] = "";
        GetPrivateProfileStringA("options", ("history" + std::to_string(i)).c_str(), "", szValue, sizeof szValue,
                                 strPath.c_str());
        values.push_back(szValue);
    }
    return values;
}

class KorvaneSessionTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.Ready());
        const HWND hWndFrame = m_korvane.WaitForMainWindow(20000);
        ASSERT_NE(nullptr, hWndFrame);
        ASSERT_TRUE(m_korvane.Settle(20000));
        ASSERT_EQ(ktest::MainCaption(), ModalWindow(hWndFrame).Caption());
        m_pList = std::make_unique<ktest::RemoteListView>(m_korvane.View(), m_korvane.ProcessId());
        ASSERT_TRUE(m_pList->IsReady());
    }

    std::string Name(const char* pszTag) const
    {
        return "KorvaneE2E." + std::to_string(GetCurrentProcessId()) + "." + pszTag;
    }

    // Runs the create command with the dialog filled in; returns the message
    // box that followed, answered with OK, or a snapshot without a window.
    ModalSnapshot Create(const std::string& strName, bool bOpen, bool bManual, bool bInitial,
                         bool bMessageExpected = false)
    {
        ModalSnapshot box;
        const std::string strResult = m_korvane.Create(strName, bOpen, bManual, bInitial, &box);
        if (bMessageExpected)
            EXPECT_NE(nullptr, box.hwnd) << strName << ": " << strResult;
        else
            EXPECT_EQ("", strResult) << strName;
        return box;
    }

    void Refresh()
    {
        m_korvane.Command(ID_VIEW_UPDATE);
        ASSERT_TRUE(m_korvane.Settle());
    }

    // The four lines of the information dialog on item nItem, closed with OK.
    std::vector<std::string> Info(int nItem)
    {
        m_pList->Select(nItem);
        m_korvane.Command(ID_EVENT_INFO);
        const HWND hWndDialog = m_korvane.WaitForDialog(Ansi(L"ｲﾍﾞﾝﾄ情報"));
        EXPECT_NE(nullptr, hWndDialog);
        if (!hWndDialog)
            return {};
        ModalWindow dlg(hWndDialog);
        std::vector<std::string> lines = {dlg.ItemText(IDC_INFO_NAME), dlg.ItemText(IDC_INFO_METHOD),
                                          dlg.ItemText(IDC_INFO_STATE), dlg.ItemText(IDC_INFO_REMARKS)};
        EXPECT_EQ(IDOK, dlg.FocusId());
        dlg.Press(IDOK);
        EXPECT_TRUE(ktest::WaitForWindowGone(hWndDialog, 5000));
        return lines;
    }

    ktest::KorvaneFolder m_folder;
    ktest::KorvaneRun m_korvane{m_folder};
    std::unique_ptr<ktest::RemoteListView> m_pList;
};

TEST_F(KorvaneSessionTest, EventsCreatedOpenedChangedAndClosedAsOthersSeeThem)
{
    const std::string strAlpha = Name("Alpha"), strBravo = Name("Bravo"), strCharlie = Name("Charlie");
    EXPECT_EQ(0, m_pList->Count());
    EXPECT_EQ(-1, m_pList->SelectionMark());

    // A manual-reset event that starts signaled, visible to everyone.
    Create(strAlpha, false, true, true);
    EXPECT_EQ(std::vector<std::string>{strAlpha}, m_pList->Texts());
    EXPECT_EQ(std::vector<int>{1}, m_pList->Images());
    EXPECT_EQ(Outside::Signaled, Probe(strAlpha));

    // The same name again: refused with message 1002; nothing changes.
    const ModalSnapshot box = Create(strAlpha, false, false, false, true);
    EXPECT_EQ(Ansi(L"ｲﾍﾞﾝﾄはすでに存在します。ｵｰﾌﾟﾝを指定してください。"), box.text);
    EXPECT_EQ("Korvane", box.caption);
    EXPECT_NE(0u, box.icon);
    EXPECT_EQ(m_korvane.WaitForMainWindow(), box.owner);
    EXPECT_FALSE(box.ownerEnabled);
    EXPECT_EQ(std::vector<std::string>{strAlpha}, m_pList->Texts());
    EXPECT_EQ(Outside::Signaled, Probe(strAlpha));

    // Opened: a second item, on top, with the opened icons.
    Create(strAlpha, true, false, false);
    EXPECT_EQ((std::vector<std::string>{strAlpha, strAlpha}), m_pList->Texts());
    EXPECT_EQ((std::vector<int>{3, 1}), m_pList->Images());

    // Changed from outside: the icons follow at the next refresh only.
    ASSERT_TRUE(SetFromOutside(strAlpha, false));
    ASSERT_TRUE(m_korvane.Settle());
    EXPECT_EQ((std::vector<int>{3, 1}), m_pList->Images());
    Refresh();
    EXPECT_EQ((std::vector<int>{2, 0}), m_pList->Images());
    ASSERT_TRUE(SetFromOutside(strAlpha, true));
    Refresh();
    EXPECT_EQ((std::vector<int>{3, 1}), m_pList->Images());

    // An automatic-reset event; a thread here waits on it, so Korvane's
    // signal releases that thread and the icon is grey at once.
    Create(strBravo, false, false, false);
    EXPECT_EQ((std::vector<int>{0, 3, 1}), m_pList->Images());
    const HANDLE hBravo = OpenEventA(SYNCHRONIZE, FALSE, strBravo.c_str());
    ASSERT_NE(nullptr, hBravo);
    DWORD dwWaited = WAIT_FAILED;
    std::thread waiter([&] { dwWaited = WaitForSingleObject(hBravo, 10000); });
    Sleep(300); // let the thread reach its wait
    EXPECT_TRUE(m_korvane.CommandOnItem(ID_EVENT_SIGNAL, 0)); // not ASSERT: the waiter must be joined
    waiter.join();
    CloseHandle(hBravo);
    EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), dwWaited);
    EXPECT_EQ((std::vector<int>{0, 3, 1}), m_pList->Images());

    // Korvane's own reset and signal on the marked item, seen from outside.
    ASSERT_TRUE(m_korvane.CommandOnItem(ID_EVENT_NONSIGNAL, 1));
    EXPECT_EQ(Outside::NonSignaled, Probe(strAlpha));
    EXPECT_EQ((std::vector<int>{0, 2, 0}), m_pList->Images());
    ASSERT_TRUE(m_korvane.CommandOnItem(ID_EVENT_SIGNAL, 2));
    EXPECT_EQ(Outside::Signaled, Probe(strAlpha));
    EXPECT_EQ((std::vector<int>{0, 3, 1}), m_pList->Images());

    // What the information dialog tells about the created and the opened item.
    EXPECT_EQ((std::vector<std::string>{strAlpha, Ansi(L"CreateEventで生成"), Ansi(L"ｼｸﾞﾅﾙ状態"),
                                        Ansi(L"手動ﾘｾｯﾄ、ｼｸﾞﾅﾙ状態で作成")}),
              Info(2));
    EXPECT_EQ((std::vector<std::string>{strAlpha, Ansi(L"OpenEventで生成"), Ansi(L"ｼｸﾞﾅﾙ状態"), ""}), Info(1));
    EXPECT_EQ((std::vector<std::string>{strBravo, Ansi(L"CreateEventで生成"), Ansi(L"非ｼｸﾞﾅﾙ状態"),
                                        Ansi(L"自動ﾘｾｯﾄ、非ｼｸﾞﾅﾙ状態で作成")}),
              Info(0));

    // Closing the opened item leaves the event to the created one; closing
    // that too closes the last handle and the name is gone.
    ASSERT_TRUE(m_korvane.CommandOnItem(ID_EVENT_CLOSE, 1));
    EXPECT_EQ((std::vector<std::string>{strBravo, strAlpha}), m_pList->Texts());
    EXPECT_EQ(Outside::Signaled, Probe(strAlpha));
    ASSERT_TRUE(m_korvane.CommandOnItem(ID_EVENT_CLOSE, 1));
    EXPECT_EQ(std::vector<std::string>{strBravo}, m_pList->Texts());
    EXPECT_EQ(Outside::Missing, Probe(strAlpha));

    // Exit: every remaining handle goes with the window.
    Create(strCharlie, false, true, true);
    EXPECT_EQ((std::vector<std::string>{strCharlie, strBravo}), m_pList->Texts());
    EXPECT_EQ(Outside::Signaled, Probe(strCharlie));
    m_korvane.Command(ID_APP_EXIT);
    EXPECT_EQ(0u, m_korvane.WaitForExit());
    EXPECT_EQ(Outside::Missing, Probe(strBravo));
    EXPECT_EQ(Outside::Missing, Probe(strCharlie));

    // Every name accepted, the refused one included, most recent first and
    // without repeats, in the settings file beside the executable.
    EXPECT_EQ((std::vector<std::string>{strCharlie, strBravo, strAlpha, "", "", "", "", "", "", ""}),
              History(m_folder.Path("Korvane.ini")));
}

} // namespace
