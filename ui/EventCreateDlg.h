#pragma once
// CEventCreateDlg: asks for an event name and whether to create the event
// (with its reset type and initial state) or open an existing one. It offers
// the last ten accepted names and records an accepted name in the history.
#include "Dialog.h"

class CEventCreateDlg : public CDialog
{
public:
    explicit CEventCreateDlg(CWnd* pParent = nullptr);
    ~CEventCreateDlg() override;

    int m_nMode;              // set on OK: 0 create, 1 open
    BOOL m_bInitialState;     // create the event signaled
    BOOL m_bManualReset;      // create a manual-reset event
    CString m_strName;        // on OK: not empty, at most 255 characters
    CStringArray m_astrHistory;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    void OnModeCreate();
    void OnModeOpen();

    DECLARE_MESSAGE_MAP()
};
