// CDialog::DoModal on real templates: owner, centring, focus, the ways a
// dialog ends, and its message map.
#include "DialogTestApp.h"
#include "ModalHelper.h"

using namespace ktest;

namespace {

// The dialog's centre lies on the target centre (rounding aside).
void ExpectCentredOn(POINT ptTarget, const RECT& rectDialog)
{
    const POINT ptCentre = CentreOf(rectDialog);
    EXPECT_NEAR(ptTarget.x, ptCentre.x, 1);
    EXPECT_NEAR(ptTarget.y, ptCentre.y, 1);
}

POINT WorkAreaCentre()
{
    RECT rectWork;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &rectWork, 0);
    return CentreOf(rectWork);
}

enum class Parent { None, MainWindow, ChildOfMain };

class DialogOwnerTest : public AppTest, public testing::WithParamInterface<Parent>
{
};

// Whatever the parent, the main window owns the dialog, is disabled while it
// is up and gets it centred over itself.
TEST_P(DialogOwnerTest, MainWindowOwnsIsDisabledAndCentresTheDialog)
{
    CWnd child;
    ASSERT_TRUE(child.CreateEx(0, "STATIC", "child", WS_CHILD | WS_VISIBLE, 10, 10, 50, 20, MainHwnd(), nullptr));
    CWnd* const pParent = GetParam() == Parent::None ? nullptr
                          : GetParam() == Parent::MainWindow ? &m_mainWnd : &child;
    CTestDlg dlg(pParent);
    ModalScript script;
    script.Then(PressButton(IDCANCEL));
    EXPECT_EQ(IDCANCEL, dlg.DoModal());

    ASSERT_EQ("", script.Problems());
    const ModalSnapshot& seen = script.Seen().at(0);
    EXPECT_EQ(MainHwnd(), seen.owner);
    EXPECT_FALSE(seen.ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(MainHwnd()));
    RECT rectMain;
    GetWindowRect(MainHwnd(), &rectMain);
    ExpectCentredOn(CentreOf(rectMain), seen.rect);
    EXPECT_EQ(nullptr, dlg.GetSafeHwnd());
}

INSTANTIATE_TEST_SUITE_P(Parents, DialogOwnerTest,
                         testing::Values(Parent::None, Parent::MainWindow, Parent::ChildOfMain));

TEST_F(AppTest, WithoutMainWindowTheDialogHasNoOwnerAndIsCentredOnTheScreen)
{
    m_app.m_pMainWnd = nullptr;
    CTestDlg dlg;
    ModalScript script;
    script.Then(PressButton(IDCANCEL));
    EXPECT_EQ(IDCANCEL, dlg.DoModal());

    ASSERT_EQ("", script.Problems());
    EXPECT_EQ(nullptr, script.Seen().at(0).owner);
    ExpectCentredOn(WorkAreaCentre(), script.Seen().at(0).rect);
}

// The framework centres only what the template leaves at 0, 0 without
// DS_CENTER, in both template formats, and not what OnInitDialog placed.
TEST_F(AppTest, CentresOnlyTemplatesAtTheOriginThatDoNotCentreThemselves)
{
    RECT rectMain;
    GetWindowRect(MainHwnd(), &rectMain);
    const POINT ptMain = CentreOf(rectMain);

    CDialog extended(IDD_TEST_EXTENDED);
    CDialog placed(IDD_TEST_PLACED);
    CDialog selfCentred(IDD_TEST_SELF_CENTRED);
    CTestDlg moved;
    const POINT ptMoveTo = { 5, 7 };
    moved.m_pMoveTo = &ptMoveTo;

    ModalScript script;
    for (int i = 0; i < 4; ++i)
        script.Then(PressButton(IDOK));
    EXPECT_EQ(IDOK, extended.DoModal());
    EXPECT_EQ(IDOK, placed.DoModal());
    EXPECT_EQ(IDOK, selfCentred.DoModal());
    EXPECT_EQ(IDOK, moved.DoModal());
    ASSERT_EQ("", script.Problems());
    ASSERT_EQ(4u, script.Seen().size());

    ExpectCentredOn(ptMain, script.Seen()[0].rect);
    // 20 dialog units right of the owner's client area, not centred.
    POINT ptClient = { 0, 0 };
    ClientToScreen(MainHwnd(), &ptClient);
    EXPECT_LT(ptClient.x + 20, script.Seen()[1].rect.left);
    EXPECT_GT(ptMain.x, CentreOf(script.Seen()[1].rect).x + 20);
    ExpectCentredOn(WorkAreaCentre(), script.Seen()[2].rect);
    EXPECT_EQ(5, script.Seen()[3].rect.left);
    EXPECT_EQ(7, script.Seen()[3].rect.top);
}

