#pragma once
// What the dialog tests share: an application object with a visible main
// window, as the program has them while its message loop runs, and a dialog
// class over the tests' data template.
#include "Dialog.h"
#include "DialogTestIds.h"
#include "WinApp.h"

#include <gtest/gtest.h>

class AppTest : public testing::Test
{
protected:
    // The title comes from string AFX_IDS_APP_TITLE of the test executable.
    void SetUp() override;
    void TearDown() override;

    HWND MainHwnd() const { return m_mainWnd.GetSafeHwnd(); }

    CWinApp m_app;
    CWnd m_mainWnd;   // off the screen's centre, so that centring over it shows
};

// Exchanges a check box, an edit box and a drop-down combo box (limited to
// 255 characters) with its members; the radio buttons enable and disable
// the check box through their BN_CLICKED handlers.
class CTestDlg : public CDialog
{
public:
    explicit CTestDlg(CWnd* pParentWnd = nullptr, UINT nIDTemplate = IDD_TEST_DATA);

    int m_bCheck = FALSE;
    CString m_strEdit;
    CString m_strCombo;

    // OnInitDialog: moves the window here when set; gives the focus to the
    // edit box itself and returns FALSE when bFocusEdit is set.
    const POINT* m_pMoveTo = nullptr;
    bool m_bFocusEdit = false;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnRadioA();
    void OnRadioB();

    DECLARE_MESSAGE_MAP()
};

// The centre of a window rectangle.
POINT CentreOf(const RECT& rect);
