// The modal helper drives real message boxes and dialogs; every GUI test
// relies on it finding, reading and closing them, and on it never hanging.
#include "ModalHelper.h"
#include "ModalHelperTestIds.h"

#include <gtest/gtest.h>

#include <thread>

using namespace ktest;

namespace {

// OK with an empty edit field asks for text in a nested message box and
// stays open; otherwise OK and Cancel end the dialog with their ids.
INT_PTR CALLBACK PlainDialogProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM)
{
    if (uMsg == WM_INITDIALOG)
        return TRUE;
    if (uMsg != WM_COMMAND)
        return FALSE;
    const int nID = LOWORD(wParam);
    if (nID == IDOK && GetWindowTextLengthA(GetDlgItem(hwnd, IDC_HELPER_EDIT)) == 0) {
        MessageBoxA(hwnd, "empty", "Plain", MB_OK);
        SetFocus(GetDlgItem(hwnd, IDC_HELPER_CHECK));
        return TRUE;
    }
    if (nID == IDOK || nID == IDCANCEL) {
        EndDialog(hwnd, nID);
        return TRUE;
    }
    return FALSE;
}

INT_PTR RunPlainDialog(HWND hwndOwner = nullptr)
{
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_HELPER_PLAIN), hwndOwner,
                           PlainDialogProc, 0);
}

// A visible top-level window to own message boxes, destroyed with the test.
class OwnerWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_hwnd = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, m_hwnd);
    }
    void TearDown() override
    {
        if (m_hwnd)
            DestroyWindow(m_hwnd);
    }
    HWND m_hwnd = nullptr;
};

struct IconCase
{
    UINT uType;
    UINT uIconSeen;
};

class MessageBoxIconTest : public OwnerWindowTest, public testing::WithParamInterface<IconCase>
{
};

TEST_P(MessageBoxIconTest, CapturesCaptionTextIconAndDisabledOwner)
{
    ModalScript script;
    script.Then(PressButton(IDOK));
    EXPECT_EQ(IDOK, MessageBoxA(m_hwnd, "the text", "the caption", MB_OK | GetParam().uType));

    ASSERT_EQ("", script.Problems());
    const ModalSnapshot& box = script.Seen().at(0);
    EXPECT_EQ("the caption", box.caption);
    EXPECT_EQ("the text", box.text);
    EXPECT_EQ(GetParam().uIconSeen, box.icon);
    EXPECT_EQ(m_hwnd, box.owner);
    EXPECT_FALSE(box.ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(m_hwnd));
}

INSTANTIATE_TEST_SUITE_P(Icons, MessageBoxIconTest,
                         testing::Values(IconCase{ 0, 0 }, IconCase{ MB_ICONHAND, MB_ICONHAND },
                                         IconCase{ MB_ICONQUESTION, MB_ICONQUESTION },
                                         IconCase{ MB_ICONEXCLAMATION, MB_ICONEXCLAMATION },
                                         IconCase{ MB_ICONASTERISK, MB_ICONASTERISK }));

struct CloseCase
{
    const char* name;
    ModalAction action;
    INT_PTR nResult;
};

class DialogCloseTest : public testing::TestWithParam<CloseCase>
{
};

TEST_P(DialogCloseTest, EndsTheDialogAsTheUserWould)
{
    ModalScript script;
    script.Then([](ModalWindow& dlg) {
        dlg.SetItemText(IDC_HELPER_EDIT, "x"); // so that OK is accepted
        GetParam().action(dlg);
    });
    EXPECT_EQ(GetParam().nResult, RunPlainDialog());
    EXPECT_EQ("", script.Problems());
}

INSTANTIATE_TEST_SUITE_P(Ways, DialogCloseTest,
                         testing::Values(CloseCase{ "OkButton", PressButton(IDOK), IDOK },
                                         CloseCase{ "CancelButton", PressButton(IDCANCEL), IDCANCEL },
                                         CloseCase{ "Enter", PressKey(VK_RETURN), IDOK },
                                         CloseCase{ "Escape", PressKey(VK_ESCAPE), IDCANCEL },
                                         CloseCase{ "CloseBox", ClickCloseBox(), IDCANCEL }),
                         [](const testing::TestParamInfo<CloseCase>& info) { return info.param.name; });

