#pragma once
// Dialog data exchange and validation.
//
// A dialog moves its members into its controls and back in one place, its
// DoDataExchange, written as a list of calls:
//
//     void CMyDlg::DoDataExchange(CDataExchange* pDX)
//     {
//         DDX_Check(pDX, IDC_FLAG, m_bFlag);
//         DDX_Text(pDX, IDC_NAME, m_strName);
//         DDV_MaxChars(pDX, m_strName, 255);
//     }
//
// UpdateData(FALSE) runs it to fill the controls, UpdateData(TRUE) to read
// them and validate. A failed validation shows its message, puts the focus
// back on the control it concerns and stops the exchange: every later DDX_
// and DDV_ call does nothing, and UpdateData returns FALSE.
#include "CString.h"

class CWnd;

class CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    const BOOL m_bSaveAndValidate;   // TRUE: controls to members, validated
    CWnd* const m_pDlgWnd;           // the dialog

    // The dialog's control nIDC, remembered as the control that a failing
    // validation after it concerns.
    HWND PrepareCtrl(int nIDC);

    // Ends the exchange as failed and moves the focus back to the control
    // prepared last.
    void Fail();
    BOOL HasFailed() const { return m_bFailed; }

private:
    HWND m_hWndLastControl = nullptr;
    BOOL m_bFailed = FALSE;
};

// Check box or radio button state (BST_UNCHECKED, BST_CHECKED,
// BST_INDETERMINATE) and value.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);

// Window text and value: the text of an edit box, or of the edit field of a
// drop-down combo box.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);

// When saving: a value longer than nChars (characters of the narrow string,
// that is bytes) fails with the prompt AFX_IDP_PARSE_STRING_SIZE, the limit
// as its parameter, and the exclamation icon. The control itself is given
// no limit.
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
