#include "DialogTestApp.h"

BEGIN_MESSAGE_MAP(CTestDlg, CDialog)
    ON_BN_CLICKED(IDC_TEST_RADIO_A, &CTestDlg::OnRadioA)
    ON_BN_CLICKED(IDC_TEST_RADIO_B, &CTestDlg::OnRadioB)
END_MESSAGE_MAP()

void AppTest::SetUp()
{
    char szCommandLine[] = "";
    ASSERT_TRUE(AfxWinInit(GetModuleHandleA(nullptr), nullptr, szCommandLine, SW_SHOW));
    ASSERT_TRUE(m_mainWnd.CreateEx(0, "STATIC", "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 30, 400, 300,
                                   nullptr, nullptr));
    m_app.m_pMainWnd = &m_mainWnd;
}

void AppTest::TearDown()
{
    m_app.m_pMainWnd = nullptr;
    m_mainWnd.DestroyWindow();
}

CTestDlg::CTestDlg(CWnd* pParentWnd, UINT nIDTemplate)
    : CDialog(nIDTemplate, pParentWnd)
{
}

void CTestDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_TEST_CHECK, m_bCheck);
    DDX_Text(pDX, IDC_TEST_EDIT, m_strEdit);
    DDX_Text(pDX, IDC_TEST_COMBO, m_strCombo);
    DDV_MaxChars(pDX, m_strCombo, 255);
}

BOOL CTestDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SendDlgItemMessage(IDC_TEST_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("alpha"));
    SendDlgItemMessage(IDC_TEST_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("beta"));
    if (m_pMoveTo)
        SetWindowPos(m_hWnd, nullptr, m_pMoveTo->x, m_pMoveTo->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    if (!m_bFocusEdit)
        return TRUE;
    ::SetFocus(GetDlgItem(IDC_TEST_EDIT));
    return FALSE;
}

void CTestDlg::OnRadioA()
{
    ::EnableWindow(GetDlgItem(IDC_TEST_CHECK), TRUE);
}

void CTestDlg::OnRadioB()
{
    ::EnableWindow(GetDlgItem(IDC_TEST_CHECK), FALSE);
}

POINT CentreOf(const RECT& rect)
{
    return { (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2 };
}