TEST(ModalScriptTest, CapturesControlsAndFocus)
{
    ModalScript script;
    script.Then(PressButton(IDCANCEL));
    RunPlainDialog();

    ASSERT_EQ("", script.Problems());
    const ModalSnapshot& dlg = script.Seen().at(0);
    EXPECT_EQ("Plain", dlg.caption);
    EXPECT_EQ(IDC_HELPER_EDIT, dlg.focusId);
    EXPECT_EQ(nullptr, dlg.owner);
    ASSERT_NE(nullptr, dlg.Control(IDC_HELPER_CHECK));
    EXPECT_EQ("Check", dlg.Control(IDC_HELPER_CHECK)->text);
    EXPECT_EQ(BST_UNCHECKED, dlg.Control(IDC_HELPER_CHECK)->check);
    ASSERT_NE(nullptr, dlg.Control(IDC_HELPER_EDIT));
    EXPECT_EQ(-1, dlg.Control(IDC_HELPER_EDIT)->check);
    EXPECT_EQ(nullptr, dlg.Control(12345));
}

// A click that opens a nested message box returns after the next action has
// answered it; the same action then sees the dialog again and closes it.
TEST(ModalScriptTest, NestedWindowTakesTheNextAction)
{
    int nFocusAfter = 0;
    bool bOpenAfter = false;
    ModalScript script;
    script.Then([&](ModalWindow& dlg) {
        dlg.Click(IDOK);
        nFocusAfter = dlg.FocusId();
        bOpenAfter = dlg.IsOpen();
        dlg.Press(IDCANCEL);
    });
    script.Then(PressKey(VK_RETURN));
    EXPECT_EQ(IDCANCEL, RunPlainDialog());

    ASSERT_EQ("", script.Problems());
    ASSERT_EQ(2u, script.Seen().size());
    EXPECT_EQ("empty", script.Seen()[1].text);
    EXPECT_EQ(script.Seen()[0].hwnd, script.Seen()[1].owner);
    EXPECT_TRUE(bOpenAfter);
    EXPECT_EQ(IDC_HELPER_CHECK, nFocusAfter);
}

// A faulty test must fail, not hang: a window its action leaves open is ended
// after the time-out, one without an action is cancelled at once, and an
// action without a window is reported.
TEST(ModalScriptTest, ReportsInsteadOfHanging)
{
    {
        ModalScript script(300);
        script.Then([](ModalWindow&) {});
        const DWORD dwStart = GetTickCount();
        EXPECT_EQ(0, RunPlainDialog());
        EXPECT_LT(GetTickCount() - dwStart, 3000u);
        EXPECT_NE(std::string::npos, script.Problems().find("by force")) << script.Problems();
    }
    {
        ModalScript script;
        EXPECT_EQ(IDCANCEL, RunPlainDialog());
        EXPECT_NE(std::string::npos, script.Problems().find("unexpected window \"Plain\"")) << script.Problems();
    }
    {
        ModalScript script;
        script.Then(PressButton(IDOK));
        EXPECT_NE(std::string::npos, script.Problems().find("never ran")) << script.Problems();
        script.Then(PressButton(IDOK)); // leave nothing behind for the next test
        MessageBoxA(nullptr, "a", "b", MB_OK);
        MessageBoxA(nullptr, "a", "b", MB_OK);
        EXPECT_EQ("", script.Problems());
    }
}

TEST(ModalScriptTest, OnlyOneScriptPerThread)
{
    ModalScript first;
    ModalScript second;
    EXPECT_EQ("", first.Problems());
    EXPECT_NE("", second.Problems());
}

// The other-thread (and other-process) path: found by class and caption,
// read and closed with posted input only.
TEST(WaitForWindowTest, FindsReadsAndClosesAWindowOfAnotherThread)
{
    int nResult = 0;
    std::thread other([&nResult] {
        ModalScript safety(5000); // ends the box should this thread fail to
        safety.Then([](ModalWindow&) {});
        nResult = MessageBoxA(nullptr, "from afar", "Remote box", MB_OKCANCEL);
    });

    const HWND hwnd = WaitForWindow("#32770", "Remote box", 5000);
    EXPECT_NE(nullptr, hwnd);
    if (hwnd) {
        ModalWindow box(hwnd);
        EXPECT_EQ("from afar", box.Capture().text);
        box.Press(IDCANCEL);
        EXPECT_TRUE(WaitForWindowGone(hwnd, 5000));
    }
    other.join();
    EXPECT_EQ(IDCANCEL, nResult);
    EXPECT_EQ(nullptr, WaitForWindow("#32770", "Remote box", 50));
}

} // namespace
