// A long session: 10,000 event commands in a seeded random mix, driven
// through the commands' own code in this process, each checked against an
// independent model of the kernel events and the list. The seed makes a
// failure reproducible; the failure message names it with the command.
#include "EventModel.h"
#include "FrameWnd.h"
#include "HandleCount.h"
#include "HarnessApp.h"
#include "HarnessView.h"
#include "ModalHelper.h"
#include "RobustnessText.h"
#include "ViewItems.h"
#include "resource.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace {

constexpr unsigned kSeed = 20240917;
constexpr int kCommands = 10000;
// The list stays short, so that the mix reaches every state often: with
// more items the closings win, with fewer the creations.
constexpr int kFewItems = 2;
constexpr int kManyItems = 6;

class LongSessionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pView = theHarnessApp.OpenMainWindow();
        ASSERT_NE(nullptr, m_pView);
        m_pFrame = theHarnessApp.MainFrame();
        // Hidden for the session: under Wine a shown list view scrolls its
        // items on the screen at every insertion at the top, some 12 ms,
        // which would stretch the session to minutes. Nothing checked here
        // depends on drawing.
        m_pFrame->ShowWindow(SW_HIDE);
    }

    void TearDown() override { theHarnessApp.CloseMainWindow(); }

    // Sends the command as the menu bar does, with the mark on nItem (-1:
    // none).
    void Command(UINT nID, int nItem) const
    {
        m_pView->SendMessage(LVM_SETSELECTIONMARK, 0, nItem);
        m_pFrame->SendMessage(WM_COMMAND, nID);
    }

    // Runs the create command's work; a refused create or open shows its
    // message, which is answered here and returned.
    std::string AddExpectingMessage(int nMode, const std::string& name)
    {
        ktest::ModalScript script;
        script.Then(ktest::PressButton(IDOK));
        m_pView->AddEventItem(nMode, name.c_str(), FALSE, FALSE);
        EXPECT_EQ("", script.Problems());
        return script.Seen().empty() ? std::string() : script.Seen().front().text;
    }

    // "" when the list shows what the model says, else the first difference.
    std::string Difference(const CEventModel& model) const
    {
        const std::vector<ViewItem> shown = ReadItems(*m_pView);
        const std::vector<CEventModel::Item>& expected = model.Items();
        std::ostringstream out;
        if (shown.size() != expected.size()) {
            out << shown.size() << " items shown, " << expected.size() << " expected";
            return out.str();
        }
        for (size_t i = 0; i < shown.size(); ++i) {
            if (shown[i].text != expected[i].name || shown[i].image != expected[i].image) {
                out << "item " << i << ": shows " << shown[i].text << " image " << shown[i].image
                    << ", expected " << expected[i].name << " image " << expected[i].image;
                return out.str();
            }
        }
        return std::string();
    }

    CHarnessView* m_pView = nullptr;
    CFrameWnd* m_pFrame = nullptr;
};

