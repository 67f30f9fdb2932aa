#include "DataExchange.h"

#include "FrameworkIds.h"
#include "MessageBox.h"
#include "Wnd.h"

#include <cstdio>

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    m_hWndLastControl = m_pDlgWnd->GetDlgItem(nIDC);
    return m_hWndLastControl;
}

void CDataExchange::Fail()
{
    m_bFailed = TRUE;
    // Through the dialog manager, which also selects an edit field's text
    // and moves the default-button highlight back.
    if (m_hWndLastControl)
        m_pDlgWnd->SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_hWndLastControl), TRUE);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    if (pDX->HasFailed())
        return;
    const HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0));
    else
        SendMessageA(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    if (pDX->HasFailed())
        return;
    const HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        SetWindowTextA(hWndCtrl, value);
        return;
    }
    const int nLength = GetWindowTextLengthA(hWndCtrl);
    GetWindowTextA(hWndCtrl, value.GetBuffer(nLength), nLength + 1);
    value.ReleaseBuffer();
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->HasFailed() || !pDX->m_bSaveAndValidate || value.GetLength() <= nChars)
        return;
    char szLimit[16];
    std::snprintf(szLimit, sizeof szLimit, "%d", nChars);
    AfxMessageBox(AfxFormatString1(AFX_IDP_PARSE_STRING_SIZE, szLimit), MB_ICONEXCLAMATION,
                  AFX_IDP_PARSE_STRING_SIZE);
    pDX->Fail();
}
