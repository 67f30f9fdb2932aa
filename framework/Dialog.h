#pragma once
// CDialog: a modal dialog from a dialog template of the executable.
//
// A dialog class derives from CDialog, hands its template id and parent
// window to the constructor, lives on the caller's stack and runs with
// DoModal:
//
//     CMyDlg dlg(nullptr);
//     if (dlg.DoModal() == IDOK)
//         Use(dlg.m_strName);
//
// The owner is the parent's top-level window, or the application's active
// top-level window (normally the main window) when there is no parent; it
// is disabled while the dialog is up. A template at position 0, 0 without
// DS_CENTER is centred over the owner when the dialog opens, unless
// OnInitDialog placed it. Focus goes to the first control with a tab stop
// when OnInitDialog returns TRUE.
//
// The dialog's window is attached to the object at WM_INITDIALOG, so the
// message map works as for any window: BN_CLICKED of a control reaches its
// ON_BN_CLICKED handler; IDOK (the OK button, Enter) calls OnOK; IDCANCEL
// (the Cancel button, Esc, the close box) calls OnCancel.
#include "DataExchange.h"
#include "Wnd.h"

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Runs the dialog; returns the result given to EndDialog (IDOK,
    // IDCANCEL), or -1 when the template is missing or the dialog could not
    // be created.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult) const;

    // FALSE: members into the controls. TRUE: controls into the members,
    // with validation; returns FALSE when a validation failed.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    void SetDlgItemText(int nID, LPCSTR lpszString) const;

    // Centres the window over hWndCenter (the owner when null), or over the
    // work area when there is none or it is hidden or minimised; kept inside
    // the work area.
    void CenterWindow(HWND hWndCenter = nullptr) const;

protected:
    // Exchanges the members with the controls; the base exchanges nothing.
    virtual void DoDataExchange(CDataExchange* pDX);
    // Fills the controls (UpdateData(FALSE)) and returns TRUE, so that the
    // focus goes to the first control with a tab stop. Returning FALSE
    // means the function set the focus itself.
    virtual BOOL OnInitDialog();
    // UpdateData(TRUE), then EndDialog(IDOK); stays open if that fails.
    virtual void OnOK();
    // EndDialog(IDCANCEL).
    virtual void OnCancel();

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL HandleInitDialog();

    const UINT m_nIDTemplate;
    CWnd* const m_pParentWnd;
    BOOL m_bCenterOnOpen = FALSE;   // from the template being run
};