TEST_F(LongSessionTest, TenThousandMixedCommandsKeepEveryIconRight)
{
    const std::string strAlreadyExists = LoadText(IDS_ALREADY_EXISTS);
    const std::string strOpenFailed = LoadText(IDS_OPEN_FAILED);
    // The first message box of the process opens handles that stay; the
    // count starts after one.
    ASSERT_EQ(strOpenFailed, AddExpectingMessage(1, "Korvane.Robust.Session.NoSuchEvent"));
    const DWORD nHandlesBefore = ktest::OpenHandleCount();
    std::mt19937 random(kSeed);
    const auto Below = [&random](int n) {
        return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(random));
    };

    CEventModel model;
    std::vector<std::string> names; // every name used, for the check at the end
    const auto NewName = [&names]() {
        std::ostringstream out;
        out << "Korvane.Robust.Session." << GetCurrentProcessId() << '.' << names.size();
        names.push_back(out.str());
        return names.back();
    };

    for (int nCommand = 0; nCommand < kCommands; ++nCommand) {
        const int nCount = static_cast<int>(model.Items().size());
        const int nItem = nCount > 0 ? Below(nCount) : -1;
        const std::string held = nCount > 0 ? model.Items()[static_cast<size_t>(nItem)].name : "";
        std::ostringstream what;
        // Weights, in tenths: the first matching draw wins.
        int nDraw = Below(1000);
        const int nCreateWeight = nCount < kFewItems ? 400 : nCount > kManyItems ? 60 : 200;
        if ((nDraw -= nCreateWeight) < 0 || nCount == 0) {
            const std::string name = NewName();
            const bool bManualReset = Below(2) == 1;
            const bool bInitialState = Below(2) == 1;
            what << "create " << name << (bManualReset ? " manual" : " auto")
                 << (bInitialState ? " signaled" : "");
            model.Create(name, bManualReset, bInitialState);
            m_pView->AddEventItem(0, name.c_str(), bManualReset, bInitialState);
        } else if ((nDraw -= 100) < 0) {
            what << "open " << held;
            model.Open(held);
            m_pView->AddEventItem(1, held.c_str(), FALSE, FALSE);
        } else if ((nDraw -= 160) < 0) {
            what << "signal item " << nItem;
            model.Signal(nItem);
            Command(ID_EVENT_SIGNAL, nItem);
        } else if ((nDraw -= 160) < 0) {
            what << "reset item " << nItem;
            model.Reset(nItem);
            Command(ID_EVENT_NONSIGNAL, nItem);
        } else if ((nDraw -= nCount > kManyItems ? 300 : 150) < 0) {
            what << "close item " << nItem;
            model.Close(nItem);
            Command(ID_EVENT_CLOSE, nItem);
        } else if ((nDraw -= 100) < 0) {
            what << "refresh";
            model.Refresh();
            Command(ID_VIEW_UPDATE, nItem);
        } else if ((nDraw -= 100) < 0) {
            // Another program signals the event; the list shows it at the
            // next refresh, which this step also sends.
            what << "signal " << held << " from outside, then refresh";
            const HANDLE hEvent = OpenEventA(EVENT_MODIFY_STATE, FALSE, held.c_str());
            ASSERT_NE(nullptr, hEvent) << what.str();
            SetEvent(hEvent);
            CloseHandle(hEvent);
            model.SignalFromOutside(held);
            model.Refresh();
            Command(ID_VIEW_UPDATE, nItem);
        } else if ((nDraw -= 4) < 0) {
            what << "create the held name " << held;
            ASSERT_EQ(CEventModel::Outcome::AlreadyExists, model.Create(held, TRUE, TRUE));
            EXPECT_EQ(strAlreadyExists, AddExpectingMessage(0, held)) << what.str();
        } else if ((nDraw -= 4) < 0) {
            const std::string name = NewName();
            what << "open the unknown name " << name;
            ASSERT_EQ(CEventModel::Outcome::OpenFailed, model.Open(name));
            EXPECT_EQ(strOpenFailed, AddExpectingMessage(1, name)) << what.str();
        } else {
            // Nothing marked: the update rule drops the command unseen.
            const UINT anIDs[] = { ID_EVENT_SIGNAL, ID_EVENT_NONSIGNAL, ID_EVENT_CLOSE };
            const UINT nID = anIDs[Below(3)];
            what << "command " << nID << " with nothing marked";
            Command(nID, -1);
        }
        ASSERT_EQ("", Difference(model))
            << "after command " << nCommand << " (" << what.str() << "), seed " << kSeed;
    }

    // Close what is left through the close command: every handle goes.
    while (!model.Items().empty()) {
        model.Close(0);
        Command(ID_EVENT_CLOSE, 0);
    }
    ASSERT_EQ("", Difference(model));
    EXPECT_EQ(nHandlesBefore, ktest::OpenHandleCount());
    for (const std::string& name : names) {
        const HANDLE hEvent = OpenEventA(SYNCHRONIZE, FALSE, name.c_str());
        EXPECT_EQ(nullptr, hEvent) << name << " survived";
        if (hEvent)
            CloseHandle(hEvent);
    }
}

} // namespace