// OnInitDialog's TRUE gives the focus to the first control with a tab stop
// in template order (the check box; group box, radio buttons and label have
// none); FALSE keeps the focus where OnInitDialog put it.
TEST_F(AppTest, FocusGoesToTheFirstTabStopOrWhereOnInitDialogPutIt)
{
    CTestDlg byManager;
    CTestDlg bySelf;
    bySelf.m_bFocusEdit = true;
    ModalScript script;
    script.Then(PressButton(IDCANCEL)).Then(PressButton(IDCANCEL));
    byManager.DoModal();
    bySelf.DoModal();

    ASSERT_EQ("", script.Problems());
    EXPECT_EQ(IDC_TEST_CHECK, script.Seen().at(0).focusId);
    EXPECT_EQ(IDC_TEST_EDIT, script.Seen().at(1).focusId);
}

struct EndCase
{
    const char* name;
    ModalAction action;
    INT_PTR nResult;
    bool bSaved;   // the members took the controls' values
};

class DialogEndTest : public AppTest, public testing::WithParamInterface<EndCase>
{
};

TEST_P(DialogEndTest, EndsThroughOnOkOrOnCancel)
{
    CTestDlg dlg;
    dlg.m_strEdit = "before";
    ModalScript script;
    script.Then([](ModalWindow& window) {
        window.SetItemText(IDC_TEST_EDIT, "after");
        GetParam().action(window);
    });
    EXPECT_EQ(GetParam().nResult, dlg.DoModal());

    EXPECT_EQ("", script.Problems());
    EXPECT_STREQ(GetParam().bSaved ? "after" : "before", dlg.m_strEdit);
    EXPECT_TRUE(IsWindowEnabled(MainHwnd()));
}

INSTANTIATE_TEST_SUITE_P(Ways, DialogEndTest,
                         testing::Values(EndCase{ "OkButton", PressButton(IDOK), IDOK, true },
                                         EndCase{ "Enter", PressKey(VK_RETURN), IDOK, true },
                                         EndCase{ "CancelButton", PressButton(IDCANCEL), IDCANCEL, false },
                                         EndCase{ "Escape", PressKey(VK_ESCAPE), IDCANCEL, false },
                                         EndCase{ "CloseBox", ClickCloseBox(), IDCANCEL, false }),
                         [](const testing::TestParamInfo<EndCase>& info) { return info.param.name; });

// Clicks on controls reach their ON_BN_CLICKED handlers; the automatic radio
// buttons exclude each other, and disabling keeps the check box's mark.
TEST_F(AppTest, ButtonClicksReachTheMessageMap)
{
    bool bEnabledAfterB = true;
    bool bEnabledAfterA = false;
    bool bRadioA = true;
    ModalScript script;
    script.Then([&](ModalWindow& dlg) {
        dlg.Click(IDC_TEST_CHECK);
        dlg.Click(IDC_TEST_RADIO_A);
        dlg.Click(IDC_TEST_RADIO_B);
        bEnabledAfterB = dlg.IsEnabled(IDC_TEST_CHECK);
        bRadioA = dlg.IsChecked(IDC_TEST_RADIO_A);
        dlg.Click(IDC_TEST_RADIO_A);
        bEnabledAfterA = dlg.IsEnabled(IDC_TEST_CHECK);
        dlg.Press(IDOK);
    });
    CTestDlg dlg;
    EXPECT_EQ(IDOK, dlg.DoModal());

    EXPECT_EQ("", script.Problems());
    EXPECT_FALSE(bEnabledAfterB);
    EXPECT_FALSE(bRadioA);
    EXPECT_TRUE(bEnabledAfterA);
    EXPECT_EQ(BST_CHECKED, dlg.m_bCheck);
}

TEST_F(AppTest, MissingTemplateGivesMinusOneAndNoWindow)
{
    ModalScript script;
    CDialog dlg(40999);
    EXPECT_EQ(-1, dlg.DoModal());
    EXPECT_TRUE(script.Seen().empty());
    EXPECT_TRUE(IsWindowEnabled(MainHwnd()));
}

} // namespace
