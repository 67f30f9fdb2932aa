#include "EventCreateDlg.h"

#include "NameHistory.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CEventCreateDlg, CDialog)
    ON_BN_CLICKED(IDC_MODE_CREATE, &CEventCreateDlg::OnModeCreate)
    ON_BN_CLICKED(IDC_MODE_OPEN, &CEventCreateDlg::OnModeOpen)
END_MESSAGE_MAP()

namespace {

// Longest name the dialog accepts.
constexpr int MAX_EVENT_NAME = 255;

} // namespace

CEventCreateDlg::CEventCreateDlg(CWnd* pParent)
    : CDialog(IDD_EVENT_CREATE, pParent)
    , m_nMode(0)
    , m_bInitialState(FALSE)
    , m_bManualReset(FALSE)
{
}

CEventCreateDlg::~CEventCreateDlg() = default;

void CEventCreateDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_INITIAL_SIGNALED, m_bInitialState);
    DDX_Check(pDX, IDC_MANUAL_RESET, m_bManualReset);
    DDX_Text(pDX, IDC_EVENT_NAME, m_strName);
    DDV_MaxChars(pDX, m_strName, MAX_EVENT_NAME);
}

BOOL CEventCreateDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    // Set directly, so no click notification runs.
    SendDlgItemMessage(IDC_MODE_CREATE, BM_SETCHECK, BST_CHECKED);

    LoadNameHistory(m_astrHistory);
    for (int i = 0; i < m_astrHistory.GetSize(); ++i) {
        if (!m_astrHistory[i].IsEmpty())
            SendDlgItemMessage(IDC_EVENT_NAME, CB_ADDSTRING, 0,
                               reinterpret_cast<LPARAM>(m_astrHistory[i].GetString()));
    }
    return TRUE;
}

void CEventCreateDlg::OnModeCreate()
{
    ::EnableWindow(GetDlgItem(IDC_MANUAL_RESET), TRUE);
    ::EnableWindow(GetDlgItem(IDC_INITIAL_SIGNALED), TRUE);
}

void CEventCreateDlg::OnModeOpen()
{
    // The marks stay: they are still reported, in open mode too.
    ::EnableWindow(GetDlgItem(IDC_MANUAL_RESET), FALSE);
    ::EnableWindow(GetDlgItem(IDC_INITIAL_SIGNALED), FALSE);
}

void CEventCreateDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    // An empty name is ignored without a word; blanks are a name.
    if (m_strName.IsEmpty())
        return;
    m_nMode = SendDlgItemMessage(IDC_MODE_OPEN, BM_GETCHECK) == BST_CHECKED ? 1 : 0;
    // Saved now, before the event is created or opened: the name is kept
    // even when that fails.
    SaveNameHistory(m_astrHistory, m_strName);
    CDialog::OnOK();
}
