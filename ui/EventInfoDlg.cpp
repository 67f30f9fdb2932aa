#include "EventInfoDlg.h"

#include "resource.h"

namespace {

CString LoadText(UINT nID)
{
    CString str;
    str.LoadString(nID);
    return str;
}

} // namespace

CEventInfoDlg::CEventInfoDlg(CWnd* pParent)
    : CDialog(IDD_EVENT_INFO, pParent)
    , m_entry{ORIGIN_CREATED, nullptr, FALSE, FALSE, CString()}
{
}

CEventInfoDlg::~CEventInfoDlg() = default;

BOOL CEventInfoDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    SetDlgItemText(IDC_INFO_NAME, m_entry.strName);
    // One probe, now: the line is not updated while the dialog is open.
    SetDlgItemText(IDC_INFO_STATE,
                   LoadText(IsEventEntrySignaled(m_entry) ? IDS_SIGNALED : IDS_NONSIGNALED));

    if (m_entry.nOrigin == ORIGIN_OPENED) {
        SetDlgItemText(IDC_INFO_METHOD, LoadText(IDS_BY_OPEN));
        SetDlgItemText(IDC_INFO_REMARKS, "");
    } else {
        SetDlgItemText(IDC_INFO_METHOD, LoadText(IDS_BY_CREATE));
        CString strRemarks;
        strRemarks.Format("%s%s",
                          LoadText(m_entry.bManualReset ? IDS_MANUAL_RESET : IDS_AUTO_RESET).GetString(),
                          LoadText(m_entry.bInitialState ? IDS_CREATED_SIGNALED : IDS_CREATED_NONSIGNALED)
                              .GetString());
        SetDlgItemText(IDC_INFO_REMARKS, strRemarks);
    }
    return TRUE;
}
