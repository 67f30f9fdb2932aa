// Dialog data exchange on a real dialog: members into the controls when it
// opens, back on OK, and the length limit refusing OK with the framework's
// prompt.
#include "DialogTestApp.h"
#include "FrameworkIds.h"
#include "MessageBox.h"
#include "ModalHelper.h"

#include <string>

using namespace ktest;

namespace {

CString Loaded(UINT nID)
{
    CString str;
    str.LoadString(nID);
    return str;
}

TEST_F(AppTest, MembersFillTheControlsAndOkReadsThemBack)
{
    const CString strJapanese = Loaded(IDS_TEST_MESSAGE);
    CTestDlg dlg;
    dlg.m_bCheck = BST_CHECKED;
    dlg.m_strEdit = "edit text";
    dlg.m_strCombo = "  name with blanks ";
    ModalScript script;
    script.Then([&](ModalWindow& window) {
        window.Click(IDC_TEST_CHECK);
        window.SetItemText(IDC_TEST_EDIT, strJapanese);
        window.SetItemText(IDC_TEST_COMBO, " typed ");
        window.Press(IDOK);
    });
    EXPECT_EQ(IDOK, dlg.DoModal());

    ASSERT_EQ("", script.Problems());
    const ModalSnapshot& opened = script.Seen().at(0);
    EXPECT_EQ(BST_CHECKED, opened.Control(IDC_TEST_CHECK)->check);
    EXPECT_EQ("edit text", opened.Control(IDC_TEST_EDIT)->text);
    EXPECT_EQ("  name with blanks ", opened.Control(IDC_TEST_COMBO)->text);

    EXPECT_EQ(BST_UNCHECKED, dlg.m_bCheck);
    EXPECT_FALSE(strJapanese.IsEmpty());
    EXPECT_STREQ(strJapanese, dlg.m_strEdit);
    EXPECT_STREQ(" typed ", dlg.m_strCombo);
}

// The combo box's value is the text of its edit field, also when it comes
// from picking an item of the list.
TEST_F(AppTest, PickedComboItemIsTheValue)
{
    CTestDlg dlg;
    ModalScript script;
    script.Then([](ModalWindow& window) {
        SendMessageA(window.Item(IDC_TEST_COMBO), CB_SETCURSEL, 1, 0);
        window.Press(IDOK);
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ("", script.Problems());
    EXPECT_STREQ("beta", dlg.m_strCombo);
}

// The limit is inclusive: 255 characters pass, 256 do not.
TEST_F(AppTest, TextOfTheLimitLengthPasses)
{
    const std::string strLimit(255, 'n');
    CTestDlg dlg;
    ModalScript script;
    script.Then([&](ModalWindow& window) {
        window.SetItemText(IDC_TEST_COMBO, strLimit.c_str());
        window.Press(IDOK);
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ("", script.Problems());
    EXPECT_EQ(strLimit, dlg.m_strCombo.GetString());
}

// Too long a text: OK shows the size prompt with the limit, captioned with
// the title and owned by the dialog; the dialog stays open with the focus
// back on the combo box, and UpdateData reports the failure.
TEST_F(AppTest, TooLongTextKeepsTheDialogOpenWithFocusOnTheControl)
{
    const std::string strTooLong(256, 'n');
    const CString strPrompt = AfxFormatString1(AFX_IDP_PARSE_STRING_SIZE, "255");
    bool bOpenAfterOk = false;
    int nFocusAfterOk = 0;
    BOOL bUpdated = TRUE;
    CTestDlg dlg;
    ModalScript script;
    script.Then([&](ModalWindow& window) {
        window.SetItemText(IDC_TEST_COMBO, strTooLong.c_str());
        window.Click(IDOK);                 // the prompt: next action
        bOpenAfterOk = window.IsOpen();
        nFocusAfterOk = window.FocusId();
        bUpdated = dlg.UpdateData(TRUE);    // the prompt again
        window.Press(IDCANCEL);
    });
    script.Then(PressButton(IDOK)).Then(PressButton(IDOK));
    EXPECT_EQ(IDCANCEL, dlg.DoModal());

    ASSERT_EQ("", script.Problems());
    ASSERT_EQ(3u, script.Seen().size());
    const ModalSnapshot& prompt = script.Seen()[1];
    EXPECT_NE(std::string::npos, std::string(strPrompt).find("255 "));
    EXPECT_EQ(strPrompt.GetString(), prompt.text);
    EXPECT_EQ(m_app.m_pszAppName, prompt.caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), prompt.icon);
    EXPECT_EQ(script.Seen()[0].hwnd, prompt.owner);
    EXPECT_FALSE(prompt.ownerEnabled);
    EXPECT_TRUE(bOpenAfterOk);
    EXPECT_EQ(IDC_TEST_COMBO, nFocusAfterOk);
    EXPECT_FALSE(bUpdated);
    EXPECT_EQ(strPrompt.GetString(), script.Seen()[2].text);
}

// Once an exchange has failed, the later DDX_ and DDV_ calls leave the
// controls and members alone.
TEST_F(AppTest, FailedExchangeStopsTheRest)
{
    CString strEdit = "member";
    bool bFailed = false;
    ModalScript script;
    script.Then([&](ModalWindow& window) {
        CDialog* const pDlg = static_cast<CDialog*>(CWnd::FromHandlePermanent(window.Handle()));
        window.SetItemText(IDC_TEST_EDIT, "control");
        CDataExchange dx(pDlg, TRUE);
        dx.Fail();
        DDX_Text(&dx, IDC_TEST_EDIT, strEdit);
        DDV_MaxChars(&dx, CString(std::string(300, 'n').c_str()), 255); // no prompt
        bFailed = dx.HasFailed() != FALSE;
        window.Press(IDCANCEL);
    });
    CTestDlg dlg;
    dlg.DoModal();
    EXPECT_EQ("", script.Problems());
    EXPECT_TRUE(bFailed);
    EXPECT_STREQ("member", strEdit);
}

} // namespace
