#include "Dialog.h"

#include "MessageBox.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

namespace
{
template <class T> T ReadAt(const BYTE* pTemplate, size_t nOffset)
{
    T value;
    std::memcpy(&value, pTemplate + nOffset, sizeof value);
    return value;
}

// Whether the framework centres a dialog of this template: one that the
// template places at 0, 0 and does not centre itself (DS_CENTER). Reads the
// header of both the standard and the extended template format.
bool IsCentredByFramework(const BYTE* pTemplate)
{
    const bool bExtended = ReadAt<WORD>(pTemplate, 0) == 1 && ReadAt<WORD>(pTemplate, 2) == 0xFFFF;
    const size_t nStyle = bExtended ? 12 : 0;
    const size_t nPosition = bExtended ? 18 : 10;
    const DWORD dwStyle = ReadAt<DWORD>(pTemplate, nStyle);
    const short x = ReadAt<short>(pTemplate, nPosition);
    const short y = ReadAt<short>(pTemplate, nPosition + sizeof(short));
    return x == 0 && y == 0 && !(dwStyle & DS_CENTER);
}
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

INT_PTR CDialog::DoModal()
{
    const HINSTANCE hInstance = GetModuleHandleA(nullptr);
    const HRSRC hResource = FindResourceA(hInstance, MAKEINTRESOURCEA(m_nIDTemplate), RT_DIALOG);
    const HGLOBAL hTemplate = hResource ? LoadResource(hInstance, hResource) : nullptr;
    const auto* pTemplate = static_cast<const BYTE*>(hTemplate ? LockResource(hTemplate) : nullptr);
    if (!pTemplate)
        return -1;
    m_bCenterOnOpen = IsCentredByFramework(pTemplate);
    const HWND hWndOwner = AfxGetSafeOwner(m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr);
    // The dialog manager disables the owner for as long as the dialog runs
    // and gives it back the activation afterwards.
    return DialogBoxIndirectParamA(hInstance, reinterpret_cast<LPCDLGTEMPLATEA>(pTemplate), hWndOwner,
                                   DialogProc, reinterpret_cast<LPARAM>(this));
}

// The object takes its window over at WM_INITDIALOG. From then on the window
// is subclassed: every message goes through the message map first and comes
// here, through the dialog manager, only when no entry took it.
INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* pDialog = reinterpret_cast<CDialog*>(lParam);
    pDialog->SubclassWindow(hWnd);
    return pDialog->HandleInitDialog();
}

BOOL CDialog::HandleInitDialog()
{
    RECT rectBefore;
    GetWindowRect(&rectBefore);
    const BOOL bSetFocus = OnInitDialog();
    RECT rectAfter;
    GetWindowRect(&rectAfter);
    if (m_bCenterOnOpen && EqualRect(&rectBefore, &rectAfter))
        CenterWindow();
    return bSetFocus;
}

void CDialog::EndDialog(int nResult) const
{
    ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.HasFailed();
}

void CDialog::SetDlgItemText(int nID, LPCSTR lpszString) const
{
    ::SetDlgItemTextA(m_hWnd, nID, lpszString);
}

void CDialog::CenterWindow(HWND hWndCenter) const
{
    if (!hWndCenter)
        hWndCenter = ::GetWindow(m_hWnd, GW_OWNER);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(hWndCenter ? hWndCenter : m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& rectArea = monitor.rcWork;

    RECT rectCenter = rectArea;
    if (hWndCenter && ::IsWindowVisible(hWndCenter) && !::IsIconic(hWndCenter))
        ::GetWindowRect(hWndCenter, &rectCenter);
    RECT rect;
    GetWindowRect(&rect);
    const int nWidth = rect.right - rect.left;
    const int nHeight = rect.bottom - rect.top;
    int x = (rectCenter.left + rectCenter.right) / 2 - nWidth / 2;
    int y = (rectCenter.top + rectCenter.bottom) / 2 - nHeight / 2;
    // Inside the work area; its top left corner wins for a dialog too big.
    x = std::max<int>(rectArea.left, std::min<int>(x, rectArea.right - nWidth));
    y = std::max<int>(rectArea.top, std::min<int>(y, rectArea.bottom - nHeight));
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}
